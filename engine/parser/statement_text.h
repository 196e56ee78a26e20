#pragma once
// Scanning a statement's raw text (brackets of all three kinds, spaces and line
// breaks still in it) for the syntax hints: words, operands, numbers and bracket groups.

#include <string>
#include <string_view>
#include <vector>

namespace NCalculatorText {

bool IsDigit(char16_t unit) noexcept;
bool IsSpace(char16_t unit) noexcept; // space, tab, line feed, carriage return
bool IsOpenBracket(char16_t unit) noexcept;
bool IsCloseBracket(char16_t unit) noexcept;
// A letter, "_" or a one-symbol name such as U+221A or U+03C0.
bool IsNameStart(char16_t unit) noexcept;

// The first position at or after `from` that is not a space; the length at the end.
std::size_t SkipSpaces(std::u16string_view text, std::size_t from) noexcept;
std::u16string Trimmed(std::u16string_view text);
// Trimmed, with every run of spaces and line breaks made one space.
std::u16string Collapsed(std::u16string_view text);
std::vector<std::u16string> NonBlankLines(std::u16string_view text);

// The bracket that closes the one at `open` (npos when none does).
std::size_t MatchingClose(std::u16string_view text, std::size_t open) noexcept;
bool BracketsBalance(std::u16string_view text) noexcept;

struct Word {
    std::size_t start;
    std::size_t end;
};
// Every name in the text: runs of letters, digits and "_" that begin with a letter or
// "_", and each one-symbol name on its own. Numbers (runs that begin with a digit) are no words.
std::vector<Word> Words(std::u16string_view text);

// A sign that belongs to an exponent, as in 2e-3.
bool IsExponentSign(std::u16string_view text, std::size_t at) noexcept;
// A number begins at `at`: a digit, or a point before a digit, not inside a name.
bool StartsNumber(std::u16string_view text, std::size_t at) noexcept;
// Just after the number that begins at `at`, its exponent included.
std::size_t NumberEnd(std::u16string_view text, std::size_t at) noexcept;

// Where the operand that ends just before `end` begins: a number or name, or a
// bracket group with the name before it.
std::size_t OperandBefore(std::u16string_view text, std::size_t end) noexcept;
// Just after the operand that begins at `from` (after spaces): a number or a name
// with its bracket group, or a bracket group; `from` when there is none.
std::size_t OperandAfter(std::u16string_view text, std::size_t from) noexcept;

// The name before the bracket group that holds `at`; empty at the top level.
std::u16string_view EnclosingName(std::u16string_view text, std::size_t at) noexcept;
// The comma-separated pieces of an argument list that are not blank.
int CountArguments(std::u16string_view list) noexcept;

} // namespace NCalculatorText
