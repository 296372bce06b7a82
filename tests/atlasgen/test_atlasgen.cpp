// Tests of the map data generator's steps on small shapes made here.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include <ogr_geometry.h>

#include "map/projection.h"
#include "tools/atlasgen/atlasgen.h"
#include "tools/atlasgen/polities.h"

namespace {

// Area in square degrees of a record's ring, from its stored points.
double recordArea(const GenRecord& record)
{
    double area = 0.0;
    const std::size_t n = record.x.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t j = (i + 1) % n;
        area += record.x[i] / 100.0 * decodeLat(record.y[j]) -
                record.x[j] / 100.0 * decodeLat(record.y[i]);
    }
    return std::fabs(area) / 2.0;
}

TEST(AtlasgenEncoding, PointsRoundToStoredUnitsAndRepeatsGo)
{
    EXPECT_EQ(encodeLon(12.345), 1235);  // 1234.5 rounds away from zero
    EXPECT_EQ(encodeLon(-0.004), 0);
    EXPECT_EQ(encodeLon(-9.996), -1000);
    EXPECT_EQ(encodeLat(0.0), 0);
    EXPECT_EQ(encodeLat(59.0), mercator(5900));
    EXPECT_EQ(encodeLat(-29.0), mercator(-2900));
    EXPECT_NEAR(decodeLat(encodeLat(45.0)), 45.0, 0.01);

    // A closed ring whose second point rounds onto the first.
    GenRecord ring;
    appendEncoded(ring, {{10.0, 40.0}, {10.001, 40.001}, {11.0, 40.0}, {11.0, 41.0}, {10.0, 40.0}},
                  true);
    ASSERT_EQ(ring.x.size(), 3u);
    EXPECT_EQ(ring.x[1], 1100);
    // The same points as a line keep the closing point.
    GenRecord line;
    appendEncoded(line, {{10.0, 40.0}, {11.0, 40.0}, {10.0, 40.0}}, false);
    EXPECT_EQ(line.x.size(), 3u);
}

TEST(AtlasgenEncoding, LongLinesSplitIntoRecordsThatShareTheirEnds)
{
    GenRecord line;
    line.color = 73;
    line.label = "Nile";
    for (int i = 0; i < 2 * kBorderPoints; ++i) {
        line.x.push_back(static_cast<std::int16_t>(i));
        line.y.push_back(static_cast<std::int16_t>(-i));
    }
    std::vector<GenRecord> pieces = splitLine(line);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].x.size(), static_cast<std::size_t>(kBorderPoints));
    EXPECT_EQ(pieces[1].x.front(), pieces[0].x.back()) << "no gap between the pieces";
    EXPECT_EQ(pieces[1].y.front(), pieces[0].y.back());
    ASSERT_EQ(pieces[2].x.size(), 2u);
    EXPECT_EQ(pieces[2].x.back(), line.x.back());
    EXPECT_EQ(pieces[2].y.back(), line.y.back());
    EXPECT_EQ(pieces[2].color, 73);
    EXPECT_EQ(pieces[2].label, "Nile");

    line.x.resize(kBorderPoints);
    line.y.resize(kBorderPoints);
    EXPECT_EQ(splitLine(line).size(), 1u) << "a line that fits stays whole";
    line.x.resize(1);
    line.y.resize(1);
    EXPECT_TRUE(splitLine(line).empty()) << "a single point is no line";
}

TEST(AtlasgenEncoding, PolygonsFitRecordsWithoutLosingArea)
{
    // A smooth circle of 2000 vertices simplifies into one record.
    std::vector<LonLat> circle;
    for (int i = 0; i < 2000; ++i) {
        double angle = 2.0 * M_PI * i / 2000.0;
        circle.push_back({50.0 + 5.0 * std::cos(angle), 20.0 + 5.0 * std::sin(angle)});
    }
    OGRPolygon round = ringPolygon(circle);
    std::vector<GenRecord> one = fitPolygon(round, 0.03, 0.2, kBorderPoints);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_LE(one[0].x.size(), static_cast<std::size_t>(kBorderPoints));
    EXPECT_NEAR(recordArea(one[0]), round.get_Area(), round.get_Area() * 0.02);

    // A saw edge of 3000 teeth a degree deep cannot be simplified enough
    // and is cut into several records that still cover it.
    std::vector<LonLat> saw;
    for (int i = 0; i <= 3000; ++i)
        saw.push_back({i * 0.02, 10.0 + (i % 2 == 0 ? 0.0 : 1.0)});
    saw.push_back({60.0, 0.0});
    saw.push_back({0.0, 0.0});
    OGRPolygon jagged = ringPolygon(saw);
    std::vector<GenRecord> pieces = fitPolygon(jagged, 0.03, 0.2, kBorderPoints);
    ASSERT_GT(pieces.size(), 1u);
    double covered = 0.0;
    for (const GenRecord& piece : pieces) {
        EXPECT_GE(piece.x.size(), 3u);
        EXPECT_LE(piece.x.size(), static_cast<std::size_t>(kBorderPoints));
        covered += recordArea(piece);
    }
    EXPECT_GT(covered, jagged.get_Area() * 0.97);
}

