// The Ishtar Gate of Babylon: towers of blue glazed brick with rows of
// golden aurochs and white-and-yellow dragons, the processional way before it.
#declare SunAz = 150; #declare SunEl = 40; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"

camera { location <-6, 1.7, -40> look_at <0, 11, 0> angle 62 }
SunAndSky()
Ground(T_Sand)
FarHills(T_Sand, 6000, 40, 0.1, 2)
// The processional way between walls, paved with stone.
box { <-8, -1, -90>, <8, 0.1, 0> texture { T_Limestone scale 1.3 } Courses(1.1, 1.1, 0) }
#for (S, -1, 1, 2)
  box { <S * 9, 0, -90>, <S * 12, 10, -8> texture { T_BlueGlaze } }
#end

#declare T_Yellow = texture { pigment { rgb <0.82, 0.60, 0.22> } normal { bumps 0.2 scale 0.1 } finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.02 } }
#declare T_WhiteG = texture { pigment { rgb <0.86, 0.84, 0.76> } normal { bumps 0.4 scale 0.03 } finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.02 } }
// A striding aurochs in low relief, facing +x, about 2 m long: heavy body,
// hump over the shoulders, head lowered, the horn sweeping forward.
#macro Bull()
  union {
    sphere { 0, 1 scale <0.95, 0.42, 0.12> translate <-0.05, 1.05, 0> }
    sphere { 0, 1 scale <0.48, 0.52, 0.12> translate <0.5, 1.12, 0> }
    sphere { 0, 1 scale <0.30, 0.20, 0.11> rotate z * -25 translate <1.18, 0.98, 0> }
    sphere { 0, 1 scale <0.13, 0.12, 0.1> translate <1.42, 0.84, 0> }
    sphere_sweep { linear_spline 3, <1.08, 1.12, 0.02>, 0.06, <1.18, 1.42, 0.02>, 0.045, <1.42, 1.52, 0.02>, 0.02 }
    #for (L, 0, 3)
      #local X = select(L - 2, -0.78 + L * 0.2, 0.42 + (L - 2) * 0.2);
      cylinder { <X, 0.85, 0>, <X + 0.08 * (mod(L, 2) * 2 - 1), 0.02, 0>, 0.1 }
    #end
    sphere_sweep { linear_spline 3, <-0.98, 1.25, 0>, 0.045, <-1.1, 0.9, 0>, 0.035, <-1.08, 0.5, 0>, 0.03 }
    sphere { 0, 1 scale <0.06, 0.12, 0.06> translate <-1.08, 0.42, 0> }
  }
#end
// A dragon (mushhushshu): slender scaly body, long upright neck, a snake's
// head with a horn and forked tongue, lion's forelegs, eagle's hind legs and
// a raised, curling tail.
#macro Dragon()
  union {
    sphere { 0, 1 scale <0.82, 0.22, 0.1> translate <0, 1.0, 0> }
    sphere_sweep { linear_spline 4, <0.6, 1.05, 0>, 0.13, <0.9, 1.45, 0>, 0.085, <1.02, 1.8, 0>, 0.07, <1.08, 1.95, 0>, 0.07 }
    sphere { 0, 1 scale <0.3, 0.085, 0.08> rotate z * -6 translate <1.32, 1.96, 0> }
    sphere { 0, 1 scale <0.2, 0.05, 0.07> rotate z * 14 translate <1.4, 1.86, 0> }
    sphere_sweep { linear_spline 3, <1.12, 2.03, 0.02>, 0.035, <1.0, 2.3, 0.02>, 0.025, <0.92, 2.45, 0.02>, 0.012 }
    sphere_sweep { linear_spline 3, <1.0, 1.95, 0.02>, 0.05, <0.86, 2.05, 0.02>, 0.035, <0.8, 1.98, 0.02>, 0.02 }
    cylinder { <1.6, 1.93, 0>, <1.78, 1.94, 0>, 0.012 }
    cylinder { <1.78, 1.94, 0>, <1.88, 2.0, 0>, 0.01 }
    cylinder { <1.78, 1.94, 0>, <1.88, 1.88, 0>, 0.01 }
    sphere_sweep { linear_spline 6, <-0.7, 1.0, 0>, 0.08, <-1.1, 1.02, 0>, 0.06, <-1.38, 1.15, 0>, 0.05, <-1.5, 1.45, 0>, 0.04, <-1.42, 1.7, 0>, 0.03, <-1.28, 1.74, 0>, 0.018 }
    // Forelegs of a lion, thick.
    cylinder { <0.45, 0.9, 0>, <0.52, 0.02, 0>, 0.085 }
    cylinder { <0.28, 0.9, 0>, <0.22, 0.02, 0>, 0.085 }
    // Hind legs of an eagle: thin, ending in spread talons.
    #for (L, 0, 1)
      #local X = -0.45 - L * 0.18;
      cylinder { <X, 0.9, 0>, <X + 0.05, 0.12, 0>, 0.05 }
      cylinder { <X + 0.05, 0.12, 0>, <X + 0.2, 0.0, 0>, 0.025 }
      cylinder { <X + 0.05, 0.12, 0>, <X - 0.1, 0.0, 0>, 0.025 }
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
