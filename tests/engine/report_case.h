#pragma once
// A statement and the one message it must log, checked the same way by every suite.

#include <string>

#include <gtest/gtest.h>

#include "tests/engine/log_recorder.h"

namespace testing_support {

struct ReportCase {
    const char16_t* statement;
    bool ok;
    int kind; // 1 error, 0 warning
    const char16_t* operation;
    std::u16string text;
};

inline void ExpectOneReport(const ReportCase& c) {
    const Run run = Calculate(c.statement);
    EXPECT_EQ(run.ok, c.ok) << Narrow(c.statement);
    ASSERT_EQ(run.messages.size(), 1u) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].kind, c.kind) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].operation, c.operation) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].text, c.text) << Narrow(c.statement) << ": " << Narrow(run.messages[0].text);
}

} // namespace testing_support
