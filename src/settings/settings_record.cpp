#include "settings/settings_record.h"

namespace vantry {
namespace {

FontProfile profileOf(const std::wstring& face, const std::wstring& size,
                      const std::wstring& height, const std::wstring& style) {
    return {face, parseSettingInteger(size).value_or(0), parseSettingInteger(height).value_or(0),
            fontStyleOf(style)};
}

}  // namespace

FontProfile Settings::nfoProfile() const {
    return profileOf(asciiFontName, asciiFontSize, asciiFontHeight, asciiFontStyle);
}

FontProfile Settings::textProfile() const {
    return profileOf(ansiFontName, ansiFontSize, ansiFontHeight, ansiFontStyle);
}

}  // namespace vantry
