// The Dome of the Rock on the platform of the Temple Mount: an octagon clad
// in blue and green tile under a gilded dome on its drum.
#declare SunAz = 150; #declare SunEl = 38; #declare HazeDist = 5000;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-45, 5, -62> look_at <0, 16, 0> angle 58 }
SunAndSky()
Clouds(2000, 0.2)
Ground(T_Earth)
FarHills(T_DryGrass, 8000, 180, 0.05, 7)
// The stone platform.
box { <-120, -1, -120>, <120, 0.3, 120> texture { T_Limestone scale 2 } Courses(1.0, 1.0, 0) }

#declare T_Tile = texture {
  pigment {
    gradient y
    color_map {
      [0.0 rgb <0.10, 0.28, 0.55>] [0.3 rgb <0.10, 0.28, 0.55>]
      [0.3 rgb <0.85, 0.85, 0.80>] [0.36 rgb <0.85, 0.85, 0.80>]
      [0.36 rgb <0.08, 0.35, 0.40>] [1.0 rgb <0.08, 0.35, 0.40>]
    }
    scale 3
  }
  normal { bumps 0.1 scale 0.2 }
  finish { ambient 0.05 diffuse 0.6 specular 0.4 roughness 0.02 }
}
#declare T_Marb = texture { T_Marble }
#declare Oct = 20.6;
// The octagon: lower walls of marble, upper walls of tile, with windows.
#macro Octagon(R, Y0, Y1)
  intersection {
    #for (I, 0, 7) plane { z, R rotate y * (I * 45 + 22.5) } #end
    plane { y, Y1 } plane { -y, -Y0 }
  }
#end
difference {
  union {
    object { Octagon(Oct, 0.3, 5.5) texture { T_Marb } }
    object { Octagon(Oct, 5.5, 12) texture { T_Tile } }
  }
  #for (I, 0, 7)
    #for (K, -2, 2)
      box { <K * 3.2 - 0.7, 6.5, Oct - 1>, <K * 3.2 + 0.7, 10, Oct + 1> rotate y * (I * 45 + 22.5) pigment { rgb 0.1 } }
    #end
    // A porch door on every other side.
    #if (mod(I, 2) = 0)
      box { <-1.8, 0, Oct - 1>, <1.8, 4.6, Oct + 1> rotate y * (I * 45 + 22.5) pigment { rgb 0.05 } }
    #end
  #end
}
// Parapet and the roof.
object { Octagon(Oct, 12, 12.6) texture { T_Tile } }
// The drum with its windows.
difference {
  cylinder { <0, 12, 0>, <0, 21, 0>, 11 texture { T_Tile } }
  #for (I, 0, 15)
    box { <-0.6, 15, 9>, <0.6, 19, 12> rotate y * (I * 22.5) pigment { rgb 0.1 } }
  #end
}
// The gilded dome: slightly pointed, with a finial.
intersection {
  sphere { 0, 1 scale <11.2, 13, 11.2> translate y * 20 }
  plane { -y, -21 }
  pigment { rgb <0.85, 0.62, 0.22> }
  finish { ambient 0.04 diffuse 0.45 specular 0.8 roughness 0.01 metallic reflection { 0.25 metallic } }
}
cylinder { <0, 33, 0>, <0, 36, 0>, 0.3 pigment { rgb <0.8, 0.6, 0.2> } finish { metallic specular 0.6 } }
torus { 0.8, 0.12 rotate x * 90 translate y * 36.4 pigment { rgb <0.8, 0.6, 0.2> } finish { metallic specular 0.6 } }
// An arcade (qanatir) at the head of steps, and cypresses.
union {
  #for (I, 0, 4)
    cylinder { <-10 + I * 5, 0.3, -58>, <-10 + I * 5, 6, -58>, 0.5 }
  #end
  box { <-11, 6, -59>, <11, 8, -57> }
  texture { T_Marb }
}
#declare Rnd = seed(6);
#for (I, 0, 14)
  object { Cypress(10 + rand(Rnd) * 4) translate <-110 + I * 15, 0.3, 60 + rand(Rnd) * 30> }
#end
