// Input that must neither crash nor hang the engine: deep nesting, huge statements,
// long chains. Each is calculated or refused with "Syntax error".

#include <gtest/gtest.h>

#include "tests/engine/log_recorder.h"

using testing_support::Calculate;

namespace {

std::u16string Repeat(std::u16string_view piece, std::size_t times) {
    std::u16string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

void ExpectCalculatedOrSyntaxError(const testing_support::Run& run) {
    if (run.ok)
        return;
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, u"Syntax error");
}

TEST(DeepNesting, TenThousandRedundantBracketsAreCalculated) {
    const auto run = Calculate(Repeat(u"(", 10000) + u"7" + Repeat(u")", 10000));
    EXPECT_TRUE(run.ok);
    EXPECT_TRUE(run.text.ends_with(u")=7"));
}

TEST(DeepNesting, TenThousandNestedFunctionsAreRefused) {
    const auto run = Calculate(Repeat(u"sign(", 10000) + u"7" + Repeat(u")", 10000));
    EXPECT_FALSE(run.ok);
    ExpectCalculatedOrSyntaxError(run);
}

TEST(DeepNesting, ModerateNestingIsCalculated) {
    EXPECT_TRUE(Calculate(Repeat(u"sign(", 1000) + u"7" + Repeat(u")", 1000)).ok);
    EXPECT_TRUE(Calculate(Repeat(u"(1+", 1000) + u"1" + Repeat(u")", 1000)).ok);
}

TEST(DeepNesting, UnbalancedBracketsAreASyntaxError) {
    const auto run = Calculate(Repeat(u"(", 10000) + u"7" + Repeat(u")", 9999));
    EXPECT_FALSE(run.ok);
    ExpectCalculatedOrSyntaxError(run);
}

constexpr std::size_t kMiB = 1 << 20;

TEST(HugeStatement, OneMebibyteChainOfSums) {
    ExpectCalculatedOrSyntaxError(Calculate(Repeat(u"1+", kMiB / 2) + u"1"));
}

TEST(HugeStatement, OneMebibyteChainOfProductsInBrackets) {
    ExpectCalculatedOrSyntaxError(Calculate(Repeat(u"(2)*", kMiB / 4)));
}

TEST(HugeStatement, OneMebibyteNumberOverflows) {
    const auto run = Calculate(Repeat(u"9", kMiB));
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Number");
}

TEST(HugeStatement, OneMebibyteOfSpacesAroundAValue) {
    const auto run = Calculate(Repeat(u" ", kMiB / 2) + u"2*3" + Repeat(u" ", kMiB / 2));
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text.size(), kMiB + 5);
}

TEST(HugeStatement, OneMebibyteVectorIsNotSupported) {
    const auto run = Calculate(Repeat(u"1,", kMiB / 2));
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Vector");
}

TEST(HugeStatement, OneMebibyteOfBracketGroups) {
    ExpectCalculatedOrSyntaxError(Calculate(Repeat(u"()", kMiB / 2)));
    ExpectCalculatedOrSyntaxError(Calculate(Repeat(u")(", kMiB / 2)));
}

TEST(ManyStatements, FortyThousandAreAllCalculated) {
    const auto run = Calculate(Repeat(u"1+2*3; ", 40000));
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, Repeat(u"1+2*3=7; ", 40000));
}

} // namespace
