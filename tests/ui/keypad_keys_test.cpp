// The key table: order, groups, captions in both notations and what each press sends.

#include <QSet>
#include <QTest>

#include "ui/keypad/keypad_keys.h"

Q_DECLARE_METATYPE(KeypadPreferences)

namespace {

const KeypadKey& Key(int id) {
    return KeypadKeys()[static_cast<size_t>(KeyIndex(id))];
}

QString Sent(int id, const KeypadPreferences& preferences) {
    const KeyPress press = PressOf(Key(id), preferences);
    if (press.command)
        return QStringLiteral("command %1").arg(*press.command);
    return QString::fromStdU16String(press.text);
}

constexpr KeypadPreferences kWest{0, false, false};
constexpr KeypadPreferences kEast{1, false, false};
constexpr KeypadPreferences kGamma{0, true, false};
constexpr KeypadPreferences kLetterJ{0, false, true};

} // namespace

class KeypadKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_come_in_layout_order() {
        QList<int> expected;
        for (int id = 1001; id <= 1042; ++id)
            expected << id;
        expected << QList<int>{1043, 1044, 1045, 1046, 1047, 1048, 1049, 1052, 1053, 1054, 1059, 1060,
                               1061, 1055, 1062, 1063, 1064, 1056, 1065, 1066, 1067, 1057, 1058, 1068,
                               1069, 1070, 1071, 1075, 1074, 1072, 1073, 1076, 1077, 1078, 1079};
        QList<int> ids;
        for (const KeypadKey& key : KeypadKeys())
            ids << key.id;
        QCOMPARE(ids, expected);
        QCOMPARE(KeyIndex(1079), kKeyCount - 1);
        QCOMPARE(KeyIndex(1050), -1);
    }

    void colour_groups() {
        QMap<KeyGroup, QList<int>> groups;
        for (const KeypadKey& key : KeypadKeys())
            groups[key.group] << key.id;
        QCOMPARE(groups[KeyGroup::Function].size(), 50);
        QCOMPARE(groups[KeyGroup::Digit].size(), 14);
        QCOMPARE(groups[KeyGroup::Service].size(), 13);
        for (int id : {1046, 1049, 1054, 1057})
            QVERIFY(groups[KeyGroup::Function].contains(id));
        for (int id : {1043, 1045, 1058, 1068})
            QVERIFY(groups[KeyGroup::Digit].contains(id));
        for (int id : {1052, 1053, 1069, 1079})
            QVERIFY(groups[KeyGroup::Service].contains(id));
    }

    void every_key_has_its_own_place_and_name() {
        QSet<QString> places, names;
        for (const KeypadKey& key : KeypadKeys()) {
            places << QStringLiteral("%1 %2 %3").arg(int(key.block)).arg(key.row).arg(key.column);
            names << AccessibleNameOf(key);
        }
        QCOMPARE(places.size(), kKeyCount);
        QCOMPARE(names.size(), kKeyCount);
    }

    void presses_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<KeypadPreferences>("preferences");
        QTest::addColumn<QString>("sent");
        QTest::newRow("West tangent") << 1005 << kWest << "tan(";
        QTest::newRow("East tangent") << 1005 << kEast << "tg(";
        QTest::newRow("East inverse hyperbolic cosine") << 1027 << kEast << "arch(";
        QTest::newRow("Bessel J in either notation") << 1031 << kEast << "J(";
        QTest::newRow("factorial") << 1018 << kWest << "fact(";
        QTest::newRow("Gamma with its preference") << 1018 << kGamma << "\u0393(";
        QTest::newRow("rand without a bracket") << 1035 << kWest << "rand";
        QTest::newRow("sum") << 1037 << kWest << "\u03A3(";
        QTest::newRow("product") << 1038 << kEast << "\u03A0(";
        QTest::newRow("imaginary unit i") << 1045 << kWest << "i";
        QTest::newRow("imaginary unit j") << 1045 << kLetterJ << "j";
        QTest::newRow("pi") << 1043 << kWest << "\u03C0";
        QTest::newRow("minus sign, not the hyphen") << 1055 << kWest << "\u2212";
        QTest::newRow("asterisk for the multiplication sign") << 1056 << kWest << "*";
        QTest::newRow("comment start") << 1052 << kWest << "/*";
        QTest::newRow("line end") << 1072 << kWest << "\r\n";
        QTest::newRow("statement and line end") << 1073 << kWest << ";\r\n";
        QTest::newRow("previous result") << 1076 << kWest << "rslt";
        QTest::newRow("store") << 1078 << kWest << "->mem[";
        QTest::newRow("memory cell") << 1079 << kWest << "mem[";
        QTest::newRow("calculate") << 1070 << kWest << "command 2";
        QTest::newRow("calculate all") << 1071 << kWest << "command 3";
        QTest::newRow("backspace") << 1075 << kWest << "command 1";
        QTest::newRow("clear") << 1074 << kWest << "command 0";
        QTest::newRow("free memory") << 1077 << kWest << "command 4";
    }

    void presses() {
        QFETCH(int, id);
        QFETCH(KeypadPreferences, preferences);
        QFETCH(QString, sent);
        QCOMPARE(Sent(id, preferences), sent);
    }

    void captions_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("notation");
        QTest::addColumn<bool>("gamma");
        QTest::addColumn<bool>("letterJ");
        QTest::addColumn<QString>("caption");
        QTest::newRow("West cosecant") << 1002 << 0 << false << false << "csc";
        QTest::newRow("East cosecant") << 1002 << 1 << false << false << "cosec";
        QTest::newRow("factorial") << 1018 << 1 << false << false << "n!";
        QTest::newRow("Gamma keeps its caption in East notation") << 1018 << 1 << true << false << "\u0393";
        QTest::newRow("imaginary unit j") << 1045 << 0 << false << true << "j";
        QTest::newRow("sum sign") << 1037 << 0 << false << false << "\u03A3";
        QTest::newRow("multiplication sign") << 1056 << 0 << false << false << "\u2217";
        QTest::newRow("store arrow") << 1078 << 1 << false << false << "\u2192";
        QTest::newRow("backspace arrow") << 1075 << 0 << false << false << "\u2190";
        QTest::newRow("calculate all") << 1071 << 0 << false << false << "= all";
    }

    void captions() {
        QFETCH(int, id);
        QFETCH(int, notation);
        QFETCH(bool, gamma);
        QFETCH(bool, letterJ);
        QFETCH(QString, caption);
        QCOMPARE(CaptionOf(Key(id), notation, gamma, letterJ), caption);
    }

    void help_topics() {
        QCOMPARE(ContextHelpId(Key(1001), false), 0x806603E9u);
        QCOMPARE(ContextHelpId(Key(1018), false), 0x806603FAu);
        QCOMPARE(ContextHelpId(Key(1018), true), 0x80660438u);
        QCOMPARE(ContextHelpId(Key(1079), true), 0x80660000u + 1079u);
    }
};

QTEST_MAIN(KeypadKeysTest)
#include "keypad_keys_test.moc"
