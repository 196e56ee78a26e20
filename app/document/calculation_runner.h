#pragma once
// Runs the calculation driver on a thread of its own, so that the window stays responsive
// and a long run can be stopped. One run exists at a time; the engine is used by that
// thread alone until the run has ended, and its log messages reach the engine's log
// receiver on the interface thread in batches.

#include <QObject>
#include <QTimer>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/document/log_relay.h"
#include "engine/driver/calculate.h"
#include "engine/files/calculation_file.h"

// Where the text of a run comes from: the editor's results are written back, those of a
// file (Execute file, Load memory) are thrown away.
enum class RunSource { Editor, File };

struct CalculationOutcome {
    RunSource source = RunSource::Editor;
    bool ok = false;
    std::u16string text; // rewritten, results written in
    int caret = 0;
    NCalculatorText::TextRange failed;
    std::vector<int> statementStarts; // of the statements the log names, ascending; editor runs only
};

class CalculationRunner : public QObject {
    Q_OBJECT

  public:
    explicit CalculationRunner(QObject* parent = nullptr);
    ~CalculationRunner() override; // stops a run and waits for it, telling no one

    bool IsRunning() const { return running_; }
    // False, doing nothing, while a run is going.
    bool Start(RunSource source, NCalculatorText::DecodedText text, int caret,
               NCalculatorText::CalculationOptions options);
    // The run ends soon, as if its statement had failed.
    void RequestStop();
    // Stops the run and waits for its end: `finished` has been emitted when it returns.
    void StopAndWait();

  signals:
    void runningChanged(bool running);
    void finished(const CalculationOutcome& outcome);

  private:
    void Finish(quint64 run);
    void DeliverLog();

    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    quint64 run_ = 0;
    // Written by the worker, read after it has ended.
    NCalculatorText::DecodedText input_;
    CalculationOutcome outcome_;
    std::vector<int> statementStarts_;
    LogRelay relay_;
    NCalculatorText::ILogReceiver* logReceiver_ = nullptr; // the engine's, put back after the run
    QTimer delivery_;
};
