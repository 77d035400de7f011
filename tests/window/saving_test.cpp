// Saving: the bytes on disk, the Save dialog, the question before a document is
// replaced, and a failed save that leaves the file as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "documents/file_saving.h"
#include "shell/resource.h"
#include "test_support.h"
#include "win/error.h"

namespace vantry::testing {
namespace {

constexpr int kDefault = 0, kAnsi = 1, kUtf8 = 2, kUtf16LE = 3, kUtf16BE = 4;

class SavingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page"; }

    void command(int id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
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

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    std::unique_ptr<Tnfonote> window = makeMainWindow();
};

TEST_F(SavingTest, EveryEncodingWritesItsMarkAndTheTextAsTheControlHoldsIt) {
    using namespace std::string_literals;
    struct Case { const char* what; std::wstring text; int entry; std::string bytes; };
    const Case cases[] = {
        {"empty, Default", L"", kDefault, ""},
        {"empty, UTF-8", L"", kUtf8, "\xEF\xBB\xBF"},
        {"empty, UTF-16 LE", L"", kUtf16LE, "\xFF\xFE"},
        {"no final break, ANSI", L"end", kAnsi, "end"},
        {"three lines, Default", L"a\r\nb\r\nc", kDefault, "a\r\nb\r\nc"},
        {"three lines, UTF-8", L"a\r\nb\r\n\x2554", kUtf8, "\xEF\xBB\xBF" "a\r\nb\r\n\xE2\x95\x94"},
        {"UTF-16 LE", L"A\r\n\x2554", kUtf16LE, "\xFF\xFE" "A\0\r\0\n\0\x54\x25"s},
        {"UTF-16 BE", L"A\r\n\x2554", kUtf16BE, "\xFE\xFF\0A\0\r\0\n\x25\x54"s},
    };
    for (const Case& c : cases) {
        window->memo().setText(c.text);
        const std::wstring path = folder.path(L"out.txt");
        saveAs(path, c.entry);
        EXPECT_EQ(fileBytes(path), c.bytes) << c.what;
        EXPECT_EQ(window->document().fileName, path) << c.what;
        EXPECT_FALSE(window->isModified()) << c.what;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SavingTest, ArtOpenedAsAnsiIsSavedBackByteForByte) {
    std::string art;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') art += static_cast<char>(byte);
    }
    art += "\r\n\xDB\xDB\xB2\xB1\xB0";
    const std::wstring path = folder.file(L"art.nfo", art);
    ASSERT_TRUE(window->loadDocument(path, L"ANSI"));
    type(L"");  // nothing changed, but Save writes anyway
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(path), art);
    EXPECT_TRUE(ui.messages.empty()) << "every character came from the code page: nothing to ask";
}

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

    // UTF-8 has no form for half a surrogate pair (text read as UTF-16 can hold one).
    window->memo().setText(L"half \xD83D pair");
    ui.messageAnswers = {IDCANCEL};
    saveAs(path, kUtf8);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[2].text.find(L"UTF-16"), std::wstring::npos) << narrow(ui.messages[2].text);
    EXPECT_EQ(fileBytes(path), "\xEF\xBB\xBF" "box \xE2\x95\x94 han \xE4\xB8\xAD");
}

TEST_F(SavingTest, SaveKeepsTheOpenedEncodingAndSaveAsUsesItsDialog) {
    using namespace std::string_literals;
    const std::wstring big = folder.file(L"big.txt", "\xFE\xFF\0h\0i"s);
    ASSERT_TRUE(window->loadDocument(big, L""));
    type(L"!");
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(big), "\xFE\xFF\0h\0i\0!"s);
    EXPECT_TRUE(ui.fileDialogs.empty()) << "a named document is saved without a dialog";

    const std::wstring plain = folder.file(L"plain.txt", "abc");
    ASSERT_TRUE(window->loadDocument(plain, L""));
    saveAs(plain, kUtf8);
    EXPECT_EQ(fileBytes(plain), "\xEF\xBB\xBF" "abc");
    type(L"d");
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(plain), "\xEF\xBB\xBF" "abcd") << "Save keeps the encoding Save As chose";
    EXPECT_EQ(window->saveDialog().encodingIndex, kUtf8);

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogRequest& asked = ui.fileDialogs[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.fileName, L"");
    EXPECT_EQ(asked.defaultExtension, L"txt");
    EXPECT_EQ(asked.encodingIndex, kDefault) << "preselected by the opening";
    EXPECT_EQ(asked.filter.substr(0, 17), L"Text file (*.txt)");

    saveAs(plain, kUtf16LE);
    ui.fileAnswers.clear();
    command(IDM_SAVE_AS);  // cancelled
    ASSERT_EQ(ui.fileDialogs.size(), 3u);
    EXPECT_EQ(ui.fileDialogs[2].encodingIndex, kUtf16LE) << "the user's last choice stays selected";
    ASSERT_TRUE(window->loadDocument(big, L""));
    saveAs(big, kUtf16BE);
    EXPECT_EQ(ui.fileDialogs.back().encodingIndex, kUtf16BE) << "an opening preselects its own encoding";
}

