// Program paths to real paths: backslash folders, case-blind look-up.
#include "platform/files.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>

#include "core/bounded_text.h"

namespace {

// Finds an entry of folder whose name equals name without regard to case and
// writes its real spelling into name (same length). Returns true when found.
bool findCaseBlind(const char* folder, char* name)
{
    DIR* dir = opendir(folder[0] ? folder : ".");
    if (dir == nullptr)
        return false;
    bool found = false;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name) == 0) {
            memcpy(name, entry->d_name, strlen(name));
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace

bool resolvePath(const char* programPath, std::span<char> out)
{
    if (!copyText(out, programPath))
        return false;
    for (char* c = out.data(); *c; ++c)
        if (*c == '\\')
            *c = '/';

    // Walk the components; where one does not exist as spelt, try its other
    // spellings in the folder resolved so far.
    char* start = out.data();
    while (*start) {
        char* end = strchr(start, '/');
        char saved = '\0';
        if (end) {
            saved = *end;
            *end = '\0';
        }
        struct stat info;
        if (stat(out.data(), &info) != 0 && start[0] != '\0') {
            char folder[4096] = "";
            if (start != out.data()) {
                std::size_t length = static_cast<std::size_t>(start - out.data() - 1);
                if (length >= sizeof folder)
                    length = sizeof folder - 1;
                memcpy(folder, out.data(), length);
                folder[length] = '\0';
                if (length == 0)
                    folder[0] = '/', folder[1] = '\0';
            }
            findCaseBlind(folder, start);
        }
        if (!end)
            break;
        *end = saved;
        start = end + 1;
    }
    return true;
}

std::FILE* openFile(const char* programPath, const char* mode)
{
    char path[4096];
    if (!resolvePath(programPath, path))
        return nullptr;
    return std::fopen(path, mode);
}

bool deleteFile(const char* programPath)
{
    char path[4096];
    if (!resolvePath(programPath, path))
        return false;
    return std::remove(path) == 0;
}
