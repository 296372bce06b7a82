// The history checker: a history file loaded at both text levels as the
// atlas loads it, then every record, reference, year and text line looked
// at against what the atlas needs to show it. docs/history-files.md is the
// contract it holds the files to.
#include "tools/history_check.h"

#include <cctype>
#include <cstdarg>
#include <cstring>
#include <strings.h>

#include "content/history_loader.h"
#include "content/history_panel.h"
#include "core/limits.h"
#include "core/nation_groups.h"
#include "map/projection.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "core/app_state.h"
#include "core/bounded_text.h"
#include "shell/buttons.h"

namespace {

constexpr int kPeriodKind = 40;
constexpr int kInfoSections = 4;
constexpr int kInfoGroupId = -2; // not a national group: no map window

// Both loads of one file.
HistoryTable standardTable;
PeriodIndex standardIndex;
LineStore standardLines;
HistoryTable youngTable;
PeriodIndex youngIndex;
LineStore youngLines;
HistoryNotes notes;
HistoryNotes youngNotes;

struct Report {
    std::FILE* out;
    int errors;

    void error(const char* format, ...)
    {
        std::va_list args;
        va_start(args, format);
        std::fputs("  error: ", out);
        std::vfprintf(out, format, args);
        std::fputc('\n', out);
        va_end(args);
        ++errors;
    }
};

bool listed(int kind)
{
    return kind >= 40 && kind <= 59;
}

const char* kindName(int kind)
{
    switch (kind) {
    case 0: return "history";
    case 1: return "place";
    case 2: return "language";
    case 3: return "belief";
    case 40: return "period";
    default: return listed(kind) ? "topic" : "unknown kind";
    }
}

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The standalone word of length n at text[i], in any case.
bool wordAt(const char* text, int i, const char* word)
{
    const int n = static_cast<int>(std::strlen(word));
    if (std::strncmp(text + i, word, static_cast<std::size_t>(n)) != 0)
        return false;
    return (i == 0 || !isLetter(text[i - 1])) && !isLetter(text[i + n]);
}

// The first era-mark problem in text, or null. The strip turns every "CE"
// into "AD" and every "BCE" into "BC", so capital pairs in words would be
// rewritten too; the old marks and lower-case ones are never rewritten.
const char* eraProblem(const char* text)
{
    for (int i = 0; text[i] != '\0'; ++i) {
        if (wordAt(text, i, "BCE")) {
            i += 2;
            continue;
        }
        if (wordAt(text, i, "CE"))
            continue;
        if (wordAt(text, i, "BC"))
            return "the mark BC (write BCE)";
        if (wordAt(text, i, "AD"))
            return "the mark AD (write CE)";
        if (std::strncmp(text + i, "B.C", 3) == 0 || std::strncmp(text + i, "A.D.", 4) == 0)
            return "the mark B.C. or A.D. (write BCE or CE)";
        if (wordAt(text, i, "bce") || wordAt(text, i, "bc") || wordAt(text, i, "ce") ||
            wordAt(text, i, "Bce") || wordAt(text, i, "Ce") || wordAt(text, i, "b.c.") ||
            wordAt(text, i, "a.d."))
            return "a lower-case era mark (write BCE or CE in capitals)";
        if (std::strncmp(text + i, "CE", 2) == 0 || std::strncmp(text + i, "BC", 2) == 0)
            return "capital letters BC or CE inside a word (the strip would rewrite them)";
    }
    return nullptr;
}

// The place records one place field of a period names; false when the
// value is not 0, a (1..99) or a*100+b (a and b in 1..99).
bool placeRefs(int value, int refs[2], int& count)
{
    count = 0;
    if (value == 0)
        return true;
    if (value >= 1 && value <= 99) {
        refs[count++] = value;
        return true;
    }
    const int a = value / 100, b = value % 100;
    if (value > 100 && a >= 1 && a <= 99 && b >= 1) {
        refs[count++] = a;
        refs[count++] = b;
        return true;
    }
    return false;
}

const char* recordName(int r)
{
    return standardTable[static_cast<std::size_t>(r)].label;
}

// Records of the file being checked.
int loadedRecords;

// A reference to record n of the wanted kind.
void checkRef(Report& report, int from, const char* what, int n, int kind)
{
    if (n <= 0 || n >= loadedRecords || standardTable[static_cast<std::size_t>(n)].kind != kind) {
        report.error("record %d (%s): %s names record %d, which is not a %s", from,
                     recordName(from), what, n, kindName(kind));
    }
}

// Record 0: the history itself and its map window.
void checkRecordZero(Report& report, const char* name, bool info)
{
    const HistoryRecord& zero = standardTable[0];
    if (zero.kind != 0)
        report.error("record 0 has kind %d, not 0", zero.kind);
    if (zero.label[0] == '\0')
        report.error("record 0 has no label (the history's name)");
    if (zero.endYear != -3000)
        report.error("record 0's endYear is %d; -3000 keeps every header past it", zero.endYear);
    if (info)
        return;
    if (strcasecmp(zero.code, name) != 0)
        report.error("record 0's code is \"%s\", not %s", zero.code, name);
    if (zero.mapYear >= 200)
        report.error("record 0's mapYear is %d; below 200 lets the period list show years",
                     zero.mapYear);
    if (zero.picture[0] == '\0' || std::strcmp(zero.picture, "*") == 0)
        report.error("record 0 has no picture prefix");
    if (zero.markerX <= zero.markerY || zero.markerX > 8500 || zero.markerY < -8500)
        report.error("record 0's map window: north %d must lie above south %d, both inside "
                     "-8500..8500", zero.markerX, zero.markerY);
}

// The records that are not listed: places, languages, beliefs.
void checkUnlisted(Report& report, int count)
{
    for (int r = 1; r < count; ++r) {
        const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
        if (listed(record.kind))
            continue;
        if (record.kind < 1 || record.kind > 3) {
            report.error("record %d (%s) has kind %d, which the atlas does not know", r,
                         record.label, record.kind);
            continue;
        }
        if (record.kind == 1 && r > 99)
            report.error("record %d (%s) is a place outside records 1..99, where no period can "
                         "name it", r, record.label);
        if (record.kind == 1 && (record.markerStyle < 1 || record.markerStyle > 3))
            report.error("record %d (%s): marker style %d, not 1, 2 or 3", r, record.label,
                         record.markerStyle);
        if (record.kind == 1 && record.mapYear != 0 && record.mapYear != 2 &&
            record.mapYear != 3 && record.mapYear != 6 && record.mapYear != 9)
            report.error("record %d (%s): text placement %d, not 0, 2, 3, 6 or 9", r,
                         record.label, record.mapYear);
        if (record.endYear != -3000)
            report.error("record %d (%s): a %s needs endYear -3000 so that headers pass it", r,
                         record.label, kindName(record.kind));
        if (notes.headers[r] != 0)
            report.error("record %d (%s): a header names this %s, which no page shows", r,
                         record.label, kindName(record.kind));
    }
}

void checkPicture(Report& report, int r, const HistoryRecord& record)
{
    if (std::strcmp(record.picture, "*") == 0)
        return;
    char path[80];
    bool fits = copyText(path, "images\\");
    fits = appendText(path, standardTable[0].picture) && fits;
    fits = appendText(path, record.picture) && fits;
    fits = appendText(path, ".jpg") && fits;
    std::FILE* file = fits ? openFile(path, "rb") : nullptr;
    if (file == nullptr) {
        report.error("record %d (%s): the picture images/%s is missing", r, record.label,
                     path + 7);
        return;
    }
    std::fclose(file);
}

// Periods and topics: order, years, places, references, pictures.
void checkListed(Report& report, int count)
{
    int period = -1;     // the last period seen
    int topicKind = 40;  // kind of the last listed record after it
    for (int r = 1; r < count; ++r) {
        const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
        if (!listed(record.kind))
            continue;
        if (record.kind == kPeriodKind) {
            if (record.startYear >= record.endYear)
                report.error("record %d (%s): starts in %d, not before its end %d", r,
                             record.label, record.startYear, record.endYear);
            if (record.startYear < -3000 || record.endYear > 1000)
                report.error("record %d (%s): %d..%d lies outside -3000..1000", r, record.label,
                             record.startYear, record.endYear);
            if (period >= 0) {
                const HistoryRecord& before = standardTable[static_cast<std::size_t>(period)];
                if (record.startYear > before.endYear)
                    report.error("record %d (%s): starts in %d, %d years after the period "
                                 "before it ends (%d): a gap", r, record.label, record.startYear,
                                 record.startYear - before.endYear, before.endYear);
                else if (record.startYear < before.endYear)
                    report.error("record %d (%s): starts in %d, before the period before it "
                                 "ends (%d): %s", r, record.label, record.startYear,
                                 before.endYear,
                                 record.endYear <= before.endYear ? "out of time order"
                                                                  : "an overlap");
            }
            if (record.mapYear < record.startYear || record.mapYear > record.endYear)
                report.error("record %d (%s): mapYear %d lies outside its years %d..%d", r,
                             record.label, record.mapYear, record.startYear, record.endYear);
            const int fields[2] = {record.markerY, record.markerStyle};
            for (int value : fields) {
                int refs[2], n = 0;
                if (!placeRefs(value, refs, n))
                    report.error("record %d (%s): place field %d is not 0, a or a*100+b with a "
                                 "and b in 1..99", r, record.label, value);
                for (int i = 0; i < n; ++i)
                    checkRef(report, r, "a place field", refs[i], 1);
            }
            if (record.languageRef != 0)
                checkRef(report, r, "languageRef",
                         record.languageRef < 0 ? -record.languageRef : record.languageRef, 2);
            if (record.beliefRef != 0)
                checkRef(report, r, "beliefRef", record.beliefRef, 3);
            period = r;
            topicKind = kPeriodKind;
            continue;
        }
        // A topic.
        if (period < 0) {
            report.error("record %d (%s): a topic before the first period", r, record.label);
        } else {
            const HistoryRecord& owner = standardTable[static_cast<std::size_t>(period)];
            if (record.kind != topicKind + 1)
                report.error("record %d (%s): kind %d, but the topic after %s needs kind %d", r,
                             record.label, record.kind,
                             topicKind == kPeriodKind ? "a period" : "that one", topicKind + 1);
            if (record.endYear != owner.endYear)
                report.error("record %d (%s): endYear %d, not %d of the period it follows (%s)",
                             r, record.label, record.endYear, owner.endYear, owner.label);
            if (record.mapYear < owner.startYear || record.mapYear > owner.endYear)
                report.error("record %d (%s): mapYear %d lies outside its period %d..%d", r,
                             record.label, record.mapYear, owner.startYear, owner.endYear);
        }
        topicKind = record.kind;
        if (record.languageRef < 1 || record.languageRef > 4)
            report.error("record %d (%s): leader line direction %d, not 1..4", r, record.label,
                         record.languageRef);
        checkRef(report, r, "the topic's place (beliefRef)", record.beliefRef, 1);
        checkPicture(report, r, record);
    }
}

// The whole-map history is also the printed map timeline: the first 52
// entries of its list are the pages, so it lists periods only, seven of 250
// years from 3000 BCE, then fifty-year pages to 1000 CE, and each page's
// text has to fill the band beside its map without running over it.
constexpr int kTimelineLongPages = 7;
constexpr int kTimelineFewestLines = 8;
constexpr int kTimelineMostLines = 20;

int timelinePageStart(int page)
{
    return page < kTimelineLongPages ? -3000 + 250 * page
                                     : -1250 + 50 * (page - kTimelineLongPages);
}

void checkTimeline(Report& report, int count)
{
    int page = 0;
    for (int r = 1; r < count; ++r) {
        const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
        if (listed(record.kind) && record.kind != kPeriodKind)
            report.error("record %d (%s): a topic would take a page of the map timeline, whose "
                         "pages are the first %d entries of the list; tell it in a period",
                         r, record.label, kTimelinePages);
        if (record.kind != kPeriodKind)
            continue;
        if (page < kTimelinePages &&
            (record.startYear != timelinePageStart(page) ||
             record.endYear != timelinePageStart(page + 1)))
            report.error("record %d (%s): page %d of the map timeline covers %d..%d, not %d..%d",
                         r, record.label, page + 1, timelinePageStart(page),
                         timelinePageStart(page + 1), record.startYear, record.endYear);
        if (record.lineCount < kTimelineFewestLines || record.lineCount > kTimelineMostLines)
            report.error("record %d (%s): %d lines at the Standard level; a page of the map "
                         "timeline holds %d to %d",
                         r, record.label, record.lineCount, kTimelineFewestLines,
                         kTimelineMostLines);
        ++page;
    }
    if (page != kTimelinePages)
        report.error("%d periods; the map timeline has %d pages", page, kTimelinePages);
}

// The text of every listed record at both levels, against the page that
// shows it; the era marks of every text the atlas shows.
void checkTexts(Report& report, int count, bool info, int pageLines)
{
    for (int r = 0; r < count; ++r) {
        const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
        const HistoryRecord& young = youngTable[static_cast<std::size_t>(r)];
        if (const char* problem = eraProblem(record.label))
            report.error("record %d (%s): label: %s", r, record.label, problem);
        if (!listed(record.kind))
            continue;
        if (notes.headers[r] == 0) {
            report.error("record %d (%s): no header names it, so it has no title or text", r,
                         record.label);
            continue;
        }
        if (notes.headers[r] > 1)
            report.error("record %d (%s): %d headers name it; only the last one's text shows",
                         r, record.label, notes.headers[r]);
        if (record.title[0] == '\0')
            report.error("record %d (%s): no title", r, record.label);
        if (const char* problem = eraProblem(record.title))
            report.error("record %d (%s): title: %s", r, record.label, problem);
        if (record.lineCount == 0)
            report.error("record %d (%s): no text", r, record.label);
        else if (young.lineCount == 0)
            report.error("record %d (%s): no text at the Young Reader level", r, record.label);
        if (record.lineCount > pageLines)
            report.error("record %d (%s): %d lines at the Standard level; the %s shows %d", r,
                         record.label, record.lineCount, info ? "information page" : "history page",
                         pageLines);
        // The first few lines with a problem, so that one bad habit does
        // not bury the other errors.
        int shown = 0;
        for (int i = 0; i < record.lineCount && shown < 3; ++i) {
            const int line = record.firstLine + i;
            if (line < 0 || line >= kHistoryLines)
                break;
            const char* text = standardLines[static_cast<std::size_t>(line)].data();
            if (const char* problem = eraProblem(text)) {
                report.error("record %d (%s): text line %d: %s: \"%s\"", r, record.label, i + 1,
                             problem, text);
                ++shown;
            }
        }
    }
}

// Names and titles that the screens would clip or run into their
// neighbours: the period page's title boxes, the heading box.
void checkWidths(Report& report, const AppState& app, int count, DrawSurface* surface, bool info)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return;
    const int listWidth = app.screenWidth / 2 - static_cast<int>(0.13 * app.screenWidth);
    const int headingWidth = app.headingRight - app.headingLeft;
    const Font listFont{app.fontSize4, 700, 0};
    const Font nameFont{app.fontSize5, 700, 0};
    const Font titleFont{app.fontSize4, 700, 0};
    for (int r = 1; r < count; ++r) {
        const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
        if (!listed(record.kind))
            continue;
        const int list = measureText(context, record.label, listFont).x;
        if (!info && list > listWidth)
            report.error("record %d (%s): the label is %d pixels wide; the period page shows %d",
                         r, record.label, list, listWidth);
        char heading[96];
        heading[0] = '\0';
        if (!info) {
            (void)appendText(heading, standardTable[0].label);
            (void)appendText(heading, ":  ");
        }
        (void)appendText(heading, record.label);
        // The heading's first line is drawn heavy, one pixel wider.
        const int name = measureText(context, heading, nameFont).x + 1;
        if (name > headingWidth)
            report.error("record %d (%s): the heading \"%s\" is %d pixels wide; the heading box "
                         "holds %d", r, record.label, heading, name, headingWidth);
        const int title = measureText(context, record.title, titleFont).x;
        if (title > headingWidth)
            report.error("record %d (%s): the title is %d pixels wide; the heading box holds %d",
                         r, record.label, title, headingWidth);
    }
    releaseContext(context);
}

