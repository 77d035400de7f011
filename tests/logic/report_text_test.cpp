#include "shell/portable/edit_commands.h"
#include "base/report_text.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

TEST(ReportText, AFullStopEndsMessagesThatEndInALetterOrDigit) {
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"Text exceeds memo capacity", L"Text exceeds memo capacity."},
        {L"Cannot open file \"x\". Not found.", L"Cannot open file \"x\". Not found."},
        {L"error 5", L"error 5."},
        {L"Why?", L"Why?."},  // '?' sorts after '.'
        {L"list:", L"list:."},
        {L"done!", L"done!"},  // '!' sorts before '.'
        {L"a-", L"a-"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(errorReportText(c.message), c.shown);
}

// Undo, Cut, Copy, Paste and Select All in the Edit menu: only for focused text, and
// nothing that changes it while it is read-only.
TEST(EditCommands, EnabledOnlyWhenTheyCanAct) {
    using C = EditCommand;
    struct Case {
        const char* what;
        EditState state;
        bool undo, cut, copy, paste, all;
    };
    const Case cases[] = {
        {"everything possible", {true, false, true, true, true, true}, true, true, true, true, true},
        {"read-only", {true, true, true, true, true, true}, false, false, true, false, true},
        {"no focus", {false, false, true, true, true, true}, false, false, false, false, false},
        {"caret only", {true, false, false, false, false, true}, false, false, false, false, true},
        {"empty text, clipboard", {true, false, false, false, true, false}, false, false, false, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editCommandEnabled(C::Undo, c.state), c.undo) << c.what;
        EXPECT_EQ(editCommandEnabled(C::Cut, c.state), c.cut) << c.what;
        EXPECT_EQ(editCommandEnabled(C::Copy, c.state), c.copy) << c.what;
        EXPECT_EQ(editCommandEnabled(C::Paste, c.state), c.paste) << c.what;
        EXPECT_EQ(editCommandEnabled(C::SelectAll, c.state), c.all) << c.what;
    }
}

}  // namespace
}  // namespace vantry
