#include "tools/portable/link_scan.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

std::string narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

// Each case points at one character of a line; "-" as the result means no address.
TEST(LinkScan, WebAddressesUnderThePointer) {
    const std::wstring longPath(492, L'a');
    struct Case {
        std::wstring line;
        size_t column;
        std::wstring collected;
    };
    const Case cases[] = {
        {L"see http://example.com.", 8, L"http://example.com"},     // full stop dropped
        {L"see http://example.com, or", 8, L"http://example.com"},  // comma dropped
        {L"(http://example.com)", 5, L"-"},                         // starts with a bracket
        {L"http://example.com)\"", 0, L"http://example.com)\""},    // closing marks stay
        {L"go http://x.org now", 2, L"http://x.org"},               // the space before counts
        {L"go http://x.org now", 15, L"-"},                         // the space after does not
        {L"http://", 3, L"-"},                                      // seven characters alone
        {L"http://a", 3, L"http://a"},                              // eight
        {L"http://.", 3, L"http://"},                               // eight with the dropped stop
        {L"http::/x", 0, L"-"},                                     // a second colon
        {L"https::/x", 0, L"-"},
        {L"http:/a.b", 0, L"-"},              // single slash
        {L"https:/a.b", 0, L"https:/a.b"},    // secure single slash
        {L"HtTpS://A.B", 4, L"HtTpS://A.B"},  // mixed case
        {L"www.example.com", 3, L"-"},
        {L"ftp://example.com", 3, L"-"},
        {L"http://a.b/100%25", 2, L"http://a.b/100%25"},  // as written, no backslash
        {L"ht%tp://a", 0, L"-"},
        {L"x\thttp://tab.org\ty", 5, L"http://tab.org"},
        {L"http://" + longPath, 0, L"http://" + longPath},  // 499 code units
        {L"http://" + longPath + L"b", 0, L"-"},            // 500: too long to open
        {L"http://a", 20, L"-"},                            // beyond the line
    };
    for (const Case& c : cases) {
        const auto found = webAddressAt(c.line, c.column, true);
        EXPECT_EQ(found.value_or(L"-"), c.collected) << narrow(c.line) << " @" << c.column;
    }
    // While moving, the prefix and one more character are enough, whatever the length.
    EXPECT_EQ(webAddressAt(L"http://" + longPath + L"bbbb", 0, false).value_or(L"-"), L"http://a");
    EXPECT_FALSE(webAddressAt(L"http://", 0, false));
}

TEST(LinkScan, ScansLookOnlySoFarFromThePointer) {
    const std::wstring word = L"http://" + std::wstring(600, L'a');
    EXPECT_TRUE(webAddressAt(word, 400, false));
    EXPECT_TRUE(webAddressAt(word, 499, false)) << "500 moves back";
    EXPECT_FALSE(webAddressAt(word, 500, false)) << "501 moves back";
    EXPECT_FALSE(webAddressAt(word, 501, false)) << "more than 500 moves back";
    const std::wstring mail = std::wstring(250, L'a') + L"@b.c";
    EXPECT_FALSE(emailAddressAt(mail, 249)) << "more than 200 moves back, and too long";
}

TEST(LinkScan, EmailAddressesUnderThePointer) {
    struct Case {
        std::wstring line;
        size_t column;
        std::wstring found;
    };
    const Case cases[] = {
        {L"mail me at joe@example.com.", 14, L"joe@example.com"},
        {L"(joe@example.com)", 3, L"(joe@example.com)"},
        {L"first.last@host", 3, L"-"},  // the only dot is before the at sign
        {L"a@b.c", 0, L"a@b.c"},
        {L"a@b.", 0, L"-"},        // the dropped full stop still counts as four
        {L"ab@cd.", 0, L"ab@cd"},  // the final full stop was the dot after @
        {L"a@bc.", 0, L"a@bc"},    // five with the dropped full stop
        {L"a@b.c,", 0, L"a@b.c"},
        {L"mailto:joe@x.org", 9, L"mailto:joe@x.org"},
        {std::wstring(196, L'a') + L"@b.c", 0, L"-"},  // 200 code units
        {std::wstring(195, L'a') + L"@b.c", 0, std::wstring(195, L'a') + L"@b.c"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(emailAddressAt(c.line, c.column).value_or(L"-"), c.found) << narrow(c.line);
    }
}

TEST(LinkScan, WhatReachesTheShell) {
    struct Case {
        AddressKind kind;
        const wchar_t* address;
        const wchar_t* target;
        bool openable;
    };
    const Case cases[] = {
        {AddressKind::Web, L"http://a.b/%41", L"http://a.b/%41", true},
        {AddressKind::Web, L"HTTPS://a.b", L"HTTPS://a.b", true},
        {AddressKind::Web, L"https:/a.b", L"https:/a.b", false},
        {AddressKind::Email, L"joe@x.org", L"mailto:joe@x.org", true},
        {AddressKind::Email, L"MailTo:joe@x.org", L"MailTo:joe@x.org", true},
        {AddressKind::Web, L"file://c/x.exe", L"file://c/x.exe", false},
    };
    for (const Case& c : cases) {
        const std::wstring target = shellTarget(c.kind, c.address);
        EXPECT_EQ(target, c.target);
        EXPECT_EQ(isOpenableAddress(target), c.openable) << narrow(target);
    }
}

TEST(LinkScan, GesturesAndTooltips) {
    EXPECT_EQ(followTooltip(AddressKind::Web, L"click"), L"Click to open in browser");
    EXPECT_EQ(followTooltip(AddressKind::Web, L"doubleClick"), L"Double click to open in browser");
    EXPECT_EQ(followTooltip(AddressKind::Web, L"ctrlClick"), L"CTRL + click to open in browser");
    EXPECT_EQ(followTooltip(AddressKind::Email, L"click"), L"Click to compose e-mail");
    EXPECT_EQ(followTooltip(AddressKind::Email, L"doubleClick"), L"Double click to compose e-mail");
    EXPECT_EQ(followTooltip(AddressKind::Email, L"ctrlClick"), L"CTRL + click to compose e-mail");
    EXPECT_EQ(followTooltip(AddressKind::Web, L"none"), L"");

    struct Case {
        const wchar_t* mode;
        bool ctrl;
        bool follows;
    };
    const Case releases[] = {{L"click", false, true},    {L"click", true, true},        {L"ctrlClick", false, false},
                             {L"ctrlClick", true, true}, {L"doubleClick", true, false}, {L"none", true, false}};
    for (const Case& c : releases) EXPECT_EQ(releaseFollows(c.mode, c.ctrl), c.follows) << narrow(c.mode);

    // A press and release fewer than 10 pixels apart both ways is a click; farther is a drag.
    struct Release {
        int pressX, pressY, releaseX, releaseY;
        bool click;
    };
    const Release gestures[] = {{100, 100, 109, 91, true}, {100, 100, 110, 100, false}, {100, 100, 100, 90, false},
                                {30, 200, 39, 191, true},  {30, 200, 40, 200, false},   {30, 200, 30, 190, false},
                                {200, 30, 191, 39, true},  {200, 30, 200, 40, false}};
    for (const Release& r : gestures) {
        EXPECT_EQ(isClick(r.pressX, r.pressY, r.releaseX, r.releaseY), r.click)
            << r.pressX << "," << r.pressY << " to " << r.releaseX << "," << r.releaseY;
    }
}

}  // namespace
}  // namespace vantry
