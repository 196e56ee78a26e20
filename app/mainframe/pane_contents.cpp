#include "app/mainframe/pane_contents.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

// Dialog units of the application font to pixels, as the pane dialogs are laid out.
QSize DialogUnits(int x, int y)
{
    const QFontMetrics metrics(QApplication::font());
    return QSize(x * metrics.averageCharWidth() / 4, y * metrics.height() / 8);
}

} // namespace

CPanePlaceholder::CPanePlaceholder(const QString& name, QSize size)
    : size_(size), minimum_(size.boundedTo(QSize(100, 60)))
{
    setObjectName(name + QStringLiteral("Placeholder"));
    setAccessibleName(name);
}

PaneContents CreatePaneContents(const PaneContext& context)
{
    (void)context;
    PaneContents contents;
    contents.keypad = new CPanePlaceholder(QStringLiteral("Keypad"), DialogUnits(449, 116));
    contents.log = new CPanePlaceholder(QStringLiteral("Log"), QSize(400, 120));
    contents.memory = new CPanePlaceholder(QStringLiteral("Memory"), QSize(260, 200));
    contents.statistics = new CPanePlaceholder(QStringLiteral("Statistics"), DialogUnits(200, 110));
    return contents;
}
