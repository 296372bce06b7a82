// Input routing: keys, clicks in the band and clicks on the map.
#include "shell/input.h"

#include "core/app_state.h"
#include "map/draw.h"
#include "platform/display.h"
#include "shell/controller.h"
#include "shell/display_loop.h"
#include "shell/screens.h"

std::array<char, 12> typedText;

namespace {

constexpr int kEscape = 27;
constexpr int kEnter = 13;
constexpr int kMaxTyped = 8;

// The decimal value at the start of text: optional blanks and a sign, then
// digits up to the first other character; no digits gives 0.
int leadingNumber(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = false;
    if (*text == '-' || *text == '+')
        negative = *text++ == '-';
    long value = 0;
    while (*text >= '0' && *text <= '9' && value < 100000000)
        value = value * 10 + (*text++ - '0');
    return static_cast<int>(negative ? -value : value);
}

// Stores a typed character; a ninth one is dropped.
void storeKey(AppState& app, int key)
{
    app.lastKey = key;
    typedText[app.typedLength] = static_cast<char>(key);
    if (app.typedLength < kMaxTyped)
        ++app.typedLength;
    typedText[app.typedLength] = '\0';
}

// The typed year echoed at once over the year box.
void echoTyped(AppState& app)
{
    const int top = app.mapTop - app.fontSize7;
    paintRect(app.headingRight, top, app.screenWidth, app.mapTop, 116, 0, primarySurface);
    textOut(app, typedText.data(), app.headingRight + app.screenWidth / 20, top, app.fontSize7, 9,
            210, 0, primarySurface);
    presentFront();
}

// Enter on the year screen: the typed year, a trailing minus sign meaning
// BC as a leading one does, clamped to the atlas's years (0 becomes 1).
void enterYear(AppState& app)
{
    int year = leadingNumber(typedText.data());
    if (app.typedLength > 0 && typedText[app.typedLength - 1] == '-')
        year = -year;
    if (year <= -3000)
        year = -3000;
    else if (year >= 1000)
        year = 1000;
    else if (year == 0)
        year = 1;
    app.year = year;
    app.command = kCommandShowMap;
    app.typedLength = 0;
    typedText[0] = '\0';
    typedText[1] = '\0';
}

} // namespace

bool characterKey(AppState& app, int key)
{
    bool quit = false;
    if (key == kEscape)
        quit = true;
    if (app.screenMode == kYearEntry) {
        if (key != kEnter) {
            storeKey(app, key);
            if (app.typedLength > 0)
                echoTyped(app);
        } else {
            enterYear(app);
        }
    }
    if (app.screenMode == kAnimationsMenu)
        screens::nationSearchKey(app, key);
    if (app.editorActive == 1)
        screens::editorKey(app, key);
    if (app.screenMode == kTitleScreen && (key == 'm' || key == 'M'))
        app.command = kCommandSafeMouseVideo;
    if (app.screenMode == kRegionMap) {
        if (key == 'p' || key == 'P')
            app.command = kCommandReshowMap;
        else
            app.printStatus = 2;
    }
    if (app.screenMode == kPrinting)
        app.printStatus = 2; // the print job reads it as "stop"
    return quit;
}

void mapClick(AppState& app, ButtonTable& buttons)
{
    switch (app.screenMode) {
    case kAnimationsMenu:
        screens::groupMenu(app, 3, backBuffer);
        controller(app, buttons);
        break;
    case kYearEntry:
        drawButtons(app, buttons, backBuffer);
        screens::yearPanel(app, 3, backBuffer);
        if (app.screenMode == kYearEntry)
            flipScreen(app);
        if (app.command == kCommandShowMap)
            controller(app, buttons);
        break;
    case kPeriodPage:
        drawButtons(app, buttons, backBuffer);
        screens::periodChooser(app, 3, backBuffer);
        controller(app, buttons);
        break;
    case kRegionMap:
    case kHistoryMap:
        app.playing = 0;
        app.labelHit = -199;
        screens::labelClick(app);
        if (app.labelHit != -199) {
            setScreen(app, buttons, kNationHistory);
            // The label pass loaded the history for the map; the page shows
            // every passage, so at the Young Reader level it is loaded again.
            if (app.textLevel != 111)
                screens::loadGroupHistory(app, app.labelHit);
            drawButtons(app, buttons, backBuffer);
            drawButton(app, buttons, kButtonBackToMap, 215, backBuffer);
            screens::historyPage(app, app.labelHit < 201 ? 2 : 1, backBuffer);
            flipScreen(app);
        }
        break;
    case kNationHistory:
        if (app.mouseX >= app.viewCenterX)
            break; // only the list side of the page takes clicks
        if (app.mouseY < app.historyListTop) {
            app.listIndex = 0;
        } else if (app.mouseY > app.historyListTop + app.historyListRows * app.fontSize3) {
            app.listIndex = app.historyListEnd;
        } else {
            app.mouseY -= app.historyListTop;
            app.listIndex = app.mouseY / app.fontSize3 + app.historyListFirst;
        }
        drawButton(app, buttons, kButtonBackToMap, 215, backBuffer);
        screens::historyPage(app, 2, backBuffer);
        flipScreen(app);
        break;
    case kInfoScreen:
        drawButtons(app, buttons, backBuffer);
        screens::infoScreen(app, 3, backBuffer);
        controller(app, buttons);
        break;
    case kPrintSample:
    case kPrintTimeline:
        screens::printOptions(app, 3, backBuffer);
        controller(app, buttons);
        break;
    default: // the other screens take no clicks on the map
        break;
    }
}

bool handleInput(AppState& app, ButtonTable& buttons, int kind, int key, int x, int y)
{
    if (kind == kEventKey) {
        const bool quit = characterKey(app, key);
        if (!quit && (app.command == kCommandShowMap || app.command == kCommandSafeMouseVideo))
            controller(app, buttons);
        return quit;
    }
    if (kind != kEventClick || app.inputLocked == 1)
        return false;
    app.previousMouseX = app.mouseX;
    app.previousMouseY = app.mouseY;
    app.mouseX = x;
    app.mouseY = y;
    if (y >= app.mapTop) {
        if (app.editorActive == 1)
            screens::editorMapClick(app);
        else
            mapClick(app, buttons);
        return false;
    }
    // A click in the band that hits no visible button keeps the command,
    // so the last command is carried out again.
    const bool quit = hitTest(app, buttons, x, y);
    if (app.editorActive == 1)
        screens::controlEdit(app);
    else
        controller(app, buttons);
    return quit;
}
