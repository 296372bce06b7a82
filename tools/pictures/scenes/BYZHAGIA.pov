// Hagia Sophia as Justinian built it, seen from the west: the great shallow
// dome on its ring of forty windows over the west half-dome, the buttress
// towers, the plastered walls and the atrium before the front; the city's
// tiled roofs round it and the Bosporus beyond.
#declare SunAz = 200; #declare SunEl = 32; #declare HazeDist = 5000;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-190, 62, -150> look_at <0, 26, 0> angle 36 }
SunAndSky()
Clouds(2000, 0.3)
// The tip of the peninsula: land to the east shore, then the water and the
// hills of the Asian side.
box { <-3000, -1, -3000>, <420, 0, 3000> texture { T_Earth } }
// Their flat middle lowered below the water, which it would otherwise cover.
object { FarHills(T_DryGrass, 9000, 160, 0.16, 2) translate y * -1 }
Water(T_Water, -0.5)

#declare T_Wall = texture {
  pigment { granite scale 3 color_map { [0 rgb <0.84, 0.60, 0.48>] [1 rgb <0.90, 0.70, 0.56>] } }
  normal { bumps 0.1 scale 0.4 }
  finish { ambient 0.05 diffuse 0.75 }
}
#declare T_Lead = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.42, 0.44, 0.46>] [1 rgb <0.52, 0.54, 0.56>] } }
  normal { gradient y 0.3 scale 0.8 }
  finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.05 }
}
#declare Rd = 16;
// The houses of the city: whitewashed walls under red tile roofs.
#declare T_Tile = texture { pigment { granite scale 2 color_map { [0 rgb <0.62, 0.30, 0.18>] [1 rgb <0.72, 0.38, 0.22>] } } finish { ambient 0.05 diffuse 0.7 } }
#declare RndH = seed(31);
#for (I, 0, 1100)
  #declare X = -400 + rand(RndH) * 800; #declare Z = -350 + rand(RndH) * 700;
  #declare W = 6 + rand(RndH) * 6; #declare L = 8 + rand(RndH) * 8; #declare H = 5 + rand(RndH) * 5;
  // Keep the church, its atrium and the square in front of it clear.
  #if ((abs(X + 20) > 110 | abs(Z) > 70) & X < 400)
    union {
      box { <-W / 2, 0, -L / 2>, <W / 2, H, L / 2> texture { T_Plaster } }
      prism { linear_sweep linear_spline -L / 2 - 0.3, L / 2 + 0.3, 4, <-W / 2 - 0.4, 0>, <W / 2 + 0.4, 0>, <0, W * 0.3>, <-W / 2 - 0.4, 0>
        rotate -x * 90 translate y * H texture { T_Tile } }
      rotate y * (rand(RndH) * 30 - 15) translate <X, 0, Z>
    }
  #end
#end
#declare T_Band = texture { pigment { rgb <0.70, 0.52, 0.40> } finish { ambient 0.05 diffuse 0.75 } }
// Rows of arched windows along a wall facing -z, from X0 to X1 at height Y.
#macro Windows(X0, X1, Y, H, Step, Zf)
  #for (X, X0, X1, Step)
    union {
      box { <X - 0.8, Y, Zf - 0.3>, <X + 0.8, Y + H, Zf + 0.3> }
      cylinder { <X, Y + H, Zf - 0.3>, <X, Y + H, Zf + 0.3>, 0.8 }
      pigment { rgb 0.06 }
    }
  #end
#end
// The body of the church: aisles and galleries, with window rows.
union {
  box { <-40, 0, -34>, <40, 22, 34> texture { T_Wall } }
  box { <-40.2, 10.5, -34.2>, <40.2, 11.2, 34.2> texture { T_Band } }
  box { <-40.3, 21.5, -34.3>, <40.3, 22.3, 34.3> texture { T_Band } }
}
Windows(-36, 36, 3, 4, 4.5, -34)
Windows(-36, 36, 13.5, 4.5, 4.5, -34)
// The four great buttress towers on the north and south sides.
#for (S, -1, 1, 2)
  #for (X, -1, 1, 2)
    box { <X * 17 - 5, 0, S * 28 - 7>, <X * 17 + 5, 31, S * 28 + 7> texture { T_Wall } }
    box { <X * 17 - 5.3, 30.5, S * 28 - 7.3>, <X * 17 + 5.3, 31.3, S * 28 + 7.3> texture { T_Band } }
  #end
#end
// The central square under the dome, its north and south arches filled with windowed walls.
box { <-17, 22, -17>, <17, 34, 17> texture { T_Wall } }
box { <-17.3, 33.5, -17.3>, <17.3, 34.3, 17.3> texture { T_Band } }
Windows(-9, 9, 24, 5, 3.6, -17)
#for (I, -2, 2)
  union { box { <I * 3.6 - 0.7, 24, 16.7>, <I * 3.6 + 0.7, 29, 17.3> } pigment { rgb 0.06 } }
#end
// East and west half-domes leaning on the central square, with small exedrae.
#for (S, -1, 1, 2)
  difference {
    sphere { 0, 1 scale <Rd, Rd * 0.8, Rd> }
    plane { x * S, 0 }
    plane { y, 0 }
    translate <S * 17, 22, 0>
    texture { T_Lead }
  }
  #for (K, -1, 1, 2)
    difference {
      sphere { 0, 1 scale <8, 6.5, 8> }
      plane { y, 0 }
      translate <S * 30, 15, K * 11>
      texture { T_Lead }
    }
  #end
#end
// The drum with forty windows and buttresses between them.
union {
  difference {
    cylinder { <0, 34, 0>, <0, 38, 0>, Rd + 0.5 }
    #for (I, 0, 39)
      box { <-0.6, 34.6, 0>, <0.6, 37.6, Rd + 2> rotate y * (I * 9) pigment { rgb 0.06 } }
    #end
  }
  #for (I, 0, 39)
    box { <-0.35, 34, Rd>, <0.35, 38, Rd + 1.6> rotate y * (I * 9 + 4.5) }
  #end
  texture { T_Wall }
}
// The great shallow dome, ribbed under its lead.
intersection {
  sphere { 0, 1 scale <Rd + 1, 12, Rd + 1> translate y * 37.5 }
  plane { -y, -37.5 }
  texture { T_Lead }
}
cylinder { <0, 49.3, 0>, <0, 52, 0>, 0.25 pigment { rgb <0.8, 0.65, 0.3> } finish { specular 0.6 metallic } }
box { <-1.2, 51, -0.15>, <1.2, 51.3, 0.15> pigment { rgb <0.8, 0.65, 0.3> } finish { specular 0.6 metallic } }
// The atrium before the west front, with its colonnade.
difference {
  box { <-85, 0, -30>, <-40, 9, 30> }
  box { <-81, -1, -26>, <-44, 10, 26> }
  texture { T_Wall }
}
#for (I, 0, 9)
  box { <-84.3 + I * 4.5, 0, -30.3>, <-82.7 + I * 4.5, 6.5, -29.7> pigment { rgb 0.06 } }
#end
