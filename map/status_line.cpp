// The status box, the interface text table and the language list.
#include "map/status_line.h"

#include <cstring>

#include "core/app_state.h"
#include "map/draw.h"

namespace {

// ColorIndex of the box and its text.
constexpr int kBoxColor = 116;
constexpr int kTextColor = 215;
constexpr int kListBackground = 121;

struct StatusRow {
    int code;
    const char* upper;
    const char* lower;
};

// The prompts; codes without a row clear the box. Two blanks stand on each
// side of "<" in 202 and after "printer." in 209.
constexpr StatusRow kStatusRows[] = {
    {200, "Select 'Run' for sample animation.", "Use 'map' to choose a new animation or history."},
    {201, "Select 'Run' to start the animation.", "Click names on map for history."},
    {202, "Select 1 2 5 or 10 to change animation speed.", "Use  <  for instant replay."},
    {203, "Select an animation or history.", "Nation search: Type first three letters, then ENTER."},
    {204, "Select a century using the upper timeline.",
     "For a year, select year (00-99) and then century."},
    {205, "Select a period.", ""},
    {206, "Now using safe mouse and video.", "Restart program to return to original settings."},
    {207, "Composing map for printer.", ""},
    {209, "Sending to printer.  May take a few seconds.", "Make a MENU selection to continue."},
    {211, "Error: Unable to complete printing.", "Make a MENU selection to continue."},
    {212, "Error: Printer not available.", "Make a MENU selection to continue."},
    {215, "To print several pages: Click Start and End periods.",
     "To print only one page: Click the same period twice."},
    {217, "Select a language.", ""},
    {218, "Type year (-3000 to 1000), then ENTER.", "Use negative numbers for years BC."},
    {219, "", "Country search: Type first three letters, then ENTER."},
};

// Rows of the language list, fontSize4 apart from mapTop down.
constexpr int kLanguageListRows = 24;

void languageRows(const AppState& app, int (&row)[kLanguageListRows])
{
    row[0] = app.mapTop;
    for (int k = 0; k + 1 < kLanguageListRows; ++k)
        row[k + 1] = row[k] + app.fontSize4;
}

} // namespace

// The interface texts. Two ids have the letter O where a zero would be
// expected; they are spelt so on purpose, and looked up so by the title.
const LanguageTable languageTable = {{
    {"MAIN0001", "Click here to run sample animation.", "Click here to run sample animation."},
    {"MAIN0011", "Veltmaren", "Veltmaren"},
    {"MAINOO12", "4000 year map animation", "4000 year map animation"},
    {"MAINOO13",
     "History of Africa, Asia, and Europe from the earliest countries to the year 1000",
     "History of Africa, Asia, and Europe from the earliest countries to the year 1000"},
    {"MAIN0014", "Veltmaren is free software under the GNU GPL, version 3 or later.",
     "Veltmaren is free software under the GNU GPL, version 3 or later."},
    {"NOTRUN01", "Select 'Run' to start the animation.", "Select 'Run' to start the animation."},
    {"NOTRUN02", "Click country names for events.", ""},
    {"NOTRUN22", "Click country names for events.  Type 'P' to print.", ""},
    {"RUNNING1", "Use 1 2 5 or 10 to change speed.", ""},
    {"RUNNING2", "Use '<' to replay.", ""},
    {"MAP00001", "Select an animation or history.", ""},
    {"MAP00002", "Search: Type 3 letters, then ENTER", ""},
}};

const char* languageText(const char* id)
{
    for (const LanguageRow& row : languageTable) {
        if (std::strcmp(row.id, id) == 0)
            return row.column0;
    }
    return nullptr;
}

StatusLines statusLines(const AppState& app, int code)
{
    StatusLines lines = {"", ""};
    for (const StatusRow& row : kStatusRows) {
        if (row.code == code) {
            lines = {row.upper, row.lower};
            break;
        }
    }
    if (code == 202 && app.animationId >= 11)
        lines = {"", ""}; // a group history shows its own heading instead
    if (code == 209 && app.command == 42)
        lines = {"", "Sending to printer."};
    if (code == 218 && app.eraLabels == 1)
        lines.lower = "Use negative numbers for years BCE.";
    return lines;
}

void statusLine(AppState& app, int code, DrawSurface* surface)
{
    paintRect(app.headingBoxLeft, 0, app.headingRight, app.mapTop, kBoxColor, 10, surface);
    const StatusLines lines = statusLines(app, code);
    const int centre = static_cast<int>(0.5 * app.screenWidth);
    if (lines.upper[0] != '\0')
        textOut(app, lines.upper, centre, app.mapTop / 2 - app.fontSize4, app.fontSize4, 8,
                kTextColor, 0, surface);
    if (lines.lower[0] != '\0')
        textOut(app, lines.lower, app.screenWidth / 2, app.mapTop / 2, app.fontSize4, 8,
                kTextColor, 0, surface);
}

void languageScreen(AppState& app, DrawSurface* surface, int mode)
{
    int row[kLanguageListRows];
    languageRows(app, row);
    const int W = app.screenWidth;
    const int h = app.fontSize4;

    paintRect(0, app.mapTop, W, app.screenHeight, kListBackground, 10, surface);
    statusLine(app, 217, surface);
    const char* const languages[] = {"English", "Modern Greek", "New Language"};
    for (int i = 0; i < 3; ++i)
        textOut(app, languages[i], W / 2, row[2 + i], h, 8, kTextColor, 0, surface);
    textOut(app, "Volunteer translators are helping us.", W / 2, row[18], h, 8, kTextColor, 0,
            surface);
    textOut(app, "A Translator's Kit is available at", W / 2, row[19], h, 8, kTextColor, 0,
            surface);
    // There is no web page for teachers yet; the kit is the project's README.
    textOut(app, "README.md, in the atlas's own folder", W / 2, row[20], h, 8, kTextColor, 0,
            surface);

    if (mode != 3)
        return;
    // The click bands are those of the information screen; they do not
    // follow the drawn names, and choosing a language changes nothing.
    const int x = app.mouseX;
    const int y = app.mouseY;
    const int split = static_cast<int>(0.48 * W);
    app.listIndex = -1;
    if (row[0] < y && y < row[2])
        app.listIndex = x < split ? 3 : 0;
    else if (row[2] < y && y < row[4])
        app.listIndex = x < split ? 2 : 1;
    if (app.listIndex != -1)
        app.command = 32;
    if (row[12] + h / 2 < y && y < row[14])
        app.textLevel = app.textLevel == 101 ? 111 : 101;
    else if (row[14] < y && y < row[15] + h / 2)
        app.eraLabels = app.eraLabels == 0 ? 1 : 0;
}
