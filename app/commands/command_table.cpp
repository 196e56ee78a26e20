#include "app/commands/command_table.h"

#include <array>

namespace {

using enum CommandId;
using enum ShortcutScope;

// One key press must match one entry only. On a layout where "=" and "+" share a key, the
// keyboard mapping offers Ctrl+Shift+= and Ctrl++ for the same press: listing both makes
// the press ambiguous and Qt runs neither, so Calculate all names the unshifted key alone.
constexpr std::array kCommands = std::to_array<CommandInfo>({
    {FileNew, u"&New\tCtrl+N", u"Create a new document", u"New Ctrl+N", "Ctrl+N", false, Everywhere,
     "file-new"},
    {FileOpen, u"&Open...\tCtrl+O", u"Open an existing document", u"Open Ctrl+O", "Ctrl+O", false, Everywhere,
     "file-open"},
    {FileSave, u"&Save\tCtrl+S", u"Save the active document", u"Save Ctrl+S", "Ctrl+S", false, Everywhere,
     "file-save"},
    {FileSaveAs, u"Save &As...", u"Save the active document with a new name", u"Save As", "", false,
     Everywhere, nullptr},
    {FileExecute, u"&Execute...\tCtrl+E", u"Execute file", u"Execute Ctrl+E", "Ctrl+E", false, Everywhere,
     "file-execute"},
    {FilePrint, u"&Print...\tCtrl+P", u"Print the active document", u"Print Ctrl+P", "Ctrl+P", false,
     Everywhere, "print"},
    {FilePrintPreview, u"Print Pre&view", u"Display full pages", u"Print Preview", "", false, Everywhere,
     nullptr},
    {FilePageSetup, u"Pa&ge Setup...", u"Change the printing options", u"Page Setup", "", false, Everywhere,
     nullptr},
    {AppExit, u"E&xit", u"Quit the application; prompts to save documents", u"Exit", "", false, Everywhere,
     nullptr},
    {MemoryFree, u"&Free", u"Free memory", u"Free", "", false, Everywhere, nullptr},
    {MemoryLoad, u"&Load...", u"Load memory from file", u"Load memory", "", false, Everywhere, "memory-load"},
    {MemorySave, u"&Save...", u"Save memory as file", u"Save memory", "", false, Everywhere, "memory-save"},
    {EditUndo, u"&Undo\tCtrl+Z", u"Undo the last action", u"Undo", "Ctrl+Z; Alt+Backspace", false, Editor,
     nullptr},
    {EditRedo, u"&Redo\tCtrl+Y", u"Redo the previously undone action", u"Redo", "Ctrl+Y; Ctrl+Shift+Z", false,
     Editor, nullptr},
    {EditCut, u"Cu&t\tCtrl+X", u"Cut the selection and put it on the Clipboard", u"Cut", "Ctrl+X; Shift+Del",
     false, Editor, "cut"},
    {EditCopy, u"&Copy\tCtrl+C", u"Copy the selection and put it on the Clipboard", u"Copy",
     "Ctrl+C; Ctrl+Ins", false, Editor, "copy"},
    {EditPaste, u"&Paste\tCtrl+V", u"Insert Clipboard contents", u"Paste", "Ctrl+V; Shift+Ins", false, Editor,
     "paste"},
    {EditSelectAll, u"Select &All\tCtrl+A", u"Select the entire text", u"Select All", "Ctrl+A", false, Editor,
     nullptr},
    {EditFind, u"&Find...\tCtrl+F", u"Find the specified text", u"Find Ctrl+F", "Ctrl+F", false, Editor,
     nullptr},
    {EditFindNext, u"Find &Next\tF3", u"Repeat the last search", u"Find Next F3", "F3", false, Editor,
     nullptr},
    {EditReplace, u"R&eplace...\tCtrl+H", u"Replace specific text with different text", u"Replace Ctrl+H",
     "Ctrl+H", false, Editor, nullptr},
    {EditGoToLine, u"&Go to Line...\tCtrl+G", u"Move the caret to a line", u"Go to Line Ctrl+G", "Ctrl+G",
     false, Editor, nullptr},
    {ViewToolbar, u"&Toolbar", u"Show or hide the toolbar", u"Toggle ToolBar", "", true, Everywhere, nullptr},
    {ViewKeypad, u"&Keypad\tCtrl+K", u"Show or hide keypad", u"Toggle keypad Ctrl+K", "Ctrl+K", true,
     Everywhere, "pane-keypad"},
    {ViewLog, u"&Log\tCtrl+L", u"Show or hide log", u"Toggle log Ctrl+L", "Ctrl+L", true, Everywhere,
     "pane-log"},
    {ViewMemory, u"&Memory\tCtrl+M", u"Show or hide memory", u"Toggle memory Ctrl+M", "Ctrl+M", true,
     Everywhere, "pane-memory"},
    {ViewStatistics, u"St&atistics\tCtrl+T", u"Show or hide statistics", u"Toggle statistics", "Ctrl+T", true,
     Everywhere, nullptr},
    {ViewStatusBar, u"&Status Bar", u"Show or hide the status bar", u"Toggle StatusBar", "", true, Everywhere,
     nullptr},
    {Preferences, u"&Preferences...", u"Set preferences", u"Preferences", "", false, Everywhere,
     "preferences"},
    {NotationWest, u"&West", u"Set West function notation", u"West notation", "", true, Everywhere, nullptr},
    {NotationEast, u"&East", u"Set East function notation", u"East notation", "", true, Everywhere, nullptr},
    {TrigonometricUnits, u"", u"Set units for trigonometric functions", u"Trigonometric units", "", true,
     Everywhere, "trigonometric-units"},
    {KeypadStyle2000, u"&2000", u"Set 2000 keypad style", u"2000 style", "", true, Everywhere, nullptr},
    {KeypadStyleVantor, u"&Vantor", u"Set Vantor keypad style", u"Vantor style", "", true, Everywhere,
     nullptr},
    {KeypadStyleXP, u"&XP", u"Set XP keypad style", u"XP style", "", true, Everywhere, nullptr},
    {KeypadStyleVista, u"&Vista", u"Set Vista keypad style", u"Vista style", "", true, Everywhere, nullptr},
    {KeypadFontSelect, u"&Select...", u"Select keypad font", u"Select font", "", false, Everywhere, nullptr},
    {KeypadFontSystem, u"S&ystem", u"Set system keypad font", u"System font", "", true, Everywhere, nullptr},
    {KeypadFontDefault, u"&Default", u"Set default keypad font", u"Default font", "", true, Everywhere,
     nullptr},
    {KeypadTextFunction, u"&Function...", u"Set function keypad text color", u"Function text color", "",
     false, Everywhere, nullptr},
    {KeypadTextDigit, u"&Digit...", u"Set digit keypad text color", u"Digit text color", "", false,
     Everywhere, nullptr},
    {KeypadTextService, u"&Service...", u"Set service keypad text color", u"Service text color", "", false,
     Everywhere, nullptr},
    {KeypadTextSystem, u"S&ystem", u"Set system keypad text color", u"System text color", "", true,
     Everywhere, nullptr},
    {KeypadTextDefault, u"D&efault", u"Set default keypad text color", u"Default text color", "", true,
     Everywhere, nullptr},
    {KeypadColorFunction, u"&Function...", u"Set function keypad color", u"Function color", "", false,
     Everywhere, nullptr},
    {KeypadColorDigit, u"&Digit...", u"Set digit keypad color", u"Digit color", "", false, Everywhere,
     nullptr},
    {KeypadColorService, u"&Service...", u"Set service keypad color", u"Service color", "", false, Everywhere,
     nullptr},
    {KeypadColorSystem, u"S&ystem", u"Set system keypad color", u"System color", "", true, Everywhere,
     nullptr},
    {KeypadColorDefault, u"D&efault", u"Set default keypad color", u"Default color", "", true, Everywhere,
     nullptr},
    {HelpTopics, u"&Help Topics", u"List Help topics", u"Help Topics", "", false, Everywhere, nullptr},
    {AppAbout, u"&About Calculator...", u"Display program information, version number and copyright",
     u"About", "", false, Everywhere, nullptr},
    {Calculate, u"", u"", u"", "Ctrl+=", false, Everywhere, nullptr},
    {CalculateAll, u"", u"Calculate all", u"Calculate all Ctrl+Shift+=", "Ctrl+Shift+=", false, Everywhere,
     "calculate-all"},
    // Enabled only while a calculation runs: at other times Esc is left to the rest of the window.
    {StopCalculation, u"&Stop\tEsc", u"Stop the running calculation", u"Stop Esc", "Esc", false, Everywhere,
     nullptr},
    {FocusEditor, u"", u"", u"", "Ctrl+W", false, Everywhere, nullptr},
    {FocusKeypad, u"", u"", u"", "Ctrl+Shift+K", false, Everywhere, nullptr},
    {FocusLog, u"", u"", u"", "Ctrl+Shift+L", false, Everywhere, nullptr},
    {FocusMemory, u"", u"", u"", "Ctrl+Shift+M", false, Everywhere, nullptr},
    {FocusStatistics, u"", u"", u"", "Ctrl+Shift+T", false, Everywhere, nullptr},
    {Help, u"", u"", u"", "F1", false, MainWindow, nullptr},
    {ContextHelp, u"", u"Display help for clicked on buttons, menus and windows", u"Help", "Shift+F1", false,
     MainWindow, "context-help"},
    {NextPane, u"", u"", u"", "F6", false, MainWindow, nullptr},
    {PreviousPane, u"", u"", u"", "Shift+F6", false, MainWindow, nullptr},
});

} // namespace

std::span<const CommandInfo> CommandTable() {
    return kCommands;
}

const CommandInfo* FindCommand(CommandId id) {
    for (const CommandInfo& info : kCommands) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

QList<QKeySequence> ShortcutsOf(const CommandInfo& info) {
    QList<QKeySequence> result;
    for (const QString& text :
         QString::fromLatin1(info.shortcuts).split(QStringLiteral("; "), Qt::SkipEmptyParts))
        result << QKeySequence(text, QKeySequence::PortableText);
    return result;
}
