#include "settings/options_dialog.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/association_rules.h"
#include "settings/options_resources.h"
#include "settings/registry_key.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

constexpr wchar_t kClasses[] = L"\\Software\\Classes";
const std::wstring kTestKeys[] = {L".zzz", L".zzy", L"..zzz", L"diz", L".diz", L".nfo", L"Vantry", L"*\\shell\\View with Vantry"};

std::wstring classesKey(const std::wstring& path) { return std::wstring(kClasses) + L"\\" + path; }

std::wstring classValue(const std::wstring& key, const std::wstring& name = L"") {
    return readValue(name, classesKey(key).c_str());
}

void removeTestClasses() {
    for (const std::wstring& key : kTestKeys) RegDeleteTreeW(HKEY_CURRENT_USER, classesKey(key).substr(1).c_str());
}

std::wstring memoFace(HWND memo) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() { removeTestClasses(); }
    ~OptionsTest() override {
        setRegistryFaultForTests(nullptr);
        removeTestClasses();
    }

    // The main window as start-up makes it from the stored settings, and its dialog.
    void start() {
        options.reset();
        window = makeMainWindow();
        OptionsHost host = window->optionsHost();
        const auto preview = host.previewFont;
        host.previewFont = [this, preview](const FontProfile& profile) {
            previewedFaces.push_back(profile.face);
            preview(profile);
        };
        options = std::make_unique<TOptions>(window->handle(), std::move(host));
    }

    // Queues what the user does; the dialog does it once it shows.
    HWND control(int id) const { return GetDlgItem(options->handle(), id); }
    void click(int id) { PostMessageW(control(id), BM_CLICK, 0, 0); }
    void press(int id) {
        PostMessageW(control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    // Typed after the opening has emptied the field.
    void type(int id, const wchar_t* text) {
        PostMessageW(control(id), EM_SETSEL, 0, -1);
        PostMessageW(control(id), WM_CHAR, VK_BACK, 0);
        for (const wchar_t* c = text; *c; ++c) PostMessageW(control(id), WM_CHAR, *c, 0);
    }
    void show(int closingId) {
        click(closingId);
        options->showOptions();
    }
    bool checked(int id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::wstring text(int id) const {
        wchar_t buffer[256] = {};
        GetWindowTextW(control(id), buffer, 256);
        return buffer;
    }

    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    std::unique_ptr<Tnfonote> window;
    std::unique_ptr<TOptions> options;
    std::vector<std::wstring> previewedFaces;
};

const std::vector<std::wstring> kOkSettings = {
    L"bgColor", L"textColor", L"fontSelection", L"asciiFontName", L"asciiFontSize", L"asciiFontHeight",
    L"asciiFontStyle", L"ansiFontName", L"ansiFontSize", L"ansiFontHeight", L"ansiFontStyle", L"urlFollow",
    L"emailFollow", L"recentFileCount", L"recentFileFullPath", L"askToSave", L"escExits", L"copyOnSelect"};

TEST_F(OptionsTest, OpeningShowsTheStoredSettingsAndOkStoresThemBack) {
    const std::map<std::wstring, std::wstring> stored = {
        {L"fontSelection", L"alwaysAnsi"}, {L"urlFollow", L"shiftClick"}, {L"emailFollow", L"doubleClick"},
        {L"recentFileCount", L"35"}, {L"recentFileFullPath", L"0"}, {L"askToSave", L"0"},
        {L"escExits", L"1"}, {L"copyOnSelect", L"1"}, {L"asciiFontStyle", L"boldItalic"}};
    for (const auto& [name, value] : stored) writeValue(name, value);
    start();
    std::map<std::wstring, std::wstring> before;
    for (const std::wstring& name : kOkSettings) {
        before[name] = readValue(name);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, name.c_str());
    }

    show(IDOK);

    EXPECT_TRUE(checked(IDC_RADIO1_ITEM0 + 1));
    EXPECT_TRUE(checked(IDC_RADIO_URL_ITEM0)) << "an unknown keyword shows as no following";
    EXPECT_TRUE(checked(IDC_RADIO_EMAIL_ITEM0 + 2));
    EXPECT_EQ(SendMessageW(control(IDC_RECENT_FILES_COMBO), CB_GETCURSEL, 0, 0), 20);
    EXPECT_FALSE(checked(IDC_FULL_PATH_CHECKBOX));
    EXPECT_FALSE(checked(IDC_SAVE_CHECKBOX));
    EXPECT_TRUE(checked(IDC_ESC_CHECKBOX));
    EXPECT_TRUE(checked(IDC_COPY_ON_SELECT));
    EXPECT_EQ(text(IDC_LABEL_NFO_FONT), L"Font for NFO files: ASCII VGA, 12, bold, italic");
    EXPECT_EQ(text(IDC_LABEL_TEXT_FONT), L"Font for text files: Courier New, 10");
    for (const std::wstring& name : kOkSettings) {
        std::wstring expected = before[name];
        if (name == L"urlFollow") expected = L"none";
        if (name == L"recentFileCount") expected = L"20";
        EXPECT_EQ(readValue(name), expected) << name;
    }
    EXPECT_EQ(window->settings().recentFileCount, L"20") << "the record follows the registry";
}

TEST_F(OptionsTest, ColoursAndFontsArePreviewedUntilCancelAndStoredByOk) {
    start();
    const COLORREF original = window->backgroundColor();
    ui.colorAnswers = {RGB(1, 2, 3), std::nullopt};
    LOGFONTW chosen{};
    chosen.lfHeight = -20;
    chosen.lfWeight = FW_BOLD;
    wcscpy_s(chosen.lfFaceName, L"ASCII EGA");
    ui.fontAnswers = {ChosenFont{chosen, 15}};
    click(IDC_RADIO1_ITEM0);  // always the NFO font, so that its change shows
    click(IDC_COLOR);
    press(IDC_SHAPE_BACKGROUND);  // the chooser now starts from the previewed colour
    click(IDC_BTN_CHANGE_NFO_FONT);
    show(IDCANCEL);

    ASSERT_EQ(ui.colorsOffered.size(), 2u);
    EXPECT_EQ(ui.colorsOffered[1], RGB(1, 2, 3));
    ASSERT_FALSE(previewedFaces.empty());
    EXPECT_EQ(previewedFaces.back(), L"ASCII EGA");
    EXPECT_EQ(ui.fontsOffered.at(0).lfFaceName, std::wstring(L"ASCII VGA")) << "the chooser starts at the profile";
    EXPECT_EQ(window->backgroundColor(), original) << "Cancel restores the colour";
    EXPECT_EQ(memoFace(window->memo().handle()), L"Courier New") << "Cancel restores the font";
    EXPECT_EQ(readValue(L"asciiFontName"), L"ASCII VGA");

    ui.colorAnswers = {RGB(1, 2, 3)};
    ui.fontAnswers = {ChosenFont{chosen, 15}};
    click(IDC_COLOR);
    click(IDC_BTN_CHANGE_NFO_FONT);
    show(IDOK);
    EXPECT_EQ(readValue(L"bgColor"), std::to_wstring(RGB(1, 2, 3)));
    EXPECT_EQ(window->backgroundColor(), RGB(1, 2, 3));
    EXPECT_EQ(readValue(L"asciiFontName"), L"ASCII EGA");
    EXPECT_EQ(readValue(L"asciiFontSize"), L"15");
    EXPECT_EQ(readValue(L"asciiFontHeight"), L"-20");
    EXPECT_EQ(readValue(L"asciiFontStyle"), L"bold");
    EXPECT_EQ(text(IDC_LABEL_NFO_FONT), L"Font for NFO files: ASCII EGA, 15, bold");

    click(IDC_BTN_DEFAULT_NFO);
    show(IDOK);
    EXPECT_EQ(readValue(L"asciiFontName"), L"ASCII VGA") << "Use default restores the built-in face";
    EXPECT_EQ(readValue(L"asciiFontHeight"), L"-16");
}

TEST_F(OptionsTest, AssociatingAnExtensionKeepsThePreviousOwnerOnce) {
    start();
    writeValue(L"", L"txtfile", classesKey(L".zzz").c_str());
    type(IDC_EDIT1, L"*.zzz");
    click(IDC_BTN_ADD);
    type(IDC_EDIT1, L".zzz");
    click(IDC_BTN_ADD);
    show(IDCANCEL);

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, L"All files with the extension \"zzz\" will be associated with Vantry.");
    EXPECT_EQ(ui.messages[0].caption, L"Confirmation");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(classValue(L".zzz"), L"Vantry") << "Cancel of the dialog does not undo it";
    EXPECT_EQ(classValue(L".zzz", L"Vantry_backup"), L"txtfile") << "the second time writes no backup of itself";
    EXPECT_EQ(classValue(L"Vantry\\Shell"), L"Open");
    EXPECT_EQ(classValue(L"Vantry\\DefaultIcon"), testProgramPath() + L",0");
    EXPECT_EQ(classValue(L"Vantry\\Shell\\Open\\Command"), L"\"" + testProgramPath() + L"\" \"%1\"");

    click(IDC_BTN_DIZ);
    type(IDC_EDIT1, L"....zzz");
    click(IDC_BTN_ADD);
    show(IDCANCEL);
    EXPECT_EQ(classValue(L".diz"), L"Vantry");
    EXPECT_EQ(classValue(L".diz", L"Vantry_backup"), L"<missing>") << "no backup of a key without a default";
    EXPECT_EQ(classValue(L"..zzz"), L"Vantry") << "the fourth dot stays part of the extension";

    // The usual owner is the machine's, which the merged view shows (Wine does not merge
    // the user's keys into it, so this key stands for the machine's alone).
    ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, L".zzy", nullptr, REG_SZ, L"machinefile", 24), ERROR_SUCCESS);
    type(IDC_EDIT1, L"zzy");
    click(IDC_BTN_ADD);
    show(IDCANCEL);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zzy");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L".zzy");
    EXPECT_EQ(classValue(L".zzy", L"Vantry_backup"), L"machinefile");
}

