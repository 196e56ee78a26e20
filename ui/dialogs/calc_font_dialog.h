#pragma once
// The font chooser of the keypad and of the page setup: the platform's font dialog with
// the application icon, and a hook through which tests answer it.

#include <QFont>

#include <functional>
#include <optional>

class QWidget;

class CCalcFontDialog {
  public:
    CCalcFontDialog(QFont initial, QWidget* owner);

    // The chosen font, or nothing when the user cancelled.
    std::optional<QFont> Run() const;

    // Tests answer the dialog from a script: the answerer gets the initial font.
    using Answerer = std::function<std::optional<QFont>(const QFont& initial)>;
    static Answerer SetAnswerer(Answerer answerer);

  private:
    QFont initial_;
    QWidget* owner_;
};
