// Olympia in the fourth century BCE, the Altis seen from the south-west and
// above: the temple of Zeus with its gilded Nike and cauldrons on the roof,
// the long low Heraion at the foot of the wooded hill of Kronos, the terrace
// of treasuries under the hill, the round Philippeion, the vaulted tunnel
// into the stadium and its earth banks beyond, the Alpheios to the south.
// +x east, +z north, metres.
#declare SunAz = 165; #declare SunEl = 38; #declare HazeDist = 3800; #declare HazeAlt = 220;
#declare FillPower = 0.55; #declare BouncePower = 0.32;
#include "atlas.inc"
#include "shapes.inc"
#include "classical.inc"

camera { location <-230, 68, -62> look_at <20, -16, 95> angle 66 }
SunAndSky()
Clouds(2200, 0.25)

#declare T_AltisG = texture {
  pigment { bozo turbulence 0.6 octaves 4 scale 14
    color_map { [0 rgb <0.30, 0.40, 0.15>] [0.5 rgb <0.40, 0.44, 0.20>] [0.75 rgb <0.50, 0.46, 0.28>] [1 rgb <0.56, 0.47, 0.33>] } }
  normal { granite 0.4 scale 0.4 }
  finish { F_Ground }
}
// ---- Ground: the trodden earth of the Altis inside the meadows.
#declare AltisF = function(X, Z) { max(abs(X - 0) - 105, abs(Z - 0) * 1.1 - 100) }
plane { y, 0
  texture {
    function { min(1, max(0, AltisF(x, z) / 40 + 0.5)) }
    warp { turbulence 0.25 octaves 3 } scale 1
    texture_map {
      [0.0 T_AltisG]
      [0.45 T_Grass scale 4]
      [1.0 T_Grass scale 4]
    }
  }
}
FarHills(T_Grass, 9000, 300, 0.16, 4)

// ---- The Alpheios: a broad gravelly bed with the water winding through it,
// passing south of the sanctuary and coming from the east up the valley.
#declare RiverZ = function(X) { -230 + 30 * sin(X / 210) + max(0, X - 150) * 0.40 }
#declare RiverD = function(X, Z) { abs(Z - RiverZ(X)) }
plane { y, 0.02
  texture {
    pigment { function { min(1, max(0, 1 - RiverD(x, z) / 55)) } turbulence 0.03
      color_map { [0 rgbt 1] [0.05 rgbt 1] [0.12 rgb <0.62, 0.60, 0.50>] [1 rgb <0.68, 0.65, 0.55>] } }
    finish { F_Ground }
  }
  no_shadow
}
plane { y, 0.06
  texture {
    function { min(1, max(0, 1 - RiverD(x, z) / 38)) } warp { turbulence 0.1 }
    texture_map {
      [0.08 pigment { rgbt 1 } finish { ambient 0 diffuse 0 }]
      [0.08 pigment { rgb <0.20, 0.34, 0.42> }
        normal { waves 0.10 frequency 1.5 turbulence 0.4 scale <8, 1, 3> }
        finish { ambient 0.02 diffuse 0.3 specular 0.5 roughness 0.005 reflection { 0.25, 0.7 fresnel on } }]
    }
  }
  no_shadow
}

// ---- The hill of Kronos: a rounded cone, wooded with pines, north of the
// Heraion and the treasuries.
#declare KX = 0; #declare KZ = 212; #declare KRX = 170; #declare KRZ = 128; #declare KH = 76;
#declare KronosR = function(X, Z) { sqrt(pow((X - KX) / KRX, 2) + pow((Z - KZ) / KRZ, 2)) }
#declare KronosH = function(X, Z) { KH * (0.5 + 0.5 * cos(pi * min(1, KronosR(X, Z)))) }
#declare KS = 400;
height_field {
  function 500, 500 { KronosH(KX + (x - 0.5) * KS, KZ + ((1 - y) - 0.5) * KS) / KH }
  smooth translate <-0.5, 0, -0.5> scale <KS, KH, KS> translate <KX, -0.05, KZ>
  texture {
    pigment { granite scale 6 color_map { [0 rgb <0.14, 0.20, 0.07>] [0.5 rgb <0.22, 0.28, 0.11>] [1 rgb <0.34, 0.33, 0.20>] } }
    normal { bumps 0.6 scale 3 }
    finish { F_Ground }
  }
}
// Pines on the hill: dark rounded crowns sitting on the slope.
#declare Rnd = seed(7);
union {
  #for (I, 0, 1500)
    #declare PX = KX + (rand(Rnd) - 0.5) * 2 * KRX;
    #declare PZ = KZ + (rand(Rnd) - 0.5) * 2 * KRZ;
    #declare PR = KronosR(PX, PZ);
    #if (PR < 0.93 & PZ > 95)
      #declare PH = KronosH(PX, PZ);
      #declare S = 2.4 + rand(Rnd) * 1.8;
      sphere { 0, 1 scale <S, S * 0.75, S> translate <PX, PH + S * 0.9, PZ> }
      cylinder { <PX, PH - 1, PZ>, <PX, PH + S * 0.6, PZ>, 0.35 pigment { rgb <0.30, 0.22, 0.15> } }
    #end
  #end
  pigment { granite scale 2 color_map { [0 rgb <0.07, 0.15, 0.05>] [1 rgb <0.15, 0.25, 0.08>] } }
  normal { bumps 1.0 scale 0.6 }
  finish { ambient 0.04 diffuse 0.72 }
}

