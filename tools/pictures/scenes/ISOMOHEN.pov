// Mohenjo-daro: the Great Bath of fired brick with its stairs, the
// colonnade and rooms around it, and the walls of the citadel mound.
#declare SunAz = 150; #declare SunEl = 42; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.84, 0.80, 0.72>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-5, 19, -19> look_at <0, -1, 1> angle 56 }
SunAndSky()
Clouds(2000, 0.2)
// The plain of the Indus below the mound.
plane { y, -12 texture { T_DryGrass } }
// The hills round the plain; their flat middle lowered to the plain, below
// the mound (it would otherwise lie across the bath like a lawn).
object { FarHills(T_DryGrass, 8000, 60, 0.08, 6) translate y * -12 }
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
// Water in the bath: still, dark in the brick tank, reflecting little of
// the pale sky seen this steeply.
#declare T_BathWater = texture {
  pigment { color rgb <0.06, 0.16, 0.18> }
  normal { waves 0.05 frequency 2 turbulence 0.4 scale <3, 1, 2> }
  finish { ambient 0.02 diffuse 0.2 specular 0.6 roughness 0.005 reflection { 0.03, 0.5 fresnel on } conserve_energy }
}
box { <-6, -2.4, -3.5>, <6, -0.5, 3.5> texture { T_BathWater } interior { ior 1.33 } }
// The corridor of brick piers around it and the rooms beyond.
#for (I, 0, 8)
  box { <-8 + I * 2, 0.6, -6.3>, <-7.4 + I * 2, 3.4, -5.7> texture { T_Fired } }
  box { <-8 + I * 2, 0.6, 5.7>, <-7.4 + I * 2, 3.4, 6.3> texture { T_Fired } }
#end
#for (I, 0, 5)
  box { <-8.8, 0.6, -6 + I * 2.4>, <-8.2, 3.4, -5.4 + I * 2.4> texture { T_Fired } }
  box { <8.2, 0.6, -6 + I * 2.4>, <8.8, 3.4, -5.4 + I * 2.4> texture { T_Fired } }
#end
// The verandah round the bath: an outer wall with doorways, and a flat roof
// of timber and mud plaster carried on the piers, open over the water.
#declare T_MudRoof = texture { T_Mud scale 0.5 }
difference {
  box { <-10.6, 0.6, -8.2>, <10.6, 3.4, 8.2> }
  box { <-10.2, 0.5, -7.8>, <10.2, 4, 7.8> }
  #for (X, -1, 1) box { <X * 6 - 0.7, 0.61, -9>, <X * 6 + 0.7, 2.7, 9> } #end
  texture { T_Fired }
}
difference {
  box { <-10.6, 3.4, -8.2>, <10.6, 3.75, 8.2> }
  box { <-8.2, 3, -5.7>, <8.2, 4, 5.7> }
  texture { T_MudRoof }
}
// The blocks of the town round it: brick houses with flat roofs and a low
// parapet, their doors on the lanes.
#declare Rnd = seed(14);
#for (I, 0, 16)
  #declare P = <-30 + rand(Rnd) * 60, 0, 12 + rand(Rnd) * 40>;
  #declare Hh = 2.6 + rand(Rnd) * 2.4;
  union {
    difference {
      box { <-3, 0, -2.5>, <3, Hh + 0.5, 2.5> }
      box { <-2.8, Hh + 0.25, -2.3>, <2.8, Hh + 1, 2.3> }
      box { <-0.6, 0.3, -3>, <0.6, 2.2, 0> }
      texture { T_Fired }
    }
    box { <-2.85, Hh, -2.35>, <2.85, Hh + 0.25, 2.35> texture { T_MudRoof } }
    translate P
  }
#end
// The granary's high platform and the drain.
box { <18, 0, -8>, <34, 6, 8> texture { T_Fired } }
box { <9, 0.5, -0.4>, <18, 0.61, 0.4> pigment { rgb 0.15 } }
