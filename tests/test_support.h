// Helpers shared by the atlas's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AppState;

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
