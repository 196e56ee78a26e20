#include "engine/parser/nearest_name.h"

#include <algorithm>
#include <vector>

#include "engine/parser/function_table.h"

namespace NCalculatorText {

namespace {

char16_t Folded(char16_t unit) noexcept {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool SameFolded(std::u16string_view a, std::u16string_view b) noexcept {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

bool StartsFolded(std::u16string_view text, std::u16string_view prefix) noexcept {
    return text.size() >= prefix.size() && SameFolded(text.substr(0, prefix.size()), prefix);
}

// Optimal string alignment distance on case-folded units.
std::size_t EditDistance(std::u16string_view a, std::u16string_view b) {
    const std::size_t columns = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * columns);
    auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * columns + j]; };
    for (std::size_t i = 0; i <= a.size(); ++i)
        at(i, 0) = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        at(0, j) = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = Folded(a[i - 1]) == Folded(b[j - 1]) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && Folded(a[i - 1]) == Folded(b[j - 2]) &&
                Folded(a[i - 2]) == Folded(b[j - 1]))
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(a.size(), b.size());
}

// Every function name, in the order of the table (West names before the others).
std::vector<std::u16string_view> AllNames() {
    std::vector<std::u16string_view> names;
    for (const FunctionEntry& entry : FunctionEntries())
        ForEachName(entry, [&names](std::u16string_view name, NameNotation) { names.push_back(name); });
    return names;
}

constexpr std::size_t kShortestPrefix = 3;
constexpr std::size_t kShortestForOneEdit = 4;
constexpr std::size_t kShortestForTwoEdits = 6;

// The nearest name within the given number of edits, or an empty view; of equally near
// names the first that ends like the word, else the first in table order.
std::u16string_view WithinEdits(std::u16string_view word, const std::vector<std::u16string_view>& names,
                                std::size_t allowed) {
    std::u16string_view best;
    std::size_t bestDistance = allowed + 1;
    bool bestSameEnd = false;
    for (std::u16string_view name : names) {
        const std::size_t distance = EditDistance(word, name);
        const bool sameEnd = Folded(name.back()) == Folded(word.back());
        if (distance < bestDistance || (distance == bestDistance && sameEnd && !bestSameEnd)) {
            bestSameEnd = sameEnd;
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

} // namespace

std::u16string_view NearestFunctionName(std::u16string_view word) {
    if (word.empty())
        return {};
    const std::vector<std::u16string_view> names = AllNames();
    for (std::u16string_view name : names) {
        if (SameFolded(name, word))
            return name;
    }
    if (word.size() >= kShortestForOneEdit) {
        if (std::u16string_view near = WithinEdits(word, names, 1); !near.empty())
            return near;
    }

    std::u16string_view best;
    for (std::u16string_view name : names) {
        if (name.size() >= kShortestPrefix && name.size() > best.size() && StartsFolded(word, name))
            best = name;
    }
    if (!best.empty())
        return best;
    if (word.size() >= kShortestPrefix) {
        for (std::u16string_view name : names) {
            if (StartsFolded(name, word) && (best.empty() || name.size() < best.size()))
                best = name;
        }
        if (!best.empty())
            return best;
    }
    return word.size() >= kShortestForTwoEdits ? WithinEdits(word, names, 2) : std::u16string_view();
}

} // namespace NCalculatorText
