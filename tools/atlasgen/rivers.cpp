// Rivers: the great rivers of the atlas's lands from Natural Earth's river
// centrelines, with the pieces of one river (which the source names by local
// or section names) joined into as few polylines as possible.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "tools/atlasgen/atlasgen.h"

namespace {

// Simplification of the river lines, in degrees.
constexpr double kRiverTolerance = 0.05;
// Side branches shorter than this (degrees along the line) are left out.
constexpr double kMinBranchLength = 2.0;

double lengthOf(const std::vector<LonLat>& line)
{
    double length = 0.0;
    for (std::size_t i = 1; i < line.size(); ++i)
        length += std::hypot(line[i].lon - line[i - 1].lon, line[i].lat - line[i - 1].lat);
    return length;
}

// One river of the atlas and the English names of its source pieces.
struct RiverDef {
    const char* name;
    const char* pieces[8];  // name_en values, null-terminated
};

// In order of drawing; the list is the atlas's choice of rivers.
const RiverDef kRivers[] = {
    {"Nile", {"Nile", "White Nile", "Rosetta Branch", "Damietta Branch", nullptr}},
    {"Blue Nile", {"Blue Nile", nullptr}},
    {"Tigris", {"Tigris", nullptr}},
    {"Euphrates", {"Euphrates", "Shatt al-Arab", nullptr}},
    {"Indus", {"Indus", nullptr}},
    {"Ganges", {"Ganges", nullptr}},
    {"Brahmaputra", {"Brahmaputra", "Yarlung", nullptr}},
    {"Huang He", {"Yellow", "Huang", nullptr}},
    {"Yangtze", {"Yangtze", "Jinsha", nullptr}},
    {"Mekong", {"Mekong", nullptr}},
    {"Irrawaddy", {"Irrawaddy", "Derung-Nmai", nullptr}},
    {"Oxus", {"Amu Darya", "Panj", nullptr}},
    {"Jaxartes", {"Syr Dar", "Naryn", nullptr}},
    {"Volga", {"Volga", nullptr}},
    {"Don", {"Don", nullptr}},
    {"Dnieper", {"Dnieper", nullptr}},
    {"Danube", {"Danube", "Sulina branch", nullptr}},
    {"Rhine", {"Rhine", "Nederrijn", nullptr}},
    {"Rhone", {"Rhône", nullptr}},
    {"Po", {"Po", nullptr}},
    {"Loire", {"Loire", nullptr}},
    {"Elbe", {"Elbe", nullptr}},
    {"Vistula", {"Vistula", nullptr}},
    {"Niger", {"Niger", nullptr}},
    {"Congo", {"Congo", "Lualaba", nullptr}},
    {"Zambezi", {"Zambezi", nullptr}},
    {"Orange", {"Orange", nullptr}},
    {"Senegal", {"Senegal", "Bafing", nullptr}},
    {"Tarim", {"Tarim", nullptr}},
    {"Jordan", {"Jordan", nullptr}},
    {"Seine", {"Seine", nullptr}},
    {"Oder", {"Oder", nullptr}},
    {"Tagus", {"Tagus", nullptr}},
    {"Ebro", {"Ebro", nullptr}},
    {"Dniester", {"Dniester", nullptr}},
    {"Ural", {"Ural", nullptr}},
    {"Amur", {"Amur", nullptr}},
    {"Yamuna", {"Yamuna", nullptr}},
    {"Xi", {"Xi", nullptr}},
    {"Red River", {"Red", nullptr}},
    {"Salween", {"Salween", nullptr}},
    {"Godavari", {"Godavari", nullptr}},
    {"Krishna", {"Krishna", nullptr}},
};

bool near(const LonLat& a, const LonLat& b)
{
    return std::fabs(a.lon - b.lon) < 0.05 && std::fabs(a.lat - b.lat) < 0.05;
}

void collectLines(const OGRGeometry* geometry, std::vector<std::vector<LonLat>>& out)
{
    if (geometry == nullptr || geometry->IsEmpty())
        return;
    OGRwkbGeometryType type = wkbFlatten(geometry->getGeometryType());
    if (type == wkbLineString) {
        const OGRLineString* line = geometry->toLineString();
        std::vector<LonLat> points;
        for (int i = 0; i < line->getNumPoints(); ++i)
            points.push_back({line->getX(i), line->getY(i)});
        if (points.size() >= 2)
            out.push_back(std::move(points));
    } else if (type == wkbMultiLineString || type == wkbGeometryCollection) {
        const OGRGeometryCollection* collection = geometry->toGeometryCollection();
        for (int i = 0; i < collection->getNumGeometries(); ++i)
            collectLines(collection->getGeometryRef(i), out);
    }
}

}  // namespace

