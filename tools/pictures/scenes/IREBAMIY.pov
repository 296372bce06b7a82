// Bamiyan about 600: the cliff on the north side of the valley with the
// Great Buddha, 55 m, standing in its tall trefoil-headed niche, his robe
// painted red with its folds in ridges, face and hands gilded; further east
// along the cliff the niche of the smaller Buddha, and all along the face
// the doors of the monks' caves. In front the green valley with its fields
// and poplars; behind, the snow peaks of the Hindu Kush.
#declare SunAz = 125; #declare SunEl = 33; #declare HazeDist = 30000; #declare HazeAlt = 900;
#declare SkyLow = rgb <0.70, 0.76, 0.86>;
#declare SkyTop = rgb <0.10, 0.24, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

// The cliff runs east-west (x) along z = 0 and faces south (-z); the camera
// stands in the valley to the south-west, looking north-east.
camera { location <-60, 8, -300> look_at <92, 44, 0> angle 52 }
SunAndSky()
Clouds(4000, 0.25)

// ---------------------------------------------------------------- the cliff
// Conglomerate and sandstone in buff and tan bands, streaked where the rain
// runs down.
#macro CliffTex()
  texture {
    pigment {
      gradient y turbulence 0.15 scale 14
      color_map {
        [0.00 color rgb <0.62, 0.50, 0.37>]
        [0.35 color rgb <0.72, 0.60, 0.45>]
        [0.55 color rgb <0.56, 0.46, 0.35>]
        [0.80 color rgb <0.68, 0.56, 0.41>]
        [1.00 color rgb <0.62, 0.50, 0.37>]
      }
    }
    normal { granite 0.3 scale 4 }
    finish { ambient 0.05 diffuse 0.78 }
  }
  texture {
    pigment {
      slope { y } turbulence 0.1
      color_map { [0.0 color rgbt 1] [0.70 color rgbt 1] [0.80 color rgbt <0.58, 0.48, 0.33, 0.3>] [1.0 color rgbt <0.55, 0.47, 0.30, 0.1>] }
    }
    finish { ambient 0.05 diffuse 0.78 }
  }
  texture {
    pigment {
      bozo turbulence 0.4 scale <3, 40, 3>
      color_map { [0.0 color rgbt <0.28, 0.22, 0.17, 0.35>] [0.45 color rgbt 1] [1.0 color rgbt 1] }
    }
    finish { ambient 0.05 diffuse 0.78 }
  }
#end

#declare CN = function { pattern { bozo } }
#declare CN2 = function { pattern { granite } }
// The face: vertical flutes, leaning back a little, a talus at the foot.
#declare FaceZ = function(X, Y) {
  6 * CN(X * 0.025, Y * 0.004, 0.3) + 4 * CN(X * 0.13, Y * 0.012, 4.1) + 0.6 * CN(X * 0.4, Y * 0.03, 1.7) + Y * 0.10 - max(0, 9 - Y) * 1.3
}
// The top of the cliff, about 100 m up, rounded and rising gently behind.
#declare TopY = function(X, Z) {
  70 + 16 * CN(X * 0.006, 0.5, 0) + 10 * CN(X * 0.03, 1.5, 0) + 14 * exp(-pow(X / 160, 2)) - max(0, X - 150) * 0.05
  + min(0.45 * max(0, Z - 4), 32) + 8 * CN(X * 0.02, Z * 0.02, 2.2) + 3 * CN(X * 0.12, Z * 0.12, 5.5)
}
#declare CliffF = function(X, Y, Z) {
  max(FaceZ(X, Y) - Z, (Y - TopY(X, Z)) * 0.7)
}

