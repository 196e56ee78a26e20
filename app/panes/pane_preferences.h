#pragma once
// The preferences the panes read, at the moment they need them.

namespace NCalculatorPanes {

char16_t ImaginaryLetter();     // FormatI: "j" for 1, else "i"
bool LogPopupEnabled();         // LogPopup non-zero
bool FreeConfirmationEnabled(); // FreeConfirmation non-zero

} // namespace NCalculatorPanes
