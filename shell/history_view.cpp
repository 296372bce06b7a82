// The history panel: the loaded history's heading, page, topic view and
// period animation, over the map and menu bar the shell owns.
#include "shell/history_view.h"

#include "content/history_panel.h"
#include "content/pictures.h"
#include "core/app_state.h"
#include "core/bounded_text.h"
#include "core/history_table.h"
#include "core/nation_groups.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/renderer.h"
#include "platform/display.h"
#include "shell/display_loop.h"

namespace {

constexpr int kHeadingBoxColor = 114;
constexpr int kHeadingTextBytes = 40;

// Loads the picture of record (record 0's prefix + its own name) into the
// history holder. Returns false when it has none or the file gives none.
bool loadEntryPicture(const HistoryRecord& record)
{
    if (record.picture[0] == '\0' || (record.picture[0] == '*' && record.picture[1] == '\0'))
        return false;
    char path[64];
    bool fits = copyText(path, "images\\");
    fits = appendText(path, historyTable[0].picture) && fits;
    fits = appendText(path, record.picture) && fits;
    fits = appendText(path, ".jpg") && fits;
    if (!fits)
        return false;
    loadPicture(historyPictureHolder, path);
    return !historyPictureHolder.empty();
}

// A topic on the map: the map of its year with its marker and leader line,
// or its picture over the map area.
void showTopicMap(AppState& app, const HistoryRecord& record, DrawSurface* surface)
{
    if (loadEntryPicture(record)) {
        (void)drawPictureBand(historyPictureHolder, app, app.mapTop,
                              app.screenHeight - 5 * app.fontSize3, surface);
        return;
    }
    paintNations(app, borderTable, app.year, app.firstNationRecord, mapLayer);
    composeMap(app, surface, overlayLayer, mapLayer);
    mapLabels(app, historyTable, periodIndex, lineStore, nationGroupTable, labelTable, kLabelDraw,
              surface);
    historyPlaceMarker(app, historyTable, app.selectedRecord, kMarkerTopic, surface);
}

} // namespace

void historyEntryHeadingWithSpan(AppState& app, char* headingText, DrawSurface* surface)
{
    // The entry already chosen: the frame driver draws the heading of the
    // period it plays.
    historyEntryHeading(app, historyTable, surface);
    if (headingText != nullptr)
        periodSpanText(app, historyTable[static_cast<std::size_t>(
                                app.selectedRecord >= 0 && app.selectedRecord < kHistoryRecords
                                    ? app.selectedRecord
                                    : 0)],
                       headingText, kHeadingTextBytes);
}

void historyPanel(AppState& app, ButtonTable& buttons, int mode, char* headingText,
                  DrawSurface* surface)
{
    const int r = selectEntry(app, periodIndex);
    const HistoryRecord& record = historyTable[static_cast<std::size_t>(r)];
    app.firstShownLine = record.firstLine;

    switch (mode) {
    case kPanelAnimate:
        if (headingText != nullptr)
            periodSpanText(app, record, headingText, kHeadingTextBytes);
        app.historyYearStep = periodYearStep(record.endYear - record.startYear);
        app.playing = 1;
        return;

    case kPanelPage:
        drawButtons(app, buttons, surface);
        historyEntryHeading(app, historyTable, surface);
        if (record.kind == 40)
            drawButton(app, buttons, kButtonHeadingBox, kHeadingBoxColor, surface);
        historyPage(app, historyTable, periodIndex, lineStore, surface);
        if (record.kind > 40 && loadEntryPicture(record))
            (void)drawPictureRect(historyPictureHolder, surface, kPictureBoxX, kPictureBoxY,
                                  kPictureBoxWidth, kPictureBoxHeight, kPictureSourceX,
                                  kPictureSourceY, kPictureSourceWidth, kPictureSourceHeight);
        return;

    case kPanelHeading:
        drawButtons(app, buttons, surface);
        historyEntryHeading(app, historyTable, surface);
        return;

    case kPanelShowEntry:
        app.playing = 0;
        drawButtons(app, buttons, surface);
        app.year = record.mapYear;
        if (app.fullContent == 1)
            showTopicMap(app, record, surface);
        historyEntryHeading(app, historyTable, surface);
        yearReadout(app, buttons, app.year, surface);
        historyLegacyLabel(app, surface);
        historyStrip(app, historyTable, periodIndex, lineStore, 1, surface);
        flipScreen(app);
        return;

    case kPanelHeadingOnly:
        historyEntryHeading(app, historyTable, surface);
        return;

    default:
        return;
    }
}
