#include "app/panes/calc_memory.h"

#include <QHeaderView>
#include <QSettings>
#include <QTreeView>

#include "app/document/memory_file.h"
#include "app/mainframe/dpi.h"
#include "app/panes/column_widths.h"
#include "app/panes/memory_items.h"
#include "app/panes/memory_table_model.h"
#include "app/panes/pane_preferences.h"
#include "engine/state/memory_store.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/message_box.h"

using namespace NCalculatorPanes;
using NCalculatorText::memoryStore;

namespace {

const QString kWidthSection = QStringLiteral("GUI/Memory");

constexpr std::array<ColumnWidthSetting, kMemoryColumnCount> kWidths{{
    {"IncludeWidth", "8Incl8"},
    {"NumberWidth", "888"},
    {"CellWidth", "Long name"},
    {"ValueWidth", "+0.0000000000000000E+000+i*0.0000000000000000E+000"},
}};

struct ButtonLook {
    const char* text;
    VaImageId image;
};

constexpr std::array<ButtonLook, kMemoryButtonCount> kButtons{{
    {"Free", VaImageId::MemoryFree},
    {"Save", VaImageId::MemorySave},
    {"Statistics", VaImageId::MemoryStatistics},
    {"Invert", VaImageId::MemoryInvert},
    {"Clear", VaImageId::MemoryClear},
}};

constexpr ButtonColours kButtonColours{0xFFD8D8D8, 0xFFF0F0F0};

bool AskYesNo(const QString& text) {
    return CalcMessageBox(text, MessageType{MessageButtons::YesNo, MessageIcon::Question}) == IdYes;
}

// The list's room when the pane is as small as it may get.
constexpr int kSmallestListWidth = 80;

} // namespace

