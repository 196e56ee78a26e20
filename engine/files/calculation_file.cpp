#include "engine/files/calculation_file.h"

namespace NCalculatorText {

std::u16string DecodeCalculationFile(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0)
            break;
        if (unit != u'\uFEFF')
            text.push_back(unit);
    }
    return text;
}

std::string EncodeUtf16LittleEndian(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string EncodeCalculationFile(std::u16string_view text) {
    return EncodeUtf16LittleEndian(u"\uFEFF") + EncodeUtf16LittleEndian(text);
}

} // namespace NCalculatorText
