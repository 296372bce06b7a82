// The Great Mosque of Kairouan as the Aghlabids left it in the 800s, seen
// from a roof of the town to the north-east: the three tapering stages of the
// minaret on the north side of the courtyard, the arcades round it, the
// buttressed walls and the ribbed dome over the bay before the mihrab.
#declare SunAz = 115; #declare SunEl = 50; #declare HazeDist = 2800; #declare HazeAlt = 90;
#declare SkyTop = rgb <0.12, 0.30, 0.66>;
#declare SkyLow = rgb <0.84, 0.80, 0.72>;
#declare SunTint = rgb <1.0, 0.94, 0.82>;
#declare SunPower = 1.55;
#include "atlas.inc"
#include "shapes.inc"

camera { location <53, 21, 127> look_at <-4, -0.5, 10> angle 47 }
SunAndSky()
Clouds(2200, 0.15)

// Honey-coloured limestone of the minaret and walls, and the brick of the
// arcades and domes, lime-washed where it faces the court.
#declare T_Honey = StoneTex(rgb <0.84, 0.64, 0.38>, rgb <0.90, 0.71, 0.44>, rgb <0.76, 0.56, 0.33>, 0.7)
// The joints of the ashlar courses over the stone.
#macro HoneyWall()
  texture { T_Honey }
  texture {
    pigment { gradient y color_map { [0 color rgbt <0.30, 0.22, 0.14, 0.25>] [0.08 color rgbt 1] [1 color rgbt 1] } scale 0.45 translate y * 0.11 }
    finish { F_Stone }
  }
  // each block a little lighter or darker than its neighbours
  texture {
    pigment { cells color_map { [0 color rgbt <0.45, 0.32, 0.18, 0.75>] [0.5 color rgbt 1] [1 color rgbt <1, 0.92, 0.8, 0.8>] } scale <1.3, 0.45, 1.3> translate y * 0.11 }
    finish { F_Stone }
  }
#end
#declare T_Arcade = StoneTex(rgb <0.84, 0.74, 0.58>, rgb <0.89, 0.80, 0.64>, rgb <0.78, 0.68, 0.53>, 0.5)
#declare T_Roof = texture {
  pigment { granite scale 3 color_map { [0 rgb <0.72, 0.62, 0.48>] [1 rgb <0.80, 0.70, 0.55>] } }
  normal { bumps 0.15 scale 0.6 }
  finish { F_Stone }
}
#declare T_Court = texture {
  pigment { brick color rgb <0.62, 0.56, 0.46>, color rgb <0.84, 0.79, 0.70> brick_size <1.4, 1, 0.7> mortar 0.05 }
  normal { bumps 0.1 scale 0.3 }
  finish { F_Stone }
}

// ---------------------------------------------------------------- the plain
Ground(T_Sand)
FarHills(T_Sand, 14000, 70, 0.12, 8)

// ---------------------------------------------------------------- the plan
// x east, z north. The enclosure is about 76 m wide and 126 m long.
#declare Xw = 38; #declare Zs = -63; #declare Zn = 63;
#declare WallH = 10.5; #declare WallT = 1.9;
#declare Zq = -24;          // the court's south side: the prayer hall beyond
#declare GalD = 6.5;        // depth of the galleries round the court

// A wall along x from X0 to X1 at Z, with buttresses every Step on the side S.
#macro WallX(X0, X1, Z, S, Step)
  union {
    box { <X0, 0, Z - WallT / 2>, <X1, WallH, Z + WallT / 2> }
    #local N = int((X1 - X0) / Step);
    #for (I, 0, N)
      #local Bx = X0 + I * (X1 - X0) / N;
      intersection {
        box { <Bx - 1.5, 0, Z>, <Bx + 1.5, WallH - 0.6, Z + S * 3.2> }
        plane { <0, 1, S * 0.55>, WallH - 0.6 + 0.55 * S * Z }
      }
    #end
  }
#end
#macro WallZ(Z0, Z1, X, S, Step)
  union {
    box { <X - WallT / 2, 0, Z0>, <X + WallT / 2, WallH, Z1> }
    #local N = int((Z1 - Z0) / Step);
    #for (I, 0, N)
      #local Bz = Z0 + I * (Z1 - Z0) / N;
      intersection {
        box { <X, 0, Bz - 1.5>, <X + S * 3.2, WallH - 0.6, Bz + 1.5> }
        plane { <S * 0.55, 1, 0>, WallH - 0.6 + 0.55 * S * X }
      }
    #end
  }
