#pragma once
// The hyperbolic functions and their inverses, always in radians; the inverses give
// principal values.

#include "engine/functions/unary_function_node.h"
#include "numeric/elementary.h"
#include "numeric/inverse.h"

namespace NCalculatorText {

namespace math = NCalculatorMath;

inline constexpr UnaryFunction kHyperbolicSine{Operation::HyperbolicSine, SingularPoints::None,
                                               AngleRole::None, &math::Sh};
inline constexpr UnaryFunction kHyperbolicCosine{Operation::HyperbolicCosine, SingularPoints::None,
                                                 AngleRole::None, &math::Ch};
inline constexpr UnaryFunction kHyperbolicTangent{Operation::HyperbolicTangent, SingularPoints::None,
                                                  AngleRole::None, &math::Th};
inline constexpr UnaryFunction kHyperbolicCotangent{Operation::HyperbolicCotangent, SingularPoints::Zero,
                                                    AngleRole::None, &math::Cth};
inline constexpr UnaryFunction kArchyperbolicSine{Operation::ArchyperbolicSine, SingularPoints::None,
                                                  AngleRole::None, &math::ArSh};
inline constexpr UnaryFunction kArchyperbolicCosine{Operation::ArchyperbolicCosine, SingularPoints::None,
                                                    AngleRole::None, &math::ArCh};
inline constexpr UnaryFunction kArchyperbolicTangent{
    Operation::ArchyperbolicTangent, SingularPoints::PlusMinusOne, AngleRole::None, &math::ArTh};
inline constexpr UnaryFunction kArchyperbolicCotangent{
    Operation::ArchyperbolicCotangent, SingularPoints::PlusMinusOne, AngleRole::None, &math::ArCth};
inline constexpr UnaryFunction kArchyperbolicSecant{Operation::ArchyperbolicSecant, SingularPoints::Zero,
                                                    AngleRole::None, &math::ArSch};
inline constexpr UnaryFunction kArchyperbolicCosecant{Operation::ArchyperbolicCosecant, SingularPoints::Zero,
                                                      AngleRole::None, &math::ArCsch};

class CNodeSh final : public CUnaryFunctionNode<kHyperbolicSine> {};
class CNodeCh final : public CUnaryFunctionNode<kHyperbolicCosine> {};
class CNodeTh final : public CUnaryFunctionNode<kHyperbolicTangent> {};
class CNodeCth final : public CUnaryFunctionNode<kHyperbolicCotangent> {};
class CNodeArSh final : public CUnaryFunctionNode<kArchyperbolicSine> {};
class CNodeArCh final : public CUnaryFunctionNode<kArchyperbolicCosine> {};
class CNodeArTh final : public CUnaryFunctionNode<kArchyperbolicTangent> {};
class CNodeArCth final : public CUnaryFunctionNode<kArchyperbolicCotangent> {};
class CNodeArSch final : public CUnaryFunctionNode<kArchyperbolicSecant> {};
class CNodeArCsch final : public CUnaryFunctionNode<kArchyperbolicCosecant> {};

} // namespace NCalculatorText
