#include "ui/dialogs/calc_font_dialog.h"

#include <QFontDialog>

#include "ui/dialogs/dialog_decoration.h"

namespace {

CCalcFontDialog::Answerer& ScriptedAnswerer() {
    static CCalcFontDialog::Answerer answerer;
    return answerer;
}

} // namespace

CCalcFontDialog::CCalcFontDialog(QFont initial, QWidget* owner)
    : initial_(std::move(initial)), owner_(owner) {}

std::optional<QFont> CCalcFontDialog::Run() const {
    if (ScriptedAnswerer())
        return ScriptedAnswerer()(initial_);
    QFontDialog dialog(initial_, owner_);
    DecorateDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

CCalcFontDialog::Answerer CCalcFontDialog::SetAnswerer(Answerer answerer) {
    return std::exchange(ScriptedAnswerer(), std::move(answerer));
}
