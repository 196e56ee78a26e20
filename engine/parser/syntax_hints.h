#pragma once
// Plain advice after a statement fails: the common slips of a new user ("^" for a
// power, "!" for a factorial, a sign right after an operator, a decimal comma, a
// mistyped function name...) recognised from the statement's text alone. A hint
// never changes what is calculated; it only explains the error before it.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace NCalculatorText {

enum class HintKind {
    PowerCaret,            // 2^10: powers are written **
    FactorialMark,         // 3!: the factorial is fact()
    MissingSemicolon,      // two statements on separate lines without ";" between them
    KeywordCall,           // rand(): a keyword takes no brackets
    UnknownFunction,       // sine(1): no such function, with the nearest name
    MissingBrackets,       // √2: a function's argument is a bracket group
    UnbalancedBracket,     // (1+2 or 1+2)
    SignAfterOperator,     // 2*-3: the sign needs brackets
    MissingMultiplication, // 2pi, 3(4+5): products need *
    DecimalComma,          // 1,5: decimals take a point
    WrongArgumentCount,    // pow(2): a wrong number of arguments
    UnclosedComment,       // a "/*" that is never closed
};

struct SyntaxHint {
    HintKind kind;
    std::u16string text; // e.g. "Use ** for powers: 2**10"
};

// Every kind, in the order the slips are looked for.
std::span<const HintKind> HintKinds() noexcept;

// The hint for a statement (comments blanked, without its old result) that failed
// with "Syntax error", or with "Not supported in this Calculator version" as a
// decimal comma makes it fail; nullopt when no common slip is recognised, and for
// statements longer than a thousand code units.
std::optional<SyntaxHint> FindSyntaxHint(std::u16string_view statement);

// The hint after a calculation text whose block comment is never closed.
SyntaxHint UnclosedCommentHint();

} // namespace NCalculatorText
