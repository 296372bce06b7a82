// Loading the data files at start-up.
#include "shell/startup.h"

#include <cstdio>

#include "core/app_state.h"
#include "platform/files.h"

void setup(AppState& app, BorderTable& borders, TerrainMap& terrain)
{
    loadBorders(app, borders);
    (void)loadTerrain(app, terrain);

    // Without the history texts the menu shades the national groups.
    std::FILE* probe = openFile("TEXT\\egypt.txt", "r");
    app.fullContent = probe != nullptr ? 1 : 0;
    if (probe != nullptr)
        std::fclose(probe);
}