TEST_F(OptionsTest, TypedTextsThatNameNoExtensionAreRefusedWithAMessage) {
    start();
    struct Case { const wchar_t* typed; const wchar_t* start; };
    const Case cases[] = {{L"", L"You must type"}, {L"*..", L"You must type"}, {L"zzz\\shell", L"\"zzz\\shell\""}};
    for (const Case& c : cases) {
        ui.messages.clear();
        type(IDC_EDIT1, c.typed);
        click(IDC_BTN_ADD);
        show(IDCANCEL);
        ASSERT_EQ(ui.messages.size(), 1u) << c.typed;
        EXPECT_EQ(ui.messages[0].text.rfind(c.start, 0), 0u) << narrow(ui.messages[0].text);
        EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK));
    }
    ui.messageAnswers = {IDCANCEL};
    type(IDC_EDIT1, L"zzz");
    click(IDC_BTN_ADD);
    show(IDCANCEL);
    EXPECT_EQ(classValue(L".zzz"), L"<missing>") << "Cancel at the question associates nothing";
    EXPECT_EQ(classValue(L"zzz\\shell"), L"<missing>");
}

TEST_F(OptionsTest, TheContextEntryFollowsTheBoxAndIsRewrittenForThisProgram) {
    start();
    const std::wstring command = L"\"" + testProgramPath() + L"\" \"%1\"";
    const std::wstring commandKey = L"*\\shell\\View with Vantry\\command";
    click(IDC_CHECK_ALL);
    click(IDC_CHECK_ALL);
    click(IDC_CHECK_ALL);
    show(IDCANCEL);
    EXPECT_EQ(classValue(commandKey), command) << "on, off, on";
    click(IDC_CHECK_ALL);
    show(IDCANCEL);
    EXPECT_EQ(classValue(commandKey), L"<missing>");
    EXPECT_FALSE(checked(IDC_CHECK_ALL));

    writeValue(L"", L"C:\\Old\\Vantry.exe \"%1\"", classesKey(commandKey).c_str());
    show(IDCANCEL);
    EXPECT_TRUE(checked(IDC_CHECK_ALL));
    EXPECT_EQ(classValue(commandKey), command) << "an entry found at opening names this program";

    // A key the user may read but not change opens as absent.
    setRegistryFaultForTests([](RegistryCall call, const std::wstring& path) -> LSTATUS {
        return call == RegistryCall::Open && path.find(L"View with Vantry") != std::wstring::npos
                   ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
    });
    show(IDCANCEL);
    EXPECT_FALSE(checked(IDC_CHECK_ALL));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OptionsTest, RegistryFailuresAreReportedAndTheOtherKeysStillWritten) {
    start();
    struct Case {
        RegistryCall call;
        const wchar_t* failingKey;
        int button;
        std::vector<std::wstring> messages;
        bool commandWritten;
    };
    const std::wstring error2 = L"Internal error(2).\n\nCan't write to windows registry: ";
    const Case cases[] = {
        {RegistryCall::Create, L".nfo", IDC_BTN_NFO, {L"Internal error(5).\n\nCan't create windows registry key."}, true},
        {RegistryCall::Create, L"Classes\\", IDC_BTN_NFO,
         {L"Internal error(5).\n\nCan't create windows registry key.", error2 + L"\\Vantry\\Shell",
          error2 + L"\\Vantry\\DefaultIcon", error2 + L"\\Vantry\\Shell\\Open\\Command"}, false},
        {RegistryCall::Write, L".nfo", IDC_BTN_NFO, {L"Internal error(6).\n\nCan't write to windows registry."}, false},
        {RegistryCall::Create, L"View with Vantry", IDC_CHECK_ALL,
         {error2 + L"\\*\\shell\\View with Vantry\\command"}, false},
    };
    for (const Case& c : cases) {
        removeTestClasses();
        ui.messages.clear();
        setRegistryFaultForTests([c](RegistryCall call, const std::wstring& path) -> LSTATUS {
            return call == c.call && path.find(c.failingKey) != std::wstring::npos ? ERROR_ACCESS_DENIED
                                                                                     : ERROR_SUCCESS;
        });
        click(c.button);
        show(IDCANCEL);
        setRegistryFaultForTests(nullptr);
        std::vector<std::wstring> shown;
        for (const AskedMessage& message : ui.messages) shown.push_back(message.text);
        EXPECT_EQ(shown, c.messages) << narrow(c.failingKey);
        for (const AskedMessage& message : ui.messages) EXPECT_EQ(message.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(classValue(L"Vantry\\Shell\\Open\\Command") != L"<missing>", c.commandWritten) << narrow(c.failingKey);
    }
}

}  // namespace
}  // namespace vantry::testing
