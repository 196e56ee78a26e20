#pragma once
// The one place that makes what each docking pane hosts and connects it to the document
// and the notifier.

#include <QWidget>

#include "engine/core/log.h"

class CCalcDoc;
class CCalcKeyPad;
class CCalcNotifier;

struct PaneContents {
    CCalcKeyPad* keypad = nullptr;                        // fixed size, sized by its font
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
