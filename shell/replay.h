// The replay mode: the atlas runs headless on a virtual clock and takes its
// input from a script, for tests and automation.
//
// Script lines (blank lines and lines starting with # are skipped):
//   key C          one character key: a single character, ESC, ENTER,
//                  SPACE, or #N for the character code N
//   type TEXT      one key per character of the rest of the line
//   click X Y      a left click at (X, Y)
//   wait MS        advance the clock by MS ms, an idle frame every 10 ms
//   snapshot FILE  write the picture on show as a PNG file
//   state FILE     write every AppState field as one JSON object
// One idle frame runs before the first line and after every line.
#pragma once

#include <cstdio>

#include "shell/buttons.h"

struct AppState;

// Exit codes of the replay mode.
inline constexpr int kReplayDone = 0;      // the script ended or the atlas quit
inline constexpr int kReplayFailed = 1;    // a file could not be written
inline constexpr int kReplayMalformed = 2; // the script cannot be read or has a bad line

// Starts the atlas headless on the virtual clock and plays the script at
// scriptPath. Errors are written to errors. Returns an exit code above.
int runReplay(AppState& app, ButtonTable& buttons, const char* scriptPath, std::FILE* errors);

// Writes every AppState field as one JSON object of integers, in record
// order. Returns false when the file could not be written.
[[nodiscard]] bool writeStateJson(const AppState& app, const char* path);
