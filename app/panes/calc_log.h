#pragma once
// The log pane: the errors and warnings of the latest calculation run. The engine
// fills it through ILogReceiver; the driver empties it when a run starts.

#include <QWidget>

#include "engine/core/log.h"

class QTreeView;

namespace NCalculatorPanes {
class LogTableModel;
}

class CCalcLog : public QWidget, public NCalculatorText::ILogReceiver {
    Q_OBJECT

  public:
    explicit CCalcLog(QWidget* parent = nullptr);
    ~CCalcLog() override; // keeps the column widths for the next run

    void AddMessage(const NCalculatorText::LogMessage& message) override;
    void ClearMessages() override;

    QTreeView* List() const { return list_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // A message arrived while the LogPopup preference is on: show the "Log" pane if hidden.
    void popupRequested();
    // A row was double-clicked: the caret goes into the statement that began there.
    void statementActivated(int statementStart);

  private:
    // "Description" takes the width the other columns leave.
    void FitDescription();

    NCalculatorPanes::LogTableModel* model_;
    QTreeView* list_;
    bool scrollPending_ = false;
    int descriptionWidth_ = 0; // stored or dragged: the least width of "Description"
    bool fitting_ = false;
};
