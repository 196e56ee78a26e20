#include "engine/core/status.h"

#include <string>

#include "engine/core/format.h"
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

} // namespace

void ReportStatus(StatusKind kind, Complex value) noexcept {
    std::u16string text;
    switch (kind) {
    case StatusKind::SyntaxError:
        text = u"Syntax error";
        break;
    case StatusKind::UninitializedMemory:
        text = u"Uninitialized memory used, value forced to 0";
        break;
    case StatusKind::Overflow: {
        if (engineState.suppressOverflow) {
            engineState.lastStatus = StatusKind::Overflow;
            return;
        }
        const char16_t* sign = value.re > 0.0 ? u"positive" : value.re < 0.0 ? u"negative" : u" ";
        text = u"Operation resulted in overflow, too big " + std::u16string(sign) + u" number returned";
        break;
    }
    case StatusKind::Underflow:
        text = AcceptedAs(u"Operation resulted in underflow, result accepted as ", value);
        break;
    case StatusKind::PartialLoss:
        text = AcceptedAs(u"Operation resulted in partial loss of precision, result accepted as ", value);
        break;
    case StatusKind::TotalLoss:
        text = AcceptedAs(u"Operation resulted in total loss of precision, result accepted as ", value);
        break;
    case StatusKind::NotDefined:
        text = u"Function is not defined for " + Quoted(value);
        break;
    case StatusKind::Singularity:
        text = (engineState.currentOperation == Operation::Division ? u"Operation" : u"Function") +
               std::u16string(u" has singularity at ") + Quoted(value);
        break;
    case StatusKind::NoConvergence:
        text = u"Computation algorithm failed to converge";
        break;
    case StatusKind::InvalidParameter:
        text = u"Invalid parameter";
        break;
    case StatusKind::NotSupported:
        text = u"Not supported in this Calculator version";
        break;
    case StatusKind::Stopped:
        text = u"Calculation stopped by the user";
        break;
    default:
        kind = StatusKind::UnknownError;
        text = u"Unknown error";
        break;
    }

    const bool isWarning = kind == StatusKind::UninitializedMemory || kind == StatusKind::Underflow ||
                           kind == StatusKind::PartialLoss || kind == StatusKind::TotalLoss;
    engineState.lastStatus = kind;
    if (!isWarning && kind != StatusKind::NoConvergence)
        engineState.ok = false;
    if (engineState.logReceiver != nullptr) {
        const LogKind logKind = isWarning ? LogKind::Warning : LogKind::Error;
        engineState.logReceiver->AddMessage({static_cast<std::int32_t>(logKind),
                                             OperationName(engineState.currentOperation), text,
                                             engineState.statementStart});
    }
}

} // namespace NCalculatorText