// ---- Stone.
#declare T_Shell = StoneTex(rgb <0.86, 0.82, 0.72>, rgb <0.92, 0.88, 0.79>, rgb <0.78, 0.74, 0.64>, 0.8)
#declare T_Poros = StoneTex(rgb <0.78, 0.70, 0.54>, rgb <0.84, 0.76, 0.60>, rgb <0.70, 0.62, 0.48>, 0.8)
#declare T_Marble2 = StoneTex(rgb <0.90, 0.88, 0.83>, rgb <0.95, 0.93, 0.88>, rgb <0.82, 0.80, 0.75>, 0.6)
#declare T_Tile = texture {
  pigment { gradient x color_map { [0 rgb <0.52, 0.24, 0.14>] [0.5 rgb <0.64, 0.33, 0.19>] [1 rgb <0.52, 0.24, 0.14>] } scale 0.6 }
  normal { gradient x 0.6 scale 0.6 }
  finish { F_Stone }
}
#declare T_Gold = texture {
  pigment { rgb <0.95, 0.72, 0.30> }
  finish { ambient 0.12 diffuse 0.55 specular 0.8 roughness 0.01 metallic reflection { 0.25 metallic } brilliance 2 }
}

// A winged Victory: robe, body, head and spread wings.
#macro Nike(H)
  union {
    cone { 0, H * 0.16, y * H * 0.62, H * 0.07 }
    cone { y * H * 0.55, H * 0.07, y * H * 0.78, H * 0.05 }
    sphere { y * H * 0.86, H * 0.07 }
    sphere { 0, 1 scale <H * 0.05, H * 0.22, H * 0.14> rotate x * -30 rotate z * 30 translate <H * 0.12, H * 0.8, -H * 0.05> }
    sphere { 0, 1 scale <H * 0.05, H * 0.22, H * 0.14> rotate x * -30 rotate z * -30 translate <-H * 0.12, H * 0.8, -H * 0.05> }
    texture { T_Gold }
  }
#end
// A gilded cauldron on three legs.
#macro Cauldron(H)
  union {
    #for (K, 0, 2)
      cylinder { <0, 0, 0>, <0, H * 0.5, 0>, H * 0.04 translate x * H * 0.28 rotate y * K * 120 }
    #end
    intersection { sphere { 0, H * 0.36 } plane { y, H * 0.1 } translate y * H * 0.62 }
    torus { H * 0.22, H * 0.035 rotate x * 90 translate <0, H * 0.9, 0> }
    texture { T_Gold }
  }
#end

// ---- The temple of Zeus: 6 x 13 Doric columns 10.4 m tall on a raised
// platform with a ramp at its east front; east-facing.
#declare ZX = 0; #declare ZZ = -20;
#declare ZTop = DoricHeight(6, 5.22, 1.12, 10.43);
union {
  box { <-36, 0, -17>, <36, 1.4, 17> texture { T_Poros } }
  box { <36, 0, -5>, <52, 1.4, 5> texture { T_Poros } }
  object { DoricTemple(6, 13, 5.22, 1.12, 10.43, T_Shell, 1) rotate y * 90 translate y * 1.4 }
  // Gilded Nike on the east apex, gilded cauldrons on the corners.
  #local RE = 31.3 + 1.12 * 1.5;
  #local RW = 13.05 + 1.12 * 1.5;
  object { Nike(4.2) translate <RE - 0.5, 1.4 + ZTop - 0.2, 0> }
  object { Cauldron(3.0) translate <-RE + 0.5, 1.4 + ZTop - 0.3, 0> }
  #for (E, -1, 1, 2)
    #for (S, -1, 1, 2)
      object { Cauldron(2.6) translate <E * (RE - 1.2), 1.4 + ZTop - 0.3 - 4.0, S * (RW - 1.2)> }
    #end
  #end
  // The Nike of Paionios on her tall three-sided pillar before the east front.
  prism { linear_spline 0, 9, 4, <0, 1.2>, <-1.04, -0.6>, <1.04, -0.6>, <0, 1.2> translate <48, 0, -14> texture { T_Marble2 } }
  object { Nike(2.6) translate <48, 9, -14> texture { T_Marble2 } }
  translate <ZX, 0, ZZ>
}

