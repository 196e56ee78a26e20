#include "app/application/instance_channel.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

#include "app/application/channel_name.h"
#include "app/application/open_request.h"

namespace {

// A request that has not come whole by then is dropped, so a silent client holds nothing.
constexpr int kRequestTimeoutMs = 3000;

} // namespace

QString DefaultChannelName() {
    // Tests run the program against a channel of their own.
    const QString chosen = qEnvironmentVariable("VANTOR_CALCULATOR_CHANNEL");
    if (!chosen.isEmpty())
        return chosen;
    return ChannelNameFor(CurrentChannelPlace());
}

bool HandFileToRunningInstance(const QString& channelName, const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(channelName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // A socket someone else left in the shared temporary folder gets no path of ours.
    if (QFileInfo(socket.fullServerName()).ownerId() != getuid())
        return false;
    socket.write(EncodeOpenRequest(QFileInfo(path).absoluteFilePath()));
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] {
            if (socket->state() == QLocalSocket::ConnectedState)
                socket->abort();
        });
    }
}

void CInstanceChannel::ReadRequest(QLocalSocket* socket) {
    // The bytes stay in the socket until the request is whole; one byte past the
    // largest request is enough to see that it is too long.
    const DecodedRequest request = DecodeOpenRequest(socket->peek(kLargestOpenRequest + 1));
    switch (request.status) {
    case RequestStatus::Incomplete:
        return;
    case RequestStatus::Invalid:
        socket->abort();
        return;
    case RequestStatus::Complete:
        socket->readAll();
        socket->write("ok\n");
        socket->flush();
        socket->disconnectFromServer();
        emit openRequested(request.path);
        return;
    }
}
