#pragma once
// The help window's index filter and full-text search, on the embedded texts.

#include <QList>
#include <QString>

#include "app/help/help_content.h"

// Positions in the index of the names that match what was typed: those beginning with
// it first, then those holding it, each in index order; case does not count.
QList<qsizetype> MatchingIndexEntries(const QList<HelpIndexEntry>& index, const QString& typed);

struct HelpSearchHit {
    QString pageId;
    QString title;
};

// Pages holding every word of the query (case does not count), those with the words in
// their title first, then by how often the words occur.
QList<HelpSearchHit> SearchHelp(const QList<HelpSearchText>& texts, const QString& query);
