// Land outlines: Natural Earth land with the large lakes and enclosed seas
// taken out, clipped to the atlas window, simplified and cut into pieces
// that fit a record.
//
// Every piece is a single ring without holes: a lake or enclosed sea inside a
// piece is removed by cutting the piece through it, so the water becomes part
// of the pieces' outlines and shows as sea. The printed map draws coasts as
// the first COLOR points of each land record, so each ring is turned to start
// with its longest stretch of true coastline; any further stretch of coast of
// the same piece becomes an outline-only record, which the printed map draws
// as coast too and the screen map leaves alone.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "tools/atlasgen/atlasgen.h"

namespace {

// Simplification of the coastline, in degrees (about 3 km).
constexpr double kLandTolerance = 0.035;
// Islands smaller than this (square degrees) are left out.
constexpr double kMinIslandArea = 0.45;
// Islands of the Mediterranean, where small islands made history, are kept
// down to this size.
constexpr double kMinMediterraneanIslandArea = 0.08;
// Lakes at least this large (square degrees) are cut out of the land.
constexpr double kMinLakeArea = 0.35;
// Lakes the atlas's period did not have (reservoirs and lakes made by
// irrigation) or that are dry most years; they stay land.
const char* const kModernLakes[] = {"Reservoir", "Kariba", "Volta", "Sarygamysh", "Nasser",
                                    "Eyre", "Torrens", "Gairdner"};

bool isModernLake(const std::string& name)
{
    for (const char* word : kModernLakes)
        if (name.find(word) != std::string::npos)
            return true;
    return false;
}

// Points a land piece may use; one is kept free to close the coast of a
// whole island.
constexpr int kLandPiecePoints = kBorderPoints - 1;
// Further coast stretches shorter than this many points get no record.
constexpr int kMinCoastRunPoints = 16;

// The coordinates of the straight cuts made so far (window edges included).
struct Cuts {
    std::vector<double> lon;  // vertical cut lines
    std::vector<double> lat;  // horizontal cut lines
};

bool onCut(const std::vector<double>& cuts, double value)
{
    for (double cut : cuts)
        if (std::fabs(cut - value) < 1e-7)
            return true;
    return false;
}

bool isCutEdge(const Cuts& cuts, const LonLat& a, const LonLat& b)
{
    if (std::fabs(a.lon - b.lon) < 1e-7 && onCut(cuts.lon, a.lon) && onCut(cuts.lon, b.lon))
        return true;
    return std::fabs(a.lat - b.lat) < 1e-7 && onCut(cuts.lat, a.lat) && onCut(cuts.lat, b.lat);
}

// Reads every polygon of a GeoJSON file that meets the window, clipped to it.
bool readPolygons(const std::string& path, const OGRPolygon& window,
                  std::vector<OGRPolygon*>& out, const char* nameField,
                  std::vector<std::string>* names)
{
    std::unique_ptr<GDALDataset> dataset = openVectorSource(path);
    if (!dataset)
        return false;
    OGRLayer* layer = dataset->GetLayer(0);
    layer->ResetReading();
    while (OGRFeature* feature = layer->GetNextFeature()) {
        OGRGeometry* geometry = feature->GetGeometryRef();
        if (geometry != nullptr && geometry->Intersects(&window)) {
            std::unique_ptr<OGRGeometry> clipped(geometry->Intersection(&window));
            std::size_t before = out.size();
            collectPolygons(clipped.get(), out);
            if (names != nullptr) {
                const char* name = nameField ? feature->GetFieldAsString(nameField) : "";
                for (std::size_t i = before; i < out.size(); ++i)
                    names->push_back(name);
            }
        }
        OGRFeature::DestroyFeature(feature);
    }
    return true;
}

// Turns one hole-free piece into its land record and coast records.
void emitPiece(const OGRPolygon& piece, const Cuts& cuts, std::vector<GenRecord>& land,
               std::vector<GenRecord>& coast)
{
    std::vector<LonLat> ring = exteriorPoints(piece);
    if (ring.size() > 1)
        ring.pop_back();  // the closing point
    const std::size_t n = ring.size();
    if (n < 3)
        return;
    std::vector<bool> cut(n);
    bool anyCut = false;
    for (std::size_t i = 0; i < n; ++i) {
        cut[i] = isCutEdge(cuts, ring[i], ring[(i + 1) % n]);
        anyCut = anyCut || cut[i];
    }
    GenRecord record;
    record.startYear = kLandYear;
    record.endYear = kLandYear;
    if (!anyCut) {
        // A whole island: its coast is the full ring, closed by repeating
        // the first point.
        appendEncoded(record, ring, false);
        while (record.x.size() > 1 && record.x.back() == record.x.front() &&
               record.y.back() == record.y.front()) {
            record.x.pop_back();
            record.y.pop_back();
        }
        record.x.push_back(record.x.front());
        record.y.push_back(record.y.front());
        record.color = static_cast<int>(record.x.size());
        land.push_back(std::move(record));
        return;
    }
    // Runs of coast edges: a run starts at a vertex whose incoming edge is a
    // cut and whose outgoing edge is coast.
    struct Run {
        std::size_t start;
        std::size_t edges;
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < n; ++i) {
        if (cut[(i + n - 1) % n] && !cut[i]) {
            std::size_t edges = 0;
            while (!cut[(i + edges) % n])
                ++edges;
            runs.push_back({i, edges});
        }
    }
    if (runs.empty()) {
        // Only cut edges: a piece of interior land without coast.
        appendEncoded(record, ring, true);
        record.color = 0;
        land.push_back(std::move(record));
        return;
    }
    std::size_t longest = 0;
    for (std::size_t r = 1; r < runs.size(); ++r)
        if (runs[r].edges > runs[longest].edges)
            longest = r;
    std::vector<LonLat> rotated;
    rotated.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        rotated.push_back(ring[(runs[longest].start + i) % n]);
    std::vector<LonLat> firstRun(rotated.begin(),
                                 rotated.begin() + static_cast<long>(runs[longest].edges + 1));
    GenRecord runRecord;
    appendEncoded(runRecord, firstRun, false);
    appendEncoded(record, rotated, true);
    record.color = static_cast<int>(std::min(runRecord.x.size(), record.x.size()));
    land.push_back(std::move(record));
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (r == longest)
            continue;
        std::vector<LonLat> points;
        for (std::size_t e = 0; e <= runs[r].edges; ++e)
            points.push_back(ring[(runs[r].start + e) % n]);
        GenRecord extra;
        extra.startYear = kCoastYear;
        extra.endYear = kCoastYear;
        extra.action = 104;
        appendEncoded(extra, points, false);
        if (static_cast<int>(extra.x.size()) < kMinCoastRunPoints)
            continue;
        // A long stretch is split into pieces that fit a record.
        for (GenRecord& part : splitLine(extra)) {
            part.color = static_cast<int>(part.x.size());
            coast.push_back(std::move(part));
        }
    }
}

