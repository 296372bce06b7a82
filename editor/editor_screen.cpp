// The editor screens, drawn as one list of passes.
#include "editor/editor_screen.h"

#include <algorithm>
#include <array>

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "map/terrain.h"

namespace {

constexpr int kChosen = 210;
constexpr int kPlain = 215;
constexpr int kTableValue = 175;
constexpr int kPanelColor = 116;
constexpr int kSolid = 10;

// Texts of the list panel and field values are short; numbers of 16-bit
// fields and filter values always fit.
using Line = std::array<char, 48>;

Line numberText(long value, const char* after = "")
{
    Line text{};
    (void)appendNumber(text, value);
    (void)appendText(text, after);
    return text;
}

int gridColor(int degree)
{
    if (degree % 10 == 0)
        return 212;
    return degree % 5 == 0 ? 213 : 214;
}

// One list row: start/end year in column 1, action.color.fifth in column 2.
void listRow(AppState& app, const EditListEntry& entry, int row, int color, DrawSurface* surface)
{
    const int h = app.fontSize1;
    const int x1 = static_cast<int>(0.046 * app.screenWidth);
    const int x2 = static_cast<int>(0.12 * app.screenWidth);
    const int y = app.mapTop + row * h;
    Line years = numberText(entry.startYear, "/");
    (void)appendNumber(years, entry.endYear);
    Line fields = numberText(entry.action, ".");
    (void)appendNumber(fields, entry.color);
    (void)appendText(fields, ".");
    (void)appendNumber(fields, entry.fifth);
    textOut(app, years.data(), x1, y, h, kAlignCenter, color, 0, surface);
    textOut(app, fields.data(), x2, y, h, kAlignCenter, color, 0, surface);
}

} // namespace

void degreeGrid(const AppState& app, DrawSurface* surface)
{
    for (int d = app.viewWest / 100; d < app.viewEast / 100; ++d) {
        const int sx = projectPoint(app, 100 * d, app.viewSouthY).x;
        paintLine(sx, app.mapTop, sx, app.screenHeight, gridColor(d), surface);
    }
    for (int d = app.viewNorthLat / 100; d > app.viewSouthLat / 100; --d) {
        const int sy = projectPoint(app, app.viewWest, mercator(100 * d)).y;
        paintLine(0, sy, app.screenWidth, sy, gridColor(d), surface);
    }
}

void listPanel(AppState& app, const EditList& list, DrawSurface* surface)
{
    const int W = app.screenWidth;
    const int h = app.fontSize1;
    const int x1 = static_cast<int>(0.046 * W);
    const int x2 = static_cast<int>(0.12 * W);
    auto rowTop = [&](int row) { return app.mapTop + row * h; };

    paintRect(0, app.mapTop + h, static_cast<int>(0.155 * W), app.screenHeight - h, kPanelColor,
              kSolid, surface);

    const bool byYear = app.editListByYear == 1;
    Line nationText{};
    (void)copyText(nationText, byYear ? "NATION" : "NATION=");
    if (!byYear)
        (void)appendNumber(nationText, app.editFilterValue);
    Line yearText{};
    (void)copyText(yearText, byYear ? "YEAR=" : "YEAR");
    if (byYear)
        (void)appendNumber(yearText, app.editFilterValue);
    textOut(app, nationText.data(), x1, rowTop(1), h, kAlignCenter, byYear ? kPlain : kChosen, 0,
            surface);
    textOut(app, yearText.data(), x2, rowTop(1), h, kAlignCenter, byYear ? kChosen : kPlain, 0,
            surface);

    static constexpr const char* kPages[4][2] = {
        {"0-24", "25-49"}, {"50-74", "75-99"}, {"100-124", "125-149"}, {"150-174", "175-199"}};
    for (int k = 0; k < 4; ++k) {
        for (int side = 0; side < 2; ++side) {
            const int first = 50 * k + 25 * side;
            textOut(app, kPages[k][side], side == 0 ? x1 : x2, rowTop(2 + k), h, kAlignCenter,
                    first == app.editListPage ? kChosen : kPlain, 0, surface);
        }
    }

    for (int r = 0; r < 25; ++r) {
        const int i = app.editListPage + r;
        const EditListEntry entry = i >= 0 && i < kEditListEntries
                                        ? list[static_cast<std::size_t>(i)]
                                        : EditListEntry{};
        listRow(app, entry, 7 + r, kPlain, surface);
    }
    // The selection is drawn at its own row even off the page shown, as
    // the row arithmetic gives it.
    if (app.editListIndex >= 0 && app.editListIndex < kEditListEntries)
        listRow(app, list[static_cast<std::size_t>(app.editListIndex)],
                7 + app.editListIndex - app.editListPage, kChosen, surface);
}

