// The Rock of Gibraltar seen from the strait: the limestone ridge rising
// from the sea to its sheer northern face, a ship under sail before it.
#declare SunAz = 150; #declare SunEl = 28; #declare HazeDist = 9000; #declare HazeAlt = 200;
#include "atlas.inc"

camera { location <-3300, 10, -500> look_at <0, 240, 500> angle 56 }
SunAndSky()
Clouds(3000, 0.35)
Water(T_Water, 0)
// The rock: a narrow ridge along z, steep on the east, falling sheer at its north end.
#declare RN = function { pattern { granite turbulence 0.3 scale 0.25 } }
#declare Ridge = function(X, Z) {
  max(0, 1 - pow(X / 450, 2)) * (0.7 + 0.3 * sin(Z / 600)) *
  select(Z - 1600, 1, max(0, 1 - (Z - 1600) / 120)) * min(1, max(0, (Z + 2300) / 1400))
}
height_field {
  function 600, 600 { Ridge(x * 6000 - 3000, (1 - y) * 6000 - 3000) * (0.9 + RN(x, y, 0) * 0.2) }
  smooth translate <-0.5, -0.002, -0.5> scale <6000, 620, 6000>
  texture {
    slope { y }
    texture_map {
      [0.0 T_Limestone scale 20]
      [0.6 T_Limestone scale 20]
      [0.8 T_DryGrass scale 10]
      [1.0 T_DryGrass scale 10]
    }
  }
}
// The isthmus and the Spanish hills beyond.
box { <-2000, -1, 1600>, <2000, 4, 6000> texture { T_Sand } }
FarHills(T_DryGrass, 30000, 700, 0.2, 3)
// A sailing ship of the strait.
union {
  difference {
    sphere { 0, 1 scale <4, 2.5, 14> }
    plane { -y, 0 }
    pigment { rgb <0.35, 0.22, 0.12> }
  }
  cylinder { 0, y * 14, 0.25 pigment { rgb <0.3, 0.2, 0.1> } }
  box { <-0.05, 4, -5>, <0.05, 13, 5> rotate y * 70 pigment { rgb <0.90, 0.85, 0.75> } }
  translate <-3200, 0.8, -800>
}
