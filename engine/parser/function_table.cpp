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

struct FunctionName {
    std::u16string_view name;
    NodeFactory make; // nullptr: the node is not built yet, the name declines
};

// Sorted by name (code unit order) for the binary search below.
constexpr auto kFunctions = [] {
    std::array<FunctionName, 92> table = {{
        {u"BesselI", &Make<CNodeBesselI>},
        {u"BesselJ", &Make<CNodeBesselJ>},
        {u"BesselK", &Make<CNodeBesselK>},
        {u"BesselY", &Make<CNodeBesselY>},
        {u"Gamma", &Make<CNodeGamma>},
        {u"I", &Make<CNodeBesselI>},
        {u"J", &Make<CNodeBesselJ>},
        {u"K", &Make<CNodeBesselK>},
        {u"Prod", &Make<CNodeProduct>},
        {u"Product", &Make<CNodeProduct>},
        {u"Sum", &Make<CNodeSum>},
        {u"Y", &Make<CNodeBesselY>},
        {u"abs", &Make<CNodeAbs>},
        {u"acos", &Make<CNodeArcCos>},
        {u"acosh", &Make<CNodeArCh>},
        {u"acot", &Make<CNodeArcCtg>},
        {u"acoth", &Make<CNodeArCth>},
        {u"acsc", &Make<CNodeArcCosec>},
        {u"acsch", &Make<CNodeArCsch>},
        {u"arccos", &Make<CNodeArcCos>},
        {u"arccosec", &Make<CNodeArcCosec>},
        {u"arccot", &Make<CNodeArcCtg>},
        {u"arccsc", &Make<CNodeArcCosec>},
        {u"arcctg", &Make<CNodeArcCtg>},
        {u"arch", &Make<CNodeArCh>},
        {u"arcosh", &Make<CNodeArCh>},
        {u"arcoth", &Make<CNodeArCth>},
        {u"arcsch", &Make<CNodeArCsch>},
        {u"arcsec", &Make<CNodeArcSec>},
        {u"arcsin", &Make<CNodeArcSin>},
        {u"arctan", &Make<CNodeArcTg>},
        {u"arctg", &Make<CNodeArcTg>},
        {u"arcth", &Make<CNodeArCth>},
        {u"arg", &Make<CNodeArg>},
        {u"argument", &Make<CNodeArg>},
        {u"arsch", &Make<CNodeArSch>},
        {u"arsech", &Make<CNodeArSch>},
        {u"arsh", &Make<CNodeArSh>},
        {u"arsinh", &Make<CNodeArSh>},
        {u"artanh", &Make<CNodeArTh>},
        {u"arth", &Make<CNodeArTh>},
        {u"asec", &Make<CNodeArcSec>},
        {u"asech", &Make<CNodeArSch>},
        {u"asin", &Make<CNodeArcSin>},
        {u"asinh", &Make<CNodeArSh>},
        {u"atan", &Make<CNodeArcTg>},
        {u"atanh", &Make<CNodeArTh>},
        {u"ceil", &Make<CNodeCeil>},
        {u"ceiling", &Make<CNodeCeil>},
        {u"ch", &Make<CNodeCh>},
        {u"conj", &Make<CNodeConjugate>},
        {u"conjugate", &Make<CNodeConjugate>},
        {u"cos", &Make<CNodeCos>},
        {u"cosec", &Make<CNodeCosec>},
        {u"cosh", &Make<CNodeCh>},
        {u"cot", &Make<CNodeCtg>},
        {u"coth", &Make<CNodeCth>},
        {u"csc", &Make<CNodeCosec>},
        {u"csch", &Make<CNodeCsch>},
        {u"ctg", &Make<CNodeCtg>},
        {u"cth", &Make<CNodeCth>},
        {u"exp", &Make<CNodeExp>},
        {u"fact", &Make<CNodeFactorial>},
        {u"floor", &Make<CNodeFloor>},
        {u"im", &Make<CNodeIm>},
        {u"imag", &Make<CNodeIm>},
        {u"imaginary", &Make<CNodeIm>},
        {u"imaginarypart", &Make<CNodeIm>},
        {u"lg", &Make<CNodeLg>},
        {u"ln", &Make<CNodeLn>},
        {u"log", &Make<CNodeLg>},
        {u"pow", &Make<CNodePow>},
        {u"re", &Make<CNodeRe>},
        {u"real", &Make<CNodeRe>},
        {u"realpart", &Make<CNodeRe>},
        {u"sec", &Make<CNodeSec>},
        {u"sech", &Make<CNodeSech>},
        {u"sh", &Make<CNodeSh>},
        {u"sign", &Make<CNodeSign>},
        {u"sin", &Make<CNodeSin>},
        {u"sinh", &Make<CNodeSh>},
        {u"sqrt", &Make<CNodeSqrt>},
        {u"tan", &Make<CNodeTg>},
        {u"tanh", &Make<CNodeTh>},
        {u"tg", &Make<CNodeTg>},
        {u"th", &Make<CNodeTh>},
        {u"\u0393", &Make<CNodeGamma>}, // Gamma
        {u"\u03A0", &Make<CNodeProduct>},
        {u"\u03A3", &Make<CNodeSum>},
        {u"\u220F", &Make<CNodeProduct>},
        {u"\u2211", &Make<CNodeSum>},
        {u"\u221A", &Make<CNodeSqrt>}, // square root
    }};
    return table;
}();
static_assert(std::is_sorted(kFunctions.begin(), kFunctions.end(),
                             [](const FunctionName& a, const FunctionName& b) { return a.name < b.name; }));
static_assert(std::all_of(kFunctions.begin(), kFunctions.end(),
                          [](const FunctionName& f) { return f.name.size() <= kLongestFunctionName; }));

} // namespace

NodeFactory FindFunction(std::u16string_view name) noexcept {
    const auto found =
        std::lower_bound(kFunctions.begin(), kFunctions.end(), name,
                         [](const FunctionName& entry, std::u16string_view key) { return entry.name < key; });
    if (found == kFunctions.end() || found->name != name)
        return nullptr;
    return found->make;
}

} // namespace NCalculatorText
