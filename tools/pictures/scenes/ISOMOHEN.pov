// Mohenjo-daro: the Great Bath of fired brick with its stairs, the
// colonnade and rooms around it, and the walls of the citadel mound.
#declare SunAz = 150; #declare SunEl = 42; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.84, 0.80, 0.72>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-4, 13, -21> look_at <0, -1, 0> angle 58 }
SunAndSky()
Clouds(2000, 0.2)
// The plain of the Indus below the mound.
plane { y, -12 texture { T_DryGrass } }
FarHills(T_DryGrass, 8000, 60, 0.08, 6)
// The citadel mound with brick retaining walls.
difference {
  box { <-150, -12, -120>, <150, 0, 150> }
  box { <-6.01, -2.41, -5.9>, <6.01, 1, 5.9> }
  texture { T_Earth }
}
// Its brick revetment, seen on the edge of the mound.
box { <-150.1, -12, -120.1>, <150.1, -0.2, -119.9> texture { T_MudBrick scale 1.5 } }
#declare T_Fired = texture { T_Brick scale 1.6 }
// The bath: 12 x 7 m, 2.4 m deep, with steps at both ends.
difference {
  box { <-9, -3, -6.5>, <9, 0.6, 6.5> }
  box { <-6, -2.4, -3.5>, <6, 1, 3.5> }
  #for (S, -1, 1, 2)
    #for (I, 0, 7)
      box { <-1.2, -0.3 * I, S * 3.5 - 0.1 * S>, <1.2, 1, S * (3.5 + 2.2 - I * 0.28)> }
    #end
  #end
  texture { T_Fired }
}
// Water in the bath.
box { <-6, -2.4, -3.5>, <6, -0.5, 3.5> texture { T_Water } interior { ior 1.33 } }
// The corridor of brick piers around it and the rooms beyond.
#for (I, 0, 8)
  box { <-8 + I * 2, 0.6, -6.3>, <-7.4 + I * 2, 3.4, -5.7> texture { T_Fired } }
  box { <-8 + I * 2, 0.6, 5.7>, <-7.4 + I * 2, 3.4, 6.3> texture { T_Fired } }
#end
#for (I, 0, 5)
  box { <-8.8, 0.6, -6 + I * 2.4>, <-8.2, 3.4, -5.4 + I * 2.4> texture { T_Fired } }
  box { <8.2, 0.6, -6 + I * 2.4>, <8.8, 3.4, -5.4 + I * 2.4> texture { T_Fired } }
#end
// Rooms: low brick walls of the blocks around the bath.
#declare Rnd = seed(14);
#for (I, 0, 16)
  #declare P = <-30 + rand(Rnd) * 60, 0, 10 + rand(Rnd) * 40>;
  difference {
    box { <-3, 0, -2.5>, <3, 2 + rand(Rnd) * 3, 2.5> }
    box { <-2.6, 0.3, -2.1>, <2.6, 8, 2.1> }
    box { <-0.6, 0.3, -3>, <0.6, 2.2, 0> }
    translate P
    texture { T_Fired }
  }
#end
// The granary's high platform and the drain.
box { <18, 0, -8>, <34, 6, 8> texture { T_Fired } }
box { <9, 0.5, -0.4>, <18, 0.61, 0.4> pigment { rgb 0.15 } }
