#pragma once
// The Set > Keypad menu: when each look command is checked and enabled.

#include <optional>

#include "app/commands/command_id.h"
#include "ui/keypad/keypad_font.h"
#include "ui/keypad/keypad_look.h"

struct KeypadMenuFacts {
    KeypadLook look;        // as the keypad holds it now
    KeypadLook defaultLook; // the default colours
    KeypadFontMarks fontMarks;
    bool themingActive = false;
};

struct KeypadCommandState {
    bool checked = false;
    bool enabled = true;
};

KeypadCommandState LookCommandState(CommandId id, const KeypadMenuFacts& facts);

// The key group a colour command names, and whether it is the text colour.
struct GroupColorCommand {
    KeyGroup group;
    bool text;
};

std::optional<GroupColorCommand> GroupColorOf(CommandId id);
