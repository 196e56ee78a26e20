// The editor's plain logic: what completion offers where, which bracket pairs with the
// one at the caret, and how find steps and wraps through the text.

#include <QTest>

#include "app/editor/bracket_match.h"
#include "app/editor/completion.h"
#include "app/editor/find_text.h"
#include "app/editor/token_classes.h"

using NCalculatorText::NameNotation;

Q_DECLARE_METATYPE(NameNotation)

namespace {

// The line with "|" marking the caret.
std::pair<QString, qsizetype> Caret(const QString& marked) {
    const qsizetype caret = marked.indexOf(u'|');
    return {QString(marked).remove(caret, 1), caret};
}

QStringList Shown(const std::vector<CompletionItem>& items) {
    QStringList shown;
    for (const CompletionItem& item : items)
        shown << item.shown;
    return shown;
}

} // namespace

class EditorLogicTest : public QObject {
    Q_OBJECT

  private slots:
    void completion_prefix_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("prefix"); // "-": nothing is offered
        QTest::addColumn<QString>("closer");
        QTest::newRow("two letters at the start") << "ar|"
                                                  << "ar"
                                                  << "";
        QTest::newRow("after an operator") << "2*si|"
                                           << "si"
                                           << "";
        QTest::newRow("inside a call") << "sin(ab|"
                                       << "ab"
                                       << "";
        QTest::newRow("one letter is too few") << "a|"
                                               << "-"
                                               << "";
        QTest::newRow("a number is no name") << "12ab|"
                                             << "-"
                                             << "";
        QTest::newRow("middle of a word") << "si|n"
                                          << "-"
                                          << "";
        QTest::newRow("in a line comment") << "1 // ar|"
                                           << "-"
                                           << "";
        QTest::newRow("in a written result") << "1=ar|"
                                             << "-"
                                             << "";
        QTest::newRow("after a closed comment") << "/* x */ co|"
                                                << "co"
                                                << "";
        QTest::newRow("cell name in square brackets") << "mem[ab|"
                                                      << "ab"
                                                      << "]";
        QTest::newRow("cell name in round brackets after memory") << "memory( xy|"
                                                                  << "xy"
                                                                  << ")";
        QTest::newRow("cell name with a space") << "mem[a b|"
                                                << "a b"
                                                << "]";
        QTest::newRow("after a closed cell") << "mem[a]+ab|"
                                             << "ab"
                                             << "";
        QTest::newRow("a name ending in mem is no cell") << "xmem[ab|"
                                                         << "ab"
                                                         << "";
    }

    void completion_prefix() {
        QFETCH(QString, line);
        QFETCH(QString, prefix);
        QFETCH(QString, closer);
        const auto [text, caret] = Caret(line);
        const std::optional<CompletionRequest> request = CompletionRequestAt(text, kPlainState, caret);
        QCOMPARE(request ? request->prefix : QStringLiteral("-"), prefix);
        if (request) {
            QCOMPARE(QString(request->cellCloser.isNull() ? QString() : QString(request->cellCloser)),
                     closer);
            QCOMPARE(text.mid(request->start, caret - request->start), prefix);
        }
    }

    void completion_inside_a_block_comment_from_an_earlier_line() {
        QVERIFY(!CompletionRequestAt(u"still ar", kInBlockComment, 8));
        QVERIFY(CompletionRequestAt(u"*/ ar", kInBlockComment, 5));
    }

    void completion_items_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<NameNotation>("notation");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("West ar") << "ar" << NameNotation::West
                                 << QStringList{"arccos(z)", "arccot(z)", "arccsc(z)",   "arcosh(z)",
                                                "arcoth(z)", "arcsch(z)", "arcsec(z)",   "arcsin(z)",
                                                "arctan(z)", "arg(z)",    "argument(z)", "arsech(z)",
                                                "arsinh(z)", "artanh(z)"};
        QTest::newRow("East ar") << "ar" << NameNotation::East
                                 << QStringList{"arccos(z)", "arccosec(z)", "arcctg(z)",   "arch(z)",
                                                "arcsch(z)", "arcsec(z)",   "arcsin(z)",   "arctg(z)",
                                                "arcth(z)",  "arg(z)",      "argument(z)", "arsch(z)",
                                                "arsh(z)",   "arth(z)"};
        QTest::newRow("West ta") << "ta" << NameNotation::West << QStringList{"tan(z)", "tanh(z)"};
        QTest::newRow("East tg") << "tg" << NameNotation::East << QStringList{"tg(z)"};
        QTest::newRow("East has no tan") << "ta" << NameNotation::East << QStringList{};
        QTest::newRow("Bessel names with their arguments, any case")
            << "be" << NameNotation::West
            << QStringList{"BesselI(order, z)", "BesselJ(order, z)", "BesselK(order, z)",
                           "BesselY(order, z)"};
        QTest::newRow("series with the optional step")
            << "Pr" << NameNotation::East
            << QStringList{"Prod(index, from, to, [step,] term)", "Product(index, from, to, [step,] term)"};
        QTest::newRow("power") << "po" << NameNotation::West << QStringList{"pow(base, exponent)"};
        QTest::newRow("no such name") << "zz" << NameNotation::West << QStringList{};
    }

    void completion_items() {
        QFETCH(QString, prefix);
        QFETCH(NameNotation, notation);
        QFETCH(QStringList, shown);
        const std::vector<CompletionItem> items = CompletionItems({0, prefix, QChar()}, notation, {});
        QCOMPARE(Shown(items), shown);
        for (const CompletionItem& item : items)
            QVERIFY2(item.shown.startsWith(item.inserted), qPrintable(item.inserted));
    }

    void completion_of_memory_cells() {
        const QStringList cells{"abc", "Abd", "x"};
        const auto outside = CompletionItems({0, "ab", QChar()}, NameNotation::West, cells);
        QCOMPARE(Shown(outside), (QStringList{"abs(z)", "mem[abc]", "mem[Abd]"}));
        QCOMPARE(outside[1].inserted, QStringLiteral("mem[abc]"));
        const auto inside = CompletionItems({4, "ab", u')'}, NameNotation::West, cells);
        QCOMPARE(Shown(inside), (QStringList{"mem[abc]", "mem[Abd]"}));
        QCOMPARE(inside[0].inserted, QStringLiteral("abc)"));
    }

    void brackets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bracket"); // -1: no bracket at the caret
        QTest::addColumn<int>("partner");
        QTest::newRow("closer just typed") << "sin(1+2)|" << 7 << 3;
        QTest::newRow("opener after the caret") << "|(1+(2))" << 0 << 6;
        QTest::newRow("the bracket before the caret wins") << "(a)|(b)" << 2 << 0;
        QTest::newRow("mixed kinds pair as the parser reads them") << "[1+2)|" << 4 << 0;
        QTest::newRow("nested") << "J(1, (2)|)" << 7 << 5;
        QTest::newRow("unmatched closer") << "1+2)|" << 3 << -1;
        QTest::newRow("a group stops at the separator") << "(1; 2)|" << 5 << -1;
        QTest::newRow("comment brackets do not count") << "(1 /* ) */ +2)|" << 13 << 0;
        QTest::newRow("over lines") << "(1\n+2)|" << 5 << 0;
        QTest::newRow("no bracket here") << "1+|2" << -1 << -1;
        QTest::newRow("a bracket in a comment is none") << "// (|" << -1 << -1;
    }

    void brackets() {
        QFETCH(QString, text);
        QFETCH(int, bracket);
        QFETCH(int, partner);
        const auto [plain, caret] = Caret(text);
        const std::optional<BracketPair> pair = MatchBracketAt(plain, kPlainState, caret);
        QCOMPARE(pair ? int(pair->bracket) : -1, bracket);
        if (pair)
            QCOMPARE(int(pair->partner), partner);
    }

    void brackets_after_an_open_comment() {
        // The window starts inside a comment opened further up.
        const std::optional<BracketPair> pair = MatchBracketAt(u"( */ (1)", kInBlockComment, 8);
        QVERIFY(pair);
        QCOMPARE(int(pair->partner), 5);
    }

    void find_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found"); // -1: none
        QTest::newRow("forward from the start") << "sin(1)+sin(2)"
                                                << "sin" << 0 << false << false << 0;
        QTest::newRow("forward past a selection") << "sin(1)+sin(2)"
                                                  << "sin" << 3 << false << false << 7;
        QTest::newRow("forward wraps round") << "sin(1)+sin(2)"
                                             << "sin" << 8 << false << false << 0;
        QTest::newRow("backward before a selection") << "sin(1)+sin(2)"
                                                     << "sin" << 7 << true << false << 0;
        QTest::newRow("backward wraps round") << "sin(1)+sin(2)"
                                              << "sin" << 2 << true << false << 7;
        QTest::newRow("case ignored") << "SIN(1)"
                                      << "sin" << 0 << false << false << 0;
        QTest::newRow("case matched") << "SIN(1)+sin"
                                      << "sin" << 0 << false << true << 7;
        QTest::newRow("not there") << "cos(1)"
                                   << "sin" << 0 << false << false << -1;
        QTest::newRow("empty needle") << "cos(1)"
                                      << "" << 0 << false << false << -1;
        QTest::newRow("needle longer than the text") << "co"
                                                     << "cos" << 0 << false << false << -1;
    }

    void find() {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(int, from);
        QFETCH(bool, backward);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        const std::optional<TextMatch> match =
            FindInText(text, needle, from, backward ? FindDirection::Backward : FindDirection::Forward,
                       matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
        QCOMPARE(match ? int(match->start) : -1, found);
    }

    void find_all_takes_no_overlaps() {
        const std::vector<TextMatch> matches = FindAllInText(u"aaaa;aa", u"aa", Qt::CaseSensitive);
        QCOMPARE(matches.size(), size_t(3));
        QCOMPARE(int(matches[1].start), 2);
        QCOMPARE(int(matches[2].start), 5);
    }

    void a_selection_is_a_match_only_when_whole() {
        QVERIFY(IsMatchAt(u"x+Sin", u"sin", 2, 3, Qt::CaseInsensitive));
        QVERIFY(!IsMatchAt(u"x+Sin", u"sin", 2, 3, Qt::CaseSensitive));
        QVERIFY(!IsMatchAt(u"x+sinh", u"sin", 2, 4, Qt::CaseInsensitive));
        QVERIFY(!IsMatchAt(u"x+si", u"sin", 2, 3, Qt::CaseInsensitive));
    }
};

QTEST_APPLESS_MAIN(EditorLogicTest)
#include "editor_logic_test.moc"
