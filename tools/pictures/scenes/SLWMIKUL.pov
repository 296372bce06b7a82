// The stronghold of Mikulcice on the Morava about 850 CE, seen from the south
// across an arm of the river: the island ringed by its rampart of timber and
// earth with a dry-stone front and a palisade on top, the gate and its
// bridge, the great stone basilica with its apse and the round church,
// the prince's hall and the log houses under thatch and shingles, the
// meadows and the floodplain woods around.
#declare SunAz = 215; #declare SunEl = 36; #declare HazeDist = 5000; #declare HazeAlt = 120;
#declare SkyLow = rgb <0.66, 0.72, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <48, 24, -160> look_at <-2, 1, -30> angle 46 }
SunAndSky()
Clouds(1600, 0.35)

// ---------------------------------------------------------------- materials
#declare T_Thatch = texture {
  pigment { granite turbulence 0.5 scale <0.4, 0.05, 0.4>
    color_map { [0 rgb <0.42, 0.34, 0.20>] [0.5 rgb <0.52, 0.43, 0.26>] [1 rgb <0.34, 0.28, 0.17>] } }
  normal { wrinkles 0.6 scale 0.12 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Shingle = texture {
  pigment { gradient y color_map { [0 rgb <0.30, 0.26, 0.22>] [0.85 rgb <0.40, 0.35, 0.29>] [1 rgb <0.22, 0.19, 0.16>] } scale 0.3 }
  normal { gradient y 0.5 scale 0.3 }
  finish { ambient 0.05 diffuse 0.7 }
}
// Logs laid one on another: dark joints every 0.25 m, the grain along them.
#declare T_Logs = texture {
  pigment { gradient y color_map { [0 rgb <0.20, 0.14, 0.09>] [0.15 rgb <0.44, 0.33, 0.22>] [0.8 rgb <0.50, 0.38, 0.26>] [1 rgb <0.26, 0.19, 0.12>] } scale 0.25 }
  normal { gradient y 0.6 scale 0.25 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Posts = texture {
  pigment { gradient x color_map { [0 rgb <0.26, 0.19, 0.13>] [0.2 rgb <0.44, 0.35, 0.25>] [0.8 rgb <0.48, 0.38, 0.27>] [1 rgb <0.26, 0.19, 0.13>] } scale 0.3 }
  normal { gradient x 0.5 scale 0.3 }
  finish { ambient 0.05 diffuse 0.72 }
}
// The dry-stone face of the rampart: flat slabs in rough courses.
#declare T_DryStone = texture {
  pigment {
    brick color rgb <0.30, 0.27, 0.23>, color rgb <0.62, 0.58, 0.50>
    brick_size <0.5, 0.16, 0.5> mortar 0.03 turbulence 0.1
  }
  normal { granite 0.4 scale 0.15 }
  finish { F_Stone }
}
#declare T_Whitewash = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.88, 0.85, 0.78>] [1 rgb <0.80, 0.77, 0.70>] } }
  normal { bumps 0.1 scale 0.3 }
  finish { ambient 0.06 diffuse 0.75 }
}
#declare T_Trodden = texture {
  pigment { bozo turbulence 0.6 scale 6
    color_map { [0 rgb <0.44, 0.36, 0.24>] [0.5 rgb <0.36, 0.40, 0.18>] [1 rgb <0.30, 0.40, 0.14>] } }
  normal { granite 0.3 scale 0.5 }
  finish { F_Ground }
}

