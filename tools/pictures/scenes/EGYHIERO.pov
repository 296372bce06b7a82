// A temple wall carved with columns of hieroglyphs in sunk relief, still
// bright with their paint, in the raking light of the afternoon.
#declare SunAz = 230; #declare SunEl = 30; #declare HazeDist = 4000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"
#include "glyphs.inc"

camera { location <-3.5, 1.6, -7> look_at <0.3, 2.6, 0> angle 62 }
SunAndSky()
Ground(T_Sand)
FarHills(T_Sand, 6000, 60, 0.1, 2)
#declare T_Wall = StoneTex(rgb <0.80, 0.66, 0.48>, rgb <0.86, 0.72, 0.54>, rgb <0.72, 0.58, 0.42>, 0.15)
#declare Paints = array[4] { rgb <0.10, 0.22, 0.55>, rgb <0.62, 0.15, 0.08>, rgb <0.85, 0.62, 0.15>, rgb <0.10, 0.40, 0.30> }
#declare Rnd = seed(31);
#declare Cols = 12;
#declare Rows = 8;
// The signs are cut 4 cm into the wall and painted.
difference {
  box { <-5, 0, 0>, <5, 6.5, 1.5> }
  #for (C, 0, Cols - 1)
    // Column dividers.
    box { <-4.6 + C * 0.75 - 0.015, 0.4, -0.1>, <-4.6 + C * 0.75 + 0.015, 6.1, 0.02> }
    #for (R, 0, Rows - 1)
      object { Glyph(int(rand(Rnd) * 10), 0.1) scale 0.55 translate <-4.6 + C * 0.75 + 0.375, 5.5 - R * 0.66, 0.04> pigment { Paints[int(rand(Rnd) * 4)] } }
    #end
  #end
  texture { T_Wall }
}
// The cornice with its cavetto and the torus moulding.
box { <-5.3, 6.5, -0.5>, <5.3, 7.2, 1.5> texture { T_Wall } }
cylinder { <-5.1, 6.45, -0.05>, <5.1, 6.45, -0.05>, 0.1 texture { T_Wall } }
box { <-5.2, -1, -1.5>, <5.2, 0.12, 0> texture { T_Limestone } Courses(0.5, 0.8, 0) }
// A column of the next hall, beyond the end of the wall.
cylinder { <7, 0, 3>, <7, 8, 3>, 0.9 texture { T_Wall } }
