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

struct FunctionEntry {
    std::u16string_view west; // the name of the West notation
    std::u16string_view east; // the name of the East notation; the West one where they agree
    std::array<std::u16string_view, 3> aliases; // further names; empty ones are unused
    // As written in a call, comma-separated; an optional one in brackets: u"index, from, to[, step], term".
    std::u16string_view parameters;
    Operation operation; // labels its log messages; None for a function that reports nothing of its own
    NodeFactory make;
};

struct ArgumentCount {
    int least;
    int most;
};

// In the order of the reference: trigonometric, hyperbolic, exponential and powers,
// parts of a number, factorial and Gamma, Bessel, series.
std::span<const FunctionEntry> FunctionEntries() noexcept;

// The entry a name builds; nullptr for a name that is not a function.
const FunctionEntry* FindFunctionEntry(std::u16string_view name) noexcept;

// The factory of a function name; nullptr for a name that is not a function.
NodeFactory FindFunction(std::u16string_view name) noexcept;

// How many arguments a call takes, counted from the parameters.
ArgumentCount ArgumentsOf(const FunctionEntry& entry) noexcept;

// The name of a notation: 0 West, 1 East.
inline std::u16string_view NameIn(const FunctionEntry& entry, int notation) noexcept {
    return notation == 1 ? entry.east : entry.west;
}

// Every name of the entry: West, East (when it differs) and the aliases.
template <class Visit> constexpr void ForEachName(const FunctionEntry& entry, Visit visit) {
    visit(entry.west);
    if (entry.east != entry.west)
        visit(entry.east);
    for (const std::u16string_view& alias : entry.aliases) {
        if (!alias.empty())
            visit(alias);
    }
}

// The longest function name, in code units.
inline constexpr std::size_t kLongestFunctionName = 13;

} // namespace NCalculatorText
