// The menu band: layout of the 76 button rows, visibility per screen,
// drawing and the click test.
#include "shell/buttons.h"

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/palette.h"
#include "platform/surface.h"

ButtonTable buttonTable;

namespace {

// Fill colours of the band.
constexpr int kButtonColor = 114;
constexpr int kBandColor = 116;
constexpr int kSignColor = 210;
constexpr int kLabelColor = 131;

struct Box {
    int left, top, right, bottom;
};

void setRow(ButtonTable& buttons, int row, const char* label, Box box, int fill, int fontHeight,
            int bold, int command)
{
    ButtonRow& b = buttons[row];
    b.visible = 0;
    b.left = box.left;
    b.top = box.top;
    b.right = box.right;
    b.bottom = box.bottom;
    b.fill = fill;
    b.fontHeight = fontHeight;
    b.bold = bold;
    b.command = command;
    (void)copyText(b.label, label); // every label fits its 15 characters
}

void showRows(ButtonTable& buttons, int first, int last, int flag)
{
    for (int row = first; row <= last; ++row)
        buttons[row].visible = flag;
}

// The rows every screen starts with: map, year, i, the close box and the
// year box.
void showStandingRows(ButtonTable& buttons)
{
    for (int row : {10, 12, 14, 15, 27})
        buttons[row].visible = 1;
}

} // namespace

