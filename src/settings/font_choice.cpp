#include "settings/font_choice.h"

#include "documents/paths.h"

namespace vantry {

ExtensionKind extensionKind(std::wstring_view fileName) {
    if (fileName == kNoFileName) return ExtensionKind::Neither;
    if (hasExtension(fileName, L"nfo") || hasExtension(fileName, L"diz")) return ExtensionKind::Nfo;
    if (hasExtension(fileName, L"txt")) return ExtensionKind::Text;
    return ExtensionKind::Neither;
}

std::optional<bool> usesNfoProfile(std::wstring_view fontSelection, ExtensionKind kind) {
    if (fontSelection == kAlwaysAscii) return true;
    if (fontSelection == kAlwaysAnsi) return false;
    if (fontSelection == kExtensionSelectDefaultAscii) return kind != ExtensionKind::Text;
    if (fontSelection == kExtensionSelectDefaultAnsi) return kind == ExtensionKind::Nfo;
    return std::nullopt;
}

FontStyle fontStyleOf(std::wstring_view keyword) {
    return {keyword == kStyleBold || keyword == kStyleBoldItalic,
            keyword == kStyleItalic || keyword == kStyleBoldItalic};
}

std::wstring_view fontStyleKeyword(FontStyle style) {
    if (style.bold && style.italic) return kStyleBoldItalic;
    if (style.bold) return kStyleBold;
    if (style.italic) return kStyleItalic;
    return kStyleNormal;
}

}  // namespace vantry
