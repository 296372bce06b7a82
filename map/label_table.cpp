// The built-in table of map labels.
//
// How the names were placed:
// - A state's name stands near the heart of its land (usually its capital
//   region), from the year it rose to the year it fell or changed name. A
//   label that would touch another in the regional views was moved within
//   the state's own territory rather than out of it.
// - A people without a state of its own carries a dot: one colour for each
//   family (Celts and Germanic peoples, Bantu, Slavs, the Iranian steppe
//   peoples west and east, the Xiongnu and Huns, the Magyars, ...), so that
//   the reader can follow a family across the map.
// - A migrating people moves from row to row along its route, each row
//   standing for the years it spent there. On arrival at a new land the dot
//   carries a trail of three dots that points back the way the people came
//   (the Vandals entering Spain trail off to the north-east, toward Gaul).
// - Routes drawn: the Bantu leave the Cameroon highlands in two streams, one
//   south through the forest to the lower Congo and Angola, one east along
//   the forest's northern edge to the Great Lakes and on to Zambia and
//   Malawi. The Aryans come down from the steppe through Sogdiana and the
//   Hindu Kush into the Punjab and along the Ganges. The Cimmerians are
//   driven from the Pontic steppe over the Caucasus into Anatolia. The Celts
//   spread from the upper Danube to Gaul, Iberia, Britain and Italy, then
//   down the Danube to Thrace and across to Galatia. The Yuezhi are driven
//   from Gansu by the Xiongnu to the Ili and on to Bactria, pushing the Saka
//   south through the Pamirs to Sakastan, Gandhara and western India. The
//   Xiongnu split in 48: the southern half settles in the Ordos, the
//   northern half holds the Mongolian steppe until the Han and the Xianbei
//   drive it out in 89-91, then goes west through Dzungaria and the Kazakh
//   steppe and reaches Europe as the Huns (the atlas follows the view that
//   the Huns descend from it). The Visigoths go from Dacia over the Danube to
//   Italy, southern Gaul and Spain; the Vandals from Silesia through Gaul and
//   Spain to Africa. The Magyars go from east of the Urals to the Kama, then
//   south to Levedia and Etelkoz and over the Carpathians in 895.
// - The Juan-Juan who flee the Turks in 552 are followed west to the Pontic
//   steppe, where they appear as the Avars: the atlas takes the Avars of
//   Pannonia for the remnant of the Juan-Juan.
// - The whole map's window ends near 10.6 W and 59 N. Names of lands beyond
//   it stand on the nearest part of the land inside it: Ghana at the eastern
//   edge of its kingdom, Asturias at the eastern end of the Cantabrian
//   mountains, Swedes and Norwegians in the south of their lands, which in
//   the whole map lies under the menu band, so that they show in the Europe
//   view only.
// - A few rows are for close views only (detail level 2): a second Bantu row
//   at the homeland, the Etruscans of the Po valley, the Celts of Wales, the
//   Celtiberians, the Lesser Yuezhi, the Eastern Chalukyas and Asturias,
//   where the whole map has no room for them beside their neighbours.
// - Each name opens the history that tells of it: the Cimmerians,
//   Scythians, Sarmatians and Saka, and Greek Bactria, which the Saka
//   overran, the North Iranians (the Saka keep the dot of the Yuezhi, whose
//   road they shared); the Yuezhi and Kushans the East Iranians; Xianbei,
//   Juan-Juan, Avars and Khitans the Mongols; Xiongnu, Huns, Khazars and
//   Bulgars the Turks (the Xiongnu and Huns also carry the dot of the Altai
//   Turks); Anatolian kingdoms (Hittites, Phrygia, Lydia) Armenia; Sumer,
//   the Etruscans and Minoan Crete the isolates; Macedon Greece, and the
//   Ptolemies and Seleucids the history of the land they ruled, Egypt and
//   Persia; the Lombards and Burgundy the East Germanic peoples of the
//   migrations; the Papal state, born of the Frankish king Pepin's
//   donation, the West Germanic; the Umayyads of Damascus and of Cordoba
//   and the Buyids the Arabs and Muslims; the Mon, kin of the Khmer, the
//   Khmer; the Cham, whose tongue is Malayo-Polynesian, the Malay; and so
//   on.
#include "map/label_table.h"

