#include "engine/parser/parcer.h"

#include <algorithm>

#include "engine/core/format.h"
#include "engine/nodes/node.h"
#include "engine/parser/bracket_store.h"
#include "engine/parser/recognizers.h"

namespace NCalculatorText {

namespace {

// Parsing, evaluation and destruction recurse once per tree level, so deeper
// statements are refused before they can exhaust the stack.
constexpr int kMaxTreeDepth = 2000;

// Every level copies and searches its operand; a statement that would need more
// work than this (in code units) is refused rather than left to run for minutes.
constexpr std::size_t kWorkBudget = std::size_t{1} << 27;

struct ParseLimits {
    int depth = 0;
    std::size_t work = 0;
};

ParseLimits limits;

class DepthGuard {
  public:
    DepthGuard() noexcept { ++limits.depth; }
    ~DepthGuard() { --limits.depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool Exceeded() const noexcept { return limits.depth > kMaxTreeDepth; }
};

bool IsLineBreakOrTab(char16_t unit) noexcept {
    return unit == u'\t' || unit == u'\n' || unit == u'\r';
}

bool IsWhiteSpace(char16_t unit) noexcept {
    return unit == u' ' || IsLineBreakOrTab(unit) || unit == u'\v' || unit == u'\f';
}

char16_t Normalized(char16_t unit) noexcept {
    switch (unit) {
    case u'[':
    case u'{':
        return u'(';
    case u']':
    case u'}':
        return u')';
    case kMinusSign:
        return u'-';
    default:
        return unit;
    }
}

} // namespace

bool CParcer::ParseText(std::u16string_view statement) {
    bracketStore.Clear();
    limits = {};

    while (!statement.empty() && IsWhiteSpace(statement.front()))
        statement.remove_prefix(1);
    while (!statement.empty() && IsWhiteSpace(statement.back()))
        statement.remove_suffix(1);
    std::u16string text;
    text.reserve(statement.size());
    for (char16_t unit : statement) {
        if (!IsLineBreakOrTab(unit))
            text.push_back(Normalized(unit));
    }
    if (text.find(u'$') != std::u16string::npos)
        return false;

    CNode& root = *GetNode();
    root.arguments = {std::move(text)};
    return root.ParseArguments();
}

bool CParcer::ParseOperand(std::u16string& operand) {
    CNode& current = *GetNode();
    while (true) {
        limits.work += operand.size();
        if (limits.work > kWorkBudget)
            return false;
        ReplaceBracketGroups(operand);
        std::erase(operand, u' ');
        if (auto node = Recognize(operand, current)) {
            node->variableMap = current.variableMap;
            current.children.push_back(std::move(node));
            return true;
        }
        // Redundant brackets: parse their content in their place.
        std::u16string content;
        if (!bracketStore.TakeGroup(operand, content))
            return false;
        operand = std::move(content);
    }
}

bool CParcer::ParseChild(std::u16string& operand) {
    DepthGuard guard;
    if (guard.Exceeded() || !ParseOperand(operand))
        return false;
    return GetNode()->children.back()->ParseArguments();
}

} // namespace NCalculatorText
