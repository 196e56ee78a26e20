#include "app/help/help_search.h"

#include <algorithm>

QList<qsizetype> MatchingIndexEntries(const QList<HelpIndexEntry>& index, const QString& typed) {
    QList<qsizetype> beginning;
    QList<qsizetype> holding;
    const QString wanted = typed.trimmed();
    for (qsizetype i = 0; i < index.size(); ++i) {
        if (index[i].name.startsWith(wanted, Qt::CaseInsensitive))
            beginning << i;
        else if (index[i].name.contains(wanted, Qt::CaseInsensitive))
            holding << i;
    }
    return beginning + holding;
}

QList<HelpSearchHit> SearchHelp(const QList<HelpSearchText>& texts, const QString& query) {
    const QStringList words = query.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    struct Scored {
        qsizetype order;
        int inTitle;
        qsizetype occurrences;
    };
    QList<Scored> scored;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Scored score{i, 0, 0};
        bool all = true;
        for (const QString& word : words) {
            const qsizetype count = texts[i].text.count(word, Qt::CaseInsensitive);
            all = all && count > 0;
            score.occurrences += count;
            score.inTitle += texts[i].title.contains(word, Qt::CaseInsensitive) ? 1 : 0;
        }
        if (all)
            scored << score;
    }
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        if (a.inTitle != b.inTitle)
            return a.inTitle > b.inTitle;
        return a.occurrences > b.occurrences;
    });
    QList<HelpSearchHit> hits;
    for (const Scored& score : scored)
        hits.append({texts[score.order].pageId, texts[score.order].title});
    return hits;
}
