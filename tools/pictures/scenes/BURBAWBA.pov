// The Bawbawgyi stupa outside the walls of Sri Ksetra, about 700: a tall
// cylinder of brick under lime plaster, some 46 m, on five low round
// terraces, moulded bands at its foot and shoulder, a tapering cone and a
// small spire on top; the dusty plain of the Irrawaddy valley, toddy palms,
// the Bago hills low in the haze, the hot sun high in the south-east.
#declare SunAz = 150; #declare SunEl = 52; #declare HazeDist = 6000; #declare HazeAlt = 300;
#declare SkyLow = rgb <0.74, 0.75, 0.74>;
#declare SkyTop = rgb <0.16, 0.32, 0.64>;
#declare SunTint = rgb <1.0, 0.93, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

// The camera stands on the plain south-west of the stupa, looking north-east.
#declare Cam = <-62, 0, -108>;
camera { location Cam + y * 2.2 look_at <0, 13, 0> angle 44 }
SunAndSky()
Clouds(2400, 0.22)

// Dusty ground: bare red-brown earth with patches of sun-dried grass.
#declare T_Dust = texture {
  pigment {
    granite scale 2.5
    color_map {
      [0.0 color rgb <0.46, 0.31, 0.20>]
      [0.5 color rgb <0.52, 0.36, 0.24>]
      [1.0 color rgb <0.41, 0.28, 0.19>]
    }
  }
  normal { bumps 0.3 scale <3, 1, 2> }
  finish { F_Ground }
}
plane { y, 0
  texture {
    bozo turbulence 0.8 scale <40, 1, 25>
    texture_map { [0.0 T_Dust] [0.45 T_Dust] [0.58 T_DryGrass] [1.0 T_DryGrass] }
  }
}
// A worn path to the stupa.
box { <-1.3, -1, -260>, <1.3, 0.02, -18> rotate y * 30
  texture { pigment { granite scale 0.6 color_map { [0 rgb <0.56, 0.42, 0.30>] [1 rgb <0.62, 0.47, 0.33>] } } finish { F_Ground } } }
// The Bago hills, low and far in the east.
#declare T_FarGreen = texture {
  pigment { granite scale 200 color_map { [0 rgb <0.26, 0.32, 0.16>] [1 rgb <0.34, 0.38, 0.20>] } }
  finish { ambient 0.04 diffuse 0.7 }
}
object { FarHills(T_FarGreen, 16000, 260, 0.22, 7) translate y * -5 }

// Brick and lime plaster.
#declare T_BawBrick = BrickTex(rgb <0.60, 0.33, 0.22>, rgb <0.62, 0.52, 0.40>, <0.38, 0.09, 0.19>, 0)
// The lime skin over the brick of the body, worn through in places so the
// brick shows, streaked grey where the rain runs down.
#macro T_Body()
  texture { T_BawBrick scale 1.2 }
  texture {
    pigment {
      granite turbulence 0.5 octaves 5 scale <14, 10, 14>
      color_map {
        [0.00 color rgbt <0.82, 0.70, 0.54, 0.0>]
        [0.35 color rgbt <0.78, 0.66, 0.50, 0.0>]
        [0.55 color rgbt <0.72, 0.60, 0.46, 0.0>]
        [0.58 color rgbt <0.72, 0.60, 0.46, 1.0>]
        [1.00 color rgbt <0.72, 0.60, 0.46, 1.0>]
      }
    }
    normal { bumps 0.1 scale 0.3 }
    finish { ambient 0.06 diffuse 0.76 }
  }
  texture {
    pigment {
      bozo turbulence 0.3 scale <0.6, 9, 0.6>
      color_map { [0.0 color rgbt <0.36, 0.31, 0.25, 0.55>] [0.4 color rgbt 1] [1.0 color rgbt 1] }
    }
    finish { ambient 0.06 diffuse 0.76 }
  }
#end
#macro T_Terrace()
  texture { T_BawBrick }
  texture {
    pigment {
      bozo turbulence 0.9 scale <2, 1, 2>
      color_map { [0.0 color rgbt <0.84, 0.78, 0.66, 0.0>] [0.35 color rgbt <0.84, 0.78, 0.66, 0.0>] [0.45 color rgbt 1] [1.0 color rgbt 1] }
    }
    finish { ambient 0.06 diffuse 0.76 }
  }
#end

