#include "app/document/log_relay.h"

#include <utility>

void LogRelay::Begin(bool keepStatementPositions) {
    const std::lock_guard lock(mutex_);
    keepStatementPositions_ = keepStatementPositions;
    cleared_ = false;
    pending_.clear();
}

void LogRelay::AddMessage(const NCalculatorText::LogMessage& message) {
    const std::lock_guard lock(mutex_);
    pending_.push_back({message.kind, message.operation, std::u16string(message.text),
                        keepStatementPositions_ ? message.statementStart : -1});
}

void LogRelay::ClearMessages() {
    const std::lock_guard lock(mutex_);
    cleared_ = true;
    pending_.clear();
}

void LogRelay::DeliverTo(NCalculatorText::ILogReceiver* receiver, std::vector<int>& statementStarts) {
    std::vector<Message> batch;
    bool cleared;
    {
        const std::lock_guard lock(mutex_);
        batch.swap(pending_);
        cleared = std::exchange(cleared_, false);
    }
    if (receiver == nullptr)
        return;
    if (cleared)
        receiver->ClearMessages();
    for (const Message& message : batch) {
        receiver->AddMessage({message.kind, message.operation, message.text, message.statementStart});
        if (message.statementStart >= 0 &&
            (statementStarts.empty() || statementStarts.back() != message.statementStart))
            statementStarts.push_back(message.statementStart);
    }
}
