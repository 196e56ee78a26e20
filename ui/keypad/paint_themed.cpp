#include "ui/keypad/paint_themed.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QStyleOptionButton ThemeOption(QSize size, const ButtonLook& look, ThemeState state) {
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), size);
    option.palette = look.palette;
    option.palette.setCurrentColorGroup(state == ThemeState::Disabled ? QPalette::Disabled
                                                                      : QPalette::Active);
    option.fontMetrics = QFontMetrics(look.font);
    option.state = QStyle::State_Raised;
    if (state != ThemeState::Disabled)
        option.state |= QStyle::State_Enabled;
    if (state == ThemeState::Pressed)
        option.state |= QStyle::State_Sunken;
    if (state == ThemeState::Hot)
        option.state |= QStyle::State_MouseOver;
    if (look.focus) {
        option.state |= QStyle::State_HasFocus;
        if (!look.hideFocus)
            option.state |= QStyle::State_KeyboardFocusChange;
    }
    if (state == ThemeState::Defaulted)
        option.features |= QStyleOptionButton::DefaultButton;
    return option;
}

void ThemedText(QPainter& painter, const QStyle& style, const QStyleOptionButton& option,
                const QRect& content, const ButtonLook& look) {
    painter.save();
    painter.setFont(look.font);
    style.drawItemText(&painter, content, kTextFlags, option.palette, !look.disabled, look.text,
                       QPalette::ButtonText);
    painter.restore();
}

void FocusOf(QPainter& painter, QSize size, const ButtonLook& look) {
    if (look.focus && !look.hideFocus)
        DrawFocusRectangle(painter, QRect(QPoint(0, 0), size).adjusted(3, 3, -3, -3), look);
}

} // namespace

ThemeState ThemeStateOf(const ButtonLook& look) {
    if (look.pressedLook || look.selected)
        return ThemeState::Pressed;
    if (look.disabled)
        return ThemeState::Disabled;
    if (look.hover)
        return ThemeState::Hot;
    if (look.focus || look.defaultMark)
        return ThemeState::Defaulted;
    return ThemeState::Normal;
}

ThemeColors ThemeColorsFor(ThemeState state, const QPalette& palette) {
    return {palette.color(QPalette::Highlight),
            palette.color(state == ThemeState::Pressed ? QPalette::Shadow : QPalette::Dark)};
}

void PaintThemed(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme,
                 CustomFace face) {
    const QStyle& style = theme.style != nullptr ? *theme.style : *QApplication::style();
    const ThemeState state = ThemeStateOf(look);
    const QStyleOptionButton option = ThemeOption(size, look, state);
    const QRect content = style.subElementRect(QStyle::SE_PushButtonContents, &option, theme.widget);

    painter.fillRect(option.rect, look.palette.color(QPalette::Window));
    if (PaintsFullyThemed(look)) {
        style.drawControl(QStyle::CE_PushButtonBevel, &option, &painter, theme.widget);
        ThemedText(painter, style, option, content, look);
        FocusOf(painter, size, look);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look.useSystemFace) {
        style.drawControl(QStyle::CE_PushButtonBevel, &option, &painter, theme.widget);
    } else {
        painter.translate(0.5, 0.5);
        face(painter, size, state, look, ThemeColorsFor(state, look.palette));
    }
    painter.restore();
    if (look.useSystemText) {
        ThemedText(painter, style, option, content, look);
    } else {
        painter.setPen(look.textColor);
        painter.drawText(content, kTextFlags, look.text);
    }
    FocusOf(painter, size, look);
}