// ---------------------------------------------------------------- land and water
// The island: an irregular oval of half-axes A and B; an arm of the river,
// W wide (as a fraction), runs round it; meadows beyond.
#declare A = 125; #declare B = 88; #declare W = 0.26;
#declare Wob = function(T) { 1 + 0.045 * sin(3 * T + 1) + 0.03 * sin(5 * T + 2) }
#declare Ell = function(X, Z) { sqrt(pow(X / A, 2) + pow(Z / B, 2)) / Wob(atan2(Z / B, X / A)) }
#declare LandF = function(X, Z) {
  0.5 + 0.5 * max(-1, min(1, (abs(Ell(X, Z) - 1 - W / 2) - W / 2) * 18))
}
#declare S = 1400;
height_field {
  function 1200, 1200 { LandF(x * S - S / 2, (1 - y) * S - S / 2) }
  smooth
  translate <-0.5, 0, -0.5> scale <S, 3, S> translate y * -1.6
  texture {
    // Trodden ground inside the ring, green meadow outside.
    pigment { function { min(1, Ell(x, z) / 2) }
      color_map { [0 rgb <0.40, 0.36, 0.24>] [0.45 rgb <0.36, 0.38, 0.18>] [0.5 rgb <0.40, 0.34, 0.22>] [0.5 rgb <0.30, 0.40, 0.13>] [1 rgb <0.34, 0.44, 0.16>] } }
    normal { granite 0.3 scale 0.6 }
    finish { F_Ground }
  }
  texture {
    pigment { bozo turbulence 0.6 scale 14 color_map { [0 rgbt <0.25, 0.32, 0.10, 0.4>] [0.5 rgbt 1] [1 rgbt <0.45, 0.44, 0.22, 0.5>] } }
    finish { F_Ground }
  }
}
Water(T_Muddy, -0.4)
object { FarHills(T_Grass, 9000, 220, 0.18, 5) translate y * -1 }

// A point on the oval E (a fraction of the island's size) at angle T (radians).
#macro OvalPt(E, T)
  <A * cos(T), 0, B * sin(T)> * E * Wob(T)
#end

// ---------------------------------------------------------------- the rampart
// Timber chambers filled with earth, about 4 m high over the ground, a front of
// dry stone, and a palisade of pointed posts along the top.
#declare Rnd = seed(850);
#declare NSeg = 180;
#declare GateT = -1.62;
union {
  #for (I, 0, NSeg - 1)
    #local T0 = 2 * pi * I / NSeg;
    #local T1 = 2 * pi * (I + 1) / NSeg;
    #if (abs(T0 + pi / NSeg - (GateT + 2 * pi)) > 0.04 & abs(T0 + pi / NSeg - GateT) > 0.04)
      #local P0 = OvalPt(0.965, T0);
      #local P1 = OvalPt(0.965, T1);
      #local L = vlength(P1 - P0);
      #local Yaw = degrees(atan2(P1.z - P0.z, P1.x - P0.x));
      union {
        // Stone front (outside is -z in the segment's frame).
        box { <0, -1, -2.0>, <L + 0.05, 4.4, -1.2> texture { T_DryStone } }
        // Earth bank behind, sloping down inside.
        prism { linear_sweep linear_spline 0, L + 0.05, 5, <1, -1.2>, <-4.4, -1.2>, <-4.4, 1.4>, <1, 5.0>, <1, -1.2>
          rotate z * -90 texture { T_Earth } }
        // The palisade on the crown.
        #for (K, 0, L - 0.2, 0.34)
          #local Hp = 2.0 + rand(Rnd) * 0.25;
          cylinder { <K, 4.4, -1.05>, <K, 4.4 + Hp, -1.05>, 0.17 texture { T_Posts } }
          cone { <K, 4.4 + Hp, -1.05>, 0.17, <K, 4.7 + Hp, -1.05>, 0.02 texture { T_Posts } }
        #end
        rotate y * -Yaw translate P0 + y * 1.3
      }
    #end
  #end
}
// The gate: a gap in the rampart under a timber tower, and a bridge on posts over the river arm.
#declare GP = OvalPt(0.965, GateT);
#declare GO = OvalPt(1.0 + W + 0.01, GateT);
#declare GYaw = degrees(atan2(GO.x - GP.x, GO.z - GP.z));
union {
  // Tower of logs over stone cheeks, with a shingled pyramid roof.
  box { <-6.3, 5.3, -3>, <6.3, 9.5, 3> texture { T_Logs } }
  box { <-6.5, -1, -3>, <-2.5, 5.3, 3> texture { T_DryStone } }
  box { <2.5, -1, -3>, <6.5, 5.3, 3> texture { T_DryStone } }
  box { <-1.0, 7.0, 3.05>, <1.0, 8.2, 2.95> pigment { rgb 0.05 } }
  object { Pyramid(13.8, 4.4) translate y * 9.5 texture { T_Shingle } }
  // The gate leaves, standing open.
  box { <-2.5, 1.3, -2>, <-2.3, 5.2, 0.3> texture { T_Posts } }
  box { <2.3, 1.3, -2>, <2.5, 5.2, 0.3> texture { T_Posts } }
  rotate y * GYaw translate GP + y * 0.5
}
#declare BL = vlength(GO - GP);
union {
  box { <-1.6, 1.6, 0>, <1.6, 1.9, BL + 4> texture { T_Logs } }
  #for (K, 4, BL + 2, 4)
    #for (S2, -1, 1, 2)
      cylinder { <S2 * 1.5, -1.5, K>, <S2 * 1.5, 2.8, K>, 0.16 texture { T_Posts } }
    #end
    box { <-1.6, 2.5, K - 0.06>, <1.6, 2.6, K + 4.06> texture { T_Posts } }
  #end
  rotate y * GYaw translate GP + y * 0.3
}

