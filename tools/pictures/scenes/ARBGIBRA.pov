// The Rock of Gibraltar seen from the bay at the mouth of the strait: the
// limestone ridge with its sheer northern face, a ship under sail before it.
#declare SunAz = 150; #declare SunEl = 28; #declare HazeDist = 30000; #declare HazeAlt = 130;
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
// The cliffs: pale grey limestone streaked down its faces, crags in relief.
#declare T_Crag = texture {
  pigment {
    bozo turbulence <0.4, 0.05, 0.4> octaves 5 scale <14, 110, 14>
    color_map {
      [0.0 color rgb <0.56, 0.54, 0.50>] [0.3 color rgb <0.74, 0.71, 0.64>]
      [0.55 color rgb <0.80, 0.77, 0.70>] [0.8 color rgb <0.64, 0.60, 0.53>] [1.0 color rgb <0.48, 0.46, 0.43>]
    }
  }
  normal { granite 1.4 scale <50, 20, 50> }
  finish { ambient 0.06 diffuse 0.78 }
}
// Scrub of the upper slopes: olive-green maquis over rock.
#declare T_Scrub = texture {
  pigment { granite turbulence 0.5 scale 12 color_map { [0 color rgb <0.34, 0.36, 0.22>] [0.5 color rgb <0.46, 0.46, 0.30>] [1 color rgb <0.60, 0.58, 0.48>] } }
  normal { granite 0.8 scale 6 }
  finish { ambient 0.05 diffuse 0.75 }
}
height_field {
  function 700, 700 { Ridge(x * 6000 - 3000, (1 - y) * 6000 - 3000) * (0.92 + RN(x, y, 0) * 0.1 + Lump(x, y, 0) * 0.08) }
  smooth translate <-0.5, -0.002, -0.5> scale <6000, 450, 6000>
  texture {
    slope { y }
    texture_map {
      [0.0 T_Crag]
      [0.68 T_Crag]
      [0.82 T_Scrub]
      [1.0 T_Scrub]
    }
  }
}
// The isthmus and the Spanish hills beyond.
box { <-450, -1, 1500>, <650, 4, 6000> texture { T_Sand } }
FarHills(T_DryGrass, 44000, 900, 0.2, 3)
// A merchant ship of the strait under its square sail, coming into the bay.
union {
  difference {
    sphere { 0, 1 scale <3.2, 2.2, 12> }
    sphere { 0, 1 scale <2.8, 1.9, 11.5> translate y * 0.5 }
    plane { -y, -0.2 }
    pigment { rgb <0.36, 0.24, 0.14> } finish { ambient 0.05 diffuse 0.7 }
  }
  // Stem and stern posts curving up.
  cylinder { <0, 0, 11.5>, <0, 3.2, 13>, 0.25 pigment { rgb <0.32, 0.21, 0.12> } }
  cylinder { <0, 0, -11.5>, <0, 3.5, -12.8>, 0.25 pigment { rgb <0.32, 0.21, 0.12> } }
  cylinder { 0, y * 15, 0.22 pigment { rgb <0.30, 0.20, 0.10> } }
  cylinder { <-6.5, 13.8, 0>, <6.5, 13.8, 0>, 0.12 pigment { rgb <0.30, 0.20, 0.10> } }
  // The sail of woven linen.
  box { <-6.2, 4.5, -0.05>, <6.2, 13.7, 0.05> pigment { rgb <0.90, 0.84, 0.70> } finish { ambient 0.1 diffuse 0.75 } }
  rotate y * 145
  translate <-4790, 0.6, 4270>
}
