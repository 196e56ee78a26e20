#pragma once
// The constants and keywords of the language: pi, e, the imaginary unit, the previous
// result and the random number. Each stands alone, without brackets.

#include <span>
#include <string_view>

#include "engine/parser/function_table.h"

namespace NCalculatorText {

struct KeywordEntry {
    std::u16string_view name;
    NodeFactory make;
};

std::span<const KeywordEntry> Keywords() noexcept;

// The factory of a keyword; nullptr for a text that is no keyword.
NodeFactory FindKeyword(std::u16string_view name) noexcept;

// The prefixes of a memory cell, as in mem[a] and memory[a].
inline constexpr std::u16string_view kMemoryPrefix = u"mem";
inline constexpr std::u16string_view kMemoryLongPrefix = u"memory";

} // namespace NCalculatorText
