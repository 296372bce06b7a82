// The Parthenon on the Acropolis, seen from the west slope in the afternoon.
#declare SunAz = 235; #declare SunEl = 35; #declare HazeDist = 6000; #declare HazeAlt = 120;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-300, 100, -230> look_at <0, 80, 0> angle 30 }
SunAndSky()
Clouds(2000, 0.25)

// The rock: a steep-sided limestone mesa with a flat top at 70 m.
#declare RockShape = function { pattern { granite scale 0.6 } }
height_field {
  function 500, 500 {
    min(1, max(0, (0.29 - sqrt(pow(x - 0.5, 2) + pow((y - 0.5) * 2.2, 2))) * 11)) * 0.96 + RockShape(x, y, 0) * 0.02
  }
  smooth translate <-0.5, 0, -0.5> scale <700, 75, 700> translate <-20, -1, 0>
  texture { T_Rock }
}
// The plain of Athens.
Ground(T_DryGrass)
FarHills(T_DryGrass, 9000, 220, 0.12, 5)

object { DoricTemple(8, 17, 4.3, 0.95, 10.4, T_Marble, 1) rotate y * 90 translate <10, 71.3, 0> }
#declare Rnd = seed(4);
#for (I, 0, 30)
  object { Cypress(8 + rand(Rnd) * 6) translate <-250 + rand(Rnd) * 150, 2, -250 + rand(Rnd) * 200> }
#end
