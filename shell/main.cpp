// The atlas program: start-up, then the main loop.
//
// Until the display exists the program runs its start-up and reports what
// it loaded.
#include <cstdio>

#include "map/border_table.h"
#include "map/messages.h"
#include "map/terrain.h"
#include "shell/app_state.h"
#include "shell/startup.h"

namespace {

AppState appState;

} // namespace

int main()
{
    setDefaults(appState);
    setFontSizes(appState);
    setup(appState, borderTable, terrainMap);
    for (int i = 0; i < messageCount(); ++i)
        std::printf("%s\n", messageAt(i));
    std::printf("Veltmaren: %d border records, history texts %s\n", appState.recordCount,
                appState.fullContent ? "installed" : "not installed");
    return 0;
}
