#pragma once
// Conversions between doubles and text that never depend on the process locale:
// the decimal separator is always the point.

#include <string>
#include <string_view>

namespace NCalculatorText {

enum class NumberFormat {
    Short, // as printf "%.14g": results, log messages, panes
    Full,  // as printf "%.20g": memory files
};

// x as the C library's printf formats it in the "C" locale.
std::string FormatDouble(double x, NumberFormat format);

// The C library's string-to-double conversion in the "C" locale: the longest valid
// prefix counts, text without one gives 0, out-of-range values give infinity or a
// (sub)normal/zero as strtod does. Code units beyond ASCII end the prefix.
double ParseDouble(std::u16string_view text) noexcept;

} // namespace NCalculatorText