// Cuts a polygon until every piece is hole-free and fits a record.
void cutPiece(const OGRPolygon& polygon, Cuts& cuts, std::vector<GenRecord>& land,
              std::vector<GenRecord>& coast)
{
    if (polygon.getNumInteriorRings() == 0 &&
        static_cast<int>(encodeExterior(polygon).x.size()) <= kLandPiecePoints) {
        emitPiece(polygon, cuts, land, coast);
        return;
    }
    OGREnvelope box;
    polygon.getEnvelope(&box);
    bool vertical = box.MaxX - box.MinX >= box.MaxY - box.MinY;
    double at = vertical ? (box.MinX + box.MaxX) / 2.0 : (box.MinY + box.MaxY) / 2.0;
    if (polygon.getNumInteriorRings() > 0) {
        // Through the largest hole, so that it opens onto the outline.
        double best = -1.0;
        for (int i = 0; i < polygon.getNumInteriorRings(); ++i) {
            const OGRLinearRing* hole = polygon.getInteriorRing(i);
            OGREnvelope holeBox;
            hole->getEnvelope(&holeBox);
            double size = (holeBox.MaxX - holeBox.MinX) * (holeBox.MaxY - holeBox.MinY);
            if (size > best) {
                best = size;
                at = vertical ? (holeBox.MinX + holeBox.MaxX) / 2.0
                              : (holeBox.MinY + holeBox.MaxY) / 2.0;
            }
        }
    }
    // Round the cut to a stored unit so that both sides encode alike.
    at = std::round(at * 100.0) / 100.0;
    (vertical ? cuts.lon : cuts.lat).push_back(at);
    // No overlap: the edges the cut makes must lie on the recorded line, so
    // that they are told apart from coast.
    for (OGRPolygon* piece : cutAcross(polygon, vertical, at, 0.0)) {
        if (piece->get_Area() > 1e-5)
            cutPiece(*piece, cuts, land, coast);
        delete piece;
    }
}

}  // namespace

