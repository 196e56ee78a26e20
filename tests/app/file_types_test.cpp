// The file types at start-up: registered for the user when the program runs from a build
// folder, left to the prefix (and the user's registration taken away) when it runs from
// an installed one.

#include "app_test_support.h"

#include <QDir>

#include "app/application/desktop_entry.h"
#include "app/application/file_types.h"

namespace {

const QString kEntry = QStringLiteral("applications/vantor-calculator.desktop");
const QString kMimePackage = QStringLiteral("mime/packages/vantor-calculator.xml");
const QString kOldIcon =
    QStringLiteral("icons/hicolor/scalable/mimetypes/application-vnd.vantor.calculator.calculation.svg");

void WriteFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    WriteBytes(path, bytes);
}

// What a build folder's run wrote before the types were renamed.
void WriteOldRegistration(const QString& dataHome) {
    WriteFile(dataHome + QLatin1Char('/') + kEntry,
              "[Desktop Entry]\nExec=/home/u/build/bin/vantor-calculator %f\n"
              "MimeType=application/vnd.vantor.calculator.calculation;\n");
    WriteFile(dataHome + QLatin1Char('/') + kMimePackage,
              "<mime-type type=\"application/vnd.vantor.calculator\"/>");
    WriteFile(dataHome + QLatin1Char('/') + kOldIcon, "<svg/>");
}

// A prefix as "cmake --install" lays it out: the program in bin/, the registration in share/.
QString MakeInstalledPrefix(const QString& prefix) {
    for (const QString& file : RegistrationFiles())
        WriteFile(prefix + QStringLiteral("/share/") + file, "installed");
    return prefix + QStringLiteral("/bin/vantor-calculator");
}

} // namespace

class FileTypesTest : public QObject {
    Q_OBJECT

