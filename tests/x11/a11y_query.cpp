// Test-only: finds widgets of the program under test by their accessible names through
// the accessibility bus and prints each one's screen rectangle as "x y width height", so
// that the real-X tests can click them where a user would.
//   a11y_query NAME...   exit 0 when every name was found, 1 otherwise; a name
//   "Window>Widget" is looked for inside that top-level window only, and its rectangle
//   is given from the window's top-left corner

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QRect>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

struct AccessibleRef {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const AccessibleRef& ref) {
    argument.beginStructure();
    argument << ref.service << ref.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, AccessibleRef& ref) {
    argument.beginStructure();
    argument >> ref.service >> ref.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(AccessibleRef)

namespace {

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
constexpr int kMaximumDepth = 40;

QList<AccessibleRef> Children(const QDBusConnection& bus, const AccessibleRef& ref) {
    QDBusInterface node(ref.service, ref.path.path(), kAccessible, bus);
    const QDBusReply<QList<AccessibleRef>> reply = node.call(QStringLiteral("GetChildren"));
    return reply.isValid() ? reply.value() : QList<AccessibleRef>{};
}

QString NameOf(const QDBusConnection& bus, const AccessibleRef& ref) {
    QDBusInterface properties(ref.service, ref.path.path(), QStringLiteral("org.freedesktop.DBus.Properties"),
                              bus);
    const QDBusReply<QDBusVariant> reply =
        properties.call(QStringLiteral("Get"), kAccessible, QStringLiteral("Name"));
    return reply.isValid() ? reply.value().variant().toString() : QString();
}

QRect ExtentsOf(const QDBusConnection& bus, const AccessibleRef& ref) {
    QDBusInterface component(ref.service, ref.path.path(), QStringLiteral("org.a11y.atspi.Component"), bus);
    const QDBusMessage reply = component.call(QStringLiteral("GetExtents"), 0u); // screen coordinates
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QDBusArgument argument = reply.arguments().first().value<QDBusArgument>();
    int x = 0, y = 0, width = 0, height = 0;
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    return QRect(x, y, width, height);
}

bool Showing(const QRect& extents) {
    return extents.width() > 0 && extents.height() > 0;
}

// Depth first: the first showing widget of that name.
std::optional<QRect> Locate(const QDBusConnection& bus, const AccessibleRef& ref, int depth,
                            const QString& name) {
    if (depth > kMaximumDepth)
        return std::nullopt;
    if (NameOf(bus, ref) == name) {
        const QRect extents = ExtentsOf(bus, ref);
        if (Showing(extents))
            return extents;
    }
    for (const AccessibleRef& child : Children(bus, ref))
        if (std::optional<QRect> found = Locate(bus, child, depth + 1, name))
            return found;
    return std::nullopt;
}

// The widget inside the program's top-level window of that name, relative to the window:
// Qt may place a new window's widgets on the screen by where it asked the window to go
// rather than by where the window manager put it, but never within the window wrongly.
std::optional<QRect> LocateIn(const QDBusConnection& bus, const AccessibleRef& root, const QString& window,
                              const QString& name) {
    for (const AccessibleRef& application : Children(bus, root)) {
        for (const AccessibleRef& top : Children(bus, application)) {
            if (NameOf(bus, top) != window)
                continue;
            const QRect frame = ExtentsOf(bus, top);
            if (!Showing(frame))
                continue;
            if (std::optional<QRect> found = Locate(bus, top, 1, name))
                return found->translated(-frame.topLeft());
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    qDBusRegisterMetaType<AccessibleRef>();
    qDBusRegisterMetaType<QList<AccessibleRef>>();
    const QStringList names = application.arguments().mid(1);

    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fputs("a11y_query: no accessibility bus\n", stderr);
        return 1;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    const AccessibleRef root{QStringLiteral("org.a11y.atspi.Registry"),
                             QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    for (const QString& name : names) {
        const qsizetype split = name.indexOf(QLatin1Char('>'));
        const std::optional<QRect> rect = split < 0
                                              ? Locate(bus, root, 0, name)
                                              : LocateIn(bus, root, name.left(split), name.mid(split + 1));
        if (!rect)
            return 1;
        std::printf("%d %d %d %d\n", rect->x(), rect->y(), rect->width(), rect->height());
    }
    return 0;
}
