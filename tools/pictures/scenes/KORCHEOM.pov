// Cheomseongdae in Gyeongju: the bottle-shaped tower of 27 courses of dressed
// granite on its square two-step base, the square window facing south and the
// square frame of long stones on top, on the grassy plain of the Shilla capital.
#declare SunAz = 125; #declare SunEl = 34; #declare HazeDist = 2600; #declare HazeAlt = 180;
#declare SkyLow = rgb <0.70, 0.74, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

// From the south-south-east, a little below the window.
camera { location <5, 1.6, -19.4> look_at <0, 3.1, 0> angle 50 }
SunAndSky()
Clouds(1800, 0.35)
Ground(T_Grass)
FarHills(T_DryGrass, 5000, 240, 0.06, 7)

// Weathered granite, warm grey, each stone its own shade.
#macro GraniteTex(Tint)
  texture {
    pigment {
      granite turbulence 0.3 scale 0.25
      color_map {
        [0.0 color rgb <0.60, 0.57, 0.50> * Tint]
        [0.5 color rgb <0.70, 0.67, 0.59> * Tint]
        [1.0 color rgb <0.50, 0.48, 0.43> * Tint]
      }
    }
    normal { granite 0.35 scale 0.12 }
    finish { F_Stone }
  }
  texture {
    pigment {
      bozo turbulence 0.8 scale 0.5
      color_map { [0.0 color rgbt <0.22, 0.22, 0.16, 0.6>] [0.45 color rgbt 1] [1.0 color rgbt 1] }
    }
    finish { F_Stone }
  }
#end
#declare Rnd = seed(632);

// The base: two square steps of long slabs.
#macro Slab(X0, Z0, X1, Z1, Y0, Y1)
  superellipsoid { <0.12, 0.12> scale <(X1 - X0) / 2 - 0.01, (Y1 - Y0) / 2, (Z1 - Z0) / 2 - 0.01>
    translate <(X0 + X1) / 2, (Y0 + Y1) / 2, (Z0 + Z1) / 2>
    GraniteTex(0.92 + rand(Rnd) * 0.14) }
#end
#macro Step(S, Y0, Y1, N)
  // Four sides of slabs around a filled middle.
  #local L = 2 * S / N;
  #for (I, 0, N - 1)
    Slab(-S + I * L, -S, -S + (I + 1) * L, -S + 0.9, Y0, Y1)
    Slab(-S + I * L, S - 0.9, -S + (I + 1) * L, S, Y0, Y1)
  #end
  #for (I, 1, N - 2)
    Slab(-S, -S + I * L, -S + 0.9, -S + (I + 1) * L, Y0, Y1)
    Slab(S - 0.9, -S + I * L, S, -S + (I + 1) * L, Y0, Y1)
  #end
  box { <-S + 0.8, Y0, -S + 0.8>, <S - 0.8, Y1 - 0.02, S - 0.8> GraniteTex(0.85) }
#end
Step(2.85, -0.05, 0.38, 5)
Step(2.6, 0.38, 0.78, 4)

// The body: 27 courses, wide at the foot and curving in to a straight neck.
#declare Y0 = 0.78;
#declare CH = 0.295;
#declare Wall = 0.34;
#declare Rad = function(T) { 1.44 + 1.04 * pow(max(0, 1 - T * 1.08), 2.2) }
#declare Win0 = 12; #declare Win1 = 15;   // the window spans courses 13 to 15
#declare WinW = 0.98;
#for (C, 0, 26)
  #declare Ya = Y0 + C * CH;
  #declare Yb = Ya + CH;
  #declare Ra = Rad(C / 27);
  #declare Rb = Rad((C + 1) / 27);
  #declare N = int(9 + Ra * 2.4);
  #declare Off = rand(Rnd) * 360;
  #for (K, 0, N - 1)
    #declare A0 = Off + K * 360 / N + 0.4;
    #declare A1 = Off + (K + 1) * 360 / N - 0.4;
    #declare Am = (A0 + A1) / 2;
    difference {
      intersection {
        cone { <0, Ya + 0.006, 0>, Ra, <0, Yb - 0.006, 0>, Rb }
        plane { <Sind(A0), 0, -Cosd(A0)>, 0 }
        plane { <-Sind(A1), 0, Cosd(A1)>, 0 }
      }
      cone { <0, Ya - 0.1, 0>, Ra - Wall, <0, Yb + 0.1, 0>, Rb - Wall }
      // The window on the south side.
      #if (C >= Win0 & C < Win1)
        box { <-WinW / 2, Ya - 1, -4>, <WinW / 2, Yb + 1, 0> }
      #end
      GraniteTex(0.88 + rand(Rnd) * 0.2)
    }
  #end
#end
// The rubble core behind the joints, and the earth fill up to the window.
#for (C, 0, 26)
  difference {
    cone { <0, Y0 + C * CH, 0>, Rad(C / 27) - 0.03, <0, Y0 + (C + 1) * CH, 0>, Rad((C + 1) / 27) - 0.03 }
    cone { <0, Y0 + C * CH - 0.01, 0>, Rad(C / 27) - Wall + 0.03, <0, Y0 + (C + 1) * CH + 0.01, 0>, Rad((C + 1) / 27) - Wall + 0.03 }
    box { <-WinW / 2, Y0 + Win0 * CH, -4>, <WinW / 2, Y0 + Win1 * CH, 0> }
    pigment { rgb 0.12 } finish { ambient 0.02 diffuse 0.5 }
  }
#end
cone { <0, Y0, 0>, Rad(0) - Wall + 0.02, <0, Y0 + Win0 * CH + 0.02, 0>, Rad(Win0 / 27) - Wall + 0.02 texture { T_Earth } }
// The sill stone under the window, a little proud of the wall.
box { <-WinW / 2 - 0.12, Y0 + Win0 * CH - 0.06, -Rad(Win0 / 27) - 0.06>, <WinW / 2 + 0.12, Y0 + Win0 * CH + 0.02, -Rad(Win0 / 27) + 0.4> GraniteTex(1.0) }

// Long stones laid across inside at courses 19-20 and 25-26, their ends
// showing through the wall.
#macro CrossBeams(Y, R)
  union {
  #for (S, -1, 1, 2)
    box { <-R - 0.08, Y, S * 0.55 - 0.14>, <R + 0.08, Y + CH * 0.8, S * 0.55 + 0.14> GraniteTex(0.95) }
  #end
  }
#end
object { CrossBeams(Y0 + 18.1 * CH, Rad(18.5 / 27)) }
object { CrossBeams(Y0 + 24.1 * CH, Rad(24.5 / 27)) rotate y * 90 }

// The square frame of long stones on top, in two courses, like the sign for a well.
#declare YT = Y0 + 27 * CH;
#declare FA = 1.30;   // half the distance between the beams' centres
#declare FL = 1.62;   // half the length of a beam
#declare FW = 0.15;   // half the width of a beam
#for (S, -1, 1, 2)
  object { Slab(-FL, S * FA - FW, FL, S * FA + FW, YT + 0.005, YT + 0.30) }
  object { Slab(S * FA - FW, -FL, S * FA + FW, FL, YT + 0.30, YT + 0.60) }
#end

// Pines and a low wall of the palace grounds in the distance.
#for (I, 0, 9)
  #declare Px = -60 + I * 13 + rand(Rnd) * 6;
  object { Tree(7 + rand(Rnd) * 3, 3 + rand(Rnd), I) translate <Px, 0, 90 + rand(Rnd) * 30> }
#end
object { Person(rgb <0.85, 0.82, 0.72>) translate <-3.6, 0, -3.4> }
