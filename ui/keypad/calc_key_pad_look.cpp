// The keypad's look: style, font and group colours, and the menu commands that set them.
#include <QApplication>

#include "ui/dialogs/calc_color_dialog.h"
#include "ui/dialogs/calc_font_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"

namespace {

constexpr KeyGroup kGroups[] = {KeyGroup::Function, KeyGroup::Digit, KeyGroup::Service};

} // namespace

void CCalcKeyPad::SetStyle(KeypadStyle style, bool redraw) {
    look_.style = style;
    for (CColorButton* button : buttons_) {
        button->SetStyle(style);
        if (redraw)
            button->update();
    }
}

KeypadStyle CCalcKeyPad::EffectiveStyle() const {
    return ::EffectiveStyle(look_.style, ThemingActive());
}

KeypadFontDescription CCalcKeyPad::SystemFont() const {
    return DescribeFont(font(), DpiY());
}

void CCalcKeyPad::LoadKeypadFont() {
    if (!IsCreatableFont(look_.font)) {
        CalcMessageBox(QStringLiteral("Cannot load the selected font.\nUsing default font."), MessageType{});
        SetKeypadFont(KeypadFontKind::Default, false);
        return;
    }
    UseFont(look_.font, false);
    fontMarks_ = MarksOf(look_.font, DefaultKeypadFont(DpiY()), SystemFont());
}

void CCalcKeyPad::UseFont(const KeypadFontDescription& description, bool redraw) {
    keypadFont_ = MakeKeypadFont(description);
    look_.font = description;
    for (CColorButton* button : buttons_) {
        button->setFont(keypadFont_);
        if (redraw)
            button->update();
    }
}

void CCalcKeyPad::SetKeypadFont(KeypadFontKind kind, bool redraw) {
    KeypadFontDescription chosen;
    KeypadFontMarks marks;
    switch (kind) {
    case KeypadFontKind::Select: {
        const std::optional<QFont> font = CCalcFontDialog(keypadFont_, this).Run();
        if (!font)
            return;
        chosen = DescribeFont(*font, DpiY());
        break;
    }
    case KeypadFontKind::Default:
        chosen = DefaultKeypadFont(DpiY());
        marks.defaultFont = true;
        if (IsCreatableFont(chosen))
            break;
        [[fallthrough]];
    case KeypadFontKind::System:
        chosen = SystemFont();
        marks = {true, false};
        break;
    }
    // A font that cannot be made leaves the one in use.
    if (!IsCreatableFont(chosen))
        return;
    fontMarks_ = marks;
    UseFont(chosen, redraw);
    LayoutButtons();
    update();
}

void CCalcKeyPad::ApplyGroupColors(KeyGroup group, bool text) {
    const QColor color = FromColorRef(text ? look_.text[GroupIndex(group)] : look_.face[GroupIndex(group)]);
    for (int i = 0; i < kKeyCount; ++i) {
        if (KeypadKeys()[static_cast<size_t>(i)].group != group)
            continue;
        CColorButton* button = buttons_[static_cast<size_t>(i)];
        if (text) {
            button->SetTextColor(color);
            button->SetUseSystemText(false);
        } else {
            button->SetFaceColor(color);
            button->SetUseSystemFace(false);
        }
        button->update();
    }
}

void CCalcKeyPad::UseSystemColors(bool text) {
    for (CColorButton* button : buttons_) {
        if (text)
            button->SetUseSystemText(true);
        else
            button->SetUseSystemFace(true);
        button->update();
    }
    (text ? look_.systemText : look_.systemFace) = true;
}

void CCalcKeyPad::ChooseGroupColor(KeyGroup group, bool text) {
    ColorRef& stored = text ? look_.text[GroupIndex(group)] : look_.face[GroupIndex(group)];
    const std::optional<QColor> color = CCalcColorDialog(FromColorRef(stored), this).Run();
    if (!color)
        return;
    stored = ToColorRef(*color);
    (text ? look_.systemText : look_.systemFace) = false;
    ApplyGroupColors(group, text);
}

void CCalcKeyPad::DefaultGroupColors(bool text) {
    const KeypadLook defaults = DefaultKeypadLook(DpiY());
    (text ? look_.text : look_.face) = text ? defaults.text : defaults.face;
    (text ? look_.systemText : look_.systemFace) = false;
    for (KeyGroup group : kGroups)
        ApplyGroupColors(group, text);
}

void CCalcKeyPad::RunLookCommand(CommandId id) {
    using enum CommandId;
    if (const std::optional<GroupColorCommand> color = GroupColorOf(id)) {
        ChooseGroupColor(color->group, color->text);
        return;
    }
    switch (id) {
    case KeypadStyle2000:
        SetStyle(KeypadStyle::Classic2000, true);
        break;
    case KeypadStyleVantor:
        SetStyle(KeypadStyle::Vantor, true);
        break;
    case KeypadStyleXP:
        SetStyle(KeypadStyle::XP, true);
        break;
    case KeypadStyleVista:
        SetStyle(KeypadStyle::Vista, true);
        break;
    case KeypadFontSelect:
        SetKeypadFont(KeypadFontKind::Select, true);
        break;
    case KeypadFontSystem:
        SetKeypadFont(KeypadFontKind::System, true);
        break;
    case KeypadFontDefault:
        SetKeypadFont(KeypadFontKind::Default, true);
        break;
    case KeypadTextSystem:
        UseSystemColors(true);
        break;
    case KeypadTextDefault:
        DefaultGroupColors(true);
        break;
    case KeypadColorSystem:
        UseSystemColors(false);
        break;
    case KeypadColorDefault:
        DefaultGroupColors(false);
        break;
    default:
        break;
    }
}

KeypadCommandState CCalcKeyPad::LookCommandState(CommandId id) const {
    return ::LookCommandState(id, {look_, DefaultKeypadLook(DpiY()), fontMarks_, ThemingActive()});
}
