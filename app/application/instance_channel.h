#pragma once
// Opening a file through the running instance: the first instance listens on a local
// socket of its user; a later one hands its file over and ends.

#include <QObject>
#include <QString>

class QLocalServer;

// One name per user, so that two users never reach each other's instance.
QString DefaultChannelName();

// Sends the absolute path to a running instance; false when none answered.
bool HandFileToRunningInstance(const QString& channelName, const QString& path, int timeoutMs = 1500);

class CInstanceChannel : public QObject {
    Q_OBJECT

  public:
    explicit CInstanceChannel(QString channelName, QObject* parent = nullptr);
    ~CInstanceChannel() override;

    // Starts listening; a name left behind by an instance that died is taken over.
    bool Listen();

  signals:
    void openRequested(const QString& path);

  private:
    void AcceptConnection();

    QString name_;
    QLocalServer* server_;
};
