#include "ui/dialogs/dialog_decoration.h"

#include <QWidget>

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/application.svg"));
}

void DecorateDialog(QWidget* dialog) {
    dialog->setWindowIcon(ApplicationIcon());
    const Qt::WindowFlags flags =
        dialog->windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowFullscreenButtonHint);
    dialog->setWindowFlags(flags | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}
