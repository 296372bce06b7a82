// The year screen: the century and year timelines and the panel below them.
#include "map/timelines.h"

#include <cstdlib>

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/status_line.h"

namespace {

constexpr int kBackground = 121;
constexpr int kInk = 215;
constexpr int kBeyond = 204; // the centuries after 1000, which the atlas does not show
constexpr int kCurrent = 210;
constexpr int kBoxRim = 114;
constexpr int kBoxInside = 116;
constexpr int kSolid = 10;
constexpr int kFirstYear = -3000;
constexpr int kLastYear = 1000;

// Both scales are centred between 3% and 92% of the width.
struct Span {
    int from, to, centre;
};

Span timelineSpan(const AppState& app)
{
    const int x0 = static_cast<int>(0.03 * app.screenWidth);
    const int x1 = static_cast<int>(0.92 * app.screenWidth);
    return {x0, x1, x0 + (x1 - x0) / 2};
}

// The century scale: 30 BC centuries, the turn of the era, then the AD
// centuries, ten inside the atlas and ten beyond it.
struct CenturyScale {
    int step;
    int left;   // 3000 BC
    int zero;   // year 0 of the AD side, one step after the end of the BC side
    int end;    // 1000 AD, the atlas's end mark
    int right;  // 2000 AD, the end of the scale
    int top, middle, bottom;
};

CenturyScale centuryScale(const AppState& app, const TimelineRows& rows)
{
    const Span s = timelineSpan(app);
    CenturyScale c{};
    c.step = (s.to - s.from) / 52;
    c.left = s.centre - 26 * c.step;
    c.zero = c.left + 31 * c.step;
    c.end = c.zero + 11 * c.step;
    c.right = c.zero + 21 * c.step;
    c.top = rows[3];
    c.middle = c.top + app.fontSize2 / 2;
    c.bottom = c.middle + app.fontSize2 / 2;
    return c;
}

struct YearScale {
    int step;
    int left;  // year 00 of the century
    int right; // past year 99
    int top, middle, bottom;
};

YearScale yearScale(const AppState& app, const TimelineRows& rows)
{
    const Span s = timelineSpan(app);
    YearScale y{};
    y.step = (s.to - s.from) / 100;
    y.left = s.centre - 50 * y.step;
    y.right = y.left + 100 * y.step;
    y.middle = rows[8];
    y.top = y.middle - app.fontSize2 / 2;
    y.bottom = y.middle + app.fontSize2 / 2;
    return y;
}

void number(AppState& app, long value, int x, int top, int color, DrawSurface* surface)
{
    char digits[16] = "";
    (void)appendNumber(digits, value);
    textOut(app, digits, x, top, app.fontSize2, kAlignCenter, color, kTextPlain, surface);
}

// A filled marker block one step wide from the scale's top to its base line.
void block(int x, int step, int top, int middle, int color, DrawSurface* surface)
{
    paintRect(x, top, x + step + 1, middle + 1, color, kSolid, surface);
}

void centuryClick(AppState& app, const CenturyScale& c)
{
    const int k = (app.mouseX - c.left) / c.step;
    const int digits = std::abs(app.year % 100);
    int year;
    if (k < 31) {
        year = (k - 30) * 100;
        if (year < kFirstYear)
            year = kFirstYear;
        if (app.timelineShown == 1)
            year -= digits;
    } else {
        year = (k - 31) * 100;
        if (year > kLastYear)
            year = kLastYear;
        if (app.timelineShown == 1)
            year += digits;
    }
    if (year < kFirstYear)
        year = kFirstYear;
    if (year > kLastYear)
        year = kLastYear;
    app.year = year;
    app.timelineShown = 0;
    app.command = 24; // the map of the year
}

void drawCenturies(AppState& app, const CenturyScale& c, DrawSurface* surface)
{
    const int f2 = app.fontSize2;
    const int labelTop = c.top - f2;
    textOut(app, "Century timeline", static_cast<int>(0.02 * app.screenWidth),
            c.top - 2 * app.fontSize4, app.fontSize4, kAlignLeft, kInk, kTextPlain, surface);
    paintLine(c.left, c.middle, c.end, c.middle, kInk, surface);
    paintLine(c.end, c.middle, c.right, c.middle, kBeyond, surface);
    int x = c.left;
    for (; x <= c.end; x += c.step)
        paintLine(x, c.top, x, c.middle, kInk, surface);
    for (x = c.end; x <= c.right; x += c.step)
        paintLine(x, c.top, x, c.middle, kBeyond, surface);

    // Every five centuries a block; the BC side is numbered 3000 .. 500.
    int value = -3000;
    for (x = c.left; x < c.zero; x += 5 * c.step, value += 500) {
        block(x, c.step, c.top, c.middle, kInk, surface);
        if (value < 0)
            number(app, -value, x + c.step / 2, labelTop, kInk, surface);
    }
    value = 0;
    for (x = c.zero; x <= c.right; x += 5 * c.step, value += 500) {
        const int color = x >= c.end ? kBeyond : kInk;
        block(x, c.step, c.top, c.middle, color, surface);
        if (value > 0)
            number(app, value, x + c.step / 2, labelTop, color, surface);
    }
    // The turn of the era, marked "1".
    paintLine(c.zero, c.top - 4, c.zero, c.top, kInk, surface);
    paintLine(c.zero, c.top, c.zero, c.middle - 1, kInk, surface);
    textOut(app, "1", c.zero + c.step / 2 / 2, labelTop, f2, kAlignCenter, kInk, kTextPlain,
            surface);

    // The century of the year, marked under the scale and named beside it.
    const int century = std::abs(app.year / 100);
    char text[24] = "";
    if (century == 0)
        (void)copyText(text, " ");
    else
        (void)appendNumber(text, century * 100L);
    const bool bc = app.year < 0;
    if (app.eraLabels == 1)
        (void)appendText(text, bc ? " BCE" : " CE");
    else
        (void)appendText(text, bc ? " BC" : " AD");
    const int boxX = bc ? c.left + (30 - century) * c.step : c.left + (century + 31) * c.step;
    paintRect(boxX, c.middle + 1, boxX + c.step + 1, c.bottom, kCurrent, kSolid, surface);
    if (bc)
        textOut(app, text, boxX + c.step + 2, c.middle + 1, f2, kAlignLeft, kCurrent, kTextPlain,
                surface);
    else
        textOut(app, text, boxX - 2, c.middle + 1, f2, kAlignRight, kCurrent, kTextPlain, surface);
}

void yearClick(AppState& app, const YearScale& y)
{
    int k = (app.mouseX - y.left) / y.step;
    if (k < 1)
        k = 0;
    if (k > 98)
        k = 99;
    app.timelineShown = 1;
    int year;
    if (app.year < 0) {
        year = app.year / 100 * 100 - k;
        if (year == 0)
            year = -1;
    } else {
        year = app.year / 100 * 100 + k;
        if (year == 0)
            year = 1;
    }
    // The century of 1000 AD and that of 3000 BC reach past the atlas.
    if (year > kLastYear)
        year -= 100;
    if (year < kFirstYear)
        year += 100;
    app.year = year;
    app.timelineYear = year;
    app.nextRecord = 0;
}

void drawYears(AppState& app, const YearScale& y, DrawSurface* surface)
{
    const int f2 = app.fontSize2;
    const int labelTop = y.top - f2;
    textOut(app, "Year timeline", static_cast<int>(0.02 * app.screenWidth),
            y.top - 2 * app.fontSize4, app.fontSize4, kAlignLeft, kInk, kTextPlain, surface);
    paintLine(y.left, y.middle, y.right, y.middle, kInk, surface);
    for (int x = y.left; x <= y.right; x += y.step)
        paintLine(x, y.top, x, y.middle, kInk, surface);
    for (int x = y.left; x < y.right; x += 5 * y.step)
        block(x, y.step, y.top, y.middle, kInk, surface);
    textOut(app, "00", y.left + y.step / 2, labelTop, f2, kAlignCenter, kInk, kTextPlain, surface);
    for (int tens = 10; tens <= 90; tens += 10)
        number(app, tens, y.left + tens * y.step + y.step / 2, labelTop, kInk, surface);
    textOut(app, "99", y.right - y.step / 2, labelTop, f2, kAlignCenter, kInk, kTextPlain,
            surface);

    // The year within its century: a box under the scale, its number beside
    // it (to the left near the end, where the right would run off).
    const int d = std::abs(app.year) % 100;
    const int boxX = y.left + d * y.step;
    paintRect(boxX, y.middle + 1, boxX + y.step + 1, y.middle + f2 / 2, kCurrent, kSolid, surface);
    char digits[8] = "";
    (void)appendNumber(digits, d);
    if (d < 95)
        textOut(app, digits, boxX + y.step + 2, y.middle + 1, f2, kAlignLeft, kCurrent, kTextPlain,
                surface);
    else
        textOut(app, digits, boxX - 2, y.middle + 1, f2, kAlignRight, kCurrent, kTextPlain,
                surface);
}

} // namespace