// ---- The Heraion: long, low, 6 x 16 columns, its tiled roof with a great
// painted disc on each gable.
#declare HX = -58; #declare HZ = 62;
#declare HTop = DoricHeight(6, 3.4, 0.66, 5.2);
union {
  object { DoricTemple(6, 16, 3.4, 0.66, 5.2, T_Poros, 1) rotate y * 90 }
  #for (E, -1, 1, 2)
    cylinder { <0, 0, -0.15>, <0, 0, 0.15>, 1.15 rotate y * 90 translate <E * 26.5, HTop + 0.9, 0>
      pigment { radial frequency 12 color_map { [0 rgb <0.62, 0.22, 0.12>] [0.5 rgb <0.62, 0.22, 0.12>] [0.5 rgb <0.86, 0.78, 0.60>] [1 rgb <0.86, 0.78, 0.60>] } rotate z * 90 rotate y * 90 }
      finish { F_Stone } }
  #end
  translate <HX, 0, HZ>
}

// ---- The Metroon: a small Doric temple below the treasury terrace.
object { DoricTemple(6, 11, 2.3, 0.45, 4.6, T_Shell, 1) rotate y * 90 translate <18, 0, 58> }

// ---- The terrace of treasuries: small temple fronts in a row facing south,
// two columns between the side walls, on a raised terrace with steps.
#macro Treasury(W, D, H)
  union {
    box { <-W / 2, 0, 0>, <W / 2, H, D> }
    // Antae and two columns in the porch (the porch is the front 2.4 m).
    difference {
      box { <-W / 2, 0, -2.4>, <W / 2, H, 0.01> }
      box { <-W / 2 + 0.6, -1, -3>, <W / 2 - 0.6, H - 1.0, 0> }
    }
    #for (K, -1, 1, 2)
      object { DoricColumn(0.32, H - 1.0) translate <K * W * 0.17, 0, -2.0> }
    #end
    box { <-W / 2 - 0.15, H - 1.0, -2.55>, <W / 2 + 0.15, H, D + 0.15> }
    prism { linear_sweep linear_spline 0, D + 2.7, 4, <-W / 2 - 0.2, 0>, <W / 2 + 0.2, 0>, <0, W * 0.14>, <-W / 2 - 0.2, 0>
      rotate -x * 90 translate <0, H, D + 0.15> texture { T_Tile } }
    // The gable's tympanum in shade, a touch darker.
    prism { linear_sweep linear_spline 0, 0.3, 4, <-W / 2 + 0.2, 0.1>, <W / 2 - 0.2, 0.1>, <0, W * 0.14 - 0.15>, <-W / 2 + 0.2, 0.1>
      rotate -x * 90 translate <0, H, -2.35> }
  }
