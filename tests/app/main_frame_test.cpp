// The main window: caption, menus and their enabling, panes shown, hidden and focused,
// the unit list and its chooser, placement and layout kept between runs, and a picture
// of the window for a person to look at.

#include "window_fixtures.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/mainframe/calc_tool_bar.h"
#include "app/mainframe/lock_keys.h"
#include "app/mainframe/status_panes.h"
#include "app/mainframe/trigonometric_units_chooser.h"
#include "app/notify/calc_notifier.h"
#include "picture_checks.h"
#include "ui/resources/bundled_fonts.h"

namespace {

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            texts << QStringLiteral("-");
        else if (action->isVisible())
            texts << action->text();
    }
    return texts;
}

const QMenu* TopMenu(const QMainWindow& window, const QString& title) {
    for (const QAction* action : window.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private:
    // Wide enough for the keypad beside the log.
    struct Fixture : MainWindowFixture {
        Fixture() : MainWindowFixture({1100, 550}) {}
    };

  private slots:
    void initTestCase() { LoadBundledFonts(); }

    void caption_follows_title_and_modified_flag() {
        Fixture f;
        QCOMPARE(f.frame->windowTitle(), QStringLiteral(" Vantor Calculator \u2014 Calculation"));
        QTest::keyClicks(&f.View(), QStringLiteral("1;"));
        QCOMPARE(f.frame->windowTitle(), QStringLiteral(" Vantor Calculator \u2014 Calculation\u00B0"));
        f.document.SetModifiedFlag(false);
        QCOMPARE(f.frame->windowTitle(), QStringLiteral(" Vantor Calculator \u2014 Calculation"));
    }

    void menus_hold_every_item() {
        Fixture f;
        QStringList titles;
        for (const QAction* action : f.frame->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Memory", "&Edit", "&View", "&Set", "&Help"}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&File")),
                 (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                              "&Execute...\tCtrl+E", "-", "&Print...\tCtrl+P", "Print Pre&view",
                              "Pa&ge Setup...", "-", "Recent File", "-", "E&xit"}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&Memory")), (QStringList{"&Free", "&Load...", "&Save..."}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&Edit")),
                 (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                              "&Paste\tCtrl+V", "-", "Select &All\tCtrl+A", "-", "&Find...\tCtrl+F",
                              "Find &Next\tF3", "R&eplace...\tCtrl+H", "&Go to Line...\tCtrl+G"}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&View")),
                 (QStringList{"&Toolbar", "&Keypad\tCtrl+K", "&Log\tCtrl+L", "&Memory\tCtrl+M",
                              "St&atistics\tCtrl+T", "&Status Bar"}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&Set")),
                 (QStringList{"&Preferences...", "&Notation", "&Keypad"}));
        QCOMPARE(MenuTexts(TopMenu(*f.frame, "&Help")),
                 (QStringList{"&Help Topics", "-", "&About Calculator..."}));
    }

    void enabling_rules() {
        Fixture f;
        for (CommandId id : {CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FilePageSetup,
                             CommandId::HelpTopics, CommandId::AppAbout})
            QVERIFY(f.frame->Action(id)->isEnabled());
        QVERIFY(!f.frame->Action(CommandId::MemoryFree)->isEnabled());
        QVERIFY(!f.frame->Action(CommandId::MemorySave)->isEnabled());
        QVERIFY(f.frame->Action(CommandId::MemoryLoad)->isEnabled());
        QVERIFY(!f.frame->Action(CommandId::EditCopy)->isEnabled());

        QTest::keyClicks(&f.View(), QStringLiteral("4->mem[k];"));
        f.frame->RunCommand(CommandId::CalculateAll);
        WaitForCalculation(f.document);
        QVERIFY(f.frame->Action(CommandId::MemoryFree)->isEnabled());
        QVERIFY(f.frame->Action(CommandId::MemorySave)->isEnabled());
        f.View().selectAll();
        QVERIFY(f.frame->Action(CommandId::EditCopy)->isEnabled());
        QCOMPARE(f.frame->StatusText(1), QStringLiteral("rslt = 4"));
    }

    void calculate_keys_reach_the_document() {
        Fixture f;
        QTest::keyClicks(&f.View(), QStringLiteral("2*3;"));
        f.View().SetSelection(0, 0);
        QTest::keyClick(&f.View(), Qt::Key_Equal, Qt::ControlModifier);
        WaitForCalculation(f.document);
        QCOMPARE(FromU16(f.View().DocumentText()), QStringLiteral("2*3=6;"));
        // With Shift it calculates everything, from a pane too. QTest delivers the unshifted
        // key as the keyboard mapping offers it first; the real press runs under X (tests/x11).
        f.View().moveCursor(QTextCursor::End);
        QTest::keyClicks(&f.View(), QStringLiteral("1+1;"));
        QWidget* log = f.frame->Bar(PaneId::Log)->widget();
        log->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier | Qt::ShiftModifier);
        WaitForCalculation(f.document);
        QCOMPARE(FromU16(f.View().DocumentText()), QStringLiteral("2*3=6;1+1=2;"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&f.View()));
    }

    void toggling_a_pane_and_the_focus() {
        Fixture f;
        CCalcDlgBar* log = f.frame->Bar(PaneId::Log);
        QVERIFY(log->isVisible());
        QVERIFY(f.frame->Action(CommandId::ViewLog)->isChecked());
        log->widget()->setFocus();
        f.frame->RunCommand(CommandId::ViewLog);
        QVERIFY(!log->isVisible());
        QVERIFY(!f.frame->Action(CommandId::ViewLog)->isChecked());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&f.View()));
        f.frame->RunCommand(CommandId::ViewLog);
        QVERIFY(log->isVisible());
    }

    void focusing_a_hidden_pane_shows_it_and_the_editor_key_comes_back() {
        Fixture f;
        CCalcDlgBar* statistics = f.frame->Bar(PaneId::Statistics);
        QVERIFY(!statistics->isVisible());
        QVERIFY(statistics->isFloating());
        f.frame->RunCommand(CommandId::FocusStatistics);
        QVERIFY(statistics->isVisible());
        QVERIFY(f.frame->Action(CommandId::ViewStatistics)->isChecked());
        QTRY_VERIFY(statistics->isActiveWindow());
        // From the floating pane's own window back to the editor.
        f.frame->RunCommand(CommandId::FocusEditor);
        QTRY_VERIFY(f.frame->isActiveWindow());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&f.View()));
    }

    void showing_a_pane_keeps_the_focus() {
        Fixture f;
        f.View().setFocus();
        f.frame->RunCommand(CommandId::ViewMemory);
        QVERIFY(!f.frame->Bar(PaneId::Memory)->isVisible());
        emit f.notifier.paneShowRequested(PaneId::Memory);
        QVERIFY(f.frame->Bar(PaneId::Memory)->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&f.View()));
    }

    void unit_list_gives_way_to_a_button_when_vertical() {
        Fixture f;
        CCalcToolBar* toolBar = f.frame->ToolBar();
        QAction* unitButton = f.frame->Action(CommandId::TrigonometricUnits);
        QVERIFY(toolBar->ListShown());
        QVERIFY(!unitButton->isVisible());
        f.frame->addToolBar(Qt::LeftToolBarArea, toolBar);
        QVERIFY(!toolBar->ListShown());
        QVERIFY(unitButton->isVisible());
        f.frame->RunCommand(CommandId::TrigonometricUnits);
        QVERIFY(f.frame->Chooser()->isVisible());
        QVERIFY(unitButton->isChecked());
        f.frame->addToolBar(Qt::TopToolBarArea, toolBar);
        QVERIFY(toolBar->ListShown());
        QVERIFY(!f.frame->Chooser()->isVisible());
    }

    void choosing_a_unit_updates_every_display() {
        Fixture f;
        CCalcTrigonometricUnits* chooser = f.frame->Chooser();
        chooser->show();
        emit chooser->unitChosen(1);
        QCOMPARE(preferenceStore.values.trigonometricUnits, 1);
        QVERIFY(preferenceStore.changed);
        QCOMPARE(f.frame->StatusText(2), QStringLiteral("Deg"));
        QCOMPARE(f.frame->ToolBar()->UnitList()->currentText(), QStringLiteral(" Deg"));
        QCOMPARE(chooser->Unit(), 1);
        // The next calculation uses degrees.
        QTest::keyClicks(&f.View(), QStringLiteral("sin(90);"));
        f.frame->RunCommand(CommandId::CalculateAll);
        WaitForCalculation(f.document);
        QCOMPARE(FromU16(f.View().DocumentText()), QStringLiteral("sin(90)=1;"));
        emit f.frame->ToolBar()->unitChosen(2);
        QCOMPARE(f.frame->StatusText(2), QStringLiteral("Grad"));
        QCOMPARE(chooser->Unit(), 2);
    }

    void notation_commands_check_and_mark_changed() {
        Fixture f;
        QSignalSpy relabel(&f.notifier, &CCalcNotifier::preferencesApplied);
        QVERIFY(f.frame->Action(CommandId::NotationWest)->isChecked());
        f.frame->RunCommand(CommandId::NotationEast);
        QCOMPARE(preferenceStore.values.notation, 1);
        QVERIFY(preferenceStore.changed);
        QVERIFY(f.frame->Action(CommandId::NotationEast)->isChecked());
        QVERIFY(!f.frame->Action(CommandId::NotationWest)->isChecked());
        QCOMPARE(relabel.count(), 1);
    }

    void applying_preferences_changes_the_font_once() {
        Fixture f;
        const int builds = f.View().FontBuilds();
        preferenceStore.values.fontSize = 20;
        f.frame->ApplyPreferences();
        QCOMPARE(f.View().font().pointSize(), 20);
        f.frame->ApplyPreferences();
        QCOMPARE(f.View().FontBuilds(), builds + 1);
    }

    void layout_and_pane_sizes_come_back() {
        Fixture f;
        f.frame->RunCommand(CommandId::ViewLog);
        f.frame->RunCommand(CommandId::ViewStatusBar);
        f.frame->addDockWidget(Qt::LeftDockWidgetArea, f.frame->Bar(PaneId::Memory));
        f.Reopen();
        QVERIFY(!f.frame->Bar(PaneId::Log)->isVisible());
        QVERIFY(!f.frame->statusBar()->isVisible());
        QVERIFY(!f.frame->Action(CommandId::ViewStatusBar)->isChecked());
        QVERIFY(f.frame->ToolBar()->isVisible());
        QCOMPARE(f.frame->dockWidgetArea(f.frame->Bar(PaneId::Memory)), Qt::LeftDockWidgetArea);
        QSettings settings;
        QVERIFY(settings.childGroups().contains(QStringLiteral("GUI")));
        QVERIFY(settings.contains(QStringLiteral("GUI/BarState-Bar102/HorizontalY")));
        QVERIFY(settings.contains(QStringLiteral("GUI/BarState-Bar105/VerticalX")));
        QVERIFY(!settings.contains(QStringLiteral("GUI/BarState-Bar101/HorizontalY")));
        QVERIFY(!settings.contains(QStringLiteral("GUI/BarState-Bar106/HorizontalY")));
        QCOMPARE(settings.value(QStringLiteral("GUI/Frame/Maximized")).toInt(), 0);
        QCOMPARE(settings.value(QStringLiteral("GUI/Frame/Right")).toInt() -
                     settings.value(QStringLiteral("GUI/Frame/Left")).toInt(),
                 1100);
    }

    void a_floating_pane_opens_clear_of_the_menu_bar_and_comes_back_on_a_screen() {
        Fixture f;
        CCalcDlgBar& statistics = *f.frame->Bar(PaneId::Statistics);
        f.frame->RunCommand(CommandId::ViewStatistics);
        QVERIFY(statistics.isVisible() && statistics.isFloating());
        const QMenuBar& menuBar = *f.frame->menuBar();
        const QRect menu(menuBar.mapToGlobal(QPoint(0, 0)), menuBar.size());
        QVERIFY(!statistics.frameGeometry().intersects(menu));
        // Its title on the screen, the rest too where the screen is large enough.
        QVERIFY(statistics.screen()->availableGeometry().contains(statistics.frameGeometry().topLeft()));

        // Left on a screen that is gone: it comes back where it can be reached.
        statistics.move(20000, 20000);
        f.Reopen();
        CCalcDlgBar& again = *f.frame->Bar(PaneId::Statistics);
        QTRY_VERIFY(again.isVisible());
        QVERIFY(again.isFloating());
        QVERIFY(f.frame->Action(CommandId::ViewStatistics)->isChecked());
        QVERIFY(again.screen()->availableGeometry().contains(again.frameGeometry().topLeft()));
    }

    void stored_pane_sizes_are_used_at_start() {
        Fixture f;
        {
            QSettings settings;
            settings.setValue(QStringLiteral("GUI/BarState-Bar105/VerticalX"), 260);
        }
        f.frame.reset();
        f.Open();
        QTRY_COMPARE(f.frame->Bar(PaneId::Memory)->width(), 260);
    }

    void a_pane_takes_the_size_of_its_new_side() {
        Fixture f;
        CCalcDlgBar* memory = f.frame->Bar(PaneId::Memory);
        const int wide = memory->width();
        f.frame->addDockWidget(Qt::TopDockWidgetArea, memory);
        QTRY_VERIFY(memory->Orientation() == BarOrientation::Horizontal);
        QTRY_COMPARE(memory->height(),
                     memory->Sizes().horizontal.expandedTo(memory->Sizes().minimum).height());
        f.frame->resizeDocks({memory}, {memory->height() + 40}, Qt::Vertical);
        const int tall = memory->height();
        // Back at the right it is as wide as before, and at the top again as tall as it was made.
        f.frame->addDockWidget(Qt::RightDockWidgetArea, memory);
        QTRY_COMPARE(memory->width(), wide);
        f.frame->addDockWidget(Qt::TopDockWidgetArea, memory);
        QTRY_COMPARE(memory->height(), tall);
    }

    void a_dropped_file_is_opened_as_the_document() {
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("dropped.vcl"));
        WriteBytes(path, QByteArray("\xFF\xFE"
                                    "7\0;\0",
                                    6));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* target = f.View().viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(f.document.PathName(), path);
        QCOMPARE(FromU16(f.View().DocumentText()), QStringLiteral("7;"));
        QCOMPARE(f.frame->windowTitle(), QStringLiteral(" Vantor Calculator \u2014 dropped.vcl"));
    }

    void a_saved_placement_is_restored() {
        Fixture f;
        {
            QSettings settings;
            settings.setValue(QStringLiteral("GUI/Frame/Left"), 40);
            settings.setValue(QStringLiteral("GUI/Frame/Top"), 30);
            settings.setValue(QStringLiteral("GUI/Frame/Right"), 1140);
            settings.setValue(QStringLiteral("GUI/Frame/Bottom"), 730);
            settings.setValue(QStringLiteral("GUI/Frame/Maximized"), 0);
        }
        f.frame->RestorePlacement();
        QCOMPARE(f.frame->geometry(), QRect(40, 30, 1100, 700));
        QVERIFY(!f.frame->isMaximized());
    }

    void first_start_is_maximized() {
        Fixture f;
        f.frame->hide();
        f.frame->RestorePlacement();
        QVERIFY(f.frame->windowState() & Qt::WindowMaximized);
        // A value that is no number counts as missing.
        f.frame->showNormal();
        f.frame->hide();
        QSettings().setValue(QStringLiteral("GUI/Frame/Maximized"), QStringLiteral("no"));
        f.frame->RestorePlacement();
        QVERIFY(f.frame->windowState() & Qt::WindowMaximized);
    }

    void closing_asks_to_save_and_may_be_cancelled() {
        Fixture f;
        QTest::keyClicks(&f.View(), QStringLiteral("1;"));
        f.boxes.Expect(QStringLiteral("Save changes to \u201CCalculation\u201D?"), IdCancel);
        QVERIFY(!f.frame->close());
        QVERIFY(f.frame->isVisible());
        f.boxes.Expect(QStringLiteral("Save changes to \u201CCalculation\u201D?"), IdNo);
        QVERIFY(f.frame->close());
        QVERIFY(f.boxes.AllAnswered());
    }

    void lock_key_panes_follow_the_keyboard_lights() {
        QTemporaryDir leds;
        const auto setLight = [&](const QString& name, const char* brightness) {
            QVERIFY(QDir(leds.path()).mkpath(name));
            QFile file(leds.filePath(name + QStringLiteral("/brightness")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(brightness);
        };
        QCOMPARE(ReadLockKeyStates(FindLockKeyLights(leds.filePath(QStringLiteral("absent")))),
                 LockKeyStates{});
        QCOMPARE(ReadLockKeyStates(FindLockKeyLights(leds.path())), LockKeyStates{});
        setLight(QStringLiteral("input3::capslock"), "1\n");
        setLight(QStringLiteral("input3::numlock"), "0\n");
        setLight(QStringLiteral("input3::scrolllock"), "1\n");
        setLight(QStringLiteral("input9::numlock"), "unreadable");
        QCOMPARE(ReadLockKeyStates(FindLockKeyLights(leds.path())), (LockKeyStates{true, false}));

        // Any keyboard's light counts; the panes show the state at once and on refresh.
        setLight(QStringLiteral("input9::numlock"), "255\n");
        QStatusBar bar;
        StatusPanes panes(&bar, leds.path());
        QCOMPARE(panes.Text(StatusPane::CapsLock), QStringLiteral("CAP"));
        QCOMPARE(panes.Text(StatusPane::NumLock), QStringLiteral("NUM"));
        setLight(QStringLiteral("input3::capslock"), "0\n");
        panes.RefreshLockKeys();
        QCOMPARE(panes.Text(StatusPane::CapsLock), QString());
        QCOMPARE(panes.Text(StatusPane::NumLock), QStringLiteral("NUM"));
    }

    void picture_of_the_window() {
        Fixture f;
        f.frame->Bar(PaneId::Statistics)->hide();
        f.View().insertPlainText(
            QStringLiteral("/* a few results */\nsin(\u03C0/6)*2;\n1+2*i->mem[z];\nsqrt(-4);\nΓ(0.5)^2;"));
        f.frame->RunCommand(CommandId::CalculateAll);
        WaitForCalculation(f.document);
        QTest::qWait(50);
        const QImage picture = f.frame->grab().toImage();
        const qreal ratio = f.frame->devicePixelRatioF();
        QCOMPARE(picture.size(), picture_checks::PixelSize(f.frame->size(), ratio));
        // The calculated text, the menu, the toolbar, the status bar and the shown panes
        // are each drawn where they stand.
        QList<QWidget*> parts{f.frame->menuBar(), f.frame->ToolBar(), f.frame->statusBar(), &f.View()};
        for (PaneId pane : {PaneId::Keypad, PaneId::Log, PaneId::Memory}) {
            QVERIFY(f.frame->Bar(pane)->isVisible());
            parts << f.frame->Bar(pane);
        }
        for (const QWidget* part : parts) {
            const QRect inFrame(part->mapTo(f.frame.get(), QPoint(0, 0)), part->size());
            QVERIFY2(f.frame->rect().contains(inFrame), qPrintable(part->objectName()));
            QVERIFY2(picture_checks::ShowsSomething(picture, inFrame), qPrintable(part->objectName()));
        }
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        const QString path = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/main-window@%1x.png").arg(ratio);
        QVERIFY(picture.save(path));
        qInfo("picture of the main window: %s", qPrintable(path));
        f.document.SetModifiedFlag(false);
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
