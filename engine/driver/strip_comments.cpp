#include "engine/driver/calculate.h"

#include <algorithm>

namespace NCalculatorText {

bool StripComments(std::u16string& copy) {
    constexpr std::u16string_view kLineComment = u"//";
    constexpr std::u16string_view kBlockOpen = u"/*";
    constexpr std::u16string_view kBlockClose = u"*/";
    const auto npos = std::u16string::npos;
    // A blanked comment holds only spaces, so no opener can start before its end:
    // each search goes on from there, and an opener found earlier stays valid while it
    // lies beyond the blanked part.
    std::size_t line = copy.find(kLineComment);
    std::size_t block = copy.find(kBlockOpen);
    while (line != npos || block != npos) {
        const std::size_t start = std::min(line, block);
        std::size_t end;
        if (line < block) {
            const std::size_t lineFeed = copy.find(u'\n', line);
            end = lineFeed == npos ? copy.size() : lineFeed + 1;
        } else {
            // Searched from the opener itself: "/*/" is already a whole comment.
            const std::size_t close = copy.find(kBlockClose, block);
            if (close == npos)
                return false;
            end = close + kBlockClose.size();
        }
        std::fill(copy.begin() + static_cast<std::ptrdiff_t>(start),
                  copy.begin() + static_cast<std::ptrdiff_t>(end), u' ');
        if (line != npos && line < end)
            line = copy.find(kLineComment, end);
        if (block != npos && block < end)
            block = copy.find(kBlockOpen, end);
    }
    return true;
}

} // namespace NCalculatorText
