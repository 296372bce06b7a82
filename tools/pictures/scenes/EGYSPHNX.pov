// The Great Sphinx in its quarried enclosure, the pyramid of Khafre behind,
// seen from the east-south-east in the morning sun.
#declare SunAz = 135; #declare SunEl = 34; #declare HazeDist = 7000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"
#include "shapes.inc"

// +x east, +z north. The lion lies along x, its chest at x = 0 facing east.
camera { location <50, 7, -19> look_at <-20, 12, 3> angle 52 }
SunAndSky()
Ground(T_Sand)

// Warm limestone in horizontal strata, the softer beds worn back.
#declare T_Strata = texture {
  pigment {
    gradient y turbulence 0.04
    color_map {
      [0.00 color rgb <0.80, 0.64, 0.42>] [0.25 color rgb <0.86, 0.71, 0.48>]
      [0.45 color rgb <0.74, 0.58, 0.38>] [0.60 color rgb <0.84, 0.68, 0.45>]
      [0.80 color rgb <0.70, 0.55, 0.36>] [1.00 color rgb <0.80, 0.64, 0.42>]
    }
    scale 1.6
  }
  normal { gradient y 0.4 slope_map { [0 <0, 1>] [0.5 <1, 0>] [0.8 <0.4, -1>] [1 <0, 1>] } scale 0.9 turbulence 0.05 }
  finish { F_Stone }
}
#declare T_Sph = texture { T_Strata }
#declare Round = superellipsoid { <0.3, 0.3> }
union {
  // The long low back, from haunch to shoulders.
  object { Round scale <26, 4.8, 8.5> translate <-32, 4.8, 0> }
  // Haunch, rounded at the west end.
  object { superellipsoid { <0.5, 0.5> } scale <9, 5.8, 9> translate <-49, 5.2, 0> }
  // Shoulders and the upright chest.
  object { Round scale <7, 5.2, 8> translate <-6, 5.2, 0> }
  box { <-3, 0, -6>, <0.6, 10, 6> }
  // The forepaws, long, flat and straight, stretched out to the east.
  #for (S, -1, 1, 2)
    object { superellipsoid { <0.2, 0.2> } scale <8, 1.3, 2.1> translate <8, 1.3, S * 4.6> }
    // Haunch leg folded along the flank.
    object { Round scale <9, 2.4, 1.4> translate <-44, 2.4, S * 8.6> }
  #end
  // Neck below the headcloth.
  box { <-6, 9, -3.4>, <-1, 15, 3.4> }
  texture { T_Sph }
}
// The head in the striped nemes headcloth.
#declare T_Nemes = texture {
  pigment {
    gradient y
    color_map { [0 color rgb <0.86, 0.71, 0.48>] [0.5 color rgb <0.86, 0.71, 0.48>] [0.5 color rgb <0.68, 0.53, 0.35>] [1 color rgb <0.68, 0.53, 0.35>] }
    scale 0.55
  }
  normal { gradient y 0.4 scale 0.55 }
  finish { F_Stone }
}
union {
  // Headcloth: narrow at the crown, flaring out beside the face.
  intersection {
    box { <-6.5, 13, -5.2>, <0.2, 20, 5.2> }
    plane { <0, 1, 0.55>, 0 rotate y * 0 translate <0, 20, 2.3> }
    plane { <0, 1, -0.55>, 0 translate <0, 20, -2.3> }
    sphere { <-3, 14, 0>, 7.2 }
  }
  // The flaps (lappets) falling beside the face to the shoulders.
  #for (S, -1, 1, 2)
    intersection {
      box { <-1.6, 8.5, -1.1>, <0.5, 15, 1.1> }
      plane { <0, 1, 0.0>, 0 translate y * 15 }
      translate z * S * 3.9
    }
  #end
  texture { T_Nemes }
}
union {
  // Face, brow, nose and chin, the uraeus on the brow.
  object { superellipsoid { <0.5, 0.5> } scale <1.8, 2.9, 2.6> translate <-0.3, 14.6, 0> }
  box { <0.8, 16.2, -2.6>, <1.6, 16.9, 2.6> }
  box { <1.4, 13.8, -0.45>, <2.1, 15.6, 0.45> }
  box { <0.9, 11.4, -0.8>, <1.6, 12.4, 0.8> }
  cylinder { <1.3, 17, 0>, <1.5, 18.2, 0>, 0.3 }
  texture { T_Strata }
}
// The eyes and mouth in shadow.
#for (S, -1, 1, 2)
  box { <1.45, 15.3, S * 1.2 - 0.5>, <1.55, 15.7, S * 1.2 + 0.5> pigment { rgb <0.35, 0.26, 0.17> } }
#end
box { <1.45, 12.9, -0.8>, <1.55, 13.1, 0.8> pigment { rgb <0.40, 0.30, 0.20> } }

// The enclosure: walls of cut bedrock on the north, west and south, open to the east.
#declare Enclosure = difference {
  box { <-95, -1, -75>, <60, 8, 80> }
  box { <-70, -2, -24>, <100, 9, 26> }
}
object { Enclosure
  texture { T_Strata }
  texture { pigment { bozo turbulence 0.8 scale 4 color_map { [0 rgbt <0.45, 0.36, 0.25, 0.5>] [0.5 rgbt 1] [1 rgbt 1] } } finish { F_Stone } }
}
// Worn blocks and rubble along the foot of the walls.
#declare R = seed(7);
#for (I, 0, 30)
  #local X = -65 + rand(R) * 120;
  #local Zs = (rand(R) < 0.5 ? -23.5 : 25.5);
  object { superellipsoid { <0.6, 0.6> } scale <1 + rand(R) * 2, 0.6 + rand(R), 0.8 + rand(R)> rotate y * rand(R) * 90 translate <X, 0.4, Zs> texture { T_Strata } }
#end
// The plateau rising to the west, with Khafre's pyramid and its casing cap.
#declare T_Casing = StoneTex(rgb <0.82, 0.72, 0.56>, rgb <0.88, 0.78, 0.62>, rgb <0.74, 0.64, 0.48>, 3)
object { Pyramid(215, 143) translate <-400, 8, 120> texture { T_Casing } }
object { Pyramid(230, 146) translate <-470, 4, 520> texture { T_Casing } }
