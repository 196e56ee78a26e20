#pragma once
// The status bar's sign that a calculation runs, with the button of the Stop command
// (Esc) beside it. It shows only once a run has lasted a moment, so quick calculations
// do not make the bar flicker.

#include <QTimer>
#include <QWidget>

class QAction;

class CalculationIndicator : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDelayMs = 300;

    CalculationIndicator(QAction* stop, QWidget* parent);

    void SetRunning(bool running);

  private:
    QTimer delay_;
};
