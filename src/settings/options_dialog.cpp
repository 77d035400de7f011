#include "settings/options_dialog.h"

#include <utility>

#include "settings/portable/association_rules.h"
#include "settings/display_font.h"
#include "settings/portable/options_rules.h"
#include "settings/portable/options_resources.h"
#include "win/system_ui.h"

namespace vantry {
namespace {

constexpr int kTooltipDelayMs = 600;  // while the dialog is open
constexpr int kRadioItems = 4;

// A radio group's items, spread down its frame.
void addRadioItems(std::vector<ControlPlace>& places, int firstItem, RECT group) {
    for (int item = 0; item < kRadioItems; ++item) {
        const int top = group.top + 15 + item * 18;
        places.push_back({firstItem + item, {group.left + 6, top, group.right - 2, top + 17}});
    }
}

std::vector<ControlPlace> optionsLayout() {
    std::vector<ControlPlace> places = {
        {IDC_GROUP_COLORS, {8, 8, 217, 85}},
        {IDC_COLOR, {33, 26, 111, 48}},
        {IDC_SHAPE_BACKGROUND, {122, 29, 190, 45}},
        {IDC_COLOR2, {33, 54, 111, 76}},
        {IDC_SHAPE_TEXT, {122, 57, 190, 73}},
        {IDC_RADIO1, {8, 91, 217, 181}},
        {IDC_GROUP_ASSOCIATE, {223, 8, 432, 181}},
        {IDC_BTN_NFO, {232, 34, 289, 56}},
        {IDC_BTN_DIZ, {295, 34, 352, 56}},
        {IDC_BTN_TXT2, {358, 34, 415, 56}},
        {IDC_LABEL1, {232, 69, 420, 82}},
        {IDC_EDIT1, {232, 84, 362, 105}},
        {IDC_BTN_ADD, {368, 84, 415, 106}},
        {IDC_CHECK_ALL, {232, 119, 413, 147}},
        {IDC_GROUP_FONTS, {8, 187, 432, 266}},
        // The font labels grow with their description, up to the buttons.
        {IDC_LABEL_NFO_FONT, {16, 208, 264, 221}},
        {IDC_BTN_CHANGE_NFO_FONT, {269, 205, 334, 227}},
        {IDC_BTN_DEFAULT_NFO, {340, 205, 415, 227}},
        {IDC_LABEL_TEXT_FONT, {16, 236, 264, 249}},
        {IDC_BTN_CHANGE_NEXT_FONT, {269, 233, 334, 255}},
        {IDC_BTN_DEFAULT_TXT, {340, 233, 415, 255}},
        {IDC_RADIO_URL, {8, 272, 217, 362}},
        {IDC_RADIO_EMAIL, {223, 272, 432, 362}},
        {IDC_GROUP_MISC, {8, 368, 432, 458}},
        {IDC_ESC_CHECKBOX, {16, 386, 169, 403}},
        {IDC_SAVE_CHECKBOX, {16, 408, 201, 425}},
        {IDC_COPY_ON_SELECT, {16, 431, 214, 448}},
        {IDC_LABEL2, {232, 386, 312, 399}},
        // A drop-down list's window reaches over its open list.
        {IDC_RECENT_FILES_COMBO, {313, 383, 354, 383 + 300}},
        {IDC_CLEAR_RECENT_LIST, {363, 383, 410, 405}},
        {IDC_FULL_PATH_CHECKBOX, {236, 411, 421, 428}},
        {IDOK, {115, 464, 217, 486}},
        {IDCANCEL, {223, 464, 325, 486}},
    };
    addRadioItems(places, IDC_RADIO1_ITEM0, {8, 91, 217, 181});
    addRadioItems(places, IDC_RADIO_URL_ITEM0, {8, 272, 217, 362});
    addRadioItems(places, IDC_RADIO_EMAIL_ITEM0, {223, 272, 432, 362});
    return places;
}

struct Tooltip {
    int id;
    const wchar_t* text;
};

constexpr wchar_t kRadio1Tip[] =
    L"Select how Vantry should choose which font to use, will also affect suggested extension upon save";
constexpr wchar_t kUrlTip[] = L"Select how to handle URLs in the text";
constexpr wchar_t kEmailTip[] = L"Select how to handle e-mail addresses in the text";

constexpr Tooltip kTooltips[] = {
    {IDC_COLOR, L"Click to change background color"},
    {IDC_COLOR2, L"Click to change text color"},
    {IDC_BTN_NFO, L"Click to associate all *.nfo-files with Vantry"},
    {IDC_BTN_DIZ, L"Click to associate all *.diz-files with Vantry"},
    {IDC_BTN_TXT2, L"Click to associate all *.txt-files with Vantry"},
    {IDC_EDIT1, L"Type the filetype you want to associate"},
    {IDC_BTN_ADD, L"Click to associate filetype typed in to the left with Vantry"},
    {IDC_CHECK_ALL,
     L"Allows you to right click on any filetype in Windows and choose \"View with Vantry\" "
     L"to instantly view the file in Vantry."},
    {IDC_BTN_CHANGE_NFO_FONT, L"Click to set a new font for NFO files (built in fonts: ASCII, ASCII EGA, ASCII VGA)"},
    {IDC_BTN_DEFAULT_NFO, L"Click to use Vantry default font for NFO files"},
    {IDC_BTN_CHANGE_NEXT_FONT, L"Click to set a new font for text files"},
    {IDC_BTN_DEFAULT_TXT, L"Click to use Vantry default font for text files"},
    {IDC_ESC_CHECKBOX, L"If checked, the program can be shut down by pressing ESC"},
    {IDC_SAVE_CHECKBOX, L"Whether the program should ask to save unsaved changes to a text when closing it"},
    {IDC_COPY_ON_SELECT,
     L"When selecting with the mouse the text will automatically be copied to the clipboard on mouse up"},
    {IDC_RECENT_FILES_COMBO, L"Select how many recently opened files that should be displayed under the File menu."},
    {IDC_CLEAR_RECENT_LIST, L"Clears the list of recent opened files"},
    {IDC_FULL_PATH_CHECKBOX,
     L"When checked the list of recent files under the File menu will be displayd with their full path"},
};

// The chooser's font: face, size and style; the height follows from the size.
LOGFONTW chooserLogFont(const FontProfile& font) {
    FontProfile sized = font;
    sized.height = heightForPointSize(font.size, screenDotsPerInch());
    return logFontOf(sized);
}

}  // namespace

TOptions::TOptions(HWND parent, OptionsOwner& owner)
    : owner_(owner), associations_(owner_.store(), owner_.programPath()) {
    create(IDD_OPTIONS, L"Vantry.Options", parent);
    setLayout({440, 494}, optionsLayout());
    setupControls();
}

void TOptions::setupControls() {
    const HWND combo = item(IDC_RECENT_FILES_COMBO);
    for (int count = 0; count < kRecentFileCountItems; ++count) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(count).c_str()));
    }
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaled(22) - 6);  // the field, 22 high
    tooltips_.attach(handle());
    tooltips_.setDelay(kTooltipDelayMs);
    for (const Tooltip& tip : kTooltips) tooltips_.add(item(tip.id), tip.text);
    // A group's frame takes no pointer, so its items carry the group's tooltip.
    for (int index = 0; index < kRadioItems; ++index) {
        tooltips_.add(item(IDC_RADIO1_ITEM0 + index), kRadio1Tip);
        tooltips_.add(item(IDC_RADIO_URL_ITEM0 + index), kUrlTip);
        tooltips_.add(item(IDC_RADIO_EMAIL_ITEM0 + index), kEmailTip);
    }
}

