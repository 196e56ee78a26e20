#pragma once
// The toolbar, with its list of trigonometric units that gives way to a button while
// the toolbar stands vertically.

#include <QToolBar>

class CommandActions;
class QComboBox;

// " Rad", " Deg", " Grad": the leading space keeps the bold text off the edge.
QStringList ToolbarUnitNames();

class CCalcToolBar : public QToolBar {
    Q_OBJECT

  public:
    CCalcToolBar(CommandActions& actions, QWidget* parent);

    void SetUnit(int unit);
    int Unit() const;
    bool ListShown() const;
    QComboBox* UnitList() const { return list_; }

  signals:
    void unitChosen(int unit);
    // The list came back (horizontal layout): the chooser window hides.
    void listShown();

  private:
    void LayOut(Qt::Orientation orientation);

    QComboBox* list_;
    QAction* listAction_;
    QAction* buttonAction_;
};
