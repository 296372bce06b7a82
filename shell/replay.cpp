// Playing a replay script against the headless atlas.
#include "shell/replay.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/display_loop.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"

namespace {

enum class StepKind { keys, click, wait, snapshot, state };

struct ReplayStep {
    StepKind kind;
    int line;        // line number in the script, for messages
    std::string text; // the keys of key/type, the file of snapshot/state
    int x, y;         // click position
    int ms;           // wait
};

// Idle frames during a wait come at least this often on the clock.
constexpr int kWaitFrameMs = 10;

bool parseInt(const std::string& word, int& value)
{
    if (word.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || parsed < -1000000000L || parsed > 1000000000L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// Splits the rest of a line at blanks.
std::vector<std::string> words(const std::string& rest)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t'))
            ++i;
        std::size_t j = i;
        while (j < rest.size() && rest[j] != ' ' && rest[j] != '\t')
            ++j;
        if (j > i)
            out.push_back(rest.substr(i, j - i));
        i = j;
    }
    return out;
}

// The character code named by the argument of a key line, or -1.
int keyCode(const std::string& name)
{
    if (name == "ESC")
        return 27;
    if (name == "ENTER")
        return 13;
    if (name == "SPACE")
        return ' ';
    if (name.size() == 1)
        return static_cast<unsigned char>(name[0]);
    int code = 0;
    if (name.size() > 1 && name[0] == '#' && parseInt(name.substr(1), code) && code >= 1 &&
        code <= 255)
        return code;
    return -1;
}

// Reads one script line into step; false with why set when it is malformed.
// Lines to skip give true with step.line 0.
bool parseLine(std::string line, int number, ReplayStep& step, const char*& why)
{
    step = ReplayStep{};
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return true;
    std::size_t wordEnd = line.find_first_of(" \t", first);
    const std::string verb = line.substr(first, wordEnd == std::string::npos ? std::string::npos
                                                                             : wordEnd - first);
    const std::string rest = wordEnd == std::string::npos ? "" : line.substr(wordEnd + 1);
    const std::vector<std::string> args = words(rest);
    step.line = number;

    if (verb == "key") {
        int code = args.size() == 1 ? keyCode(args[0]) : -1;
        if (code < 0) {
            why = "key needs one character, ESC, ENTER, SPACE or #N";
            return false;
        }
        step.kind = StepKind::keys;
        step.text.assign(1, static_cast<char>(code));
        return true;
    }
    if (verb == "type") {
        if (rest.empty()) {
            why = "type needs text";
            return false;
        }
        step.kind = StepKind::keys;
        step.text = rest;
        return true;
    }
    if (verb == "click") {
        if (args.size() != 2 || !parseInt(args[0], step.x) || !parseInt(args[1], step.y)) {
            why = "click needs two whole numbers X Y";
            return false;
        }
        step.kind = StepKind::click;
        return true;
    }
    if (verb == "wait") {
        if (args.size() != 1 || !parseInt(args[0], step.ms) || step.ms < 0) {
            why = "wait needs a number of milliseconds, 0 or more";
            return false;
        }
        step.kind = StepKind::wait;
        return true;
    }
    if (verb == "snapshot" || verb == "state") {
        if (args.size() != 1) {
            why = "needs one file name";
            return false;
        }
        step.kind = verb == "snapshot" ? StepKind::snapshot : StepKind::state;
        step.text = args[0];
        return true;
    }
    why = "unknown command (key, type, click, wait, snapshot, state)";
    return false;
}

// Delivers an event the way the window would, through the event queue and
// the window procedure. Returns true when the atlas quit (the window was
// destroyed: the display is released and the quit event queued).
bool deliver(AppState& app, const InputEvent& event)
{
    postEvent(event);
    InputEvent next{};
    while (pollEvent(next)) {
        if (next.kind == EventKind::quit)
            return true;
        windowEvent(app, next, atlasInput);
    }
    return false;
}

} // namespace

bool writeStateJson(const AppState& app, const char* path)
{
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr)
        return false;
    std::fputc('{', file);
    bool first = true;
    for (const AppStateField& field : appStateFields()) {
        std::fprintf(file, "%s\"%s\": %d", first ? "" : ", ", field.name,
                     static_cast<int>(app.*field.member));
        first = false;
    }
    std::fputs("}\n", file);
    return std::fclose(file) == 0;
}

int runReplay(AppState& app, ButtonTable& buttons, const char* scriptPath, std::FILE* errors)
{
    std::FILE* script = std::fopen(scriptPath, "r");
    if (script == nullptr) {
        std::fprintf(errors, "veltmaren: cannot read replay script %s\n", scriptPath);
        return kReplayMalformed;
    }
    // The whole script is checked before anything runs.
    std::vector<ReplayStep> steps;
    std::string line;
    int number = 0;
    int c;
    bool malformed = false;
    do {
        c = std::fgetc(script);
        if (c != EOF && c != '\n') {
            line.push_back(static_cast<char>(c));
            continue;
        }
        if (c == EOF && line.empty())
            break;
        ++number;
        ReplayStep step;
        const char* why = "";
        if (!parseLine(line, number, step, why)) {
            std::fprintf(errors, "%s:%d: malformed line: %s\n", scriptPath, number, why);
            malformed = true;
            break;
        }
        if (step.line != 0)
            steps.push_back(step);
        line.clear();
    } while (c != EOF);
    std::fclose(script);
    if (malformed)
        return kReplayMalformed;

    useVirtualClock(0);
    if (!startAtlas(app, buttons, DisplayBackend::headless)) {
        std::fprintf(errors, "veltmaren: the display could not be set up\n");
        return kReplayFailed;
    }
    frameStep(app, buttons, historyHeadingText);
    for (const ReplayStep& step : steps) {
        bool quit = false;
        switch (step.kind) {
        case StepKind::keys:
            for (char key : step.text) {
                quit = deliver(app,
                               {EventKind::key, static_cast<unsigned char>(key), 0, 0, false});
                if (quit)
                    break;
            }
            break;
        case StepKind::click:
            quit = deliver(app, {EventKind::click, 0, step.x, step.y, false});
            break;
        case StepKind::wait:
            for (int left = step.ms; left > 0; left -= kWaitFrameMs) {
                advanceVirtualClock(left < kWaitFrameMs ? left : kWaitFrameMs);
                frameStep(app, buttons, historyHeadingText);
            }
            break;
        case StepKind::snapshot:
        case StepKind::state: {
            const bool written = step.kind == StepKind::snapshot
                                     ? saveSurfacePng(primarySurface, step.text.c_str())
                                     : writeStateJson(app, step.text.c_str());
            if (!written) {
                std::fprintf(errors, "%s:%d: cannot write %s\n", scriptPath, step.line,
                             step.text.c_str());
                releaseDisplay();
                return kReplayFailed;
            }
            break;
        }
        }
        if (quit)
            return kReplayDone;
        frameStep(app, buttons, historyHeadingText);
    }
    releaseDisplay();
    return kReplayDone;
}
