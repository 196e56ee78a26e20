// Opening a file through the running instance: a second program hands its file over
// and ends; requests that are not ours are dropped.

#include "app_test_support.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>

#include "app/application/instance_channel.h"

namespace {

QString UniqueChannel(const char* purpose) {
    return QStringLiteral("vantor-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QLatin1String(purpose));
}

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

        const QString file = environment.FilePath(QStringLiteral("calculation one.vcl"));
        WriteBytes(file, QByteArray("\xFF\xFE", 2));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VANTOR_CALCULATOR_CHANNEL"), channelName);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        // A relative name is resolved in the second program's directory.
        second.setWorkingDirectory(environment.Path());
        second.start(QStringLiteral(VANTOR_PROGRAM), {QStringLiteral("calculation one.vcl")});
        QVERIFY(second.waitForStarted());

        QVERIFY(requests.wait(10000));
        QCOMPARE(requests.first().first().toString(), file);
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    void without_a_running_program_nothing_is_handed_over() {
        QVERIFY(!HandFileToRunningInstance(UniqueChannel("nobody"), QStringLiteral("/tmp/x.vcl"), 500));
    }

    void requests_that_are_not_ours_are_dropped_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("unknown verb") << QByteArray("print\n/tmp/a.vcl\n");
        QTest::newRow("empty path") << QByteArray("open\n\n");
        QTest::newRow("no line ends") << QByteArray("open /tmp/a.vcl");
        QTest::newRow("far too long") << QByteArray("open\n") + QByteArray(100000, 'a') + '\n';
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
        QTest::qWait(200);
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
