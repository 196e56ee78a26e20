#include "engine/parser/function_table.h"

#include <algorithm>
#include <array>

#include "engine/functions/bessel_nodes.h"
#include "engine/functions/component_nodes.h"
#include "engine/functions/elementary_nodes.h"
#include "engine/functions/gamma_nodes.h"
#include "engine/functions/hyperbolic_nodes.h"
#include "engine/functions/logarithm_nodes.h"
#include "engine/functions/power_node.h"
#include "engine/functions/reciprocal_nodes.h"
#include "engine/functions/trigonometric_nodes.h"
#include "engine/nodes/arithmetic_nodes.h"
#include "engine/nodes/series_nodes.h"

namespace NCalculatorText {

namespace {

template <class Node> std::unique_ptr<CNode> Make() {
    return std::make_unique<Node>();
}

using enum NameNotation;

// Sorted by name (code unit order) for the binary search below.
constexpr auto kFunctions = [] {
    std::array<FunctionEntry, 92> table = {{
        {u"BesselI", Both, u"order, z", &Make<CNodeBesselI>},
        {u"BesselJ", Both, u"order, z", &Make<CNodeBesselJ>},
        {u"BesselK", Both, u"order, z", &Make<CNodeBesselK>},
        {u"BesselY", Both, u"order, z", &Make<CNodeBesselY>},
        {u"Gamma", Both, u"z", &Make<CNodeGamma>},
        {u"I", Both, u"order, z", &Make<CNodeBesselI>},
        {u"J", Both, u"order, z", &Make<CNodeBesselJ>},
        {u"K", Both, u"order, z", &Make<CNodeBesselK>},
        {u"Prod", Both, u"index, from, to, [step,] term", &Make<CNodeProduct>},
        {u"Product", Both, u"index, from, to, [step,] term", &Make<CNodeProduct>},
        {u"Sum", Both, u"index, from, to, [step,] term", &Make<CNodeSum>},
        {u"Y", Both, u"order, z", &Make<CNodeBesselY>},
        {u"abs", Both, u"z", &Make<CNodeAbs>},
        {u"acos", West, u"z", &Make<CNodeArcCos>},
        {u"acosh", West, u"z", &Make<CNodeArCh>},
        {u"acot", West, u"z", &Make<CNodeArcCtg>},
        {u"acoth", West, u"z", &Make<CNodeArCth>},
        {u"acsc", West, u"z", &Make<CNodeArcCosec>},
        {u"acsch", West, u"z", &Make<CNodeArCsch>},
        {u"arccos", Both, u"z", &Make<CNodeArcCos>},
        {u"arccosec", East, u"z", &Make<CNodeArcCosec>},
        {u"arccot", West, u"z", &Make<CNodeArcCtg>},
        {u"arccsc", West, u"z", &Make<CNodeArcCosec>},
        {u"arcctg", East, u"z", &Make<CNodeArcCtg>},
        {u"arch", East, u"z", &Make<CNodeArCh>},
        {u"arcosh", West, u"z", &Make<CNodeArCh>},
        {u"arcoth", West, u"z", &Make<CNodeArCth>},
        {u"arcsch", Both, u"z", &Make<CNodeArCsch>},
        {u"arcsec", Both, u"z", &Make<CNodeArcSec>},
        {u"arcsin", Both, u"z", &Make<CNodeArcSin>},
        {u"arctan", West, u"z", &Make<CNodeArcTg>},
        {u"arctg", East, u"z", &Make<CNodeArcTg>},
        {u"arcth", East, u"z", &Make<CNodeArCth>},
        {u"arg", Both, u"z", &Make<CNodeArg>},
        {u"argument", Both, u"z", &Make<CNodeArg>},
        {u"arsch", East, u"z", &Make<CNodeArSch>},
        {u"arsech", West, u"z", &Make<CNodeArSch>},
        {u"arsh", East, u"z", &Make<CNodeArSh>},
        {u"arsinh", West, u"z", &Make<CNodeArSh>},
        {u"artanh", West, u"z", &Make<CNodeArTh>},
        {u"arth", East, u"z", &Make<CNodeArTh>},
        {u"asec", West, u"z", &Make<CNodeArcSec>},
        {u"asech", West, u"z", &Make<CNodeArSch>},
        {u"asin", West, u"z", &Make<CNodeArcSin>},
        {u"asinh", West, u"z", &Make<CNodeArSh>},
        {u"atan", West, u"z", &Make<CNodeArcTg>},
        {u"atanh", West, u"z", &Make<CNodeArTh>},
        {u"ceil", Both, u"z", &Make<CNodeCeil>},
        {u"ceiling", Both, u"z", &Make<CNodeCeil>},
        {u"ch", East, u"z", &Make<CNodeCh>},
        {u"conj", Both, u"z", &Make<CNodeConjugate>},
        {u"conjugate", Both, u"z", &Make<CNodeConjugate>},
        {u"cos", Both, u"z", &Make<CNodeCos>},
        {u"cosec", East, u"z", &Make<CNodeCosec>},
        {u"cosh", West, u"z", &Make<CNodeCh>},
        {u"cot", West, u"z", &Make<CNodeCtg>},
        {u"coth", West, u"z", &Make<CNodeCth>},
        {u"csc", West, u"z", &Make<CNodeCosec>},
        {u"csch", Both, u"z", &Make<CNodeCsch>},
        {u"ctg", East, u"z", &Make<CNodeCtg>},
        {u"cth", East, u"z", &Make<CNodeCth>},
        {u"exp", Both, u"z", &Make<CNodeExp>},
        {u"fact", Both, u"n", &Make<CNodeFactorial>},
        {u"floor", Both, u"z", &Make<CNodeFloor>},
        {u"im", Both, u"z", &Make<CNodeIm>},
        {u"imag", Both, u"z", &Make<CNodeIm>},
        {u"imaginary", Both, u"z", &Make<CNodeIm>},
        {u"imaginarypart", Both, u"z", &Make<CNodeIm>},
        {u"lg", East, u"z", &Make<CNodeLg>},
        {u"ln", Both, u"z", &Make<CNodeLn>},
        {u"log", West, u"z", &Make<CNodeLg>},
        {u"pow", Both, u"base, exponent", &Make<CNodePow>},
        {u"re", Both, u"z", &Make<CNodeRe>},
        {u"real", Both, u"z", &Make<CNodeRe>},
        {u"realpart", Both, u"z", &Make<CNodeRe>},
        {u"sec", Both, u"z", &Make<CNodeSec>},
        {u"sech", Both, u"z", &Make<CNodeSech>},
        {u"sh", East, u"z", &Make<CNodeSh>},
        {u"sign", Both, u"z", &Make<CNodeSign>},
        {u"sin", Both, u"z", &Make<CNodeSin>},
        {u"sinh", West, u"z", &Make<CNodeSh>},
        {u"sqrt", Both, u"z", &Make<CNodeSqrt>},
        {u"tan", West, u"z", &Make<CNodeTg>},
        {u"tanh", West, u"z", &Make<CNodeTh>},
        {u"tg", East, u"z", &Make<CNodeTg>},
        {u"th", East, u"z", &Make<CNodeTh>},
        {u"\u0393", Both, u"z", &Make<CNodeGamma>}, // Gamma
        {u"\u03A0", Both, u"index, from, to, [step,] term", &Make<CNodeProduct>},
        {u"\u03A3", Both, u"index, from, to, [step,] term", &Make<CNodeSum>},
        {u"\u220F", Both, u"index, from, to, [step,] term", &Make<CNodeProduct>},
        {u"\u2211", Both, u"index, from, to, [step,] term", &Make<CNodeSum>},
        {u"\u221A", Both, u"z", &Make<CNodeSqrt>}, // square root
    }};
    return table;
}();
static_assert(std::is_sorted(kFunctions.begin(), kFunctions.end(),
                             [](const FunctionEntry& a, const FunctionEntry& b) { return a.name < b.name; }));
static_assert(std::all_of(kFunctions.begin(), kFunctions.end(),
                          [](const FunctionEntry& f) { return f.name.size() <= kLongestFunctionName; }));
static_assert(std::none_of(kFunctions.begin(), kFunctions.end(),
                           [](const FunctionEntry& f) { return f.arguments.empty(); }));

} // namespace

const FunctionEntry* FindFunctionEntry(std::u16string_view name) noexcept {
    const auto found = std::lower_bound(
        kFunctions.begin(), kFunctions.end(), name,
        [](const FunctionEntry& entry, std::u16string_view key) { return entry.name < key; });
    if (found == kFunctions.end() || found->name != name)
        return nullptr;
    return &*found;
}

NodeFactory FindFunction(std::u16string_view name) noexcept {
    const FunctionEntry* entry = FindFunctionEntry(name);
    return entry != nullptr ? entry->make : nullptr;
}

std::span<const FunctionEntry> FunctionEntries() noexcept {
    return kFunctions;
}

} // namespace NCalculatorText
