// The nation search: its table of keys and the ENTER that looks one up.
#include "content/nation_search.h"

#include <algorithm>
#include <cstring>

#include "content/group_menu.h"
#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/status_line.h"

namespace {

constexpr int kMaxTyped = 8;
constexpr int kResultColor = 131;
// The highlight word a search hit leaves in a menu entry.
constexpr int kFound = 210;
// Row of the menu whose id (0, Europe) is also the value of an empty slot.
constexpr int kEmptySlotRow = 1;

// typedLength as an index into the typed text.
std::size_t typedEnd(const AppState& app)
{
    return app.typedLength > 0 && app.typedLength <= kMaxTyped
               ? static_cast<std::size_t>(app.typedLength)
               : 0;
}

} // namespace

const SearchTable searchTable = {{
    {"aba", {13, 0, 0, 0}, "", "Abbasids"}, // 0
    {"abb", {13, 0, 0, 0}, "", "Abbasids"}, // 1
    {"aby", {154, 0, 0, 0}, "", "Abyssinians"}, // 2
    {"ach", {120, 0, 0, 0}, "", "Achaemenids"}, // 3
    {"agh", {121, 0, 0, 0}, "", "Aghlabids"}, // 4
    {"aka", {83, 0, 0, 0}, "", "Akkad"}, // 5
    {"akk", {83, 0, 0, 0}, "", "Akkad"}, // 6
    {"ale", {101, 26, 0, 0}, "", "Alemanni, Alexander"}, // 7
    {"all", {101, 0, 0, 0}, "", "Alemanni"}, // 8
    {"alw", {92, 0, 0, 0}, "", "Alwa"}, // 9
    {"amo", {83, 0, 0, 0}, "", "Amorites"}, // 10
    {"and", {199, 0, 0, 0}, "", "Andra/Satavahana"}, // 11
    {"ang", {101, 103, 0, 0}, "", "Angles, Angkor"}, // 12
    {"ann", {42, 0, 0, 0}, "", "Annam"}, // 13
    {"ara", {13, 0, 0, 0}, "", "Arabs, Arameans"}, // 14
    {"arm", {123, 0, 0, 0}, "", "Armenia"}, // 15
    {"ary", {176, 0, 0, 0}, "", "Aryans"}, // 16
    {"ash", {176, 18, 0, 0}, "", "Ashur, Ashoka"}, // 17
    {"aso", {176, 0, 0, 0}, "", "Asoka/Ashoka"}, // 18
    {"ass", {18, 0, 0, 0}, "", "Assyria"}, // 19
    {"ast", {36, 106, 0, 0}, "", "Asturias"}, // 20
    {"asy", {18, 0, 0, 0}, "", "Assyria"}, // 21
    {"ath", {26, 0, 0, 0}, "", "Athens"}, // 22
    {"ava", {130, 0, 0, 0}, "", "Avars"}, // 23
    {"axu", {154, 0, 0, 0}, "", "Axum"}, // 24
    {"aze", {123, 0, 0, 0}, "", "Azerbaijan"}, // 25
    {"bab", {83, 0, 0, 0}, "", "Babylon"}, // 26
    {"bac", {140, 0, 0, 0}, "", "Bactria"}, // 27
    {"bag", {123, 0, 0, 0}, "", "Bagratuni"}, // 28
    {"ban", {70, 0, 0, 0}, "", "Bantu"}, // 29
    {"bav", {36, 0, 0, 0}, "", "Bavarians"}, // 30
    {"bej", {154, 0, 0, 0}, "", "Beja"}, // 31
    {"ber", {121, 0, 0, 0}, "", "Berbers"}, // 32
    {"boh", {150, 0, 0, 0}, "", "Bohemia"}, // 33
    {"bor", {67, 0, 0, 0}, "", "Borneo"}, // 34
    {"bre", {34, 0, 0, 0}, "", "Bretons"}, // 35
    {"bri", {34, 133, 0, 0}, "", "Brittany"}, // 36
    {"bul", {159, 0, 0, 0}, "", "Bulgaria"}, // 37
    {"bur", {52, 36, 0, 0}, "", "Burmans, Burgundy"}, // 38
    {"bus", {70, 0, 0, 0}, "", "Bushmen"}, // 39
    {"buy", {13, 0, 0, 0}, "", "Buyids"}, // 40
    {"byz", {75, 0, 0, 0}, "", "Byzantium"}, // 41
    {"cal", {83, 0, 0, 0}, "", "Chaldeans"}, // 42
    {"cam", {103, 0, 0, 0}, "", "Cambodia/Kambuja"}, // 43
    {"car", {121, 44, 0, 0}, "", "Carthage"}, // 44
    {"cas", {106, 0, 0, 0}, "", "Castile"}, // 45
    {"cel", {34, 0, 0, 0}, "", "Celts, CeltIberians"}, // 46
    {"cha", {199, 83, 67, 0}, "", "Chaldeans, Chaluka, Champa"}, // 47
    {"che", {103, 0, 0, 0}, "", "Chenla"}, // 48
    {"chi", {114, 0, 0, 0}, "", "China, Ch'in/Qin"}, // 49
    {"cho", {199, 158, 114, 0}, "", "Chou/Zhou, Chola, Choson"}, // 50
    {"cim", {140, 18, 0, 0}, "", "Cimmerians"}, // 51
    {"cre", {12, 0, 0, 0}, "", "Crete"}, // 52
    {"cro", {159, 0, 0, 0}, "", "Croatia"}, // 53
    {"dac", {36, 0, 0, 0}, "", "Dacia"}, // 54
    {"dai", {42, 0, 0, 0}, "", "Dai Viet"}, // 55
    {"dan", {133, 0, 0, 0}, "", "Dane, Danelaw"}, // 56
    {"dar", {92, 0, 0, 0}, "", "Darfur"}, // 57
    {"den", {133, 0, 0, 0}, "", "Denmark"}, // 58
    {"dra", {199, 0, 0, 0}, "", "Dravidians"}, // 59
    {"egy", {11, 0, 0, 0}, "", "Egypt"}, // 60
    {"eth", {154, 0, 0, 0}, "", "Ethiopians"}, // 61
    {"etr", {12, 43, 0, 0}, "", "Etruscans"}, // 62
    {"fat", {121, 11, 0, 0}, "", "Fatimids"}, // 63
    {"fig", {67, 0, 0, 0}, "", "Fiji"}, // 64
    {"fij", {67, 0, 0, 0}, "", "Fiji"}, // 65
    {"fra", {101, 0, 0, 0}, "", "Franks, France"}, // 66
    {"fun", {103, 0, 0, 0}, "", "Funan"}, // 67
    {"gal", {34, 106, 0, 0}, "", "Galatia, Galicia"}, // 68
    {"gau", {34, 0, 0, 0}, "", "Gauls"}, // 69
    {"gep", {36, 0, 0, 0}, "", "Gepids"}, // 70
    {"ger", {36, 101, 0, 0}, "", "E.Germans, W.Germans"}, // 71
    {"get", {36, 0, 0, 0}, "", "Getae/Dacians"}, // 72
    {"gha", {122, 176, 0, 0}, "", "Ghana, Ghazni"}, // 73
    {"got", {36, 0, 0, 0}, "", "Goths, Gotland"}, // 74
    {"gre", {26, 143, 0, 0}, "", "Greece, Greenland"}, // 75
    {"gup", {176, 0, 0, 0}, "", "Gupta"}, // 76
    {"gur", {176, 0, 0, 0}, "", "Gurjurat"}, // 77
    {"gut", {83, 0, 0, 0}, "", "Guti"}, // 78
    {"hal", {34, 0, 0, 0}, "", "Halstat Celts"}, // 79
    {"han", {114, 0, 0, 0}, "", "Han China"}, // 80
    {"har", {176, 12, 0, 0}, "", "Harappa, Harsha"}, // 81
    {"hel", {34, 0, 0, 0}, "", "Helvetii"}, // 82
    {"hsi", {114, 130, 132, 0}, "", "Xin/Hsin China,Hsien Pei,Hsiung Nu"}, // 83
    {"hun", {132, 0, 0, 0}, "", "Huns"}, // 84
    {"hur", {29, 0, 0, 0}, "", "Hurrians"}, // 85
    {"ice", {143, 0, 0, 0}, "", "Iceland"}, // 86
    {"idr", {121, 0, 0, 0}, "", "Idrisids"}, // 87
    {"ind", {199, 67, 176, 12}, "", "India, Indus, Indonesia"}, // 88
    {"ire", {143, 0, 0, 0}, "", "Ireland"}, // 89
    {"isi", {83, 0, 0, 0}, "", "Isin"}, // 90
    {"isl", {13, 0, 0, 0}, "", "Islam"}, // 91
    {"isr", {30, 0, 0, 0}, "", "Israel"}, // 92
    {"jap", {33, 0, 0, 0}, "", "Japan"}, // 93
    {"jav", {67, 0, 0, 0}, "", "Java/Srivijaya"}, // 94
    {"jen", {122, 0, 0, 0}, "", "Jenne-jeno"}, // 95
    {"jin", {114, 0, 0, 0}, "", "Jin China"}, // 96
    {"jua", {130, 0, 0, 0}, "", "JuanJuan"}, // 97
    {"jud", {30, 0, 0, 0}, "", "Judah"}, // 98
    {"kam", {103, 0, 0, 0}, "", "Kambuja"}, // 99
    {"kan", {92, 0, 0, 0}, "", "Kanem"}, // 100
    {"kas", {83, 0, 0, 0}, "", "Kassites"}, // 101
    {"kaz", {132, 0, 0, 0}, "", "Khazars"}, // 102
    {"ker", {92, 0, 0, 0}, "", "Kerma"}, // 103
    {"kha", {121, 132, 0, 0}, "", "Kharijites, Khazars"}, // 104
    {"khi", {130, 0, 0, 0}, "", "Khitans"}, // 105
    {"khm", {103, 0, 0, 0}, "", "Khmer"}, // 106
    {"kho", {70, 0, 0, 0}, "", "Khoisan"}, // 107
    {"kie", {150, 146, 0, 0}, "", "Kiev"}, // 108
    {"kog", {158, 0, 0, 0}, "", "Koguryo"}, // 109
    {"koi", {70, 0, 0, 0}, "", "Khoisan"}, // 110
    {"kor", {158, 0, 0, 0}, "", "Korea, Koryo"}, // 111
    {"kus", {192, 0, 0, 0}, "", "Kushan"}, // 112
    {"lat", {34, 0, 0, 0}, "", "LaTene Celts"}, // 113
    {"leo", {106, 0, 0, 0}, "", "Leon"}, // 114
    {"lia", {130, 0, 0, 0}, "", "Liao China"}, // 115
    {"lid", {123, 0, 0, 0}, "", "Lydia"}, // 116
    {"lom", {36, 0, 0, 0}, "", "Lombards, Lombardy"}, // 117
    {"lyd", {123, 0, 0, 0}, "", "Lydia"}, // 118
    {"mac", {26, 0, 0, 0}, "", "Macedon"}, // 119
    {"mad", {67, 0, 0, 0}, "", "Madagascar"}, // 120
    {"mag", {176, 179, 0, 0}, "", "Magadha, Magyars"}, // 121
    {"mah", {176, 0, 0, 0}, "", "Mahabarata"}, // 122
    {"mak", {92, 0, 0, 0}, "", "Makuria"}, // 123
    {"mal", {67, 0, 0, 0}, "", "Malay"}, // 124
    {"mam", {13, 0, 0, 0}, "", "Mamlukes"}, // 125
    {"map", {70, 0, 0, 0}, "", "Mapungubwe"}, // 126
    {"mar", {36, 0, 0, 0}, "", "Marcomanni/Bavarians"}, // 127
    {"mau", {121, 176, 0, 0}, "", "Mauretania, Maurya"}, // 128
    {"med", {120, 0, 0, 0}, "", "Media"}, // 129
    {"mer", {92, 0, 0, 0}, "", "Meroe"}, // 130
    {"min", {12, 0, 0, 0}, "", "Minoans"}, // 131
    {"mit", {29, 0, 0, 0}, "", "Mitanni"}, // 132
    {"mon", {103, 130, 0, 0}, "", "Mon, Mongols"}, // 133
    {"mor", {150, 0, 0, 0}, "", "Moravia"}, // 134
    {"mus", {13, 0, 0, 0}, "", "Muslim"}, // 135
    {"nab", {154, 0, 0, 0}, "", "Nabataea"}, // 136
    {"nam", {42, 0, 0, 0}, "", "Nam Viet"}, // 137
    {"nap", {92, 0, 0, 0}, "", "Napata"}, // 138
    {"nav", {106, 0, 0, 0}, "", "Navarre"}, // 139
    {"new", {67, 0, 0, 0}, "", "New Guinea, New Zealand"}, // 140
    {"nob", {92, 0, 0, 0}, "", "Nobadia"}, // 141
    {"nok", {122, 0, 0, 0}, "", "Nok"}, // 142
    {"nor", {133, 143, 0, 0}, "", "Normandy, Norway"}, // 143
    {"nov", {150, 146, 0, 0}, "", "Novgorod"}, // 144
    {"nub", {92, 0, 0, 0}, "", "Nubia"}, // 145
    {"num", {121, 0, 0, 0}, "", "Numidia"}, // 146
    {"ost", {36, 0, 0, 0}, "", "Ostrogoths"}, // 147
    {"pae", {158, 0, 0, 0}, "", "Paekche"}, // 148
    {"pag", {52, 0, 0, 0}, "", "Pagan"}, // 149
    {"pal", {176, 0, 0, 0}, "", "Pallava"}, // 150
    {"pap", {101, 0, 0, 0}, "", "Papal States"}, // 151
    {"par", {158, 140, 120, 0}, "", "Parhae, Parthia"}, // 152
    {"per", {120, 0, 0, 0}, "", "Persia"}, // 153
    {"pet", {154, 0, 0, 0}, "", "Petra"}, // 154
    {"phi", {30, 67, 0, 0}, "", "Philistines, Philippines"}, // 155
    {"pho", {44, 0, 0, 121}, "", "Phoenicia"}, // 156
    {"phr", {123, 0, 0, 0}, "", "Phrygia"}, // 157
    {"pol", {150, 0, 0, 0}, "", "Poland"}, // 158
    {"pra", {176, 0, 0, 0}, "", "Pratihara"}, // 159
    {"pto", {11, 0, 0, 0}, "", "Ptolemy"}, // 160
    {"pyu", {52, 0, 0, 0}, "", "Pyu"}, // 161
    {"qin", {114, 0, 0, 0}, "", "Qin China"}, // 162
    {"ras", {199, 0, 0, 0}, "", "Rashtrakuta"}, // 163
    {"rom", {43, 0, 0, 0}, "", "Rome"}, // 164
    {"sab", {154, 0, 0, 0}, "", "Sabaea"}, // 165
    {"sak", {140, 0, 0, 0}, "", "Saka/Shaka"}, // 166
    {"sam", {30, 0, 0, 0}, "", "Samaria"}, // 167
    {"sar", {140, 0, 0, 0}, "", "Sarmatians"}, // 168
    {"sas", {120, 0, 0, 0}, "", "Sassanids"}, // 169
    {"sat", {199, 0, 0, 0}, "", "Satavahana"}, // 170
    {"sax", {101, 0, 0, 0}, "", "Saxons"}, // 171
    {"scy", {140, 0, 0, 0}, "", "Scythians"}, // 172
    {"sea", {83, 0, 0, 0}, "", "Sealand"}, // 173
    {"sel", {120, 0, 0, 0}, "", "Seleucids"}, // 174
    {"sha", {114, 140, 199, 0}, "", "Shang, Shatavahana, Shaka"}, // 175
    {"shi", {13, 158, 0, 0}, "", "Shia, Shilla"}, // 176
    {"sid", {44, 0, 0, 0}, "", "Sidon"}, // 177
    {"sla", {150, 152, 159, 0}, "", "Slav"}, // 178
    {"son", {114, 0, 0, 0}, "", "Song China"}, // 179
    {"spa", {106, 26, 0, 0}, "", "Sparta, Spain"}, // 180
    {"sri", {52, 67, 0, 0}, "", "Sri Ksetra, Srivijaya"}, // 181
    {"suf", {13, 0, 0, 0}, "", "Sufi"}, // 182
    {"sui", {114, 0, 0, 0}, "", "Sui China"}, // 183
    {"sum", {12, 83, 0, 0}, "", "Sumer"}, // 184
    {"sun", {13, 0, 0, 0}, "", "Sunni"}, // 185
    {"swe", {146, 0, 0, 0}, "", "Sweden"}, // 186
    {"tah", {67, 0, 0, 0}, "", "Tahiti"}, // 187
    {"tai", {98, 0, 0, 0}, "", "Tai"}, // 188
    {"tak", {122, 0, 0, 0}, "", "Takrur"}, // 189
    {"tam", {199, 0, 0, 0}, "", "Tamil"}, // 190
    {"tan", {114, 0, 0, 0}, "", "Tang China"}, // 191
    {"tha", {98, 0, 0, 0}, "", "Tai"}, // 192
    {"the", {26, 0, 0, 0}, "", "Thebes"}, // 193
    {"thu", {42, 0, 0, 0}, "", "Thuc"}, // 194
    {"tai", {67, 0, 0, 0}, "", "Taiwan"}, // 195
    {"tic", {122, 0, 0, 0}, "", "Tichit"}, // 196
    {"tob", {114, 0, 0, 0}, "", "Toba"}, // 197
    {"tou", {36, 0, 0, 0}, "", "Toulouse"}, // 198
    {"tul", {13, 11, 0, 0}, "", "Tulinids"}, // 199
    {"tur", {132, 0, 0, 0}, "", "Turks"}, // 200
    {"tyr", {44, 0, 0, 0}, "", "Tyre"}, // 201
    {"uma", {13, 0, 0, 0}, "", "Umayyads"}, // 202
    {"umm", {13, 0, 0, 0}, "", "Umayyads"}, // 203
    {"ura", {29, 0, 0, 0}, "", "Urartu/Van"}, // 204
    {"urn", {34, 0, 0, 0}, "", "Urnfield Celts"}, // 205
    {"vak", {199, 0, 0, 0}, "", "Vakataka"}, // 206
    {"van", {36, 121, 29, 0}, "", "Vandals, Van"}, // 207
    {"vas", {123, 0, 0, 0}, "", "Vaspurakan"}, // 208
    {"ven", {55, 0, 0, 0}, "", "Venice"}, // 209
    {"vie", {42, 0, 0, 0}, "", "Vietnam"}, // 210
    {"vik", {143, 0, 0, 0}, "", "Vikings"}, // 211
    {"vis", {36, 106, 0, 0}, "", "Visigoths"}, // 212
    {"xia", {114, 130, 0, 0}, "", "Xia China, Xianbei"}, // 213
    {"xin", {114, 0, 0, 0}, "", "Xin China"}, // 214
    {"xio", {132, 0, 0, 0}, "", "Xiongnu"}, // 215
    {"yor", {133, 143, 0, 0}, "", "York"}, // 216
    {"yue", {192, 0, 0, 0}, "", "Yuezhi"}, // 217
    {"zan", {70, 13, 0, 0}, "", "Zandj"}, // 218
    {"zea", {67, 0, 0, 0}, "", "New Zealand"}, // 219
    {"zho", {114, 0, 0, 0}, "", "Zhou China"}, // 220
}};

