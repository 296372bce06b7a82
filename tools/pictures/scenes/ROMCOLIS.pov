// The Flavian Amphitheatre in the second century, seen in the morning from
// the slope of the Esquiline: the travertine ellipse of 188 x 156 m with its
// three storeys of 80 open arches and the attic, the cavea inside, the paved
// square with the Meta Sudans and the Colossus of the Sun, the temple of
// Venus and Roma on its platform, the Palatine and the Caelian with the roofs
// of the city. +x east, +z north, metres; the long axis lies east-west.
#declare SunAz = 70; #declare SunEl = 30; #declare HazeDist = 3200; #declare HazeAlt = 200;
#declare FillPower = 0.55; #declare BouncePower = 0.30;
#include "atlas.inc"
#include "shapes.inc"

camera { location <60, 105, 300> look_at <-62, -20, -20> angle 60 }
SunAndSky()
Clouds(2200, 0.25)

// ---- Ground and hills: the valley floor, the Palatine to the south-west,
// the Caelian to the south, the low Velia to the west.
#declare Bump = function(X, Z, CX, CZ, RX, RZ) { 0.5 + 0.5 * cos(pi * min(1, sqrt(pow((X - CX) / RX, 2) + pow((Z - CZ) / RZ, 2)))) }
#declare Plateau = function(X, Z, CX, CZ, RX, RZ) { min(1, Bump(X, Z, CX, CZ, RX, RZ) * 1.8) }
#declare HillH = function(X, Z) {
  max(max(42 * Plateau(X, Z, -360, -300, 230, 190), 38 * Plateau(X, Z, 140, -430, 300, 170)),
      max(12 * Bump(X, Z, -260, 60, 140, 110), 45 * Plateau(X, Z, 260, 520, 380, 260)))
}
#declare HS = 1600;
height_field {
  function 800, 800 { HillH((x - 0.5) * HS, ((1 - y) - 0.5) * HS) / 50 }
  smooth translate <-0.5, 0, -0.5> scale <HS, 50, HS> translate y * -0.02
  texture { T_DryGrass scale 3 }
}
plane { y, 0 texture { T_Earth } }
FarHills(T_DryGrass, 9000, 260, 0.12, 3)

// ---- Stone.
#macro TravTex()
  texture {
    pigment { granite turbulence 0.3 scale 0.8
      color_map { [0 rgb <0.84, 0.75, 0.57>] [0.5 rgb <0.90, 0.81, 0.63>] [1 rgb <0.78, 0.69, 0.53>] } }
    normal { granite 0.3 scale 0.25 }
    finish { ambient 0.05 diffuse 0.78 specular 0.03 roughness 0.2 }
  }
  // Grey weathering streaks running down the stone.
  texture {
    pigment { bozo turbulence 0.5 scale <2.5, 14, 2.5>
      color_map { [0 rgbt <0.58, 0.57, 0.55, 0.72>] [0.25 rgbt <0.62, 0.62, 0.60, 0.9>] [0.4 rgbt 1] [1 rgbt 1] } }
    finish { ambient 0.05 diffuse 0.78 }
  }
  texture {
    pigment { brick color rgbt <0.40, 0.36, 0.30, 0.45>, color rgbt 1 brick_size <1.6, 0.62, 1.6> mortar 0.05 }
    finish { ambient 0.05 diffuse 0.78 }
  }
#end
#declare T_Tile = texture {
  pigment { gradient x color_map { [0 rgb <0.50, 0.23, 0.13>] [0.5 rgb <0.62, 0.31, 0.18>] [1 rgb <0.50, 0.23, 0.13>] } scale 0.5 }
  finish { ambient 0.05 diffuse 0.75 }
}
#declare T_Marble = texture {
  pigment { granite scale 1.5 color_map { [0 rgb <0.90, 0.88, 0.83>] [1 rgb <0.96, 0.94, 0.89>] } }
  finish { ambient 0.05 diffuse 0.75 specular 0.1 }
}
#declare T_Bronze = texture {
  pigment { rgb <0.62, 0.46, 0.26> }
  finish { ambient 0.08 diffuse 0.55 specular 0.7 roughness 0.02 metallic reflection { 0.15 metallic } }
}