void buildButtonTable(AppState& app, ButtonTable& buttons)
{
    const int W = app.screenWidth;
    const int H = app.screenHeight;
    const int f3 = app.fontSize3;
    const int f4 = app.fontSize4;
    const int f8 = app.fontSize8;
    // Base quantities: gaps, the two button widths and the era label width.
    const int g = static_cast<int>(0.0033 * W);
    const int v = static_cast<int>(0.0044 * H);
    const int u = static_cast<int>(0.08 * W);
    const int s = static_cast<int>(0.12 * W);
    const int t = static_cast<int>(0.045 * W);

    app.mapTop = 2 * f4 + 5 * v;
    app.headingLeft = 2 * (u + g);
    app.headingBoxLeft = app.headingLeft;
    app.headingRight = W - t - s - g;
    const int mapTop = app.mapTop;
    const int left = app.headingLeft;   // right end of the left column
    const int right = app.headingRight; // left end of the right column

    buttons = ButtonTable{};

    // Left column: two lines of player and navigation buttons.
    const int line1Top = v, line1Bottom = f4 + 2 * v;
    const int line2Top = f4 + 3 * v, line2Bottom = mapTop - v;
    const Box whole = {g, line1Top, left, line1Bottom};
    const Box firstHalf = {g, line1Top, g + u, line1Bottom};
    const Box secondHalf = {g + u + g, line1Top, left, line1Bottom};
    const Box stepBack = {g, line1Top, g + f3, line1Bottom};
    const Box stepForward = {left - f3, line1Top, left, line1Bottom};
    const Box between = {g + f3 + g, line1Top, left - f3 - g, line1Bottom};
    const int mapRight = static_cast<int>(0.065 * W);
    const int playRight = 2 * left / 3;

    setRow(buttons, 0, "Start", whole, kButtonColor, f4, 1, 19);
    setRow(buttons, 1, "Run", between, kButtonColor, f4, 1, 2);
    setRow(buttons, 2, "Pause", between, kButtonColor, f4, 1, 1);
    setRow(buttons, 3, "Next", secondHalf, kButtonColor, f4, 1, 7);
    setRow(buttons, 4, "Prior", firstHalf, kButtonColor, f4, 1, 8);
    setRow(buttons, 5, "Back", firstHalf, kBandColor, f4, 1, 37);
    setRow(buttons, 7, "<", stepBack, kButtonColor, f4, 1, 5);
    setRow(buttons, 8, ">", stepForward, kButtonColor, f4, 1, 6);
    setRow(buttons, 9, "Back to map", whole, kButtonColor, f4, 1, 28);
    setRow(buttons, 10, "map", {g, line2Top, mapRight, line2Bottom}, kButtonColor, f4, 0, 19);
    setRow(buttons, 12, "year", {mapRight + g, line2Top, left - f3 - g, line2Bottom}, kButtonColor,
           f4, 0, 20);
    setRow(buttons, 14, "i", {left - f3, line2Top, left, line2Bottom}, kButtonColor, f4, 0, 29);

    // Right column: speed buttons and close box, year box and era label.
    const int closeLeft = W - g - f4;
    const int speedTop = v, speedBottom = f3;
    const int speed1 = static_cast<int>(0.865 * W);
    const int speed2 = static_cast<int>(0.895 * W);
    const int speed5 = static_cast<int>(0.9275 * W);
    const int eraLeft = W - 3 * g - t;
    const Box heading = {right + g, speedTop, closeLeft - g, speedBottom};
    const Box yearRow = {right + g, f3 + v, eraLeft, mapTop - v};
    const Box era = {eraLeft, f3 + v, W - g, mapTop - v};

    setRow(buttons, 15, "", {closeLeft, speedTop, W - g, speedBottom}, kButtonColor, f4, 0, 16);
    setRow(buttons, 16, "", heading, kButtonColor, f3, 0, 0);
    setRow(buttons, 17, "1", {right + g, speedTop, speed1, speedBottom}, kButtonColor, f3, 0, 9);
    setRow(buttons, 18, "2", {speed1 + g, speedTop, speed2, speedBottom}, kButtonColor, f3, 0, 10);
    setRow(buttons, 19, "5", {speed2 + g, speedTop, speed5, speedBottom}, kButtonColor, f3, 0, 11);
    setRow(buttons, 20, "10", {speed5 + g, speedTop, closeLeft - g, speedBottom}, kButtonColor, f3,
           0, 12);

    // The settings menu unfolds downwards in rows of one button line each.
    const int settingsStep = f4 + v;
    setRow(buttons, 21, "Settings", {right, v, W - g, v + settingsStep}, kBandColor, f4, 0, 33);
    setRow(buttons, 22, "Color", {right, v + settingsStep, W - g, v + 2 * settingsStep},
           kButtonColor, f4, 0, 14);
    setRow(buttons, 23, "Resolution", {right, v + 2 * settingsStep, W - g, v + 3 * settingsStep},
           kButtonColor, f4, 0, 15);

    setRow(buttons, 24, "Play", {g, line1Top, playRight, line1Bottom}, kBandColor, f4, 0, 2);
    setRow(buttons, 25, "Pause", {g, line1Top, playRight, line1Bottom}, kBandColor, f4, 0, 1);
    setRow(buttons, 26, "End", {playRight, line1Top, left, line1Bottom}, kBandColor, f4, 0, 37);

    setRow(buttons, 27, "", yearRow, kButtonColor, f8, 1, 20);
    setRow(buttons, 28, "BC", era, kButtonColor, f3, 0, 13);
    setRow(buttons, 29, "BCE", era, kButtonColor, f3, 0, 13);
    setRow(buttons, 30, "AD", era, kButtonColor, f3, 0, 13);
    setRow(buttons, 31, "CE", era, kButtonColor, f3, 0, 13);
    setRow(buttons, 32, "End", heading, kSignColor, f3, 1, 0);

    // Print and language screens.
    setRow(buttons, 33, "Map", firstHalf, kButtonColor, f4, 1, 38);
    setRow(buttons, 34, "Mural", secondHalf, kButtonColor, f4, 1, 39);
    setRow(buttons, 35, "Mural", secondHalf, kButtonColor, f4, 1, 41);
    setRow(buttons, 36, "Language", whole, kButtonColor, f4, 0, 44);

    // The editor's buttons stand in three lines across the band and in
    // columns as wide as the left column.
    const int e = mapTop / 3;
    const int lineTop[3] = {0, e, 2 * e};
    const int column = left + g;
    const Box col1[3] = {{column, 0, left + column, e},
                         {column, e, left + column, 2 * e},
                         {column, 2 * e, left + column, 3 * e}};
    auto colBox = [&](int colLeft, int colRight, int line) {
        return Box{colLeft, lineTop[line], colRight, lineTop[line] + e};
    };
    const int col4Left = right - column, col4Right = right - g;
    const int col3Left = col4Left - column, col3Right = col4Left - g;

    setRow(buttons, 37, "Edit", colBox(right, closeLeft - g, 0), kBandColor, f3, 0, 45);
    setRow(buttons, 38, "Sprdsht", colBox(right, W - g, 1), kBandColor, f3, 0, 46);
    setRow(buttons, 39, "Convert", colBox(right, W - g, 2), kBandColor, f3, 0, 47);
    setRow(buttons, 40, "home", {g, 2 * e, g + u, mapTop}, kButtonColor, f3, 0, 48);
    setRow(buttons, 41, "Map/Record", col1[0], kButtonColor, f3, 0, 49);
    setRow(buttons, 42, "Save/Labels", col1[2], kButtonColor, f3, 0, 50);
    setRow(buttons, 43, "Edit Points", col1[1], kButtonColor, f3, 0, 51);
    setRow(buttons, 44, "New Map", colBox(g, left - g, 0), kButtonColor, f3, 0, 52);
    setRow(buttons, 45, "Save File", colBox(g, left - g, 0), kButtonColor, f3, 0, 53);
    setRow(buttons, 46, "UndoWork", colBox(g, left - g, 0), kButtonColor, f3, 0, 54);

    struct EditorRow {
        int row;
        const char* label;
        int column; // 3, 4 or 5
        int line;
        int fontHeight;
        int command;
    };
    const EditorRow editorRows[] = {
        {47, "SaveToWork", 3, 0, f3, 57},    {48, "ClearWork", 3, 1, f3, 58},
        {49, "DeleteRec", 3, 2, f3, 59},     {50, "Move Up", 4, 0, f3, 63},
        {51, "Move Down", 4, 1, f3, 64},     {52, "Move Left", 4, 2, f3, 65},
        {53, "Zoom In", 5, 0, f3, 60},       {54, "Zoom Out", 5, 1, f3, 61},
        {55, "Move Right", 5, 2, f3, 62},    {56, "      StartYr", 3, 0, f3, 66},
        {57, "SaveReplace", 3, 1, f3, 67},   {58, "SaveNew", 3, 2, f3, 68},
        {59, "      EndYr", 4, 0, f3, 69},   {60, "      Color", 4, 1, f3, 70},
        {61, "      Hatch", 4, 2, f3, 71},   {62, "      Action", 5, 0, f3, 72},
        {63, "      Group", 5, 1, f3, 73},   {64, "      Nation", 5, 2, f3, 74},
        {65, "AddPoint", 3, 0, f3, 75},      {66, "Delete Point", 4, 0, f3, 77},
        {67, "DelPtsAfter", 4, 1, f3, 78},   {68, "DelPtsBefore", 4, 2, f3, 79},
        {69, "InsertPoint", 3, 2, f3, 80},   {70, "CopyFrom", 5, 0, f4, 81},
        {71, "CopyTo", 5, 1, f3, 82},        {72, "InsertAfter", 3, 1, f4, 76},
    };
    for (const EditorRow& r : editorRows) {
        Box box = r.column == 3   ? colBox(col3Left, col3Right, r.line)
                  : r.column == 4 ? colBox(col4Left, col4Right, r.line)
                                  : colBox(right, W - g, r.line);
        setRow(buttons, r.row, r.label, box, kButtonColor, r.fontHeight, 0, r.command);
    }

    // The band itself, painted first as the background of all rows.
    setRow(buttons, kButtonBand, "", {0, 0, W, mapTop}, kBandColor, f4, 0, 0);

    showStandingRows(buttons);
}

