// The help window as a user meets it: F1 in the editor opens the page of the function
// at the caret in the notation of the preferences, Help Topics opens the contents, the
// search box and the index find pages, links and Back navigate, the window keeps its
// size, what's-this mode explains menu items; and pictures of it for a person to look at.

#include "window_fixtures.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWhatsThis>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/help/application_help.h"
#include "app/help/calc_help_window.h"
#include "app/help/help_content.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/mainframe/calc_tool_bar.h"
#include "app/notify/calc_notifier.h"

namespace {

struct Fixture : MainWindowFixture {
    Fixture() : MainWindowFixture({1000, 600}) {}
    ~Fixture() {
        if (CCalcHelpWindow* help = OpenHelpWindow())
            help->close();
        document.SetModifiedFlag(false);
    }

    // F1 with the text typed into the editor and the caret at its end.
    CCalcHelpWindow* PressF1After(const QString& text) {
        frame->View()->setPlainText(text);
        frame->View()->moveCursor(QTextCursor::End);
        frame->View()->setFocus();
        frame->RunCommand(CommandId::Help);
        return OpenHelpWindow();
    }
};
template <class Widget> Widget* Named(QWidget* window, const QString& name) {
    return window->findChild<Widget*>(name);
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void f1_opens_the_function_at_the_caret_in_the_notation_data() {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::newRow("East tg(") << 1 << "tg("
                                  << "tg \u2014 Tangent";
        QTest::newRow("West tan(") << 0 << "tan("
                                   << "tan \u2014 Tangent";
        QTest::newRow("East name typed in West") << 0 << "1+tg("
                                                 << "tan \u2014 Tangent";
        QTest::newRow("East hyperbolic") << 1 << "sinh"
                                         << "sh \u2014 Hyperbolic sine";
    }
    void f1_opens_the_function_at_the_caret_in_the_notation() {
        QFETCH(int, notation);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        Fixture f;
        preferenceStore.values.notation = notation;
        CCalcHelpWindow* help = f.PressF1After(typed);
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY2(help->windowTitle().endsWith(title), qPrintable(help->windowTitle()));
        QVERIFY(Named<QTextBrowser>(help, "Help page")->toPlainText().startsWith(title));
    }

    void f1_elsewhere_opens_the_first_topic() {
        Fixture f;
        CCalcHelpWindow* help = f.PressF1After(QStringLiteral("1 + 2"));
        QCOMPARE(help->CurrentTarget(), QStringLiteral("getting-started"));
    }

    void help_topics_opens_the_contents() {
        Fixture f;
        QAction* topics = f.frame->Action(CommandId::HelpTopics);
        QVERIFY(topics->isEnabled());
        topics->trigger();
        CCalcHelpWindow* help = OpenHelpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        auto* contents = Named<QTreeWidget>(help, "Help contents");
        QCOMPARE(contents->topLevelItem(0)->text(0), QStringLiteral("Getting started"));
        QCOMPARE(contents->topLevelItemCount(), 10);
        QVERIFY(contents->topLevelItem(2)->childCount() >= 9); // the function families
        QCOMPARE(help->CurrentTarget(), QStringLiteral("getting-started"));
        // Opening it again reuses the one window.
        topics->trigger();
        QCOMPARE(OpenHelpWindow(), help);
    }

    void typing_in_the_search_box_finds_pages() {
        Fixture f;
        f.frame->RunCommand(CommandId::HelpTopics);
        CCalcHelpWindow* help = OpenHelpWindow();
        auto* search = Named<QLineEdit>(help, "Search the help");
        QVERIFY(search->hasFocus() || QApplication::focusWidget() == search ||
                help->isActiveWindow() == false);
        QTest::keyClicks(search, QStringLiteral("Bessel"));
        auto* results = Named<QListWidget>(help, "Search results");
        QVERIFY(results->isVisible());
        QStringList titles;
        for (int row = 0; row < results->count(); ++row)
            titles << results->item(row)->text();
        QVERIFY2(titles.contains(QStringLiteral("J \u2014 Bessel of the first kind")),
                 qPrintable(titles.join(", ")));
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(help->windowTitle().contains(QStringLiteral("Bessel")));
    }

    void the_index_finds_names() {
        Fixture f;
        f.frame->RunCommand(CommandId::HelpTopics);
        CCalcHelpWindow* help = OpenHelpWindow();
        auto* filter = Named<QLineEdit>(help, "Find a name");
        QTest::keyClicks(filter, QStringLiteral("rsl"));
        QCOMPARE(Named<QListWidget>(help, "Help index")->currentItem()->text(), QStringLiteral("rslt"));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(help->CurrentTarget(), QStringLiteral("language#previous-result"));
    }

    void links_and_back_navigate() {
        Fixture f;
        ShowHelp(QStringLiteral("language#powers"), f.frame.get());
        CCalcHelpWindow* help = OpenHelpWindow();
        auto* browser = Named<QTextBrowser>(help, "Help page");
        emit browser->anchorClicked(QUrl(QStringLiteral("fn-pow")));
        QCOMPARE(help->CurrentTarget(), QStringLiteral("fn-pow"));
        emit browser->anchorClicked(QUrl(QStringLiteral("#top")));
        Named<QToolButton>(help, "Back")->click();
        QCOMPARE(help->CurrentTarget(), QStringLiteral("fn-pow"));
        Named<QToolButton>(help, "Back")->click();
        QCOMPARE(help->CurrentTarget(), QStringLiteral("language#powers"));
        QVERIFY(!Named<QToolButton>(help, "Back")->isEnabled());
        Named<QToolButton>(help, "Forward")->click();
        QCOMPARE(help->CurrentTarget(), QStringLiteral("fn-pow"));
    }

    void the_window_keeps_its_size() {
        TestEnvironment environment;
        QSize kept;
        {
            CCalcHelpWindow help(HelpContent::Embedded());
            help.Show(QString(), 0);
            help.resize(700, 480);
            kept = help.size();
            help.hide();
        }
        CCalcHelpWindow again(HelpContent::Embedded());
        QCOMPARE(again.size(), kept);
    }

    void whats_this_mode_explains_toolbar_buttons_and_menu_items() {
        Fixture f;
        QAction* log = f.frame->Action(CommandId::ViewLog);
        QVERIFY(log->whatsThis().contains(QStringLiteral("errors")));
        QAction* calculateAll = f.frame->Action(CommandId::CalculateAll);
        QVERIFY(!calculateAll->whatsThis().isEmpty());
        QWidget* button = f.frame->ToolBar()->widgetForAction(calculateAll);
        QVERIFY(button != nullptr);
        QCOMPARE(button->whatsThis(), calculateAll->whatsThis());
        QVERIFY(!f.frame->Bar(PaneId::Memory)->whatsThis().isEmpty());
        QVERIFY(!f.frame->View()->whatsThis().isEmpty());

        // In what's-this mode a click on a menu item shows its text instead of running it.
        QMenu* view = nullptr;
        for (QAction* top : f.frame->menuBar()->actions()) {
            if (top->text() == QStringLiteral("&View"))
                view = top->menu();
        }
        QVERIFY(view != nullptr);
        const bool logShown = log->isChecked();
        view->popup(f.frame->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(view));
        f.frame->RunCommand(CommandId::ContextHelp);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(log).center());
        QTRY_VERIFY(WhatsThisShown());
        QCOMPARE(log->isChecked(), logShown);
        QWhatsThis::hideText();
        QWhatsThis::leaveWhatsThisMode();
    }

    void pictures_of_the_window() {
        Fixture f;
        preferenceStore.values.notation = 0;
        ShowHelp(QString(), f.frame.get());
        CCalcHelpWindow* help = OpenHelpWindow();
        help->resize(QSize(880, 640) * help->logicalDpiY() / 96);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        SavePicture(*help, "contents");
        ShowHelp(QStringLiteral("fn-arcsin"), f.frame.get());
        SavePicture(*help, "function");
        ShowHelp(QStringLiteral("language#operators"), f.frame.get());
        SavePicture(*help, "table");
        QTest::keyClicks(Named<QLineEdit>(help, "Search the help"), QStringLiteral("Bessel"));
        SavePicture(*help, "search");
    }

  private:
    static bool WhatsThisShown() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && QByteArray(widget->metaObject()->className()) == "QWhatsThat")
                return true;
        }
        return false;
    }

    static void SavePicture(QWidget& window, const char* what) {
        QTest::qWait(50);
        const QImage picture = window.grab().toImage();
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        const QString path = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/help-%1@%2x.png")
                                 .arg(QString::fromLatin1(what))
                                 .arg(window.devicePixelRatioF());
        QVERIFY(picture.save(path));
        qInfo("picture of the help window: %s", qPrintable(path));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
