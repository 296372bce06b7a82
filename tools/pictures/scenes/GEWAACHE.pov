// Charlemagne's chapel at Aachen about 805, seen from the south-west: the
// sixteen-sided outer wall of the two-storeyed aisle, the octagon rising
// over it with a round-headed window in each side and its eight-sided dome
// crowned by a gilded apple, the tall westwork with its great arched niche
// between two round stair towers, and the small square choir to the east.
#declare SunAz = 200; #declare SunEl = 36; #declare HazeDist = 4000;
#declare SkyLow = rgb <0.70, 0.75, 0.82>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-28, 1.7, -66> look_at <-3, 12, 0> angle 50 }
SunAndSky()
Clouds(1600, 0.2)
Ground(T_Grass)
FarHills(T_Grass, 6000, 60, 0.08, 9)

#declare T_Chapel = StoneTex(rgb <0.62, 0.57, 0.48>, rgb <0.69, 0.63, 0.53>, rgb <0.54, 0.50, 0.43>, 0.7)
#macro WallTex() texture { T_Chapel } Courses(0.5, 1.2, 0) #end
#declare T_Lead = texture {
  pigment { granite scale 1.5 color_map { [0 color rgb <0.42, 0.44, 0.46>] [1 color rgb <0.50, 0.52, 0.54>] } }
  normal { gradient y 0.2 scale 0.8 }
  finish { ambient 0.05 diffuse 0.6 specular 0.25 roughness 0.05 metallic }
}
#declare T_Tile = texture {
  pigment { gradient y scale 0.35 color_map { [0 color rgb <0.45, 0.22, 0.14>] [0.8 color rgb <0.55, 0.28, 0.17>] [1 color rgb <0.30, 0.15, 0.10>] } }
  finish { ambient 0.05 diffuse 0.7 }
}
#declare T_Dark = texture { pigment { rgb <0.05, 0.045, 0.04> } finish { ambient 0 diffuse 0.2 } }

// A regular N-sided prism, a face centred on -z, circumradius R.
#macro Poly(N, R, Y0, Y1)
  prism { linear_spline Y0, Y1, N + 1,
    #for (I, 0, N - 1) <R * sin(radians((I + 0.5) * 360 / N)), R * cos(radians((I + 0.5) * 360 / N))>, #end
    <R * sin(radians(180 / N)), R * cos(radians(180 / N))>
  }
#end
// A round-headed opening W wide, from Y0 to the springing S, cut D deep
// through a face at apothem A on -z.
#macro Arch(W, Y0, S, A, D)
  union {
    box { <-W / 2, Y0, -A - 1>, <W / 2, Y0 + S, -A + D> }
    cylinder { <0, Y0 + S, -A - 1>, <0, Y0 + S, -A + D>, W / 2 }
  }
#end

// A gabled roof with its ridge along x from X0 to X1, eaves at Y, half
// span W, rise H.
#macro Gable(X0, X1, Y, W, H, T)
  #local G1 = vnormalize(<0, W, H>);
  #local G2 = vnormalize(<0, W, -H>);
  intersection {
    box { <X0, Y, -W>, <X1, Y + H, W> }
    plane { G1, vdot(G1, <0, Y + H, 0>) }
    plane { G2, vdot(G2, <0, Y + H, 0>) }
    texture { T }
  }
#end

// --- The aisle: sixteen sides, two storeys of windows ---------------------------
#declare R16 = 16.3; #declare A16 = R16 * cos(radians(180 / 16));
#declare HA = 15;
difference {
  object { Poly(16, R16, 0, HA) }
  object { Poly(16, R16 - 1.2, -1, HA - 0.5) }
  #for (I, 0, 15)
    #if (I != 0)
      object { Arch(1.5, 3.0, 2.6, A16, 1.5) rotate y * (I * 22.5) }
    #end
    object { Arch(1.7, 8.8, 2.8, A16, 1.5) rotate y * (I * 22.5) }
  #end
  // The south door.
  object { Arch(2.4, 0, 3.4, A16, 1.5) }
  WallTex()
}
// Dark inside the aisle, seen through the windows.
object { Poly(16, R16 - 1.25, 0, HA - 0.5) texture { T_Dark } }
// A string course between the storeys and a cornice on top.
object { Poly(16, R16 + 0.18, 7.2, 7.6) texture { T_Chapel } }
object { Poly(16, R16 + 0.3, HA - 0.6, HA) texture { T_Chapel } }
// The aisle roof: sixteen sloping lead faces up to the octagon.
#declare RR = 8.3;
#declare RN = vnormalize(<0, A16 + 0.3 - RR * 0.92, -3.6>);
intersection {
  #for (I, 0, 15)
    // Through the eave (apothem A16 + 0.3 at HA) and the foot of the
    // octagon (apothem RR * 0.92 at HA + 3.6), on the -z side.
    plane { RN, vdot(RN, <0, HA, -(A16 + 0.3)>) rotate y * (I * 22.5) }
  #end
  plane { -y, -HA }
  texture { T_Lead }
}

