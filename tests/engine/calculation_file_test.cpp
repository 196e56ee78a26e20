// The byte form of calculation and memory files.

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
    EXPECT_EQ(DecodeCalculationFile(EncodeCalculationFile(text)), text);
}

TEST(CalculationFile, DecodingRules) {
    struct Row {
        const char* name;
        std::string bytes;
        std::u16string text;
    };
    const Row rows[] = {
        {"odd_last_byte_ignored", Bytes({0xFF, 0xFE, 'a', 0, 'b'}), u"a"},
        {"text_ends_at_nul", Bytes({'a', 0, 0, 0, 'b', 0}), u"a"},
        {"every_bom_removed", Bytes({0xFF, 0xFE, 'a', 0, 0xFF, 0xFE, 'b', 0}), u"ab"},
        {"no_bom_still_little_endian", Bytes({'x', 0, 0x12, 0x22}), u"x\u2212"},
        {"empty", "", u""},
        {"single_byte", Bytes({'a'}), u""},
        {"lone_surrogate_kept", Bytes({0x00, 0xD8, 'a', 0}),
         u"\xD800"
         u"a"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DecodeCalculationFile(row.bytes), row.text) << row.name;
}

TEST(MemoryFile, WritesCodeUnitsAsTheyAre) {
    EXPECT_EQ(EncodeUtf16LittleEndian(u"\uFEFF1"), Bytes({0xFF, 0xFE, '1', 0}));
}

} // namespace
