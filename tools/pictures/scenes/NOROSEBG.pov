// The Oseberg ship, about 820 CE, moored off a pebble shore in a fjord of
// Vestfold: the low oak hull of twelve clinker strakes a side, fifteen oar
// ports a side, the mast with its furled sail, the steering oar on the
// starboard quarter, and the stem and stern rising into tight spirals.
#declare SunAz = 235; #declare SunEl = 28; #declare HazeDist = 16000; #declare HazeAlt = 300;
#declare SkyTop = rgb <0.10, 0.24, 0.58>;
#declare SkyLow = rgb <0.68, 0.74, 0.82>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <15, 4.4, -20> look_at <0.6, 2.2, 0> angle 58 }
SunAndSky()

// --- Materials -------------------------------------------------------------
#declare F_Wood = finish { ambient 0.05 diffuse 0.72 specular 0.08 roughness 0.05 }
// Tarred oak: dark brown, with the grain along the planks (x).
#declare T_Oak = texture {
  pigment {
    wood turbulence 0.08 scale 0.06 rotate y * 90
    color_map {
      [0.0 color rgb <0.20, 0.125, 0.07>]
      [0.5 color rgb <0.27, 0.17, 0.10>]
      [1.0 color rgb <0.16, 0.10, 0.06>]
    }
  }
  normal { wood 0.15 scale 0.06 rotate y * 90 }
  finish { F_Wood }
}
#declare T_PaleOak = texture {
  pigment {
    wood turbulence 0.1 scale 0.05 rotate y * 90
    color_map {
      [0.0 color rgb <0.42, 0.29, 0.17>]
      [0.6 color rgb <0.50, 0.35, 0.20>]
      [1.0 color rgb <0.36, 0.24, 0.14>]
    }
  }
  normal { wood 0.2 scale 0.05 rotate y * 90 }
  finish { F_Wood }
}
#declare T_Pebbles = texture {
  pigment {
    cells scale 0.12 turbulence 0.2
    color_map {
      [0.0 color rgb <0.30, 0.29, 0.27>]
      [0.3 color rgb <0.40, 0.38, 0.35>]
      [0.6 color rgb <0.25, 0.24, 0.22>]
      [1.0 color rgb <0.46, 0.43, 0.39>]
    }
  }
  normal { bumps 0.6 scale 0.06 }
  finish { F_Ground }
}
#declare T_Forest = texture {
  pigment {
    granite turbulence 0.4 scale 40
    color_map {
      [0.0 color rgb <0.07, 0.14, 0.05>]
      [0.5 color rgb <0.12, 0.20, 0.07>]
      [0.8 color rgb <0.30, 0.31, 0.26>]
      [1.0 color rgb <0.42, 0.41, 0.37>]
    }
  }
  normal { granite 0.8 scale 20 }
  finish { F_Ground }
}

// --- Water and the fjord -----------------------------------------------------
Water(T_Water, 0)
// The shore: pebbles at the water's edge, rising to grass behind the camera.
#declare ShoreT = texture {
  gradient y
  texture_map { [0.00 T_Pebbles] [0.30 T_Pebbles] [0.42 T_Grass] [1.00 T_Grass] }
  scale 4 translate y * -0.6
  warp { turbulence 0.3 }
}
intersection {
  plane { <0, 1, 0.11>, 0 }
  box { <-80, -2, -60>, <60, 8, 0> }
  translate <0, 0, -8.5> rotate y * -14
  texture { ShoreT }
}
// The fjord: steep wooded walls on both sides of the water, running away
// north-west from the beach, and a far ridge closing the view.
#declare FjF = function { pattern { bozo turbulence 0.6 octaves 6 scale 0.06 } }
// Height fields have no side walls: every edge comes down to the water.
#declare Edge = function(X, Y) { min(1, min(X, 1 - X) * 12) * min(1, min(Y, 1 - Y) * 12) }
union {
  #for (S, -1, 1, 2)
    height_field {
      function 400, 400 { (FjF(x + S * 3, y, 0) * 0.6 + 0.4 * min(1, abs(x - 0.5 + S * 0.5) * 6)) * Edge(x, y) }
      smooth translate <-0.5, 0, 0> scale <1400, 380, 4600> translate <S * 920, -25, -300>
      texture { T_Forest }
    }
  #end
  height_field {
    function 400, 400 { (FjF(x + 7, y, 0) * 0.5 + 0.5) * Edge(x, y) }
    smooth translate <-0.5, 0, 0> scale <3600, 520, 1500> translate <0, -40, 3900>
    texture { T_Forest }
  }
  rotate y * -44
}

