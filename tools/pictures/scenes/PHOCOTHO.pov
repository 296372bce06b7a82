// The harbours of Carthage about 200 BCE, seen from above the sea to the
// south-east: the round naval harbour with the admiral's tower-house on its
// island, the ship sheds with their columns all round the ring and the
// island, galleys drawn up and on the water, the channel to the oblong
// merchant harbour, the city and the Byrsa hill behind.
#declare SunAz = 235; #declare SunEl = 35; #declare HazeDist = 5000; #declare HazeAlt = 220;
#declare SkyLow = rgb <0.66, 0.74, 0.86>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <640, 210, -430> look_at <-60, 0, 60> angle 46 }
SunAndSky()
Clouds(2500, 0.25)

#declare T_Sea = texture {
  pigment { color rgb <0.06, 0.20, 0.30> }
  normal { waves 0.10 frequency 1.5 turbulence 0.5 scale <14, 1, 8> }
  finish { ambient 0.02 diffuse 0.25 specular 0.5 roughness 0.004 reflection { 0.12, 0.6 fresnel on } conserve_energy }
}
#declare T_Calm = texture {
  pigment { color rgb <0.08, 0.22, 0.26> }
  normal { waves 0.04 frequency 2 turbulence 0.4 scale <5, 1, 5> }
  finish { ambient 0.02 diffuse 0.25 specular 0.5 roughness 0.004 reflection { 0.15, 0.6 fresnel on } conserve_energy }
}
plane { y, 0 texture { T_Sea } interior { ior 1.33 } }
// The harbour basins, calmer than the open sea.
cylinder { <0, 0.01, 0>, <0, -1, 0>, 170 texture { T_Calm } }
box { <-130, 0.01, -560>, <130, -1, -250> texture { T_Calm } }

#declare T_Quay = StoneTex(rgb <0.78, 0.72, 0.60>, rgb <0.84, 0.78, 0.66>, rgb <0.70, 0.64, 0.52>, 1.5)
#declare T_Ashlar = texture { T_Quay } 
#declare T_White = texture {
  pigment { granite scale 3 color_map { [0 rgb <0.86, 0.83, 0.76>] [1 rgb <0.78, 0.74, 0.66>] } }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Ochre = texture {
  pigment { granite scale 3 color_map { [0 rgb <0.78, 0.66, 0.50>] [1 rgb <0.70, 0.58, 0.43>] } }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Tile = texture {
  pigment { gradient x color_map { [0 rgb <0.58, 0.30, 0.18>] [0.5 rgb <0.68, 0.38, 0.24>] [1 rgb <0.58, 0.30, 0.18>] } scale 0.8 }
  normal { gradient x 0.5 scale 0.8 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Roof = texture {
  pigment { granite scale 4 color_map { [0 rgb <0.56, 0.46, 0.36>] [1 rgb <0.64, 0.54, 0.42>] } }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Leaf = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.14, 0.24, 0.08>] [1 rgb <0.24, 0.34, 0.12>] } }
  normal { bumps 0.8 scale 0.8 } finish { ambient 0.04 diffuse 0.7 }
}
#declare T_Dark = texture { pigment { rgb <0.07, 0.06, 0.05> } finish { ambient 0 diffuse 0.5 } }
#declare T_Hull = texture {
  pigment { wood turbulence 0.05 scale 0.4 rotate y * 90 color_map { [0 rgb <0.30, 0.20, 0.12>] [1 rgb <0.40, 0.27, 0.16>] } }
  finish { ambient 0.04 diffuse 0.7 specular 0.1 }
}
#declare T_Deck = texture {
  pigment { wood turbulence 0.05 scale 0.3 rotate y * 90 color_map { [0 rgb <0.56, 0.44, 0.30>] [1 rgb <0.64, 0.52, 0.36>] } }
  finish { ambient 0.04 diffuse 0.7 }
}

