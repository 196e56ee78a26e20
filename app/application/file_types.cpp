#include "app/application/file_types.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include "app/application/desktop_entry.h"

namespace {

const QString kEmbedded = QStringLiteral(":/desktop-data");
const QString kDesktopEntry = QStringLiteral("applications/vantor-calculator.desktop");

// Written by versions that named the types application/vnd.vantor.calculator.*; the entry
// and the MIME package kept their names and are replaced or removed with the others.
const QStringList kObsoleteFiles = {
    QStringLiteral("icons/hicolor/scalable/mimetypes/application-vnd.vantor.calculator.calculation.svg"),
    QStringLiteral("icons/hicolor/scalable/mimetypes/application-vnd.vantor.calculator.memory.svg"),
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ContentFor(const QString& relativePath, const QString& executable) {
    const QByteArray embedded = ReadFile(kEmbedded + QLatin1Char('/') + relativePath);
    return relativePath.endsWith(QLatin1String(".desktop")) ? DesktopEntryFor(embedded, executable)
                                                            : embedded;
}

// Writes only when the content differs; tells whether it did.
bool WriteIfDifferent(const QString& path, const QByteArray& content, bool& failed) {
    if (QFileInfo::exists(path) && ReadFile(path) == content)
        return false;
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(content) != content.size() || !file.commit()) {
        failed = true;
        return false;
    }
    return true;
}

bool RemoveIfPresent(const QString& path, bool& failed) {
    if (!QFileInfo::exists(path))
        return false;
    failed = !QFile::remove(path) || failed;
    return true;
}

void RefreshCaches(const QDir& data) {
    QProcess::startDetached(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    QProcess::startDetached(QStringLiteral("update-desktop-database"),
                            {data.filePath(QStringLiteral("applications"))});
}

} // namespace

QString UserDataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QStringList RegistrationFiles() {
    QStringList files;
    const QDir embedded(kEmbedded);
    for (QDirIterator it(kEmbedded, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << embedded.relativeFilePath(it.next());
    files.sort();
    return files;
}

QString PrefixDataFolder(const QString& executable) {
    const QDir folder = QFileInfo(executable).absoluteDir();
    if (folder.dirName() != QLatin1String("bin"))
        return {};
    return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share")));
}

bool CarriesRegistration(const QString& dataFolder) {
    if (dataFolder.isEmpty())
        return false;
    const QDir data(dataFolder);
    const QStringList files = RegistrationFiles();
    return !files.isEmpty() && std::all_of(files.cbegin(), files.cend(), [&](const QString& file) {
        return QFileInfo::exists(data.filePath(file));
    });
}

RegistrationResult RegisterFileTypes(const QString& dataHome, const QString& executable, bool refreshCaches) {
    const QDir data(dataHome);
    RegistrationResult result;
    bool failed = false;
    for (const QString& file : RegistrationFiles()) {
        const QByteArray content = ContentFor(file, executable);
        result.changed = WriteIfDifferent(data.filePath(file), content, failed) || result.changed;
    }
    for (const QString& file : kObsoleteFiles)
        result.changed = RemoveIfPresent(data.filePath(file), failed) || result.changed;
    result.ok = !failed && !RegistrationFiles().isEmpty();
    if (result.changed && refreshCaches)
        RefreshCaches(data);
    return result;
}

RegistrationResult RemoveFileTypes(const QString& dataHome, bool refreshCaches) {
    const QDir data(dataHome);
    RegistrationResult result;
    bool failed = false;
    for (const QString& file : RegistrationFiles() + kObsoleteFiles) {
        const QString path = data.filePath(file);
        if (file == kDesktopEntry && !IsRegistrationEntry(ReadFile(path)))
            continue;
        result.changed = RemoveIfPresent(path, failed) || result.changed;
    }
    result.ok = !failed;
    if (result.changed && refreshCaches)
        RefreshCaches(data);
    return result;
}

RegistrationResult UpdateFileTypes(const QString& dataHome, const QString& executable, bool refreshCaches) {
    if (CarriesRegistration(PrefixDataFolder(executable)))
        return RemoveFileTypes(dataHome, refreshCaches);
    return RegisterFileTypes(dataHome, executable, refreshCaches);
}
