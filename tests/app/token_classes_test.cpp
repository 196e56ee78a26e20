// What the highlighter calls each piece of calculation text, for a table of statements:
// the names both notations know, numbers as the parser reads them, memory cells, the
// previous result, comments and the "=" and result written back, across lines too.

#include <QTest>

#include "app/editor/token_classes.h"

namespace {

QString KindName(TokenClass kind) {
    switch (kind) {
    case TokenClass::Number:
        return QStringLiteral("number");
    case TokenClass::Function:
        return QStringLiteral("function");
    case TokenClass::Constant:
        return QStringLiteral("constant");
    case TokenClass::PreviousResult:
        return QStringLiteral("rslt");
    case TokenClass::MemoryCell:
        return QStringLiteral("cell");
    case TokenClass::UnknownName:
        return QStringLiteral("unknown");
    case TokenClass::Comment:
        return QStringLiteral("comment");
    case TokenClass::WrittenResult:
        return QStringLiteral("result");
    }
    return {};
}

// "kind[text]" per token, lines joined by " | ", each line starting in the state the one
// before it ended in.
QString Classes(const QString& text) {
    QStringList lines;
    int state = kPlainState;
    for (const QString& line : text.split(u'\n')) {
        std::vector<Token> tokens;
        state = ClassifyLine(line, state, tokens);
        QStringList shown;
        for (const Token& token : tokens)
            shown << KindName(token.kind) + u'[' + line.mid(token.start, token.length) + u']';
        lines << shown.join(u' ');
    }
    return lines.join(QStringLiteral(" | "));
}

} // namespace

class TokenClassesTest : public QObject {
    Q_OBJECT

  private slots:
    void statements_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("classes");
        QTest::newRow("function, number with exponent, index name")
            << "sin(2.5e-3)+x"
            << "function[sin] number[2.5e-3] unknown[x]";
        QTest::newRow("names of both notations are functions")
            << "tg(1)+tan(1)"
            << "function[tg] number[1] function[tan] number[1]";
        QTest::newRow("long and Bessel names") << "BesselJ(0, 1)+J(1, 2)"
                                               << "function[BesselJ] number[0] number[1] function[J] "
                                                  "number[1] number[2]";
        QTest::newRow("constants and both imaginary letters")
            << "pi*e+i*j+rand"
            << "constant[pi] constant[e] constant[i] constant[j] constant[rand]";
        QTest::newRow("previous result keywords") << "rslt+result"
                                                  << "rslt[rslt] rslt[result]";
        QTest::newRow("store into a cell") << "6*7->mem[answer]"
                                           << "number[6] number[7] cell[mem[answer]]";
        QTest::newRow("memory with spaces and round brackets") << "memory (x y)+1"
                                                               << "cell[memory (x y)] number[1]";
        QTest::newRow("cell still being typed") << "mem[ab"
                                                << "cell[mem[ab]";
        QTest::newRow("mem without a bracket is no cell") << "memx(1)"
                                                          << "unknown[memx] number[1]";
        QTest::newRow("capitals are no function") << "SIN(1)+gamma(2)"
                                                  << "unknown[SIN] number[1] unknown[gamma] number[2]";
        QTest::newRow("capital E is no exponent") << "1E5+e5"
                                                  << "number[1] unknown[E5] unknown[e5]";
        QTest::newRow("exponent sign inside a name") << "x2e-3"
                                                     << "unknown[x2e] number[3]";
        QTest::newRow("points") << ".5+5.+1.2.3"
                                << "number[.5] number[5.] number[1.2] number[.3]";
        QTest::newRow("minus sign before a number") << "\u22122"
                                                    << "number[2]";
        QTest::newRow("symbols") << "\u0393(5)+\u221A(4)+\u03C0+\u03A3(k,1,2,k)"
                                 << "function[\u0393] number[5] function[\u221A] number[4] constant[\u03C0] "
                                    "function[\u03A3] unknown[k] number[1] number[2] unknown[k]";
        QTest::newRow("result up to the separator") << "2+3=5; 4"
                                                    << "number[2] number[3] result[=5] number[4]";
        QTest::newRow("negative result with its letter") << "sqrt(-4)=j*2;"
                                                         << "function[sqrt] number[4] result[=j*2]";
        QTest::newRow("line comment after a result") << "1+1 = 2 // sum"
                                                     << "number[1] number[1] result[= 2 ] comment[// sum]";
        QTest::newRow("an = inside a comment is no result") << "x /* a = 1; */ =3"
                                                            << "unknown[x] comment[/* a = 1; */] result[=3]";
        QTest::newRow("the shortest block comment") << "/*/ 2"
                                                    << "comment[/*/] number[2]";
        QTest::newRow("a lone closer is plain text") << "*/ 2"
                                                     << "number[2]";
    }

    void statements() {
        QFETCH(QString, text);
        QFETCH(QString, classes);
        QCOMPARE(Classes(text), classes);
    }

    void across_lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("classes");
        QTest::newRow("block comment over three lines")
            << "1 /* start\nstill\nend */ 2"
            << "number[1] comment[/* start] | comment[still] | comment[end */] number[2]";
        QTest::newRow("result runs on to the separator")
            << "2+2=4\n+1;3"
            << "number[2] number[2] result[=4] | result[+1] number[3]";
        QTest::newRow("a line comment hides a block opener") << "// a /* b\n2"
                                                             << "comment[// a /* b] | number[2]";
        QTest::newRow("comment inside a result")
            << "1=2 /* c\n*/ 3;4"
            << "number[1] result[=2 ] comment[/* c] | comment[*/] result[ 3] number[4]";
        QTest::newRow("an empty line keeps the comment open") << "/*\n\n*/1"
                                                              << "comment[/*] |  | comment[*/] number[1]";
    }

    void across_lines() {
        QFETCH(QString, text);
        QFETCH(QString, classes);
        QCOMPARE(Classes(text), classes);
    }

    void end_states() {
        std::vector<Token> tokens;
        QCOMPARE(ClassifyLine(u"1 /* open", kPlainState, tokens), int(kInBlockComment));
        QCOMPARE(ClassifyLine(u"1=2", kPlainState, tokens), int(kInWrittenResult));
        QCOMPARE(ClassifyLine(u"1=2 /* open", kPlainState, tokens), kInWrittenResult | kInBlockComment);
        QCOMPARE(ClassifyLine(u"done */ ;", kInWrittenResult | kInBlockComment, tokens), int(kPlainState));
        // A block's state before the highlighter has seen it.
        QCOMPARE(ClassifyLine(u"1", -1, tokens), int(kPlainState));
    }
};

QTEST_APPLESS_MAIN(TokenClassesTest)
#include "token_classes_test.moc"