// --- The hull ----------------------------------------------------------------
// u runs from -1 (stern) to +1 (stem), v from 0 (keel) to 1 (gunwale).
#declare HL = 9.6;       // half the length of the planked hull
#declare HB = 2.5;       // half the beam
#declare NS = 12;        // strakes a side
#declare Wf = function(U) { pow(max(0, 1 - U * U), 0.55) }
#declare Keel = function(U) { -0.62 + 0.85 * pow(abs(U), 5) }
#declare Gunw = function(U) { 0.80 + 2.0 * pow(abs(U), 3.6) }
#declare Sec = function(V) { 1 - pow(1 - V, 1.9) }
#macro HullPt(U, V, Side, Lap)
  #local Yk = Keel(U);
  #local Yg = Gunw(U);
  #local Wd = Wf(U);
  <U * HL + (U < 0 ? -1 : 1) * pow(abs(U), 10) * V * 1.25, Yk + (Yg - Yk) * pow(V, 1.35), Side * (HB * Wd * Sec(V) + Lap * min(1, Wd * 4))>
#end

#declare NU = 90;
#declare NR = NS * 4;
mesh2 {
  vertex_vectors {
    2 * (NU + 1) * NR,
    #for (S, 0, 1)
      #for (K, 0, NS - 1)
        #for (J, 0, 3)
          #for (I, 0, NU)
            HullPt(-1 + 2 * I / NU, (K + J / 3) / NS, S * 2 - 1, 0.035 * J / 3),
          #end
        #end
      #end
    #end
  }
  face_indices {
    2 * NU * (NR - 1) * 2,
    #for (S, 0, 1)
      #for (R, 0, NR - 2)
        #for (I, 0, NU - 1)
          #local A = S * (NU + 1) * NR + R * (NU + 1) + I;
          <A, A + 1, A + NU + 1>, <A + 1, A + NU + 2, A + NU + 1>,
        #end
      #end
    #end
  }
  texture { T_Oak }
}
// The deck planks, a little above the floor timbers.
#declare DV = 0.30;
mesh2 {
  vertex_vectors {
    2 * 61,
    #for (S, 0, 1)
      #for (I, 0, 60)
        HullPt(-0.85 + 1.7 * I / 60, DV, S * 2 - 1, -0.02),
      #end
    #end
  }
  face_indices {
    2 * 60,
    #for (I, 0, 59)
      <I, I + 1, I + 61>, <I + 1, I + 62, I + 61>,
    #end
  }
  texture { T_PaleOak }
}
// The gunwale: a heavier rail along the top strake.
#for (S, -1, 1, 2)
  sphere_sweep {
    linear_spline 31,
    #for (I, 0, 30)
      HullPt(-0.97 + 1.94 * I / 30, 1, S, 0.05), 0.07
    #end
    texture { T_Oak }
  }
#end
// Fifteen oar ports a side in the top strake, with their shutters.
#for (S, -1, 1, 2)
  #for (I, 0, 14)
    #local U = -0.62 + I * 1.24 / 14;
    #local P = HullPt(U, 1 - 0.5 / NS, S, 0.05);
    cylinder { P - <0, 0, S * 0.08>, P + <0, 0, S * 0.02>, 0.065
      pigment { rgb <0.03, 0.02, 0.015> } finish { ambient 0 diffuse 0.3 } }
  #end
#end
// Thwarts and the heavy mast partner, seen over the gunwale.
#for (I, -6, 6)
  #if (I != 0)
    #local U = I * 0.12;
    #local P = HullPt(U, 0.55, 1, -0.05);
    box { <-0.08, -0.05, -P.z>, <0.08, 0.05, P.z> translate <P.x, P.y, 0> texture { T_PaleOak } }
  #end
#end
#local P = HullPt(0, 0.55, 1, -0.05);
box { <-1.6, 0, -0.3>, <1.6, 0.35, 0.3> translate <0, P.y - 0.1, 0> texture { T_Oak } }

