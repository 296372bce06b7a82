// The animations and histories menu: layout, drawing and the click.
#include "content/group_menu.h"

#include "core/app_state.h"
#include "map/draw.h"
#include "map/status_line.h"

namespace {

constexpr int kBackground = 121;
constexpr int kBoxEdge = 210;
constexpr int kBoxRim = 114;
constexpr int kBoxInside = 116;
constexpr int kHeadingColor = 131;
constexpr int kEntryColor = 215;
constexpr int kChosenColor = 210;
constexpr int kSolid = 10;

// On screen 20 the menu chooses a map: every entry is shown as a map at
// once. No screen of the atlas has that number yet.
constexpr int kMapChooser = 20;

struct MenuLayout {
    int top;         // bottom of the "Animations" box
    int listTop;     // top of the first line
    int line;        // line height
    int columnLeft;  // left of the first column
    int columnWidth;
};

MenuLayout menuLayout(const AppState& app)
{
    const int W = app.screenWidth;
    MenuLayout m{};
    m.line = app.fontSize4;
    m.top = app.mapTop + 2 * m.line;
    m.listTop = m.top + m.line / 2;
    m.columnLeft = static_cast<int>(0.09 * W);
    m.columnWidth = (static_cast<int>(0.93 * W) - static_cast<int>(0.09 * W)) / 4;
    return m;
}

void entryName(AppState& app, const MenuLayout& m, const NationGroupRow& row, int index,
               int color, DrawSurface* surface)
{
    const int column = index / kMenuLines;
    const int line = index % kMenuLines;
    int x = m.columnLeft + column * m.columnWidth;
    if (line < kMenuAnimationLines)
        x += m.columnWidth / 2;
    textOut(app, row.name, x, m.listTop + line * m.line, m.line, kAlignLeft, color, kTextPlain,
            surface);
}

// A heading over the width of the menu: white edge, green rim, band colour
// inside, the word centred in it.
void headingBox(AppState& app, const char* word, int top, int bottom, DrawSurface* surface)
{
    const int left = static_cast<int>(0.04 * app.screenWidth);
    const int right = static_cast<int>(0.96 * app.screenWidth);
    paintRect(left, top, right, bottom, kBoxEdge, kSolid, surface);
    paintRect(left + 2, top + 2, right - 2, bottom - 2, kBoxRim, kSolid, surface);
    paintRect(left + 3, top + 3, right - 3, bottom - 3, kBoxInside, kSolid, surface);
    const int inside = bottom - top - 6;
    const int y = top + 3 + (inside - app.fontSize6) / 2;
    textInBox(app, word, left + 3, y, right - 3, bottom - 3, app.fontSize6, kAlignCenter,
              kHeadingColor, kTextPlain, surface);
}

void drawMenu(AppState& app, const NationGroupTable& groups, int mode, DrawSurface* surface)
{
    const MenuLayout m = menuLayout(app);
    const int W = app.screenWidth;
    const int H = app.screenHeight;
    paintRect(0, app.mapTop, W, H, kBackground, kSolid, surface);
    if (mode != kMenuWithoutStatus)
        statusLine(app, 203, surface);
    headingBox(app, "Animations", m.top - app.fontSize7, m.top, surface);
    const int historiesTop = m.listTop + 5 * m.line;
    headingBox(app, "Histories", historiesTop, historiesTop + app.fontSize7, surface);
    for (int i = 0; i < kNationGroupRows; ++i) {
        const NationGroupRow& row = groups[static_cast<std::size_t>(i)];
        entryName(app, m, row, i, row.highlight != 0 ? kChosenColor : kEntryColor, surface);
    }
    if (app.fullContent == 0) {
        // Lines of the background colour through the national groups' names;
        // the animations and the whole-map history stay clear.
        paintRuledBackground(app, kBackground, surface);
        textOut(app, "Shaded entries are not available. Click 'i' in menu for information.",
                W / 2, H - 2 * m.line, m.line, kAlignCenter, kEntryColor, kTextPlain, surface);
    }
}

} // namespace

int groupMenuRow(const AppState& app, int x, int y)
{
    const MenuLayout m = menuLayout(app);
    if (m.line <= 0 || m.columnWidth <= 0 || y < m.listTop)
        return -1;
    const int line = (y - m.listTop) / m.line;
    int left = m.columnLeft;
    if (line < kMenuAnimationLines)
        left += m.columnWidth / 2;
    if (x < left)
        return -1;
    const int index = (x - left) / m.columnWidth * kMenuLines + line;
    return index < kNationGroupRows ? index : kNationGroupRows - 1;
}

void groupMenu(AppState& app, NationGroupTable& groups, int mode, DrawSurface* surface)
{
    drawMenu(app, groups, mode, surface);
    if (mode != 3)
        return;
    const int index = groupMenuRow(app, app.mouseX, app.mouseY);
    if (index < 0)
        return;
    const NationGroupRow& row = groups[static_cast<std::size_t>(index)];
    entryName(app, menuLayout(app), row, index, kChosenColor, surface);
    if (row.id < 0)
        return;
    app.animationId = row.id;
    if (app.screenMode == kMapChooser) {
        app.command = 24;
    } else if (row.id <= kLastRegionId) {
        if (app.year == -3001) {
            app.year = 150; // no map was shown yet: choose its year first
            app.command = 20;
        } else {
            app.command = 24;
        }
    } else if (row.id == kWholeMapHistory || app.fullContent == 1) {
        app.command = 22;
    }
}
