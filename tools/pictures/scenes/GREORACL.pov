// Delphi: the temple of Apollo on its terrace on the slope of Parnassus,
// under the Phaedriades cliffs, the olive valley below.
#declare SunAz = 160; #declare SunEl = 36; #declare HazeDist = 4500; #declare HazeAlt = 250;
#declare FillPower = 0.55; #declare BouncePower = 0.32;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-75, 66, -75> look_at <0, 76, 20> angle 58 }
SunAndSky()
Clouds(2500, 0.3)
// The mountainside rising north (+z), with a steep band of cliffs above.
#declare SlopeN = function { pattern { granite scale 0.4 } }
#declare Slope = function(X, Z) { max(0, Z + 200) * 0.28 + max(0, Z - 90) * 1.1 + max(0, Z - 150) * 0.9 - max(0, Z - 200) * 1.8 }
height_field {
  function 500, 500 { min(1, (Slope(x * 1600 - 800, (1 - y) * 1600 - 800) + SlopeN(x, y, 0) * 12) / 500) }
  smooth translate <-0.5, 0, -0.5> scale <1600, 500, 1600>
  texture {
    slope { y }
    texture_map {
      [0.0 T_Rock]
      [0.75 T_Rock]
      [0.85 T_DryGrass]
      [1.0 T_DryGrass]
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
// Treasuries and the theatre above.
#for (I, 0, 3)
  box { <-70 + I * 22, Ty - 20 - I * 2, -40 - I * 6>, <-62 + I * 22, Ty - 13 - I * 2, -30 - I * 6> texture { T_Poros } }
#end
#declare Rnd = seed(21);
#for (I, 0, 60)
  #declare Px = -400 + rand(Rnd) * 800;
  #declare Pz = -300 + rand(Rnd) * 250;
  #if (Pz < -60 | abs(Px) > 60)
    object { Tree(5 + rand(Rnd) * 3, 3, I) translate <Px, Slope(Px, Pz) - 0.5, Pz> }
  #end
#end
