// The menu's table of national groups and the look-up by id.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "core/nation_groups.h"

TEST(NationGroups, RowsCountsAndLookUp)
{
    const NationGroupTable& groups = nationGroupStart;
    int blanks = 0, regions = 0, histories = 0;
    std::set<int> ids;
    for (const NationGroupRow& row : groups) {
        EXPECT_EQ(row.highlight, 0);
        if (row.id == kBlankGroup) {
            ++blanks;
            EXPECT_EQ(row.word3, 0);
            EXPECT_EQ(row.code[0], '\0');
            EXPECT_EQ(row.name[0], '\0');
            continue;
        }
        EXPECT_TRUE(ids.insert(row.id).second) << "id " << row.id << " twice";
        if (row.id <= kLastRegionId) {
            ++regions;
            EXPECT_EQ(row.code[0], '\0') << row.name;
        } else {
            ++histories;
            EXPECT_GT(std::strlen(row.code), 0u) << row.name;
        }
    }
    EXPECT_EQ(blanks, 21);
    EXPECT_EQ(regions, 10);
    EXPECT_EQ(histories, 45); // the whole map and 44 national groups

    // Rows whose place in the menu the click arithmetic relies on.
    EXPECT_EQ(groups[0].id, 9);
    EXPECT_STREQ(groups[0].name, "Eurasia/Africa");
    EXPECT_EQ(groups[7].id, kWholeMapHistory);
    EXPECT_STREQ(groups[7].code, "GLOBAL");
    EXPECT_EQ(groups[29].id, 11);
    EXPECT_STREQ(groups[29].code, "EGYPT");
    EXPECT_EQ(groups[29].word4, 1);
    EXPECT_EQ(groups[36].id, 140);
    EXPECT_STREQ(groups[36].name, "North Iranians");
    EXPECT_EQ(groups[75].id, 42);
    EXPECT_STREQ(groups[75].code, "VIETNAM");
    // Blank lines keep the fourth word of the layout they came from.
    EXPECT_EQ(groups[4].word4, 0);
    EXPECT_EQ(groups[5].word4, 9);
    EXPECT_EQ(groups[61].word4, 9);
    EXPECT_EQ(groups[62].word4, 0);

    EXPECT_EQ(findNationGroup(groups, 70), 14);
    EXPECT_EQ(findNationGroup(groups, 179), 50);
    EXPECT_EQ(findNationGroup(groups, 9), 0);
    EXPECT_EQ(findNationGroup(groups, kBlankGroup), -1);
    EXPECT_EQ(findNationGroup(groups, 10), -1);
    EXPECT_EQ(findNationGroup(groups, 200), -1);
}