// What the loader reads past or cuts never shows; what it cannot hold is
// lost: every note of the load is an error.
void reportNotes(Report& report)
{
    const int shown = notes.count < kHistoryNotes ? notes.count : kHistoryNotes;
    for (int i = 0; i < shown; ++i) {
        if (notes.notes[i].fileLine > 0)
            report.error("line %d: %s", notes.notes[i].fileLine, notes.notes[i].text);
        else
            report.error("%s", notes.notes[i].text);
    }
    if (notes.count > shown)
        report.error("and %d more problems of the same kinds", notes.count - shown);
}

// The raw file: plain ASCII, and "<" ">" in pairs in every paragraph.
void checkRawText(Report& report, const char* name)
{
    char path[96];
    bool fits = copyText(path, "TEXT\\");
    fits = appendText(path, name) && fits;
    fits = appendText(path, ".txt") && fits;
    std::FILE* file = fits ? openFile(path, "rb") : nullptr;
    if (file == nullptr)
        return;
    int lineNumber = 1, depth = 0, nonAscii = 0, brackets = 0;
    bool inText = false, atStart = true, header = false;
    int sectionEnds = 0, column = 0;
    for (int c = std::getc(file); c != EOF; c = std::getc(file)) {
        if (c == '\n') {
            if (depth != 0 && brackets < 5) {
                report.error("line %d: a '<' without its '>'", lineNumber);
                ++brackets;
            }
            depth = 0;
            ++lineNumber;
            atStart = true;
            header = false;
            column = 0;
            continue;
        }
        ++column;
        if (atStart) {
            header = c == '#' || c == '*';
            atStart = false;
        }
        if (column == 2 && c == '#') {
            ++sectionEnds;
            inText = sectionEnds == 1;
        }
        if (c >= 0x80 && nonAscii++ < 5)
            report.error("line %d: a character that is not plain ASCII (byte %d)", lineNumber, c);
        if (c == '\t' && nonAscii++ < 5)
            report.error("line %d: a tab (write blanks)", lineNumber);
        if (!inText || header)
            continue;
        if (c == '<') {
            if (depth > 0 && brackets++ < 5)
                report.error("line %d: a '<' inside a '<' '>' passage", lineNumber);
            ++depth;
        } else if (c == '>') {
            if (depth == 0 && brackets++ < 5)
                report.error("line %d: a '>' without its '<'", lineNumber);
            depth = depth > 0 ? depth - 1 : 0;
        }
    }
    std::fclose(file);
    if (sectionEnds > 2)
        report.error("%d lines have '#' as their second character; only the two section ends "
                     "may", sectionEnds);
}

