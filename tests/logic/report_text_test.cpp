#include "shell/report_text.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

TEST(ReportText, AFullStopEndsMessagesThatEndInALetterOrDigit) {
    struct Case { const wchar_t* message; const wchar_t* shown; };
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

}  // namespace
}  // namespace vantry
