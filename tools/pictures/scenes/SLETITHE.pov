// The Church of the Tithes in Kiev as Vladimir's Greek masters finished it
// about 996: a great cross-in-square church of banded brick and stone, the
// central dome on its tall windowed drum and four smaller domes round it,
// three apses to the east, galleries round the north, west and south sides;
// on the high bank above the Dnieper, the wooden houses of the upper town
// around it and of the lower town on the plain by the river.
#declare SunAz = 205; #declare SunEl = 38; #declare HazeDist = 9000; #declare HazeAlt = 220;
#declare SkyLow = rgb <0.68, 0.74, 0.82>;
#include "atlas.inc"
#include "shapes.inc"

// From the south, from the wall of the upper town, the bank dropping away to the right.
camera { location <-22, 14, -72> look_at <18, 5.5, 0> angle 52 }
SunAndSky()
Clouds(1800, 0.35)

// ---------------------------------------------------------------- materials
// Opus mixtum: courses of thin red brick in thick pink mortar, with bands
// of rough grey-yellow stone between them.
#declare P_BrickCourses = pigment {
  gradient y
  color_map { [0 rgb <0.78, 0.58, 0.50>] [0.35 rgb <0.78, 0.58, 0.50>] [0.45 rgb <0.62, 0.30, 0.20>] [0.9 rgb <0.58, 0.27, 0.18>] [1 rgb <0.78, 0.58, 0.50>] }
  scale 0.14 turbulence 0.02
}
#declare P_StoneBand = pigment { granite scale 0.4 color_map { [0 rgb <0.74, 0.68, 0.56>] [0.6 rgb <0.66, 0.61, 0.51>] [1 rgb <0.55, 0.51, 0.44>] } }
#declare T_Mixed = texture {
  pigment {
    gradient y
    pigment_map { [0 P_StoneBand] [0.34 P_StoneBand] [0.36 P_BrickCourses] [1 P_BrickCourses] }
    scale 1.35
  }
  normal { gradient y 0.25 scale 0.14 }
  finish { ambient 0.05 diffuse 0.75 }
}
texture {
  pigment { bozo turbulence 0.8 scale 2 color_map { [0 rgbt <0.30, 0.25, 0.20, 0.75>] [0.5 rgbt 1] [1 rgbt 1] } }
  finish { ambient 0.05 diffuse 0.75 }
}
#declare T_Lead = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.46, 0.48, 0.50>] [1 rgb <0.56, 0.58, 0.60>] } }
  normal { gradient x 0.2 scale 0.6 }
  finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.05 }
}
#declare T_GoldCross = texture { pigment { rgb <0.85, 0.66, 0.30> } finish { ambient 0.05 diffuse 0.5 specular 0.8 roughness 0.01 metallic reflection { 0.2 metallic } } }
#declare T_Dark = texture { pigment { rgb 0.05 } finish { ambient 0 diffuse 0.3 } }
#declare T_Shingle = texture {
  pigment { gradient y color_map { [0 rgb <0.34, 0.28, 0.22>] [0.85 rgb <0.44, 0.37, 0.29>] [1 rgb <0.24, 0.20, 0.16>] } scale 0.3 }
  normal { gradient y 0.5 scale 0.3 }
  finish { ambient 0.05 diffuse 0.7 }
}
#declare T_Logs = texture {
  pigment { gradient y color_map { [0 rgb <0.20, 0.14, 0.09>] [0.15 rgb <0.46, 0.35, 0.23>] [0.8 rgb <0.52, 0.40, 0.27>] [1 rgb <0.26, 0.19, 0.12>] } scale 0.25 }
  normal { gradient y 0.6 scale 0.25 }
  finish { ambient 0.05 diffuse 0.72 }
}

