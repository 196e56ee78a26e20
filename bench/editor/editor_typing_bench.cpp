// A key press in a mebibyte of calculation text, through to the repaint: the editor with
// its highlighting, bracket marks and completion, offscreen. A frame is 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>

#include <array>

#include "app/editor/calc_view.h"

namespace {

enum class BlockComments { Some, None };

// Statements, comments and results in lines of some 40 characters, up to `units` code units.
QString GenerateDocument(qsizetype units, BlockComments comments = BlockComments::Some) {
    static constexpr std::array<const char16_t*, 6> kLines = {
        u"2*pi*6.5e-1->mem[circumference] = 4.08;", u"// a line comment with sin(x) in it",
        u"J(0, 2.4048)**2 = 6.2e-11; sqrt(rslt);",  u"/* a block comment over",
        u"   two lines, closed here */ 1+2 = 3;",   u"Sum(k, 1, 10, k**2) = 385; tg(1);"};
    QString text;
    text.reserve(units);
    for (size_t i = 0; text.size() < units; ++i) {
        const size_t line = i % kLines.size();
        if (comments == BlockComments::None && (line == 3 || line == 4))
            continue;
        text += QString::fromUtf16(kLines[line]);
        text += u'\n';
    }
    text.truncate(units);
    return text;
}

struct Editor {
    CCalcView view;

    explicit Editor(BlockComments comments = BlockComments::Some) {
        view.resize(900, 600);
        view.setPlainText(GenerateDocument(CCalcView::kTypedInputLimit - 1000, comments));
        view.show();
        QTextCursor middle(view.document()->findBlockByNumber(view.document()->blockCount() / 2));
        middle.movePosition(QTextCursor::EndOfBlock);
        view.setTextCursor(middle);
        view.ensureCursorVisible();
        QApplication::processEvents();
    }

    void Press(Qt::Key key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&view, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&view, &release);
        view.viewport()->repaint();
    }
};

// One digit typed and taken back: each is a key press with its repaint.
void BM_KeyPressToRepaint(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.Press(Qt::Key_1, QStringLiteral("1"));
        editor.Press(Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_KeyPressToRepaint)->Unit(benchmark::kMillisecond);

// The worst edit: in a text without block comments, opening one at the top colours every
// line below it anew, and taking it away restores them.
void BM_OpenAndCloseCommentAtTheTop(benchmark::State& state) {
    Editor editor(BlockComments::None);
    QTextCursor top(editor.view.document());
    for (auto _ : state) {
        top.insertText(QStringLiteral("/*"));
        editor.view.viewport()->repaint();
        top.deletePreviousChar();
        top.deletePreviousChar();
        editor.view.viewport()->repaint();
    }
}
BENCHMARK(BM_OpenAndCloseCommentAtTheTop)->Unit(benchmark::kMillisecond);

// Putting a whole mebibyte into the editor, as opening a file does.
void BM_SetWholeText(benchmark::State& state) {
    Editor editor;
    const QString text = GenerateDocument(CCalcView::kTypedInputLimit);
    for (auto _ : state) {
        editor.view.setPlainText(text);
        editor.view.viewport()->repaint();
    }
}
BENCHMARK(BM_SetWholeText)->Unit(benchmark::kMillisecond);

} // namespace
