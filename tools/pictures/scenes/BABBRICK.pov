// The Ishtar Gate of Babylon: towers of blue glazed brick with rows of
// golden aurochs and white-and-yellow dragons, the processional way before it.
#declare SunAz = 150; #declare SunEl = 40; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"

camera { location <-9, 1.7, -40> look_at <0, 11, 0> angle 62 }
SunAndSky()
Ground(T_Sand)
FarHills(T_Sand, 6000, 40, 0.1, 2)
// The processional way between walls, paved with stone.
box { <-8, -1, -90>, <8, 0.1, 0> texture { T_Limestone scale 1.3 } Courses(1.1, 1.1, 0) }
#for (S, -1, 1, 2)
  box { <S * 9, 0, -90>, <S * 12, 10, -8> texture { T_BlueGlaze } }
#end

#declare T_Yellow = texture { pigment { rgb <0.82, 0.60, 0.22> } normal { bumps 0.2 scale 0.1 } finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.02 } }
#declare T_WhiteG = texture { pigment { rgb <0.86, 0.84, 0.76> } finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.02 } }
// A striding bull in low relief, facing +x, about 2 m long.
#macro Bull()
  union {
    sphere { 0, 1 scale <0.95, 0.48, 0.12> translate <0, 1.05, 0> }
    sphere { 0, 1 scale <0.28, 0.24, 0.1> translate <1.05, 1.25, 0> }
    cylinder { <1.0, 1.45, 0>, <1.25, 1.85, 0>, 0.05 }
    #for (L, 0, 3)
      cylinder { <-0.65 + L * 0.42, 0.8, 0>, <-0.6 + L * 0.42 + mod(L, 2) * 0.12, 0, 0>, 0.09 }
    #end
    cylinder { <-0.9, 1.2, 0>, <-1.2, 0.5, 0>, 0.04 }
  }
#end
// A dragon (mushhushshu): long neck, horned head, scaly body, tail up.
#macro Dragon()
  union {
    sphere { 0, 1 scale <0.8, 0.35, 0.1> translate <0, 1.0, 0> }
    cylinder { <0.6, 1.1, 0>, <0.9, 1.9, 0>, 0.14 }
    sphere { 0, 1 scale <0.3, 0.13, 0.1> translate <1.1, 1.95, 0> }
    cylinder { <0.95, 2.05, 0>, <0.8, 2.45, 0>, 0.04 }
    cylinder { <-0.7, 1.05, 0>, <-1.2, 1.6, 0>, 0.07 }
    #for (L, 0, 3)
      cylinder { <-0.5 + L * 0.35, 0.8, 0>, <-0.45 + L * 0.35, 0, 0>, 0.08 }
    #end
  }
#end
#macro Frieze(W, Y, Kind, Dir)
  #local N = int(W / 3);
  #for (I, 0, N - 1)
    #if (Kind = 0)
      object { Bull() scale <Dir, 1, 1> translate <-W / 2 + (I + 0.5) * W / N, Y, 0> texture { T_Yellow } }
    #else
      object { Dragon() scale <Dir, 1, 1> translate <-W / 2 + (I + 0.5) * W / N, Y, 0> texture { T_WhiteG } }
    #end
  #end
#end
// A tower of the gate: glazed brick with crenellations.
#macro Tower(W, D, H)
  union {
    box { <-W / 2, 0, 0>, <W / 2, H, D> texture { T_BlueGlaze } }
    #for (I, 0, int(W / 1.6) - 1)
      box { <-W / 2 + I * 1.6 + 0.2, H, 0>, <-W / 2 + I * 1.6 + 1.2, H + 1.4, 1.2> texture { T_BlueGlaze } }
    #end
    // Rosette band and the animal rows.
    box { <-W / 2, H - 1.4, -0.06>, <W / 2, H - 1.0, 0> texture { T_WhiteG } }
    union {
      Frieze(W, 1.5, 0, 1)
      Frieze(W, 5.5, 1, 1)
      Frieze(W, 9.5, 0, 1)
      Frieze(W, 13.5, 1, 1)
      translate z * -0.05
    }
  }
#end
object { Tower(8, 10, 18) translate <-9, 0, 0> }
object { Tower(8, 10, 18) translate <9, 0, 0> }
// The arch between the towers, with its gateway.
difference {
  box { <-5, 0, 1>, <5, 21, 12> }
  box { <-2.6, -1, 0>, <2.6, 10, 13> }
  cylinder { <0, 10, 0>, <0, 10, 13>, 2.6 }
  texture { T_BlueGlaze }
}
union {
  Frieze(10, 14.5, 1, 1)
  translate z * 0.95
}
#for (I, 0, 6)
  box { <-5 + I * 1.5 + 0.2, 21, 1>, <-5 + I * 1.5 + 1.1, 22.4, 2.2> texture { T_BlueGlaze } }
#end
box { <-2.6, 0, 8>, <2.6, 12.6, 8.3> pigment { rgb <0.30, 0.18, 0.08> } finish { ambient 0.04 diffuse 0.6 } }
