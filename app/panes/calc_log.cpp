#include "app/panes/calc_log.h"

#include <array>

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
    SetSectionWidths(
        *header, ReadColumnWidths(settings, kWidthSection, kWidths, list_->font(), CellTextMargins(*list_)));
}

CCalcLog::~CCalcLog() {
    QSettings settings;
    WriteColumnWidths(settings, kWidthSection, kWidths, SectionWidths(*list_->header()));
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