#end
// Rounded merlons along a line.
#macro MerlonsX(X0, X1, Y, Z, Step)
  #local N = int((X1 - X0) / Step);
  union {
    #for (I, 0, N - 1)
      #local Mx = X0 + (I + 0.5) * (X1 - X0) / N;
      union {
        box { <Mx - Step * 0.3, Y, Z - 0.35>, <Mx + Step * 0.3, Y + 0.6, Z + 0.35> }
        cylinder { <Mx, Y + 0.6, Z - 0.35>, <Mx, Y + 0.6, Z + 0.35>, Step * 0.3 }
      }
    #end
  }
#end

// The outer walls.
union {
  object { WallX(-Xw, Xw, Zs, -1, 9) }
  object { WallX(-Xw, -7, Zn, 1, 9) }
  object { WallX(7, Xw, Zn, 1, 9) }
  object { WallZ(Zs, Zn, Xw, 1, 10) }
  object { WallZ(Zs, Zn, -Xw, -1, 10) }
  object { MerlonsX(-Xw, Xw, WallH, Zs, 1.6) }
  object { MerlonsX(-Xw, -7, WallH, Zn, 1.6) }
  object { MerlonsX(7, Xw, WallH, Zn, 1.6) }
  object { MerlonsX(Zs, Zn, WallH, 0, 1.6) rotate y * 90 scale <1, 1, -1> translate x * Xw }
  object { MerlonsX(Zs, Zn, WallH, 0, 1.6) rotate y * 90 scale <1, 1, -1> translate x * -Xw }
  HoneyWall()
}
// Gateways in the east wall: tall horseshoe-arched doors, dark inside.
#for (I, 0, 2)
  #declare Gz = 30 - I * 26;
  difference {
    box { <Xw - 0.3, 0, Gz - 2.6>, <Xw + 1.6, 7.5, Gz + 2.6> }
    cylinder { <Xw - 1, 4.6, Gz>, <Xw + 2, 4.6, Gz>, 1.5 }
    box { <Xw - 1, 0, Gz - 1.3>, <Xw + 2, 4.6, Gz + 1.3> }
    HoneyWall()
  }
  box { <Xw - 0.4, 0, Gz - 1.3>, <Xw + 0.2, 5.5, Gz + 1.3> pigment { rgb <0.22, 0.15, 0.09> } }
#end

// ---------------------------------------------------------------- arcades
// An arcade of horseshoe arches along x, from X0 to X1, N bays, its face at
// Z (the court side), its roof GalD deep to the side S.
#macro ArcadeX(X0, X1, N, Z, S, H)
  #local Sp = (X1 - X0) / N;
  #local R = Sp * 0.36;
  #local Yc = H - R - 1.4;
  union {
    difference {
      box { <X0, 0, Z - 0.45>, <X1, H, Z + 0.45> }
      #for (I, 0, N - 1)
        #local Cx = X0 + (I + 0.5) * Sp;
        cylinder { <Cx, Yc, Z - 1>, <Cx, Yc, Z + 1>, R }
        box { <Cx - R * 0.86, -1, Z - 1>, <Cx + R * 0.86, Yc, Z + 1> }
      #end
      // shade inside: a back wall
    }
    // The gallery roof and its back wall (the outer wall stands behind).
    box { <X0, H - 0.5, min(Z, Z + S * GalD)>, <X1, H, max(Z, Z + S * GalD)> }
    // Twin columns at each pier.
    #for (I, 0, N)
      #local Cx = X0 + I * Sp;
      #if (I > 0 & I < N)
        cylinder { <Cx - R * 0.98, 0, Z - 0.55>, <Cx - R * 0.98, Yc - 0.3, Z - 0.55>, 0.16 }
        cylinder { <Cx + R * 0.98, 0, Z - 0.55>, <Cx + R * 0.98, Yc - 0.3, Z - 0.55>, 0.16 }
        cylinder { <Cx - R * 0.98, 0, Z + 0.55>, <Cx - R * 0.98, Yc - 0.3, Z + 0.55>, 0.16 }
        cylinder { <Cx + R * 0.98, 0, Z + 0.55>, <Cx + R * 0.98, Yc - 0.3, Z + 0.55>, 0.16 }
      #end
    #end
  }
