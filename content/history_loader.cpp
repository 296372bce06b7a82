// The history loader: two sections of a text file into three fixed tables.
//
// Cases the file format leaves open, and what the loader does with them:
// - The file ends before a section's closing line: the end of the file ends
//   the section (noted).
// - A line longer than 511 characters: its first 511 characters are the
//   line, the rest of it up to its line end is skipped (noted).
// - A record line over 125 characters is read up to its 125th; a field with
//   no ";" inside those reads what is left of them, and the fields after it
//   read 0 or empty. The record still takes its place in the table, so that
//   the numbers of the records after it stay what the writer meant (noted).
// - A number outside the signed 16-bit range is held at the range's end; a
//   string longer than its field is cut to it (noted).
// - Record lines beyond the 239th are not read; the slot after the last
//   record stays free for the title of a header that names no record (noted).
// - A header without its two ";" reads the numbers that are there, a missing
//   one as 0 (noted).
// - Paragraphs before the first header belong to no record and are dropped
//   (noted).
// - Wrapped lines beyond the LineStore's 1,200 are dropped; the record's
//   lineCount counts only the lines stored (noted).
// - A word wider than the line stands on a line of its own; a word of more
//   than 63 characters is cut there (noted).
// - A "<" with no ">" after it runs to the paragraph's end; a lone ">" is
//   dropped at both levels.
// - Listed records beyond the PeriodIndex's 120 entries are not listed
//   (noted). A history without any listed record loads with lastPeriod -1;
//   the panels then show record 0.
#include "content/history_loader.h"

#include <array>
#include <climits>
#include <cstdio>
#include <cstring>

#include "map/draw.h"
#include "map/messages.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "core/app_state.h"
#include "core/bounded_text.h"

namespace {

constexpr int kNoHistoryScreen = 9; // the history page shows every passage
constexpr int kIndent = 6;
// A paragraph is cut where it would pass this many characters, before the
// blank and line feed the wrapping needs at its end.
constexpr int kParagraphChars = 510;
constexpr int kLineChars = kHistoryLineBytes - 1;
constexpr int kMeasureWeight = 500;

// One line of the file as read: the text without its line end.
struct FileLine {
    char text[kHistoryReadBytes];
    int length;
    bool cut; // the line went on past the buffer
};

// Reads the next line into line: at most 511 characters, ended by a line
// feed (a carriage return before it is dropped, as text mode reads it) or
// the end of the file. Text after a NUL does not count, as for any C string.
// Returns false at the end of the file.
bool readLine(std::FILE* file, FileLine& line)
{
    line.length = 0;
    line.cut = false;
    int c = std::getc(file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n') {
        if (c == '\r') {
            int next = std::getc(file);
            if (next == '\n')
                break;
            if (next != EOF)
                std::ungetc(next, file);
        }
        if (line.length < kHistoryReadBytes - 1)
            line.text[line.length++] = static_cast<char>(c);
        else
            line.cut = true;
        c = std::getc(file);
    }
    line.text[line.length] = '\0';
    line.length = static_cast<int>(std::strlen(line.text));
    return true;
}

bool sectionEnd(const FileLine& line)
{
    return line.length >= 2 && line.text[1] == '#';
}

// Notes for the checker; every helper does nothing without a notes record.
struct Noter {
    HistoryNotes* notes;
    int fileLine;

