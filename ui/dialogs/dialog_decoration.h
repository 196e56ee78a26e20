#pragma once
// What every dialog of the program carries: the application icon, and no minimize or
// maximize button.

#include <QIcon>

class QWidget;

QIcon ApplicationIcon();
// Call before the dialog is shown.
void DecorateDialog(QWidget* dialog);