// The openings cut into the face.
#declare T_CaveIn = texture { pigment { rgb <0.16, 0.12, 0.09> } finish { ambient 0.02 diffuse 0.6 } }
// An arched door W wide and H tall, D deep, its sill at height Y.
#macro Cave(X, Y, W, H, D0)
  #local D = max(D0, FaceZ(X, Y + H / 2) + 4);
  union {
    box { <-W / 2, 0, -30>, <W / 2, H - W / 2, D> }
    cylinder { <0, H - W / 2, -30>, <0, H - W / 2, D>, W / 2 }
    translate <X, Y, 0>
  }
#end
// The niche of a standing Buddha, trefoil-headed: Width wide, Height tall,
// its back Depth into the rock.
#macro Niche(X, Width, Height, Depth, Lobes)
  #local R = (Lobes ? Width * 0.33 : Width / 2);
  union {
    box { <-Width / 2, -2, -40>, <Width / 2, Height - R - (Lobes ? Width * 0.32 : 0), Depth> }
    cylinder { <0, Height - R, -40>, <0, Height - R, Depth>, R }
    #if (Lobes)
      // The side lobes at the shoulders of the trefoil.
      #for (S, -1, 1, 2)
        cylinder { <S * Width * 0.29, Height - R - Width * 0.32, -40>, <S * Width * 0.29, Height - R - Width * 0.32, Depth>, Width * 0.21 }
      #end
    #end
    translate x * X
  }
#end

#declare GreatX = 0;
#declare SmallX = 270;
// How far the face stands in at each Buddha.
#declare GreatZ = FaceZ(GreatX, 25);
#declare SmallZ = FaceZ(SmallX, 18);

// The monks' caves: rows of doors at several levels, thickest around and
// between the two Buddhas, galleries beside their heads and shoulders.
#declare NC = 0;
#declare CX = array[700]; #declare CY = array[700]; #declare CW = array[700];
#declare CH = array[700]; #declare CQ = array[700];
#macro AddCave(X, Y, W, H, Q)
  #declare CX[NC] = X; #declare CY[NC] = Y; #declare CW[NC] = W; #declare CH[NC] = H; #declare CQ[NC] = Q;
  #declare NC = NC + 1;
#end
#declare Rnd = seed(7);
#for (I, 0, 520)
  #declare Px = -520 + rand(Rnd) * 1300;
  #declare Near = min(abs(Px - GreatX), abs(Px - SmallX));
  #declare Between = (Px > GreatX & Px < SmallX);
  #if (Near > 15 & (rand(Rnd) < 0.35 | Near < 90 | (Between & rand(Rnd) < 0.8)))
    #declare Lv = floor(rand(Rnd) * 5);
    #declare Py = 2 + Lv * 13 + rand(Rnd) * 4;
    #declare Cw = 1.8 + rand(Rnd) * 2.6;
    #if (rand(Rnd) < 0.3)
      AddCave(Px, Py, Cw, Cw * 1.3, 1)
    #else
      AddCave(Px, Py, Cw, Cw * (1.3 + rand(Rnd) * 0.5), 0)
    #end
  #end
#end
#for (S, -1, 1, 2)
  #for (K, 0, 3)
    AddCave(GreatX + S * (17 + K * 5), 44 + (K = 1) * 2, 3, 4.5, 0)
    AddCave(GreatX + S * (16 + K * 6), 26, 3.4, 5, 0)
    AddCave(GreatX + S * (16 + K * 5), 3, 4, 6, 0)
  #end
  AddCave(SmallX + S * 14, 30, 3, 4.5, 0)
  AddCave(SmallX + S * 13, 3, 4, 6, 0)
  AddCave(SmallX + S * 19, 16, 3, 4.5, 0)
#end

