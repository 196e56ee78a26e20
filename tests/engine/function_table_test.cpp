// The function table's notations and argument lists, which the editor's completion and
// the keypad read: every function is offered in either notation, under its table name.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "engine/parser/function_table.h"

namespace {

using NCalculatorText::FunctionNames;
using NCalculatorText::InNotation;
using NCalculatorText::NameNotation;
using NCalculatorText::NodeFactory;

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(FunctionTable, EveryFunctionHasANameInEitherNotation) {
    std::map<NodeFactory, std::set<NameNotation>> offered;
    for (const auto& entry : FunctionNames()) {
        for (NameNotation chosen : {NameNotation::West, NameNotation::East}) {
            if (InNotation(entry.notation, chosen))
                offered[entry.make].insert(chosen);
        }
    }
    for (const auto& entry : FunctionNames())
        EXPECT_EQ(offered[entry.make].size(), 2u) << Narrow(entry.name) << " lacks a name in one notation";
}

TEST(FunctionTable, NamesOfOneFunctionShareTheirArguments) {
    std::map<NodeFactory, std::u16string_view> arguments;
    for (const auto& entry : FunctionNames()) {
        const auto [first, inserted] = arguments.emplace(entry.make, entry.arguments);
        EXPECT_EQ(Narrow(first->second), Narrow(entry.arguments)) << Narrow(entry.name);
    }
}

struct NotationRow {
    const char* west;
    const char* east;
};

class KeypadPairs : public testing::TestWithParam<NotationRow> {};

// The pairs of names that the keypad's two notations show for one function.
TEST_P(KeypadPairs, BelongToTheirNotationAndBuildOneNode) {
    const std::u16string west(GetParam().west,
                              GetParam().west + std::char_traits<char>::length(GetParam().west));
    const std::u16string east(GetParam().east,
                              GetParam().east + std::char_traits<char>::length(GetParam().east));
    const auto* w = NCalculatorText::FindFunctionName(west);
    const auto* e = NCalculatorText::FindFunctionName(east);
    ASSERT_NE(w, nullptr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(w->make, e->make);
    EXPECT_TRUE(InNotation(w->notation, NameNotation::West));
    EXPECT_FALSE(InNotation(w->notation, NameNotation::East));
    EXPECT_TRUE(InNotation(e->notation, NameNotation::East));
    EXPECT_FALSE(InNotation(e->notation, NameNotation::West));
}

INSTANTIATE_TEST_SUITE_P(WestAndEast, KeypadPairs,
                         testing::Values(NotationRow{"tan", "tg"}, NotationRow{"cot", "ctg"},
                                         NotationRow{"csc", "cosec"}, NotationRow{"sinh", "sh"},
                                         NotationRow{"cosh", "ch"}, NotationRow{"tanh", "th"},
                                         NotationRow{"coth", "cth"}, NotationRow{"log", "lg"},
                                         NotationRow{"arctan", "arctg"}, NotationRow{"arccot", "arcctg"},
                                         NotationRow{"arccsc", "arccosec"}, NotationRow{"arsinh", "arsh"},
                                         NotationRow{"arcosh", "arch"}, NotationRow{"arsech", "arsch"},
                                         NotationRow{"artanh", "arth"}, NotationRow{"arcoth", "arcth"}));

TEST(FunctionTable, NamesShownInBothNotations) {
    for (const char16_t* name :
         {u"sin", u"sec", u"csch", u"arcsin", u"arcsch", u"J", u"Sum", u"fact", u"re"}) {
        const auto* entry = NCalculatorText::FindFunctionName(name);
        ASSERT_NE(entry, nullptr) << Narrow(name);
        EXPECT_EQ(entry->notation, NameNotation::Both) << Narrow(name);
    }
}

} // namespace
