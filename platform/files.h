// File access for the atlas's data and output files.
//
// The program names its files the way its data was first laid out
// ("TEXT\egypt.txt", "images\ENGSTONE.jpg", "temp\Headers.txt"): relative to
// the working directory, with a backslash folder separator and no regard to
// letter case. These helpers turn such a name into a real path here.
#pragma once

#include <cstdio>
#include <span>

// Chooses the folder the program's file names are relative to: the working
// folder when it holds borders.dat (makers and tests run there), else the
// installed data, share/veltmaren beside the bin/ folder that holds the
// running program, when that holds borders.dat. A program run from its build
// tree thus never reads an installed atlas's data. With neither, the working
// folder stays and the missing files are reported as usual. Returns the
// folder chosen ("" for the working folder). Called once at start.
const char* chooseDataFolder();

// Makes program paths relative to folder ("" or null: the working folder).
void setDataFolder(const char* folder);

// Writes into out the path of programPath on this system: backslashes become
// '/', and every component that does not exist as spelt is looked up without
// regard to case. A name with no match keeps its spelling (so that a file can
// be created under it). Returns false when out was too small.
[[nodiscard]] bool resolvePath(const char* programPath, std::span<char> out);

// fopen of a program path (see resolvePath). Returns null when the file does
// not open, as fopen does.
std::FILE* openFile(const char* programPath, const char* mode);

// True when something exists under the program path.
bool fileExists(const char* programPath);

// Deletes the file; returns true when it was deleted.
bool deleteFile(const char* programPath);

// Replaces the file at programPath with bytes so that, whatever happens
// meanwhile (a crash, a full disk, a power cut), the file is at every
// instant either its old content or the new content whole: the bytes go to
// a temporary file in the same folder, are flushed to the disk, and the
// temporary file is renamed over the old one. Returns false when any step
// failed; the old file is then untouched and the temporary file removed.
[[nodiscard]] bool replaceFile(const char* programPath, std::span<const unsigned char> bytes);

// What replaceFile does at the step a test names.
enum class FileFault {
    none,
    fail,  // the step reports failure, as a full disk would
    crash, // the process ends at once, as if killed
};

// Makes step number `step` (1 = the first) of every later replaceFile go
// wrong as `fault` says; FileFault::none (or step 0) restores normal
// working. The steps are: creating the temporary file, each write of up to
// 16 KiB, the flush to disk, closing, the rename, the flush of the folder.
// For tests only.
void setFileFault(int step, FileFault fault);

// The number of steps the last replaceFile went through.
int fileStepsTaken();
