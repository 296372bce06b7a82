// Point encoding, the polygon helpers and the opening of sources, shared by
// the land, river and territory builders.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include <gdal_priv.h>
#include <ogr_geometry.h>

#include "map/projection.h"
#include "tools/atlasgen/atlasgen.h"

std::int16_t encodeLon(double lon)
{
    return static_cast<std::int16_t>(std::lround(lon * 100.0));
}

std::int16_t encodeLat(double lat)
{
    return static_cast<std::int16_t>(mercator(static_cast<std::int32_t>(std::lround(lat * 100.0))));
}

double decodeLat(std::int16_t mercY)
{
    return (std::atan(std::exp(mercY * 0.0001)) * 2.0 - M_PI / 2.0) * 180.0 / M_PI;
}

void appendEncoded(GenRecord& record, const std::vector<LonLat>& points, bool dropClosing)
{
    std::size_t count = points.size();
    if (dropClosing && count > 1 && points.front().lon == points.back().lon &&
        points.front().lat == points.back().lat)
        --count;
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t x = encodeLon(points[i].lon);
        std::int16_t y = encodeLat(points[i].lat);
        if (!record.x.empty() && record.x.back() == x && record.y.back() == y)
            continue;
        record.x.push_back(x);
        record.y.push_back(y);
    }
    if (dropClosing) {
        while (record.x.size() > 1 && record.x.front() == record.x.back() &&
               record.y.front() == record.y.back()) {
            record.x.pop_back();
            record.y.pop_back();
        }
    }
}

