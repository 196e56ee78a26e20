#pragma once
// What the completion offers at the caret: function names of the chosen notation with
// their arguments, and memory cells, once two letters of a name are typed.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

#include "engine/parser/function_table.h"

inline constexpr int kShortestCompletionPrefix = 2;

struct CompletionRequest {
    qsizetype start; // where the typed prefix begins in the line
    QString prefix;
    // Inside "mem[" and not yet closed: the closer that the cell's name needs, else null.
    QChar cellCloser;
};

// The prefix before `caret` in `line` (which starts in the line state `state`), or none
// in comments, results, numbers, the middle of a word or with fewer than two letters.
std::optional<CompletionRequest> CompletionRequestAt(QStringView line, int state, qsizetype caret);

struct CompletionItem {
    QString shown;    // "J(order, z)", "mem[a]"
    QString inserted; // replaces the prefix: "J(", "mem[a]", "a]"
};

// Case-insensitive prefix matches: function names first, in the table's order, then cells.
std::vector<CompletionItem> CompletionItems(const CompletionRequest& request,
                                            NCalculatorText::NameNotation notation, const QStringList& cells);
