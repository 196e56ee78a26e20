#include "app/mainframe/pane_contents.h"

#include <QApplication>
#include <QFontMetrics>

#include "app/document/calc_doc.h"
#include "app/notify/calc_notifier.h"
#include "app/panes/calc_log.h"
#include "app/panes/calc_memory.h"
#include "app/panes/calc_statistics.h"

namespace {

// Dialog units of the application font to pixels, as the pane dialogs are laid out.
QSize DialogUnits(int x, int y) {
    const QFontMetrics metrics(QApplication::font());
    return QSize(x * metrics.averageCharWidth() / 4, y * metrics.height() / 8);
}

} // namespace

CPanePlaceholder::CPanePlaceholder(const QString& name, QSize size)
    : size_(size), minimum_(size.boundedTo(QSize(100, 60))) {
    setObjectName(name + QStringLiteral("Placeholder"));
    setAccessibleName(name);
}

PaneContents CreatePaneContents(const PaneContext& context) {
    PaneContents contents;
    contents.keypad = new CPanePlaceholder(QStringLiteral("Keypad"), DialogUnits(449, 116));

    CCalcNotifier& notifier = context.notifier;
    auto* log = new CCalcLog;
    auto* memory = new CCalcMemory;
    auto* statistics = new CCalcStatistics;
    QObject::connect(log, &CCalcLog::popupRequested, &notifier,
                     [&notifier] { emit notifier.paneShowRequested(PaneId::Log); });
    QObject::connect(log, &CCalcLog::statementActivated, &context.document, &CCalcDoc::GoToStatement);
    QObject::connect(&notifier, &CCalcNotifier::memoryChanged, memory, &CCalcMemory::Refresh);
    QObject::connect(memory, &CCalcMemory::cellsErased, &notifier, &CCalcNotifier::memoryChanged);
    QObject::connect(memory, &CCalcMemory::statisticsComputed, statistics, &CCalcStatistics::ShowStatistics);
    QObject::connect(memory, &CCalcMemory::statisticsComputed, &notifier,
                     [&notifier] { emit notifier.paneShowRequested(PaneId::Statistics); });
    contents.log = log;
    contents.logReceiver = log;
    contents.memory = memory;
    contents.statistics = statistics;
    return contents;
}