// ---- The amphitheatre.
#declare A = 94; #declare B = 78; #declare N = 80;
#declare Lv = array[4] { 0, 10.5, 22.3, 33.9 }
#declare Top = 48.5;
// A point on the outer ellipse and the angle of the outward normal there.
#macro EPt(T) <A * cos(radians(T)), 0, B * sin(radians(T))> #end
#macro ENrm(T) degrees(atan2(B * sin(radians(T)) / (B * B), A * cos(radians(T)) / (A * A))) #end
// An elliptic ring between outer semi-axes (Ra, Rb) and those less Th.
#macro ERing(Ra, Rb, Th, Y0, Y1)
  difference {
    cylinder { y * Y0, y * Y1, 1 scale <Ra, 1, Rb> }
    cylinder { y * (Y0 - 1), y * (Y1 + 1), 1 scale <Ra - Th, 1, Rb - Th> }
  }
#end

// The stone of the ambulatories, out of the sun inside the vaults.
#declare T_Shade = texture {
  pigment { granite scale 0.8 color_map { [0 rgb <0.30, 0.26, 0.20>] [1 rgb <0.36, 0.31, 0.24>] } }
  finish { ambient 0.02 diffuse 0.45 }
}
// The back of the inner ambulatory, against the cavea.
object { ERing(A - 9.7, B - 9.7, 0.4, 0, 40) texture { T_Shade } }
// The outer wall and the inner arcade wall, with the arches cut through
// both, and the vaults of the two ambulatories between them.
difference {
  union {
    ERing(A, B, 2.4, 0, Top)
    object { ERing(A - 7.6, B - 7.6, 2.2, 0, Lv[3] + 6) texture { T_Shade } }
    // Vaults and floors of the ambulatories (dark within).
    #for (L, 1, 3)
      object { ERing(A - 2.3, B - 2.3, 6, Lv[L] - 1.6, Lv[L] + 0.2) texture { T_Shade } }
    #end
  }
  #for (L, 0, 2)
    #local Y0 = Lv[L] + (L = 0 ? 0 : 1.7);
    #local Imp = (L = 0 ? 5.0 : 4.5);
    #for (I, 0, N - 1)
      #local T = (I + 0.5) * 360 / N;
      union {
        box { <-12, 0, -2.1>, <1.5, Imp, 2.1> }
        cylinder { <-12, Imp, 0>, <1.5, Imp, 0>, 2.1 }
        translate y * Y0
        rotate y * -ENrm(T)
        translate EPt(T)
      }
    #end
  #end
  // Small windows of the attic, in every other bay.
  #for (I, 0, N - 1, 2)
    #local T = (I + 0.5) * 360 / N;
    box { <-4, 38.2, -0.8>, <1, 40.6, 0.8> rotate y * -ENrm(T) translate EPt(T) }
  #end
  TravTex()
}
// The dark interior of the ambulatories: a shaded core behind the inner wall.


