#include "documents/portable/sauce_record.h"

#include <chrono>

#include "documents/portable/code_pages.h"

namespace vantry {
namespace {

constexpr size_t kRecordSize = 128;
constexpr size_t kCommentLineSize = 64;
constexpr std::string_view kRecordId = "SAUCE00";
constexpr std::string_view kCommentId = "COMNT";
constexpr char kEndOfFile = '\x1A';

// Offsets of the fields the program shows.
constexpr size_t kTitle = 7, kTitleSize = 35;
constexpr size_t kAuthor = 42, kAuthorSize = 20;
constexpr size_t kGroup = 62, kGroupSize = 20;
constexpr size_t kDate = 82, kDateSize = 8;
constexpr size_t kComments = 104;
constexpr size_t kFontName = 106, kFontNameSize = 22;

// The start of the comment block, or nothing when the record has none that validates.
std::optional<size_t> commentStart(std::string_view bytes, size_t recordStart) {
    const auto lines = static_cast<unsigned char>(bytes[recordStart + kComments]);
    if (lines == 0) return recordStart;
    const size_t blockSize = kCommentId.size() + lines * kCommentLineSize;
    if (blockSize > recordStart) return std::nullopt;  // would begin before the file
    const size_t start = recordStart - blockSize;
    if (bytes.substr(start, kCommentId.size()) != kCommentId) return std::nullopt;
    return start;
}

// A field in code page 437, up to its first NUL, on one line (a tab or line break in it
// shows as a space), without the spaces that pad it.
std::wstring fieldText(std::string_view field) {
    std::wstring text = decodeCodePage(field.substr(0, field.find('\0')), CodePage::Dos437);
    for (wchar_t& character : text) {
        if (character == L'\t' || character == L'\r' || character == L'\n') character = L' ';
    }
    text.erase(text.find_last_not_of(L' ') + 1);
    return text;
}

std::optional<SauceDate> dateOf(std::string_view field) {
    int digits[8] = {};
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return std::nullopt;
        digits[i] = field[i] - '0';
    }
    const SauceDate date{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
                         digits[6] * 10 + digits[7]};
    using namespace std::chrono;
    const year_month_day calendar{year{date.year}, month{static_cast<unsigned>(date.month)},
                                  day{static_cast<unsigned>(date.day)}};
    if (date.year == 0 || !calendar.ok()) return std::nullopt;
    return date;
}

}  // namespace

size_t sauceTailStart(std::string_view bytes) {
    if (bytes.size() < kRecordSize) return bytes.size();
    const size_t recordStart = bytes.size() - kRecordSize;
    if (bytes.substr(recordStart, kRecordId.size()) != kRecordId) return bytes.size();
    const std::optional<size_t> start = commentStart(bytes, recordStart);
    if (!start) return bytes.size();
    return *start > 0 && bytes[*start - 1] == kEndOfFile ? *start - 1 : *start;
}

std::optional<SauceRecord> parseSauceRecord(std::string_view tail) {
    if (tail.size() < kRecordSize || sauceTailStart(tail) != 0) return std::nullopt;
    const std::string_view record = tail.substr(tail.size() - kRecordSize);
    SauceRecord parsed;
    parsed.title = fieldText(record.substr(kTitle, kTitleSize));
    parsed.author = fieldText(record.substr(kAuthor, kAuthorSize));
    parsed.group = fieldText(record.substr(kGroup, kGroupSize));
    parsed.date = dateOf(record.substr(kDate, kDateSize));
    parsed.dateText = fieldText(record.substr(kDate, kDateSize));
    parsed.fontName = fieldText(record.substr(kFontName, kFontNameSize));
    const auto lines = static_cast<unsigned char>(record[kComments]);
    const size_t block = tail.size() - kRecordSize - lines * kCommentLineSize;
    for (size_t line = 0; line < lines; ++line) {
        parsed.comments.push_back(fieldText(tail.substr(block + line * kCommentLineSize, kCommentLineSize)));
    }
    return parsed;
}

}  // namespace vantry
