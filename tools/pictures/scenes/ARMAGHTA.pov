// The church of the Holy Cross on Aghtamar island in Lake Van, as King
// Gagik built it in 915-921: a domed four-apsed church of pink tuff, the
// sixteen-sided drum and its conical roof over the crossing, the walls
// girt with bands of carving, seen from the rocky slope north-west of it
// with the lake and the snowy mountains of its southern shore behind.
#declare SunAz = 232; #declare SunEl = 34; #declare HazeDist = 22000; #declare HazeAlt = 500;
#declare SkyLow = rgb <0.70, 0.76, 0.84>;
#declare SkyTop = rgb <0.10, 0.26, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

#declare CamX = -31; #declare CamZ = 24;
camera { location <CamX, 0, CamZ> + y * (max(0.22 * (-(CamX - CamZ) * 0.7071 - 10), 0) + 2.6) look_at <2, 5.6, -2> angle 60 }
SunAndSky()
Clouds(3000, 0.18)

// ---- The lake and the mountains of its far shore.
#declare LakeY = -12;
plane { y, LakeY
  texture {
    pigment { color rgb <0.02, 0.10, 0.30> }
    normal { waves 0.10 frequency 1.2 turbulence 0.5 scale <9, 1, 5> }
    finish { ambient 0.02 diffuse 0.3 specular 0.5 roughness 0.004 reflection { 0.04, 0.4 fresnel on } conserve_energy }
  }
  interior { ior 1.33 }
}
#declare MtN = function { pattern { granite turbulence 0.3 octaves 6 scale 0.5 } }
#declare MtW = function { pattern { wrinkles scale 0.05 } }
#declare SnowN = function { pattern { granite turbulence 0.5 scale 900 } }
// A range along the southern shore, rising steeply out of the water.
height_field {
  function 700, 350 {
    min(1, max(0, min(1, y * 3.2 - 0.03) * (1 - y * 0.45) * (0.55 + 0.45 * sin(x * 11 + 0.8) * sin(x * 4.3)) * (0.6 + MtN(x, y, 0) * 0.6) + MtW(x, y, 0) * 0.05 * y))
  }
  smooth
  translate <-0.5, 0, -1>
  scale <60000, 5200, 22000>
  rotate y * -12
  translate <6000, LakeY - 30, -2600>
  texture {
    pigment { function { min(1, max(0, (y - LakeY - 850 - SnowN(x, y, z) * 500) / 120)) }
      pigment_map {
        [0.0 granite scale 300 color_map { [0 rgb <0.36, 0.32, 0.28>] [1 rgb <0.47, 0.42, 0.35>] }]
        [0.5 granite scale 300 color_map { [0 rgb <0.36, 0.32, 0.28>] [1 rgb <0.47, 0.42, 0.35>] }]
        [0.5 rgb <0.90, 0.91, 0.95>]
        [1.0 rgb <0.97, 0.97, 1.0>]
      }
    }
    finish { ambient 0.07 diffuse 0.75 }
  }
}
// Low hills of the eastern and northern shores, far off.
object { FarHills(texture { pigment { granite scale 0.01 color_map { [0 rgb <0.55, 0.50, 0.40>] [1 rgb <0.62, 0.56, 0.44>] } } finish { ambient 0.06 diffuse 0.7 } }, 120000, 900, 0.22, 4) translate y * (LakeY - 60) }

