#include "shell/nfo01.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "documents/document_file.h"
#include "base/paths.h"
#include "shell/portable/edit_commands.h"
#include "shell/encoding_list.h"
#include "shell/resource.h"
#include "win/dpi.h"
#include "win/error.h"
#include "win/error_report.h"
#include "win/monitor.h"
#include "win/system_ui.h"

namespace vantry {
namespace {

constexpr wchar_t kOpenFilter[] =
    L"All text files (*.nfo, *.diz, *.txt)\0*.nfo; *.diz; *.txt\0"
    L"Info files (*.nfo, *.diz)\0*.nfo; *.diz\0"
    L"Text files (*.txt)\0*.txt\0"
    L"All files (*.*)\0*.*\0";
constexpr int kObsoleteNumberedValues = 35;

std::int32_t integerOf(const std::wstring& text) { return parseSettingInteger(text).value_or(0); }

// Where a minimized window goes back to, in screen coordinates.
RECT restoredBounds(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT bounds = placement.rcNormalPosition;
    // The normal position is kept in work-area coordinates.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        OffsetRect(&bounds, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return bounds;
}

// An older layout stored settings under the names "0" to "34"; "5" marks it.
void removeObsoleteNumberedValues(SettingsStore& store) {
    if (!store.registryValueExists(store.keyPath(), L"5", HKEY_CURRENT_USER)) return;
    for (int number = 0; number < kObsoleteNumberedValues; ++number) {
        store.deleteRegistryValue(store.keyPath(), std::to_wstring(number), HKEY_CURRENT_USER);
    }
}

}  // namespace

Tnfonote::Tnfonote(MainWindowSetup setup)
    : setup_(std::move(setup)), store_(setup_.settingsKeyPath, [this](const std::wstring& message) {
          showMessage(message, MB_OK | MB_ICONERROR);
      }) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    create({L"Vantry.Main", LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTRY)),
            LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAIN_MENU))},
           WS_EX_ACCEPTFILES, L"Vantry", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, {28, 5, 28 + 836, 5 + 702}, nullptr);
    setApplicationTitle(L"Vantry");  // the title follows the caption
    Memo1.create(handle(), IDC_MEMO1, false);
    Memo1.setMessageHook(memoHook, this);
    dpi_ = windowDpi(handle());
    StatusBar1.create(handle(), IDC_STATUSBAR1, dpi_);

    address_.createTooltip(handle());
    DragAcceptFiles(handle(), TRUE);
    removeObsoleteNumberedValues(store_);
    programPath_ = setup_.programPath;
    programDir_ = directoryOf(programPath_);
    fontFiles_.emplace(programDir_);
    loadSettings();
    recentFiles_.attach(GetSubMenu(GetMenu(handle()), 0), IDM_FILE_INFORMATION, IDM_RECENT_FILE_FIRST);
    refreshRecentMenu();
    if (setup_.commandLineFile) loadDocument(*setup_.commandLineFile, L"");
    updateStatusBar();
}

Tnfonote::~Tnfonote() {
    tools_ = {};  // the windows it owns go first
    Memo1.destroy();
    destroy();
    FormDestroy();
}

