#pragma once
// UTF-8 for the command line's standard streams; the engine works in UTF-16.

#include <string>
#include <string_view>

namespace vcalc {

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace vcalc
