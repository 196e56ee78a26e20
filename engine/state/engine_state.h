#pragma once
// The one process-wide engine state shared by the parser, every node and the driver.

#include <atomic>
#include <cstdint>

#include "engine/core/log.h"
#include "engine/core/operation.h"
#include "engine/core/status.h"
#include "numeric/complex.h"

namespace NCalculatorText {

enum class AngleUnit : int { Radians = 0, Degrees = 1, Grads = 2 };

struct EngineState {
    Operation currentOperation = Operation::None; // the operation being evaluated now
    Operation lastOperation = Operation::None;    // the operation of the node that finished most recently
    bool ok = true;                               // no error met in the current calculation
    StatusKind lastStatus = StatusKind::NoStatus; // kind of the most recent report
    bool suppressOverflow = false;                // an Overflow report then only records lastStatus
    AngleUnit angleUnit = AngleUnit::Radians;     // fixed for one calculation
    char16_t imaginaryLetter = u'i';              // letter of the imaginary unit in results and messages
    Complex previousResult{};                     // last successful statement's value; zero at start
    ILogReceiver* logReceiver = nullptr;          // may be absent: messages are then dropped
    std::uint64_t seriesTermsLeft = UINT64_MAX;   // terms the series of this run may still evaluate
    std::uint64_t messagesLogged = 0;             // messages of this run handed to the log receiver
    std::uint64_t messagesWithheld = 0;           // messages of this run past the cap, only counted
    // Set from another thread to end the run; polled between statements and series terms.
    const std::atomic<bool>* stopRequest = nullptr;
    int statementStart = -1; // the statement being calculated, as an offset in the returned text
};

extern EngineState engineState;

// The user asked to end the run.
inline bool StopRequested() noexcept {
    return engineState.stopRequest != nullptr && engineState.stopRequest->load(std::memory_order_relaxed);
}

// The bookkeeping of every node that has an operation code: the code is current
// while the node evaluates, and a report raised inside names the innermost one.
class OperationScope {
  public:
    explicit OperationScope(Operation operation) noexcept;
    ~OperationScope();
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

  private:
    Operation saved_;
};

} // namespace NCalculatorText
