// The entries of the animations and histories menu, in menu order.
//
// Row i stands in column i / 19 + 1 on line i % 19 + 1. The first six lines
// of a column hold region animations; the national groups follow below and
// in the later columns, alphabetically by history name.
#include "core/nation_groups.h"

namespace {

// A blank line; its fourth word is 0 or 9 as the menu file was laid out.
constexpr NationGroupRow blank(std::int32_t word4)
{
    return NationGroupRow{kBlankGroup, 0, 0, word4, "", ""};
}

} // namespace

const NationGroupTable nationGroupStart = {{
    // Column 1: the whole map and Europe's animations, then histories A..C.
    {9, 0, 0, 9, "", "Eurasia/Africa"},      // 0
    {0, 0, 0, 9, "", "Europe"},              // 1
    {1, 0, 0, 9, "", "West Europe"},         // 2
    {2, 0, 0, 9, "", "East Europe"},         // 3
    blank(0),                                // 4
    blank(9),                                // 5
    blank(9),                                // 6
    {201, 0, 0, 9, "GLOBAL", "Eurasia/Africa"}, // 7
    {121, 0, 6, 2, "AFRICA_N", "North Africans"}, // 8
    {122, 0, 6, 2, "AFRICA_W", "West Africans"},  // 9
    {13, 0, 6, 1, "ARAB", "Arabs/Muslims"},  // 10
    {123, 0, 6, 2, "ARMENIA", "Armenia"},    // 11
    {18, 0, 6, 2, "ASSYRIA", "Assyria"},     // 12
    {83, 0, 6, 2, "BABYLON", "Babylon"},     // 13
    {70, 0, 6, 2, "BANTU", "Bantu"},         // 14
    {52, 0, 6, 2, "BURMANS", "Burmans"},     // 15
    {75, 0, 6, 2, "BYZANTIU", "Byzantium"},  // 16
    {34, 0, 6, 2, "CELTS", "Celts"},         // 17
    {114, 0, 6, 1, "CHINA", "China"},        // 18
    // Column 2: Africa's animations, then histories D..I.
    blank(0),                                // 19
    {3, 0, 0, 9, "", "Africa"},              // 20
    {4, 0, 0, 9, "", "North Africa"},        // 21
    {5, 0, 0, 9, "", "Middle East"},         // 22
    blank(0),                                // 23
    blank(9),                                // 24
    blank(9),                                // 25
    blank(0),                                // 26
    {133, 0, 6, 2, "DENMARK", "Denmark"},    // 27
    {165, 0, 6, 2, "ENGLAND", "England"},    // 28
    {11, 0, 6, 1, "EGYPT", "Egypt"},         // 29
    {36, 0, 6, 2, "GERMAN_E", "East Germanic"}, // 30
    {101, 0, 6, 2, "GERMAN_W", "West Germanic"}, // 31
    {26, 0, 6, 1, "GREECE", "Greece"},       // 32
    {176, 0, 6, 9, "INDIA_N", "North India"}, // 33
    {199, 0, 6, 9, "INDIA_S", "South India"}, // 34
    {192, 0, 6, 2, "IRANIA_E", "East Iranians"}, // 35
    {140, 0, 6, 2, "IRANIA_N", "North Iranians"}, // 36
    {12, 0, 6, 2, "ISOLATES", "Isolates"},   // 37
    // Column 3: Asia's animations, then histories I..P.
    blank(0),                                // 38
    {6, 0, 0, 9, "", "Asia"},                // 39
    {7, 0, 0, 9, "", "West Asia"},           // 40
    {8, 0, 0, 9, "", "East Asia"},           // 41
    blank(0),                                // 42
    blank(0),                                // 43
    blank(9),                                // 44
    blank(0),                                // 45
    {30, 0, 6, 2, "ISRAEL", "Israel"},       // 46
    {33, 0, 6, 2, "JAPAN", "Japan"},         // 47
    {103, 0, 6, 2, "KHMER", "Khmer"},        // 48
    {158, 0, 6, 2, "KOREA", "Korea"},        // 49
    {179, 0, 6, 9, "MAGYARS", "Magyars"},    // 50
    {67, 0, 6, 2, "MALAY", "Malay"},         // 51
    {130, 0, 6, 2, "MONGOLS", "Mongols"},    // 52
    {143, 0, 6, 2, "NORWAY", "Norway"},      // 53
    {92, 0, 6, 2, "NUBIA", "Nubia"},         // 54
    {120, 0, 6, 1, "PERSIA", "Persia"},      // 55
    {44, 0, 6, 2, "PHOENICI", "Phoenicia"},  // 56
    // Column 4: blank top lines, then histories R..V.
    blank(0),                                // 57
    blank(9),                                // 58
    blank(9),                                // 59
    blank(9),                                // 60
    blank(9),                                // 61
    blank(0),                                // 62
    blank(0),                                // 63
    blank(0),                                // 64
    {43, 0, 6, 1, "ROME", "Rome"},           // 65
    {154, 0, 6, 9, "SEMITE_S", "South Semites"}, // 66
    {152, 0, 6, 9, "SLAV_E", "East Slavs"},  // 67
    {159, 0, 6, 9, "SLAV_S", "South Slavs"}, // 68
    {150, 0, 6, 9, "SLAV_W", "West Slavs"},  // 69
    {106, 0, 6, 2, "SPAIN", "Spain"},        // 70
    {146, 0, 6, 2, "SWEDEN", "Sweden"},      // 71
    {98, 0, 6, 2, "THAI", "Thai"},           // 72
    {132, 0, 6, 2, "TURKS", "Turks"},        // 73
    {55, 0, 6, 9, "VENICE", "Venice"},       // 74
    {42, 0, 6, 9, "VIETNAM", "Vietnam"},     // 75
}};

NationGroupTable nationGroupTable = nationGroupStart;

int findNationGroup(const NationGroupTable& groups, std::int32_t id)
{
    if (id == kBlankGroup)
        return -1;
    for (int i = 0; i < kNationGroupRows; ++i)
        if (groups[i].id == id)
            return i;
    return -1;
}
