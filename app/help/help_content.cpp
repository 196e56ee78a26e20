#include "app/help/help_content.h"

#include <QFile>

#include <algorithm>

namespace {

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The tab-separated fields of every non-empty line.
QList<QStringList> Rows(const QByteArray& bytes) {
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts))
        rows << line.split(u'\t');
    return rows;
}

constexpr QStringView kPageMark = u"@@page ";

} // namespace

const HelpContent& HelpContent::Embedded() {
    static const HelpContent content =
        Parse({Resource(QStringLiteral("pages.txt")), Resource(QStringLiteral("contents.tsv")),
               Resource(QStringLiteral("index.tsv")), Resource(QStringLiteral("whatsthis.tsv")),
               Resource(QStringLiteral("contexts.tsv")), Resource(QStringLiteral("search.tsv"))});
    return content;
}

HelpContent HelpContent::Parse(const HelpFiles& files) {
    HelpContent content;
    const QString pages = QString::fromUtf8(files.pages);
    qsizetype mark = pages.indexOf(kPageMark);
    while (mark >= 0) {
        const qsizetype headerEnd = pages.indexOf(u'\n', mark);
        const qsizetype next = pages.indexOf(kPageMark, headerEnd);
        const QStringList header =
            pages.mid(mark + kPageMark.size(), headerEnd - mark - kPageMark.size()).split(u'\t');
        HelpPage page{header.value(0), header.value(1),
                      pages.mid(headerEnd + 1, next < 0 ? -1 : next - headerEnd - 1)};
        content.pages_.insert(page.id, page);
        mark = next;
    }
    for (const QStringList& row : Rows(files.contents)) {
        if (row.size() == 3)
            content.contents_.append({row[0].toInt(), row[1], row[2]});
    }
    for (const QStringList& row : Rows(files.index)) {
        if (row.size() == 2 && !content.targetsByName_.contains(row[0])) {
            content.index_.append({row[0], row[1]});
            content.targetsByName_.insert(row[0], row[1]);
        }
    }
    std::stable_sort(content.index_.begin(), content.index_.end(),
                     [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                         const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
                         return folded != 0 ? folded < 0 : a.name < b.name;
                     });
    for (const QStringList& row : Rows(files.search)) {
        if (row.size() == 3)
            content.search_.append({row[0], row[1], row[2]});
    }
    for (const QStringList& row : Rows(files.whatsThis)) {
        if (row.size() == 2)
            content.whatsThis_.insert(row[0], row[1]);
    }
    for (const QStringList& row : Rows(files.contexts)) {
        if (row.size() == 2)
            content.contexts_.insert(row[0].toInt(), row[1]);
    }
    return content;
}

const HelpPage* HelpContent::Page(const QString& id, int notation) const {
    if (notation == 1) {
        const auto east = pages_.constFind(id + QStringLiteral(".east"));
        if (east != pages_.constEnd())
            return &*east;
    }
    const auto page = pages_.constFind(id);
    return page == pages_.constEnd() ? nullptr : &*page;
}

QString HelpContent::TargetOfName(const QString& name) const {
    return targetsByName_.value(name);
}

HelpTarget SplitTarget(const QString& target) {
    const qsizetype hash = target.indexOf(u'#');
    if (hash < 0)
        return {target, {}};
    return {target.left(hash), target.mid(hash + 1)};
}