void TOptions::showOptions() {
    showModal();
    FormClose();
}

void TOptions::onShowing() {
    centerOnOwner();
    FormShow();
    SetFocus(item(IDC_COLOR));
}

void TOptions::FormShow() {
    InvalidateRect(item(IDC_SHAPE_BACKGROUND), nullptr, TRUE);
    InvalidateRect(item(IDC_SHAPE_TEXT), nullptr, TRUE);

    const Settings& settings = owner_.settings();
    nfoPreferences_ = settings.nfoProfile();
    nfoChooserFont_ = nfoPreferences_;
    textPreferences_ = settings.textProfile();
    textChooserFont_ = textPreferences_;
    showFontLabels();

    for (const OptionsField& field : optionsFields()) {
        showState(field, controlStateOf(field, *settings.field(field.setting)));
    }
    previewFontSelection();

    SetDlgItemTextW(handle(), IDC_EDIT1, L"");
    // An entry that is there while the box was clear is written again, with this
    // program's path.
    const bool present = associations_.contextEntryPresent();
    if (present && !checked(IDC_CHECK_ALL)) {
        setChecked(IDC_CHECK_ALL, true);
        contextEntryMarker_ = 0;
        checkAllClick();
    } else {
        setChecked(IDC_CHECK_ALL, present);
    }
    contextEntryMarker_ = present ? 1 : 0;
}

