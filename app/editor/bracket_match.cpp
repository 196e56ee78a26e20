#include "app/editor/bracket_match.h"

#include <vector>

#include "app/editor/token_classes.h"

namespace {

// Which characters are calculation text, not comment or written result.
std::vector<bool> CodeMask(QStringView text, int state) {
    std::vector<bool> code(static_cast<size_t>(text.size()), true);
    std::vector<Token> tokens;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        tokens.clear();
        state = ClassifyLine(text.sliced(lineStart, lineEnd - lineStart), state, tokens);
        for (const Token& token : tokens) {
            if (token.kind == TokenClass::Comment || token.kind == TokenClass::WrittenResult)
                std::fill_n(code.begin() + lineStart + token.start, token.length, false);
        }
        lineStart = lineEnd + 1;
    }
    return code;
}

qsizetype Partner(QStringView text, const std::vector<bool>& code, qsizetype bracket) {
    const int step = IsOpener(text[bracket]) ? 1 : -1;
    int depth = 0;
    for (qsizetype i = bracket; i >= 0 && i < text.size(); i += step) {
        if (!code[static_cast<size_t>(i)])
            continue;
        const QChar c = text[i];
        if (c == u';')
            return -1;
        if (IsOpener(c) || IsCloser(c)) {
            depth += (IsOpener(c) ? 1 : -1) * step;
            if (depth == 0)
                return i;
        }
    }
    return -1;
}

} // namespace

std::optional<BracketPair> MatchBracketAt(QStringView text, int state, qsizetype caret) {
    const std::vector<bool> code = CodeMask(text, state);
    for (qsizetype at : {caret - 1, caret}) {
        if (at < 0 || at >= text.size() || !code[static_cast<size_t>(at)])
            continue;
        if (IsOpener(text[at]) || IsCloser(text[at]))
            return BracketPair{at, Partner(text, code, at)};
    }
    return std::nullopt;
}