void Tnfonote::show() {
    ShowWindow(handle(), startMaximized_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(handle());
    SetFocus(Memo1.handle());
}

// One bad stored number must not make the program unusable: it is reported, and the
// default takes its place, in the registry too.
std::wstring Tnfonote::readSetting(int number) {
    std::wstring text = store_.readSetting(number);
    if (isIntegerSetting(number) && !parseSettingInteger(text)) {
        showStandardErrorReport(invalidIntegerMessage(number, text));
        text = settingDefault(number);
        store_.writeSetting(number, text);
    }
    if (std::wstring* field = settings_.field(number)) *field = text;
    return text;
}

void Tnfonote::loadSettings() {
    const SettingsStore::HeldOpen held(store_);
    for (int number : settingsReadBeforeFont()) readSetting(number);

    look_.setStoredColors(settings_.bgColor, settings_.textColor);
    applyFontSelection();
    setSaveFilterOrder();

    // Nothing stored yet: the designed size, at this screen's scale.
    const bool sizeStored =
        store_.registryValueExists(store_.keyPath(), settingName(kWindowWidth), HKEY_CURRENT_USER) &&
        store_.registryValueExists(store_.keyPath(), settingName(kWindowHeight), HKEY_CURRENT_USER);
    std::int32_t placement[4] = {};
    for (int number : settingsReadAfterFont()) {
        const std::wstring text = readSetting(number);
        if (number >= kWindowPosY && number <= kWindowHeight) placement[number - kWindowPosY] = integerOf(text);
        if (number == kWindowIsMaximized) startMaximized_ = isOn(number, text);
    }

    applyStoredSwitches();
    const auto [top, left, width, height] = placement;
    SetWindowPos(handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!sizeStored) showFirstStartSize();
    layoutControls();
}

// The size of a first start is in pixels at 96 dots per inch, made for the screen (so
// as many columns fit at 150 % as at 100 %) and kept inside the work area; it is
// stored at once, as a size the user chose would be.
void Tnfonote::showFirstStartSize() {
    RECT bounds{};
    GetWindowRect(handle(), &bounds);
    const int width = scaledForDpi(bounds.right - bounds.left, dpi_);
    const int height = scaledForDpi(bounds.bottom - bounds.top, dpi_);
    SetWindowPos(handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    keepInsideWorkArea(handle(), handle(), true);
    GetWindowRect(handle(), &bounds);
    storePlacement(bounds);
}

void Tnfonote::storePlacement(const RECT& bounds) {
    store_.writeSetting(kWindowPosY, formatSettingInteger(bounds.top));
    store_.writeSetting(kWindowPosX, formatSettingInteger(bounds.left));
    store_.writeSetting(kWindowWidth, formatSettingInteger(bounds.right - bounds.left));
    store_.writeSetting(kWindowHeight, formatSettingInteger(bounds.bottom - bounds.top));
}

// Moved to a monitor of another DPI: the suggested frame, the font at the new size, the
// status bar laid out anew.
void Tnfonote::changeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    StatusBar1.setPanels(dpi_);
    look_.setDpi(dpi_);
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutControls();
}

bool Tnfonote::isWindowTopmost() const { return (GetWindowLongPtrW(handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// A minimized window is not laid out: a text control of no size would break every
// wrapped line, and break them all again on restore.
void Tnfonote::layoutControls() {
    if (IsIconic(handle())) return;
    RECT client{};
    GetClientRect(handle(), &client);
    const int statusHeight = StatusBar1.layout(client, dpi_);
    MoveWindow(Memo1.handle(), 0, 0, client.right, client.bottom - statusHeight, TRUE);
}

// --- documents -----------------------------------------------------------------------

// An encoding chosen in the Open dialog reads the file this once; the recent list keeps
// what Reopen with encoding and Save As chose.
bool Tnfonote::loadDocument(const std::wstring& path, std::wstring_view encodingEntry) {
    return openDocument(path, encodingFromName(encodingEntry), std::nullopt);
}

bool Tnfonote::openDocument(const std::wstring& path, TextEncoding chosen, std::optional<TextEncoding> remember) {
    try {
        if (chosen == TextEncoding::None && !remember) chosen = recentFiles_.encodingOf(path);
        DecodedDocument decoded = readDocumentFile(path, chosen);
        showNewDocument(path, decoded);
        referenceText_ = std::move(decoded.text);
        updateCaption();
        recentFiles_.add(document_.fileName, remember);
        setSaveFilterOrder();
        return true;
    } catch (const Error& error) {
        showStandardErrorReport(error.message());
    } catch (...) {
        showMessage(L"Could not open file.", MB_OK | MB_ICONERROR);
    }
    return false;
}

// The font follows the new file and is set while the control is empty: a new font on a
// large text makes the control lay all of it out again. If the control cannot take the
// text, the previous document comes back as it was, unsaved edits included.
void Tnfonote::showNewDocument(const std::wstring& path, DecodedDocument& decoded) {
    const bool edited = isModified();
    const std::wstring editedText = edited ? Memo1.text() : std::wstring();
    DocumentState previous = document_;
    document_.fileName = path;
    document_.leadingBytes = std::move(decoded.lead);
    document_.trailingBytes = std::move(decoded.trail);
    document_.readExactly = decoded.exact;
    setDocumentEncoding(decoded.encoding);  // before the font: it decides which NFO face draws the text
    Memo1.clear();
    applyFontSelection();
    try {
        Memo1.setText(decoded.text);
    } catch (const Error&) {
        document_ = std::move(previous);
        setDocumentEncoding(document_.documentEncoding);
        applyFontSelection();
        try {
            Memo1.setText(edited ? editedText : referenceText_);
        } catch (const Error&) {
            // the first failure is the one to report
        }
        throw;
    }
}

void Tnfonote::dropFiles(HDROP drop) {
    const UniqueDrop finish(drop);
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return;
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    DragQueryFileW(drop, 0, name.data(), length + 1);
    name.resize(length);
    std::wstring path = name;
    if (hasExtension(name, L"lnk")) resolveShortcut(name, path);
    if (askToSaveChanges()) loadDocument(path, L"");
}

bool Tnfonote::isModified() const {
    if (static_cast<size_t>(Memo1.textLength()) != referenceText_.size()) return true;
    return Memo1.text() != referenceText_;
}

// --- commands ------------------------------------------------------------------------

void Tnfonote::New1Click() {
    if (!askToSaveChanges()) return;
    document_ = DocumentState{};  // no file, nothing before or after the text
    setDocumentEncoding(TextEncoding::None);
    Memo1.clear();
    referenceText_.clear();
    updateCaption();
    applyFontSelection();
}

void Tnfonote::NewWindow1Click() { systemUi().shellOpen(programPath_); }

void Tnfonote::Open1Click() {
    if (!askToSaveChanges()) return;
    FileDialogRequest request;
    request.owner = handle();
    request.filter.assign(kOpenFilter, std::size(kOpenFilter) - 1);
    request.filterIndex = openFilterIndex_;
    request.defaultExtension = L"nfo";
    request.listUnder = encodingListUnderDialog();
    request.encodingIndex = openEncodingIndex_;
    const std::optional<FileDialogAnswer> answer = systemUi().fileDialog(request);
    if (isEncodingListIndex(request.encodingIndex)) openEncodingIndex_ = request.encodingIndex;
    if (!answer) return;
    openFilterIndex_ = answer->filterIndex;
    const bool listed = isEncodingListIndex(answer->encodingIndex);
    loadDocument(answer->path, listed ? kEncodingListEntries[static_cast<size_t>(answer->encodingIndex)] : L"");
}

void Tnfonote::Quit1Click() { SendMessageW(handle(), WM_CLOSE, 0, 0); }

bool Tnfonote::FormCloseQuery() { return askToSaveChanges(); }

// The placement is the only setting written at close; a maximized window keeps the
// normal place stored earlier so that it comes back there.
void Tnfonote::FormClose() {
    const bool maximized = IsZoomed(handle()) != FALSE;
    store_.writeSetting(kWindowIsMaximized, switchText(maximized));
    if (maximized) return;
    RECT bounds{};
    if (IsIconic(handle())) {
        bounds = restoredBounds(handle());
    } else {
        GetWindowRect(handle(), &bounds);
    }
    storePlacement(bounds);
}

// --- fonts ---------------------------------------------------------------------------

ExtensionKind Tnfonote::extensionKind() const { return vantry::extensionKind(document_.fileName); }

void Tnfonote::applyFontSelection() {
    std::optional<bool> useNfo = usesNfoProfile(settings_.fontSelection, extensionKind());
    if (!useNfo) {
        settings_.fontSelection = settingDefault(kFontSelection);
        store_.writeSetting(kFontSelection, settings_.fontSelection);
        useNfo = true;
    }
    applyFontProfile(*useNfo);
}

void Tnfonote::applyFontProfile(bool useNfo) {
    document_.isNfoFont = useNfo;
    setTextFont(useNfo ? settings_.nfoProfile() : settings_.textProfile());
}

bool Tnfonote::textInAnsiCodePage() const { return drawnAsAnsiArt(document_.documentEncoding, ansiCodePage()); }

// Text read with the ANSI code page 1252 holds art at the characters 1252 gives its
// bytes, which the built-in faces' 1252 companions draw as art; any other reading is
// real Unicode, which the faces draw as it is.
void Tnfonote::setTextFont(const FontProfile& profile) {
    FontProfile shown = profile;
    if (textInAnsiCodePage()) shown.face = faceForAnsiText(shown.face);
    look_.setFont(shown, dpi_);
}

}  // namespace vantry
