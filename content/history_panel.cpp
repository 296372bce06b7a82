// The loaded history drawn: heading, map strip, history page, information
// page. Every line shown is a copy of a stored line; nothing is measured or
// wrapped here.
#include "content/history_panel.h"

#include <cstdlib>
#include <cstring>

#include "map/draw.h"
#include "core/app_state.h"
#include "core/bounded_text.h"

namespace {

constexpr int kBandColor = 116;
constexpr int kPageColor = 121;
constexpr int kButtonColor = 114;
constexpr int kChosen = 210;
constexpr int kNotChosen = 215;
constexpr int kStripLines = 10;
constexpr int kEmpty = -3010;

const HistoryRecord& entryRecord(const AppState& app, const HistoryTable& table)
{
    const int r = app.selectedRecord >= 0 && app.selectedRecord < kHistoryRecords
                      ? app.selectedRecord
                      : 0;
    return table[static_cast<std::size_t>(r)];
}

// Line n of the store, or the empty text outside it.
const char* storedLine(const LineStore& lines, int n)
{
    if (n < 0 || n >= kHistoryLines)
        return "";
    return lines[static_cast<std::size_t>(n)].data();
}

// The label of record n, bounded by its field, or null when n names none.
const char* recordLabel(const AppState& app, const HistoryTable& table, int n, char* out)
{
    if (n <= 0 || n >= app.historyRecordCount || n >= kHistoryRecords)
        return nullptr;
    std::memcpy(out, table[static_cast<std::size_t>(n)].label, 39);
    out[39] = '\0';
    return out;
}

// The year of the list's year box: the start year, signed.
void yearText(int year, char* out, int size)
{
    std::span<char> field(out, static_cast<std::size_t>(size));
    field[0] = '\0';
    (void)appendNumber(field, year);
}

void fullSpanText(const HistoryRecord& record, char* out, int size)
{
    std::span<char> field(out, static_cast<std::size_t>(size));
    field[0] = '\0';
    (void)appendNumber(field, std::abs(record.startYear));
    (void)appendText(field, " / ");
    (void)appendNumber(field, std::abs(record.endYear));
}

} // namespace

int historyPageRows(const AppState& app)
{
    const int top = app.mapTop + app.fontSize3 + app.fontSize3 / 4;
    if (app.fontSize3 <= 0)
        return 0;
    return ((app.screenHeight - app.fontSize3 / 2) - top) / app.fontSize3 - 3;
}

int infoPageRows(const AppState& app)
{
    const int margin = static_cast<int>(0.01 * app.screenWidth);
    const int top = app.mapTop + margin + app.fontSize4 / 2;
    if (app.fontSize3 <= 0)
        return 0;
    return (app.screenHeight - margin - app.fontSize3 / 2 - top) / app.fontSize3;
}

int selectEntry(AppState& app, const PeriodIndex& index)
{
    if (app.lastPeriod < 0) {
        app.listIndex = 0;
        app.selectedRecord = 0;
        return 0;
    }
    const int last = app.lastPeriod < kPeriodEntries ? app.lastPeriod : kPeriodEntries - 1;
    if (app.listIndex < 0)
        app.listIndex = 0;
    if (app.listIndex > last)
        app.listIndex = last;
    int record = index[static_cast<std::size_t>(app.listIndex)].record;
    if (record == kEmpty || record < 0 || record >= kHistoryRecords)
        record = 0;
    app.selectedRecord = record;
    return record;
}

int periodYearStep(int span)
{
    if (span >= 500) return 100;
    if (span >= 200) return 50;
    if (span >= 100) return 20;
    if (span >= 50) return 10;
    if (span >= 20) return 5;
    return 2;
}

void periodSpanText(const AppState& app, const HistoryRecord& record, char* text, int size)
{
    if (app.animationId < 200)
        fullSpanText(record, text, size);
    else
        text[0] = '\0';
}

void historyHeading(AppState& app, const char* name, const char* label, const char* title,
                    DrawSurface* surface)
{
    paintRect(app.headingBoxLeft, 0, app.headingRight, app.mapTop, kBandColor, 10, surface);
    const int centre = app.headingLeft + (app.headingRight - app.headingLeft) / 2;
    char first[96];
    first[0] = '\0';
    if (name != nullptr && name[0] != '\0') {
        (void)appendText(first, name);
        (void)appendText(first, ":  ");
    }
    (void)appendText(first, label);
    textOut(app, first, centre, app.mapTop / 2 - app.fontSize5, app.fontSize5, kAlignCenter,
            kNotChosen, kTextHeavy, surface);
    textOut(app, title, centre, app.mapTop / 2, app.fontSize4, kAlignCenter, kNotChosen,
            kTextPlain, surface);
}

