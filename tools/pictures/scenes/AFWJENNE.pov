// Jenne-jeno about 800 CE, in the inland delta of the Niger: the town on
// its mound above the flood plain, ringed by its wall of mud brick (about
// 3 m thick), round and rectangular mud houses with flat roofs and
// granaries inside; in front a channel with a dugout canoe, rice fields,
// a leafless baobab and fan palms, in the dusty light of the harmattan.
#declare SunAz = 132; #declare SunEl = 28; #declare HazeDist = 1100; #declare HazeAlt = 120;
#declare SkyTop = rgb <0.36, 0.48, 0.66>;
#declare SkyLow = rgb <0.86, 0.76, 0.60>;
#declare SunTint = rgb <1.0, 0.88, 0.70>;
#declare SunPower = 1.6;
#declare FillPower = 0.30;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-5, 28, -50> look_at <12, 0, 42> angle 52 }
SunAndSky()
Clouds(2000, 0.12)

// ---------------------------------------------------------------- materials
// Mud plaster: smoothed by hand, streaked by the rains, lighter where dry.
#macro MudTex(C)
  texture {
    pigment {
      granite turbulence 0.4 scale 1.5
      color_map { [0 color C * 0.92] [0.5 color C] [1 color C * 1.06] }
    }
    normal { bumps 0.25 scale 0.25 }
    finish { ambient 0.06 diffuse 0.78 }
  }
  // vertical runnels left by the last rains
  texture {
    pigment {
      wrinkles turbulence 0.3 scale <0.25, 2.5, 0.25>
      color_map { [0 color rgbt <0.35, 0.24, 0.15, 0.55>] [0.35 color rgbt 1] [1 color rgbt 1] }
    }
    finish { ambient 0.06 diffuse 0.78 }
  }
#end
#declare C_Mud = rgb <0.64, 0.44, 0.29>;
#declare C_MudLight = rgb <0.74, 0.56, 0.38>;
#declare C_MudRed = rgb <0.62, 0.40, 0.27>;
#declare T_MoundEarth = texture {
  pigment {
    granite turbulence 0.5 scale <3, 1, 3>
    color_map {
      [0.0 color rgb <0.60, 0.44, 0.30>]
      [0.5 color rgb <0.66, 0.50, 0.34>]
      [1.0 color rgb <0.54, 0.40, 0.27>]
    }
  }
  normal { bumps 0.35 scale 0.4 }
  finish { F_Ground }
}
#declare T_Thatch = texture {
  pigment {
    gradient y turbulence 0.15
    color_map { [0 rgb <0.56, 0.46, 0.28>] [0.5 rgb <0.66, 0.55, 0.34>] [1 rgb <0.50, 0.40, 0.24>] }
    scale 0.12
  }
  normal { wrinkles 0.6 scale <0.05, 0.4, 0.05> }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Wood = texture {
  pigment { wood turbulence 0.1 color_map { [0 rgb <0.34, 0.22, 0.13>] [1 rgb <0.44, 0.30, 0.18>] } scale <0.05, 0.05, 1> }
  finish { ambient 0.05 diffuse 0.7 }
}
#declare T_Dark = texture { pigment { rgb <0.10, 0.07, 0.05> } finish { ambient 0.02 diffuse 0.4 } }

