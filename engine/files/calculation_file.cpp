#include "engine/files/calculation_file.h"

#include "engine/files/utf8.h"

namespace NCalculatorText {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";

void AppendUnit(std::u16string& text, char16_t unit) {
    if (unit != u'\uFEFF')
        text.push_back(unit);
}

DecodedText FromUtf16(std::string_view bytes, TextEncoding encoding) {
    const std::size_t highByte = encoding == TextEncoding::Utf16BigEndian ? 0 : 1;
    DecodedText decoded{encoding, {}};
    decoded.text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i + 1 - highByte]) |
                                                static_cast<unsigned char>(bytes[i + highByte]) << 8);
        if (unit == 0)
            break;
        AppendUnit(decoded.text, unit);
    }
    return decoded;
}

DecodedText FromUtf8(std::string_view bytes) {
    const Utf8Decoded utf8 = DecodeUtf8(bytes.substr(0, bytes.find('\0')));
    if (!utf8.valid)
        return {TextEncoding::Unreadable, {}};
    DecodedText decoded{TextEncoding::Utf8, {}};
    decoded.text.reserve(utf8.text.size());
    for (char16_t unit : utf8.text)
        AppendUnit(decoded.text, unit);
    return decoded;
}

} // namespace

DecodedText DecodeCalculationFile(std::string_view bytes, UnmarkedBytes unmarked) {
    if (bytes.starts_with(kUtf8Mark))
        return FromUtf8(bytes.substr(kUtf8Mark.size()));
    if (bytes.starts_with(kLittleEndianMark))
        return FromUtf16(bytes.substr(kLittleEndianMark.size()), TextEncoding::Utf16LittleEndian);
    if (bytes.starts_with(kBigEndianMark))
        return FromUtf16(bytes.substr(kBigEndianMark.size()), TextEncoding::Utf16BigEndian);
    if (unmarked == UnmarkedBytes::Utf8 || bytes.find('\0') == std::string_view::npos)
        return FromUtf8(bytes);
    // A NUL byte is the high half of an ASCII character in UTF-16.
    return FromUtf16(bytes, TextEncoding::Utf16LittleEndian);
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