// --- The octagon ---------------------------------------------------------------------
#declare A8 = RR * cos(radians(22.5));
#declare HO = 27;
difference {
  object { Poly(8, RR, HA, HO) }
  #for (I, 0, 7)
    object { Arch(2.2, 19.5, 3.2, A8, 0.8) rotate y * (I * 45) }
  #end
  WallTex()
}
#for (I, 0, 7)
  box { <-1.1, 19.5, -A8 + 0.75>, <1.1, 23.8, -A8 + 0.9> rotate y * (I * 45) texture { T_Dark } }
#end
object { Poly(8, RR + 0.3, HO - 0.5, HO) texture { T_Chapel } }
// The eight-sided dome: a cloister vault, four crossing half-cylinders.
union {
  intersection {
    #for (I, 0, 3)
      cylinder { <-20, 0, 0>, <20, 0, 0>, A8 + 0.3 rotate y * (I * 45 + 22.5) }
    #end
    plane { -y, 0 }
    scale <1, 0.62, 1>
    translate y * HO
  }
  texture { T_Lead }
}
// The gilded apple on the top.
union {
  cylinder { <0, HO + 4.9, 0>, <0, HO + 6.0, 0>, 0.12 }
  sphere { <0, HO + 6.2, 0>, 0.45 }
  texture { pigment { rgb <0.85, 0.65, 0.25> } finish { ambient 0.05 diffuse 0.5 specular 0.8 roughness 0.02 metallic reflection 0.2 } }
}

// --- The westwork ----------------------------------------------------------------
#declare WX0 = -A16 - 5.5;
#declare WH = 25;
difference {
  box { <WX0, 0, -5.6>, <-A16 + 1.5, WH, 5.6> }
  // The great west niche, two storeys high, and the door below it.
  box { <WX0 - 1, 9, -3>, <WX0 + 2.2, 19, 3> }
  cylinder { <WX0 - 1, 19, 0>, <WX0 + 2.2, 19, 0>, 3 }
  box { <WX0 - 1, 0, -1.4>, <WX0 + 1.2, 4.5, 1.4> }
  cylinder { <WX0 - 1, 4.5, 0>, <WX0 + 1.2, 4.5, 0>, 1.4 }
  // Windows in the south face.
  #for (J, 0, 1)
    box { <WX0 + 2, 6 + J * 9, -6>, <WX0 + 3.4, 9 + J * 9, -5.2> }
    cylinder { <WX0 + 2.7, 9 + J * 9, -6>, <WX0 + 2.7, 9 + J * 9, -5.2>, 0.7 }
  #end
  WallTex()
}
box { <WX0 + 2.1, 9, -3>, <WX0 + 2.25, 22, 3> texture { T_Dark } }
box { <WX0 + 1.1, 0, -1.4>, <WX0 + 1.25, 6, 1.4> texture { T_Dark } }
box { <WX0 + 1.9, 5.8, -5.3>, <WX0 + 3.5, 19, -5.25> texture { T_Dark } }
// Its gabled roof, ridge running west to east.
Gable(WX0 - 0.3, -A16 + 1.5, WH, 5.9, 4.2, T_Lead)
// The two round stair towers flanking the westwork.
#for (S, -1, 1, 2)
  union {
    difference {
      cylinder { <0, 0, 0>, <0, WH - 2, 0>, 2.6 }
      #for (J, 0, 3)
        box { <-0.25, 4 + J * 5, -3>, <0.25, 5.2 + J * 5, 0> rotate y * -40 }
      #end
      WallTex()
    }
    cone { <0, WH - 2, 0>, 2.9, <0, WH + 3.5, 0>, 0 texture { T_Lead } }
    translate <WX0 + 3.2, 0, S * 7.6>
  }
#end

// --- The choir on the east ----------------------------------------------------
union {
  box { <A16 - 1, 0, -3.8>, <A16 + 6, 11, 3.8> WallTex() }
  Gable(A16 - 1, A16 + 6.3, 11, 4.2, 3.4, T_Tile)
}

// The palace court in front: a few people crossing it.
object { Person(rgb <0.50, 0.16, 0.14>) translate <-12, 0, -24> }
object { Person(rgb <0.35, 0.33, 0.28>) translate <-10.5, 0, -25> }
object { Tree(9, 4, 7) translate <-70, 0, 10> }
object { Tree(10, 5, 8) translate <30, 0, 40> }
