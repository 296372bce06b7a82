// The Apadana of Persepolis in the afternoon, seen from the plain to the west:
// the stone terrace with its double stairway, the audience hall's western
// portico of twelve tall fluted columns with double-bull capitals between
// the corner towers, and the Mountain of Mercy behind.
#declare SunAz = 245; #declare SunEl = 32; #declare HazeDist = 5000; #declare HazeAlt = 160;
#declare SkyLow = rgb <0.78, 0.76, 0.72>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-150, 19, 62> look_at <-40, 28, 0> angle 50 }
SunAndSky()
Clouds(2500, 0.2)
Ground(T_DryGrass)

// The Mountain of Mercy: a rocky ridge rising east of the terrace.
#declare MtF = function { pattern { granite turbulence 0.4 scale 0.35 } }
#declare MtG = function { pattern { wrinkles scale 0.04 } }
height_field {
  function 600, 600 {
    min(1, max(0, (x - 0.22) * 2.6)) * (0.7 + 0.3 * sin(y * 9 + 1)) * (0.65 + MtF(x, y, 0) * 0.5) + MtG(x, y, 0) * 0.06 * min(1, max(0, (x - 0.2) * 8))
  }
  smooth translate <-0.5, 0, -0.5> scale <1400, 360, 2400> translate <560, -2, 0>
  texture { pigment { granite turbulence 0.5 scale 25 color_map { [0 rgb <0.42, 0.38, 0.34>] [0.5 rgb <0.55, 0.50, 0.44>] [1 rgb <0.36, 0.33, 0.30>] } }
    normal { granite 0.9 scale 4 } finish { ambient 0.05 diffuse 0.75 } }
}
FarHills(T_DryGrass, 9000, 160, 0.14, 11)

#declare T_Terrace = StoneTex(rgb <0.62, 0.60, 0.55>, rgb <0.70, 0.67, 0.61>, rgb <0.52, 0.50, 0.46>, 0.9)
#declare T_Column = StoneTex(rgb <0.70, 0.68, 0.63>, rgb <0.78, 0.75, 0.69>, rgb <0.60, 0.58, 0.54>, 0.4)
#declare P_Col = pigment { granite turbulence 0.3 scale 0.4 color_map { [0 rgb <0.70, 0.68, 0.63>] [0.5 rgb <0.78, 0.75, 0.69>] [1 rgb <0.60, 0.58, 0.54>] } }
#declare T_Fluted = texture { pigment { P_Col } normal { radial 0.35 frequency 24 } finish { F_Stone } }
#declare T_Leaves = texture { pigment { P_Col } normal { radial 0.3 frequency 16 } finish { F_Stone } }
#declare T_Wall = StoneTex(rgb <0.70, 0.57, 0.42>, rgb <0.76, 0.63, 0.47>, rgb <0.63, 0.51, 0.38>, 0.6)
#declare T_Wood = texture {
  pigment { wood turbulence 0.1 scale 0.3 color_map { [0 rgb <0.36, 0.22, 0.12>] [1 rgb <0.46, 0.30, 0.17>] } rotate y * 90 }
  normal { wood 0.3 scale 0.3 rotate y * 90 }
  finish { ambient 0.04 diffuse 0.7 specular 0.05 }
}

// A row of stepped merlons, the Persian crenellation, along +x from 0 to L.
#macro Merlons(L, S)
  union {
    #for (I, 0, L / (S * 1.6) - 1)
      union {
        box { <0, 0, -S * 0.3>, <S, S * 0.5, S * 0.3> }
        box { <S * 0.2, 0, -S * 0.3>, <S * 0.8, S, S * 0.3> }
        box { <S * 0.38, 0, -S * 0.3>, <S * 0.62, S * 1.4, S * 0.3> }
        translate x * (I * S * 1.6 + S * 0.3)
      }
    #end
  }
#end