#end
#declare TY = 2.6;
union {
  // The terrace and its steps.
  box { <-28, 0, 80>, <78, TY, 100> texture { T_Poros } }
  #for (K, 0, 4)
    box { <-28, 0, 80 - (K + 1) * 0.7>, <78, TY - (K + 1) * 0.52, 80> texture { T_Poros } }
  #end
  // A retaining wall against the hill behind.
  box { <-30, 0, 99>, <80, TY + 4, 101> texture { T_Poros } }
  #declare TW = array[11] { 6.8, 10.5, 6.2, 7.8, 12.0, 6.5, 8.2, 7.0, 11.0, 6.4, 9.6 }
  #declare TD = array[11] { 9.0, 13.0, 8.5, 10.0, 14.0, 9.0, 10.5, 9.5, 13.5, 8.6, 12.0 }
  #declare TH = array[11] { 6.0, 7.4, 5.8, 6.4, 8.0, 5.9, 6.6, 6.1, 7.6, 5.9, 7.0 }
  #declare Xc = -25;
  #for (K, 0, 10)
    #declare Xc = Xc + TW[K] / 2;
    object { Treasury(TW[K], TD[K], TH[K]) translate <Xc, TY, 84.5> texture { #if (mod(K, 3) = 1) T_Poros #else T_Shell #end } }
    #declare Xc = Xc + TW[K] / 2 + 2.2;
  #end
}

// ---- The Philippeion: round, 18 Ionic columns on three steps round a
// cella, a conical tiled roof with a bronze poppy at its crown.
union {
  #for (K, 0, 2)
    cylinder { y * K * 0.4, y * (K + 1) * 0.4, 8.3 - K * 0.35 }
  #end
  #for (K, 0, 17)
    union {
      cylinder { 0, y * 6.4, 0.33 }
      cylinder { 0, y * 0.25, 0.45 }
      box { <-0.5, 6.2, -0.25>, <0.5, 6.6, 0.25> }
      translate <7.0, 1.2, 0> rotate y * (K * 20 + 10)
    }
  #end
  cylinder { y * 1.2, y * 7.6, 5.2 }
  cylinder { y * 7.6, y * 8.7, 7.6 }
  cone { y * 8.7, 7.9, y * 11.8, 0.6 texture { T_Tile } }
  sphere { y * 12.1, 0.5 texture { T_Gold } }
  texture { T_Marble2 }
  translate <-104, 0, 38>
}

// ---- The great altar of Zeus: a cone of ash on a stone platform; the
// Pelopion mound with its trees.
union {
  cylinder { 0, y * 1.6, 1 scale <12, 1, 8> texture { T_Poros } }
  cone { y * 1.6, 9, y * 7.5, 3.5 scale <1, 1, 0.6> pigment { granite scale 2 color_map { [0 rgb <0.55, 0.52, 0.48>] [1 rgb <0.66, 0.63, 0.58>] } } finish { F_Ground } }
  translate <-8, 0, 38>
}
// The Pelopion: a low grassy mound inside a five-sided stone enclosure.
sphere { 0, 1 scale <15, 1.8, 12> translate <-38, 0, 22> texture { T_Grass scale 2 } }
union {
  #for (K, 0, 4)
    #local A1 = radians(K * 72 + 18); #local A2 = radians(K * 72 + 90);
    #local P1 = <-38 + 18 * cos(A1), 0, 22 + 15 * sin(A1)>;
    #local P2 = <-38 + 18 * cos(A2), 0, 22 + 15 * sin(A2)>;
    #local D = P2 - P1;
    box { <0, 0, -0.35>, <vlength(D), 1.1, 0.35> rotate y * -degrees(atan2(D.z, D.x)) translate P1 }
  #end
  texture { T_Poros }
}

// ---- The stadium east of the Altis: a level track 212 x 30 m between long
// earth banks, entered through the vaulted tunnel under its west bank.
#declare SX0 = 126; #declare SX1 = 338; #declare SZ0 = 60; #declare SZ1 = 90;
#declare StadD = function(X, Z) { sqrt(pow(max(0, max(SX0 - X, X - SX1)), 2) + pow(max(0, max(SZ0 - Z, Z - SZ1)), 2)) }
#declare BankH = function(X, Z) { 8 * min(1, StadD(X, Z) / 17) * max(0, min(1, 1 - (StadD(X, Z) - 19) / 24)) }
#declare SS = 420;
difference {
  height_field {
    function 840, 840 { BankH(232 + (x - 0.5) * SS, 75 + ((1 - y) - 0.5) * SS) / 8 }
    smooth translate <-0.5, 0, -0.5> scale <SS, 8, SS> translate <232, -0.02, 75>
  }
  // The tunnel through the west bank.
  union { box { <80, -1, 71.2>, <SX0 + 1, 3.4, 76.8> } cylinder { <80, 3.4, 74>, <SX0 + 1, 3.4, 74>, 2.8 } }
  texture {
    slope { y }
    texture_map { [0.8 T_Earth scale 2] [0.9 T_DryGrass scale 2] [0.985 T_DryGrass scale 2] [1 T_Grass scale 3] }
  }
}
// The track of beaten earth with the stone starting sills at both ends.
box { <SX0, -1, SZ0>, <SX1, 0.04, SZ1> texture { T_Sand scale 0.6 } }
box { <SX0 + 1, 0, SZ0 + 0.5>, <SX0 + 1.6, 0.16, SZ1 - 0.5> texture { T_Marble2 } }
box { <SX1 - 1.6, 0, SZ0 + 0.5>, <SX1 - 1, 0.16, SZ1 - 0.5> texture { T_Marble2 } }
// The vaulted entrance: a stone front against the bank, the arch opening
// into the dark tunnel, and the tunnel's lining.
difference {
  union {
    box { <85, 0, 66>, <91, 9, 82> }
    box { <91, 0, 70.6>, <SX0, 7.2, 77.4> }
  }
  union { box { <80, -1, 71.9>, <SX0 + 1, 3.4, 76.1> } cylinder { <80, 3.4, 74>, <SX0 + 1, 3.4, 74>, 2.1 } }
  texture { T_Poros }
  Courses(0.55, 1.3, 0)
}
box { <86.5, 0, 60>, <88.5, 2.8, 67> texture { T_Poros } }
box { <86.5, 0, 81>, <88.5, 2.8, 100> texture { T_Poros } }

// ---- Trees of the sanctuary: plane trees, tall and light green, and olives,
// low, grey-green and spreading.
#macro Plane(H, R, Seed)
  #local Rn = seed(Seed);
  union {
    cone { 0, R * 0.12, y * H * 0.6, R * 0.07 pigment { granite scale 0.6 color_map { [0 rgb <0.60, 0.58, 0.48>] [1 rgb <0.46, 0.42, 0.34>] } } finish { ambient 0.05 diffuse 0.7 } }
    blob {
      threshold 0.5
      #for (K, 0, 8)
        sphere { <(rand(Rn) - 0.5) * R * 1.3, H * 0.6 + rand(Rn) * R * 0.9, (rand(Rn) - 0.5) * R * 1.3>, R * 0.72, 1 }
      #end
      pigment { granite scale R * 0.3 color_map { [0 rgb <0.17, 0.28, 0.07>] [1 rgb <0.30, 0.42, 0.12>] } }
      normal { bumps 0.9 scale R * 0.08 }
      finish { ambient 0.04 diffuse 0.72 }
    }
  }
#end
#macro Olive(R, Seed)
  #local Rn = seed(Seed);
  union {
    cone { 0, R * 0.16, <R * 0.15, R * 1.1, 0>, R * 0.08 pigment { rgb <0.30, 0.25, 0.19> } finish { ambient 0.05 diffuse 0.7 } }
    cone { <R * 0.1, R * 0.6, 0>, R * 0.07, <-R * 0.5, R * 1.2, R * 0.2>, R * 0.04 pigment { rgb <0.30, 0.25, 0.19> } finish { ambient 0.05 diffuse 0.7 } }
    blob {
      threshold 0.5
      #for (K, 0, 7)
        sphere { <(rand(Rn) - 0.5) * R * 1.7, R * 1.35 + rand(Rn) * R * 0.5, (rand(Rn) - 0.5) * R * 1.7>, R * 0.55, 1 }
      #end
      pigment { granite scale R * 0.25 color_map { [0 rgb <0.20, 0.26, 0.12>] [1 rgb <0.38, 0.44, 0.26>] } }
      normal { bumps 0.9 scale R * 0.1 }
      finish { ambient 0.04 diffuse 0.72 }
    }
  }
#end
#declare Rnd = seed(23);
// Plane trees about the Pelopion and along the paths.
#for (I, 0, 45)
  #declare P = <-95 + rand(Rnd) * 190, 0, -80 + rand(Rnd) * 150>;
  #declare Ok = 1;
  #if (abs(P.x - ZX) < 58 & abs(P.z - ZZ) < 24) #declare Ok = 0; #end
  #if (abs(P.x - HX) < 34 & abs(P.z - HZ) < 16) #declare Ok = 0; #end
  #if (P.z > 45 & P.x > -35) #declare Ok = 0; #end
  #if (vlength(P - <-104, 0, 38>) < 14) #declare Ok = 0; #end
  #if (vlength(P - <-8, 0, 38>) < 14) #declare Ok = 0; #end
  #if (Ok) object { Plane(10 + rand(Rnd) * 5, 4.5, I) translate P } #end
#end
// Olive groves south and west of the Altis.
#for (I, 0, 90)
  #declare P = <-260 + rand(Rnd) * 460, 0, -220 + rand(Rnd) * 130>;
  #if (P.z < -95 & RiverD(P.x, P.z) > 45)
    object { Olive(2.6 + rand(Rnd) * 1.2, I + 100) translate P }
  #end
#end
#for (I, 0, 40)
  #declare P = <-230 + rand(Rnd) * 110, 0, -90 + rand(Rnd) * 200>;
  #if (P.x < -112)
    object { Olive(2.6 + rand(Rnd) * 1.2, I + 300) translate P }
  #end
#end
// Plane trees and poplars along the banks of the Alpheios.
#for (I, 0, 160)
  #declare PX = -100 + rand(Rnd) * 1300;
  #declare Side = (rand(Rnd) < 0.5 ? -1 : 1);
  #declare PZ = RiverZ(PX) + Side * (40 + rand(Rnd) * 18);
  object { Plane(9 + rand(Rnd) * 6, 4.5, I + 500) translate <PX, 0, PZ> }
#end
