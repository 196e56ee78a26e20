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
            names << AccessibleNameOf(key, false);
        }
        QCOMPARE(places.size(), kKeyCount);
        QCOMPARE(names.size(), kKeyCount);
    }

    // Every key in both notations: its caption, what it sends and its name.
    void every_key_in_both_notations_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("westCaption");
        QTest::addColumn<QString>("eastCaption");
        QTest::addColumn<QString>("westSent");
        QTest::addColumn<QString>("eastSent");
        QTest::addColumn<QString>("name");
        struct Row {
            int id;
            const char16_t* west;
            const char16_t* east;
            const char16_t* westSent;
            const char16_t* eastSent;
            const char* name;
        };
        const Row rows[] = {
            {1001, u"sin", u"sin", u"sin(", u"sin(", "sine"},
            {1002, u"csc", u"cosec", u"csc(", u"cosec(", "cosecant"},
            {1003, u"cos", u"cos", u"cos(", u"cos(", "cosine"},
            {1004, u"sec", u"sec", u"sec(", u"sec(", "secant"},
            {1005, u"tan", u"tg", u"tan(", u"tg(", "tangent"},
            {1006, u"cot", u"ctg", u"cot(", u"ctg(", "cotangent"},
            {1007, u"sinh", u"sh", u"sinh(", u"sh(", "hyperbolic sine"},
            {1008, u"csch", u"csch", u"csch(", u"csch(", "hyperbolic cosecant"},
            {1009, u"cosh", u"ch", u"cosh(", u"ch(", "hyperbolic cosine"},
            {1010, u"sech", u"sech", u"sech(", u"sech(", "hyperbolic secant"},
            {1011, u"tanh", u"th", u"tanh(", u"th(", "hyperbolic tangent"},
            {1012, u"coth", u"cth", u"coth(", u"cth(", "hyperbolic cotangent"},
            {1013, u"exp", u"exp", u"exp(", u"exp(", "exponential"},
            {1014, u"ln", u"ln", u"ln(", u"ln(", "natural logarithm"},
            {1015, u"log", u"lg", u"log(", u"lg(", "common logarithm"},
            {1016, u"pow", u"pow", u"pow(", u"pow(", "power"},
            {1017, u"abs", u"abs", u"abs(", u"abs(", "absolute value"},
            {1018, u"n!", u"n!", u"fact(", u"fact(", "factorial"},
            {1019, u"arcsin", u"arcsin", u"arcsin(", u"arcsin(", "arcsine"},
            {1020, u"arccsc", u"arccosec", u"arccsc(", u"arccosec(", "arccosecant"},
            {1021, u"arccos", u"arccos", u"arccos(", u"arccos(", "arccosine"},
            {1022, u"arcsec", u"arcsec", u"arcsec(", u"arcsec(", "arcsecant"},
            {1023, u"arctan", u"arctg", u"arctan(", u"arctg(", "arctangent"},
            {1024, u"arccot", u"arcctg", u"arccot(", u"arcctg(", "arccotangent"},
            {1025, u"arsinh", u"arsh", u"arsinh(", u"arsh(", "inverse hyperbolic sine"},
            {1026, u"arcsch", u"arcsch", u"arcsch(", u"arcsch(", "inverse hyperbolic cosecant"},
            {1027, u"arcosh", u"arch", u"arcosh(", u"arch(", "inverse hyperbolic cosine"},
            {1028, u"arsech", u"arsch", u"arsech(", u"arsch(", "inverse hyperbolic secant"},
            {1029, u"artanh", u"arth", u"artanh(", u"arth(", "inverse hyperbolic tangent"},
            {1030, u"arcoth", u"arcth", u"arcoth(", u"arcth(", "inverse hyperbolic cotangent"},
            {1031, u"J", u"J", u"J(", u"J(", "Bessel J"},
            {1032, u"Y", u"Y", u"Y(", u"Y(", "Bessel Y"},
            {1033, u"I", u"I", u"I(", u"I(", "modified Bessel I"},
            {1034, u"K", u"K", u"K(", u"K(", "modified Bessel K"},
            {1035, u"rand", u"rand", u"rand", u"rand", "random number"},
            {1036, u"sign", u"sign", u"sign(", u"sign(", "sign"},
            {1037, u"\u03A3", u"\u03A3", u"\u03A3(", u"\u03A3(", "sum"},
            {1038, u"\u03A0", u"\u03A0", u"\u03A0(", u"\u03A0(", "product"},
            {1039, u"conj", u"conj", u"conj(", u"conj(", "complex conjugate"},
            {1040, u"re", u"re", u"re(", u"re(", "real part"},
            {1041, u"im", u"im", u"im(", u"im(", "imaginary part"},
            {1042, u"arg", u"arg", u"arg(", u"arg(", "argument"},
            {1043, u"\u03C0", u"\u03C0", u"\u03C0", u"\u03C0", "pi"},
            {1044, u"e", u"e", u"e", u"e", "Euler's number"},
            {1045, u"i", u"i", u"i", u"i", "imaginary unit"},
            {1046, u"(", u"(", u"(", u"(", "round brackets open"},
            {1047, u")", u")", u")", u")", "round brackets close"},
            {1048, u"[", u"[", u"[", u"[", "square brackets open"},
            {1049, u"]", u"]", u"]", u"]", "square brackets close"},
            {1052, u"/*", u"/*", u"/*", u"/*", "comment open"},
            {1053, u"*/", u"*/", u"*/", u"*/", "comment close"},
            {1054, u"+", u"+", u"+", u"+", "plus"},
            {1055, u"\u2212", u"\u2212", u"\u2212", u"\u2212", "minus"},
            {1056, u"\u2217", u"\u2217", u"*", u"*", "times"},
            {1057, u"/", u"/", u"/", u"/", "divided by"},
            {1058, u"0", u"0", u"0", u"0", "0"},
            {1059, u"1", u"1", u"1", u"1", "1"},
            {1060, u"2", u"2", u"2", u"2", "2"},
            {1061, u"3", u"3", u"3", u"3", "3"},
            {1062, u"4", u"4", u"4", u"4", "4"},
            {1063, u"5", u"5", u"5", u"5", "5"},
            {1064, u"6", u"6", u"6", u"6", "6"},
            {1065, u"7", u"7", u"7", u"7", "7"},
            {1066, u"8", u"8", u"8", u"8", "8"},
            {1067, u"9", u"9", u"9", u"9", "9"},
            {1068, u".", u".", u".", u".", "decimal point"},
            {1069, u";", u";", u";", u";", "statement end"},
            {1070, u"=", u"=", u"command 2", u"command 2", "calculate"},
            {1071, u"= all", u"= all", u"command 3", u"command 3", "calculate all"},
            {1072, u"enter", u"enter", u"\r\n", u"\r\n", "new line"},
            {1073, u"; enter", u"; enter", u";\r\n", u";\r\n", "statement end and new line"},
            {1074, u"clear", u"clear", u"command 0", u"command 0", "clear"},
            {1075, u"\u2190", u"\u2190", u"command 1", u"command 1", "backspace"},
            {1076, u"rslt", u"rslt", u"rslt", u"rslt", "previous result"},
            {1077, u"free", u"free", u"command 4", u"command 4", "free memory"},
            {1078, u"\u2192", u"\u2192", u"->mem[", u"->mem[", "store in memory"},
            {1079, u"mem", u"mem", u"mem[", u"mem[", "memory cell"},
        };
        QCOMPARE(std::size(rows), size_t(kKeyCount));
        for (const Row& row : rows) {
            QTest::addRow("%d", row.id) << row.id << QString::fromUtf16(row.west)
                                        << QString::fromUtf16(row.east) << QString::fromUtf16(row.westSent)
                                        << QString::fromUtf16(row.eastSent) << QString::fromLatin1(row.name);
        }
    }

    void every_key_in_both_notations() {
        QFETCH(int, id);
        QFETCH(QString, westCaption);
        QFETCH(QString, eastCaption);
        QFETCH(QString, westSent);
        QFETCH(QString, eastSent);
        QFETCH(QString, name);
        QVERIFY(KeyIndex(id) >= 0);
        QCOMPARE(CaptionOf(Key(id), 0, false, false), westCaption);
        QCOMPARE(CaptionOf(Key(id), 1, false, false), eastCaption);
        QCOMPARE(Sent(id, kWest), westSent);
        QCOMPARE(Sent(id, kEast), eastSent);
        QCOMPARE(AccessibleNameOf(Key(id), false), name);
    }

    // The factorial and imaginary-unit keys follow their preferences; the rest do not.
    void gamma_and_imaginary_unit_preferences_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("gamma");
        QTest::addColumn<bool>("letterJ");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("sent");
        QTest::newRow("Gamma caption and name") << 1018 << true << false << "\u0393"
                                                << "\u0393(";
        QTest::newRow("imaginary unit j") << 1045 << false << true << "j"
                                          << "j";
        QTest::newRow("sine ignores both") << 1001 << true << true << "sin"
                                           << "sin(";
        QTest::newRow("e stays e with j") << 1044 << true << true << "e"
                                          << "e";
    }

    void gamma_and_imaginary_unit_preferences() {
        QFETCH(int, id);
        QFETCH(bool, gamma);
        QFETCH(bool, letterJ);
        QFETCH(QString, caption);
        QFETCH(QString, sent);
        for (int notation : {0, 1}) {
            QCOMPARE(CaptionOf(Key(id), notation, gamma, letterJ), caption);
            QCOMPARE(Sent(id, KeypadPreferences{notation, gamma, letterJ}), sent);
        }
    }

    void the_gamma_key_is_named_by_its_caption() {
        QCOMPARE(AccessibleNameOf(Key(1018), true), QStringLiteral("Gamma function"));
        QCOMPARE(AccessibleNameOf(Key(1018), false), QStringLiteral("factorial"));
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
