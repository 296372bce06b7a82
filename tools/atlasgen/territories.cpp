// Territories: the historical-basemaps snapshots turned into the nation
// records of the borders file.
//
// Each snapshot year paints, in this order: neutral land (ColorIndex 170)
// over the land the snapshot before held and this one leaves free, then its
// territories, largest first so that small ones stay on top. Territories
// of one polity are merged, grown out to the coast (the source stops short of
// many coasts; the sea of the map hides whatever spills), simplified and cut
// to fit records. The slot budget is shared by all snapshots: the parts are
// ranked by area, weight and the zoom of the map views that show them, and
// the smallest are left out.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "core/app_state.h"
#include "map/palette.h"
#include "map/projection.h"
#include "tools/atlasgen/atlasgen.h"
#include "tools/atlasgen/polities.h"

namespace {

// The snapshots of the source, with the year from which each is shown.
struct Snapshot {
    const char* file;
    int year;
};

const Snapshot kSnapshots[] = {
    {"bc3000", -3000}, {"bc2000", -2000}, {"bc1500", -1500}, {"bc1000", -1000},
    {"bc700", -700},   {"bc500", -500},   {"bc400", -400},   {"bc323", -323},
    {"bc300", -300},   {"bc200", -200},   {"bc100", -100},   {"bc1", -1},
    {"100", 100},      {"200", 200},      {"300", 300},      {"400", 400},
    {"500", 500},      {"600", 600},      {"700", 700},      {"800", 800},
    {"900", 900},      {"1000", 1000},
};
constexpr int kSnapshotCount = sizeof kSnapshots / sizeof kSnapshots[0];
constexpr int kLastYear = 1000;

// Gives a record the years of snapshot s: from its year to the year before
// the next snapshot, the last one to the end of the atlas.
void setSnapshotYears(GenRecord& record, int s)
{
    record.startYear = kSnapshots[s].year;
    record.endYear = s + 1 < kSnapshotCount ? kSnapshots[s + 1].year - 1 : kLastYear;
}

// How far territories grow towards the coast, in degrees.
constexpr double kGrowth = 0.6;
// Parts smaller than this (square degrees) are never kept.
constexpr double kMinPartArea = 0.04;
// Parts of important polities (weight 2 and more) at least this large are
// kept before all others.
constexpr double kMinPriorityArea = 0.1;
// Simplification of territories: first tolerance and the largest before a
// part is cut in two.
constexpr double kTerritoryTolerance = 0.03;
constexpr double kTerritoryMaxTolerance = 0.2;
// Neutral fills: slivers thinner than twice this are not painted, and the
// fill reaches this far under the territories painted over it.
constexpr double kNeutralOpening = 0.08;
constexpr double kMinNeutralArea = 0.3;
constexpr double kNeutralMargin = 0.6;
// Distance (degrees) within which two polities count as neighbours when
// colours are chosen.
constexpr double kNeighbourDistance = 2.0;

// How much larger than on the whole map a place is drawn in the closest map
// view that shows it, squared: a part of the same size counts for more where
// a regional view shows it large (Europe, the Middle East).
double viewWeight(double lon, double lat)
{
    AppState app{};
    setDefaults(app);
    app.screenWidth = 800;
    app.screenHeight = 600;
    app.mapTop = 58;
    app.animationId = kDefaultMapView;
    selectView(app, nullptr);
    const double wholeSpan = app.viewEast - app.viewWest;
    double best = 1.0;
    for (int view = 0; view < kMapViewCount; ++view) {
        app.animationId = view;
        selectView(app, nullptr);
        if (lon * 100.0 < app.viewWest || lon * 100.0 > app.viewEast ||
            lat * 100.0 < app.viewSouthLat || lat * 100.0 > app.viewNorthLat)
            continue;
        double zoom = wholeSpan / (app.viewEast - app.viewWest);
        best = std::max(best, zoom * zoom);
    }
    return best;
}

struct Polity {
    std::string name;
    int color = -1;
    bool people = false;
    int group = 0;
    int weight = 0;
    int nation = 0;
    double totalArea = 0.0;
    std::vector<int> neighbours;
};

// One polygon of one polity in one snapshot, fitted into records.
struct Part {
    int snapshot;
    int polity;
    double area;
    double score;
    std::vector<GenRecord> records;
    bool kept = false;
};

// A correction with no snapshot named applies in every snapshot.
bool appliesIn(const char* fixSnapshot, const char* snapshot)
{
    return fixSnapshot[0] == '\0' || std::strcmp(fixSnapshot, snapshot) == 0;
}

std::string trimmed(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string atlasName(const char* snapshot, const std::string& name)
{
    std::string fixed = name;
    for (int i = 0; i < nameFixCount; ++i) {
        const NameFix& fix = nameFixes[i];
        if (appliesIn(fix.snapshot, snapshot) && fixed == fix.source)
            fixed = fix.atlas;
    }
    return fixed;
}

namespace {

// The name of one polygon of a feature: a place correction whose box holds
// the polygon's centre overrides the feature's (corrected) name.
std::string fixPartName(const char* snapshot, const std::string& name, const OGRPolygon& part)
{
    OGREnvelope box;
    part.getEnvelope(&box);
    double lon = (box.MinX + box.MaxX) / 2.0, lat = (box.MinY + box.MaxY) / 2.0;
    for (int i = 0; i < placeFixCount; ++i) {
        const PlaceFix& fix = placeFixes[i];
        if (appliesIn(fix.snapshot, snapshot) && name == fix.source && lon >= fix.west &&
            lon <= fix.east && lat >= fix.south && lat <= fix.north)
            return fix.atlas;
    }
    return name;
}

// Words that mark a people or culture rather than a state.
bool looksLikePeople(const std::string& name)
{
    static const char* const words[] = {"culture",  "tribes",    "hunter",  "pastoral",
                                        "nomads",   "Nomads",  "farmers",   "peoples", "Peoples",
                                        "cultures", "gatherers", "Nomadic", "Tribes"};
    for (const char* word : words)
        if (name.find(word) != std::string::npos)
            return true;
    return false;
}

int findOrAddPolity(std::vector<Polity>& polities, std::map<std::string, int>& index,
                    const std::string& name)
{
    auto found = index.find(name);
    if (found != index.end())
        return found->second;
    Polity polity;
    polity.name = name;
    polity.people = looksLikePeople(name);
    for (int i = 0; i < peopleNameCount; ++i)
        polity.people = polity.people || name == peopleNames[i];
    for (int i = 0; i < groupCount; ++i)
        if (name == groupTable[i].name)
            polity.group = groupTable[i].group;
    for (int i = 0; i < polityCount; ++i) {
        if (name == polityTable[i].name) {
            polity.color = polityTable[i].color;
            polity.people = polityTable[i].people;
            polity.group = polityTable[i].group;
            polity.weight = polityTable[i].weight;
        }
    }
    int id = static_cast<int>(polities.size());
    polities.push_back(polity);
    index[name] = id;
    return id;
}

double colourDistance(int a, int b)
{
    const Rgb x = paletteColor(a), y = paletteColor(b);
    double dr = double(x & 0xFF) - double(y & 0xFF);
    double dg = double((x >> 8) & 0xFF) - double((y >> 8) & 0xFF);
    double db = double((x >> 16) & 0xFF) - double((y >> 16) & 0xFF);
    return std::sqrt(2 * dr * dr + 4 * dg * dg + 3 * db * db);
}

// Gives every polity without a fixed colour the automatic colour farthest
// from its neighbours' colours; the largest polities choose first.
void chooseColours(std::vector<Polity>& polities)
{
    std::vector<int> order(polities.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return polities[static_cast<std::size_t>(a)].totalArea >
               polities[static_cast<std::size_t>(b)].totalArea;
    });
    std::vector<int> uses(kPaletteSize, 0);
    for (const Polity& polity : polities)
        if (polity.color >= 0)
            ++uses[static_cast<std::size_t>(polity.color)];
    for (int id : order) {
        Polity& polity = polities[static_cast<std::size_t>(id)];
        if (polity.color >= 0)
            continue;
        const int* choices = polity.people ? autoPeopleColors : autoColors;
        const int choiceCount = polity.people ? autoPeopleColorCount : autoColorCount;
        int best = choices[0];
        double bestScore = -1e9;
        for (int c = 0; c < choiceCount; ++c) {
            int candidate = choices[c];
            double nearest = 1e9;
            for (int other : polity.neighbours) {
                int colour = polities[static_cast<std::size_t>(other)].color;
                if (colour >= 0)
                    nearest = std::min(nearest, colourDistance(candidate, colour));
            }
            nearest = std::min(nearest, 400.0);
            // Prefer colours used less often, then earlier in the list.
            double score = nearest - 8.0 * uses[static_cast<std::size_t>(candidate)] - 0.5 * c;
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
        polity.color = best;
        ++uses[static_cast<std::size_t>(best)];
    }
}

// The polygons of a record list, in degrees.
void addRecordPolygons(const std::vector<GenRecord>& records, OGRMultiPolygon& out)
{
    for (const GenRecord& record : records) {
        std::vector<LonLat> points;
        for (std::size_t i = 0; i < record.x.size(); ++i)
            points.push_back({record.x[i] / 100.0, decodeLat(record.y[i])});
        OGRPolygon polygon = ringPolygon(points);
        if (!polygon.IsValid()) {
            std::unique_ptr<OGRGeometry> fixed(polygon.Buffer(0.0));
            std::vector<OGRPolygon*> pieces;
            collectPolygons(fixed.get(), pieces);
            for (OGRPolygon* piece : pieces)
                out.addGeometryDirectly(piece);
        } else {
            out.addGeometry(&polygon);
        }
    }
}

OGRGeometry* unionOf(OGRMultiPolygon& parts)
{
    if (parts.IsEmpty())
        return new OGRMultiPolygon;
    return parts.UnionCascaded();
}

// The neutral fills of every snapshot for the kept parts: the land that the
// snapshot before painted and this one leaves free. Returns the number of
// records made; residue receives the area of land (square degrees, over all
// snapshots) that keeps a colour of the snapshot before as a sliver too thin
// to fill.
int makeNeutralFills(const std::vector<Part>& parts, const OGRGeometry& landCover,
                     std::vector<std::vector<GenRecord>>& fills, double& residue)
{
    residue = 0.0;
    fills.assign(kSnapshotCount, {});
    std::unique_ptr<OGRGeometry> painted(new OGRMultiPolygon);
    int count = 0;
    for (int s = 0; s < kSnapshotCount; ++s) {
        OGRMultiPolygon current;
        for (const Part& part : parts)
            if (part.kept && part.snapshot == s)
                addRecordPolygons(part.records, current);
        std::unique_ptr<OGRGeometry> now(unionOf(current));
        if (!painted->IsEmpty()) {
            // Only land matters: the sea of the map hides the rest. The fill
            // is made generous and coarse, since the territories of the
            // snapshot are painted over it.
            std::unique_ptr<OGRGeometry> gone(painted->Difference(now.get()));
            std::unique_ptr<OGRGeometry> lost(gone->Intersection(&landCover));
            std::unique_ptr<OGRGeometry> shrunk(lost->Buffer(-kNeutralOpening, 2));
            std::unique_ptr<OGRGeometry> opened(shrunk->Buffer(kNeutralOpening + kNeutralMargin, 2));
            std::vector<OGRPolygon*> pieces;
            collectPolygons(opened.get(), pieces);
            std::stable_sort(pieces.begin(), pieces.end(), [](OGRPolygon* a, OGRPolygon* b) {
                return a->get_Area() > b->get_Area();
            });
            for (OGRPolygon* piece : pieces) {
                if (piece->get_Area() >= kMinNeutralArea) {
                    std::vector<GenRecord> fitted = fitPolygon(*piece, 0.2, 1.0, kBorderPoints);
                    for (GenRecord& record : fitted) {
                        setSnapshotYears(record, s);
                        record.color = kNeutralColor;
                        record.hatch = 10;
                        record.label = "neutral";
                        fills[static_cast<std::size_t>(s)].push_back(std::move(record));
                        ++count;
                    }
                }
                delete piece;
            }
            OGRMultiPolygon filled;
            addRecordPolygons(fills[static_cast<std::size_t>(s)], filled);
            std::unique_ptr<OGRGeometry> cover(unionOf(filled));
            std::unique_ptr<OGRGeometry> left(lost->Difference(cover.get()));
            residue += areaOf(left.get());
        }
        // Whatever lies outside this snapshot's territories is neutral
        // from here on, so the next snapshot only has to clear these.
        painted = std::move(now);
    }
    return count;
}

}  // namespace

bool buildTerritories(const Sources& sources, const OGRGeometry& land, int slots,
                      std::vector<GenRecord>& records, BuildReport& report)
{
    std::unique_ptr<OGRPolygon> window = makeWindow();
    std::unique_ptr<OGRGeometry> interior(land.Buffer(-kGrowth, 3));
    std::unique_ptr<OGRGeometry> coarseLand(land.SimplifyPreserveTopology(0.05));
    std::unique_ptr<OGRGeometry> landCover(coarseLand->Buffer(0.05, 2));
    std::vector<Polity> polities;
    std::map<std::string, int> polityIndex;
    std::vector<Part> parts;

    for (int s = 0; s < kSnapshotCount; ++s) {
        std::string path = sources.dataDir + "/historical-basemaps/world_" +
                           kSnapshots[s].file + ".geojson";
        std::unique_ptr<GDALDataset> dataset = openVectorSource(path);
        if (!dataset)
            return false;
        // The polygons of each polity in this snapshot, by polity id.
        std::map<int, OGRMultiPolygon> shapes;
        OGRLayer* layer = dataset->GetLayer(0);
        layer->ResetReading();
        while (OGRFeature* feature = layer->GetNextFeature()) {
            OGRGeometry* geometry = feature->GetGeometryRef();
            if (feature->IsFieldSetAndNotNull(feature->GetFieldIndex("NAME")) &&
                geometry != nullptr && geometry->Intersects(window.get())) {
                std::string name = trimmed(feature->GetFieldAsString("NAME"));
                name = atlasName(kSnapshots[s].file, name);
                std::unique_ptr<OGRGeometry> valid(geometry->IsValid() ? geometry->clone()
                                                                       : geometry->Buffer(0.0));
                std::unique_ptr<OGRGeometry> clipped(valid->Intersection(window.get()));
                std::vector<OGRPolygon*> pieces;
                collectPolygons(clipped.get(), pieces);
                for (OGRPolygon* piece : pieces) {
                    std::string partName = fixPartName(kSnapshots[s].file, name, *piece);
                    if (partName.empty()) {
                        delete piece;
                        continue;
                    }
                    int id = findOrAddPolity(polities, polityIndex, partName);
                    report.territorySourcePoints += piece->getExteriorRing()->getNumPoints();
                    shapes[id].addGeometryDirectly(piece);
                }
            }
            OGRFeature::DestroyFeature(feature);
        }
        // Merge each polity, then grow it out to the coast over land that no
        // polity of the snapshot holds.
        std::map<int, std::unique_ptr<OGRGeometry>> merged;
        OGRMultiPolygon everything;
        for (auto& [id, shape] : shapes) {
            merged[id].reset(unionOf(shape));
            std::vector<OGRPolygon*> pieces;
            collectPolygons(merged[id].get(), pieces);
            for (OGRPolygon* piece : pieces)
                everything.addGeometryDirectly(piece);
        }
        std::unique_ptr<OGRGeometry> held(unionOf(everything));
        std::unique_ptr<OGRGeometry> free(interior->Union(held.get()));
        std::map<int, std::unique_ptr<OGRGeometry>> grown;
        for (auto& [id, shape] : merged) {
            std::unique_ptr<OGRGeometry> simple(shape->SimplifyPreserveTopology(0.01));
            std::unique_ptr<OGRGeometry> reach(simple->Buffer(kGrowth, 3));
            std::unique_ptr<OGRGeometry> coastal(reach->Difference(free.get()));
            grown[id].reset(shape->Union(coastal.get()));
            polities[static_cast<std::size_t>(id)].totalArea += areaOf(shape.get());
        }
        // Neighbours for the choice of colours.
        for (auto& [a, shapeA] : grown) {
            OGREnvelope boxA;
            shapeA->getEnvelope(&boxA);
            for (auto& [b, shapeB] : grown) {
                if (b <= a)
                    continue;
                OGREnvelope boxB;
                shapeB->getEnvelope(&boxB);
                if (boxB.MinX > boxA.MaxX + kNeighbourDistance || boxA.MinX > boxB.MaxX + kNeighbourDistance ||
                    boxB.MinY > boxA.MaxY + kNeighbourDistance || boxA.MinY > boxB.MaxY + kNeighbourDistance)
                    continue;
                std::vector<int>& known = polities[static_cast<std::size_t>(a)].neighbours;
                if (std::find(known.begin(), known.end(), b) == known.end() &&
                    shapeA->Distance(shapeB.get()) <= kNeighbourDistance) {
                    known.push_back(b);
                    polities[static_cast<std::size_t>(b)].neighbours.push_back(a);
                }
            }
        }
        for (auto& [id, shape] : grown) {
            const Polity& polity = polities[static_cast<std::size_t>(id)];
            std::vector<OGRPolygon*> pieces;
            collectPolygons(shape.get(), pieces);
            for (OGRPolygon* piece : pieces) {
                double area = piece->get_Area();
                if (area >= kMinPartArea) {
                    Part part;
                    part.snapshot = s;
                    part.polity = id;
                    part.area = area;
                    OGREnvelope box;
                    piece->getEnvelope(&box);
                    part.score = area * (polity.people ? 1.0 : 2.0) * (1.0 + polity.weight) *
                                 viewWeight((box.MinX + box.MaxX) / 2.0, (box.MinY + box.MaxY) / 2.0);
                    part.records = fitPolygon(*piece, kTerritoryTolerance,
                                              kTerritoryMaxTolerance, kBorderPoints);
                    parts.push_back(std::move(part));
                }
                delete piece;
            }
        }
    }

    // Nation numbers in order of first appearance; colours apart from the
    // neighbours.
    for (std::size_t i = 0; i < polities.size(); ++i)
        polities[i].nation = static_cast<int>(i) + 1;
    chooseColours(polities);

    // Keep the best parts within the budget, leaving room for the neutral
    // fills, which depend on what is kept.
    std::vector<std::size_t> ranking(parts.size());
    for (std::size_t i = 0; i < ranking.size(); ++i)
        ranking[i] = i;
    std::stable_sort(ranking.begin(), ranking.end(),
                     [&](std::size_t a, std::size_t b) { return parts[a].score > parts[b].score; });
    std::vector<std::vector<GenRecord>> fills;
    int budget = slots - 60;
    int territoryRecords = 0, fillRecords = 0;
    double residue = 0.0;
    for (int attempt = 0; attempt < 6; ++attempt) {
        // The parts of the historically important polities come first, down
        // to a small size; the rest by score while the budget lasts.
        territoryRecords = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i : ranking) {
                const Polity& polity = polities[static_cast<std::size_t>(parts[i].polity)];
                bool priority = polity.weight >= 2 && parts[i].area >= kMinPriorityArea;
                if (pass == 0)
                    parts[i].kept = false;
                if ((pass == 0) != priority || parts[i].kept)
                    continue;
                int cost = static_cast<int>(parts[i].records.size());
                parts[i].kept = territoryRecords + cost <= budget;
                if (parts[i].kept)
                    territoryRecords += cost;
            }
        }
        fillRecords = makeNeutralFills(parts, *landCover, fills, residue);
        if (territoryRecords + fillRecords <= slots)
            break;
        budget -= territoryRecords + fillRecords - slots + 4;
    }
    if (territoryRecords + fillRecords > slots) {
        std::fprintf(stderr, "atlasgen: territories do not fit the slots left\n");
        return false;
    }

