#pragma once
// The help as the build rendered it into the resources under ":/help": pages, contents,
// index of names, search texts, what's-this texts and the topics of keypad keys.

#include <QHash>
#include <QList>
#include <QString>

struct HelpPage {
    QString id; // "language", "fn-tan"; an East variant is "fn-tan.east"
    QString title;
    QString html;
};

struct HelpContentsEntry {
    int level;      // 1 topic, 2 section, 3 function
    QString target; // "language#powers"
    QString title;
};

struct HelpIndexEntry {
    QString name;
    QString target;
};

struct HelpSearchText {
    QString pageId;
    QString title;
    QString text; // plain text of the whole page
};

struct HelpFiles {
    QByteArray pages, contents, index, whatsThis, contexts, search;
};

class HelpContent {
  public:
    // Read once from the resources.
    static const HelpContent& Embedded();
    static HelpContent Parse(const HelpFiles& files);

    // The page for a notation (0 West, 1 East): the East variant where there is one.
    const HelpPage* Page(const QString& id, int notation) const;
    const QList<HelpContentsEntry>& Contents() const { return contents_; }
    // Sorted by name, case-insensitively.
    const QList<HelpIndexEntry>& Index() const { return index_; }
    const QList<HelpSearchText>& SearchTexts() const { return search_; }
    // The target of an exact name of the index, or an empty string.
    QString TargetOfName(const QString& name) const;
    // HTML for a command ("command:32776") or a pane ("pane:Log"); empty when there is none.
    QString WhatsThis(const QString& key) const { return whatsThis_.value(key); }
    // The topic of a keypad key named by a help directive, by its control id.
    QString ContextTarget(int keyId) const { return contexts_.value(keyId); }
    QList<QString> WhatsThisKeys() const { return whatsThis_.keys(); }
    QList<int> ContextKeyIds() const { return contexts_.keys(); }

  private:
    QHash<QString, HelpPage> pages_;
    QList<HelpContentsEntry> contents_;
    QList<HelpIndexEntry> index_;
    QHash<QString, QString> targetsByName_;
    QList<HelpSearchText> search_;
    QHash<QString, QString> whatsThis_;
    QHash<int, QString> contexts_;
};

// "page#anchor" in its two parts.
struct HelpTarget {
    QString page;
    QString anchor;
};
HelpTarget SplitTarget(const QString& target);