    void add(const char* text, long number = LONG_MIN, const char* after = nullptr)
    {
        if (notes == nullptr)
            return;
        if (notes->count < kHistoryNotes) {
            HistoryNote& note = notes->notes[notes->count];
            note.fileLine = fileLine;
            (void)copyText(note.text, text);
            if (number != LONG_MIN)
                (void)appendNumber(note.text, number);
            if (after != nullptr)
                (void)appendText(note.text, after);
        }
        ++notes->count;
    }
};

// The widths of the 255 characters in the measuring font. The font's
// advances are whole pixels, so a text measures the sum of its characters.
struct CharWidths {
    std::array<int, 256> width;
};

void measureCharacters(const AppState& app, DrawSurface* surface, CharWidths& widths)
{
    DrawContext* context = surface != nullptr ? acquireContext(surface) : nullptr;
    const Font font{app.fontSize3, kMeasureWeight, 0};
    widths.width[0] = 0;
    for (int c = 1; c < 256; ++c) {
        const char text[2] = {static_cast<char>(c), '\0'};
        widths.width[static_cast<std::size_t>(c)] =
            context != nullptr ? measureText(context, text, font).x : app.fontSize3 / 2;
    }
    if (context != nullptr)
        releaseContext(context);
}

// A number field: blanks, an optional sign, digits; the rest is ignored.
std::int16_t readNumber(const char* text, int length, Noter& noter)
{
    int i = 0;
    while (i < length && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    while (i < length && text[i] >= '0' && text[i] <= '9') {
        if (value < 1000000)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    if (value > INT16_MAX || value < INT16_MIN) {
        noter.add("a number outside -32768..32767: ", value);
        value = value > 0 ? INT16_MAX : INT16_MIN;
    }
    return static_cast<std::int16_t>(value);
}

// A string field: blanks skipped, then the text, cut to the field.
void readString(const char* text, int length, std::span<char> field, const char* name,
                Noter& noter)
{
    int i = 0;
    while (i < length && text[i] == ' ')
        ++i;
    const int size = static_cast<int>(field.size());
    int taken = length - i < size - 1 ? length - i : size - 1;
    std::memcpy(field.data(), text + i, static_cast<std::size_t>(taken));
    field[static_cast<std::size_t>(taken)] = '\0';
    if (length - i > size - 1 && name != nullptr)
        noter.add(name, size - 1, " characters at most; cut");
}

// Parses one record line of section 1 into record.
void readRecord(const FileLine& line, HistoryRecord& record, Noter& noter)
{
    record = HistoryRecord{};
    int length = line.length;
    if (line.cut || length > kRecordLineChars) {
        noter.add("a record line longer than ", kRecordLineChars, " characters; cut");
        length = kRecordLineChars;
    }
    std::int16_t* numbers[10] = {&record.tag,         &record.endYear,   &record.startYear,
                                 &record.kind,        &record.mapYear,   &record.markerX,
                                 &record.markerY,     &record.markerStyle, &record.languageRef,
                                 &record.beliefRef};
    int pos = 0;
    for (int field = 0; field < 13; ++field) {
        int end = pos;
        while (end < length && line.text[end] != ';')
            ++end;
        const char* text = line.text + pos;
        const int size = end - pos;
        if (field < 10)
            *numbers[field] = readNumber(text, size, noter);
        else if (field == 10)
            readString(text, size, record.code, "the code field holds ", noter);
        else if (field == 11)
            readString(text, size, record.picture, "the picture field holds ", noter);
        else
            readString(text, size, record.label, "the label holds ", noter);
        if (end >= length && field < 12) {
            noter.add("a record line with ", field + 1, " fields, not 13");
            return;
        }
        if (end >= length) {
            noter.add("the label has no closing ';'");
            return;
        }
        pos = end + 1;
    }
}

// The two numbers of a header "#Y;K;"; a missing one reads 0.
void readHeader(const FileLine& line, int& year, int& kind, Noter& noter)
{
    int values[2] = {0, 0};
    int pos = 1;
    bool closed = true;
    for (int& value : values) {
        int end = pos;
        while (end < line.length && line.text[end] != ';')
            ++end;
        if (end >= line.length)
            closed = false;
        value = pos < line.length ? readNumber(line.text + pos, end - pos, noter) : 0;
        pos = end + 1;
    }
    if (!closed)
        noter.add("a header without its two ';'");
    year = values[0];
    kind = values[1];
}

// The record a header names: from record 0 on while its end year is below
// year, then while its kind is below kind, never past the last record.
int headerRecord(const HistoryTable& table, int count, int year, int kind)
{
    int r = 0;
    while (r < count && table[static_cast<std::size_t>(r)].endYear < year)
        ++r;
    while (r < count && table[static_cast<std::size_t>(r)].kind < kind)
        ++r;
    return r;
}

// The paragraph text of line at the text level: indented, the passages for
// older readers kept or left out, ended by a blank and a line feed. Returns
// its length, or 0 when nothing but blanks is left.
int levelParagraph(const FileLine& line, bool keepAdvanced, char* out)
{
    int n = 0;
    for (int i = 0; i < kIndent; ++i)
        out[n++] = ' ';
    bool inside = false;
    bool text = false;
    for (int i = 0; i < line.length && n < kParagraphChars; ++i) {
        const char c = line.text[i];
        if (c == '<') {
            inside = true;
            continue;
        }
        if (c == '>') {
            inside = false;
            continue;
        }
        if (inside && !keepAdvanced)
            continue;
        out[n++] = c;
        if (c != ' ')
            text = true;
    }
    out[n++] = ' ';
    out[n++] = '\n';
    out[n] = '\0';
    return text ? n : 0;
}

// Where the wrapped lines go: the store, the running line number and the
// record whose text is being read.
struct LineSink {
    LineStore& lines;
    HistoryRecord* record;
    int next;         // the running line number
    bool full;        // the store overflowed once already
    Noter* noter;

    void store(const char* text, int length, bool wordCut)
    {
        if (length <= 0)
            return;
        if (wordCut)
            noter->add("a word longer than a line; cut to ", kLineChars, " characters");
        if (next >= kHistoryLines) {
            if (!full)
                noter->add("more than ", kHistoryLines, " wrapped lines; the rest is left out");
            full = true;
            if (noter->notes != nullptr)
                ++noter->notes->droppedLines;
            return;
        }
        auto& slot = lines[static_cast<std::size_t>(next)];
        const int taken = length < kLineChars ? length : kLineChars;
        std::memcpy(slot.data(), text, static_cast<std::size_t>(taken));
        slot[static_cast<std::size_t>(taken)] = '\0';
        ++next;
        ++record->lineCount;
    }
};

// Wraps one paragraph (text ending in " \n") into lines of at most limit
// pixels and 63 characters, breaking at blanks.
void wrapParagraph(const char* text, int length, const CharWidths& widths, int limit,
                   LineSink& sink)
{
    // Running widths: span a..b measures across[b] - across[a].
    int across[kHistoryReadBytes + 8];
    across[0] = 0;
    for (int i = 0; i < length; ++i)
        across[i + 1] = across[i] + widths.width[static_cast<unsigned char>(text[i])];
    auto fits = [&](int from, int to) {
        return across[to] - across[from] <= limit && to - from <= kLineChars;
    };

    int start = 0;
    int lastFit = -1;
    for (int i = kIndent; i < length; ++i) {
        if (text[i] == '\n') {
            sink.store(text + start, i - start, false);
            return;
        }
        if (text[i] != ' ')
            continue;
        if (fits(start, i)) {
            lastFit = i;
            continue;
        }
        if (lastFit >= start) {
            sink.store(text + start, lastFit - start, false);
            start = lastFit + 1;
            lastFit = -1;
            if (fits(start, i)) {
                lastFit = i;
                continue;
            }
        }
        // A word wider than a line of its own.
        sink.store(text + start, i - start, i - start > kLineChars);
        start = i + 1;
        lastFit = -1;
    }
}

void buildIndex(AppState& app, const HistoryTable& table, PeriodIndex& index, Noter& noter)
{
    index.fill({kEmptyEntry, 0});
    int entries = 0;
    for (int r = 0; r < app.historyRecordCount; ++r) {
        const HistoryRecord& record = table[static_cast<std::size_t>(r)];
        if (record.kind < 40 || record.kind > 59)
            continue;
        if (entries >= kPeriodEntries) {
            if (noter.notes != nullptr && noter.notes->droppedEntries++ == 0) {
                noter.fileLine = 0;
                noter.add("more than ", kPeriodEntries, " periods and topics; the rest is not listed");
            }
            continue;
        }
        index[static_cast<std::size_t>(entries++)] = {r, record.endYear};
    }
    app.lastPeriod = entries - 1;
}

void showOpenFailure(AppState& app, DrawSurface* surface)
{
    const char* text = " Can't open -history()";
    textOut(app, text, 200, 80, app.fontSize4, kAlignLeft, 215, kTextPlain, surface);
    showMessage(app, text);
}

void load(AppState& app, HistoryTable& table, PeriodIndex& index, LineStore& lines,
          const char* name, DrawSurface* surface, HistoryNotes* notes)
{
    char path[96];
    bool pathFits = copyText(path, "TEXT\\");
    pathFits = appendText(path, name) && pathFits;
    pathFits = appendText(path, ".txt") && pathFits;
    std::FILE* file = pathFits ? openFile(path, "rb") : nullptr;
    if (notes != nullptr) {
        *notes = HistoryNotes{};
        notes->opened = file != nullptr;
    }
    if (file == nullptr) {
        if (notes == nullptr)
            showOpenFailure(app, surface);
        return;
    }

    table = {};
    for (auto& line : lines)
        line[0] = '\0';
    Noter noter{notes, 0};
    FileLine line;

    // Section 1: the records.
    int count = 0;
    bool closed = false;
    while (readLine(file, line)) {
        ++noter.fileLine;
        if (sectionEnd(line)) {
            closed = true;
            break;
        }
        const char first = line.text[0];
        if (first == '*' || first == '#' || first == ' ' || first == '\0')
            continue;
        if (count >= kHistoryFileRecords) {
            if (notes != nullptr && notes->droppedRecords++ == 0)
                noter.add("more than ", kHistoryFileRecords, " records; the rest is left out");
            continue;
        }
        readRecord(line, table[static_cast<std::size_t>(count)], noter);
        ++count;
    }
    app.historyRecordCount = count;
    if (!closed)
        noter.add("the file ends inside the records (no closing ## line)");

    // Section 2: titles and paragraphs.
    CharWidths widths;
    measureCharacters(app, surface, widths);
    const int limit = static_cast<int>(0.42 * app.screenWidth);
    const bool keepAdvanced = app.textLevel != kTextYoungReader || app.screenMode == kNoHistoryScreen;
    LineSink sink{lines, nullptr, 0, false, &noter};
    bool firstLine = true;
    closed = false;
    for (;;) {
        if (!readLine(file, line))
            break;
        ++noter.fileLine;
        if (line.cut)
            noter.add("a line longer than ", kHistoryReadBytes - 1, " characters; cut");
        if (!firstLine && sectionEnd(line)) {
            closed = true;
            break;
        }
        firstLine = false;
        const char first = line.text[0];
        if (first == '#') {
            int year = 0, kind = 0;
            readHeader(line, year, kind, noter);
            const int r = headerRecord(table, count, year, kind);
            HistoryRecord& record = table[static_cast<std::size_t>(r)];
            if (notes != nullptr && notes->headers[r] < 255)
                ++notes->headers[r];
            if (r < count) {
                if (record.title[0] != '\0' || record.lineCount != 0)
                    noter.add("a second header for record ", r);
                FileLine title;
                if (readLine(file, title)) {
                    ++noter.fileLine;
                    if (title.cut || title.length > kTitleChars)
                        noter.add("a title longer than ", kTitleChars, " characters; cut");
                    if (title.text[0] == '#')
                        noter.add("a title that starts with '#' (no title after the header?)");
                    // The title is the whole line, leading blanks and all.
                    std::span<char> field(record.title, kTitleChars + 1);
                    (void)copyText(field, title.text);
                } else {
                    noter.add("the file ends after a header, before its title");
                }
            } else {
                noter.add("a header that names no record: #", year);
                (void)copyText(record.title, kNoRecordTitle);
            }
            record.firstLine = static_cast<std::int16_t>(sink.next);
            record.lineCount = 0;
            sink.record = &record;
            continue;
        }
        if (first == '*' || first == '\0')
            continue;
        if (sink.record == nullptr) {
            noter.add("a paragraph before the first header; left out");
            continue;
        }
        if (line.length > 480)
            noter.add("a paragraph longer than 480 characters");
        char paragraph[kHistoryReadBytes + 8];
        const int length = levelParagraph(line, keepAdvanced, paragraph);
        if (length > 0)
            wrapParagraph(paragraph, length, widths, limit, sink);
    }
    if (!closed)
        noter.add("the file ends inside the text (no closing ## line)");
    // Anything but blank lines and comments after the text is never read.
    if (closed && notes != nullptr) {
        while (readLine(file, line)) {
            ++noter.fileLine;
            if (line.length > 0 && line.text[0] != '*') {
                noter.add("text after the closing ## line is never read");
                break;
            }
        }
    }
    if (notes != nullptr)
        notes->fileLines = noter.fileLine;
    std::fclose(file);

    buildIndex(app, table, index, noter);
    currentPeriod(app, index);
}

} // namespace

void history(AppState& app, HistoryTable& table, PeriodIndex& index, LineStore& lines,
             const char* name, DrawSurface* surface)
{
    load(app, table, index, lines, name, surface, nullptr);
}

void historyWithNotes(AppState& app, HistoryTable& table, PeriodIndex& index, LineStore& lines,
                      const char* name, DrawSurface* surface, HistoryNotes& notes)
{
    load(app, table, index, lines, name, surface, &notes);
}

void currentPeriod(AppState& app, const PeriodIndex& index)
{
    if (app.lastPeriod < 1) {
        app.listIndex = 0;
        app.periodPage = 0;
        return;
    }
    int before = 0;
    for (int i = 0; i < app.lastPeriod && i < kPeriodEntries; ++i)
        if (index[static_cast<std::size_t>(i)].year < app.year)
            ++before;
    app.listIndex = before;
    app.periodPage = before < 30 ? 0 : before < 60 ? 30 : before < 90 ? 60 : 90;
}
