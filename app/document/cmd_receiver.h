#pragma once
// How the keypad and the document's own commands change the text and start calculations.

#include <cstdint>
#include <string_view>

enum CommandCode : std::int32_t {
    CmdClear = 0,        // erase the whole text (with confirmation)
    CmdBackspace = 1,    // erase the selection, or the character before the caret
    CmdCalculate = 2,    // calculate at the caret
    CmdCalculateAll = 3, // calculate the whole text
    CmdFreeMemory = 4,   // erase all memory cells (with confirmation)
};

class ICmdReceiver {
  public:
    // Any other code does nothing.
    virtual void ReceiveCommand(std::int32_t code) = 0;
    // Inserts text at the selection as one undoable edit.
    virtual void ReceiveText(std::u16string_view text) = 0;

  protected:
    ~ICmdReceiver() = default;
};

class ICmdSender {
  public:
    ICmdReceiver* receiver = nullptr; // not owned; null until start-up connects the document
};
