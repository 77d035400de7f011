// Saving: the bytes on disk, the Save dialog, the question before a document is
// replaced, and a failed save that leaves the file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "documents/file_saving.h"
#include "shell/resource.h"
#include "test_support.h"
#include "win/error.h"

namespace vantry::testing {
namespace {

constexpr int kDefault = 0, kAnsi = 1, kUtf8 = 2, kUtf16LE = 3, kUtf16BE = 4;

class SavingTest : public WindowTest {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page"; }

    // Save As through the scripted dialog, choosing an encoding-list entry.
    void saveAs(const std::wstring& path, int encodingIndex) {
        ui.fileAnswers.push_back(FileDialogAnswer{path, encodingIndex, 1});
        command(IDM_SAVE_AS);
    }
    void type(const wchar_t* text) {
        const auto end = static_cast<DWORD>(window->memo().textLength());
        window->memo().setSelection({end, end});
        SendMessageW(window->memo().handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
};

TEST_F(SavingTest, CharactersOutsideTheCodePageAreOnlyReplacedWhenTheUserAgrees) {
    const std::wstring path = folder.file(L"lossy.txt", "original");
    ASSERT_TRUE(window->loadDocument(path, L""));
    window->memo().setText(L"box \x2554 han \x4E2D");

    ui.messageAnswers = {IDCANCEL};
    command(IDM_SAVE);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, L"Vantry");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING));
    EXPECT_EQ(fileBytes(path), "original");
    EXPECT_TRUE(window->isModified());

    ui.messageAnswers = {IDOK};
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(path), "box + han ?") << "the system's best fit, then its default character";
    EXPECT_FALSE(window->isModified());

    saveAs(path, kUtf8);  // a Unicode encoding keeps them without a question
    EXPECT_EQ(ui.messages.size(), 2u);
}

// Bytes that did not survive the reading are never replaced without a question, by
// any save in the encoding they were read with; another encoding writes at once.
TEST_F(SavingTest, ALossyReadingIsAskedAboutBeforeEverySaveInItsEncoding) {
    const std::string bytes = "caf\xE9 \xE2\x96";
    const std::wstring path = folder.file(L"lossy.txt", bytes);
    ASSERT_TRUE(window->loadDocument(path, L"UTF-8 (Default Unicode)"));
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"UTF-8 (no mark) (lossy)");
    constexpr int kUtf8NoMark = 6;
    const std::function<void()> saves[] = {
        [&] { command(IDM_SAVE); },
        [&] { saveAs(path, kUtf8); },
        [&] { saveAs(path, kUtf8NoMark); },
        [&] {
            type(L"!");
            SendMessageW(window->handle(), WM_CLOSE, 0, 0);  // "Save changes to text?" Yes, then the question
        },
    };
    for (const auto& save : saves) {
        ui.messages.clear();
        ui.messageAnswers = {IDYES, IDCANCEL};
        save();
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_NE(ui.messages.back().text.find(L"Reopen with encoding"), std::wstring::npos);
        EXPECT_EQ(fileBytes(path), bytes);
        EXPECT_FALSE(closed);
    }
    ui.messages.clear();
    saveAs(path, kUtf16LE);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fileBytes(path).substr(0, 4), std::string("\xFF\xFE"
                                                        "c\0",
                                                        4));
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"UTF-16 LE") << "exact from now on";
}

TEST_F(SavingTest, SaveKeepsTheOpenedEncodingAndSaveAsUsesItsDialog) {
    using namespace std::string_literals;
    const std::wstring big = folder.file(L"big.txt", "\xFE\xFF\0h\0i"s);
    const std::wstring plain = folder.file(L"plain.txt", "abc");
    ASSERT_TRUE(window->loadDocument(plain, L""));
    saveAs(plain, kUtf8);
    EXPECT_EQ(fileBytes(plain),
              "\xEF\xBB\xBF"
              "abc");
    type(L"d");
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(plain),
              "\xEF\xBB\xBF"
              "abcd")
        << "Save keeps the encoding Save As chose";
    EXPECT_EQ(window->saveDialog().encodingIndex, kUtf8);

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].defaultExtension, L"txt");
    EXPECT_EQ(ui.fileDialogs[0].encodingIndex, kDefault) << "preselected by the opening";

    saveAs(plain, kUtf16LE);
    ui.fileAnswers.clear();
    command(IDM_SAVE_AS);  // cancelled
    ASSERT_EQ(ui.fileDialogs.size(), 3u);
    EXPECT_EQ(ui.fileDialogs[2].encodingIndex, kUtf16LE) << "the user's last choice stays selected";
    ASSERT_TRUE(window->loadDocument(big, L""));
    saveAs(big, kUtf16BE);
    EXPECT_EQ(ui.fileDialogs.back().encodingIndex, kUtf16BE) << "an opening preselects its own encoding";
}