int findSearchKey(const char* typed)
{
    char key[3] = {0, 0, 0};
    for (int i = 0; i < 3 && typed[i] != '\0'; ++i) {
        char c = typed[i];
        key[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    for (int i = 0; i < kSearchKeys; ++i) {
        if (std::memcmp(searchTable[static_cast<std::size_t>(i)].key, key, 3) == 0)
            return i;
    }
    return -1;
}

bool searchKey(AppState& app, std::span<char, 12> typed, int key)
{
    if (key == kSearchEnter)
        return true;
    std::size_t end = typedEnd(app);
    if (key == kSearchBackspace) {
        if (end > 0)
            --end;
    } else {
        app.lastKey = key;
        typed[end] = static_cast<char>(key);
        if (end < kMaxTyped)
            ++end;
    }
    typed[end] = '\0';
    app.typedLength = static_cast<int>(end);
    return false;
}

void searchResultLine(int result, const char* typed, std::span<char> out)
{
    // Both lines fit 80 bytes: 39 characters of names, 8 typed.
    if (result < 0) {
        (void)copyText(out, "Search for ");
        (void)appendText(out, typed);
        (void)appendText(out, ":  No entries found");
        return;
    }
    (void)copyText(out, "Entries for ");
    (void)appendText(out, searchTable[static_cast<std::size_t>(result)].names);
    (void)appendText(out, " shown in white.");
}

void runNationSearch(AppState& app, NationGroupTable& groups, std::span<char, 12> typed,
                     DrawSurface* surface)
{
    for (NationGroupRow& row : groups)
        row.highlight = 0;
    // The typed text may hold a stale tail behind its terminating zero.
    typed[typedEnd(app)] = '\0';
    app.searchResult = findSearchKey(typed.data());
    statusLine(app, 219, surface);

    char line[80];
    searchResultLine(app.searchResult, typed.data(), line);
    textOut(app, line, static_cast<int>(0.5 * app.screenWidth), app.mapTop / 2 - app.fontSize4,
            app.fontSize4, kAlignCenter, kResultColor, kTextPlain, surface);
    if (app.searchResult >= 0) {
        const SearchEntry& found = searchTable[static_cast<std::size_t>(app.searchResult)];
        for (NationGroupRow& row : groups) {
            for (std::int32_t id : found.groups) {
                if (row.id == id)
                    row.highlight = kFound;
            }
        }
        // Every key with an empty slot would otherwise mark Europe.
        groups[kEmptySlotRow].highlight = 0;
    }

    groupMenu(app, groups, kMenuWithoutStatus, surface);
    std::fill(typed.begin(), typed.end(), '\0');
    app.typedLength = 0;
}
