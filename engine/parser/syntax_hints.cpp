#include "engine/parser/syntax_hints.h"

#include <array>

#include "engine/core/format.h"
#include "engine/parser/function_table.h"
#include "engine/parser/keyword_table.h"
#include "engine/parser/nearest_name.h"
#include "engine/parser/statement_text.h"

namespace NCalculatorText {

namespace {

using enum HintKind;

constexpr std::size_t npos = std::u16string_view::npos;

// A corrected statement is shown when it is short; otherwise the hint gives a model.
constexpr std::size_t kLongestShown = 40;
// Longer statements are not typed by hand; scanning them could take longer than the
// calculation, since some slips are looked for once per comma or word.
constexpr std::size_t kLongestExplained = 1024;

std::u16string Example(const std::u16string& corrected, std::u16string_view model) {
    const std::u16string shown = Collapsed(corrected);
    return shown.size() <= kLongestShown ? shown : std::u16string(model);
}

SyntaxHint Hint(HintKind kind, std::u16string_view advice, const std::u16string& corrected,
                std::u16string_view model) {
    return {kind, std::u16string(advice) + u": " + Example(corrected, model)};
}

bool IsOperator(char16_t unit) noexcept {
    return unit == u'+' || unit == u'-' || unit == kMinusSign || unit == u'*' || unit == u'/' ||
           unit == u'\u00F7';
}

bool IsSign(char16_t unit) noexcept {
    return unit == u'+' || unit == u'-' || unit == kMinusSign;
}

std::u16string Replaced(std::u16string_view text, std::size_t at, std::size_t length,
                        std::u16string_view by) {
    return std::u16string(text.substr(0, at)) + std::u16string(by) + std::u16string(text.substr(at + length));
}

std::optional<SyntaxHint> PowerCaretHint(std::u16string_view text) {
    if (text.find(u'^') == npos)
        return std::nullopt;
    std::u16string corrected(text);
    for (std::size_t at = corrected.find(u'^'); at != npos; at = corrected.find(u'^', at + 2))
        corrected.replace(at, 1, u"**");
    return Hint(PowerCaret, u"Use ** for powers", corrected, u"2**10");
}

std::optional<SyntaxHint> FactorialMarkHint(std::u16string_view text) {
    if (text.find(u'!') == npos)
        return std::nullopt;
    std::u16string corrected(text);
    for (std::size_t mark = corrected.find(u'!'); mark != npos; mark = corrected.find(u'!')) {
        const std::size_t start = OperandBefore(corrected, mark);
        const std::u16string operand = corrected.substr(start, mark - start);
        corrected.replace(start, mark + 1 - start, u"fact(" + Trimmed(operand) + u")");
    }
    return Hint(FactorialMark, u"Use fact() for factorials", corrected, u"fact(5)");
}

// Each non-blank line ends an expression and the next begins one.
std::optional<SyntaxHint> MissingSemicolonHint(std::u16string_view text) {
    const std::vector<std::u16string> lines = NonBlankLines(text);
    if (lines.size() < 2)
        return std::nullopt;
    std::u16string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string& line = lines[i];
        if (!BracketsBalance(line) || IsOperator(line.back()) || line.back() == u',' || line.back() == u'>')
            return std::nullopt;
        if (i > 0) {
            const char16_t first = line.front();
            if (first == u'*' || first == u'/' || first == u'\u00F7' || first == u',' || IsSign(first))
                return std::nullopt;
            joined += u"; ";
        }
        joined += line;
    }
    return Hint(MissingSemicolon, u"Put ; between statements", joined, u"1+2; 3+4");
}

// A keyword or an unknown name with a bracket group, or a symbol function without one.
std::optional<SyntaxHint> FunctionNameHint(std::u16string_view text) {
    for (const Word& word : Words(text)) {
        const std::u16string_view name = text.substr(word.start, word.end - word.start);
        const std::size_t next = SkipSpaces(text, word.end);
        const bool bracket = next < text.size() && IsOpenBracket(text[next]);
        if (name.starts_with(kMemoryPrefix))
            continue;
        if (bracket && FindKeyword(name) != nullptr) {
            const std::size_t close = MatchingClose(text, next);
            if (close == npos)
                continue;
            const std::u16string advice = u"Write " + std::u16string(name) + u" without brackets";
            return Hint(KeywordCall, advice, Replaced(text, next, close + 1 - next, u""), name);
        }
        if (bracket && FindFunctionEntry(name) == nullptr) {
            const std::u16string_view nearest = NearestFunctionName(name);
            std::u16string advice = u"Unknown function " + std::u16string(name);
            if (nearest.empty())
                return SyntaxHint{UnknownFunction, advice + u"; the help lists every function"};
            return SyntaxHint{UnknownFunction, advice + u": did you mean " + std::u16string(nearest) + u"?"};
        }
        if (!bracket && name.size() == 1 && FindFunctionEntry(name) != nullptr && next < text.size()) {
            const std::size_t end = OperandAfter(text, next);
            if (end == next)
                continue;
            const std::u16string operand(text.substr(next, end - next));
            const std::u16string corrected = Replaced(text, next, end - next, u"(" + operand + u")");
            return Hint(MissingBrackets, u"Put the argument in brackets", corrected,
                        std::u16string(name) + u"(2)");
        }
    }
    return std::nullopt;
}

std::optional<SyntaxHint> UnbalancedBracketHint(std::u16string_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsOpenBracket(text[i]))
            ++depth;
        else if (IsCloseBracket(text[i]) && --depth < 0)
            return Hint(UnbalancedBracket, u"Remove the ) that no ( opens", Replaced(text, i, 1, u""),
                        u"(1+2)*3");
    }
    if (depth == 0)
        return std::nullopt;
    return Hint(UnbalancedBracket, u"Close every bracket",
                Trimmed(std::u16string(text)) + std::u16string(static_cast<std::size_t>(depth), u')'),
                u"(1+2)*3");
}

