// The maintainer tool's exports: the atlas's icon and animated GIFs, and the
// headless start that they share with the render command.
#pragma once

struct AppState;

// Starts the headless display at 800 x 600, builds the button table (which
// fixes the band above the map) and loads borders.dat and terrain.dat from
// the data folder, printing any message to stderr. Returns false when the
// display surfaces cannot be had.
bool openHeadlessAtlas(AppState& app);

// veltmaren-atlas icon --size N --out FILE.png
int commandIcon(AppState& app, int argc, char** argv);

// veltmaren-atlas animate --view ID --from Y --to Y [--step N] [--delay MS]
//                         [--labels] --out FILE.gif
int commandAnimate(AppState& app, int argc, char** argv);