void fieldValuesPanel(AppState& app, const BorderTable& table, DrawSurface* surface)
{
    const int W = app.screenWidth;
    const int a = static_cast<int>(0.0033 * W);
    const int b = static_cast<int>(0.168 * W);
    const int c = static_cast<int>(0.035 * W);
    const int r = app.mapTop / 3;
    const int xC = W - 3 * b - a;
    const int xD = W - 2 * b;
    const int xE = W - b + a;
    const BorderRecord& work = table[kWorkRecordSlot];
    const int slot = std::clamp(app.editRecordIndex, 0, kBorderSlots - 1);
    const BorderRecord& stored = table[static_cast<std::size_t>(slot)];

    struct Field {
        std::int16_t BorderRecord::*member;
        int x, y;
    };
    const Field fields[] = {
        {&BorderRecord::STARTYR, xC, 0}, {&BorderRecord::ENDYR, xD, 0},
        {&BorderRecord::COLOR, xD, r},   {&BorderRecord::HATCH, xD, 2 * r},
        {&BorderRecord::ACTION, xE, 0},  {&BorderRecord::NATGRP, xE, r},
        {&BorderRecord::NATION, xE, 2 * r},
    };
    for (const Field& f : fields) {
        textOut(app, numberText(work.*f.member).data(), f.x, f.y, app.fontSize1, kAlignLeft,
                kChosen, 0, surface);
        textOut(app, numberText(stored.*f.member).data(), f.x + c, f.y, app.fontSize1, kAlignLeft,
                kTableValue, 0, surface);
    }
}

void drawEditorScreen(AppState& app, const BorderTable& table, const ButtonTable& buttons,
                      EditList& list, DrawSurface* surface)
{
    // The map straight onto the surface, land in the editor's black.
    paintSea(app, surface);
    paintLand(app, table, surface);
    paintRivers(app, table, surface);
    paintTerrain(app, terrainMap, surface);
    degreeGrid(app, surface);

    if (app.editListIndex >= 0 && app.editListIndex < kEditListEntries) {
        const int picked = list[static_cast<std::size_t>(app.editListIndex)].record;
        if (picked != table[kWorkRecordSlot].RECORD && picked >= 0 && picked < kWorkRecordSlot)
            drawEditedRecord(app, table, picked, surface);
    }
    drawEditedRecord(app, table, kWorkRecordSlot, surface);
    drawButtons(app, buttons, surface);

    switch (app.screenMode) {
    case kEditMapRecordScreen:
        drawButton(app, buttons, kButtonMapRecord, kChosen, surface);
        buildEditList(app, table, list);
        listPanel(app, list, surface);
        break;
    case kEditSaveLabelsScreen:
        drawButton(app, buttons, kButtonSaveLabels, kChosen, surface);
        fieldValuesPanel(app, table, surface);
        break;
    case kEditPointsScreen:
        drawButton(app, buttons, kButtonEditPoints, kChosen, surface);
        textOut(app, numberText(table[kWorkRecordSlot].ENTRIES, " Points").data(),
                static_cast<int>(0.075 * app.screenWidth), app.mapTop / 3, app.fontSize3,
                kAlignCenter, kChosen, 0, surface);
        break;
    default:
        break;
    }
}
