#include "app/editor/find_text.h"

#include <algorithm>

std::optional<TextMatch> FindInText(QStringView text, QStringView needle, qsizetype from,
                                    FindDirection direction, Qt::CaseSensitivity sensitivity) {
    if (needle.isEmpty() || needle.size() > text.size())
        return std::nullopt;
    from = std::clamp<qsizetype>(from, 0, text.size());
    qsizetype found = -1;
    if (direction == FindDirection::Forward) {
        found = text.indexOf(needle, from, sensitivity);
        if (found < 0)
            found = text.indexOf(needle, 0, sensitivity);
    } else {
        // lastIndexOf takes the position where the match may start at the latest.
        const qsizetype latest = from - needle.size();
        if (latest >= 0)
            found = text.lastIndexOf(needle, latest, sensitivity);
        if (found < 0)
            found = text.lastIndexOf(needle, text.size() - needle.size(), sensitivity);
    }
    if (found < 0)
        return std::nullopt;
    return TextMatch{found, needle.size()};
}

std::vector<TextMatch> FindAllInText(QStringView text, QStringView needle, Qt::CaseSensitivity sensitivity) {
    std::vector<TextMatch> matches;
    if (needle.isEmpty())
        return matches;
    for (qsizetype at = text.indexOf(needle, 0, sensitivity); at >= 0;
         at = text.indexOf(needle, at + needle.size(), sensitivity))
        matches.push_back({at, needle.size()});
    return matches;
}

bool IsMatchAt(QStringView text, QStringView needle, qsizetype start, qsizetype length,
               Qt::CaseSensitivity sensitivity) {
    if (needle.isEmpty() || length != needle.size() || start < 0 || start + length > text.size())
        return false;
    return text.sliced(start, length).compare(needle, sensitivity) == 0;
}