// ---- The island: a rocky back rising to the north-west, a shelf where the
// church stands, and slopes falling to the water to the south and east.
#declare RN = function { pattern { granite turbulence 0.4 scale 0.06 } }
#declare RB = function { pattern { bozo turbulence 0.6 scale 0.015 } }
#declare IsleH = function(X, Z) {
  select((X - Z) * 0.7071 + 10, 0.22 * (-(X - Z) * 0.7071 - 10), 0)
  - 0.55 * max(0, (X - Z) * 0.7071 - 12)
  - 0.35 * max(0, (X + Z) * 0.7071 - 28)
  - 0.35 * max(0, -(X + Z) * 0.7071 - 60)
}
#declare IsleSize = 600;
// Dry spring grass with rock showing through in patches.
#declare T_Grassy = texture {
  pigment { bozo turbulence 0.7 scale 4
    color_map { [0 rgb <0.40, 0.45, 0.22>] [0.45 rgb <0.54, 0.53, 0.30>] [0.6 rgb <0.50, 0.47, 0.40>] [0.7 rgb <0.58, 0.55, 0.50>] [1 rgb <0.46, 0.44, 0.28>] } }
  normal { granite 0.5 scale 0.5 }
  finish { F_Ground }
}
height_field {
  function 600, 600 {
    min(1, max(0, (
      max(-22, IsleH(x * IsleSize - IsleSize / 2, (1 - y) * IsleSize - IsleSize / 2))
      + (RN(x, y, 0) - 0.5) * 3.5 * min(1, max(0, (sqrt(pow(x * IsleSize - IsleSize / 2, 2) + pow((1 - y) * IsleSize - IsleSize / 2, 2)) - 14) / 10))
      + RB(x, y, 0) * 1.2 * min(1, max(0, (sqrt(pow(x * IsleSize - IsleSize / 2, 2) + pow((1 - y) * IsleSize - IsleSize / 2, 2)) - 14) / 10))
      + 24) / 80))
  }
  smooth
  translate <-0.5, 0, -0.5> scale <IsleSize, 80, IsleSize> translate y * -24.05
  texture {
    slope { y }
    texture_map {
      [0.0 T_Rock]
      [0.86 T_Rock]
      [0.93 T_Grassy]
      [1.0 T_Grassy]
    }
  }
}
// Boulders of the island's rock.
#declare Rnd = seed(5);
#for (I, 0, 24)
  #local Px = -40 + rand(Rnd) * 70;
  #local Pz = -30 + rand(Rnd) * 70;
  #if (vlength(<Px, 0, Pz>) > 17)
    sphere { 0, 1 scale <1 + rand(Rnd) * 1.6, 0.5 + rand(Rnd) * 0.8, 1 + rand(Rnd) * 1.4>
      rotate y * rand(Rnd) * 180 translate <Px, IsleH(Px, Pz) - 0.3, Pz> texture { T_Rock scale 0.2 } }
  #end
#end
// Almond trees in blossom on the slope.
#macro Almond(H, R, Seed)
  #local Ra = seed(Seed);
  union {
    cone { 0, R * 0.1, y * H * 0.6, R * 0.05 pigment { rgb <0.26, 0.19, 0.14> } finish { ambient 0.05 diffuse 0.7 } }
    blob {
      threshold 0.5
      #for (I, 0, 6)
        sphere { <(rand(Ra) - 0.5) * R * 1.3, H * 0.62 + rand(Ra) * R * 0.7, (rand(Ra) - 0.5) * R * 1.3>, R * 0.7, 1 }
      #end
      pigment { granite scale R * 0.25 color_map { [0 rgb <0.80, 0.66, 0.68>] [0.6 rgb <0.93, 0.84, 0.85>] [1 rgb <0.45, 0.40, 0.30>] } }
      normal { bumps 1.0 scale R * 0.06 }
      finish { ambient 0.05 diffuse 0.7 }
    }
  }
#end
// Placed by distance along the line of sight and offset to its left.
#declare Fwd = vnormalize(<33, 0, -26>);
#declare Lft = <-Fwd.z, 0, Fwd.x>;
#declare TreeAt = array[6][2] { {20, 13}, {27, -15}, {34, 20}, {46, -19}, {54, 24}, {14, -9} }
#for (I, 0, 5)
  #local P = <CamX, 0, CamZ> + Fwd * TreeAt[I][0] + Lft * TreeAt[I][1];
  object { Almond(3.0 + rand(Rnd) * 1.5, 1.7, I) translate <P.x, IsleH(P.x, P.z) - 0.2, P.z> }
#end

// ---- The church.
#declare P_Tuff = pigment { granite turbulence 0.3 scale 0.6
  color_map { [0 rgb <0.70, 0.46, 0.40>] [0.5 rgb <0.77, 0.54, 0.46>] [1 rgb <0.62, 0.40, 0.36>] } }
