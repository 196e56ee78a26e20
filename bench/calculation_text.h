#pragma once
// The calculation text that the "Calculate all" benchmarks run, of a given size.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bench {

// A text of numbers, operators, brackets, stores and reads of memory cells, comments
// and old results, about 12 code units per statement (some 40,000 in a mebibyte),
// from a fixed seed.
inline std::u16string GenerateCalculation(std::size_t bytes) {
    static constexpr std::array<std::u16string_view, 8> kStatements = {
        u"2.5*(3+4)=1;", u"7*3->mem[a#];", u"mem[a#]/7=0;",  u"//total\r\n",
        u"[2+3]*{4-1};", u"1/3+2/3=.9;",   u"rslt-mem[a#];", u"-(8-2)*1e-3;\r\n",
    };
    std::u16string text;
    std::uint32_t state = 12345;
    while (text.size() * 2 < bytes) {
        state = state * 1664525u + 1013904223u;
        std::u16string statement(kStatements[(state >> 16) % kStatements.size()]);
        const std::size_t cell = statement.find(u'#');
        if (cell != std::u16string::npos)
            statement.replace(cell, 1, 1, static_cast<char16_t>(u'0' + (state >> 8) % 10));
        text += statement;
    }
    return text;
}

} // namespace bench