// The land: a low plain cut by the basins and channels, the coast east and south.
#declare CothR = 162;
#declare IsleR = 54;
difference {
  box { <-3500, -4, -700>, <335, 2, 4000> }
  cylinder { <0, -5, 0>, <0, 3, 0>, CothR }
  box { <-130, -5, -560>, <130, 3, -250> }
  // The channel between the two harbours, and the mouth to the sea.
  box { <-11, -5, -260>, <11, 3, -140> }
  box { <-14, -5, -710>, <14, 3, -550> }
  texture { pigment { granite scale 40 color_map { [0 rgb <0.66, 0.55, 0.40>] [1 rgb <0.72, 0.62, 0.46>] } }
    normal { bumps 0.3 scale 3 } finish { F_Ground } }
}
// Stone quays round the merchant harbour.
difference {
  box { <-142, 0, -572>, <142, 2.3, -238> }
  box { <-130, -1, -560>, <130, 3, -250> }
  box { <-11, -1, -260>, <11, 3, -140> }
  box { <-14, -1, -710>, <14, 3, -550> }
  texture { T_Quay } Courses(0.8, 2.2, 0)
}
// Warehouses along the merchant harbour.
#declare Rnd = seed(7);
#macro House(X, Z, W, D, H, A, Y0)
  #local TH = texture { #if (rand(Rnd) < 0.55) T_White #else T_Ochre #end }
  union {
    box { <-W / 2, 0, -D / 2>, <W / 2, H, D / 2> texture { TH } }
    // A court in the larger houses, in shade.
    #if (W > 17 & D > 17)
      box { <-W / 4, H - 4, -D / 4>, <W / 4, H + 0.1, D / 4> texture { T_Dark } }
    #end
    box { <-W / 2 - 0.2, H, -D / 2 - 0.2>, <W / 2 + 0.2, H + 0.5, D / 2 + 0.2>
      #if (rand(Rnd) < 0.4) texture { T_Roof } #else texture { TH } #end }
    // A tree in some courtyards.
    #if (rand(Rnd) < 0.25)
      sphere { <W * 0.3, H + 1, D * 0.3>, 3.5 scale <1, 0.8, 1> texture { T_Leaf } }
    #end
    rotate y * A translate <X, Y0, Z>
  }
#end
#for (I, 0, 11)
  House(-170, -548 + I * 27, 24, 26, 8 + rand(Rnd) * 3, 0, 0)
  House(170, -548 + I * 27, 24, 26, 8 + rand(Rnd) * 3, 0, 0)
#end

// A ship shed: a slipway under a pitched tiled roof, open to the water,
// its mouth framed by columns. Built along +z from the water's edge.
#macro Shed(W, L, H)
  union {
    difference {
      box { <-W / 2, 0, 0>, <W / 2, H, L> }
      box { <-W / 2 + 0.5, -1, -1>, <W / 2 - 0.5, H - 0.6, L - 1> }
      texture { T_Quay }
    }
    // The slipway, rising from the water into the shed.
    box { <-W / 2 + 0.5, -1, 0>, <W / 2 - 0.5, 0.4, L - 1> rotate x * -1.5 texture { T_Dark } }
    box { <-W / 2 + 0.5, 0.5, 2>, <W / 2 - 0.5, H - 0.6, L - 1> texture { T_Dark } }
    prism { linear_sweep linear_spline 0, L + 0.6, 4, <-W / 2 - 0.3, 0>, <W / 2 + 0.3, 0>, <0, W * 0.28>, <-W / 2 - 0.3, 0>
      rotate -x * 90 translate <0, H, L + 0.3> texture { T_Tile } }
    // Two Ionic columns in front of each shed.
    #for (S, -1, 1, 2)
      union {
        cylinder { <S * (W / 2 - 0.3), 0.4, -0.6>, <S * (W / 2 - 0.3), H - 0.5, -0.6>, 0.42 }
        box { <S * (W / 2 - 0.3) - 0.6, H - 0.7, -1.2>, <S * (W / 2 - 0.3) + 0.6, H - 0.3, 0> }
        texture { T_White }
      }
    #end
    box { <-W / 2 - 0.2, H - 0.6, -1.2>, <W / 2 + 0.2, H, 0.3> texture { T_White } }
  }
#end
// A war galley: a slim hull with a bronze ram, a deck and banks of oars.
#macro Galley(L, Oars)
  union {
    intersection {
      sphere { 0, 1 scale <L * 0.08, 2.2, L / 2> }
      box { <-L, -0.6, -L>, <L, 2.2, L> }
      texture { T_Hull }
    }
    box { <-L * 0.065, 1.7, -L * 0.42>, <L * 0.065, 2.0, L * 0.42> texture { T_Deck } }
    cone { <0, 0.2, L * 0.48>, 0.35, <0, 0.2, L * 0.55>, 0.05 pigment { rgb <0.45, 0.32, 0.14> } finish { specular 0.4 metallic } }
    // The stern post curling up.
    cylinder { <0, 1.5, -L * 0.47>, <0, 4.0, -L * 0.52>, 0.25 texture { T_Hull } }
    #if (Oars)
      #for (S, -1, 1, 2)
        #for (J, 0, 24)
          cylinder { <S * L * 0.07, 1.3, -L * 0.33 + J * L * 0.027>, <S * L * 0.24, -0.1, -L * 0.33 + J * L * 0.027>, 0.09
            pigment { rgb <0.50, 0.38, 0.24> } }
        #end
      #end
    #end
  }
#end

// The ring of sheds round the basin, broken by the channel in the south.
#declare RingN = 140;
#declare ShedW = 6.2;
#declare ShedL = 36;
#declare ShedH = 7;
#declare Ri = seed(31);
#for (I, 0, RingN - 1)
  #declare A = 180 + 8 + I * (360 - 16) / (RingN - 1);
  object { Shed(ShedW, ShedL, ShedH) translate z * (CothR + 1.2) rotate y * A }
  #if (rand(Ri) < 0.30)
    object { Galley(34, 0) translate <0, -0.8, CothR + 12> rotate y * A }
  #end
#end
// The wall behind the ring that hid the war harbour from the city.
difference {
  cylinder { <0, 0, 0>, <0, ShedH + 5, 0>, CothR + ShedL + 5 }
  cylinder { <0, -1, 0>, <0, ShedH + 6, 0>, CothR + ShedL + 2 }
  box { <-14, -1, -300>, <14, 20, 0> }
  texture { T_Quay } Courses(0.9, 2.4, 0)
}
// The roofs' backs meet a flat walk along the inside of the wall.
difference {
  cylinder { <0, ShedH - 0.5, 0>, <0, ShedH, 0>, CothR + ShedL + 2.2 }
  cylinder { <0, ShedH - 1, 0>, <0, ShedH + 1, 0>, CothR + ShedL - 0.5 }
  box { <-14, -1, -300>, <14, 20, 0> }
  texture { T_Quay }
}

// The island: a round quay with thirty sheds and the admiral's tower-house.
#declare IsleN = 30;
cylinder { <0, -2, 0>, <0, 2.2, 0>, IsleR texture { T_Quay } Courses(0.8, 2.2, 0) }
#for (I, 0, IsleN - 1)
  #declare A = I * 360 / IsleN + 6;
  object { Shed(7.8, 30, 6.5) rotate y * 180 translate z * (IsleR + 1) rotate y * A }
  #if (rand(Ri) < 0.3)
    object { Galley(30, 0) translate <0, -0.8, IsleR - 11> rotate y * A }
  #end
#end
// The space between the sheds' inner ends, with a walk round the tower.
cylinder { <0, 0, 0>, <0, 6.3, 0>, IsleR - 26 texture { T_Quay } }
// The admiral's tower-house: a square tower of two stages with a look-out.
union {
  box { <-11, 0, -11>, <11, 20, 11> }
  box { <-12, 20, -12>, <12, 21.2, 12> }
  box { <-7, 21, -7>, <7, 30, 7> }
  box { <-8, 30, -8>, <8, 31, 8> }
  // Windows all round.
  #for (K, 0, 3)
    #for (J, -1, 1)
      box { <J * 5 - 1, 14, -11.2>, <J * 5 + 1, 17.5, -10.5> texture { T_Dark } rotate y * K * 90 }
    #end
    box { <-1.2, 24, -7.2>, <1.2, 27.5, -6.5> texture { T_Dark } rotate y * K * 90 }
  #end
  texture { T_White }
  rotate y * 20
}

// Galleys on the water: in the basin, the channels and the open sea.
object { Galley(36, 1) rotate y * 40 translate <-95, 0, -50> }
object { Galley(36, 1) rotate y * -70 translate <80, 0, 95> }
object { Galley(35, 1) rotate y * 175 translate <0, 0, -200> }
object { Galley(36, 1) rotate y * 200 translate <40, 0, -420> }
object { Galley(38, 1) rotate y * 160 translate <150, 0, -820> }
object { Galley(38, 1) rotate y * 150 translate <230, 0, -790> }
object { Galley(38, 1) rotate y * 10 translate <395, 0, -10> }
object { Galley(38, 1) rotate y * 20 translate <430, 0, 70> }
// Round-bellied merchant ships in the outer harbour.
#macro Merchant(L)
  union {
    intersection { sphere { 0, 1 scale <L * 0.16, 3, L / 2> } box { <-L, -1, -L>, <L, 3, L> } texture { T_Hull } }
    box { <-L * 0.13, 2.5, -L * 0.35>, <L * 0.13, 2.8, L * 0.35> texture { T_Deck } }
    cylinder { <0, 2.5, L * 0.05>, <0, L * 0.6, L * 0.05>, 0.25 texture { T_Hull } }
    cylinder { <-L * 0.25, L * 0.5, L * 0.05>, <L * 0.25, L * 0.5, L * 0.05>, 0.15 texture { T_Hull } }
  }
#end
#for (I, 0, 9)
  object { Merchant(20 + rand(Rnd) * 6) rotate y * (90 + (rand(Rnd) - 0.5) * 20)
    translate <-100 + (I < 5 ? 0 : 200), 0, -530 + mod(I, 5) * 60 + rand(Rnd) * 20> }
#end
#for (I, 0, 3)
  object { Merchant(22) rotate y * (rand(Rnd) * 360) translate <-60 + rand(Rnd) * 120, 0, -500 + I * 60> }
#end
object { Merchant(24) rotate y * 60 translate <380, 0, -560> }
object { Merchant(22) rotate y * 10 translate <-300, 0, -850> }
object { Merchant(24) rotate y * 120 translate <470, 0, 190> }

// The sea wall along the shore, with towers, open at the harbour mouth.
#macro WallRun(P0, P1, H)
  #local D = vlength(P1 - P0);
  #local N = floor(D / 55);
  union {
    box { <0, 0, -2.5>, <D, H, 2.5> }
    #for (I, 0, N)
      box { <I * D / N - 5, 0, -5>, <I * D / N + 5, H + 4, 5> }
    #end
    rotate y * degrees(atan2(-(P1.z - P0.z), P1.x - P0.x)) translate P0
  }
#end
union {
  WallRun(<328, 0, -692>, <328, 0, 3000>, 11)
  WallRun(<-3000, 0, -692>, <-30, 0, -692>, 11)
  WallRun(<30, 0, -692>, <328, 0, -692>, 11)
  texture { T_Quay } Courses(0.9, 2.4, 0)
}

// The Byrsa hill north-west of the harbours, the citadel on top.
#declare ByX = -760; #declare ByZ = 980; #declare ByH = 70; #declare ByA = 340; #declare ByB = 280;
#declare ByrsaY = function(X, Z) { ByH * sqrt(max(0, 1 - pow((X - ByX) / ByA, 2) - pow((Z - ByZ) / ByB, 2))) }
sphere { 0, 1 scale <ByA, ByH, ByB> translate <ByX, 0, ByZ>
  texture { pigment { bozo turbulence 0.6 scale 25 color_map { [0 rgb <0.30, 0.36, 0.16>] [0.5 rgb <0.46, 0.44, 0.26>] [1 rgb <0.56, 0.50, 0.34>] } } normal { bumps 0.5 scale 4 } finish { F_Ground } } }
// Trees and gardens on the slopes of the hill.
#declare Rt = seed(77);
#for (I, 0, 500)
  #declare TX = ByX + (rand(Rt) - 0.5) * 2 * ByA * 0.95;
  #declare TZ = ByZ + (rand(Rt) - 0.5) * 2 * ByB * 0.95;
  #if (ByrsaY(TX, TZ) > 3)
    sphere { <TX, ByrsaY(TX, TZ) + 2, TZ>, 4 + rand(Rt) * 3 scale <1, 0.8, 1> texture { T_Leaf } }
  #end
#end
// The temple of Eshmun on the summit, up a long stair.
union {
  Terraces(3, 70, 56, 2)
  box { <-20, 6, -30>, <20, 22, 30> texture { T_White } }
  #for (I, 0, 5)
    cylinder { <-17.5 + I * 7, 6, -34>, <-17.5 + I * 7, 21, -34>, 1.1 texture { T_White } }
  #end
  box { <-22, 21, -36>, <22, 24, 32> texture { T_White } }
  prism { linear_sweep linear_spline 0, 68, 4, <-22.5, 0>, <22.5, 0>, <0, 7>, <-22.5, 0> rotate -x * 90 translate <0, 24, 32> texture { T_Tile } }
  box { <-8, 0, -80>, <8, 2, -35> }
  texture { T_Quay }
  rotate y * 150
  translate <ByX, ByH - 1, ByZ>
}
// The citadel wall round the summit.
difference {
  cylinder { <0, 0, 0>, <0, 9, 0>, 150 }
  cylinder { <0, -1, 0>, <0, 10, 0>, 146 }
  texture { T_Quay }
  translate <ByX, ByH - 12, ByZ>
}

// The city: blocks of flat-roofed houses in a grid, climbing the Byrsa.
#declare Rh = seed(2024);
#for (GX, -2400, 300, 36)
  #for (GZ, -560, 2800, 34)
    #declare X = GX + (rand(Rh) - 0.5) * 6;
    #declare Z = GZ + (rand(Rh) - 0.5) * 6;
    #declare DC = sqrt(X * X + Z * Z);
    #declare DB = sqrt(pow((X - ByX) / 150, 2) + pow((Z - ByZ) / 150, 2));
    #declare Keep = ((DC > 232) & ((X < -240) | (X > 240) | (Z > -220)) & (X < 300) & (DB > 1.05) & (Z > -650));
    // Thin out the houses far away, where they are too small to see.
    #if (Keep & (ByrsaY(X, Z) < 1 | rand(Rh) < 0.5))
      #declare W = 15 + rand(Rh) * 10;
      #declare D = 14 + rand(Rh) * 10;
      #declare H = 5 + rand(Rh) * 6;
      House(X, Z, W, D, H, (rand(Rh) - 0.5) * 4, ByrsaY(X, Z) - 1)
    #end
  #end
#end
// Gardens and fields beyond the walls, and the hills of the land.
FarHills(T_DryGrass, 16000, 260, 0.28, 5)
