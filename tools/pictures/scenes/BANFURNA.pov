// An iron-smelting furnace of the early iron age by one of the great lakes
// of East Africa: a tapering clay shaft about 1.8 m tall, clay blowpipes
// set round its foot, bowl bellows covered with goatskin worked by a smith,
// heaps of charcoal and ore, smoke and glow at the mouth; a round thatched
// hut behind, flat-topped acacias and the lake beyond.
#declare SunAz = 245; #declare SunEl = 32; #declare HazeDist = 2500; #declare HazeAlt = 80;
#declare SkyTop = rgb <0.10, 0.28, 0.62>;
#declare SkyLow = rgb <0.70, 0.74, 0.78>;
#declare SunTint = rgb <1.0, 0.93, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-1.8, 2.3, -5.4> look_at <0.2, 1.0, 0> angle 58 }
SunAndSky()
Clouds(1800, 0.35)

// ---------------------------------------------------------------- materials
// Fired and unfired clay: rough, cracked by the heat, with finger marks.
#macro ClayTex(C)
  texture {
    pigment { granite turbulence 0.3 scale 0.25 color_map { [0 color C * 0.9] [0.5 color C] [1 color C * 1.08] } }
    normal { bumps 0.45 scale 0.05 }
    finish { ambient 0.05 diffuse 0.78 }
  }
  texture {
    pigment { crackle form <1, 0, 0> scale 0.22 turbulence 0.15
      color_map { [0 color rgbt <0.18, 0.10, 0.06, 0.2>] [0.05 color rgbt 1] [1 color rgbt 1] } }
    finish { ambient 0.05 diffuse 0.78 }
  }
#end
// Soot that blackens the clay towards the furnace mouth: a layer over ClayTex.
#macro Soot(Y0, Y1)
  texture {
    pigment { function { min(1, max(0, (y - Y0) / (Y1 - Y0))) } turbulence 0.08
      color_map { [0 color rgbt 1] [0.3 color rgbt <0.10, 0.07, 0.05, 0.85>] [0.7 color rgbt <0.08, 0.06, 0.05, 0.5>] [1 color rgbt <0.06, 0.05, 0.04, 0.15>] } }
    finish { ambient 0.05 diffuse 0.7 }
  }
