// The editor's commands, map clicks and number entry.
#include "editor/editor_control.h"

#include <algorithm>
#include <array>

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "core/history_table.h"
#include "editor/edit_points.h"
#include "editor/edit_records.h"
#include "editor/editor_files.h"
#include "editor/editor_screen.h"
#include "map/draw.h"
#include "map/messages.h"
#include "map/projection.h"
#include "platform/display.h"
#include "shell/controller.h"
#include "shell/display_loop.h"
#include "shell/screens.h"

namespace {

constexpr int kEnter = 13;
constexpr int kMaxTyped = 8;
constexpr int kMenuBackground = 121;
constexpr int kBandColor = 116;
constexpr int kChosen = 210;
constexpr int kSolid = 10;
constexpr int kHorizontalHatch = 0;

constexpr int kCommandHome = 48;
constexpr int kCommandNewMap = 52;

// The commands that first keep the work record in the undo record.
bool takesSnapshot(int command)
{
    switch (command) {
    case 57: case 58: case 66: case 68: case 69: case 70: case 71: case 72: case 73: case 74:
    case 75: case 77: case 78: case 79: case 80: case 81: case 82:
        return true;
    default:
        return false;
    }
}

// The table record the list picked, as far as the table reaches.
const BorderRecord& pickedRecord(const AppState& app, const BorderTable& table)
{
    return table[static_cast<std::size_t>(std::clamp(app.editRecordIndex, 0, kBorderSlots - 1))];
}

void setField(std::int16_t& field, int value)
{
    field = static_cast<std::int16_t>(value); // the low 16 bits, as the file keeps them
}

void reportAdd(AppState& app, AddResult result)
{
    if (result == AddResult::recordFull)
        showMessage(app, "Record full: 249 points. Not added.");
}

void reportSave(AppState& app, SaveResult result)
{
    switch (result) {
    case SaveResult::startYearChanged:
        showMessage(app, "Start Year Change. Use SaveReplace. Not saved.");
        break;
    case SaveResult::noRecordNumber: showMessage(app, "RECNUMB==0; controlEdit()"); break;
    case SaveResult::outsideTable: showMessage(app, "RECORD outside the table. Not saved."); break;
    case SaveResult::tableFull: showMessage(app, "Border table full. Not saved."); break;
    default: break;
    }
}

// Carries out one editor command on the table and the state.
void carryOut(AppState& app, BorderTable& table, ButtonTable& buttons, EditList& list,
              DrawSurface* surface)
{
    BorderRecord& work = table[kWorkRecordSlot];
    const int command = app.command;
    if (takesSnapshot(command))
        table[kUndoRecordSlot] = work;
    switch (command) {
    case 49: setScreen(app, buttons, kEditMapRecordScreen); break;
    case 50: setScreen(app, buttons, kEditSaveLabelsScreen); break;
    case 51: setScreen(app, buttons, kEditPointsScreen); break;
    case 53: edit_SaveFile(app, table, surface); break;
    case 54: work = table[kUndoRecordSlot]; break;
    case 57: work = pickedRecord(app, table); break;
    case 58: work = BorderRecord{}; break;
    case 59:
        if (deleteRecord(app, table))
            buildEditList(app, table, list);
        break;
    case 60: case 61: case 62: case 63: case 64: case 65: (void)stepView(app, command); break;
    case 66:
        setField(work.STARTYR, app.editEntryValue);
        app.startYearChanged = 1;
        break;
    case 67: reportSave(app, saveReplace(app, table)); break;
    case 68: {
        const SaveResult result = saveNew(app, table);
        reportSave(app, result);
        if (result == SaveResult::stored)
            buildEditList(app, table, list);
        break;
    }
    case 69: setField(work.ENDYR, app.editEntryValue); break;
    case 70: setField(work.COLOR, app.editEntryValue); break;
    case 71: setField(work.HATCH, app.editEntryValue); break;
    case 72: setField(work.ACTION, app.editEntryValue); break;
    case 73: setField(work.NATGRP, app.editEntryValue); break;
    case 74: setField(work.NATION, app.editEntryValue); break;
    case 75:
        reportAdd(app, addPoint(app, work));
        app.anchorPoint = -1;
        break;
    case 76: {
        const int pick = pointPick(app, work, PickOrder::first);
        if (pick >= 0)
            app.anchorPoint = pick;
        break;
    }
    case 77:
        deletePoint(app, work);
        app.anchorPoint = -1;
        break;
    case 78:
        deletePointsAfter(app, work);
        app.anchorPoint = -1;
        break;
    case 79:
        deletePointsBefore(app, work);
        app.anchorPoint = -1;
        break;
    case 80:
        reportAdd(app, insertPoint(app, work));
        app.anchorPoint = -1;
        break;
    case 81:
        app.copyFromPoint = pointPick(app, pickedRecord(app, table), PickOrder::lowest);
        app.anchorPoint = -1;
        break;
    case 82:
        app.copyToPoint = pointPick(app, pickedRecord(app, table), PickOrder::lowest);
        copyRun(app, pickedRecord(app, table), work);
        app.copyFromPoint = app.copyToPoint = app.anchorPoint = -1;
        break;
    default: // 55, 56 and commands of the atlas: nothing
        break;
    }
}

// The editor's view of the map chosen in the map chooser: the region's
// window, or the window of the chosen history.
void viewChosenMap(AppState& app)
{
    app.year = -3000;
    // Without the history texts a group's window cannot be read; the whole
    // map stands in for it.
    if (app.animationId <= 10 || (app.fullContent != 1 && app.animationId != 201)) {
        selectView(app, nullptr);
        return;
    }
    screens::loadGroupHistory(app, app.animationId);
    const HistoryRecord& first = historyTable[0];
    const MapWindow window = {first.markerX, first.markerY, first.markerStyle};
    selectView(app, window.northLat > window.southLat ? &window : nullptr);
}

// A click in the list panel of the Map/Record screen.
void listPanelClick(AppState& app, const BorderTable& table, EditList& list)
{
    const int W = app.screenWidth;
    const int h = app.fontSize1;
    if (app.mouseX >= static_cast<int>(0.2 * W) || h <= 0)
        return;
    const int k = (app.mouseY - app.mapTop - h) / h;
    const bool right = app.mouseX >= static_cast<int>(0.1 * W);
    if (k == 0) {
        app.editFilterValue = app.editEntryValue;
        app.editListByYear = app.mouseX > static_cast<int>(0.1 * W) ? 1 : 0;
        buildEditList(app, table, list);
        app.editListPage = 0;
    } else if (k >= 1 && k <= 4) {
        app.editListPage = 50 * (k - 1) + (right ? 25 : 0);
    } else if (k >= 6) {
        const int i = app.editListPage + k - 6;
        if (i < 0 || i >= kEditListEntries)
            return;
        app.editListIndex = i;
        app.editRecordIndex = list[static_cast<std::size_t>(i)].record;
        const BorderRecord& picked = pickedRecord(app, table);
        centerView(app, picked.RNG_W, picked.RNG_E);
    }
}

// The typed number: optional blanks and a sign, then digits up to the
// first other character; no digits gives 0.
int enteredNumber(const char* text)
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

void present(AppState& app, const BorderTable& table, const ButtonTable& buttons, EditList& list,
             DrawSurface* surface)
{
    drawEditorScreen(app, table, buttons, list, surface);
    flipScreen(app);
}

} // namespace