// Whatever closed the dialog, the document shows the stored colours and font again.
void TOptions::FormClose() { owner_.showStoredDisplay(); }

void TOptions::onCommand(int id, int code, HWND) {
    if (id >= IDC_RADIO1_ITEM0 && id < IDC_RADIO1_ITEM0 + kRadioItems) {
        if (code == BN_CLICKED) radio1Click();
        return;
    }
    if (code != BN_CLICKED && code != STN_CLICKED) return;
    switch (id) {
        case IDC_COLOR:
        case IDC_SHAPE_BACKGROUND: colorClick(); break;
        case IDC_COLOR2:
        case IDC_SHAPE_TEXT: color2Click(); break;
        case IDC_BTN_CHANGE_NFO_FONT: btnChangeNfoFontClick(); break;
        case IDC_BTN_CHANGE_NEXT_FONT: btnChangeTextFontClick(); break;
        case IDC_BTN_DEFAULT_NFO: btnDefaultNfoClick(); break;
        case IDC_BTN_DEFAULT_TXT: btnDefaultTxtClick(); break;
        case IDC_BTN_NFO: btnNfoClick(); break;
        case IDC_BTN_DIZ: btnDizClick(); break;
        case IDC_BTN_TXT2: btnTxt2Click(); break;
        case IDC_BTN_ADD: btnAddClick(); break;
        case IDC_CHECK_ALL: checkAllClick(); break;
        case IDC_CLEAR_RECENT_LIST: ClearRecentListButtonClick(); break;
        // Enter in the extension field adds it rather than closing the dialog.
        case IDOK: GetFocus() == item(IDC_EDIT1) ? btnAddClick() : btnOKClick(); break;
        case IDCANCEL: btnCancelClick(); break;
        default: break;
    }
}

