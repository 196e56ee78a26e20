#include "app/mainframe/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

#include "app/mainframe/command_actions.h"

namespace {

using enum CommandId;

constexpr CommandId kSeparator = static_cast<CommandId>(0);

void AddActions(QMenu* menu, CommandActions& actions, std::initializer_list<CommandId> ids) {
    for (CommandId id : ids) {
        if (id == kSeparator)
            menu->addSeparator();
        else
            menu->addAction(actions.Action(id));
    }
}

} // namespace

MainMenu BuildMainMenu(QMenuBar* bar, CommandActions& actions) {
    MainMenu result;
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddActions(file, actions,
               {FileNew, FileOpen, FileSave, FileSaveAs, kSeparator, FileExecute, kSeparator, FilePrint,
                FilePrintPreview, FilePageSetup, kSeparator});
    result.recentPlaceholder = file->addAction(QStringLiteral("Recent File"));
    result.recentPlaceholder->setEnabled(false);
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("Command%1").arg(static_cast<int>(RecentFile1) + i));
        recent->setVisible(false);
        result.recentFiles << recent;
    }
    file->addSeparator();
    file->addAction(actions.Action(AppExit));

    AddActions(bar->addMenu(QStringLiteral("&Memory")), actions, {MemoryFree, MemoryLoad, MemorySave});
    AddActions(bar->addMenu(QStringLiteral("&Edit")), actions,
               {EditUndo, EditRedo, kSeparator, EditCut, EditCopy, EditPaste, kSeparator, EditSelectAll,
                kSeparator, EditFind, EditFindNext, EditReplace, EditGoToLine});
    AddActions(bar->addMenu(QStringLiteral("&View")), actions,
               {ViewToolbar, ViewKeypad, ViewLog, ViewMemory, ViewStatistics, ViewStatusBar});

    QMenu* set = bar->addMenu(QStringLiteral("&Set"));
    set->addAction(actions.Action(CommandId::Preferences));
    AddActions(set->addMenu(QStringLiteral("&Notation")), actions, {NotationWest, NotationEast});
    QMenu* keypad = set->addMenu(QStringLiteral("&Keypad"));
    const std::initializer_list<CommandId> styleIds = {KeypadStyle2000, KeypadStyleVantor, KeypadStyleXP,
                                                       KeypadStyleVista};
    AddActions(keypad->addMenu(QStringLiteral("&Style")), actions, styleIds);
    // One style at a time; which one is checked follows the keypad's effective style.
    auto* styles = new QActionGroup(keypad);
    for (CommandId id : styleIds)
        styles->addAction(actions.Action(id));
    AddActions(keypad->addMenu(QStringLiteral("&Font")), actions,
               {KeypadFontSelect, KeypadFontSystem, KeypadFontDefault});
    AddActions(keypad->addMenu(QStringLiteral("&Text Color")), actions,
               {KeypadTextFunction, KeypadTextDigit, KeypadTextService, kSeparator, KeypadTextSystem,
                KeypadTextDefault});
    AddActions(keypad->addMenu(QStringLiteral("&Color")), actions,
               {KeypadColorFunction, KeypadColorDigit, KeypadColorService, kSeparator, KeypadColorSystem,
                KeypadColorDefault});

    AddActions(bar->addMenu(QStringLiteral("&Help")), actions, {HelpTopics, kSeparator, AppAbout});
    return result;
}
