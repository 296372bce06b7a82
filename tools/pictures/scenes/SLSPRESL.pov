// The Round Church of Preslav as Tsar Simeon built it in the first years of
// the 900s, seen from the slope to the south-west: the rotunda, its outer
// wall notched between the twelve niches, the tall drum with its windows
// and the dome, the apse to the east, the two-storeyed narthex between its
// two round stair towers, the square atrium before it with a colonnade round
// the court and the well in the middle; pale limestone laid with bands of
// brick. Behind, on the terrace of the outer town, the white walls and
// towers of the inner city and the palace roofs, the wooded hills beyond.
#declare SunAz = 192; #declare SunEl = 52; #declare HazeDist = 1800; #declare HazeAlt = 120;
#declare SkyLow = rgb <0.70, 0.76, 0.84>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-54, 25, -46> look_at <-12, 5.9, -2> angle 56 }
SunAndSky()
Clouds(1700, 0.4)

// ---------------------------------------------------------------- materials
// Preslav masonry: blocks of pale limestone, and every metre and a half a
// band of three courses of red brick in pale mortar.
#macro BandTex(Every, Band)
  StoneTex(rgb <0.88, 0.81, 0.66>, rgb <0.93, 0.87, 0.73>, rgb <0.82, 0.75, 0.60>, 0.6)
  // Fine joints between the blocks, a little darker than the stone.
  texture {
    pigment { brick color rgbt <0.55, 0.48, 0.38, 0.55>, color rgbt 1 brick_size <0.9, 0.45, 0.9> mortar 0.03 translate y * 0.9 }
    finish { F_Stone }
  }
  texture {
    pigment { gradient y
      color_map {
        [0.00 rgb <0.60, 0.27, 0.17>] [Band * 0.30 rgb <0.60, 0.27, 0.17>]
        [Band * 0.30 rgb <0.84, 0.76, 0.64>] [Band * 0.36 rgb <0.84, 0.76, 0.64>]
        [Band * 0.36 rgb <0.56, 0.25, 0.16>] [Band * 0.64 rgb <0.56, 0.25, 0.16>]
        [Band * 0.64 rgb <0.84, 0.76, 0.64>] [Band * 0.70 rgb <0.84, 0.76, 0.64>]
        [Band * 0.70 rgb <0.62, 0.29, 0.18>] [Band rgb <0.62, 0.29, 0.18>]
        [Band rgbt 1] [1 rgbt 1]
      }
      scale Every translate y * 0.9
    }
    normal { bumps 0.1 scale 0.05 }
    finish { F_Stone }
  }
#end
#macro Masonry() BandTex(1.8, 0.18) #end
#declare T_Lead = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.46, 0.47, 0.48>] [1 rgb <0.56, 0.57, 0.58>] } }
  normal { radial 0.35 frequency 40 }
  finish { ambient 0.05 diffuse 0.62 specular 0.3 roughness 0.05 }
}
#declare T_Tiles = texture {
  pigment { gradient x color_map { [0 rgb <0.52, 0.27, 0.17>] [0.5 rgb <0.64, 0.36, 0.23>] [1 rgb <0.52, 0.27, 0.17>] } scale 0.4 }
  normal { gradient x 0.6 scale 0.4 }
  finish { ambient 0.05 diffuse 0.72 }
}
// Tiles laid round a cone or a curved roof: ridges running down from the top.
#declare T_RoundTiles = texture {
  pigment { radial frequency 36 color_map { [0 rgb <0.52, 0.27, 0.17>] [0.5 rgb <0.64, 0.36, 0.23>] [1 rgb <0.52, 0.27, 0.17>] } }
  normal { radial 0.6 frequency 36 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_WhiteMarble = texture { T_Marble scale 0.5 }
#declare T_Gilt = texture { pigment { rgb <0.85, 0.66, 0.28> } finish { ambient 0.08 diffuse 0.6 specular 0.7 roughness 0.02 metallic reflection 0.15 } }
#declare T_Hole = texture { pigment { rgb <0.05, 0.04, 0.04> } finish { ambient 0 diffuse 0.4 } }
#declare T_Paving = texture { T_Limestone scale 1.5 } 

// An arched opening W wide, springing at H, cut as a dark recess in a wall
// that faces -z at z = 0.
#macro ArchHole(W, H)
  union {
    box { <-W / 2, 0, -0.2>, <W / 2, H, 0.6> }
    cylinder { <0, H, -0.2>, <0, H, 0.6>, W / 2 }
    texture { T_Hole }
  }
#end

// ---------------------------------------------------------------- the ground
// The terrace the builders heaped up for the church, paved round it, on the
// long slope of the outer town; the wooded hills round the valley.
#declare T_Meadow = texture {
  pigment { bozo turbulence 0.6 scale 5
    color_map { [0 rgb <0.32, 0.40, 0.14>] [0.5 rgb <0.42, 0.46, 0.20>] [1 rgb <0.30, 0.38, 0.12>] } }
  normal { granite 0.3 scale 0.4 }
  finish { F_Ground }
}
  texture {
    pigment { bozo turbulence 0.8 octaves 5 scale 40
      color_map { [0 rgbt <0.26, 0.34, 0.12, 0.3>] [0.35 rgbt 1] [0.65 rgbt 1] [1 rgbt <0.62, 0.54, 0.32, 0.35>] } }
    finish { F_Ground }
  }
