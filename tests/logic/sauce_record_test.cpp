// SAUCE records at the end of art files: found only when they validate, read into
// their fields, kept out of the text and written back as they were.
#include <gtest/gtest.h>

#include <cstring>

#include "documents/portable/sauce_record.h"
#include "documents/portable/text_encoder.h"
#include "fuzz/fuzz_support.h"

namespace vantry {
namespace {

struct RecordFields {
    std::string title = "Fire";
    std::string author = "Artist";
    std::string group = "Group";
    std::string date = "20220926";
    int comments = 0;
    std::string font = "IBM VGA";
};

// 128 bytes as the format lays them out; the binary fields hold zeros, as they often do.
std::string record(const RecordFields& fields) {
    std::string bytes = "SAUCE00";
    const auto field = [&](const std::string& text, size_t size, char pad) {
        bytes += text.substr(0, size) + std::string(size - std::min(size, text.size()), pad);
    };
    field(fields.title, 35, ' ');
    field(fields.author, 20, ' ');
    field(fields.group, 20, ' ');
    field(fields.date, 8, ' ');
    bytes += std::string("\x10\x27\0\0\x01\x01\x50\0\x19\0\0\0\0\0", 14);  // size, types, width 80, 25 lines
    bytes += static_cast<char>(fields.comments);
    bytes += '\x01';  // flags
    field(fields.font, 22, '\0');
    return bytes;
}

std::string commentBlock(std::initializer_list<const char*> lines) {
    std::string block = "COMNT";
    for (const char* line : lines) block += std::string(line) + std::string(64 - std::strlen(line), ' ');
    return block;
}

TEST(SauceRecords, OnlyARecordThatValidatesLeavesTheText) {
    const std::string art = "\xDB\xDB art\r\n";
    RecordFields twoComments;
    twoComments.comments = 2;
    RecordFields tooManyComments;
    tooManyComments.comments = 9;
    struct Case {
        const char* what;
        std::string bytes;
        size_t tailStart;
    };
    const Case cases[] = {
        {"end-of-file byte and record", art + "\x1A" + record({}), art.size()},
        {"with a comment block", art + "\x1A" + commentBlock({"first", "second"}) + record(twoComments), art.size()},
        {"without the end-of-file byte", art + record({}), art.size()},
        {"a record alone", record({}), 0},
        {"a record cut short", art + record({}).substr(1), art.size() + 127},
        {"comments that would begin before the file", art + record(tooManyComments), art.size() + 128},
        {"a comment block without its mark", art + std::string(5 + 128, 'x') + record(twoComments), art.size() + 261},
        {"another version", art + "\x1A" + "SAUCE01" + record({}).substr(7), art.size() + 129},
        {"comments from the file's first byte", commentBlock({"a", "b"}) + record(twoComments), 0},
        {"one comment line too many", commentBlock({"a"}) + record(twoComments), 5 + 64 + 128},
        {"no record", art, art.size()},
    };
    for (const Case& c : cases) EXPECT_EQ(sauceTailStart(c.bytes), c.tailStart) << c.what;
}

TEST(SauceRecords, TheFieldsAreReadAsTheyAreMeant) {
    RecordFields fields;
    fields.title = "Fire \x80t\xE9";  // 437: Ç and θ
    fields.comments = 2;
    const std::string tail = "\x1A" + commentBlock({"Made for the party", "Greets"}) + record(fields);
    const std::optional<SauceRecord> parsed = parseSauceRecord(tail);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->title, L"Fire \xC7t\x398");
    EXPECT_EQ(parsed->author, L"Artist");
    EXPECT_EQ(parsed->group, L"Group");
    ASSERT_TRUE(parsed->date);
    EXPECT_EQ(parsed->date->year * 10000 + parsed->date->month * 100 + parsed->date->day, 20220926);
    EXPECT_EQ(parsed->fontName, L"IBM VGA");
    EXPECT_EQ(parsed->comments, (std::vector<std::wstring>{L"Made for the party", L"Greets"}));

    struct Case {
        const char* date;
        bool valid;
    };
    const Case dates[] = {{"20220926", true},  {"2022-9-2", false}, {"        ", false}, {"20230229", false},
                          {"20240229", true},  {"20221301", false}, {"19961100", false}, {"20220431", false},
                          {"19000229", false}, {"20000229", true}};
    for (const Case& c : dates) {
        RecordFields dated;
        dated.date = c.date;
        const auto read = parseSauceRecord(record(dated));
        ASSERT_TRUE(read) << c.date;
        EXPECT_EQ(read->date.has_value(), c.valid) << c.date;
    }
    EXPECT_FALSE(parseSauceRecord("plain text"));

    // A field ends at its first NUL and stays on one line.
    RecordFields odd;
    odd.title = std::string("Fire\0old title", 14);
    odd.author = "Art\tist\r\n";
    const auto read = parseSauceRecord(record(odd));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title, L"Fire");
    EXPECT_EQ(read->author, L"Art ist");
}

// The record is no text: it is not shown, and every save writes it back after the text
// as it was, NUL bytes and all, whatever the encoding.
TEST(SauceRecords, ARecordIsKeptOutOfTheTextAndSavedBackAsItWas) {
    const std::string art = "\xDB\xDB\xB0 \r\n";  // an even count, so that UTF-16 reads it whole
    const std::string tail = "\x1A" + record({});
    const fuzz::Latin1Decoder decoder;
    const fuzz::Latin1Encoder encoder;
    for (const TextEncoding chosen : {TextEncoding::None, TextEncoding::Dos866, TextEncoding::Utf16LE}) {
        const DecodedDocument document = decodeDocument(art + tail, chosen, decoder, encoder, {true});
        EXPECT_EQ(document.text.find(L"SAUCE"), std::wstring::npos);
        EXPECT_EQ(document.trail, tail);
        EXPECT_TRUE(document.exact);
        const auto saved =
            encodeForSaving(document.text, document.encoding, encoder, false, document.lead, document.trail);
        EXPECT_EQ(saved, art + tail) << static_cast<int>(chosen);
    }
}

}  // namespace
}  // namespace vantry
