#include "app/application/channel_name.h"

#include <QDir>
#include <QRegularExpression>

#include <unistd.h>

namespace {

// A display such as ":0.0" or "localhost:10" becomes part of a file name.
QString FileNamePart(QString text) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return text.replace(unsafe, QStringLiteral("_"));
}

} // namespace

QString ChannelNameFor(const ChannelPlace& place) {
    QString name = QStringLiteral("vantor-calculator");
    if (place.runtimeDirectory.isEmpty())
        name += QLatin1Char('-') + QString::number(place.userId);
    const QString where = place.display.isEmpty() ? place.session : place.display;
    if (!where.isEmpty())
        name += QLatin1Char('-') + FileNamePart(where);
    if (place.runtimeDirectory.isEmpty())
        return name;
    return QDir(place.runtimeDirectory).filePath(name);
}

ChannelPlace CurrentChannelPlace() {
    ChannelPlace place;
    // A relative runtime directory is not to be used.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime))
        place.runtimeDirectory = runtime;
    place.display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (place.display.isEmpty())
        place.display = qEnvironmentVariable("DISPLAY");
    place.session = qEnvironmentVariable("XDG_SESSION_ID");
    place.userId = static_cast<qulonglong>(getuid());
    return place;
}
