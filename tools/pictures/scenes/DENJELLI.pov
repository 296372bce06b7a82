// Jelling about 970, seen from the top of the south mound: below, the great
// runestone of King Harald with his father's smaller stone beside it, the
// new wooden church, and beyond it the north mound where Gorm was laid.
#declare SunAz = 215; #declare SunEl = 34; #declare HazeDist = 3500;
#declare SkyLow = rgb <0.72, 0.77, 0.84>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <9, 12.6, -70> look_at <0, 4.5, 0> angle 42 }
SunAndSky()
Clouds(1500, 0.25)
Ground(T_Grass)
FarHills(T_Grass, 6000, 35, 0.1, 6)

// A burial mound of turf: radius R, height H, a broad flattish top.
#macro Mound(R, H)
  lathe { cubic_spline 8,
    <0, H * 1.01>, <0, H>, <R * 0.3, H * 0.97>, <R * 0.6, H * 0.78>, <R * 0.82, H * 0.42>,
    <R * 0.95, H * 0.1>, <R * 1.02, -0.1>, <R * 1.05, -0.3>
    texture {
      pigment { bozo turbulence 0.6 scale 3 color_map { [0 color rgb <0.20, 0.33, 0.10>] [1 color rgb <0.30, 0.42, 0.14>] } }
      normal { granite 0.5 scale 0.4 }
      finish { F_Ground }
    }
  }
#end
object { Mound(32, 8.5) translate z * 82 }
object { Mound(35, 11) translate z * -80 }

// The runestones: Harald's great three-sided boulder and Gorm's slab.
#declare T_Rune = texture {
  pigment { granite scale 0.6 color_map { [0 color rgb <0.50, 0.46, 0.42>] [0.6 color rgb <0.62, 0.57, 0.52>] [1 color rgb <0.38, 0.35, 0.33>] } }
  normal { granite 0.5 scale 0.3 }
  finish { ambient 0.05 diffuse 0.75 }
}
// Painted bands of runes along the face.
#declare T_Paint = texture {
  pigment { gradient y scale 0.42 color_map { [0 rgbt 1] [0.8 rgbt 1] [0.8 rgbt <0.62, 0.12, 0.08, 0.2>] [0.9 rgbt <0.62, 0.12, 0.08, 0.2>] [0.9 rgbt 1] } }
  finish { ambient 0.05 diffuse 0.7 }
}
union {
  intersection {
    superellipsoid { <0.5, 0.4> scale <1.3, 1.25, 1.1> translate y * 1.1 }
    plane { y, 2.45 }
    plane { <0, -0.5, -1>, 1.05 rotate y * 20 }
  }
  texture { T_Rune } texture { T_Paint }
  rotate y * -15 translate <0.5, -0.1, -8>
}
superellipsoid { <0.3, 0.3> scale <0.6, 0.72, 0.28> translate <-3.2, 0.62, -8.5>
  texture { T_Rune } texture { T_Paint } }

// The wooden church: upright planks, a steep shingled roof, a small chancel.
#declare T_Plank = texture {
  pigment { gradient x scale 0.3 color_map { [0 color rgb <0.36, 0.25, 0.15>] [0.9 color rgb <0.44, 0.31, 0.19>] [1 color rgb <0.20, 0.14, 0.09>] } }
  normal { gradient x 0.4 scale 0.3 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Shingle = texture {
  pigment { gradient y scale 0.3 color_map { [0 color rgb <0.22, 0.17, 0.13>] [0.85 color rgb <0.32, 0.25, 0.19>] [1 color rgb <0.12, 0.09, 0.07>] } }
  finish { ambient 0.05 diffuse 0.7 }
}
#macro Gable(X0, X1, Y, W, H, T)
  #local G1 = vnormalize(<0, W, H>);
  #local G2 = vnormalize(<0, W, -H>);
  intersection {
    box { <X0, Y, -W>, <X1, Y + H, W> }
    plane { G1, vdot(G1, <0, Y + H, 0>) }
    plane { G2, vdot(G2, <0, Y + H, 0>) }
    texture { T }
  }
#end
union {
  box { <-7, 0, -3.5>, <7, 4, 3.5> texture { T_Plank rotate y * 90 } }
  box { <-7.05, 0, -3.55>, <7.05, 4, 3.55> texture { T_Plank } clipped_by { box { <-6.95, -1, -4>, <6.95, 5, 4> } } }
  Gable(-7.6, 7.6, 4, 4.3, 5.2, T_Shingle)
  box { <7, 0, -2.4>, <11.5, 3.4, 2.4> texture { T_Plank rotate y * 90 } }
  Gable(7, 11.9, 3.4, 3.0, 3.3, T_Shingle)
  // Gable ends of planks and the south door.
  intersection {
    box { <-7.02, 4, -3.5>, <7.02, 9.2, 3.5> }
    plane { vnormalize(<0, 4.3, 5.2>), vdot(vnormalize(<0, 4.3, 5.2>), <0, 9.2, 0>) - 0.3 }
    plane { vnormalize(<0, 4.3, -5.2>), vdot(vnormalize(<0, 4.3, -5.2>), <0, 9.2, 0>) - 0.3 }
    texture { T_Plank rotate y * 90 }
  }
  box { <-1.0, 0, -3.6>, <0.4, 2.6, -3.45> pigment { rgb <0.08, 0.06, 0.04> } }
  // A wooden cross over the west gable.
  union {
    box { <-0.08, 9.0, -0.08>, <0.08, 10.6, 0.08> }
    box { <-0.08, 9.9, -0.5>, <0.08, 10.1, 0.5> }
    translate x * -7.3 texture { T_Plank }
  }
  translate z * 6
}

// Farms and trees of the country round about.
#for (I, 0, 8)
  object { Tree(9 + mod(I * 3, 4), 4.5, I + 31) translate <-120 + I * 32 + mod(I * 13, 11), 0, 150 + mod(I * 7, 5) * 20> }
#end
#for (I, 0, 2)
  union {
    box { <-12, 0, -3>, <12, 2.2, 3> texture { T_Plank } }
    Gable(-12.5, 12.5, 2.2, 3.8, 3.6, texture { pigment { granite scale 2 color_map { [0 rgb <0.50, 0.42, 0.25>] [1 rgb <0.60, 0.51, 0.32>] } } finish { ambient 0.05 diffuse 0.7 } })
    rotate y * (20 + I * 35) translate <-70 + I * 60, 0, 120 + I * 25>
  }
#end
object { Person(rgb <0.50, 0.18, 0.15>) translate <2.4, 0, -9.5> }