bool TOptions::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message == WM_DRAWITEM) {
        drawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

// A swatch is its colour inside a black frame.
void TOptions::drawSwatch(const DRAWITEMSTRUCT& swatch) const {
    const GdiObject<HBRUSH> fill(CreateSolidBrush(colorFromSetting(colour(static_cast<int>(swatch.CtlID)))));
    FillRect(swatch.hDC, &swatch.rcItem, fill.get());
    FrameRect(swatch.hDC, &swatch.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TOptions::colorClick() { chooseColor(true); }
void TOptions::color2Click() { chooseColor(false); }

void TOptions::chooseColor(bool background) {
    const std::int32_t current = background ? owner_.storedBackgroundColor() : owner_.storedTextColor();
    const std::optional<COLORREF> chosen = systemUi().chooseColor(handle(), colorFromSetting(current), customColors_);
    if (!chosen) return;
    const auto value = static_cast<std::int32_t>(*chosen);
    if (background) {
        owner_.setMemoColors(value, owner_.storedTextColor());
    } else {
        owner_.setMemoColors(owner_.storedBackgroundColor(), value);
    }
    InvalidateRect(item(background ? IDC_SHAPE_BACKGROUND : IDC_SHAPE_TEXT), nullptr, TRUE);
}

void TOptions::showFontLabels() {
    SetDlgItemTextW(handle(), IDC_LABEL_NFO_FONT,
                    (std::wstring(kNfoFontLabel) + describeFont(nfoPreferences_)).c_str());
    SetDlgItemTextW(handle(), IDC_LABEL_TEXT_FONT,
                    (std::wstring(kTextFontLabel) + describeFont(textPreferences_)).c_str());
}

void TOptions::chooseFont(FontProfile& preferences, FontProfile& chooserFont) {
    const std::optional<ChosenFont> chosen = systemUi().chooseFont(handle(), chooserLogFont(chooserFont));
    if (!chosen) return;
    // Heights are kept as pixels at 96 dots per inch; the chooser works in the screen's.
    useFont(preferences, chooserFont,
            {chosen->font.lfFaceName,
             chosen->pointSize,
             MulDiv(chosen->font.lfHeight, 96, screenDotsPerInch()),
             {chosen->font.lfWeight >= FW_BOLD, chosen->font.lfItalic != 0}});
}

void TOptions::btnChangeNfoFontClick() { chooseFont(nfoPreferences_, nfoChooserFont_); }
void TOptions::btnChangeTextFontClick() { chooseFont(textPreferences_, textChooserFont_); }

void TOptions::btnDefaultNfoClick() { useFont(nfoPreferences_, nfoChooserFont_, defaultNfoProfile()); }
void TOptions::btnDefaultTxtClick() { useFont(textPreferences_, textChooserFont_, defaultTextProfile()); }

// A working profile takes `font`, the chooser starts from it, and the document shows it.
void TOptions::useFont(FontProfile& preferences, FontProfile& chooserFont, const FontProfile& font) {
    preferences = font;
    chooserFont = font;
    showFontLabels();
    previewFontSelection();
}

void TOptions::radio1Click() { previewFontSelection(); }

// The working profile the selected mode picks for this document, shown on it; nothing
// is stored.
void TOptions::previewFontSelection() {
    const int item = selectedRadio(IDC_RADIO1_ITEM0);
    const bool useNfo = usesNfoProfile(fontSelectionKeyword(item), owner_.extensionKind()).value_or(true);
    owner_.setTextFont(useNfo ? nfoPreferences_ : textPreferences_);
}

void TOptions::btnNfoClick() { associations_.associateExtension(L"nfo"); }
void TOptions::btnDizClick() { associations_.associateExtension(L"diz"); }
void TOptions::btnTxt2Click() { associations_.associateExtension(L"txt"); }

void TOptions::btnAddClick() {
    const CustomExtension typed = customExtension(itemText(IDC_EDIT1));
    if (typed.refusal) {
        systemUi().messageBox(handle(), *typed.refusal, L"Vantry", MB_OK);
        return;
    }
    if (systemUi().messageBox(handle(), associationQuestion(typed.extension), L"Confirmation",
                              MB_OKCANCEL | MB_ICONINFORMATION) == IDOK) {
        associations_.associateExtension(typed.extension);
    }
}

void TOptions::checkAllClick() {
    if (contextEntryMarker_ == 1) {
        associations_.removeContextEntry();
        contextEntryMarker_ = 0;
    } else {
        contextEntryMarker_ = 1;
        associations_.addContextEntry();
    }
}

void TOptions::ClearRecentListButtonClick() { owner_.clearRecentFiles(); }

void TOptions::btnOKClick() {
    const SettingsStore::HeldOpen held(owner_.store());
    for (const auto& [number, text] : optionsToStore(*this)) {
        *owner_.settings().field(number) = text;
        owner_.store().writeSetting(number, text);
        if (number == kFontSelection) owner_.setSaveFilterOrder();
        if (number == kRecentFileFullPath) owner_.refreshRecentMenu();
    }
    close(IDOK);
}

void TOptions::btnCancelClick() { close(IDCANCEL); }

void TOptions::showState(const OptionsField& field, int state) {
    switch (field.mapping) {
        case OptionsMapping::CheckBox: setChecked(field.control, state == 1); break;
        case OptionsMapping::FontModeItems:
        case OptionsMapping::FollowItems: selectRadio(field.control, state); break;
        case OptionsMapping::CountItems:
            SendDlgItemMessageW(handle(), field.control, CB_SETCURSEL, static_cast<WPARAM>(state), 0);
            break;
        default: break;  // the swatches draw their colour, the labels describe the fonts
    }
}

int TOptions::state(const OptionsField& field) const {
    if (field.mapping == OptionsMapping::CheckBox) return checked(field.control) ? 1 : 0;
    if (field.mapping == OptionsMapping::CountItems) {
        return static_cast<int>(SendDlgItemMessageW(handle(), field.control, CB_GETCURSEL, 0, 0));
    }
    return selectedRadio(field.control);
}

std::int32_t TOptions::colour(int swatch) const {
    return swatch == IDC_SHAPE_BACKGROUND ? owner_.storedBackgroundColor() : owner_.storedTextColor();
}

// The text font is stored as its chooser holds it: the height follows from the size (as
// pixels at 96 dots per inch, as all stored heights are).
FontProfile TOptions::font(int label) const {
    if (label == IDC_LABEL_NFO_FONT) return nfoPreferences_;
    return {textChooserFont_.face, textChooserFont_.size, heightForPointSize(textChooserFont_.size, 96),
            textPreferences_.style};
}

void TOptions::setChecked(int id, bool on) {
    SendDlgItemMessageW(handle(), id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TOptions::checked(int id) const { return SendDlgItemMessageW(handle(), id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TOptions::selectRadio(int firstItem, int selected) {
    for (int index = 0; index < kRadioItems; ++index) setChecked(firstItem + index, index == selected);
}

int TOptions::selectedRadio(int firstItem) const {
    for (int index = 0; index < kRadioItems; ++index) {
        if (checked(firstItem + index)) return index;
    }
    return -1;
}

}  // namespace vantry
