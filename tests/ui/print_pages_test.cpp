// Printed pages read back: the page routine prints into Qt's PDF writer, pdftotext gives
// each page's text as laid out on paper, and pdftoppm renders pages for a person to look
// at. Header, footer, number and body lines are checked page by page.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/pdf_text.h"
#include "ui/print/calc_print_preview.h"
#include "ui/print/page_texts.h"
#include "ui/print/printed_pages.h"
#include "ui/print/printer_geometry.h"

namespace {

// Restores the process's print settings when a test ends.
class SettingsGuard {
  public:
    SettingsGuard() : saved_(printSettings) {}
    ~SettingsGuard() { printSettings = saved_; }

  private:
    PrintSettings saved_;
};

QString Lines(int count, const QString& pattern = QStringLiteral("line %1: 2+3*%1;")) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << pattern.arg(i);
    return lines.join(QLatin1Char('\n'));
}

PrintSource Whole(const QString& text, const QString& path = QStringLiteral("/home/me/sum.vcl")) {
    return {text, 0, static_cast<int>(text.size()), path, QFont()};
}

void PreparePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PreparePrinter(printer);
}

QString Today() {
    return FooterText(QDateTime::currentDateTime(), false, true, QLocale());
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir directory_;

    QString PrintToPdf(const PrintSource& source, const QString& name) {
        const QString path = directory_.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        PreparePdf(printer, path);
        DrawAllPages(printer, source);
        return path;
    }

    // Renders one page at 150 dpi into the test output folder for a person to look at.
    QImage Render(const QString& pdf, int page, const QString& name) {
        const QString output = QStringLiteral(VANTOR_TEST_OUTPUT_DIR);
        QDir().mkpath(output);
        const QString stem = output + QLatin1Char('/') + name;
        Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-f"),
                                         QString::number(page), QStringLiteral("-l"), QString::number(page),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
        return QImage(stem + QStringLiteral(".png"));
    }

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void default_settings_three_pages_counted_before_the_first() {
        SettingsGuard guard;
        printSettings = PrintSettings{};
        const QString pdf = PrintToPdf(Whole(Lines(130)), QStringLiteral("three.pdf"));
        QCOMPARE(PageCount(pdf), 3);
        int bodyLines = 0;
        for (int page = 1; page <= 3; ++page) {
            const QStringList lines = PageLines(pdf, page);
            QCOMPARE(lines.first(), QStringLiteral("Calculator file sum.vcl"));
            const QRegularExpression footer(
                QStringLiteral("^\\d\\d:\\d\\d %1 %2 of 3$").arg(Today()).arg(page));
            QVERIFY2(footer.match(lines.last()).hasMatch(), qPrintable(lines.last()));
            bodyLines += static_cast<int>(lines.size()) - 2;
            QCOMPARE(lines[1],
                     QStringLiteral("line %1: 2+3*%1;").arg(page == 1 ? 1 : bodyLines - lines.size() + 3));
        }
        QCOMPARE(bodyLines, 130);
    }

    void header_names_the_kind_of_document_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("header");
        QTest::newRow("saved calculation") << "/home/me/sum.vcl"
                                           << "Calculator file sum.vcl";
        QTest::newRow("memory file") << "/home/me/cells.vcm"
                                     << "Calculator memory file cells.vcm";
        QTest::newRow("unnamed document") << ""
                                          << "Calculator unnamed file";
    }
    void header_names_the_kind_of_document() {
        QFETCH(QString, path);
        QFETCH(QString, header);
        SettingsGuard guard;
        printSettings = PrintSettings{};
        const QString pdf = PrintToPdf(Whole(QStringLiteral("1+1;"), path), QStringLiteral("kind.pdf"));
        QCOMPARE(PageLines(pdf, 1).first(), header);
    }

    void dashed_numbers_make_no_count() {
        SettingsGuard guard;
        printSettings.items = FileInfoBit | NumberBit | 1u << 4 | 2u << 7; // "- n -", footer centre
        const PrintSource source = Whole(Lines(130));
        const QString path = directory_.filePath(QStringLiteral("dashed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        PreparePdf(printer, path);
        PrintedPages pages(source, printSettings, GeometryOf(printer), &printer,
                           QDateTime::currentDateTime());
        QVERIFY(!pages.NeedsCount());
        DrawAllPages(printer, source);
        QCOMPARE(PageLines(path, 2).last().remove(QLatin1Char(' ')), QStringLiteral("-2-"));
    }

    void an_empty_document_prints_one_page_of_one() {
        SettingsGuard guard;
        printSettings = PrintSettings{};
        const QString pdf = PrintToPdf(Whole(QString(), QString()), QStringLiteral("empty.pdf"));
        QCOMPARE(PageCount(pdf), 1);
        const QStringList lines = PageLines(pdf, 1);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("Calculator unnamed file"));
        QVERIFY2(lines.last().endsWith(QStringLiteral(" 1 of 1")), qPrintable(lines.last()));
    }

    void margins_that_leave_no_room_print_one_empty_page_data() {
        QTest::addColumn<bool>("selection");
        QTest::newRow("whole text") << false;
        QTest::newRow("selection") << true;
    }
    void margins_that_leave_no_room_print_one_empty_page() {
        QFETCH(bool, selection);
        SettingsGuard guard;
        printSettings.marginLeft = 1200000;
        printSettings.marginRight = 1000000; // 22 cm of a 21 cm sheet
        PrintSource source = Whole(Lines(130));
        if (selection)
            source.begin = 40;
        const QString pdf = PrintToPdf(source, QStringLiteral("no-room.pdf"));
        QCOMPARE(PageCount(pdf), 1);
        QVERIFY(PageLines(pdf, 1).isEmpty());
    }

    void selection_starts_mid_line_and_stops_mid_page() {
        SettingsGuard guard;
        printSettings.items = 0;
        const QString text = Lines(10);
        PrintSource source = Whole(text);
        source.begin = static_cast<int>(text.indexOf(QStringLiteral("2+3*3;")));
        source.end = static_cast<int>(text.indexOf(QStringLiteral("*5;")));
        const QString pdf = PrintToPdf(source, QStringLiteral("selection.pdf"));
        QCOMPARE(PageCount(pdf), 1);
        QCOMPARE(PageLines(pdf, 1), (QStringList{"2+3*3;", "line 4: 2+3*4;", "line 5: 2+3"}));
    }

    void tabs_expand_to_eight_characters_and_long_lines_stop_at_the_margin() {
        SettingsGuard guard;
        printSettings.items = 0;
        const QString text = QStringLiteral("a\tb;\n") + QString(300, QLatin1Char('9'));
        const QString pdf = PrintToPdf(Whole(text), QStringLiteral("tabs.pdf"));
        Render(pdf, 1, QStringLiteral("tabs"));
        const QStringList lines = PageLines(pdf, 1);
        QCOMPARE(lines.first(), QStringLiteral("a b;"));
        // A4 less 40 mm of margins holds about 77 characters of Courier 12 pt.
        QVERIFY2(lines[1].size() > 60 && lines[1].size() < 90, qPrintable(lines[1]));
    }

    void a_narrow_page_falls_back_to_the_file_name() {
        SettingsGuard guard;
        printSettings.items = FileInfoBit;
        printSettings.marginLeft = printSettings.marginRight = 0;
        const QString path = directory_.filePath(QStringLiteral("narrow.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QSizeF(20, 100), QPageSize::Millimeter));
        PreparePrinter(printer);
        DrawAllPages(printer, Whole(QStringLiteral("1;"), QStringLiteral("/home/me/sum.vcl")));
        QCOMPARE(PageLines(path, 1).first(), QStringLiteral("sum.vcl"));
    }

    void a_header_font_that_cannot_be_made_gives_way_to_the_text_font() {
        SettingsGuard guard;
        printSettings = PrintSettings{};
        printSettings.serviceFont.size = 0;
        const QString pdf = PrintToPdf(Whole(QStringLiteral("1+1;")), QStringLiteral("no-service-font.pdf"));
        QCOMPARE(PageLines(pdf, 1).first(), QStringLiteral("Calculator file sum.vcl"));
        const QString fonts = Run(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.contains(QStringLiteral("Mono")) && !fonts.contains(QStringLiteral("Serif")),
                 qPrintable(fonts));
    }

    void pictures_of_two_pages_with_the_default_and_a_bold_italic_header_font_data() {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("size");
        QTest::newRow("default") << 400 << 10;
        QTest::newRow("bold 14 pt italic") << 700 << 14;
    }
    void pictures_of_two_pages_with_the_default_and_a_bold_italic_header_font() {
        QFETCH(int, weight);
        QFETCH(int, size);
        SettingsGuard guard;
        printSettings = PrintSettings{};
        printSettings.serviceFont.weight = weight;
        printSettings.serviceFont.size = size;
        const QString name = QStringLiteral("two-pages-%1-%2").arg(size).arg(weight);
        const QString pdf = PrintToPdf(Whole(Lines(100)), name + QStringLiteral(".pdf"));
        QCOMPARE(PageCount(pdf), 2);
        const QImage first = Render(pdf, 1, name);
        QCOMPARE(first.width(), 1240); // A4 at 150 dpi
        // The black logo stands left of the header text, 25 mm from the sheet's left edge.
        int dark = 0;
        for (int y = 60; y < 200; ++y) {
            for (int x = 150; x < 165; ++x)
                dark += first.pixelColor(x, y).lightness() < 60 ? 1 : 0;
        }
        QVERIFY2(dark > 50, qPrintable(QString::number(dark)));
        QCOMPARE(PageLines(pdf, 2).last().right(6), QStringLiteral("2 of 2"));
    }
};

QTEST_MAIN(PrintPagesTest)
#include "print_pages_test.moc"