// The cliff is built in pieces along its length, each with its own caves,
// so that a ray meets only the openings near it.
#macro CliffPiece(X0, X1)
  #local Any = 0;
  difference {
    isosurface {
      function { CliffF(x, y, z) }
      contained_by { box { <X0, -3, -20>, <X1, 160, 90> } }
      max_gradient 3.0
      accuracy 0.05
      CliffTex()
    }
    #if (GreatX > X0 & GreatX < X1) object { Niche(GreatX, 24, 58, GreatZ + 15, 1) CliffTex() } #end
    #if (SmallX > X0 & SmallX < X1) object { Niche(SmallX, 17, 40, SmallZ + 11, 0) CliffTex() } #end
    #for (I, 0, NC - 1)
      #if (CX[I] - CW[I] / 2 > X0 + 0.2 & CX[I] + CW[I] / 2 < X1 - 0.2)
        #local F = FaceZ(CX[I], CY[I] + CH[I] / 2);
        #local D = F + 5;
        #if (CQ[I])
          box { <CX[I] - CW[I] / 2, CY[I], F - 7>, <CX[I] + CW[I] / 2, CY[I] + CH[I], D> texture { T_CaveIn } }
        #else
          union {
            box { <-CW[I] / 2, 0, F - 7>, <CW[I] / 2, CH[I] - CW[I] / 2, D> }
            cylinder { <0, CH[I] - CW[I] / 2, F - 7>, <0, CH[I] - CW[I] / 2, D>, CW[I] / 2 }
            translate <CX[I], CY[I], 0>
            texture { T_CaveIn }
          }
        #end
      #end
    #end
  }
#end
#for (Xp, -915, 1085, 50)
  object { CliffPiece(Xp, Xp + 50) }
#end
// The top of the cliff further back, where it no longer falls away.
height_field {
  function 600, 120 { min(1, max(0, TopY(x * 2000 - 915, 60 + (1 - y) * 400) / 200)) }
  smooth
  translate <0, 0, -0.5> translate <0, 0, 0.5> scale <2000, 200, 400> translate <-915, 0, 60>
  CliffTex()
}

// ------------------------------------------------------------ the Buddhas
// Painted plaster over the carved rock: the robe in red (the Great Buddha)
// or pale blue (the smaller), the folds as ridges; face and hands gilded.
#declare T_Gold = texture {
  pigment { rgb <0.80, 0.60, 0.25> }
  normal { bumps 0.1 scale 0.3 }
  finish { ambient 0.06 diffuse 0.6 specular 0.5 roughness 0.04 metallic 0.6 brilliance 1.5 }
}
#macro RobeTex(C)
  texture {
    pigment { granite scale 3 color_map { [0 color C] [1 color C * 0.86] } }
    normal { bumps 0.08 scale 0.4 }
    finish { ambient 0.07 diffuse 0.78 specular 0.05 }
  }
  texture {
    pigment { bozo turbulence 0.6 scale <2, 9, 2>
      color_map { [0.0 color rgbt <0.55, 0.45, 0.35, 0.6>] [0.3 color rgbt 1] [1 color rgbt 1] } }
    finish { ambient 0.07 diffuse 0.78 }
  }
#end

// Half width and half depth of the robed body at height Y (figure 55 high).
#declare BodyW = function(Y) { 6.9 - 0.4 * sin(radians((Y - 6) * 7)) + 1.6 * pow(max(0, (Y - 29) / 12), 2) }
#declare BodyD = function(Y) { 3.4 + 0.6 * max(0, (Y - 20) / 22) }
// The folds: U-shaped curves hanging from the shoulders, closer near the hem.
#declare Fold = function(X, Y) { pow(max(0, cos(2 * pi * (Y - 0.085 * X * X) / 1.9)), 3) }
#declare BodyF = function(X, Y, Z) {
  max(
    (sqrt(pow(X / BodyW(Y), 2) + pow(Z / BodyD(Y), 2)) - 1) * BodyD(Y)
      - 0.45 * Fold(X, Y) * (Z < 0.5) * (Y < 41.5) * min(1, max(0, Y - 6.5)),
    max(5.6 - Y, Y - 41.5 - 3 * sqrt(max(0, 1 - pow(X / 8.6, 2))))
  )
}