  private slots:
    void exec_quoting_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain path stays bare") << "/opt/vc/bin/vantor-calculator"
                                               << "/opt/vc/bin/vantor-calculator";
        QTest::newRow("space and dollar: quoted, the dollar escaped twice") << "/my apps/$x/calc"
                                                                            << "\"/my apps/\\\\$x/calc\"";
        QTest::newRow("quote and backslash") << "/a\"b\\c"
                                             << "\"/a\\\\\"b\\\\\\\\c\"";
    }

    void exec_quoting() {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(DesktopExecQuoted(path), exec);
    }

    void registration_entry_recognised_by_its_absolute_exec_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("ours");
        QTest::newRow("build folder's program")
            << QByteArray("[Desktop Entry]\nExec=/b/bin/vantor-calculator %F\n") << true;
        QTest::newRow("quoted path") << QByteArray("Name=x\nExec=\"/my apps/vantor-calculator\" %F\n")
                                     << true;
        QTest::newRow("menu editor's copy of the installed entry")
            << QByteArray("[Desktop Entry]\nExec=vantor-calculator %F\nHidden=false\n") << false;
        QTest::newRow("no Exec at all") << QByteArray("[Desktop Entry]\nName=x\n") << false;
    }

    void registration_entry_recognised_by_its_absolute_exec() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, ours);
        QCOMPARE(IsRegistrationEntry(entry), ours);
    }

    void prefix_of_the_program_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("data");
        QTest::newRow("system") << "/usr/bin/vantor-calculator"
                                << "/usr/share";
        QTest::newRow("build folder") << "/home/u/src/build/bin/vantor-calculator"
                                      << "/home/u/src/build/share";
        QTest::newRow("not in a bin folder") << "/opt/vc/vantor-calculator"
                                             << "";
    }

    void prefix_of_the_program() {
        QFETCH(QString, executable);
        QFETCH(QString, data);
        QCOMPARE(PrefixDataFolder(executable), data);
    }

    void embedded_registration_has_entry_package_and_icons() {
        QCOMPARE(
            RegistrationFiles(),
            (QStringList{kEntry, "icons/hicolor/scalable/apps/vantor-calculator.svg",
                         "icons/hicolor/scalable/mimetypes/application-x-vantor-calculation.svg",
                         "icons/hicolor/scalable/mimetypes/application-x-vantor-memory.svg", kMimePackage}));
    }

    void prefix_carries_the_registration_only_when_complete() {
        TestEnvironment environment;
        const QString prefix = environment.FilePath(QStringLiteral("usr"));
        QVERIFY(!CarriesRegistration(prefix + QStringLiteral("/share")));
        MakeInstalledPrefix(prefix);
        QVERIFY(CarriesRegistration(prefix + QStringLiteral("/share")));
        QVERIFY(QFile::remove(prefix + QStringLiteral("/share/") + kMimePackage));
        QVERIFY(!CarriesRegistration(prefix + QStringLiteral("/share")));
        QVERIFY(!CarriesRegistration(QString()));
    }

    void build_folder_registers_for_the_user() {
        TestEnvironment environment;
        const QString data = environment.FilePath(QStringLiteral("data"));
        const QString program = environment.FilePath(QStringLiteral("build/bin/vantor-calculator"));
        const RegistrationResult first = UpdateFileTypes(data, program, false);
        QVERIFY(first.ok);
        QVERIFY(first.changed);
        const QString entry = QString::fromUtf8(ReadBytes(data + QLatin1Char('/') + kEntry));
        QVERIFY(entry.contains(QStringLiteral("\nExec=") + program + QStringLiteral(" %F\n")));
        QVERIFY(entry.contains(
            QStringLiteral("\nMimeType=application/x-vantor-calculation;application/x-vantor-memory;\n")));
        const QString mime = QString::fromUtf8(ReadBytes(data + QLatin1Char('/') + kMimePackage));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.vcm\"/>")));
        QVERIFY(mime.contains(QStringLiteral("<comment>Vantor Calculator memory file</comment>")));
        for (const QString& file : RegistrationFiles())
            QVERIFY2(!ReadBytes(data + QLatin1Char('/') + file).contains('@'), qPrintable(file));
        // The next start finds everything in place and refreshes nothing.
        const RegistrationResult second = UpdateFileTypes(data, program, false);
        QVERIFY(second.ok);
        QVERIFY(!second.changed);
    }

    void build_folder_replaces_a_registration_under_the_old_types() {
        TestEnvironment environment;
        const QString data = environment.FilePath(QStringLiteral("data"));
        WriteOldRegistration(data);
        QVERIFY(RegisterFileTypes(data, QStringLiteral("/b/bin/vantor-calculator"), false).changed);
        QVERIFY(!QFileInfo::exists(data + QLatin1Char('/') + kOldIcon));
        QVERIFY(!ReadBytes(data + QLatin1Char('/') + kEntry).contains("vnd.vantor"));
        QVERIFY(!ReadBytes(data + QLatin1Char('/') + kMimePackage).contains("vnd.vantor"));
    }

    void installed_program_takes_the_user_registration_away() {
        TestEnvironment environment;
        const QString data = environment.FilePath(QStringLiteral("data"));
        const QString program = MakeInstalledPrefix(environment.FilePath(QStringLiteral("usr")));
        QVERIFY(RegisterFileTypes(data, QStringLiteral("/b/bin/vantor-calculator"), false).ok);
        WriteFile(data + QLatin1Char('/') + kOldIcon, "<svg/>");
        const RegistrationResult result = UpdateFileTypes(data, program, false);
        QVERIFY(result.ok);
        QVERIFY(result.changed);
        // A named list: the list "<<" returns would refer to a temporary gone before the loop.
        const QStringList removed = RegistrationFiles() << kOldIcon;
        for (const QString& file : removed)
            QVERIFY2(!QFileInfo::exists(data + QLatin1Char('/') + file), qPrintable(file));
        // Nothing left to take away at the next start.
        QVERIFY(!UpdateFileTypes(data, program, false).changed);
    }

    void installed_program_keeps_the_users_own_entry() {
        TestEnvironment environment;
        const QString data = environment.FilePath(QStringLiteral("data"));
        const QString program = MakeInstalledPrefix(environment.FilePath(QStringLiteral("usr")));
        const QByteArray own = "[Desktop Entry]\nExec=vantor-calculator %F\nNoDisplay=true\n";
        WriteFile(data + QLatin1Char('/') + kEntry, own);
        WriteFile(data + QLatin1Char('/') + kMimePackage, "<mime-info/>");
        QVERIFY(UpdateFileTypes(data, program, false).ok);
        QCOMPARE(ReadBytes(data + QLatin1Char('/') + kEntry), own);
        QVERIFY(!QFileInfo::exists(data + QLatin1Char('/') + kMimePackage));
    }

    void unwritable_place_is_no_reason_to_stop() {
        TestEnvironment environment;
        QFile blocker(environment.FilePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!RegisterFileTypes(blocker.fileName(), QStringLiteral("/x/bin/vantor-calculator"), false).ok);
    }
};

QTEST_MAIN(FileTypesTest)
#include "file_types_test.moc"