namespace {

// Ids of the national groups whose histories the labels open, named by the
// history they open.
enum : std::int32_t {
    EGYPT = 11, ISOLATES = 12, ARAB = 13, ASSYRIA = 18, GREECE = 26, ISRAEL = 30,
    JAPAN = 33, CELTS = 34, GERMAN_E = 36, VIETNAM = 42, ROME = 43, PHOENICI = 44,
    BURMANS = 52, MALAY = 67, BANTU = 70, BYZANTIU = 75, BABYLON = 83, NUBIA = 92,
    THAI = 98, GERMAN_W = 101, KHMER = 103, SPAIN = 106, CHINA = 114, PERSIA = 120,
    AFRICA_N = 121, AFRICA_W = 122, ARMENIA = 123, MONGOLS = 130, TURKS = 132,
    DENMARK = 133, IRANIA_N = 140, NORWAY = 143, SWEDEN = 146, SLAV_W = 150,
    SLAV_E = 152, KOREA = 158, SLAV_S = 159, ENGLAND = 165, INDIA_N = 176,
    MAGYARS = 179, IRANIA_E = 192, INDIA_S = 199,
};

// Dot colours (ColorIndex) by family of peoples.
constexpr std::int16_t noDot = 0;
constexpr std::int16_t dotCeltGerman = 131;
constexpr std::int16_t dotBantu = 4;
constexpr std::int16_t dotSlav = 133;
constexpr std::int16_t dotEastIranian = 157;  // Saka, Yuezhi
constexpr std::int16_t dotNorthIranian = 42;  // Cimmerians, Scythians, Sarmatians
constexpr std::int16_t dotHunnic = 134;       // Turks of the Altai, Xiongnu, Huns
constexpr std::int16_t dotMagyar = 209;
constexpr std::int16_t dotMongolic = 172;     // Xianbei, Juan-Juan, Avars, Khitans
constexpr std::int16_t dotAryan = 176;
constexpr std::int16_t dotTurkic = 189;       // Khazars, Bulgars
constexpr std::int16_t dotNorse = 53;
constexpr std::int16_t dotHittite = 148;
constexpr std::int16_t dotMinoan = 84;
constexpr std::int16_t dotPunic = 91;
constexpr std::int16_t dotBerber = 178;
constexpr std::int16_t dotPhrygian = 177;
constexpr std::int16_t dotEtruscan = 196;
constexpr std::int16_t dotTamil = 187;
constexpr std::int16_t dotBurman = 199;
constexpr std::int16_t dotPyu = 101;
constexpr std::int16_t dotCham = 11;

// One label as written below; the build turns it into a LabelRow.
struct LabelSeed {
    std::int16_t firstYear;
    std::int16_t endYear;
    std::int16_t markerColor;
    std::int16_t detailLevel;
    std::int16_t textPlace;
    std::int16_t trail;
    std::int16_t lon; // tenths of a degree
    std::int16_t lat;
    std::int32_t group;
    const char* text;
};

// first, end, dot, level, text place, trail, lon, lat, group, text
constexpr LabelSeed labelSeeds[kLabelNames] = {
    {-2850, -715, noDot, 1, 1, 0, 280, 270, EGYPT, "Egypt"}, // 0 the Nile valley from the first dynasties to the Kushite conquest
    {-3000, -2334, noDot, 1, 1, 0, 458, 313, ISOLATES, "Sumer"}, // 1 the city states of Uruk, Ur and Lagash
    {-2600, -1900, noDot, 1, 1, 0, 705, 290, INDIA_N, "Harappa"}, // 2 the Indus cities
    {-2334, -2154, noDot, 1, 1, 0, 440, 330, BABYLON, "Akkad"}, // 3 Sargon's empire
    {-2112, -2004, noDot, 1, 1, 0, 458, 313, ISOLATES, "Sumer"}, // 4 the Third Dynasty of Ur
    {-2000, -1980, dotHittite, 1, 2, 4, 340, 390, ARMENIA, "Hittite"}, // 5 arriving in Anatolia from the east
    {-1980, -1650, dotHittite, 1, 2, 0, 355, 390, ARMENIA, "Hittite"}, // 6 around Kanesh, before the kingdom
    {-2000, -500, dotCeltGerman, 1, 2, 0, 95, 550, GERMAN_W, "Germanic"}, // 7 Nordic Bronze Age, Jutland and the Danish islands
    {-2000, -900, dotNorthIranian, 1, 2, 0, 600, 510, IRANIA_N, "N.Iranian"}, // 8 Sintashta and Andronovo, south of the Urals
    {-2000, 1001, dotHunnic, 1, 2, 0, 880, 490, TURKS, "Turk"}, // 9 the Altai
    {-2000, -500, dotEastIranian, 1, 2, 0, 690, 440, IRANIA_E, "E.Iranian"}, // 10 the steppe east of the Aral, toward the Syr Darya
    {-2000, 1000, dotBantu, 1, 2, 0, 110, 60, BANTU, "Bantu"}, // 11 the homeland on the Cameroon-Nigeria border
    {-1900, -1800, dotBantu, 2, 2, 0, 116, 50, BANTU, "Bantu"}, // 12 the first move south-east
    {-1800, -1600, dotBantu, 1, 2, 0, 125, 30, BANTU, "Bantu"}, // 13 southern Cameroon
    {-2000, -1500, noDot, 1, 1, 0, 305, 195, NUBIA, "Nubia"}, // 14 the kingdom of Kerma
    {-1600, -1046, noDot, 1, 1, 0, 1140, 355, CHINA, "Shang"}, // 15 the Yellow River plain, Anyang
    {-1894, -1595, noDot, 1, 1, 0, 444, 325, BABYLON, "Babylon"}, // 16 the first dynasty
    {-2000, -1450, dotMinoan, 1, 1, 0, 250, 352, ISOLATES, "Crete"}, // 17 the Minoan palaces
    {-1600, -1400, dotBantu, 1, 2, 0, 115, 5, BANTU, "Bantu"}, // 18 western stream: the forest of Gabon
    {-1600, -1300, dotBantu, 1, 2, 0, 185, 40, BANTU, "Bantu"}, // 19 eastern stream: along the Ubangi
    {-1650, -1180, noDot, 1, 1, 0, 355, 395, ARMENIA, "Hittite"}, // 20 the kingdom of Hattusa
    {-1900, -1700, dotAryan, 1, 2, 12, 650, 400, INDIA_N, "Aryan"}, // 21 moving south from the steppe into Sogdiana
    {-1700, -1500, dotAryan, 1, 1, 0, 690, 350, INDIA_N, "Aryan"}, // 22 the Hindu Kush
    {-1595, -1155, noDot, 1, 1, 0, 444, 325, BABYLON, "Babylon"}, // 23 the Kassite kings
    {-1400, -1200, dotBantu, 1, 2, 0, 120, -15, BANTU, "Bantu"}, // 24 western stream: the Ogooue
    {-1600, -1100, noDot, 1, 1, 0, 222, 380, GREECE, "Mycenae"}, // 25 the Peloponnese
    {-1300, -1100, dotBantu, 1, 2, 0, 230, 25, BANTU, "Bantu"}, // 26 eastern stream: the Uele
    {-1365, -1050, noDot, 1, 1, 0, 432, 360, ASSYRIA, "Assyria"}, // 27 the Middle Assyrian kingdom, Assur
    {-1200, -900, noDot, 1, 1, 0, 362, 345, PHOENICI, "Phoenicia"}, // 28 Tyre, Sidon and Byblos
    {-1200, -1000, dotBantu, 1, 2, 0, 145, -45, BANTU, "Bantu"}, // 29 western stream: the lower Congo
    {-1500, -1200, dotAryan, 1, 2, 0, 735, 310, INDIA_N, "Aryan"}, // 30 the Punjab of the Rigveda
    {-1100, -650, dotPunic, 1, 2, 0, 95, 360, PHOENICI, "Phoenicia"}, // 31 the western colonies around Utica
    {-1100, -900, dotBantu, 1, 2, 0, 270, 10, BANTU, "Bantu"}, // 32 eastern stream: the Ituri
    {-1100, 1001, dotBerber, 1, 1, 0, 0, 305, AFRICA_N, "Berber"}, // 33 the Atlas and the northern Sahara
    {-1200, -800, dotCeltGerman, 1, 2, 0, 110, 485, CELTS, "Celt"}, // 34 the Urnfield peoples of the upper Danube
    {-1180, -1000, dotPhrygian, 1, 2, 0, 295, 400, ARMENIA, "Phrygia"}, // 35 Phrygians settling north-west Anatolia from Thrace
    {-1000, -800, noDot, 1, 1, 0, 315, 395, ARMENIA, "Phrygia"}, // 36 the Phrygian kingdom
    {-1046, -771, noDot, 1, 1, 0, 1090, 345, CHINA, "W.Zhou"}, // 37 Haojing on the Wei river
    {-1000, -800, dotBantu, 1, 2, 0, 160, -75, BANTU, "Bantu"}, // 38 western stream: the Kwango
    {-1030, -722, noDot, 1, 1, 0, 354, 330, ISRAEL, "Israel"}, // 39 Samaria and Galilee
    {-900, -800, dotBantu, 1, 2, 0, 300, -15, BANTU, "Bantu"}, // 40 eastern stream: the Great Lakes
    {-1200, -900, dotAryan, 1, 2, 0, 770, 295, INDIA_N, "Aryan"}, // 41 the Kuru country
    {-911, -609, noDot, 1, 1, 0, 432, 364, ASSYRIA, "Assyria"}, // 42 the Neo-Assyrian empire, Nineveh
    {-930, -586, noDot, 1, 1, 0, 350, 305, ISRAEL, "Judah"}, // 43 Jerusalem
    {-900, -332, noDot, 1, 1, 0, 362, 345, PHOENICI, "Phoenicia"}, // 44 the cities until Alexander
    {-800, 350, noDot, 1, 1, 0, 325, 180, NUBIA, "Nubia"}, // 45 Kush: Napata, then Meroe
    {-1000, -750, dotNorthIranian, 1, 2, 0, 340, 470, IRANIA_N, "Cimmerian"}, // 46 the steppe north of the Black Sea
    {-800, -264, noDot, 1, 1, 0, 111, 432, ISOLATES, "Etruscan"}, // 47 Etruria
    {-800, -695, noDot, 1, 1, 0, 320, 397, ARMENIA, "Phrygia"}, // 48 Gordion, until the Cimmerians
    {-750, -714, dotNorthIranian, 1, 2, 0, 420, 445, IRANIA_N, "Cimmerian"}, // 49 driven by the Scythians to the Kuban
    {-800, -338, noDot, 1, 1, 0, 222, 388, GREECE, "Greece"}, // 50 the city states
    {-800, -600, dotBantu, 1, 2, 0, 140, -50, BANTU, "W.Bantu"}, // 51 the lower Congo
    {-800, -450, dotCeltGerman, 1, 2, 0, 135, 477, CELTS, "Celt"}, // 52 Hallstatt
    {-800, -600, dotBantu, 1, 2, 0, 310, -30, BANTU, "E.Bantu"}, // 53 Urewe, west of Lake Victoria
    {-900, -600, dotAryan, 1, 2, 0, 825, 265, INDIA_N, "Aryan"}, // 54 Kosala and Videha
    {-771, -475, noDot, 1, 1, 0, 1124, 347, CHINA, "E.Zhou"}, // 55 Luoyang
    {-753, 395, noDot, 1, 1, 0, 128, 415, ROME, "Rome"}, // 56 the city, then the empire
    {-700, -450, dotCeltGerman, 1, 2, 0, 50, 470, CELTS, "Celt"}, // 57 western Hallstatt, Burgundy
    {-626, -539, noDot, 1, 1, 0, 444, 325, BABYLON, "Babylon"}, // 58 the Chaldean kings
    {-650, -300, dotCeltGerman, 1, 2, 0, -40, 420, CELTS, "Celt"}, // 59 the northern Meseta of Iberia
    {-700, -108, noDot, 1, 1, 0, 1250, 400, KOREA, "Choson"}, // 60 Liaodong and the north of Korea
    {-700, -200, dotNorthIranian, 1, 2, 0, 340, 470, IRANIA_N, "Scythian"}, // 61 the Pontic steppe
    {-714, -680, dotNorthIranian, 1, 1, 1, 420, 393, IRANIA_N, "Cimmerian"}, // 62 over the Caucasus into Urartu
    {-600, 43, dotCeltGerman, 1, 2, 0, -15, 525, CELTS, "Celt"}, // 63 Britain
    {-600, -500, dotBantu, 1, 2, 0, 340, -50, BANTU, "E.Bantu"}, // 64 inland Tanzania
    {-600, -300, dotBantu, 1, 2, 0, 150, -85, BANTU, "W.Bantu"}, // 65 northern Angola
    {-680, -546, noDot, 1, 1, 0, 290, 388, ARMENIA, "Lydia"}, // 66 Sardis
    {-680, -600, dotNorthIranian, 1, 2, 0, 465, 375, IRANIA_N, "Scythian"}, // 67 raiding Media and Assyria
    {-680, -626, dotNorthIranian, 1, 2, 0, 350, 410, IRANIA_N, "Cimmerian"}, // 68 around Sinope
    {-450, -50, dotCeltGerman, 1, 2, 0, 30, 470, CELTS, "Celt"}, // 69 La Tene Gaul
    {-664, -525, noDot, 1, 1, 0, 310, 275, EGYPT, "Egypt"}, // 70 the Saite kings
    {-450, -191, noDot, 1, 1, 0, 90, 460, CELTS, "Celt"}, // 71 the Po valley
    {-678, -550, noDot, 1, 1, 0, 485, 348, PERSIA, "Media"}, // 72 Ecbatana
    {-500, -300, dotBantu, 1, 2, 0, 335, -90, BANTU, "E.Bantu"}, // 73 south-west Tanzania
    {-318, 91, dotHunnic, 1, 2, 0, 1040, 465, TURKS, "Xiongnu"}, // 74 the Mongolian steppe, held by the Northern Xiongnu after the split of 48 until 91
    {-450, -400, dotCeltGerman, 1, 2, 0, 45, 490, CELTS, "Celt"}, // 75 La Tene on the Marne
    {-400, -176, dotEastIranian, 1, 2, 0, 990, 395, IRANIA_E, "Yuezhi"}, // 76 the Gansu corridor
    {-600, -300, dotAryan, 1, 2, 0, 745, 195, INDIA_N, "Aryan"}, // 77 moving into the Deccan
    {-650, -146, noDot, 1, 1, 0, 98, 358, PHOENICI, "Carthage"}, // 78 Carthage
    {-550, -330, noDot, 1, 1, 0, 530, 300, PERSIA, "Persia"}, // 79 the Achaemenids, Persepolis
    {-500, -100, dotCeltGerman, 1, 1, 0, 145, 565, SWEDEN, "N.Germanic"}, // 80 southern Sweden
    {-500, -350, dotCeltGerman, 1, 1, 0, 180, 545, GERMAN_E, "E.Germanic"}, // 81 Pomerania
    {-500, -200, dotCeltGerman, 1, 1, 0, 85, 530, GERMAN_W, "W.Germanic"}, // 82 the Jastorf culture between Weser and Elbe
    {-450, -60, dotCeltGerman, 1, 2, 0, 145, 500, CELTS, "Celt"}, // 83 the Boii in Bohemia
    {-540, -350, dotEtruscan, 2, 1, 0, 113, 445, ISOLATES, "Etruscan"}, // 84 the Po valley
    {-500, 907, dotTamil, 1, 1, 0, 781, 92, INDIA_S, "Tamil"}, // 85 the Tamil country
    {-500, -480, dotCeltGerman, 3, 2, 0, 40, 460, CELTS, "Celt"}, // 86 a Celtic row kept off every screen
    {-500, 849, dotBurman, 1, 1, 0, 970, 285, BURMANS, "Burman"}, // 87 the upper Irrawaddy and the Tibetan borderland
    {-475, -221, noDot, 1, 1, 0, 1130, 330, CHINA, "Warring States"}, // 88 the Warring States
    {-400, -335, dotCeltGerman, 1, 1, 0, 180, 465, CELTS, "Celt"}, // 89 down the Danube into Pannonia
    {-335, -15, dotCeltGerman, 1, 2, 0, 205, 448, CELTS, "Celt"}, // 90 the Scordisci
    {-200, -100, dotCeltGerman, 1, 2, 0, 90, 515, GERMAN_W, "W.Germanic"}, // 91 Hesse and the Main
    {-350, -230, dotCeltGerman, 1, 2, 0, 205, 520, GERMAN_E, "E.Germanic"}, // 92 the Vistula
    {-280, -278, dotCeltGerman, 1, 2, 0, 225, 386, CELTS, "Celt"}, // 93 Brennus's raid on Delphi
    {-404, -343, noDot, 1, 1, 0, 305, 280, EGYPT, "Egypt"}, // 94 the last native kings
    {-400, -160, dotEastIranian, 1, 2, 0, 760, 425, IRANIA_N, "Shaka"}, // 95 the Ili and Issyk-Kul
    {-400, -200, dotNorthIranian, 1, 2, 0, 540, 505, IRANIA_N, "Sarmatian"}, // 96 the southern Urals
    {-350, 350, dotNorthIranian, 1, 2, 0, 590, 420, IRANIA_N, "N.Iranian"}, // 97 Massagetae and Dahae, Khwarezm
    {-300, 1001, dotBantu, 1, 2, 0, 330, -135, BANTU, "E.Bantu"}, // 98 Zambia and Malawi
    {-300, 1001, dotBantu, 1, 2, 0, 170, -130, BANTU, "W.Bantu"}, // 99 the Angolan plateau
    {-684, -322, noDot, 1, 1, 0, 854, 250, INDIA_N, "Magadha"}, // 100 Rajagriha and Pataliputra
    {-100, 550, dotCeltGerman, 1, 1, 0, 118, 552, DENMARK, "N.Germanic"}, // 101 the Danish islands
    {-100, 260, dotCeltGerman, 1, 2, 0, 80, 515, GERMAN_W, "W.Germanic"}, // 102 between Rhine and Elbe
    {-230, 170, dotCeltGerman, 1, 1, 0, 205, 535, GERMAN_E, "E.Germanic"}, // 103 the Goths on the lower Vistula and in Masuria
    {-279, -212, dotCeltGerman, 1, 2, 10, 265, 425, CELTS, "Celt"}, // 104 the kingdom of Tylis in Thrace, come down the Danube
    {-300, -133, noDot, 2, 1, 0, -24, 415, CELTS, "CeltIberian"}, // 105 Numantia
    {-200, 370, dotNorthIranian, 1, 2, 0, 435, 480, IRANIA_N, "Sarmatian"}, // 106 the Pontic steppe
    {-278, -25, noDot, 1, 1, 0, 330, 395, CELTS, "Celt"}, // 107 Galatia
    {-359, -168, noDot, 1, 1, 0, 222, 408, GREECE, "Macedon"}, // 108 Pella
    {-300, -56, noDot, 1, 1, 0, -25, 480, CELTS, "Celt"}, // 109 Armorica
    {-305, -30, noDot, 1, 1, 0, 305, 280, EGYPT, "Ptolemies"}, // 110 Alexandria
    {-312, -141, noDot, 1, 1, 0, 410, 345, PERSIA, "Seleucid"}, // 111 Syria and Mesopotamia
    {-322, -185, noDot, 1, 1, 0, 810, 240, INDIA_N, "Maurya"}, // 112 the empire of Pataliputra
    {-331, -190, noDot, 1, 1, 0, 440, 400, ARMENIA, "Armenia"}, // 113 the Orontids
    {-250, 1001, noDot, 2, 1, 0, -35, 523, CELTS, "Celt"}, // 114 Wales
    {-300, 450, dotSlav, 1, 2, 0, 295, 515, SLAV_E, "Slav"}, // 115 the Pripet marshes
    {-300, 300, dotMagyar, 1, 1, 0, 620, 555, MAGYARS, "Magyar"}, // 116 the Ugrians east of the Urals
    {-230, -29, dotCeltGerman, 1, 2, 0, 270, 470, GERMAN_E, "E.Germanic"}, // 117 the Bastarnae, Moldavia
    {-250, 1001, noDot, 1, 1, 0, -40, 565, CELTS, "Celt"}, // 118 the Caledonians and Picts
    {-250, -15, noDot, 1, 1, 0, 145, 470, CELTS, "Celt"}, // 119 Noricum
    {-250, -58, noDot, 1, 1, 0, 75, 468, CELTS, "Celt"}, // 120 the Helvetii
    {-60, 170, dotCeltGerman, 1, 2, 0, 170, 500, GERMAN_E, "E.Germanic"}, // 121 Vandals and Burgundians on the Oder
    {-250, -125, noDot, 1, 1, 0, 670, 365, IRANIA_N, "Bactria"}, // 122 the Greek kings of Bactra
    {-247, -140, noDot, 1, 1, 0, 580, 375, PERSIA, "Parthia"}, // 123 Nisa
    {-221, -206, noDot, 1, 1, 0, 1090, 343, CHINA, "Qin"}, // 124 Xianyang
    {-204, -111, noDot, 1, 1, 0, 1100, 235, VIETNAM, "Nan Yueh"}, // 125 Panyu
    {-206, 9, noDot, 1, 1, 0, 1100, 340, CHINA, "W.Han"}, // 126 Chang'an
    {-190, 301, noDot, 1, 1, 0, 445, 398, ARMENIA, "Armenia"}, // 127 the Artaxiads
    {-185, -73, noDot, 1, 1, 0, 840, 250, INDIA_N, "Sunga"}, // 128 Pataliputra
    {-176, -160, dotEastIranian, 1, 2, 0, 900, 430, IRANIA_E, "Yuezhi"}, // 129 driven west by the Xiongnu
    {-180, -10, noDot, 1, 1, 0, 750, 315, IRANIA_N, "Bactria"}, // 130 the Indo-Greek kings in the Punjab
    {-160, -132, dotEastIranian, 1, 2, 0, 790, 435, IRANIA_E, "Yuezhi"}, // 131 the Ili valley
    {-140, 70, noDot, 1, 1, 0, 352, 318, ISRAEL, "Judea"}, // 132 the Hasmoneans and Herod
    {-132, -125, dotEastIranian, 1, 2, 0, 700, 405, IRANIA_E, "Yuezhi"}, // 133 Ferghana and Sogdiana
    {-160, -130, dotEastIranian, 1, 2, 0, 730, 385, IRANIA_N, "Shaka"}, // 134 driven south into the Pamirs
    {-140, 224, noDot, 1, 1, 0, 520, 340, PERSIA, "Parthia"}, // 135 the Arsacid empire
    {-141, -63, noDot, 1, 1, 0, 370, 355, PERSIA, "Seleucid"}, // 136 the last kings in Syria
    {-125, -50, dotEastIranian, 1, 2, 0, 680, 385, IRANIA_E, "Yuezhi"}, // 137 north of the Oxus
    {-130, -100, dotEastIranian, 1, 2, 0, 615, 310, IRANIA_N, "Shaka"}, // 138 Sakastan
    {-50, 30, dotEastIranian, 1, 2, 0, 670, 365, IRANIA_E, "Yuezhi"}, // 139 Bactria
    {-90, -10, dotEastIranian, 1, 2, 0, 720, 345, IRANIA_N, "Shaka"}, // 140 Gandhara and Taxila
    {-60, 220, noDot, 1, 1, 0, 770, 190, INDIA_S, "Shatavahana"}, // 141 Pratishthana
    {-50, 100, dotEastIranian, 2, 2, 0, 1000, 375, IRANIA_E, "Yuezhi"}, // 142 the Lesser Yuezhi in the Nanshan
    {-10, 35, dotEastIranian, 1, 2, 0, 685, 255, IRANIA_N, "Shaka"}, // 143 the lower Indus
    {-73, -28, noDot, 1, 1, 0, 840, 250, INDIA_N, "Kanva"}, // 144 Pataliputra
    {-37, 668, noDot, 1, 1, 0, 1265, 410, KOREA, "Koguryo"}, // 145 the north of Korea and Manchuria
    {9, 23, noDot, 1, 1, 0, 1090, 343, CHINA, "Xin"}, // 146 Chang'an
    {25, 220, noDot, 1, 1, 0, 1124, 347, CHINA, "E.Han"}, // 147 Luoyang
    {30, 127, noDot, 1, 1, 0, 690, 355, IRANIA_E, "Kushan"}, // 148 Bactria and Kabul
    {68, 550, noDot, 1, 1, 0, 1050, 110, KHMER, "Funan"}, // 149 the Mekong delta
    {127, 375, noDot, 1, 1, 0, 716, 340, IRANIA_E, "Kushan"}, // 150 Peshawar and the Punjab
    {35, 130, dotEastIranian, 1, 2, 0, 735, 225, IRANIA_N, "Shaka"}, // 151 the Kshaharatas of Gujarat
    {48, 155, dotMongolic, 1, 2, 0, 1200, 450, MONGOLS, "Xianbei"}, // 152 the eastern steppe
    {48, 304, dotHunnic, 1, 2, 0, 1090, 395, TURKS, "Xiongnu"}, // 153 the Southern Xiongnu in the Ordos
    {155, 400, dotMongolic, 1, 2, 0, 1060, 465, MONGOLS, "Xianbei"}, // 154 the Mongolian steppe
    {91, 160, dotHunnic, 1, 2, 0, 860, 450, TURKS, "Xiongnu"}, // 155 the Northern Xiongnu in Dzungaria
    {130, 405, dotEastIranian, 1, 2, 0, 745, 230, IRANIA_N, "Shaka"}, // 156 the Western Satraps, Ujjain
    {100, 650, dotPyu, 1, 2, 0, 953, 188, BURMANS, "Pyu"}, // 157 Sri Ksetra
    {192, 605, dotCham, 1, 2, 0, 1075, 160, MALAY, "Cham"}, // 158 Lin-yi
    {220, 265, noDot, 1, 1, 0, 1124, 350, CHINA, "Wei"}, // 159 Luoyang
    {221, 263, noDot, 1, 1, 0, 1040, 305, CHINA, "Shu"}, // 160 Chengdu
    {222, 280, noDot, 1, 1, 0, 1160, 290, CHINA, "Wu"}, // 161 the lower Yangtze
    {224, 651, noDot, 1, 1, 0, 520, 325, PERSIA, "Persia"}, // 162 the Sasanians
    {265, 316, noDot, 1, 1, 0, 1124, 345, CHINA, "Jin"}, // 163 Luoyang
    {260, 274, noDot, 1, 1, 0, 45, 470, ROME, "Gallic Empire"}, // 164 Trier and Gaul
    {260, 273, noDot, 1, 1, 0, 383, 346, ROME, "Palmyra"}, // 165 Zenobia's realm
    {250, 500, noDot, 1, 1, 0, 790, 210, INDIA_S, "Vakataka"}, // 166 the northern Deccan
    {275, 897, noDot, 1, 1, 0, 797, 128, INDIA_S, "Pallava"}, // 167 Kanchipuram
    {250, 375, dotCeltGerman, 1, 2, 0, 320, 485, GERMAN_E, "Ostrogoth"}, // 168 the Greuthungi on the Dnieper
    {270, 376, dotCeltGerman, 1, 1, 0, 260, 465, GERMAN_E, "Visigoth"}, // 169 the Tervingi in Dacia
    {301, 1001, noDot, 1, 1, 0, 455, 400, ARMENIA, "Armenia"}, // 170 the Christian kingdom and its princes
    {300, 319, dotMagyar, 1, 1, 1, 490, 545, MAGYARS, "Magyar"}, // 171 across the Urals to the Kama
    {260, 350, dotCeltGerman, 1, 2, 0, 60, 510, GERMAN_W, "Frank"}, // 172 the lower Rhine
    {304, 439, noDot, 1, 1, 0, 1100, 375, CHINA, "16 Kingdoms"}, // 173 northern China
    {319, 400, dotMagyar, 1, 1, 0, 500, 540, MAGYARS, "Magyar"}, // 174 the Volga and the Kama
    {300, 1001, noDot, 1, 1, 0, -48, 160, AFRICA_W, "Ghana"}, // 175 the Sahel
    {300, 1001, noDot, 1, 1, 0, 1365, 355, JAPAN, "Japan"}, // 176 Yamato
    {317, 420, noDot, 1, 1, 0, 1170, 310, CHINA, "E.Jin"}, // 177 Jiankang
    {320, 550, noDot, 1, 1, 0, 830, 250, INDIA_N, "Gupta"}, // 178 the Ganges plain
    {350, 481, dotCeltGerman, 1, 2, 0, 45, 505, GERMAN_W, "Frank"}, // 179 the Salian Franks in Toxandria
    {160, 300, dotHunnic, 1, 2, 0, 720, 470, TURKS, "Xiongnu"}, // 180 west to Lake Balkhash
    {300, 350, dotHunnic, 1, 2, 0, 600, 480, TURKS, "Xiongnu"}, // 181 the steppe between Aral and Urals
    {350, 375, dotHunnic, 1, 2, 0, 460, 480, TURKS, "Hun"}, // 182 the Volga and the Don
    {376, 401, dotCeltGerman, 1, 2, 12, 255, 430, GERMAN_E, "Visigoth"}, // 183 over the Danube into Moesia, Thrace and Greece
    {401, 409, dotCeltGerman, 1, 2, 0, 70, 485, GERMAN_E, "Vandal"}, // 184 through Germany into Gaul
    {386, 439, noDot, 1, 1, 0, 1130, 395, CHINA, "Toba Wei"}, // 185 Pingcheng
    {375, 410, dotHunnic, 1, 2, 3, 330, 470, TURKS, "Hun"}, // 186 the Pontic steppe
    {395, 476, noDot, 1, 1, 0, 125, 425, ROME, "W.Rome"}, // 187 Italy
    {395, 565, noDot, 1, 1, 0, 295, 405, BYZANTIU, "E.Rome"}, // 188 Constantinople
    {400, 460, dotMagyar, 1, 1, 0, 510, 535, MAGYARS, "Magyar"}, // 189 the Volga and the Kama
    {401, 412, dotCeltGerman, 1, 2, 0, 115, 445, GERMAN_E, "Visigoth"}, // 190 Alaric in Italy
    {402, 552, dotMongolic, 1, 2, 0, 1030, 470, MONGOLS, "Juan-Juan"}, // 191 the Mongolian steppe
    {409, 419, dotCeltGerman, 1, 1, 1, -40, 400, GERMAN_E, "Vandal"}, // 192 Spain
    {412, 418, dotCeltGerman, 1, 2, 0, 30, 433, GERMAN_E, "Visigoth"}, // 193 Narbonne
    {419, 429, dotCeltGerman, 1, 2, 0, -35, 375, GERMAN_E, "Vandal"}, // 194 Baetica
    {418, 507, noDot, 1, 1, 0, 14, 436, GERMAN_E, "Visigoth"}, // 195 the kingdom of Toulouse
    {439, 581, noDot, 1, 1, 0, 1120, 370, CHINA, "Northern"}, // 196 the northern dynasties
    {420, 589, noDot, 1, 1, 0, 1160, 295, CHINA, "Southern"}, // 197 the southern dynasties
    {429, 534, dotCeltGerman, 1, 1, 10, 95, 355, GERMAN_E, "Vandal"}, // 198 Africa, crossed from Spain
    {410, 469, dotHunnic, 1, 2, 0, 200, 468, TURKS, "Hun"}, // 199 the Tisza, Attila
    {450, 530, dotSlav, 1, 2, 0, 255, 448, SLAV_S, "S.Slav"}, // 200 the Sclaveni north of the lower Danube
    {450, 550, dotSlav, 1, 2, 0, 200, 505, SLAV_W, "W.Slav"}, // 201 the upper Vistula
    {450, 530, dotSlav, 1, 2, 0, 305, 500, SLAV_E, "E.Slav"}, // 202 the Antes on the Dnieper
    {454, 489, dotCeltGerman, 1, 2, 0, 185, 460, GERMAN_E, "Ostrogoth"}, // 203 Pannonia
    {489, 553, noDot, 1, 1, 0, 120, 440, GERMAN_E, "Ostrogoth"}, // 204 Italy under Theodoric
    {460, 750, dotMagyar, 1, 1, 0, 530, 530, MAGYARS, "Magyar"}, // 205 the steppe south of the Urals
    {530, 580, dotSlav, 1, 2, 0, 240, 450, SLAV_S, "S.Slav"}, // 206 across the lower Danube
    {550, 600, dotSlav, 1, 2, 0, 170, 512, SLAV_W, "W.Slav"}, // 207 Silesia and the Oder
    {530, 650, dotSlav, 1, 1, 0, 320, 530, SLAV_E, "E.Slav"}, // 208 the upper Dnieper
    {570, 630, dotTurkic, 1, 2, 0, 470, 430, TURKS, "Khazar"}, // 209 Dagestan, under the Western Turks
    {550, 802, noDot, 1, 1, 0, 1045, 165, KHMER, "Chenla"}, // 210 the middle Mekong
    {481, 843, noDot, 1, 1, 0, 35, 485, GERMAN_W, "Frank"}, // 211 the Frankish kingdom
    {507, 711, noDot, 1, 1, 0, -15, 400, GERMAN_E, "Visigoth"}, // 212 the kingdom of Toledo
    {630, 700, dotTurkic, 1, 2, 0, 470, 440, TURKS, "Khazar"}, // 213 the steppe north of the Caucasus
    {750, 830, dotMagyar, 1, 1, 2, 380, 485, MAGYARS, "Magyar"}, // 214 Levedia, between Don and Donets
    {565, 1001, noDot, 1, 1, 0, 290, 392, BYZANTIU, "Byzantium"}, // 215 Constantinople and Anatolia
    {543, 753, noDot, 1, 1, 0, 750, 150, INDIA_S, "Chalukya"}, // 216 Badami
    {580, 650, dotSlav, 1, 2, 0, 210, 435, SLAV_S, "S.Slav"}, // 217 the Balkans
    {580, 623, dotSlav, 1, 2, 0, 145, 500, SLAV_W, "W.Slav"}, // 218 Bohemia
    {650, 882, dotSlav, 1, 2, 0, 360, 540, SLAV_E, "E.Slav"}, // 219 the upper Volga and the Oka
    {552, 555, dotMongolic, 1, 2, 0, 1120, 420, MONGOLS, "Juan-Juan"}, // 220 fleeing to the Chinese border
    {568, 774, noDot, 1, 1, 0, 90, 452, GERMAN_E, "Lombard"}, // 221 Pavia
    {555, 568, dotMongolic, 1, 2, 3, 420, 470, MONGOLS, "Juan-Juan"}, // 222 west to the Pontic steppe
    {650, 1001, dotSlav, 1, 1, 0, 170, 450, SLAV_S, "S.Slav"}, // 223 Croats and Serbs
    {581, 618, noDot, 1, 1, 0, 1120, 345, CHINA, "Sui"}, // 224 Chang'an and Luoyang
    {632, 681, dotTurkic, 1, 2, 0, 385, 460, TURKS, "Bulgar"}, // 225 Old Great Bulgaria, the Kuban
    {568, 796, dotMongolic, 1, 2, 0, 195, 470, MONGOLS, "Avar"}, // 226 Pannonia
    {600, 780, dotSlav, 1, 2, 0, 120, 515, SLAV_W, "W.Slav"}, // 227 the Sorbs between Elbe and Saale
    {600, 800, dotNorse, 1, 1, 0, 150, 580, SWEDEN, "Swede"}, // 228 the Svear and the Gotar
    {600, 872, dotNorse, 1, 1, 0, 85, 590, NORWAY, "Norse"}, // 229 the Norwegian coast
    {605, 1001, noDot, 1, 1, 0, 1082, 145, MALAY, "Champa"}, // 230 Tra Kieu
    {606, 647, noDot, 1, 1, 0, 799, 270, INDIA_N, "Harsha"}, // 231 Kannauj
    {618, 907, noDot, 1, 1, 0, 1100, 345, CHINA, "Tang"}, // 232 Chang'an
    {624, 1001, noDot, 2, 1, 0, 815, 178, INDIA_S, "E.Chalukya"}, // 233 Vengi
    {700, 969, dotTurkic, 1, 2, 0, 475, 470, TURKS, "Khazar"}, // 234 Atil on the lower Volga
    {622, 661, noDot, 1, 1, 0, 400, 245, ARAB, "Arab"}, // 235 Medina
    {623, 833, dotSlav, 1, 2, 0, 160, 495, SLAV_W, "W.Slav"}, // 236 Bohemia and Moravia
    {650, 1001, noDot, 1, 1, 0, 974, 170, KHMER, "Mon"}, // 237 Thaton
    {681, 803, noDot, 1, 1, 0, 270, 434, SLAV_S, "Bulgaria"}, // 238 Pliska
    {650, 832, noDot, 1, 1, 0, 958, 225, BURMANS, "Pyu"}, // 239 Halin
    {661, 750, noDot, 1, 1, 0, 370, 335, ARAB, "Ummayad"}, // 240 Damascus
    {668, 935, noDot, 1, 1, 0, 1280, 360, KOREA, "Shilla"}, // 241 Kyongju
    {670, 1001, noDot, 1, 1, 0, 1040, -25, MALAY, "Srivijaya"}, // 242 Palembang
    {700, 1001, noDot, 1, 1, 0, 305, 182, NUBIA, "Makuria"}, // 243 Dongola
    {700, 960, dotSlav, 1, 2, 0, 190, 535, SLAV_W, "W.Slav"}, // 244 Pomeranians and Polans
    {718, 924, noDot, 2, 1, 0, -48, 430, SPAIN, "Asturias"}, // 245 the Cantabrian mountains
    {738, 937, noDot, 1, 1, 0, 1015, 245, THAI, "Nan Chao"}, // 246 Dali
    {730, 1001, noDot, 1, 1, 0, 745, 255, INDIA_N, "Gurjurat"}, // 247 the Gurjara-Pratiharas
    {750, 1001, noDot, 1, 1, 0, 430, 335, ARAB, "Abbasid"}, // 248 Baghdad
    {780, 1001, dotSlav, 1, 1, 0, 110, 540, SLAV_W, "W.Slav"}, // 249 the Obodrites and Polabians
    {750, 1001, noDot, 1, 1, 0, 880, 245, INDIA_N, "Pala"}, // 250 Bengal and Bihar
    {756, 929, noDot, 1, 1, 0, -25, 385, ARAB, "Umayyad"}, // 251 the emirate of Cordoba
    {756, 1001, noDot, 1, 1, 0, 128, 425, GERMAN_W, "Papal"}, // 252 Rome and the exarchate
    {753, 973, noDot, 1, 1, 0, 760, 205, INDIA_S, "Rashtrakuta"}, // 253 Manyakheta
    {788, 974, noDot, 1, 1, 0, -30, 345, AFRICA_N, "Idrisid"}, // 254 Fez
    {803, 1001, noDot, 1, 1, 0, 245, 425, SLAV_S, "Bulgaria"}, // 255 the empire of Krum and Simeon
    {700, 958, dotNorse, 1, 1, 0, 95, 560, DENMARK, "Dane"}, // 256 Jutland
    {907, 1001, dotSlav, 1, 1, 0, 150, 495, SLAV_W, "W.Slav"}, // 257 the Czechs of Bohemia
    {750, 1001, dotMongolic, 1, 2, 0, 1190, 435, MONGOLS, "Khitan"}, // 258 the Shira Muren
    {800, 909, noDot, 1, 1, 0, 100, 355, AFRICA_N, "Aghlabid"}, // 259 Kairouan
    {802, 1001, noDot, 1, 1, 0, 1035, 125, KHMER, "Kambuja"}, // 260 Angkor
    {802, 1001, noDot, 1, 1, 0, -10, 510, ENGLAND, "Wessex"}, // 261 Winchester
    {833, 907, noDot, 1, 1, 0, 175, 490, SLAV_W, "Moravia"}, // 262 Great Moravia
    {800, 970, dotNorse, 1, 1, 0, 155, 575, SWEDEN, "Swede"}, // 263 Uppland and Gotaland
    {843, 987, noDot, 1, 1, 0, 25, 470, GERMAN_W, "W.Frank"}, // 264 West Francia
    {843, 919, noDot, 1, 1, 0, 100, 505, GERMAN_W, "E.Frank"}, // 265 East Francia
    {849, 1001, noDot, 1, 1, 0, 949, 212, BURMANS, "Pagan"}, // 266 Pagan
    {868, 905, noDot, 1, 1, 0, 310, 290, EGYPT, "Tulunid"}, // 267 Fustat
    {888, 1001, noDot, 1, 1, 0, 55, 455, GERMAN_E, "Burgundy"}, // 268 Upper Burgundy and Provence
    {882, 1001, noDot, 1, 1, 0, 305, 505, SLAV_E, "Kiev"}, // 269 Kiev
    {872, 1001, noDot, 1, 1, 0, 95, 590, NORWAY, "Norway"}, // 270 Harald Fairhair's kingdom
    {830, 895, dotMagyar, 1, 1, 3, 310, 475, MAGYARS, "Magyar"}, // 271 Etelkoz, between Dnieper and Danube
    {895, 1000, dotMagyar, 1, 1, 0, 195, 470, MAGYARS, "Magyar"}, // 272 the Carpathian basin
    {907, 960, noDot, 1, 1, 0, 1140, 360, CHINA, "Five Dynasties"}, // 273 Kaifeng and Luoyang
    {907, 979, noDot, 1, 1, 0, 1140, 270, CHINA, "Ten Kingdoms"}, // 274 the south
    {939, 968, noDot, 1, 1, 0, 1055, 210, VIETNAM, "Nam Viet"}, // 275 Co Loa
    {919, 962, noDot, 1, 1, 0, 105, 510, GERMAN_W, "Saxony"}, // 276 the Saxon kings of Germany
    {935, 969, noDot, 1, 1, 0, 310, 290, EGYPT, "Ikshidid"}, // 277 Fustat
    {934, 1001, noDot, 1, 1, 0, 525, 310, ARAB, "Buyid"}, // 278 Shiraz and Baghdad
    {935, 1001, noDot, 1, 1, 0, 1265, 385, KOREA, "Koryo"}, // 279 Kaesong
    {968, 1001, noDot, 1, 1, 0, 1055, 205, VIETNAM, "Nam Viet"}, // 280 Hoa Lu
    {909, 969, noDot, 1, 1, 0, 100, 350, AFRICA_N, "Fatimid"}, // 281 Ifriqiya
    {960, 1001, noDot, 1, 1, 0, 1140, 340, CHINA, "Song"}, // 282 Kaifeng
    {960, 1001, noDot, 1, 1, 0, 175, 520, SLAV_W, "Poland"}, // 283 Gniezno
    {962, 1001, noDot, 1, 1, 0, 100, 515, GERMAN_W, "Saxon"}, // 284 the Saxon emperors
    {969, 1001, noDot, 1, 1, 0, 310, 290, EGYPT, "Fatimid"}, // 285 Cairo
    {970, 1001, noDot, 1, 1, 0, 155, 575, SWEDEN, "Sweden"}, // 286 the kingdom of the Svear
    {973, 1001, noDot, 1, 1, 0, 760, 200, INDIA_S, "W.Chalukya"}, // 287 Kalyani
    {1000, 1001, noDot, 1, 1, 0, 195, 470, MAGYARS, "Hungary"}, // 288 the kingdom of Stephen
    {958, 1001, noDot, 1, 1, 0, 95, 560, DENMARK, "Denmark"}, // 289 Harald Bluetooth's kingdom
    {907, 1001, noDot, 1, 1, 0, 791, 108, INDIA_S, "Chola"}, // 290 Thanjavur
    {929, 1001, noDot, 1, 1, 0, -25, 385, ARAB, "Umayyad"}, // 291 the caliphate of Cordoba
    {987, 1001, noDot, 1, 1, 0, 60, 485, GERMAN_W, "Capets"}, // 292 the Capetian kings
};

// Years of the end rows; no map year reaches them.
constexpr std::int16_t endRowYear = 3000;

// Stops a constant build whose text does not fit its field: it is not
// constexpr, so reaching it makes the table fail to compile.
void labelTextTooLong() {}

constexpr void copySeedText(char (&field)[22], const char* text)
{
    int length = 0;
    while (text[length] != '\0')
        ++length;
    if (length >= static_cast<int>(sizeof field))
        labelTextTooLong();
    for (int i = 0; i < static_cast<int>(sizeof field); ++i)
        field[i] = i < length ? text[i] : '\0';
}

constexpr LabelTable buildLabelTable()
{
    LabelTable table{};
    for (int i = 0; i < kLabelNames; ++i) {
        const LabelSeed& seed = labelSeeds[i];
        LabelRow& row = table[i];
        row.firstYear = seed.firstYear;
        row.endYear = seed.endYear;
        row.markerColor = seed.markerColor;
        row.detailLevel = seed.detailLevel;
        row.textPlace = seed.textPlace;
        row.trail = seed.trail;
        row.lon = seed.lon;
        row.lat = seed.lat;
        row.group = seed.group;
        copySeedText(row.text, seed.text);
    }
    for (int i = kLabelNames; i < kLabelRows; ++i) {
        table[i].firstYear = endRowYear;
        table[i].endYear = endRowYear;
        copySeedText(table[i].text, "End of Table");
    }
    return table;
}

} // namespace

constinit LabelTable labelTable = buildLabelTable();
