// A red granite obelisk before the pylon of a temple gate, with flagstaffs.
#declare SunAz = 140; #declare SunEl = 38; #declare HazeDist = 4000;
#declare SkyLow = rgb <0.82, 0.78, 0.70>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-22, 1.7, -58> look_at <0, 17, 0> angle 60 }
SunAndSky()
Ground(T_Sand)
FarHills(T_Sand, 6000, 120, 0.2, 3)
// A paved approach.
box { <-7, -1, -80>, <7, 0.08, 0> texture { T_Limestone } Courses(1.2, 1.2, 0) }

#declare T_Pylon = StoneTex(rgb <0.80, 0.68, 0.50>, rgb <0.86, 0.74, 0.56>, rgb <0.72, 0.60, 0.44>, 0.7)
// A pylon tower: battered walls narrowing upwards, a cornice on top.
#macro Tower(W, D, H)
  union {
    intersection {
      box { <-W / 2, 0, -D / 2>, <W / 2, H, D / 2> }
      plane { x, W / 2 rotate z * -4 translate x * 0 }
      plane { -x, W / 2 rotate z * 4 }
      plane { -z, D / 2 rotate x * 4 }
      plane { z, D / 2 rotate x * -4 }
    }
    box { <-W / 2 + H * 0.07 - 0.6, H, -D / 2 + H * 0.07 - 0.6>, <W / 2 - H * 0.07 + 0.6, H + 1.2, D / 2 - H * 0.07 + 0.6> }
    texture { T_Pylon } Courses(1.0, 2.0, 0)
  }
#end
object { Tower(26, 9, 24) translate <-17, 0, 12> }
object { Tower(26, 9, 24) translate <17, 0, 12> }
// The gateway between the towers.
difference {
  box { <-4.5, 0, 8>, <4.5, 17, 16> }
  box { <-2.4, -1, 7>, <2.4, 12, 17> }
  texture { T_Pylon } Courses(1.0, 2.0, 0)
}
box { <-2.4, 0, 13>, <2.4, 12, 13.4> pigment { rgb <0.28, 0.18, 0.10> } finish { ambient 0.04 diffuse 0.6 } }
// Carved scenes on the pylon faces: a king smiting, as a raised band.
#for (S, -1, 1, 2)
  #for (I, 0, 2)
    box { <S * 17 - 10 + I * 7, 3, 7.5>, <S * 17 - 5 + I * 7, 15, 7.58> texture { T_Pylon } texture { pigment { rgbt <0.6, 0.2, 0.1, 0.75> } } }
  #end
#end
// Flagstaffs in the niches, with pennants.
#for (I, 0, 3)
  #declare Px = (I < 2 ? -24 + I * 8 : 16 + (I - 2) * 8);
  cylinder { <Px, 0, 7.2>, <Px, 34, 7.2>, 0.35 pigment { rgb <0.45, 0.32, 0.2> } }
  box { <Px, 31, 7.2>, <Px + 3.5, 33, 7.25> pigment { rgb <0.8, 0.15, 0.1> } }
#end

#declare T_RedGranite = StoneTex(rgb <0.55, 0.30, 0.26>, rgb <0.62, 0.36, 0.30>, rgb <0.40, 0.22, 0.20>, 0.15)
// The obelisk: a tapering shaft with a gilded pyramidion.
#macro Obelisk(B, H)
  union {
    intersection {
      box { <-B / 2, 0, -B / 2>, <B / 2, H, B / 2> }
      plane { x, B / 2 rotate z * -degrees(atan(B * 0.17 / H)) }
      plane { -x, B / 2 rotate z * degrees(atan(B * 0.17 / H)) }
      plane { z, B / 2 rotate x * degrees(atan(B * 0.17 / H)) }
      plane { -z, B / 2 rotate x * -degrees(atan(B * 0.17 / H)) }
      texture { T_RedGranite }
    }
    object { Pyramid(B * 0.68, B * 0.75) translate y * (H - 0.05)
      pigment { rgb <0.9, 0.7, 0.3> } finish { ambient 0.05 diffuse 0.5 specular 0.7 metallic reflection 0.3 } }
    box { <-B * 0.8, -0.5, -B * 0.8>, <B * 0.8, 1.2, B * 0.8> texture { T_RedGranite } }
  }
#end
object { Obelisk(2.4, 27) translate <-8, 0, -4> }
object { Obelisk(2.4, 25) translate <8, 0, -4> }
object { Person(rgb <0.9, 0.88, 0.8>) translate <-4, 0, -10> }
object { Person(rgb <0.9, 0.88, 0.8>) translate <2, 0, -6> }