// ---------------------------------------------------------------- the plain
// Rice fields and fallow on the flood plain, cut by a channel of the river.
#declare ChanZ = function(X) { 12 + 2.5 * sin(X / 55) + 1.5 * sin(X / 23 + 1) }
#declare PlainF = function { pattern { bozo turbulence 0.5 octaves 4 scale 0.04 } }
// Field dikes: low banks on a grid of irregular cells.
#declare DikeF = function { pattern { cells turbulence 0.3 scale 0.012 } }
height_field {
  function 800, 800 {
    max(0.02, 0.55 + 0.25 * PlainF(x, y, 0)
    - 0.75 * min(1, max(0, 1.6 - abs((0.5 - y) * 1600 - ChanZ((x - 0.5) * 1600)) / 5)))
  }
  smooth
  translate <-0.5, 0, -0.5> scale <1600, 1, 1600> translate y * -0.6
  texture {
    pigment {
      cells scale <22, 1, 14> turbulence 0.2
      color_map {
        [0.00 rgb <0.30, 0.40, 0.14>]   // young rice
        [0.30 rgb <0.38, 0.46, 0.17>]
        [0.45 rgb <0.66, 0.56, 0.30>]   // stubble
        [0.70 rgb <0.60, 0.52, 0.30>]
        [0.85 rgb <0.52, 0.42, 0.28>]   // bare mud
        [1.00 rgb <0.48, 0.40, 0.26>]
      }
    }
    normal { bumps 0.5 scale 0.3 }
    finish { F_Ground }
  }
}
// The water of the channel and of the flooded fields.
box { <-800, -1, -800>, <800, -0.12, 800> texture { T_Muddy pigment { rgb <0.20, 0.19, 0.13> } } }
// Dikes between the fields near the channel.
#declare Rnd = seed(31);
#for (I, 0, 26)
  #declare Dx = -200 + I * 16 + rand(Rnd) * 6;
  box { <-0.5, -0.3, 0>, <0.5, 0.12, 25 + rand(Rnd) * 10> rotate y * (rand(Rnd) - 0.5) * 8
    translate <Dx, 0, ChanZ(Dx) + 9> texture { T_MoundEarth } }
  box { <-0.5, -0.3, 0>, <0.5, 0.12, 40> rotate y * (rand(Rnd) - 0.5) * 8
    translate <Dx + 5, 0, ChanZ(Dx) - 50> texture { T_MoundEarth } }
#end
// Far horizon: the flat delta, the faintest of rises.
// (its flat middle kept below the plain's channels)
object { FarHills(T_DryGrass, 9000, 25, 0.15, 4) translate y * -0.7 }

// ---------------------------------------------------------------- the mound
// The town mound: a wide low tell, steep at its foot, gently domed on top.
#declare McX = 40; #declare McZ = 305; #declare Mc = <McX, 0, McZ>;     // centre
#declare R1 = 300;              // radius of the wall line (the mound's rim)
#declare Kz = 0.85;             // the mound is an ellipse, shorter north to south
#declare Hr = 4.0;              // height of the rim above the plain
#declare Hd = 5.0;              // rise of the dome above the rim
// Height of the top of the mound at a point (x, z) inside the rim.
#declare MoundY = function(X, Z) {
  Hr + Hd * sqrt(max(0, 1 - pow((X - McX) / R1, 2) - pow((Z - McZ) / (R1 * Kz), 2)))
}
union {
  cone { 0, R1 + 24, y * Hr, R1 }
  // the dome: height Hd over the rim at the centre
  intersection {
    sphere { 0, 1 scale <R1, Hd, R1> translate y * Hr }
    plane { -y, -Hr + 0.01 }
  }
  scale <1, 1, Kz>
  translate Mc
  texture { T_MoundEarth }
}

// Thorn scrub and tufts of grass on the slope of the mound.
#declare Rnd = seed(12);
#for (I, 0, 90)
  #declare A = radians(-150 + rand(Rnd) * 120);
  #declare Rr = R1 + 4 + rand(Rnd) * 19;
  #declare Sz = 0.4 + rand(Rnd) * 0.9;
  sphere { 0, 1 scale <Sz * 1.3, Sz * 0.7, Sz * 1.3>
    translate <McX + Rr * cos(A), Hr * (R1 + 24 - Rr) / 24, McZ + Rr * sin(A) * Kz>
    pigment { granite scale 0.3 color_map { [0 rgb <0.28, 0.30, 0.14>] [1 rgb <0.42, 0.40, 0.20>] } }
    normal { bumps 1 scale 0.15 }
    finish { ambient 0.05 diffuse 0.7 }
  }
#end

// ---------------------------------------------------------------- the wall
// The town wall of mud brick on the rim, 3 m thick and 4 m tall, its top
// rounded by the rains, with a gateway towards the channel.
#declare WallH = 4.2;
#macro WallTex()
  MudTex(C_Mud)
  // the courses of cylindrical bricks under the worn plaster
  texture {
    pigment {
      gradient y turbulence 0.05
      color_map { [0 color rgbt <0.30, 0.20, 0.12, 0.35>] [0.12 color rgbt 1] [1 color rgbt 1] }
      scale 0.3
    }
    finish { ambient 0.06 diffuse 0.78 }
  }
