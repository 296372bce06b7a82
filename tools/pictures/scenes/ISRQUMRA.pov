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
camera { location <-6.9, Floor + 1.2, -1.3> look_at <0, Floor + 0.0, 0.9> angle 56 }
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
    scale 0.6
  }
  normal { granite 0.4 scale 0.25 }
  finish { ambient 0.05 diffuse 0.8 }
}

// The cliff with the cave worn into it: the marl mass behind the face
// x = 0, hollowed by a chamber and a low passage that breaks out of the face
// in a ragged mouth. Every wall is rough, and the harder layers of the marl
// stand out as ledges over the softer ones.
#declare N3 = function { pattern { bozo } }
#declare Ell = function(X, Y, Z, Cx, Cy, Cz, A, B, C) {
  sqrt(pow((X - Cx) / A, 2) + pow((Y - Cy) / B, 2) + pow((Z - Cz) / C, 2)) - 1 }
#declare Rough = function(X, Y, Z) {
  (N3(X * 0.7, Y * 0.7, Z * 0.7) - 0.5) * 0.55 + (N3(X * 2.6, Y * 2.6, Z * 2.6) - 0.5) * 0.16
  + (N3(X * 9, Y * 9, Z * 9) - 0.5) * 0.035 }
// Ledges of the harder beds, each bed some 0.3 m thick.
#declare Beds = function(X, Y, Z) { (0.02 + 0.05 * N3(X * 0.5, Y * 0.2, Z * 0.5)) * pow(abs(sin((Y + N3(X * 0.3, 0, Z * 0.3) * 0.8) * 10.5)), 3) }
#declare Hollow = function(X, Y, Z) {
  min(min(Ell(X, Y, Z, -7, Floor + 1.0, 0.3, 5.5, 2.7, 4.2),
          Ell(X, Y, Z, -1.4, Floor + 0.95, 0.0, 3.3, 1.5, 2.3)),
      min(Ell(X, Y, Z, -0.6, Floor + 1.7, -0.9, 2.0, 0.9, 1.2),
          Ell(X, Y, Z, -0.4, Floor + 0.6, 1.6, 2.2, 0.9, 1.1)))
  + Rough(X, Y, Z) - Beds(X, Y, Z) }
#declare Cliff = function(X, Y, Z) { X + Rough(X * 0.6, Y * 0.6, Z * 0.6) * 2.5 + Beds(X, Y, Z) * 4 }
isosurface {
  function { max(Cliff(x, y, z), min(-Hollow(x, y, z), (y - Floor + 0.02) * 0.6)) }
  contained_by { box { <-14, Floor - 3, -9>, <4, Floor + 7, 9> } }
  threshold 0
  accuracy 0.004
  max_gradient 3.2
  texture { T_MarlBands }
}
// Outside the worked region the cliff goes on, whole.
difference {
  box { <-60, Floor - 40, -60>, <0, Floor + 60, 60> }
  box { <-14.01, Floor - 3.01, -9.01>, <4, Floor + 7.01, 9.01> }
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
// The tall cylindrical jars made at Qumran, about 0.6 m high and a quarter of
// that across: a flat base, straight walls, a rounded shoulder, a short wide
// neck with a thick rim, and for a lid a shallow bowl turned upside down.
// Buff clay, fired unevenly, with the rings of the wheel on it.
#macro ClayTex(Tint)
  texture {
    pigment {
      bozo turbulence 0.7 scale 0.09
      color_map {
        [0.0 color rgb <0.80, 0.66, 0.48> * Tint]
        [0.5 color rgb <0.86, 0.74, 0.56> * Tint]
        [0.8 color rgb <0.78, 0.62, 0.45> * Tint]
        [1.0 color rgb <0.62, 0.52, 0.42> * Tint]
      }
    }
    normal { gradient y 0.35 turbulence 0.08 scale 0.014 }
    finish { ambient 0.05 diffuse 0.75 specular 0.03 roughness 0.1 }
  }
  texture {
    pigment { granite scale 0.05 color_map { [0 rgbt <0.55, 0.45, 0.35, 0.6>] [0.35 rgbt 1] [1 rgbt 1] } }
    normal { bumps 0.25 scale 0.006 }
    finish { ambient 0.05 diffuse 0.75 }
  }
#end
#declare Jar = lathe {
  cubic_spline 16,
  <0.0, 0.01>, <0.0, 0.0>, <0.095, 0.0>, <0.12, 0.015>, <0.128, 0.08>, <0.132, 0.30>,
  <0.13, 0.44>, <0.118, 0.50>, <0.09, 0.54>, <0.064, 0.555>, <0.058, 0.575>, <0.066, 0.59>,
  <0.064, 0.60>, <0.05, 0.60>, <0.0, 0.60>, <0.0, 0.61>
}
#declare JarMouth = cylinder { y * 0.45, y * 0.61, 0.047 }
#declare Lid = lathe {
  cubic_spline 13,
  <0.0, 0.08>, <0.0, 0.072>, <0.034, 0.072>, <0.036, 0.058>, <0.062, 0.048>, <0.084, 0.026>,
  <0.09, 0.0>, <0.082, 0.0>, <0.074, 0.022>, <0.05, 0.038>, <0.0, 0.044>, <0.0, 0.05>, <0.0, 0.06>
}
// A jar with its lid set over the mouth.
#macro LiddedJar(H, Tint)
  union {
    object { Jar scale <1, H, 1> }
    object { Lid translate y * (0.597 * H - 0.004) }
    ClayTex(Tint)
  }
