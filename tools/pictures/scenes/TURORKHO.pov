// The memorial stone of Kul Tegin in the Orkhon valley, set up in 732:
// a tall marble slab on a stone tortoise, its rounded crown carved with
// coiled dragons, the narrow side cut with lines of Turkic runes, the broad
// west face with the Chinese text; from the memorial a line of balbal
// stones runs away east across the wide steppe under a big sky, low
// mountains round the valley.
#declare SunAz = 228; #declare SunEl = 30; #declare HazeDist = 22000; #declare HazeAlt = 300;
#declare SkyLow = rgb <0.72, 0.78, 0.88>;
#declare SkyTop = rgb <0.08, 0.22, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

// +x is east, +z north. The camera stands south-west of the stone.
camera { location <-5.5, 1.35, -6> look_at <3.41, 1.45, -1.46> angle 64 }
SunAndSky()
Clouds(2500, 0.45)

// ------------------------------------------------------------- the steppe
plane { y, 0
  texture {
    pigment {
      bozo turbulence 0.6 scale 12
      color_map {
        [0.00 color rgb <0.36, 0.44, 0.16>]
        [0.45 color rgb <0.44, 0.50, 0.20>]
        [0.70 color rgb <0.52, 0.52, 0.26>]
        [1.00 color rgb <0.34, 0.42, 0.15>]
      }
    }
    normal { bumps 0.25 scale 0.3 }
    finish { ambient 0.05 diffuse 0.75 }
  }
}
// The low mountains round the valley, grassy below, stony on the crests.
#declare HN = function { pattern { bozo turbulence 0.5 octaves 5 omega 0.55 } }
height_field {
  function 600, 600 {
    min(1, max(0, (sqrt(pow(x - 0.5, 2) + pow(y - 0.5, 2)) - 0.07) * 5) * (0.35 + 0.65 * HN(x * 9, y * 9, 1.7)))
  }
  smooth
  translate <-0.5, 0, -0.5> scale <30000, 900, 30000> translate y * -1
  texture {
    slope { y }
    texture_map {
      [0.0 pigment { bozo scale 300 color_map { [0 rgb <0.42, 0.38, 0.30>] [1 rgb <0.50, 0.46, 0.36>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.80 pigment { bozo scale 300 color_map { [0 rgb <0.42, 0.38, 0.30>] [1 rgb <0.50, 0.46, 0.36>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.90 pigment { bozo scale 400 color_map { [0 rgb <0.34, 0.42, 0.18>] [1 rgb <0.44, 0.48, 0.24>] } } finish { ambient 0.03 diffuse 0.75 }]
      [1.00 pigment { bozo scale 400 color_map { [0 rgb <0.34, 0.42, 0.18>] [1 rgb <0.44, 0.48, 0.24>] } } finish { ambient 0.03 diffuse 0.75 }]
    }
  }
}

// ------------------------------------------------------------- the stone
// Grey-white marble, weathered.
#declare T_StoneWhite = StoneTex(rgb <0.80, 0.77, 0.69>, rgb <0.86, 0.83, 0.75>, rgb <0.71, 0.68, 0.60>, 0.6)
#declare T_Tortoise = StoneTex(rgb <0.60, 0.57, 0.52>, rgb <0.68, 0.65, 0.59>, rgb <0.50, 0.48, 0.44>, 0.2)

// Signs cut in vertical lines. Cells of W by H; a random hash per cell picks
// the strokes of a sign. Runes: stems, slants and hooks; Chinese: squarer
// signs of short horizontal and vertical strokes.
#declare Hash = function { pattern { cells } }
#declare Fr = function(V) { V - floor(V) }
#declare Stk = function(D, T) { select(abs(D) - T, 1, 0) }
#declare Rune = function(U, V) {
  // U, V in cells; the column gap and the sign gap leave blank stone.
  select(abs(Fr(U) - 0.5) - 0.34, select(abs(Fr(V) - 0.5) - 0.42,
    max(
      Stk(Fr(U) - 0.5, 0.13) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 0.3) > 0.25),
      max(
        Stk(Fr(V) - 0.2 - Fr(U) * 0.6, 0.13) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 1.3) > 0.45),
        Stk(Fr(V) - 0.8 + abs(Fr(U) - 0.5) * 0.9, 0.13) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 2.3) > 0.55)
      )
    ), 0), 0)
}
#declare Hanzi = function(U, V) {
  select(abs(Fr(U) - 0.5) - 0.40, select(abs(Fr(V) - 0.5) - 0.40,
    max(
      max(Stk(Fr(V) - 0.3, 0.11) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 0.3) > 0.3),
          Stk(Fr(V) - 0.7, 0.11) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 1.3) > 0.4)),
      max(Stk(Fr(U) - 0.5, 0.11) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 2.3) > 0.35),
          max(Stk(Fr(U) - 0.25, 0.10) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 3.3) > 0.6),
              Stk(Fr(U) - 0.75, 0.10) * (Hash(floor(U) + 0.5, floor(V) + 0.5, 4.3) > 0.6)))
    ), 0), 0)
}
// Cut lettering as a texture layer: the grooves dark, the stone between untouched.
#macro Lettering(F, Cw, Ch, Rot)
  texture {
    pigment { function { F(x / Cw, y / Ch) } color_map { [0 color rgbt 1] [0.5 color rgbt 1] [0.5 color rgbt <0.30, 0.29, 0.26, 0.2>] [1 color rgbt <0.30, 0.29, 0.26, 0.2>] } rotate y * Rot }
    finish { ambient 0.04 diffuse 0.7 }
  }
