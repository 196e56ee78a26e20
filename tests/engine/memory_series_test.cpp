// Memory cells, stores and the memory-file text; series sums and products with their
// index variable; random numbers.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/files/calculation_file.h"
#include "engine/state/memory_store.h"
#include "engine/state/random_generators.h"
#include "tests/engine/log_recorder.h"

using testing_support::Calculate;
using testing_support::ResultOf;
using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212";

class Memory : public testing::Test {
  protected:
    void SetUp() override { ClearMemory(true); }
    void TearDown() override { ClearMemory(true); }
};

TEST_F(Memory, StoreCreatesTheCellAndYieldsTheValue) {
    memoryStore.changed = false;
    const auto run = Calculate(u"5->mem[x]");
    EXPECT_EQ(run.text, u"5->mem[x]=5");
    EXPECT_TRUE(run.messages.empty());
    ASSERT_EQ(memoryStore.cells.count(u"x"), 1u);
    EXPECT_EQ(memoryStore.cells[u"x"].value, (Complex{5, 0}));
    EXPECT_EQ(memoryStore.cells[u"x"].selected, 0);
    EXPECT_TRUE(memoryStore.changed);
    EXPECT_EQ(ResultOf(u"mem[x]*2"), u"10");
}

TEST_F(Memory, MissingCellReadsZeroWithAWarning) {
    memoryStore.changed = false;
    const auto run = Calculate(u"mem[y]+1");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, u"mem[y]+1=1");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].kind, 0);
    EXPECT_EQ(run.messages[0].operation, u"Memory");
    EXPECT_EQ(run.messages[0].text, u"Uninitialized memory used, value forced to 0");
    EXPECT_FALSE(memoryStore.changed);
    EXPECT_EQ(memoryStore.cells.count(u"y"), 0u);
}

TEST_F(Memory, CellNamesAreTrimmedButKeepInnerCharacters) {
    Calculate(u"1->mem[ x ]; 2->memory[a b]; 3->mem[1]; 4->mem{q}");
    EXPECT_EQ(ResultOf(u"mem[x]"), u"1");
    EXPECT_EQ(ResultOf(u"memory[x]"), u"1");
    EXPECT_EQ(ResultOf(u"mem[a b]"), u"2");
    EXPECT_EQ(ResultOf(u"mem[1]"), u"3");
    EXPECT_EQ(ResultOf(u"mem(q)"), u"4");
    EXPECT_EQ(memoryStore.cells.count(u"a b"), 1u);
}

TEST_F(Memory, ChainedStoresAndInvalidTargets) {
    EXPECT_EQ(ResultOf(u"1->mem[a]->mem[b]"), u"1");
    EXPECT_EQ(ResultOf(u"mem[b]"), u"1");
    EXPECT_EQ(ResultOf(u"1->x"), u"failed");
    EXPECT_EQ(ResultOf(u"mem5"), u"failed");
    EXPECT_EQ(ResultOf(u"memx(1)"), u"failed");
    EXPECT_EQ(ResultOf(u"1->(mem[a])"), u"failed");
    EXPECT_EQ(ResultOf(u"2\u2212>mem[c]"), u"2");
}

TEST_F(Memory, FailedStatementStoresNothing) {
    Calculate(u"1/0->mem[z]");
    EXPECT_EQ(memoryStore.cells.count(u"z"), 0u);
}

TEST_F(Memory, ClearRemovesAllOrTheSelected) {
    Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]");
    memoryStore.cells[u"b"].selected = 1;
    memoryStore.changed = false;
    ClearMemory(false);
    EXPECT_TRUE(memoryStore.changed);
    EXPECT_EQ(memoryStore.cells.size(), 2u);
    EXPECT_EQ(memoryStore.cells.count(u"b"), 0u);
    ClearMemory(true);
    EXPECT_TRUE(memoryStore.cells.empty());
}

TEST_F(Memory, CellsAreOrderedByCodeUnit) {
    Calculate(u"1->mem[b]; 2->mem[a]; 3->mem[B]");
    std::u16string order;
    for (const auto& [name, cell] : memoryStore.cells)
        order += name;
    EXPECT_EQ(order, u"Bab");
}

TEST_F(Memory, FileTextHasOneStoreLinePerCell) {
    Calculate(u"1.5->mem[x]; -2*i->mem[y]");
    EXPECT_EQ(WriteMemoryText(true), u"\uFEFF1.5->mem[x];\r\n" + M + u"i*2->mem[y];\r\n");
    memoryStore.cells[u"y"].selected = 1;
    EXPECT_EQ(WriteMemoryText(false), u"\uFEFF" + M + u"i*2->mem[y];\r\n");
}

TEST_F(Memory, FileTextRestoresEveryValueExactly) {
    Calculate(u"0.1->mem[a]; 1/3->mem[b]; (1e-300+i*2e300)->mem[c]; -i->mem[d]; pi*1e-5->mem[e]");
    const std::map<std::u16string, MemoryCell> saved = memoryStore.cells;
    const std::u16string text = WriteMemoryText(true);
    EXPECT_NE(text.find(u"0.10000000000000000555->mem[a]"), std::u16string::npos);
    ClearMemory(true);
    // Read back through the file encoding, as Load memory does.
    const auto run = Calculate(DecodeCalculationFile(EncodeUtf16LittleEndian(text)).text);
    EXPECT_TRUE(run.ok);
    ASSERT_EQ(memoryStore.cells.size(), saved.size());
    for (const auto& [name, cell] : saved)
        EXPECT_EQ(memoryStore.cells[name].value, cell.value) << testing_support::Narrow(name);
}

struct Series {
    const char* name;
    std::u16string statement;
    std::u16string expected;
};

