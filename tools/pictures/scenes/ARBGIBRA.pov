// The Rock of Gibraltar seen from the bay at the mouth of the strait: the
// limestone ridge with its sheer northern face, a ship under sail before it.
#declare SunAz = 150; #declare SunEl = 28; #declare HazeDist = 16000; #declare HazeAlt = 130;
#include "atlas.inc"

camera { location <-5200, 16, 4600> look_at <0, 230, 600> angle 23 }
SunAndSky()
Clouds(3000, 0.35)
Water(T_Water, 0)
// The rock: a narrow limestone ridge along z (north is +z), 426 m at its
// crest, falling sheer at its north end and in cliffs on the east, gentler
// on the west; to the south it steps down to the Windmill Hill flats and
// the low plateau of Europa Point.
#declare RN = function { pattern { granite turbulence 0.3 scale 0.25 } }
#declare Lump = function { pattern { bozo turbulence 0.5 scale 0.05 } }
#declare Crest = function(Z) {
  select(Z - 1650, 1, max(0, 1 - (Z - 1650) / 60))
  * (select(Z + 250, 0, 1) * (0.90 + 0.10 * cos((Z - 1450) / 260))
     + select(Z + 250, 1, 0) * (0.30 * min(1, max(0, (Z + 1900) / 150)) + 0.10 * min(1, max(0, (Z + 2350) / 80))
                                + 0.52 * min(1, max(0, (Z + 900) / 650))))
}
#declare Across = function(X) { max(0, 1 - pow(X / select(X, 650, 280), 2)) }
#declare Ridge = function(X, Z) { Crest(Z + 45 * sin(X / 80) + 25 * sin(X / 31)) * Across(X - 0.06 * Z) }
height_field {
  function 700, 700 { Ridge(x * 6000 - 3000, (1 - y) * 6000 - 3000) * (0.92 + RN(x, y, 0) * 0.1 + Lump(x, y, 0) * 0.08) }
  smooth translate <-0.5, -0.002, -0.5> scale <6000, 450, 6000>
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
box { <-450, -1, 1500>, <650, 4, 6000> texture { T_Sand } }
FarHills(T_DryGrass, 44000, 900, 0.2, 3)
// A sailing ship of the strait.
union {
  difference {
    sphere { 0, 1 scale <4, 2.5, 14> }
    plane { -y, 0 }
    pigment { rgb <0.35, 0.22, 0.12> }
  }
  cylinder { 0, y * 14, 0.25 pigment { rgb <0.3, 0.2, 0.1> } }
  box { <-0.05, 4, -5>, <0.05, 13, 5> rotate y * 70 pigment { rgb <0.90, 0.85, 0.75> } }
  translate <-4300, 0.8, 3700>
}
