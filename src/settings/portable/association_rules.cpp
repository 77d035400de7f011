#include "settings/portable/association_rules.h"

#include <algorithm>

namespace vantry {

std::wstring extensionKeyPath(std::wstring_view extension) { return L"\\." + std::wstring(extension); }

std::wstring openCommand(std::wstring_view programPath) {
    return L"\"" + std::wstring(programPath) + L"\" \"%1\"";
}

std::wstring defaultIcon(std::wstring_view programPath) { return std::wstring(programPath) + L",0"; }

std::wstring strippedExtension(std::wstring_view typed) {
    for (int pass = 0; pass < 3 && !typed.empty() && (typed.front() == L'.' || typed.front() == L'*'); ++pass) {
        typed.remove_prefix(1);
    }
    return std::wstring(typed);
}

CustomExtension customExtension(std::wstring_view typed) {
    std::wstring extension = strippedExtension(typed);
    if (extension.empty()) return {L"", std::wstring(kTypeAnExtensionMessage)};
    const bool namesOtherKeys = std::any_of(extension.begin(), extension.end(),
                                            [](wchar_t c) { return c == L'\\' || c < L' ' || c == 0x7F; });
    if (namesOtherKeys) {
        return {L"", L"\"" + extension +
                         L"\" cannot be associated: an extension cannot hold a backslash or a control character."};
    }
    return {std::move(extension), std::nullopt};
}

std::wstring associationQuestion(std::wstring_view extension) {
    return L"All files with the extension \"" + std::wstring(extension) + L"\" will be associated with Vantry.";
}

}  // namespace vantry
