// Torcello in the lagoon soon after the rebuilding of 1008, seen from a boat
// on the water to the south: the brick basilica of Santa Maria Assunta with
// its tall nave, lower aisles, porch and three apses, the stone shutters of
// the aisle windows, the square brick campanile at the east end, the round
// church of Santa Fosca with its arcaded porch before the west end, the
// houses of the island town, the low marsh, the canal and the flat boats.
#declare SunAz = 218; #declare SunEl = 36; #declare HazeDist = 2400; #declare HazeAlt = 70;
#declare SkyLow = rgb <0.74, 0.79, 0.86>;
#declare SkyTop = rgb <0.13, 0.29, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-16, 4.5, -138> look_at <20, 11, -14> angle 48 }
SunAndSky()
Clouds(1800, 0.45)

// ---------------------------------------------------------------- water and land
// The lagoon: still, greenish water.
#declare T_Lagoon = texture {
  pigment { color rgb <0.10, 0.21, 0.20> }
  normal { waves 0.06 frequency 1.5 turbulence 0.5 scale <5, 1, 3> }
  finish { ambient 0.02 diffuse 0.3 specular 0.6 roughness 0.004 reflection { 0.12, 0.65 fresnel on } conserve_energy }
}
plane { y, 0 texture { T_Lagoon } interior { ior 1.33 } }

#declare T_Marsh = texture {
  pigment { bozo turbulence 0.7 scale 6
    color_map { [0 rgb <0.26, 0.34, 0.14>] [0.45 rgb <0.36, 0.42, 0.18>] [0.7 rgb <0.46, 0.46, 0.24>] [1 rgb <0.34, 0.36, 0.16>] } }
  normal { granite 0.5 scale 0.3 }
  finish { F_Ground }
}
#declare T_Mudbank = texture {
  pigment { bozo turbulence 0.5 scale 3 color_map { [0 rgb <0.36, 0.32, 0.22>] [1 rgb <0.44, 0.39, 0.27>] } }
  normal { bumps 0.3 scale 0.4 }
  finish { F_Ground }
}
// The island: a low bank a little under a metre above the water, its edge
// wandering along the canal that runs in front, west to east.
#declare IsleF = function { pattern { bozo turbulence 0.5 scale 30 } }
#declare BankZ = -62;
isosurface {
  function { max(y - 0.8, (BankZ - z + (IsleF(x, 0, 0) - 0.5) * 16) * 0.2) }
  contained_by { box { <-500, -1, -120>, <500, 0.85, 600> } }
  max_gradient 0.8
  texture { T_Marsh }
}
// A strip of bare mud along the water's edge.
isosurface {
  function { max(y - 0.25, (BankZ - 2.5 - z + (IsleF(x, 0, 0) - 0.5) * 16) * 0.2) }
  contained_by { box { <-500, -1, -120>, <500, 0.3, 600> } }
  max_gradient 0.8
  texture { T_Mudbank }
}
// Marsh islets and mud banks out in the lagoon, on this side of the canal.
#declare Rm = seed(5);
#for (I, 0, 9)
  #local MX = -420 + rand(Rm) * 700;
  #local MZ = -150 + rand(Rm) * 50;
  #if (abs(MX + 28) > 60 | MZ < -140)
    sphere { 0, 1 scale <20 + rand(Rm) * 40, 0.5, 5 + rand(Rm) * 8> rotate y * (rand(Rm) - 0.5) * 30 translate <MX, -0.15, MZ> texture { T_Marsh } }
  #end
#end
// Reed beds in clumps along the bank of the canal.
#declare Rr = seed(9);
#macro ReedClump(P, N, R)
  union {
    #for (K, 0, N - 1)
      #local A = rand(Rr) * 2 * pi;
      #local D = sqrt(rand(Rr)) * R;
      #local H = 1.2 + rand(Rr) * 1.0;
      cone { <D * cos(A), -0.2, D * sin(A)>, 0.05, <D * cos(A) * 1.15 + (rand(Rr) - 0.5) * 0.3, H, D * sin(A) * 1.15>, 0.005
        texture { pigment { rgb <0.52, 0.48, 0.27> * (0.65 + rand(Rr) * 0.5) } finish { ambient 0.05 diffuse 0.7 } } }
    #end
    translate P
  }
