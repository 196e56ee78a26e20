#include "ui/print/print_service.h"

#include <QFile>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace {

// The further options the print dialog chose (banner pages, priority, the printer's own
// settings) are kept by Qt's CUPS engine under this private key, as name/value pairs.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

class CupsOptions {
  public:
    ~CupsOptions() { cupsFreeOptions(count_, options_); }
    void Add(const QByteArray& name, const QByteArray& value) {
        count_ = cupsAddOption(name.constData(), value.constData(), count_, &options_);
    }
    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

  private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

QByteArray SidesOf(const QPrinter& printer) {
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexAuto:
        return printer.pageLayout().orientation() == QPageLayout::Portrait ? "two-sided-long-edge"
                                                                           : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    }
    return "one-sided";
}

} // namespace

bool SubmitPrintFile(const QPrinter& printer, const QString& path, const QString& title) {
    CupsOptions options;
    options.Add("media", printer.pageLayout().pageSize().key().toUtf8());
    if (printer.copyCount() > 1) {
        options.Add("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            options.Add("Collate", "True");
    }
    options.Add("sides", SidesOf(printer));
    if (printer.pageLayout().orientation() == QPageLayout::Landscape)
        options.Add("landscape", "");
    const QStringList further = printer.printEngine()->property(kCupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < further.size(); i += 2)
        options.Add(further[i].toUtf8(), further[i + 1].toUtf8());
    // An instance "name/instance" prints on its queue "name".
    const QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    const int job = cupsPrintFile(queue.constData(), QFile::encodeName(path).constData(),
                                  title.toUtf8().constData(), options.Count(), options.Options());
    return job > 0;
}

QString PrinterPort(const QString& printerName) {
    const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests(&dests);
    QString port;
    if (cups_dest_t* dest = cupsGetDest(queue.constData(), nullptr, count, dests)) {
        if (const char* uri = cupsGetOption("device-uri", dest->num_options, dest->options))
            port = QString::fromUtf8(uri);
    }
    cupsFreeDests(count, dests);
    return port;
}