// The terrace: a platform of great ashlar blocks 12 m above the plain.
#declare TerH = 12;
union {
  box { <-100, -1, -190>, <260, TerH, 140> }
  texture { T_Terrace } Courses(1.5, 3.2, 0)
}
// The double stairway up its west face: two flights rising north and south
// from the plain to a landing, and turning back to the top.
#macro Flight(Z0, Z1, Y0, Y1, X0, X1)
  #local N = 40;
  union {
    #for (I, 0, N - 1)
      box { <X0, -1, Z0 + (Z1 - Z0) * I / N>, <X1, Y0 + (Y1 - Y0) * (I + 1) / N, Z0 + (Z1 - Z0) * (I + 1) / N> }
    #end
  }
#end
union {
  // Lower flights, outward from the middle.
  object { Flight(70, 100, 0, 6, -107, -100) }
  object { Flight(10, -20, 0, 6, -107, -100) }
  // Landings and upper flights, back towards the middle.
  box { <-114, -1, 100>, <-100, 6, 108> }
  box { <-114, -1, -28>, <-100, 6, -20> }
  object { Flight(100, 70, 6, TerH, -114, -107) }
  object { Flight(-20, 10, 6, TerH, -114, -107) }
  box { <-114, -1, 10>, <-107, TerH, 70> }
  texture { T_Terrace } Courses(0.6, 2.0, 0)
}
// Parapets of merlons along the terrace edge.
object { Merlons(110, 1.4) rotate y * 90 translate <-99.3, TerH, 140> texture { T_Terrace } }
object { Merlons(90, 1.4) rotate y * 90 translate <-99.3, TerH, -20> texture { T_Terrace } }

// The Apadana on its own platform 2.6 m higher.
#declare FloorY = TerH + 2.6;
box { <-58, TerH - 0.1, -58>, <58, FloorY, 58> texture { T_Terrace } Courses(0.65, 2.4, 0) }
// Carved rows of tribute bearers on its face, as a band of relief.
box { <-58.15, TerH + 0.3, -57>, <-58, FloorY - 0.3, 57>
  texture { T_Terrace }
  texture { pigment { gradient z color_map { [0 rgbt 1] [0.55 rgbt 1] [0.6 rgbt <0.2, 0.18, 0.15, 0.55>] [0.8 rgbt <0.2, 0.18, 0.15, 0.55>] [0.85 rgbt 1] } scale 1.1 } }
  normal { gradient z 0.5 scale 1.1 }
}
// Its west stairway.
union {
  #for (I, 0, 9)
    box { <-58 - (10 - I) * 0.7, TerH, -14>, <-58, TerH + (I + 1) * 0.26, 14> }
  #end
  texture { T_Terrace }
}

// A column of the portico: a bell-shaped base, a fluted shaft, a palm
// capital, the block of paired volutes and two kneeling bulls back to back
// whose saddle takes the beam.
#declare ColR = 0.8;
#declare ShaftH = 13.2;
#macro Bull(S)
  union {
    // Forequarters: chest and shoulders.
    sphere { 0, 1 scale <1.35, 0.95, 0.72> translate <S * 1.25, 0, 0> }
    // Neck and head, raised and facing out.
    sphere { 0, 1 scale <0.75, 0.62, 0.5> rotate z * S * -35 translate <S * 2.35, 0.65, 0> }
    sphere { 0, 1 scale <0.55, 0.38, 0.34> rotate z * S * 20 translate <S * 2.95, 0.55, 0> }
    // Horns and ears.
    #for (T, -1, 1, 2)
      cone { <S * 2.65, 0.95, T * 0.22>, 0.09, <S * 2.9, 1.45, T * 0.5>, 0.02 }
      sphere { 0, 1 scale <0.1, 0.08, 0.22> translate <S * 2.55, 0.85, T * 0.42> }
      // Forelegs folded under the chest.
      cylinder { <S * 1.9, -0.3, T * 0.32>, <S * 1.9, -0.95, T * 0.32>, 0.2 }
      cylinder { <S * 1.9, -0.95, T * 0.32>, <S * 2.7, -0.95, T * 0.32>, 0.18 }
    #end
    // The carved curls of the chest, as a rough bump.
    sphere { 0, 1 scale <0.4, 0.6, 0.55> translate <S * 2.2, -0.2, 0> }
  }