#end
#for (I, 0, 70)
  #local RX = -220 + rand(Rr) * 400;
  #local RZ = BankZ + (IsleF(RX, 0, 0) - 0.5) * 16 - 2 + rand(Rr) * 3;
  #if (abs(RX + 5) > 24)
    ReedClump(<RX, 0, RZ>, 40, 1.5 + rand(Rr) * 2)
  #end
#end

// ---------------------------------------------------------------- materials
// Brick of the lagoon, warm and mottled, the courses too small to tell at this distance.
#macro BrickWall()
  texture {
    pigment { bozo turbulence 0.6 scale 1.6
      color_map { [0 rgb <0.62, 0.35, 0.21>] [0.5 rgb <0.71, 0.43, 0.27>] [1 rgb <0.56, 0.32, 0.20>] } }
    normal { bumps 0.12 scale 0.08 }
    finish { ambient 0.05 diffuse 0.75 }
  }
  texture {
    pigment { gradient y color_map { [0 rgbt <0.74, 0.64, 0.50, 0.8>] [0.18 rgbt <0.74, 0.64, 0.50, 0.8>] [0.18 rgbt 1] [1 rgbt 1] } scale 0.09 }
    finish { ambient 0.05 diffuse 0.75 }
  }
  texture {
    pigment { bozo turbulence 0.8 scale 4 color_map { [0 rgbt <0.40, 0.30, 0.22, 0.55>] [0.45 rgbt 1] [1 rgbt 1] } }
    finish { ambient 0.05 diffuse 0.75 }
  }
