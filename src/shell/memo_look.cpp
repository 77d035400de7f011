#include "shell/memo_look.h"

#include <utility>

#include "settings/display_font.h"
#include "settings/portable/settings_table.h"

namespace vantry {

void MemoLook::setColors(std::int32_t background, std::int32_t text) {
    background_ = background;
    text_ = text;
    backgroundBrush_.reset(CreateSolidBrush(this->background()));
    InvalidateRect(memo_.handle(), nullptr, TRUE);
}

void MemoLook::setStoredColors(const std::wstring& background, const std::wstring& text) {
    setColors(parseSettingInteger(background).value_or(0), parseSettingInteger(text).value_or(0));
}

COLORREF MemoLook::background() const { return colorFromSetting(background_); }
COLORREF MemoLook::text() const { return colorFromSetting(text_); }

LRESULT MemoLook::paint(HDC dc) const {
    SetTextColor(dc, text());
    SetBkColor(dc, background());
    return reinterpret_cast<LRESULT>(backgroundBrush_.get());
}

void MemoLook::setZoom(int percent) {
    zoom_ = percent;
    if (font_) setFont(fontProfile_, fontDpi_);
}

int MemoLook::shownZoom() const { return vantry::shownZoom(zoom_, isCellFace(fontProfile_.face)); }

void MemoLook::setFont(const FontProfile& profile, int dpi) {
    if (profile == fontProfile_ && fontDpi_ == dpi && fontZoom_ == shownZoom() && font_) return;
    fontProfile_ = profile;
    fontDpi_ = dpi;
    fontZoom_ = shownZoom();
    GdiObject<HFONT> font = createDisplayFont(profile, dpi, zoom_);
    memo_.setFont(font.get());
    font_ = std::move(font);  // the old font is deleted once the control let go of it
}

}  // namespace vantry