// Loads the file at one text level into the given tables.
void loadAt(AppState& app, int level, HistoryTable& table, PeriodIndex& index, LineStore& lines,
            HistoryNotes& into, const char* name, DrawSurface* surface)
{
    app.textLevel = level;
    app.screenMode = 6; // the map: the Young Reader level leaves passages out
    app.year = -3000;
    historyWithNotes(app, table, index, lines, name, surface, into);
}

int groupId(const char* name)
{
    for (const NationGroupRow& row : nationGroupStart)
        if (row.code[0] != '\0' && strcasecmp(row.code, name) == 0)
            return row.id;
    return strcasecmp(name, "InfoFull") == 0 ? kInfoGroupId : 0;
}

int totalLines(const HistoryTable& table, int count)
{
    int total = 0;
    for (int r = 0; r <= count && r < kHistoryRecords; ++r)
        total += table[static_cast<std::size_t>(r)].lineCount;
    return total;
}

} // namespace

int checkHistoryFile(const char* name, int detail, std::FILE* out)
{
    AppState app{};
    setDefaults(app);
    buildButtonTable(app, buttonTable); // mapTop, as at start-up
    DrawSurface* surface = createSurface(app.screenWidth, app.screenHeight);
    Report report{out, 0};
    const bool info = strcasecmp(name, "InfoFull") == 0;

    loadAt(app, kTextYoungReader, youngTable, youngIndex, youngLines, youngNotes, name, surface);
    loadAt(app, kTextStandard, standardTable, standardIndex, standardLines, notes, name, surface);
    if (!notes.opened) {
        destroySurface(surface);
        std::fprintf(out, "%s: text\\%s.txt\n", name, name);
        report.error("can't open text\\%s.txt", name);
        return report.errors;
    }
    const int count = app.historyRecordCount;
    loadedRecords = count;
    int periods = 0, topics = 0, places = 0, languages = 0, beliefs = 0;
    for (int r = 0; r < count; ++r) {
        const int kind = standardTable[static_cast<std::size_t>(r)].kind;
        periods += kind == kPeriodKind;
        topics += listed(kind) && kind != kPeriodKind;
        places += kind == 1;
        languages += kind == 2;
        beliefs += kind == 3;
    }
    const int pageLines = info ? 2 * infoPageRows(app) : historyPageRows(app);
    std::fprintf(out,
                 "%s: %d records (%d at most), %d periods, %d topics (%d listed at most), "
                 "%d places, %d languages, %d beliefs\n",
                 name, count, kHistoryFileRecords, periods, topics, kPeriodEntries, places,
                 languages, beliefs);
    std::fprintf(out,
                 "  wrapped lines: %d Standard, %d Young Reader (%d at most); a record shows "
                 "%d lines on its page\n",
                 totalLines(standardTable, count), totalLines(youngTable, count), kHistoryLines,
                 pageLines);
    const int id = groupId(name);
    if (!info && count > 0) {
        app.animationId = id > 10 ? id : 11;
        const MapWindow window = {standardTable[0].markerX, standardTable[0].markerY,
                                  standardTable[0].markerStyle};
        selectView(app, &window);
        std::fprintf(out,
                     "  map window: north %.2f, south %.2f, centre %.2f; shown while a period "
                     "plays: west %.2f, east %.2f, south %.2f\n",
                     standardTable[0].markerX / 100.0, standardTable[0].markerY / 100.0,
                     standardTable[0].markerStyle / 100.0, app.viewWest / 100.0,
                     app.viewEast / 100.0, app.viewSouthLat / 100.0);
    }
    if (detail > 0) {
        std::fprintf(out, "  record kind  years          mapYear lines S/Y  label\n");
        for (int r = 0; r < count; ++r) {
            const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
            if (!listed(record.kind))
                continue;
            std::fprintf(out, "  %6d %4d  %6d..%-6d %7d %5d/%-5d %s\n", r, record.kind,
                         record.startYear, record.endYear, record.mapYear, record.lineCount,
                         youngTable[static_cast<std::size_t>(r)].lineCount, record.label);
            for (int i = 0; detail > 1 && i < record.lineCount; ++i)
                std::fprintf(out, "         |%s|\n",
                             standardLines[static_cast<std::size_t>((record.firstLine + i) %
                                                                    kHistoryLines)].data());
        }
    }

    reportNotes(report);
    if (count == 0) {
        report.error("no records");
    } else {
        checkRecordZero(report, name, info);
        checkUnlisted(report, count);
        if (!info)
            checkListed(report, count);
        checkTexts(report, count, info, pageLines);
        checkWidths(report, app, count, surface, info);
        if (strcasecmp(name, "GLOBAL") == 0)
            checkTimeline(report, count);
    }
    destroySurface(surface);
    if (periods + topics == 0)
        report.error("no period or topic: the history has nothing to list or play");
    if (info) {
        // The information screen opens list entries 0..3 as its four sections.
        if (app.lastPeriod + 1 != kInfoSections)
            report.error("%d sections (records of kind 40); the information screen opens %d",
                         app.lastPeriod + 1, kInfoSections);
        for (int r = 1; r < count; ++r) {
            const HistoryRecord& record = standardTable[static_cast<std::size_t>(r)];
            if (r > kInfoSections || record.kind != kPeriodKind || record.endYear != r)
                report.error("record %d (%s): the sections are records 1..4 of kind 40 with "
                             "endYear 1..4, and nothing else", r, record.label);
        }
    }
    checkRawText(report, name);
    if (report.errors > 0)
        std::fprintf(out, "%s: %d error%s\n", name, report.errors, report.errors == 1 ? "" : "s");
    return report.errors;
}

int checkAllHistories(std::FILE* out)
{
    int errors = 0, checked = 0, failed = 0, missing = 0;
    auto one = [&](const char* name) {
        char path[96];
        bool fits = copyText(path, "TEXT\\");
        fits = appendText(path, name) && fits;
        fits = appendText(path, ".txt") && fits;
        std::FILE* file = fits ? openFile(path, "rb") : nullptr;
        if (file == nullptr) {
            ++missing;
            return;
        }
        std::fclose(file);
        const int found = checkHistoryFile(name, 0, out);
        errors += found;
        failed += found > 0;
        ++checked;
    };
    for (const NationGroupRow& row : nationGroupStart)
        if (row.code[0] != '\0')
            one(row.code);
    one("InfoFull");
    std::fprintf(out, "%d histories checked, %d with errors, %d without a file\n", checked,
                 failed, missing);
    return errors;
}
