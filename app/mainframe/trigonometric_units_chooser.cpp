#include "app/mainframe/trigonometric_units_chooser.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_decoration.h"

QStringList TrigonometricUnitNames() {
    return {QStringLiteral("Radians"), QStringLiteral("Degrees"), QStringLiteral("Grads")};
}

CCalcTrigonometricUnits::CCalcTrigonometricUnits(QWidget* owner)
    : QDialog(owner, Qt::Tool), list_(new QComboBox(this)) {
    setObjectName(QStringLiteral("TrigonometricUnitsChooser"));
    setWindowTitle(QStringLiteral("Trigonometric function"));
    DecorateDialog(this);
    list_->setObjectName(QStringLiteral("TrigonometricUnitsList"));
    list_->setAccessibleName(QStringLiteral("Trigonometric function"));
    list_->addItems(TrigonometricUnitNames());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(list_, &QComboBox::activated, this, &CCalcTrigonometricUnits::unitChosen);
}

void CCalcTrigonometricUnits::SetUnit(int unit) {
    if (list_->currentIndex() == unit)
        return;
    const QSignalBlocker blocker(list_);
    list_->setCurrentIndex(unit);
}

int CCalcTrigonometricUnits::Unit() const {
    return list_->currentIndex();
}

void CCalcTrigonometricUnits::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    emit shownChanged(true);
}

void CCalcTrigonometricUnits::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit shownChanged(false);
}