// ---------------------------------------------------------------- the land
// The upper town's hill at height 0; its edge runs north-south east of the
// church and drops 80 m to the plain of the lower town, then the river.
#declare EdgeX = function(Z) { 44 + 14 * sin(Z / 70 + 0.5) + 7 * sin(Z / 23) }
#declare Bank = function(X, Z) { -78 / (1 + exp(-(X - EdgeX(Z) - 14) / 9)) }
// The plain at -78, the river bed lower, the far bank a little higher.
#declare LandH = function(X, Z) {
  Bank(X, Z) - 6 / (1 + exp(-(X - 480 - 60 * sin(Z / 300)) / 10)) + 8 / (1 + exp(-(X - 1050 - 80 * sin(Z / 400 + 1)) / 12))
}
#declare SX0 = -1500; #declare SZ0 = -4000; #declare SW = 8000;
height_field {
  function 2000, 2000 { (LandH(SX0 + x * SW, SZ0 + (1 - y) * SW) + 100) / 110 }
  smooth
  scale <SW, 110, SW> translate <SX0, -100, SZ0>
  texture {
    pigment { bozo turbulence 0.6 scale 12
      color_map { [0 rgb <0.26, 0.36, 0.12>] [0.5 rgb <0.33, 0.43, 0.15>] [1 rgb <0.42, 0.44, 0.22>] } }
    normal { granite 0.3 scale 0.6 }
    finish { F_Ground }
  }
  // The trodden yard round the church.
  texture {
    pigment { function { min(1, sqrt(x * x + z * z) / 38) } turbulence 0.15
      color_map { [0 rgbt <0.52, 0.42, 0.30, 0>] [0.5 rgbt <0.52, 0.42, 0.30, 0.25>] [0.8 rgbt 1] [1 rgbt 1] } }
    normal { granite 0.3 scale 0.6 }
    finish { F_Ground }
  }
}
Water(T_Water, -81)
// The land beyond, with the river's course left open through it.
difference {
  object { FarHills(T_Grass, 30000, 300, 0.3, 3) translate <0, -78, 0> }
  box { <420, -200, -1e5>, <1100, 0, 1e5> }
}

// ---------------------------------------------------------------- the church
// Cross-in-square core 20 m west to east, 16 m north to south, centred on the origin.
#declare HArm = 15; #declare HCor = 11.5;
// A row of round-headed windows in a wall facing -z at z = Zf.
#macro WinRow(X0, X1, Step, Y, H, Wd, Zf)
  #for (X, X0, X1 + 0.01, Step)
    union { box { <X - Wd / 2, Y, Zf - 0.3>, <X + Wd / 2, Y + H, Zf + 0.3> } cylinder { <X, Y + H, Zf - 0.3>, <X, Y + H, Zf + 0.3>, Wd / 2 } texture { T_Dark } }
  #end
#end
// A barrel vault roof of radius R along x from X0 to X1, its springing at Y.
#macro VaultX(X0, X1, R, Y)
  intersection { cylinder { <X0, Y, 0>, <X1, Y, 0>, R } plane { -y, -Y } texture { T_Lead } }
#end
#macro VaultZ(Z0, Z1, R, Y)
  intersection { cylinder { <0, Y, Z0>, <0, Y, Z1>, R } plane { -y, -Y } texture { T_Lead } }
#end
// A dome on a windowed drum: radius R, drum from Y0 to Y1, N windows.
#macro Domed(R, Y0, Y1, N)
  union {
    difference {
      cylinder { y * Y0, y * Y1, R texture { T_Mixed } }
      #for (I, 0, N - 1)
        union {
          box { <-R * 0.13, Y0 + (Y1 - Y0) * 0.25, -R - 1>, <R * 0.13, Y0 + (Y1 - Y0) * 0.72, 0> }
          cylinder { <0, Y0 + (Y1 - Y0) * 0.72, -R - 1>, <0, Y0 + (Y1 - Y0) * 0.72, 0>, R * 0.13 }
          rotate y * (I * 360 / N) texture { T_Dark }
        }
      #end
    }
    // Arched cornice of the drum, then the dome, the cross on top.
    cylinder { y * (Y1 - 0.1), y * (Y1 + 0.35), R + 0.2 texture { T_Mixed } }
    intersection { sphere { 0, 1 scale <R + 0.1, R * 0.95, R + 0.1> } plane { -y, 0 } translate y * (Y1 + 0.3) texture { T_Lead } }
    union {
      cylinder { y * (Y1 + R * 0.95), y * (Y1 + R * 0.95 + R * 0.7), 0.09 }
      box { <-R * 0.18, -0.07, -0.07>, <R * 0.18, 0.07, 0.07> translate y * (Y1 + R * 0.95 + R * 0.5) }
      sphere { y * (Y1 + R * 0.95 + 0.1), 0.2 }
      texture { T_GoldCross }
    }
  }