#macro Buddha(RobeC, FrontZ)
  // Built 55 m tall, then scaled.
  union {
    // The robed body.
    isosurface {
      function { BodyF(x, y, z) }
      contained_by { box { <-11, 5.5, -5.2>, <11, 45.2, 5.2> } }
      max_gradient 3.2
      accuracy 0.02
      RobeTex(RobeC)
    }
    // The under-robe hem and the feet on the pedestal.
    cone { <0, 1.6, 0>, 6.4, <0, 6.2, 0>, 7.0 scale <1, 1, 0.5> RobeTex(RobeC * 0.85) }
    #for (S, -1, 1, 2)
      superellipsoid { <0.4, 0.4> scale <1.6, 0.9, 2.8> translate <S * 3.1, 1.3, -2.4> texture { T_Gold } }
    #end
    box { <-10, -1, -6>, <10, 0.6, 4> CliffTex() }
    // The right forearm raised, palm out; the left hand holding the robe.
    sphere_sweep { linear_spline 3, <-7.6, 37, 0>, 2.0, <-8.0, 27, -1.5>, 1.9, <-7.4, 32.5, -7.0>, 1.6 RobeTex(RobeC) }
    superellipsoid { <0.6, 0.5> scale <1.5, 2.6, 0.7> translate <-7.3, 36, -7.6> texture { T_Gold } }
    sphere_sweep { linear_spline 3, <7.6, 37, 0>, 2.0, <7.8, 27.5, -1>, 1.9, <7.0, 26.5, -6.2>, 1.7 RobeTex(RobeC) }
    superellipsoid { <0.6, 0.6> scale <1.4, 1.6, 1.4> translate <7.0, 26.3, -7.6> texture { T_Gold } }
    // Folds of the robe falling from the left hand.
    cone { <7.0, 25, -6.5>, 1.3, <7.4, 10, -4.0>, 2.4 RobeTex(RobeC) }
    // Neck, head with the long ears, the hair and the ushnisha.
    cylinder { <0, 41, 0>, <0, 45.5, 0>, 2.7 texture { T_Gold } }
    sphere { 0, 1 scale <3.9, 4.7, 4.0> translate <0, 48.3, -0.6> texture { T_Gold } }
    #for (S, -1, 1, 2)
      sphere { 0, 1 scale <0.9, 2.8, 0.7> translate <S * 3.9, 46.8, 0> texture { T_Gold } }
    #end
    intersection {
      sphere { 0, 1 scale <4.1, 4.9, 4.2> translate <0, 48.6, -0.4> }
      plane { -y, -49.6 rotate x * -18 }
      pigment { rgb <0.10, 0.12, 0.22> } finish { ambient 0.05 diffuse 0.7 }
    }
    sphere { 0, 1 scale <2.5, 2.2, 2.5> translate <0, 53.2, 0.2> pigment { rgb <0.10, 0.12, 0.22> } finish { ambient 0.05 diffuse 0.7 } }
    translate z * FrontZ
  }
#end

// The Great Buddha, his back against the rock 15 m in.
object { Buddha(rgb <0.66, 0.17, 0.11>, 0) translate <GreatX, 0, GreatZ + 8> }
// Paintings on the niche wall: a great halo behind the head and body.
#macro Halo(X, Y, R, Z)
  cylinder { <X, Y, Z>, <X, Y, Z - 0.05>, R
    pigment {
      onion scale R translate <X, Y, 0>
      color_map {
        [0.00 color rgb <0.22, 0.42, 0.50>]
        [0.55 color rgb <0.22, 0.42, 0.50>]
        [0.60 color rgb <0.85, 0.75, 0.55>]
        [0.80 color rgb <0.75, 0.32, 0.18>]
        [0.86 color rgb <0.85, 0.75, 0.55>]
        [0.94 color rgb <0.30, 0.45, 0.35>]
        [1.00 color rgb <0.30, 0.45, 0.35>]
      }
    }
    finish { ambient 0.06 diffuse 0.75 }
  }
