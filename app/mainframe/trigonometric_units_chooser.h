#pragma once
// The small tool window with one list of trigonometric units, for a toolbar docked
// vertically, where the toolbar's own list has no room.

#include <QDialog>

class QComboBox;

QStringList TrigonometricUnitNames(); // "Radians", "Degrees", "Grads"

class CCalcTrigonometricUnits : public QDialog {
    Q_OBJECT

  public:
    explicit CCalcTrigonometricUnits(QWidget* owner);

    // Shows the unit without reporting a choice.
    void SetUnit(int unit);
    int Unit() const;

  signals:
    void unitChosen(int unit);
    void shownChanged(bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QComboBox* list_;
};
