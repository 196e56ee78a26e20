#include "app/document/calculation_runner.h"

#include "engine/state/engine_state.h"

namespace {

// How often log messages are handed over while a run goes.
constexpr int kDeliveryIntervalMs = 50;

} // namespace

CalculationRunner::CalculationRunner(QObject* parent) : QObject(parent) {
    delivery_.setInterval(kDeliveryIntervalMs);
    connect(&delivery_, &QTimer::timeout, this, &CalculationRunner::DeliverLog);
}

CalculationRunner::~CalculationRunner() {
    if (!running_)
        return;
    stop_.store(true);
    worker_.join();
    NCalculatorText::engineState.logReceiver = logReceiver_;
}

bool CalculationRunner::Start(RunSource source, NCalculatorText::DecodedText text, int caret,
                              NCalculatorText::CalculationOptions options) {
    if (running_)
        return false;
    running_ = true;
    stop_.store(false);
    options.stopRequest = &stop_;
    input_ = std::move(text);
    outcome_ = CalculationOutcome{source, false, {}, caret, {}, {}};
    statementStarts_.clear();
    relay_.Begin(source == RunSource::Editor);
    logReceiver_ = std::exchange(NCalculatorText::engineState.logReceiver, &relay_);
    const quint64 run = ++run_;
    worker_ = std::thread([this, options, run] {
        outcome_.ok = NCalculatorText::Calculate(input_, outcome_.caret, options, &outcome_.failed);
        QMetaObject::invokeMethod(
            this, [this, run] { Finish(run); }, Qt::QueuedConnection);
    });
    delivery_.start();
    emit runningChanged(true);
    return true;
}

void CalculationRunner::RequestStop() {
    if (running_)
        stop_.store(true);
}

void CalculationRunner::StopAndWait() {
    if (!running_)
        return;
    stop_.store(true);
    Finish(run_);
}

void CalculationRunner::Finish(quint64 run) {
    // A run already finished by StopAndWait still has its queued call on the way.
    if (!running_ || run != run_)
        return;
    worker_.join();
    delivery_.stop();
    NCalculatorText::engineState.logReceiver = logReceiver_;
    DeliverLog();
    outcome_.text = std::move(input_.text);
    outcome_.statementStarts = std::move(statementStarts_);
    running_ = false;
    emit runningChanged(false);
    emit finished(outcome_);
}

void CalculationRunner::DeliverLog() {
    relay_.DeliverTo(logReceiver_, statementStarts_);
}
