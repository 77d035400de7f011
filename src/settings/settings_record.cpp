#include "settings/settings_record.h"

namespace vantry {
namespace {

FontProfile profileOf(const std::wstring& face, const std::wstring& size,
                      const std::wstring& height, const std::wstring& style) {
    return {face, parseSettingInteger(size).value_or(0), parseSettingInteger(height).value_or(0),
            fontStyleOf(style)};
}

}  // namespace

std::wstring* Settings::field(int number) {
    switch (number) {
        case kWordWrap: return &wordWrap;
        case kAllowTextChanges: return &allowTextChanges;
        case kBgColor: return &bgColor;
        case kTextColor: return &textColor;
        case kFontSelection: return &fontSelection;
        case kAskToSave: return &askToSave;
        case kEscExits: return &escExits;
        case kCopyOnSelect: return &copyOnSelect;
        case kAsciiFontSize: return &asciiFontSize;
        case kAnsiFontSize: return &ansiFontSize;
        case kAsciiFontName: return &asciiFontName;
        case kAnsiFontName: return &ansiFontName;
        case kAsciiFontStyle: return &asciiFontStyle;
        case kAnsiFontStyle: return &ansiFontStyle;
        case kAlwaysOnTop: return &alwaysOnTop;
        case kUrlFollow: return &urlFollow;
        case kShowStatusBar: return &showStatusBar;
        case kAsciiFontHeight: return &asciiFontHeight;
        case kAnsiFontHeight: return &ansiFontHeight;
        case kEmailFollow: return &emailFollow;
        case kRecentFileCount: return &recentFileCount;
        case kRecentFileFullPath: return &recentFileFullPath;
        default:
            if (number >= kRecentFile01 && number < kRecentFile01 + kRecentFileSlots) {
                return &recentFile[static_cast<size_t>(number - kRecentFile01)];
            }
            return nullptr;
    }
}

FontProfile Settings::nfoProfile() const {
    return profileOf(asciiFontName, asciiFontSize, asciiFontHeight, asciiFontStyle);
}

FontProfile Settings::textProfile() const {
    return profileOf(ansiFontName, ansiFontSize, ansiFontHeight, ansiFontStyle);
}

}  // namespace vantry
