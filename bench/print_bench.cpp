// A print job's work without the print service: counting and drawing 100 pages of
// calculation text into Qt's PDF writer, and counting the pages of a mebibyte of text,
// as a job with "n of N" does before its first page.

#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "ui/print/calc_print_preview.h"
#include "ui/print/printed_pages.h"
#include "ui/print/printer_geometry.h"

namespace {

// Calculation lines of about 40 characters, as the calculator writes them back.
QString CalculationText(qsizetype characters) {
    QString text;
    for (int i = 1; text.size() < characters; ++i)
        text += QStringLiteral("sin(%1)*2->mem[a%1];\t/* step */ =%2;\n").arg(i).arg(i * 0.5);
    text.truncate(characters);
    return text;
}

PrintSource Whole(const QString& text) {
    return {text, 0, static_cast<int>(text.size()), QStringLiteral("/home/me/sum.vcl"), QFont()};
}

void PreparePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PreparePrinter(printer);
}

void BM_PrintHundredPagesToPdf(benchmark::State& state) {
    QTemporaryDir directory;
    // 51 lines a page with the default settings.
    QStringList lines;
    for (int i = 1; i <= 51 * 100; ++i)
        lines << QStringLiteral("line %1: 2+3*%1 = %2;").arg(i).arg(2 + 3 * i);
    const PrintSource source = Whole(lines.join(QLatin1Char('\n')));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PreparePdf(printer, directory.filePath(QStringLiteral("hundred.pdf")));
        DrawAllPages(printer, source);
    }
}
BENCHMARK(BM_PrintHundredPagesToPdf)->Unit(benchmark::kMillisecond);

void BM_CountPagesOfOneMebibyte(benchmark::State& state) {
    QTemporaryDir directory;
    const PrintSource source = Whole(CalculationText(1 << 20));
    QPrinter printer(QPrinter::HighResolution);
    PreparePdf(printer, directory.filePath(QStringLiteral("count.pdf")));
    int pages = 0;
    for (auto _ : state) {
        PrintedPages counted(source, PrintSettings{}, GeometryOf(printer), &printer,
                             QDateTime::currentDateTime());
        pages = counted.CountPages();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_CountPagesOfOneMebibyte)->Unit(benchmark::kMillisecond);

} // namespace
