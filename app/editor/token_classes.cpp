#include "app/editor/token_classes.h"

#include <string_view>

#include "engine/parser/function_table.h"

namespace {

// The one-character names that are no ASCII word: π and the function symbols.
bool IsSymbolName(QChar c) {
    switch (c.unicode()) {
    case u'\u03C0': // pi
    case u'\u0393': // Gamma
    case u'\u03A0':
    case u'\u03A3':
    case u'\u220F':
    case u'\u2211':
    case u'\u221A': // square root
        return true;
    default:
        return false;
    }
}

bool IsExponentSign(QChar c) {
    return c == u'+' || c == u'-' || c == u'\u2212';
}

// A number as the parser reads one: digits with one point, then an optional exponent
// "e" with a sign and digits. Returns its end, or `start` when none begins there.
qsizetype NumberEnd(QStringView line, qsizetype start) {
    qsizetype i = start;
    bool digits = false;
    while (i < line.size() && IsDigit(line[i])) {
        ++i;
        digits = true;
    }
    if (i < line.size() && line[i] == u'.') {
        ++i;
        while (i < line.size() && IsDigit(line[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return start;
    if (i < line.size() && line[i] == u'e') {
        qsizetype exponent = i + 1;
        if (exponent < line.size() && IsExponentSign(line[exponent]))
            ++exponent;
        if (exponent < line.size() && IsDigit(line[exponent])) {
            while (exponent < line.size() && IsDigit(line[exponent]))
                ++exponent;
            i = exponent;
        }
    }
    return i;
}

// The end of a memory cell's bracket group that opens at `open`: its matching closer,
// or the end of the line while it is still being typed.
qsizetype CellEnd(QStringView line, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < line.size(); ++i) {
        if (IsOpener(line[i]))
            ++depth;
        else if (IsCloser(line[i]) && --depth == 0)
            return i + 1;
        else if (line[i] == u';')
            return i;
    }
    return line.size();
}

class LineScanner {
  public:
    LineScanner(QStringView line, int state, std::vector<Token>& tokens)
        : line_(line), state_(state), tokens_(tokens) {}

    int Run() {
        qsizetype i = 0;
        if (state_ & kInBlockComment)
            i = BlockCommentFrom(0, 0);
        qsizetype resultStart = (state_ & kInWrittenResult) ? i : -1;
        while (i < line_.size()) {
            const QChar c = line_[i];
            const QChar next = i + 1 < line_.size() ? line_[i + 1] : QChar();
            if (c == u'/' && (next == u'/' || next == u'*')) {
                FlushResult(resultStart, i);
                if (next == u'/') {
                    Add(i, line_.size() - i, TokenClass::Comment);
                    i = line_.size();
                } else {
                    i = BlockCommentFrom(i, i + 1);
                }
                if (resultStart >= 0)
                    resultStart = i;
                continue;
            }
            if (resultStart >= 0) {
                if (c == u';') {
                    FlushResult(resultStart, i);
                    resultStart = -1;
                    state_ &= ~kInWrittenResult;
                }
                ++i;
                continue;
            }
            if (c == u'=') {
                resultStart = i;
                state_ |= kInWrittenResult;
                ++i;
                continue;
            }
            i = Word(i);
        }
        FlushResult(resultStart, line_.size());
        return state_;
    }

  private:
    // A block comment from `start` whose "*/" is searched from `search` on; the state says
    // whether it runs past the line.
    qsizetype BlockCommentFrom(qsizetype start, qsizetype search) {
        const qsizetype close = line_.indexOf(u"*/", search);
        const qsizetype end = close < 0 ? line_.size() : close + 2;
        Add(start, end - start, TokenClass::Comment);
        if (close < 0)
            state_ |= kInBlockComment;
        else
            state_ &= ~kInBlockComment;
        return end;
    }

    // A name, a number or a single character of anything else, from `i`.
    qsizetype Word(qsizetype i) {
        const QChar c = line_[i];
        if (IsSymbolName(c)) {
            Add(i, 1, c == u'\u03C0' ? TokenClass::Constant : TokenClass::Function);
            return i + 1;
        }
        if (IsNameStart(c)) {
            qsizetype end = i + 1;
            while (end < line_.size() && IsNameChar(line_[end]))
                ++end;
            const QStringView name = line_.sliced(i, end - i);
            if (name == u"mem" || name == u"memory") {
                qsizetype open = end;
                while (open < line_.size() && line_[open] == u' ')
                    ++open;
                if (open < line_.size() && IsOpener(line_[open])) {
                    const qsizetype close = CellEnd(line_, open);
                    Add(i, close - i, TokenClass::MemoryCell);
                    return close;
                }
            }
            Add(i, end - i, ClassifyName(name));
            return end;
        }
        const qsizetype number = NumberEnd(line_, i);
        if (number > i) {
            Add(i, number - i, TokenClass::Number);
            return number;
        }
        return i + 1;
    }

    void FlushResult(qsizetype start, qsizetype end) {
        if (start >= 0 && end > start)
            Add(start, end - start, TokenClass::WrittenResult);
    }

    void Add(qsizetype start, qsizetype length, TokenClass kind) {
        if (length > 0)
            tokens_.push_back({static_cast<int>(start), static_cast<int>(length), kind});
    }

    QStringView line_;
    int state_;
    std::vector<Token>& tokens_;
};

} // namespace

TokenClass ClassifyName(QStringView name) {
    static constexpr std::u16string_view kConstants[] = {u"pi", u"e", u"i", u"j", u"rand", u"random"};
    static constexpr std::u16string_view kPreviousResult[] = {u"rslt", u"result"};
    const std::u16string_view text(name.utf16(), static_cast<size_t>(name.size()));
    for (std::u16string_view constant : kConstants) {
        if (text == constant)
            return TokenClass::Constant;
    }
    for (std::u16string_view keyword : kPreviousResult) {
        if (text == keyword)
            return TokenClass::PreviousResult;
    }
    if (NCalculatorText::FindFunction(text) != nullptr)
        return TokenClass::Function;
    return TokenClass::UnknownName;
}

int ClassifyLine(QStringView line, int state, std::vector<Token>& tokens) {
    return LineScanner(line, state < 0 ? kPlainState : state, tokens).Run();
}
