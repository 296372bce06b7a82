// A replay script, checked and played as `veltmaren --replay` plays it, on a
// folder without data (start-up reports the missing files and goes on). Its
// waits are bounded so that every input ends in a bounded number of frames.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app_state.h"
#include "fuzz/fuzz_support.h"
#include "shell/buttons.h"
#include "shell/replay.h"

namespace {

// The longest wait an input may ask for, the most lines it may hold, and the
// most characters its type lines may send: every key may repaint the whole
// map, so a few dozen of them already take seconds under the sanitizers.
constexpr long kLongestWaitMs = 5000;
constexpr int kMostLines = 64;
constexpr int kMostTypedKeys = 24;

bool bounded(const std::uint8_t* data, std::size_t size)
{
    int lines = 1;
    int typed = 0;
    bool typing = false;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            ++lines;
            typing = false;
        } else if (typing && ++typed > kMostTypedKeys) {
            return false;
        }
        bool lineStart = i == 0 || data[i - 1] == '\n';
        if (lineStart && size - i > 5 && std::memcmp(data + i, "type ", 5) == 0) {
            typing = true;
            i += 4; // the characters after "type " are the keys
            continue;
        }
        if (lineStart && size - i > 5 && std::memcmp(data + i, "wait ", 5) == 0) {
            char digits[24] = "";
            std::size_t n = 0;
            for (std::size_t j = i + 5; j < size && n < sizeof digits - 1 && data[j] != '\n'; ++j)
                digits[n++] = static_cast<char>(data[j]);
            if (std::strtol(digits, nullptr, 10) > kLongestWaitMs || n >= 12)
                return false;
        }
    }
    return lines <= kMostLines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static AppState app;
    static std::FILE* sink = std::fopen("/dev/null", "w");
    fuzzStart(app);
    if (!bounded(data, size) || !fuzzWriteFile("script.txt", data, size))
        return 0;
    // Snapshots and state files land in the scratch folder.
    (void)runReplay(app, buttonTable, "script.txt", sink);
    return 0;
}
