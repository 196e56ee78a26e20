#include "engine/core/status.h"

#include <string>

#include "engine/core/format.h"
#include "engine/core/run_log.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

// "... result accepted as " followed by the real part as "%.14g" with an ASCII minus.
std::u16string AcceptedAs(std::u16string_view prefix, Complex value) {
    return std::u16string(prefix) + Ascii(FormatDouble(value.re, NumberFormat::Short));
}

std::u16string Quoted(Complex value) {
    return FormatComplex(value, MessageFormat(engineState.imaginaryLetter));
}

bool IsReported(StatusKind kind) noexcept {
    return kind != StatusKind::NoStatus && kind >= StatusKind::SyntaxError && kind <= StatusKind::Stopped;
}

bool IsWarning(StatusKind kind) noexcept {
    return kind == StatusKind::UninitializedMemory || kind == StatusKind::Underflow ||
           kind == StatusKind::PartialLoss || kind == StatusKind::TotalLoss;
}

std::u16string MessageText(StatusKind kind, Complex value) {
    switch (kind) {
    case StatusKind::SyntaxError:
        return u"Syntax error";
    case StatusKind::UninitializedMemory:
        return u"Uninitialized memory used, value forced to 0";
    case StatusKind::Overflow: {
        const char16_t* sign = value.re > 0.0 ? u"positive" : value.re < 0.0 ? u"negative" : u" ";
        return u"Operation resulted in overflow, too big " + std::u16string(sign) + u" number returned";
    }
    case StatusKind::Underflow:
        return AcceptedAs(u"Operation resulted in underflow, result accepted as ", value);
    case StatusKind::PartialLoss:
        return AcceptedAs(u"Operation resulted in partial loss of precision, result accepted as ", value);
    case StatusKind::TotalLoss:
        return AcceptedAs(u"Operation resulted in total loss of precision, result accepted as ", value);
    case StatusKind::NotDefined:
        return u"Function is not defined for " + Quoted(value);
    case StatusKind::Singularity:
        return (engineState.currentOperation == Operation::Division ? u"Operation" : u"Function") +
               std::u16string(u" has singularity at ") + Quoted(value);
    case StatusKind::NoConvergence:
        return u"Computation algorithm failed to converge";
    case StatusKind::InvalidParameter:
        return u"Invalid parameter";
    case StatusKind::NotSupported:
        return u"Not supported in this Calculator version";
    case StatusKind::Stopped:
        return u"Calculation stopped by the user";
    case StatusKind::NoStatus:
    case StatusKind::UnknownError:
        break;
    }
    return u"Unknown error";
}

} // namespace

void ReportStatus(StatusKind kind, Complex value) noexcept {
    if (kind == StatusKind::Overflow && engineState.suppressOverflow) {
        engineState.lastStatus = StatusKind::Overflow;
        return;
    }
    if (!IsReported(kind))
        kind = StatusKind::UnknownError;
    const bool isWarning = IsWarning(kind);
    // NoConvergence is logged as an error, yet the statement goes on with its value.
    const bool endsRun = !isWarning && kind != StatusKind::NoConvergence && engineState.ok;
    engineState.lastStatus = kind;
    if (endsRun)
        engineState.ok = false;
    LogRunMessage(isWarning ? LogKind::Warning : LogKind::Error, OperationName(engineState.currentOperation),
                  endsRun, [&] { return MessageText(kind, value); });
}

} // namespace NCalculatorText
