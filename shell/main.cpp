// The atlas program: start-up, then the main loop; or, with
// --replay SCRIPT, the same start headless with its input from a script.
#include <cstdio>
#include <cstring>

#include "core/app_state.h"
#include "platform/files.h"
#include "shell/buttons.h"
#include "shell/display_loop.h"
#include "shell/main_loop.h"
#include "shell/replay.h"

namespace {

AppState appState;

} // namespace

int main(int argc, char** argv)
{
    // Makers run the atlas in its data folder; an installed atlas finds its own.
    (void)chooseDataFolder();
    if (argc == 3 && std::strcmp(argv[1], "--replay") == 0)
        return runReplay(appState, buttonTable, argv[2], stderr);
    if (argc != 1) {
        std::fprintf(stderr, "usage: veltmaren [--replay SCRIPT]\n");
        return 2;
    }
    if (!startAtlas(appState, buttonTable, DisplayBackend::window))
        return 0;
    return runMainLoop(appState, atlasInput, atlasFrame);
}
