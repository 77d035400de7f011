// How the text control looks: its colours as stored and its font at the window's DPI.
// The control draws with these; the Options dialog previews through them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "settings/portable/font_choice.h"
#include "win/edit_control.h"
#include "win/handles.h"

namespace vantry {

class MemoLook {
public:
    explicit MemoLook(EditControl& memo) : memo_(memo) {}

    // Stored colour values (see colorFromSetting); the control is redrawn.
    void setColors(std::int32_t background, std::int32_t text);
    // The same from the settings' texts; one that is not a number is 0.
    void setStoredColors(const std::wstring& background, const std::wstring& text);
    std::int32_t storedBackground() const { return background_; }
    std::int32_t storedText() const { return text_; }
    COLORREF background() const;
    COLORREF text() const;
    // The answer to the control's WM_CTLCOLOR message.
    LRESULT paint(HDC dc) const;

    // A font that is already shown at this DPI and zoom is kept: a new font lays out the
    // whole text.
    void setFont(const FontProfile& profile, int dpi);
    void setDpi(int dpi) { setFont(fontProfile_, dpi); }
    // The zoom asked for, in percent; the face shows the nearest it can (shownZoom).
    void setZoom(int percent);
    int shownZoom() const;
    // The profile as stored: printing uses it, whatever the zoom.
    const FontProfile& fontProfile() const { return fontProfile_; }
    HFONT font() const { return font_.get(); }

private:
    EditControl& memo_;
    GdiObject<HBRUSH> backgroundBrush_;
    std::int32_t background_ = 0;  // as stored, for the Options dialog to store back
    std::int32_t text_ = 0;
    GdiObject<HFONT> font_;
    FontProfile fontProfile_;
    int fontDpi_ = 0;
    int zoom_ = kZoomNormal;
    int fontZoom_ = kZoomNormal;
};

}  // namespace vantry
