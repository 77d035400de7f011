#include "tools/find_window.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "settings/display_font.h"
#include "settings/portable/settings_table.h"
#include "tools/tool_resources.h"
#include "win/monitor.h"

namespace vantry {
namespace {

// The client area's height on each tab, at 96 dots per inch; the frame around it is
// what the system draws at the window's DPI. The Replace tab is the one laid out below.
constexpr int kFindTabClientHeight = 169;
constexpr int kReplaceTabClientHeight = 195;
constexpr int kMinimumWidth = 338;
constexpr int kMatchGap = 8;  // between a match and the window moved out of its way
constexpr int kActiveTooltipDelayMs = 600;
constexpr int kTooltipDelayMs = 90;

struct Option {
    int id;
    int setting;
};
constexpr Option kOptions[] = {{IDC_MATCH_CASE, kSearchMatchCase},
                               {IDC_LOOP_SEARCH, kSearchLooped},
                               {IDC_START_FROM_TOP, kSearchFromTop},
                               {IDC_CLOSE_ON_SEARCH, kCloseOnSearch}};

}  // namespace

TMyFind::TMyFind(HWND owner, FindWindowOwner& host) : host_(host) {
    create(IDD_FIND, L"Vantry.Find", owner);
    EnableThemeDialogTexture(handle(), ETDT_ENABLETAB);  // the controls stand on the tab's face
    const HWND tabs = item(IDC_FIND_TABS);
    TCITEMW tabItem{};
    tabItem.mask = TCIF_TEXT;
    tabItem.pszText = const_cast<wchar_t*>(L"Find");
    SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tabItem));
    tabItem.pszText = const_cast<wchar_t*>(L"Replace");
    SendMessageW(tabs, TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&tabItem));
    // The boxes keep their distance to the bottom edge, so on the shorter Find tab they
    // follow the find field; "Match case" ends where the fields do, clear of the button
    // column beside it on the Replace tab.
    const ControlPlace below{IDC_MATCH_CASE, {}, false, true, true, false};
    const auto boxAt = [below](int id, int top, int right) {
        ControlPlace place = below;
        place.id = id;
        place.at96 = {11, top, right, top + 17};
        return place;
    };
    setLayout({330, kReplaceTabClientHeight}, {
                                                  {IDC_FIND_TABS, {3, 2, 327, 176}, true, true},
                                                  {IDC_FIND_TEXT, {11, 31, 234, 54}, true},
                                                  {IDC_FIND_BUTTON, {240, 31, 311, 54}, true, false, false},
                                                  {IDC_REPLACE_TEXT, {11, 60, 234, 83}, true},
                                                  {IDC_REPLACE_BUTTON, {240, 60, 311, 83}, true, false, false},
                                                  {IDC_REPLACE_ALL_BUTTON, {240, 89, 311, 112}, true, false, false},
                                                  boxAt(IDC_MATCH_CASE, 95, 234),
                                                  boxAt(IDC_LOOP_SEARCH, 114, 320),
                                                  boxAt(IDC_START_FROM_TOP, 133, 320),
                                                  boxAt(IDC_CLOSE_ON_SEARCH, 152, 320),
                                                  {IDC_NOT_FOUND_LABEL, {8, 179, 240, 193}, false, true, true, false},
                                              });
    LOGFONTW bold{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle(), WM_GETFONT, 0, 0)), sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    labelFont_.reset(CreateFontIndirectW(&bold));
    SendDlgItemMessageW(handle(), IDC_NOT_FOUND_LABEL, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
    setKeys(IDR_FIND_KEYS);
    nfoFieldFont_ = createDisplayFont({L"ASCII VGA", 12, -16, {}}, dpi());
    ansiNfoFieldFont_ = createDisplayFont({faceForAnsiText(L"ASCII VGA"), 12, -16, {}}, dpi());
    textFieldFont_ = createDisplayFont({L"Ms Sans Serif", 8, -11, {}}, dpi());

    tooltips_.attach(handle());
    const std::pair<int, const wchar_t*> tips[] = {
        {IDC_FIND_TEXT, L"Type the text you want to find here"},
        {IDC_FIND_BUTTON, L"Click to search or press enter"},
        {IDC_REPLACE_TEXT, L"Type the text you want to replace with here"},
        {IDC_REPLACE_BUTTON, L"Click to find and replace the match with the text typed to the left"},
        {IDC_REPLACE_ALL_BUTTON,
         L"Replace all instances in the text with the text typed to the left of the Replace button"},
        {IDC_MATCH_CASE, L"Only finds the text if the casing matches"},
        {IDC_LOOP_SEARCH, L"Will continue searching from the top of the text when the bottom is reached"},
        {IDC_START_FROM_TOP, L"Always starts searching from the top for a new word"},
        {IDC_CLOSE_ON_SEARCH, L"Will close the dialog if a match is found (use F3 to find next match)"},
    };
    for (const auto& [id, text] : tips) tooltips_.add(item(id), text);
    // The fields' names, shown in them while they are empty.
    SendDlgItemMessageW(handle(), IDC_FIND_TEXT, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Find what"));
    SendDlgItemMessageW(handle(), IDC_REPLACE_TEXT, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Replace with"));
    setTab(kFindTab);
}

void TMyFind::showFind(const std::wstring& text, int tab) {
    setTab(tab);
    if (!text.empty()) SetDlgItemTextW(handle(), IDC_FIND_TEXT, text.c_str());
    lastSearch_.clear();
    showModeless();
    keepOnScreen();
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    FormActivate();
}

void TMyFind::findNext() {
    if (itemText(IDC_FIND_TEXT).empty()) return showFind(L"", kFindTab);
    runSearch(true);
}

bool TMyFind::runSearch(bool showNotFound) {
    const bool found =
        searchText(showNotFound, checked(IDC_MATCH_CASE), checked(IDC_LOOP_SEARCH), checked(IDC_START_FROM_TOP));
    if (found) {
        host_.selectionMoved();
        if (isShowing()) moveClearOfMatch();
    }
    return found;
}

// Out of the way of the selected match, as far as the screen allows.
void TMyFind::moveClearOfMatch() {
    const EditControl& memo = host_.memo();
    const EditSelection selected = memo.selection();
    if (selected.start == selected.end) return;
    const auto screenPoint = [&memo](DWORD index) {
        const auto at = static_cast<DWORD>(SendMessageW(memo.handle(), EM_POSFROMCHAR, index, 0));
        POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        ClientToScreen(memo.handle(), &point);
        return point;
    };
    const POINT first = screenPoint(selected.start), last = screenPoint(selected.end - 1);
    const int line = memo.fontHeight();  // also more than the last character's width
    const ScreenBox match{std::min(first.x, last.x), std::min(first.y, last.y), std::max(first.x, last.x) + line,
                          std::max(first.y, last.y) + line};
    const ScreenBox now = windowBox(handle());
    const ScreenBox placed = clearOf(now, match, workAreaOf(handle()), scaled(kMatchGap));
    if (placed == now) return;
    SetWindowPos(handle(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The document is read once per search and searched where it lies; a search starts
// right after the selection (or caret), so overlapping occurrences are not found.
bool TMyFind::searchText(bool showNotFound, bool matchCase, bool loop, bool fromTop) {
    ShowWindow(item(IDC_NOT_FOUND_LABEL), SW_HIDE);
    EditControl& memo = host_.memo();
    const std::wstring search = itemText(IDC_FIND_TEXT);
    size_t start = memo.selection().end;
    if (fromTop && search != lastSearch_) {
        start = 0;
        lastSearch_ = search;
    }
    const std::wstring text = memo.text();
    std::optional<size_t> found = findInText(text, search, start, matchCase, lowerCase());
    if (!found && loop) found = findInText(text, search, 0, matchCase, lowerCase());
    if (found) {
        memo.selectAndShow({static_cast<DWORD>(*found), static_cast<DWORD>(*found + search.size())});
        return true;
    }
    if (showNotFound) {
        ShowWindow(handle(), SW_HIDE);
        host_.informNotFound(textNotFoundMessage(search));
        lastSearch_.clear();
    } else {
        ShowWindow(item(IDC_NOT_FOUND_LABEL), SW_SHOWNA);
    }
    return false;
}

void TMyFind::setTab(int tab) {
    tab_ = tab;
    const int show = tab == kReplaceTab ? SW_SHOWNA : SW_HIDE;
    for (int id : {IDC_REPLACE_TEXT, IDC_REPLACE_BUTTON, IDC_REPLACE_ALL_BUTTON}) ShowWindow(item(id), show);
    SendDlgItemMessageW(handle(), IDC_FIND_TABS, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    EnableWindow(item(IDC_CLOSE_ON_SEARCH), tab == kFindTab);
    RECT bounds{};
    GetWindowRect(handle(), &bounds);
    SetWindowPos(handle(), nullptr, 0, 0, bounds.right - bounds.left, windowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (isShowing()) keepOnScreen();  // the taller tab stays on the screen too
}

// The height the tab's client area needs, with the frame this window has at its DPI.
int TMyFind::windowHeight() const {
    RECT frame{0, 0, 0, scaled(tab_ == kReplaceTab ? kReplaceTabClientHeight : kFindTabClientHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_EXSTYLE)));
    return frame.bottom - frame.top;
}

bool TMyFind::notFoundLabelShown() const { return IsWindowVisible(item(IDC_NOT_FOUND_LABEL)) != FALSE; }

void TMyFind::findButtonClick() {
    const bool found = runSearch(false);
    if (found && IsWindowEnabled(item(IDC_CLOSE_ON_SEARCH)) && checked(IDC_CLOSE_ON_SEARCH)) FormClose();
}

bool TMyFind::readOnlyRefused() {
    if (!host_.memo().readOnly()) return false;
    host_.showMessageWindow(handle(), kChangesNotAllowedMessage);
    return true;
}

// The first press on a fresh search only finds; each further press replaces the
// selected match and finds the next.
void TMyFind::replaceButtonClick() {
    if (readOnlyRefused()) return;
    EditControl& memo = host_.memo();
    const std::wstring search = itemText(IDC_FIND_TEXT);
    if (search.empty()) return;  // an empty search matches nothing, not the empty selection
    if (sameText(firstLineOf(memo.selectedText()), search, checked(IDC_MATCH_CASE), lowerCase())) {
        memo.replaceSelection(itemText(IDC_REPLACE_TEXT));
        host_.selectionMoved();
    }
    runSearch(false);
}

// One pass over the text, which the control then takes whole, as one step to undo.
void TMyFind::replaceAllButtonClick() {
    if (readOnlyRefused()) return;
    EditControl& memo = host_.memo();
    const std::wstring search = itemText(IDC_FIND_TEXT);
    const std::wstring replacement = itemText(IDC_REPLACE_TEXT);
    lastSearch_ = search;
    ReplaceAllPlan plan = planReplaceAll(memo.text(), search, replacement, checked(IDC_MATCH_CASE), lowerCase());
    if (plan.lastReplacement) {
        const auto start = static_cast<DWORD>(*plan.lastReplacement);
        memo.replaceAllText(plan.text, {start, start + static_cast<DWORD>(replacement.size())});
        plan.text.clear();
        host_.selectionMoved();
    }
    ShowWindow(item(IDC_NOT_FOUND_LABEL), plan.capped ? SW_HIDE : SW_SHOWNA);
    host_.showMessageWindow(handle(), replaceAllReport(plan));
}

bool TMyFind::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                tooltips_.setDelay(kTooltipDelayMs);
            } else {
                FormActivate();
            }
            return false;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            const int height = windowHeight();
            limits->ptMinTrackSize = {scaled(kMinimumWidth), height};
            limits->ptMaxTrackSize.y = height;
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
            if (notice->idFrom == IDC_FIND_TABS && notice->code == TCN_SELCHANGE) {
                setTab(static_cast<int>(SendDlgItemMessageW(handle(), IDC_FIND_TABS, TCM_GETCURSEL, 0, 0)));
            }
            return false;
        }
        default: return false;
    }
}

void TMyFind::onCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_FIND_BUTTON: findButtonClick(); break;
        case IDC_REPLACE_BUTTON: replaceButtonClick(); break;
        case IDC_REPLACE_ALL_BUTTON: replaceAllButtonClick(); break;
        case IDC_FIND_TEXT:
        case IDC_REPLACE_TEXT:
            if (code == EN_CHANGE) findTextFieldChange();
            break;
        case IDC_MATCH_CASE:
        case IDC_LOOP_SEARCH:
        case IDC_START_FROM_TOP:
        case IDC_CLOSE_ON_SEARCH:
            if (code == BN_CLICKED) optionClick(id);
            break;
        case IDCANCEL: FormClose(); break;
        // The keys of the text work here too: F3 searches on, Ctrl+F and Ctrl+R switch tab.
        case IDC_FIND_NEXT_KEY: findButtonClick(); break;
        case IDC_FIND_TAB_KEY:
        case IDC_REPLACE_TAB_KEY:
            setTab(id == IDC_FIND_TAB_KEY ? kFindTab : kReplaceTab);
            if (!IsWindowVisible(GetFocus())) SetFocus(item(IDC_FIND_TEXT));
            break;
        default: break;
    }
}

