#include "engine/core/status.h"

#include <array>
#include <string>

#include "engine/core/format.h"
#include "engine/core/run_log.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

using enum StatusKind;

constexpr auto kMessages = std::to_array<StatusMessage>({
    {SyntaxError, u"Syntax error", false, true},
    {UninitializedMemory, u"Uninitialized memory used, value forced to 0", true, false},
    {Overflow, u"Operation resulted in overflow, too big %s number returned", false, true},
    {Underflow, u"Operation resulted in underflow, result accepted as %s", true, false},
    {NotDefined, u"Function is not defined for %s", false, true},
    {Singularity, u"%s has singularity at %s", false, true},
    {PartialLoss, u"Operation resulted in partial loss of precision, result accepted as %s", true, false},
    {TotalLoss, u"Operation resulted in total loss of precision, result accepted as %s", true, false},
    {UnknownError, u"Unknown error", false, true},
    // Logged as an error, yet the statement goes on with the value the algorithm reached.
    {NoConvergence, u"Computation algorithm failed to converge", false, false},
    {InvalidParameter, u"Invalid parameter", false, true},
    {NotSupported, u"Not supported in this Calculator version", false, true},
    {Stopped, u"Calculation stopped by the user", false, true},
});

// Every kind but NoStatus, in the order of their numbers.
static_assert(kMessages.size() == static_cast<std::size_t>(Stopped));
static_assert([] {
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        const auto number = static_cast<std::size_t>(kMessages[i].kind);
        if (number != (i < static_cast<std::size_t>(NoStatus) ? i : i + 1))
            return false;
    }
    return true;
}());

const StatusMessage& MessageOf(StatusKind kind) noexcept {
    for (const StatusMessage& message : kMessages) {
        if (message.kind == kind)
            return message;
    }
    return MessageOf(UnknownError);
}

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

// The pattern with each "%s" replaced by the next filling, in order.
std::u16string Fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> fillings) {
    std::u16string text;
    auto next = fillings.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 2) == u"%s" && next != fillings.end()) {
            text += *next++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::u16string Quoted(Complex value) {
    return FormatComplex(value, MessageFormat(engineState.imaginaryLetter));
}

// "... result accepted as " is followed by the real part as "%.14g" with an ASCII minus.
std::u16string Compose(const StatusMessage& message, Complex value) {
    switch (message.kind) {
    case Overflow:
        return Fill(message.pattern, {value.re > 0.0 ? u"positive" : value.re < 0.0 ? u"negative" : u" "});
    case Underflow:
    case PartialLoss:
    case TotalLoss:
        return Fill(message.pattern, {Ascii(FormatDouble(value.re, NumberFormat::Short))});
    case NotDefined:
        return Fill(message.pattern, {Quoted(value)});
    case Singularity:
        return Fill(message.pattern,
                    {engineState.currentOperation == Operation::Division ? u"Operation" : u"Function",
                     Quoted(value)});
    default:
        return std::u16string(message.pattern);
    }
}

} // namespace

std::span<const StatusMessage> StatusMessages() noexcept {
    return kMessages;
}

void ReportStatus(StatusKind kind, Complex value) noexcept {
    if (kind == Overflow && engineState.suppressOverflow) {
        engineState.lastStatus = Overflow;
        return;
    }
    const StatusMessage& message = MessageOf(kind);
    // Only the error that clears the ok flag ends the run; the log lets it through always.
    const bool endsRun = message.clearsOk && engineState.ok;
    engineState.lastStatus = message.kind;
    if (endsRun)
        engineState.ok = false;
    LogRunMessage(message.warning ? LogKind::Warning : LogKind::Error,
                  OperationName(engineState.currentOperation), endsRun,
                  [&] { return Compose(message, value); });
}

void ReportHint(std::u16string_view text) noexcept {
    LogRunMessage(LogKind::Warning, OperationName(Operation::None), false,
                  [text] { return std::u16string(text); });
}

} // namespace NCalculatorText
