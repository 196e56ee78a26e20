#pragma once
// The menu bar of the main window, built from the command actions.

#include <QList>

class CommandActions;
class QAction;
class QMenuBar;

struct MainMenu {
    QAction* recentPlaceholder = nullptr; // "Recent File", shown while the list is empty
    QList<QAction*> recentFiles;          // the recent-file entries, hidden while unused
};

MainMenu BuildMainMenu(QMenuBar* bar, CommandActions& actions);
