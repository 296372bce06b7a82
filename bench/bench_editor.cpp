// Costs of the border editor: the redraw that ends every editor click, and
// a Save File (backup and borders.dat, flushed to disk) of a table the size
// of the atlas's.
//
// Uses the atlas data as the renderer benchmarks do: borders.dat from the
// folder it runs in or its data/ folder, else the synthetic atlas. The save
// writes into a folder of its own, never over the data.
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/synthetic_atlas.h"
#include "core/app_state.h"
#include "editor/edit_list.h"
#include "editor/editor_files.h"
#include "editor/editor_screen.h"
#include "map/border_table.h"
#include "map/projection.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/buttons.h"

namespace {

AppState editor;

void prepareEditor()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    useVirtualClock(0);
    setDefaults(editor);
    editor.screenWidth = 800;
    editor.screenHeight = 600;
    setFontSizes(editor);
    buildButtonTable(editor, buttonTable);
    if (primarySurface == nullptr &&
        (!createMainWindow(DisplayBackend::headless, "Veltmaren") || !setupDisplay(800, 600)))
        std::abort();
    // The renderer benchmarks may have entered data/ already.
    if (!std::filesystem::exists("borders.dat") && std::filesystem::exists("data/borders.dat") &&
        chdir("data") != 0)
        std::abort();
    if (std::filesystem::exists("borders.dat")) {
        loadBorders(editor, borderTable);
        (void)loadTerrain(editor, terrainMap);
    } else {
        makeSyntheticAtlas();
        editor.recordCount = firstRecordAbove(borderTable, 0, kNationMaxYear) + 3;
    }
    editor.editorActive = 1;
    editor.animationId = 9;
    selectView(editor, nullptr);
}

// One editor click's redraw of the Map/Record screen: map, grid, the
// picked record, the work record, the band and the list.
void BM_EditorRedraw(benchmark::State& state)
{
    prepareEditor();
    editor.screenMode = kEditMapRecordScreen;
    editor.editFilterValue = 7;
    borderTable[kWorkRecordSlot] = borderTable[static_cast<std::size_t>(editor.recordCount / 2)];
    for (auto _ : state)
        drawEditorScreen(editor, borderTable, buttonTable, editList, backBuffer);
}
BENCHMARK(BM_EditorRedraw)->Unit(benchmark::kMillisecond);

// Save File in a scratch folder: the backup, then borders.dat replaced
// through a flushed temporary file.
void BM_EditorSave(benchmark::State& state)
{
    prepareEditor();
    const std::string home = std::filesystem::current_path();
    char folder[] = "/tmp/veltmaren-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0)
        std::abort();
    mkdir("temp", 0755);
    for (auto _ : state)
        edit_SaveFile(editor, borderTable, nullptr);
    (void)chdir(home.c_str());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond);

} // namespace
