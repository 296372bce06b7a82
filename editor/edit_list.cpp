// Filling the editor's record list.
#include "editor/edit_list.h"

#include <algorithm>

#include "core/app_state.h"

EditList editList;

void buildEditList(const AppState& app, const BorderTable& table, EditList& list)
{
    list.fill(EditListEntry{});
    const bool byYear = app.editListByYear == 1;
    const int count = std::clamp(app.recordCount, 0, kBorderSlots);
    int filled = 0;
    for (int slot = 0; slot < count && filled < kEditListEntries; ++slot) {
        const BorderRecord& r = table[static_cast<std::size_t>(slot)];
        const bool passes = byYear ? r.STARTYR >= app.editFilterValue
                                   : r.NATION == app.editFilterValue;
        if (!passes)
            continue;
        list[static_cast<std::size_t>(filled++)] = {r.STARTYR, r.ENDYR, r.ACTION - 100, r.COLOR,
                                                    byYear ? r.NATION : r.ENTRIES, r.RECORD};
    }
}
