#include "engine/nodes/series_nodes.h"

#include <cmath>

#include "engine/nodes/complex_arithmetic.h"
#include "engine/nodes/variable_nodes.h"
#include "engine/nodes/vector_node.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

enum class SeriesKind { Sum, Product };

// Puts the index variable back to "uninitialised" however the series ends.
class IndexReset {
  public:
    explicit IndexReset(CNodeVariable& index) : index_(index) {}
    ~IndexReset() {
        index_.value = {};
        index_.uninitialised = true;
    }
    IndexReset(const IndexReset&) = delete;
    IndexReset& operator=(const IndexReset&) = delete;

  private:
    CNodeVariable& index_;
};

CNode* SeriesArguments(CNode& node) noexcept {
    if (CNode* vector = VectorArgument(node, 4))
        return vector;
    return VectorArgument(node, 5);
}

// The series would never end: an infinite bound, or a step too small to move an
// index of the bounds' size.
bool IndexStalls(double from, double to, double step) noexcept {
    const double largest = std::fmax(std::fabs(from), std::fabs(to));
    return !std::isfinite(largest) || largest + std::fabs(step) == largest;
}

bool AccumulateTerm(SeriesKind kind, Complex term, Complex& accumulator) {
    if (kind == SeriesKind::Product)
        return ComplexMultiply(accumulator, term, accumulator);
    accumulator = {accumulator.re + term.re, accumulator.im + term.im};
    if (!std::isfinite(accumulator.re) || !std::isfinite(accumulator.im))
        ReportStatus(StatusKind::Overflow);
    return engineState.ok;
}

bool EvaluateSeries(CNode& node, SeriesKind kind, Complex& result) {
    OperationScope scope(kind == SeriesKind::Sum ? Operation::SeriesSum : Operation::SeriesProduct);
    CNode* arguments = SeriesArguments(node);
    if (arguments == nullptr) {
        ReportStatus(StatusKind::SyntaxError);
        return engineState.ok;
    }
    std::vector<std::unique_ptr<CNode>>& elements = arguments->children;
    const bool hasStep = elements.size() == 5;

    Complex from, to, step{1.0, 0.0};
    if (!EvaluateChild(*arguments, 1, from) || !EvaluateChild(*arguments, 2, to))
        return false;
    if (hasStep && !EvaluateChild(*arguments, 3, step))
        return false;
    if (from.im != 0.0 || to.im != 0.0 || step.im != 0.0) {
        ReportStatus(StatusKind::InvalidParameter);
        return engineState.ok;
    }
    if ((from.re > to.re && step.re > 0.0) || (from.re <= to.re && step.re < 0.0))
        step.re = -step.re;

    auto* reference = dynamic_cast<CNodeVariableReference*>(elements.front().get());
    if (reference == nullptr || step.re == 0.0) {
        ReportStatus(StatusKind::SyntaxError);
        return engineState.ok;
    }
    if (IndexStalls(from.re, to.re, step.re)) {
        ReportStatus(StatusKind::InvalidParameter);
        return engineState.ok;
    }

    CNodeVariable& index = reference->Variable();
    IndexReset reset(index);
    CNode& expression = *elements.back();
    const bool ascending = step.re > 0.0;
    Complex accumulator = kind == SeriesKind::Sum ? Complex{0.0, 0.0} : Complex{1.0, 0.0};
    double t = from.re;
    do {
        if (engineState.seriesTermsLeft == 0) {
            ReportStatus(StatusKind::InvalidParameter);
            break;
        }
        if (StopRequested()) {
            ReportStatus(StatusKind::Stopped);
            break;
        }
        --engineState.seriesTermsLeft;
        index.value = {t, 0.0};
        index.uninitialised = false;
        Complex term;
        if (!expression.Evaluate(term) || !AccumulateTerm(kind, term, accumulator))
            break;
        t += step.re;
    } while (ascending ? t <= to.re : t >= to.re);

    if (engineState.ok)
        result = accumulator;
    return engineState.ok;
}

} // namespace

bool CNodeSum::Evaluate(Complex& result) {
    return EvaluateSeries(*this, SeriesKind::Sum, result);
}

bool CNodeProduct::Evaluate(Complex& result) {
    return EvaluateSeries(*this, SeriesKind::Product, result);
}

} // namespace NCalculatorText
