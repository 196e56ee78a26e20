#include "app/application/instance_channel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// One request: "open", a line break, the path in UTF-8, a line break.
const QByteArray kOpenVerb = QByteArrayLiteral("open\n");
constexpr qint64 kLargestRequest = 64 * 1024;

} // namespace

QString DefaultChannelName() {
    // Tests run the program against a channel of their own.
    const QString chosen = qEnvironmentVariable("VANTOR_CALCULATOR_CHANNEL");
    if (!chosen.isEmpty())
        return chosen;
    return QStringLiteral("vantor-calculator-%1").arg(static_cast<qulonglong>(getuid()));
}

bool HandFileToRunningInstance(const QString& channelName, const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(channelName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kOpenVerb + QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The answer says the request was taken; the instance may still be busy opening.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

CInstanceChannel::CInstanceChannel(QString channelName, QObject* parent)
    : QObject(parent), name_(std::move(channelName)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &CInstanceChannel::AcceptConnection);
}

CInstanceChannel::~CInstanceChannel() = default;

bool CInstanceChannel::Listen() {
    if (server_->listen(name_))
        return true;
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void CInstanceChannel::AcceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray pending = socket->peek(kLargestRequest + 1);
            if (pending.size() > kLargestRequest) {
                socket->abort();
                return;
            }
            if (pending.count('\n') < 2)
                return; // the rest of the request is on its way
            const QByteArray verb = socket->readLine();
            const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
            if (verb != kOpenVerb) {
                socket->abort();
                return;
            }
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            if (!path.isEmpty())
                emit openRequested(path);
        });
    }
}
