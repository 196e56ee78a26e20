#pragma once
// The Preferences dialog: works on its own copy; the current values change only on OK.

#include <QDialog>

#include <optional>

#include "app/preferences/preferences.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The font size box takes whole numbers only (surrounding spaces allowed).
std::optional<int> ParseFontSizeText(const QString& text);

class CCalcPreferences : public QDialog {
    Q_OBJECT

  public:
    CCalcPreferences(const Preferences& current, bool sse2Available, QWidget* parent = nullptr);

    // The dialog's copy; after OK the font size is clamped to 8..72.
    const Preferences& Values() const { return copy_; }

    void accept() override;

  private:
    void RestoreDefaults();
    void TransferToControls();
    void TransferFromControls(int fontSize);

    Preferences copy_;
    QLineEdit* fontSize_;
    QCheckBox* syntaxHighlighting_;
    QComboBox* notation_;
    QComboBox* imaginaryUnit_;
    QCheckBox* gammaFunction_;
    QCheckBox* logPopup_;
    QComboBox* trigonometricUnits_;
    QCheckBox* freeConfirmation_;
    QCheckBox* clearConfirmation_;
    QCheckBox* useSSE2_;
};

// OK in the dialog: the new values become current and count as changed.
void AcceptPreferences(PreferenceStore& store, const Preferences& values);
