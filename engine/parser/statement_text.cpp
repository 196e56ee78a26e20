#include "engine/parser/statement_text.h"

#include "engine/parser/function_table.h"
#include "engine/parser/keyword_table.h"

namespace NCalculatorText {

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

bool IsAsciiLetter(char16_t unit) noexcept {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

bool IsNameUnit(char16_t unit) noexcept {
    return IsAsciiLetter(unit) || IsDigit(unit) || unit == u'_';
}

bool IsSymbolName(char16_t unit) noexcept {
    const std::u16string_view name(&unit, 1);
    return unit > 0x7F && (FindFunctionEntry(name) != nullptr || FindKeyword(name) != nullptr);
}

bool IsSignUnit(char16_t unit) noexcept {
    return unit == u'+' || unit == u'-' || unit == u'\u2212';
}

// The bracket that opens the one at `close` (npos when none does).
std::size_t MatchingOpen(std::u16string_view text, std::size_t close) noexcept {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        if (IsCloseBracket(text[i]))
            ++depth;
        else if (IsOpenBracket(text[i]) && --depth == 0)
            return i;
    }
    return npos;
}

// Where the run of name units (or the one symbol) that ends just before `end` begins.
std::size_t NameBefore(std::u16string_view text, std::size_t end) noexcept {
    if (end > 0 && IsSymbolName(text[end - 1]))
        return end - 1;
    std::size_t start = end;
    while (start > 0 && (IsNameUnit(text[start - 1]) || text[start - 1] == u'.'))
        --start;
    return start;
}

} // namespace

bool IsDigit(char16_t unit) noexcept {
    return unit >= u'0' && unit <= u'9';
}

bool IsSpace(char16_t unit) noexcept {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

bool IsOpenBracket(char16_t unit) noexcept {
    return unit == u'(' || unit == u'[' || unit == u'{';
}

bool IsCloseBracket(char16_t unit) noexcept {
    return unit == u')' || unit == u']' || unit == u'}';
}

bool IsNameStart(char16_t unit) noexcept {
    return IsAsciiLetter(unit) || unit == u'_' || IsSymbolName(unit);
}

std::size_t SkipSpaces(std::u16string_view text, std::size_t from) noexcept {
    while (from < text.size() && IsSpace(text[from]))
        ++from;
    return from;
}

std::u16string Trimmed(std::u16string_view text) {
    std::size_t start = SkipSpaces(text, 0);
    std::size_t end = text.size();
    while (end > start && IsSpace(text[end - 1]))
        --end;
    return std::u16string(text.substr(start, end - start));
}

std::u16string Collapsed(std::u16string_view text) {
    std::u16string collapsed;
    for (char16_t unit : Trimmed(text)) {
        if (!IsSpace(unit))
            collapsed += unit;
        else if (collapsed.back() != u' ')
            collapsed += u' ';
    }
    return collapsed;
}

std::vector<std::u16string> NonBlankLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == npos)
            end = text.size();
        std::u16string line = Trimmed(text.substr(start, end - start));
        if (!line.empty())
            lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::size_t MatchingClose(std::u16string_view text, std::size_t open) noexcept {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (IsOpenBracket(text[i]))
            ++depth;
        else if (IsCloseBracket(text[i]) && --depth == 0)
            return i;
    }
    return npos;
}

bool BracketsBalance(std::u16string_view text) noexcept {
    int depth = 0;
    for (char16_t unit : text) {
        if (IsOpenBracket(unit))
            ++depth;
        else if (IsCloseBracket(unit) && --depth < 0)
            return false;
    }
    return depth == 0;
}

std::vector<Word> Words(std::u16string_view text) {
    std::vector<Word> words;
    for (std::size_t i = 0; i < text.size();) {
        if (IsSymbolName(text[i])) {
            words.push_back({i, i + 1});
            ++i;
        } else if (IsNameUnit(text[i])) {
            const std::size_t start = i;
            while (i < text.size() && IsNameUnit(text[i]))
                ++i;
            if (!IsDigit(text[start]))
                words.push_back({start, i});
        } else {
            ++i;
        }
    }
    return words;
}

bool IsExponentSign(std::u16string_view text, std::size_t at) noexcept {
    return at >= 2 && IsSignUnit(text[at]) && text[at - 1] == u'e' &&
           (IsDigit(text[at - 2]) || text[at - 2] == u'.');
}

bool StartsNumber(std::u16string_view text, std::size_t at) noexcept {
    const bool begins =
        IsDigit(text[at]) || (text[at] == u'.' && at + 1 < text.size() && IsDigit(text[at + 1]));
    return begins && (at == 0 || !(IsNameUnit(text[at - 1]) || text[at - 1] == u'.'));
}

std::size_t NumberEnd(std::u16string_view text, std::size_t at) noexcept {
    while (at < text.size() && (IsDigit(text[at]) || text[at] == u'.'))
        ++at;
    if (at < text.size() && text[at] == u'e') {
        std::size_t digits = at + 1;
        if (digits < text.size() && IsSignUnit(text[digits]))
            ++digits;
        if (digits < text.size() && IsDigit(text[digits])) {
            at = digits;
            while (at < text.size() && IsDigit(text[at]))
                ++at;
        }
    }
    return at;
}

std::size_t OperandBefore(std::u16string_view text, std::size_t end) noexcept {
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    if (end > 0 && IsCloseBracket(text[end - 1])) {
        const std::size_t open = MatchingOpen(text, end - 1);
        return open == npos ? end : NameBefore(text, open);
    }
    return NameBefore(text, end);
}

std::size_t OperandAfter(std::u16string_view text, std::size_t from) noexcept {
    std::size_t at = SkipSpaces(text, from);
    if (at < text.size() && !IsOpenBracket(text[at])) {
        const std::size_t start = at;
        if (IsSymbolName(text[at]))
            ++at;
        else if (StartsNumber(text, at))
            at = NumberEnd(text, at);
        else
            while (at < text.size() && IsNameUnit(text[at]))
                ++at;
        if (at == start)
            return from;
        const std::size_t next = SkipSpaces(text, at);
        if (next == text.size() || !IsOpenBracket(text[next]))
            return at;
        at = next;
    }
    if (at >= text.size())
        return from;
    const std::size_t close = MatchingClose(text, at);
    return close == npos ? text.size() : close + 1;
}

std::u16string_view EnclosingName(std::u16string_view text, std::size_t at) noexcept {
    int depth = 0;
    for (std::size_t i = at; i-- > 0;) {
        if (IsCloseBracket(text[i])) {
            ++depth;
        } else if (IsOpenBracket(text[i]) && depth-- == 0) {
            std::size_t end = i;
            while (end > 0 && IsSpace(text[end - 1]))
                --end;
            return text.substr(NameBefore(text, end), end - NameBefore(text, end));
        }
    }
    return {};
}

int CountArguments(std::u16string_view list) noexcept {
    int count = 0;
    int depth = 0;
    bool blank = true;
    for (char16_t unit : list) {
        if (IsOpenBracket(unit))
            ++depth;
        else if (IsCloseBracket(unit))
            --depth;
        if (unit == u',' && depth == 0) {
            count += blank ? 0 : 1;
            blank = true;
        } else if (!IsSpace(unit)) {
            blank = false;
        }
    }
    return count + (blank ? 0 : 1);
}

} // namespace NCalculatorText
