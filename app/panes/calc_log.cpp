#include "app/panes/calc_log.h"

#include <array>

#include <QEvent>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/mainframe/dpi.h"
#include "app/panes/column_widths.h"
#include "app/panes/log_table_model.h"
#include "app/panes/pane_preferences.h"

using namespace NCalculatorPanes;

namespace {

const QString kWidthSection = QStringLiteral("GUI/Log");
constexpr int kDescriptionColumn = static_cast<int>(LogColumn::Description);

constexpr std::array<ColumnWidthSetting, kLogColumnCount> kWidths{{
    {"NumberWidth", "88"},
    {"StatusWidth", "Warning"},
    {"ContextWidth", "Archyperbolic cotangent"},
    {"DescriptionWidth", "Operation resulted in partial loss of precision, result accepted as 0.12345678."},
}};

} // namespace

CCalcLog::CCalcLog(QWidget* parent)
    : QWidget(parent), model_(new LogTableModel(this)), list_(new QTreeView(this)) {
    setObjectName(QStringLiteral("log"));
    setAccessibleName(QStringLiteral("Log"));
    list_->setAccessibleName(QStringLiteral("Log messages"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusProxy(list_);
    connect(list_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int start = model_->StatementStart(index.row());
        if (start >= 0)
            emit statementActivated(start);
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);

    QHeaderView* header = list_->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);

    QSettings settings;
    const QList<int> widths =
        ReadColumnWidths(settings, kWidthSection, kWidths, list_->font(), CellTextMargins(*list_));
    SetSectionWidths(*header, widths);
    descriptionWidth_ = widths.back();
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (fitting_)
            return;
        if (section == kDescriptionColumn)
            descriptionWidth_ = size;
        else
            FitDescription();
    });
    list_->viewport()->installEventFilter(this);
}

CCalcLog::~CCalcLog() {
    // The width "Description" was given, not the one it filled.
    QList<int> widths = SectionWidths(*list_->header());
    widths[kDescriptionColumn] = descriptionWidth_;
    QSettings settings;
    WriteColumnWidths(settings, kWidthSection, kWidths, widths);
}

bool CCalcLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize)
        FitDescription();
    return QWidget::eventFilter(watched, event);
}

void CCalcLog::FitDescription() {
    QHeaderView* header = list_->header();
    QList<int> others = SectionWidths(*header);
    others.removeAt(kDescriptionColumn);
    fitting_ = true;
    header->resizeSection(kDescriptionColumn,
                          FillingWidth(others, list_->viewport()->width(), descriptionWidth_));
    fitting_ = false;
}

void CCalcLog::AddMessage(const NCalculatorText::LogMessage& message) {
    model_->Append(message);
    // One scroll once the run is over: scrolling at every row of a run with thousands of
    // messages would lay the list out again each time.
    if (!scrollPending_) {
        scrollPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                scrollPending_ = false;
                list_->scrollToBottom();
            },
            Qt::QueuedConnection);
    }
    if (LogPopupEnabled())
        emit popupRequested();
}

void CCalcLog::ClearMessages() {
    model_->Clear();
}

QSize CCalcLog::sizeHint() const {
    return {ScaledPixels(400, this), ScaledPixels(120, this)};
}

QSize CCalcLog::minimumSizeHint() const {
    return {ScaledPixels(120, this), ScaledPixels(60, this)};
}
