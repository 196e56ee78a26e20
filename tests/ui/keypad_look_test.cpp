// The keypad's look as plain logic: colour arithmetic, style fallbacks, the settings
// table, the font rules and the Set > Keypad menu's checks and enabling.

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/button_style.h"
#include "ui/keypad/keypad_look.h"
#include "ui/keypad/keypad_menu.h"

Q_DECLARE_METATYPE(KeypadFontDescription)

namespace {

constexpr int kDpi = 96;

} // namespace

class KeypadLookTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_;

    QSettings Settings() {
        return QSettings(directory_.filePath(QStringLiteral("look.ini")), QSettings::IniFormat);
    }

  private slots:
    void init() { QFile::remove(directory_.filePath(QStringLiteral("look.ini"))); }

    void colour_numbers_are_blue_green_red() {
        QCOMPARE(FromColorRef(10537215), QColor(255, 200, 160));
        QCOMPARE(ToColorRef(QColor(120, 244, 232)), 15266936u);
    }

    void background_brightness() {
        QVERIFY(IsLightBackground(QColor(240, 240, 240)));
        QVERIFY(IsLightBackground(QColor(128, 128, 128)));
        QVERIFY(!IsLightBackground(QColor(127, 127, 127)));
        QCOMPARE(Luminance(QColor(255, 0, 0)), 0.3);
    }

    void lightness_changes_data() {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QColor>("result");
        QTest::newRow("black stays black") << QColor(0, 0, 0) << 1.8 << QColor(0, 0, 0);
        QTest::newRow("white capped at white") << QColor(255, 255, 255) << 2.0 << QColor(255, 255, 255);
        QTest::newRow("grey darkened") << QColor(200, 200, 200) << 0.4 << QColor(80, 80, 80);
        QTest::newRow("red keeps its hue") << QColor(128, 0, 0) << 2.0 << QColor(255, 1, 1);
        QTest::newRow("peach lightened to the cap") << QColor(255, 200, 160) << 1.8 << QColor(255, 255, 255);
        QTest::newRow("peach darkened") << QColor(255, 200, 160) << 0.4 << QColor(166, 70, 0);
    }

    void lightness_changes() {
        QFETCH(QColor, face);
        QFETCH(double, factor);
        QFETCH(QColor, result);
        QCOMPARE(WithLightness(face, LightnessOf(face) * factor), result);
    }

    void drawings_with_and_without_a_theme_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("theme");
        QTest::addColumn<int>("drawing");
        QTest::addColumn<int>("checked");
        using enum ButtonDrawing;
        QTest::newRow("2000 themed draws Vista") << 0 << true << int(Vista) << 3;
        QTest::newRow("2000 classic") << 0 << false << int(Classic) << 0;
        QTest::newRow("Vantor themed") << 1 << true << int(Vantor) << 1;
        QTest::newRow("Vantor unthemed") << 1 << false << int(Vantor) << 1;
        QTest::newRow("XP themed") << 2 << true << int(XP) << 2;
        QTest::newRow("XP unthemed falls back to Vantor") << 2 << false << int(Vantor) << 1;
        QTest::newRow("Vista themed") << 3 << true << int(Vista) << 3;
        QTest::newRow("Vista unthemed falls back to Vantor") << 3 << false << int(Vantor) << 1;
    }

    void drawings_with_and_without_a_theme() {
        QFETCH(int, style);
        QFETCH(bool, theme);
        QFETCH(int, drawing);
        QFETCH(int, checked);
        QCOMPARE(int(DrawingFor(KeypadStyle(style), theme)), drawing);
        QCOMPARE(int(EffectiveStyle(KeypadStyle(style), theme)), checked);
    }

    void missing_settings_give_the_defaults() {
        const KeypadLook look = ReadKeypadLook(Settings(), kDpi);
        QCOMPARE(look, DefaultKeypadLook(kDpi));
        QCOMPARE(look.text[GroupIndex(KeyGroup::Function)], 128u);
        QCOMPARE(look.face[GroupIndex(KeyGroup::Service)], 15266936u);
        QCOMPARE(look.style, KeypadStyle::Vantor);
        QCOMPARE(look.font, (KeypadFontDescription{-15, 800, false, QStringLiteral("Arial")}));
        QCOMPARE(DefaultKeypadFont(144).height, -22);
    }

    void invalid_values_read_as_their_defaults_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("style 7 reads as Vantor") << "Style" << QVariant(7) << "style 1";
        QTest::newRow("style -1 reads as Vantor") << "Style" << QVariant(-1) << "style 1";
        QTest::newRow("style 2 is kept") << "Style" << QVariant(2) << "style 2";
        QTest::newRow("a colour beyond 24 bits") << "ColorDigit" << QVariant(0x1000000) << "digit 12615935";
        QTest::newRow("a colour that is no number") << "ColorDigit" << QVariant("pink") << "digit 12615935";
        QTest::newRow("a colour") << "ColorDigit" << QVariant(255) << "digit 255";
        QTest::newRow("italic uses the low byte only") << "FontItalic" << QVariant(0x100) << "italic 0";
        QTest::newRow("italic 2") << "FontItalic" << QVariant(2) << "italic 1";
        QTest::newRow("an empty face") << "FontFace" << QVariant("") << "face Arial";
        QTest::newRow("any system mark counts") << "ColorSystem" << QVariant(-5) << "system face 1";
    }

    void invalid_values_read_as_their_defaults() {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        {
            QSettings settings = Settings();
            settings.setValue(QStringLiteral("GUI/Keypad/") + key, stored);
        }
        const KeypadLook look = ReadKeypadLook(Settings(), kDpi);
        const QString field = read.section(QLatin1Char(' '), 0, -2);
        const QString shown = field == QLatin1String("style")         ? QString::number(int(look.style))
                              : field == QLatin1String("digit")       ? QString::number(look.face[1])
                              : field == QLatin1String("italic")      ? QString::number(look.font.italic)
                              : field == QLatin1String("face")        ? look.font.face
                              : field == QLatin1String("system face") ? QString::number(look.systemFace)
                                                                      : QString();
        QCOMPARE(field + QLatin1Char(' ') + shown, read);
    }

    void written_look_reads_back() {
        KeypadLook look = DefaultKeypadLook(kDpi);
        look.text = {1, 2, 3};
        look.face = {0xFFFFFF, 0, 0x123456};
        look.systemText = true;
        look.style = KeypadStyle::Classic2000;
        look.font = {-20, 400, true, QStringLiteral("DejaVu Sans")};
        {
            QSettings settings = Settings();
            WriteKeypadLook(settings, look);
        }
        QSettings settings = Settings();
        QCOMPARE(ReadKeypadLook(settings, kDpi), look);
        QCOMPARE(settings.value(QStringLiteral("GUI/Keypad/FontItalic")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("GUI/Keypad/ColorTextSystem")).toInt(), 1);
    }

    void fonts_that_cannot_be_made_data() {
        QTest::addColumn<KeypadFontDescription>("font");
        QTest::addColumn<bool>("creatable");
        QTest::newRow("default") << DefaultKeypadFont(kDpi) << true;
        QTest::newRow("a cell height") << KeypadFontDescription{20, 400, false, "Arial"} << true;
        QTest::newRow("no face") << KeypadFontDescription{-15, 400, false, ""} << false;
        QTest::newRow("a face too long") << KeypadFontDescription{-15, 400, false, QString(32, 'a')} << false;
        QTest::newRow("height 0") << KeypadFontDescription{0, 400, false, "Arial"} << false;
        QTest::newRow("huge") << KeypadFontDescription{-5000, 400, false, "Arial"} << false;
        QTest::newRow("weight 1001") << KeypadFontDescription{-15, 1001, false, "Arial"} << false;
    }

    void fonts_that_cannot_be_made() {
        QFETCH(KeypadFontDescription, font);
        QFETCH(bool, creatable);
        QCOMPARE(IsCreatableFont(font), creatable);
    }

    void a_made_font_describes_itself_back() {
        const KeypadFontDescription description{-17, 700, true, QStringLiteral("DejaVu Sans")};
        QCOMPARE(DescribeFont(MakeKeypadFont(description), kDpi), description);
        QFont points(QStringLiteral("DejaVu Sans"), 12);
        QCOMPARE(DescribeFont(points, kDpi).height, -16);
    }

    void font_marks_data() {
        QTest::addColumn<KeypadFontDescription>("font");
        QTest::addColumn<bool>("system");
        QTest::addColumn<bool>("defaultFont");
        const KeypadFontDescription system{-12, 400, false, "DejaVu Sans"};
        QTest::newRow("default") << DefaultKeypadFont(kDpi) << false << true;
        QTest::newRow("the dialog's font") << system << true << false;
        QTest::newRow("face compared by case")
            << KeypadFontDescription{-15, 800, false, "arial"} << false << false;
        QTest::newRow("another weight")
            << KeypadFontDescription{-12, 700, false, "DejaVu Sans"} << false << false;
    }

    void font_marks() {
        QFETCH(KeypadFontDescription, font);
        QFETCH(bool, system);
        QFETCH(bool, defaultFont);
        const KeypadFontMarks marks =
            MarksOf(font, DefaultKeypadFont(kDpi), KeypadFontDescription{-12, 400, false, "DejaVu Sans"});
        QCOMPARE(marks.system, system);
        QCOMPARE(marks.defaultFont, defaultFont);
    }

    void menu_states_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("theming");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        using enum CommandId;
        QTest::newRow("stored 2000 checks Vista while themed")
            << int(KeypadStyleVista) << 0 << true << true << true;
        QTest::newRow("2000 is disabled while themed") << int(KeypadStyle2000) << 0 << true << false << false;
        QTest::newRow("2000 unthemed") << int(KeypadStyle2000) << 0 << false << true << true;
        QTest::newRow("XP is disabled unthemed") << int(KeypadStyleXP) << 2 << false << false << false;
        QTest::newRow("XP unthemed checks Vantor") << int(KeypadStyleVantor) << 2 << false << true << true;
        QTest::newRow("Vista themed") << int(KeypadStyleVista) << 3 << true << true << true;
        QTest::newRow("font chooser never checked") << int(KeypadFontSelect) << 1 << true << false << true;
        QTest::newRow("default text colours") << int(KeypadTextDefault) << 1 << true << true << true;
        QTest::newRow("default face colours") << int(KeypadColorDefault) << 1 << true << true << true;
        QTest::newRow("system text colours") << int(KeypadTextSystem) << 1 << true << false << true;
    }

    void menu_states() {
        QFETCH(int, command);
        QFETCH(int, style);
        QFETCH(bool, theming);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        KeypadMenuFacts facts{DefaultKeypadLook(kDpi), DefaultKeypadLook(kDpi), {}, theming};
        facts.look.style = KeypadStyle(style);
        const KeypadCommandState state = LookCommandState(CommandId(command), facts);
        QCOMPARE(state.checked, checked);
        QCOMPARE(state.enabled, enabled);
    }

    void default_colour_items_need_every_default() {
        KeypadMenuFacts facts{DefaultKeypadLook(kDpi), DefaultKeypadLook(kDpi), {}, true};
        facts.look.text[GroupIndex(KeyGroup::Digit)] = 0;
        QVERIFY(!LookCommandState(CommandId::KeypadTextDefault, facts).checked);
        QVERIFY(LookCommandState(CommandId::KeypadColorDefault, facts).checked);
        facts.look.systemFace = true;
        QVERIFY(!LookCommandState(CommandId::KeypadColorDefault, facts).checked);
        QVERIFY(LookCommandState(CommandId::KeypadColorSystem, facts).checked);
    }
};

QTEST_MAIN(KeypadLookTest)
#include "keypad_look_test.moc"
