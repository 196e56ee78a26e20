// The memory pane's plain logic: the copy of the store, check boxes going back into
// it, what Free and Statistics act on, button enabling and the sort orders.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/panes/memory_items.h"
#include "app/panes/memory_sort.h"

using namespace NCalculatorPanes;
using NCalculatorText::MemoryStore;

namespace {

MemoryStore StoreOf(std::initializer_list<std::pair<std::u16string, Complex>> cells) {
    MemoryStore store;
    for (const auto& [name, value] : cells)
        store.cells[name] = {value, 0};
    return store;
}

std::vector<std::u16string> NamesInRows(const std::vector<MemoryItem>& items, const MemorySortState& state) {
    std::vector<std::u16string> names;
    for (int row : SortedMemoryRows(items, state))
        names.push_back(items[static_cast<std::size_t>(row)].name);
    return names;
}

} // namespace

TEST(MemoryItems, FollowTheStoresOrdinalOrder) {
    const auto items = ReadMemoryItems(StoreOf({{u"b", {1, 0}}, {u"B", {2, 0}}, {u"a", {3, 0}}}));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, u"B");
    EXPECT_EQ(items[1].name, u"a");
    EXPECT_EQ(items[2].name, u"b");
    EXPECT_EQ(items[0].value, (Complex{2, 0}));
}

TEST(MemoryItems, AnyNonZeroSelectedFlagIsACheckedBox) {
    MemoryStore store = StoreOf({{u"x", {1, 0}}, {u"y", {2, 0}}});
    store.cells[u"x"].selected = 7;
    const auto items = ReadMemoryItems(store);
    EXPECT_EQ(items[0].included, 1);
    EXPECT_EQ(items[1].included, 0);
}

TEST(MemoryItems, StoreChecksSkipsCellsErasedMeanwhile) {
    MemoryStore store = StoreOf({{u"x", {1, 0}}, {u"y", {2, 0}}});
    std::vector<MemoryItem> items = ReadMemoryItems(store);
    items[0].included = 1;
    store.cells.erase(u"y");
    items[1].included = 1;
    StoreChecks(items, store);
    EXPECT_EQ(store.cells.size(), 1u);
    EXPECT_EQ(store.cells[u"x"].selected, 1);
}

TEST(MemoryItems, StoreChecksAlsoClearsFlags) {
    MemoryStore store = StoreOf({{u"x", {1, 0}}});
    store.cells[u"x"].selected = 1;
    std::vector<MemoryItem> items = ReadMemoryItems(store);
    items[0].included = 0;
    StoreChecks(items, store);
    EXPECT_EQ(store.cells[u"x"].selected, 0);
}

struct FreeCase {
    const char* name;
    int included;
    int rows;
    FreeScope expected;
};

class FreeScopeTest : public testing::TestWithParam<FreeCase> {};