// At every activation: the search text ready to be typed over, the fields in the
// document's kind of face (the companion where the document's is), the boxes as stored.
void TMyFind::FormActivate() {
    tooltips_.setDelay(kActiveTooltipDelayMs);
    SetFocus(item(IDC_FIND_TEXT));
    SendDlgItemMessageW(handle(), IDC_FIND_TEXT, EM_SETSEL, 0, -1);
    HFONT fieldFont = textFieldFont_.get();
    if (host_.isNfoFont()) fieldFont = host_.textInAnsiCodePage() ? ansiNfoFieldFont_.get() : nfoFieldFont_.get();
    for (int id : {IDC_FIND_TEXT, IDC_REPLACE_TEXT}) {
        SendDlgItemMessageW(handle(), id, WM_SETFONT, reinterpret_cast<WPARAM>(fieldFont), TRUE);
    }
    for (const Option& option : kOptions) {
        const bool on = isOn(option.setting, host_.store().readSetting(option.setting));
        SendDlgItemMessageW(handle(), option.id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void TMyFind::FormClose() {
    close();
    host_.focusMainWindow();
}

void TMyFind::findTextFieldChange() {
    lastSearch_.clear();
    ShowWindow(item(IDC_NOT_FOUND_LABEL), SW_HIDE);
}

void TMyFind::optionClick(int id) {
    for (const Option& option : kOptions) {
        if (option.id == id) host_.store().writeSetting(option.setting, switchText(checked(id)));
    }
}

bool TMyFind::checked(int id) const { return SendDlgItemMessageW(handle(), id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The system's lower case of every code unit, worked out once.
const LowerCaseTable& TMyFind::lowerCase() {
    if (lowerCase_.empty()) {
        lowerCase_.resize(65536);
        for (size_t unit = 0; unit < lowerCase_.size(); ++unit) lowerCase_[unit] = static_cast<wchar_t>(unit);
        CharLowerBuffW(lowerCase_.data() + 1, static_cast<DWORD>(lowerCase_.size() - 1));
    }
    return lowerCase_;
}

}  // namespace vantry
