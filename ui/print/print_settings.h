#pragma once
// The print settings: four margins, the header and footer items, the page number's format
// and position, the body's font and the header/footer font. One record for the process,
// read from the settings section "Print" at start and written back at exit.

#include <QString>

class QSettings;

// "%u", "- %u -", "%u of %u".
enum class NumberFormat { Plain = 0, Dashed = 1, OfTotal = 2 };
enum class NumberPosition { HeaderCenter = 0, HeaderRight = 1, FooterCenter = 2, FooterRight = 3 };

// Bits of the stored items field.
enum PrintItemBit : unsigned {
    FileInfoBit = 0x1,
    TimeBit = 0x2,
    DateBit = 0x4,
    NumberBit = 0x8,
};

// The items field decoded. Printing and the page-setup dialog read a stored format above
// 2 differently: printing uses the plain number, the dialog shows "n of N".
struct PageItems {
    bool fileInfo = true;
    bool time = true;
    bool date = true;
    bool number = true;
    NumberFormat format = NumberFormat::OfTotal;
    NumberPosition position = NumberPosition::FooterRight;

    bool operator==(const PageItems&) const = default;
};

enum class ItemsReader { Printing, Dialog };

PageItems DecodeItems(unsigned items, ItemsReader reader);
unsigned EncodeItems(const PageItems& items);
bool NumberInHeader(NumberPosition position);
bool HeaderNeeded(const PageItems& items);
bool FooterNeeded(const PageItems& items);

struct PrintFont {
    QString face;
    int size = 12; // points
    int weight = 400;
    bool italic = false;

    bool operator==(const PrintFont&) const = default;
};

inline const PrintFont kDefaultTextFont{QStringLiteral("Courier New"), 12, 400, false};
inline const PrintFont kDefaultServiceFont{QStringLiteral("Times New Roman"), 10, 400, true};

// "Courier New 12 pt", then ", bold" above weight 400 and ", italic".
QString FontDescription(const PrintFont& font);

struct PrintSettings {
    // In 0.0001 mm: 250000 is 25 mm.
    int marginLeft = 250000;
    int marginTop = 150000;
    int marginRight = 150000;
    int marginBottom = 150000;
    unsigned items = 431; // file info, time, date, number "n of N" at "Footer right"
    PrintFont textFont = kDefaultTextFont;
    PrintFont serviceFont = kDefaultServiceFont; // header and footer

    bool operator==(const PrintSettings&) const = default;
};

// The process's settings, used by every print job and edited by the page setup.
extern PrintSettings printSettings;

// A missing value keeps its default; an italic value counts by its low byte, above 1 as 1.
PrintSettings ReadPrintSettings(const QSettings& settings);
void WritePrintSettings(QSettings& settings, const PrintSettings& values);
