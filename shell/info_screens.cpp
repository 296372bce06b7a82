// The information screen and the period page.
#include "shell/info_screens.h"

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "core/history_table.h"
#include "map/draw.h"
#include "map/status_line.h"
#include "shell/display_loop.h"

namespace {

constexpr int kPageColor = 121;
constexpr int kChosen = 210;
constexpr int kNotChosen = 215;
constexpr int kButtonColor = 114;
constexpr int kBandColor = 116;
constexpr int kTitleColor = 131;
constexpr int kSolid = 10;
constexpr int kEmptyEntry = -3010;
constexpr int kPageEntries = 30;
constexpr int kColumnEntries = 15;

int row(const AppState& app, int k)
{
    return app.mapTop + (k + 2) * app.fontSize4;
}

int part(const AppState& app, double fraction)
{
    return static_cast<int>(fraction * app.screenWidth);
}

// A framed box: the outer rectangle in outer, inset 2 in middle, inset 3
// in the band colour.
void framedBox(int left, int top, int right, int bottom, int outer, int middle,
               DrawSurface* surface)
{
    paintRect(left, top, right, bottom, outer, kSolid, surface);
    paintRect(left + 2, top + 2, right - 2, bottom - 2, middle, kSolid, surface);
    paintRect(left + 3, top + 3, right - 3, bottom - 3, kBandColor, kSolid, surface);
}

// One settings line: its name and its two choices, the one in force white.
void settingLine(AppState& app, int y, const char* name, const char* first, const char* second,
                 bool firstChosen, DrawSurface* surface)
{
    textOut(app, name, part(app, 0.2), y, app.fontSize4, kAlignLeft, kNotChosen, kTextPlain,
            surface);
    textOut(app, first, part(app, 0.5), y, app.fontSize4, kAlignCenter,
            firstChosen ? kChosen : kNotChosen, kTextPlain, surface);
    textOut(app, second, part(app, 0.72), y, app.fontSize4, kAlignCenter,
            firstChosen ? kNotChosen : kChosen, kTextPlain, surface);
}

// A click on a settings line between top and bottom: left of the divide
// takes the first value, right of it the second, on it nothing.
void settingClick(const AppState& app, int top, int bottom, std::int32_t& setting, int first,
                  int second)
{
    if (!(top < app.mouseY && app.mouseY < bottom))
        return;
    const int divide = part(app, 0.61);
    if (app.mouseX < divide)
        setting = first;
    else if (app.mouseX > divide)
        setting = second;
}

// An entry of the information screen: white over a one-pixel shadow.
void infoEntry(AppState& app, const char* text, int x, int y, DrawSurface* surface)
{
    textOut(app, text, x - 1, y + 1, app.fontSize6, kAlignCenter, kChosen, kTextPlain, surface);
    textOut(app, text, x, y, app.fontSize6, kAlignCenter, kNotChosen, kTextPlain, surface);
}

} // namespace

void infoScreen(AppState& app, const ButtonTable& buttons, int mode, DrawSurface* surface)
{
    const int W = app.screenWidth, f4 = app.fontSize4;
    paintRect(0, app.mapTop, W, app.screenHeight, kPageColor, kSolid, surface);
    drawButtons(app, buttons, surface);

    const int headingX = part(app, 0.28);
    const int headingY = f4 / 2;
    textOut(app, "information and settings", headingX - 1, headingY, app.fontSize7, kAlignLeft,
            kChosen, kTextPlain, surface);
    textOut(app, "information and settings", headingX, headingY, app.fontSize7, kAlignLeft,
            kNotChosen, kTextPlain, surface);
    // The first letter in the colour of the i button.
    textOut(app, "i", headingX, headingY, app.fontSize7, kAlignLeft, kTitleColor, kTextPlain,
            surface);

    infoEntry(app, "Help", part(app, 0.23), row(app, 0), surface);
    infoEntry(app, "About the software", part(app, 0.23), row(app, 2), surface);
    infoEntry(app, "Acknowledgments", part(app, 0.72), row(app, 0), surface);
    infoEntry(app, "Legal and warranty", part(app, 0.72), row(app, 2), surface);
    infoEntry(app, "Print sample map", part(app, 0.5), row(app, 4), surface);
    infoEntry(app, "Veltmaren Inc.", part(app, 0.5), row(app, 17), surface);

    const int boxTop = row(app, 6) + f4 / 2;
    framedBox(part(app, 0.04), boxTop, part(app, 0.96), boxTop + 5 * f4, kChosen, kNotChosen,
              surface);
    const int noteY = boxTop + f4 / 2;
    textOut(app, "Settings in white are ON", part(app, 0.12), noteY, f4, kAlignLeft, kNotChosen,
            kTextPlain, surface);
    const int eraY = noteY + f4, levelY = eraY + f4, entryY = levelY + f4;
    settingLine(app, eraY, "Year Labels:", "BC/AD", "BCE/CE", app.eraLabels == 0, surface);
    settingLine(app, levelY, "Text Level:", "Standard", "Young Reader", app.textLevel == 111,
                surface);
    settingLine(app, entryY, "Year Entry:", "Use keyboard", "Use mouse", app.yearEntry == 120,
                surface);

    if (mode != 3)
        return;
    const int y0 = row(app, 0), y2 = row(app, 2), y4 = row(app, 4), y6 = row(app, 6);
    const int half = part(app, 0.48);
    app.listIndex = -1;
    if (y0 < app.mouseY && app.mouseY < y2)
        app.listIndex = app.mouseX < half ? kInfoHelp : kInfoAcknowledgments;
    if (y2 < app.mouseY && app.mouseY < y4)
        app.listIndex = app.mouseX < half ? kInfoAbout : kInfoLegal;
    if (app.listIndex != -1)
        app.command = 32;
    if (y4 < app.mouseY && app.mouseY < y6)
        app.command = 39;
    settingClick(app, eraY, levelY, app.eraLabels, 0, 1);
    settingClick(app, levelY, entryY, app.textLevel, 111, 101);
    settingClick(app, entryY, entryY + f4, app.yearEntry, 120, 121);
}

