#include "app/document/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

bool SamePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty())
        return;
    Remove(path);
    files_.prepend(QFileInfo(path).absoluteFilePath());
    while (files_.size() > capacity_)
        files_.removeLast();
}

void RecentFileList::Remove(const QString& path) {
    files_.removeIf([&](const QString& file) { return SamePath(file, path); });
}

void RecentFileList::Load(QSettings& settings) {
    files_.clear();
    settings.beginGroup(kSection);
    for (int i = 1; i <= capacity_; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty() && !files_.contains(file))
            files_ << file;
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int i = 1; i <= capacity_; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files_.size())
            settings.setValue(key, files_[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
}

QString RecentFileList::MenuText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