#end
union {
  // Corner bays (lower), and the two arms of the cross (higher).
  box { <-10, -1, -8>, <10, HCor, 8> texture { T_Mixed } }
  box { <-10, -1, -3.5>, <10, HArm, 3.5> texture { T_Mixed } }
  box { <-3.5, -1, -8>, <3.5, HArm, 8> texture { T_Mixed } }
  // Pilaster strips dividing the bays of the walls.
  #for (X, -3.5, 3.5, 7)
    box { <X - 0.4, -1, -8.3>, <X + 0.4, HArm, 8.3> texture { T_Mixed } }
  #end
  box { <-10.3, -1, -8.3>, <-9.6, HCor, 8.3> texture { T_Mixed } }
  // Vaults over the arms, ending in round gables, and over the corner bays.
  VaultX(-10.2, 10.2, 3.5, HArm)
  VaultZ(-8.2, 8.2, 3.5, HArm)
  #for (Sx, -1, 1, 2)
    #for (Sz, -1, 1, 2)
      intersection { cylinder { <Sx * 6.75, HCor, -0.2 + Sz * 3.5>, <Sx * 6.75, HCor, Sz * 8.2>, 3.3 } plane { -y, -HCor } texture { T_Lead } }
    #end
  #end
  // Windows in the upper walls of the arms and the corner bays.
  WinRow(-7.5, -6, 1.5, 8.8, 1.6, 0.7, -8.1)
  WinRow(6, 7.5, 1.5, 8.8, 1.6, 0.7, -8.1)
  WinRow(-1.4, 1.4, 1.4, 10.2, 2.2, 0.8, -8.1)
  union { WinRow(-1.4, 1.4, 1.4, 10.2, 2.2, 0.8, -10.1) rotate y * 90 }
  // The great central dome and four smaller ones over the corners.
  object { Domed(3.3, HArm + 3.4, HArm + 9.2, 12) }
  #for (Sx, -1, 1, 2)
    #for (Sz, -1, 1, 2)
      object { Domed(1.8, HCor + 2.6, HCor + 7.2, 8) translate <Sx * 6.75, 0, Sz * 5.75> }
    #end
  #end
  // A square base under the central drum.
  box { <-3.6, HArm, -3.6>, <3.6, HArm + 3.5, 3.6> texture { T_Mixed } }
  #for (I, 0, 3)
    intersection { cylinder { <0, HArm + 3.5, -3.7>, <0, HArm + 3.5, 3.7>, 3.6 } plane { -y, -(HArm + 3.5) } rotate y * (I * 90) texture { T_Lead } }
  #end
  // Three apses to the east, the middle one tallest, with their windows.
  intersection { cylinder { <10, -1, 0>, <10, HCor + 1, 0>, 3.6 } plane { -x, -10 } texture { T_Mixed } }
  intersection { sphere { <10, HCor + 1, 0>, 3.7 } plane { -x, -10 } plane { -y, -(HCor + 1) } texture { T_Lead } }
  #for (Sz, -1, 1, 2)
    intersection { cylinder { <10, -1, Sz * 5.6>, <10, HCor - 2, Sz * 5.6>, 2.2 } plane { -x, -10 } texture { T_Mixed } }
    intersection { sphere { <10, HCor - 2, Sz * 5.6>, 2.3 } plane { -x, -10 } plane { -y, -(HCor - 2) } texture { T_Lead } }
  #end
  // Galleries, lower, round the north, west and south sides, each with an
  // arcade below and windows above under a lean-to roof.
  #declare GW = 4.6; #declare GH = 6;
  #for (Sz, -1, 1, 2)
    box { <-10 - GW, -1, Sz * 8>, <10, GH, Sz * (8 + GW)> texture { T_Mixed } }
    prism { linear_sweep linear_spline -10 - GW - 0.3, 10.3, 4, <0, Sz * 7.9>, <0, Sz * (8.3 + GW)>, <-2.2, Sz * 7.9>, <0, Sz * 7.9>
      rotate z * -90 translate y * GH texture { T_Lead } }
  #end
  box { <-10 - GW, -1, -8 - GW>, <-10, GH, 8 + GW> texture { T_Mixed } }
  prism { linear_sweep linear_spline -8 - GW - 0.3, 8 + GW + 0.3, 4, <-9.9, 0>, <-10.3 - GW, 0>, <-9.9, -2.2>, <-9.9, 0>
    rotate x * 90 translate y * GH texture { T_Lead } }
  // The arcade of the south gallery and its windows above, and the west arcade.
  WinRow(-12.2, 8.2, 2.9, 0, 2.6, 1.6, -8 - GW)
  WinRow(-12.2, 8.2, 2.9, 3.7, 1.2, 0.6, -8 - GW)
  union {
    WinRow(-10.6, 10.6, 3.0, 0, 2.6, 1.6, -10 - GW)
    WinRow(-10.6, 10.6, 3.0, 3.7, 1.2, 0.6, -10 - GW)
    rotate y * 90
  }
  // The west door.
  union { box { <-14.8, 0, -1.3>, <-14.4, 3.4, 1.3> } cylinder { <-14.8, 3.4, 0>, <-14.4, 3.4, 0>, 1.3 } texture { T_Dark } }
}

