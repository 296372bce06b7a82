// The history loader: reads one history file of the text folder into the
// HistoryTable, the LineStore and the PeriodIndex, wrapping its paragraphs
// into display lines with the screen font's real widths.
//
// A history file has two sections, each ended by the first line whose second
// character is "#". The first holds one record line per HistoryRecord; the
// second holds headers ("#Y;K;"), each followed by the title of the record it
// names and by that record's paragraphs. docs/history-files.md describes the
// format for the people who write the files.
//
// Whatever a file holds, the loader writes only inside the tables: a file
// that ends inside a section ends that section, an over-long line is read as
// far as the line buffer goes, fields and strings are cut to their slots, and
// records, lines and list entries beyond the tables' capacities are left
// out. Each such case is noted for the history checker when it asks.
#pragma once

#include "core/history_table.h"

struct AppState;
struct DrawSurface;

// Text levels (AppState.textLevel).
inline constexpr int kTextStandard = 111;
inline constexpr int kTextYoungReader = 101;

// Records the loader reads from a file; the slot after them takes the
// title of a header that names no record.
inline constexpr int kHistoryFileRecords = kHistoryRecords - 1;
// A line of the file as read: 511 characters and the line end.
inline constexpr int kHistoryReadBytes = 512;
// Section 1 record lines are read up to this many characters.
inline constexpr int kRecordLineChars = 125;
// Widths of the string fields (with their terminating zero) and the title.
inline constexpr int kCodeChars = 19;
inline constexpr int kLabelChars = 39;
inline constexpr int kTitleChars = 58;
// Title given to the spare slot when a header names no record.
inline constexpr const char* kNoRecordTitle = "Error. End of hi-table";
// The list entry mark of an empty place.
inline constexpr int kEmptyEntry = -3010;

// What the loader noticed in a file beyond what the tables show: the
// history checker reports these; the atlas ignores them.
inline constexpr int kHistoryNotes = 64;
inline constexpr int kHistoryNoteChars = 120;
struct HistoryNote {
    int fileLine;                   // 1-based line of the file, 0 for the whole file
    char text[kHistoryNoteChars];   // what is wrong, for a reader of the file
};
struct HistoryNotes {
    bool opened;                    // false: the file could not be opened
    int count;                      // notes made (may exceed kHistoryNotes)
    HistoryNote notes[kHistoryNotes];
    int fileLines;                  // lines read from the file
    int droppedLines;               // wrapped lines that did not fit the LineStore
    int droppedRecords;             // record lines beyond kHistoryFileRecords
    int droppedEntries;             // listed records beyond the PeriodIndex
    unsigned char headers[kHistoryRecords]; // headers that named each record
};

// Loads the history named name ("EGYPT", "InfoFull") from "TEXT\" + name +
// ".txt" into the three tables and sets historyRecordCount, lastPeriod,
// listIndex (the entry of the map year) and periodPage. Paragraphs are
// wrapped to trunc(0.42 x screenWidth) pixels in the font of fontSize3,
// measured on surface (any surface of the screen's kind; without a drawing
// context a width of half the font height a character is assumed); the text
// level (textLevel, and the history page on show) decides whether passages
// between "<" and ">" are kept. A file that cannot be opened leaves all three
// tables as they were and shows " Can't open -history()". Called by the
// controller, the label click, the information text and printing.
void history(AppState& app, HistoryTable& table, PeriodIndex& index, LineStore& lines,
             const char* name, DrawSurface* surface);

// The same load, noting for the history checker what it found wrong; notes
// is cleared first. When the file cannot be opened nothing is drawn or
// shown: notes.opened is false and the tables keep their contents.
void historyWithNotes(AppState& app, HistoryTable& table, PeriodIndex& index, LineStore& lines,
                      const char* name, DrawSurface* surface, HistoryNotes& notes);

// The entry of the period list that a map year falls in: the number of
// entries before the last whose end year lies before year. Sets listIndex
// and periodPage (0, 30, 60 or 90) from it; both 0 when lastPeriod is below 1.
void currentPeriod(AppState& app, const PeriodIndex& index);
