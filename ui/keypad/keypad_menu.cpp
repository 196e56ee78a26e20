#include "ui/keypad/keypad_menu.h"

namespace {

using enum CommandId;

KeypadCommandState StyleItem(KeypadStyle style, const KeypadMenuFacts& facts) {
    KeypadCommandState state;
    state.checked = EffectiveStyle(facts.look.style, facts.themingActive) == style;
    switch (style) {
    case KeypadStyle::Classic2000:
        state.enabled = !facts.themingActive;
        break;
    case KeypadStyle::Vantor:
        state.enabled = true;
        break;
    case KeypadStyle::XP:
    case KeypadStyle::Vista:
        state.enabled = facts.themingActive;
        break;
    }
    return state;
}

} // namespace

KeypadCommandState LookCommandState(CommandId id, const KeypadMenuFacts& facts) {
    const KeypadLook& look = facts.look;
    switch (id) {
    case KeypadStyle2000:
        return StyleItem(KeypadStyle::Classic2000, facts);
    case KeypadStyleVantor:
        return StyleItem(KeypadStyle::Vantor, facts);
    case KeypadStyleXP:
        return StyleItem(KeypadStyle::XP, facts);
    case KeypadStyleVista:
        return StyleItem(KeypadStyle::Vista, facts);
    case KeypadFontSystem:
        return {facts.fontMarks.system, true};
    case KeypadFontDefault:
        return {facts.fontMarks.defaultFont, true};
    case KeypadTextSystem:
        return {look.systemText, true};
    case KeypadTextDefault:
        return {!look.systemText && look.text == facts.defaultLook.text, true};
    case KeypadColorSystem:
        return {look.systemFace, true};
    case KeypadColorDefault:
        return {!look.systemFace && look.face == facts.defaultLook.face, true};
    default:
        return {};
    }
}

std::optional<GroupColorCommand> GroupColorOf(CommandId id) {
    switch (id) {
    case KeypadTextFunction:
        return GroupColorCommand{KeyGroup::Function, true};
    case KeypadTextDigit:
        return GroupColorCommand{KeyGroup::Digit, true};
    case KeypadTextService:
        return GroupColorCommand{KeyGroup::Service, true};
    case KeypadColorFunction:
        return GroupColorCommand{KeyGroup::Function, false};
    case KeypadColorDigit:
        return GroupColorCommand{KeyGroup::Digit, false};
    case KeypadColorService:
        return GroupColorCommand{KeyGroup::Service, false};
    default:
        return std::nullopt;
    }
}
