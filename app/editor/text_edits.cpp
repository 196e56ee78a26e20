#include "app/editor/text_edits.h"

#include <algorithm>

namespace {

// Lines as they stand in the text, each with its line break.
std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineFeed = text.find(u'\n', start);
        const std::size_t end = lineFeed == std::u16string_view::npos ? text.size() : lineFeed + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::size_t CommonPrefix(std::u16string_view a, std::u16string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

std::size_t CommonSuffix(std::u16string_view a, std::u16string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first -
                                    a.rbegin());
}

// The one edit between two texts that differ, placed at `offset`. A common start or end
// of texts whose line breaks are all CR LF never ends inside one.
TextEdit MiddleEdit(std::u16string_view before, std::u16string_view after, std::size_t offset) {
    const std::size_t prefix = CommonPrefix(before, after);
    const std::size_t suffix =
        std::min(CommonSuffix(before, after), std::min(before.size(), after.size()) - prefix);
    return {static_cast<int>(offset + prefix), static_cast<int>(offset + before.size() - suffix),
            std::u16string(after.substr(prefix, after.size() - suffix - prefix))};
}

} // namespace

std::vector<TextEdit> EditsBetween(std::u16string_view before, std::u16string_view after) {
    std::vector<TextEdit> edits;
    const std::vector<std::u16string_view> oldLines = SplitLines(before);
    const std::vector<std::u16string_view> newLines = SplitLines(after);
    if (oldLines.size() != newLines.size()) {
        if (before != after)
            edits.push_back(MiddleEdit(before, after, 0));
        return edits;
    }
    std::size_t offset = 0;
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        if (oldLines[i] != newLines[i])
            edits.push_back(MiddleEdit(oldLines[i], newLines[i], offset));
        offset += oldLines[i].size();
    }
    return edits;
}
