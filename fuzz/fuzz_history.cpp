// A history file loaded as the atlas loads it, at both text levels, and each
// time drawn on every screen that shows a history: the heading, the strip,
// the history page and the information page, for the first, a middle and the
// last entry of its list and one beyond each end.
#include <cstddef>
#include <cstdint>

#include "content/history_loader.h"
#include "content/history_panel.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "fuzz/fuzz_support.h"
#include "platform/display.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static AppState app;
    fuzzStart(app);
    if (!fuzzWriteFile("text/FUZZ.txt", data, size))
        return 0;
    for (int level : {kTextStandard, kTextYoungReader}) {
        app.textLevel = level;
        app.year = size > 0 ? -3000 + data[0] * 16 : 0;
        history(app, historyTable, periodIndex, lineStore, "FUZZ", backBuffer);
        // Beyond both ends of the list too: the screens clamp the entry.
        const int last = app.lastPeriod;
        for (int entry : {-1, 0, last / 2, last, last + 1}) {
            app.listIndex = entry;
            int record = selectEntry(app, periodIndex);
            app.firstShownLine = historyTable[record].firstLine;
            historyEntryHeading(app, historyTable, backBuffer);
            for (int page = 0; page < 3; ++page) {
                historyStrip(app, historyTable, periodIndex, lineStore, 1, backBuffer);
                app.firstShownLine += 10;
            }
            historyPage(app, historyTable, periodIndex, lineStore, backBuffer);
            historyInfoPage(app, historyTable, periodIndex, lineStore, backBuffer);
        }
    }
    return 0;
}