// Half-columns on the piers (Tuscan, Ionic, Corinthian up the storeys),
// pedestals under the upper arches, pilasters on the attic.
union {
  #for (I, 0, N - 1)
    #local T = I * 360 / N;
    #local R = -ENrm(T);
    #local P = EPt(T);
    #for (L, 0, 2)
      #local H = Lv[L + 1] - Lv[L] - 1.4;
      union {
        cylinder { <0, Lv[L] + 0.3, 0>, <0, Lv[L] + H, 0>, 0.5 }
        box { <-0.3, Lv[L], -0.75>, <0.6, Lv[L] + 0.35, 0.75> }
        #if (L = 0)
          box { <-0.3, Lv[L] + H - 0.3, -0.72>, <0.66, Lv[L] + H, 0.72> }
        #else
          cone { <0, Lv[L] + H - 0.9, 0>, 0.5, <0, Lv[L] + H - 0.1, 0>, 0.68 }
          box { <-0.3, Lv[L] + H - 0.1, -0.78>, <0.72, Lv[L] + H + 0.1, 0.78> }
          // pedestal and parapet under the arch
          box { <-0.2, Lv[L], -3.4>, <0.25, Lv[L] + 1.7, 3.4> }
        #end
        rotate y * R translate P
      }
    #end
    box { <-0.2, Lv[3] + 1.2, -0.75>, <0.35, Top - 1.8, 0.75> rotate y * R translate P }
  #end
  // Corbels for the awning masts, three to a bay, and the masts above.
  #for (I, 0, N * 3 - 1)
    #local T = (I + 0.5) * 360 / (N * 3);
    #local R = -ENrm(T);
    #local P = EPt(T);
    box { <-0.1, 43.6, -0.35>, <0.55, 44.2, 0.35> rotate y * R translate P }
    cylinder { <0.3, 44.2, 0>, <0.3, Top + 6.5, 0>, 0.18 rotate y * R translate P
      pigment { rgb <0.42, 0.32, 0.22> } finish { ambient 0.05 diffuse 0.7 } }
  #end
  // Cornices between the storeys and at the top.
  #for (L, 1, 3)
    ERing(A + 0.75, B + 0.75, 1.5, Lv[L] - 1.4, Lv[L] - 0.4)
    ERing(A + 0.45, B + 0.45, 1.2, Lv[L] - 0.4, Lv[L] + 0.1)
  #end
  ERing(A + 0.9, B + 0.9, 1.8, Top - 1.8, Top - 0.8)
  ERing(A + 1.1, B + 1.1, 2.0, Top - 0.8, Top)
  TravTex()
}

// The cavea: the seats in steps from the podium round the arena up to the
// portico at the top, and the arena floor of sand.
#declare NT = 22;
difference {
  cylinder { 0, y * 41.5, 1 scale <A - 9.8, 1, B - 9.8> }
  #for (K, 0, NT - 1)
    #local Ra = 46 + (K + 1) * (A - 12 - 46) / NT;
    #local Rb = 30 + (K + 1) * (B - 12 - 30) / NT;
    cylinder { y * (5 + K * 36 / NT), y * 60, 1 scale <Ra, 1, Rb> }
  #end
  cylinder { y * 0.4, y * 60, 1 scale <43, 1, 27> }
  // The stairways down the cavea, dark lines between the wedges.
  #for (I, 0, 31)
    box { <-0.7, 6, 0>, <0.7, 60, 60> rotate y * (I * 360 / 32) scale <A / B, 1, 1> }
  #end
  texture { T_Marble }
  texture { pigment { gradient y color_map { [0 rgbt 1] [0.85 rgbt 1] [0.86 rgbt <0.4, 0.36, 0.3, 0.4>] [1 rgbt <0.4, 0.36, 0.3, 0.4>] } scale 36 / NT } finish { ambient 0.05 diffuse 0.75 } }
}
// The portico round the top of the cavea.
union {
  #for (I, 0, 119)
    #local T = (I + 0.5) * 3;
    cylinder { 0, y * 6, 0.35 translate <(A - 11) * cos(radians(T)), 41.5, (B - 11) * sin(radians(T))> }
  #end
  ERing(A - 10, B - 10, 2, 47.5, 48.3)
  texture { T_Marble }
}
ERing(A - 2, B - 2, 8.5, 47.4, 47.9)
cylinder { 0, y * 0.45, 1 scale <43, 1, 27> texture { T_Sand scale 0.5 } }

// ---- The paved square round the amphitheatre, with its ring of bollards.
cylinder { <0, -1, 0>, <0, 0.06, 0>, 1 scale <A + 36, 1, B + 36>
  texture { pigment { granite scale 3 color_map { [0 rgb <0.66, 0.62, 0.55>] [1 rgb <0.78, 0.74, 0.66>] } }
    normal { bumps 0.2 scale 0.8 } finish { F_Ground } }
  texture { pigment { brick color rgbt 1, color rgbt <0.3, 0.28, 0.25, 0.6> brick_size <3, 3, 1.5> mortar 0.1 } finish { F_Ground } }
}
union {
  #for (I, 0, 159)
    #local T = I * 360 / 160;
    cylinder { 0, y * 1.6, 0.35 translate <(A + 17.5) * cos(radians(T)), 0, (B + 17.5) * sin(radians(T))> }
  #end
  TravTex()
}