#end
#declare T_Tiles = texture {
  pigment { gradient x color_map { [0 rgb <0.54, 0.29, 0.19>] [0.5 rgb <0.66, 0.38, 0.25>] [1 rgb <0.54, 0.29, 0.19>] } scale 0.45 }
  normal { gradient x 0.6 scale 0.45 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_TileRoof = texture { T_Tiles }
  texture { pigment { bozo turbulence 0.7 scale 3 color_map { [0 rgbt <0.35, 0.30, 0.24, 0.55>] [0.5 rgbt 1] [1 rgbt 1] } } finish { ambient 0.05 diffuse 0.72 } }
// Istrian stone for shutters, sills and columns.
#declare T_Istrian = StoneTex(rgb <0.84, 0.82, 0.76>, rgb <0.90, 0.88, 0.82>, rgb <0.76, 0.74, 0.68>, 0.5)
#declare T_Hole = texture { pigment { rgb <0.05, 0.04, 0.04> } finish { ambient 0 diffuse 0.4 } }

// An arched opening of width W and height H to its springing, a dark hole
// set into a wall that faces -z at z = 0.
#macro ArchHole(W, H)
  union {
    box { <-W / 2, 0, -0.15>, <W / 2, H, 0.6> }
    cylinder { <0, H, -0.15>, <0, H, 0.6>, W / 2 }
    texture { T_Hole }
  }
#end
// Turns a prism's profile (z, y) into a solid running along x.
#declare M_AlongX = transform { matrix <0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0> }
// A pitched roof along +x from X0 to X1, eaves at Y, half width R, rise P.
#macro Gable(X0, X1, Y, R, P)
  prism { linear_sweep linear_spline X0, X1, 4, <-R, Y>, <R, Y>, <0, Y + P>, <-R, Y>
    transform { M_AlongX }
  }
#end

// ---------------------------------------------------------------- the cathedral
// West front at x = 0, the apses to the east (+x), the south side towards us.
#declare G = 0.8;            // the island's ground level
#declare NaveL = 36;
#declare NaveH = 16;
#declare AisleH = 8.5;
union {
  // Nave walls rising above the aisles.
  box { <0, 0, -5.2>, <NaveL, NaveH, 5.2> }
  // Aisles.
  box { <0, 0, -10.8>, <NaveL - 1, AisleH, 10.8> }
  // The main apse and the two small ones.
  cylinder { <NaveL, 0, 0>, <NaveL, NaveH - 3, 0>, 4.6 }
  cylinder { <NaveL - 1, 0, 7.8>, <NaveL - 1, AisleH - 1.5, 7.8>, 2.4 }
  cylinder { <NaveL - 1, 0, -7.8>, <NaveL - 1, AisleH - 1.5, -7.8>, 2.4 }
  // Pilaster strips on the west front.
  #for (Zp, -10.8, 10.8, 3.6)
    #if (abs(Zp) < 5.3 | abs(Zp) > 10)
      box { <-0.35, 0, Zp - 0.45>, <0, (abs(Zp) < 5.3 ? NaveH - 0.6 : AisleH - 0.6), Zp + 0.45> }
    #end
  #end
  // Pilaster strips along the south aisle and the clerestory, joined by
  // little arches under the eaves.
  #for (Xp, 0, NaveL - 1, 4.5)
    box { <Xp - 0.4, 0, -11.1>, <Xp + 0.4, AisleH - 0.6, -10.8> }
    box { <Xp - 0.4, AisleH, -5.5>, <Xp + 0.4, NaveH - 0.6, -5.2> }
  #end
  #for (Xp, 0, NaveL - 5, 4.5)
    difference {
      box { <Xp + 0.4, NaveH - 2.0, -5.5>, <Xp + 4.1, NaveH - 0.6, -5.2> }
      cylinder { <Xp + 2.25, NaveH - 2.0, -5.6>, <Xp + 2.25, NaveH - 2.0, -5.1>, 1.75 }
    }
  #end
  // Blind arcading round the main apse.
  #for (K, -3, 3)
    box { <-0.3, 0, -0.3>, <0.3, NaveH - 3.6, 0.3> translate x * 4.7 rotate y * K * 24 translate x * NaveL }
  #end
  // Cornices of projecting brick under the eaves.
  box { <-0.4, NaveH - 0.6, -5.5>, <NaveL, NaveH, 5.5> }
  box { <-0.4, AisleH - 0.6, -11.1>, <NaveL - 1, AisleH, 11.1> }
  cylinder { <NaveL, NaveH - 3.6, 0>, <NaveL, NaveH - 3, 0>, 4.9 }
  BrickWall()
  translate y * G
}
// Roofs: the nave's gable, the aisles' lean-to roofs, the apses' half-cones.
union {
  Gable(-0.6, NaveL + 0.3, NaveH, 6.0, 4.0)
  #for (S, -1, 1, 2)
    prism { linear_sweep linear_spline -0.6, NaveL - 0.7, 5, <S * 5.2, NaveH - 5.2>, <S * 11.6, AisleH - 0.1>, <S * 11.6, AisleH - 0.35>, <S * 5.2, AisleH - 0.3>, <S * 5.2, NaveH - 5.2>
      transform { M_AlongX } }
  #end
  intersection { cone { <NaveL, NaveH - 3, 0>, 5.2, <NaveL, NaveH + 0.3, 0>, 0.3 } plane { -x, -NaveL } }
  intersection { cone { <NaveL - 1, AisleH - 1.5, 7.8>, 2.8, <NaveL - 1, AisleH + 0.2, 7.8>, 0.2 } plane { -x, -NaveL + 1 } }
  intersection { cone { <NaveL - 1, AisleH - 1.5, -7.8>, 2.8, <NaveL - 1, AisleH + 0.2, -7.8>, 0.2 } plane { -x, -NaveL + 1 } }
  texture { T_TileRoof }
  translate y * G
}
// Windows: round-headed, small and high, in the clerestory and the aisles;
// those of the south aisle closed by slabs of stone turning on stone hinges,
// here swung open against the wall.
union {
  #for (Xp, 2.25, NaveL - 2, 4.5)
    object { ArchHole(1.0, 1.8) translate <Xp, AisleH + 2.8, -5.2> }
    object { ArchHole(1.1, 2.0) translate <Xp, 3.6, -10.8> }
    box { <Xp + 0.65, 3.4, -11.4>, <Xp + 1.95, 6.4, -11.2> texture { T_Istrian } }
    box { <Xp - 0.7, 3.4, -11.25>, <Xp + 0.7, 3.6, -10.8> texture { T_Istrian } }
  #end
  translate y * G
}
// The west front: three windows high in the nave's gable wall, the doors.
union {
  #for (Zw, -2.6, 2.6, 2.6)
    object { ArchHole(1.1, 2.2) rotate y * 90 translate <0, NaveH - 6, Zw> }
  #end
  translate y * G
}
// The porch across the front: arches on brick piers under a lean-to roof.
union {
  difference {
    box { <-5, 0, -10.8>, <0, 4.8, 10.8> }
    box { <-4.6, -1, -10.4>, <-0.2, 4.0, 10.4> }
    #for (Zp, -9, 9, 3)
      union { box { <-6, -0.5, Zp - 1>, <-4.2, 2.8, Zp + 1> } cylinder { <-6, 2.8, Zp>, <-4.2, 2.8, Zp>, 1 } }
    #end
    union { box { <-4, -0.5, -11.5>, <-1, 2.8, -10> } cylinder { <-2.5, 2.8, -11.5>, <-2.5, 2.8, -10>, 1.5 } }
  }
  BrickWall()
  translate y * G
}
box { <-4.4, 0.01, -10.2>, <-0.1, 4.0, 10.2> texture { T_Hole } translate y * G }
prism { linear_sweep linear_spline -11.2, 11.2, 4, <-5.5, 4.7>, <0, 6.8>, <0, 6.4>, <-5.5, 4.7>
  rotate -x * 90 texture { T_TileRoof } translate y * G }

// ---------------------------------------------------------------- the campanile
// Beyond the apses: a tall square brick shaft, pilaster strips joined by
// arches at the top, narrow slits, the belfry of four arched openings on
// each face, a low pyramid of tiles; about 55 m in all.
#declare CampX = 49; #declare CampZ = -9; #declare CampW = 4.2; #declare CampH = 43;
union {
  box { <-CampW, 0, -CampW>, <CampW, CampH + 7, CampW> BrickWall() }
  #for (K, 0, 3)
    union {
      #for (P, -1, 1)
        box { <P * (CampW - 0.45) - 0.45, 0, -CampW - 0.35>, <P * (CampW - 0.45) + 0.45, CampH - 0.5, -CampW + 0.01> }
      #end
      #for (P, -1, 0)
        difference {
          box { <P * (CampW - 0.45) + 0.45, CampH - 2.4, -CampW - 0.35>, <(P + 1) * (CampW - 0.45) - 0.45, CampH - 0.5, -CampW + 0.01> }
          cylinder { <(P + 0.5) * (CampW - 0.45), CampH - 2.4, -CampW - 0.5>, <(P + 0.5) * (CampW - 0.45), CampH - 2.4, -CampW + 0.1>, (CampW - 0.45) / 2 - 0.45 }
        }
      #end
      box { <-CampW - 0.4, CampH - 0.5, -CampW - 0.4>, <CampW + 0.4, CampH, -CampW> }
      box { <-CampW - 0.4, CampH + 6.6, -CampW - 0.4>, <CampW + 0.4, CampH + 7.2, -CampW> }
      BrickWall()
      rotate y * K * 90
    }
    // The belfry: four arched openings on each face, on little stone columns.
    #for (P, 0, 3)
      object { ArchHole(1.6, 3.6) translate <-2.85 + P * 1.9, CampH + 0.7, -CampW> rotate y * K * 90 }
    #end
    #for (P, 0, 2)
      union {
        cylinder { <-1.9 + P * 1.9, CampH + 0.7, -CampW - 0.05>, <-1.9 + P * 1.9, CampH + 4.1, -CampW - 0.05>, 0.15 }
        box { <-2.15 + P * 1.9, CampH + 4.1, -CampW - 0.25>, <-1.65 + P * 1.9, CampH + 4.35, -CampW + 0.2> }
        texture { T_Istrian } rotate y * K * 90 }
    #end
    // Narrow slit windows up the shaft.
    #for (Lv, 0, 3)
      object { ArchHole(0.35, 1.2) translate <-1.9 + mod(Lv, 2) * 3.8, 8 + Lv * 8.5, -CampW> rotate y * K * 90 }
    #end
  #end
  object { Pyramid(CampW * 2 + 0.8, 4.8) translate y * (CampH + 7.2) texture { T_TileRoof } }
  translate <CampX, G, CampZ>
}

// ---------------------------------------------------------------- Santa Fosca
// South of the cathedral's west end: a Greek cross set in an octagon, the
// arms with gables, the round drum with a low tiled cone, the apse to the
// east, and the porch of arches on columns round five sides of the octagon.
#declare FoscX = -2; #declare FoscZ = -30;
#declare OctR = 8.6;   // the octagon's inner radius (to the middle of a side)
#declare PorR = 12.0;  // the porch's
union {
  intersection {
    box { <-OctR, 0, -OctR>, <OctR, 8.5, OctR> }
    box { <-OctR, 0, -OctR>, <OctR, 8.5, OctR> rotate y * 45 }
    BrickWall()
  }
  // The arms of the cross, a little higher, with gables.
  #for (K, 0, 3)
    union {
      box { <-3.6, 0, -OctR - 0.6>, <3.6, 10.5, -4> BrickWall() }
      prism { linear_sweep linear_spline 4, OctR + 1.0, 4, <-4.0, 10.5>, <4.0, 10.5>, <0, 12.3>, <-4.0, 10.5> rotate -x * 90 texture { T_TileRoof } }
      object { ArchHole(0.8, 1.5) translate <0, 7.3, -OctR - 0.6> }
      rotate y * (K * 90 + 90)
    }
  #end
  // The drum and its cone.
  cylinder { <0, 10, 0>, <0, 15.3, 0>, 5.0 BrickWall() }
  cylinder { <0, 15.0, 0>, <0, 15.5, 0>, 5.3 BrickWall() }
  #for (K, 0, 7)
    object { ArchHole(0.6, 1.2) translate <0, 12.3, -5.0> rotate y * (K * 45 + 22.5) }
  #end
  cone { <0, 15.5, 0>, 5.6, <0, 18.3, 0>, 0.3 texture { T_TileRoof } }
  // The apse, tall and polygonal, to the east.
  prism { linear_sweep linear_spline 0, 8.0, 7,
    <0, -3.6>, <1.8, -3.1>, <3.1, -1.5>, <3.1, 1.5>, <1.8, 3.1>, <0, 3.6>, <0, -3.6>
    translate x * OctR BrickWall() }
  #for (K, -2, 2)
    box { <-0.25, 0, -0.2>, <0.25, 7.0, 0.2> translate x * 3.2 rotate y * K * 36 translate x * OctR BrickWall() }
  #end
  intersection { cone { <OctR, 8.0, 0>, 4.0, <OctR, 9.8, 0>, 0.2 } plane { -x, -OctR } texture { T_TileRoof } }
  // The porch: five sides of a larger octagon (west, south-west, south,
  // north-west, north), arches on pairs of columns, a lean-to roof.
  #for (K, 0, 4)
    union {
      #local Side = 2 * PorR * tan(radians(22.5));
      // The arcade: five arches on each side, columns of Istrian stone.
      difference {
        box { <-Side / 2, 3.4, -PorR - 0.35>, <Side / 2, 5.2, -PorR + 0.35> }
        #for (A, 0, 4)
          cylinder { <-Side / 2 + Side * (A + 0.5) / 5, 3.4, -PorR - 0.5>, <-Side / 2 + Side * (A + 0.5) / 5, 3.4, -PorR + 0.5>, Side / 10 - 0.2 }
        #end
        BrickWall()
      }
      #for (A, 0, 5)
        #local Xc = -Side / 2 + Side * A / 5;
        cylinder { <Xc, 0, -PorR>, <Xc, 3.4, -PorR>, 0.2 texture { T_Istrian } }
        box { <Xc - 0.3, 3.2, -PorR - 0.3>, <Xc + 0.3, 3.45, -PorR + 0.3> texture { T_Istrian } }
      #end
      // Its lean-to roof from the arcade up to the octagon's wall.
      prism { linear_sweep linear_spline -Side / 2 - 0.4, Side / 2 + 0.4, 4,
        <-PorR - 0.8, 5.0>, <-OctR + 0.2, 7.6>, <-OctR + 0.2, 7.2>, <-PorR - 0.8, 5.0>
        transform { M_AlongX } texture { T_TileRoof } }
      rotate y * K * 45   // south, south-west, west, north-west, north
    }
  #end
  // Doors in the octagon's sides behind the porch.
  object { ArchHole(1.8, 2.8) translate <0, 0, -OctR - 0.6> }
  translate <FoscX, G, FoscZ>
}

// ---------------------------------------------------------------- the town
// Houses of the island town: brick and tile for the well-to-do, timber
// and thatch for the fishermen, with a few trees and gardens.
#declare T_Thatch = texture {
  pigment { granite turbulence 0.5 scale <0.4, 0.05, 0.4>
    color_map { [0 rgb <0.46, 0.40, 0.26>] [0.5 rgb <0.56, 0.49, 0.32>] [1 rgb <0.40, 0.34, 0.21>] } }
  normal { wrinkles 0.6 scale 0.12 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Boards = texture {
  pigment { gradient x color_map { [0 rgb <0.26, 0.19, 0.13>] [0.15 rgb <0.44, 0.35, 0.25>] [0.85 rgb <0.46, 0.37, 0.26>] [1 rgb <0.26, 0.19, 0.13>] } scale 0.3 }
  normal { gradient x 0.4 scale 0.3 }
  finish { ambient 0.05 diffuse 0.72 }
}
#macro House(X, Z, W, D, H, A, Brick)
  union {
    box { <-W / 2, -0.5, -D / 2>, <W / 2, H, D / 2> #if (Brick) BrickWall() #else texture { T_Boards rotate y * 90 } #end }
    prism { linear_sweep linear_spline -D / 2 - 0.3, D / 2 + 0.3, 4, <-W / 2 - 0.4, H>, <W / 2 + 0.4, H>, <0, H + W * (Brick ? 0.3 : 0.55)>, <-W / 2 - 0.4, H>
      rotate -x * 90 texture { #if (Brick) T_TileRoof #else T_Thatch #end } }
    object { ArchHole(0.9, 1.5) rotate y * 90 translate <-W / 2, 0, 0> }
    object { ArchHole(0.9, 1.6) translate <0, 0, -D / 2> }
    rotate y * A translate <X, G, Z>
  }
#end
House(-46, -40, 10, 7, 5, 3, 1)
House(-62, -44, 8, 6, 4, -4, 0)
House(-78, -36, 9, 7, 4.5, 8, 1)
House(-36, -16, 8, 11, 5.5, 0, 1)
House(-96, -46, 7, 6, 3.5, 0, 0)
House(-120, -50, 7, 5, 3.2, 12, 0)
House(130, -44, 8, 6, 3.8, 5, 0)
House(70, -30, 12, 8, 5.5, -6, 1)
House(88, -40, 7, 6, 3.5, 4, 0)
House(108, -34, 9, 7, 4.5, -10, 1)
House(-60, 10, 10, 8, 6, 0, 1)
House(90, 10, 10, 8, 5, 0, 1)
object { Tree(9, 4, 3) translate <-54, G, -28> }
object { Tree(11, 5, 8) translate <66, G, -12> }
object { Tree(8, 4, 12) translate <32, G, -48> }
object { Tree(10, 4.5, 21) translate <-88, G, -30> }
object { Tree(12, 5, 22) translate <128, G, -20> }
object { Tree(9, 4, 23) translate <-140, G, -40> }
// Timber posts along the landing in front of Santa Fosca.
#for (K, -30, 20, 2.5)
  cylinder { <K, -1, BankZ - 3>, <K, 1.4, BankZ - 3>, 0.14 texture { T_Boards } }
#end
box { <-30.5, 0.9, BankZ - 3.3>, <20.5, 1.1, BankZ + 3> texture { T_Boards rotate y * 90 } }

// ---------------------------------------------------------------- the boats
// Flat-bottomed lagoon boats: a pointed plan with flared sides, a raised
// bow and stern, open above.
#declare T_BoatWood = texture {
  pigment { gradient y color_map { [0 rgb <0.18, 0.13, 0.09>] [0.8 rgb <0.30, 0.21, 0.14>] [1 rgb <0.18, 0.13, 0.09>] } scale 0.18 }
  normal { gradient y 0.4 scale 0.18 }
  finish { ambient 0.04 diffuse 0.7 specular 0.1 }
}
#macro Boat(L, B)
  #local Hull = prism { linear_sweep linear_spline -0.1, 0.55, 7,
    <-L / 2, 0>, <-L / 2 + L * 0.22, B / 2>, <L / 2 - L * 0.22, B / 2>, <L / 2, 0>, <L / 2 - L * 0.22, -B / 2>, <-L / 2 + L * 0.22, -B / 2>, <-L / 2, 0> }
  union {
    difference {
      object { Hull }
      object { Hull scale <0.94, 1, 0.84> translate y * 0.12 }
    }
    // The raised ends.
    #for (S, -1, 1, 2)
      prism { linear_sweep linear_spline -0.04, 0.04, 4, <S * L * 0.38, 0.5>, <S * L * 0.5, 0.55>, <S * L * 0.52, 0.9>, <S * L * 0.38, 0.5> rotate -x * 90 }
    #end
    box { <-L * 0.1, 0.3, -B * 0.4>, <L * 0.1, 0.36, B * 0.4> }
    texture { T_BoatWood }
    translate y * -0.15
  }
#end
// One rowed standing by an oarsman at the stern, one moored at the landing,
// one drawn up by the reeds, one going out across the lagoon.
union {
  object { Boat(9, 1.5) }
  object { Person(rgb <0.55, 0.40, 0.25>) translate <-3.3, 0.05, 0> }
  cylinder { <-3.0, 1.25, 0.25>, <-4.6, -0.4, 1.0>, 0.04 pigment { rgb <0.45, 0.34, 0.22> } }
  object { Person(rgb <0.35, 0.30, 0.40>) scale 0.75 translate <1.5, 0.05, 0> }
  rotate y * 12 translate <-4, 0, -90>
}
object { Boat(8, 1.4) rotate y * 4 translate <-14, 0, BankZ - 6> }
object { Boat(7, 1.3) rotate y * -8 translate <4, 0, BankZ - 6.5> }
object { Boat(8, 1.4) rotate y * 25 translate <-42, 0, -76> }
union {
  object { Boat(10, 1.6) }
  object { Person(rgb <0.50, 0.44, 0.32>) translate <-3.6, 0.05, 0> }
  cylinder { <-3.3, 1.25, 0.25>, <-5.0, -0.4, 1.0>, 0.04 pigment { rgb <0.45, 0.34, 0.22> } }
  rotate y * -8 translate <40, 0, -82>
}

// Orchards, vines and copses over the rest of the island, and the far
// marshes towards the mainland.
#declare Rt = seed(44);
#for (I, 0, 60)
  #local TX = -260 + rand(Rt) * 560;
  #local TZ = 60 + rand(Rt) * 260;
  object { Tree(7 + rand(Rt) * 6, 3 + rand(Rt) * 2.5, 100 + I) translate <TX, G, TZ> }
#end
#for (I, 0, 8)
  object { Cypress(10 + rand(Rt) * 5) translate <-120 + rand(Rt) * 280, G, 30 + rand(Rt) * 40> }
#end

// A sailing barge come up the channel with a load of salt sacks, its sail furled.
#declare T_Sail = texture {
  pigment { bozo turbulence 0.4 scale 2 color_map { [0 rgb <0.70, 0.46, 0.24>] [1 rgb <0.78, 0.54, 0.30>] } }
  normal { wrinkles 0.2 scale 0.8 }
  finish { ambient 0.12 diffuse 0.7 }
}
union {
  object { Boat(13, 2.6) }
  // The mast, and the yard lowered with the sail furled along it.
  cylinder { <1.5, 0, 0>, <1.5, 7.5, 0>, 0.09 texture { T_BoatWood } }
  cylinder { <-1.8, 6.2, 0.05>, <4.6, 6.8, 0.05>, 0.05 texture { T_BoatWood } }
  cylinder { <-1.4, 6.1, 0.12>, <4.2, 6.6, 0.12>, 0.2 texture { T_Sail } }
  cylinder { <1.5, 7.4, 0>, <-5.5, 0.5, 0>, 0.015 pigment { rgb <0.3, 0.25, 0.2> } }
  cylinder { <1.5, 7.4, 0>, <6.0, 0.5, 0>, 0.015 pigment { rgb <0.3, 0.25, 0.2> } }
  #for (K, 0, 5)
    box { <-1 + K * 0.9, 0.3, -0.7>, <-0.3 + K * 0.9, 0.9, 0.6> pigment { rgb <0.72, 0.66, 0.52> } normal { bumps 0.6 scale 0.2 } finish { ambient 0.06 diffuse 0.7 } }
  #end
  object { Person(rgb <0.45, 0.35, 0.28>) translate <-5.0, 0.1, 0> }
  rotate y * 160 translate <15, 0, -92>
}

// More of the town behind the churches: houses of brick and of timber
// among the gardens.
#declare Rb = seed(1008);
#for (I, 0, 40)
  #local HX = -200 + rand(Rb) * 420;
  #local HZ = 20 + rand(Rb) * 160;
  #local Br = (rand(Rb) < 0.5 ? 1 : 0);
  #if (abs(HX - 20) > 40 | HZ > 40)
    House(HX, HZ, 6 + rand(Rb) * 5, 5 + rand(Rb) * 5, 3.5 + rand(Rb) * 3, (rand(Rb) - 0.5) * 30, Br)
  #end
#end
