// The Parthenon on the Acropolis about 400 BCE, seen from the hill of the
// Muses to the south-west in the afternoon: the temple above the cliffs and
// the citadel wall, the Propylaea at the west end, Lycabettus behind.
#declare SunAz = 240; #declare SunEl = 32; #declare HazeDist = 7000; #declare HazeAlt = 160;
#declare FillPower = 0.55; #declare BouncePower = 0.32;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-520, 104, -400> look_at <-20, 74, 0> angle 14.5 }
SunAndSky()
Clouds(2200, 0.25)

// The rock: a limestone mesa about 270 x 150 m with sheer upper cliffs and a
// scree skirt, its top levelled at 70 m.
#declare Edge = function { pattern { bozo turbulence 0.6 scale 0.08 } }
#declare Grit = function { pattern { granite scale 0.3 } }
#declare RockR = function(x, y) { sqrt(pow(x - 0.5, 2) + pow((y - 0.5) * 1.8, 2)) + (Edge(x, y, 0) - 0.5) * 0.06 }
#declare T_Cliff = texture {
  pigment { granite turbulence 0.4 scale 6 color_map { [0 color rgb <0.66, 0.57, 0.45>] [0.5 color rgb <0.74, 0.65, 0.52>] [1 color rgb <0.56, 0.49, 0.39>] } }
  normal { granite 0.7 scale 2 }
  finish { ambient 0.07 diffuse 0.75 }
}
height_field {
  function 600, 600 {
    min(1, max(0, (0.222 - RockR(x, y)) * 58.8)) * 0.55
    + min(1, max(0, (0.34 - RockR(x, y)) * 8.5)) * 0.45
    + Grit(x, y, 0) * 0.015 * min(1, max(0, (0.32 - RockR(x, y)) * 10))
  }
  smooth translate <-0.5, 0, -0.5> scale <620, 72, 620> translate <-10, -1, 0>
  texture {
    slope { y } 
    texture_map {
      [0.5 T_Rock]
      [0.72 T_Cliff]
      [0.9 T_DryGrass]
      [1.0 T_DryGrass]
    }
  }
}
// The levelled top of the citadel, trodden earth and rock.
// Kept inside the wall: where the cliff edge bends in, a wider disc would
// stick out through the wall face.
cylinder { <0, 70.9, 0>, <0, 71.15, 0>, 1 scale <104, 1, 57> translate <-10, 0, 0> texture { T_Earth } }

// The citadel wall along the south cliff, in squared limestone.
#declare T_Wall = StoneTex(rgb <0.70, 0.61, 0.47>, rgb <0.76, 0.67, 0.52>, rgb <0.62, 0.54, 0.42>, 1.5)
// The wall follows the cliff's edge: where the rock's outline function
// reaches its top, found for each length of wall by a few fixed-point steps.
#macro EdgePoint(T)
  #local R = 0.205;
  #for (K, 0, 5)
    #local U = 0.5 + R * cos(T);
    #local V = 0.5 + R * sin(T) / 1.8;
    #local R = 0.205 - (Edge(U, 1 - V, 0) - 0.5) * 0.06;
  #end
  <-10 + (U - 0.5) * 620, 0, (V - 0.5) * 620>
#end
#for (I, 0, 60)
  #declare P1 = EdgePoint(radians(190 + I * 2.7));
  #declare P2 = EdgePoint(radians(190 + (I + 1) * 2.7));
  #declare D = P2 - P1;
  box { <0, 58, -1.6>, <vlength(D) + 0.6, 72.8, 1.6>
    rotate -y * degrees(atan2(D.z, D.x)) translate P1
    texture { T_Wall } texture { pigment { gradient y color_map { [0 rgbt <0.3, 0.25, 0.2, 0.55>] [0.08 rgbt 1] [1 rgbt 1] } scale 1.1 } } }
#end