#end
#declare GateAng = -95;          // where the gate stands, degrees round from +x
difference {
  union {
    // the wall, battered: wider at the foot
    difference {
      cone { y * (Hr - 1.5), R1 + 2.2, y * (Hr + WallH - 0.5), R1 + 1.3 }
      cone { y * (Hr - 1.6), R1 - 2.2, y * (Hr + WallH - 0.4), R1 - 1.3 }
    }
    torus { R1, 1.3 scale <1, 0.5, 1> translate y * (Hr + WallH - 0.5) }
    // buttresses at intervals along the outer face
    #for (A, -150, -20, 4.5)
      #if (abs(A - GateAng) > 3)
        box { <-1.1, Hr - 1.5, -0.2>, <1.1, Hr + WallH - 0.9, 1.4> rotate x * -6
          translate z * (R1 + 1.8) rotate y * (90 - A) }
      #end
    #end
    // gate towers: rounded bastions either side of the gateway
    #for (S, -1, 1, 2)
      superellipsoid { <0.35, 0.35> scale <2.6, (WallH + 2.6) / 2, 2.4>
        translate <0, Hr - 1.5 + (WallH + 2.6) / 2, R1 + 0.8> rotate y * (90 - GateAng - S * 1.4) }
    #end
    scale <1, 1, Kz>
  }
  // the gateway
  box { <-2.2, Hr - 0.2, R1 - 8>, <2.2, Hr + 3.4, R1 + 8> rotate y * (90 - GateAng) scale <1, 1, Kz> }
  translate <Mc.x, 0, Mc.z>
  WallTex()
}
// The path up to the gate: a trodden strip that follows the slope.
#declare Gx = McX + (R1 + 2) * cos(radians(GateAng));
#declare Gz = McZ + (R1 + 2) * sin(radians(GateAng)) * Kz;
intersection {
  cone { y * -0.01, R1 + 24.05, y * (Hr + 0.04), R1 - 0.1 scale <1, 1, Kz> translate Mc }
  box { <Gx - 2.2, -1, Gz - 40>, <Gx + 2.2, Hr + 1, Gz> }
  texture { T_MoundEarth pigment { granite scale 0.5 color_map { [0 rgb <0.70, 0.57, 0.41>] [1 rgb <0.77, 0.63, 0.46>] } } }
}

// ---------------------------------------------------------------- houses
// A round house: mud walls, a flat earthen roof with a low parapet, a
// door, and a wooden spout to throw off the rain.
#macro RoundHouse(R, H, C)
  union {
    difference {
      cylinder { y * -0.3, y * (H + 0.35), R }
      cylinder { y * H, y * (H + 1), R - 0.18 }
      box { <-0.35, 0, -R - 0.2>, <0.35, 1.6, -R + 0.4> }
    }
    box { <-0.36, 0, -R + 0.1>, <0.36, 1.6, -R + 0.3> texture { T_Dark } }
    cylinder { <R * 0.7, H + 0.05, 0>, <R + 0.5, H + 0.05, 0>, 0.07 texture { T_Wood } }
    MudTex(C)
  }
#end
// A rectangular house with a flat roof, parapet and roof spouts.
#macro SquareHouse(W, D, H, C)
  union {
    difference {
      box { <-W / 2, -0.3, -D / 2>, <W / 2, H + 0.4, D / 2> }
      box { <-W / 2 + 0.2, H, -D / 2 + 0.2>, <W / 2 - 0.2, H + 1, D / 2 - 0.2> }
      box { <-0.4, 0, -D / 2 - 0.2>, <0.4, 1.7, -D / 2 + 0.4> }
      box { <W / 4 - 0.25, 1.3, -D / 2 - 0.2>, <W / 4 + 0.25, 1.7, -D / 2 + 0.4> }
    }
    box { <-0.41, 0, -D / 2 + 0.1>, <0.41, 1.7, -D / 2 + 0.3> texture { T_Dark } }
    box { <W / 4 - 0.26, 1.3, -D / 2 + 0.1>, <W / 4 + 0.26, 1.7, -D / 2 + 0.3> texture { T_Dark } }
    cylinder { <-W / 4, H + 0.1, D / 2 - 0.4>, <-W / 4, H + 0.1, D / 2 + 0.5>, 0.07 texture { T_Wood } }
    cylinder { <W / 4, H + 0.1, D / 2 - 0.4>, <W / 4, H + 0.1, D / 2 + 0.5>, 0.07 texture { T_Wood } }
    MudTex(C)
  }
