#pragma once
// The one formatter of values. Its text is valid input for the parser again.

#include <string>

#include "engine/core/number_text.h"
#include "numeric/complex.h"

namespace NCalculatorText {

inline constexpr char16_t kMinusSign = u'\u2212';
inline constexpr char16_t kAsteriskOperator = u'\u2217';

enum class MultiplicationSign {
    Asterisk,         // "*": results and memory files
    AsteriskOperator, // U+2217: log messages and panes
};

struct ComplexFormat {
    NumberFormat number = NumberFormat::Short;
    char16_t imaginaryLetter = u'i';
    MultiplicationSign multiplication = MultiplicationSign::Asterisk;
    bool spacedSign = false; // one space each side of the sign joining the parts
};

std::u16string FormatComplex(Complex value, const ComplexFormat& format);

// The four uses of the formatter.
ComplexFormat ResultFormat(char16_t imaginaryLetter);  // written after "=" in the text
ComplexFormat MessageFormat(char16_t imaginaryLetter); // quoted in a log message
ComplexFormat DisplayFormat(char16_t imaginaryLetter); // previous result, memory cells, statistics
ComplexFormat MemoryFileFormat();                      // a memory file line

} // namespace NCalculatorText
