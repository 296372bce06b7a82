// Program paths to real paths: backslash folders, case-blind look-up.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/bounded_text.h"

namespace {

// Folder that program paths are relative to; empty for the working folder.
char dataFolder[4096] = "";

bool holdsBorders(const char* folder)
{
    char path[4096] = "";
    if (!copyText(path, folder) || !appendText(path, "/borders.dat"))
        return false;
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// share/veltmaren beside the bin/ folder that holds the running program, so
// that an installed tree works wherever its prefix is.
bool besideProgram(std::span<char> out)
{
    char exe[4096];
    ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length <= 0)
        return false;
    exe[length] = '\0';
    char* slash = strrchr(exe, '/');
    if (slash == nullptr)
        return false;
    *slash = '\0';
    return copyText(out, exe) && appendText(out, "/../share/veltmaren");
}

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

struct FaultPlan {
    int step;
    FileFault fault;
    int taken; // steps of the current replaceFile so far
};

FaultPlan faultPlan = {0, FileFault::none, 0};

// Counts one step of replaceFile; false when a test has it fail there.
bool stepOk()
{
    ++faultPlan.taken;
    if (faultPlan.fault == FileFault::none || faultPlan.step != faultPlan.taken)
        return true;
    if (faultPlan.fault == FileFault::crash)
        _exit(86);
    return false;
}

// The folder part of path ("." for a bare name).
void folderOf(const char* path, std::span<char> out)
{
    (void)copyText(out, path);
    char* slash = strrchr(out.data(), '/');
    if (slash == nullptr)
        (void)copyText(out, ".");
    else if (slash == out.data())
        slash[1] = '\0';
    else
        *slash = '\0';
}

bool writeAll(int fd, std::span<const unsigned char> bytes)
{
    constexpr std::size_t kChunk = 16384;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t length = std::min(kChunk, bytes.size() - done);
        if (!stepOk())
            return false;
        const ssize_t wrote = write(fd, bytes.data() + done, length);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

} // namespace

void setFileFault(int step, FileFault fault)
{
    faultPlan.step = step;
    faultPlan.fault = step > 0 ? fault : FileFault::none;
}

int fileStepsTaken()
{
    return faultPlan.taken;
}

bool replaceFile(const char* programPath, std::span<const unsigned char> bytes)
{
    faultPlan.taken = 0;
    char path[4096];
    char temporary[4096 + 8];
    if (!resolvePath(programPath, path) || !copyText(temporary, path) ||
        !appendText(temporary, ".new"))
        return false;

    int fd = stepOk() ? open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644) : -1;
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes);
    ok = ok && stepOk() && fsync(fd) == 0;
    const bool closeStep = stepOk();
    ok = close(fd) == 0 && closeStep && ok;
    ok = ok && stepOk() && rename(temporary, path) == 0;
    if (!ok) {
        unlink(temporary);
        return false;
    }
    // The rename itself lasts only once the folder is on the disk too; the
    // file is whole either way, so a failure here is no failure of the save.
    char folder[4096];
    folderOf(path, folder);
    const int dir = stepOk() ? open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (dir >= 0) {
        (void)fsync(dir);
        close(dir);
    }
    return true;
}

const char* chooseDataFolder()
{
    char beside[4096];
    if (!holdsBorders(".") && besideProgram(beside) && holdsBorders(beside))
        setDataFolder(beside);
    return dataFolder;
}

void setDataFolder(const char* folder)
{
    if (!copyText(dataFolder, folder))
        dataFolder[0] = '\0'; // a folder name too long to use: stay where we are
}

bool resolvePath(const char* programPath, std::span<char> out)
{
    out[0] = '\0';
    if (dataFolder[0] != '\0' && programPath != nullptr && programPath[0] != '/' &&
        (!appendText(out, dataFolder) || !appendText(out, "/")))
        return false;
    if (!appendText(out, programPath))
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

bool fileExists(const char* programPath)
{
    char path[4096];
    struct stat info;
    return resolvePath(programPath, path) && stat(path, &info) == 0;
}

bool deleteFile(const char* programPath)
{
    char path[4096];
    if (!resolvePath(programPath, path))
        return false;
    return std::remove(path) == 0;
}