    // File order: by snapshot, neutral fill first, then parts largest first.
    long droppedParts = 0;
    double droppedArea = 0.0;
    for (int s = 0; s < kSnapshotCount; ++s) {
        int made = 0, kept = 0, dropped = 0;
        for (GenRecord& record : fills[static_cast<std::size_t>(s)]) {
            records.push_back(record);
            ++made;
        }
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (parts[i].snapshot == s) {
                if (parts[i].kept)
                    order.push_back(i);
                else {
                    ++dropped;
                    droppedArea += parts[i].area;
                }
            }
        droppedParts += dropped;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return parts[a].area > parts[b].area; });
        for (std::size_t i : order) {
            const Polity& polity = polities[static_cast<std::size_t>(parts[i].polity)];
            for (GenRecord record : parts[i].records) {
                setSnapshotYears(record, s);
                record.color = polity.color;
                record.hatch = polity.people ? 2 : 10;
                record.nation = polity.nation;
                record.group = polity.group;
                record.label = polity.name;
                report.territoryKeptPoints += static_cast<long>(record.x.size());
                records.push_back(std::move(record));
                ++made;
            }
            ++kept;
        }
        // Polities of the snapshot that lost every part to the budget.
        std::map<int, double> keptArea, lostArea;
        for (const Part& part : parts)
            if (part.snapshot == s)
                (part.kept ? keptArea : lostArea)[part.polity] += part.area;
        std::string gone;
        for (auto& [id, area] : lostArea)
            if (keptArea.count(id) == 0 && area >= 1.0)
                gone += (gone.empty() ? "" : ", ") + polities[static_cast<std::size_t>(id)].name;
        if (!gone.empty())
            report.lines.push_back(std::string("snapshot ") + kSnapshots[s].file +
                                   " leaves out: " + gone);
        report.lines.push_back(std::string("snapshot ") + kSnapshots[s].file + ": " +
                               std::to_string(made) + " records (" +
                               std::to_string(fills[static_cast<std::size_t>(s)].size()) +
                               " neutral), " + std::to_string(kept) + " parts kept, " +
                               std::to_string(dropped) + " left out");
    }
    char line[160];
    std::snprintf(line, sizeof line, "territory parts left out for the budget: %ld (%.1f square degrees)",
                  droppedParts, droppedArea);
    report.lines.push_back(line);
    std::snprintf(line, sizeof line, "land left in an earlier colour as slivers: %.2f square degrees",
                  residue);
    report.lines.push_back(line);
    // Neighbours whose colours are hard to tell apart.
    for (std::size_t a = 0; a < polities.size(); ++a)
        for (int b : polities[a].neighbours)
            if (static_cast<std::size_t>(b) > a && polities[a].color != kNeutralColor &&
                colourDistance(polities[a].color, polities[static_cast<std::size_t>(b)].color) < 110.0 &&
                polities[a].people == polities[static_cast<std::size_t>(b)].people) {
                std::snprintf(line, sizeof line, "similar neighbours: %s (%d) and %s (%d)",
                              polities[a].name.c_str(), polities[a].color,
                              polities[static_cast<std::size_t>(b)].name.c_str(),
                              polities[static_cast<std::size_t>(b)].color);
                report.lines.push_back(line);
            }
    for (const Polity& polity : polities) {
        std::snprintf(line, sizeof line, "polity %d \"%s\": colour %d, %s, group %d", polity.nation,
                      polity.name.c_str(), polity.color, polity.people ? "hatched" : "solid",
                      polity.group);
        report.lines.push_back(line);
    }
    report.nationRecords = territoryRecords;
    report.neutralRecords = fillRecords;
    return true;
}