bool buildLand(const Sources& sources, std::vector<GenRecord>& records, OGRGeometry*& landOut,
               BuildReport& report)
{
    std::unique_ptr<OGRPolygon> window = makeWindow();
    std::vector<OGRPolygon*> landPolygons;
    if (!readPolygons(sources.dataDir + "/naturalearth/ne_50m_land.geojson", *window,
                      landPolygons, nullptr, nullptr))
        return false;
    std::vector<OGRPolygon*> lakes;
    std::vector<std::string> lakeNames;
    if (!readPolygons(sources.dataDir + "/naturalearth/ne_50m_lakes.geojson", *window, lakes,
                      "name", &lakeNames))
        return false;

    auto bigLakes = std::make_unique<OGRMultiPolygon>();
    OGRMultiPolygon aral;
    for (std::size_t i = 0; i < lakes.size(); ++i) {
        if (lakeNames[i].find("Aral Sea") != std::string::npos) {
            aral.addGeometry(lakes[i]);
        } else if (lakes[i]->get_Area() >= kMinLakeArea && !isModernLake(lakeNames[i])) {
            report.lines.push_back("lake cut out: " + lakeNames[i]);
            bigLakes->addGeometry(lakes[i]);
        }
        delete lakes[i];
    }
    // The Aral Sea has shrunk to a few remnants in our time. The sea of
    // history is the outline below, drawn after its shore of the mid-20th
    // century (the Ustyurt cliffs in the west, the Amu Darya delta in the
    // south), joined with the hull of the remnants.
    if (!aral.IsEmpty()) {
        const std::vector<LonLat> shore = {
            {58.35, 45.95}, {58.30, 44.60}, {58.45, 43.75}, {58.90, 43.55}, {59.40, 43.70},
            {59.90, 43.90}, {60.30, 44.20}, {60.90, 44.50}, {61.40, 45.00}, {61.55, 45.60},
            {61.40, 46.10}, {61.70, 46.40}, {61.50, 46.80}, {60.80, 46.85}, {60.10, 46.70},
            {59.70, 46.30}, {59.10, 46.15}, {58.70, 46.20},
        };
        OGRPolygon history = ringPolygon(shore);
        std::unique_ptr<OGRGeometry> hull(aral.ConvexHull());
        std::unique_ptr<OGRGeometry> sea(hull->Union(&history));
        std::vector<OGRPolygon*> pieces;
        collectPolygons(sea.get(), pieces);
        for (OGRPolygon* piece : pieces)
            bigLakes->addGeometryDirectly(piece);
        report.lines.push_back("lake cut out: Aral Sea (its shore of history)");
    }
    std::unique_ptr<OGRGeometry> lakeUnion(bigLakes->UnionCascaded());

    // Largest first: the continents, then the islands.
    std::sort(landPolygons.begin(), landPolygons.end(),
              [](const OGRPolygon* a, const OGRPolygon* b) { return a->get_Area() > b->get_Area(); });
    auto landAll = std::make_unique<OGRMultiPolygon>();
    std::vector<GenRecord> land, coast;
    int islandsDropped = 0;
    for (OGRPolygon* polygon : landPolygons) {
        OGREnvelope box;
        polygon->getEnvelope(&box);
        bool mediterranean = box.MinX > -6.0 && box.MaxX < 37.0 && box.MinY > 30.0 && box.MaxY < 46.0;
        if (polygon->get_Area() < (mediterranean ? kMinMediterraneanIslandArea : kMinIslandArea)) {
            ++islandsDropped;
            delete polygon;
            continue;
        }
        report.sourcePoints += polygon->getExteriorRing()->getNumPoints();
        std::unique_ptr<OGRGeometry> dry(polygon->Difference(lakeUnion.get()));
        std::unique_ptr<OGRGeometry> simple(dry->SimplifyPreserveTopology(kLandTolerance));
        std::vector<OGRPolygon*> parts;
        collectPolygons(simple.get(), parts);
        for (OGRPolygon* part : parts) {
            Cuts cuts;
            cuts.lon = {kWindowWest, kWindowEast};
            cuts.lat = {kWindowSouth, kWindowNorth};
            cutPiece(*part, cuts, land, coast);
            landAll->addGeometry(part);
            delete part;
        }
        delete polygon;
    }
    for (const GenRecord& record : land)
        report.keptPoints += static_cast<long>(record.x.size());
    report.landRecords = static_cast<int>(land.size());
    report.coastRecords = static_cast<int>(coast.size());
    report.lines.push_back("islands below the size limit left out: " +
                           std::to_string(islandsDropped));
    for (GenRecord& record : land)
        records.push_back(std::move(record));
    for (GenRecord& record : coast)
        records.push_back(std::move(record));
    landOut = landAll.release();
    return true;
}
