// The screen controller: one place that changes from screen to screen.
#include "shell/controller.h"

#include "core/app_state.h"
#include "map/border_table.h"
#include "map/draw.h"
#include "map/renderer.h"
#include "map/status_line.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/display_loop.h"
#include "shell/frame_driver.h"
#include "shell/screens.h"

namespace {

constexpr int kLabelColor = 131;
constexpr int kDimLabelColor = 215;
constexpr int kBlack = 215;
constexpr int kSolid = 10;

// Paints the nations up to year into mapLayer (from the first nation
// record, or from where the last pass stopped), composes the map into
// backBuffer and draws the labels over it.
void paintMap(AppState& app, bool fromFirst)
{
    const int start = fromFirst ? app.firstNationRecord : app.nextRecord;
    paintNations(app, borderTable, app.year, start, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    screens::mapLabels(app, 850, backBuffer);
}

// The menu band, the year box and (unless 0) a status prompt.
void dress(AppState& app, ButtonTable& buttons, int status, DrawSurface* surface)
{
    drawButtons(app, buttons, surface);
    yearReadout(app, buttons, app.year, surface);
    if (status != 0)
        statusLine(app, status, surface);
}

// The map of the year from the first nation record, dressed with the Run
// prompt, and shown.
void showMap(AppState& app, ButtonTable& buttons)
{
    paintMap(app, true);
    dress(app, buttons, 201, backBuffer);
    flipScreen(app);
}

// Leaves the map for a page of its own: the animation stops, and the band
// of the new screen goes into backBuffer for the page to be drawn over.
void openPage(AppState& app, ButtonTable& buttons, int screen)
{
    app.playing = 0;
    setScreen(app, buttons, screen);
    drawButtons(app, buttons, backBuffer);
}

// The End sign in place of the heading box, shown at once, then a pause.
void showEndSign(AppState& app, ButtonTable& buttons)
{
    drawButton(app, buttons, kButtonEndSign, kDimLabelColor, primarySurface);
    presentFront();
    sleepMilliseconds(600);
}

// Shows the entry listIndex of the loaded history on the map.
void showEntry(AppState& app, const screens::PeriodEntry& entry)
{
    app.selectedRecord = entry.record;
    app.firstShownLine = entry.firstLine;
    app.year = entry.startYear;
    screens::showHistoryEntry(app, entry.kind == 40 ? 1 : 4);
    app.historyStep = 22;
}

void nextEntry(AppState& app, ButtonTable& buttons)
{
    screens::PeriodEntry entry{};
    if (app.moreText == 1 && screens::historyRecord(app, app.selectedRecord, entry)) {
        // Page the text strip ten lines on before moving to the next period.
        app.firstShownLine += 10;
        app.moreText = app.firstShownLine + 20 < entry.firstLine + entry.lineCount ? 1 : 0;
        app.playing = 0;
        // Straight onto the picture on show: the player is stopped, so no
        // flip would bring a strip drawn in the back buffer forward.
        screens::historyTextStrip(app, 1, primarySurface);
        yearReadout(app, buttons, app.year, primarySurface);
        presentFront();
        app.historyStep = 22;
        return;
    }
    if (app.listIndex < app.lastPeriod)
        ++app.listIndex;
    else
        showEndSign(app, buttons);
    if (screens::periodEntry(app, app.listIndex, entry))
        showEntry(app, entry);
}

void priorEntry(AppState& app, ButtonTable& buttons)
{
    if (app.listIndex > 0) {
        // The first Prior after a Next shows the same entry again.
        if (app.historyStep == 23)
            --app.listIndex;
        else
            app.historyStep = 23;
    }
    if (app.listIndex == 0)
        showEndSign(app, buttons);
    screens::PeriodEntry entry{};
    if (!screens::periodEntry(app, app.listIndex, entry))
        return;
    app.selectedRecord = entry.record;
    app.firstShownLine = entry.firstLine;
    clearMapLayer(app, 170, mapLayer);
    paintMap(app, true);
    dress(app, buttons, 0, backBuffer);
    app.year = entry.startYear;
    // historyStep stays 23, so that the next Prior steps one entry back.
    screens::showHistoryEntry(app, entry.kind == 40 ? 1 : 4);
}

// After a step of the year: the map of the new year, then the prompt.
void showSteppedYear(AppState& app, ButtonTable& buttons, bool fromFirst)
{
    paintMap(app, fromFirst);
    dress(app, buttons, 0, backBuffer);
    flipScreen(app);
    if (app.playing == 1) {
        statusLine(app, 202, backBuffer);
    } else {
        statusLine(app, 201, primarySurface);
        presentFront();
    }
}

int truncDiv(int a, int b)
{
    return a / b; // C++ division truncates toward zero, also for negative years
}

// Where Back leads from each screen; 0 for screens it does not return to.
int backCommand(int screen)
{
    switch (screen) {
    case kAnimationsMenu: return 19;
    case kYearEntry: return 20;
    case kPeriodPage: return 23;
    case kRegionMap: return 24;
    case kHistoryMap: return 26;
    case kNationHistory: return 27;
    case kInfoScreen: return 29;
    case kInfoText: return 32;
    default: return 0;
    }
}

} // namespace

void setScreen(AppState& app, ButtonTable& buttons, int screen)
{
    app.previousScreenMode = app.screenMode;
    app.screenMode = screen;
    setVisibility(app, buttons, screen);
}

void controller(AppState& app, ButtonTable& buttons)
{
    for (;;) {
        switch (app.command) {
        case 1: // Pause
            app.playing = 0;
            setScreen(app, buttons, kRegionMap);
            dress(app, buttons, 201, backBuffer);
            flipScreen(app);
            return;

        case 2: // Run
            app.playing = 1;
            setScreen(app, buttons, kRegionMap);
            dress(app, buttons, 202, backBuffer);
            flipScreen(app);
            dress(app, buttons, 202, backBuffer); // both buffers show Pause
            return;

        case 5: // StepBack
            if (app.screenMode == kTitleScreen)
                return;
            if (app.playing == 1)
                app.year -= 11 * app.yearStep; // instant replay
            else
                app.year = truncDiv(app.year, 50) * 50 - 50;
            if (app.year < -3000)
                app.year = -3000;
            showSteppedYear(app, buttons, true);
            return;

        case 6: // StepForward
            if (app.screenMode == kTitleScreen)
                return;
            if (app.playing == 1) {
                if (app.year > 0)
                    app.year = truncDiv(app.year - 25, 50) * 50 + 98;
                else
                    app.year = truncDiv(app.year - 24, 50) * 50 + 48;
            } else {
                if (app.year > 0)
                    app.year = (truncDiv(app.year - 25, 50) + 2) * 50;
                else
                    app.year = (truncDiv(app.year - 24, 50) + 1) * 50;
            }
            if (app.year > 1000) {
                app.year = 1000;
                app.playing = 0;
                setScreen(app, buttons, kRegionMap);
                dress(app, buttons, 0, backBuffer);
                flipScreen(app);
            }
            showSteppedYear(app, buttons, false);
            return;

        case 7: // NextEntry
            if (app.screenMode != kNationHistory)
                nextEntry(app, buttons);
            return;

        case 8: // PriorEntry
            if (app.screenMode != kNationHistory)
                priorEntry(app, buttons);
            return;

        case 9: app.yearStep = 1; return;
        case 10: app.yearStep = 2; return;
        case 11: app.yearStep = 5; return;
        case 12: app.yearStep = 10; return;

        case 13: { // ToggleEra
            app.eraLabels = app.eraLabels == 0 ? 1 : 0;
            int era;
            if (app.eraLabels == 0)
                era = app.year < 0 ? kButtonEraBC : kButtonEraAD;
            else
                era = app.year < 0 ? kButtonEraBCE : kButtonEraCE;
            drawButton(app, buttons, era, kLabelColor, primarySurface);
            presentFront();
            if (app.screenMode == kYearEntry) {
                app.command = kCommandChooseYear;
                continue;
            }
            if (app.screenMode == kHistoryMap) {
                screens::historyTextStrip(app, 1, primarySurface);
                presentFront();
            }
            return;
        }

        case 16: // Quit: the input entry ends the program afterwards
            app.playing = 0;
            paintRect(0, 0, app.screenWidth, app.screenHeight, kBlack, kSolid, backBuffer);
            return;

        case 19: // OpenMenu
            openPage(app, buttons, kAnimationsMenu);
            screens::groupMenu(app, 1, backBuffer);
            flipScreen(app);
            return;

        case 20: // ChooseYear
            app.playing = 0;
            if (app.animationId > 10) {
                app.command = kCommandOpenPeriods;
                continue;
            }
            setScreen(app, buttons, kYearEntry);
            if (app.yearEntry == 120) {
                // The typing prompt, shown at once over the map on show.
                drawButtons(app, buttons, primarySurface);
                statusLine(app, 218, primarySurface);
                presentFront();
            } else {
                drawButtons(app, buttons, backBuffer);
                screens::yearPanel(app, 1, backBuffer);
                flipScreen(app);
            }
            return;

        case 22: // OpenPeriods
            openPage(app, buttons, kPeriodPage);
            screens::loadGroupHistory(app, app.animationId);
            screens::periodChooser(app, 1, backBuffer);
            return;

        case 23: // ShowPeriods
            app.playing = 0;
            drawButtons(app, buttons, backBuffer);
            screens::periodChooser(app, 1, backBuffer);
            return;

        case 24: // ShowMap
            app.playing = 0;
            setScreen(app, buttons, kRegionMap);
            screens::rebuildMap(app);
            showMap(app, buttons);
            showMap(app, buttons); // into the other buffer too
            return;

        case 26: { // ShowHistoryMap
            setScreen(app, buttons, kHistoryMap);
            drawButtons(app, buttons, backBuffer);
            screens::mapLabels(app, -3001, backBuffer);
            screens::rebuildMap(app);
            screens::PeriodEntry entry{};
            if (screens::periodEntry(app, app.listIndex, entry)) {
                app.selectedRecord = entry.record;
                app.firstShownLine = entry.firstLine;
                screens::showHistoryEntry(app, entry.kind == 40 ? 1 : 4);
            }
            app.historyStep = 22;
            return;
        }

        case 27: // ShowNationHistory
            app.playing = 0;
            drawButtons(app, buttons, backBuffer);
            setScreen(app, buttons, kNationHistory);
            screens::historyPage(app, 2, backBuffer);
            flipScreen(app); // Back ends here: the page must show
            return;

        case 28: // BackToMap
            app.inputLocked = 1;
            if (app.animationId <= 10) {
                setScreen(app, buttons, kRegionMap);
                showMap(app, buttons);
            } else {
                // The map first: loaded on the history page, the text would
                // keep every passage whatever the text level.
                setScreen(app, buttons, kHistoryMap);
                screens::loadGroupHistory(app, app.animationId);
                drawButton(app, buttons, kButtonNext, kLabelColor, backBuffer);
                drawButton(app, buttons, kButtonPrior, kLabelColor, backBuffer);
                paintMap(app, true);
                screens::historyHeading(app, 376, historyHeadingText, backBuffer);
                app.historyStep = 22;
                flipScreen(app);
            }
            app.inputLocked = 0;
            return;

        case 29: // OpenInfo
            openPage(app, buttons, kInfoScreen);
            screens::infoScreen(app, 1, backBuffer);
            flipScreen(app);
            return;

        case 32: // ShowInfoText
            setScreen(app, buttons, kInfoText);
            drawButtons(app, buttons, backBuffer);
            screens::loadHistory(app, "InfoFull");
            app.periodPage = 0;
            screens::infoScreen(app, 3, backBuffer);
            screens::infoTextPage(app, backBuffer);
            flipScreen(app);
            return;

        case 33: // OpenSettings
            setScreen(app, buttons, kSettingsMenu);
            return;

        case 34: // SafeMouseVideo
            showSystemPointer(false);
            app.softwareCursor = 1;
            statusLine(app, 206, primarySurface);
            presentFront();
            app.command = 0;
            sleepMilliseconds(3500);
            statusLine(app, 201, primarySurface);
            presentFront();
            return;

        case 37: { // Back, by the screen that showed before
            app.playing = 0;
            flipScreen(app);
            const int next = backCommand(app.previousScreenMode);
            if (next == 0)
                app.previousScreenMode = kRegionMap; // and Back again: the map
            else
                app.command = next;
            continue;
        }

        case 39: // OpenPrintSample
            app.playing = 0;
            screens::loadHistory(app, "GLOBAL");
            screens::printOptions(app, 1, backBuffer);
            setScreen(app, buttons, kPrintSample);
            flipScreen(app);
            return;

        case 41: // OpenPrintTimeline
            setScreen(app, buttons, kPrintTimeline);
            screens::printOptions(app, 1, backBuffer);
            flipScreen(app);
            return;

        case 42: // Print
            setScreen(app, buttons, kPrinting);
            screens::printJob(app, "GLOBAL");
            if (app.printStatus != 0)
                return;
            app.command = 39;
            continue;

        case 43: // ReshowMap
            setScreen(app, buttons, kRegionMap);
            flipScreen(app);
            return;

        case 44: // OpenLanguage
            openPage(app, buttons, kLanguageChoice);
            languageScreen(app, backBuffer, 1);
            flipScreen(app);
            return;

        case 45: // OpenEditor
            setScreen(app, buttons, kEditMapRecord);
            app.editorActive = 1;
            for (DrawSurface* surface : {primarySurface, backBuffer, mapLayer, overlayLayer})
                paintRect(0, 0, app.screenWidth, app.screenHeight, kBlack, kSolid, surface);
            screens::controlEdit(app);
            return;

        case 46: // ExportHeaders
            screens::exportHeaders(app);
            return;

        case 47: // ConvertBorders
            screens::convertBorders(app);
            return;

        default: // no meaning (the Color, Resolution and Map buttons among them)
            return;
        }
    }
}
