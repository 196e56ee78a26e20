#pragma once
// One QAction per command of the table, owned by the main window.

#include <QHash>
#include <QList>
#include <QObject>

#include "app/commands/command_table.h"

class QAction;
class QWidget;

class CommandActions : public QObject {
    Q_OBJECT

  public:
    explicit CommandActions(QWidget* window);

    QAction* Action(CommandId id) const;
    // The commands whose keys also work inside the panes.
    QList<QAction*> PaneShortcutActions() const;
    // The editing commands, whose keys belong to the editor.
    QList<QAction*> EditorActions() const;

  signals:
    void triggered(CommandId id);

  private:
    QHash<int, QAction*> actions_;
};
