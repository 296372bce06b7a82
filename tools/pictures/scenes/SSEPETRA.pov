// The Treasury at Petra, cut into the rose-red cliff, seen from the end of
// the Siq: the columned portico, the round kiosk between broken pediments.
#declare SunAz = 145; #declare SunEl = 62; #declare HazeDist = 3000;
#declare BouncePower = 0.3; #declare BounceTint = rgb <0.95, 0.66, 0.55>;
#declare SkyLow = rgb <0.80, 0.80, 0.80>;
#include "atlas.inc"

camera { location <-4, 1.7, -62> look_at <0, 20, 0> angle 56 }
SunAndSky()
// The floor of the Siq: sand washed down from the rose sandstone.
#declare T_RoseSand = texture {
  pigment { granite scale 3 color_map { [0 color rgb <0.64, 0.44, 0.36>] [0.5 color rgb <0.70, 0.50, 0.40>] [1 color rgb <0.58, 0.40, 0.33>] } }
  normal { bumps 0.35 scale <6, 1, 3> }
  finish { F_Ground }
}
Ground(T_RoseSand)
#declare T_Face = StoneTex(rgb <0.78, 0.48, 0.40>, rgb <0.84, 0.56, 0.46>, rgb <0.66, 0.40, 0.34>, 0.8)
#declare CN = function { pattern { granite turbulence 0.5 scale 0.3 } }
// The cliff face behind, with the facade recess, and the narrow walls of the Siq.
isosurface {
  function { -z + CN(x * 0.02, y * 0.02, 0) * 10 + 4 }
  contained_by { box { <-80, -1, -2>, <80, 120, 40> } }
  max_gradient 3
  texture { T_RoseRock }
}
#for (S, -1, 1, 2)
  isosurface {
    function { S * x - 7 + CN(0, y * 0.04, z * 0.03) * 6 - max(0, 20 - (z + 40)) * 0 }
    contained_by { box { <S * 30 - 25, -1, -130>, <S * 30 + 25, 110, -30> } }
    max_gradient 3
    texture { T_RoseRock }
  }
#end
// The facade, carved out of the cliff: lower order.
union {
  box { <-14, 0, -0.5>, <14, 1.2, 3> }
  #for (I, 0, 5)
    cylinder { <-10.5 + I * 4.2, 1.2, -1>, <-10.5 + I * 4.2, 12.5, -1>, 0.55 }
    cone { <-10.5 + I * 4.2, 12.5, -1>, 0.55, <-10.5 + I * 4.2, 13.4, -1>, 0.8 }
  #end
  box { <-13, 0, 0>, <13, 14, 3> }
  box { <-13.5, 13.4, -1.7>, <13.5, 15.5, 2> }
  prism { linear_sweep linear_spline 0, 2.5, 4, <-9.5, 0>, <9.5, 0>, <0, 4.2>, <-9.5, 0> rotate -x * 90 translate <0, 15.5, -1.6> }
  // Upper order: the tholos between two half-pediments.
  box { <-13, 19.7, 0>, <13, 21, 3> }
  cylinder { <0, 21, 0>, <0, 31, 0>, 3.4 }
  #for (I, 0, 7)
    cylinder { <0, 21, -4.0>, <0, 31, -4.0>, 0.4 rotate y * (I * 45 - 157.5) }
  #end
  cone { <0, 31, 0>, 4.2, <0, 33.5, 0>, 1.0 }
  // The urn.
  sphere { 0, 1 scale <1.1, 1.5, 1.1> translate y * 34.8 }
  #for (S, -1, 1, 2)
    box { <S * 6, 21, -1.6>, <S * 13, 30, 3> }
    #for (I, 0, 1)
      cylinder { <S * (7 + I * 4.5), 21, -1.7>, <S * (7 + I * 4.5), 30, -1.7>, 0.45 }
    #end
    prism { linear_sweep linear_spline 0, 4.5, 4, <0, 0>, <S * 7.5, 0>, <0, 2.5>, <0, 0> rotate -x * 90 translate <S * 5.5, 30, -1.8> }
  #end
  texture { T_Face }
}
// The doorway into the hall.
box { <-2, 1.2, -0.2>, <2, 9, 3.5> pigment { rgb 0.02 } }