#declare T_Forest = texture {
  pigment { granite turbulence 0.4 scale 6
    color_map { [0 rgb <0.14, 0.22, 0.08>] [0.5 rgb <0.20, 0.30, 0.11>] [1 rgb <0.26, 0.32, 0.14>] } }
  normal { bumps 0.9 scale 2 }
  finish { ambient 0.05 diffuse 0.7 }
}
Ground(T_Meadow)
object { FarHills(T_Forest, 7000, 95, 0.11, 4) }
// The terrace: a low platform with sloping sides, paved on top.
#declare T_Trodden = texture {
  pigment { bozo turbulence 0.6 scale 3
    color_map { [0 rgb <0.46, 0.42, 0.26>] [0.5 rgb <0.42, 0.43, 0.22>] [1 rgb <0.38, 0.41, 0.18>] } }
  normal { granite 0.3 scale 0.4 }
  finish { F_Ground }
}
// The terrace: a flat top with grassy sloping sides.
intersection {
  box { <-44, -1, -20>, <22, 0.6, 20> }
  plane { <-1, 3, 0>, 0 translate <-38, 0.6, 0> }
  plane { <0, 1, 0.3>, 0 translate <0, 0.6, 15> }
  plane { <0, 1, -0.3>, 0 translate <0, 0.6, -15> }
  plane { <1, 3, 0>, 0 translate <16, 0.6, 0> }
  texture { T_Trodden }
}
box { <-38.5, -1, -1.6>, <-28, 0.65, 1.6> texture { T_Paving } Courses(0.8, 0.8, 0) }
box { <-16, -1, -12>, <12, 0.64, 12> texture { T_Paving } Courses(0.9, 1.2, 0) }

