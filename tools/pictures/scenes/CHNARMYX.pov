// The terracotta army of the First Emperor in its pit: ranks of warriors
// between rammed-earth walls, as the pit stood open before it was roofed.
#declare SunAz = 170; #declare SunEl = 45; #declare HazeDist = 1500;
#include "atlas.inc"

camera { location <-3, 7.5, -14> look_at <2.5, 0.5, 4> angle 55 }
SunAndSky()
#declare T_Floor = texture { pigment { granite scale 0.6 color_map { [0 rgb <0.45, 0.38, 0.30>] [1 rgb <0.52, 0.44, 0.35>] } } finish { ambient 0.05 diffuse 0.75 } }
#declare T_Clay = texture {
  pigment { granite scale 0.2 color_map { [0 rgb <0.50, 0.42, 0.34>] [0.5 rgb <0.58, 0.50, 0.40>] [1 rgb <0.46, 0.38, 0.30>] } }
  normal { bumps 0.3 scale 0.03 }
  finish { ambient 0.05 diffuse 0.75 }
}
// The pit floor (5 m down) and the ground around.
plane { y, -0.01 texture { T_Floor } }
difference {
  box { <-200, -1, -200>, <200, 5, 200> }
  box { <-60, -2, -12>, <60, 6, 200> }
  texture { T_Earth }
}
FarHills(T_DryGrass, 6000, 120, 0.08, 3)
// Rammed-earth walls separating the corridors, with timber beams across the top.
#declare Cw = 3.2;
#for (I, -5, 5)
  box { <I * (Cw + 2) - 1, 0, -8>, <I * (Cw + 2) + 1, 3.6, 200> texture { T_Earth } }
#end
#declare T_Beam = texture { pigment { rgb <0.32, 0.22, 0.14> } normal { wood 0.3 scale 0.05 } finish { ambient 0.05 diffuse 0.7 } }
#for (I, -5, 4)
  #for (K, 0, 60)
    box { <I * (Cw + 2) + 1, 3.4, 18 + K * 0.45>, <I * (Cw + 2) + 1 + Cw, 3.8, 18 + K * 0.45 + 0.4> texture { T_Beam } }
  #end
#end
// A warrior: legs, armoured tunic, arms, head with a topknot.
#declare Rnd = seed(12);
#macro Warrior()
  #local Tilt = (rand(Rnd) - 0.5) * 10;
  union {
    box { <-0.35, 0, -0.2>, <0.35, 0.12, 0.2> }
    cylinder { <-0.12, 0.1, 0>, <-0.12, 0.85, 0>, 0.09 }
    cylinder { <0.12, 0.1, 0>, <0.12, 0.85, 0>, 0.09 }
    cone { <0, 0.75, 0>, 0.3, <0, 1.45, 0>, 0.24 }
    // Armour plates.
    cylinder { <0, 1.0, 0>, <0, 1.4, 0>, 0.27 texture { T_Clay } texture { pigment { gradient y color_map { [0 rgbt <0.2, 0.15, 0.1, 0.3>] [0.15 rgbt 1] [1 rgbt 1] } scale 0.08 } } }
    cylinder { <-0.32, 1.45, 0>, <-0.34, 1.0, -0.12>, 0.07 }
    cylinder { <0.32, 1.45, 0>, <0.34, 1.0, -0.12>, 0.07 }
    cylinder { <0, 1.42, 0>, <0, 1.55, 0>, 0.07 }
    sphere { 0, 1 scale <0.11, 0.13, 0.12> translate y * 1.65 }
    sphere { <0.04, 1.8, 0.02>, 0.05 }
    texture { T_Clay }
    rotate y * (180 + Tilt)
  }
#end
#for (I, -5, 4)
  #for (Row, 0, 22)
    #for (Col, 0, 3)
      object { Warrior() translate <I * (Cw + 2) + 1 + 0.4 + Col * 0.8, 0, -6 + Row * 1.5> }
    #end
  #end
#end
