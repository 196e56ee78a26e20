// The Edit menu's commands through the main window: Redo, Select All, the find bar's
// commands and Go to line; the status bar's note at the input limit; the highlighting
// preference applied; and the shortcut table's rule that a key belongs to one command.

#include "window_fixtures.h"

#include <QAction>
#include <QLineEdit>
#include <QSet>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextLayout>

#include "app/commands/command_table.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/editor/editor_tools.h"
#include "app/editor/find_bar.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"

class EditCommandsTest : public QObject {
    Q_OBJECT

    struct Fixture : MainWindowFixture {
        Fixture() : MainWindowFixture({1000, 600}) {}
    };
  private slots:
    void every_key_belongs_to_one_command() {
        QSet<QString> seen;
        for (const CommandInfo& info : CommandTable()) {
            for (const QKeySequence& key : ShortcutsOf(info)) {
                const QString text = key.toString(QKeySequence::PortableText);
                QVERIFY2(!seen.contains(text), qPrintable(text));
                seen.insert(text);
            }
        }
        for (const char* key : {"Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+A", "Ctrl+F", "F3", "Ctrl+H", "Ctrl+G"})
            QVERIFY2(seen.contains(QString::fromLatin1(key)), key);
    }

    void redo_follows_undo_and_is_enabled_only_then() {
        Fixture f;
        QTest::keyClicks(&f.View(), QStringLiteral("1+2"));
        QAction* redo = f.frame->Action(CommandId::EditRedo);
        QVERIFY(!redo->isEnabled());
        f.frame->RunCommand(CommandId::EditUndo);
        QVERIFY(f.View().toPlainText().isEmpty());
        QVERIFY(redo->isEnabled());
        f.frame->RunCommand(CommandId::EditRedo);
        QCOMPARE(f.View().toPlainText(), QStringLiteral("1+2"));
        QVERIFY(!redo->isEnabled());
    }

    void select_all_selects_the_whole_text() {
        Fixture f;
        f.View().setPlainText(QStringLiteral("1;\n2;"));
        f.frame->RunCommand(CommandId::EditSelectAll);
        QCOMPARE(f.View().textCursor().selectionStart(), 0);
        QCOMPARE(f.View().textCursor().selectionEnd(), 5);
    }

    void the_find_commands_open_the_bar_in_their_mode_data() {
        QTest::addColumn<CommandId>("command");
        QTest::addColumn<FindBarMode>("mode");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Find") << CommandId::EditFind << FindBarMode::Find << "Find text";
        QTest::newRow("Replace") << CommandId::EditReplace << FindBarMode::Replace << "Find text";
        QTest::newRow("Go to line") << CommandId::EditGoToLine << FindBarMode::GoToLine << "Line number";
        QTest::newRow("Find Next with nothing to find")
            << CommandId::EditFindNext << FindBarMode::Find << "Find text";
    }

    void the_find_commands_open_the_bar_in_their_mode() {
        QFETCH(CommandId, command);
        QFETCH(FindBarMode, mode);
        QFETCH(QString, focused);
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
        f.frame->activateWindow();
        f.frame->RunCommand(command);
        CFindBar& bar = f.View().Tools().FindBar();
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.Mode(), mode);
        QCOMPARE(bar.findChild<QLineEdit*>(focused), bar.focusWidget());
    }

    void find_next_repeats_the_search() {
        Fixture f;
        f.View().setPlainText(QStringLiteral("sin(1)+sin(2)"));
        f.frame->RunCommand(CommandId::EditFind);
        f.View()
            .Tools()
            .FindBar()
            .findChild<QLineEdit*>(QStringLiteral("Find text"))
            ->setText(QStringLiteral("sin"));
        f.frame->RunCommand(CommandId::EditFindNext);
        QCOMPARE(f.View().textCursor().selectionStart(), 0);
        f.frame->RunCommand(CommandId::EditFindNext);
        QCOMPARE(f.View().textCursor().selectionStart(), 7);
    }

    void the_limit_is_told_in_the_status_bar() {
        Fixture f;
        f.View().setPlainText(QString(CCalcView::kTypedInputLimit, u'1'));
        f.View().moveCursor(QTextCursor::End);
        QTest::keyClick(&f.View(), Qt::Key_2);
        QVERIFY(f.frame->StatusText(0).contains(QStringLiteral("1,048,575")));
    }

    void the_highlighting_preference_is_applied_with_the_others() {
        Fixture f;
        f.View().setPlainText(QStringLiteral("sin(1)"));
        QVERIFY(!f.View().document()->firstBlock().layout()->formats().isEmpty());
        preferenceStore.values.syntaxHighlighting = 0;
        f.frame->ApplyPreferences();
        QVERIFY(f.View().document()->firstBlock().layout()->formats().isEmpty());
    }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
