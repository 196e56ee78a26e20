#pragma once
// The bracket beside the caret and its partner. All three kinds of bracket pair with one
// another as the parser reads them; comments and results do not count, and a group never
// reaches past the ";" that ends its statement.

#include <QStringView>

#include <optional>

struct BracketPair {
    qsizetype bracket;
    qsizetype partner; // -1: the bracket has none
};

// `text` holds lines separated by "\n" and starts in the line state `state`. The bracket
// just before the caret is taken first, then the one just after it.
std::optional<BracketPair> MatchBracketAt(QStringView text, int state, qsizetype caret);
