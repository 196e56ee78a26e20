// A calculation as one step of the editor's undo history: undo gives back the text byte
// for byte and redo the results, the history before stays, the modified flag and the
// scroll position keep, and a line typed under an old result survives. Also the caret
// behind a ";", the failing statement's mark and the log rows that lead to it.

#include "window_fixtures.h"

#include <QScrollBar>
#include <QTreeView>

#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/editor/text_edits.h"
#include "app/notify/calc_notifier.h"
#include "app/panes/calc_log.h"

namespace {

std::u16string U16(const QString& text) {
    return text.toStdU16String();
}

} // namespace

class CalculationUndoTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture : DocumentFixture {
        Fixture() {
            view.resize(500, 300);
            view.show();
        }
    };
  private slots:
    void undo_restores_the_text_and_redo_the_results_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("calculated");
        QTest::newRow("one statement at the caret")
            << "1+1;\r\n2*3 = 7;" << 7 << int(CmdCalculate) << "1+1;\r\n2*3 = 6;";
        QTest::newRow("every statement, comments and breaks kept")
            << "// sums\r\n1+1=0; /* x */ 2*3;\r\n\r\n\u03C0*0" << 0 << int(CmdCalculateAll)
            << "// sums\r\n1+1=2; /* x */ 2*3=6;\r\n\r\n\u03C0*0=0";
        QTest::newRow("a failed run that took an old result")
            << "1+1=5;\r\n1/0 = 3;\r\n4" << 0 << int(CmdCalculateAll) << "1+1=2;\r\n1/0  ;\r\n4";
        QTest::newRow("results longer and shorter than the old")
            << "1/3=1;2=2.5555555;" << 0 << int(CmdCalculateAll) << "1/3=0.33333333333333;2=2;";
    }
    void undo_restores_the_text_and_redo_the_results() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, code);
        QFETCH(QString, calculated);
        Fixture f;
        f.Load(text);
        f.PlaceCaret(caret);
        f.Run(code);
        QCOMPARE(f.Text(), calculated);
        QVERIFY(f.view.document()->isUndoAvailable());
        f.view.undo();
        QCOMPARE(f.Text(), text);
        QVERIFY(!f.view.document()->isUndoAvailable());
        f.view.redo();
        QCOMPARE(f.Text(), calculated);
    }

    void several_calculations_are_several_steps() {
        Fixture f;
        f.Load(QStringLiteral("2*2; 3*3;"));
        f.PlaceCaret(0);
        f.Run(CmdCalculate);
        f.PlaceCaret(9);
        f.Run(CmdCalculate);
        f.Run(CmdCalculateAll); // changes nothing, so it is no step of its own
        QCOMPARE(f.Text(), QStringLiteral("2*2=4; 3*3=9;"));
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("2*2=4; 3*3;"));
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("2*2; 3*3;"));
        QVERIFY(!f.view.document()->isUndoAvailable());
        f.view.redo();
        f.view.redo();
        QCOMPARE(f.Text(), QStringLiteral("2*2=4; 3*3=9;"));
        // Typing just behind the results is a step of its own.
        f.view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&f.view, QStringLiteral("4"));
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("2*2=4; 3*3=9;"));
    }

    void the_history_before_a_calculation_stays() {
        Fixture f;
        f.Load(QStringLiteral("5;"));
        f.view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&f.view, QStringLiteral("6;"));
        f.Run(CmdCalculate);
        QCOMPARE(f.Text(), QStringLiteral("5;6=6;"));
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("5;6;"));
        while (f.view.document()->isUndoAvailable())
            f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("5;"));
    }

    // The keypad's insertions and its backspace are steps of their own, apart from the
    // typing around them and from one another.
    void every_command_change_is_one_step() {
        Fixture f;
        QTest::keyClicks(&f.view, QStringLiteral("1"));
        f.document.ReceiveText(u"sin(");
        f.document.ReceiveText(u"2");
        f.document.ReceiveCommand(CmdBackspace);
        f.document.ReceiveText(u"3");
        QTest::keyClicks(&f.view, QStringLiteral(")"));
        const QStringList steps{"1sin(3)", "1sin(3", "1sin(", "1sin(2", "1sin(", "1"};
        for (const QString& step : steps) {
            QCOMPARE(f.Text(), step);
            f.view.undo();
        }
        QCOMPARE(f.Text(), QString());
    }

    void the_modified_flag_follows_edits_not_calculations() {
        Fixture f;
        f.Load(QStringLiteral("3*3;"));
        f.Run(CmdCalculateAll);
        QVERIFY(!f.document.IsModified());
        f.view.undo(); // undoing is an edit of the user's
        QVERIFY(f.document.IsModified());
        f.document.SetModifiedFlag(false);
        f.view.redo();
        QVERIFY(f.document.IsModified());
        f.document.SetModifiedFlag(false);
        QTest::keyClicks(&f.view, QStringLiteral("1"));
        f.Run(CmdCalculateAll);
        QVERIFY(f.document.IsModified());
    }

    void the_scroll_position_stays() {
        Fixture f;
        QString text;
        for (int line = 0; line < 400; ++line)
            text += QStringLiteral("%1+1=0;\r\n").arg(line);
        f.Load(text);
        QScrollBar* bar = f.view.verticalScrollBar();
        bar->setValue(200);
        const int top = f.view.cursorForPosition(QPoint(2, 2)).blockNumber();
        f.view.setTextCursor(f.view.cursorForPosition(QPoint(2, f.view.viewport()->height() / 2)));
        f.Run(CmdCalculate);
        QCOMPARE(bar->value(), 200);
        QCOMPARE(f.view.cursorForPosition(QPoint(2, 2)).blockNumber(), top);
        f.Run(CmdCalculateAll); // the caret goes to the end, and the view follows it there
        QCOMPARE(f.Caret(), static_cast<int>(f.Text().size()));
    }

    // A result used to run to the end of its statement, taking the lines typed below it.
    void a_line_typed_under_a_result_survives() {
        Fixture f;
        QTest::keyClicks(&f.view, QStringLiteral("sin(1)"));
        f.Run(CmdCalculate);
        QCOMPARE(f.Text(), QStringLiteral("sin(1)=0.8414709848079"));
        QTest::keyClick(&f.view, Qt::Key_Return);
        QTest::keyClicks(&f.view, QStringLiteral("cos(1)*2"));
        f.Run(CmdCalculate);
        QCOMPARE(f.Text(), QStringLiteral("sin(1)=0.8414709848079\r\ncos(1)*2=1.0806046117363"));
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("sin(1)=0.8414709848079\r\ncos(1)*2"));
    }

    void the_caret_just_behind_a_semicolon_calculates_its_statement() {
        Fixture f;
        QTest::keyClicks(&f.view, QStringLiteral("2*21;  // answer"));
        f.Run(CmdCalculate);
        QCOMPARE(f.Text(), QStringLiteral("2*21=42;  // answer"));
        QCOMPARE(f.Caret(), 8);
    }

    void a_failing_statement_is_marked_until_the_next_edit() {
        Fixture f;
        f.Load(QStringLiteral("1+1;\r\n  Sum(k, 1, 3, k/0) = 7;\r\n2"));
        f.Run(CmdCalculateAll);
        QCOMPARE(f.Text(), QStringLiteral("1+1=2;\r\n  Sum(k, 1, 3, k/0)  ;\r\n2"));
        const QList<QTextEdit::ExtraSelection> marks = f.view.extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.selectedText(), QStringLiteral("Sum(k, 1, 3, k/0)"));
        QCOMPARE(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(marks[0].format.underlineColor().red() > 200, true);
        QTest::keyClick(&f.view, Qt::Key_End);
        QTest::qWait(10);
        QCOMPARE(f.view.extraSelections().size(), 1); // moving the caret is no edit
        QTest::keyClicks(&f.view, QStringLiteral(" "));
        QTRY_VERIFY(f.view.extraSelections().isEmpty());

        f.Run(CmdCalculateAll);
        QTest::qWait(10);
        QCOMPARE(f.view.extraSelections().size(), 1);
        f.Load(QStringLiteral("1"));
        f.Run(CmdCalculateAll);
        QTRY_VERIFY(f.view.extraSelections().isEmpty());
    }

    void double_clicking_a_log_row_puts_the_caret_into_its_statement() {
        Fixture f;
        CCalcLog log;
        NCalculatorText::engineState.logReceiver = &log;
        connect(&log, &CCalcLog::statementActivated, &f.document, &CCalcDoc::GoToStatement);
        log.resize(600, 200);
        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        f.Load(QStringLiteral("1;\r\nmem[a] + 1;\r\n  mem[b]/0"));
        f.Run(CmdCalculateAll);
        QTreeView* list = log.List();
        QCOMPARE(list->model()->rowCount(), 3); // two warnings, then the error
        // Typing before the statements moves them; the rows still find them.
        f.PlaceCaret(0);
        QTest::keyClicks(&f.view, QStringLiteral("0+"));
        const auto doubleClick = [&](int row) {
            const QRect rect = list->visualRect(list->model()->index(row, 3));
            // As a mouse does it: the first click, then the second that makes it double.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        };
        doubleClick(2);
        QCOMPARE(f.Text().mid(f.Caret(), 6), QStringLiteral("mem[b]"));
        doubleClick(0);
        QCOMPARE(f.Text().mid(f.Caret(), 6), QStringLiteral("mem[a]"));
        NCalculatorText::engineState.logReceiver = nullptr;
    }

    void edits_between_texts_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("edits");
        QTest::newRow("the same text") << "1=1;\r\n2"
                                       << "1=1;\r\n2" << 0;
        QTest::newRow("one change per changed line") << "1=0;2=0;\r\n3;\r\n4"
                                                     << "1=1;2=2;\r\n3;\r\n4=4" << 2;
        QTest::newRow("lines added: one edit over the difference") << "a\r\nb"
                                                                   << "a\r\nx\r\ny\r\nb" << 1;
        QTest::newRow("lines taken away") << "a\r\nx\r\nb\r\n"
                                          << "a\r\nb\r\n"
                                          << 1;
        QTest::newRow("a break added at the end") << "a"
                                                  << "a\r\n"
                                                  << 1;
        QTest::newRow("everything replaced") << "abc"
                                             << "" << 1;
    }
    // Applying the edits to the old text gives the new one, and they touch only what differs.
    void edits_between_texts() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, edits);
        const std::vector<TextEdit> found = EditsBetween(U16(before), U16(after));
        QCOMPARE(static_cast<int>(found.size()), edits);
        std::u16string text = U16(before);
        for (auto edit = found.rbegin(); edit != found.rend(); ++edit) {
            QVERIFY(text.substr(edit->start, edit->end - edit->start) != edit->replacement);
            text.replace(edit->start, edit->end - edit->start, edit->replacement);
        }
        QCOMPARE(FromU16(text), after);
    }
};

QTEST_MAIN(CalculationUndoTest)
#include "calculation_undo_test.moc"