box { <-185, -1, -95>, <-95, 0.05, 75>
  texture { pigment { granite scale 3 color_map { [0 rgb <0.66, 0.62, 0.55>] [1 rgb <0.78, 0.74, 0.66>] } }
    normal { bumps 0.2 scale 0.8 } finish { F_Ground } }
  texture { pigment { brick color rgbt 1, color rgbt <0.3, 0.28, 0.25, 0.6> brick_size <3, 3, 1.5> mortar 0.1 } finish { F_Ground } }
}
// ---- The Meta Sudans: a tall cone of brick faced in marble, water running
// down it into a round basin.
union {
  cylinder { 0, y * 1.1, 8.5 }
  cylinder { y * 0.5, y * 1.0, 7.9 texture { T_Water } }
  cylinder { 0, y * 6, 3.4 }
  cone { y * 6, 3.0, y * 16, 1.0 }
  sphere { y * 16.2, 1.0 }
  texture { T_Marble }
  translate <-140, 0, -62>
}

// ---- The Colossus of the Sun: a bronze statue some 30 m high with a crown
// of rays, on its pedestal west of the amphitheatre.
union {
  box { <-8.5, 0, -7>, <8.5, 7, 7> texture { T_Marble } }
  box { <-9, 6.6, -7.5>, <9, 7.4, 7.5> texture { T_Marble } }
  union {
    // legs, body, arms, head and the radiate crown
    cone { <-1.4, 7.4, 0>, 1.3, <-1.0, 19, 0>, 1.9 }
    cone { <1.4, 7.4, 0.3>, 1.3, <1.0, 19, 0>, 1.9 }
    cone { <0, 18, 0>, 3.4, <0, 29.5, 0>, 3.1 scale <1, 1, 0.7> }
    sphere { <0, 31.2, 0>, 2.2 }
    cylinder { <0, 29.3, 0>, <0, 30.4, 0>, 1.2 }
    cylinder { <3.1, 28.5, 0>, <5.6, 36, 0.3>, 0.75 }
    cylinder { <-3.1, 28.5, 0>, <-4.4, 20, 1.2>, 0.75 }
    cylinder { <5.6, 36, 0.3>, <5.8, 39, 0.3>, 0.35 }
    #for (K, 0, 6)
      cone { <0, 1.6, 0>, 0.3, <0, 5, 0>, 0.05 rotate z * (K * 24 - 72) translate <0, 31.2, 0> }
    #end
    // a robe hanging from the shoulder
    cone { <-2.6, 19, 0.2>, 2.6, <-3.3, 29, 0.2>, 0.8 scale <1, 1, 0.6> }
    texture { T_Bronze }
    rotate y * 90
  }
  translate <-128, 0, 26>
}

