#pragma once
// The one place that makes what each docking pane hosts and connects it to the document
// and the notifier. Swapping a placeholder for the real pane changes this file only.

#include <QWidget>

#include "engine/core/log.h"

class CCalcDoc;
class CCalcNotifier;

struct PaneContents {
    QWidget* keypad = nullptr;                            // fixed size
    QWidget* log = nullptr;                               // resizable
    QWidget* memory = nullptr;                            // resizable
    QWidget* statistics = nullptr;                        // fixed size
    NCalculatorText::ILogReceiver* logReceiver = nullptr; // installed in the engine
};

struct PaneContext {
    CCalcDoc& document;
    CCalcNotifier& notifier;
};

PaneContents CreatePaneContents(const PaneContext& context);

// An empty pane of a given size until the real one is built.
class CPanePlaceholder : public QWidget {
    Q_OBJECT

  public:
    CPanePlaceholder(const QString& name, QSize size);
    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return minimum_; }

  private:
    QSize size_;
    QSize minimum_;
};
