#pragma once
// UTF-8, the encoding of text files from other editors and of the command line's
// standard streams; the engine works in UTF-16.

#include <string>
#include <string_view>

namespace NCalculatorText {

struct Utf8Decoded {
    std::u16string text; // every invalid sequence as U+FFFD
    bool valid = true;   // no invalid sequence met
};

// Strict UTF-8: overlong forms, surrogates and code points past U+10FFFF are invalid.
Utf8Decoded DecodeUtf8(std::string_view bytes);

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace NCalculatorText
