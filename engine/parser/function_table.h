#pragma once
// Every function of the language: the node it builds, its names in both notations,
// its parameters and the operation that labels its reports. Names are
// case-sensitive; both notations are accepted at all times.

#include <array>
#include <memory>
#include <span>
#include <string_view>

#include "engine/core/operation.h"

namespace NCalculatorText {

class CNode;

using NodeFactory = std::unique_ptr<CNode> (*)();

// The notation whose keypad and completion offer a name; the parser reads every name.
enum class NameNotation : unsigned char { Both, West, East };

struct FunctionAlias {
    std::u16string_view name; // empty: unused
    NameNotation notation;
};

struct FunctionEntry {
    std::u16string_view west;             // the name of the West notation (the keypad's)
    std::u16string_view east;             // the name of the East notation; the West one where they agree
    std::array<FunctionAlias, 3> aliases; // further names
    // As a call writes them, comma-separated; an optional one in brackets: "index, from, to, [step,] term".
    std::u16string_view parameters;
    Operation operation; // labels its log messages; None for a function that reports nothing of its own
    NodeFactory make;
};

// One name of a function, as the completion offers it.
struct FunctionName {
    std::u16string_view name;
    NameNotation notation;
    std::u16string_view arguments; // the function's parameters
    NodeFactory make;
};

struct ArgumentCount {
    int least;
    int most;
};

// In the order of the reference: trigonometric, hyperbolic, exponential and powers,
// parts of a number, factorial and Gamma, Bessel, series.
std::span<const FunctionEntry> FunctionEntries() noexcept;

// Every name of every function, sorted by name in code unit order.
std::span<const FunctionName> FunctionNames() noexcept;

// The entry a name builds; nullptr for a name that is not a function.
const FunctionEntry* FindFunctionEntry(std::u16string_view name) noexcept;

// The name's own record; nullptr for a name that is not a function.
const FunctionName* FindFunctionName(std::u16string_view name) noexcept;

// The factory of a function name; nullptr for a name that is not a function.
NodeFactory FindFunction(std::u16string_view name) noexcept;

// How many arguments a call takes, counted from the parameters.
ArgumentCount ArgumentsOf(const FunctionEntry& entry) noexcept;

// The name of a notation: 0 West, 1 East.
inline std::u16string_view NameIn(const FunctionEntry& entry, int notation) noexcept {
    return notation == 1 ? entry.east : entry.west;
}

// Whether a name of this notation belongs to the chosen one (West or East).
constexpr bool InNotation(NameNotation name, NameNotation chosen) noexcept {
    return name == NameNotation::Both || name == chosen;
}

// Every name of the entry with its notation: West, East (when it differs), the aliases.
template <class Visit> constexpr void ForEachName(const FunctionEntry& entry, Visit visit) {
    if (entry.east == entry.west) {
        visit(entry.west, NameNotation::Both);
    } else {
        visit(entry.west, NameNotation::West);
        visit(entry.east, NameNotation::East);
    }
    for (const FunctionAlias& alias : entry.aliases) {
        if (!alias.name.empty())
            visit(alias.name, alias.notation);
    }
}

// The longest function name, in code units.
inline constexpr std::size_t kLongestFunctionName = 13;

} // namespace NCalculatorText