TimelineRows timelineRows(const AppState& app)
{
    TimelineRows rows{};
    for (int k = 0; k < kTimelineRows; ++k)
        rows[static_cast<std::size_t>(k)] = app.mapTop + (k + 1) * app.fontSize4;
    return rows;
}

void centuryTimeline(AppState& app, const TimelineRows& rows, int mode, DrawSurface* surface)
{
    const CenturyScale c = centuryScale(app, rows);
    if (c.step <= 0)
        return; // a screen too narrow for the scale
    if (mode == 3)
        centuryClick(app, c);
    drawCenturies(app, c, surface);
}

void yearTimeline(AppState& app, const TimelineRows& rows, int mode, DrawSurface* surface)
{
    const YearScale y = yearScale(app, rows);
    if (y.step <= 0)
        return;
    if (mode == 3)
        yearClick(app, y);
    drawYears(app, y, surface);
}

void yearPanel(AppState& app, int mode, DrawSurface* surface)
{
    const TimelineRows row = timelineRows(app);
    const int h = app.fontSize4;
    const int W = app.screenWidth;
    const int y = app.mouseY;
    // The click first, so that everything drawn shows its outcome.
    if (mode == 3) {
        const CenturyScale centuries = centuryScale(app, row);
        const YearScale years = yearScale(app, row);
        if (row[1] < y && y < row[5] && centuries.step > 0)
            centuryClick(app, centuries);
        else if (row[6] < y && y < row[10] && years.step > 0)
            yearClick(app, years);
        else if (row[19] < y && y < row[20] + h / 2)
            app.eraLabels = app.eraLabels == 0 ? 1 : 0;
    }

    paintRect(0, app.mapTop, W, app.screenHeight, kBackground, kSolid, surface);
    const int left = static_cast<int>(0.04 * W);
    const int right = static_cast<int>(0.96 * W);
    const int top = row[17] + h / 2;
    const int bottom = row[20] + h / 2;
    paintRect(left, top, right, bottom, kCurrent, kSolid, surface);
    paintRect(left + 2, top + 2, right - 2, bottom - 2, kBoxRim, kSolid, surface);
    paintRect(left + 3, top + 3, right - 3, bottom - 3, kBoxInside, kSolid, surface);
    statusLine(app, 204, surface);
    const bool common = app.eraLabels == 1;
    const int centre = static_cast<int>(0.5 * W);
    textOut(app,
            common ? "This atlas covers 3000 BCE to 1000 CE."
                   : "This atlas covers 3000 BC to 1000 AD.",
            centre, row[18], h, kAlignCenter, kInk, kTextPlain, surface);
    textOut(app,
            common ? "Year labels are BCE/CE. Click here to change to BC/AD."
                   : "Year labels are BC/AD. Click here to change to BCE/CE.",
            centre, row[19], h, kAlignCenter, kInk, kTextPlain, surface);

    centuryTimeline(app, row, 1, surface);
    yearTimeline(app, row, 1, surface);
}
