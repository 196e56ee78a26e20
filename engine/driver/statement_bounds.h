#pragma once
// Where statements, their old results and the caret's statement lie in a calculation
// text. `text` is the calculation text and `copy` the same text with every comment
// blanked, so both have the same length and positions.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace NCalculatorText {

// Space, tab, line feed or carriage return.
bool IsWhiteSpace(char16_t unit) noexcept;

// Where "=" and the result go in a statement, as offsets into it.
struct ResultPlace {
    std::size_t equals; // the old "=", or just after the expression when there is none
    std::size_t result; // the first character of the old result (after the white space behind "=")
};

// Nothing for a statement of white space only.
std::optional<ResultPlace> LocateResult(std::u16string_view statement) noexcept;

// The end of the statement that begins at `start` and runs to the ";" (or the end of the
// text) at `end`. An old result runs to the end of the line it begins on: when more text
// follows on later lines, the statement ends with that line and the text after it is
// the next statement, so a line typed under a result without a ";" stays and is
// calculated in its own right.
std::size_t StatementEnd(std::u16string_view text, std::u16string_view copy, std::size_t start,
                         std::size_t end) noexcept;

// The position that decides which statement the caret is in. A caret in an empty
// statement (white space or comments only), behind a ";" on the same line, belongs to the
// statement that ";" ends rather than to the empty one; any other caret stays as it is.
std::size_t CaretStatementPosition(std::u16string_view text, std::u16string_view copy,
                                   std::size_t caret) noexcept;

} // namespace NCalculatorText
