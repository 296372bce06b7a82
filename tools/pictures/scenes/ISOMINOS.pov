// The palace of Knossos: storeys of rooms around the central court, red
// columns tapering downwards under black capitals, horns of consecration.
#declare SunAz = 200; #declare SunEl = 40; #declare HazeDist = 4000;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-42, 11, -46> look_at <2, 7, 8> angle 62 }
SunAndSky()
Clouds(2000, 0.25)
Ground(T_DryGrass)
FarHills(T_DryGrass, 8000, 300, 0.08, 6)

#declare T_Wall = StoneTex(rgb <0.86, 0.76, 0.58>, rgb <0.90, 0.82, 0.66>, rgb <0.78, 0.68, 0.52>, 0.6)
#declare T_Red = texture { pigment { rgb <0.60, 0.10, 0.06> } finish { ambient 0.05 diffuse 0.7 specular 0.1 } }
#declare T_Black = texture { pigment { rgb <0.05, 0.04, 0.04> } finish { ambient 0.05 diffuse 0.7 } }

// A Minoan column: wider at the top, with a cushion capital.
#macro MinoanColumn(H)
  union {
    cone { 0, 0.28, y * H * 0.85, 0.40 texture { T_Red } }
    torus { 0.45, 0.16 translate y * H * 0.9 texture { T_Black } }
    box { <-0.55, H * 0.93, -0.55>, <0.55, H, 0.55> texture { T_Black } }
  }
#end
#macro Horns()
  union {
    box { <-0.8, 0, -0.2>, <0.8, 0.4, 0.2> }
    cylinder { <-0.6, 0, 0>, <-0.75, 1.1, 0>, 0.18 }
    cylinder { <0.6, 0, 0>, <0.75, 1.1, 0>, 0.18 }
    texture { T_Wall }
  }
#end
// A wing: a block of Storeys storeys with a colonnaded front facing -z.
#macro Wing(W, D, Storeys, Cols)
  union {
    #for (S, 0, Storeys - 1)
      #local Y = S * 4;
      box { <-W / 2, Y, 1.5>, <W / 2, Y + 4, D> texture { T_Wall } }
      box { <-W / 2 - 0.2, Y + 3.5, -0.3>, <W / 2 + 0.2, Y + 4.1, D + 0.2> texture { T_Wall } }
      // Red and blue band under the roof of each storey.
      box { <-W / 2 - 0.25, Y + 3.2, -0.35>, <W / 2 + 0.25, Y + 3.5, -0.25> texture { T_Red } }
      #if (Cols)
        #for (I, 0, Cols - 1)
          object { MinoanColumn(3.5) translate <-W / 2 + (I + 0.5) * W / Cols, Y, 0.2> }
        #end
      #else
        #for (I, 0, 3)
          box { <-W / 2 + 1 + I * W / 4, Y + 1.2, 1.4>, <-W / 2 + 2.2 + I * W / 4, Y + 2.8, 1.6> texture { T_Black } }
        #end
      #end
    #end
    #for (I, 0, 3)
      object { Horns() translate <-W / 2 + (I + 0.5) * W / 4, Storeys * 4 + 0.1, 0.5> }
    #end
  }
#end
// The central court, paved, and wings around it.
box { <-15, -1, -25>, <15, 0.1, 25> texture { T_Limestone scale 1.5 } Courses(1.5, 1.5, 0) }
object { Wing(24, 12, 3, 6) rotate y * -90 translate <27, 0, 0> }
object { Wing(30, 10, 2, 0) translate <0, 0, 26> }
object { Wing(18, 14, 2, 4) rotate y * 90 translate <-27, 0, 8> }
object { Wing(20, 10, 3, 5) translate <12, 0, 38> }
// The west wing with a grand staircase before it.
object { Wing(12, 10, 2, 3) rotate y * 90 translate <-24, 0, -18> }
#for (I, 0, 9)
  box { <-30 - I * 0.6, 0, -34>, <-17, 0.35 * (10 - I), -28> texture { T_Wall } }
#end
#declare Rnd = seed(9);
#for (I, 0, 20)
  object { Cypress(8 + rand(Rnd) * 5) translate <-80 + rand(Rnd) * 160, 0, 55 + rand(Rnd) * 40> }
#end
#for (I, 0, 10)
  object { Tree(5, 3, I) translate <-90 + rand(Rnd) * 40, 0, -40 + rand(Rnd) * 80> }
#end