// ---------------------------------------------------------------- the rotunda
#declare G = 0.6;       // the terrace's top
#declare RO = 7.6;      // outer radius of the rotunda's wall
#declare HW = 9.0;      // its height to the eaves
#declare RD = 5.4;      // outer radius of the drum
#declare HD = 17.0;     // the drum's top
union {
  // The wall, notched outside between the twelve niches; the apse is the
  // twelfth niche, to the east.
  difference {
    cylinder { <0, 0, 0>, <0, HW, 0>, RO }
    #for (K, 0, 11)
      box { <-0.55, -1, -0.55>, <0.55, HW - 1.1, 0.55> rotate y * 45 translate x * RO rotate y * (K * 30 + 15) }
    #end
    Masonry()
  }
  // A cornice round the top.
  cylinder { <0, HW - 0.4, 0>, <0, HW, 0>, RO + 0.25 Masonry() }
  // The apse: a half cylinder with three windows, under a half cone.
  intersection {
    cylinder { <0, 0, 0>, <0, HW - 2.2, 0>, 3.2 translate x * RO }
    plane { -x, -RO + 0.5 }
    Masonry()
  }
  intersection { cone { 0, 3.5, y * 2.0, 0.2 } plane { -x, 0.5 } texture { T_RoundTiles } translate <RO, HW - 2.2, 0> }
  // Windows of the gallery, one in each niche.
  #for (K, 1, 10)
    #if (K != 6)
      object { ArchHole(0.9, 1.7) translate <0, 5.4, -RO + 0.5> rotate y * (K * 30 + 90) }
    #end
  #end
  // The lean-to roof over the gallery, from the eaves up to the drum.
  difference {
    cone { <0, HW, 0>, RO + 0.45, <0, HW + 2.6, 0>, RD - 0.05 }
    cylinder { <0, HW - 1, 0>, <0, HW + 4, 0>, RD - 0.1 }
    texture { T_RoundTiles }
  }
  // The drum, with twelve arched windows between flat pilasters.
  cylinder { <0, HW, 0>, <0, HD, 0>, RD Masonry() }
  #for (K, 0, 11)
    object { ArchHole(1.0, 2.6) translate <0, HW + 3.6, -RD + 0.05> rotate y * (K * 30) }
    box { <-0.3, HW + 2.4, -RD - 0.2>, <0.3, HD - 0.3, -RD + 0.1> rotate y * (K * 30 + 15) Masonry() }
  #end
  cylinder { <0, HD - 0.4, 0>, <0, HD, 0>, RD + 0.3 Masonry() }
  // Painted ceramic tiles in a frieze under the drum's cornice.
  difference {
    cylinder { <0, HD - 1.0, 0>, <0, HD - 0.45, 0>, RD + 0.04 }
    cylinder { <0, HD - 2, 0>, <0, HD, 0>, RD - 0.2 }
    texture {
      pigment { radial frequency 48 color_map { [0 rgb <0.86, 0.80, 0.62>] [0.5 rgb <0.86, 0.80, 0.62>] [0.5 rgb <0.40, 0.52, 0.30>] [0.75 rgb <0.40, 0.52, 0.30>] [0.75 rgb <0.62, 0.34, 0.18>] [1 rgb <0.62, 0.34, 0.18>] } }
      finish { ambient 0.06 diffuse 0.7 specular 0.4 roughness 0.02 }
    }
  }
  // The dome, sheathed in lead, and a gilt cross.
  intersection {
    sphere { 0, 1 scale <RD + 0.15, RD * 0.92, RD + 0.15> translate y * HD }
    plane { -y, -HD }
    texture { T_Lead }
  }
  cylinder { <0, HD + RD * 0.9, 0>, <0, HD + RD * 0.9 + 2.2, 0>, 0.09 texture { T_Gilt } }
  box { <-0.7, HD + RD * 0.9 + 1.35, -0.07>, <0.7, HD + RD * 0.9 + 1.5, 0.07> texture { T_Gilt } }
  sphere { <0, HD + RD * 0.9 + 0.15, 0>, 0.3 texture { T_Gilt } }
  translate y * G
}

// ---------------------------------------------------------------- the narthex
// Two storeys, with a gallery over the entrance hall; the two round stair
// towers at its western corners; a low annex to the south and the north.
#declare NX0 = -14.0; #declare NX1 = -6.8; #declare NZ = 7.15;
union {
  box { <NX0, 0, -NZ>, <NX1, 9.2, NZ> Masonry() }
  box { <NX0 - 0.2, 8.8, -NZ - 0.2>, <NX1, 9.3, NZ + 0.2> Masonry() }
  // Its tiled roof, a low gable across the church's axis.
  prism { linear_sweep linear_spline -NZ - 0.5, NZ + 0.5, 4, <NX0 - 0.5, 9.3>, <NX1 + 0.6, 9.3>, <(NX0 + NX1) / 2, 10.9>, <NX0 - 0.5, 9.3>
    rotate -x * 90 texture { T_Tiles } }
  // Three doors below and windows in the upper storey, west front.
  object { ArchHole(2.0, 3.0) rotate y * 90 translate <NX0, 0, 0> }
  #for (Zw, -3.5, 3.5, 3.5)
    object { ArchHole(1.0, 1.6) rotate y * 90 translate <NX0, 5.4, Zw> }
  #end
  // South front: windows in both storeys.
  #for (Xw, NX0 + 2.0, NX1 - 1.5, 2.6)
    object { ArchHole(0.8, 1.4) translate <Xw, 5.6, -NZ> }
  #end
  // The annexes.
  #for (S, -1, 1, 2)
    box { <NX0 + 1.2, 0, S * NZ>, <NX1 - 0.2, 5.6, S * (NZ + 3.0)> Masonry() }
    prism { linear_sweep linear_spline NX0 + 1.0, NX1, 4, <S * NZ, 6.6>, <S * (NZ + 3.3), 5.5>, <S * (NZ + 3.3), 5.3>, <S * NZ, 6.6>
      matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { T_Tiles } }
  #end
  object { ArchHole(1.0, 1.8) translate <(NX0 + NX1) / 2, 0, -NZ - 3.0> }
  // The stair towers.
  #for (S, -1, 1, 2)
    cylinder { <NX0 + 0.4, 0, S * (NZ - 0.4)>, <NX0 + 0.4, 13.2, S * (NZ - 0.4)>, 2.0 Masonry() }
    cylinder { <NX0 + 0.4, 12.8, S * (NZ - 0.4)>, <NX0 + 0.4, 13.3, S * (NZ - 0.4)>, 2.2 Masonry() }
    cone { 0, 2.4, y * 2.7, 0.1 texture { T_RoundTiles } translate <NX0 + 0.4, 13.3, S * (NZ - 0.4)> }
    #for (L, 0, 2)
      object { ArchHole(0.35, 0.9) translate <0, 3 + L * 3.5, -2.0> rotate y * (60 + L * 25) translate <NX0 + 0.4, 0, S * (NZ - 0.4)> }
    #end
  #end
  translate y * G
}