#end
#declare C_Clay = rgb <0.62, 0.40, 0.26>;
#declare C_Fired = rgb <0.70, 0.44, 0.28>;
#declare T_Wood = texture {
  pigment { wood turbulence 0.12 color_map { [0 rgb <0.36, 0.24, 0.14>] [1 rgb <0.48, 0.34, 0.20>] } scale <0.03, 0.03, 1> }
  finish { ambient 0.05 diffuse 0.7 }
}
#declare T_Thatch = texture {
  pigment {
    gradient y turbulence 0.2
    color_map { [0 rgb <0.52, 0.42, 0.24>] [0.5 rgb <0.64, 0.54, 0.32>] [1 rgb <0.46, 0.37, 0.21>] }
    scale 0.09
  }
  normal { wrinkles 0.8 scale <0.03, 0.5, 0.03> }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Charcoal = texture {
  pigment { granite scale 0.05 color_map { [0 rgb <0.04, 0.04, 0.04>] [0.7 rgb <0.09, 0.08, 0.08>] [1 rgb <0.20, 0.19, 0.18>] } }
  normal { crackle 1.2 scale 0.04 }
  finish { ambient 0.03 diffuse 0.6 specular 0.3 roughness 0.02 }
}
#declare T_Ore = texture {
  pigment { granite scale 0.06 color_map { [0 rgb <0.36, 0.16, 0.10>] [0.6 rgb <0.48, 0.24, 0.14>] [1 rgb <0.28, 0.14, 0.10>] } }
  normal { crackle 1 scale 0.04 }
  finish { ambient 0.04 diffuse 0.7 }
}
#declare T_Skin = texture { pigment { rgb <0.12, 0.065, 0.04> } normal { bumps 0.08 scale 0.02 } finish { ambient 0.06 diffuse 0.72 specular 0.22 roughness 0.025 } }
#declare T_Barkcloth = texture {
  pigment { gradient x turbulence 0.3 color_map { [0 rgb <0.62, 0.40, 0.20>] [0.5 rgb <0.72, 0.50, 0.28>] [1 rgb <0.62, 0.40, 0.20>] } scale 0.04 }
  normal { wrinkles 0.4 scale 0.05 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Goatskin = texture {
  pigment { bozo turbulence 0.6 scale 0.09 color_map { [0 rgb <0.72, 0.66, 0.56>] [0.5 rgb <0.60, 0.46, 0.32>] [0.7 rgb <0.30, 0.22, 0.15>] [1 rgb <0.22, 0.17, 0.12>] } }
  normal { wrinkles 0.9 scale 0.04 }
  finish { ambient 0.05 diffuse 0.72 }
}
#declare T_Glow = texture { pigment { rgb <1.0, 0.55, 0.15> } finish { ambient 0 diffuse 0 emission 1.6 } }

// ---------------------------------------------------------------- land and lake
// The ground slopes gently down to the lake shore, about 40 m to the north.
#declare LandF = function { pattern { bozo turbulence 0.6 octaves 5 scale 0.05 } }
height_field {
  function 500, 500 {
    min(1, max(0, 0.545 + 0.02 * LandF(x, y, 0) - max(0, ((1 - y) * 600 - 300 - 34) * 0.012)))
  }
  smooth
  translate <-0.5, 0, -0.5> scale <600, 4, 600> translate y * -2.2
  texture {
    pigment {
      bozo turbulence 0.8 octaves 6 scale 2
      color_map {
        [0.0 color rgb <0.26, 0.34, 0.12>]
        [0.4 color rgb <0.38, 0.42, 0.18>]
        [0.7 color rgb <0.50, 0.46, 0.26>]
        [1.0 color rgb <0.58, 0.50, 0.30>]
      }
    }
    normal { granite 0.7 scale 0.12 }
    finish { F_Ground }
  }
}
// The trodden, ashy floor of the smelting place.
cylinder { y * -0.3, y * 0.025, 6 scale <1, 1, 0.8>
  texture {
    pigment { granite turbulence 0.4 scale 0.6 color_map { [0 rgb <0.42, 0.32, 0.24>] [0.6 rgb <0.50, 0.39, 0.29>] [1 rgb <0.36, 0.29, 0.23>] } }
    normal { bumps 0.4 scale 0.08 }
    finish { F_Ground }
  }
  // worn edge: the floor fades into the grass
  texture {
    pigment { spherical scale <6, 1, 4.8> turbulence 0.4
      color_map { [0 color rgbt <0.36, 0.40, 0.18, 0.1>] [0.2 color rgbt 1] [1 color rgbt 1] } }
    finish { F_Ground }
  }
}
Water(T_Water, -0.9)
// The far shore of the lake, blue in the haze.
object { FarHills(T_Grass, 12000, 260, 0.14, 5) translate y * -1 }

// ---------------------------------------------------------------- the furnace
#declare FH = 1.8;      // height of the shaft
// The shaft: a tapering cone of clay over a shallow pit, its mouth open.
#macro Shaft()
  difference {
    lathe {
      cubic_spline 8,
      <0, -0.4>, <0.72, -0.2>, <0.70, 0>, <0.62, FH * 0.35>, <0.48, FH * 0.75>, <0.38, FH * 0.98>, <0.35, FH>, <0, FH + 0.05>
    }
    cylinder { y * 0.4, y * (FH + 1), 0.22 }
    cone { y * (FH - 0.25), 0.22, y * (FH + 0.01), 0.28 }
  }
#end
union {
  object { Shaft() }
  // a collar of clay daubed round the foot, where the blowpipes enter
  torus { 0.74, 0.2 scale <1, 0.9, 1> translate y * 0.1 }
  ClayTex(C_Fired)
  // the coils of clay the shaft was built up from
  texture {
    pigment { gradient y turbulence 0.04 scale 0.11
      color_map { [0 color rgbt <0.25, 0.14, 0.08, 0.55>] [0.12 color rgbt 1] [1 color rgbt 1] } }
    finish { ambient 0.05 diffuse 0.78 }
  }
  Soot(FH * 0.45, FH)
}
// the burning charge seen in the mouth
sphere { 0, 0.24 scale <1, 0.4, 1> translate y * (FH - 0.22) texture { T_Glow } no_shadow }
// Blowpipes (tuyeres) of fired clay round the foot, sloping down into the
// fire, the tips glowing where they enter.
#declare TuyA = array[8] { 8.4, 31.6, 77, 122, 188.4, 211.6, 257, 302 }
#for (I, 0, 7)
  #declare A = TuyA[I];
  union {
    cylinder { <0.35, 0.05, 0>, <1.1, 0.25, 0>, 0.055 }
    difference {
      sphere { <1.1, 0.25, 0>, 0.075 }
      cylinder { <1.0, 0.225, 0>, <1.25, 0.29, 0>, 0.035 }
    }
    ClayTex(C_Fired)
    Soot(0.1, 0.4)
    rotate y * A
  }
  // a bead of slag run out under the pipe
  sphere { <0.85, 0.02, 0>, 0.09 scale <1, 0.5, 1> rotate y * (A + 8)
    texture { pigment { rgb <0.12, 0.10, 0.10> } normal { bumps 0.8 scale 0.02 } finish { ambient 0.03 diffuse 0.6 specular 0.4 roughness 0.03 } } }
#end
// The glow of the fire in the smoke just over the mouth.
sphere { 0, 1 hollow pigment { rgbt 1 }
  interior { media {
    emission rgb <1.0, 0.45, 0.12> * 2.5
    density { spherical poly_wave 2 color_map { [0 rgb 0] [1 rgb 1] } }
    method 3 intervals 1 samples 8
  } }
  scale <0.32, 0.45, 0.32> translate y * (FH + 0.05)
}
// Light of the fire at the mouth, warming the rim and the smoke.
light_source { <0, FH + 0.05, 0> color rgb <1.0, 0.55, 0.2> * 1.1 fade_distance 0.6 fade_power 2 }
// Smoke rising from the mouth and leaning with the breeze.
sphere { 0, 1
  hollow
  pigment { rgbt 1 }
  interior {
    media {
      // grey smoke that dims what lies behind it and is lit by the day
      absorption rgb <2.6, 2.6, 2.7>
      emission rgb <1.35, 1.33, 1.30>
      density {
        function { max(0, 1 - sqrt(pow(x, 2) + pow(z, 2)) / (0.12 + max(0, y) * 0.85)) * max(0, min(1, (y + 0.02) * 12)) * max(0, 1 - y * 0.9) }
        warp { turbulence <0.22, 0.08, 0.22> lambda 2.2 omega 0.5 }
        color_map { [0 rgb 0] [0.2 rgb 0.6] [1 rgb 1.2] }
      }
      density { bozo scale <0.10, 0.06, 0.10> warp { turbulence 0.6 } color_map { [0 rgb 0.05] [0.45 rgb 0.5] [0.8 rgb 1.6] [1 rgb 2.2] } }
      method 3 intervals 1 samples 12
    }
  }
  scale <2.0, 4.4, 2.0> translate <0, FH, 0>
  // the breeze carries the smoke a little to the east
  matrix < 1, 0, 0,  0.15, 1, 0.05,  0, 0, 1,  0, 0, 0 >
  translate <-0.15 * FH, 0, 0>
}

// ---------------------------------------------------------------- bellows
// A bowl bellows: a clay bowl covered with a loose goatskin tied round its
// rim, a stick fixed to the skin's middle; a pipe runs to a blowpipe.
#macro Bellows(Up, Dz)
  union {
    intersection {
      sphere { 0, 0.32 scale <1, 0.75, 1> }
      plane { y, 0.10 }
      ClayTex(C_Clay)
    }
    // the skin, puffed up or pressed down
    intersection {
      sphere { 0, 0.32 scale <1, 0.26 + Up * 0.22, 1> translate y * 0.08 }
      plane { -y, -0.08 }
      texture { T_Goatskin }
    }
    torus { 0.315, 0.025 translate y * 0.1 texture { T_Goatskin scale 0.4 } }
    cylinder { y * 0.1, y * (0.88 + Up * 0.2), 0.022 texture { T_Wood } }
    // the nozzle towards the furnace
    cone { <-0.25, 0.03, 0>, 0.06, <-0.52, 0.22, Dz>, 0.035 texture { T_Wood } }
  }
#end

// ---------------------------------------------------------------- people
// People are blobs of rounded limbs: a blob component of radius R gives a
// limb about 0.54 R thick, and joints blend smoothly.
#declare BK = 1 / 0.54;
#macro Limb(A, B, R) cylinder { A, B, R * BK, 1 } #end
#macro Joint(A, R) sphere { A, R * BK, 1 } #end

// A smith on a low stool at a pair of bellows, facing +x, a hand on each
// bellows stick; Phase sets which stick is up.
#macro Smith(Phase)
  union {
    blob {
      threshold 0.5
      // legs: thighs forward to the knees, shins down to the feet
      #for (S, -1, 1, 2)
        Limb(<0.02, 0.33, S * 0.10>, <0.36, 0.44, S * 0.15>, 0.068)
        Limb(<0.36, 0.44, S * 0.15>, <0.40, 0.07, S * 0.16>, 0.048)
        Limb(<0.40, 0.035, S * 0.16>, <0.52, 0.03, S * 0.17>, 0.032)
      #end
      // the body leaning forward over the bellows, broad at the shoulders
      Limb(<0.0, 0.34, 0>, <0.10, 0.66, 0>, 0.12)
      sphere { 0, 0.12 * BK, 1 scale <0.75, 1, 1.3> translate <0.15, 0.82, 0> }
      // neck and head
      Limb(<0.19, 0.92, 0>, <0.25, 1.02, 0>, 0.045)
      sphere { 0, 0.095 * BK, 1.1 scale <1.05, 1.12, 0.9> translate <0.28, 1.10, 0> }
      // arms from the shoulders to the stick tops
      #for (S, -1, 1, 2)
        #local Hy = 0.88 + (S < 0 ? Phase : 1 - Phase) * 0.2;
        Joint(<0.15, 0.90, S * 0.17>, 0.055)
        Limb(<0.15, 0.90, S * 0.17>, <0.40, 0.78, S * 0.25>, 0.042)
        Limb(<0.40, 0.78, S * 0.25>, <0.73, Hy + 0.02, S * 0.34>, 0.034)
        Joint(<0.76, Hy + 0.02, S * 0.34>, 0.036)
      #end
      texture { T_Skin }
    }
    // a wrap of bark cloth round the hips
    intersection {
      sphere { 0, 1 scale <0.19, 0.16, 0.19> translate <0.06, 0.37, 0> }
      plane { -y, -0.25 }
      texture { T_Barkcloth }
    }
    // the stool
    cylinder { <-0.02, 0, 0>, <-0.02, 0.27, 0>, 0.13 texture { T_Wood } }
  }
#end
// A woman bringing charcoal in a basket on her head, steadying it with one hand.
#macro Carrier()
  union {
    blob {
      threshold 0.5
      #for (S, -1, 1, 2)
        Limb(<0, 0.02, S * 0.09>, <0.02, 0.5, S * 0.09>, 0.05)
        Limb(<0.0, 0.03, S * 0.09>, <0.11, 0.02, S * 0.09>, 0.03)
      #end
      Limb(<0, 0.8, 0>, <0, 1.3, 0>, 0.12)
      Limb(<0, 1.3, 0>, <0, 1.43, 0>, 0.045)
      sphere { 0, 0.09 * BK, 1.1 scale <1.05, 1.15, 0.9> translate <0.01, 1.53, 0> }
      // one arm up to the basket, the other down at her side
      Joint(<0, 1.34, 0.16>, 0.05)
      Limb(<0, 1.34, 0.16>, <0.04, 1.55, 0.25>, 0.038)
      Limb(<0.04, 1.55, 0.25>, <0.02, 1.72, 0.2>, 0.032)
      Joint(<0, 1.34, -0.16>, 0.05)
      Limb(<0, 1.34, -0.16>, <0.03, 1.05, -0.2>, 0.038)
      Limb(<0.03, 1.05, -0.2>, <0.12, 0.85, -0.19>, 0.032)
      texture { T_Skin }
    }
    // her wrap from the chest to the knees
    cone { y * 0.45, 0.17, y * 1.32, 0.15 scale <0.85, 1, 1> texture { T_Barkcloth } }
    // the basket on a head-ring, heaped with charcoal
    torus { 0.06, 0.02 translate y * 1.63 texture { T_Barkcloth } }
    difference {
      cone { y * 1.64, 0.14, y * 1.80, 0.25 }
      cone { y * 1.67, 0.12, y * 1.81, 0.23 }
      texture { T_Thatch scale 0.3 }
    }
    sphere { 0, 1 scale <0.22, 0.09, 0.22> translate y * 1.80 texture { T_Charcoal } }
  }
#end

// Two pairs of bellows and their smiths, on opposite sides of the furnace.
#for (K, 0, 1)
  #declare A0 = (K = 0 ? 180 + 20 : 20);
  union {
    object { Bellows(0.9, 0.11) translate <1.62, 0, -0.36> }
    object { Bellows(0.1, -0.11) translate <1.62, 0, 0.36> }
    object { Smith(0.15) rotate y * 180 translate <2.42, 0, 0> }
    rotate y * A0
  }
#end
object { Carrier() rotate y * 30 translate <-1.5, 0, 3.2> }

// ---------------------------------------------------------------- charcoal, ore, slag
// A heap of lumps: many small rocks piled into a cone.
#macro Heap(R, H, N, T, Seed)
  #local Rh = seed(Seed);
  union {
    sphere { 0, 1 scale <R * 0.95, H, R * 0.95> }
    #for (I, 0, N)
      #local Rr = sqrt(rand(Rh)) * R;
      #local Aa = rand(Rh) * 360;
      #local Yy = H * sqrt(max(0, 1 - pow(Rr / R, 2)));
      box { -1, 1 scale <0.02 + rand(Rh) * 0.035, 0.015 + rand(Rh) * 0.02, 0.02 + rand(Rh) * 0.03>
        rotate <rand(Rh) * 90, rand(Rh) * 360, 0> translate <Rr * cos(radians(Aa)), Yy, Rr * sin(radians(Aa))> }
    #end
    texture { T }
  }
#end
object { Heap(0.7, 0.32, 500, T_Charcoal, 1) translate <-2.1, 0, -0.9> }
object { Heap(0.5, 0.25, 300, T_Charcoal, 2) translate <-2.5, 0, 0.6> }
object { Heap(0.4, 0.18, 220, T_Ore, 3) translate <-1.0, 0, -1.6> }
// The slag of earlier smelts, dumped in a heap.
object { Heap(1.0, 0.35, 200, texture { pigment { rgb <0.14, 0.12, 0.12> } normal { bumps 0.9 scale 0.03 } finish { ambient 0.03 diffuse 0.6 specular 0.3 roughness 0.03 } }, 4) translate <2.4, 0, 3.5> }
// A basket of ore by the furnace and a wooden rake.
difference {
  cone { 0, 0.22, y * 0.26, 0.3 }
  cone { y * 0.03, 0.2, y * 0.27, 0.28 }
  translate <-0.95, 0, -0.75>
  texture { T_Thatch scale 0.3 }
}
object { Heap(0.26, 0.1, 40, T_Ore, 6) translate <-0.95, 0.18, -0.75> }
cylinder { <-1.4, 0.03, -1.3>, <0.2, 0.05, -2.2>, 0.02 texture { T_Wood } }

// ---------------------------------------------------------------- hut and trees
// A round house: a wall of wattle and daub under a conical roof of grass.
union {
  difference {
    cylinder { y * -0.1, y * 1.7, 2.4 }
    cylinder { y * 0, y * 3, 2.25 }
    box { <-0.45, 0, -3>, <0.45, 1.5, 0> }
    ClayTex(rgb <0.60, 0.46, 0.32>)
  }
  box { <-0.45, 0, -2.2>, <0.45, 1.5, -2.1> pigment { rgb <0.08, 0.06, 0.04> } }
  // the roof and its ridge-knot
  difference {
    cone { y * 1.35, 3.1, y * 4.6, 0.05 }
    cone { y * 1.25, 3.0, y * 4.45, 0.0 }
    texture { T_Thatch }
  }
  cone { y * 4.4, 0.18, y * 4.9, 0.02 texture { T_Thatch scale 0.3 } }
  // the eave's edge, a ring of trimmed grass
  torus { 3.05, 0.06 translate y * 1.36 texture { T_Thatch } }
  rotate y * -30
  translate <5.6, 0, 8.0>
}
// An acacia: a forked trunk and a flat, spreading crown.
#macro Acacia(H, W, Seed)
  #local Ra = seed(Seed);
  union {
    union {
      cone { 0, H * 0.05, y * H * 0.45, H * 0.035 }
      #for (I, 0, 4)
        #local Ang = I * 72 + rand(Ra) * 30;
        #local Tip = <W * (0.25 + rand(Ra) * 0.2) * cos(radians(Ang)), H * (0.82 + rand(Ra) * 0.08), W * (0.25 + rand(Ra) * 0.2) * sin(radians(Ang))>;
        cone { y * H * 0.42, H * 0.03, Tip, H * 0.012 }
      #end
      texture { pigment { rgb <0.28, 0.22, 0.17> } normal { wrinkles 0.6 scale <0.05, 0.3, 0.05> } finish { ambient 0.05 diffuse 0.7 } }
    }
    blob {
      threshold 0.5
      #for (I, 0, 13)
        #local Rr = sqrt(rand(Ra)) * W * 0.42;
        #local Ang = rand(Ra) * 360;
        sphere { 0, W * 0.22, 1 scale <1, 0.35, 1> translate <Rr * cos(radians(Ang)), H * (0.9 + rand(Ra) * 0.06), Rr * sin(radians(Ang))> }
      #end
      pigment { granite scale W * 0.06 color_map { [0 rgb <0.14, 0.22, 0.06>] [0.6 rgb <0.24, 0.32, 0.10>] [1 rgb <0.30, 0.36, 0.14>] } }
      normal { bumps 1.2 scale W * 0.02 }
      finish { ambient 0.04 diffuse 0.7 }
    }
  }
#end
object { Acacia(6.5, 9, 1) translate <-6.5, 0, 9> }
object { Acacia(5, 7, 2) translate <12, 0, 17> }
object { Acacia(7, 10, 3) translate <-18, -0.2, 26> }
object { Acacia(4.5, 6, 4) translate <22, -0.3, 30> }
// Papyrus and reeds along the shore.
#declare Rnd = seed(8);
#for (I, 0, 60)
  #declare Px = -40 + rand(Rnd) * 80;
  #declare Pz = 50 + rand(Rnd) * 6;
  union {
    #declare Ph = 1.4 + rand(Rnd) * 0.9;
    cylinder { 0, y * Ph, 0.012 }
    // the umbel of a papyrus head: a spray of thin rays
    #for (K, 0, 9)
      cylinder { y * Ph, y * Ph + <0.25 * cos(K * 0.63), 0.12, 0.25 * sin(K * 0.63)>, 0.006 }
    #end
    pigment { rgb <0.24, 0.34, 0.10> } finish { ambient 0.05 diffuse 0.7 }
    translate <Px, -0.95, Pz>
  }
#end
// A dugout on the shore and another hut beyond.
object { Acacia(6, 8, 7) translate <-12, 0, 22> }
object { Acacia(5.5, 8, 8) translate <17, -0.3, 36> }
union {
  difference {
    cylinder { y * -0.1, y * 1.6, 2.1 }
    cylinder { y * 0, y * 3, 1.95 }
    ClayTex(rgb <0.58, 0.44, 0.30>)
  }
  cone { y * 1.25, 2.8, y * 4.1, 0.05 texture { T_Thatch } }
  translate <-10, -0.2, 17>
}
