#include "app/mainframe/command_actions.h"

#include <QAction>
#include <QIcon>
#include <QWidget>

CommandActions::CommandActions(QWidget* window) : QObject(window) {
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(QString::fromUtf16(info.menuText), window);
        action->setObjectName(QStringLiteral("Command%1").arg(static_cast<int>(info.id)));
        action->setStatusTip(QString::fromUtf16(info.prompt));
        action->setToolTip(QString::fromUtf16(info.tooltip));
        action->setWhatsThis(QString::fromUtf16(info.prompt));
        action->setCheckable(info.checkable);
        action->setShortcuts(ShortcutsOf(info));
        // The menu text carries the shortcut after a tab already.
        action->setShortcutVisibleInContextMenu(false);
        if (info.icon != nullptr)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(info.icon))));
        switch (info.scope) {
        case ShortcutScope::Editor:
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            break;
        case ShortcutScope::MainWindow:
        case ShortcutScope::Everywhere:
            action->setShortcutContext(Qt::WindowShortcut);
            break;
        }
        if (info.scope != ShortcutScope::Editor)
            window->addAction(action);
        const CommandId id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
        actions_.insert(static_cast<int>(info.id), action);
    }
}

QAction* CommandActions::Action(CommandId id) const {
    return actions_.value(static_cast<int>(id));
}

QList<QAction*> CommandActions::PaneShortcutActions() const {
    QList<QAction*> result;
    for (const CommandInfo& info : CommandTable()) {
        if (info.scope == ShortcutScope::Everywhere && info.shortcuts[0])
            result << Action(info.id);
    }
    return result;
}

QList<QAction*> CommandActions::EditorActions() const {
    QList<QAction*> result;
    for (const CommandInfo& info : CommandTable()) {
        if (info.scope == ShortcutScope::Editor)
            result << Action(info.id);
    }
    return result;
}