TEST(AtlasgenRelief, ReliefStaysOnLandRecordsOnly)
{
    std::vector<std::uint8_t> raster(static_cast<std::size_t>(kTerrainRows) * kTerrainColumns, 120);
    GenRecord square;
    square.startYear = kLandYear;
    appendEncoded(square, {{0.0, 40.0}, {10.0, 40.0}, {10.0, 30.0}, {0.0, 30.0}}, true);
    GenRecord river;  // not land: ignored although it crosses the sea
    river.startYear = kRiverYear;
    appendEncoded(river, {{20.0, 35.0}, {30.0, 35.0}, {30.0, 36.0}}, false);
    maskTerrainToLand(raster, {square, river});
    auto cell = [&](double lat, double lon) {
        int row = static_cast<int>(std::lround((50.0 - lat) * 12.0));
        int column = static_cast<int>(std::lround((lon + 10.0) * 12.0));
        return raster[static_cast<std::size_t>(row * kTerrainColumns + column)];
    };
    EXPECT_EQ(cell(35.0, 5.0), 120);
    EXPECT_EQ(cell(39.9, 0.1), 120);
    EXPECT_EQ(cell(35.0, 25.0), 0);
    EXPECT_EQ(cell(45.0, 5.0), 0);
    EXPECT_EQ(cell(35.0, -1.0), 0);
}

TEST(AtlasgenNames, CorrectionsApplyInOrderAndBySnapshot)
{
    // A spelling fix feeds the fix of one snapshot.
    EXPECT_EQ(atlasName("bc1500", "Cimerians"), "Srubnaya culture");
    EXPECT_EQ(atlasName("bc1000", "Cimerians"), "Cimmerians");
    EXPECT_EQ(atlasName("bc1500", "Zhoa"), "Shang");
    EXPECT_EQ(atlasName("bc1000", "Zhoa"), "Zhou");
    EXPECT_EQ(atlasName("bc2000", "Thai"), "Erlitou and Longshan cultures");
    EXPECT_EQ(atlasName("bc200", "Thai"), "Tai peoples");
    EXPECT_EQ(atlasName("800", "Ouighurs"), "Uyghur Khaganate");
    EXPECT_EQ(atlasName("900", "Ouighurs"), "Kyrgyz Khaganate");
    EXPECT_EQ(atlasName("400", "Western Roman Empire"), "Roman Empire");
    EXPECT_EQ(atlasName("500", "Western Roman Empire"), "Romano-British kingdoms");
    EXPECT_EQ(atlasName("700", "Sui Empire"), "Tang Empire");
    EXPECT_EQ(atlasName("600", "Sui Empire"), "Sui Empire");
    EXPECT_EQ(atlasName("1000", "Lake Vygozero"), "");
    EXPECT_EQ(atlasName("bc300", "Ptolemaic Kingdom"), "Ptolemaic Kingdom");
}

TEST(AtlasgenNames, PolityTableIsConsistent)
{
    std::set<std::string> names;
    for (int i = 0; i < polityCount; ++i) {
        const PolityDef& polity = polityTable[i];
        EXPECT_TRUE(names.insert(polity.name).second) << polity.name << " listed twice";
        EXPECT_TRUE(polity.color == -1 || (polity.color >= 0 && polity.color <= 215)) << polity.name;
        // A fixed colour never equals the neutral land's.
        EXPECT_NE(polity.color, kNeutralColor) << polity.name;
        // Every polity name is a name the corrections leave alone.
        EXPECT_EQ(atlasName("", polity.name), polity.name) << polity.name;
    }
    for (int i = 0; i < autoColorCount; ++i)
        EXPECT_NE(autoColors[i], kNeutralColor);
    for (int i = 0; i < autoPeopleColorCount; ++i)
        EXPECT_NE(autoPeopleColors[i], kNeutralColor);
}

TEST(AtlasgenRivers, PiecesJoinEndToEndWhicheverWayTheyRun)
{
    std::vector<std::vector<LonLat>> lines = {
        {{0.0, 0.0}, {1.0, 0.0}},
        {{2.0, 0.0}, {1.01, 0.0}},          // runs backwards, ends near the first
        {{2.0, 0.0}, {3.0, 0.0}},
        {{10.0, 10.0}, {11.0, 10.0}},      // another river
    };
    joinRiverPieces(lines);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<LonLat>& river = lines[0].size() == 4 ? lines[0] : lines[1];
    ASSERT_EQ(river.size(), 4u);
    double first = river.front().lon, last = river.back().lon;
    EXPECT_TRUE((first == 0.0 && last == 3.0) || (first == 3.0 && last == 0.0));
}

}  // namespace
