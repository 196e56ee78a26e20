// The styled message box and the about box as a user meets them: the kind, lines and
// buttons, the default button's focus, Enter, Escape, letters, clicks, the caption's
// close button, and the road every message takes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/controls/va_button.h"
#include "ui/controls/va_link.h"
#include "ui/controls/va_static.h"
#include "ui/dialogs/calc_about_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/va_message_dialog.h"
#include "ui/resources/va_fonts.h"

namespace {

constexpr MessageType kYesNo{MessageButtons::YesNo, MessageIcon::Question};

QStringList ButtonTexts(const VaMessageDialog& box) {
    QStringList texts;
    for (const VaButton* button : box.Buttons())
        texts << button->text();
    return texts;
}

QPoint CentreOf(const QWidget* widget) {
    return widget->rect().center();
}

// Shows the box and waits until it has opened.
void Open(VaDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
}

} // namespace

class StyledDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(VaFonts::Application().LoadFonts()); }

    void clear_all_asks_with_yes_and_no() {
        VaMessageDialog box(QStringLiteral("Clear all the calculations?"), kYesNo, nullptr);
        box.Prepare();
        QCOMPARE(box.windowTitle(), QStringLiteral("Calculator asks"));
        QCOMPARE(box.Kind(), MessageKind::Asks);
        QCOMPARE(ButtonTexts(box), (QStringList{"&Yes", "&No"}));
        QCOMPARE(box.Lines().size(), std::size_t(1));
        QCOMPARE(box.KindImage().Picture().size(), QSize(165, 156));
    }

    void warning_has_one_line_and_close() {
        VaMessageDialog box(QStringLiteral("Cannot open the file for reading."),
                            {MessageButtons::Close, MessageIcon::Exclamation}, nullptr);
        box.Prepare();
        QCOMPARE(box.windowTitle(), QStringLiteral("Calculator warns"));
        QCOMPARE(ButtonTexts(box), QStringList{"&Close"});
        QCOMPARE(box.Lines().size(), std::size_t(1));
    }

    void two_lines_each_centred_in_the_frame() {
        VaMessageDialog box(QStringLiteral("Only one cell is selected.\nCalculate for all cells?\nnot shown"),
                            kYesNo, nullptr);
        box.Prepare();
        QCOMPARE(box.Lines().size(), std::size_t(2));
        QCOMPARE(box.Lines()[1]->Text(), QStringLiteral("Calculate for all cells?"));
        const int centre = box.FrameRect().center().x();
        for (const VaStatic* line : box.Lines())
            QVERIFY(qAbs(line->geometry().center().x() - centre) <= 1);
        const VaButton* yes = box.Buttons()[0];
        const VaButton* no = box.Buttons()[1];
        QCOMPARE(yes->size(), no->size());
        QVERIFY(qAbs((yes->geometry().left() + no->geometry().right()) / 2 - centre) <= 1);
        QVERIFY(yes->geometry().top() > box.Lines()[1]->geometry().bottom());
    }

    void window_is_the_frame_with_its_shadow_margins() {
        VaMessageDialog box(QStringLiteral("Erase all the memory?"), kYesNo, nullptr);
        box.Prepare();
        QVERIFY(box.PaintsShadow());
        QCOMPARE(box.size(), box.FrameRect().size() + QSize(86, 86));
        QCOMPARE(box.FrameRect().topLeft(), QPoint(43, 43 - 18));
        const QImage picture = box.Picture();
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);                               // the shadow's outer corner
        QVERIFY(qAlpha(picture.pixel(box.width() / 2, box.height() - 20)) > 0); // shadow below the frame
        QCOMPARE(qAlpha(picture.pixel(box.FrameRect().center())), 255);         // the opaque body
    }

    void default_button_takes_the_focus_data() {
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<QString>("focused");
        QTest::newRow("the first by default") << 0 << "&Yes";
        QTest::newRow("the second focuses No") << 1 << "&No";
        QTest::newRow("a third on two buttons falls back to Yes") << 2 << "&Yes";
    }

    void default_button_takes_the_focus() {
        QFETCH(int, defaultButton);
        QFETCH(QString, focused);
        VaMessageDialog box(
            QStringLiteral("Overwrite?"),
            {MessageButtons::YesNo, MessageIcon::Question, static_cast<DefaultButton>(defaultButton)},
            nullptr);
        Open(box);
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        auto* button = dynamic_cast<VaButton*>(QApplication::focusWidget());
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), focused);
        QVERIFY(button->isDefault());
    }

    void keys_and_clicks_answer_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        const int yesNo = int(MessageButtons::YesNo);
        const int yesNoCancel = int(MessageButtons::YesNoCancel);
        QTest::newRow("Enter presses the default Yes") << yesNo << "Enter" << int(IdYes);
        QTest::newRow("Escape on Yes/No is No") << yesNo << "Escape" << int(IdNo);
        QTest::newRow("Escape on Yes/No/Cancel is Cancel") << yesNoCancel << "Escape" << int(IdCancel);
        QTest::newRow("Escape on Close is Close") << int(MessageButtons::Close) << "Escape" << int(IdOk);
        QTest::newRow("letter n") << yesNo << "n" << int(IdNo);
        QTest::newRow("letter Y") << yesNo << "Y" << int(IdYes);
        QTest::newRow("letter c on Yes/No/Cancel") << yesNoCancel << "c" << int(IdCancel);
        QTest::newRow("letter t on Cancel/Try again/Continue")
            << int(MessageButtons::CancelTryContinue) << "t" << int(IdTryAgain);
        QTest::newRow("letter r on Abort/Retry/Ignore")
            << int(MessageButtons::AbortRetryIgnore) << "r" << int(IdRetry);
        QTest::newRow("a click on No") << yesNo << "click 1" << int(IdNo);
        QTest::newRow("Tab then Enter presses No") << yesNo << "Tab Enter" << int(IdNo);
        QTest::newRow("the caption's close button is Cancel") << yesNo << "close" << int(IdCancel);
    }

    void keys_and_clicks_answer() {
        QFETCH(int, buttons);
        QFETCH(QString, action);
        VaMessageDialog box(QStringLiteral("Save changes?"), {static_cast<MessageButtons>(buttons)}, nullptr);
        QSignalSpy finished(&box, &QDialog::finished);
        Open(box);
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QWidget* focus = QApplication::focusWidget();
        if (action == QLatin1String("Enter")) {
            QTest::keyClick(focus, Qt::Key_Return);
        } else if (action == QLatin1String("Escape")) {
            QTest::keyClick(focus, Qt::Key_Escape);
        } else if (action == QLatin1String("Tab Enter")) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (action.startsWith(QLatin1String("click"))) {
            const VaButton* button = box.Buttons()[static_cast<std::size_t>(action.back().digitValue())];
            QTest::mouseClick(const_cast<VaButton*>(button), Qt::LeftButton, {}, CentreOf(button));
        } else if (action == QLatin1String("close")) {
            const QRect close =
                CloseButtonRect(box.Caption(), box.FrameRect().width()).translated(box.FrameRect().topLeft());
            QTest::mouseClick(&box, Qt::LeftButton, {}, close.center());
        } else {
            QTest::keyClick(focus, action.front().toLatin1());
        }
        QTRY_COMPARE(finished.size(), 1);
        QTEST(finished.front().front().toInt(), "result");
    }

    void close_button_released_outside_does_not_close() {
        VaMessageDialog box(QStringLiteral("Erase?"), kYesNo, nullptr);
        QSignalSpy finished(&box, &QDialog::finished);
        Open(box);
        const QRect close =
            CloseButtonRect(box.Caption(), box.FrameRect().width()).translated(box.FrameRect().topLeft());
        QTest::mousePress(&box, Qt::LeftButton, {}, close.center());
        QCOMPARE(box.CloseState(), CloseButtonState::Pressed);
        QTest::mouseMove(&box, close.center() - QPoint(40, 0));
        QTRY_COMPARE(box.CloseState(), CloseButtonState::Normal);
        QTest::mouseRelease(&box, Qt::LeftButton, {}, close.center() - QPoint(40, 0));
        QTest::qWait(250);
        QCOMPARE(finished.size(), 0);
        QVERIFY(box.isVisible());
    }

    void clicks_in_the_shadow_margin_are_ignored() {
        VaMessageDialog box(QStringLiteral("Erase?"), kYesNo, nullptr);
        QSignalSpy finished(&box, &QDialog::finished);
        Open(box);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::qWait(50);
        QCOMPARE(finished.size(), 0);
    }

    void every_message_is_shown_by_the_styled_box() {
        QString caption;
        QStringList texts;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto* box = dynamic_cast<VaMessageDialog*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            texts = ButtonTexts(*box);
            QTest::mouseClick(box->Buttons()[1], Qt::LeftButton, {}, CentreOf(box->Buttons()[1]));
        });
        QCOMPARE(CalcMessageBox(QStringLiteral("Erase all the memory?"), kYesNo), int(IdNo));
        QCOMPARE(caption, QStringLiteral("Calculator asks"));
        QCOMPARE(texts, (QStringList{"&Yes", "&No"}));
    }

    void about_box_says_what_this_program_is() {
        CCalcAboutDialog about(nullptr);
        about.Prepare();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Calculator"));
        const QStringList lines = CCalcAboutDialog::Lines();
        QCOMPARE(lines.front(), QStringLiteral("Calculator Vantor"));
        QVERIFY(lines[2].contains(QStringLiteral(VANTOR_TEST_VERSION)));
        QCOMPARE(about.Link()->text(), QStringLiteral("Support"));
        QVERIFY(about.Link()->Address().isValid());
        QCOMPARE(about.CloseButton()->text(), QStringLiteral("&Perfect"));
        // Every line fits inside the frame with room on both sides.
        for (const QWidget* child : about.findChildren<QWidget*>())
            QVERIFY(about.FrameRect().adjusted(2, 2, -2, -2).contains(child->geometry()));
    }

    void support_link_finds_the_documentation_wherever_the_program_lies() {
        QCOMPARE(SupportAddressFor(QStringLiteral("https://example.org/help"), QString()),
                 QUrl(QStringLiteral("https://example.org/help")));
        // An installed tree: the README under share/doc beside bin/.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/doc/vantor-calculator")));
        QFile readme(prefix.filePath(QStringLiteral("share/doc/vantor-calculator/README.md")));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();
        QCOMPARE(SupportAddressFor(QString(), prefix.filePath(QStringLiteral("bin"))),
                 QUrl::fromLocalFile(readme.fileName()));
        // A build folder has none: the source tree's README, which exists.
        const QUrl fallback = SupportAddressFor(QString(), prefix.filePath(QStringLiteral("elsewhere")));
        QVERIFY(fallback.isLocalFile());
        QVERIFY(QFileInfo::exists(fallback.toLocalFile()));
    }

    void perfect_closes_the_about_box() {
        CCalcAboutDialog about(nullptr);
        QSignalSpy finished(&about, &QDialog::finished);
        Open(about);
        QTRY_VERIFY(about.CloseButton()->hasFocus());
        QTest::mouseClick(about.CloseButton(), Qt::LeftButton, {}, CentreOf(about.CloseButton()));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.front().front().toInt(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(StyledDialogsTest)
#include "styled_dialogs_test.moc"