#end
object { Halo(GreatX, 48.5, 9.5, GreatZ + 14.98) }
// The smaller Buddha, 38 m.
object { Buddha(rgb <0.36, 0.48, 0.72>, 0) scale 38 / 55 translate <SmallX, 0, SmallZ + 5.5> }
object { Halo(SmallX, 33.5, 6.5, SmallZ + 10.98) }

// ----------------------------------------------------------- the valley
// Irrigated fields in strips, green and ripening, with earthen banks.
plane { y, 0
  texture {
    pigment {
      cells scale <60, 1, 18> rotate y * 12 warp { turbulence 0.05 }
      color_map {
        [0.00 color rgb <0.22, 0.38, 0.10>]
        [0.25 color rgb <0.30, 0.46, 0.12>]
        [0.45 color rgb <0.40, 0.50, 0.16>]
        [0.60 color rgb <0.26, 0.42, 0.09>]
        [0.75 color rgb <0.55, 0.52, 0.26>]
        [0.85 color rgb <0.34, 0.48, 0.14>]
        [1.00 color rgb <0.48, 0.40, 0.27>]
      }
    }
    finish { ambient 0.05 diffuse 0.75 }
  }
}
// The strip at the cliff foot: bare earth.
box { <-900, -1, -40>, <1200, 0.05, 20> pigment { granite scale 6 color_map { [0 rgb <0.50, 0.39, 0.27>] [1 rgb <0.58, 0.46, 0.32>] } } finish { F_Ground } }

// The monasteries at the cliff foot: flat-roofed courts of mud brick.
#macro Court(X, Z, W, D, H)
  union {
    difference {
      box { <-W / 2, 0, -D / 2>, <W / 2, H, D / 2> }
      box { <-W / 2 + 4, 1, -D / 2 + 4>, <W / 2 - 4, H + 1, D / 2 - 4> }
    }
    box { <-W / 2 - 0.3, H, -D / 2 - 0.3>, <W / 2 + 0.3, H + 0.5, D / 2 + 0.3> }
    box { <-1.5, 0, -D / 2 - 0.1>, <1.5, 3, -D / 2 + 1> pigment { rgb <0.12, 0.09, 0.07> } }
    texture { T_Mud }
    translate <X, 0, Z>
  }
#end
object { Court(-42, -16, 30, 24, 7) }
object { Court(38, -20, 36, 26, 8) }
object { Court(96, -14, 24, 20, 6) }
object { Court(225, -16, 30, 22, 7) }
object { Court(315, -15, 26, 20, 6) }
// A stupa beside the way to the Great Buddha.
union {
  box { <-5, 0, -5>, <5, 3, 5> }
  cylinder { <0, 3, 0>, <0, 6, 0>, 4 }
  sphere { 0, 1 scale <3.8, 3.6, 3.8> translate y * 6 }
  cylinder { <0, 9, 0>, <0, 13, 0>, 0.5 }
  texture { T_Plaster }
  translate <-48, 0, -55>
}

// Poplars along the water channels: slim pale-green spindles.
#macro Poplar(H, Seed)
  #local Rp = seed(Seed);
  union {
    cylinder { 0, y * H * 0.3, H * 0.018 pigment { rgb <0.55, 0.52, 0.45> } finish { ambient 0.05 diffuse 0.7 } }
    sphere { 0, 1 scale <H * (0.10 + rand(Rp) * 0.03), H * 0.43, H * (0.10 + rand(Rp) * 0.03)> translate y * H * 0.56
      pigment { granite scale H * 0.06 color_map { [0 rgb <0.14, 0.26, 0.06> * (0.8 + rand(Rp) * 0.5)] [1 rgb <0.30, 0.42, 0.12> * (0.8 + rand(Rp) * 0.5)] } }
      normal { bumps 0.9 scale H * 0.02 }
      finish { ambient 0.04 diffuse 0.75 }
    }
  }
