// What the program says about itself: its version and the about box's credits and
// addresses. Plain macros, so that the resource script can use the version too.
#pragma once

#define VANTRY_VERSION_TEXT "1.51"
#define VANTRY_VERSION_NUMBERS 1, 51, 0, 0
#define VANTRY_PRODUCT_LINE L"Vantry " VANTRY_WIDE(VANTRY_VERSION_TEXT)
#define VANTRY_WIDE(text) VANTRY_WIDE_(text)
#define VANTRY_WIDE_(text) L##text

#define VANTRY_AUTHOR_CREDIT L"Written by the Vantry developers"
#define VANTRY_FEEDBACK_ADDRESS L"feedback@example.org"
#define VANTRY_MAKER_LINE L"\x00A9 2026 the Vantry project"
#define VANTRY_WEB_ADDRESS L"https://www.example.org/vantry/"
#define VANTRY_FONT_CREDIT L"NFO faces from the VGA fonts of Dmitry Bolkhovityanov"
