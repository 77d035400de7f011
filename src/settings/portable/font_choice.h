// Which of the two font profiles (NFO art or plain text) a document is shown in, and
// the texts that describe a profile's style.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/paths.h"

namespace vantry {

inline constexpr std::wstring_view kAlwaysAscii = L"alwaysAscii";
inline constexpr std::wstring_view kAlwaysAnsi = L"alwaysAnsi";
inline constexpr std::wstring_view kExtensionSelectDefaultAscii = L"extensionSelectDefaultAscii";
inline constexpr std::wstring_view kExtensionSelectDefaultAnsi = L"extensionSelectDefaultAnsi";

inline constexpr std::wstring_view kStyleNormal = L"normal";
inline constexpr std::wstring_view kStyleBold = L"bold";
inline constexpr std::wstring_view kStyleItalic = L"italic";
inline constexpr std::wstring_view kStyleBoldItalic = L"boldItalic";

// The face that draws text read with the ANSI code page: each built-in NFO face has a
// companion ("ASCII VGA 1252") that draws art at the characters 1252 gives its bytes.
std::wstring faceForAnsiText(std::wstring_view face);

// Whether the NFO profile applies under a font mode; nothing for an unknown mode.
std::optional<bool> usesNfoProfile(std::wstring_view fontSelection, ExtensionKind kind);

struct FontStyle {
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// An unknown keyword gives neither flag.
FontStyle fontStyleOf(std::wstring_view keyword);
std::wstring_view fontStyleKeyword(FontStyle style);

// One profile as the display uses it.
struct FontProfile {
    std::wstring face;
    std::int32_t size = 0;    // points, for descriptions and the font chooser
    std::int32_t height = 0;  // pixels (negative: character height); decides the drawn size
    FontStyle style;
    friend bool operator==(const FontProfile&, const FontProfile&) = default;
};

// value * numerator / denominator, rounded half away from zero, as the system's MulDiv
// rounds (denominator > 0).
std::int32_t scaledRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator);

// The pixel height of a profile on a screen of `dpi` dots per inch: stored heights are
// pixels at 96. A built-in NFO face at a whole number of its cells (16 pixels high, 14
// for "ASCII EGA") keeps a whole number of cells, the nearest, so every bitmap pixel
// covers the same number of screen pixels and block art stays joined.
std::int32_t heightAtDpi(const FontProfile& profile, int dpi);

// Zoom, in percent of the stored size. The faces the program ships (and their 1252
// companions) are drawn from cells: they zoom by whole cells, and by halves below 100 %
// (50, 100, 200, 300, 400), so block art stays sharp and joined; other faces by 10 %
// from 50 % to 400 %.
inline constexpr int kZoomNormal = 100;
bool isCellFace(std::wstring_view face);
// One step up (direction > 0) or down from what `percent` shows; the ends stay.
int zoomStep(int percent, int direction, bool cellFace);
// What a face shows at `percent`: a cell face the largest of its steps not above it.
int shownZoom(int percent, bool cellFace);
// heightAtDpi at a zoom: a cell face at whole cells of the height at the DPI (fewer
// where a half would fall between), half a cell only below one cell.
std::int32_t heightAtZoom(const FontProfile& profile, int dpi, int percent);

}  // namespace vantry