// The five terraces: low drums, each a little narrower than the one below,
// with a plain rim moulding.
#declare TerH = 1.25;
#declare Terraces5 = union {
  #for (I, 0, 4)
    #local R = 17.5 - I * 1.9;
    cylinder { y * (I * TerH - 0.3), y * ((I + 1) * TerH - 0.18), R }
    cylinder { y * ((I + 1) * TerH - 0.18), y * ((I + 1) * TerH), R + 0.12 }
  #end
}
#declare Y0 = 5 * TerH;            // foot of the body
#declare Rb = 7.4;                 // radius of the body at its foot
#declare Rt = 6.9;                 // radius under the shoulder
#declare Y1 = Y0 + 25.5;           // top of the cylinder
#declare Y2 = Y1 + 2.2;            // top of the shoulder mouldings
#declare Y3 = Y2 + 11.6;           // tip of the cone
#declare Body = union {
  // Mouldings at the foot of the body.
  cylinder { y * Y0, y * (Y0 + 0.7), Rb + 0.9 }
  torus { Rb + 0.72, 0.32 translate y * (Y0 + 0.95) }
  cylinder { y * (Y0 + 0.9), y * (Y0 + 1.9), Rb + 0.45 }
  torus { Rb + 0.35, 0.22 translate y * (Y0 + 2.1) }
  // The drum, tapering a little as it rises.
  cone { y * (Y0 + 1.9), Rb, y * Y1, Rt }
  // The shoulder: bands stepping out and back under the cone.
  cylinder { y * (Y1 - 1.2), y * (Y1 - 0.9), Rt + 0.22 }
  torus { Rt + 0.1, 0.26 translate y * (Y1 - 0.3) }
  cylinder { y * Y1, y * (Y1 + 0.8), Rt + 0.35 }
  cylinder { y * (Y1 + 0.8), y * (Y1 + 1.3), Rt + 0.05 }
  cylinder { y * (Y1 + 1.3), y * Y2, Rt + 0.25 }
  // The cone, its sides swelling a little, like a bell drawn up.
  #local N = 14;
  #for (K, 0, N - 1)
    #local T0 = K / N; #local T1 = (K + 1) / N;
    #local Ra = (Rt + 0.1) * (1 - pow(T0, 1.25)) + 0.5 * T0;
    #local Rc = (Rt + 0.1) * (1 - pow(T1, 1.25)) + 0.5 * T1;
    cone { y * (Y2 + T0 * (Y3 - Y2)), Ra, y * (Y2 + T1 * (Y3 - Y2)), Rc }
  #end
}
// The spire: a stack of rings and a short mast.
#declare Spire = union {
  cylinder { y * (Y3 - 0.2), y * (Y3 + 0.3), 0.75 }
  #for (K, 0, 4)
    torus { 0.6 - K * 0.08, 0.14 translate y * (Y3 + 0.45 + K * 0.36) }
  #end
  cone { y * (Y3 + 0.3), 0.5, y * (Y3 + 2.6), 0.06 }
}

union {
  object { Terraces5 T_Terrace() }
  object { Body T_Body() }
  object { Spire texture { T_BawBrick } texture { pigment { rgbt <0.86, 0.80, 0.68, 0.15> } finish { ambient 0.06 diffuse 0.76 } } }
  // Flights of steps up the terraces on the four sides.
  #for (R, 0, 3)
    union {
      #for (I, 0, 9)
        box { <-1.4, -0.3, -17.5 - 1.2 + I * 0.95>, <1.4, (I + 1) * TerH * 0.5, -17.5 - 0.2 + I * 0.95> }
      #end
      rotate y * (R * 90 + 45)
    }
  #end
  texture { T_BawBrick }
}

// A toddy palm: a tall straight trunk ringed by old leaf scars, a dense
// ball of stiff fan leaves, a skirt of dead ones hanging below.
#declare T_PalmTrunk = texture {
  pigment { gradient y color_map { [0 rgb <0.30, 0.26, 0.21>] [0.5 rgb <0.40, 0.35, 0.28>] [1 rgb <0.30, 0.26, 0.21>] } scale 0.35 }
  normal { gradient y 0.6 scale 0.35 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Fan = texture {
  pigment { radial frequency 30 color_map { [0 rgb <0.14, 0.26, 0.10>] [0.5 rgb <0.22, 0.34, 0.13>] [1 rgb <0.14, 0.26, 0.10>] } }
  finish { ambient 0.05 diffuse 0.7 specular 0.1 }
}
#declare T_DeadFan = texture {
  pigment { radial frequency 30 color_map { [0 rgb <0.40, 0.32, 0.20>] [1 rgb <0.52, 0.42, 0.27>] } }
  finish { ambient 0.05 diffuse 0.7 }
}
// One fan leaf, its stalk along +x, the blade a stiff fan of stiff pointed
// leaflets spread over half a circle R wide.
#macro Fan(R)
  union {
    cylinder { 0, x * R * 0.9, 0.04 }
    #for (J, 0, 10)
      cone { 0, R * 0.13, x * R, 0.0 scale <1, 0.12, 1> rotate x * (mod(J, 2) * 12 - 6) rotate y * (-84 + J * 16.8) translate x * R * 0.85 }
    #end
  }
