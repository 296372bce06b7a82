// The screen controller: carries out the commands 1..47 that buttons, keys,
// screens and the frame driver set, changing screens and drawing them.
//
// A command keeps its value after it was carried out; it changes only when
// something sets a new one. A command may set the next one and have it
// carried out at once in the same call.
#pragma once

#include "shell/buttons.h"

struct AppState;

// Screens (the values of screenMode).
inline constexpr int kTitleScreen = 0;
inline constexpr int kAnimationsMenu = 2;
inline constexpr int kYearEntry = 3;
inline constexpr int kPeriodPage = 5;
inline constexpr int kRegionMap = 6;
inline constexpr int kHistoryMap = 8;
inline constexpr int kNationHistory = 9;
inline constexpr int kInfoScreen = 10;
inline constexpr int kEditorLeft = 11;
inline constexpr int kInfoText = 12;
inline constexpr int kSettingsMenu = 14;
inline constexpr int kRedrawScreen = 17;
inline constexpr int kEditMapRecord = 21;
inline constexpr int kPrintSample = 28;
inline constexpr int kPrintTimeline = 29;
inline constexpr int kPrinting = 30;
inline constexpr int kLanguageChoice = 31;

// Commands (the values of command) that other parts set.
inline constexpr int kCommandPause = 1;
inline constexpr int kCommandRun = 2;
inline constexpr int kCommandStepBack = 5;
inline constexpr int kCommandStepForward = 6;
inline constexpr int kCommandQuit = 16;
inline constexpr int kCommandOpenMenu = 19;
inline constexpr int kCommandChooseYear = 20;
inline constexpr int kCommandOpenPeriods = 22;
inline constexpr int kCommandShowPeriods = 23;
inline constexpr int kCommandShowMap = 24;
inline constexpr int kCommandShowHistoryMap = 26;
inline constexpr int kCommandSafeMouseVideo = 34;
inline constexpr int kCommandBack = 37;
inline constexpr int kCommandReshowMap = 43;

// Changes the screen: previousScreenMode takes the old screenMode, then
// the buttons of the new screen are made visible. Draws nothing.
void setScreen(AppState& app, ButtonTable& buttons, int screen);

// Carries out app.command (and every command it chains to). Draws on the
// display surfaces and flips as each command needs.
void controller(AppState& app, ButtonTable& buttons);
