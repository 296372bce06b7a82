// The loaded history on screen: the heading in the menu band, the ten-line
// text strip under the map while a period plays or a topic shows, the
// history page (the period list beside the text) and the information page
// (two full columns of text). The shell's historyPanel picks among them and
// adds the menu bar, the map and the pictures.
//
// Every operation works on the tables the history loader filled; listIndex
// is held to 0..lastPeriod before it is used, and a history without listed
// records shows record 0. Drawing goes to the surface given.
#pragma once

#include "core/history_table.h"

struct AppState;
struct DrawSurface;

// Text lines of one record that the history page shows.
int historyPageRows(const AppState& app);
// Text lines of one column of the information page (it shows two).
int infoPageRows(const AppState& app);

// Holds listIndex to 0..lastPeriod and sets selectedRecord (record 0 when
// nothing is listed). Returns the record.
int selectEntry(AppState& app, const PeriodIndex& index);

// Years between animation steps of a period spanning span years: 100 from
// 500 years, then 50, 20, 10, 5 and below 20 years 2.
int periodYearStep(int span);

// The year span of the period animation: "2686 / 2181" (no signs), or empty
// for the whole-map history (animationId 200 and above). Fills text (at
// least 40 bytes).
void periodSpanText(const AppState& app, const HistoryRecord& record, char* text, int size);

// The heading in the menu band: name + ":  " + label (label alone when name
// is empty) over title, centred in the heading box.
void historyHeading(AppState& app, const char* name, const char* label, const char* title,
                    DrawSurface* surface);

// The heading of the selected entry: record 0's label, the entry's label and
// its title.
void historyEntryHeading(AppState& app, const HistoryTable& table, DrawSurface* surface);

// The ten-line strip under the map (mode 1 only; other modes draw nothing):
// two columns of five lines from firstShownLine, the chevron and moreText 1
// while lines remain beyond them, era marks rewritten to BC/AD when
// eraLabels is 0.
void historyStrip(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                  const LineStore& lines, int mode, DrawSurface* surface);

// Copies line into out (at least 64 bytes) with "BCE" as "BC" and "CE" as
// "AD", scanning at most scan characters; the strip's era rewriting.
void rewriteEra(const char* line, int scan, char* out);

// "LEGACY" beside the heading, in place of a period's year span: what a
// topic shows on its page and on the map.
void historyLegacyLabel(AppState& app, DrawSurface* surface);

// The history page of the selected entry (the caller has drawn the menu
// bar, and for a period the heading box in the button colour): its text, its year span or
// "LEGACY", its language and belief lines, and the list window of entries
// around it. Sets historyListTop, historyListRows, historyListFirst and
// historyListEnd for the click on the list.
void historyPage(AppState& app, const HistoryTable& table, const PeriodIndex& index, const LineStore& lines, DrawSurface* surface);

// The information page over the menu bar the caller has drawn: the heading
// without a name and the selected entry's text in two columns.
void historyInfoPage(AppState& app, const HistoryTable& table, const PeriodIndex& index, const LineStore& lines, DrawSurface* surface);