void periodChooser(AppState& app, int mode, DrawSurface* surface)
{
    const int W = app.screenWidth, f4 = app.fontSize4;
    paintRect(0, app.mapTop, W, app.screenHeight, kPageColor, kSolid, surface);
    statusLine(app, 205, surface);

    // The history's name in its title box.
    const int titleTop = app.mapTop + f4 / 2;
    const int titleBottom = titleTop + app.fontSize7;
    framedBox(part(app, 0.04), titleTop, part(app, 0.96), titleBottom, kChosen, kButtonColor,
              surface);
    char name[40];
    (void)copyText(name, historyTable[0].label);
    textInBox(app, name, part(app, 0.04) + 3, titleTop + 3, part(app, 0.96) - 3, titleBottom - 3,
              app.fontSize6, kAlignCenter, kTitleColor, kTextPlain, surface);

    // Thirty entries from periodPage, fifteen a column.
    const int yearLeft = part(app, 0.06), yearRight = yearLeft + 2 * f4 + 1;
    const int labelLeft = part(app, 0.13), labelRight = W / 2;
    const int columnStep = part(app, 0.44);
    const bool showYears = historyTable[0].mapYear < 200;
    for (int i = 0; i < kPageEntries; ++i) {
        const int entry = app.periodPage + i;
        if (entry < 0 || entry >= kPeriodEntries)
            break;
        const int r = periodIndex[static_cast<std::size_t>(entry)].record;
        if (r == kEmptyEntry || r < 0 || r >= kHistoryRecords)
            continue;
        const HistoryRecord& record = historyTable[static_cast<std::size_t>(r)];
        const int dx = i < kColumnEntries ? 0 : columnStep;
        const int y = row(app, 1 + i % kColumnEntries);
        const int color =
            record.startYear < app.year && app.year < record.endYear ? kChosen : kNotChosen;
        if (record.kind == 40 && showYears) {
            char year[16];
            year[0] = '\0';
            (void)appendNumber(year, record.startYear);
            // Right-aligned on the box's edge but not clipped to it: a
            // four-digit year BCE is wider than the box.
            textOut(app, year, yearRight + dx, y, f4, kAlignRight, color, kTextPlain, surface);
        }
        char label[40];
        (void)copyText(label, record.label);
        textInBox(app, label, labelLeft + dx, y, labelRight + dx, y + f4, f4, kAlignLeft, color,
                  kTextPlain, surface);
    }
    const bool later = app.periodPage / kPageEntries < app.lastPeriod / kPageEntries;
    if (app.periodPage > 0)
        textOut(app, "<< EARLIER PERIODS", part(app, 0.09), row(app, 0) + f4 / 3, app.fontSize2,
                kAlignLeft, kButtonColor, kTextPlain, surface);
    if (later)
        textOut(app, "LATER PERIODS >>", labelLeft + columnStep, row(app, 16), app.fontSize2,
                kAlignLeft, kButtonColor, kTextPlain, surface);

    // The two settings that change what the page shows.
    const int boxTop = row(app, 17);
    framedBox(part(app, 0.04), boxTop, part(app, 0.96), boxTop + 3 * f4, kChosen, kButtonColor,
              surface);
    const int levelY = boxTop + f4 / 2, eraY = levelY + f4;
    settingLine(app, levelY, "Text Level:", "Standard", "Young Reader", app.textLevel == 111,
                surface);
    settingLine(app, eraY, "Year Labels:", "BC/AD", "BCE/CE", app.eraLabels == 0, surface);
    flipScreen(app);

    if (mode != 3)
        return;
    const int listTop = row(app, 1), listBottom = row(app, 16);
    if (row(app, 0) - f4 / 2 < app.mouseY && app.mouseY < listTop && app.mouseX < W / 2) {
        app.periodPage = app.periodPage >= kPageEntries ? app.periodPage - kPageEntries : 0;
        app.command = 23;
    }
    if (listTop < app.mouseY && app.mouseY < listBottom && yearLeft < app.mouseX &&
        app.mouseX < labelRight + columnStep) {
        int entry = app.periodPage + (app.mouseY - listTop) / f4;
        if (app.mouseX >= labelRight)
            entry += kColumnEntries;
        const int r = entry < kPeriodEntries ? periodIndex[static_cast<std::size_t>(entry)].record
                                             : kEmptyEntry;
        if (r != kEmptyEntry && r >= 0 && r < kHistoryRecords) {
            app.listIndex = entry;
            app.selectedRecord = r;
            app.year = historyTable[static_cast<std::size_t>(r)].startYear;
            app.command = 26;
        }
    }
    if (listBottom < app.mouseY && app.mouseY < levelY && app.mouseX > W / 2 && later &&
        app.periodPage < 90) {
        app.periodPage += kPageEntries;
        app.command = 23;
    }
    settingClick(app, levelY, eraY, app.textLevel, 111, 101);
    settingClick(app, eraY, boxTop + 3 * f4, app.eraLabels, 0, 1);
}
