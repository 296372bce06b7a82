// The two print option screens: the sample page with the print settings,
// and the list of the map timeline's 52 periods for printing a range.
// Mode 1 draws; mode 3 draws and takes the click at (mouseX, mouseY),
// setting command 42 (Print) where the click starts a job.
#pragma once

#include "core/history_table.h"

struct AppState;
struct DrawSurface;

void printSampleScreen(AppState& app, const HistoryTable& table, const PeriodIndex& index, int mode,
                       DrawSurface* surface);
void printTimelineScreen(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                         int mode, DrawSurface* surface);
