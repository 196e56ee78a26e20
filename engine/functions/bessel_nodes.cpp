#include "engine/functions/bessel_nodes.h"

#include "engine/functions/unary_function_node.h"
#include "engine/nodes/vector_node.h"
#include "engine/state/engine_state.h"
#include "numeric/bessel.h"

namespace NCalculatorText {

namespace {

using NCalculatorMath::BesselStatus;

struct BesselFunction {
    Operation operation;
    bool singularAtZero; // Y and K have a singularity at z = 0
    Complex (*kernel)(const Complex&, double, BesselStatus&) noexcept;
};

constexpr BesselFunction kBesselJ{Operation::BesselJ, false, &NCalculatorMath::BesselJ};
constexpr BesselFunction kBesselY{Operation::BesselY, true, &NCalculatorMath::BesselY};
constexpr BesselFunction kBesselI{Operation::BesselI, false, &NCalculatorMath::BesselI};
constexpr BesselFunction kBesselK{Operation::BesselK, true, &NCalculatorMath::BesselK};

// The report of a kernel status; Normal has none.
void ReportBesselStatus(BesselStatus status, Complex value) noexcept {
    switch (status) {
    case BesselStatus::Normal:
        return;
    case BesselStatus::InputError:
        ReportStatus(StatusKind::NotDefined, value);
        return;
    case BesselStatus::Overflow:
        ReportStatus(StatusKind::Overflow, value);
        return;
    case BesselStatus::PartialLoss:
        ReportStatus(StatusKind::PartialLoss, value);
        return;
    case BesselStatus::TotalLoss:
        ReportStatus(StatusKind::TotalLoss, value);
        return;
    case BesselStatus::NoConvergence:
        ReportStatus(StatusKind::NoConvergence, value);
        return;
    case BesselStatus::Underflow:
        ReportStatus(StatusKind::Underflow, value);
        return;
    }
}

bool EvaluateBessel(CNode& node, const BesselFunction& function, Complex& result) {
    OperationScope scope(function.operation);
    CNode* arguments = VectorArgument(node, 2);
    if (arguments == nullptr) {
        ReportStatus(StatusKind::SyntaxError);
        return engineState.ok;
    }
    Complex order;
    if (!EvaluateChild(*arguments, 0, order))
        return false;
    if (order.im != 0.0) {
        ReportStatus(StatusKind::InvalidParameter);
        return engineState.ok;
    }
    if (!EvaluateChild(*arguments, 1, result))
        return false;
    if (function.singularAtZero && result.IsZero()) {
        ReportStatus(StatusKind::Singularity, result);
        return engineState.ok;
    }
    BesselStatus status;
    result = function.kernel(result, order.re, status);
    if (engineState.ok)
        ReportBesselStatus(status, result);
    return CheckFinite(result);
}

} // namespace

bool CNodeBesselJ::Evaluate(Complex& result) {
    return EvaluateBessel(*this, kBesselJ, result);
}

bool CNodeBesselY::Evaluate(Complex& result) {
    return EvaluateBessel(*this, kBesselY, result);
}

bool CNodeBesselI::Evaluate(Complex& result) {
    return EvaluateBessel(*this, kBesselI, result);
}

bool CNodeBesselK::Evaluate(Complex& result) {
    return EvaluateBessel(*this, kBesselK, result);
}

} // namespace NCalculatorText