#end
#ifndef (NoTrees) #declare NoTrees = 0; #end
#declare Rt = seed(31);
#if (!NoTrees)
#for (Row, 0, 3)
  #declare Zr = -50 - Row * 32 + rand(Rt) * 10;
  #for (I, 0, 40)
    #declare Px = -500 + I * 35 + rand(Rt) * 15 + Row * 9;
    #if (rand(Rt) < 0.7)
      object { Poplar(16 + rand(Rt) * 8, I + Row * 50) translate <Px, 0, Zr + rand(Rt) * 4> }
    #end
  #end
#end
#for (I, 0, 20)
  object { Tree(7 + rand(Rt) * 3, 4, I) translate <-400 + rand(Rt) * 1000, 0, -50 - rand(Rt) * 120> }
#end
#end

// ------------------------------------------------------- the mountains
// Bare brown foothills behind the cliff and the snow range beyond.
#declare MtSize = 40000;
#declare MtH = 3100;
#declare MtTex = texture {
  gradient y
  turbulence 0.06
  texture_map {
    [0.00 pigment { bozo scale 600 color_map { [0 rgb <0.40, 0.33, 0.24>] [1 rgb <0.52, 0.43, 0.31>] } } finish { ambient 0.03 diffuse 0.75 }]
    [0.40 pigment { bozo scale 600 color_map { [0 rgb <0.40, 0.36, 0.30>] [1 rgb <0.50, 0.45, 0.38>] } } finish { ambient 0.03 diffuse 0.75 }]
    [0.46 pigment { bozo scale 300 color_map { [0 rgb <0.74, 0.76, 0.82>] [1 rgb <0.88, 0.89, 0.93>] } } finish { ambient 0.05 diffuse 0.85 }]
    [1.00 pigment { bozo scale 300 color_map { [0 rgb <0.80, 0.82, 0.87>] [1 rgb <0.92, 0.93, 0.96>] } } finish { ambient 0.05 diffuse 0.85 }]
  }
  scale MtH translate y * -20
}
#declare MtN = function { pattern { bozo turbulence 0.45 octaves 6 omega 0.55 lambda 2.1 } }
height_field {
  function 800, 800 {
    min(1, max(0,
      min(1, max(0, ((1 - y) * MtSize - 3200) / 2000))
      * ((0.50 + 0.50 * MtN(x * 8, (1 - y) * 3, 2.3))
      * (0.30 + 0.70 * (1 - abs(MtN(x * 40, (1 - y) * 10, 1.1) * 2 - 1)))
      + 0.04 * MtN(x * 300, (1 - y) * 300, 0.7))
    ))
  }
  smooth
  translate <-0.5, 0, 0> scale <MtSize, MtH, MtSize> translate <500, -20, 0>
  texture {
    slope { y } turbulence 0.05
    texture_map {
      [0.00 pigment { bozo scale 400 color_map { [0 rgb <0.30, 0.26, 0.22>] [1 rgb <0.44, 0.39, 0.33>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.64 pigment { bozo scale 400 color_map { [0 rgb <0.30, 0.26, 0.22>] [1 rgb <0.44, 0.39, 0.33>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.70 MtTex]
      [1.00 MtTex]
    }
  }
}
// The rolling upland just behind the cliff top.
height_field {
  function 400, 400 { min(1, max(0, ((1 - y) * 8000 - 100) / 2500) * (0.5 + 0.5 * MtN(x * 6, (1 - y) * 6, 4.4))) }
  smooth
  translate <-0.5, 0, 0> scale <8000, 400, 8000> translate <200, 80, 300>
  pigment { bozo turbulence 0.6 scale 60 color_map { [0 rgb <0.50, 0.44, 0.28>] [0.5 rgb <0.58, 0.50, 0.32>] [1 rgb <0.44, 0.40, 0.26>] } }
  finish { F_Ground }
}