#end

#declare SlabW = 1.32; #declare SlabT = 0.46; #declare SlabH = 2.75; #declare Base = 0.78;
#declare CrownH = 1.0;
union {
  // The slab, its broad faces to east and west.
  box { <-SlabT / 2, Base, -SlabW / 2>, <SlabT / 2, Base + SlabH, SlabW / 2>
    texture { T_StoneWhite }
  }
  // Runes on the south side, in vertical lines.
  box { <-SlabT / 2 + 0.03, Base + 0.12, -SlabW / 2 - 0.002>, <SlabT / 2 - 0.03, Base + SlabH - 0.06, -SlabW / 2 + 0.01>
    texture { T_StoneWhite } Lettering(Rune, 0.06, 0.05, 0)
  }
  // The Chinese text on the west face, framed.
  box { <-SlabT / 2 - 0.002, Base + 0.15, -SlabW / 2 + 0.10>, <-SlabT / 2 + 0.01, Base + SlabH - 0.08, SlabW / 2 - 0.10>
    texture { T_StoneWhite } Lettering(Hanzi, 0.065, 0.065, 90)
  }
  // The crown: rounded, with dragons coiled in relief on both broad faces
  // round a tablet in the middle.
  intersection {
    box { <-SlabT / 2 - 0.04, Base + SlabH, -SlabW / 2 - 0.04>, <SlabT / 2 + 0.04, Base + SlabH + CrownH, SlabW / 2 + 0.04> }
    cylinder { <-1, Base + SlabH + CrownH - 0.72, 0>, <1, Base + SlabH + CrownH - 0.72, 0>, 0.72 scale <1, 1, 1> }
    texture { T_StoneWhite }
  }
  #for (S, -1, 1, 2)
    // The tablet.
    box { <S * (SlabT / 2 + 0.03), Base + SlabH + 0.18, -0.17>, <S * (SlabT / 2 + 0.07), Base + SlabH + 0.62, 0.17> texture { T_StoneWhite } }
    // Two dragons each side, their bodies rising in loops over the tablet to meet at the top.
    #for (K, -1, 1, 2)
      sphere_sweep { b_spline 8,
        <0, Base + SlabH + 0.00, K * 0.62>, 0.050,
        <0, Base + SlabH + 0.06, K * 0.55>, 0.055,
        <0, Base + SlabH + 0.34, K * 0.58>, 0.060,
        <0, Base + SlabH + 0.22, K * 0.36>, 0.060,
        <0, Base + SlabH + 0.62, K * 0.40>, 0.055,
        <0, Base + SlabH + 0.82, K * 0.18>, 0.050,
        <0, Base + SlabH + 0.70, K * 0.05>, 0.045,
        <0, Base + SlabH + 0.90, K * 0.00>, 0.040
        scale <0.8, 1, 1> translate x * S * (SlabT / 2 + 0.05)
        texture { T_StoneWhite }
      }
      // Heads and claws.
      sphere { <S * (SlabT / 2 + 0.06), Base + SlabH + 0.13, K * 0.47>, 0.07 texture { T_StoneWhite } }
      sphere { <S * (SlabT / 2 + 0.06), Base + SlabH + 0.48, K * 0.50>, 0.05 texture { T_StoneWhite } }
    #end
    // The pearl between the dragons at the top.
    sphere { <S * (SlabT / 2 + 0.04), Base + SlabH + 0.86, 0>, 0.07 texture { T_StoneWhite } }
  #end
  // The seating of the slab in the tortoise's back.
  box { <-0.36, Base - 0.05, -0.80>, <0.36, Base + 0.06, 0.80> texture { T_Tortoise } }
}

