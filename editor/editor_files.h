// The files the border editor writes: borders.dat with its numbered
// backups, the spreadsheet list of record headers, and a copy of
// borders.dat with fresh bounds; and the count message that reports them.
//
// Names are the program's own ("temp\b1.dat"), relative to the working
// folder; the temp folder is the makers' to create, never the program's.
#pragma once

#include "map/border_table.h"

struct AppState;
struct DrawSurface;

// Save File: writes the table proper (slots 0..recordCount-1) to
// temp\b<N>.dat (N: backupNumber, one more on every call) and then to
// borders.dat, reporting each with a count message or a failure message.
// borders.dat is replaced whole or not at all: a failed write leaves the
// old file as it was. Called by the editor's controlEdit.
void edit_SaveFile(AppState& app, const BorderTable& table, DrawSurface* surface);

// Sprdsht: writes temp\Headers.txt (see writeHeaderList). Called by the
// controller.
void edit_ExportHeaders(AppState& app, const BorderTable& table, DrawSurface* surface);

// Convert: writes temp\NewBorders.dat, every whole record of borders.dat
// with its bounds computed afresh; the bounds of the table in memory are
// recomputed too. A trailing partial record is not written. Called by the
// controller.
void edit_ConvertFile(AppState& app, BorderTable& table, DrawSurface* surface);

// Writes "n: text" centred at the top of the heading area of the menu band
// (ColorIndex 204, heavy) over a band-coloured box, and logs it with the
// program's messages. Does not present; the caller does.
void showCountMessage(AppState& app, int n, const char* text, DrawSurface* surface);

// Deletes and rewrites the header list at programPath ("temp\Headers.txt"):
// the 73-character column line, then for each slot 0..count-1 a carriage
// return and eleven comma-terminated decimal fields (RECORD, STARTYR, ENDYR,
// NATION, COLOR, ENTRIES, HATCH, ACTION, NATGRP, RNG_W, RNG_E). No line feed
// is written. Returns the number of record lines written, or -1 when the file
// did not open. Used by the Sprdsht command and the maintainer tool.
[[nodiscard]] int writeHeaderList(const char* programPath, const BorderTable& table, int count);
