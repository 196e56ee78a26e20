#pragma once
// The recent-file list of the File menu: newest first, at most four, no duplicates.

#include <QStringList>

class QSettings;

class RecentFileList {
  public:
    explicit RecentFileList(int capacity = 4) : capacity_(capacity) {}

    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return files_; }

    // Section "Recent File List", values "File1" onwards.
    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // "&1 name" for the menu, with "&" in the name doubled.
    static QString MenuText(int index, const QString& path);

  private:
    int capacity_;
    QStringList files_;
};