#declare F_Tuff = finish { ambient 0.06 diffuse 0.78 specular 0.03 roughness 0.2 }
// Carved bands, each a function of the height y and of u = x + z, which
// runs along every wall: 1 where the carving stands out, 0 in the ground.
// Standing figures, a little over life size, of varying width.
#declare FigF = function(U, Y) {
  max(0, max(max(
    // The robe, widening to the hem.
    1 - pow((U - floor(U / 1.4) * 1.4 - 0.7) / ((0.13 + 0.06 * sin(floor(U / 1.4) * 7.1)) * (1.9 - Y / 1.5)), 2) - pow((Y - 0.75) / 0.75, 2),
    // The head.
    1 - pow((U - floor(U / 1.4) * 1.4 - 0.7) / 0.15, 2) - pow((Y - 1.64) / 0.16, 2)),
    // A halo round the head of every other figure.
    select(sin(floor(U / 1.4) * 2.3), 0, 1 - abs(sqrt(pow(U - floor(U / 1.4) * 1.4 - 0.7, 2) + pow(Y - 1.64, 2)) - 0.25) / 0.035)))
}
// A vine scroll with leaves and bunches in its loops.
#declare VineF = function(U, Y) {
  max(max(0, 1 - abs(Y - 0.55 * sin(U * 7.0)) / 0.18),
      max(0, 1 - pow((U - floor(U / 0.449) * 0.449 - 0.224) / 0.11, 2) - pow((Y + 0.45 * select(sin(U * 7.0 + 1.57), -1, 1)) / 0.3, 2)))
}
// Bands: figures from 3.3 to 5.3 m, a row of animal heads at 5.9, the vine scroll from 6.35 to 6.95.
#declare BandF = function(X, Y, Z) {
  select(Y - 3.3, 0, select(Y - 5.3, min(1, FigF(X + Z, Y - 3.3) * 3), 0))
  + select(Y - 5.7, 0, select(Y - 6.1, min(1, max(0, 1 - pow((X + Z - floor((X + Z) / 0.6) * 0.6 - 0.3) / 0.16, 2) - pow((Y - 5.9) / 0.16, 2)) * 3), 0))
  + select(Y - 6.35, 0, select(Y - 6.95, min(1, VineF((X + Z) * 1.0, (Y - 6.65) / 0.3) * 2), 0))
}
#declare InBand = function(Y) { select(Y - 3.3, 0, select(Y - 5.3, 1, 0)) + select(Y - 5.7, 0, select(Y - 6.1, 1, 0)) + select(Y - 6.35, 0, select(Y - 6.95, 1, 0)) }
#macro TuffTex()
  texture {
    pigment { P_Tuff }
    normal { granite 0.2 scale 0.2 }
    finish { F_Tuff }
  }
  // The joints of the fine ashlar.
  texture {
    pigment { brick color rgbt <0.38, 0.24, 0.20, 0.45>, color rgbt 1 brick_size <0.9, 0.42, 0.9> mortar 0.02 }
    finish { F_Tuff }
  }
  // The carving: the cut-back ground in shadow, the figures raised.
  texture {
    pigment { function { InBand(y) * (1 - BandF(x, y, z)) }
      color_map { [0 rgbt 1] [1 rgbt <0.30, 0.17, 0.14, 0.35>] } }
    normal { function { BandF(x, y, z) } 1.4 }
    finish { F_Tuff }
  }
  // String courses framing the bands.
  texture {
    pigment { function { select(abs(y - 3.2) - 0.1, 1, 0) + select(abs(y - 5.4) - 0.1, 1, 0) + select(abs(y - 6.25) - 0.08, 1, 0) + select(abs(y - 7.05) - 0.1, 1, 0) }
      color_map { [0 rgbt 1] [1 rgbt <0.86, 0.64, 0.56, 0.4>] } }
    finish { F_Tuff }
  }
#end
#macro RoofTex()
  texture {
    pigment { gradient y color_map { [0 rgb <0.60, 0.42, 0.36>] [0.9 rgb <0.66, 0.47, 0.40>] [0.9 rgb <0.45, 0.30, 0.26>] [1 rgb <0.45, 0.30, 0.26>] } scale 0.35 }
    normal { granite 0.3 scale 0.3 }
    finish { F_Tuff }
  }
#end

// A sloping roof plane over a wall line: the plan normal N (unit, <x, 0, z>),
// the wall's distance D from the centre, eaves height E, rise K per metre.
#macro RoofPlane(N, D, E, K)
  plane { <K * N.x, 1, K * N.z>, (E + K * D) / sqrt(K * K + 1) }
#end

#declare Eave = 8.4;     // the cross arms
#declare LowEave = 7.3;  // the corner chambers
#declare K = 0.62;
#declare AW = 3.3;       // half width of the arms
// Plan of the south arm's five faces (the north arm mirrors it).
#declare SP = array[8] { <-AW, 0>, <-AW, -4.5>, <-2.45, -5.75>, <-0.9, -6.25>, <0.9, -6.25>, <2.45, -5.75>, <AW, -4.5>, <AW, 0> }