// ---------------------------------------------------------------- the atrium
// A walled court almost square before the narthex, the gate to the west.
// Its thick walls are hollowed inside by semicircular niches, their backs
// notched outside like the rotunda's; in front of the piers between the
// niches stand white marble columns under a narrow tiled roof; a well in
// the middle of the court.
#declare AX0 = -29.0; #declare AX1 = NX0; #declare AZ = 7.15; #declare AH = 5.2;
#declare WT = 1.4;                  // the walls' thickness
#declare CZ = AZ - WT - 0.8;         // the side colonnades' line
#declare CX = AX0 + WT + 0.8;        // the west colonnade's line
#declare CH = 3.6;                   // the columns' height with capitals
union {
  difference {
    box { <AX0, 0, -AZ>, <AX1 + 0.5, AH, AZ> }
    box { <AX0 + WT, -1, -AZ + WT>, <AX1 - 0.1, AH + 1, AZ - WT> }
    // Niches inside, notches outside between them.
    #for (K, 0, 4)
      #local Xn = -26.35 + K * 2.5;
      #for (S, -1, 1, 2)
        cylinder { <Xn, 0.01, S * (AZ - WT)>, <Xn, CH, S * (AZ - WT)>, 0.95 }
        sphere { <Xn, CH, S * (AZ - WT)>, 0.95 }
        #if (K < 4)
          box { <-0.42, -1, -0.42>, <0.42, AH - 0.9, 0.42> rotate y * 45 translate <Xn + 1.25, 0, S * AZ> }
        #end
      #end
    #end
    #for (S, -1, 1, 2)
      cylinder { <AX0 + WT, 0.01, S * 3.3>, <AX0 + WT, CH, S * 3.3>, 0.95 }
      sphere { <AX0 + WT, CH, S * 3.3>, 0.95 }
      box { <-0.42, -1, -0.42>, <0.42, AH - 0.9, 0.42> rotate y * 45 translate <AX0, 0, S * 4.6> }
    #end
    // The gate.
    union { box { <AX0 - 1, -1, -1.4>, <AX0 + WT + 1, 3.4, 1.4> } cylinder { <AX0 - 1, 3.4, 0>, <AX0 + WT + 1, 3.4, 0>, 1.4 } }
    Masonry()
  }
  // The coping of the walls.
  #for (S, -1, 1, 2)
    box { <AX0 - 0.15, AH, S * AZ - 0.15>, <AX1 + 0.5, AH + 0.3, S * (AZ - WT)> Masonry() }
  #end
  box { <AX0 - 0.15, AH, -AZ - 0.15>, <AX0 + WT, AH + 0.3, AZ + 0.15> Masonry() }
  // A raised gable over the gate.
  difference {
    box { <AX0 - 0.4, 0, -2.6>, <AX0 + WT, AH + 1.6, 2.6> }
    union { box { <AX0 - 1, -1, -1.4>, <AX0 + WT + 1, 3.4, 1.4> } cylinder { <AX0 - 1, 3.4, 0>, <AX0 + WT + 1, 3.4, 0>, 1.4 } }
    Masonry()
  }
  prism { linear_sweep linear_spline AX0 - 0.7, AX0 + WT + 0.2, 4, <-3.0, AH + 1.6>, <3.0, AH + 1.6>, <0, AH + 3.0>, <-3.0, AH + 1.6>
    matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { T_Tiles } }
  #macro Column(P)
    union {
      cylinder { P, P + y * (CH - 0.35), 0.2 }
      cone { P + y * (CH - 0.45), 0.2, P + y * CH, 0.3 }
      box { P + <-0.3, 0, -0.3>, P + <0.3, 0.22, 0.3> }
      texture { T_WhiteMarble }
    }
  #end
  // The side colonnades, a column before each pier, and their beams and roofs.
  #for (S, -1, 1, 2)
    #for (K, -1, 4)
      Column(<-26.35 + K * 2.5 + 1.25, 0, S * CZ>)
    #end
    box { <CX - 0.3, CH, S * CZ - 0.3>, <AX1, CH + 0.45, S * CZ + 0.3> Masonry() }
    prism { linear_sweep linear_spline CX - 0.3, AX1, 4, <S * (CZ - 0.5), CH + 0.45>, <S * (AZ - WT), AH - 0.05>, <S * (AZ - WT), AH - 0.35>, <S * (CZ - 0.5), CH + 0.45>
      matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { T_Tiles } }
  #end
  // The west colonnade, either side of the gate.
  #for (Zc, -4.6, 4.6, 2.7)
    #if (abs(Zc) > 1)
      Column(<CX, 0, Zc>)
    #end
  #end
  Column(<CX, 0, -1.7>)
  Column(<CX, 0, 1.7>)
  box { <CX - 0.3, CH, -CZ - 0.3>, <CX + 0.3, CH + 0.45, CZ + 0.3> Masonry() }
  prism { linear_sweep linear_spline -CZ - 0.3, CZ + 0.3, 4, <CX + 0.5, CH + 0.45>, <AX0 + WT, AH - 0.05>, <AX0 + WT, AH - 0.35>, <CX + 0.5, CH + 0.45>
    rotate -x * 90 texture { T_Tiles } }
  // The well-head in the middle of the court.
  #local WX = (CX + AX1) / 2;
  difference {
    cylinder { <WX, 0, 0>, <WX, 0.9, 0>, 0.9 }
    cylinder { <WX, 0.2, 0>, <WX, 1.2, 0>, 0.65 }
    texture { T_WhiteMarble }
  }
  cylinder { <WX, 0.21, 0>, <WX, 0.25, 0>, 0.66 pigment { rgb <0.05, 0.07, 0.08> } finish { reflection 0.2 } }
  // The court's paving.
  box { <AX0 + WT, -0.5, -AZ + WT>, <AX1, 0.02, AZ - WT> texture { T_Paving } Courses(0.9, 0.9, 0) }
  translate y * G
}
// People in the court and before the gate.
object { Person(rgb <0.50, 0.18, 0.14>) translate <-24, G, -1.5> }
object { Person(rgb <0.30, 0.26, 0.22>) translate <-19, G, 1.2> }
object { Person(rgb <0.70, 0.62, 0.46>) translate <-33, G, -3> }
object { Person(rgb <0.25, 0.22, 0.36>) translate <-34.5, G, -2.2> }

