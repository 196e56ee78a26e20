#include "ui/dialogs/content_look.h"

#include "ui/controls/va_button.h"
#include "ui/controls/va_static.h"
#include "ui/resources/va_fonts.h"

void StyleText(VaStatic& line, bool heading) {
    line.SetFont(VaFonts::Application().Font(heading ? VaFace::Semibold : VaFace::Regular, kTextPoints));
    line.SetTextColour(kTextColour);
}

void StyleButton(VaButton& button) {
    button.SetFont(VaFonts::Application().Font(VaFace::Bold, kButtonPoints));
    button.SetColours(kButtonTextColour, kDialogButtonColours);
}
