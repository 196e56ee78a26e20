// The page setup and the printing progress dialog as a user meets them: what they show
// for the settings, what OK stores and Cancel keeps, the enabling rule, the font groups
// through a scripted font chooser, "Printer..." through a scripted print dialog, and
// pictures of both dialogs for a person to look at.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/support/scoped_answerer.h"
#include "ui/controls/va_button.h"
#include "ui/dialogs/calc_font_dialog.h"
#include "ui/print/calc_page_setup.h"
#include "ui/print/calc_print_dialog.h"
#include "ui/print/calc_printing_dialog.h"
#include "ui/resources/va_fonts.h"

namespace {

template <typename Control> Control* Find(QWidget& dialog, const char* id) {
    auto* control = dialog.findChild<Control*>(QLatin1String(id));
    if (control == nullptr)
        qFatal("no control %s", id);
    return control;
}

// Answers the font chooser with one font and remembers what it was opened on.
class ScriptedFont {
  public:
    explicit ScriptedFont(std::optional<QFont> answer)
        : answerer_(CCalcFontDialog::SetAnswerer, [this, answer](const QFont& initial) {
              initial_ = initial;
              return answer;
          }) {}
    const QFont& Initial() const { return initial_; }

  private:
    QFont initial_;
    const ScopedAnswerer<CCalcFontDialog::Answerer> answerer_;
};

void SavePicture(const QImage& picture, const QString& name) {
    const QString output = QStringLiteral(VANTOR_TEST_OUTPUT_DIR);
    QDir().mkpath(output);
    picture.save(output + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QFont Font(const QString& face, int points, QFont::Weight weight, bool italic) {
    QFont font(face, points, weight, italic);
    return font;
}

} // namespace

class PageSetupTest : public QObject {
    Q_OBJECT

  private:
    QPrinter printer_{QPrinter::HighResolution};

  private slots:
    void initTestCase() {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        // The styled dialogs' faces, as the program loads them at start.
        QVERIFY(VaFonts::Application().LoadFonts());
        printer_.setPageSize(QPageSize(QPageSize::A4));
    }

    void default_settings_are_shown() {
        CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
        for (const char* id : {"1100", "1101", "1106", "1107"})
            QVERIFY2(Find<QCheckBox>(dialog, id)->isChecked(), id);
        QCOMPARE(Find<QComboBox>(dialog, "1108")->currentText(), QStringLiteral("n of N"));
        QCOMPARE(Find<QComboBox>(dialog, "1109")->currentText(), QStringLiteral("Footer right"));
        QCOMPARE(Find<QLineEdit>(dialog, "1114")->text(), QStringLiteral("Courier New 12 pt"));
        QCOMPARE(Find<QLineEdit>(dialog, "1116")->text(), QStringLiteral("Times New Roman 10 pt, italic"));
        QVERIFY(Find<QCheckBox>(dialog, "1113")->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, "1115")->isChecked());
        QCOMPARE(Find<QDoubleSpinBox>(dialog, "1155")->value(), 25.0);
        for (const char* id : {"1156", "1157", "1158"})
            QCOMPARE(Find<QDoubleSpinBox>(dialog, id)->value(), 15.0);
        QCOMPARE(Find<QComboBox>(dialog, "1137")->currentText(), QPageSize(QPageSize::A4).name());
        QVERIFY(Find<QRadioButton>(dialog, "1056")->isChecked());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SavePicture(dialog.grab().toImage(), QStringLiteral("page-setup"));
    }

    void margins_in_inches_show_and_store_exactly() {
        CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::ThousandthsOfInch, nullptr);
        QCOMPARE(Find<QDoubleSpinBox>(dialog, "1155")->value(), 0.984);
        QCOMPARE(Find<QDoubleSpinBox>(dialog, "1156")->value(), 0.591);
        Find<QDoubleSpinBox>(dialog, "1155")->setValue(1.0);
        PrintSettings stored;
        dialog.StoreInto(stored, printer_);
        QCOMPARE(stored.marginLeft, 254000);
        CCalcPageSetup again(printer_, stored, MarginUnit::ThousandthsOfInch, nullptr);
        QCOMPARE(Find<QDoubleSpinBox>(again, "1155")->value(), 1.0);
    }

    void choosing_n_and_header_center_keeps_the_item_boxes() {
        CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
        Find<QCheckBox>(dialog, "1101")->setChecked(false);
        Find<QComboBox>(dialog, "1108")->setCurrentIndex(0);
        Find<QComboBox>(dialog, "1109")->setCurrentIndex(0);
        PrintSettings stored;
        dialog.StoreInto(stored, printer_);
        QCOMPARE(stored.items, FileInfoBit | TimeBit | NumberBit);
    }