// ---------------------------------------------------------------- the city
// The inner city's wall of white limestone blocks, with square towers,
// some 250 m to the north, its south gate, the palace halls rising behind.
#macro CityWallTex() StoneTex(rgb <0.84, 0.81, 0.72>, rgb <0.90, 0.87, 0.79>, rgb <0.76, 0.73, 0.64>, 1.2) Courses(0.5, 1.1, 0) #end
#macro CityWall(X0, X1, Z, H)
  union {
    box { <X0, -1, Z - 1.6>, <X1, H, Z + 1.6> }
    #for (Xm, X0 + 0.6, X1 - 0.6, 2.2)
      box { <Xm - 0.6, H, Z - 1.6>, <Xm + 0.6, H + 1.2, Z - 0.9> }
    #end
    #for (Xt, X0, X1, 38)
      box { <Xt - 5, -1, Z - 6>, <Xt + 5, H + 4, Z + 2> }
      #for (Xm, Xt - 4.4, Xt + 4.4, 2.2)
        box { <Xm - 0.6, H + 4, Z - 6>, <Xm + 0.6, H + 5.2, Z - 5.3> }
      #end
    #end
    CityWallTex()
  }
#end
object { CityWall(-260, 200, 250, 10) rotate y * 8 }
// The south gate between two towers.
union {
  box { <-14, -1, 242>, <-4, 17, 252> }
  box { <4, -1, 242>, <14, 17, 252> }
  box { <-4, 9, 243>, <4, 15, 251> }
  CityWallTex()
  rotate y * 8
}
box { <-4, 0, 241.8>, <4, 9, 243> texture { T_Hole } rotate y * 8 }
// Palace halls and churches inside the walls: long roofs above the wall.
#macro Hall(X, Z, L, W, H, A)
  union {
    box { <-L / 2, -1, -W / 2>, <L / 2, H, W / 2> Masonry() }
    prism { linear_sweep linear_spline -L / 2 - 0.5, L / 2 + 0.5, 4, <-W / 2 - 0.6, H>, <W / 2 + 0.6, H>, <0, H + W * 0.3>, <-W / 2 - 0.6, H>
      matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { T_Tiles } }
    rotate y * A translate <X, 0, Z>
  }