void historyEntryHeading(AppState& app, const HistoryTable& table, DrawSurface* surface)
{
    // Labels and titles are read through bounded copies: a field the file
    // filled to its end still ends inside it.
    char name[40], label[40], title[60];
    std::memcpy(name, table[0].label, 39);
    name[39] = '\0';
    const HistoryRecord& record = entryRecord(app, table);
    std::memcpy(label, record.label, 39);
    label[39] = '\0';
    std::memcpy(title, record.title, 59);
    title[59] = '\0';
    historyHeading(app, name, label, title, surface);
}

void rewriteEra(const char* line, int scan, char* out)
{
    int n = 0;
    for (int i = 0; i < scan && line[i] != '\0' && n < kHistoryLineBytes - 1;) {
        if (line[i] == 'C' && line[i + 1] == 'E') {
            out[n++] = 'A';
            if (n < kHistoryLineBytes - 1)
                out[n++] = 'D';
            i += 2;
        } else if (line[i] == 'B' && line[i + 1] == 'C') {
            out[n++] = 'B';
            if (n < kHistoryLineBytes - 1)
                out[n++] = 'C';
            i += 2;
            if (line[i] == 'E')
                ++i;
        } else {
            out[n++] = line[i++];
        }
    }
    out[n] = '\0';
}

void historyStrip(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                  const LineStore& lines, int mode, DrawSurface* surface)
{
    if (mode != 1)
        return;
    const int W = app.screenWidth, H = app.screenHeight;
    const int top = H - static_cast<int>(5 * app.fontSize3 + 0.2 * app.fontSize3);
    paintRect(0, top, W, H, kPageColor, 10, surface);
    selectEntry(app, index);
    const HistoryRecord& record = entryRecord(app, table);
    const int end = record.firstLine + record.lineCount;

    if (app.firstShownLine + kStripLines < end) {
        const int x1 = static_cast<int>(0.984 * W), x2 = static_cast<int>(0.992 * W);
        paintThickLine(x1, static_cast<int>(0.97 * H), x2, static_cast<int>(0.98 * H), 4,
                       kButtonColor, surface);
        paintThickLine(x2, static_cast<int>(0.98 * H), x1, static_cast<int>(0.99 * H), 4,
                       kButtonColor, surface);
        app.moreText = 1;
    } else {
        app.moreText = 0;
    }

    const int columns[2] = {static_cast<int>(0.03 * W), static_cast<int>(0.52 * W)};
    const int scan[2] = {62, 63};
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < kStripLines / 2; ++row) {
            const int n = app.firstShownLine + column * (kStripLines / 2) + row;
            if (n >= end)
                break;
            const char* text = storedLine(lines, n);
            char rewritten[kHistoryLineBytes];
            if (app.eraLabels == 0) {
                rewriteEra(text, scan[column], rewritten);
                text = rewritten;
            }
            textOut(app, text, columns[column], top + row * app.fontSize3, app.fontSize3,
                    kAlignLeft, kNotChosen, kTextPlain, surface);
        }
    }
}

void historyLegacyLabel(AppState& app, DrawSurface* surface)
{
    // White over a black shadow, two pixels apart.
    const int x = app.headingRight - static_cast<int>(-0.068 * app.screenWidth);
    textOut(app, "LEGACY", x - 1, 3, app.fontSize3, kAlignCenter, kNotChosen, kTextHeavy, surface);
    textOut(app, "LEGACY", x + 1, -1, app.fontSize3, kAlignCenter, kChosen, kTextHeavy, surface);
}

