// The rules of the printed page as plain functions: the rounding multiply-divide, margins
// turned into insets, the page-can-be-used test, the body rectangle, the logo's width, the
// number's placement, the header, footer and number texts with their fallbacks, the job's
// page range, the items field, the settings table and the printer kept between runs.

#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "ui/print/job_range.h"
#include "ui/print/margin_units.h"
#include "ui/print/page_geometry.h"
#include "ui/print/page_setup_values.h"
#include "ui/print/page_texts.h"
#include "ui/print/print_settings.h"
#include "ui/print/printer_selection.h"
#include "ui/print/printing_dialog_layout.h"

namespace {

// Every character ten units wide.
int TenPerCharacter(const QString& text) {
    return 10 * static_cast<int>(text.size());
}

// An A4 sheet at 600 dpi with a border of 100, 50, 150 and 80 pixels.
DeviceGeometry A4At600() {
    DeviceGeometry device;
    device.physicalWidth = 4960;
    device.physicalHeight = 7016;
    device.offsetX = 100;
    device.offsetY = 50;
    device.printableWidth = 4960 - 100 - 150;
    device.printableHeight = 7016 - 50 - 80;
    device.dpiX = 600;
    device.dpiY = 600;
    return device;
}

} // namespace

class PrintRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void mul_div_rounds_to_nearest_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 250000 << 600 << 254000 << 591;
        QTest::newRow("half rounds up") << 1 << 1 << 2 << 1;
        QTest::newRow("negative half rounds away from zero") << -1 << 1 << 2 << -1;
        QTest::newRow("below half rounds down") << 4 << 1 << 10 << 0;
        QTest::newRow("no overflow in 32 bits") << 2000000000 << 600 << 254000 << 4724409;
        QTest::newRow("denominator 0 gives -1") << 5 << 5 << 0 << -1;
    }
    void mul_div_rounds_to_nearest() {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, expected);
        QCOMPARE(MulDiv(number, numerator, denominator), expected);
    }

    void margins_become_insets_from_the_printable_area() {
        const DeviceGeometry device = A4At600();
        const Insets insets = PageMargins(PrintSettings{}, device);
        // 25 mm at 600 dpi is 591 pixels, less the 100 already unprintable.
        QCOMPARE(insets, (Insets{591 - 100, 354 - 50, 354 - 150, 354 - 80}));
        QVERIFY(PageCanBeUsed(insets, device));
    }

    void margins_inside_the_border_cost_nothing() {
        PrintSettings settings;
        settings.marginLeft = 1000; // 0.1 mm
        settings.marginTop = -50000;
        const Insets insets = PageMargins(settings, A4At600());
        QCOMPARE(insets.left, 0);
        QCOMPARE(insets.top, 0);
    }

    void page_can_be_used_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("usable");
        const int width = A4At600().printableWidth;
        QTest::newRow("room left") << 100 << 100 << true;
        QTest::newRow("one pixel left") << width / 2 << width - width / 2 - 1 << true;
        QTest::newRow("margins meet") << width / 2 << width - width / 2 << false;
        QTest::newRow("margins overlap") << width << width << false;
    }
    void page_can_be_used() {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(bool, usable);
        QCOMPARE(PageCanBeUsed(Insets{left, 0, right, 0}, A4At600()), usable);
    }

    void body_leaves_a_blank_line_under_the_header_and_above_the_footer() {
        const QRect reduced(100, 200, 1000, 2000);
        QCOMPARE(BodyRect(reduced, 40, 30), QRect(100, 280, 1000, 2000 - 80 - 60));
        QCOMPARE(BodyRect(reduced, 0, 0), reduced);
    }

    void logo_is_square_on_paper() {
        QCOMPARE(LogoWidth(100, 600, 600), 100);
        QCOMPARE(LogoWidth(100, 1200, 600), 200);
        QCOMPARE(LogoWidth(100, 300, 600), 50);
    }

    void number_placement_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("room");
        QTest::addColumn<int>("x");
        const auto header = int(NumberPosition::HeaderCenter);
        const auto right = int(NumberPosition::FooterRight);
        // Rectangle from 100, 1000 wide; the number 60 wide; a digit 10.
        QTest::newRow("right edge") << right << 1000 << 1040;
        QTest::newRow("centred with the whole width free") << header << 1000 << 570;
        QTest::newRow("centred while a digit stays clear") << header << 540 << 570;
        QTest::newRow("moves right one pixel short of the digit") << header << 539 << 1040;
    }
    void number_placement() {
        QFETCH(int, position);
        QFETCH(int, room);
        QFETCH(int, x);
        QCOMPARE(NumberX(static_cast<NumberPosition>(position), QRect(100, 0, 1000, 500), 60, room, 10), x);
    }

    void header_text_and_its_fallbacks_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("logo");
        const QString saved = QStringLiteral("/home/me/sum.vcl");
        // The logo 30 wide; "sum.vcl" 70.
        QTest::newRow("saved calculation") << saved << 1000 << " Calculator file sum.vcl" << true;
        QTest::newRow("memory file") << "/home/me/cells.vcm" << 1000 << " Calculator memory file cells.vcm"
                                     << true;
        QTest::newRow("unnamed document") << "" << 1000 << " Calculator unnamed file" << true;
        QTest::newRow("a Windows path names its file after the backslash")
            << "C:\\Calc\\sum.vcl" << 1000 << " Calculator file sum.vcl" << true;
        QTest::newRow("narrow: File and the name") << saved << 30 + 130 << " File sum.vcl" << true;
        QTest::newRow("narrower: a space and the name") << saved << 30 + 80 << " sum.vcl" << true;
        QTest::newRow("narrower still: the name without the logo") << saved << 70 << "sum.vcl" << false;
        QTest::newRow("too narrow: nothing") << saved << 69 << "" << false;
        QTest::newRow("unnamed and narrow: the logo alone") << "" << 30 << "" << true;
        QTest::newRow("unnamed and narrower: nothing") << "" << 29 << "" << false;
    }
    void header_text_and_its_fallbacks() {
        QFETCH(QString, path);
        QFETCH(int, room);
        QFETCH(QString, text);
        QFETCH(bool, logo);
        const HeaderChoice choice = ChooseHeader(path, 30, room, TenPerCharacter);
        QCOMPARE(choice.text, text);
        QCOMPARE(choice.logo, logo);
    }

    void footer_text_and_its_fallbacks_data() {
        QTest::addColumn<bool>("time");
        QTest::addColumn<bool>("date");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("text");
        QTest::newRow("time and date") << true << true << 1000 << "14:05 8 Dec 2026";
        QTest::newRow("time only") << true << false << 1000 << "14:05";
        QTest::newRow("date only") << false << true << 1000 << "8 Dec 2026";
        QTest::newRow("both do not fit: the date") << true << true << 150 << "8 Dec 2026";
        QTest::newRow("not even the date: nothing") << true << true << 90 << "";
        QTest::newRow("the time alone does not fit: nothing") << true << false << 40 << "";
    }
    void footer_text_and_its_fallbacks() {
        QFETCH(bool, time);
        QFETCH(bool, date);
        QFETCH(int, room);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 12, 8), QTime(14, 5, 59));
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(ChooseFooter(now, time, date, english, room, TenPerCharacter), text);
    }

    void footer_date_follows_the_locale_and_keeps_four_digits() {
        const QDateTime early(QDate(987, 1, 31), QTime(7, 3));
        QCOMPARE(FooterText(early, true, true, QLocale(QLocale::English)),
                 QStringLiteral("07:03 31 Jan 0987"));
        QCOMPARE(FooterText(early, false, true, QLocale(QLocale::German)), QStringLiteral("31 Jan. 0987"));
    }

    void number_text_and_its_fallbacks_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("text");
        QTest::newRow("n of N") << int(NumberFormat::OfTotal) << 100 << "2 of 13";
        QTest::newRow("- n -") << int(NumberFormat::Dashed) << 100 << "- 2 -";
        QTest::newRow("n") << int(NumberFormat::Plain) << 100 << "2";
        QTest::newRow("n of N too wide: the plain number") << int(NumberFormat::OfTotal) << 60 << "2";
        QTest::newRow("even the plain number too wide: nothing") << int(NumberFormat::Dashed) << 9 << "";
    }
    void number_text_and_its_fallbacks() {
        QFETCH(int, format);
        QFETCH(int, room);
        QFETCH(QString, text);
        QCOMPARE(ChooseNumber(static_cast<NumberFormat>(format), 2, 13, room, TenPerCharacter), text);
    }

    void job_range_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("pages");
        QTest::newRow("all of three counted pages") << 1 << 65535 << 3 << 1 << 4 << 3;
        QTest::newRow("all, not counted: runs to the text's end")
            << 1 << 65535 << 65535 << 1 << 65535 << 65534;
        QTest::newRow("two to five of three") << 2 << 5 << 3 << 2 << 4 << 2;
        QTest::newRow("backwards") << 3 << 1 << 3 << 3 << 0 << 3;
        QTest::newRow("below the first page") << 0 << 2 << 3 << 1 << 3 << 2;
    }
    void job_range() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, maximum);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, pages);
        const JobRange range = ComputeJobRange(from, to, 1, maximum);
        QCOMPARE(range.start, start);
        QCOMPARE(range.end, end);
        QCOMPARE(range.pages, pages);
    }

    void items_field_data() {
        QTest::addColumn<unsigned>("items");
        QTest::addColumn<int>("printedFormat");
        QTest::addColumn<int>("shownFormat");
        QTest::addColumn<int>("position");
        QTest::newRow("default 431") << 431u << int(NumberFormat::OfTotal) << int(NumberFormat::OfTotal)
                                     << int(NumberPosition::FooterRight);
        QTest::newRow("format 5 prints plain and shows n of N")
            << (0xFu | 5u << 4) << int(NumberFormat::Plain) << int(NumberFormat::OfTotal)
            << int(NumberPosition::HeaderCenter);
        QTest::newRow("position 6 acts as Footer right")
            << (0xFu | 1u << 4 | 6u << 7) << int(NumberFormat::Dashed) << int(NumberFormat::Dashed)
            << int(NumberPosition::FooterRight);
    }
    void items_field() {
        QFETCH(unsigned, items);
        QFETCH(int, printedFormat);
        QFETCH(int, shownFormat);
        QFETCH(int, position);
        QCOMPARE(int(DecodeItems(items, ItemsReader::Printing).format), printedFormat);
        QCOMPARE(int(DecodeItems(items, ItemsReader::Dialog).format), shownFormat);
        QCOMPARE(int(DecodeItems(items, ItemsReader::Printing).position), position);
    }

    void items_round_trip_and_what_they_need() {
        const PageItems items = DecodeItems(431, ItemsReader::Printing);
        QVERIFY(items.fileInfo && items.time && items.date && items.number);
        QCOMPARE(EncodeItems(items), 431u);
        QVERIFY(HeaderNeeded(items));
        QVERIFY(FooterNeeded(items));
        const PageItems numberInHeader{
            false, false, false, true, NumberFormat::Plain, NumberPosition::HeaderRight};
        QVERIFY(HeaderNeeded(numberInHeader));
        QVERIFY(!FooterNeeded(numberInHeader));
        QCOMPARE(EncodeItems(numberInHeader), 0x8u | 1u << 7);
    }

    void margins_in_the_locale_unit_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        const int mm = int(MarginUnit::HundredthsOfMillimetre);
        const int inch = int(MarginUnit::ThousandthsOfInch);
        QTest::newRow("25 mm") << mm << 250000 << 2500;
        QTest::newRow("15 mm") << mm << 150000 << 1500;
        QTest::newRow("25 mm in inches") << inch << 250000 << 984;
        QTest::newRow("15 mm in inches") << inch << 150000 << 591;
        QTest::newRow("one inch") << inch << 254000 << 1000;
        QTest::newRow("half a hundredth rounds up") << mm << 50 << 1;
    }
    void margins_in_the_locale_unit() {
        QFETCH(int, unit);
        QFETCH(int, stored);
        QFETCH(int, shown);
        QCOMPARE(ShownMargin(stored, static_cast<MarginUnit>(unit)), shown);
    }

    void margins_entered_round_trip_exactly() {
        for (MarginUnit unit : {MarginUnit::HundredthsOfMillimetre, MarginUnit::ThousandthsOfInch}) {
            for (int shown : {0, 1, 591, 984, 1000, 2500, 39999})
                QCOMPARE(ShownMargin(StoredMargin(shown, unit), unit), shown);
        }
        QCOMPARE(StoredMargin(1000, MarginUnit::ThousandthsOfInch), 254000);
        QCOMPARE(MarginUnitFor(QLocale::MetricSystem), MarginUnit::HundredthsOfMillimetre);
        QCOMPARE(MarginUnitFor(QLocale::ImperialUSSystem), MarginUnit::ThousandthsOfInch);
        QCOMPARE(MarginUnitFor(QLocale::ImperialUKSystem), MarginUnit::ThousandthsOfInch);
    }

    void font_descriptions_data() {
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("description");
        QTest::newRow("regular") << 400 << false << "Times New Roman 14 pt";
        QTest::newRow("italic") << 400 << true << "Times New Roman 14 pt, italic";
        QTest::newRow("bold") << 700 << false << "Times New Roman 14 pt, bold";
        QTest::newRow("bold italic") << 700 << true << "Times New Roman 14 pt, bold, italic";
        QTest::newRow("weight 401 counts as bold") << 401 << false << "Times New Roman 14 pt, bold";
    }
    void font_descriptions() {
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(QString, description);
        QCOMPARE(FontDescription(PrintFont{QStringLiteral("Times New Roman"), 14, weight, italic}),
                 description);
        QCOMPARE(FontDescription(kDefaultServiceFont), QStringLiteral("Times New Roman 10 pt, italic"));
    }

    void default_fonts_compare_exactly() {
        QVERIFY(IsDefaultTextFont(PrintFont{QStringLiteral("Courier New"), 12, 400, false}));
        QVERIFY(!IsDefaultTextFont(PrintFont{QStringLiteral("courier new"), 12, 400, false}));
        QVERIFY(!IsDefaultTextFont(PrintFont{QStringLiteral("Courier New"), 12, 400, true}));
        QVERIFY(IsDefaultServiceFont(kDefaultServiceFont));
        QVERIFY(!IsDefaultServiceFont(kDefaultTextFont));
    }

    void page_setup_values_round_trip() {
        PrintSettings settings;
        settings.items = 0xFu | 7u << 4 | 5u << 7; // out of range format and position
        const PageSetupValues values = PageSetupValuesFrom(settings, MarginUnit::ThousandthsOfInch);
        QCOMPARE(values.margins, (std::array<int, 4>{984, 591, 591, 591}));
        QCOMPARE(values.items.format, NumberFormat::OfTotal);
        QCOMPARE(values.items.position, NumberPosition::FooterRight);
        const PrintSettings stored = SettingsWith(settings, values, MarginUnit::ThousandthsOfInch);
        QCOMPARE(stored.marginLeft, 984 * 254);
        QCOMPARE(stored.items, 431u);
    }

    void settings_table_reads_writes_and_falls_back() {
        QTemporaryDir directory;
        QSettings settings(directory.filePath(QStringLiteral("print.ini")), QSettings::IniFormat);
        QCOMPARE(ReadPrintSettings(settings), PrintSettings{});

        PrintSettings changed;
        changed.marginLeft = 1;
        changed.marginBottom = -7;
        changed.items = 0x3FF;
        changed.textFont = {QStringLiteral("Liberation Mono"), 9, 700, true};
        changed.serviceFont = {QStringLiteral("DejaVu Serif"), 14, 700, false};
        WritePrintSettings(settings, changed);
        QCOMPARE(ReadPrintSettings(settings), changed);
        const QStringList keys = settings.allKeys();
        QCOMPARE(keys.size(), 13);

        // An italic byte above 1 reads as 1 and leaves the other font alone.
        settings.setValue(QStringLiteral("Print/ServiceFontItalic"), 2);
        settings.setValue(QStringLiteral("Print/TextFontItalic"), 0x100);
        settings.setValue(QStringLiteral("Print/MarginTop"), QStringLiteral("not a number"));
        const PrintSettings read = ReadPrintSettings(settings);
        QCOMPARE(read.serviceFont.italic, true);
        QCOMPARE(read.textFont.italic, false);
        QCOMPARE(read.marginTop, PrintSettings{}.marginTop);
    }

    void printer_selection_needs_its_three_names_and_a_full_mode() {
        QTemporaryDir directory;
        QSettings settings(directory.filePath(QStringLiteral("printer.ini")), QSettings::IniFormat);
        QVERIFY(!ReadPrinterSelection(settings));

        PrinterSelection selection{QStringLiteral("office"), QStringLiteral("Generic PDF"),
                                   QStringLiteral("cups-pdf:/"), true, QByteArray(kPrinterModeSize, '\1')};
        WritePrinterSelection(settings, selection);
        QCOMPARE(ReadPrinterSelection(settings), selection);

        settings.setValue(QStringLiteral("Print/Mode"), QByteArray(219, '\0'));
        QVERIFY(ReadPrinterSelection(settings)->mode.isEmpty());
        settings.setValue(QStringLiteral("Print/Output"), QString());
        QVERIFY(!ReadPrinterSelection(settings));
    }

    void printer_selection_restores_paper_and_orientation_and_one_copy() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(3);
        const PrinterSelection selection = SelectionOf(printer);
        QCOMPARE(selection.mode.size(), kPrinterModeSize);

        // Applied to a printer of the same queue (here: none, so the name stays).
        QPrinter restored;
        restored.setOutputFormat(QPrinter::PdfFormat);
        PrinterSelection named = selection;
        named.device = QString();
        ApplySelection(named, restored);
        QCOMPARE(restored.pageLayout().orientation(), QPageLayout::Portrait);
    }

    void printing_dialog_layout_at_96_dpi() {
        const PrintingDialogLayout layout = LayOutPrintingDialog(96, 96, 30, 100, 200, QSize(90, 30));
        QCOMPARE(layout.picture.size(), QSize(156, 156));
        QCOMPARE(layout.picture.top(), 30 + 36); // 3F/8 below the caption
        // The two columns are wider than the picture: 300 + 2 × 36 + 4.
        QCOMPARE(layout.frame.width(), 376);
        QCOMPARE(layout.labelsRight, (376 - 300) / 2 + 100);
        QCOMPARE(layout.rowTops[1] - layout.rowTops[0], 30); // 5F/16
        QCOMPARE(layout.cancel.top(), layout.rowTops[3] + 30 + 36);
        QCOMPARE(layout.cancel.left(), (376 - 90) / 2);
    }

    void printing_dialog_is_as_wide_as_its_picture_when_the_columns_are_narrow() {
        const PrintingDialogLayout layout = LayOutPrintingDialog(192, 192, 60, 40, 40, QSize(180, 60));
        QCOMPARE(layout.picture.size(), QSize(312, 312));
        QCOMPARE(layout.frame.width(), 312 + 2 * 72 + 4);
        QCOMPARE(layout.picture.left(), 72 + 2);
    }
};

QTEST_MAIN(PrintRulesTest)
#include "print_rules_test.moc"
