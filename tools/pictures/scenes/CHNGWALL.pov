// The Great Wall running along the crest of steep mountain ridges, with its
// watchtowers, in autumn.
#declare SunAz = 200; #declare SunEl = 30; #declare HazeDist = 2500; #declare HazeAlt = 300;
#include "atlas.inc"
#declare RidgeZ = function(X) { 60 * sin(X / 90) + 12 * sin(X / 37) }
#declare RidgeH = function(X) { 70 + 35 * sin(X / 70 + 1) + 15 * sin(X / 23) }
#declare RidgeW = 75;
#declare Noise = function { pattern { bozo turbulence 0.6 octaves 5 scale 60 } }
#declare TerrainBase = function(X, Z) { Noise(X, 0, Z) * 18 + max(0, Z - 150) * 0.5 }
#include "ridgewall.inc"

camera { location <-330, 135, -70> look_at <60, 80, 10> angle 50 }
SunAndSky()
Clouds(2500, 0.3)

#declare T_Hill = texture {
  pigment {
    bozo turbulence 0.8 scale 12
    color_map {
      [0.0 rgb <0.22, 0.28, 0.10>]
      [0.4 rgb <0.38, 0.36, 0.14>]
      [0.7 rgb <0.52, 0.30, 0.12>]
      [1.0 rgb <0.30, 0.32, 0.12>]
    }
  }
  normal { granite 0.9 scale 3 }
  finish { ambient 0.04 diffuse 0.75 }
}
RidgeTerrain(T_Hill, 1600, 260)
// Ranges beyond.
FarHills(texture { T_Hill scale 4 }, 12000, 900, 0.15, 8)

#declare T_WallStone = texture { T_Greystone }
object { RidgeWall(-600, 600, 4, 6, 6.5, 1, 22, T_WallStone) }
