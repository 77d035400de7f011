#include "settings/display_font.h"

#include <string>

#include "win/dpi.h"

namespace vantry {

LOGFONTW logFontOf(const FontProfile& profile, BYTE charSet) {
    LOGFONTW font{};
    if (profile.height != 0) {
        font.lfHeight = profile.height;
    } else {
        font.lfHeight = -MulDiv(profile.size, screenDotsPerInch(), 72);
    }
    font.lfWeight = profile.style.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = profile.style.italic ? TRUE : FALSE;
    font.lfCharSet = charSet;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    profile.face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

GdiObject<HFONT> createDisplayFont(const FontProfile& profile, int dpi, int zoom) {
    FontProfile scaled = profile;
    scaled.height = heightAtZoom(profile, dpi, zoom);
    const LOGFONTW font = logFontOf(scaled);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

COLORREF colorFromSetting(std::int32_t value) {
    if (value < 0) return GetSysColor(static_cast<int>(value & 0xFF));
    return static_cast<COLORREF>(value) & 0x00FFFFFF;
}

PrivateFontFile::PrivateFontFile(std::wstring path) : path_(std::move(path)) {
    loaded_ = AddFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr) > 0;
}

PrivateFontFile::~PrivateFontFile() {
    if (loaded_) RemoveFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr);
}

BundledFontFiles::BundledFontFiles(const std::wstring& programDir) {
    screen_.emplace(programDir + L"fdata.nf");
    printer_.emplace(programDir + L"tfdata.nf");
}

BundledFontFiles::~BundledFontFiles() {
    screen_.reset();
    printer_.reset();
}

int screenDotsPerInch() { return windowDpi(nullptr); }

}  // namespace vantry