#end
#declare Column = union {
  // Base: a square plinth, an inverted bell and a torus.
  box { <-1.5, 0, -1.5>, <1.5, 0.35, 1.5> }
  cone { y * 0.35, 1.35, y * 1.6, ColR * 1.05 }
  torus { ColR * 1.05, 0.22 translate y * 1.65 }
  cylinder { y * 1.6, y * (1.6 + ShaftH), ColR
    texture { T_Fluted } }
  // Palm capital: a flaring bell of drooping leaves, then an upright crown.
  #local Y = 1.6 + ShaftH;
  cone { y * Y, ColR, y * (Y + 1.4), ColR * 1.9 texture { T_Leaves } }
  cone { y * (Y + 1.4), ColR * 1.9, y * (Y + 1.6), ColR * 1.4 }
  cone { y * (Y + 1.6), ColR * 1.0, y * (Y + 2.5), ColR * 1.5 texture { T_Leaves } }
  // The volute block: a shaft with paired scrolls on two faces.
  box { <-0.75, Y + 2.5, -0.75>, <0.75, Y + 5.0, 0.75> }
  #for (K, 0, 1)
    #for (T, -1, 1, 2)
      torus { 0.32, 0.14 rotate x * 90 translate <T * 0.55, Y + 2.9 + K * 1.7, -0.78> }
      torus { 0.32, 0.14 rotate x * 90 translate <T * 0.55, Y + 2.9 + K * 1.7, 0.78> }
      torus { 0.32, 0.14 rotate z * 90 translate <-0.78, Y + 2.9 + K * 1.7, T * 0.55> }
      torus { 0.32, 0.14 rotate z * 90 translate <0.78, Y + 2.9 + K * 1.7, T * 0.55> }
    #end
  #end
  box { <-1.0, Y + 5.0, -1.0>, <1.0, Y + 5.3, 1.0> }
  // The two bulls.
  union { object { Bull(1) } object { Bull(-1) } translate y * (Y + 6.3) }
  texture { T_Column }
}
#declare ColTop = 1.6 + ShaftH + 7.2;

// Portico columns: two rows of six before the west front, the bulls facing
// along the front, the great beams laid across their saddles.
#declare Pitch = 8.7;
#for (R, 0, 1)
  #for (I, 0, 5)
    object { Column rotate y * 90 translate <-52 + R * 10, FloorY, (I - 2.5) * Pitch> }
  #end
  // The beam over each row.
  box { <-53.2 + R * 10, FloorY + ColTop - 0.6, -27>, <-50.8 + R * 10, FloorY + ColTop + 0.6, 27> texture { T_Wood } }
#end
// The north portico, seen end on.
#for (R, 0, 1)
  #for (I, 0, 5)
    object { Column translate <(I - 2.5) * Pitch, FloorY, 52 - R * 10> }
  #end
#end
// Joists and the roof over the porticoes, the joist ends in a row under the eaves.
union {
  #for (I, 0, 26)
    box { <-55.5, FloorY + ColTop + 0.6, -26 + I * 2.0>, <-30, FloorY + ColTop + 1.4, -25.4 + I * 2.0> }
  #end
  texture { T_Wood }
}
box { <-55.8, FloorY + ColTop + 1.4, -30>, <30, FloorY + ColTop + 2.6, 56> texture { T_Wall } }
box { <-30, FloorY + ColTop - 0.6, 30>, <30, FloorY + ColTop + 1.4, 56> texture { T_Wood } }
object { Merlons(52, 1.2) rotate y * 90 translate <-55.2, FloorY + ColTop + 2.6, 26> texture { T_Wall } }

