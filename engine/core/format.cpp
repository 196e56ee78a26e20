#include "engine/core/format.h"

#include <cmath>

namespace NCalculatorText {

namespace {

void AppendNumber(std::u16string& out, double x, NumberFormat format) {
    for (char c : FormatDouble(x, format))
        out.push_back(c == '-' ? kMinusSign : static_cast<char16_t>(c));
}

// "L", or "L*|im|" when the magnitude is not exactly one.
void AppendImaginary(std::u16string& out, double magnitude, const ComplexFormat& format) {
    out.push_back(format.imaginaryLetter);
    if (magnitude == 1.0)
        return;
    out.push_back(format.multiplication == MultiplicationSign::AsteriskOperator ? kAsteriskOperator : u'*');
    AppendNumber(out, magnitude, format.number);
}

} // namespace

std::u16string FormatComplex(Complex value, const ComplexFormat& format) {
    std::u16string out;
    const double re = value.re;
    const double im = value.im;
    if (re != 0.0) { // NaN included
        AppendNumber(out, re, format.number);
        if (im == 0.0)
            return out;
        if (format.spacedSign)
            out.push_back(u' ');
        out.push_back(im < 0.0 ? kMinusSign : u'+');
        if (format.spacedSign)
            out.push_back(u' ');
        AppendImaginary(out, std::fabs(im), format);
        return out;
    }
    if (im < 0.0) {
        out.push_back(kMinusSign);
        AppendImaginary(out, -im, format);
    } else if (im > 0.0) {
        AppendImaginary(out, im, format);
    } else {
        out.push_back(u'0');
    }
    return out;
}

ComplexFormat ResultFormat(char16_t imaginaryLetter) {
    return {NumberFormat::Short, imaginaryLetter, MultiplicationSign::Asterisk, false};
}

ComplexFormat MessageFormat(char16_t imaginaryLetter) {
    return {NumberFormat::Short, imaginaryLetter, MultiplicationSign::AsteriskOperator, false};
}

ComplexFormat DisplayFormat(char16_t imaginaryLetter) {
    return {NumberFormat::Short, imaginaryLetter, MultiplicationSign::AsteriskOperator, true};
}

ComplexFormat MemoryFileFormat() {
    return {NumberFormat::Full, u'i', MultiplicationSign::Asterisk, false};
}

} // namespace NCalculatorText
