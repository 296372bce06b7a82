#include "tests/test_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/app_state.h"
#include "map/projection.h"

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