// The tortoise, facing east: domed shell with its plates, head and feet.
union {
  difference {
    sphere { 0, 1 scale <1.15, 0.72, 0.95> }
    plane { y, 0 }
    translate y * 0.08
    texture { T_Tortoise }
    texture {
      pigment { hexagon color rgbt 1, color rgbt 1, color rgbt <0.35, 0.33, 0.30, 0.5> scale 0.26 rotate x * 90 }
      normal { hexagon 0.6 scale 0.26 rotate x * 90 }
      finish { F_Stone }
    }
  }
  // The rim of the shell.
  cylinder { <0, 0, 0>, <0, 0.12, 0>, 1 scale <1.2, 1, 1.0> texture { T_Tortoise } }
  // Head and neck.
  sphere_sweep { linear_spline 2, <0.9, 0.25, 0>, 0.22, <1.45, 0.40, 0>, 0.20 texture { T_Tortoise } }
  sphere { 0, 1 scale <0.30, 0.22, 0.22> translate <1.55, 0.42, 0> texture { T_Tortoise } }
  // Feet.
  #for (I, -1, 1, 2)
    #for (J, -1, 1, 2)
      sphere { 0, 1 scale <0.28, 0.16, 0.22> translate <I * 0.75, 0.10, J * 0.80> texture { T_Tortoise } }
    #end
  #end
  // The stone plinth the tortoise lies on, half in the turf.
  box { <-1.7, -0.3, -1.35>, <2.0, 0.06, 1.35> texture { T_Tortoise } }
}

// ------------------------------------------------- the memorial enclosure
// A low earthen bank round the precinct, and the ditch; the shrine behind.
#declare T_Bank = texture {
  pigment { bozo scale 2 color_map { [0 rgb <0.36, 0.44, 0.17>] [1 rgb <0.44, 0.48, 0.22>] } }
  normal { bumps 0.3 scale 0.4 }
  finish { F_Ground }
}
difference {
  box { <-60, -0.5, -34>, <26, 0.55, 34> }
  box { <-58.5, -1, -32.5>, <24.5, 2, 32.5> }
  box { <23, -1, -4>, <27, 2, 4> }
  texture { T_Bank }
}
// --------------------------------------------------------- the balbals
// Rough standing stones in a line running east from the precinct gate,
// one for each enemy the prince slew.
#declare Rb = seed(12);
#for (I, 0, 140)
  #declare Bx = 30 + I * 9 + rand(Rb) * 1.5;
  #declare Bh = 0.7 + rand(Rb) * 0.7;
  superellipsoid { <0.5, 0.45>
    scale <0.22 + rand(Rb) * 0.1, Bh / 2, 0.20 + rand(Rb) * 0.08>
    rotate <rand(Rb) * 8 - 4, rand(Rb) * 60, rand(Rb) * 8 - 4>
    translate <Bx, Bh / 2 - 0.12, -0.5 + rand(Rb) * 0.6>
    texture { T_Tortoise }
  }
#end