// 2*-3, 10**-5, 2+-3: the operand after the operator begins with a sign.
std::optional<SyntaxHint> SignAfterOperatorHint(std::u16string_view text) {
    const std::size_t first = SkipSpaces(text, 0);
    for (std::size_t i = first + 1; i < text.size(); ++i) {
        if (!IsOperator(text[i]) || IsExponentSign(text, i) || (i + 1 < text.size() && text[i + 1] == u'>'))
            continue;
        std::size_t sign = SkipSpaces(text, i + 1);
        if (text[i] == u'*' && sign < text.size() && text[sign] == u'*')
            sign = SkipSpaces(text, sign + 1);
        if (sign >= text.size() || !IsSign(text[sign]) || (sign + 1 < text.size() && text[sign + 1] == u'>'))
            continue;
        const std::size_t end = OperandAfter(text, sign + 1);
        if (end == sign + 1)
            continue;
        const std::u16string operand(text.substr(sign, end - sign));
        return Hint(SignAfterOperator, u"Put a sign after an operator in brackets",
                    Replaced(text, sign, end - sign, u"(" + operand + u")"), u"2*(-3)");
    }
    return std::nullopt;
}

// 2pi, 2(3+4), (1+2)(3+4), 3e: a number or a closing bracket directly before a name or a bracket.
std::optional<SyntaxHint> MissingMultiplicationHint(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t end;
        if (IsCloseBracket(text[i]))
            end = i + 1;
        else if (StartsNumber(text, i))
            end = NumberEnd(text, i);
        else
            continue;
        const std::size_t next = SkipSpaces(text, end);
        if (next < text.size() && (IsOpenBracket(text[next]) || IsNameStart(text[next]) ||
                                   (IsCloseBracket(text[i]) && IsDigit(text[next]))))
            return Hint(MissingMultiplication, u"Write * for products", Replaced(text, end, 0, u"*"),
                        u"2*pi");
        i = end - 1;
    }
    return std::nullopt;
}

// 1,5: a comma between digits where no argument list takes several values.
std::optional<SyntaxHint> DecimalCommaHint(std::u16string_view text) {
    std::u16string corrected(text);
    bool found = false;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != u',' || !IsDigit(text[i - 1]) || !IsDigit(text[i + 1]))
            continue;
        // Memory cell names may hold commas; several arguments are separated by them.
        const std::u16string_view name = EnclosingName(text, i);
        const FunctionEntry* call = FindFunctionEntry(name);
        if (name.starts_with(kMemoryPrefix) || (call != nullptr && ArgumentsOf(*call).most > 1))
            continue;
        corrected[i] = u'.';
        found = true;
    }
    if (!found)
        return std::nullopt;
    return Hint(DecimalComma, u"Write decimals with a point", corrected, u"1.5");
}

std::u16string CountText(ArgumentCount count) {
    auto number = [](int n) { return std::u16string(1, static_cast<char16_t>(u'0' + n)); };
    if (count.least == count.most)
        return number(count.least) + (count.least == 1 ? u" argument" : u" arguments");
    return number(count.least) + u" or " + number(count.most) + u" arguments";
}

std::optional<SyntaxHint> ArgumentCountHint(std::u16string_view text) {
    for (const Word& word : Words(text)) {
        const std::u16string_view name = text.substr(word.start, word.end - word.start);
        const FunctionEntry* entry = FindFunctionEntry(name);
        const std::size_t open = SkipSpaces(text, word.end);
        if (entry == nullptr || open >= text.size() || !IsOpenBracket(text[open]))
            continue;
        const std::size_t close = MatchingClose(text, open);
        if (close == npos)
            continue;
        const int given = CountArguments(text.substr(open + 1, close - open - 1));
        const ArgumentCount wanted = ArgumentsOf(*entry);
        if (given >= wanted.least && given <= wanted.most)
            continue;
        return SyntaxHint{WrongArgumentCount, std::u16string(name) + u" takes " + CountText(wanted) + u": " +
                                                  std::u16string(name) + u"(" +
                                                  std::u16string(entry->parameters) + u")"};
    }
    return std::nullopt;
}

using Detector = std::optional<SyntaxHint> (*)(std::u16string_view);

// In this order: a statement with several slips gets the hint of the first.
constexpr auto kDetectors = std::to_array<Detector>({
    &PowerCaretHint,
    &FactorialMarkHint,
    &MissingSemicolonHint,
    &FunctionNameHint,
    &UnbalancedBracketHint,
    &SignAfterOperatorHint,
    &MissingMultiplicationHint,
    &DecimalCommaHint,
    &ArgumentCountHint,
});

constexpr std::array kKinds = {PowerCaret,        FactorialMark,      MissingSemicolon,
                               KeywordCall,       UnknownFunction,    MissingBrackets,
                               UnbalancedBracket, SignAfterOperator,  MissingMultiplication,
                               DecimalComma,      WrongArgumentCount, UnclosedComment};

} // namespace

std::span<const HintKind> HintKinds() noexcept {
    return kKinds;
}

std::optional<SyntaxHint> FindSyntaxHint(std::u16string_view statement) {
    if (statement.size() > kLongestExplained)
        return std::nullopt;
    for (Detector detect : kDetectors) {
        if (auto hint = detect(statement))
            return hint;
    }
    return std::nullopt;
}

SyntaxHint UnclosedCommentHint() {
    return {UnclosedComment, u"Close the block comment with */: /* a comment */"};
}

} // namespace NCalculatorText
