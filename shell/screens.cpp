// Where the shell meets the screens of the other subsystems. Each function
// forwards to its subsystem once that subsystem is part of the atlas; until
// then it draws nothing and leaves the state as it was.
#include "shell/screens.h"

#include "content/group_menu.h"
#include "content/history_loader.h"
#include "content/history_panel.h"
#include "content/nation_search.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "core/nation_groups.h"
#include "editor/edit_list.h"
#include "editor/editor_control.h"
#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "map/timelines.h"
#include "platform/display.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/display_loop.h"
#include "shell/frame_driver.h"
#include "shell/history_view.h"
#include "shell/info_screens.h"
#include "shell/input.h"

namespace screens {

void rebuildMap(AppState& app)
{
    // The first record of a history holds its map window.
    const HistoryRecord& first = historyTable[0];
    MapWindow window = {first.markerX, first.markerY, first.markerStyle};
    rebuildBaseMap(app, borderTable, terrainMap, &window, overlayLayer, mapLayer);
}

void mapLabels(AppState& app, int mode, DrawSurface* surface)
{
    ::mapLabels(app, historyTable, periodIndex, lineStore, nationGroupTable, labelTable, mode,
                surface);
}

void labelClick(AppState& app)
{
    if (::mapLabels(app, historyTable, periodIndex, lineStore, nationGroupTable, labelTable,
                    kLabelHitTest, nullptr) < 0)
        return;
    loadGroupHistory(app, app.labelHit);
    app.command = kCommandShowHistoryMap;
}

void groupMenu(AppState& app, int mode, DrawSurface* surface)
{
    ::groupMenu(app, nationGroupTable, mode, surface);
}

void yearPanel(AppState& app, int mode, DrawSurface* surface)
{
    ::yearPanel(app, mode, surface);
    yearReadout(app, buttonTable, app.year, surface);
}

void periodChooser(AppState& app, int mode, DrawSurface* surface)
{
    ::periodChooser(app, mode, surface);
}

void infoScreen(AppState& app, int mode, DrawSurface* surface)
{
    ::infoScreen(app, buttonTable, mode, surface);
}

void printOptions(AppState&, int, DrawSurface*) {}
void loadHistory(AppState& app, const char* name)
{
    history(app, historyTable, periodIndex, lineStore, name, backBuffer);
}

void loadGroupHistory(AppState& app, int groupId)
{
    const int row = findNationGroup(nationGroupTable, groupId);
    if (row < 0 || nationGroupTable[static_cast<std::size_t>(row)].code[0] == '\0')
        return;
    loadHistory(app, nationGroupTable[static_cast<std::size_t>(row)].code);
}
void showHistoryEntry(AppState& app, int mode)
{
    historyPanel(app, buttonTable, mode, historyHeadingText, backBuffer);
}

void historyPage(AppState& app, int mode, DrawSurface* surface)
{
    historyPanel(app, buttonTable, mode, historyHeadingText, surface);
}

void historyHeading(AppState& app, int mode, char* headingText, DrawSurface* surface)
{
    // Only the period animation's heading fills in the year span.
    historyEntryHeadingWithSpan(app, mode == kPanelAnimate ? headingText : nullptr, surface);
}

void historyTextStrip(AppState& app, int mode, DrawSurface* surface)
{
    historyStrip(app, historyTable, periodIndex, lineStore, mode, surface);
}

void infoTextPage(AppState& app, DrawSurface* surface)
{
    drawButtons(app, buttonTable, surface);
    historyInfoPage(app, historyTable, periodIndex, lineStore, surface);
}

void nationSearchKey(AppState& app, int key)
{
    if (!searchKey(app, typedText, key))
        return;
    drawButtons(app, buttonTable, backBuffer);
    runNationSearch(app, nationGroupTable, typedText, backBuffer);
    flipScreen(app);
}

void printJob(AppState&, const char*) {}
void controlEdit(AppState& app)
{
    ::controlEdit(app, borderTable, buttonTable, editList, backBuffer);
}

void editorMapClick(AppState& app)
{
    ::editorMapClick(app, borderTable, buttonTable, editList, backBuffer);
}

void editorKey(AppState& app, int key)
{
    numberEntryKey(app, key, typedText, primarySurface);
}

void exportHeaders(AppState& app)
{
    edit_ExportHeaders(app, borderTable, backBuffer);
}

void convertBorders(AppState& app)
{
    edit_ConvertFile(app, borderTable, backBuffer);
}

} // namespace screens
