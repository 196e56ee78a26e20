#include "engine/driver/statement_bounds.h"

namespace NCalculatorText {

namespace {

bool IsLineBreak(char16_t unit) noexcept {
    return unit == u'\r' || unit == u'\n';
}

} // namespace

bool IsWhiteSpace(char16_t unit) noexcept {
    return unit == u' ' || unit == u'\t' || IsLineBreak(unit);
}

std::optional<ResultPlace> LocateResult(std::u16string_view statement) noexcept {
    std::size_t equals = statement.rfind(u'=');
    if (equals != std::u16string_view::npos) {
        std::size_t result = equals + 1;
        while (result < statement.size() && IsWhiteSpace(statement[result]))
            ++result;
        return ResultPlace{equals, result == statement.size() ? equals + 1 : result};
    }
    equals = statement.size();
    while (equals > 0 && IsWhiteSpace(statement[equals - 1]))
        --equals;
    if (equals == 0)
        return std::nullopt;
    return ResultPlace{equals, equals};
}

std::size_t StatementEnd(std::u16string_view text, std::u16string_view copy, std::size_t start,
                         std::size_t end) noexcept {
    const std::size_t equals = copy.substr(start, end - start).find(u'=');
    if (equals == std::u16string_view::npos)
        return end;
    std::size_t result = start + equals + 1;
    while (result < end && IsWhiteSpace(copy[result]))
        ++result;
    // Line breaks are read from the text: a blanked line comment takes its own with it.
    std::size_t lineEnd = result;
    while (lineEnd < end && !IsLineBreak(text[lineEnd]))
        ++lineEnd;
    for (std::size_t i = lineEnd; i < end; ++i) {
        if (!IsWhiteSpace(copy[i]))
            return lineEnd;
    }
    return end;
}

std::size_t CaretStatementPosition(std::u16string_view text, std::u16string_view copy,
                                   std::size_t caret) noexcept {
    if (caret > copy.size())
        return caret;
    const auto blankOnTheLine = [&](std::size_t i) { return IsWhiteSpace(copy[i]) && !IsLineBreak(text[i]); };
    // Only when the caret's own statement is empty: with one after the ";", even on a later
    // line, Ctrl+= goes on down the text as it always did.
    for (std::size_t i = caret; i < copy.size() && copy[i] != u';'; ++i) {
        if (!IsWhiteSpace(copy[i]))
            return caret;
    }
    std::size_t position = caret;
    while (position > 0 && blankOnTheLine(position - 1))
        --position;
    if (position == 0 || copy[position - 1] != u';')
        return caret;
    // The first ";" of a run such as ";;" is the one that ends a statement.
    --position;
    while (position > 0 && copy[position - 1] == u';')
        --position;
    return position;
}

} // namespace NCalculatorText
