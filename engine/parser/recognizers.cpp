#include "engine/parser/recognizers.h"

#include <array>

#include "engine/nodes/arithmetic_nodes.h"
#include "engine/nodes/memory_nodes.h"
#include "engine/nodes/number_nodes.h"
#include "engine/nodes/variable_nodes.h"
#include "engine/nodes/vector_node.h"
#include "engine/parser/function_table.h"
#include "engine/parser/keyword_table.h"

namespace NCalculatorText {

namespace {

constexpr char16_t kDivisionSign = u'\u00F7';
constexpr std::u16string_view kPowerOperator = u"**";
constexpr std::u16string_view kStoreArrow = u"->";

template <class Node> std::unique_ptr<CNode> MakeNode(std::vector<std::u16string> arguments) {
    auto node = std::make_unique<Node>();
    node->arguments = std::move(arguments);
    return node;
}

std::unique_ptr<CNode> WithArguments(std::unique_ptr<CNode> node, std::vector<std::u16string> arguments) {
    node->arguments = std::move(arguments);
    return node;
}

std::vector<std::u16string> SplitAround(std::u16string_view text, std::size_t position, std::size_t length) {
    return {std::u16string(text.substr(0, position)), std::u16string(text.substr(position + length))};
}

bool IsDigit(char16_t unit) noexcept {
    return unit >= u'0' && unit <= u'9';
}

bool IsSign(char16_t unit) noexcept {
    return unit == u'+' || unit == u'-';
}

// A comma list: "a,b,,c" becomes a vector of its non-empty pieces. Commas bind loosest.
std::unique_ptr<CNode> RecognizeVector(std::u16string_view text, CNode&) {
    if (text.find(u',') == std::u16string_view::npos)
        return nullptr;
    std::vector<std::u16string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(u',', start);
        if (comma == std::u16string_view::npos)
            comma = text.size();
        if (comma > start)
            pieces.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return MakeNode<CNodeVector>(std::move(pieces));
}

// A store: split at the last arrow. (The minus sign U+2212 was turned into "-" before.)
std::unique_ptr<CNode> RecognizeStore(std::u16string_view text, CNode&) {
    const std::size_t arrow = text.rfind(kStoreArrow);
    if (arrow == std::u16string_view::npos)
        return nullptr;
    return MakeNode<CNodeStore>(SplitAround(text, arrow, kStoreArrow.size()));
}

// A sum or difference: split at the last binary sign, so that a - b - c groups to the left.
std::unique_ptr<CNode> RecognizePlusMinus(std::u16string_view text, CNode&) {
    const std::size_t sign = FindBinarySign(text);
    if (sign == std::u16string_view::npos)
        return nullptr;
    auto arguments = SplitAround(text, sign, 1);
    if (text[sign] == u'+')
        return MakeNode<CNodePlus>(std::move(arguments));
    return MakeNode<CNodeMinus>(std::move(arguments));
}

// A leading minus: the change of sign covers everything after it.
std::unique_ptr<CNode> RecognizeChangeSign(std::u16string_view text, CNode&) {
    if (text.empty() || text.front() != u'-')
        return nullptr;
    return MakeNode<CNodeChangeSign>({std::u16string(text.substr(1))});
}

// A product or quotient: split at the last "*", "/" or division sign, grouping to the left.
std::unique_ptr<CNode> RecognizeMultiplyDivide(std::u16string_view text, CNode&) {
    const std::size_t sign = FindMultiplyOrDivide(text);
    if (sign == std::u16string_view::npos)
        return nullptr;
    auto arguments = SplitAround(text, sign, 1);
    if (text[sign] == u'*')
        return MakeNode<CNodeMul>(std::move(arguments));
    return MakeNode<CNodeDiv>(std::move(arguments));
}

// The operator form of pow, split at the last "**".
std::unique_ptr<CNode> RecognizePowerOperator(std::u16string_view text, CNode&) {
    const std::size_t power = text.rfind(kPowerOperator);
    const NodeFactory make = FindFunction(u"pow");
    if (power == std::u16string_view::npos || make == nullptr)
        return nullptr;
    return WithArguments(make(), SplitAround(text, power, kPowerOperator.size()));
}

// A function name directly followed by its bracket group.
std::unique_ptr<CNode> RecognizeFunction(std::u16string_view text, CNode&) {
    const std::size_t dollar = text.find(u'$');
    if (dollar == std::u16string_view::npos || dollar == 0 || dollar > kLongestFunctionName)
        return nullptr;
    const NodeFactory make = FindFunction(text.substr(0, dollar));
    if (make == nullptr)
        return nullptr;
    return WithArguments(make(), {std::u16string(text.substr(dollar))});
}

// Constants, keywords and numbers.
std::unique_ptr<CNode> RecognizeConstantOrNumber(std::u16string_view operand, CNode&) {
    std::u16string_view text = operand;
    if (text.empty())
        return nullptr;
    const bool plusRemoved = text.front() == u'+';
    if (plusRemoved)
        text.remove_prefix(1);

    if (const NodeFactory make = FindKeyword(text))
        return make();

    std::u16string shape(text);
    if (!plusRemoved && !shape.empty() && shape.front() == u'-')
        shape.erase(0, 1);
    const std::size_t exponent = shape.find(u'e');
    if (exponent != std::u16string::npos) {
        if (exponent + 1 == shape.size())
            return nullptr;
        const bool signFollows = IsSign(shape[exponent + 1]);
        shape.erase(exponent, signFollows ? 2 : 1);
    }
    const std::size_t point = shape.find_first_of(u".,");
    if (point != std::u16string::npos) {
        if (exponent != std::u16string::npos && point >= exponent)
            return nullptr;
        shape.erase(point, 1);
    }
    if (shape.empty())
        return nullptr;
    for (char16_t unit : shape) {
        if (!IsDigit(unit))
            return nullptr;
    }
    return MakeNode<CNodeNumber>({std::u16string(operand)});
}

// An identifier names a series index variable of the map in effect.
std::unique_ptr<CNode> RecognizeIdentifier(std::u16string_view text, CNode& current) {
    auto isLower = [](char16_t unit) { return unit >= u'a' && unit <= u'z'; };
    if (text.empty() || !(text.front() == u'_' || isLower(text.front())))
        return nullptr;
    for (char16_t unit : text) {
        if (!(unit == u'_' || isLower(unit) || IsDigit(unit)))
            return nullptr;
    }
    std::unique_ptr<CNodeVariable>& variable = current.EnsureVariableMap()[std::u16string(text)];
    if (variable == nullptr)
        variable = std::make_unique<CNodeVariable>();
    return std::make_unique<CNodeVariableReference>(*variable);
}

std::unique_ptr<CNode> RecognizeMemory(std::u16string_view text, CNode&) {
    return RecognizeMemoryCell(text);
}

using Recognizer = std::unique_ptr<CNode> (*)(std::u16string_view, CNode&);

// Tried in this order: the first that recognises an operand builds its node, so the order
// gives the operators their precedence.
constexpr std::array<Recognizer, 10> kRecognizers = {
    &RecognizeVector,           &RecognizeStore,         &RecognizePlusMinus, &RecognizeChangeSign,
    &RecognizeMultiplyDivide,   &RecognizePowerOperator, &RecognizeFunction,  &RecognizeMemory,
    &RecognizeConstantOrNumber, &RecognizeIdentifier,
};

} // namespace

std::size_t FindBinarySign(std::u16string_view text) noexcept {
    for (std::size_t i = text.size(); i-- > 0;) {
        if (!IsSign(text[i]))
            continue;
        if (i == 0)
            return std::u16string_view::npos;
        const bool exponentSign =
            text[i - 1] == u'e' && i >= 2 && (IsDigit(text[i - 2]) || text[i - 2] == u'.');
        if (!exponentSign)
            return i;
    }
    return std::u16string_view::npos;
}

std::size_t FindMultiplyOrDivide(std::u16string_view text) noexcept {
    std::size_t multiply = std::u16string_view::npos;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] != u'*')
            continue;
        if (i > 0 && text[i - 1] == u'*') {
            --i; // part of "**": skip the pair
            continue;
        }
        multiply = i;
        break;
    }
    const std::size_t slash = text.rfind(u'/');
    const std::size_t division = text.rfind(kDivisionSign);
    std::size_t divide = slash;
    if (divide == std::u16string_view::npos || (division != std::u16string_view::npos && division > divide))
        divide = division;
    if (multiply == std::u16string_view::npos)
        return divide;
    if (divide == std::u16string_view::npos)
        return multiply;
    return std::max(multiply, divide);
}

std::unique_ptr<CNode> RecognizeMemoryCell(std::u16string_view text) {
    if (text.size() <= 2 || !text.starts_with(kMemoryPrefix))
        return nullptr;
    const std::size_t prefix =
        text.starts_with(kMemoryLongPrefix) ? kMemoryLongPrefix.size() : kMemoryPrefix.size();
    return MakeNode<CNodeMemory>({std::u16string(text.substr(prefix))});
}

std::unique_ptr<CNode> Recognize(std::u16string_view operand, CNode& current) {
    for (Recognizer recognize : kRecognizers) {
        if (auto node = recognize(operand, current))
            return node;
    }
    return nullptr;
}

} // namespace NCalculatorText