// A round-headed window or door cut to depth D in a wall facing -z, centred
// on x = 0, sill at y = 0.
#macro Opening(W, H, D)
  union {
    box { <-W / 2, 0, -D>, <W / 2, H - W / 2, D> }
    cylinder { <0, H - W / 2, -D>, <0, H - W / 2, D>, W / 2 }
  }
#end
#declare T_Dark = texture { pigment { rgb <0.06, 0.04, 0.035> } finish { ambient 0.02 diffuse 0.3 } }

#declare Church = union {
  difference {
    union {
      // The east-west arm, gabled at both ends.
      box { <-8, 0, -AW + 0.3>, <8, Eave, AW - 0.3> }
      // The corner chambers on either side of the east and west arms.
      box { <-8, 0, -4.5>, <8, LowEave, 4.5> }
      // The north and south arms with their five-sided ends.
      prism { linear_sweep linear_spline 0, Eave, 9,
        SP[0], SP[1], SP[2], SP[3], SP[4], SP[5], SP[6], SP[7], SP[0] }
      prism { linear_sweep linear_spline 0, Eave, 9,
        SP[0], SP[1], SP[2], SP[3], SP[4], SP[5], SP[6], SP[7], SP[0] scale <1, 1, -1> }
      // The square of the crossing, rising to the drum.
      box { <-AW, 0, -AW>, <AW, 10.9, AW> }
    }
    // The tall triangular niches flanking the middle of the east and west
    // fronts, each closed by a shell-shaped head.
    #for (S, -1, 1, 2)
      #for (T, -1, 1, 2)
        union {
          prism { linear_sweep linear_spline -1, 5.6, 4, <0.01, -0.55>, <-1.0, 0>, <0.01, 0.55>, <0.01, -0.55> }
          intersection { sphere { <0, 5.6, 0>, 0.55 scale <1.8, 1, 1> } plane { x, 0.01 } }
          scale <S, 1, 1> translate <S * 8, 0, T * 1.65>
        }
      #end
    #end
    // West door and windows; the windows of the south front and the arms.
    object { Opening(1.36, 2.6, 0.6) rotate y * 90 translate <-8, 0, 0> }
    object { Opening(0.7, 1.8, 0.6) rotate y * 90 translate <-8, 4.0, 0> }
    object { Opening(0.6, 1.4, 0.6) rotate y * 90 translate <-8, 7.4, 0> }
    object { Opening(0.6, 1.4, 0.6) rotate y * -90 translate <8, 7.4, 0> }
    object { Opening(1.3, 2.6, 0.6) translate <0, 0, -6.25> }
    object { Opening(1.35, 2.0, 0.6) translate <0, 3.4, -6.25> }
    #for (T, -1, 1, 2)
      object { Opening(0.6, 1.5, 0.6) rotate y * T * 17.9 translate <T * 1.675, 3.6, -6.0> }
    #end
    object { Opening(0.7, 1.8, 0.6) rotate y * 180 translate <0, 3.6, 6.25> }
    TuffTex()
  }
  // Shadowed insides of the openings.
  box { <-7.7, 0.01, -0.7>, <-7.6, 7.0, 0.7> texture { T_Dark } }
  box { <-1, 0.01, -5.95>, <1, 5.4, -5.85> texture { T_Dark } }
  box { <-2.6, 3.61, -5.6>, <2.6, 5.0, -5.5> texture { T_Dark } }
  box { <-0.6, 3.61, 5.85>, <0.6, 5.5, 5.95> texture { T_Dark } }
  box { <-7.7, 7.41, -0.5>, <-7.6, 8.8, 0.5> texture { T_Dark } }
  box { <7.6, 7.41, -0.5>, <7.7, 8.8, 0.5> texture { T_Dark } }
  // The gables of the east-west arm, and its roof.
  prism { linear_sweep linear_spline -8, 8, 4, <-AW, 0>, <AW, 0>, <0, AW * K>, <-AW, 0> rotate -x * 90 rotate y * 90 translate y * Eave TuffTex() }
  difference {
    prism { linear_sweep linear_spline -8.2, 8.2, 4, <-AW - 0.3, -0.05>, <AW + 0.3, -0.05>, <0, AW * K + 0.24>, <-AW - 0.3, -0.05> rotate -x * 90 rotate y * 90 translate y * Eave }
    prism { linear_sweep linear_spline -9, 9, 4, <-AW - 0.1, -0.2>, <AW + 0.1, -0.2>, <0, AW * K - 0.01>, <-AW - 0.1, -0.2> rotate -x * 90 rotate y * 90 translate y * Eave }
    RoofTex()
  }
  // The north and south arms: their roofs hipped over the five faces.
  #for (S, -1, 1, 2)
    intersection {
      RoofPlane(<1, 0, 0>, AW + 0.2, Eave, K)
      RoofPlane(<-1, 0, 0>, AW + 0.2, Eave, K)
      #for (I, 1, 5)
        #local A = SP[I]; #local B = SP[I + 1];
        #local Nn = vnormalize(<B.y - A.y, 0, -(B.x - A.x)>);
        #local Nn = <Nn.x, 0, Nn.z>;
        #local Dd = vdot(Nn, <A.x, 0, A.y>);
        #if (Dd < 0) #local Nn = -Nn; #local Dd = -Dd; #end
        RoofPlane(Nn, Dd + 0.2, Eave, K)
      #end
      plane { -y, -(Eave - 0.05) }
      plane { z, 0 }
      RoofTex()
      #if (S > 0) scale <1, 1, -1> #end
    }
  #end
  // Lean-to roofs of the corner chambers, against the arms.
  #for (S, -1, 1, 2)
    intersection {
      box { <-8.2, LowEave - 0.05, 0>, <8.2, Eave, 4.75> }
      plane { <0, 1, 0.55>, 0 rotate x * 0 translate <0, LowEave + 4.75 * 0.55, 0> }
      RoofTex()
      #if (S < 0) scale <1, 1, -1> #end
    }
  #end
  // The drum: sixteen sides, four windows, a frieze of animals under its cornice.
  #declare DR = 3.25;
  difference {
    union {
      prism { linear_sweep linear_spline 10.4, 15.4, 17,
        #for (I, 0, 16) <DR * cos(radians(I * 22.5 + 11.25)), DR * sin(radians(I * 22.5 + 11.25))> #end
      }
      // The cornice.
      prism { linear_sweep linear_spline 15.4, 15.7, 17,
        #for (I, 0, 16) <(DR + 0.22) * cos(radians(I * 22.5 + 11.25)), (DR + 0.22) * sin(radians(I * 22.5 + 11.25))> #end
      }
    }
    #for (I, 0, 3)
      object { Opening(0.6, 1.6, 0.5) translate <0, 12.2, -DR * cos(radians(11.25))> rotate y * I * 90 }
    #end
    texture {
      pigment { P_Tuff }
      normal { granite 0.2 scale 0.2 }
      finish { F_Tuff }
    }
    texture {
      pigment { brick color rgbt <0.38, 0.24, 0.20, 0.45>, color rgbt 1 brick_size <0.9, 0.42, 0.9> mortar 0.02 }
      finish { F_Tuff }
    }
    texture {
      pigment { function { select(y - 14.55, 0, select(y - 15.3, 1 - VineF(atan2(x, z) * DR, (y - 14.92) / 0.3), 0)) }
        color_map { [0 rgbt 1] [1 rgbt <0.30, 0.17, 0.14, 0.35>] } }
      normal { function { select(y - 14.55, 0, select(y - 15.3, VineF(atan2(x, z) * DR, (y - 14.92) / 0.3), 0)) } 1.2 }
      finish { F_Tuff }
    }
  }
  cylinder { <0, 10.5, 0>, <0, 15.3, 0>, DR * cos(radians(11.25)) - 0.42 texture { T_Dark } }
  // The conical roof: sixteen faces rising to a point.
  intersection {
    #for (I, 0, 15)
      #local Ang = radians(I * 22.5);
      plane { <cos(Ang) * 1.2, 1, sin(Ang) * 1.2>, 0 translate y * (15.65 + (DR + 0.35) * 1.2) }
    #end
    plane { -y, -15.6 }
    RoofTex()
  }
  // A cross of stone at the point.
  union {
    box { <-0.07, 0, -0.07>, <0.07, 1.0, 0.07> }
    box { <-0.07, 0.55, -0.3>, <0.07, 0.7, 0.3> }
    translate y * (15.65 + (DR + 0.35) * 1.2 - 0.1)
    texture { pigment { P_Tuff } finish { F_Tuff } }
  }
}
object { Church }

// A low platform of rock around the church, and visitors.
object { Person(rgb <0.50, 0.16, 0.12>) translate <-12, 0, 6> }
object { Person(rgb <0.82, 0.76, 0.62>) translate <-11.2, 0, 7.2> }