// Each answer, and each action that replaces or discards the document.
TEST_F(SavingTest, UnsavedChangesAreAskedAboutBeforeEveryActionThatDropsThem) {
    enum class Action { New, Open, Drop, Recent, Close };
    enum class Setup { AskOff, Unmodified, TypedThenDeleted, No, Cancel, YesNamed, YesUnnamedCancelled };
    struct Case {
        Action action;
        Setup setup;
        bool asks;
        bool goesOn;
        bool saved;
    };
    const Case cases[] = {
        {Action::Close, Setup::AskOff, false, true, false},
        {Action::Close, Setup::Unmodified, false, true, false},
        {Action::Close, Setup::TypedThenDeleted, false, true, false},
        {Action::Close, Setup::No, true, true, false},
        {Action::Close, Setup::Cancel, true, false, false},
        {Action::Close, Setup::YesNamed, true, true, true},
        {Action::Close, Setup::YesUnnamedCancelled, true, false, false},
        {Action::New, Setup::Cancel, true, false, false},
        {Action::New, Setup::YesNamed, true, true, true},
        {Action::Open, Setup::YesUnnamedCancelled, true, false, false},
        {Action::Open, Setup::No, true, true, false},
        {Action::Drop, Setup::Cancel, true, false, false},
        {Action::Drop, Setup::AskOff, false, true, false},
        {Action::Recent, Setup::YesNamed, true, true, true},
        {Action::Recent, Setup::Cancel, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "action " << static_cast<int>(c.action) << ", setup " << static_cast<int>(c.setup));
        ScriptedUi script;
        bool closed = false;
        std::unique_ptr<Tnfonote> subject = makeMainWindow(std::nullopt, &closed);
        const std::wstring current = folder.file(L"current.txt", "old");
        const std::wstring other = folder.file(L"other.txt", "other");
        subject->settings().recentFile[0] = other;  // a fresh list
        if (c.setup != Setup::YesUnnamedCancelled) {
            ASSERT_TRUE(subject->loadDocument(current, L""));
        }
        if (c.setup == Setup::AskOff) subject->settings().askToSave = L"0";
        const auto replaceEnd = [&](int length, const wchar_t* text) {
            const LRESULT end = SendMessageW(subject->memo().handle(), WM_GETTEXTLENGTH, 0, 0);
            SendMessageW(subject->memo().handle(), EM_SETSEL, static_cast<WPARAM>(end - length), end);
            SendMessageW(subject->memo().handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
        };
        if (c.setup != Setup::Unmodified) replaceEnd(0, L"X");
        if (c.setup == Setup::TypedThenDeleted) replaceEnd(1, L"");
        if (c.setup == Setup::No) script.messageAnswers = {IDNO};
        if (c.setup == Setup::Cancel) script.messageAnswers = {IDCANCEL};
        if (c.setup == Setup::YesNamed || c.setup == Setup::YesUnnamedCancelled) script.messageAnswers = {IDYES};

        const HWND handle = subject->handle();
        switch (c.action) {
            case Action::New: SendMessageW(handle, WM_COMMAND, IDM_NEW, 0); break;
            case Action::Open:  // the Save dialog, if asked, is cancelled first
                if (c.setup == Setup::YesUnnamedCancelled) script.fileAnswers.push_back(std::nullopt);
                script.fileAnswers.push_back(FileDialogAnswer{other, 0, 1});
                SendMessageW(handle, WM_COMMAND, IDM_OPEN, 0);
                break;
            case Action::Drop: dropOn(handle, {other}); break;
            case Action::Recent: {
                const auto& list = subject->settings().recentFile;
                const auto place = std::find(list.begin(), list.end(), other) - list.begin();
                SendMessageW(handle, WM_COMMAND, static_cast<WPARAM>(IDM_RECENT_FILE_FIRST + place), 0);
                break;
            }
            case Action::Close: SendMessageW(handle, WM_CLOSE, 0, 0); break;
        }
        const bool wentOn = c.action == Action::Close ? closed
                            : c.action == Action::New
                                ? subject->document().fileName == L"0" && subject->memo().text().empty()
                                : subject->document().fileName == other;
        ASSERT_EQ(script.messages.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(script.messages[0].text, L"Save changes to text?");
            EXPECT_EQ(script.messages[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
        }
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(fileBytes(current), c.saved ? "oldX" : "old");
    }
}

TEST_F(SavingTest, AWriteThatFailsPartWayLeavesTheOriginalAndNoTemporaryFile) {
    const std::string original(3'000'000, 'o');
    const std::wstring path = folder.file(L"big.nfo", original);
    int calls = 0;
    const FileChunkWriter failSecondChunk = [&calls](HANDLE file, const char* data, DWORD size, DWORD& written) {
        if (++calls == 2) {
            WriteFile(file, data, size / 2, &written, nullptr);
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        return WriteFile(file, data, size, &written, nullptr) != FALSE;
    };
    try {
        saveFileBytes(path, std::string(2'500'000, 'n'), failSecondChunk);
        ADD_FAILURE() << "the failure was not reported";
    } catch (const Error& error) {
        EXPECT_EQ(error.message().rfind(L"Cannot write file \"" + path + L"\". ", 0), 0u) << narrow(error.message());
    }
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(fileBytes(path) == original);
    EXPECT_EQ(folderNames(folder.folder()), std::vector<std::wstring>{L"big.nfo"});
}

// When the replace fails half-way, the old file is already gone or renamed: the new one
// is moved into place, or kept under its temporary name, never deleted.
TEST_F(SavingTest, AReplaceThatFailsHalfWayStillLeavesTheTextOnDisk) {
    struct Case {
        DWORD error;
        const wchar_t* oldFileGoesTo;
        bool newFileHeld;
    };
    const Case cases[] = {{ERROR_UNABLE_TO_MOVE_REPLACEMENT, nullptr, false},
                          {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, L"renamed-old", false},
                          {ERROR_UNABLE_TO_MOVE_REPLACEMENT, nullptr, true}};  // the new file cannot move either
    for (const Case& c : cases) {
        TempFolder here;
        const std::wstring path = here.file(L"doc.nfo", "old");
        UniqueFileHandle held;  // open without sharing deletion: the new file cannot be moved
        const FileReplacer failHalfWay = [&](const std::wstring& target, const std::wstring& replacement) {
            if (c.oldFileGoesTo)
                MoveFileW(target.c_str(), here.path(c.oldFileGoesTo).c_str());
            else
                DeleteFileW(target.c_str());
            if (c.newFileHeld)
                held.reset(CreateFileW(replacement.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                       nullptr));
            SetLastError(c.error);
            return false;
        };
        std::wstring message;
        try {
            saveFileBytes(path, "new", {}, failHalfWay);
        } catch (const Error& error) {
            message = error.message();
        }
        held.reset();
        const size_t named = message.find(L"~vantry-");  // the file that holds the text, when not in place
        const std::wstring kept =
            named == std::wstring::npos ? L"doc.nfo" : message.substr(named, message.find(L'"', named) - named);
        EXPECT_EQ(c.newFileHeld, message.rfind(L"Cannot create file \"" + path + L"\". ", 0) == 0) << narrow(message);
        EXPECT_EQ(fileBytes(here.path(kept)), "new") << c.error;
        std::vector<std::wstring> names{kept};
        if (c.oldFileGoesTo) names.push_back(c.oldFileGoesTo);
        EXPECT_EQ(folderNames(here.folder()), names) << "nothing deleted, nothing left over";
    }
}

// Run in a prefix made under a locale with no ANSI code page of its own: the system's
// code page is then UTF-8, which holds every character but half a surrogate pair.
using Utf8CodePage = WindowTest;
TEST_F(Utf8CodePage, DefaultSavesWriteTheTextAsUtf8WithoutAMark) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the test expects the UTF-8 code page";
    const std::string bytes =
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x95\x94\xE2\x96\x88 \xE4\xB8\xAD";
    const std::wstring path = folder.file(L"notes.txt", "old");
    ASSERT_TRUE(window->loadDocument(path, L""));
    window->memo().setText(
        L"Gr\xFC\xDF"
        L"e \x2554\x2588 \x4E2D");
    ui.messageAnswers = {IDYES};
    SendMessageW(window->handle(), WM_CLOSE, 0, 0);  // "Save changes to text?" Yes
    ASSERT_EQ(ui.messages.size(), 1u) << narrow(ui.messages.back().text);
    EXPECT_TRUE(closed);
    EXPECT_EQ(fileBytes(path), bytes);

    const auto again = makeMainWindow(path);
    again->memo().setText(L"half \xD83D");
    ui.messageAnswers = {IDCANCEL};
    SendMessageW(again->handle(), WM_COMMAND, IDM_SAVE, 0);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING)) << "asked, not replaced";
    EXPECT_EQ(fileBytes(path), bytes);
}

// A text file that is not UTF-8 is read in the user's own code page, not as UTF-8 with
// replacement characters, and saved back as it was.
TEST_F(Utf8CodePage, ATextFileThatIsNotUtf8KeepsItsLettersAndBytes) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the test expects the UTF-8 code page";
    const std::string bytes =
        "caf\xE9 Gr\xF6\xDF"
        "e\r\n";
    const std::wstring path = folder.file(L"note.txt", bytes);
    ASSERT_TRUE(window->loadDocument(path, L""));
    EXPECT_EQ(window->memo().text(),
              L"caf\xE9 Gr\xF6\xDF"
              L"e\r\n");
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"Windows 1252");
    SendMessageW(window->handle(), WM_COMMAND, IDM_SAVE, 0);
    EXPECT_EQ(fileBytes(path), bytes);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vantry::testing