#end
#macro ToddyPalm(H, Seed)
  #local Rnd = seed(Seed);
  union {
    cone { <0, -0.5, 0>, 0.36, <0, H, 0>, 0.26 texture { T_PalmTrunk } }
    #for (I, 0, 21)
      #local Tilt = -55 + rand(Rnd) * 120;
      object { Fan(1.3 + rand(Rnd) * 0.3) rotate x * (rand(Rnd) * 60 - 30) rotate z * Tilt rotate y * rand(Rnd) * 360
        translate y * H texture { T_Fan } }
    #end
    #for (I, 0, 7)
      object { Fan(1.1) rotate z * (-70 - rand(Rnd) * 15) rotate y * (I * 45 + rand(Rnd) * 20)
        translate y * (H - 0.4) texture { T_DeadFan } }
    #end
  }
#end
// A low thorny bush of the dry zone.
#macro Bush(R, Seed)
  #local Rnd = seed(Seed);
  blob {
    threshold 0.5
    #for (I, 0, 5)
      sphere { <(rand(Rnd) - 0.5) * R * 1.4, R * 0.3 + rand(Rnd) * R * 0.4, (rand(Rnd) - 0.5) * R * 1.4>, R * 0.8, 1 }
    #end
    pigment { granite scale R * 0.3 color_map { [0 rgb <0.20, 0.24, 0.09>] [1 rgb <0.32, 0.34, 0.14>] } }
    normal { bumps 0.9 scale R * 0.1 }
    finish { ambient 0.04 diffuse 0.7 }
  }
#end

#declare Rnd = seed(17);
#for (I, 0, 150)
  #declare A = rand(Rnd) * 360; #declare D = 45 + pow(rand(Rnd), 0.7) * 900;
  #declare P = <D * cos(radians(A)), 0, D * sin(radians(A))>;
  #declare V = P - Cam;
  #declare Off = degrees(acos(vdot(vnormalize(V), vnormalize(-Cam))));
  #if (vlength(V) > 30 & (Off > 16 | vlength(V) > 260))
    object { ToddyPalm(13 + rand(Rnd) * 7, I) translate P }
  #end
#end
// A near group of palms on the left, framing the stupa.
object { ToddyPalm(17, 101) translate <-46.2, 0, -36.3> }
object { ToddyPalm(14.5, 102) translate <-53.6, 0, -41.3> }
object { ToddyPalm(19, 103) translate <-38.8, 0, -31.4> }
object { ToddyPalm(16, 104) translate <-58, 0, -30> }
// And two on the right, nearer the stupa.
object { ToddyPalm(18, 105) translate <26, 0, -22> }
object { ToddyPalm(15, 106) translate <31, 0, -16> }
#for (I, 0, 40)
  #declare A = rand(Rnd) * 360; #declare D = 25 + rand(Rnd) * 300;
  object { Bush(0.8 + rand(Rnd) * 1.2, I) translate <D * cos(radians(A)), 0, D * sin(radians(A))> }
#end
// Scrub on the near plain.
#for (I, 0, 24)
  #declare P = Cam + <-60 + rand(Rnd) * 120, 0, 12 + rand(Rnd) * 60>;
  #if (abs(P.x - Cam.x - (P.z - Cam.z) * 0.574) > 4)
    object { Bush(0.5 + rand(Rnd) * 0.9, 50 + I) translate P }
  #end
#end
// Pilgrims on the path and at the foot of the terraces.
object { Person(rgb <0.75, 0.55, 0.25>) translate <-17, 0, -40> }
object { Person(rgb <0.85, 0.80, 0.70>) translate <-15.8, 0, -40.6> }
object { Person(rgb <0.55, 0.20, 0.12>) translate <-9, 0, -20.5> }
