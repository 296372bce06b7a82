// Where the shell meets the screens of the other subsystems. Each function
// forwards to its subsystem once that subsystem is part of the atlas; until
// then it draws nothing and leaves the state as it was.
#include "shell/screens.h"

namespace screens {

void mapLabels(AppState&, int, DrawSurface*) {}
void labelClick(AppState&) {}
void groupMenu(AppState&, int, DrawSurface*) {}
void yearPanel(AppState&, int, DrawSurface*) {}
void periodChooser(AppState&, int, DrawSurface*) {}
void infoScreen(AppState&, int, DrawSurface*) {}
void printOptions(AppState&, int, DrawSurface*) {}
void loadHistory(AppState&, const char*) {}
void loadGroupHistory(AppState&, int) {}
bool periodEntry(const AppState&, int, PeriodEntry&) { return false; }
bool historyRecord(const AppState&, int, PeriodEntry&) { return false; }
void showHistoryEntry(AppState&, int) {}
void historyPage(AppState&, int, DrawSurface*) {}
void historyHeading(AppState&, int, char*, DrawSurface*) {}
void historyTextStrip(AppState&, int, DrawSurface*) {}
void nationSearchKey(AppState&, int) {}
void printJob(AppState&, const char*) {}
void controlEdit(AppState&) {}
void editorMapClick(AppState&) {}
void editorKey(AppState&, int) {}
void exportHeaders(AppState&) {}
void convertBorders(AppState&) {}

} // namespace screens
