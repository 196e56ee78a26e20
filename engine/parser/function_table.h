#pragma once
// Every function name of the language and the node it builds. Names are
// case-sensitive; both notations are accepted at all times.

#include <memory>
#include <span>
#include <string_view>

namespace NCalculatorText {

class CNode;

using NodeFactory = std::unique_ptr<CNode> (*)();

// The notation whose keypad and completion offer a name; the parser reads every name.
enum class NameNotation : unsigned char { Both, West, East };

struct FunctionEntry {
    std::u16string_view name;
    NameNotation notation;
    std::u16string_view arguments; // as a call writes them: "order, z" for J(order, z)
    NodeFactory make;              // nullptr: the node is not built yet, the name declines
};

// The factory of a function name; nullptr for a name that is not a function or
// whose node does not exist in this build (the recognizer then declines).
NodeFactory FindFunction(std::u16string_view name) noexcept;

// The entry of a function name, or nullptr.
const FunctionEntry* FindFunctionEntry(std::u16string_view name) noexcept;

// Every entry, sorted by name in code unit order.
std::span<const FunctionEntry> FunctionEntries() noexcept;

// Whether a name of this notation belongs to the chosen one (West or East).
constexpr bool InNotation(NameNotation name, NameNotation chosen) noexcept {
    return name == NameNotation::Both || name == chosen;
}

// The longest function name, in code units.
inline constexpr std::size_t kLongestFunctionName = 13;

} // namespace NCalculatorText