#end
union {
  object { LiddedJar(1.0, 1.0) translate <-2.55, Floor, 1.05> }
  object { LiddedJar(1.08, 0.95) rotate y * 40 translate <-2.95, Floor, 1.5> }
  object { LiddedJar(0.93, 1.04) rotate y * 75 translate <-3.3, Floor, 0.95> }
  object { LiddedJar(1.02, 0.9) rotate y * 10 translate <-3.6, Floor, 1.55> }
}
// The open jar, a scroll standing in it, its lid upturned on the floor.
difference { object { Jar } object { JarMouth } ClayTex(1.02) translate <-2.1, Floor, 0.6> }
object { Lid scale <1, -1, 1> translate y * 0.072 ClayTex(0.97) rotate z * 8 translate <-1.75, Floor + 0.004, 1.1> }

// A scroll rolled up and wrapped in linen: the sheets rolled tight show
// their layers at the ends, the linen is wound round the middle and tied.
#declare T_Linen = texture {
  pigment {
    gradient x scale 0.004
    color_map { [0 rgb <0.86, 0.82, 0.70>] [0.5 rgb <0.80, 0.75, 0.62>] [1 rgb <0.86, 0.82, 0.70>] }
  }
  normal { wrinkles 0.6 scale <0.06, 0.012, 0.012> }
  finish { ambient 0.05 diffuse 0.75 }
}
#declare T_Skin = texture {
  pigment { granite scale 0.02 color_map { [0 rgb <0.58, 0.44, 0.28>] [1 rgb <0.66, 0.52, 0.34>] } }
  finish { ambient 0.05 diffuse 0.7 }
}
// Along x, centred, 0.3 m long: the linen wound round the whole roll, its
// ends gathered a little past the roll's ends, tied with a cord twice round.
#declare Scroll = union {
  cylinder { <-0.15, 0, 0>, <0.15, 0, 0>, 0.036 }
  #for (S, -1, 1, 2)
    cone { <S * 0.15, 0, 0>, 0.036, <S * 0.175, 0, 0>, 0.018 }
    sphere { <S * 0.176, 0, 0>, 0.019 scale <0.6, 1, 1> translate x * S * 0.07 }
  #end
  // the wound turns of the cloth
  #for (K, 0, 6)
    torus { 0.036, 0.0025 rotate z * 90 rotate y * 8 translate x * (-0.135 + K * 0.045) }
  #end
  texture { T_Linen }
}
#declare Scroll = union {
  object { Scroll }
  #for (X, -0.06, 0.06, 0.12)
    torus { 0.0385, 0.0025 rotate z * 90 translate x * X pigment { rgb <0.36, 0.24, 0.13> } finish { ambient 0.05 diffuse 0.6 } }
  #end
}
// one lying on the floor before the jars, one standing in the open jar
object { Scroll translate y * 0.041 rotate y * -35 translate <-3.0, Floor, 0.35> }
object { Scroll rotate z * 84 translate <-2.11, Floor + 0.52, 0.6> }

// Sherds of a broken jar.
#for (I, 0, 2)
  intersection {
    object { Jar }
    box { <-0.2, 0.15, 0.02>, <0.2, 0.3 + I * 0.05, 0.2> rotate y * I * 40 }
    ClayTex(0.95)
    rotate x * -84 rotate y * (I * 70) translate <-3.9 + I * 0.35, Floor + 0.02, 0.2 - I * 0.2>
  }
#end
// Blocks and slabs fallen from the roof and the mouth.
#declare Rnd2 = seed(77);
#for (I, 0, 7)
  #local Sz = 0.12 + rand(Rnd2) * 0.35;
  superellipsoid { <0.35, 0.45>
    scale <Sz * (1 + rand(Rnd2)), Sz * 0.55, Sz * (0.8 + rand(Rnd2))>
    rotate <rand(Rnd2) * 20 - 10, rand(Rnd2) * 180, rand(Rnd2) * 20 - 10>
    translate <-3.6 + I * 0.45 + rand(Rnd2) * 0.3, Floor + Sz * 0.3, (mod(I, 2) = 0 ? -1.4 : 1.9) + rand(Rnd2) * 0.6 - 0.3>
    texture { T_Marl normal { granite 1.2 scale 0.15 } }
  }
#end
