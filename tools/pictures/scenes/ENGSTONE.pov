// Stonehenge at sunrise on midsummer morning: the sarsen circle, its lintels
// and the trilithons of the horseshoe, the sun low in the north-east.
#declare SunAz = 50; #declare SunEl = 4; #declare HazeDist = 2500; #declare HazeAlt = 60;
#declare SkyTop = rgb <0.10, 0.20, 0.45>;
#declare SkyLow = rgb <0.95, 0.62, 0.35>;
#declare SunTint = rgb <1.0, 0.70, 0.42>;
#declare SunPower = 1.8;
#include "atlas.inc"

// Looking north-east along the axis, towards the rising sun.
camera { location <-29, 1.6, -24> look_at <0, 3.4, 0> angle 50 }
SunAndSky()
Clouds(1500, 0.3)
// The sun's disc just above the horizon.
sphere { SunDir * 5000, 60 pigment { rgb <1, 0.85, 0.6> } finish { emission 1.6 diffuse 0 } no_shadow }

Ground(T_Grass)
FarHills(T_Grass, 6000, 40, 0.12, 2)

#declare T_Sarsen = texture {
  pigment {
    granite turbulence 0.5 scale 0.8
    color_map {
      [0.0 color rgb <0.42, 0.40, 0.35>]
      [0.4 color rgb <0.55, 0.52, 0.45>]
      [0.7 color rgb <0.50, 0.50, 0.40>]
      [1.0 color rgb <0.35, 0.36, 0.30>]
    }
  }
  normal { granite 0.7 scale 0.5 }
  finish { ambient 0.04 diffuse 0.8 }
}
#declare Rnd = seed(11);
// A roughly dressed block: a rounded box, slightly irregular.
#macro Block(W, H, D)
  superellipsoid { <0.15, 0.15> scale <W / 2, H / 2, D / 2> translate y * H / 2
    scale <1 + (rand(Rnd) - 0.5) * 0.08, 1 + (rand(Rnd) - 0.5) * 0.06, 1>
    texture { T_Sarsen }
  }
#end

// The outer circle: 30 uprights under a continuous ring of lintels.
#declare R = 15;
#for (I, 0, 29)
  #if (I != 17 & I != 23)
    object { Block(2.1, 4.1, 1.1) translate y * -0.3 translate z * R rotate y * (I * 12) }
  #end
  #if (I != 16 & I != 17 & I != 22 & I != 23 & I != 24)
    object { Block(3.2, 0.8, 1.0) translate <0, 3.8, R> rotate y * (I * 12 + 6) }
  #end
#end
// The horseshoe of five trilithons, open towards the sunrise (+x +z).
#for (I, 0, 4)
  #declare A = 225 + (I - 2) * 42;
  #declare Ht = 6.3 + (I = 2) * 1.0 - abs(I - 2) * 0.2;
  union {
    object { Block(2.0, Ht, 1.2) translate x * -1.3 }
    object { Block(2.0, Ht, 1.2) translate x * 1.3 }
    object { Block(5.0, 1.0, 1.1) translate y * Ht }
    translate y * -0.3 translate z * 8.2 rotate y * (A + 180)
  }
#end
// Smaller bluestones inside.
#for (I, 0, 20)
  object { Block(0.9, 2.0, 0.6) translate y * -0.2 translate z * 11.5 rotate y * (I * 17 + 100) }
#end
// The Heel Stone outside, on the sunrise line.
object { Block(2.4, 4.8, 2.0) rotate z * 8 translate <0, -0.2, 0> translate z * 77 rotate y * 50 }
