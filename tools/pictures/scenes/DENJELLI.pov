// Jelling about 970, seen from the west: the two great mounds, the new
// wooden church between them, before it the great runestone of King Harald
// with his father's smaller stone, and the standing stones of the ship
// setting running across the field.
#declare SunAz = 215; #declare SunEl = 34; #declare HazeDist = 3500;
#declare SkyLow = rgb <0.72, 0.77, 0.84>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-14, 2.2, -30> look_at <-3, 3.4, 0> angle 44 }
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
// Runes cut in lines between framing bands and painted red: short upright
// strokes with side twigs, a word divider now and then.
#declare RuneF = function { pattern { bozo scale <0.05, 0.4, 0.05> } }
#declare T_Paint = texture {
  pigment {
    function {
      select(abs(mod(abs(y) + 10, 0.36) - 0.34) - 0.012, 1,
        select(abs(mod(abs(y) + 10, 0.36) - 0.17) - 0.11, 0.75 * (1 - min(1, abs(mod(x * 0.8 + z * 0.6 + 10, 0.075) - 0.037) / 0.008)) * select(RuneF(x, y, z) - 0.42, 0, 1), 0))
    }
    color_map { [0 rgbt 1] [0.5 rgbt <0.66, 0.10, 0.07, 0.5>] [1 rgbt <0.66, 0.10, 0.07, 0.05>] }
  }
  finish { ambient 0.05 diffuse 0.7 }
}
// Harald's stone: a great three-sided granite boulder, about 2.4 m tall,
// its inscribed face dressed flat towards the church's south side.
union {
  // Three faces leaning in, the edges and the top rounded off.
  intersection {
    plane { <0, 0.22, -1>, 0.9 }
    plane { <0.87, 0.22, 0.5>, 0.9 }
    plane { <-0.87, 0.22, 0.5>, 0.9 }
    sphere { <0, 0.6, 0>, 2.05 }
    sphere { <0, -0.2, 0>, 2.75 }
    plane { -y, 0 }
  }
  texture { T_Rune } texture { T_Paint }
  rotate y * 25 translate <0.5, -0.1, -8>
}
// Gorm's stone: a slab with a rounded top, its runes in a band down the face.
intersection {
  box { <-0.5, 0, -0.2>, <0.5, 1.5, 0.2> }
  cylinder { <0, 0.7, -1>, <0, 0.7, 1>, 0.8 }
  texture { T_Rune } texture { T_Paint }
  rotate y * 25 translate <-3.4, 0, -8.5>
}

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

// The ship setting: a pointed oval of standing stones, over 300 m long,
// running north and south through the mounds.
#declare RndS = seed(77);
#for (I, 0, 150)
  #declare T = I * 2 * pi / 150;
  #declare P = <48 * sin(T) * (1 - 0.35 * pow(cos(T), 2)), 0, 170 * cos(T)>;
  #if (abs(P.z) > 112 | abs(abs(P.z) - 81) > 40)
    box { <-0.35, -0.5, -0.25>, <0.35, 1.2 + rand(RndS) * 0.8, 0.25>
      rotate <rand(RndS) * 6 - 3, rand(RndS) * 180, rand(RndS) * 6 - 3> translate P texture { T_Rune } }
  #end
#end
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

