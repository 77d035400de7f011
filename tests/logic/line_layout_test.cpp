#include "tools/portable/line_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantry {
namespace {

// The lines as the text control makes them without word wrap.
TEST(LineLayout, LinesBreakWhereTheTextControlBreaksThem) {
    struct Case {
        std::wstring text;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {L"", {L""}},
        {L"a\r\nb", {L"a", L"b"}},
        {L"a\nb\n", {L"a", L"b", L""}},
        {L"a\rb", {L"a\rb"}},         // a lone carriage return is text
        {L"a\r\r\nb", {L"a", L"b"}},  // a soft break is one break
        {L"a\r\r\r\nb", {L"a\r", L"b"}},
        {L"a\n\rb\r", {L"a", L"\rb\r"}},
    };
    for (const Case& c : cases) {
        const LineStarts starts(c.text);
        std::vector<std::wstring> lines;
        for (size_t line = 0; line < starts.count(); ++line) {
            const size_t next = line + 1 < starts.count() ? starts.start(line + 1) : c.text.size();
            const DisplayLine shown = displayLine(c.text, starts.start(line), next);
            EXPECT_FALSE(shown.continued);
            lines.emplace_back(shown.text);
        }
        EXPECT_EQ(lines, c.lines) << std::string(c.text.begin(), c.text.end());
    }
    // Word wrap breaks a line where no line break is.
    const DisplayLine wrapped = displayLine(L"http://a.b/cd\r\n", 0, 9);
    EXPECT_EQ(wrapped.text, L"http://a.");
    EXPECT_TRUE(wrapped.continued);
}

TEST(LineLayout, ThePointerFindsTheNearestCaretPosition) {
    const std::vector<int> edges{10, 20, 30, 60};
    struct Case {
        int x;
        size_t caret;
    };
    const Case cases[] = {{-5, 0}, {10, 0}, {14, 0}, {15, 1}, {29, 2}, {44, 2}, {45, 3}, {60, 3}, {500, 3}};
    for (const Case& c : cases) EXPECT_EQ(caretNearest(edges, c.x), c.caret) << c.x;
    EXPECT_EQ(caretNearest(std::vector<int>{10}, 40), 0u) << "an empty line";
}

}  // namespace
}  // namespace vantry
