#include "settings/portable/font_choice.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "base/paths.h"

namespace vantry {

std::wstring faceForAnsiText(std::wstring_view face) {
    for (std::wstring_view builtIn : {L"ASCII VGA", L"ASCII EGA", L"ASCII"}) {
        if (face == builtIn) return std::wstring(face) + L" 1252";
    }
    return std::wstring(face);
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

namespace {

constexpr int kZoomLeast = 50;
constexpr int kZoomMost = 400;
constexpr int kTextZoomStep = 10;
constexpr int kCellZooms[] = {50, 100, 200, 300, 400};

// The cell height of the faces the program ships, their 1252 companions too; 0 for
// any other face.
std::int32_t builtInCellHeight(std::wstring_view face) {
    if (face.ends_with(L" 1252")) face.remove_suffix(5);
    if (face == L"ASCII VGA" || face == L"ASCII") return 16;
    if (face == L"ASCII EGA") return 14;
    return 0;
}

}  // namespace

std::int32_t scaledRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t scaled = value * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<std::int32_t>((scaled >= 0 ? scaled + half : scaled - half) / denominator);
}

bool isCellFace(std::wstring_view face) { return builtInCellHeight(face) > 0; }

int shownZoom(int percent, bool cellFace) {
    percent = std::clamp(percent, kZoomLeast, kZoomMost);
    if (!cellFace) return percent - (percent - kZoomLeast) % kTextZoomStep;
    int shown = kZoomLeast;
    for (const int step : kCellZooms) shown = step <= percent ? step : shown;
    return shown;
}

int zoomStep(int percent, int direction, bool cellFace) {
    const int shown = shownZoom(percent, cellFace);
    if (!cellFace) return std::clamp(shown + (direction > 0 ? kTextZoomStep : -kTextZoomStep), kZoomLeast, kZoomMost);
    constexpr size_t kLast = std::size(kCellZooms) - 1;
    size_t at = 0;  // the step shown
    while (at < kLast && kCellZooms[at] < shown) ++at;
    if (direction > 0) return kCellZooms[std::min(at + 1, kLast)];
    return kCellZooms[at == 0 ? 0 : at - 1];
}

std::int32_t heightAtZoom(const FontProfile& profile, int dpi, int percent) {
    const int shown = shownZoom(percent, isCellFace(profile.face));
    std::int32_t height = heightAtDpi(profile, dpi);
    constexpr int kPointsPerInch = 72;
    // A size in points, at the window's DPI at every zoom, so the steps grow evenly.
    if (height == 0) height = -scaledRounded(profile.size, dpi > 0 ? dpi : 96, kPointsPerInch);
    if (shown == kZoomNormal) return height;
    const std::int32_t cell = builtInCellHeight(profile.face);
    if (cell > 0 && height % cell == 0) {
        // Whole cells, the fewer where a half would fall between; half a cell only below one.
        const std::int32_t cells = std::abs(height) / cell;
        const std::int32_t zoomedCells = cells * shown / kZoomNormal;
        const std::int32_t pixels = zoomedCells > 0 ? zoomedCells * cell : cell / 2;
        return height < 0 ? -pixels : pixels;
    }
    return scaledRounded(height, shown, kZoomNormal);
}

std::int32_t heightAtDpi(const FontProfile& profile, int dpi) {
    if (dpi == 96 || dpi <= 0) return profile.height;
    const std::int32_t cell = builtInCellHeight(profile.face);
    if (cell > 0 && profile.height != 0 && profile.height % cell == 0) {
        const std::int32_t cells = std::max(1, scaledRounded(std::abs(profile.height) / cell, dpi, 96));
        return (profile.height < 0 ? -cells : cells) * cell;
    }
    return scaledRounded(profile.height, dpi, 96);
}

}  // namespace vantry