#end
// A granary: a mud bin on stone feet, with a conical thatched cap.
#macro Granary(R, H)
  union {
    union {
      #for (A, 0, 300, 60)
        sphere { <R * 0.6 * cos(radians(A)), 0.15, R * 0.6 * sin(radians(A))>, 0.22 }
      #end
      texture { T_Rock }
    }
    intersection {
      sphere { 0, 1 scale <R, H * 0.7, R> translate y * 0.3 }
      plane { -y, -0.3 }
      MudTex(C_MudLight)
    }
    cone { y * (H * 0.7 + 0.1), R * 1.15, y * (H * 0.7 + 0.1 + R * 1.2), 0 texture { T_Thatch } }
    cylinder { y * (H * 0.7 - 0.05), y * (H * 0.7 + 0.12), R * 1.15 texture { T_Thatch } }
  }
#end
// A compound wall: a low mud wall round a yard.
#macro Yard(W, D, C)
  difference {
    box { <-W / 2, -0.3, -D / 2>, <W / 2, 1.3, D / 2> }
    box { <-W / 2 + 0.3, 0, -D / 2 + 0.3>, <W / 2 - 0.3, 2, D / 2 - 0.3> }
    box { <-0.6, 0, -D / 2 - 1>, <0.6, 2, -D / 2 + 1> }
    MudTex(C)
  }
#end

// Houses fill the mound within the wall, thickest in the old middle, in
// compounds of a few buildings each round a yard.
#declare Rnd = seed(77);
// open spaces between the quarters
#declare OpenF = function { pattern { bozo scale 28 } }
#declare Cols = array[3] { C_Mud, C_MudLight, C_MudRed }
union {
  #for (I, 0, 620)
    // a point within the visible part of the town
    #declare Ax = -170 + rand(Rnd) * 320;
    #declare Az = 55 + pow(rand(Rnd), 1.3) * 320;
    #declare Px = Mc.x + Ax;
    #declare Pz = Az;
    #declare Ee = pow((Px - Mc.x) / (R1 - 12), 2) + pow((Pz - Mc.z) / ((R1 - 12) * Kz), 2);
    #if (Ee < 1 & OpenF(Px, 0, Pz) < 0.68)
      #declare Py = MoundY(Px, Pz);
      #declare Yaw = rand(Rnd) * 360;
      #declare Cc = Cols[int(rand(Rnd) * 2.999)];
      #declare Kind = rand(Rnd);
      union {
        #if (Kind < 0.45)
          // a compound of round houses with a granary
          object { RoundHouse(2.0 + rand(Rnd) * 0.8, 2.5 + rand(Rnd) * 0.6, Cc) translate <-2.5, 0, 0> }
          object { RoundHouse(1.6 + rand(Rnd) * 0.6, 2.3 + rand(Rnd) * 0.5, Cc) translate <2.6, 0, 1.2> }
          #if (rand(Rnd) < 0.7)
            object { Granary(0.9 + rand(Rnd) * 0.3, 2.4 + rand(Rnd) * 0.6) translate <0.4, 0, 4.2> }
          #end
          object { Yard(11, 11, Cc) translate z * 1.2 }
        #else
          // a rectangular house with a yard and granaries
          object { SquareHouse(5.5 + rand(Rnd) * 2.5, 4 + rand(Rnd) * 1.5, 2.8 + rand(Rnd) * 0.8, Cc) translate z * 3 }
          #if (rand(Rnd) < 0.6)
            object { SquareHouse(3.5 + rand(Rnd) * 1.5, 3 + rand(Rnd), 2.5 + rand(Rnd) * 0.5, Cc) rotate y * 90 translate x * 4.5 }
          #end
          object { Granary(0.8 + rand(Rnd) * 0.3, 2.2 + rand(Rnd) * 0.6) translate <-3.6, 0, -1.5> }
          #if (rand(Rnd) < 0.5)
            object { Granary(0.8 + rand(Rnd) * 0.3, 2.2 + rand(Rnd) * 0.6) translate <-1.4, 0, -2.8> }
          #end
          object { Yard(12, 12, Cc) translate <0, 0, 0.8> }
        #end
        rotate y * Yaw
        translate <Px, Py, Pz>
      }
    #end
  #end
}

