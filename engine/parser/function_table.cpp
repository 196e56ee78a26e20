#include "engine/parser/function_table.h"

#include <algorithm>

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

using enum Operation;
using enum NameNotation;

// West and East names are those the keypad inserts.
// West and East names are those the keypad inserts; the "a" forms of the inverses are
// West names too.
constexpr auto kEntries = std::to_array<FunctionEntry>({
    {u"sin", u"sin", {}, u"z", Sine, &Make<CNodeSin>},
    {u"cos", u"cos", {}, u"z", Cosine, &Make<CNodeCos>},
    {u"tan", u"tg", {}, u"z", Tangent, &Make<CNodeTg>},
    {u"cot", u"ctg", {}, u"z", Cotangent, &Make<CNodeCtg>},
    {u"sec", u"sec", {}, u"z", Secant, &Make<CNodeSec>},
    {u"csc", u"cosec", {}, u"z", Cosecant, &Make<CNodeCosec>},
    {u"arcsin", u"arcsin", {{{u"asin", West}}}, u"z", Arcsine, &Make<CNodeArcSin>},
    {u"arccos", u"arccos", {{{u"acos", West}}}, u"z", Arccosine, &Make<CNodeArcCos>},
    {u"arctan", u"arctg", {{{u"atan", West}}}, u"z", Arctangent, &Make<CNodeArcTg>},
    {u"arccot", u"arcctg", {{{u"acot", West}}}, u"z", Arccotangent, &Make<CNodeArcCtg>},
    {u"arcsec", u"arcsec", {{{u"asec", West}}}, u"z", Arcsecant, &Make<CNodeArcSec>},
    {u"arccsc", u"arccosec", {{{u"acsc", West}}}, u"z", Arccosecant, &Make<CNodeArcCosec>},
    {u"sinh", u"sh", {}, u"z", HyperbolicSine, &Make<CNodeSh>},
    {u"cosh", u"ch", {}, u"z", HyperbolicCosine, &Make<CNodeCh>},
    {u"tanh", u"th", {}, u"z", HyperbolicTangent, &Make<CNodeTh>},
    {u"coth", u"cth", {}, u"z", HyperbolicCotangent, &Make<CNodeCth>},
    {u"sech", u"sech", {}, u"z", HyperbolicSecant, &Make<CNodeSech>},
    {u"csch", u"csch", {}, u"z", HyperbolicCosecant, &Make<CNodeCsch>},
    {u"arsinh", u"arsh", {{{u"asinh", West}}}, u"z", ArchyperbolicSine, &Make<CNodeArSh>},
    {u"arcosh", u"arch", {{{u"acosh", West}}}, u"z", ArchyperbolicCosine, &Make<CNodeArCh>},
    {u"artanh", u"arth", {{{u"atanh", West}}}, u"z", ArchyperbolicTangent, &Make<CNodeArTh>},
    {u"arcoth", u"arcth", {{{u"acoth", West}}}, u"z", ArchyperbolicCotangent, &Make<CNodeArCth>},
    {u"arsech", u"arsch", {{{u"asech", West}}}, u"z", ArchyperbolicSecant, &Make<CNodeArSch>},
    {u"arcsch", u"arcsch", {{{u"acsch", West}}}, u"z", ArchyperbolicCosecant, &Make<CNodeArCsch>},
    {u"exp", u"exp", {}, u"z", Exponent, &Make<CNodeExp>},
    {u"ln", u"ln", {}, u"z", NaturalLogarithm, &Make<CNodeLn>},
    {u"log", u"lg", {}, u"z", DecimalLogarithm, &Make<CNodeLg>},
    {u"pow", u"pow", {}, u"base, exponent", Power, &Make<CNodePow>},
    {u"sqrt", u"sqrt", {{{u"\u221A", Both}}}, u"z", SquareRoot, &Make<CNodeSqrt>},
    {u"abs", u"abs", {}, u"z", AbsoluteValue, &Make<CNodeAbs>},
    {u"sign", u"sign", {}, u"z", None, &Make<CNodeSign>},
    {u"floor", u"floor", {}, u"z", None, &Make<CNodeFloor>},
    {u"ceil", u"ceil", {{{u"ceiling", Both}}}, u"z", None, &Make<CNodeCeil>},
    {u"re", u"re", {{{u"real", Both}, {u"realpart", Both}}}, u"z", None, &Make<CNodeRe>},
    {u"im",
     u"im",
     {{{u"imag", Both}, {u"imaginary", Both}, {u"imaginarypart", Both}}},
     u"z",
     None,
     &Make<CNodeIm>},
    {u"arg", u"arg", {{{u"argument", Both}}}, u"z", None, &Make<CNodeArg>},
    {u"conj", u"conj", {{{u"conjugate", Both}}}, u"z", None, &Make<CNodeConjugate>},
    {u"fact", u"fact", {}, u"n", Factorial, &Make<CNodeFactorial>},
    {u"Gamma", u"Gamma", {{{u"\u0393", Both}}}, u"z", GammaFunction, &Make<CNodeGamma>},
    {u"J", u"J", {{{u"BesselJ", Both}}}, u"order, z", BesselJ, &Make<CNodeBesselJ>},
    {u"Y", u"Y", {{{u"BesselY", Both}}}, u"order, z", BesselY, &Make<CNodeBesselY>},
    {u"I", u"I", {{{u"BesselI", Both}}}, u"order, z", BesselI, &Make<CNodeBesselI>},
    {u"K", u"K", {{{u"BesselK", Both}}}, u"order, z", BesselK, &Make<CNodeBesselK>},
    {u"Sum",
     u"Sum",
     {{{u"\u03A3", Both}, {u"\u2211", Both}}},
     u"index, from, to, [step,] term",
     SeriesSum,
     &Make<CNodeSum>},
    {u"Prod",
     u"Prod",
     {{{u"Product", Both}, {u"\u03A0", Both}, {u"\u220F", Both}}},
     u"index, from, to, [step,] term",
     SeriesProduct,
     &Make<CNodeProduct>},
});

