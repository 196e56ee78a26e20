#pragma once
// The colour chooser of the keypad: the platform's colour dialog, fully opened, with the
// application icon, and a hook through which tests answer it.

#include <QColor>

#include <functional>
#include <optional>

class QWidget;

class CCalcColorDialog {
  public:
    CCalcColorDialog(QColor initial, QWidget* owner);

    // The chosen colour, or nothing when the user cancelled.
    std::optional<QColor> Run() const;

    // Tests answer the dialog from a script: the answerer gets the initial colour.
    using Answerer = std::function<std::optional<QColor>(const QColor& initial)>;
    static Answerer SetAnswerer(Answerer answerer);

  private:
    QColor initial_;
    QWidget* owner_;
};