// The Parthenon: eight by seventeen Doric columns of Pentelic marble, 10.4 m
// tall, on a stylobate 31 x 70 m.
#declare T_Pent = texture {
  pigment { granite scale 3 color_map { [0 color rgb <0.93, 0.88, 0.78>] [0.6 color rgb <0.95, 0.90, 0.81>] [1 color rgb <0.86, 0.80, 0.70>] } }
  normal { granite 0.06 scale 0.4 }
  finish { ambient 0.07 diffuse 0.74 specular 0.12 roughness 0.06 }
}
object { DoricTemple(8, 17, 4.3, 0.95, 10.4, T_Pent, 1) rotate y * 90 translate <15, 71, -8> }

// The Propylaea at the west end: the gatehouse's Doric front of six columns.
union {
  object { DoricTemple(6, 4, 3.6, 0.78, 8.8, T_Pent, 1) rotate y * 90 }
  texture { T_Pent }
  translate <-118, 71, 6>
}
// The Erechtheion on the north side: a plain cella under a low gable with a
// porch of six columns at its east end.
union {
  box { <-12, 0, -6>, <10, 7.6, 6> }
  prism { linear_sweep linear_spline 0, 22.6, 4, <-6.6, 0>, <6.6, 0>, <0, 1.8>, <-6.6, 0>
    rotate -x * 90 translate <0, 7.6, 0> rotate y * 90 translate <10.3, 0, 0> }
  #for (I, 0, 5) cylinder { <10.2, 0, -5.2 + I * 2.08>, <12.8, 0, -5.2 + I * 2.08>, 0 } #end
  #for (I, 0, 5) cylinder { <12.2, 0, -5.2 + I * 2.08>, <12.2, 7.6, -5.2 + I * 2.08>, 0.42 } #end
  box { <10, 7.0, -6>, <12.8, 7.6, 6> }
  texture { T_Pent }
  translate <-30, 70.6, 45>
}
// Athens below: the plain and its houses, Lycabettus beyond.
Ground(T_DryGrass)
#declare Rnd = seed(11);
#for (I, 0, 260)
  #declare X = -700 + rand(Rnd) * 1500;
  #declare Z = -600 + rand(Rnd) * 1400;
  #declare R = sqrt(pow(X + 10, 2) + pow((Z - 4) * 1.8, 2));
  #if (R > 230 & sqrt(pow(X + 330, 2) + pow(Z + 250, 2)) > 150)
    box { <-4, 0, -3>, <4, 4 + rand(Rnd) * 3, 3> rotate y * rand(Rnd) * 90 translate <X, 0, Z>
      texture { T_Plaster } texture { pigment { rgbt <0.75, 0.55, 0.35, 0.6> } } }
  #end
#end
#for (I, 0, 60)
  object { Cypress(8 + rand(Rnd) * 6) translate <-450 + rand(Rnd) * 600, 0, -350 + rand(Rnd) * 250> }
#end
// Lycabettus, a steep cone to the north-east, and the mountains round the plain.
height_field {
  function 300, 300 { max(0, 1 - sqrt(pow(x - 0.5, 2) + pow(y - 0.5, 2)) * 2.4) * (0.9 + Grit(x * 3, y * 3, 0) * 0.1) }
  smooth translate <-0.5, 0, -0.5> scale <700, 220, 700> translate <900, -1, 1300>
  texture { slope { y } texture_map { [0.5 T_Rock] [0.8 T_DryGrass] [1 T_DryGrass] } }
}
// Hymettus and the hills round the plain, grey-green with scrub.
#declare T_Scrub = texture {
  pigment { bozo turbulence 0.8 scale 30 color_map { [0 color rgb <0.46, 0.42, 0.26>] [0.5 color rgb <0.58, 0.52, 0.34>] [1 color rgb <0.40, 0.40, 0.24>] } }
  normal { granite 0.5 scale 4 }
  finish { F_Ground }
}
FarHills(T_Scrub, 14000, 300, 0.13, 7)