struct NamedEntry {
    FunctionName name;
    std::size_t entry; // index into kEntries
};

constexpr std::size_t CountNames() {
    std::size_t count = 0;
    for (const FunctionEntry& entry : kEntries)
        ForEachName(entry, [&count](std::u16string_view, NameNotation) { ++count; });
    return count;
}

// Every name, sorted (code unit order) for the binary search below.
constexpr auto kNames = [] {
    std::array<NamedEntry, CountNames()> names{};
    std::size_t next = 0;
    for (std::size_t entry = 0; entry < kEntries.size(); ++entry) {
        const FunctionEntry& function = kEntries[entry];
        ForEachName(function, [&](std::u16string_view name, NameNotation notation) {
            names[next++] = {{name, notation, function.parameters, function.make}, entry};
        });
    }
    std::sort(names.begin(), names.end(),
              [](const NamedEntry& a, const NamedEntry& b) { return a.name.name < b.name.name; });
    return names;
}();
static_assert(std::adjacent_find(kNames.begin(), kNames.end(),
                                 [](const NamedEntry& a, const NamedEntry& b) {
                                     return a.name.name == b.name.name;
                                 }) == kNames.end(),
              "a name builds one function only");
static_assert(std::all_of(kNames.begin(), kNames.end(), [](const NamedEntry& named) {
    return named.name.name.size() <= kLongestFunctionName;
}));

constexpr auto kFunctionNames = [] {
    std::array<FunctionName, kNames.size()> names{};
    for (std::size_t i = 0; i < kNames.size(); ++i)
        names[i] = kNames[i].name;
    return names;
}();

const NamedEntry* FindNamed(std::u16string_view name) noexcept {
    const auto found = std::lower_bound(
        kNames.begin(), kNames.end(), name,
        [](const NamedEntry& named, std::u16string_view key) { return named.name.name < key; });
    return found == kNames.end() || found->name.name != name ? nullptr : &*found;
}

} // namespace

std::span<const FunctionEntry> FunctionEntries() noexcept {
    return kEntries;
}

std::span<const FunctionName> FunctionNames() noexcept {
    return kFunctionNames;
}

const FunctionEntry* FindFunctionEntry(std::u16string_view name) noexcept {
    const NamedEntry* named = FindNamed(name);
    return named == nullptr ? nullptr : &kEntries[named->entry];
}

const FunctionName* FindFunctionName(std::u16string_view name) noexcept {
    const NamedEntry* named = FindNamed(name);
    return named == nullptr ? nullptr : &kFunctionNames[static_cast<std::size_t>(named - kNames.data())];
}

NodeFactory FindFunction(std::u16string_view name) noexcept {
    const FunctionEntry* entry = FindFunctionEntry(name);
    return entry == nullptr ? nullptr : entry->make;
}

ArgumentCount ArgumentsOf(const FunctionEntry& entry) noexcept {
    ArgumentCount count{1, 1};
    bool optional = false;
    for (char16_t unit : entry.parameters) {
        if (unit == u'[')
            optional = true;
        else if (unit == u']')
            optional = false;
        else if (unit == u',') {
            ++count.most;
            if (!optional)
                ++count.least;
        }
    }
    return count;
}

} // namespace NCalculatorText
