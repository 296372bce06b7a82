// The maintainer tool's print command: the map timeline's pages as PDF
// files, made by the atlas's own print job without a printer.
#pragma once

struct AppState;

// veltmaren-atlas print --from Y --to Y --out DIR [--size full|half]
//                       [--paper letter|a4] [--era bc|bce]
int commandPrint(AppState& app, int argc, char** argv);
