#include "ui/keypad/button_style.h"

#include <QApplication>
#include <QStyle>

ButtonDrawing DrawingFor(KeypadStyle style, bool themeOpen) {
    switch (style) {
    case KeypadStyle::Classic2000:
        return themeOpen ? ButtonDrawing::Vista : ButtonDrawing::Classic;
    case KeypadStyle::Vantor:
        return ButtonDrawing::Vantor;
    case KeypadStyle::XP:
        return themeOpen ? ButtonDrawing::XP : ButtonDrawing::Vantor;
    case KeypadStyle::Vista:
        return themeOpen ? ButtonDrawing::Vista : ButtonDrawing::Vantor;
    }
    return ButtonDrawing::Vantor;
}

KeypadStyle EffectiveStyle(KeypadStyle stored, bool themingActive) {
    switch (DrawingFor(stored, themingActive)) {
    case ButtonDrawing::Classic:
        return KeypadStyle::Classic2000;
    case ButtonDrawing::Vantor:
        return KeypadStyle::Vantor;
    case ButtonDrawing::XP:
        return KeypadStyle::XP;
    case ButtonDrawing::Vista:
        return KeypadStyle::Vista;
    }
    return KeypadStyle::Vantor;
}

bool ThemingActive() {
    const QStyle* style = QApplication::style();
    return style != nullptr && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}
