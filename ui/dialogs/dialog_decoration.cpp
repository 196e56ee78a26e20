#include "ui/dialogs/dialog_decoration.h"

#include <QWidget>

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/application.svg"));
}

void DecorateDialog(QWidget* dialog) {
    dialog->setWindowIcon(ApplicationIcon());
    Qt::WindowFlags flags =
        dialog->windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowFullscreenButtonHint);
    // A frameless dialog paints its own caption, and a close button among the hints would
    // make Qt give it the window manager's frame back.
    if (!flags.testFlag(Qt::FramelessWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags | Qt::Dialog);
}
