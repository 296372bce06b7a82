// A cave in the marl cliffs at Qumran in the first century: tall lidded
// jars of clay in the mouth of the cave, the pale terraces of marl below,
// the Dead Sea and the hills of Moab beyond in the haze of the morning.
#declare SunAz = 112; #declare SunEl = 24; #declare HazeDist = 14000; #declare HazeAlt = 700;
#declare SkyTop = rgb <0.20, 0.36, 0.64>;
#declare SkyLow = rgb <0.84, 0.82, 0.78>;
#declare SunTint = rgb <1.0, 0.93, 0.80>;
#declare SunPower = 1.5;
#include "atlas.inc"

// x east, y up, z north. The cave opens to the east at x = 0; its floor is
// 110 m above the sea.
#declare Floor = 110;
camera { location <-6.6, Floor + 0.9, -0.6> look_at <20, Floor - 2.2, 0.6> angle 60 }
SunAndSky()
Clouds(3000, 0.12)

// ---------------------------------------------------------------- marl
#declare T_Marl = texture {
  pigment {
    granite turbulence 0.4 scale 1.2
    color_map {
      [0.0 color rgb <0.80, 0.74, 0.62>]
      [0.5 color rgb <0.88, 0.83, 0.72>]
      [1.0 color rgb <0.74, 0.67, 0.55>]
    }
  }
  normal { granite 0.7 scale 0.35 }
  finish { ambient 0.05 diffuse 0.8 }
}
// layered marl: pale bands of different tone and hardness
#declare T_MarlBands = texture {
  pigment {
    gradient y turbulence 0.15
    color_map {
      [0.0 color rgb <0.86, 0.80, 0.68>]
      [0.3 color rgb <0.78, 0.71, 0.58>]
      [0.55 color rgb <0.90, 0.85, 0.74>]
      [0.8 color rgb <0.72, 0.64, 0.52>]
      [1.0 color rgb <0.86, 0.80, 0.68>]
    }
    scale 1.7
  }
  normal { granite 0.6 scale 0.4 }
  finish { ambient 0.05 diffuse 0.8 }
}

// The cliff with the cave cut by water into it: a mass of marl behind the
// face x = 0, hollowed by a rounded chamber that breaks out of the face.
difference {
  box { <-60, Floor - 40, -60>, <0, Floor + 60, 60> }
  intersection {
    union {
      // the chamber, and the passage that breaks out of the face
      sphere { 0, 1 scale <5.5, 2.7, 4.2> translate <-7, Floor + 1.0, 0.3> }
      sphere { 0, 1 scale <3.2, 1.4, 2.2> rotate x * 9 translate <-1.2, Floor + 0.95, 0> }
      sphere { 0, 1 scale <2.0, 0.8, 1.1> rotate z * -12 rotate x * -20 translate <-0.7, Floor + 1.7, -0.9> }
      sphere { 0, 1 scale <2.2, 0.7, 1.0> rotate x * 25 translate <-0.9, Floor + 0.5, 1.7> }
      sphere { 0, 1 scale <1.6, 1.0, 1.3> rotate z * 20 translate <0.2, Floor + 1.45, 0.5> }
    }
    // only above the floor: below it the rock stays whole
    plane { -y, -(Floor - 0.02) }
  }
  texture { T_MarlBands }
}
// Sunlight thrown back from the floor of the mouth into the cave.
light_source { <-0.8, Floor + 0.4, 0.2> color rgb <0.40, 0.33, 0.24> shadowless fade_distance 2.5 fade_power 2 }

// Dust and fallen chips of marl on the floor of the cave.
box { <-12, Floor - 0.5, -6>, <0.3, Floor + 0.02, 6>
  texture {
    pigment { granite scale 0.3 color_map { [0 rgb <0.72, 0.65, 0.52>] [1 rgb <0.84, 0.78, 0.66>] } }
    normal { bumps 0.5 scale 0.06 }
    finish { ambient 0.05 diffuse 0.8 }
  }
}
#declare Rnd = seed(12);
#for (I, 0, 40)
  #declare Cx = -5 + rand(Rnd) * 5;
  #declare Cz = -1.4 + rand(Rnd) * 2.8;
  #declare Cs = 0.015 + rand(Rnd) * 0.05;
  superellipsoid { <0.6, 0.6> scale <Cs, Cs * 0.6, Cs * 1.2> rotate y * rand(Rnd) * 180 translate <Cx, Floor + Cs * 0.3, Cz> texture { T_Marl } }
#end

