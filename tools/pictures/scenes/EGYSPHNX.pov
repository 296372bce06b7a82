// The Great Sphinx in its quarried enclosure, the pyramid of Khafre behind.
#declare SunAz = 110; #declare SunEl = 30; #declare HazeDist = 7000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-52, 5, -62> look_at <8, 11, 0> angle 54 }
SunAndSky()
Ground(T_Sand)
#declare T_Sph = StoneTex(rgb <0.78, 0.64, 0.44>, rgb <0.84, 0.70, 0.50>, rgb <0.68, 0.55, 0.38>, 0.6)

// The lion lies along +x with its head to the east (-x), facing the sunrise.
#declare Round = superellipsoid { <0.35, 0.35> }
union {
  // Body, haunch and chest, with the strata of the bedrock it is cut from.
  object { Round scale <19, 5.5, 7> translate <22, 5.5, 0> }
  sphere { 0, 1 scale <9, 8, 7.5> translate <36, 7, 0> }
  object { Round scale <6, 7, 6.5> translate <2, 7, 0> }
  // The forelegs stretched out in front, with paws.
  #for (S, -1, 1, 2)
    object { Round scale <10, 1.8, 2.4> translate <-8, 1.8, S * 4.2> }
    object { Round scale <2, 1.2, 2.6> translate <-17, 1.2, S * 4.2> }
    // Hind leg folded along the flank.
    object { Round scale <8, 2.5, 1.5> translate <33, 2.5, S * 7.2> }
  #end
  // Tail curled round the haunch.
  torus { 7, 0.8 scale <1, 1, 0.4> rotate x * 90 translate <40, 1.5, -7.5> clipped_by { plane { y, 2.5 } } }
  // The head in the royal headcloth.
  union {
    // Nemes: flaring out behind the face, narrowing at the top.
    intersection {
      sphere { 0, 1 scale <4, 5.2, 5.4> }
      plane { -y, 0 }
      translate <0.5, 1.5, 0>
    }
    // Lappets falling onto the chest.
    box { <-3.2, -6, -5.4>, <0.5, 1.5, -3.4> }
    box { <-3.2, -6, 3.4>, <0.5, 1.5, 5.4> }
    // Face, nose, brow and the uraeus.
    object { Round scale <2.2, 3.3, 3.3> translate <-2.4, 0.6, 0> }
    box { <-5.0, -0.6, -0.45>, <-4.2, 1.6, 0.45> }
    box { <-4.8, 2.0, -2.8>, <-4.2, 2.6, 2.8> }
    box { <-4.2, -2.8, -1.6>, <-4.0, -2.5, 1.6> }
    cylinder { <-4.3, 3.2, 0>, <-4.4, 5.0, 0>, 0.35 }
    translate <-1.5, 16, 0>
  }
  // The neck that joins head and chest.
  cylinder { <-1, 9, 0>, <-1, 16, 0>, 3.6 }
  texture { T_Sph }
  texture { pigment { gradient y color_map { [0 rgbt 1] [0.8 rgbt 1] [0.88 rgbt <0.35, 0.27, 0.18, 0.55>] [1 rgbt 1] } scale 1.1 turbulence 0.05 } finish { F_Stone } }
  texture { pigment { bozo scale 2 color_map { [0 rgbt <0.55, 0.45, 0.32, 0.5>] [0.5 rgbt 1] [1 rgbt 1] } } finish { F_Stone } }
}
// The bedrock enclosure around it.
difference {
  box { <-28, -1, -30>, <90, 7, 60> }
  box { <-35, -2, -40>, <60, 8, 25> }
  box { <-70, -2, -12>, <-30, 8, 12> }
  texture { T_Sph }
}
#declare T_Casing = texture { T_Limestone scale 3 }
object { Pyramid(215, 143) translate <230, 0, 320> texture { T_Casing } }
object { Pyramid(230, 146) translate <360, 0, 580> texture { T_Casing } }
