// The editor font as the settings describe it: face, weight and slant that hold through
// size changes, and descriptions that name no face or no weight.

#include "app_test_support.h"

#include "app/editor/calc_view.h"
#include "ui/resources/bundled_fonts.h"

class EditorFontTest : public QObject {
    Q_OBJECT

  private:
    static EditorFontSettings Stored(const QVariant& face, const QVariant& weight, const QVariant& italic) {
        QSettings settings;
        if (face.isValid())
            settings.setValue(QStringLiteral("GUI/Editor/FontFace"), face);
        if (weight.isValid())
            settings.setValue(QStringLiteral("GUI/Editor/FontWeight"), weight);
        if (italic.isValid())
            settings.setValue(QStringLiteral("GUI/Editor/FontItalic"), italic);
        return ReadEditorFontSettings(settings);
    }

  private slots:
    void initTestCase() { QVERIFY(LoadBundledFonts() > 0); }

    void font_from_the_settings_data() {
        QTest::addColumn<QVariant>("face");
        QTest::addColumn<QVariant>("weight");
        QTest::addColumn<QVariant>("italic");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("shownWeight");
        QTest::addColumn<bool>("shownItalic");
        const QString roboto = QStringLiteral("Roboto Mono");
        QTest::newRow("nothing stored") << QVariant() << QVariant() << QVariant() << roboto << 400 << false;
        QTest::newRow("bold italic") << QVariant(roboto) << QVariant(700) << QVariant(1) << roboto << 700
                                     << true;
        QTest::newRow("a face that is not installed gives way to the bundled one")
            << QVariant(QStringLiteral("No Such Face 12")) << QVariant(700) << QVariant(0) << roboto << 700
            << false;
        QTest::newRow("a blank face keeps the other attributes")
            << QVariant(QString()) << QVariant(700) << QVariant(1) << roboto << 700 << true;
        QTest::newRow("weight 0 asks for the normal weight")
            << QVariant(roboto) << QVariant(0) << QVariant(0) << roboto << 400 << false;
        QTest::newRow("unreadable values take their defaults")
            << QVariant(roboto) << QVariant(QStringLiteral("heavy")) << QVariant(QStringLiteral("yes"))
            << roboto << 400 << false;
    }

    void font_from_the_settings() {
        QFETCH(QVariant, face);
        QFETCH(QVariant, weight);
        QFETCH(QVariant, italic);
        QFETCH(QString, family);
        QFETCH(int, shownWeight);
        QFETCH(bool, shownItalic);
        TestEnvironment environment;
        CCalcView view;
        view.BuildEditorFont(Stored(face, weight, italic), 20);
        // The size of the preference is kept, whatever the description.
        QCOMPARE(view.EditorFontSize(), 20);
        QCOMPARE(view.font().pointSize(), 20);
        QCOMPARE(view.font().family(), family);
        QCOMPARE(static_cast<int>(view.font().weight()), shownWeight);
        QCOMPARE(view.font().italic(), shownItalic);

        // A new size rebuilds once and keeps every other attribute.
        const int builds = view.FontBuilds();
        view.ChangeFontSize(30);
        view.ChangeFontSize(30);
        QCOMPARE(view.FontBuilds(), builds + 1);
        QCOMPARE(view.font().pointSize(), 30);
        QCOMPARE(view.font().family(), family);
        QCOMPARE(static_cast<int>(view.font().weight()), shownWeight);
        QCOMPARE(view.font().italic(), shownItalic);
    }
};

QTEST_MAIN(EditorFontTest)
#include "editor_font_test.moc"
