// What F1 finds and what the help window's index and search list, as plain functions
// on the embedded help: the name at the caret, the page of every keypad key, the
// index filter and the ranking of the search.

#include "app_test_support.h"

#include "app/commands/command_table.h"
#include "app/help/help_content.h"
#include "app/help/help_lookup.h"
#include "app/help/help_search.h"
#include "ui/keypad/keypad_keys.h"

class HelpLookupTest : public QObject {
    Q_OBJECT

  private slots:
    void name_at_caret_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("name");
        QTest::newRow("just after the bracket of a call") << "1+tg(" << 5 << "tg";
        QTest::newRow("just after a name") << "tan" << 3 << "tan";
        QTest::newRow("inside a name") << "2*arcsin(0.5)" << 4 << "arcsin";
        QTest::newRow("at the start of a name") << "sqrt(2)" << 0 << "sqrt";
        QTest::newRow("bracket after spaces") << "sin  (" << 6 << "sin";
        QTest::newRow("one-symbol name") << "\u0393(" << 2 << "\u0393";
        QTest::newRow("inside the argument, not the name") << "sin(xy)" << 5 << "xy";
        QTest::newRow("between operators") << "1 + 2" << 2 << "";
        QTest::newRow("caret beyond the text") << "pi" << 9 << "pi";
        QTest::newRow("empty text") << "" << 0 << "";
    }
    void name_at_caret() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, name);
        QCOMPARE(NameAtCaret(text, caret), name);
    }

    void caret_targets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::newRow("East name of the tangent") << "tg("
                                                  << "fn-tan";
        QTest::newRow("West name of the tangent") << "tan("
                                                  << "fn-tan";
        QTest::newRow("an alias") << "realpart("
                                  << "fn-re";
        QTest::newRow("a symbol name") << "\u2211("
                                       << "fn-Sum";
        QTest::newRow("a keyword") << "rslt"
                                   << "language#previous-result";
        QTest::newRow("a memory cell") << "mem["
                                       << "language#memory";
        QTest::newRow("wrong case is no name") << "SIN("
                                               << "";
        QTest::newRow("a number") << "42"
                                  << "";
    }
    void caret_targets() {
        QFETCH(QString, text);
        QFETCH(QString, target);
        QCOMPARE(TargetAtCaret(HelpContent::Embedded(), text, static_cast<int>(text.size())), target);
    }

    void keypad_keys_open_their_pages_data() {
        QTest::addColumn<uint>("contextId");
        QTest::addColumn<QString>("target");
        QTest::newRow("tan key") << 0x806603EDu << "fn-tan";
        QTest::newRow("n! key") << 0x806603FAu << "fn-fact";
        QTest::newRow("n! key showing Gamma") << 0x80660438u << "fn-Gamma";
        QTest::newRow("sum key") << 0x80660000u + 1037 << "fn-Sum";
        QTest::newRow("rand key") << 0x80660000u + 1035 << "language#random";
        QTest::newRow("pi key") << 0x80660000u + 1043 << "keypad#digits";
        QTest::newRow("= key") << 0x80660000u + 1070 << "keypad#calculate";
        QTest::newRow("store key") << 0x80660000u + 1078 << "keypad#memory";
        QTest::newRow("no key") << 0x80660001u << "keypad";
    }
    void keypad_keys_open_their_pages() {
        QFETCH(uint, contextId);
        QFETCH(QString, target);
        QCOMPARE(TargetOfContextId(HelpContent::Embedded(), static_cast<std::uint32_t>(contextId)), target);
    }

    void every_key_has_a_page_of_its_own() {
        const HelpContent& content = HelpContent::Embedded();
        for (const KeypadKey& key : KeypadKeys()) {
            const QString target = TargetOfContextId(content, ContextHelpId(key, false));
            QVERIFY2(target != QStringLiteral("keypad"), qPrintable(QStringLiteral("key %1").arg(key.id)));
            QVERIFY2(content.Page(SplitTarget(target).page, 0) != nullptr, qPrintable(target));
        }
        for (int id : content.ContextKeyIds())
            QVERIFY2(KeyIndex(id) >= 0,
                     qPrintable(QStringLiteral("@context names %1, which is no key").arg(id)));
    }

    void whats_this_texts_name_commands_and_panes() {
        const HelpContent& content = HelpContent::Embedded();
        for (const CommandInfo& info : CommandTable()) {
            const bool shown = QString::fromUtf16(info.menuText).size() > 0 || info.icon != nullptr;
            const QString key = QStringLiteral("command:%1").arg(static_cast<int>(info.id));
            if (shown)
                QVERIFY2(!content.WhatsThis(key).isEmpty(), qPrintable(QStringLiteral("no text for ") + key));
        }
        const QStringList panes = {"Keypad", "Log", "Memory", "Statistics", "Editor", "StatusBar"};
        for (const QString& key : content.WhatsThisKeys()) {
            const QString name = key.section(u':', 1);
            if (key.startsWith(QStringLiteral("command:")))
                QVERIFY2(FindCommand(static_cast<CommandId>(name.toInt())) != nullptr, qPrintable(key));
            else
                QVERIFY2(key.startsWith(QStringLiteral("pane:")) && panes.contains(name), qPrintable(key));
        }
        for (const QString& pane : panes)
            QVERIFY2(!content.WhatsThis(QStringLiteral("pane:") + pane).isEmpty(), qPrintable(pane));
    }

    void index_filter_puts_beginnings_first() {
        const QList<HelpIndexEntry> index = {{"arcsin", "a"}, {"asin", "b"}, {"sin", "c"}, {"sinh", "d"}};
        QList<QString> names;
        for (qsizetype position : MatchingIndexEntries(index, QStringLiteral("SIN")))
            names << index[position].name;
        QCOMPARE(names, (QList<QString>{"sin", "sinh", "arcsin", "asin"}));
        QCOMPARE(MatchingIndexEntries(index, QString()).size(), index.size());
    }

    void search_needs_every_word_and_ranks_titles_first() {
        const QList<HelpSearchText> texts = {{"a", "Series", "bessel sum sum"},
                                             {"b", "J — Bessel of the first kind", "order bessel"},
                                             {"c", "Other", "nothing here"}};
        QList<QString> found;
        for (const HelpSearchHit& hit : SearchHelp(texts, QStringLiteral("Bessel")))
            found << hit.pageId;
        QCOMPARE(found, (QList<QString>{"b", "a"}));
        QCOMPARE(SearchHelp(texts, QStringLiteral("bessel order")).size(), 1);
        QVERIFY(SearchHelp(texts, QStringLiteral("  ")).isEmpty());
    }

    void embedded_help_is_whole() {
        const HelpContent& content = HelpContent::Embedded();
        QVERIFY(content.Page(QStringLiteral("getting-started"), 0) != nullptr);
        QCOMPARE(content.Page(QStringLiteral("fn-tan"), 1)->title, QStringLiteral("tg \u2014 Tangent"));
        QCOMPARE(content.Page(QStringLiteral("fn-tan"), 0)->title, QStringLiteral("tan \u2014 Tangent"));
        // A page the notations do not change has one variant.
        QCOMPARE(content.Page(QStringLiteral("fn-sin"), 1), content.Page(QStringLiteral("fn-sin"), 0));
        QCOMPARE(content.Contents().front().target, QStringLiteral("getting-started"));
        QVERIFY(!content.SearchTexts().isEmpty());
    }
};

QTEST_MAIN(HelpLookupTest)
#include "help_lookup_test.moc"
