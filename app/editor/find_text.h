#pragma once
// Finding and counting plain text in the calculation text, for the find bar.

#include <QStringView>

#include <optional>
#include <vector>

struct TextMatch {
    qsizetype start;
    qsizetype length;
};

enum class FindDirection { Forward, Backward };

// Forward: the first match that starts at or after `from`; backward: the last one that
// ends at or before it. Either wraps round the text once; none for an empty needle.
std::optional<TextMatch> FindInText(QStringView text, QStringView needle, qsizetype from,
                                    FindDirection direction, Qt::CaseSensitivity sensitivity);

// Every match that does not overlap an earlier one, from the start.
std::vector<TextMatch> FindAllInText(QStringView text, QStringView needle, Qt::CaseSensitivity sensitivity);

// Whether the text from `start` is exactly one match, as a selection holding a match is.
bool IsMatchAt(QStringView text, QStringView needle, qsizetype start, qsizetype length,
               Qt::CaseSensitivity sensitivity);
