// The map through time as an animated GIF: the frames the atlas shows while
// a region animation plays, one per step, with the year box in the band.
#pragma once

struct AppState;

struct AnimationExport {
    int view;        // map view 0..9
    int fromYear;    // first year shown, -3000..1000
    int toYear;      // last year shown, fromYear..1000
    int step;        // years from one frame to the next, 1 or more
    int delayMs;     // how long each frame shows
    bool labels;     // draw the nations' names
    const char* out; // GIF file to write
};

// Writes the animation of options.view from fromYear to toYear (the last
// frame is toYear even where the steps do not land on it). The display
// surfaces must be set up (headless is fine), the button table built and
// the border and terrain tables loaded. Returns the number of frames
// written, or -1 when the options are out of range or the file could not be
// written whole.
int exportAnimation(AppState& app, const AnimationExport& options);
