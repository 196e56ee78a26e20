#pragma once
// Sine, cosine, tangent, cotangent and the six circular inverses. The angle unit
// applies to the arguments of the direct functions and to the results of the inverses.

#include "engine/functions/unary_function_node.h"
#include "numeric/elementary.h"
#include "numeric/inverse.h"

namespace NCalculatorText {

namespace math = NCalculatorMath;

inline constexpr UnaryFunction kSine{Operation::Sine, SingularPoints::None, AngleRole::Argument, &math::Sin};
inline constexpr UnaryFunction kCosine{Operation::Cosine, SingularPoints::None, AngleRole::Argument,
                                       &math::Cos};
inline constexpr UnaryFunction kTangent{Operation::Tangent, SingularPoints::None, AngleRole::Argument,
                                        &math::Tg};
inline constexpr UnaryFunction kCotangent{Operation::Cotangent, SingularPoints::Zero, AngleRole::Argument,
                                          &math::Ctg};
inline constexpr UnaryFunction kArcsine{Operation::Arcsine, SingularPoints::None, AngleRole::Result,
                                        &math::ArcSin};
inline constexpr UnaryFunction kArccosine{Operation::Arccosine, SingularPoints::None, AngleRole::Result,
                                          &math::ArcCos};
inline constexpr UnaryFunction kArctangent{Operation::Arctangent, SingularPoints::PlusMinusI,
                                           AngleRole::Result, &math::ArcTg};
inline constexpr UnaryFunction kArccotangent{Operation::Arccotangent, SingularPoints::PlusMinusI,
                                             AngleRole::Result, &math::ArcCtg};
inline constexpr UnaryFunction kArcsecant{Operation::Arcsecant, SingularPoints::Zero, AngleRole::Result,
                                          &math::ArcSec};
inline constexpr UnaryFunction kArccosecant{Operation::Arccosecant, SingularPoints::Zero, AngleRole::Result,
                                            &math::ArcCosec};

class CNodeSin final : public CUnaryFunctionNode<kSine> {};
class CNodeCos final : public CUnaryFunctionNode<kCosine> {};
class CNodeTg final : public CUnaryFunctionNode<kTangent> {};
class CNodeCtg final : public CUnaryFunctionNode<kCotangent> {};
class CNodeArcSin final : public CUnaryFunctionNode<kArcsine> {};
class CNodeArcCos final : public CUnaryFunctionNode<kArccosine> {};
class CNodeArcTg final : public CUnaryFunctionNode<kArctangent> {};
class CNodeArcCtg final : public CUnaryFunctionNode<kArccotangent> {};
class CNodeArcSec final : public CUnaryFunctionNode<kArcsecant> {};
class CNodeArcCosec final : public CUnaryFunctionNode<kArccosecant> {};

} // namespace NCalculatorText