CCalcMemory::CCalcMemory(QWidget* parent)
    : QWidget(parent), model_(new MemoryTableModel(this)), list_(new QTreeView(this)) {
    setObjectName(QStringLiteral("memory"));
    setAccessibleName(QStringLiteral("Memory"));
    metrics_ = MemoryPaneMetricsForDpi(logicalDpiX(), logicalDpiY());

    list_->setAccessibleName(QStringLiteral("Memory cells"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusProxy(list_);

    QHeaderView* header = list_->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(true);
    header->setFirstSectionMovable(true);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSortIndicatorShown(true);
    ShowSortIndicator();
    connect(header, &QHeaderView::sectionClicked, this, &CCalcMemory::OnHeaderClicked);
    connect(list_, &QTreeView::clicked, this, &CCalcMemory::OnRowClicked);

    QSettings settings;
    SetSectionWidths(
        *header, ReadColumnWidths(settings, kWidthSection, kWidths, list_->font(), CellTextMargins(*list_)));

    using Handler = void (CCalcMemory::*)();
    constexpr std::array<Handler, kMemoryButtonCount> kHandlers{
        &CCalcMemory::OnFree, &CCalcMemory::OnSave, &CCalcMemory::OnStatistics, &CCalcMemory::OnInvert,
        &CCalcMemory::OnClear};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = new VaButtonBitmap(kButtons[i].image, this);
        const QString text = QString::fromLatin1(kButtons[i].text);
        button->setText(text);
        button->setToolTip(text);
        button->setAccessibleName(text);
        button->SetColours(kButtonColours);
        button->setFocusPolicy(Qt::TabFocus);
        button->setEnabled(false);
        connect(button, &QAbstractButton::clicked, this, kHandlers[i]);
        buttons_[i] = button;
    }
}

CCalcMemory::~CCalcMemory() {
    QSettings settings;
    WriteColumnWidths(settings, kWidthSection, kWidths, SectionWidths(*list_->header()));
}

void CCalcMemory::Refresh() {
    const bool changed = memoryStore.changed;
    memoryStore.changed = false;
    const char16_t letter = ImaginaryLetter();
    if (!changed && (shownLetter_ == 0 || letter == shownLetter_))
        return;
    // The check boxes are the cells' selected flags: keep them through the rebuild.
    StoreChecks();
    model_->Reset(ReadMemoryItems(memoryStore), letter, sort_);
    EnableButtons();
    shownLetter_ = letter;
}

int CCalcMemory::SyncChecks() const {
    return CountIncluded(model_->Items());
}

void CCalcMemory::StoreChecks() const {
    NCalculatorPanes::StoreChecks(model_->Items(), memoryStore);
}

void CCalcMemory::OnFree() {
    const int included = SyncChecks();
    switch (ChooseFreeScope(included, model_->rowCount())) {
    case FreeScope::Nothing:
        return;
    case FreeScope::AllCells:
        if (FreeConfirmationEnabled() && !AskYesNo(QStringLiteral("Erase all the memory?")))
            return;
        NCalculatorText::ClearMemory(true);
        break;
    case FreeScope::SelectedCells:
        if (FreeConfirmationEnabled() && !AskYesNo(QStringLiteral("Erase the selected memory?")))
            return;
        StoreChecks();
        NCalculatorText::ClearMemory(false);
        break;
    }
    Refresh();
    emit cellsErased();
}

void CCalcMemory::OnSave() {
    const int included = SyncChecks();
    if (included > 0)
        StoreChecks();
    const std::u16string text = NCalculatorText::WriteMemoryText(included == 0);

    const QString path =
        CCalcFileDialog(MemorySaveRequest(QStringLiteral("Calculator memory files (*.vcm)|*.vcm||")), this)
            .Run();
    if (path.isEmpty())
        return;
    SaveMemoryFile(path, text);
}

void CCalcMemory::OnStatistics() {
    if (SyncChecks() == 1 &&
        !AskYesNo(QStringLiteral("Only one cell is selected.\nCalculate for all cells?")))
        return;
    const std::vector<Complex> sample = StatisticsSample(model_->Items());
    if (sample.size() < 2)
        return; // the button is enabled only with two cells or more
    emit statisticsComputed(ComputeStatistics(sample));
}

void CCalcMemory::OnInvert() {
    model_->ChangeEveryCheck([](bool included) { return !included; });
}

void CCalcMemory::OnClear() {
    model_->ChangeEveryCheck([](bool) { return false; });
}

void CCalcMemory::OnHeaderClicked(int section) {
    if (section < 0 || section >= kMemoryColumnCount)
        return;
    ClickMemoryHeader(sort_, static_cast<MemoryColumn>(section));
    model_->Sort(sort_);
    ShowSortIndicator();
}

void CCalcMemory::OnRowClicked(const QModelIndex& index) {
    // A click beside the check box includes every selected row; the check box itself
    // toggles its own row only.
    if (!index.isValid() || index.column() == static_cast<int>(MemoryColumn::Include))
        return;
    for (const QModelIndex& selected : list_->selectionModel()->selectedRows())
        model_->SetIncluded(selected.row(), true);
}

void CCalcMemory::ShowSortIndicator() {
    list_->header()->setSortIndicator(static_cast<int>(sort_.column),
                                      sort_.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CCalcMemory::EnableButtons() {
    const std::array<bool, kMemoryButtonCount> enabled = EnabledMemoryButtons(model_->Items().size());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setEnabled(enabled[i]);
}

void CCalcMemory::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const MemoryPaneGeometry geometry = LayOutMemoryPane(rect(), metrics_);
    list_->setGeometry(geometry.list);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setGeometry(geometry.buttons[i]);
        buttons_[i]->setIconSize(geometry.buttons[i].size() - QSize(4, 4));
    }
}

QSize CCalcMemory::sizeHint() const {
    return QSize(ScaledPixels(300, this), minimumSizeHint().height()).expandedTo(minimumSizeHint());
}

QSize CCalcMemory::minimumSizeHint() const {
    const int m = metrics_.margin;
    const int width = m + kSmallestListWidth + (3 * m + 1) / 2 + metrics_.buttonWidth;
    const int height = m + (kMemoryButtonCount - 1) * metrics_.step + metrics_.buttonHeight + m;
    return {width, height};
}
