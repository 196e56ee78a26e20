#pragma once
// The chain of recognizers, tried in a fixed order on an operand whose bracket
// groups are placeholders and whose spaces are gone. Their order and the side on
// which each splits give the operators' precedence and left associativity.

#include <memory>
#include <string_view>

namespace NCalculatorText {

class CNode;

// The node of the first recognizer that accepts the operand, with its argument
// texts set (not yet parsed), or nullptr. An identifier may give `current` a
// variable map.
std::unique_ptr<CNode> Recognize(std::u16string_view operand, CNode& current);

// The memory-cell recognizer alone: the target of a store must be a cell.
std::unique_ptr<CNode> RecognizeMemoryCell(std::u16string_view operand);

// Position of the binary "+" or "-" that splits the operand (the later one wins),
// or npos. Exponent signs (as in 2e-3) and a sign in the first position are not binary.
std::size_t FindBinarySign(std::u16string_view operand) noexcept;

// Position of the "*" (not part of "**"), "/" or U+00F7 that splits the operand
// (the later one wins), or npos.
std::size_t FindMultiplyOrDivide(std::u16string_view operand) noexcept;

} // namespace NCalculatorText