TEST_F(SavingTest, SavingATextFileAsNfoSwitchesTheFontAndListsItFirst) {
    const std::wstring notes = folder.file(L"notes.txt", "notes");
    ASSERT_TRUE(window->loadDocument(notes, L""));
    EXPECT_FALSE(window->document().isNfoFont);
    EXPECT_FALSE(window->saveDialog().nfoFirst);

    const std::wstring nfo = folder.path(L"notes.nfo");
    saveAs(nfo, kDefault);
    EXPECT_EQ(fileBytes(nfo), "notes");
    EXPECT_TRUE(window->document().isNfoFont);
    EXPECT_EQ(window->settings().recentFile[0], nfo);
    EXPECT_EQ(window->settings().recentFile[1], notes);
    EXPECT_FALSE(window->saveDialog().nfoFirst) << "Save As leaves the filter order alone";
    wchar_t caption[256] = {};
    GetWindowTextW(window->handle(), caption, 256);
    EXPECT_STREQ(caption, L"notes.nfo - Vantry");

    ASSERT_TRUE(window->loadDocument(nfo, L""));
    EXPECT_TRUE(window->saveDialog().nfoFirst) << "an opening sets it";
}

TEST_F(SavingTest, AnUnnamedDocumentIsSavedThroughTheDialog) {
    type(L"fresh");
    command(IDM_SAVE);  // cancelled: nothing written
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(window->document().fileName, L"0");
    EXPECT_TRUE(window->isModified());

    const std::wstring path = folder.path(L"fresh.txt");
    ui.fileAnswers.push_back(FileDialogAnswer{path, kDefault, 1});
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(path), "fresh");
    EXPECT_EQ(window->document().fileName, path);
}

// Each action that replaces or discards the document, under each answer.
TEST_F(SavingTest, UnsavedChangesAreAskedAboutBeforeEveryActionThatDropsThem) {
    enum class Action { New, Open, Drop, Recent, Close };
    enum class Setup { AskOff, Unmodified, TypedThenDeleted, No, Cancel, YesNamed, YesUnnamedCancelled };
    struct Case { Setup setup; bool asks; bool goesOn; bool saved; };
    const Case cases[] = {
        {Setup::AskOff, false, true, false},
        {Setup::Unmodified, false, true, false},
        {Setup::TypedThenDeleted, false, true, false},
        {Setup::No, true, true, false},
        {Setup::Cancel, true, false, false},
        {Setup::YesNamed, true, true, true},
        {Setup::YesUnnamedCancelled, true, false, false},
    };
    for (const Action action : {Action::New, Action::Open, Action::Drop, Action::Recent, Action::Close}) {
        for (const Case& c : cases) {
            const std::string what = "action " + std::to_string(static_cast<int>(action)) + ", setup " +
                                     std::to_string(static_cast<int>(c.setup));
            ScriptedUi script;
            bool closed = false;
            std::unique_ptr<Tnfonote> subject = makeMainWindow(std::nullopt, &closed);
            const std::wstring current = folder.file(L"current.txt", "old");
            const std::wstring other = folder.file(L"other.txt", "other");
            subject->addRecentFile(other);
            if (c.setup != Setup::YesUnnamedCancelled) {
                ASSERT_TRUE(subject->loadDocument(current, L""));
            }
            if (c.setup == Setup::AskOff) subject->settings().askToSave = L"0";
            const HWND memo = subject->memo().handle();
            const LRESULT length = SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0);
            SendMessageW(memo, EM_SETSEL, static_cast<WPARAM>(length), length);
            if (c.setup != Setup::Unmodified) SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"X"));
            if (c.setup == Setup::TypedThenDeleted) {
                const LRESULT end = SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0);
                SendMessageW(memo, EM_SETSEL, static_cast<WPARAM>(end - 1), end);
                SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
            }
            if (c.setup == Setup::No) script.messageAnswers = {IDNO};
            if (c.setup == Setup::Cancel) script.messageAnswers = {IDCANCEL};
            if (c.setup == Setup::YesNamed || c.setup == Setup::YesUnnamedCancelled) script.messageAnswers = {IDYES};

            const HWND handle = subject->handle();
            switch (action) {
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
            const bool wentOn = action == Action::Close ? closed
                                : action == Action::New ? subject->document().fileName == L"0" &&
                                                              subject->memo().text().empty()
                                                        : subject->document().fileName == other;
            ASSERT_EQ(script.messages.size(), c.asks ? 1u : 0u) << what;
            if (c.asks) {
                EXPECT_EQ(script.messages[0].text, L"Save changes to text?") << what;
                EXPECT_EQ(script.messages[0].caption, L"Vantry") << what;
                EXPECT_EQ(script.messages[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION)) << what;
            }
            EXPECT_EQ(wentOn, c.goesOn) << what;
            EXPECT_EQ(fileBytes(current), c.saved ? "oldX" : "old") << what;
        }
    }
}

