#pragma once
// The keypad's 77 keys in one table, in the order the layout and the colour groups use:
// what each shows in either notation, what it sends, where it sits and how it is named.

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/document/cmd_receiver.h"

enum class KeyGroup { Function, Digit, Service };

// Left to right: functions 6 wide, constants and brackets 2 wide, digits and operators
// 4 wide, calculation commands 2 double-width keys, line and memory keys 1 wide.
enum class KeyBlock { Functions, Constants, Numbers, Commands, Lines };

enum class KeyAction {
    InsertName,          // the name for the notation, then "("
    InsertFactorial,     // "fact(" or, with the Gamma preference, "Γ("
    InsertImaginaryUnit, // "i" or "j" by the preference
    InsertText,          // a fixed text
    Command,             // a command of the document
};

struct KeypadKey {
    int id;
    const char16_t* westName; // caption (and inserted name) in West notation
    const char16_t* eastName; // the same in East notation
    KeyAction action;
    const char16_t* text; // InsertText: what is sent
    CommandCode command;  // Command: what is sent
    KeyBlock block;
    int row;
    int column;
    KeyGroup group;
    const char* accessibleName; // the full name: "sine", "square brackets open"
};

inline constexpr int kKeyCount = 77;

// What the keypad reads of the preferences, at each press and each relabelling.
struct KeypadPreferences {
    int notation = 0; // 0 West, 1 East
    bool gamma = false;
    bool imaginaryJ = false;
};

std::span<const KeypadKey, kKeyCount> KeypadKeys();
// The index in the table, or -1.
int KeyIndex(int id);

inline constexpr int kFactorialKeyId = 1018;

// What the key shows with the given notation and Gamma caption.
QString CaptionOf(const KeypadKey& key, int notation, bool gammaShown, bool imaginaryJ);

struct KeyPress {
    std::u16string text;                // sent by ReceiveText when not empty
    std::optional<CommandCode> command; // sent by ReceiveCommand
};

// What a press sends, with the preferences as they are at the press.
KeyPress PressOf(const KeypadKey& key, const KeypadPreferences& preferences);

// The help topic of a key; the factorial key has one per caption.
std::uint32_t ContextHelpId(const KeypadKey& key, bool gammaShown);

// The full name of what the key inserts or does; the factorial key has one per caption.
QString AccessibleNameOf(const KeypadKey& key, bool gammaShown);
