// A small atlas for the renderer's tests: a few land outlines, a river,
// nation records of every kind, and a relief patch, written as borders.dat
// and terrain.dat into the working folder.
#pragma once

#include <cstdint>
#include <vector>

#include "map/border_table.h"
#include "map/projection.h"
#include "map/terrain.h"

struct AppState;

// Slots of the fixture's records in borders.dat.
enum FixtureSlot {
    kFixtureContinent = 0, // land, lon 0..40, lat 0..40
    kFixtureIsland,        // land, lon 80..90, lat 10..20
    kFixtureOutline,       // outline-only record (never drawn on screen)
    kFixtureRiver,         // river from (10, 35) through (20, 20) to (30, 5)
    kFixtureSolid,         // -3000, solid 4, lon -5..20, lat 5..45: spills into the sea
    kFixtureHatched,       // -2000, hatch 3 in 206 over the solid one, lon 5..18, lat 10..20
    kFixtureGreyEdge,      // -1000, ACTION 103, solid 144, lon 25..35, lat 25..35
    kFixtureOutlineOnly,   // -500, ACTION 104, colour 73, lon 10..15, lat 30..38
    kFixtureEarlierTwin,   // 200, solid 12, lon 25..38, lat 5..15
    kFixtureLaterTwin,     // 200, solid 175, lon 30..38, lat 8..20: covers its twin
    kFixtureEndMark,       // STARTYR 4000
};

// The relief patch: flat level 100 at lon 5..10, lat 20..25 (inside the
// solid nation); at lon 12..17, lat 20..25 raster columns c with c % 4 < 2
// hold 100, the others 120.
inline constexpr int kFixtureReliefLevel = 100;

std::vector<std::uint8_t> fixtureBorderBytes();
std::vector<std::uint8_t> fixtureTerrainBytes();

// Writes borders.dat and terrain.dat into the working folder.
void writeMapFixture();

// Loads the fixture into the tables as the program's start-up does.
void loadMapFixture(AppState& app, BorderTable& borders, TerrainMap& terrain);

// The screen pixel of a place given in degrees, in the current view.
ScreenPoint fixturePixel(const AppState& app, double lonDegrees, double latDegrees);

// A fresh state for 800 x 600 with the menu band of the program.
AppState fixtureState(int animationId);