// ---------------------------------------------------------------- the land below
// The marl terraces fall from the foot of the cliffs to the shore, cut by
// gullies; beyond the shore, the sea.
#declare TN = function { pattern { bozo turbulence 0.6 octaves 5 scale 0.06 } }
#declare TG = function { pattern { wrinkles scale 0.015 } }
#declare Slope = function(U) { (Floor - 2) * pow(max(0, 1 - U / 1400), 1.4) }
#declare Terr = function(H) { 7 * floor(H / 7) + 7 * pow(H / 7 - floor(H / 7), 4) }
height_field {
  function 900, 900 {
    max(0, Terr(Slope(x * 2000 + TN(x, 0, y) * 160 - 30) + TN(x * 3, 0, y * 3) * 8) - TG(x, 0, y) * 1.5) / (Floor + 10)
  }
  smooth translate <0, 0, -0.5> scale <2000, Floor + 10, 2400> translate y * -1.5
  texture {
    pigment {
      gradient y turbulence 0.1
      color_map {
        [0.0 color rgb <0.88, 0.82, 0.70>]
        [0.4 color rgb <0.80, 0.73, 0.60>]
        [0.6 color rgb <0.92, 0.87, 0.76>]
        [1.0 color rgb <0.84, 0.77, 0.64>]
      }
      scale 7 / (Floor + 10)
    }
    normal { bumps 0.35 scale <12 / 2000, 4 / (Floor + 10), 12 / 2400> }
    finish { ambient 0.05 diffuse 0.8 }
  }
}
// The sea, very still and milky blue.
plane { y, 0
  texture {
    pigment { color rgb <0.22, 0.42, 0.50> }
    normal { waves 0.05 frequency 1.2 turbulence 0.4 scale <30, 1, 15> }
    finish { ambient 0.03 diffuse 0.35 specular 0.5 roughness 0.01 reflection { 0.10, 0.5 fresnel on } conserve_energy }
  }
  interior { ior 1.33 }
}
// The hills of Moab across the water, some 15 km away.
#declare MN = function { pattern { bozo turbulence 0.7 octaves 6 lambda 2.3 scale 0.05 } }
height_field {
  function 600, 600 {
    min(1, max(0, (x - 0.01) / 0.12)) * (0.75 + MN(x, 0, y) * 0.35) * (1 - 0.3 * pow(1 - x, 3))
  }
  smooth translate <0, 0, -0.5> scale <30000, 1500, 80000> translate <10000, -20, 0>
  texture {
    pigment { bozo scale 0.02 color_map { [0 rgb <0.66, 0.52, 0.42>] [1 rgb <0.74, 0.60, 0.48>] } }
    normal { bumps 0.6 scale 0.004 }
    finish { ambient 0.05 diffuse 0.75 }
  }
}

// ---------------------------------------------------------------- the jars
// A tall cylindrical jar of the kind made at Qumran, about 0.6 m tall:
// a flat base, straight sides, a rounded shoulder, a short neck, and a lid
// like a shallow inverted bowl.
#declare T_Clay = texture {
  pigment {
    bozo turbulence 0.6 scale 0.08
    color_map {
      [0.0 color rgb <0.80, 0.60, 0.44>]
      [0.6 color rgb <0.86, 0.66, 0.50>]
      [1.0 color rgb <0.72, 0.53, 0.39>]
    }
  }
  normal { gradient y 0.25 scale 0.012 }
  finish { ambient 0.05 diffuse 0.72 specular 0.06 roughness 0.08 }
}
#declare Jar = lathe {
  cubic_spline 13,
  <0.0, 0.02>, <0.0, 0.0>, <0.10, 0.0>, <0.125, 0.03>, <0.135, 0.20>, <0.135, 0.42>,
  <0.125, 0.50>, <0.09, 0.55>, <0.075, 0.58>, <0.078, 0.60>, <0.066, 0.61>, <0.05, 0.40>, <0.0, 0.40>
  texture { T_Clay }
}
#declare Lid = lathe {
  cubic_spline 8,
  <0.0, 0.06>, <0.0, 0.05>, <0.06, 0.045>, <0.11, 0.02>, <0.115, 0.0>, <0.10, 0.0>, <0.05, 0.03>, <0.0, 0.035>
  texture { T_Clay }
}
#declare LidKnob = union { object { Lid } cylinder { y * 0.04, y * 0.07, 0.025 texture { T_Clay } } }
#declare LidTop = Floor + 0.605;
// Four jars standing by the wall of the cave mouth, one open.
union {
  object { Jar }
  object { LidKnob translate y * 0.6 }
  translate <-1.25, Floor, 1.0>
}
union {
  object { Jar scale <1, 1.08, 1> }
  object { LidKnob translate y * 0.648 }
  translate <-1.7, Floor, 0.65>
}
union {
  object { Jar scale <0.95, 0.92, 0.95> }
  object { LidKnob scale 0.95 translate y * 0.552 }
  translate <-2.2, Floor, 1.05>
}
// The open jar with a scroll wrapped in linen standing in it, its lid on
// the ground beside it.
object { Jar translate <-0.85, Floor, 0.55> }
union {
  cylinder { <0, 0.2, 0>, <0, 0.72, 0>, 0.042 }
  cylinder { <0, 0.55, 0>, <0, 0.6, 0>, 0.046 pigment { rgb <0.55, 0.45, 0.32> } }
  pigment { rgb <0.86, 0.80, 0.66> } normal { gradient y 0.3 scale 0.01 } finish { ambient 0.05 diffuse 0.7 }
  rotate z * -6
  translate <-0.85, Floor, 0.55>
}
object { LidKnob rotate x * 165 translate <-0.45, Floor + 0.09, 1.0> }
// A broken sherd.
intersection {
  object { Jar }
  box { <-0.2, 0.15, 0.02>, <0.2, 0.4, 0.2> }
  rotate x * -80 translate <-0.9, Floor + 0.02, -0.35>
}
