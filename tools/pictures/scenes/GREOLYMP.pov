// Olympia: the temple of Zeus in the Altis among its trees, and beyond it the
// long stadium with its earth banks, below the hill of Kronos.
#declare SunAz = 150; #declare SunEl = 34; #declare HazeDist = 5000;
#declare FillPower = 0.55; #declare BouncePower = 0.32;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-95, 22, -75> look_at <20, 6, 40> angle 60 }
SunAndSky()
Clouds(2000, 0.25)
Ground(T_DryGrass)
FarHills(T_Grass, 8000, 260, 0.07, 4)
// The hill of Kronos, wooded, north of the sanctuary.
sphere { 0, 1 scale <160, 70, 90> translate <-20, -10, 260> texture { T_Grass scale 3 } }

#declare T_Shell = StoneTex(rgb <0.84, 0.80, 0.70>, rgb <0.90, 0.86, 0.77>, rgb <0.76, 0.72, 0.62>, 0.8)
object { DoricTemple(6, 13, 5.2, 1.1, 10.4, T_Shell, 1) rotate y * 90 translate <0, 0, 30> }
// The stadium: a flat running track between long grassy banks, stone sills
// at either end, entered through a vaulted tunnel.
#declare Sx = 120;
union {
  box { <Sx - 20, -1, 28>, <Sx + 200, 0.05, 58> texture { T_Sand } }
  #for (S, 0, 1)
    prism { linear_sweep linear_spline 0, 220, 4, <0, 0>, <18, 0>, <18, 7>, <0, 0>
      rotate z * 0 rotate -x * 90 scale <1, 1, 1>
      #if (S = 0) scale <1, 1, -1> translate <0, 0, 0> #end
      texture { T_Grass } rotate y * 90 translate <Sx - 20, 0, (S = 0 ? 28 : 58)> }
  #end
  box { <Sx - 18, 0, 30>, <Sx - 17.5, 0.3, 56> texture { T_Limestone } }
}
// The tunnel entrance to the stadium.
difference {
  box { <Sx - 26, 0, 36>, <Sx - 20, 7, 50> }
  union { box { <Sx - 27, -1, 40.5>, <Sx - 19, 3.5, 45.5> } cylinder { <Sx - 27, 3.5, 43>, <Sx - 19, 3.5, 43>, 2.5 } }
  texture { T_Shell }
}
// Treasuries on a terrace, the altar, plane trees and olives of the Altis.
#for (I, 0, 5)
  box { <30 + I * 12, 0, 75>, <38 + I * 12, 7, 85> texture { T_Shell } }
  prism { linear_sweep linear_spline 0, 10, 4, <-4.3, 0>, <4.3, 0>, <0, 2>, <-4.3, 0> rotate -x * 90 translate <34 + I * 12, 7, 85> pigment { rgb <0.6, 0.3, 0.18> } }
#end
#declare Rnd = seed(17);
#for (I, 0, 40)
  #declare P = <-120 + rand(Rnd) * 240, 0, -40 + rand(Rnd) * 130>;
  #if (abs(P.x) > 26 | abs(P.z - 30) > 42)
    #if (P.x < Sx - 30 | P.z < 20 | P.z > 70)
      object { Tree(7 + rand(Rnd) * 5, 4, I) translate P }
    #end
  #end
#end
