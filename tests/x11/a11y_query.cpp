// Test-only: finds widgets of the program under test by their accessible names through
// the accessibility bus and prints each one's screen rectangle as "x y width height", so
// that the real-X tests can click them where a user would.
//   a11y_query NAME...   exit 0 when every name was found, 1 otherwise

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QRect>
#include <QSet>
#include <QStringList>

#include <cstdio>

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

// Depth first; the first showing widget of each wanted name wins.
void Search(const QDBusConnection& bus, const AccessibleRef& ref, int depth, QMap<QString, QRect>& found,
            const QSet<QString>& wanted) {
    if (depth > kMaximumDepth || found.size() == wanted.size())
        return;
    const QString name = NameOf(bus, ref);
    if (wanted.contains(name) && !found.contains(name)) {
        const QRect extents = ExtentsOf(bus, ref);
        if (extents.width() > 0 && extents.height() > 0)
            found.insert(name, extents);
    }
    for (const AccessibleRef& child : Children(bus, ref))
        Search(bus, child, depth + 1, found, wanted);
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
    QMap<QString, QRect> found;
    const QSet<QString> wanted(names.begin(), names.end());
    for (const AccessibleRef& application : Children(bus, root))
        Search(bus, application, 0, found, wanted);
    for (const QString& name : names) {
        if (!found.contains(name))
            return 1;
        const QRect rect = found.value(name);
        std::printf("%d %d %d %d\n", rect.x(), rect.y(), rect.width(), rect.height());
    }
    return 0;
}