// ---------------------------------------------------------------- trees
// A baobab in the dry season: a swollen grey-brown trunk and bare,
// stubby branches.
#declare T_Bark = texture {
  pigment { granite scale <0.8, 3, 0.8> color_map { [0 rgb <0.46, 0.40, 0.35>] [0.6 rgb <0.54, 0.47, 0.41>] [1 rgb <0.40, 0.35, 0.31>] } }
  normal { wrinkles 0.9 scale <0.25, 1.8, 0.25> }
  finish { ambient 0.06 diffuse 0.75 }
}
#macro Baobab(H, R, Seed)
  #local Rb = seed(Seed);
  union {
    lathe {
      cubic_spline 9,
      <0, -1>, <R * 1.2, -0.5>, <R * 1.12, 0>, <R * 1.02, H * 0.3>, <R * 0.92, H * 0.55>, <R * 0.72, H * 0.7>, <R * 0.45, H * 0.8>, <R * 0.15, H * 0.86>, <0, H * 0.88>
    }
    #for (I, 0, 8)
      #local Az = I * 40 + rand(Rb) * 25;
      #local El = 18 + rand(Rb) * 30;
      #local L = H * (0.22 + rand(Rb) * 0.12);
      #local B0 = <R * 0.3 * cos(radians(Az)), H * 0.74 + rand(Rb) * H * 0.06, R * 0.3 * sin(radians(Az))>;
      #local D = <cos(radians(El)) * cos(radians(Az)), sin(radians(El)), cos(radians(El)) * sin(radians(Az))>;
      #local B1 = B0 + D * L;
      cone { B0, R * 0.30, B1, R * 0.13 }
      sphere { B1, R * 0.13 }
      #for (J, 0, 2)
        #local D2 = vnormalize(D + <rand(Rb) - 0.5, 0.3 + rand(Rb) * 0.6, rand(Rb) - 0.5>);
        #local B2 = B1 + D2 * L * (0.45 + rand(Rb) * 0.25);
        cone { B1, R * 0.11, B2, R * 0.05 }
        sphere { B2, R * 0.05 }
        #for (K, 0, 1)
          #local D3 = vnormalize(D2 + <rand(Rb) - 0.5, rand(Rb) * 0.8, rand(Rb) - 0.5>);
          cone { B2, R * 0.045, B2 + D3 * L * 0.35, R * 0.015 }
        #end
      #end
    #end
    texture { T_Bark }
  }
#end
// A borassus fan palm: a tall grey trunk, swollen high up, and a round
// crown of fan leaves.
#macro FanPalm(H, Seed)
  #local Rp = seed(Seed);
  union {
    lathe {
      cubic_spline 7,
      <0, -1>, <0.32, 0>, <0.26, H * 0.35>, <0.25, H * 0.55>, <0.36, H * 0.72>, <0.24, H * 0.95>, <0, H * 1.02>
      texture { T_Bark scale 0.4 }
    }
    #for (I, 0, 22)
      #local Az = I * 137.5;
      #local El = -40 + rand(Rp) * 110;
      union {
        cylinder { 0, x * 1.3, 0.04 }
        // the fan: a pleated half disc on its stalk
        intersection {
          cylinder { -y * 0.02, y * 0.02, 1.3 }
          plane { -x, 0 }
          translate x * 1.5
        }
        rotate z * El rotate y * Az translate y * H
        pigment { rgb <0.24 + rand(Rp) * 0.1, 0.32, 0.12> }
        normal { radial 0.8 frequency 20 }
        finish { ambient 0.05 diffuse 0.7 }
      }
    #end
    // dead leaves hanging below the crown
    #for (I, 0, 7)
      cone { <0, H - 0.2, 0>, 0.08, <1.2 * cos(radians(I * 45)), H - 2.2, 1.2 * sin(radians(I * 45))>, 0.35
        pigment { rgb <0.50, 0.40, 0.26> } finish { ambient 0.05 diffuse 0.7 } }
    #end
  }
#end

object { Baobab(16, 2.7, 5) translate <-19, 0.3, 26> }
object { Baobab(12, 2.0, 9) translate <85, 0.3, 0> }
object { Baobab(13, 2.2, 12) translate <-50, MoundY(-50, 150), 150> }
object { Baobab(11, 2.0, 3) translate <110, MoundY(110, 190), 190> }
#declare Rnd = seed(90);
#for (I, 0, 4)
  object { FanPalm(12 + rand(Rnd) * 6, I) translate <-75 + I * 7 + rand(Rnd) * 4, 0.3, 23 + rand(Rnd) * 6> }
