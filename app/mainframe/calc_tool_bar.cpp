#include "app/mainframe/calc_tool_bar.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include "app/mainframe/command_actions.h"
#include "app/mainframe/dpi.h"

namespace {

using enum CommandId;

// The buttons in order, kSeparator where a separator stands.
constexpr CommandId kSeparator = static_cast<CommandId>(0);
constexpr CommandId kButtons[] = {
    FileNew,    FileOpen,    FileSave,           kSeparator,   FileExecute, kSeparator,
    MemoryLoad, MemorySave,  kSeparator,         FilePrint,    kSeparator,  EditCut,
    EditCopy,   EditPaste,   kSeparator,         ViewLog,      ViewKeypad,  ViewMemory,
    kSeparator, Preferences, TrigonometricUnits, CalculateAll, kSeparator,  ContextHelp,
};

QFont UnitListFont(const QWidget* widget) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setBold(true);
    font.setPixelSize(ScaledPixels(28, widget));
    return font;
}

} // namespace

QStringList ToolbarUnitNames() {
    return {QStringLiteral(" Rad"), QStringLiteral(" Deg"), QStringLiteral(" Grad")};
}

CCalcToolBar::CCalcToolBar(CommandActions& actions, QWidget* parent)
    : QToolBar(QStringLiteral("Vantor Calculator"), parent), list_(new QComboBox(this)) {
    setObjectName(QStringLiteral("ToolBar"));
    setAccessibleName(QStringLiteral("Toolbar"));
    setIconSize(QSize(ScaledPixels(32, this), ScaledPixels(32, this)));

    list_->setObjectName(QStringLiteral("ToolbarUnitList"));
    list_->setAccessibleName(QStringLiteral("Trigonometric units"));
    list_->setFont(UnitListFont(this));
    list_->addItems(ToolbarUnitNames());
    const QAction* unitCommand = actions.Action(TrigonometricUnits);
    list_->setToolTip(unitCommand->toolTip());
    list_->setStatusTip(unitCommand->statusTip());
    const int width = QFontMetrics(list_->font()).horizontalAdvance(QStringLiteral(" Grad ")) +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent) + ScaledPixels(4, this) +
                      style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth) * 2;
    list_->setFixedWidth(width);
    connect(list_, &QComboBox::activated, this, &CCalcToolBar::unitChosen);

    const int listHeight = list_->sizeHint().height();
    const QSize buttonSize = listHeight > ScaledPixels(41, this)
                                 ? QSize(listHeight + ScaledPixels(6, this), listHeight)
                                 : QSize(ScaledPixels(48, this), ScaledPixels(43, this));
    for (CommandId id : kButtons) {
        if (id == kSeparator) {
            addSeparator();
            continue;
        }
        QAction* action = actions.Action(id);
        if (id == TrigonometricUnits) {
            listAction_ = addWidget(list_);
            buttonAction_ = action;
        }
        addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
            button->setMinimumSize(buttonSize);
    }
    connect(this, &QToolBar::orientationChanged, this, &CCalcToolBar::LayOut);
    LayOut(Qt::Horizontal);
}

void CCalcToolBar::SetUnit(int unit) {
    if (list_->currentIndex() == unit)
        return;
    const QSignalBlocker blocker(list_);
    list_->setCurrentIndex(unit);
}

int CCalcToolBar::Unit() const {
    return list_->currentIndex();
}

bool CCalcToolBar::ListShown() const {
    return listAction_->isVisible();
}

void CCalcToolBar::LayOut(Qt::Orientation orientation) {
    const bool horizontal = orientation == Qt::Horizontal;
    listAction_->setVisible(horizontal);
    buttonAction_->setVisible(!horizontal);
    if (horizontal)
        emit listShown();
}
