// The built-in map labels: the rows that must be exactly so, the order of
// the names, the mix of dots, levels and trails, and that every name can be
// placed on the whole map and opens a history.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/nation_groups.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/projection.h"
#include "tests/test_support.h"

namespace {

// The names of rows 0..292 in table order.
const char* const kNames =
    "Egypt;Sumer;Harappa;Akkad;Sumer;Hittite;Hittite;Germanic;N.Iranian;Turk;E.Iranian;Bantu;"
    "Bantu;Bantu;Nubia;Shang;Babylon;Crete;Bantu;Bantu;Hittite;Aryan;Aryan;Babylon;Bantu;Mycenae;"
    "Bantu;Assyria;Phoenicia;Bantu;Aryan;Phoenicia;Bantu;Berber;Celt;Phrygia;Phrygia;W.Zhou;Bantu;"
    "Israel;Bantu;Aryan;Assyria;Judah;Phoenicia;Nubia;Cimmerian;Etruscan;Phrygia;Cimmerian;Greece;"
    "W.Bantu;Celt;E.Bantu;Aryan;E.Zhou;Rome;Celt;Babylon;Celt;Choson;Scythian;Cimmerian;Celt;"
    "E.Bantu;W.Bantu;Lydia;Scythian;Cimmerian;Celt;Egypt;Celt;Media;E.Bantu;Xiongnu;Celt;Yuezhi;"
    "Aryan;Carthage;Persia;N.Germanic;E.Germanic;W.Germanic;Celt;Etruscan;Tamil;Celt;Burman;"
    "Warring States;Celt;Celt;W.Germanic;E.Germanic;Celt;Egypt;Shaka;Sarmatian;N.Iranian;E.Bantu;"
    "W.Bantu;Magadha;N.Germanic;W.Germanic;E.Germanic;Celt;CeltIberian;Sarmatian;Celt;Macedon;"
    "Celt;Ptolemies;Seleucid;Maurya;Armenia;Celt;Slav;Magyar;E.Germanic;Celt;Celt;Celt;E.Germanic;"
    "Bactria;Parthia;Qin;Nan Yueh;W.Han;Armenia;Sunga;Yuezhi;Bactria;Yuezhi;Judea;Yuezhi;Shaka;"
    "Parthia;Seleucid;Yuezhi;Shaka;Yuezhi;Shaka;Shatavahana;Yuezhi;Shaka;Kanva;Koguryo;Xin;E.Han;"
    "Kushan;Funan;Kushan;Shaka;Xianbei;Xiongnu;Xianbei;Xiongnu;Shaka;Pyu;Cham;Wei;Shu;Wu;Persia;"
    "Jin;Gallic Empire;Palmyra;Vakataka;Pallava;Ostrogoth;Visigoth;Armenia;Magyar;Frank;"
    "16 Kingdoms;Magyar;Ghana;Japan;E.Jin;Gupta;Frank;Xiongnu;Xiongnu;Hun;Visigoth;Vandal;"
    "Toba Wei;Hun;W.Rome;E.Rome;Magyar;Visigoth;Juan-Juan;Vandal;Visigoth;Vandal;Visigoth;"
    "Northern;Southern;Vandal;Hun;S.Slav;W.Slav;E.Slav;Ostrogoth;Ostrogoth;Magyar;S.Slav;W.Slav;"
    "E.Slav;Khazar;Chenla;Frank;Visigoth;Khazar;Magyar;Byzantium;Chalukya;S.Slav;W.Slav;E.Slav;"
    "Juan-Juan;Lombard;Juan-Juan;S.Slav;Sui;Bulgar;Avar;W.Slav;Swede;Norse;Champa;Harsha;Tang;"
    "E.Chalukya;Khazar;Arab;W.Slav;Mon;Bulgaria;Pyu;Ummayad;Shilla;Srivijaya;Makuria;W.Slav;"
    "Asturias;Nan Chao;Gurjurat;Abbasid;W.Slav;Pala;Umayyad;Papal;Rashtrakuta;Idrisid;Bulgaria;"
    "Dane;W.Slav;Khitan;Aghlabid;Kambuja;Wessex;Moravia;Swede;W.Frank;E.Frank;Pagan;Tulunid;"
    "Burgundy;Kiev;Norway;Magyar;Magyar;Five Dynasties;Ten Kingdoms;Nam Viet;Saxony;Ikshidid;"
    "Buyid;Koryo;Nam Viet;Fatimid;Song;Poland;Saxon;Fatimid;Sweden;W.Chalukya;Hungary;Denmark;"
    "Chola;Umayyad;Capets";

struct TellingRow {
    int row, first, end, color, level, place, trail, lon, lat, group;
    const char* text;
};

const TellingRow kTellingRows[] = {
    {0, -2850, -715, 0, 1, 1, 0, 280, 270, 11, "Egypt"},
    {5, -2000, -1980, 148, 1, 2, 4, 340, 390, 123, "Hittite"},
    {11, -2000, 1000, 4, 1, 2, 0, 110, 60, 70, "Bantu"},
    {12, -1900, -1800, 4, 2, 2, 0, 116, 50, 70, "Bantu"},
    {86, -500, -480, 131, 3, 2, 0, 40, 460, 34, "Celt"},
    {171, 300, 319, 209, 1, 1, 1, 490, 545, 179, "Magyar"},
    {192, 409, 419, 131, 1, 1, 1, -40, 400, 36, "Vandal"},
    {292, 987, 1001, 0, 1, 1, 0, 60, 485, 101, "Capets"},
};

} // namespace

