// The GDI side of the display settings: fonts from profiles, colours from their texts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "settings/portable/font_choice.h"
#include "win/handles.h"

namespace vantry {

// Height decides the drawn size; a height of 0 falls back to the size in points.
LOGFONTW logFontOf(const FontProfile& profile, BYTE charSet = DEFAULT_CHARSET);
// The font on a screen of `dpi` dots per inch (heights are stored as at 96), at a zoom
// in percent.
GdiObject<HFONT> createDisplayFont(const FontProfile& profile, int dpi = 96, int zoom = kZoomNormal);

// The screen's vertical dots per inch, which turn points into pixels.
int screenDotsPerInch();

// A stored colour: 0x00BBGGRR, or a negative system colour (0x80000000 | index).
COLORREF colorFromSetting(std::int32_t value);

// The NFO font files beside the program, registered for this process only while the
// object lives, so the faces never outlive the program.
class PrivateFontFile {
public:
    explicit PrivateFontFile(std::wstring path);
    PrivateFontFile(const PrivateFontFile&) = delete;
    PrivateFontFile& operator=(const PrivateFontFile&) = delete;
    ~PrivateFontFile();
    bool loaded() const { return loaded_; }

private:
    std::wstring path_;
    bool loaded_ = false;
};

// The two font files the program ships, "fdata.nf" (the screen's faces) and "tfdata.nf"
// (the printer's), registered in that order and released in the same order.
class BundledFontFiles {
public:
    explicit BundledFontFiles(const std::wstring& programDir);
    ~BundledFontFiles();
    BundledFontFiles(const BundledFontFiles&) = delete;
    BundledFontFiles& operator=(const BundledFontFiles&) = delete;

private:
    std::optional<PrivateFontFile> screen_;
    std::optional<PrivateFontFile> printer_;
};

}  // namespace vantry
