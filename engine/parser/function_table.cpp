#include "engine/parser/function_table.h"

#include <algorithm>
#include <array>

#include "engine/nodes/arithmetic_nodes.h"
#include "engine/nodes/series_nodes.h"

namespace NCalculatorText {

namespace {

template <class Node>
std::unique_ptr<CNode> Make() {
    return std::make_unique<Node>();
}

struct FunctionName {
    std::u16string_view name;
    NodeFactory make;  // nullptr: the node is not built yet, the name declines
};

// Sorted by name (code unit order) for the binary search below.
constexpr auto kFunctions = [] {
    std::array<FunctionName, 92> table = {{
        {u"BesselI", nullptr},
        {u"BesselJ", nullptr},
        {u"BesselK", nullptr},
        {u"BesselY", nullptr},
        {u"Gamma", nullptr},
        {u"I", nullptr},
        {u"J", nullptr},
        {u"K", nullptr},
        {u"Prod", &Make<CNodeProduct>},
        {u"Product", &Make<CNodeProduct>},
        {u"Sum", &Make<CNodeSum>},
        {u"Y", nullptr},
        {u"abs", nullptr},
        {u"acos", nullptr},
        {u"acosh", nullptr},
        {u"acot", nullptr},
        {u"acoth", nullptr},
        {u"acsc", nullptr},
        {u"acsch", nullptr},
        {u"arccos", nullptr},
        {u"arccosec", nullptr},
        {u"arccot", nullptr},
        {u"arccsc", nullptr},
        {u"arcctg", nullptr},
        {u"arch", nullptr},
        {u"arcosh", nullptr},
        {u"arcoth", nullptr},
        {u"arcsch", nullptr},
        {u"arcsec", nullptr},
        {u"arcsin", nullptr},
        {u"arctan", nullptr},
        {u"arctg", nullptr},
        {u"arcth", nullptr},
        {u"arg", nullptr},
        {u"argument", nullptr},
        {u"arsch", nullptr},
        {u"arsech", nullptr},
        {u"arsh", nullptr},
        {u"arsinh", nullptr},
        {u"artanh", nullptr},
        {u"arth", nullptr},
        {u"asec", nullptr},
        {u"asech", nullptr},
        {u"asin", nullptr},
        {u"asinh", nullptr},
        {u"atan", nullptr},
        {u"atanh", nullptr},
        {u"ceil", nullptr},
        {u"ceiling", nullptr},
        {u"ch", nullptr},
        {u"conj", nullptr},
        {u"conjugate", nullptr},
        {u"cos", nullptr},
        {u"cosec", nullptr},
        {u"cosh", nullptr},
        {u"cot", nullptr},
        {u"coth", nullptr},
        {u"csc", nullptr},
        {u"csch", nullptr},
        {u"ctg", nullptr},
        {u"cth", nullptr},
        {u"exp", nullptr},
        {u"fact", nullptr},
        {u"floor", nullptr},
        {u"im", nullptr},
        {u"imag", nullptr},
        {u"imaginary", nullptr},
        {u"imaginarypart", nullptr},
        {u"lg", nullptr},
        {u"ln", nullptr},
        {u"log", nullptr},
        {u"pow", nullptr},
        {u"re", nullptr},
        {u"real", nullptr},
        {u"realpart", nullptr},
        {u"sec", nullptr},
        {u"sech", nullptr},
        {u"sh", nullptr},
        {u"sign", &Make<CNodeSign>},
        {u"sin", nullptr},
        {u"sinh", nullptr},
        {u"sqrt", nullptr},
        {u"tan", nullptr},
        {u"tanh", nullptr},
        {u"tg", nullptr},
        {u"th", nullptr},
        {u"\u0393", nullptr},           // Gamma
        {u"\u03A0", &Make<CNodeProduct>},
        {u"\u03A3", &Make<CNodeSum>},
        {u"\u220F", &Make<CNodeProduct>},
        {u"\u2211", &Make<CNodeSum>},
        {u"\u221A", nullptr},           // square root
    }};
    return table;
}();
static_assert(std::is_sorted(kFunctions.begin(), kFunctions.end(),
                             [](const FunctionName& a, const FunctionName& b) { return a.name < b.name; }));
static_assert(std::all_of(kFunctions.begin(), kFunctions.end(),
                          [](const FunctionName& f) { return f.name.size() <= kLongestFunctionName; }));

} // namespace

NodeFactory FindFunction(std::u16string_view name) noexcept {
    const auto found = std::lower_bound(kFunctions.begin(), kFunctions.end(), name,
                                        [](const FunctionName& entry, std::u16string_view key) { return entry.name < key; });
    if (found == kFunctions.end() || found->name != name)
        return nullptr;
    return found->make;
}

} // namespace NCalculatorText
