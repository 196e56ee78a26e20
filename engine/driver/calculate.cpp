#include "engine/driver/calculate.h"

#include "engine/core/format.h"
#include "engine/core/run_log.h"
#include "engine/driver/statement_bounds.h"
#include "engine/nodes/node.h"
#include "engine/parser/syntax_hints.h"

namespace NCalculatorText {

namespace {

void ResetEngine(const CalculationOptions& options) {
    engineState.ok = true;
    engineState.currentOperation = Operation::None;
    engineState.lastStatus = StatusKind::NoStatus;
    engineState.suppressOverflow = false;
    engineState.angleUnit = options.angleUnit;
    engineState.imaginaryLetter = options.imaginaryLetter;
    engineState.seriesTermsLeft = options.seriesTermLimit == 0 ? UINT64_MAX : options.seriesTermLimit;
    engineState.stopRequest = options.stopRequest;
    engineState.statementStart = -1;
    BeginRunLog();
}

// After a syntax error (or the "Not supported" of a decimal comma), the log explains
// the slip it recognises.
void ExplainSyntaxError(std::u16string_view expression) {
    const StatusKind last = engineState.lastStatus;
    if (last != StatusKind::SyntaxError && last != StatusKind::NotSupported)
        return;
    if (const std::optional<SyntaxHint> hint = FindSyntaxHint(expression))
        ReportHint(hint->text);
}

// Parses and evaluates one expression; every problem has been reported on false.
bool EvaluateExpression(std::u16string_view expression, Complex& value) {
    if (StopRequested()) {
        ReportStatus(StatusKind::Stopped);
        return false;
    }
    CNode root;
    if (!root.ParseText(expression))
        ReportStatus(StatusKind::SyntaxError);
    else if (root.children.front()->Evaluate(value))
        return true;
    ExplainSyntaxError(expression);
    return false;
}

// Builds the rewritten text in one pass: the edits of each statement come after those
// of the statements before it, so the text is never copied per statement.
class Rewriter {
  public:
    Rewriter(const std::u16string& text, const std::u16string& copy) : text_(text), copy_(copy) {
        out_.reserve(text.size() + text.size() / 4 + 16);
    }

    // Copies the text up to position `end`, unchanged.
    void CopyTo(std::size_t end) {
        out_.append(text_, consumed_, end - consumed_);
        consumed_ = end;
    }
    // Copies the text up to `end` without the characters that the working copy does not
    // show as white space (the old "=" and result; comments and white space stay).
    void CopyWhiteTo(std::size_t end) {
        for (std::size_t i = consumed_; i < end; ++i) {
            if (IsWhiteSpace(copy_[i]))
                out_.push_back(text_[i]);
        }
        consumed_ = end;
    }
    void Insert(std::u16string_view inserted) { out_.append(inserted); }

    // Position in the rewritten text of a position not yet consumed.
    std::size_t Shifted(std::size_t position) const { return position + out_.size() - consumed_; }

    std::u16string Finish() {
        CopyTo(text_.size());
        return std::move(out_);
    }

  private:
    const std::u16string& text_;
    const std::u16string& copy_;
    std::u16string out_;
    std::size_t consumed_ = 0;
};

TextRange RangeOf(std::size_t start, std::size_t end) {
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

bool RunStatements(std::u16string& text, const std::u16string& copy, int& caret, TextRange& failed) {
    const bool all = caret < 0;
    const std::size_t caretPosition =
        all ? 0 : CaretStatementPosition(text, copy, static_cast<std::size_t>(caret));
    Rewriter rewriter(text, copy);
    std::size_t next = 0;
    while (true) {
        // Statements are the runs between ";": empty ones are never seen.
        const std::size_t start = copy.find_first_not_of(u';', next);
        if (start == std::u16string::npos)
            break;
        std::size_t end = copy.find(u';', start);
        end = StatementEnd(text, copy, start, end == std::u16string::npos ? copy.size() : end);
        next = end;
        if (!all && (caretPosition < start || caretPosition > end))
            continue;

        // E: where "=" goes; R: where the result goes (just after the white space
        // that followed an old "=").
        const std::u16string_view statement = std::u16string_view(copy).substr(start, end - start);
        const std::optional<ResultPlace> place = LocateResult(statement);
        if (!place)
            continue; // white space or comments only
        const std::size_t first = start + statement.find_first_not_of(u" \t\r\n");
        rewriter.CopyTo(start + place->equals);
        const std::size_t firstOut = rewriter.Shifted(first);
        engineState.statementStart = static_cast<int>(firstOut);
        Complex value;
        if (!EvaluateExpression(statement.substr(0, place->equals), value)) {
            std::size_t expressionEnd = start + place->equals;
            while (expressionEnd > first && IsWhiteSpace(copy[expressionEnd - 1]))
                --expressionEnd;
            failed = RangeOf(firstOut, rewriter.Shifted(expressionEnd));
            rewriter.CopyWhiteTo(end);
            text = rewriter.Finish();
            return false;
        }
        engineState.previousResult = value;
        rewriter.Insert(u"=");
        rewriter.CopyWhiteTo(start + place->result);
        rewriter.Insert(FormatComplex(value, ResultFormat(engineState.imaginaryLetter)));
        rewriter.CopyWhiteTo(end);
        if (all)
            continue;

        // Just after the ";" that ends the statement, or where its line or the text ends.
        const bool semicolon = end < copy.size() && copy[end] == u';';
        const std::size_t newCaret = rewriter.Shifted(end) + (semicolon ? 1 : 0);
        text = rewriter.Finish();
        caret = static_cast<int>(newCaret);
        return true;
    }
    text = rewriter.Finish();
    caret = static_cast<int>(text.size());
    return true;
}

} // namespace

AngleUnit AngleUnitFromPreference(int trigonometricUnits) noexcept {
    switch (trigonometricUnits) {
    case 1:
        return AngleUnit::Degrees;
    case 2:
        return AngleUnit::Grads;
    default:
        return AngleUnit::Radians;
    }
}

char16_t ImaginaryLetterFromPreference(int formatI) noexcept {
    return formatI == 1 ? u'j' : u'i';
}

bool Calculate(std::u16string& text, int& caret, const CalculationOptions& options,
               TextRange* failedStatement) {
    std::u16string copy = text;
    TextRange failed;
    ResetEngine(options);
    bool ok;
    if (!StripComments(copy)) {
        // Comments before the unclosed one are blanked already: it is the first opener left.
        const std::size_t opener = copy.find(u"/*");
        engineState.statementStart = static_cast<int>(opener);
        ReportStatus(StatusKind::SyntaxError);
        ReportHint(UnclosedCommentHint().text);
        failed = RangeOf(opener, text.size());
        ok = false;
    } else {
        ok = RunStatements(text, copy, caret, failed);
    }
    engineState.statementStart = -1;
    EndRunLog();
    engineState.stopRequest = nullptr;
    if (failedStatement != nullptr)
        *failedStatement = failed;
    return ok;
}

bool Calculate(DecodedText& file, int& caret, const CalculationOptions& options, TextRange* failedStatement) {
    if (file.encoding != TextEncoding::Unreadable)
        return Calculate(file.text, caret, options, failedStatement);
    if (failedStatement != nullptr)
        *failedStatement = {};
    ResetEngine(options);
    engineState.ok = false;
    LogRunMessage(LogKind::Error, OperationName(Operation::None), true,
                  [] { return std::u16string(kUnreadableEncodingText); });
    EndRunLog();
    engineState.stopRequest = nullptr;
    return false;
}

} // namespace NCalculatorText
