// The recent-files list and the captions of its menu items.
#include <gtest/gtest.h>

#include <algorithm>

#include "documents/portable/recent_files.h"

namespace vantry {
namespace {

RecentFileList listOf(std::initializer_list<const wchar_t*> paths) {
    RecentFileList list;
    size_t place = 0;
    for (const wchar_t* path : paths) list[place++] = path;
    return list;
}

TEST(RecentFiles, AddingKeepsNewestFirstUpToTheCount) {
    RecentFileList kFull;
    for (size_t place = 0; place < kFull.size(); ++place) kFull[place] = std::to_wstring(place + 1);
    RecentFileList kFullButLast = kFull;
    kFullButLast.back().clear();
    RecentFileList kNewThenFull{L"new"};
    std::copy(kFull.begin(), kFull.end() - 1, kNewThenFull.begin() + 1);
    struct Case {
        const char* what;
        RecentFileList before;
        const wchar_t* path;
        int count;
        RecentFileList after;
    };
    const Case cases[] = {
        {"first file", {}, L"C:\\a.nfo", 6, listOf({L"C:\\a.nfo"})},
        {"count 0 empties all", listOf({L"x", L"y"}), L"z", 0, {}},
        {"seventh file drops the oldest", listOf({L"6", L"5", L"4", L"3", L"2", L"1"}), L"7", 6,
         listOf({L"7", L"6", L"5", L"4", L"3", L"2"})},
        {"a listed file keeps its place", listOf({L"a", L"b", L"c", L"d", L"e"}), L"d", 6,
         listOf({L"a", L"b", L"c", L"d", L"e"})},
        {"case makes another path", listOf({L"C:\\A.NFO"}), L"c:\\a.nfo", 6, listOf({L"c:\\a.nfo", L"C:\\A.NFO"})},
        {"a lowered count cuts the surplus", listOf({L"a", L"b", L"c"}), L"b", 2, listOf({L"a", L"b"})},
        {"a file listed beyond the count goes first", listOf({L"a", L"b", L"c", L"d", L"e"}), L"e", 3,
         listOf({L"e", L"a", L"b"})},
        {"the last counted place keeps its file", listOf({L"a", L"b", L"c", L"d"}), L"c", 3,
         listOf({L"a", L"b", L"c"})},
        {"nineteen of twenty full places keep", kFull, L"5", 19, kFullButLast},
        {"twenty full places stay full", kFull, L"5", 20, kFull},
        {"twenty at most: the twentieth goes", kFull, L"new", 20, kNewThenFull},
    };
    for (const Case& c : cases) {
        RecentFileList list = c.before;
        addRecentFile(list, c.path, c.count);
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(RecentFiles, RemovingMovesTheLaterPlacesUp) {
    RecentFileList list = listOf({L"a", L"b", L"c"});
    EXPECT_TRUE(removeRecentFile(list, L"b"));
    EXPECT_EQ(list, listOf({L"a", L"c"}));
    EXPECT_FALSE(removeRecentFile(list, L"B"));
    EXPECT_EQ(list, listOf({L"a", L"c"}));
    RecentFileList full;
    for (size_t place = 0; place < full.size(); ++place) full[place] = std::to_wstring(place + 1);
    EXPECT_TRUE(removeRecentFile(full, L"1"));
    EXPECT_EQ(full[18], L"20");
    EXPECT_EQ(full[19], L"") << "the last place is emptied";
}

// The encoding chosen for a file moves with it, is forgotten when it leaves the list,
// and is only taken back for the very path it was stored with.
TEST(RecentFiles, AnEncodingFollowsItsFileAndNoOther) {
    using E = TextEncoding;
    RecentFileList list = listOf({L"a", L"b", L"c"});
    RecentEncodingList encodings{E::None, E::Dos866, E::Windows1252};
    RecentFileList before = list;
    addRecentFile(list, L"c", 2);  // listed beyond the count: goes first, "b" drops out
    encodings = encodingsFollowing(before, encodings, list);
    EXPECT_EQ(list, listOf({L"c", L"a"}));
    EXPECT_EQ(encodings[0], E::Windows1252);
    EXPECT_EQ(encodings[1], E::None);
    before = list;
    addRecentFile(list, L"b", 6);
    EXPECT_EQ(encodingsFollowing(before, encodings, list)[0], E::None) << "forgotten when it left";

    struct Case {
        const wchar_t* stored;
        const wchar_t* path;
        E encoding;
    };
    const Case cases[] = {
        {L"dos866|C:\\x.nfo", L"C:\\x.nfo", E::Dos866},
        {L"dos866|C:\\x.nfo", L"C:\\y.nfo", E::None},
        {L"dos866", L"C:\\x.nfo", E::None},
        {L"nonsense|C:\\x.nfo", L"C:\\x.nfo", E::None},
        {L"", L"C:\\x.nfo", E::None},
    };
    for (const Case& c : cases) EXPECT_EQ(recentEncodingFor(c.stored, c.path), c.encoding);
    EXPECT_EQ(recentEncodingFor(recentEncodingText(E::Utf16BE, L"D:\\n.txt"), L"D:\\n.txt"), E::Utf16BE);
    EXPECT_EQ(recentEncodingText(E::None, L"D:\\n.txt"), L"");
}

TEST(RecentFiles, ShorteningTexts) {
    EXPECT_EQ(shortFileName(L"C:\\dir\\a.nfo", -1), L"a.nfo");
    EXPECT_EQ(shortFileName(L"C:\\dir\\", -1), L"C:\\dir\\");
    EXPECT_EQ(shortFileName(L"C:/dir/a.nfo", -1), L"C:/dir/a.nfo");
    EXPECT_EQ(shortFileName(L"C:\\dir\\abcdef", 3), L"abc...");
    EXPECT_EQ(truncateText(L"abcdef", 3), L"abc...");
    EXPECT_EQ(truncateText(L"abc", 3), L"abc");
    EXPECT_EQ(truncateText(L"abc", -1), L"abc");
    EXPECT_EQ(truncateText(L"abc", 0), L"...");
}

TEST(RecentFiles, MenuCaptionsFollowTheSettings) {
    const std::wstring longPath = L"C:\\" + std::wstring(108, L'd') + L"\\file.nfo";  // 120 characters
    ASSERT_EQ(longPath.size(), 120u);
    const RecentFileList list = listOf({longPath.c_str(), L"C:\\R&D\\a&b.nfo", L"C:\\c.txt"});

    const auto full = recentMenuItems(list, L"2", L"1");
    EXPECT_EQ(full[0].caption, longPath.substr(0, 100) + L"...");
    EXPECT_EQ(full[1].caption, L"C:\\R&&D\\a&&b.nfo");
    EXPECT_TRUE(full[0].visible);
    EXPECT_TRUE(full[1].visible);
    EXPECT_FALSE(full[2].visible) << "beyond the count: kept, not shown";
    EXPECT_EQ(full[2].caption, L"C:\\c.txt");
    EXPECT_FALSE(full[3].visible);
    EXPECT_EQ(full[3].caption, L"");

    // Only "1" shows full paths; any other text shows the names.
    for (const wchar_t* setting : {L"0", L"yes", L"2", L"", L"1 "}) {
        const auto names = recentMenuItems(list, L"6", setting);
        EXPECT_EQ(names[0].caption, L"file.nfo") << setting;
        EXPECT_EQ(names[1].caption, L"a&&b.nfo") << setting;
        EXPECT_TRUE(names[2].visible);
    }
    const std::wstring longName = L"C:\\" + std::wstring(71, L'n');
    EXPECT_EQ(recentMenuItems(listOf({longName.c_str()}), L"6", L"0")[0].caption, std::wstring(70, L'n') + L"...");
}

}  // namespace
}  // namespace vantry
