#pragma once
// The refreshes that the document and the main window ask of the panes, and the
// requests the panes make of the main window. Panes connect here; nobody polls.

#include <QObject>

enum class PaneId { Keypad, Log, Memory, Statistics };

class CCalcNotifier : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  signals:
    // The previous result may have changed (after every calculation run).
    void resultChanged();
    // Memory cells may have changed: the memory pane refreshes its list.
    void memoryChanged();
    // The preferences were applied: the keypad relabels itself, panes reread letters.
    void preferencesApplied();
    // A pane asks to be shown without taking the focus (the log's pop-up, statistics).
    void paneShowRequested(PaneId pane);
    // Keypad look commands of the Set > Keypad menu, by command id.
    void keypadCommand(int commandId);
};