// ---- The temple of Venus and Roma on its platform on the Velia: ten
// Corinthian columns across, twenty along, inside a portico of grey columns.
#declare TX = -255; #declare TZ = 38;
union {
  // The platform, faced in stone, and its stair towards the amphitheatre.
  box { <-76, 0, -52>, <76, 9, 52> TravTex() }
  #for (K, 0, 11)
    box { <76, 0, -22>, <76 + (12 - K) * 0.8, K * 0.75 + 0.75, 22> TravTex() }
  #end
  // Porticoes along the long sides.
  #for (S, -1, 1, 2)
    union {
      #for (I, 0, 44)
        cylinder { <-72 + I * 3.3, 9, S * 48>, <-72 + I * 3.3, 17, S * 48>, 0.45 pigment { rgb <0.55, 0.54, 0.52> } finish { ambient 0.05 diffuse 0.7 } }
      #end
      box { <-74, 17, S * 48 - 1>, <74, 18.2, S * 48 + 1> texture { T_Marble } }
      box { <-74, 9, S * 52 - 0.6 * S - 0.6>, <74, 18, S * 52 - 0.6 * S + 0.6> texture { T_Marble } }
      prism { linear_sweep linear_spline -74, 74, 4, <-3.4, 0>, <3.4, 0>, <0, 1.8>, <-3.4, 0>
        rotate -x * 90 rotate y * 90 translate <0, 18.2, S * 49.5>
        texture { T_Tile }
      }
    }
  #end
  // The temple: stylobate, 10 x 20 columns, entablature, pediments, roof.
  union {
    #local W = 9 * 5.4; #local L = 19 * 5.4;
    box { <-L / 2 - 4, 9, -W / 2 - 4>, <L / 2 + 4, 11.5, W / 2 + 4> }
    #for (K, 0, 5)
      box { <L / 2 + 4, 9, -14>, <L / 2 + 4 + (6 - K) * 0.45, 9 + K * 0.42 + 0.42, 14> }
    #end
    #for (I, 0, 19)
      #for (J, 0, 9)
        #if (I = 0 | I = 19 | J = 0 | J = 9)
          union {
            cylinder { 0, y * 15.2, 0.85 }
            cone { y * 15.2, 0.85, y * 16.6, 1.2 }
            box { <-1.25, 16.6, -1.25>, <1.25, 17.0, 1.25> }
            translate <-L / 2 + I * 5.4, 11.5, -W / 2 + J * 5.4>
          }
        #end
      #end
    #end
    // Cella walls, with the double cella's back-to-back apses inside.
    box { <-L / 2 + 7, 11.5, -W / 2 + 6.5>, <L / 2 - 7, 27.5, W / 2 - 6.5> }
    box { <-L / 2 - 1.3, 28.5, -W / 2 - 1.3>, <L / 2 + 1.3, 32.2, W / 2 + 1.3> }
    box { <-L / 2 - 1.6, 32.2, -W / 2 - 1.6>, <L / 2 + 1.6, 33, W / 2 + 1.6> }
    prism { linear_sweep linear_spline -L / 2 - 1.6, L / 2 + 1.6, 4, <-W / 2 - 1.6, 0>, <W / 2 + 1.6, 0>, <0, 7.5>, <-W / 2 - 1.6, 0>
      rotate -x * 90 rotate y * 90 translate y * 33 texture { T_Marble } }
    prism { linear_sweep linear_spline -L / 2 - 1.2, L / 2 + 1.2, 4, <-W / 2 - 1.8, -0.05>, <W / 2 + 1.8, -0.05>, <0, 7.7>, <-W / 2 - 1.8, -0.05>
      rotate -x * 90 rotate y * 90 translate y * 33.1 texture { T_Tile } }
    texture { T_Marble }
  }
  translate <TX, 0, TZ>
}

// ---- The city: houses and blocks of flats of brick and plaster under tiled
// roofs, in the valley and over the hills, leaving the square, the temple,
// the roads and the fountain clear.
#declare Rnd = seed(31);
#macro House(W, D, H, C)
  union {
    box { <-W / 2, -3, -D / 2>, <W / 2, H, D / 2>
      texture { pigment { granite scale 2 color_map { [0 C * 0.92] [1 C] } } finish { ambient 0.05 diffuse 0.75 } }
      texture { pigment { brick color rgbt 1, color rgbt <0.10, 0.08, 0.06, 0.15> brick_size <3.2, 3.2, 3.2> mortar 2.1 translate <0.3, 0.9, 0.3> }
        finish { ambient 0.05 diffuse 0.75 } }
    }
    #if (W > D)
      prism { linear_sweep linear_spline -W / 2 - 0.4, W / 2 + 0.4, 4, <-D / 2 - 0.4, 0>, <D / 2 + 0.4, 0>, <0, D * 0.22>, <-D / 2 - 0.4, 0>
        rotate -x * 90 rotate y * 90 translate y * H texture { T_Tile } }
    #else
      prism { linear_sweep linear_spline -D / 2 - 0.4, D / 2 + 0.4, 4, <-W / 2 - 0.4, 0>, <W / 2 + 0.4, 0>, <0, W * 0.22>, <-W / 2 - 0.4, 0>
        rotate -x * 90 translate y * H texture { T_Tile } }
    #end
  }
