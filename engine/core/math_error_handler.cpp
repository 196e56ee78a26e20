#include "engine/core/math_error_handler.h"

#include "engine/core/status.h"

namespace NCalculatorText {

int OnMathError(NCalculatorMath::MathErrorRecord& record) {
    using NCalculatorMath::MathErrorType;
    switch (static_cast<MathErrorType>(record.type)) {
    case MathErrorType::Domain:
        ReportStatus(StatusKind::NotDefined, {record.arg1, 0.0});
        break;
    case MathErrorType::Singularity:
        ReportStatus(StatusKind::Singularity, {record.arg1, 0.0});
        break;
    case MathErrorType::Overflow:
        ReportStatus(StatusKind::Overflow, {record.retval, 0.0});
        break;
    case MathErrorType::Underflow:
        ReportStatus(StatusKind::Underflow, {record.retval, 0.0});
        break;
    case MathErrorType::TotalLoss:
        ReportStatus(StatusKind::TotalLoss, {record.retval, 0.0});
        break;
    case MathErrorType::PartialLoss:
        ReportStatus(StatusKind::PartialLoss, {record.retval, 0.0});
        break;
    }
    return 1;
}

} // namespace NCalculatorText
