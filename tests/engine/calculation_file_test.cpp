// The byte form of calculation and memory files: what the program writes, and the
// encodings it reads from other editors.

#include <gtest/gtest.h>

#include "engine/files/calculation_file.h"

using namespace NCalculatorText;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes.push_back(static_cast<char>(v));
    return bytes;
}

TEST(CalculationFile, EmptyTextIsTheByteOrderMarkAlone) {
    EXPECT_EQ(EncodeCalculationFile(u""), Bytes({0xFF, 0xFE}));
}

TEST(CalculationFile, RoundTripsAnyText) {
    const std::u16string text = u"1+1=2;\r\n\u221A(4) // \u03C0 \U0001F600";
    const DecodedText decoded = DecodeCalculationFile(EncodeCalculationFile(text));
    EXPECT_EQ(decoded.encoding, TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(decoded.text, text);
}

struct DecodingRow {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::u16string text;
};

void ExpectDecoded(const DecodingRow& row, UnmarkedBytes unmarked) {
    const DecodedText decoded = DecodeCalculationFile(row.bytes, unmarked);
    EXPECT_EQ(decoded.encoding, row.encoding) << row.name;
    EXPECT_EQ(decoded.text, row.text) << row.name;
}

TEST(CalculationFile, DecodingRules) {
    const TextEncoding le = TextEncoding::Utf16LittleEndian;
    const TextEncoding be = TextEncoding::Utf16BigEndian;
    const TextEncoding utf8 = TextEncoding::Utf8;
    const TextEncoding unreadable = TextEncoding::Unreadable;
    const DecodingRow rows[] = {
        {"odd_last_byte_ignored", Bytes({0xFF, 0xFE, 'a', 0, 'b'}), le, u"a"},
        {"text_ends_at_nul", Bytes({'a', 0, 0, 0, 'b', 0}), le, u"a"},
        {"every_bom_removed", Bytes({0xFF, 0xFE, 'a', 0, 0xFF, 0xFE, 'b', 0}), le, u"ab"},
        {"nul_bytes_without_a_mark_are_little_endian", Bytes({'x', 0, 0x12, 0x22}), le, u"x\u2212"},
        {"empty", "", utf8, u""},
        {"lone_surrogate_kept", Bytes({0x00, 0xD8, 'a', 0}), le,
         u"\xD800"
         u"a"},
        {"big_endian_mark", Bytes({0xFE, 0xFF, 0, '2', 0x22, 0x12, 0, '1', 0, 0, 0, '9'}), be, u"2\u22121"},
        {"big_endian_odd_last_byte_and_inner_mark_dropped",
         Bytes({0xFE, 0xFF, 0, 'a', 0xFE, 0xFF, 0, 'b', 0}), be, u"ab"},
        {"utf8_mark",
         "\xEF\xBB\xBF"
         "2+3;",
         utf8, u"2+3;"},
        {"utf8_mark_text_ends_at_nul",
         std::string("\xEF\xBB\xBF"
                     "1;\0"
                     "\xFF",
                     7),
         utf8, u"1;"},
        {"utf8_without_a_mark", "\xCF\x80*2; // \xE2\x88\x9A", utf8, u"\u03C0*2; // \u221A"},
        {"utf8_inner_marks_dropped", "1\xEF\xBB\xBF+2", utf8, u"1+2"},
        {"one_ascii_byte_is_utf8", "7", utf8, u"7"},
        {"utf8_mark_then_invalid_sequence",
         "\xEF\xBB\xBF"
         "1\xC0\xAF",
         unreadable, u""},
        {"latin1_text_is_neither", "2\xB2+1; // caf\xE9", unreadable, u""},
        {"single_invalid_byte", Bytes({0xFF}), unreadable, u""},
        {"encoded_surrogate_is_invalid_utf8", "\xED\xA0\x80", unreadable, u""},
    };
    for (const DecodingRow& row : rows)
        ExpectDecoded(row, UnmarkedBytes::Detect);
}

TEST(CalculationFile, StandardInputWithoutAMarkIsUtf8) {
    const DecodingRow rows[] = {
        {"nul_ends_the_text",
         std::string("2+3;\0"
                     "1/0",
                     8),
         TextEncoding::Utf8, u"2+3;"},
        {"utf8_mark_stripped",
         "\xEF\xBB\xBF"
         "2+3;",
         TextEncoding::Utf8, u"2+3;"},
        {"invalid_before_nul", std::string("1\xFF\0", 3), TextEncoding::Unreadable, u""},
        {"invalid_after_nul_is_not_read", std::string("1\0\xFF", 3), TextEncoding::Utf8, u"1"},
        {"little_endian_mark_still_counts", Bytes({0xFF, 0xFE, '4', 0}), TextEncoding::Utf16LittleEndian,
         u"4"},
    };
    for (const DecodingRow& row : rows)
        ExpectDecoded(row, UnmarkedBytes::Utf8);
}

TEST(MemoryFile, WritesCodeUnitsAsTheyAre) {
    EXPECT_EQ(EncodeUtf16LittleEndian(u"\uFEFF1"), Bytes({0xFF, 0xFE, '1', 0}));
}

} // namespace
