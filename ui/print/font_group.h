#pragma once
// One font group of the page setup: the description, "Select..." through the font chooser
// and the "Default" box.

#include <QGroupBox>

#include "ui/print/print_settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class FontGroup : public QGroupBox {
    Q_OBJECT

  public:
    // The ids name the description, the button and the box ("1114", "1110", "1113").
    FontGroup(const QString& title, const PrintFont& font, const PrintFont& defaultFont,
              const char* descriptionId, const char* selectId, const char* defaultId, QWidget* parent);

    const PrintFont& Font() const { return font_; }
    QString Description() const;
    bool DefaultChecked() const;

  private:
    void Select();
    void DefaultClicked(bool checked);
    void Show();

    PrintFont font_;
    PrintFont defaultFont_;
    QLineEdit* description_ = nullptr;
    QPushButton* select_ = nullptr;
    QCheckBox* default_ = nullptr;
};