void joinRiverPieces(std::vector<std::vector<LonLat>>& lines)
{
    bool joined = true;
    while (joined) {
        joined = false;
        for (std::size_t i = 0; i < lines.size() && !joined; ++i) {
            for (std::size_t j = 0; j < lines.size() && !joined; ++j) {
                if (i == j)
                    continue;
                std::vector<LonLat>& a = lines[i];
                std::vector<LonLat>& b = lines[j];
                if (near(a.back(), b.front())) {
                } else if (near(a.back(), b.back())) {
                    std::reverse(b.begin(), b.end());
                } else if (near(a.front(), b.back())) {
                    std::swap(a, b);
                } else if (near(a.front(), b.front())) {
                    std::reverse(a.begin(), a.end());
                } else {
                    continue;
                }
                a.insert(a.end(), b.begin() + 1, b.end());
                lines.erase(lines.begin() + static_cast<long>(j));
                joined = true;
            }
        }
    }
}


bool buildRivers(const Sources& sources, std::vector<GenRecord>& records, BuildReport& report)
{
    std::string path = sources.dataDir + "/naturalearth/ne_50m_rivers_lake_centerlines.geojson";
    std::unique_ptr<GDALDataset> dataset = openVectorSource(path);
    if (!dataset)
        return false;
    std::unique_ptr<OGRPolygon> window = makeWindow();
    constexpr std::size_t riverCount = sizeof kRivers / sizeof kRivers[0];
    std::vector<std::vector<std::vector<LonLat>>> lines(riverCount);
    OGRLayer* layer = dataset->GetLayer(0);
    layer->ResetReading();
    while (OGRFeature* feature = layer->GetNextFeature()) {
        const char* name = feature->GetFieldAsString("name_en");
        OGRGeometry* geometry = feature->GetGeometryRef();
        for (std::size_t r = 0; r < riverCount && geometry != nullptr; ++r) {
            bool match = false;
            for (const char* const* piece = kRivers[r].pieces; *piece != nullptr; ++piece)
                match = match || std::strcmp(name, *piece) == 0;
            if (match && geometry->Intersects(window.get())) {
                std::unique_ptr<OGRGeometry> clipped(geometry->Intersection(window.get()));
                collectLines(clipped.get(), lines[r]);
            }
        }
        OGRFeature::DestroyFeature(feature);
    }
    for (std::size_t r = 0; r < riverCount; ++r) {
        joinRiverPieces(lines[r]);
        // Longest first; short side branches (delta arms, lake outlets) go.
        std::stable_sort(lines[r].begin(), lines[r].end(),
                         [](const std::vector<LonLat>& a, const std::vector<LonLat>& b) {
                             return lengthOf(a) > lengthOf(b);
                         });
        for (std::size_t i = 1; i < lines[r].size();) {
            if (lengthOf(lines[r][i]) < kMinBranchLength)
                lines[r].erase(lines[r].begin() + static_cast<long>(i));
            else
                ++i;
        }
        int made = 0;
        for (const std::vector<LonLat>& line : lines[r]) {
            OGRLineString string;
            for (const LonLat& point : line)
                string.addPoint(point.lon, point.lat);
            std::unique_ptr<OGRGeometry> simple(string.SimplifyPreserveTopology(kRiverTolerance));
            std::vector<std::vector<LonLat>> simpleLines;
            collectLines(simple.get(), simpleLines);
            for (const std::vector<LonLat>& simpleLine : simpleLines) {
                GenRecord all;
                all.startYear = kRiverYear;
                all.endYear = kRiverYear;
                all.action = 104;
                all.color = 73;
                all.label = kRivers[r].name;
                appendEncoded(all, simpleLine, false);
                for (GenRecord& record : splitLine(all)) {
                    records.push_back(std::move(record));
                    ++made;
                    ++report.riverRecords;
                }
            }
        }
        report.lines.push_back(std::string("river ") + kRivers[r].name + ": " +
                               std::to_string(lines[r].size()) + " line(s), " +
                               std::to_string(made) + " record(s)");
    }
    return true;
}
