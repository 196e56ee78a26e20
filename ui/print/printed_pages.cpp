#include "ui/print/printed_pages.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "ui/print/page_texts.h"
#include "ui/print/print_fonts.h"
#include "ui/print/print_logo.h"

namespace {

int BottomEdge(const QRect& rect) {
    return rect.y() + rect.height();
}

// The editor's tab stops: every eight average characters of the font from the line's start.
void DrawLine(QPainter& painter, const QString& line, const QPoint& topLeft, const QFontMetrics& metrics) {
    const int baseline = topLeft.y() + metrics.ascent();
    const int tabStop = std::max(1, 8 * metrics.averageCharWidth());
    int x = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'), from);
        const QString piece = line.mid(from, tab < 0 ? -1 : tab - from);
        painter.drawText(topLeft.x() + x, baseline, piece);
        if (tab < 0)
            return;
        x += metrics.horizontalAdvance(piece);
        x = (x / tabStop + 1) * tabStop;
        from = tab + 1;
    }
}

} // namespace

PrintedPages::PrintedPages(PrintSource source, const PrintSettings& settings, const DeviceGeometry& geometry,
                           const QPaintDevice* device, QDateTime now, QLocale locale)
    : source_(std::move(source)), items_(DecodeItems(settings.items, ItemsReader::Printing)),
      geometry_(geometry), insets_(PageMargins(settings, geometry)),
      usable_(::PageCanBeUsed(insets_, geometry)), device_(device), now_(std::move(now)),
      locale_(std::move(locale)) {
    source_.begin = std::clamp(source_.begin, 0, static_cast<int>(source_.text.size()));
    source_.end = std::clamp(source_.end, source_.begin, static_cast<int>(source_.text.size()));
    textFont_ = PrinterFont(settings.textFont, geometry.dpiY).value_or(source_.editorFont);
    serviceFont_ = PrinterFont(settings.serviceFont, geometry.dpiY).value_or(textFont_);
    starts_.push_back(source_.begin);
}

bool PrintedPages::Exists(int page) {
    if (page < 1)
        return false;
    if (page == 1)
        return true;
    if (!usable_)
        return false;
    while (static_cast<int>(starts_.size()) < page) {
        const int last = starts_.back();
        if (last >= source_.end)
            return false;
        starts_.push_back(LayPage(nullptr, static_cast<int>(starts_.size()), last));
    }
    return starts_[static_cast<size_t>(page - 1)] < source_.end;
}

int PrintedPages::CountPages() {
    int count = 1;
    while (Exists(count + 1))
        ++count;
    return count;
}

int PrintedPages::PageStart(int page) {
    return Exists(page) ? starts_[static_cast<size_t>(page - 1)] : source_.end;
}

void PrintedPages::Draw(QPainter& painter, int page) {
    const int start = PageStart(page);
    const int next = LayPage(&painter, page, start);
    if (static_cast<int>(starts_.size()) == page)
        starts_.push_back(next);
}

int PrintedPages::LayPage(QPainter* painter, int page, int start) const {
    if (!usable_)
        return start;
    const QRect reduced =
        ReduceByInsets(QRect(0, 0, geometry_.printableWidth, geometry_.printableHeight), insets_);
    int headerRoom = reduced.width();
    int footerRoom = reduced.width();
    if (painter != nullptr)
        painter->setFont(serviceFont_);
    int headerHeight = LayHeader(painter, reduced, headerRoom);
    int footerHeight = LayFooter(painter, reduced, footerRoom);
    LayNumber(painter, reduced, page, headerRoom, footerRoom, headerHeight, footerHeight);
    return LayBody(painter, BodyRect(reduced, headerHeight, footerHeight), start);
}

int PrintedPages::LayHeader(QPainter* painter, const QRect& reduced, int& room) const {
    if (!items_.fileInfo)
        return 0;
    const QFontMetrics metrics(serviceFont_, device_);
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    const int logoWidth = LogoWidth(metrics.height(), geometry_.dpiX, geometry_.dpiY);
    const HeaderChoice header = ChooseHeader(source_.pathName, logoWidth, room, width);
    if (!header.logo && header.text.isEmpty())
        return 0;
    const int shownLogo = header.logo ? logoWidth : 0;
    if (painter != nullptr) {
        if (header.logo)
            DrawPrintLogo(*painter, QRect(reduced.topLeft(), QSize(logoWidth, metrics.height())));
        painter->drawText(reduced.left() + shownLogo, reduced.top() + metrics.ascent(), header.text);
    }
    // The logo is drawn from the left edge too: a centred number keeps clear of it as well.
    room -= shownLogo + width(header.text);
    return metrics.height();
}

int PrintedPages::LayFooter(QPainter* painter, const QRect& reduced, int& room) const {
    if (!items_.time && !items_.date)
        return 0;
    const QFontMetrics metrics(serviceFont_, device_);
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    const QString text = ChooseFooter(now_, items_.time, items_.date, locale_, room, width);
    if (text.isEmpty())
        return 0;
    if (painter != nullptr)
        painter->drawText(reduced.left(), BottomEdge(reduced) - metrics.height() + metrics.ascent(), text);
    room -= width(text);
    return metrics.height();
}

void PrintedPages::LayNumber(QPainter* painter, const QRect& reduced, int page, int& headerRoom,
                             int& footerRoom, int& headerHeight, int& footerHeight) const {
    if (!items_.number)
        return;
    const QFontMetrics metrics(serviceFont_, device_);
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    const bool inHeader = NumberInHeader(items_.position);
    int& room = inHeader ? headerRoom : footerRoom;
    const QString text = ChooseNumber(items_.format, page, total_, room, width);
    if (text.isEmpty())
        return;
    const int numberWidth = width(text);
    const int x = NumberX(items_.position, reduced, numberWidth, room, width(QStringLiteral("8")));
    const int top = inHeader ? reduced.top() : BottomEdge(reduced) - metrics.height();
    if (painter != nullptr)
        painter->drawText(x, top + metrics.ascent(), text);
    room -= numberWidth;
    int& height = inHeader ? headerHeight : footerHeight;
    height = std::max(height, metrics.height());
}

int PrintedPages::LayBody(QPainter* painter, const QRect& body, int start) const {
    const QFontMetrics metrics(textFont_, device_);
    if (painter != nullptr) {
        painter->save();
        painter->setFont(textFont_);
        // Lines longer than the body are cut at its edge, as the editor's window cuts them.
        painter->setClipRect(body);
    }
    int position = start;
    int y = body.top();
    // Every page takes at least one line, so that a job always ends.
    bool first = true;
    while (position < source_.end && (first || y + metrics.height() <= BottomEdge(body))) {
        qsizetype lineEnd = source_.text.indexOf(QLatin1Char('\n'), position);
        if (lineEnd < 0 || lineEnd > source_.end)
            lineEnd = source_.end;
        if (painter != nullptr)
            DrawLine(*painter, source_.text.mid(position, lineEnd - position), QPoint(body.left(), y),
                     metrics);
        position = lineEnd < source_.end ? static_cast<int>(lineEnd) + 1 : source_.end;
        y += metrics.lineSpacing();
        first = false;
    }
    if (painter != nullptr)
        painter->restore();
    return position;
}
