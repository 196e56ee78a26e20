#include "app/panes/pane_preferences.h"

#include "app/preferences/preferences.h"
#include "engine/driver/calculate.h"

namespace NCalculatorPanes {

char16_t ImaginaryLetter() {
    return NCalculatorText::ImaginaryLetterFromPreference(preferenceStore.values.formatI);
}

bool LogPopupEnabled() {
    return preferenceStore.values.logPopup != 0;
}

bool FreeConfirmationEnabled() {
    return preferenceStore.values.freeConfirmation != 0;
}

} // namespace NCalculatorPanes