// --- Stem and stern ------------------------------------------------------------
// Each rises from the end of the keel in a long sweep and curls inward, over
// the ship, into a tight spiral ending in a snake's head.
#macro Spiral(Sgn)
  #local K0 = HullPt(Sgn * 0.985, 0.0, 1, 0);
  #local C = <Sgn * 10.35, 4.55, 0>;
  union {
    sphere_sweep {
      cubic_spline 43,
      <Sgn * 8.6, -0.8, 0>, 0.2,
      <Sgn * 9.45, K0.y, 0>, 0.2,
      <Sgn * 10.2, 1.5, 0>, 0.2,
      <Sgn * 10.85, 2.8, 0>, 0.18,
      <Sgn * 11.02, 3.8, 0>, 0.16,
      #for (T, 0, 36)
        #local A = T * 15;
        #local Rr = 0.67 * (1 - T / 36 * 0.78);
        C + <Sgn * Rr * cos(radians(A)), Rr * sin(radians(A)), 0>, 0.15 - T * 0.0018,
      #end
      C + <Sgn * 0.11, 0.05, 0>, 0.08
      scale <1, 1, 0.45>
    }
    // The carved snake's head at the heart of the spiral.
    sphere { C + <Sgn * 0.05, 0, 0>, 0.14 scale <1, 1, 0.6> }
    texture { T_Oak }
  }
#end
object { Spiral(1) }
object { Spiral(-1) }
// --- Mast, yard, furled sail, rigging --------------------------------------------
#declare MastTop = <0.3, 11.2, 0>;
cylinder { <0.3, -0.2, 0>, MastTop, 0.15 texture { T_PaleOak } }
// The yard lowered to the gunwale and the sail furled along it.
#declare YardY = 7.6;
cylinder { <0.3 - 0.2, YardY, -5.6>, <0.3 - 0.2, YardY, 5.6>, 0.09 texture { T_PaleOak } }
sphere_sweep {
  b_spline 6,
  <0.05, YardY - 0.15, -6.4>, 0.1,
  <0.05, YardY - 0.2, -5.2>, 0.17,
  <0.05, YardY - 0.28, -1.5>, 0.27,
  <0.05, YardY - 0.28, 1.5>, 0.27,
  <0.05, YardY - 0.2, 5.2>, 0.17,
  <0.05, YardY - 0.15, 6.4>, 0.1
  texture {
    pigment { gradient z scale 1.2 color_map { [0.5 color rgb <0.62, 0.18, 0.12>] [0.5 color rgb <0.85, 0.78, 0.64>] } }
    normal { wrinkles 0.5 scale 0.15 }
    finish { ambient 0.06 diffuse 0.75 }
  }
}
#macro Rope(A, B) cylinder { A, B, 0.022 pigment { rgb <0.30, 0.24, 0.16> } finish { diffuse 0.6 } } #end
Rope(MastTop, <10.6, 3.0, 0>)
Rope(MastTop, <-9.9, 2.2, 0>)
#for (S, -1, 1, 2)
  #for (I, 0, 1)
    #local P = HullPt(-0.05 - I * 0.14, 1, S, 0.05);
    Rope(MastTop - y * 0.3, P)
  #end
  Rope(<0.1, YardY, S * 5.5>, <-9.0, 2.0, S * 0.1>)
#end

// --- Steering oar on the starboard quarter -------------------------------------
#declare RP = HullPt(-0.80, 1, -1, 0.05);
union {
  cylinder { <0, -0.3, 0>, <0, 2.2, 0>, 0.1 }
  box { <-0.35, -1.6, -0.05>, <0.2, 0.1, 0.05> }
  cylinder { <0, 1.9, 0>, <0.9, 1.9, 0>, 0.04 }
  rotate z * -12
  translate <RP.x, RP.y - 1.2, RP.z - 0.16>
  texture { T_PaleOak }
}

// --- The shore ---------------------------------------------------------------------
// A mooring post and line to the beach, two men launching a boat's worth of stores.
cylinder { <5.0, -1, -10.0>, <5.0, 1.3, -10.0>, 0.12 texture { T_PaleOak } }
Rope(<5.0, 1.1, -10.0>, HullPt(0.55, 1, -1, 0.05))
object { Person(rgb <0.45, 0.40, 0.30>) translate <6.8, 0.2, -10.8> }
object { Person(rgb <0.30, 0.32, 0.40>) translate <8.0, 0.35, -11.4> }
// Pines along the shore to the left.
#for (I, 0, 7)
  object { Cypress(9 + mod(I * 7, 5)) translate <-12 - I * 4.2, 0.8 + I * 0.3, -19 - mod(I * 5, 7)> }
#end
