#pragma once
// A statement and the one message it must log (and the hint that follows it after a
// syntax error), checked the same way by every suite.

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
    std::u16string hint = {}; // the warning line after the message; empty: none follows
};

inline void ExpectOneReport(const ReportCase& c) {
    const Run run = Calculate(c.statement);
    EXPECT_EQ(run.ok, c.ok) << Narrow(c.statement);
    ASSERT_EQ(run.messages.size(), c.hint.empty() ? 1u : 2u) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].kind, c.kind) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].operation, c.operation) << Narrow(c.statement);
    EXPECT_EQ(run.messages[0].text, c.text) << Narrow(c.statement) << ": " << Narrow(run.messages[0].text);
    if (!c.hint.empty()) {
        EXPECT_EQ(run.messages[1].kind, 0) << Narrow(c.statement);
        EXPECT_EQ(run.messages[1].operation, u"None") << Narrow(c.statement);
        EXPECT_EQ(run.messages[1].text, c.hint)
            << Narrow(c.statement) << ": " << Narrow(run.messages[1].text);
    }
}

} // namespace testing_support