// ---------------------------------------------------------------- the wooden town
// A log house W x D under a gabled roof, ridge along x.
#macro House(W, D, Hw, RoofT)
  union {
    box { <-W / 2, -1, -D / 2>, <W / 2, Hw, D / 2> texture { T_Logs } }
    prism { linear_sweep linear_spline -W / 2 - 0.4, W / 2 + 0.4, 4, <0, -D / 2 - 0.6>, <0, D / 2 + 0.6>, <-D * 0.55, 0>, <0, -D / 2 - 0.6>
      rotate z * -90 translate y * (Hw - 0.2) texture { RoofT } }
    box { <-0.5, 0, -D / 2 - 0.02>, <0.5, 1.8, -D / 2> texture { T_Dark } }
  }
#end
// Houses and yards on the hill, kept out of the churchyard and the view.
#declare Rh = seed(996);
#for (I, 0, 260)
  #local P = <-150 + rand(Rh) * 220, 0, -160 + rand(Rh) * 330>;
  #local Dl = vlength(P);
  #if (Dl > 30 & P.x < EdgeX(P.z) - 4 & !(P.x > -40 & P.x < 60 & P.z < -15 & P.z > -100))
    object { House(6 + rand(Rh) * 4, 5 + rand(Rh) * 2, 2.6 + rand(Rh) * 1.5, T_Shingle) rotate y * (rand(Rh) * 20 - 10) translate P + y * LandH(P.x, P.z) }
  #end
#end
// Trees in the yards of the upper town, and people before the church.
#for (I, 0, 40)
  #local P = <-150 + rand(Rh) * 200, 0, 20 + rand(Rh) * 150>;
  #if (vlength(P) > 32 & P.x < EdgeX(P.z) - 6)
    object { Tree(7 + rand(Rh) * 5, 3 + rand(Rh) * 2, 300 + I) translate P + y * LandH(P.x, P.z) }
  #end
#end
#for (I, 0, 9)
  object { Person(rgb <0.45 + rand(Rh) * 0.35, 0.35 + rand(Rh) * 0.2, 0.25>) translate <-20 + rand(Rh) * 30, 0, -20 - rand(Rh) * 8> }
#end
// The lower town on the plain: rows of small log houses down to the river.
#for (I, 0, 420)
  #local P = <110 + rand(Rh) * 300, 0, -300 + rand(Rh) * 900>;
  #local Hg = LandH(P.x, P.z);
  object { House(6 + rand(Rh) * 3, 5 + rand(Rh) * 2, 2.5, T_Shingle) rotate y * (rand(Rh) * 90) translate P + y * Hg }
#end
// Trees on the slopes and in the yards.
#for (I, 0, 80)
  #local Z = -300 + rand(Rh) * 700;
  #local X = EdgeX(Z) + 5 + rand(Rh) * 55;
  object { Tree(8 + rand(Rh) * 6, 4 + rand(Rh) * 2, I) translate <X, LandH(X, Z) - 0.3, Z> }
#end
// Boats on the river.
#for (I, 0, 12)
  union {
    intersection { sphere { 0, 1 scale <8, 1.2, 1.6> } plane { y, 0 } }
    cylinder { 0, y * 6, 0.1 }
    pigment { rgb <0.30, 0.22, 0.15> } finish { ambient 0.05 diffuse 0.7 }
    rotate y * rand(Rh) * 40 translate <560 + rand(Rh) * 400, -80.8, -200 + rand(Rh) * 900>
  }
#end
