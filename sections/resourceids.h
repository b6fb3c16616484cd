#pragma once

// The numeric ids that fenwold's windows, controls and commands carry. Controls and commands
// take them as their object names (decimal text), so that tests and scripts find them alike.
namespace fenwold {

// Dialog buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Chooser buttons, one per shape (the trapezoidal box has 1057, not 1007).
constexpr int ChooserButtonIds[8] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1057};

// Dimension fields; one id keeps one meaning in every input dialog.
enum FieldId {
    FieldB1 = 1008,
    FieldT5 = 1009,
    FieldH = 1010,
    FieldT3 = 1011,
    FieldT4 = 1014,
    FieldB = 1015,
    FieldB2 = 1016,
    FieldT6 = 1017,
    FieldD1 = 1018,
    FieldD2 = 1019,
    FieldSmallB1 = 1020,
    FieldT1 = 1021,
    FieldT2 = 1022,
    FieldH1 = 1023,
    FieldR = 1055,
    FieldT = 1056,
    FieldL = 1066,
    FieldD3 = 1069,
    FieldD4 = 1070,
};

// Commands of the menus, the tool bar and the accelerators.
enum CommandId {
    CommandFileNew = 57600,
    CommandFileOpen = 57601,
    CommandFileSave = 57603,
    CommandFileSaveAs = 57604,
    CommandFilePrintSetup = 57606,
    CommandFilePrint = 57607,
    CommandFilePrintDirect = 57608,
    CommandFilePrintPreview = 57609,
    CommandRecentFile1 = 57616,
    CommandEditCopy = 57634,
    CommandEditCut = 57635,
    CommandEditPaste = 57637,
    CommandEditUndo = 57643,
    CommandAppAbout = 57664,
    CommandAppExit = 57665,
    CommandNextPane = 57680,
    CommandPreviousPane = 57681,
    CommandViewToolBar = 59392,
    CommandViewStatusBar = 59393,
};

constexpr int RecentFileCount = 4;

// The frame's icon timer.
constexpr int IconTimerId = 10000;
constexpr int IconTimerPeriodMs = 100;

} // namespace fenwold
