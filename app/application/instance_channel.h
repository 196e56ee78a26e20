#pragma once
// Opening a file through the running instance: the first instance listens on a local
// socket of its user and session; a later one hands its file over and ends.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The channel of this user and session (channel_name.h), unless the environment names one.
QString DefaultChannelName();

// Sends the absolute path to a running instance; false when none answered.
bool HandFileToRunningInstance(const QString& channelName, const QString& path, int timeoutMs = 1500);

class CInstanceChannel : public QObject {
    Q_OBJECT

  public:
    explicit CInstanceChannel(QString channelName, QObject* parent = nullptr);
    ~CInstanceChannel() override;

    // Starts listening, open to this user only; a name left behind by an instance that
    // died is taken over.
    bool Listen();

  signals:
    void openRequested(const QString& path);

  private:
    void AcceptConnection();
    void ReadRequest(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_;
};
