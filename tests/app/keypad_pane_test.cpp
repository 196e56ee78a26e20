// The keypad in the main window: its keys edit and calculate the document's text, the
// notation commands relabel it, its pane follows its size, and the Set > Keypad menu
// reaches it with the right items checked and enabled.

#include "window_fixtures.h"

#include <QAccessible>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/help/application_help.h"
#include "app/help/calc_help_window.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/mainframe/dpi.h"
#include "app/notify/calc_notifier.h"
#include "tests/support/scoped_answerer.h"
#include "ui/help/help_request.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"

class KeypadPaneTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture : MainWindowFixture {
        Fixture() : MainWindowFixture({1100, 600}) {}
        CCalcKeyPad& Keypad() { return *static_cast<CCalcKeyPad*>(frame->Bar(PaneId::Keypad)->widget()); }
        void Click(int id) {
            CColorButton* key = Keypad().Button(id);
            QTest::mouseClick(key, Qt::LeftButton, {}, key->rect().center());
        }
    };
  private slots:
    void keys_build_and_calculate_a_statement() {
        Fixture f;
        for (int id : {1001, 1043, 1057, 1060, 1047, 1069})
            f.Click(id);
        QTRY_COMPARE(f.Text(), QStringLiteral("sin(\u03C0/2);"));
        f.View().SetSelection(3, 3);
        f.Click(1070);
        QTRY_COMPARE(f.Text(), QStringLiteral("sin(\u03C0/2)=1;"));
        f.Click(1075);
        QTRY_COMPARE(f.Text(), QStringLiteral("sin(\u03C0/2)=1"));
    }

    void a_key_replaces_the_selection() {
        Fixture f;
        QTest::keyClicks(&f.View(), QStringLiteral("1+2;"));
        f.View().SetSelection(2, 3);
        f.Click(1067);
        QTRY_COMPARE(f.Text(), QStringLiteral("1+9;"));
    }

    void the_east_command_relabels_the_keypad_and_its_pane_follows() {
        Fixture f;
        const int westWidth = f.Keypad().width();
        QCOMPARE(f.Keypad().Button(1005)->text(), QStringLiteral("tan"));
        f.frame->RunCommand(CommandId::NotationEast);
        QCOMPARE(f.Keypad().Button(1005)->text(), QStringLiteral("tg"));
        QVERIFY(f.Keypad().width() > westWidth);
        CCalcDlgBar* bar = f.frame->Bar(PaneId::Keypad);
        QCOMPARE(bar->Sizes().floating, f.Keypad().size());
        QTRY_VERIFY(bar->width() >= f.Keypad().width());
        f.Click(1005);
        QTRY_COMPARE(f.Text(), QStringLiteral("tg("));
    }

    void the_keypad_menu_reaches_the_keypad() {
        Fixture f;
        QAction* vista = f.frame->Action(CommandId::KeypadStyleVista);
        QAction* vantor = f.frame->Action(CommandId::KeypadStyleVantor);
        QVERIFY(vantor->isEnabled() && vantor->isChecked());
        // The offscreen tests run with a themed style.
        QVERIFY(vista->isEnabled() && !vista->isChecked());
        QVERIFY(!f.frame->Action(CommandId::KeypadStyle2000)->isEnabled());
        vista->trigger();
        QCOMPARE(f.Keypad().Look().style, KeypadStyle::Vista);
        f.frame->RunCommand(CommandId::KeypadFontSystem);
        QVERIFY(vista->isChecked() && !vantor->isChecked());
        QVERIFY(f.frame->Action(CommandId::KeypadFontSystem)->isChecked());
        QVERIFY(!f.frame->Action(CommandId::KeypadFontDefault)->isChecked());
        QCOMPARE(vista->statusTip(), QStringLiteral("Set Vista keypad style"));
        QCOMPARE(vista->toolTip(), QStringLiteral("Vista style"));
    }

    // The classic Windows style stands for a platform without themes.
    void the_style_items_without_and_with_theming() {
        Fixture f;
        QApplication::setStyle(QStringLiteral("Windows"));
        f.frame->RunCommand(CommandId::KeypadStyleXP);
        QAction* classic = f.frame->Action(CommandId::KeypadStyle2000);
        QAction* vantor = f.frame->Action(CommandId::KeypadStyleVantor);
        QAction* xp = f.frame->Action(CommandId::KeypadStyleXP);
        QAction* vista = f.frame->Action(CommandId::KeypadStyleVista);
        // Stored XP draws and checks Vantor; the themed items cannot be chosen.
        QVERIFY(classic->isEnabled() && vantor->isEnabled() && !xp->isEnabled() && !vista->isEnabled());
        QVERIFY(vantor->isChecked() && !xp->isChecked());
        QVERIFY(xp->actionGroup() != nullptr && xp->actionGroup() == classic->actionGroup());
        classic->trigger();
        QVERIFY(classic->isChecked() && !vantor->isChecked());
        f.Keypad().Button(1001)->grab();
        QCOMPARE(f.Keypad().Button(1001)->Drawing(), ButtonDrawing::Classic);

        QApplication::setStyle(QStringLiteral("Fusion"));
        f.frame->RunCommand(CommandId::KeypadFontDefault);
        QVERIFY(!classic->isEnabled() && xp->isEnabled() && vista->isEnabled());
        QVERIFY(vista->isChecked() && !classic->isChecked());
        QCOMPARE(f.Keypad().Look().style, KeypadStyle::Classic2000);
        f.Keypad().Button(1001)->grab();
        QCOMPARE(f.Keypad().Button(1001)->Drawing(), ButtonDrawing::Vista);
    }

    // The keypad is as wide as the default window at most, in either notation, and the
    // window with every pane shown fits a 1024 x 768 screen.
    void the_default_window_holds_the_keypad_and_every_pane() {
        Fixture f;
        f.frame->Bar(PaneId::Statistics)->show();
        for (CommandId notation : {CommandId::NotationWest, CommandId::NotationEast}) {
            f.frame->RunCommand(notation);
            QApplication::processEvents();
            const QSize smallest = f.frame->minimumSizeHint();
            QVERIFY2(smallest.width() <= ScaledPixels(930, f.frame.get()),
                     qPrintable(QString::number(smallest.width())));
            QVERIFY2(smallest.height() <= ScaledPixels(738, f.frame.get()),
                     qPrintable(QString::number(smallest.height())));
            const QSize pane = f.frame->Bar(PaneId::Keypad)->Sizes().horizontal;
            QCOMPARE(pane, f.Keypad().size() + QSize(15, 10));
        }
    }

    // Ctrl+Shift+K from the editor puts the focus on a key, which is named for a reader
    // of the screen; F1 there asks for the key's topic.
    void the_keypad_is_reached_from_the_keyboard_and_named() {
        Fixture f;
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        f.View().setFocus();
        QTest::keyClick(&f.View(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        CColorButton* sine = f.Keypad().Button(1001);
        QTRY_VERIFY(sine->hasFocus());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(sine);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("sine"));
        QCOMPARE(accessible->role(), QAccessible::Button);

        QList<std::uint32_t> requested;
        {
            const ScopedAnswerer<HelpHandler> help(SetHelpHandler,
                                                   [&](std::uint32_t id) { requested << id; });
            QTest::keyClick(sine, Qt::Key_F1);
        }
        QCOMPARE(requested, QList<std::uint32_t>{0x806603E9u});

        // The main window's help opens the key's page, with the pointer anywhere.
        QTest::keyClick(sine, Qt::Key_F1);
        CCalcHelpWindow* help = OpenHelpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY2(help->windowTitle().endsWith(QStringLiteral("sin \u2014 Sine")),
                 qPrintable(help->windowTitle()));
        help->close();
    }
};

QTEST_MAIN(KeypadPaneTest)
#include "keypad_pane_test.moc"
