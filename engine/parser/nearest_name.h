#pragma once
// The function name a mistyped one most likely meant: "sine" gives "sin", "Sqrt"
// gives "sqrt", "factorial" gives "fact".

#include <string_view>

namespace NCalculatorText {

// The closest function name, or an empty view when none is close enough. Tried in
// turn: the same name in another case; a name one edit away (for words of four
// units or more); the longest name the word begins with; the shortest name that
// begins with the word (of three units or more); a name two edits away (for words of
// six units or more). Edits are insertions, deletions, replacements and swaps of
// neighbours; of equally near names the one that ends like the word wins (arcsinh
// gives arsinh, not arcsin), else the one listed first in the function table.
std::u16string_view NearestFunctionName(std::u16string_view word);

} // namespace NCalculatorText
