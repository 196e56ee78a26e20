#pragma once
// The pages of one print job and the one routine that lays a page out: margins, header,
// footer, page number and body. Counting, pagination, printing and preview all run it;
// without a painter it only measures and says where the next page starts.

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QString>

#include <vector>

#include "ui/print/page_geometry.h"
#include "ui/print/print_settings.h"

class QPaintDevice;
class QPainter;

// What is printed: the whole text or the selection.
struct PrintSource {
    QString text; // lines end with "\n"
    int begin = 0;
    int end = 0;
    QString pathName; // empty for an unnamed document
    QFont editorFont; // the body's font when the text font cannot be made
};

// The largest page number before the pages are counted.
inline constexpr int kUncountedMaximumPage = 65535;

class PrintedPages {
  public:
    // device gives the font metrics; geometry what the printer says about the sheet.
    PrintedPages(PrintSource source, const PrintSettings& settings, const DeviceGeometry& geometry,
                 const QPaintDevice* device, QDateTime now, QLocale locale = QLocale());

    bool PageCanBeUsed() const { return usable_; }
    bool NeedsCount() const { return items_.number && items_.format == NumberFormat::OfTotal; }
    // Page 1 always exists; a later one when text is left for it.
    bool Exists(int page);
    int CountPages();
    // The N of "n of N".
    void SetTotal(int total) { total_ = total; }
    // Draws an existing page; the painter's origin is the printable area's corner.
    void Draw(QPainter& painter, int page);
    // The first character of an existing page.
    int PageStart(int page);

  private:
    int LayPage(QPainter* painter, int page, int start) const;
    int LayHeader(QPainter* painter, const QRect& reduced, int& room) const;
    int LayFooter(QPainter* painter, const QRect& reduced, int& room) const;
    void LayNumber(QPainter* painter, const QRect& reduced, int page, int& headerRoom, int& footerRoom,
                   int& headerHeight, int& footerHeight) const;
    int LayBody(QPainter* painter, const QRect& body, int start) const;

    PrintSource source_;
    PageItems items_;
    DeviceGeometry geometry_;
    Insets insets_;
    bool usable_ = false;
    const QPaintDevice* device_;
    QFont textFont_;
    QFont serviceFont_;
    QDateTime now_;
    QLocale locale_;
    int total_ = kUncountedMaximumPage;
    std::vector<int> starts_; // first character of each page laid out so far
};
