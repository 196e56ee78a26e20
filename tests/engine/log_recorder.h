#pragma once
// Test helpers: a log receiver that keeps every message, and one call that runs a
// calculation text and returns what came back.

#include <string>
#include <vector>

#include "engine/driver/calculate.h"
#include "engine/state/engine_state.h"

namespace testing_support {

struct RecordedMessage {
    int kind; // 1 error, 0 warning
    std::u16string operation;
    std::u16string text;
    int statementStart;
};

class LogRecorder final : public NCalculatorText::ILogReceiver {
  public:
    LogRecorder() : previous_(NCalculatorText::engineState.logReceiver) {
        NCalculatorText::engineState.logReceiver = this;
    }
    ~LogRecorder() { NCalculatorText::engineState.logReceiver = previous_; }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;

    void AddMessage(const NCalculatorText::LogMessage& message) override {
        messages.push_back({message.kind, std::u16string(message.operation), std::u16string(message.text),
                            message.statementStart});
    }
    void ClearMessages() override {
        messages.clear();
        ++clears;
    }

    std::vector<RecordedMessage> messages;
    int clears = 0;

  private:
    NCalculatorText::ILogReceiver* previous_;
};

struct Run {
    bool ok = false;
    std::u16string text;
    int caret = 0;
    NCalculatorText::TextRange failed;
    std::vector<RecordedMessage> messages;
};

// Calculates `text` (every statement, or the one at `caret`) with a fresh log.
inline Run Calculate(std::u16string text, int caret = NCalculatorText::kCalculateAll,
                     NCalculatorText::CalculationOptions options = {}) {
    LogRecorder log;
    Run run;
    run.ok = NCalculatorText::Calculate(text, caret, options, &run.failed);
    run.text = std::move(text);
    run.caret = caret;
    run.messages = std::move(log.messages);
    return run;
}

// The result written after "=" for a single statement, or "failed".
inline std::u16string ResultOf(std::u16string statement, NCalculatorText::CalculationOptions options = {}) {
    const Run run = Calculate(statement, NCalculatorText::kCalculateAll, options);
    if (!run.ok)
        return u"failed";
    const std::size_t equals = run.text.rfind(u'=');
    return equals == std::u16string::npos ? u"(no result)" : run.text.substr(equals + 1);
}

// For failure messages: the text with every non-ASCII code unit as "?".
inline std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (char16_t unit : text)
        narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return narrow;
}

} // namespace testing_support