TEST(LabelTable, NamesInOrderTellingRowsAndEndRows)
{
    std::vector<std::string> names;
    std::stringstream list(kNames);
    for (std::string name; std::getline(list, name, ';');)
        names.push_back(name);
    ASSERT_EQ(names.size(), static_cast<size_t>(kLabelNames));
    for (int i = 0; i < kLabelNames; ++i)
        EXPECT_EQ(names[i], labelTable[i].text) << "row " << i;

    for (const TellingRow& t : kTellingRows) {
        const LabelRow& row = labelTable[t.row];
        SCOPED_TRACE(t.row);
        EXPECT_EQ(row.firstYear, t.first);
        EXPECT_EQ(row.endYear, t.end);
        EXPECT_EQ(row.markerColor, t.color);
        EXPECT_EQ(row.detailLevel, t.level);
        EXPECT_EQ(row.textPlace, t.place);
        EXPECT_EQ(row.trail, t.trail);
        EXPECT_EQ(row.lon, t.lon);
        EXPECT_EQ(row.lat, t.lat);
        EXPECT_EQ(row.group, t.group);
        EXPECT_STREQ(row.text, t.text);
    }

    for (int i = kLabelNames; i < kLabelRows; ++i) {
        EXPECT_EQ(labelTable[i].firstYear, 3000);
        EXPECT_EQ(labelTable[i].endYear, 3000);
        EXPECT_STREQ(labelTable[i].text, "End of Table");
    }
    AppState app{};
    setDefaults(app);
    EXPECT_EQ(app.labelCount, kLabelRows - 1);
}

TEST(LabelTable, MixOfDotsLevelsAndTrails)
{
    std::map<int, int> levels, colors;
    int noDot = 0, noTrail = 0;
    for (int i = 0; i < kLabelNames; ++i) {
        const LabelRow& row = labelTable[i];
        ++levels[row.detailLevel];
        if (row.markerColor == 0)
            ++noDot;
        else
            ++colors[row.markerColor];
        if (row.trail == 0)
            ++noTrail;
        EXPECT_GE(row.trail, 0) << i;
        EXPECT_LE(row.trail, 12) << i;
        EXPECT_TRUE(row.textPlace == 1 || row.textPlace == 2) << i;
        EXPECT_LE(row.markerColor, 215) << i;
        // A trail is drawn only behind a dot.
        EXPECT_TRUE(row.trail == 0 || row.markerColor != 0) << i;
    }
    EXPECT_EQ(levels[1], 285);
    EXPECT_EQ(levels[2], 7);
    EXPECT_EQ(levels[3], 1);
    EXPECT_EQ(noDot, 149);
    EXPECT_EQ(noTrail, 281);
    EXPECT_EQ(colors.size(), 21u);
    // The seven most used dot colours, most used first.
    std::vector<std::pair<int, int>> byUse;
    for (auto [color, uses] : colors)
        byUse.push_back({uses, color});
    std::sort(byUse.rbegin(), byUse.rend());
    const int mostUsed[] = {131, 4, 133, 157, 42, 134, 209};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(byUse[i].second, mostUsed[i]) << "rank " << i;
    EXPECT_GT(byUse[6].first, byUse[7].first);
}

TEST(LabelTable, EveryNameHasYearsAPlaceOnTheWholeMapAndAHistory)
{
    AppState app = viewState(kDefaultMapView);
    LabelTable labels = labelTable;
    mapLabels(app, historyTable, periodIndex, lineStore, nationGroupStart, labels, kLabelLayout,
              nullptr);
    std::set<std::string> openers;
    for (int i = 0; i < kLabelNames; ++i) {
        const LabelRow& row = labels[i];
        SCOPED_TRACE(row.text);
        EXPECT_GE(row.firstYear, -3000) << i;
        EXPECT_LT(row.firstYear, row.endYear) << i;
        EXPECT_LE(row.endYear, 1001) << i;
        EXPECT_NE(row.screenX, kLabelOutside) << i;
        EXPECT_GE(row.screenX, 0) << i;
        EXPECT_LT(row.screenX, app.screenWidth) << i;
        int group = findNationGroup(nationGroupStart, row.group);
        ASSERT_GE(group, 0) << i;
        EXPECT_GT(row.group, kLastRegionId) << i;
        openers.insert(nationGroupStart[group].code);
    }
    // Names spread over most of the histories, not a handful.
    EXPECT_GE(openers.size(), 40u);
}
