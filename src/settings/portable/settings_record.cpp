#include "settings/portable/settings_record.h"

namespace vantry {

FontProfile fontProfileOf(const std::wstring& face, const std::wstring& size, const std::wstring& height,
                          const std::wstring& style) {
    return {face, parseSettingInteger(size).value_or(0), parseSettingInteger(height).value_or(0), fontStyleOf(style)};
}

FontProfile Settings::nfoProfile() const {
    return fontProfileOf(asciiFontName, asciiFontSize, asciiFontHeight, asciiFontStyle);
}

FontProfile Settings::textProfile() const {
    return fontProfileOf(ansiFontName, ansiFontSize, ansiFontHeight, ansiFontStyle);
}

}  // namespace vantry