// ---------------------------------------------------------------- buildings
// A gabled roof, ridge along x from X0 to X1, eaves D either side of the
// middle, ridge H above.
#macro GableX(X0, X1, D, H)
  prism { linear_sweep linear_spline X0, X1, 4, <0, -D>, <0, D>, <-H, 0>, <0, -D> rotate z * -90 }
#end
// A log house W x D with walls Hw high and its roof, thatch or shingles.
#macro House(W, D, Hw, RoofT)
  union {
    box { <-W / 2, -1, -D / 2>, <W / 2, Hw, D / 2> texture { T_Logs } }
    box { <-0.5, 0, -D / 2 - 0.02>, <0.5, 1.7, -D / 2> pigment { rgb 0.06 } }
    object { GableX(-W / 2 - 0.5, W / 2 + 0.5, D / 2 + 0.8, D * 0.7) translate y * (Hw - 0.3) texture { RoofT } }
  }
#end
// The great church: a long nave with a round apse to the east and a narthex
// to the west, whitewashed stone walls, shingled roofs.
union {
  box { <-11, -1, -4.8>, <11, 9, 4.8> texture { T_Whitewash } }
  object { GableX(-11.4, 11.4, 5.6, 4.2) translate y * 9 texture { T_Shingle } }
  // Apse.
  intersection { cylinder { <11, -1, 0>, <11, 7.5, 0>, 4.0 } plane { -x, -11 } texture { T_Whitewash } }
  intersection { cone { <11, 7.5, 0>, 4.3, <11, 10.5, 0>, 0.2 } plane { -x, -11 } texture { T_Shingle } }
  // Narthex, lower, across the west end.
  box { <-16, -1, -5.6>, <-11, 7, 5.6> texture { T_Whitewash } }
  object { GableX(-16.3, -10.8, 6.3, 3.4) rotate y * 0 translate y * 7 texture { T_Shingle } }
  // Small round-headed windows high in the south wall, a door in the narthex.
  #for (K, -8, 8, 4)
    union { box { <K - 0.45, 5.5, -4.85>, <K + 0.45, 7, -4.7> } cylinder { <K, 7, -4.85>, <K, 7, -4.7>, 0.45 } pigment { rgb 0.05 } }
  #end
  union { box { <-14.5, 0, -5.66>, <-12.5, 3, -5.5> } cylinder { <-13.5, 3, -5.66>, <-13.5, 3, -5.5>, 1 } pigment { rgb 0.05 } }
  rotate y * -6 translate <12, 1.4, 8>
}
// The rotunda: a round nave with a conical roof and a small apse.
union {
  cylinder { <0, -1, 0>, <0, 7.5, 0>, 4.6 texture { T_Whitewash } }
  cone { <0, 7.5, 0>, 5.2, <0, 12.5, 0>, 0.15 texture { T_Shingle } }
  intersection { cylinder { <0, -1, 0>, <0, 5, 0>, 2.6 } plane { -x, -4 } translate x * 4.0 texture { T_Whitewash } }
  intersection { cone { <4, 5, 0>, 2.9, <4, 7.6, 0>, 0.1 } plane { -x, -4 } texture { T_Shingle } }
  union { box { <-0.4, 4.3, -4.7>, <0.4, 5.6, -4.4> } cylinder { <0, 5.6, -4.7>, <0, 5.6, -4.4>, 0.4 } rotate y * 30 pigment { rgb 0.05 } }
  union { box { <-0.8, 0, -4.7>, <0.8, 2.6, -4.4> } cylinder { <0, 2.6, -4.7>, <0, 2.6, -4.4>, 0.8 } rotate y * -20 pigment { rgb 0.05 } }
  translate <-26, 1.4, -22>
}
// The prince's hall: a long stone building under shingles.
union {
  box { <-10, -1, -4>, <10, 5.5, 4> texture { T_Whitewash } }
  object { GableX(-10.6, 10.6, 4.9, 3.6) translate y * 5.3 texture { T_Shingle } }
  #for (K, -7, 7, 3.5)
    box { <K - 0.35, 2.4, -4.05>, <K + 0.35, 3.6, -3.9> pigment { rgb 0.05 } }
  #end
  rotate y * 8 translate <-58, 1.4, 18>
}
// Log houses and workshops over the island, kept off the churches.
#declare Rh = seed(77);
#for (I, 0, 70)
  #local T = rand(Rh) * 2 * pi;
  #local E = 0.25 + rand(Rh) * 0.6;
  #local P = OvalPt(E, T);
  #if (vlength(P - <12, 0, 8>) > 22 & vlength(P - <-26, 0, -22>) > 11 & vlength(P - <-58, 0, 18>) > 15 & vlength(P - GP) > 16)
    object { House(5 + rand(Rh) * 2.5, 4 + rand(Rh) * 1.5, 2.0 + rand(Rh) * 0.4, #if (rand(Rh) < 0.7) T_Thatch #else T_Shingle #end)
      rotate y * (degrees(-T) + 90 + (rand(Rh) - 0.5) * 30) translate P + y * 1.4 }
  #end
#end
// Fences and a few people on the open ground before the great church.
#for (I, 0, 8)
  object { Person(rgb <0.55 + rand(Rh) * 0.2, 0.45, 0.32>) translate <-12 + rand(Rh) * 30, 1.4, -18 + rand(Rh) * 10> }
#end

// ---------------------------------------------------------------- the floodplain
// Willows and oaks along the banks of the outer meadows, and clumps beyond.
#declare Rt = seed(31);
#for (I, 0, 110)
  #local T = rand(Rt) * 2 * pi;
  #local E = 1.0 + W + 0.06 + rand(Rt) * 0.5;
  #local P = OvalPt(E, T);
  #if (T < 3.7 | T > 5.6)
    object { Tree(9 + rand(Rt) * 8, 4 + rand(Rt) * 3, I) translate P + y * 1.3 }
  #end
#end
#for (I, 0, 6)
  object { Tree(7 + rand(Rt) * 5, 3 + rand(Rt) * 2, 200 + I) translate OvalPt(0.4 + rand(Rt) * 0.4, 0.6 + rand(Rt) * 2) + y * 1.4 }
#end