void setVisibility(const AppState& app, ButtonTable& buttons, int screen)
{
    // The same start for every screen; rows 32 and 41..43 keep their
    // flags (37..39 are set at the end).
    showRows(buttons, 0, 5, 0);
    showRows(buttons, 7, 9, 0);
    buttons[11].visible = 0;
    showRows(buttons, 16, 26, 0);
    showRows(buttons, 28, 31, 0);
    showRows(buttons, 33, 36, 0);
    buttons[40].visible = 0;
    showRows(buttons, 44, 72, 0);
    showStandingRows(buttons);

    auto player = [&] {
        showRows(buttons, 7, 8, 1);
        showRows(buttons, 17, 20, 1);
        buttons[30].visible = 1;
    };
    auto editorStart = [&] {
        buttons[40].visible = 1;
        showRows(buttons, 41, 43, 1);
        for (int row : {10, 12, 14, 27})
            buttons[row].visible = 0;
    };

    switch (screen) {
    case 0: // title screen
        buttons[1].visible = 1;
        player();
        break;
    case 2: // animations menu
    case 3: // year entry
    case 5: // period page
        buttons[5].visible = 1;
        buttons[27].visible = 0;
        buttons[30].visible = 0;
        break;
    case 6: // region map
        buttons[app.playing == 1 ? 2 : 1].visible = 1;
        player();
        break;
    case 8: // history map
        showRows(buttons, 3, 4, 1);
        buttons[30].visible = 1;
        break;
    case 9: // nation history
        buttons[9].visible = 1;
        buttons[16].visible = 1;
        buttons[27].visible = 0;
        break;
    case 10: // information screen
    case 12: // information text
        buttons[5].visible = 1;
        buttons[27].visible = 0;
        break;
    case 11: // left behind by the editor
        showRows(buttons, 3, 4, 1);
        break;
    case 14: // settings unfolded
        showRows(buttons, 22, 23, 1);
        break;
    case 21: // editor: map and record
        editorStart();
        buttons[44].visible = 1;
        showRows(buttons, 47, 55, 1);
        break;
    case 22: // editor: save and labels
        editorStart();
        buttons[45].visible = 1;
        showRows(buttons, 56, 64, 1);
        break;
    case 23: // editor: points
        editorStart();
        buttons[46].visible = 1;
        showRows(buttons, 65, 72, 1);
        break;
    case 28: // sample print options
        buttons[5].visible = 1;
        buttons[33].visible = 1;
        buttons[34].visible = 1;
        buttons[27].visible = 0;
        break;
    case 29: // timeline print options
        buttons[5].visible = 1;
        buttons[33].visible = 1;
        buttons[35].visible = 1;
        buttons[27].visible = 0;
        break;
    case 31: // language list
        showRows(buttons, 33, 34, 1);
        buttons[36].visible = 1;
        buttons[27].visible = 0;
        break;
    default: // redraw after a display loss, printing: the start only
        break;
    }
    // The makers' ways into the editor and its two exports stand where the
    // speed buttons and the year box are, so only the information screen,
    // which shows neither, offers them.
    showRows(buttons, 37, 39, screen == 10 ? 1 : 0);
}

