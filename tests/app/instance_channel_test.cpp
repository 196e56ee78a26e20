// Opening a file through the running instance: a second program hands its file over
// and ends; each user and session has a channel of its own; requests that are not ours
// are dropped.

#include "app_test_support.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QtEndian>

#include <chrono>
#include <future>

#include "app/application/channel_name.h"
#include "app/application/instance_channel.h"
#include "app/application/open_request.h"

namespace {

QString UniqueChannel(const char* purpose) {
    return QStringLiteral("vantor-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QLatin1String(purpose));
}

// The verb and a length field that may lie about what follows.
QByteArray Header(quint32 length) {
    QByteArray header("open");
    header.resize(8);
    qToBigEndian(length, header.data() + 4);
    return header;
}

// The sender waits for the answer without an event loop, so it runs beside the test's
// loop, where the channel answers, as a second program would.
bool HandOverFromAnotherThread(const QString& channelName, const QString& path) {
    std::future<bool> answered =
        std::async(std::launch::async, [=] { return HandFileToRunningInstance(channelName, path); });
    while (answered.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    return answered.get();
}

// Sets an environment variable for one scope.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

class InstanceChannelTest : public QObject {
    Q_OBJECT

  private slots:
    void a_second_program_hands_its_file_to_the_first() {
        TestEnvironment environment;
        const QString channelName = UniqueChannel("handover");
        CInstanceChannel channel(channelName);
        QVERIFY(channel.Listen());
        QSignalSpy requests(&channel, &CInstanceChannel::openRequested);

        // A line break in the name once made the first program open another file.
        const QString file = environment.FilePath(QStringLiteral("calculation\none.vcl"));
        WriteBytes(file, QByteArray("\xFF\xFE", 2));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VANTOR_CALCULATOR_CHANNEL"), channelName);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        // A relative name is resolved in the second program's directory.
        second.setWorkingDirectory(environment.Path());
        second.start(QStringLiteral(VANTOR_PROGRAM), {QStringLiteral("calculation\none.vcl")});
        QVERIFY(second.waitForStarted());

        QVERIFY(requests.wait(10000));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toString(), file);
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    void without_a_running_program_nothing_is_handed_over() {
        QVERIFY(!HandFileToRunningInstance(UniqueChannel("nobody"), QStringLiteral("/tmp/x.vcl"), 500));
    }

    void the_channel_belongs_to_one_user_and_session_data() {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("name");
        QTest::newRow("in the runtime directory, per display") << "/run/user/1000"
                                                               << ":0"
                                                               << "3"
                                                               << "/run/user/1000/vantor-calculator-_0";
        QTest::newRow("a Wayland display") << "/run/user/1000"
                                           << "wayland-1"
                                           << ""
                                           << "/run/user/1000/vantor-calculator-wayland-1";
        QTest::newRow("no runtime directory: user and display in the temporary folder")
            << ""
            << "localhost:10.0"
            << ""
            << "vantor-calculator-1000-localhost_10.0";
        QTest::newRow("no display: the login session") << ""
                                                       << ""
                                                       << "c2"
                                                       << "vantor-calculator-1000-c2";
        QTest::newRow("neither: the user alone") << ""
                                                 << ""
                                                 << ""
                                                 << "vantor-calculator-1000";
    }

    void the_channel_belongs_to_one_user_and_session() {
        QFETCH(QString, runtime);
        QFETCH(QString, display);
        QFETCH(QString, session);
        QFETCH(QString, name);
        QCOMPARE(ChannelNameFor(ChannelPlace{runtime, display, session, 1000}), name);
    }

    void sessions_with_other_runtime_directories_do_not_meet() {
        QTemporaryDir first;
        QTemporaryDir second;
        ScopedVariable display("DISPLAY", ":7");
        ScopedVariable session("XDG_SESSION_ID", "1");
        QString firstName;
        QString secondName;
        {
            ScopedVariable runtime("XDG_RUNTIME_DIR", first.path().toLocal8Bit());
            firstName = DefaultChannelName();
        }
        {
            ScopedVariable runtime("XDG_RUNTIME_DIR", second.path().toLocal8Bit());
            secondName = DefaultChannelName();
        }
        QVERIFY(firstName.startsWith(first.path() + QLatin1Char('/')));
        QVERIFY(secondName.startsWith(second.path() + QLatin1Char('/')));
        CInstanceChannel firstChannel(firstName);
        CInstanceChannel secondChannel(secondName);
        QVERIFY(firstChannel.Listen());
        QVERIFY(secondChannel.Listen());
        // Only the user may reach the socket.
        QCOMPARE(QFileInfo(firstName).permissions() &
                     (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                 QFile::Permissions());
        QSignalSpy firstRequests(&firstChannel, &CInstanceChannel::openRequested);
        QSignalSpy secondRequests(&secondChannel, &CInstanceChannel::openRequested);
        QVERIFY(HandOverFromAnotherThread(secondName, QStringLiteral("/tmp/second.vcl")));
        QTRY_COMPARE(secondRequests.count(), 1);
        QCOMPARE(firstRequests.count(), 0);
    }

    void a_name_arrives_whole_whatever_it_holds_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("line breaks") << QStringLiteral("/tmp/one\ntwo.vcl\n");
        QTest::newRow("beyond ASCII") << QStringLiteral("/tmp/\u03C0 \u2212 \U0001F600.vcl");
        QTest::newRow("the old protocol's words") << QStringLiteral("/tmp/ok\nopen\n/etc/passwd");
    }

    void a_name_arrives_whole_whatever_it_holds() {
        QFETCH(QString, path);
        const QString channelName = UniqueChannel("whole");
        CInstanceChannel channel(channelName);
        QVERIFY(channel.Listen());
        QSignalSpy requests(&channel, &CInstanceChannel::openRequested);
        QVERIFY(HandOverFromAnotherThread(channelName, path));
        QTRY_COMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toString(), path);
        QTest::qWait(50);
        QCOMPARE(requests.count(), 1);
    }

    void every_start_of_a_request_waits_for_the_rest() {
        const QByteArray request = EncodeOpenRequest(QStringLiteral("/tmp/\u03C0.vcl"));
        for (qsizetype size = 0; size < request.size(); ++size)
            QCOMPARE(DecodeOpenRequest(request.first(size)).status, RequestStatus::Incomplete);
        const DecodedRequest whole = DecodeOpenRequest(request);
        QCOMPARE(whole.status, RequestStatus::Complete);
        QCOMPARE(whole.path, QStringLiteral("/tmp/\u03C0.vcl"));
        // A wrong verb or length is refused at once, not waited for.
        QCOMPARE(DecodeOpenRequest("x").status, RequestStatus::Invalid);
        QCOMPARE(DecodeOpenRequest(Header(kLargestRequestPath + 1)).status, RequestStatus::Invalid);
        QCOMPARE(DecodeOpenRequest(Header(kLargestRequestPath)).status, RequestStatus::Incomplete);
    }

    void a_request_in_pieces_is_put_together() {
        const QString channelName = UniqueChannel("pieces");
        CInstanceChannel channel(channelName);
        QVERIFY(channel.Listen());
        QSignalSpy requests(&channel, &CInstanceChannel::openRequested);
        QLocalSocket socket;
        socket.connectToServer(channelName);
        QVERIFY(socket.waitForConnected(2000));
        const QByteArray request = EncodeOpenRequest(QStringLiteral("/tmp/slow.vcl"));
        qsizetype sent = 0;
        for (const qsizetype cut : {qsizetype{2}, qsizetype{6}, request.size()}) {
            socket.write(request.mid(sent, cut - sent));
            sent = cut;
            QVERIFY(socket.waitForBytesWritten(2000));
            QTest::qWait(50);
        }
        QTRY_COMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toString(), QStringLiteral("/tmp/slow.vcl"));
        QTRY_COMPARE(socket.bytesAvailable(), qint64{3});
        QCOMPARE(socket.readAll(), QByteArray("ok\n"));
    }

    void requests_that_are_not_ours_are_dropped_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("unknown verb") << QByteArray("prnt") + Header(4).mid(4) + "/a.v";
        QTest::newRow("the old line protocol") << QByteArray("open\n/tmp/a.vcl\n");
        QTest::newRow("empty path") << Header(0);
        QTest::newRow("truncated: fewer bytes than the length says") << Header(100) + "/tmp/a.vcl";
        QTest::newRow("truncated inside the length") << Header(10).left(6);
        QTest::newRow("oversized length") << Header(kLargestRequestPath + 1) + "/tmp/a.vcl";
        QTest::newRow("the largest length there is") << Header(0xFFFFFFFFu) + "/tmp/a.vcl";
        QTest::newRow("not UTF-8") << Header(4) + "/a\xFF\xFE";
        QTest::newRow("a NUL in the name") << Header(4) + QByteArray("/a\0b", 4);
        QTest::newRow("more after the name") << EncodeOpenRequest(QStringLiteral("/a")) + "open";
    }

    void requests_that_are_not_ours_are_dropped() {
        QFETCH(QByteArray, request);
        const QString channelName = UniqueChannel("garbage");
        CInstanceChannel channel(channelName);
        QVERIFY(channel.Listen());
        QSignalSpy requests(&channel, &CInstanceChannel::openRequested);
        QLocalSocket socket;
        socket.connectToServer(channelName);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(request);
        socket.flush();
        // The instance hangs up on a request it refuses, or on one that never comes whole.
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 10000);
        QCOMPARE(socket.readAll(), QByteArray());
        QCOMPARE(requests.count(), 0);
    }

    void a_name_left_by_a_dead_program_is_taken_over() {
        const QString channelName = UniqueChannel("stale");
        {
            CInstanceChannel first(channelName);
            QVERIFY(first.Listen());
        }
        CInstanceChannel second(channelName);
        QVERIFY(second.Listen());
    }
};

QTEST_MAIN(InstanceChannelTest)
#include "instance_channel_test.moc"
