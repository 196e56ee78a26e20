#include "engine/parser/keyword_table.h"

#include <array>

#include "engine/nodes/keyword_nodes.h"
#include "engine/nodes/number_nodes.h"

namespace NCalculatorText {

namespace {

template <class Node> std::unique_ptr<CNode> Make() {
    return std::make_unique<Node>();
}

// "i" and "j" both mean the imaginary unit, whatever letter results are written with.
constexpr auto kKeywords = std::to_array<KeywordEntry>({
    {u"pi", &Make<CNodePi>},
    {u"\u03C0", &Make<CNodePi>},
    {u"e", &Make<CNodeE>},
    {u"i", &Make<CNodeI>},
    {u"j", &Make<CNodeI>},
    {u"result", &Make<CNodeResult>},
    {u"rslt", &Make<CNodeResult>},
    {u"rand", &Make<CNodeRandom>},
    {u"random", &Make<CNodeRandom>},
});

} // namespace

std::span<const KeywordEntry> Keywords() noexcept {
    return kKeywords;
}

NodeFactory FindKeyword(std::u16string_view name) noexcept {
    for (const KeywordEntry& keyword : kKeywords) {
        if (keyword.name == name)
            return keyword.make;
    }
    return nullptr;
}

} // namespace NCalculatorText
