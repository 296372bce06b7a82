// Writers of the editor's output files.
#include "editor/editor_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "core/bounded_text.h"
#include "platform/files.h"

int writeHeaderList(const char* programPath, const BorderTable& table, int count)
{
    (void)deleteFile(programPath); // a missing old list is no failure
    std::FILE* file = openFile(programPath, "w+");
    if (file == nullptr)
        return -1;
    static const char kColumns[] = "RECORD,STARTYR,ENDYR,NATION,COLOR,ENTRIES,HATCH,ACTION,NATGRP,RNG_W,RNG_E";
    static_assert(sizeof kColumns - 1 == 73);
    std::fwrite(kColumns, 1, sizeof kColumns - 1, file);

    count = std::clamp(count, 0, kBorderSlots);
    for (int slot = 0; slot < count; ++slot) {
        const BorderRecord& r = table[slot];
        const std::int16_t fields[] = {r.RECORD, r.STARTYR, r.ENDYR, r.NATION, r.COLOR, r.ENTRIES,
                                       r.HATCH, r.ACTION, r.NATGRP, r.RNG_W, r.RNG_E};
        std::array<char, 96> line{};
        bool fits = copyText(line, "\r");
        for (std::int16_t value : fields)
            fits = appendNumber(line, value) && appendText(line, ",") && fits;
        // Eleven 16-bit numbers always fit in the line.
        (void)fits;
        std::fwrite(line.data(), 1, strlen(line.data()), file);
    }
    std::fflush(file);
    std::fclose(file);
    return count;
}