bool hitTest(AppState& app, const ButtonTable& buttons, int x, int y)
{
    for (int row = 0; row <= kButtonLastClickable; ++row) {
        const ButtonRow& b = buttons[row];
        if (b.visible == 1 && b.left < x && x < b.right && b.top < y && y < b.bottom) {
            app.command = b.command;
            break;
        }
    }
    return app.command == 16;
}

void drawButton(const AppState& app, const ButtonTable& buttons, int row, int textColor,
                DrawSurface* surface)
{
    (void)app;
    const ButtonRow& b = buttons[row];
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return;
    const Rgb fill = paletteColor(b.fill);
    drawRectangle(context, b.left, b.top, b.right, b.bottom, Pen{1, fill},
                  Brush{kBrushSolid, fill});
    const Font font = {b.fontHeight, 600, 0};
    const Rgb ink = paletteColor(textColor);
    // Centred between left and right like a formatted text in the box,
    // but never clipped: long labels simply stand wider than their button.
    const int centre = b.left + (b.right - b.left) / 2;
    drawText(context, b.label, centre, b.top, font, TextAlign::center, ink);
    if (b.bold == 1)
        drawText(context, b.label, centre + 1, b.top, font, TextAlign::center, ink);
    releaseContext(context);
}

void drawButtons(const AppState& app, const ButtonTable& buttons, DrawSurface* surface)
{
    drawButton(app, buttons, kButtonBand, 0, surface);
    for (int row = 0; row <= kButtonLastClickable; ++row) {
        if (buttons[row].visible == 1)
            drawButton(app, buttons, row, kLabelColor, surface);
    }
    // The close cross over the close box.
    const int W = app.screenWidth;
    const int H = app.screenHeight;
    const int g = static_cast<int>(0.0033 * W);
    const int a = g + static_cast<int>(0.97 * W);
    const int b = g + static_cast<int>(0.99 * W);
    const int c = static_cast<int>(0.0088 * H);
    const int d = c + static_cast<int>(0.02 * H);
    paintThickLine(a, c, b, d, 4, kLabelColor, surface);
    paintThickLine(b, c, a, d, 4, kLabelColor, surface);
}

void yearReadout(AppState& app, const ButtonTable& buttons, int year, DrawSurface* surface)
{
    if (year == 0)
        year = 1;
    drawButton(app, buttons, kButtonYearBox, kLabelColor, surface);
    int era;
    if (app.eraLabels == 0)
        era = year < 0 ? kButtonEraBC : kButtonEraAD;
    else
        era = year < 0 ? kButtonEraBCE : kButtonEraCE;
    drawButton(app, buttons, era, kLabelColor, surface);

    char digits[16] = "";
    (void)appendNumber(digits, year < 0 ? -static_cast<long>(year) : year);
    textOut(app, digits, buttons[kButtonYearBox].right, static_cast<int>(0.029 * app.screenHeight),
            app.fontSize8, 7, 210, 0, surface);
}
