// Runs a fuzz target once over every file of the folders and files named on
// its command line: the committed corpus and the saved crashes, as a test.
// Built with the ordinary compiler and sanitizers, without libFuzzer.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void collect(const std::string& path, std::vector<std::string>& files)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        files.push_back(path);
        return;
    }
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr)
        return;
    while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            collect(path + "/" + entry->d_name, files);
    closedir(dir);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        collect(argv[i], files);
    std::sort(files.begin(), files.end());
    for (const std::string& path : files) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr)
            return 1;
        std::vector<std::uint8_t> bytes;
        int c;
        while ((c = std::fgetc(file)) != EOF)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(file);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs ran\n", files.size());
    return files.empty() ? 1 : 0;
}
