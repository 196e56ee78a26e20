#pragma once
// The messages of one calculation run on their way to the ILogReceiver. A run hands
// on at most kLoggedMessagesPerRun of them; the rest are counted, and the count
// arrives as one warning ("… and N more messages", context "None") when the run ends.
// The error that ends a run always gets through, so the first error is never lost.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/core/log.h"

namespace NCalculatorText {

inline constexpr std::uint64_t kLoggedMessagesPerRun = 10000;

// Empties the receiver's list and starts the count again.
void BeginRunLog() noexcept;

namespace detail {
// Whether the next message reaches the receiver; counts it when it does not.
bool AdmitRunMessage(bool endsRun) noexcept;
void DeliverRunMessage(LogKind kind, std::u16string_view operation, std::u16string_view text) noexcept;
} // namespace detail

// composeText() is called only for a message that is handed on, so a flood of
// messages past the cap costs no text.
template <typename ComposeText>
void LogRunMessage(LogKind kind, std::u16string_view operation, bool endsRun, ComposeText composeText) {
    if (detail::AdmitRunMessage(endsRun))
        detail::DeliverRunMessage(kind, operation, composeText());
}

// Delivers the count of the messages held back, if there were any.
void EndRunLog() noexcept;

} // namespace NCalculatorText
