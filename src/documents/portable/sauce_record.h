// SAUCE records: the 128 bytes ("SAUCE00" ...) that art and NFO files carry after their
// text, with an optional block of comment lines ("COMNT" ...) and the end-of-file byte
// 0x1A before them. The program keeps the record out of the text and writes it back as
// it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// Where a valid record's part of the file begins (its 0x1A, comment block and record),
// or bytes.size() when the file ends in no record that validates: too short, no
// "SAUCE00", or a comment count whose block would begin before the file or does not
// begin with "COMNT". Nothing is guessed: bytes that may be the user's stay text.
size_t sauceTailStart(std::string_view bytes);

struct SauceDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct SauceRecord {
    std::wstring title;  // code page 437, trailing spaces and NULs taken off
    std::wstring author;
    std::wstring group;
    std::optional<SauceDate> date;  // nothing unless the field is eight digits of a real date
    std::wstring dateText;          // the field as stored, for a date that is none
    std::wstring fontName;          // "IBM VGA"
    std::vector<std::wstring> comments;
};

// The record in a tail that sauceTailStart found; nothing for any other bytes.
std::optional<SauceRecord> parseSauceRecord(std::string_view tail);

}  // namespace vantry