// The walls of the hall: mud brick faced with plaster, a great door in the middle.
difference {
  box { <-30, FloorY, -30>, <30, FloorY + ColTop + 1.4, 30> }
  box { <-31, FloorY - 0.1, -3>, <-28, FloorY + 11, 3> }
  texture { T_Wall }
}
box { <-29.4, FloorY, -3>, <-29, FloorY + 11, 3> texture { T_Wood } }
#for (K, -1, 1, 2)
  difference {
    box { <-31, FloorY + 4, K * 14 - 1.6>, <-28, FloorY + 9, K * 14 + 1.6> }
    box { <-30.5, FloorY + 4.2, K * 14 - 1.2>, <-28, FloorY + 8.8, K * 14 + 1.2> }
    texture { T_Column }
  }
  box { <-30, FloorY + 4.2, K * 14 - 1.2>, <-29, FloorY + 8.8, K * 14 + 1.2> pigment { rgb 0.05 } }
#end
// Corner towers, taller than the hall, with crenellated tops.
#for (Zs, -1, 1, 2)
  #for (Xs, -1, 1, 2)
    #if (!(Xs = 1 & Zs = 1))
    union {
      box { <0, FloorY, 0>, <24, FloorY + ColTop + 7, 24> }
      box { <-0.4, FloorY + ColTop + 6, -0.4>, <24.4, FloorY + ColTop + 7, 24.4> }
      object { Merlons(24, 1.2) translate <0, FloorY + ColTop + 7, 0.3> }
      object { Merlons(24, 1.2) rotate y * 90 translate <0.3, FloorY + ColTop + 7, 24> }
      // A frieze of glazed tiles under the parapet, and recessed panels.
      box { <-0.3, FloorY + ColTop + 3.6, -0.3>, <24.3, FloorY + ColTop + 5.2, 24.3>
        texture { pigment { gradient x color_map { [0 rgb <0.10, 0.30, 0.45>] [0.5 rgb <0.10, 0.30, 0.45>] [0.5 rgb <0.80, 0.72, 0.45>] [1 rgb <0.80, 0.72, 0.45>] } scale 1.2 }
          finish { ambient 0.05 diffuse 0.7 specular 0.3 roughness 0.02 } } }
      #for (J, 0, 3)
        box { <-0.2, FloorY + 1, 1.5 + J * 5.6>, <0.25, FloorY + ColTop + 2.6, 4.1 + J * 5.6> }
        box { <1.5 + J * 5.6, FloorY + 1, -0.2>, <4.1 + J * 5.6, FloorY + ColTop + 2.6, 0.25> }
      #end
      // Narrow windows in the tower faces.
      #for (J, 0, 2)
        box { <-0.1, FloorY + 18, 5 + J * 6>, <0.2, FloorY + 21.5, 6.4 + J * 6> pigment { rgb 0.06 } }
      #end
      texture { T_Wall }
      translate <-12, 0, -12> scale <Xs, 1, Zs> translate <Xs * 42, 0, Zs * 42>
    }
    #end
  #end
#end

// Visitors on the terrace and the plain, for scale.
object { Person(rgb <0.55, 0.20, 0.15>) translate <-70, TerH, 8> }
object { Person(rgb <0.85, 0.80, 0.65>) translate <-72, TerH, 12> }
object { Person(rgb <0.25, 0.30, 0.55>) translate <-64, TerH, -6> }
object { Person(rgb <0.80, 0.72, 0.50>) translate <-125, 0, 40> }
#declare Rnd = seed(7);
#for (I, 0, 14)
  object { Cypress(9 + rand(Rnd) * 5) translate <-150 - rand(Rnd) * 40, 0, -80 + rand(Rnd) * 70> }
#end
