#pragma once
// Floor, ceiling, real and imaginary part, argument and conjugate: no operation of
// their own, no checks.

#include "engine/nodes/node.h"

namespace NCalculatorText {

struct ComponentFunction {
    Complex (*apply)(const Complex&) noexcept;
};

bool EvaluateComponentFunction(CNode& node, const ComponentFunction& function, Complex& result);

template <const ComponentFunction& function> class CComponentNode : public CNode {
  public:
    bool Evaluate(Complex& result) override { return EvaluateComponentFunction(*this, function, result); }
};

Complex FloorParts(const Complex& z) noexcept;
Complex CeilParts(const Complex& z) noexcept;
Complex RealPart(const Complex& z) noexcept;
Complex ImaginaryPart(const Complex& z) noexcept;
// Always in radians; a zero imaginary part counts as +0, so arg(-1) is pi.
Complex ArgumentOf(const Complex& z) noexcept;
Complex Conjugate(const Complex& z) noexcept;

inline constexpr ComponentFunction kFloor{&FloorParts};
inline constexpr ComponentFunction kCeil{&CeilParts};
inline constexpr ComponentFunction kRealPart{&RealPart};
inline constexpr ComponentFunction kImaginaryPart{&ImaginaryPart};
inline constexpr ComponentFunction kArgument{&ArgumentOf};
inline constexpr ComponentFunction kConjugate{&Conjugate};

class CNodeFloor final : public CComponentNode<kFloor> {};
class CNodeCeil final : public CComponentNode<kCeil> {};
class CNodeRe final : public CComponentNode<kRealPart> {};
class CNodeIm final : public CComponentNode<kImaginaryPart> {};
class CNodeArg final : public CComponentNode<kArgument> {};
class CNodeConjugate final : public CComponentNode<kConjugate> {};

} // namespace NCalculatorText