std::vector<GenRecord> splitLine(const GenRecord& line)
{
    GenRecord fields = line;
    fields.x.clear();
    fields.y.clear();
    std::vector<GenRecord> pieces;
    for (std::size_t from = 0; from + 1 < line.x.size(); from += kBorderPoints - 1) {
        std::size_t to = std::min(line.x.size(), from + kBorderPoints);
        GenRecord piece = fields;
        piece.x.assign(line.x.begin() + static_cast<long>(from),
                       line.x.begin() + static_cast<long>(to));
        piece.y.assign(line.y.begin() + static_cast<long>(from),
                       line.y.begin() + static_cast<long>(to));
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

OGRPolygon ringPolygon(const std::vector<LonLat>& points)
{
    auto* ring = new OGRLinearRing;
    for (const LonLat& point : points)
        ring->addPoint(point.lon, point.lat);
    ring->closeRings();
    OGRPolygon polygon;
    polygon.addRingDirectly(ring);
    return polygon;
}

std::vector<LonLat> exteriorPoints(const OGRPolygon& polygon)
{
    std::vector<LonLat> points;
    const OGRLinearRing* ring = polygon.getExteriorRing();
    if (ring == nullptr)
        return points;
    points.reserve(static_cast<std::size_t>(ring->getNumPoints()));
    for (int i = 0; i < ring->getNumPoints(); ++i)
        points.push_back({ring->getX(i), ring->getY(i)});
    return points;
}

void collectPolygons(const OGRGeometry* geometry, std::vector<OGRPolygon*>& out)
{
    if (geometry == nullptr || geometry->IsEmpty())
        return;
    OGRwkbGeometryType type = wkbFlatten(geometry->getGeometryType());
    if (type == wkbPolygon) {
        out.push_back(geometry->toPolygon()->clone());
    } else if (type == wkbMultiPolygon || type == wkbGeometryCollection) {
        const OGRGeometryCollection* collection = geometry->toGeometryCollection();
        for (int i = 0; i < collection->getNumGeometries(); ++i)
            collectPolygons(collection->getGeometryRef(i), out);
    }
}

double areaOf(const OGRGeometry* geometry)
{
    std::vector<OGRPolygon*> polygons;
    collectPolygons(geometry, polygons);
    double area = 0.0;
    for (OGRPolygon* polygon : polygons) {
        area += polygon->get_Area();
        delete polygon;
    }
    return area;
}

OGRPolygon* makeBox(double west, double south, double east, double north)
{
    auto* ring = new OGRLinearRing;
    ring->addPoint(west, south);
    ring->addPoint(east, south);
    ring->addPoint(east, north);
    ring->addPoint(west, north);
    ring->addPoint(west, south);
    auto* box = new OGRPolygon;
    box->addRingDirectly(ring);
    return box;
}

std::unique_ptr<OGRPolygon> makeWindow()
{
    return std::unique_ptr<OGRPolygon>(
        makeBox(kWindowWest, kWindowSouth, kWindowEast, kWindowNorth));
}

std::unique_ptr<GDALDataset> openVectorSource(const std::string& path)
{
    std::unique_ptr<GDALDataset> dataset(
        GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset)
        std::fprintf(stderr, "atlasgen: cannot open %s\n", path.c_str());
    return dataset;
}

GenRecord encodeExterior(const OGRPolygon& polygon)
{
    GenRecord record;
    appendEncoded(record, exteriorPoints(polygon), true);
    return record;
}

std::vector<OGRPolygon*> cutAcross(const OGRPolygon& polygon, bool vertical, double at,
                                   double overlap)
{
    OGREnvelope box;
    polygon.getEnvelope(&box);
    std::unique_ptr<OGRPolygon> first, second;
    if (vertical) {
        first.reset(makeBox(box.MinX - 1, box.MinY - 1, at + overlap, box.MaxY + 1));
        second.reset(makeBox(at - overlap, box.MinY - 1, box.MaxX + 1, box.MaxY + 1));
    } else {
        first.reset(makeBox(box.MinX - 1, box.MinY - 1, box.MaxX + 1, at + overlap));
        second.reset(makeBox(box.MinX - 1, at - overlap, box.MaxX + 1, box.MaxY + 1));
    }
    std::vector<OGRPolygon*> pieces;
    for (OGRPolygon* half : {first.get(), second.get()}) {
        std::unique_ptr<OGRGeometry> part(polygon.Intersection(half));
        collectPolygons(part.get(), pieces);
    }
    return pieces;
}

// Cuts a polygon in two halves across its longer side, overlapping by a
// hair, and fits each half.
static void splitAndFit(const OGRPolygon& polygon, double baseTolerance, double maxTolerance,
                        int maxPoints, std::vector<GenRecord>& out)
{
    OGREnvelope box;
    polygon.getEnvelope(&box);
    const bool vertical = box.MaxX - box.MinX >= box.MaxY - box.MinY;
    const double mid = vertical ? (box.MinX + box.MaxX) / 2.0 : (box.MinY + box.MaxY) / 2.0;
    for (OGRPolygon* piece : cutAcross(polygon, vertical, mid, 0.02)) {
        if (piece->get_Area() > 1e-6) {
            std::vector<GenRecord> fitted =
                fitPolygon(*piece, baseTolerance, maxTolerance, maxPoints);
            for (GenRecord& record : fitted)
                out.push_back(std::move(record));
        }
        delete piece;
    }
}

std::vector<GenRecord> fitPolygon(const OGRPolygon& polygon, double baseTolerance,
                                  double maxTolerance, int maxPoints)
{
    std::vector<GenRecord> out;
    // Holes are not kept: whatever lies in them is painted later, on top.
    OGRPolygon outer;
    outer.addRingDirectly(polygon.getExteriorRing()->clone());
    for (double tolerance = baseTolerance; tolerance <= maxTolerance; tolerance *= 2.0) {
        std::unique_ptr<OGRGeometry> simple(outer.SimplifyPreserveTopology(tolerance));
        std::vector<OGRPolygon*> pieces;
        collectPolygons(simple.get(), pieces);
        bool fits = true;
        std::vector<GenRecord> encoded;
        for (OGRPolygon* piece : pieces) {
            GenRecord record = encodeExterior(*piece);
            if (static_cast<int>(record.x.size()) > maxPoints)
                fits = false;
            if (record.x.size() >= 3)
                encoded.push_back(std::move(record));
            delete piece;
        }
        if (fits)
            return encoded;
    }
    splitAndFit(outer, baseTolerance, maxTolerance, maxPoints, out);
    return out;
}
