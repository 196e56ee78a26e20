#include "ui/dialogs/calc_color_dialog.h"

#include <QColorDialog>

#include "ui/dialogs/dialog_decoration.h"

namespace {

CCalcColorDialog::Answerer& ScriptedAnswerer() {
    static CCalcColorDialog::Answerer answerer;
    return answerer;
}

} // namespace

CCalcColorDialog::CCalcColorDialog(QColor initial, QWidget* owner) : initial_(initial), owner_(owner) {}

std::optional<QColor> CCalcColorDialog::Run() const {
    if (ScriptedAnswerer())
        return ScriptedAnswerer()(initial_);
    QColorDialog dialog(initial_, owner_);
    DecorateDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

CCalcColorDialog::Answerer CCalcColorDialog::SetAnswerer(Answerer answerer) {
    return std::exchange(ScriptedAnswerer(), std::move(answerer));
}
