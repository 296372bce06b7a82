#include "tests/test_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app_state.h"
#include "map/projection.h"
#include "platform/surface.h"
#include "shell/buttons.h"
#include "shell/replay.h"

ScratchFolder::ScratchFolder()
{
    char here[4096];
    if (getcwd(here, sizeof here) != nullptr)
        previous = here;
    char pattern[] = "/tmp/veltmaren-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    folder = pattern;
    if (chdir(folder.c_str()) != 0)
        std::abort();
}

ScratchFolder::~ScratchFolder()
{
    if (!previous.empty() && chdir(previous.c_str()) != 0)
        std::abort();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

AppState viewState(int animationId)
{
    AppState app{};
    setDefaults(app);
    app.mapTop = 58;
    app.animationId = animationId;
    selectView(app, nullptr);
    return app;
}

void writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::vector<std::uint8_t> readFileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
    return bytes;
}

ReplayState readReplayState(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    ReplayState state;
    std::size_t i = 0;
    while ((i = text.find('"', i)) != std::string::npos) {
        const std::size_t end = text.find('"', i + 1);
        const std::size_t colon = text.find(':', end);
        if (end == std::string::npos || colon == std::string::npos)
            break;
        state[text.substr(i + 1, end - i - 1)] = std::atoi(text.c_str() + colon + 1);
        i = text.find_first_of(",}", colon);
    }
    return state;
}

int replayScript(const std::string& script)
{
    {
        std::ofstream out("script.txt");
        out << script;
    }
    AppState app{};
    std::FILE* errors = std::fopen("errors.txt", "w");
    const int code = runReplay(app, buttonTable, "script.txt", errors);
    std::fclose(errors);
    return code;
}

int countPixels(const DrawSurface* surface, int left, int top, int right, int bottom, int pixel)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += readPixel(surface, x, y) == pixel ? 1 : 0;
    return count;
}
