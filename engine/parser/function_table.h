#pragma once
// Every function name of the language and the node it builds. Names are
// case-sensitive; both notations are accepted at all times.

#include <memory>
#include <string_view>

namespace NCalculatorText {

class CNode;

using NodeFactory = std::unique_ptr<CNode> (*)();

// The factory of a function name; nullptr for a name that is not a function or
// whose node does not exist in this build (the recognizer then declines).
NodeFactory FindFunction(std::u16string_view name) noexcept;

// The longest function name, in code units.
inline constexpr std::size_t kLongestFunctionName = 13;

} // namespace NCalculatorText
