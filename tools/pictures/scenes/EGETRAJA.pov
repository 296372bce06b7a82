// Trajan's Kiosk on the island of Philae, beside the Nile: an open hall of
// fourteen columns with flowered capitals and screen walls.
#declare SunAz = 220; #declare SunEl = 25; #declare HazeDist = 4000;
#declare SkyLow = rgb <0.86, 0.78, 0.66>;
#declare SunTint = rgb <1.0, 0.88, 0.72>;
#declare FillPower = 0.5; #declare BouncePower = 0.4;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-35, 2.5, -45> look_at <0, 10, 0> angle 58 }
SunAndSky()
Water(T_Water, 0)
// The island: granite boulders and a sandy shore.
#declare IslandF = function { pattern { bozo turbulence 0.7 scale 0.05 } }
height_field {
  function 300, 300 { min(1, max(0, 0.8 - sqrt(pow(x - 0.5, 2) + pow(y - 0.5, 2)) * 4) * 1.1 + IslandF(x, y, 0) * 0.1) }
  smooth translate <-0.5, -0.06, -0.5> scale <160, 10, 160> translate y * -1
  texture { T_Sand }
}
#declare Rnd = seed(5);
#for (I, 0, 25)
  #declare Ang = rand(Rnd) * 360;
  sphere { 0, 1 scale <3 + rand(Rnd) * 3, 1.2 + rand(Rnd) * 1.5, 3 + rand(Rnd) * 2> rotate <rand(Rnd) * 20, rand(Rnd) * 90, 0>
    translate <cos(radians(Ang)) * 30, 0, sin(radians(Ang)) * 30> texture { T_Granite scale 6 } texture { pigment { rgbt <0.25, 0.2, 0.18, 0.4> } } }
#end
// The far bank with palms and dunes.
box { <-3000, -1, 400>, <3000, 6, 3000> texture { T_Sand } }
FarHills(T_Sand, 9000, 120, 0.12, 2)
#for (I, 0, 40)
  object { Palm(10 + rand(Rnd) * 6, rand(Rnd) - 0.5, I) translate <-500 + I * 25, 6, 410 + rand(Rnd) * 30> }
#end
#for (I, 0, 5)
  object { Palm(9 + rand(Rnd) * 4, rand(Rnd) - 0.5, I + 50) translate <-35 + I * 14 + rand(Rnd) * 5, 5, 25 + rand(Rnd) * 8> }
#end

#declare T_Kiosk = StoneTex(rgb <0.84, 0.70, 0.52>, rgb <0.89, 0.76, 0.58>, rgb <0.76, 0.62, 0.46>, 0.5)
#declare Sx = 4.0; #declare Sz = 4.0;
#macro KioskColumn()
  union {
    cylinder { 0, y * 10.5, 0.75 }
    // A bell capital of papyrus and lotus, flaring out.
    cone { y * 10.5, 0.75, y * 13.2, 1.35 }
    torus { 1.0, 0.18 translate y * 12.0 }
    // The tall dado block above the capital.
    box { <-0.8, 13.2, -0.8>, <0.8, 15.6, 0.8> }
  }
#end
union {
  box { <-8.6, 3.6, -10.6>, <8.6, 4.2, 10.6> }
  #for (I, 0, 4)
    object { KioskColumn() translate <-8, 4.2, -10 + I * 5> }
    object { KioskColumn() translate <8, 4.2, -10 + I * 5> }
  #end
  #for (I, 1, 2)
    object { KioskColumn() translate <-8 + I * 16 / 3, 4.2, -10> }
    object { KioskColumn() translate <-8 + I * 16 / 3, 4.2, 10> }
  #end
  // Screen walls between the columns, half their height.
  box { <-8.3, 4.2, -10.3>, <8.3, 9.2, -9.7> }
  box { <-8.3, 4.2, 9.7>, <8.3, 9.2, 10.3> }
  box { <-8.3, 4.2, -10.3>, <-7.7, 9.2, 10.3> }
  box { <7.7, 4.2, -10.3>, <8.3, 9.2, 10.3> }
  // Doorways in the middle of the ends and sides.
  // Architrave all round.
  difference {
    box { <-9, 19.8, -11>, <9, 21.8, 11> }
    box { <-7.4, 19, -9.4>, <7.4, 22, 9.4> }
  }
  // The terrace and its steps down to the river.
  box { <-11, -1, -13>, <11, 3.6, 13> }
  #for (I, 0, 5) box { <-4, -1, -13 - I * 0.8>, <4, 3.6 - I * 0.6, -12.2 - I * 0.8> } #end
  texture { T_Kiosk }
  rotate y * 20
}