void historyPage(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                 const LineStore& lines, DrawSurface* surface)
{
    const int W = app.screenWidth, H = app.screenHeight, f3 = app.fontSize3;
    paintRect(0, app.mapTop, W, H, kPageColor, 10, surface);
    selectEntry(app, index);
    const HistoryRecord& record = entryRecord(app, table);
    const int listTop = app.mapTop + f3 + f3 / 4;
    const int rows = historyPageRows(app);
    app.historyListTop = listTop;
    app.historyListRows = rows;

    // The record's text beside the list, as far as the page holds it.
    const int shown = record.lineCount < rows ? record.lineCount : rows;
    for (int row = 0; row < shown; ++row)
        textOut(app, storedLine(lines, record.firstLine + row), static_cast<int>(0.49 * W),
                app.mapTop + f3 / 4 + row * f3, f3, kAlignLeft, kNotChosen, kTextPlain, surface);

    // The year span of a period, or LEGACY for everything else.
    if (record.kind == 40) {
        char span[40];
        fullSpanText(record, span, sizeof span);
        textOut(app, span, app.headingRight + static_cast<int>(0.075 * W), 0, f3, kAlignCenter,
                kChosen, kTextPlain, surface);
    } else {
        historyLegacyLabel(app, surface);
    }

    if (record.kind == 40) {
        char label[40], line[80];
        if (recordLabel(app, table, std::abs(record.languageRef), label) != nullptr) {
            (void)copyText(line, record.languageRef < 0 ? "Official Language -- "
                                                        : "Primary Language -- ");
            (void)appendText(line, label);
            textOut(app, line, W / 2, H - 3 * f3, f3, kAlignCenter, kNotChosen, kTextPlain,
                    surface);
        }
        if (record.beliefRef > 0 && recordLabel(app, table, record.beliefRef, label) != nullptr) {
            (void)copyText(line, "Primary Belief -- ");
            (void)appendText(line, label);
            textOut(app, line, W / 2, H - 2 * f3, f3, kAlignCenter, kNotChosen, kTextPlain,
                    surface);
        }
    }

    // The list window: the entries around the current one.
    int first = 0;
    if (app.lastPeriod >= rows) {
        const int wanted = app.listIndex - static_cast<int>(0.4 * rows);
        first = wanted > 0 ? wanted : 0;
        if (wanted + rows >= app.lastPeriod)
            first = app.lastPeriod - rows + 1;
    }
    app.historyListFirst = first;
    app.historyListEnd = first + rows;
    const int labelLeft = static_cast<int>(0.092 * W);
    if (first > 0)
        textInBox(app, "<< EARLIEST PERIOD", labelLeft / 2, listTop - f3, W - 2, listTop, f3,
                  kAlignLeft, kButtonColor, kTextPlain, surface);
    int row = 0;
    for (int i = first; i < first + rows && i < kPeriodEntries; ++i) {
        const int r = index[static_cast<std::size_t>(i)].record;
        if (r == kEmpty || r < 0 || r >= kHistoryRecords)
            continue;
        const HistoryRecord& entry = table[static_cast<std::size_t>(r)];
        const int y = listTop + row * f3;
        const int color = i == app.listIndex ? kChosen : kNotChosen;
        if (entry.kind == 40) {
            char year[16];
            yearText(entry.startYear, year, sizeof year);
            textInBox(app, year, 0, y, static_cast<int>(0.08 * W), y + f3, f3, kAlignRight, color,
                      kTextPlain, surface);
        }
        char label[40];
        std::memcpy(label, entry.label, 39);
        label[39] = '\0';
        textInBox(app, label, labelLeft, y, W - 2, y + f3, f3, kAlignLeft, color, kTextPlain,
                  surface);
        ++row;
    }
}

void historyInfoPage(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                     const LineStore& lines, DrawSurface* surface)
{
    const int W = app.screenWidth, H = app.screenHeight, f3 = app.fontSize3;
    selectEntry(app, index);
    const HistoryRecord& record = entryRecord(app, table);
    char label[40], title[60];
    std::memcpy(label, record.label, 39);
    label[39] = '\0';
    std::memcpy(title, record.title, 59);
    title[59] = '\0';
    historyHeading(app, "", label, title, surface);
    paintRect(0, app.mapTop, W, H, kPageColor, 10, surface);
    const int top = app.mapTop + static_cast<int>(0.01 * W) + app.fontSize4 / 2;
    const int rows = infoPageRows(app);
    const int end = record.firstLine + record.lineCount;
    const int columns[2] = {static_cast<int>(0.02 * W), static_cast<int>(0.52 * W)};
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < rows; ++row) {
            const int n = record.firstLine + column * rows + row;
            if (n >= end)
                break;
            textOut(app, storedLine(lines, n), columns[column], top + row * f3, f3, kAlignLeft,
                    kNotChosen, kTextPlain, surface);
        }
}