#end

#declare GalH = 7.2;
union {
  // East and west galleries, their arches facing the court (built along x,
  // then turned by swapping x and z).
  object { ArcadeX(Zq, Zn - WallT / 2 - GalD, 18, Xw - WallT / 2 - GalD, 1, GalH) matrix <0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0> }
  object { ArcadeX(Zq, Zn - WallT / 2 - GalD, 18, -Xw + WallT / 2 + GalD, -1, GalH) matrix <0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0> }
  // North gallery, either side of the minaret.
  object { ArcadeX(-Xw + WallT / 2, -6, 6, Zn - WallT / 2 - GalD, 1, GalH) }
  object { ArcadeX(6, Xw - WallT / 2, 6, Zn - WallT / 2 - GalD, 1, GalH) }
  texture { T_Arcade }
}
// Shade under the galleries.
#declare T_Shade = texture { pigment { rgb <0.35, 0.28, 0.20> } finish { ambient 0.02 diffuse 0.5 } }

// The court, paved, with a cistern mouth.
box { <-Xw, 0, Zq>, <Xw, 0.12, Zn> texture { T_Court } }
cylinder { <-6, 0, 14>, <-6, 0.9, 14>, 0.7 texture { T_Arcade } }

// ---------------------------------------------------------------- prayer hall
#declare HallH = 9.6;
union {
  // Its facade to the court: 17 horseshoe arches, the middle one wider and
  // taller under the raised central nave.
  object { ArcadeX(-Xw + WallT / 2, -3.5, 8, Zq, -1, HallH) }
  object { ArcadeX(3.5, Xw - WallT / 2, 8, Zq, -1, HallH) }
  difference {
    box { <-3.5, 0, Zq - 0.6>, <3.5, HallH + 3.2, Zq + 0.6> }
    cylinder { <0, HallH - 1.4, Zq - 1>, <0, HallH - 1.4, Zq + 1>, 2.5 }
    box { <-2.15, -1, Zq - 1>, <2.15, HallH - 1.4, Zq + 1> }
  }
  // The flat roof of the hall.
  box { <-Xw + WallT / 2, HallH - 0.6, Zs>, <Xw - WallT / 2, HallH, Zq> texture { T_Roof } }
  // The raised central nave and the transept along the qibla wall: a T.
  box { <-3.5, HallH, Zs + 6.5>, <3.5, HallH + 3.2, Zq> }
  box { <-Xw + WallT / 2, HallH, Zs>, <Xw - WallT / 2, HallH + 2.0, Zs + 7> }
  // Parapets round the raised roofs.
  object { MerlonsX(-Xw + 1, Xw - 1, HallH + 2.0, Zs + 7, 1.4) }
  texture { T_Arcade }
}

// The dome over the bay before the mihrab: a square base, an octagonal drum
// with small windows, and a ribbed dome.
#declare Dy = HallH + 2.0;
union {
  box { <-4.2, Dy, Zs + 0.5>, <4.2, Dy + 2.2, Zs + 8.9> }
  intersection {
    #for (K, 0, 3)
      box { <-3.9, Dy, -3.9>, <3.9, Dy + 4.6, 3.9> rotate y * (K * 22.5) translate z * (Zs + 4.7) }
    #end
  }
  // The dome and its 24 ribs, each a meridian from the drum to the crown.
  intersection {
    union {
      sphere { 0, 3.3 }
      #for (K, 0, 11)
        torus { 3.3, 0.16 rotate x * 90 rotate y * (K * 15) }
      #end
    }
    plane { -y, 0 }
    translate <0, Dy + 4.5, Zs + 4.7>
  }
  texture { T_Arcade }
}
#for (K, 0, 7)
  box { <-0.3, Dy + 2.7, -4.0>, <0.3, Dy + 3.9, -3.8> rotate y * (K * 45 + 22.5) translate z * (Zs + 4.7) pigment { rgb 0.05 } }
#end

// ---------------------------------------------------------------- minaret
// Three stages of tapering square towers, the lowest 10.7 m square at its
// foot, each crowned with rounded merlons; the last with a ribbed cupola.
#declare Mz = Zn - 4.4;
#macro Tapered(B0, B1, Y0, Y1)
  intersection {
    box { <-B0 / 2, Y0, -B0 / 2>, <B0 / 2, Y1, B0 / 2> }
    #for (K, 0, 3)
      plane { <0, (B0 - B1) / 2 / (Y1 - Y0), 1>, 0 translate <0, Y0, B0 / 2> rotate y * (K * 90) }
    #end
  }
