// Hadrian's Wall along the crags of the Whin Sill, with a turret and a
// milecastle, under a northern sky.
#declare SunAz = 170; #declare SunEl = 24; #declare HazeDist = 3000; #declare HazeAlt = 200;
#declare SkyTop = rgb <0.20, 0.32, 0.58>;
#declare SkyLow = rgb <0.70, 0.74, 0.78>;
#include "atlas.inc"
#declare RidgeZ = function(X) { 35 * sin(X / 140) + 10 * sin(X / 45) }
#declare RidgeH = function(X) { 28 + 14 * sin(X / 60 + 2) + 6 * sin(X / 21) }
#declare RidgeW = 60;
#declare Noise = function { pattern { bozo turbulence 0.5 octaves 4 scale 80 } }
// Crags to the north: the ground drops steeply beyond the wall.
#declare TerrainBase = function(X, Z) { Noise(X, 0, Z) * 6 - min(30, max(0, Z - RidgeZ(X) - 5) * 0.9) }
#include "ridgewall.inc"

camera { location <-150, 34, -95> look_at <40, 28, 10> angle 55 }
SunAndSky()
Clouds(1800, 0.55)
plane { y, -25 texture { T_Grass } }
RidgeTerrain(T_Grass, 1400, 70)
FarHills(T_Grass, 10000, 250, 0.1, 3)
#declare T_WallCourses = texture { T_Greystone }
RidgeWallSolid(-600, 600, 3, 4.2, T_WallCourses)
// Milecastle: a walled yard against the south face of the wall.
#declare Mx = 10;
#declare My = Terrain(Mx, RidgeZ(Mx));
difference {
  box { <-10, My - 3, -18>, <10, My + 4, 0> }
  box { <-8.5, My - 2, -16.5>, <8.5, My + 5, 0.5> }
  box { <-1.5, My - 2, -19>, <1.5, My + 3, -15> }
  translate <Mx, 0, RidgeZ(Mx)>
  texture { T_Greystone }
}
// Turrets a third of a mile either side.
#for (Tx, -180, 200, 190)
  box { <-3, Terrain(Tx, RidgeZ(Tx)) - 3, -4>, <3, Terrain(Tx, RidgeZ(Tx)) + 7, 2> translate <Tx, 0, RidgeZ(Tx)> texture { T_Greystone } }
#end
