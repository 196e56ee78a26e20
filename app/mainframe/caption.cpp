#include "app/mainframe/caption.h"

QString ComposeCaption(bool hasDocument, const QString& documentTitle, bool modified) {
    QString caption = QLatin1Char(' ') + kApplicationTitle;
    if (hasDocument) {
        caption += QStringLiteral(" \u2014 ") + documentTitle;
        if (modified)
            caption += QChar(kModifiedMark);
    }
    return caption;
}
