#include "engine/core/number_text.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace NCalculatorText {

std::string FormatDouble(double x, NumberFormat format) {
    // to_chars with a precision formats exactly as printf does in the "C" locale.
    const int precision = format == NumberFormat::Full ? 20 : 14;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

double ParseDouble(std::u16string_view text) noexcept {
    // Only ASCII can belong to a number; anything else ends the prefix.
    char narrow[128];
    std::string wide;
    char* buffer = narrow;
    if (text.size() >= sizeof narrow) {
        wide.resize(text.size() + 1);
        buffer = wide.data();
    }
    std::size_t length = 0;
    for (char16_t unit : text) {
        if (unit == 0 || unit > 0x7F)
            break;
        buffer[length++] = static_cast<char>(unit);
    }
    buffer[length] = '\0';
    // strtod_l keeps strtod's treatment of range errors, which from_chars does not.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(buffer, nullptr, cLocale);
}

} // namespace NCalculatorText
