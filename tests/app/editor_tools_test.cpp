// The editor's tools on a real widget: the highlighter's colours and its preference, the
// marks of several sources side by side, completion from typing, the find bar, Go to
// line and the message at the input limit; pictures on a light and a dark palette.

#include "app_test_support.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextLayout>

#include "app/editor/calc_highlighter.h"
#include "app/editor/calc_view.h"
#include "app/editor/completion_popup.h"
#include "app/editor/editor_marks.h"
#include "app/editor/editor_tools.h"
#include "app/editor/find_bar.h"
#include "app/editor/highlight_colours.h"

namespace {

const QString kSample = QStringLiteral("// Circle of radius r\n"
                                       "2*pi*6.5e-1->mem[circumference] = 4.0840704496667;\n"
                                       "/* A Bessel value and\n"
                                       "   its square */\n"
                                       "J(0, 2.4048)**2 = 6.2e-11;\n"
                                       "sin(rslt) + tg(1) + SIN(1) + k;\n"
                                       "Sum(k, 1, 10, k**2) = 385;");

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6e, 0xa8));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

QPalette LightPalette() {
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Button, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::ButtonText, Qt::black);
    return light;
}

// The foreground colour the highlighter gave the character at `position`, or none.
QColor ColourAt(const CCalcView& view, int position) {
    const QTextBlock block = view.document()->findBlock(position);
    const int inBlock = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (inBlock >= range.start && inBlock < range.start + range.length)
            return range.format.foreground().color();
    }
    return {};
}

QColor FormatColour(const QPalette& palette, TokenClass kind) {
    return HighlightFormats(palette)[static_cast<int>(kind)].foreground().color();
}

QTextEdit::ExtraSelection MarkAt(CCalcView& view, int position) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(view.document());
    mark.cursor.setPosition(position);
    mark.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    return mark;
}

void PlaceCaret(CCalcView& view, int position) {
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(position);
    view.setTextCursor(cursor);
}

} // namespace

class EditorToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void classes_get_their_colours() {
        TestEnvironment environment;
        CCalcView view;
        view.setPlainText(QStringLiteral("sin(2)+x;\n1=5"));
        const QPalette palette = view.palette();
        QCOMPARE(ColourAt(view, 0), FormatColour(palette, TokenClass::Function));
        QCOMPARE(ColourAt(view, 4), FormatColour(palette, TokenClass::Number));
        QCOMPARE(ColourAt(view, 7), FormatColour(palette, TokenClass::UnknownName));
        QCOMPARE(ColourAt(view, 11), FormatColour(palette, TokenClass::WrittenResult));
    }

    void opening_a_comment_recolours_the_lines_below_and_closing_it_restores_them() {
        TestEnvironment environment;
        CCalcView view;
        view.setPlainText(QStringLiteral("1;\n2;\n3;"));
        const QPalette palette = view.palette();
        QTextCursor cursor(view.document());
        cursor.insertText(QStringLiteral("/*"));
        QCOMPARE(ColourAt(view, view.document()->findBlockByNumber(2).position()),
                 FormatColour(palette, TokenClass::Comment));
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("*/"));
        cursor.setPosition(0);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QCOMPARE(ColourAt(view, view.document()->findBlockByNumber(2).position()),
                 FormatColour(palette, TokenClass::Number));
    }

    void the_preference_turns_the_colours_off_and_on() {
        TestEnvironment environment;
        CCalcView view;
        view.setPlainText(QStringLiteral("sin(2)"));
        Preferences preferences;
        preferences.syntaxHighlighting = 0;
        view.Tools().ApplyPreferences(preferences);
        QVERIFY(view.document()->firstBlock().layout()->formats().isEmpty());
        preferences.syntaxHighlighting = 1;
        view.Tools().ApplyPreferences(preferences);
        QCOMPARE(ColourAt(view, 0), FormatColour(view.palette(), TokenClass::Function));
    }

    void recolouring_is_no_edit() {
        TestEnvironment environment;
        CCalcView view;
        view.setPlainText(QStringLiteral("sin(2);\n/* x */ 1"));
        QSignalSpy edits(&view, &CCalcView::edited);
        Preferences preferences;
        preferences.syntaxHighlighting = 0;
        view.Tools().ApplyPreferences(preferences);
        preferences.syntaxHighlighting = 1;
        view.Tools().ApplyPreferences(preferences);
        view.setPalette(QPalette(Qt::darkBlue));
        QCOMPARE(edits.size(), 0);
        QVERIFY(!view.document()->isUndoAvailable());
    }

    void colours_read_on_light_and_dark_backgrounds_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << LightPalette();
        QTest::newRow("dark") << DarkPalette();
    }

    void colours_read_on_light_and_dark_backgrounds() {
        QFETCH(QPalette, palette);
        const QColor base = palette.color(QPalette::Base);
        const TokenFormats formats = HighlightFormats(palette);
        for (int kind = 0; kind < kTokenClassCount; ++kind) {
            // The dimmed result and the comments may be fainter, but stay legible.
            const bool dimmed = kind == int(TokenClass::WrittenResult) || kind == int(TokenClass::Comment);
            const double ratio = ContrastRatio(formats[kind].foreground().color(), base);
            QVERIFY2(ratio >= (dimmed ? 3.0 : 4.5),
                     qPrintable(QStringLiteral("class %1: %2").arg(kind).arg(ratio)));
        }
        const double dim = ContrastRatio(formats[int(TokenClass::WrittenResult)].foreground().color(), base);
        const double text = ContrastRatio(palette.color(QPalette::Text), base);
        QVERIFY(dim < text);
    }

    void marks_of_every_source_are_shown_together() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        view.setPlainText(QStringLiteral("sin(1)+sin(2)"));
        EditorMarks& marks = view.Tools().Marks();
        marks.Set(MarkSource::Error, {MarkAt(view, 7)});
        PlaceCaret(view, 6); // just after ")": the bracket pair is marked
        QCOMPARE(marks.Marks(MarkSource::Brackets).size(), 2);
        view.Tools().FindBar().Open(FindBarMode::Find);
        view.Tools()
            .FindBar()
            .findChild<QLineEdit*>(QStringLiteral("Find text"))
            ->setText(QStringLiteral("sin"));
        QCOMPARE(marks.Marks(MarkSource::FindMatches).size(), 2);
        QCOMPARE(view.extraSelections().size(), 5);
        view.Tools().FindBar().Close();
        QCOMPARE(view.extraSelections().size(), 3);
        QCOMPARE(marks.Marks(MarkSource::Error).size(), 1);
    }

    void an_unmatched_bracket_is_marked_alone() {
        TestEnvironment environment;
        CCalcView view;
        view.setPlainText(QStringLiteral("1+2)"));
        PlaceCaret(view, 4);
        const auto& marks = view.Tools().Marks().Marks(MarkSource::Brackets);
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].format.background(),
                 EditorMarkFormats(view.palette()).unmatchedBracket.background());
    }

    void typing_two_letters_offers_names_and_tab_inserts_one() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::keyClicks(&view, QStringLiteral("2*a"));
        CompletionPopup& completion = view.Tools().Completion();
        QVERIFY(!completion.IsOpen());
        QTest::keyClick(&view, Qt::Key_R);
        QVERIFY(completion.IsOpen());
        QCOMPARE(completion.ShownRows().first(), QStringLiteral("arccos(z)"));
        QVERIFY(completion.ShownRows().contains(QStringLiteral("arctan(z)")));
        // Nothing goes in by itself.
        QCOMPARE(view.toPlainText(), QStringLiteral("2*ar"));
        QTest::keyClick(&view, Qt::Key_C);
        QCOMPARE(completion.ShownRows().first(), QStringLiteral("arccos(z)"));
        QTest::keyClick(completion.Completer()->popup(), Qt::Key_Tab);
        QCOMPARE(view.toPlainText(), QStringLiteral("2*arccos("));
        QVERIFY(!completion.IsOpen());
    }

    void escape_closes_the_list_and_enter_inserts_the_chosen_row() {
        TestEnvironment environment;
        preferenceStore.values.notation = 1; // East
        NCalculatorText::memoryStore.cells[u"total"] = {};
        CCalcView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::keyClicks(&view, QStringLiteral("to"));
        CompletionPopup& completion = view.Tools().Completion();
        QCOMPARE(completion.ShownRows(), QStringList{QStringLiteral("mem[total]")});
        QTest::keyClick(completion.Completer()->popup(), Qt::Key_Escape);
        QVERIFY(!completion.IsOpen());
        QCOMPARE(view.toPlainText(), QStringLiteral("to"));
        view.clear();
        QTest::keyClicks(&view, QStringLiteral("ar"));
        QVERIFY(!completion.ShownRows().contains(QStringLiteral("arctan(z)")));
        QTest::keyClick(completion.Completer()->popup(), Qt::Key_Down);
        QTest::keyClick(completion.Completer()->popup(), Qt::Key_Return);
        QCOMPARE(view.toPlainText(), QStringLiteral("arccosec("));
    }

    void find_and_replace_through_the_bar() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        view.setPlainText(QStringLiteral("sin(1)+Sin(2)+sin(3)"));
        CFindBar& bar = view.Tools().FindBar();
        bar.Open(FindBarMode::Replace);
        bar.findChild<QLineEdit*>(QStringLiteral("Find text"))->setText(QStringLiteral("sin"));
        bar.findChild<QLineEdit*>(QStringLiteral("Replace text"))->setText(QStringLiteral("cos"));
        bar.findChild<QPushButton*>(QStringLiteral("Next"))->click();
        QCOMPARE(view.textCursor().selectionStart(), 0);
        bar.findChild<QPushButton*>(QStringLiteral("Replace"))->click();
        QCOMPARE(view.toPlainText(), QStringLiteral("cos(1)+Sin(2)+sin(3)"));
        QCOMPARE(view.textCursor().selectionStart(), 7);
        bar.findChild<QPushButton*>(QStringLiteral("Replace all"))->click();
        QCOMPARE(view.toPlainText(), QStringLiteral("cos(1)+cos(2)+cos(3)"));
        QCOMPARE(bar.findChild<QLabel*>(QStringLiteral("Find outcome"))->text(),
                 QStringLiteral("2 replaced"));
        view.undo(); // replace all is one edit
        QCOMPARE(view.toPlainText(), QStringLiteral("cos(1)+Sin(2)+sin(3)"));
    }

    void find_next_without_a_search_opens_the_bar() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        view.Tools().FindBar().FindNext();
        QVERIFY(view.Tools().FindBar().isVisible());
        QCOMPARE(view.Tools().FindBar().Mode(), FindBarMode::Find);
    }

    void go_to_line_moves_the_caret_and_clamps() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        view.setPlainText(QStringLiteral("1;\n2;\n3;"));
        CFindBar& bar = view.Tools().FindBar();
        for (const auto& [typed, line] : {std::pair{"2", 1}, std::pair{"40", 2}}) {
            bar.Open(FindBarMode::GoToLine);
            auto* field = bar.findChild<QLineEdit*>(QStringLiteral("Line number"));
            field->setText(QString::fromLatin1(typed));
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(view.textCursor().blockNumber(), line);
            QCOMPARE(view.textCursor().positionInBlock(), 0);
            QVERIFY(!bar.isVisible());
        }
    }

    void input_past_the_limit_says_so() {
        TestEnvironment environment;
        CCalcView view;
        view.show();
        view.setPlainText(QString(CCalcView::kTypedInputLimit - 1, u'1'));
        QSignalSpy messages(&view, &CCalcView::statusMessage);
        view.moveCursor(QTextCursor::End);
        QTest::keyClick(&view, Qt::Key_2);
        QCOMPARE(messages.size(), 0);
        QTest::keyClick(&view, Qt::Key_3);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0][0].toString().contains(QStringLiteral("1,048,575")));
        QCOMPARE(view.document()->characterCount() - 1, CCalcView::kTypedInputLimit);
        // A line break counts two: one place left is too little for it.
        view.textCursor().deletePreviousChar();
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(messages.size(), 2);
    }

    void pictures_on_light_and_dark_palettes_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("name");
        QTest::newRow("light") << LightPalette() << "light";
        QTest::newRow("dark") << DarkPalette() << "dark";
    }

    void pictures_on_light_and_dark_palettes() {
        QFETCH(QPalette, palette);
        QFETCH(QString, name);
        TestEnvironment environment;
        QWidget window;
        window.setPalette(palette);
        auto* view = new CCalcView(&window);
        view->BuildEditorFont(EditorFontSettings{}, 12);
        view->setPlainText(kSample);
        window.resize(760, 300);
        view->resize(window.size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PlaceCaret(*view, kSample.indexOf(QStringLiteral("2.4048)")) + 7);
        view->Tools().FindBar().Open(FindBarMode::Find);
        view->Tools()
            .FindBar()
            .findChild<QLineEdit*>(QStringLiteral("Find text"))
            ->setText(QStringLiteral("sin"));
        view->setFocus();
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        QVERIFY(window.grab().save(QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/highlighting-%1.png").arg(name)));
    }
};

QTEST_MAIN(EditorToolsTest)
#include "editor_tools_test.moc"
