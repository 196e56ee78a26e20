// The log of one run: at most 10,000 messages reach the receiver, the rest arrive as
// one count when the run ends, and the error that ends a run always gets through.
// Also the run over a file whose encoding the engine does not read.

#include <gtest/gtest.h>

#include "engine/core/run_log.h"
#include "engine/state/memory_store.h"
#include "tests/engine/log_recorder.h"

using namespace NCalculatorText;
using testing_support::Calculate;
using testing_support::LogRecorder;
using testing_support::RecordedMessage;

namespace {

const std::u16string kUninitialized = u"Uninitialized memory used, value forced to 0";

// One warning per term: every term reads a cell that was never written.
std::u16string Warnings(int count) {
    const std::string digits = std::to_string(count);
    return u"Sum(k, 1, " + std::u16string(digits.begin(), digits.end()) + u", mem[never])";
}

std::size_t CountOf(const std::vector<RecordedMessage>& messages, std::u16string_view text) {
    std::size_t count = 0;
    for (const RecordedMessage& message : messages)
        count += message.text == text;
    return count;
}

struct CapRow {
    const char* name;
    std::u16string text;
    std::size_t rows;           // messages the receiver gets, the count line included
    std::u16string lastMessage; // its text
};

TEST(RunLog, MessagesPastTheCapArriveAsOneCount) {
    ClearMemory(true);
    const CapRow rows[] = {
        {"below_the_cap_every_message", Warnings(3), 3, kUninitialized},
        {"exactly_the_cap_no_count", Warnings(10000), 10000, kUninitialized},
        {"one_past_the_cap_singular", Warnings(10001), 10001, u"\u2026 and 1 more message"},
        {"many_past_the_cap_counted", Warnings(12345), 10001, u"\u2026 and 2345 more messages"},
        {"warnings_of_several_statements_share_the_cap", Warnings(6000) + u";" + Warnings(6000), 10001,
         u"\u2026 and 2000 more messages"},
    };
    for (const CapRow& row : rows) {
        const auto run = Calculate(row.text);
        EXPECT_TRUE(run.ok) << row.name;
        ASSERT_EQ(run.messages.size(), row.rows) << row.name;
        EXPECT_EQ(run.messages.back().text, row.lastMessage) << row.name;
        EXPECT_EQ(CountOf(run.messages, kUninitialized),
                  std::min<std::size_t>(row.rows, kLoggedMessagesPerRun))
            << row.name;
    }
}

TEST(RunLog, TheCountIsAWarningWithoutAnOperation) {
    ClearMemory(true);
    const auto run = Calculate(Warnings(10002));
    ASSERT_EQ(run.messages.size(), 10001u);
    EXPECT_EQ(run.messages.back().kind, 0);
    EXPECT_EQ(run.messages.back().operation, u"None");
    EXPECT_EQ(run.messages[9999].operation, u"Memory");
}

TEST(RunLog, TheErrorThatEndsTheRunGetsPastTheCapBeforeTheCount) {
    ClearMemory(true);
    const auto run = Calculate(Warnings(10005) + u"; 1/0; 2");
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 10002u);
    const RecordedMessage& error = run.messages[10000];
    EXPECT_EQ(error.kind, 1);
    EXPECT_EQ(error.operation, u"Division");
    EXPECT_EQ(error.text, u"Operation has singularity at 0");
    EXPECT_EQ(run.messages.back().text, u"\u2026 and 5 more messages");
}

TEST(RunLog, EachRunStartsItsOwnCount) {
    ClearMemory(true);
    LogRecorder log;
    int caret = kCalculateAll;
    std::u16string flood = Warnings(10010);
    NCalculatorText::Calculate(flood, caret, {});
    EXPECT_EQ(log.messages.back().text, u"\u2026 and 10 more messages");
    std::u16string small = Warnings(2);
    caret = kCalculateAll;
    NCalculatorText::Calculate(small, caret, {});
    EXPECT_EQ(log.clears, 2);
    EXPECT_EQ(log.messages.size(), 2u);
}

TEST(RunLog, AnUnreadableFileFailsTheRunWithOneErrorAndChangesNothing) {
    ClearMemory(true);
    LogRecorder log;
    engineState.previousResult = {7, 0};
    DecodedText file = DecodeCalculationFile("5->mem[a]; caf\xE9");
    ASSERT_EQ(file.encoding, TextEncoding::Unreadable);
    int caret = kCalculateAll;
    EXPECT_FALSE(NCalculatorText::Calculate(file, caret, {}));
    EXPECT_EQ(caret, kCalculateAll);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].kind, 1);
    EXPECT_EQ(log.messages[0].operation, u"None");
    EXPECT_EQ(log.messages[0].text, kUnreadableEncodingText);
    EXPECT_TRUE(memoryStore.cells.empty());
    EXPECT_EQ(engineState.previousResult, (Complex{7, 0}));
}

TEST(RunLog, AReadableFileRunsAsItsText) {
    ClearMemory(true);
    LogRecorder log;
    DecodedText file = DecodeCalculationFile("\xEF\xBB\xBF"
                                             "6*7->mem[a]");
    int caret = kCalculateAll;
    EXPECT_TRUE(NCalculatorText::Calculate(file, caret, {}));
    EXPECT_EQ(file.text, u"6*7->mem[a]=42");
    EXPECT_TRUE(log.messages.empty());
}

} // namespace
