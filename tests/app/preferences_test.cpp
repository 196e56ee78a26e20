// Preferences: loading with validation, saving only after a change, and the dialog's
// Default, OK and Cancel.

#include "app_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/preferences/preferences_dialog.h"
#include "picture_checks.h"

class PreferencesTest : public QObject {
    Q_OBJECT

  private slots:
    void an_empty_store_gives_the_defaults() {
        TestEnvironment environment;
        QSettings settings;
        const Preferences values = LoadPreferences(settings);
        QCOMPARE(values, Preferences{});
        QCOMPARE(values.logPopup, 1);
        QCOMPARE(values.fontSize, 15);
    }

    void stored_values_are_checked_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("units 1 is degrees") << "Preferences/TrigonometricUnits" << QVariant(1) << 1;
        QTest::newRow("units 3 is out of range") << "Preferences/TrigonometricUnits" << QVariant(3) << 0;
        QTest::newRow("units -1 is 4294967295 unsigned")
            << "Preferences/TrigonometricUnits" << QVariant(-1) << 0;
        QTest::newRow("units as text is mistyped")
            << "Preferences/TrigonometricUnits" << QVariant("deg") << 0;
        QTest::newRow("notation 2 is out of range") << "Preferences/Notation" << QVariant(2) << 0;
        QTest::newRow("notation 1 is East") << "Preferences/Notation" << QVariant(1) << 1;
        QTest::newRow("FormatI 1 is j") << "Preferences/FormatI" << QVariant(1) << 1;
        QTest::newRow("log pop-up 7 counts as on") << "Preferences/LogPopup" << QVariant(7) << 7;
        QTest::newRow("log pop-up 0 is off") << "Preferences/LogPopup" << QVariant(0) << 0;
        QTest::newRow("log pop-up beyond 32 bits")
            << "Preferences/LogPopup" << QVariant(qlonglong(1) << 40) << 1;
        QTest::newRow("confirmation takes any number")
            << "Preferences/ClearConfirmation" << QVariant(-5) << -5;
        QTest::newRow("highlighting 0 is off") << "Preferences/SyntaxHighlighting" << QVariant(0) << 0;
        QTest::newRow("highlighting mistyped stays on")
            << "Preferences/SyntaxHighlighting" << QVariant("no") << 1;
        QTest::newRow("font size 5 is raised to 8") << "GUI/Editor/FontSize" << QVariant(5) << 8;
        QTest::newRow("font size 100 is cut to 72") << "GUI/Editor/FontSize" << QVariant(100) << 72;
        QTest::newRow("font size 20 stays") << "GUI/Editor/FontSize" << QVariant(20) << 20;
        QTest::newRow("font size as text gives 15") << "GUI/Editor/FontSize" << QVariant("big") << 15;
    }

    void stored_values_are_checked() {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(int, loaded);
        TestEnvironment environment;
        QSettings settings;
        settings.setValue(key, stored);
        const Preferences values = LoadPreferences(settings);
        const QMap<QString, int> read = {
            {"Preferences/TrigonometricUnits", values.trigonometricUnits},
            {"Preferences/Notation", values.notation},
            {"Preferences/FormatI", values.formatI},
            {"Preferences/LogPopup", values.logPopup},
            {"Preferences/ClearConfirmation", values.clearConfirmation},
            {"Preferences/SyntaxHighlighting", values.syntaxHighlighting},
            {"GUI/Editor/FontSize", values.fontSize},
        };
        QCOMPARE(read.value(key), loaded);
    }

    void nothing_is_written_without_a_change() {
        TestEnvironment environment;
        PreferenceStore store;
        {
            QSettings settings;
            SavePreferences(settings, store);
        }
        QSettings settings;
        QVERIFY(settings.allKeys().isEmpty());
    }

    void a_change_writes_every_value_and_reads_back() {
        TestEnvironment environment;
        PreferenceStore store;
        store.values.trigonometricUnits = 2;
        store.values.formatI = 1;
        store.values.useSSE2 = 1;
        store.values.fontSize = 30;
        store.changed = true;
        {
            QSettings settings;
            SavePreferences(settings, store);
        }
        QSettings settings;
        QCOMPARE(settings.childKeys().size(), 0);
        settings.beginGroup(QStringLiteral("Preferences"));
        QCOMPARE(settings.childKeys().size(), 9);
        settings.endGroup();
        QCOMPARE(LoadPreferences(settings), store.values);
    }

    void sse2_is_never_in_use_here() {
        PreferenceStore store;
        store.values.useSSE2 = 1;
        QVERIFY(!UsesSSE2(store));
    }

    void font_size_text_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size"); // -1: refused
        QTest::newRow("plain") << "20" << 20;
        QTest::newRow("spaces around") << "  9 " << 9;
        QTest::newRow("letters") << "ten" << -1;
        QTest::newRow("fraction") << "12.5" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("negative is a number") << "-3" << -3;
    }

    void font_size_text() {
        QFETCH(QString, text);
        QFETCH(int, size);
        const std::optional<int> parsed = ParseFontSizeText(text);
        QCOMPARE(parsed.value_or(-1), size);
    }

    void ok_clamps_the_font_size_and_keeps_other_values() {
        TestEnvironment environment;
        Preferences current;
        current.logPopup = 7;
        CCalcPreferences dialog(current, false, nullptr);
        dialog.findChild<QLineEdit*>(QStringLiteral("Font size"))->setText(QStringLiteral("100"));
        dialog.findChild<QComboBox*>(QStringLiteral("Trigonometric units"))->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Values().fontSize, 72);
        QCOMPARE(dialog.Values().trigonometricUnits, 1);
        QCOMPARE(dialog.Values().logPopup, 7);

        PreferenceStore store;
        AcceptPreferences(store, dialog.Values());
        QVERIFY(store.changed);
        QCOMPARE(store.values.fontSize, 72);
    }

    void a_font_size_that_is_not_a_number_keeps_the_dialog_open() {
        TestEnvironment environment;
        ScriptedMessageBoxes boxes;
        boxes.Expect(QStringLiteral("Enter an integer."), IdOk);
        CCalcPreferences dialog(Preferences{}, false, nullptr);
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("Font size"))->setText(QStringLiteral("large"));
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(boxes.AllAnswered());
        dialog.reject();
    }

    void default_then_cancel_changes_nothing() {
        TestEnvironment environment;
        Preferences current;
        current.notation = 1;
        current.fontSize = 40;
        current.clearConfirmation = 1;
        CCalcPreferences dialog(current, false, nullptr);
        dialog.findChild<QPushButton*>(QStringLiteral("Default"))->click();
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Font size"))->text(), QStringLiteral("15"));
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("Notation"))->currentIndex(), 0);
        QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("Pop-up on new message if hidden"))->isChecked());
        dialog.reject();
        // The caller takes the values only after OK; the current ones are untouched.
        QCOMPARE(current.notation, 1);
        QCOMPARE(current.fontSize, 40);
    }

    void default_then_ok_gives_the_defaults() {
        Preferences current;
        current.formatI = 1;
        current.freeConfirmation = 3;
        CCalcPreferences dialog(current, false, nullptr);
        dialog.findChild<QPushButton*>(QStringLiteral("Default"))->click();
        dialog.accept();
        QCOMPARE(dialog.Values(), Preferences{});
    }

    void picture_of_the_dialog() {
        CCalcPreferences dialog(Preferences{}, false, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage picture = dialog.grab().toImage();
        QCOMPARE(picture.size(), picture_checks::PixelSize(dialog.size(), dialog.devicePixelRatioF()));
        // Every group and the buttons are drawn where they stand, each with its text.
        QList<QWidget*> parts{dialog.findChild<QDialogButtonBox*>()};
        for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
            parts << group;
        QCOMPARE(parts.size(), 5);
        for (const QWidget* part : parts) {
            const QRect inDialog(part->mapTo(&dialog, QPoint(0, 0)), part->size());
            QVERIFY2(picture_checks::ShowsSomething(picture, inDialog), qPrintable(part->objectName()));
        }
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        const QString path =
            QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/preferences@%1x.png").arg(dialog.devicePixelRatioF());
        QVERIFY(picture.save(path));
        dialog.reject();
    }

    void sse2_box_is_disabled_without_sse2_and_keeps_its_value() {
        Preferences current;
        current.useSSE2 = 1;
        CCalcPreferences dialog(current, false, nullptr);
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("Use SSE2 processor module"));
        QVERIFY(!box->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.Values().useSSE2, 1);
    }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