#end
#for (I, 0, 6)
  object { FanPalm(13 + rand(Rnd) * 5, I + 20) translate <100 + I * 9 + rand(Rnd) * 5, 0.3, 23 + rand(Rnd) * 8> }
#end
#for (I, 0, 15)
  #declare Px = -120 + rand(Rnd) * 260; #declare Pz = 60 + rand(Rnd) * 200;
  #if (pow((Px - Mc.x) / R1, 2) + pow((Pz - Mc.z) / (R1 * Kz), 2) < 0.85)
    object { FanPalm(13 + rand(Rnd) * 5, I + 40) translate <Px, MoundY(Px, Pz), Pz> }
  #end
#end
// Far groves on the plain.
#for (I, 0, 40)
  #declare Px = -900 + rand(Rnd) * 1800; #declare Pz = 400 + rand(Rnd) * 600;
  #if (abs(Px - Mc.x) > 360)
    object { Tree(9 + rand(Rnd) * 5, 5, I) translate <Px, 0.3, Pz> }
  #end
#end

// ---------------------------------------------------------------- people, canoe
// A dugout canoe of the Niger: long, narrow, its ends drawn up to points.
#macro Canoe(L)
  union {
    difference {
      intersection {
        sphere { 0, 1 scale <L / 2, 0.9, 0.55> }
        plane { y, 0.25 }
        plane { -y, 0.35 }
      }
      intersection {
        sphere { 0, 1 scale <L / 2 - 0.25, 0.75, 0.45> translate y * 0.1 }
        plane { -y, 0.0 }
      }
    }
    // the drawn-up ends
    #for (S, -1, 1, 2)
      cone { <S * (L / 2 - 1.2), 0.15, 0>, 0.3, <S * (L / 2 + 0.4), 0.65, 0>, 0.04 }
    #end
    texture { T_Wood }
  }
#end
#declare CanX = 0;
object { Canoe(9) rotate y * -8 translate <CanX, -0.02, ChanZ(CanX)> }
// a fisherman poling it, and a passenger
object { Person(rgb <0.80, 0.74, 0.62>) translate <CanX - 3, 0.0, ChanZ(CanX) + 0.4> }
cylinder { <CanX - 2.6, -1.5, ChanZ(CanX) + 1.5>, <CanX - 3.3, 3.8, ChanZ(CanX) + 0.2>, 0.04 texture { T_Wood } }
object { Person(rgb <0.56, 0.36, 0.20>) scale 0.7 translate <CanX + 2, 0.0, ChanZ(CanX) - 0.3> }
// Net baskets and pots in the canoe.
sphere { <CanX + 0.4, 0.3, ChanZ(CanX)>, 0.35 scale <1, 0.8, 1> MudTex(C_MudRed) }
// People on the path to the gate.
object { Person(rgb <0.88, 0.84, 0.74>) translate <Gx - 0.5, 0.1, Gz - 30> }
object { Person(rgb <0.40, 0.28, 0.52>) translate <Gx + 0.8, 1.6, Gz - 14> }
object { Person(rgb <0.86, 0.80, 0.66>) translate <Gx - 0.6, 2.6, Gz - 9> }
// cattle grazing the stubble
#for (I, 0, 5)
  union {
    sphere { 0, 1 scale <0.9, 0.45, 0.38> translate y * 1.05 }
    sphere { <1.0, 1.1, 0>, 0.22 }
    #for (K, 0, 3)
      cylinder { <-0.55 + 1.1 * mod(K, 2), 0, -0.2 + 0.4 * int(K / 2)>, <-0.55 + 1.1 * mod(K, 2), 1.0, -0.2 + 0.4 * int(K / 2)>, 0.08 }
    #end
    torus { 0.28, 0.03 rotate x * 90 translate <1.05, 1.35, 0> }
    rotate y * (I * 47) translate <40 + I * 6, 0.4, 24 + mod(I, 3) * 2.5>
    pigment { rgb <0.75 - mod(I, 2) * 0.4, 0.68 - mod(I, 2) * 0.38, 0.60 - mod(I, 2) * 0.35> }
    finish { ambient 0.05 diffuse 0.7 }
  }
#end
