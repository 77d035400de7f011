#include "settings/options_dialog.h"

#include <gtest/gtest.h>

#include "settings/portable/association_rules.h"
#include "settings/portable/options_resources.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

constexpr wchar_t kClasses[] = L"\\Software\\Classes";
const std::wstring kTestKeys[] = {L".zzz", L".zzy", L".scr", L"Vantry"};

std::wstring classesKey(const std::wstring& path) { return std::wstring(kClasses) + L"\\" + path; }

std::wstring classValue(const std::wstring& key, const std::wstring& name = L"") {
    return readValue(name, classesKey(key).c_str());
}

void removeTestClasses() {
    for (const std::wstring& key : kTestKeys) RegDeleteTreeW(HKEY_CURRENT_USER, classesKey(key).substr(1).c_str());
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() { removeTestClasses(); }
    ~OptionsTest() override { removeTestClasses(); }

    // The main window as start-up makes it from the stored settings, and its dialog.
    void start() {
        options.reset();
        window = makeMainWindow();
        options = std::make_unique<TOptions>(window->handle(), *window);
    }

    // Queues what the user does; the dialog does it once it shows.
    HWND control(int id) const { return GetDlgItem(options->handle(), id); }
    void click(int id) { PostMessageW(control(id), BM_CLICK, 0, 0); }
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
};

// The four switches take two patterns in which every pair of them differs once.
TEST_F(OptionsTest, OpeningShowsTheStoredSettingsAndOkStoresThemBack) {
    const wchar_t* switches[] = {L"recentFileFullPath", L"askToSave", L"escExits", L"copyOnSelect"};
    const int boxes[] = {IDC_FULL_PATH_CHECKBOX, IDC_SAVE_CHECKBOX, IDC_ESC_CHECKBOX, IDC_COPY_ON_SELECT};
    for (const char* pattern : {"1010", "1100"}) {
        for (int i = 0; i < 4; ++i) writeValue(switches[i], pattern[i] == '1' ? L"1" : L"0");
        writeValue(L"urlFollow", L"shiftClick");
        writeValue(L"emailFollow", L"doubleClick");
        writeValue(L"recentFileCount", L"35");
        writeValue(L"asciiFontStyle", L"boldItalic");
        writeValue(L"ansiFontSize", L"14");  // the text profile: each number to its own field
        writeValue(L"ansiFontHeight", L"-19");
        start();
        for (const wchar_t* name : switches) RegDeleteKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, name);
        show(IDOK);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(checked(boxes[i]), pattern[i] == '1') << pattern << " " << i;
            EXPECT_EQ(readValue(switches[i]), pattern[i] == '1' ? L"1" : L"0") << pattern << " " << i;
        }
    }
    EXPECT_TRUE(checked(IDC_RADIO_URL_ITEM0)) << "an unknown keyword shows as no following";
    EXPECT_TRUE(checked(IDC_RADIO_EMAIL_ITEM0 + 2));
    EXPECT_EQ(SendMessageW(control(IDC_RECENT_FILES_COMBO), CB_GETCURSEL, 0, 0), 20);
    EXPECT_EQ(text(IDC_LABEL_NFO_FONT), L"Font for NFO files: ASCII VGA, 12, bold, italic");
    EXPECT_EQ(text(IDC_LABEL_TEXT_FONT), L"Font for text files: Courier New, 14");
    EXPECT_EQ(readValue(L"ansiFontSize") + L" " + readValue(L"ansiFontHeight"), L"14 -19");
    EXPECT_EQ(readValue(L"urlFollow"), L"none");
    EXPECT_EQ(readValue(L"emailFollow"), L"doubleClick");
    EXPECT_EQ(readValue(L"recentFileCount"), L"20");
    EXPECT_EQ(window->settings().recentFileCount, L"20") << "the record follows the registry";
}

// A program's extension is refused without a question, and nothing is written; another
// is associated after a question, its previous owner kept once.
TEST_F(OptionsTest, AssociatingAnExtensionKeepsThePreviousOwnerOnceAndRefusesAProgramsExtension) {
    start();
    type(IDC_EDIT1, L"*.SCR");
    click(IDC_BTN_ADD);
    show(IDCANCEL);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, customExtension(L"SCR").refusal.value_or(L""));
    EXPECT_EQ(classValue(L".SCR"), L"<missing>");
    EXPECT_EQ(classValue(L"Vantry\\Shell\\Open\\Command"), L"<missing>");

    writeValue(L"", L"txtfile", classesKey(L".zzz").c_str());
    type(IDC_EDIT1, L"*.zzz");
    click(IDC_BTN_ADD);
    type(IDC_EDIT1, L".zzz");
    click(IDC_BTN_ADD);
    show(IDCANCEL);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text, associationQuestion(L"zzz"));
    EXPECT_EQ(ui.messages[1].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(classValue(L".zzz"), L"Vantry") << "Cancel of the dialog does not undo it";
    EXPECT_EQ(classValue(L".zzz", L"Vantry_backup"), L"txtfile") << "the second time writes no backup of itself";
    EXPECT_EQ(classValue(L"Vantry\\DefaultIcon"), defaultIcon(testProgramPath()));
    EXPECT_EQ(classValue(L"Vantry\\Shell\\Open\\Command"), openCommand(testProgramPath()));

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

}  // namespace
}  // namespace vantry::testing
