// The pyramids of Giza in their white casing, from the desert to the south-west.
#declare SunAz = 120; #declare SunEl = 32; #declare HazeDist = 9000;
#declare SkyLow = rgb <0.86, 0.80, 0.70>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-420, 6, -560> look_at <60, 80, 250> angle 30 }
SunAndSky()

// Sand in long low dunes.
height_field {
  function 300, 300 { pattern { bozo turbulence 0.3 octaves 3 scale <0.25, 1, 0.12> } }
  smooth translate <-0.5, 0, -0.5> scale <6000, 9, 6000> translate y * -3
  texture { T_Sand }
}

#declare T_Casing = StoneTex(rgb <0.92, 0.87, 0.76>, rgb <0.95, 0.91, 0.82>, rgb <0.86, 0.80, 0.68>, 3)
// Khufu, Khafre and Menkaure on their diagonal.
object { Pyramid(230, 146) rotate y * 0 translate <300, 0, 500> texture { T_Casing } }
object { Pyramid(215, 143) translate <30, 8, 250> texture { T_Casing } }
object { Pyramid(103, 65) translate <-180, 2, 20> texture { T_Casing } }
// Queens' pyramids.
#for (I, 0, 2)
  object { Pyramid(44, 29) translate <-130 + I * 55, 0, -75> texture { T_Limestone } }
#end
// A causeway towards the valley.
box { <-4, 0, -600>, <4, 2.5, 150> rotate y * -12 translate <-40, 0, 0> texture { T_Limestone } }