#end
#macro Merlons4(B, Y)
  union {
    #for (K, 0, 3)
      object { MerlonsX(-B / 2, B / 2, Y, B / 2 - 0.35, 1.05) rotate y * (K * 90) }
    #end
  }
#end
union {
  object { Tapered(10.7, 9.8, 0, 19) }
  object { Merlons4(10.0, 19) }
  object { Tapered(7.7, 7.3, 19, 24.2) }
  object { Merlons4(7.4, 24.2) }
  object { Tapered(5.1, 4.9, 24.2, 28.4) }
  intersection {
    union {
      sphere { 0, 2.2 }
      #for (K, 0, 7)
        torus { 2.2, 0.12 rotate x * 90 rotate y * (K * 22.5) }
      #end
    }
    plane { -y, 0 }
    translate y * 28.4
  }
  cylinder { y * 30.4, y * 31.5, 0.09 }
  sphere { y * 31.0, 0.2 }
  translate z * Mz
  HoneyWall()
}
// Its openings: the door to the court, slit windows up the south face, the
// blind arches of the middle stage and the open arches of the top one.
union {
  box { <-1.0, 0, -5.6>, <1.0, 3.4, -5.0> }
  cylinder { <0, 3.4, -5.6>, <0, 3.4, -5.0>, 1.0 }
  #for (K, 0, 5)
    box { <-0.3, 5 + K * 2.3, -5.5>, <0.3, 6.2 + K * 2.3, -4.8> }
  #end
  #for (K, -1, 1)
    box { <K * 2.0 - 0.5, 20, -3.95>, <K * 2.0 + 0.5, 22.4, -3.55> }
    cylinder { <K * 2.0, 22.4, -3.95>, <K * 2.0, 22.4, -3.55>, 0.5 }
  #end
  #for (S, 0, 3)
    union {
      box { <-0.7, 24.9, -2.7>, <0.7, 26.9, -2.3> }
      cylinder { <0, 26.9, -2.7>, <0, 26.9, -2.3>, 0.7 }
      rotate y * (S * 90)
    }
  #end
  translate z * Mz
  pigment { rgb <0.12, 0.08, 0.05> } finish { ambient 0 diffuse 0.4 }
}
#for (K, 0, 5)
  box { <4.85, 5 + K * 2.3, -0.3>, <5.6, 6.2 + K * 2.3, 0.3> translate z * Mz pigment { rgb <0.12, 0.08, 0.05> } }
#end

// ---------------------------------------------------------------- the town
// Low flat-roofed houses of the town round the mosque, lime-washed or of mud.
#declare Rnd = seed(5);
#declare T_House1 = T_Plaster;
#declare T_House2 = T_Mud;
#for (I, 0, 140)
  #declare Hx = -220 + rand(Rnd) * 440;
  #declare Hz = -260 + rand(Rnd) * 360;
  #declare W = 5 + rand(Rnd) * 7;
  #declare D = 5 + rand(Rnd) * 7;
  #declare Hh = 3 + rand(Rnd) * 3.5;
  #if ((abs(Hx) > Xw + 14 | Hz < Zs - 16 | Hz > Zn + 14) & !(Hx > 18 & Hz > 40))
    box { <-W / 2, 0, -D / 2>, <W / 2, Hh, D / 2> rotate y * (rand(Rnd) * 10 - 5) translate <Hx, 0, Hz>
      texture { #if (rand(Rnd) < 0.5) T_House1 #else T_House2 #end } }
  #end
#end
// A few palms.
#for (I, 0, 14)
  #declare Hx = -160 + rand(Rnd) * 320;
  #declare Hz = -220 + rand(Rnd) * 260;
  #if (abs(Hx) > Xw + 10 | Hz < Zs - 12)
    object { Palm(9 + rand(Rnd) * 4, rand(Rnd) - 0.5, I) translate <Hx, 0, Hz> }
  #end
#end
// Figures in the court.
object { Person(rgb <0.85, 0.83, 0.78>) translate <8, 0.12, 20> }
object { Person(rgb <0.55, 0.40, 0.28>) translate <-12, 0.12, -6> }
object { Person(rgb <0.85, 0.83, 0.78>) translate <-11, 0.12, -5.2> }
