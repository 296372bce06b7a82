// Delphi: the temple of Apollo on its terrace on the slope of Parnassus,
// under the Phaedriades cliffs, the olive valley below.
#declare SunAz = 160; #declare SunEl = 36; #declare HazeDist = 4500; #declare HazeAlt = 250;
#declare FillPower = 0.55; #declare BouncePower = 0.32;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-115, 46, -150> look_at <0, 128, 60> angle 58 }
SunAndSky()
Clouds(2500, 0.3)
// The mountainside rising north (+z): the sanctuary's slope, then the two
// sheer faces of the Phaedriades, split by the Castalian gorge.
#declare SlopeN = function { pattern { granite scale 0.4 } }
#declare Gorge = function(X) { 1 - 0.55 * exp(-pow((X - 95) / 22, 2)) }
#declare Slope = function(X, Z) {
  max(0, Z + 200) * 0.28
  + 230 * (0.85 + 0.2 * sin(X / 130 + 1)) * min(1, max(0, (Z - 105 - 8 * sin(X / 23)) / 22)) * Gorge(X)
  + max(0, Z - 130) * 0.25
}
#declare T_Phaed = texture {
  pigment {
    gradient x turbulence <0.5, 0.1, 0.5> octaves 4 scale <14, 90, 14>
    color_map {
      [0.0 color rgb <0.62, 0.50, 0.42>] [0.3 color rgb <0.74, 0.62, 0.52>]
      [0.55 color rgb <0.56, 0.52, 0.48>] [0.8 color rgb <0.70, 0.58, 0.47>] [1.0 color rgb <0.62, 0.50, 0.42>]
    }
  }
  normal { granite 0.8 scale <4, 12, 4> }
  finish { ambient 0.07 diffuse 0.75 }
}
#declare T_Maquis = texture {
  pigment { bozo turbulence 0.8 scale 6 color_map { [0 color rgb <0.36, 0.38, 0.20>] [0.5 color rgb <0.55, 0.50, 0.30>] [1 color rgb <0.44, 0.42, 0.24>] } }
  normal { granite 0.5 scale 1 }
  finish { F_Ground }
}
height_field {
  function 600, 600 { min(1, (Slope(x * 1600 - 800, (1 - y) * 1600 - 800) + SlopeN(x, y, 0) * 12) / 500) }
  smooth translate <-0.5, 0, -0.5> scale <1600, 500, 1600>
  texture {
    slope { y }
    texture_map {
      [0.0 T_Phaed]
      [0.78 T_Phaed]
      [0.86 T_Maquis]
      [1.0 T_Maquis]
    }
  }
}
// Valley floor far below.
plane { y, 0 texture { T_DryGrass } }
FarHills(T_DryGrass, 12000, 600, 0.1, 9)

#declare T_Poros = StoneTex(rgb <0.82, 0.78, 0.68>, rgb <0.88, 0.84, 0.75>, rgb <0.74, 0.70, 0.60>, 0.8)
// Temple terrace: a polygonal retaining wall.
#declare Ty = (20 + 200) * 0.28 + 3;
box { <-45, Ty - 14, -10>, <45, Ty, 30> texture { T_Poros } Courses(1.0, 1.8, 0) }
object { DoricTemple(6, 15, 4.2, 0.9, 10.5, T_Poros, 1) rotate y * 90 translate <0, Ty, 10> }
// The theatre on the slope above the temple, to the north-west: tiers of
// seats in a half ring facing south.
#declare ThY = Slope(-45, 60);
#for (I, 0, 11)
  difference {
    cylinder { <0, -4, 0>, <0, I * 1.1, 0>, 8 + I * 2.2 }
    cylinder { <0, -5, 0>, <0, I * 1.1 + 1, 0>, 6 + I * 2.2 }
    plane { z, 0 }
    translate <-45, ThY - 10, 48>
    texture { T_Poros }
  }
#end
// Treasuries along the Sacred Way below the temple: small temples in antis.
#for (I, 0, 3)
  #declare Px = -70 + I * 24; #declare Pz = -42 - I * 6;
  object { DoricTemple(2, 3, 3.2, 0.35, 4.2, T_Poros, 1) translate <Px, Slope(Px, Pz) - 1, Pz> }
#end
#declare Rnd = seed(21);
#for (I, 0, 260)
  #declare Px = -400 + rand(Rnd) * 800;
  #declare Pz = -300 + rand(Rnd) * 390;
  #if ((Pz < -60 | abs(Px) > 60) & vlength(<Px + 45, 0, Pz - 48>) > 38)
    object { Tree(5 + rand(Rnd) * 3, 3, I) translate <Px, Slope(Px, Pz) - 0.5, Pz> }
  #end
#end