class SeriesRuns : public testing::TestWithParam<Series> {};

TEST_P(SeriesRuns, ToExpectedValue) {
    EXPECT_EQ(ResultOf(GetParam().statement), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SeriesRuns,
    testing::Values(Series{"sum_of_one_to_hundred", u"Sum(k, 1, 100, k)", u"5050"},
                    Series{"factorial_as_product", u"Prod(k, 1, 5, k)", u"120"},
                    Series{"single_term", u"Sum(k, 1, 1, k)", u"1"},
                    Series{"runs_downwards", u"Sum(k, 10, 1, k)", u"55"},
                    Series{"step_sign_follows_direction", u"Sum(k, 1, 10, -1, k)", u"55"},
                    Series{"fractional_step_eleven_terms", u"Sum(k, 0, 1, 0.1, 1)", u"11"},
                    Series{"step_of_two", u"Prod(k, 1, 9, 2, k)", u"945"},
                    Series{"nested_series_own_indices", u"Sum(a, 1, 3, Sum(b, 1, a, b))", u"10"},
                    Series{"index_complex_expression", u"Sum(k, 1, 2, i*k)", u"i*3"},
                    Series{"zero_step", u"Sum(k, 1, 3, 0, k)", u"failed"},
                    Series{"index_not_a_variable", u"Sum(2, 1, 3, 4)", u"failed"},
                    Series{"too_few_elements", u"Sum(k, 1, 3)", u"failed"},
                    Series{"not_a_vector", u"Sum(5)", u"failed"},
                    Series{"complex_bound", u"Sum(k, 1, 3+i, k)", u"failed"},
                    Series{"product_overflow", u"Prod(k, 1, 400, 1e10)", u"failed"},
                    Series{"sum_overflow", u"Sum(k, 1, 3, 1e308)", u"failed"}),
    [](const auto& info) { return info.param.name; });

TEST(SeriesIndex, IsAdvancedByRepeatedAddition) {
    // 0.1 added ten times is 0.9999999999999999, still <= 1: the eleventh term is there.
    EXPECT_EQ(ResultOf(u"Sum(k, 0, 1, 0.1, k->mem[last]); mem[last] - 1"), u"\u22121.1102230246252e\u221216");
    ClearMemory(true);
}

TEST(SeriesIndex, IsUninitialisedOutsideItsSeries) {
    const auto run = Calculate(u"Sum(k, 1, 3, k) + k");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, u"Sum(k, 1, 3, k) + k=6");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Index");
}

TEST(SeriesIndex, ErrorsAreLabelledWithTheSeries) {
    auto run = Calculate(u"Prod(k, 1, 3, 0, k)");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Series product");
    EXPECT_EQ(run.messages[0].text, u"Syntax error");
    run = Calculate(u"Sum(k, i, 3, k)");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Series sum");
    EXPECT_EQ(run.messages[0].text, u"Invalid parameter");
}

TEST(SeriesIndex, ErrorInsideTheExpressionEndsTheSeries) {
    const auto run = Calculate(u"Sum(k, -2, 2, 1/k)");
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Division");
}

TEST(SeriesIndex, AnIndexThatCannotAdvanceIsRefused) {
    for (const char16_t* statement : {u"Sum(k, 9007199254740992, 9007199254741000, k)",
                                      u"Sum(k, 1e300, 0, k)", u"Prod(k, 0, 1, 1e-300, 1)"}) {
        const auto run = Calculate(statement);
        EXPECT_FALSE(run.ok) << testing_support::Narrow(statement);
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.messages[0].text, u"Invalid parameter");
    }
}

TEST(Random, BothPartsBetweenZeroAndOneAndDrawsDiffer) {
    SeedRandom();
    const auto run = Calculate(u"rand->mem[r1]; random->mem[r2]");
    ASSERT_TRUE(run.ok);
    const Complex a = memoryStore.cells[u"r1"].value;
    const Complex b = memoryStore.cells[u"r2"].value;
    for (Complex z : {a, b}) {
        EXPECT_GE(z.re, 0.0);
        EXPECT_LE(z.re, 1.0);
        EXPECT_GE(z.im, 0.0);
        EXPECT_LE(z.im, 1.0);
    }
    EXPECT_NE(a, b);
    ClearMemory(true);
}

TEST(Random, GeneratorFollowsTheRanRecurrence) {
    // Expected words from an independent big-integer implementation of Ran, seeded
    // once with 12345, then once more with the next output.
    RanGenerator generator;
    generator.Seed(12345);
    EXPECT_EQ(generator.Draw(), 0xde6b2866246e98abULL);
    EXPECT_EQ(generator.Draw(), 0xe875dba671fdf1feULL);
    EXPECT_EQ(generator.Draw(), 0x1c1b4732571e3df6ULL);
}

} // namespace

namespace {

TEST(SeriesTermLimit, CountsTermsOfAllSeriesInARun) {
    NCalculatorText::CalculationOptions options;
    options.seriesTermLimit = 100;
    EXPECT_EQ(ResultOf(u"Sum(k, 1, 100, 1)", options), u"100");
    EXPECT_EQ(ResultOf(u"Sum(k, 1, 50, 1) + Sum(k, 1, 51, 1)", options), u"failed");
    const auto run =
        Calculate(u"Sum(a, 1, 10, Sum(b, 1, 10, 1)) + 1", NCalculatorText::kCalculateAll, options);
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Series sum");
    EXPECT_EQ(run.messages[0].text, u"Invalid parameter");
    EXPECT_EQ(ResultOf(u"Sum(k, 1, 1000, 1)"), u"1000") << "no limit by default";
}

} // namespace