#end
Hall(-40, 330, 46, 18, 19, 8)
Hall(40, 345, 36, 14, 17, 98)
Hall(-110, 320, 30, 12, 12, 10)
Hall(100, 300, 26, 12, 11, 6)
// The outer town: timber and stone houses under tiles and thatch about the
// slope between the church and the inner city.
#declare T_Thatch = texture {
  pigment { granite turbulence 0.5 scale <0.4, 0.05, 0.4>
    color_map { [0 rgb <0.46, 0.40, 0.26>] [0.5 rgb <0.56, 0.49, 0.32>] [1 rgb <0.40, 0.34, 0.21>] } }
  normal { wrinkles 0.6 scale 0.12 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Daub = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.80, 0.74, 0.62>] [1 rgb <0.72, 0.66, 0.54>] } }
  normal { bumps 0.2 scale 0.3 }
  finish { ambient 0.06 diffuse 0.72 }
}
#declare T_Logs = texture {
  pigment { gradient y color_map { [0 rgb <0.22, 0.16, 0.10>] [0.15 rgb <0.44, 0.33, 0.22>] [0.8 rgb <0.50, 0.38, 0.26>] [1 rgb <0.26, 0.19, 0.12>] } scale 0.28 }
  normal { gradient y 0.6 scale 0.28 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Road = texture {
  pigment { bozo turbulence 0.5 scale 2 color_map { [0 rgb <0.50, 0.42, 0.30>] [1 rgb <0.58, 0.50, 0.36>] } }
  normal { bumps 0.4 scale 0.3 }
  finish { F_Ground }
}
#declare Rh = seed(93);
// A house of W x D, walls H high: daub, logs or stone, under thatch or tiles.
#macro TownHouse(P, A)
  #local W = 5 + rand(Rh) * 4;
  #local D = 4 + rand(Rh) * 2.5;
  #local H = 2.6 + rand(Rh) * 1.4;
  #local Kind = rand(Rh);
  #local Tint = 0.85 + rand(Rh) * 0.25;
  union {
    box { <-W / 2, -0.5, -D / 2>, <W / 2, H, D / 2>
      #if (Kind < 0.45) texture { T_Daub } texture { pigment { rgbt <0.62 * Tint, 0.50, 0.34, 0.6> } finish { ambient 0.06 diffuse 0.72 } }
      #else #if (Kind < 0.8) texture { T_Logs } #else Masonry() #end #end }
    prism { linear_sweep linear_spline -W / 2 - 0.4, W / 2 + 0.4, 4, <-D / 2 - 0.5, H>, <D / 2 + 0.5, H>, <0, H + D * 0.5>, <-D / 2 - 0.5, H>
      matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { #if (rand(Rh) < 0.6) T_Thatch #else T_Tiles #end } }
    box { <-0.45, 0, -D / 2 - 0.02>, <0.45, 1.7, -D / 2> texture { T_Hole } }
    rotate y * A translate P
  }
#end
// The street that runs up from the church to the inner city's south gate,
// and the road west from the atrium's gate; houses along both.
#declare StA0 = <-8, 0, 18>; #declare StA1 = <34, 0, 240>;
#declare StB0 = <-38, 0, 0>; #declare StB1 = <-240, 0, 14>;
#macro Street(P0, P1, Wd)
  #local L = vlength(P1 - P0);
  #local Yaw = degrees(atan2(P1.x - P0.x, P1.z - P0.z));
  box { <-Wd / 2, -0.5, 0>, <Wd / 2, 0.03, L> texture { T_Road } rotate y * Yaw translate P0 }
  #for (T, 14, L - 10, 10.5)
    #for (S, -1, 1, 2)
      #if (rand(Rh) < 0.85)
        object { TownHouse(<S * (Wd / 2 + 4.5 + rand(Rh) * 1.5), 0, T + (rand(Rh) - 0.5) * 3>, 90 * S + (rand(Rh) - 0.5) * 8) rotate y * Yaw translate P0 }
      #end
    #end
  #end
#end
Street(StA0, StA1, 5)
Street(StB0, StB1, 4.5)
// More houses and yards scattered off the streets.
#for (I, 0, 70)
  #local HX = -220 + rand(Rh) * 420;
  #local HZ = -120 + rand(Rh) * 340;
  #if ((abs(HX + 10) > 45 | abs(HZ) > 34) & (abs(HX + 8 - (HZ - 18) * 0.189) > 14 | HZ < 10) & (abs(HZ + (HX + 38) * 0.0693) > 12 | HX > -38))
    object { TownHouse(<HX, 0, HZ>, rand(Rh) * 40 - 20) }
  #end
#end
// Trees about the slope and in the gardens.
#declare Rt = seed(17);
#for (I, 0, 40)
  #local TX = -220 + rand(Rt) * 420;
  #local TZ = 30 + rand(Rt) * 200;
  object { Tree(7 + rand(Rt) * 5, 3 + rand(Rt) * 2, 300 + I) translate <TX, 0, TZ> }
#end
// Fruit trees in the yards along the west road.
#for (I, 0, 24)
  #local TX = -60 - rand(Rt) * 170;
  #local TZ = -(TX + 38) * 0.0693 + (rand(Rt) < 0.5 ? -1 : 1) * (12 + rand(Rt) * 14);
  object { Tree(5 + rand(Rt) * 3, 2.4 + rand(Rt) * 1.5, 500 + I) translate <TX, 0, TZ> }
#end
object { Tree(10, 4.5, 1) translate <28, 0, -14> }
object { Tree(8, 4, 2) translate <-60, 0, 20> }
object { Tree(9, 4, 5) translate <30, 0, 18> }
// Houses, gardens and a wattle fence on this side of the terrace.
#declare Rf = seed(7);
#macro Cottage(X, Z, W, D, H, A, Thatch)
  union {
    box { <-W / 2, -0.5, -D / 2>, <W / 2, H, D / 2> texture { T_Daub } }
    prism { linear_sweep linear_spline -W / 2 - 0.4, W / 2 + 0.4, 4, <-D / 2 - 0.5, H>, <D / 2 + 0.5, H>, <0, H + D * 0.5>, <-D / 2 - 0.5, H>
      matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> texture { #if (Thatch) T_Thatch #else T_Tiles #end } }
    box { <-0.45, 0, -D / 2 - 0.02>, <0.45, 1.7, -D / 2> texture { T_Hole } }
    rotate y * A translate <X, 0, Z>
  }
#end
Cottage(-14, -30, 7, 5, 3.0, 8, 1)
Cottage(-2, -26, 6, 5, 2.8, -5, 0)
Cottage(-27, -36, 6, 4.5, 2.8, 12, 1)
Cottage(12, -27, 6, 4.5, 2.6, -10, 0)
Cottage(24, -22, 7, 5, 3.0, 80, 1)
#for (K, -36, 20, 1.2)
  cylinder { <K, 0, -21.5 - 0.04 * K>, <K, 1.3, -21.5 - 0.04 * K>, 0.06 pigment { rgb <0.36, 0.27, 0.18> } finish { ambient 0.05 diffuse 0.7 } }
#end
box { <-36, 0.5, -21.55>, <20, 1.0, -21.45> rotate y * 2.3 pigment { rgb <0.40, 0.31, 0.20> } normal { wrinkles 0.6 scale 0.1 } finish { ambient 0.05 diffuse 0.7 } }
