// Helpers shared by the atlas's tests.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct AppState;
struct DrawSurface;

// Runs a test case inside a fresh empty folder (the program reads its data
// from the working directory) and returns to the old one afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return folder; }

private:
    std::string folder;
    std::string previous;
};

// A fresh state for 800 x 600 in map view animationId, with the map below
// the 58 pixels the program's menu band takes at that size.
AppState viewState(int animationId);

// Writes bytes to the file at path (relative to the working directory).
void writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readFileBytes(const std::string& path);

// A state dump of the replay mode: every field by name.
using ReplayState = std::map<std::string, int>;
ReplayState readReplayState(const std::string& path);

// Writes script to script.txt in the working directory and plays it as the
// replay mode does; errors go to errors.txt. Returns the exit code.
int replayScript(const std::string& script);

// How many pixels of the surface's rectangle [left, right) x [top, bottom)
// hold the 16-bit value pixel.
int countPixels(const DrawSurface* surface, int left, int top, int right, int bottom,
                int pixel);
