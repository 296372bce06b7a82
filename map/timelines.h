// The year screen: the century timeline from 3000 BC to 1000 AD (with the
// centuries after 1000 in red, beyond the atlas), the year timeline of the
// 100 years of the chosen century, and below them a panel that states the
// atlas's years and switches the year labels between BC/AD and BCE/CE.
//
// A pick on the century timeline shows the map of that year at once; a
// pick on the year timeline stays on this screen. timelineShown links the
// two: after a year was picked within a century, a century pick keeps its
// last two digits.
#pragma once

#include <array>

struct AppState;
struct DrawSurface;

// The screen's layout rows: row[k] = mapTop + (k + 1) x fontSize4.
inline constexpr int kTimelineRows = 27;
using TimelineRows = std::array<int, kTimelineRows>;
TimelineRows timelineRows(const AppState& app);

// The year screen over the map area of surface. Mode 3 first takes the
// click at (mouseX, mouseY): between rows 1 and 5 the century timeline,
// between rows 6 and 10 the year timeline, on the era line of the panel a
// switch of eraLabels. Every mode then draws the panel, the status prompt
// and both timelines. The year box of the menu band is the caller's (the
// shell draws it with its buttons). Called by the screen controller and
// the map click on the year screen.
void yearPanel(AppState& app, int mode, DrawSurface* surface);

// The century timeline. Mode 3 applies a click at mouseX first: year becomes
// the hundred mark of the century under it (keeping the last two digits
// after a year pick), held to -3000..1000; timelineShown 0; command 24.
// Both modes then draw it.
void centuryTimeline(AppState& app, const TimelineRows& rows, int mode, DrawSurface* surface);

// The year timeline. Mode 3 applies a click at mouseX first: the year of the
// century under it (0 becomes -1 or 1, a year past 1000 or before -3000
// moves back into the atlas by a century); timelineYear the same,
// timelineShown 1, nextRecord 0, command untouched. Both modes then draw it.
void yearTimeline(AppState& app, const TimelineRows& rows, int mode, DrawSurface* surface);