TEST_F(SavingTest, AFailedSaveReportsAndLeavesTheFileAndTheDocumentAsTheyWere) {
    const std::wstring path = folder.file(L"locked.txt", "original");
    ASSERT_TRUE(window->loadDocument(path, L""));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    type(L" edited");

    bool closed = false;
    std::unique_ptr<Tnfonote> closing = makeMainWindow(path, &closed);
    SendMessageW(closing->memo().handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"X"));
    ui.messageAnswers = {IDYES};
    SendMessageW(closing->handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(closed) << "a close whose save failed does not go on";
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text.rfind(L"Cannot create file \"" + path + L"\". ", 0), 0u) << narrow(ui.messages[1].text);
    EXPECT_EQ(ui.messages[1].style, static_cast<UINT>(MB_OK | MB_ICONERROR));

    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(path), "original");
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->document().fileName, path);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::wstring nowhere = folder.path(L"missing\\new.txt");
    saveAs(nowhere, kDefault);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[3].text.rfind(L"Cannot create file \"" + nowhere + L"\". ", 0), 0u) << narrow(ui.messages[3].text);
    EXPECT_EQ(window->document().fileName, path);
    EXPECT_EQ(folderNames(folder.folder()), std::vector<std::wstring>{L"locked.txt"});
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

    saveFileBytes(path, "replaced");
    EXPECT_EQ(fileBytes(path), "replaced");
    EXPECT_EQ(folderNames(folder.folder()), std::vector<std::wstring>{L"big.nfo"});
}

// When the replace fails half-way, the old file is already gone or renamed: the new one
// is moved into place, or kept under its temporary name, never deleted.
TEST_F(SavingTest, AReplaceThatFailsHalfWayStillLeavesTheTextOnDisk) {
    struct Case { const char* what; DWORD error; bool renameOld; bool holdNewFile; };
    const Case cases[] = {
        {"old file gone", ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, false},
        {"old file renamed", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, false},
        {"the new file cannot move either", ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, true},
    };
    for (const Case& c : cases) {
        TempFolder here;
        const std::wstring path = here.file(L"doc.nfo", "old");
        UniqueFileHandle held;  // open without sharing deletion: the new file cannot be moved
        const FileReplacer failHalfWay = [&](const std::wstring& target, const std::wstring& replacement) {
            if (c.renameOld) MoveFileW(target.c_str(), here.path(L"renamed-old").c_str());
            else DeleteFileW(target.c_str());
            if (c.holdNewFile) held.reset(CreateFileW(replacement.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                      OPEN_EXISTING, 0, nullptr));
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
        std::vector<std::wstring> names{L"doc.nfo"};
        if (c.renameOld) names.push_back(L"renamed-old");
        if (c.holdNewFile) {
            EXPECT_EQ(message.rfind(L"Cannot create file \"" + path + L"\". ", 0), 0u) << narrow(message);
            const size_t named = message.find(L"~vantry-");
            ASSERT_NE(named, std::wstring::npos) << "the message names the file that holds the text";
            const std::wstring kept = message.substr(named, message.find(L'"', named) - named);
            EXPECT_EQ(fileBytes(here.path(kept)), "new");
            names = {kept};
        } else {
            EXPECT_EQ(message, L"") << c.what;
            EXPECT_EQ(fileBytes(path), "new") << c.what;
        }
        EXPECT_EQ(folderNames(here.folder()), names) << c.what;
    }
}

TEST_F(SavingTest, ReplacingAFileKeepsItsAttributes) {
    const std::wstring path = folder.file(L"hidden.nfo", "old");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    saveFileBytes(path, "new");
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace
}  // namespace vantry::testing
