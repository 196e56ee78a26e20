// The keypad in the main window: its keys edit and calculate the document's text, the
// notation commands relabel it, its pane follows its size, and the Set > Keypad menu
// reaches it with the right items checked and enabled.

#include "app_test_support.h"

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"

class KeypadPaneTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        TestEnvironment environment;
        ScriptedMessageBoxes boxes;
        CCalcNotifier notifier;
        CCalcDoc document{notifier};
        std::unique_ptr<CCalcMainFrame> frame;

        Fixture() {
            frame = std::make_unique<CCalcMainFrame>(document, notifier);
            document.OnNewDocument();
            frame->resize(1100, 600);
            frame->show();
            frame->ApplyPreferences();
            QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        }
        CCalcView& View() { return *frame->View(); }
        CCalcKeyPad& Keypad() { return *static_cast<CCalcKeyPad*>(frame->Bar(PaneId::Keypad)->widget()); }
        void Click(int id) {
            CColorButton* key = Keypad().Button(id);
            QTest::mouseClick(key, Qt::LeftButton, {}, key->rect().center());
        }
        QString Text() { return FromU16(View().DocumentText()); }
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
};

QTEST_MAIN(KeypadPaneTest)
#include "keypad_pane_test.moc"