    void unchecking_number_disables_both_lists_and_keeps_their_values() {
        CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCheckBox* number = Find<QCheckBox>(dialog, "1107");
        QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(5, number->height() / 2));
        QVERIFY(!number->isChecked());
        QVERIFY(!Find<QComboBox>(dialog, "1108")->isEnabled());
        QVERIFY(!Find<QComboBox>(dialog, "1109")->isEnabled());
        PrintSettings stored;
        dialog.StoreInto(stored, printer_);
        QCOMPARE(stored.items, 431u & ~static_cast<unsigned>(NumberBit));
        QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(5, number->height() / 2));
        QVERIFY(Find<QComboBox>(dialog, "1108")->isEnabled());
    }

    void out_of_range_fields_open_as_n_of_N_at_footer_right() {
        PrintSettings settings;
        settings.items = 0xFu | 6u << 4 | 7u << 7;
        CCalcPageSetup dialog(printer_, settings, MarginUnit::HundredthsOfMillimetre, nullptr);
        QCOMPARE(Find<QComboBox>(dialog, "1108")->currentIndex(), 2);
        QCOMPARE(Find<QComboBox>(dialog, "1109")->currentIndex(), 3);
    }

    void choosing_fonts_data() {
        QTest::addColumn<QFont>("chosen");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("isDefault");
        QTest::newRow("Courier New 12 pt checks Default")
            << Font("Courier New", 12, QFont::Normal, false) << "Courier New 12 pt" << true;
        QTest::newRow("courier new spelled otherwise does not")
            << Font("courier new", 12, QFont::Normal, false) << "courier new 12 pt" << false;
        QTest::newRow("bold 14 pt italic") << Font("Liberation Serif", 14, QFont::Bold, true)
                                           << "Liberation Serif 14 pt, bold, italic" << false;
    }
    void choosing_fonts() {
        QFETCH(QFont, chosen);
        QFETCH(QString, description);
        QFETCH(bool, isDefault);
        PrintSettings settings;
        settings.textFont = {QStringLiteral("DejaVu Sans Mono"), 9, 400, false};
        CCalcPageSetup dialog(printer_, settings, MarginUnit::HundredthsOfMillimetre, nullptr);
        QVERIFY(!Find<QCheckBox>(dialog, "1113")->isChecked());
        ScriptedFont font(chosen);
        Find<QPushButton>(dialog, "1110")->click();
        QCOMPARE(font.Initial().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(Find<QLineEdit>(dialog, "1114")->text(), description);
        QCOMPARE(Find<QCheckBox>(dialog, "1113")->isChecked(), isDefault);
        PrintSettings stored;
        dialog.StoreInto(stored, printer_);
        QCOMPARE(FontDescription(stored.textFont), description);
        QCOMPARE(stored.serviceFont, kDefaultServiceFont);
    }

    void a_cancelled_font_chooser_changes_nothing() {
        CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
        ScriptedFont font(std::nullopt);
        Find<QPushButton>(dialog, "1111")->click();
        QCOMPARE(Find<QLineEdit>(dialog, "1116")->text(), QStringLiteral("Times New Roman 10 pt, italic"));
        QVERIFY(Find<QCheckBox>(dialog, "1115")->isChecked());
    }

    void checking_default_restores_the_default_font_and_unchecking_keeps_it() {
        PrintSettings settings;
        settings.serviceFont = {QStringLiteral("DejaVu Serif"), 20, 700, false};
        CCalcPageSetup dialog(printer_, settings, MarginUnit::HundredthsOfMillimetre, nullptr);
        QCheckBox* box = Find<QCheckBox>(dialog, "1115");
        box->click();
        QCOMPARE(Find<QLineEdit>(dialog, "1116")->text(), QStringLiteral("Times New Roman 10 pt, italic"));
        box->click();
        QCOMPARE(Find<QLineEdit>(dialog, "1116")->text(), QStringLiteral("Times New Roman 10 pt, italic"));
        PrintSettings stored;
        dialog.StoreInto(stored, printer_);
        QCOMPARE(stored.serviceFont, kDefaultServiceFont);
    }

    void paper_and_orientation_reach_the_printer() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        CCalcPageSetup dialog(printer, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
        QComboBox* size = Find<QComboBox>(dialog, "1137");
        size->setCurrentIndex(size->findText(QPageSize(QPageSize::Letter).name()));
        Find<QRadioButton>(dialog, "1057")->setChecked(true);
        PrintSettings stored;
        dialog.StoreInto(stored, printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void printer_button_opens_the_print_dialog_in_setup_mode() {
        PrintDialogRequest seen;
        int runs = 0;
        {
            const ScopedAnswerer<CCalcPrintDialog::Answerer> print(
                CCalcPrintDialog::SetAnswerer, [&](QPrinter&, const PrintDialogRequest& request) {
                    seen = request;
                    ++runs;
                    return PrintDialogAnswer{false, false};
                });
            CCalcPageSetup dialog(printer_, PrintSettings{}, MarginUnit::HundredthsOfMillimetre, nullptr);
            Find<QPushButton>(dialog, "1026")->click();
        }
        QCOMPARE(runs, 1);
        QCOMPARE(seen.mode, PrintDialogMode::Setup);
    }

    void printing_dialog_shows_the_job_and_cancels() {
        CCalcPrintingDialog dialog(QStringLiteral("sum.vcl"), QStringLiteral("vantor-pdf"),
                                   QStringLiteral("cups-pdf:/"), 3, nullptr);
        QCOMPARE(dialog.Texts(), (QStringList{"Document   ", "sum.vcl", "Of 3 page   ", "1", "Printer   ",
                                              "vantor-pdf", "Port   ", "cups-pdf:/"}));
        QCOMPARE(CCalcPrintingDialog::PageLabel(0), QStringLiteral("Page   "));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(300); // the opening animation
        dialog.ShowPage(2);
        QCOMPARE(dialog.Texts()[3], QStringLiteral("2"));
        SavePicture(dialog.Picture(), QStringLiteral("printing-dialog"));
        bool cancelled = false;
        connect(&dialog, &CCalcPrintingDialog::cancelRequested, this, [&] { cancelled = true; });
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(cancelled);
        QVERIFY(dialog.Cancelled());
        QTRY_VERIFY(dialog.isHidden());
    }

    void printing_dialog_cancel_button_cancels() {
        CCalcPrintingDialog dialog(QStringLiteral("sum.vcl"), QStringLiteral("vantor-pdf"),
                                   QStringLiteral("x"), 0, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.CancelButton()->click();
        QVERIFY(dialog.Cancelled());
        QTRY_VERIFY(dialog.isHidden());
    }
};

QTEST_MAIN(PageSetupTest)
#include "page_setup_test.moc"
