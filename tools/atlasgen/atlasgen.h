// atlasgen: builds the atlas's borders.dat and terrain.dat from public
// geographic sources (historical-basemaps snapshots, Natural Earth land,
// lakes and rivers, the ETOPO5 relief grid).
//
// The tool is built only where GDAL/OGR is installed; the atlas itself never
// needs it. Every step is deterministic: the same inputs give the same bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "map/border_table.h"
#include "map/palette.h"

class GDALDataset;
class OGRGeometry;
class OGRPolygon;
class OGRMultiPolygon;

// The part of the world the atlas shows, in degrees, with a margin around
// every screen and paper map view.
inline constexpr double kWindowWest = -24.0;
inline constexpr double kWindowEast = 150.0;
inline constexpr double kWindowSouth = -36.0;
inline constexpr double kWindowNorth = 64.0;

// STARTYR of the generated classes.
inline constexpr int kLandYear = -30000;
inline constexpr int kCoastYear = -20000;   // extra coast runs, outline only
inline constexpr int kRiverYear = -10000;

// The neutral colour of land that no nation holds.
inline constexpr int kNeutralColor = kColorUnheldLand;

// One record as the generator builds it, before it is packed into the file.
struct GenRecord {
    std::vector<std::int16_t> x;  // longitude, 1/100 degree
    std::vector<std::int16_t> y;  // Mercator ordinate x 10000
    int startYear = 0;
    int endYear = 0;
    int action = 0;
    int hatch = 10;
    int color = 0;
    int nation = 0;
    int group = 0;
    std::string label;  // for the build report only
};

// A point in degrees.
struct LonLat {
    double lon;
    double lat;
};

// Stored form of a point: x = longitude in 1/100 degree, y = Mercator of the
// latitude in 1/100 degree, both rounded to the nearest unit first.
std::int16_t encodeLon(double lon);
std::int16_t encodeLat(double lat);
double decodeLat(std::int16_t mercY);

// Appends the encoded points of a ring or line, skipping points that encode
// to the same stored point as the one before. A closed ring's repeated last
// point is left out when dropClosing is set.
void appendEncoded(GenRecord& record, const std::vector<LonLat>& points, bool dropClosing);

// Cuts an encoded line into pieces of at most kBorderPoints points, each
// starting on the last point of the one before, so that the pieces draw as
// one line. Every piece keeps the line's other fields; a line of fewer than
// two points gives none.
std::vector<GenRecord> splitLine(const GenRecord& line);

// The polygon whose outline runs through points, closed if they are not.
OGRPolygon ringPolygon(const std::vector<LonLat>& points);

// The vertices of a polygon's exterior ring (closing point included).
std::vector<LonLat> exteriorPoints(const OGRPolygon& polygon);

// The exterior ring of a polygon as a record's points (only x and y set).
GenRecord encodeExterior(const OGRPolygon& polygon);

// Appends every polygon of a Polygon, MultiPolygon or collection (other
// geometry kinds are ignored), cloned, to out.
void collectPolygons(const OGRGeometry* geometry, std::vector<OGRPolygon*>& out);

// Area in square degrees of a geometry's polygons (0 for others).
double areaOf(const OGRGeometry* geometry);

// A box as a polygon (caller owns it).
OGRPolygon* makeBox(double west, double south, double east, double north);

// The atlas window (kWindowWest .. kWindowNorth) as a polygon, which every
// source is clipped to.
std::unique_ptr<OGRPolygon> makeWindow();

// Opens a vector source file for reading; null, with the reason on stderr,
// when it cannot be opened.
std::unique_ptr<GDALDataset> openVectorSource(const std::string& path);

// The pieces of a polygon on the two sides of a straight cut at `at`, a
// longitude when vertical, else a latitude; the sides overlap by overlap
// degrees. The first side's pieces come first. Caller owns the pieces.
std::vector<OGRPolygon*> cutAcross(const OGRPolygon& polygon, bool vertical, double at,
                                   double overlap);

// Simplifies a hole-free polygon and cuts it into pieces until each encodes
// to at most maxPoints stored points. The tolerance starts at baseTolerance
// and is doubled up to maxTolerance before a piece is cut in two. Pieces
// overlap by a hair so that simplification leaves no gap between them.
// Returns the encoded pieces as filled records (only x and y set).
std::vector<GenRecord> fitPolygon(const OGRPolygon& polygon, double baseTolerance,
                                  double maxTolerance, int maxPoints);

// The atlas's name for a territory name of the source in one snapshot
// ("bc1500", "800", ...): the name corrections apply in list order, each to
// the result of those before. An empty result means the feature is no
// polity and is left out.
std::string atlasName(const char* snapshot, const std::string& sourceName);

// Joins river pieces that meet end to end (within 0.05 degrees), turning
// pieces round where needed, until no two remaining lines share an end.
void joinRiverPieces(std::vector<std::vector<LonLat>>& lines);

// Input locations.
struct Sources {
    std::string dataDir;    // holds historical-basemaps/ and naturalearth/
    std::string etopoPath;  // etopo5.cdf
};

// Statistics for the build report.
struct BuildReport {
    int landRecords = 0;
    int coastRecords = 0;
    int riverRecords = 0;
    int nationRecords = 0;
    int neutralRecords = 0;
    long sourcePoints = 0;       // land vertices read
    long keptPoints = 0;         // land points written
    long territorySourcePoints = 0;
    long territoryKeptPoints = 0;
    std::vector<std::string> lines;
};

// The land outlines and their extra coast runs, in file order.
[[nodiscard]] bool buildLand(const Sources& sources, std::vector<GenRecord>& records,
                             OGRGeometry*& land, BuildReport& report);

// The river polylines, in file order.
[[nodiscard]] bool buildRivers(const Sources& sources, std::vector<GenRecord>& records,
                               BuildReport& report);

// The nation territories of every snapshot, in ascending STARTYR, including
// the neutral fills; slots is the number of records they may use.
[[nodiscard]] bool buildTerritories(const Sources& sources, const OGRGeometry& land, int slots,
                                    std::vector<GenRecord>& records, BuildReport& report);

// The relief raster, kTerrainRows x kTerrainColumns bytes.
[[nodiscard]] bool buildTerrain(const Sources& sources, std::vector<std::uint8_t>& raster);

// Clears the relief of every cell whose corner (the point the map draws it
// at) lies outside the land records, so that relief never speckles the sea.
void maskTerrainToLand(std::vector<std::uint8_t>& raster, const std::vector<GenRecord>& records);