TEST_P(FreeScopeTest, Chooses) {
    EXPECT_EQ(ChooseFreeScope(GetParam().included, GetParam().rows), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Free, FreeScopeTest,
                         testing::Values(FreeCase{"EmptyListDoesNothing", 0, 0, FreeScope::Nothing},
                                         FreeCase{"NoCheckBoxErasesAll", 0, 5, FreeScope::AllCells},
                                         FreeCase{"EveryCheckBoxErasesAll", 5, 5, FreeScope::AllCells},
                                         FreeCase{"SomeCheckBoxesEraseThose", 2, 5, FreeScope::SelectedCells},
                                         FreeCase{"OneOfOneErasesAll", 1, 1, FreeScope::AllCells}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatisticsSample, TwoOrMoreChecksTakeOnlyThoseInStoreOrder) {
    std::vector<MemoryItem> items{{u"a", {1, 0}, 1}, {u"b", {2, 0}, 0}, {u"c", {3, 0}, 1}};
    const auto sample = StatisticsSample(items);
    ASSERT_EQ(sample.size(), 2u);
    EXPECT_EQ(sample[0].re, 1);
    EXPECT_EQ(sample[1].re, 3);
}

TEST(StatisticsSample, OneOrNoCheckTakesEveryCell) {
    std::vector<MemoryItem> items{{u"a", {1, 0}, 0}, {u"b", {2, 0}, 1}, {u"c", {3, 0}, 0}};
    EXPECT_EQ(StatisticsSample(items).size(), 3u);
    items[1].included = 0;
    EXPECT_EQ(StatisticsSample(items).size(), 3u);
}

TEST(MemoryButtons, StatisticsNeedsTwoCellsTheOthersOne) {
    using Enabled = std::array<bool, kMemoryButtonCount>;
    EXPECT_EQ(EnabledMemoryButtons(0), (Enabled{false, false, false, false, false}));
    EXPECT_EQ(EnabledMemoryButtons(1), (Enabled{true, true, false, true, true}));
    EXPECT_EQ(EnabledMemoryButtons(2), (Enabled{true, true, true, true, true}));
}

class MemorySorting : public testing::Test {
  protected:
    // Store order: B, a, b, c.
    std::vector<MemoryItem> items_{
        {u"B", {5, 0}, 0}, {u"a", {-1, 7}, 1}, {u"b", {2, 0}, 0}, {u"c", {-1, -3}, 1}};
    MemorySortState state_;
};

TEST_F(MemorySorting, StartsInTheStoresOrder) {
    EXPECT_TRUE(state_.IsInsertionOrder());
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"B", u"a", u"b", u"c"}));
}

TEST_F(MemorySorting, CellNamesAreOrdinalUppercaseFirst) {
    ClickMemoryHeader(state_, MemoryColumn::Cell);
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"B", u"a", u"b", u"c"}));
    ClickMemoryHeader(state_, MemoryColumn::Cell);
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"c", u"b", u"a", u"B"}));
}

TEST_F(MemorySorting, ValueUsesTheRealPartOnlyAndKeepsTiesInStoreOrder) {
    ClickMemoryHeader(state_, MemoryColumn::Value);
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"a", u"c", u"b", u"B"}));
    EXPECT_EQ(CompareMemoryItems(items_, 1, 3, MemoryColumn::Value), 0);
    ClickMemoryHeader(state_, MemoryColumn::Value);
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"B", u"b", u"a", u"c"}));
}

TEST_F(MemorySorting, FirstClickOnInclListsIncludedCellsFirst) {
    ClickMemoryHeader(state_, MemoryColumn::Include);
    EXPECT_FALSE(state_.Ascending());
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"a", u"c", u"B", u"b"}));
}

TEST_F(MemorySorting, NumberColumnReversesTheStoresOrder) {
    ClickMemoryHeader(state_, MemoryColumn::Number);
    EXPECT_FALSE(state_.IsInsertionOrder());
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"c", u"b", u"a", u"B"}));
}

TEST_F(MemorySorting, ReturningToAColumnStartsAscendingAgain) {
    ClickMemoryHeader(state_, MemoryColumn::Value); // ascending
    ClickMemoryHeader(state_, MemoryColumn::Value); // descending
    ClickMemoryHeader(state_, MemoryColumn::Cell);  // another column: ascending
    EXPECT_TRUE(state_.Ascending());
    ClickMemoryHeader(state_, MemoryColumn::Value); // back: ascending again
    EXPECT_EQ(state_.column, MemoryColumn::Value);
    EXPECT_TRUE(state_.Ascending());
}

TEST_F(MemorySorting, NotANumberSortsAfterEveryNumber) {
    items_[2].value.re = std::numeric_limits<double>::quiet_NaN();
    ClickMemoryHeader(state_, MemoryColumn::Value);
    EXPECT_EQ(NamesInRows(items_, state_), (std::vector<std::u16string>{u"a", u"c", u"B", u"b"}));
}
