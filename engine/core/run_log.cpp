#include "engine/core/run_log.h"

#include "engine/core/operation.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

// "… and 5 more messages"
std::u16string MoreMessagesText(std::uint64_t count) {
    const std::string digits = std::to_string(count);
    return u"\u2026 and " + std::u16string(digits.begin(), digits.end()) +
           (count == 1 ? u" more message" : u" more messages");
}

} // namespace

void BeginRunLog() noexcept {
    engineState.messagesLogged = 0;
    engineState.messagesWithheld = 0;
    if (engineState.logReceiver != nullptr)
        engineState.logReceiver->ClearMessages();
}

namespace detail {

bool AdmitRunMessage(bool endsRun) noexcept {
    if (engineState.logReceiver == nullptr)
        return false;
    if (engineState.messagesLogged < kLoggedMessagesPerRun || endsRun)
        return true;
    ++engineState.messagesWithheld;
    return false;
}

void DeliverRunMessage(LogKind kind, std::u16string_view operation, std::u16string_view text) noexcept {
    ++engineState.messagesLogged;
    engineState.logReceiver->AddMessage(
        {static_cast<std::int32_t>(kind), operation, text, engineState.statementStart});
}

} // namespace detail

void EndRunLog() noexcept {
    if (engineState.logReceiver == nullptr || engineState.messagesWithheld == 0)
        return;
    const std::u16string text = MoreMessagesText(engineState.messagesWithheld);
    engineState.messagesWithheld = 0;
    engineState.logReceiver->AddMessage(
        {static_cast<std::int32_t>(LogKind::Warning), OperationName(Operation::None), text});
}

} // namespace NCalculatorText
