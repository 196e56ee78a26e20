#pragma once
// Every command of the menus, toolbar and shortcuts, by its resource id.

enum class CommandId : int {
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePageSetup = 57605,
    FilePrint = 57607,
    FilePrintDirect = 57608,
    FilePrintPreview = 57609,
    RecentFile1 = 57616, // up to four, RecentFile1 + 0 .. 3
    AppAbout = 57664,
    AppExit = 57665,
    HelpTopics = 57667,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PreviousPane = 57681,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,

    FileExecute = 32771,
    MemoryFree = 32772,
    MemoryLoad = 32773,
    MemorySave = 32774,
    ViewKeypad = 32775,
    ViewLog = 32776,
    ViewMemory = 32777,
    ViewStatistics = 32778,
    Preferences = 32779,
    TrigonometricUnits = 32780,
    NotationEast = 32781,
    NotationWest = 32782,
    KeypadStyleXP = 32785,
    KeypadStyleVista = 32786,
    KeypadStyleVantor = 32787,
    KeypadStyle2000 = 32788,
    KeypadFontSelect = 32789,
    KeypadFontSystem = 32790,
    KeypadFontDefault = 32791,
    KeypadTextFunction = 32792,
    KeypadTextDigit = 32793,
    KeypadTextService = 32794,
    KeypadTextDefault = 32795,
    KeypadTextSystem = 32796,
    KeypadColorFunction = 32797,
    KeypadColorDigit = 32798,
    KeypadColorService = 32799,
    KeypadColorSystem = 32800,
    KeypadColorDefault = 32801,
    Calculate = 32802,
    CalculateAll = 32803,
    FocusEditor = 32810,
    FocusKeypad = 32811,
    FocusLog = 32812,
    FocusMemory = 32813,
    FocusStatistics = 32814,
    StopCalculation = 32815,
};

inline constexpr int kRecentFileCount = 4;

inline bool IsKeypadLookCommand(CommandId id) {
    return static_cast<int>(id) >= static_cast<int>(CommandId::KeypadStyleXP) &&
           static_cast<int>(id) <= static_cast<int>(CommandId::KeypadColorDefault);
}
