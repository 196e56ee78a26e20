#include "engine/driver/calculate.h"

#include <algorithm>

namespace NCalculatorText {

bool StripComments(std::u16string& copy) {
    constexpr std::u16string_view kLineComment = u"//";
    constexpr std::u16string_view kBlockOpen = u"/*";
    constexpr std::u16string_view kBlockClose = u"*/";
    const auto npos = std::u16string::npos;
    // Everything before a blanked comment is free of comments, so each search goes on
    // from the last comment's start.
    std::size_t from = 0;
    while (true) {
        const std::size_t line = copy.find(kLineComment, from);
        const std::size_t block = copy.find(kBlockOpen, from);
        if (line == npos && block == npos)
            return true;
        std::size_t end;
        if (line < block) {
            from = line;
            const std::size_t lineFeed = copy.find(u'\n', line);
            end = lineFeed == npos ? copy.size() : lineFeed + 1;
        } else {
            from = block;
            // Searched from the opener itself: "/*/" is already a whole comment.
            const std::size_t close = copy.find(kBlockClose, block);
            if (close == npos)
                return false;
            end = close + kBlockClose.size();
        }
        std::fill(copy.begin() + static_cast<std::ptrdiff_t>(from), copy.begin() + static_cast<std::ptrdiff_t>(end),
                  u' ');
    }
}

} // namespace NCalculatorText
