// Inside the Pantheon: the coffered dome, the open oculus and its circle of
// sunlight on the dome, the marble floor and the niches of the drum.
#declare SunAz = 180; #declare SunEl = 58;
#include "atlas.inc"

camera { location <0, 7, -19> look_at <0, 25, 8> angle 78 }
#declare R = 21.7;
SunAndSky()
// Lights inside: the sky seen through the oculus and the door, diffuse.
light_source { <0, 35, 0> color rgb <0.55, 0.58, 0.65> shadowless fade_distance 25 fade_power 1 }
light_source { <0, 4, -30> color rgb <0.35, 0.32, 0.28> shadowless }

#declare T_Coffer = texture { T_Plaster }
#declare T_FloorM = texture {
  pigment { checker color rgb <0.55, 0.30, 0.22>, color rgb <0.80, 0.76, 0.68> scale 2.4 }
  finish { ambient 0.04 diffuse 0.6 specular 0.3 roughness 0.02 reflection 0.06 }
}
// Floor.
plane { y, 0 texture { T_FloorM } }
// The drum: a cylinder wall with niches, columns in front of them.
difference {
  cylinder { <0, 0, 0>, <0, R, 0>, R + 3 }
  cylinder { <0, -1, 0>, <0, R + 1, 0>, R }
  #for (I, 0, 7)
    #if (I != 0)
      box { <-4.5, -1, R - 3>, <4.5, 12, R + 1> rotate y * (I * 45 + 180) }
    #end
  #end
  // The doorway behind the camera.
  box { <-3.5, -1, -R - 4>, <3.5, 12, -R + 1> }
  texture { T_WarmMarble }
}
// Coloured marble panels and the attic band.
#for (I, 0, 15)
  box { <-1.6, 12.8, R - 0.1>, <1.6, 15.5, R> rotate y * (I * 22.5 + 11.25) pigment { rgb <0.40, 0.30, 0.35> } finish { specular 0.4 } }
#end
#for (I, 1, 7)
  #for (S, -1, 1, 2)
    cylinder { <S * 3.2, 0, R - 2.2>, <S * 3.2, 11.5, R - 2.2>, 0.55 rotate y * (I * 45 + 180) pigment { rgb <0.80, 0.70, 0.45> } finish { specular 0.3 } }
  #end
  box { <-4.5, 11.5, R - 3>, <4.5, 12.5, R> rotate y * (I * 45 + 180) texture { T_WarmMarble } }
#end
// The hemispherical dome with five rings of 28 coffers and the oculus.
difference {
  sphere { <0, R, 0>, R + 2 }
  sphere { <0, R, 0>, R }
  plane { y, R }
  cylinder { <0, R, 0>, <0, 2 * R + 5, 0>, 4.5 }
  #for (Ring, 0, 4)
    #declare E0 = 4 + Ring * 12;
    #for (I, 0, 27)
      box { <-1, -1, 0>, <1, 1, 1.3> scale <R * 0.085 * cos(radians(E0 + 5)), R * 0.085, 1>
        translate z * (R - 0.55) rotate x * -(E0 + 5) rotate y * (I * 360 / 28) translate y * R }
    #end
  #end
  texture { T_Coffer }
}
