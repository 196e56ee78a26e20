// Pictures of the whole window with the keypad in each style, both notations, the default
// and custom colours, saved under the test output for looking at; run once more at twice
// the pixels per inch. The pictures are checked for what a look at them must show.

#include "app_test_support.h"

#include <QDir>
#include <QStyle>

#include <deque>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "tests/support/scoped_answerer.h"
#include "ui/dialogs/calc_color_dialog.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"

namespace {

using enum CommandId;

struct StyleShot {
    const char* name;
    CommandId command;
    const char* applicationStyle; // "Windows" stands for a platform without themes
};

const StyleShot kStyles[] = {
    {"2000-themed", KeypadStyle2000, "Fusion"}, {"2000-classic", KeypadStyle2000, "Windows"},
    {"vantor", KeypadStyleVantor, "Fusion"},    {"xp", KeypadStyleXP, "Fusion"},
    {"vista", KeypadStyleVista, "Fusion"},
};

// Dark faces with light texts, unlike the light defaults: the shading of dark colours shows.
const std::pair<CommandId, QColor> kCustomColors[] = {
    {KeypadColorFunction, QColor(30, 60, 140)}, {KeypadTextFunction, QColor(255, 255, 255)},
    {KeypadColorDigit, QColor(20, 110, 60)},    {KeypadTextDigit, QColor(255, 230, 120)},
    {KeypadColorService, QColor(90, 90, 90)},   {KeypadTextService, QColor(240, 240, 240)},
};

} // namespace

class KeypadScreenshotsTest : public QObject {
    Q_OBJECT

  private slots:
    void every_style_notation_and_colouring() {
        TestEnvironment environment;
        ScriptedMessageBoxes boxes;
        CCalcNotifier notifier;
        CCalcDoc document(notifier);
        CCalcMainFrame frame(document, notifier);
        document.OnNewDocument();
        frame.resize(930, 640);
        frame.show();
        frame.ApplyPreferences();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClicks(frame.View(), QStringLiteral("sin(30);"));
        // What the first showing and the typing leave to do, done before the focus moves.
        QTest::qWait(300);
        auto& keypad = *static_cast<CCalcKeyPad*>(frame.Bar(PaneId::Keypad)->widget());
        // The second key has the focus from the keyboard: its focus look shows.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(frame.View(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(keypad.Button(1002)->hasFocus());

        const int dpi = qRound(96 * frame.devicePixelRatioF());
        const QString folder = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/keypad-screens/%1dpi").arg(dpi);
        QVERIFY(QDir().mkpath(folder));
        const QString originalStyle = QApplication::style()->name();

        for (const char* colouring : {"default", "custom"}) {
            if (QLatin1String(colouring) == QLatin1String("custom")) {
                std::deque<QColor> answers;
                for (const auto& [command, color] : kCustomColors)
                    answers.push_back(color);
                const ScopedAnswerer<CCalcColorDialog::Answerer> colours(
                    CCalcColorDialog::SetAnswerer, [&answers](const QColor&) {
                        const QColor next = answers.front();
                        answers.pop_front();
                        return std::optional<QColor>(next);
                    });
                for (const auto& [command, color] : kCustomColors)
                    frame.RunCommand(command);
            }
            for (CommandId notation : {NotationWest, NotationEast}) {
                frame.RunCommand(notation);
                QMap<QString, QImage> keypads;
                for (const StyleShot& style : kStyles) {
                    QApplication::setStyle(QString::fromLatin1(style.applicationStyle));
                    frame.RunCommand(style.command);
                    QApplication::processEvents();
                    QVERIFY(keypad.Button(1002)->hasFocus());
                    const QString name =
                        QStringLiteral("%1-%2-%3")
                            .arg(QLatin1String(style.name),
                                 notation == NotationWest ? QStringLiteral("west") : QStringLiteral("east"),
                                 QLatin1String(colouring));
                    QVERIFY(frame.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
                    keypads.insert(QLatin1String(style.name), keypad.grab().toImage());
                }
                // With theming the stored "2000" paints as "Vista"; every other drawing differs.
                QCOMPARE(keypads.value("2000-themed"), keypads.value("vista"));
                const QStringList distinct{"2000-classic", "vantor", "xp", "vista"};
                for (qsizetype i = 0; i < distinct.size(); ++i) {
                    for (qsizetype j = i + 1; j < distinct.size(); ++j)
                        QVERIFY2(keypads.value(distinct[i]) != keypads.value(distinct[j]),
                                 qPrintable(distinct[i] + QStringLiteral(" and ") + distinct[j]));
                }
            }
        }
        QApplication::setStyle(originalStyle);
        // The key pictures are made at the screen's pixels: twice as many at 192 dpi.
        QCOMPARE(keypad.Button(1001)->grab().size(), keypad.Button(1001)->size() * frame.devicePixelRatioF());
    }
};

QTEST_MAIN(KeypadScreenshotsTest)
#include "keypad_screenshots_test.moc"
