#pragma once
// Status reports: every problem met while a statement is evaluated becomes one
// log message labelled with the running operation.

#include <span>
#include <string_view>

#include "numeric/complex.h"

namespace NCalculatorText {

// The numbers are fixed: the engine state records the last one, and the
// reciprocal function nodes test it against Overflow.
enum class StatusKind : int {
    SyntaxError = 0,
    UninitializedMemory = 1,
    Overflow = 2,
    Underflow = 3,
    NotDefined = 4,
    Singularity = 5,
    PartialLoss = 6,
    TotalLoss = 7,
    NoStatus = 8,
    UnknownError = 9,
    NoConvergence = 10,
    InvalidParameter = 11,
    NotSupported = 12,
    Stopped = 13, // the user stopped the run: an error in the statement being calculated
};

// A kind that can reach the log, with its fixed text; "%s" stands where a word or a
// value is filled in.
struct StatusMessage {
    StatusKind kind;
    std::u16string_view pattern;
    bool warning;  // logged as a warning; otherwise as an error
    bool clearsOk; // ends the statement and the run
};

// Every kind that can be logged, in the order of their numbers.
std::span<const StatusMessage> StatusMessages() noexcept;

// Composes the message for the kind (quoting the value where the message shows a
// number), updates the engine state and delivers the message to the log receiver.
// Callers with no value to show pass zero.
void ReportStatus(StatusKind kind, Complex value = {}) noexcept;

// Delivers a plain advice line to the log as a warning labelled "None", after the
// error it explains; the engine state is not touched.
void ReportHint(std::u16string_view text) noexcept;

} // namespace NCalculatorText