void controlEdit(AppState& app, BorderTable& table, ButtonTable& buttons, EditList& list,
                 DrawSurface* surface)
{
    if (app.command == kCommandHome) {
        app.editorActive = 0;
        setScreen(app, buttons, kEditorLeft);
        paintRect(0, app.mapTop, app.screenWidth, app.screenHeight, kMenuBackground, kSolid,
                  surface);
        drawButtons(app, buttons, surface);
        flipScreen(app);
        return;
    }
    if (app.command == kCommandNewMap) {
        screens::groupMenu(app, 1, surface);
        drawButtons(app, buttons, surface);
        flipScreen(app);
        return;
    }
    if (app.command >= 48 && app.command <= 82)
        carryOut(app, table, buttons, list, surface);
    present(app, table, buttons, list, surface);
}

void editorMapClick(AppState& app, BorderTable& table, ButtonTable& buttons, EditList& list,
                    DrawSurface* surface)
{
    if (app.screenMode == kEditMapRecordScreen) {
        if (app.command == kCommandNewMap) {
            screens::groupMenu(app, 3, surface);
            viewChosenMap(app);
        } else {
            listPanelClick(app, table, list);
        }
    }
    present(app, table, buttons, list, surface);
}

void numberEntryKey(AppState& app, int key, std::span<char> typedText, DrawSurface* surface)
{
    app.lastKey = key;
    const int length = std::clamp(app.typedLength, 0, kMaxTyped);
    if (typedText.size() <= kMaxTyped + 1)
        return;
    if (key != kEnter) {
        typedText[static_cast<std::size_t>(length)] = static_cast<char>(key);
        app.typedLength = length < kMaxTyped ? length + 1 : length;
        typedText[static_cast<std::size_t>(app.typedLength)] = '\0';
        return;
    }
    if (length == 0)
        return;
    typedText[static_cast<std::size_t>(length)] = '\0';
    app.editEntryValue = enteredNumber(typedText.data());
    const int third = app.mapTop / 3;
    paintRect(0, third, static_cast<int>(0.05 * app.screenWidth), 2 * third, kBandColor,
              kHorizontalHatch, surface);
    std::array<char, 32> text{};
    (void)appendNumber(text, app.editEntryValue);
    (void)appendText(text, " Entry");
    textOut(app, text.data(), static_cast<int>(0.075 * app.screenWidth), third, app.fontSize3,
            kAlignCenter, kChosen, kTextPlain, surface);
    presentFront();
    app.typedLength = 0;
    typedText[0] = '\0';
}