#end
#declare Cols = array[5] { rgb <0.80, 0.62, 0.42>, rgb <0.70, 0.42, 0.28>, rgb <0.86, 0.78, 0.62>, rgb <0.62, 0.36, 0.24>, rgb <0.78, 0.56, 0.36> }
#for (I, 0, 1950)
  #declare PX = -700 + rand(Rnd) * 1300;
  #declare PZ = -650 + rand(Rnd) * 1000;
  #if (I > 1100) #declare PZ = 100 + rand(Rnd) * 200; #declare PX = -350 + rand(Rnd) * 450; #end
  #if (I > 1700) #declare PZ = 110 + rand(Rnd) * 120; #declare PX = -20 + rand(Rnd) * 220; #end

  #declare Ok = 1;
  #if (pow(PX / (A + 42), 2) + pow(PZ / (B + 42), 2) < 1) #declare Ok = 0; #end
  #if (abs(PX - TX) < 86 & abs(PZ - TZ) < 62) #declare Ok = 0; #end
  #if (vlength(<PX, 0, PZ> - <-150, 0, -60>) < 40) #declare Ok = 0; #end
  #if (PX > -185 & PX < -95 & PZ > -95 & PZ < 75) #declare Ok = 0; #end
  // keep the camera's own hillside open
  #if (vlength(<PX, 0, PZ> - <60, 0, 300>) < 50) #declare Ok = 0; #end
  // the roads: the Sacred Way west, the street south between the hills
  #if (abs(PZ - (-20)) < 7 & PX < -100) #declare Ok = 0; #end
  #if (abs(PX - (-60)) < 7 & PZ < -90) #declare Ok = 0; #end
  #if (Ok)
    #declare W = 9 + rand(Rnd) * 16;
    #declare D = 9 + rand(Rnd) * 14;
    #declare H = 6 + rand(Rnd) * 12;
    object { House(W, D, H, Cols[floor(rand(Rnd) * 4.99)]) rotate y * (rand(Rnd) < 0.5 ? 0 : 90) translate <PX, HillH(PX, PZ), PZ> }
  #end
#end
// The palaces of the Caesars along the top of the Palatine.
union {
  #for (I, 0, 7)
    box { <-330 + I * 30 - 14, 0, -240 - mod(I, 3) * 35>, <-330 + I * 30 + 14, 13 + mod(I * 7, 5) * 2, -240 - mod(I, 3) * 35 - 40> }
  #end
  translate y * 40
  BrickTex(rgb <0.66, 0.40, 0.26>, rgb <0.72, 0.62, 0.50>, <0.45, 0.12, 0.22>, 0)
}
union {
  #for (I, 0, 7)
    prism { linear_sweep linear_spline -15, 15, 4, <-20, 0>, <20, 0>, <0, 6>, <-20, 0>
      rotate -x * 90
      translate <-330 + I * 30, 53 + mod(I * 7, 5) * 2, -240 - mod(I, 3) * 35 - 20> }
  #end
  texture { T_Tile }
}
// Trees in the gardens of the hills.
#for (I, 0, 120)
  #declare PX = -650 + rand(Rnd) * 1000;
  #declare PZ = -650 + rand(Rnd) * 500;
  #if (HillH(PX, PZ) > 8 & pow(PX / (A + 42), 2) + pow(PZ / (B + 42), 2) > 1)
    #if (rand(Rnd) < 0.5)
      object { Cypress(12 + rand(Rnd) * 6) translate <PX, HillH(PX, PZ), PZ> }
    #else
      object { Tree(8 + rand(Rnd) * 4, 4, I) translate <PX, HillH(PX, PZ), PZ> }
    #end
  #end
#end
