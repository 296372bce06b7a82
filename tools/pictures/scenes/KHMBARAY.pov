// A great baray of Angkor at evening: the long reservoir between its
// embankments, the island temple with its tower in the middle, sugar palms.
#declare SunAz = 260; #declare SunEl = 16; #declare HazeDist = 3500; #declare HazeAlt = 150;
#declare SkyLow = rgb <0.90, 0.74, 0.58>;
#declare SunTint = rgb <1.0, 0.82, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-50, 5, 50> look_at <0, 14, 250> angle 50 }
SunAndSky()
Clouds(2000, 0.35)
Water(T_Water, 0)
// Embankments on either side and the far shore, under forest.
box { <-2000, -2, 0>, <2000, 3, 30> texture { T_Grass } }
box { <-2000, -2, 900>, <2000, 4, 3000> texture { T_Grass } }
#declare Rnd = seed(3);
#for (I, 0, 120)
  object { Tree(14 + rand(Rnd) * 8, 7, I) translate <-1200 + I * 20 + rand(Rnd) * 10, 4, 905 + rand(Rnd) * 40> }
#end
#declare T_Laterite = StoneTex(rgb <0.55, 0.35, 0.25>, rgb <0.62, 0.41, 0.30>, rgb <0.46, 0.29, 0.21>, 0.5)
#declare T_Sandst = StoneTex(rgb <0.62, 0.58, 0.50>, rgb <0.70, 0.66, 0.57>, rgb <0.54, 0.50, 0.44>, 0.4)
// A prasat tower: stepped tiers narrowing to a lotus bud.
#macro Prasat(W, H)
  union {
    box { <-W / 2, 0, -W / 2>, <W / 2, H * 0.4, W / 2> }
    // Porches.
    box { <-W * 0.2, 0, -W * 0.75>, <W * 0.2, H * 0.3, W * 0.75> }
    box { <-W * 0.75, 0, -W * 0.2>, <W * 0.75, H * 0.3, W * 0.2> }
    #for (I, 0, 5)
      #local S = W * (0.55 - I * 0.08);
      superellipsoid { <0.6, 0.3> scale <S, H * 0.06, S> translate y * (H * 0.44 + I * H * 0.085) }
    #end
    sphere { 0, 1 scale <W * 0.12, H * 0.1, W * 0.12> translate y * H * 0.95 }
  }
#end
// The island: a square terrace with corner towers and the central tower.
union {
  box { <-45, -1, -45>, <45, 2.5, 45> texture { T_Laterite } }
  difference {
    box { <-40, 2.5, -40>, <40, 6, 40> }
    box { <-38, 2, -38>, <38, 7, 38> }
    texture { T_Laterite }
  }
  #for (X, -1, 1, 2) #for (Z, -1, 1, 2)
    object { Prasat(6, 14) translate <X * 40, 2.5, Z * 40> texture { T_Sandst } }
  #end #end
  object { Prasat(7, 16) translate <0, 2.5, -40> texture { T_Sandst } }
  box { <-16, 2.5, -16>, <16, 6, 16> texture { T_Sandst } }
  object { Prasat(12, 30) translate y * 6 texture { T_Sandst } }
  translate z * 250
}
// Angkor's towers over the trees far beyond.
#for (I, -2, 2)
  object { Prasat(14 - abs(I) * 3, 60 - abs(I) * 16) translate <600 + I * 40, 0, 1400 + abs(I) * 30> texture { T_Sandst } }
#end
// Sugar palms on the near embankment.
#for (I, 0, 9)
  object { Palm(13 + rand(Rnd) * 5, rand(Rnd) - 0.5, I) translate <-160 + I * 18 + rand(Rnd) * 6, 3, 15> }
#end
