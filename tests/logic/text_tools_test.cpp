// Find, Replace All and the go-to-line number, as the text tools use them.
#include <gtest/gtest.h>

#include "tools/portable/line_numbers.h"
#include "tools/portable/text_search.h"

namespace vantry {
namespace {

const LowerCaseTable kLower = asciiLowerCaseTable();

TEST(TextSearch, FindsFromAPositionWithOrWithoutCase) {
    struct Case {
        const wchar_t* text;
        const wchar_t* search;
        size_t from;
        bool matchCase;
        std::optional<size_t> at;
    };
    const Case cases[] = {
        {L"Hello hello", L"hello", 0, true, 6},
        {L"Hello hello", L"hello", 0, false, 0},
        {L"Hello hello", L"HELLO", 1, false, 6},
        {L"Hello hello", L"HELLO", 1, true, std::nullopt},
        {L"aaa", L"aa", 0, true, 0},
        {L"aaa", L"aa", 2, true, std::nullopt},  // a search after the first pair finds no overlap
        {L"abc", L"", 0, true, std::nullopt},
        {L"abc", L"c", 3, true, std::nullopt},
        {L"abc", L"abcd", 0, true, std::nullopt},
        {L"x\r\ny", L"y", 0, true, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findInText(c.text, c.search, c.from, c.matchCase, kLower), c.at)
            << static_cast<int>(c.from) << " " << c.matchCase;
    }
    EXPECT_TRUE(sameText(L"WoRd", L"word", false, kLower));
    EXPECT_FALSE(sameText(L"WoRd", L"word", true, kLower));
    for (const bool matchCase : {false, true}) {
        EXPECT_FALSE(sameText(L"word", L"words", matchCase, kLower)) << matchCase;
        EXPECT_FALSE(sameText(L"words", L"word", matchCase, kLower)) << matchCase;
        EXPECT_FALSE(sameText(L"", L"w", matchCase, kLower)) << matchCase;
    }
}

TEST(TextSearch, ReportsAndMessages) {
    ReplaceAllPlan plan;
    plan.count = 0;
    EXPECT_EQ(replaceAllReport(plan), L"Replaced 0 occurrences in the text.");
    plan.count = 3;
    plan.capped = true;
    EXPECT_EQ(replaceAllReport(plan, 3),
              L"Can only replace 3 occurences at a time. \n\rReplaced 3 occurrences in the text.");
    EXPECT_EQ(textNotFoundMessage(L"word"), L"Text not found: word");
    EXPECT_EQ(textNotFoundMessage(std::wstring(41, L'w')), L"Text not found: " + std::wstring(40, L'w') + L"...");
    EXPECT_EQ(textNotFoundMessage(std::wstring(40, L'w')), L"Text not found: " + std::wstring(40, L'w'));
    EXPECT_EQ(firstLineOf(L"one\r\ntwo"), L"one");
    EXPECT_EQ(firstLineOf(L"whole"), L"whole");
}

TEST(LineNumbers, TypedNumbersAreReadAsTheDialogAcceptsThem) {
    struct Case {
        const wchar_t* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {L"12", 12},
        {L" 12", 12},
        {L"12 ", std::nullopt},
        {L"", std::nullopt},
        {L"abc", std::nullopt},
        {L"$1A", 26},
        {L"0x1A", 26},
        {L"0X1a", 26},
        {L"x1A", 26},
        {L"X1A", 26},
        {L"1A", std::nullopt},
        {L"0", 0},
        {L"-1", -1},
        {L"+7", 7},
        {L"-", std::nullopt},
        {L"$", std::nullopt},
        {L"2147483647", 2147483647},
        {L"2147483648", std::nullopt},
        {L"-2147483648", -2147483647 - 1},
        {L"$FFFFFFFF", -1},
        {L"$100000000", std::nullopt},
        {L"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseLineNumber(c.text), c.value) << std::wstring(c.text).size();
    EXPECT_EQ(invalidLineNumberMessage(L"12 "), L"'12 ' is not a valid integer value.");

    // Numbers below 1 go nowhere, the lowest included (no line before it to compute).
    const std::pair<std::int32_t, std::optional<std::uint32_t>> lines[] = {
        {1, 0u},           {120, 119u},        {2147483647, 2147483646u},
        {0, std::nullopt}, {-1, std::nullopt}, {-2147483647 - 1, std::nullopt}};
    for (const auto& [number, line] : lines) EXPECT_EQ(lineIndexOfNumber(number), line) << number;
}

TEST(LineNumbers, TheLabelOffersTheLinesOfTheText) {
    EXPECT_EQ(offeredLineCount(4, true), 3);  // three lines and a final line break
    EXPECT_EQ(offeredLineCount(3, false), 3);
    EXPECT_EQ(offeredLineCount(1, false), 1);  // an empty document
    EXPECT_EQ(offeredLineCount(1, true), 1);
    EXPECT_EQ(lineNumberLabel(3), L"Line number (1-3):");
}

}  // namespace
}  // namespace vantry
