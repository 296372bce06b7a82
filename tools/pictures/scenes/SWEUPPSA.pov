// The royal mounds of Gamla Uppsala about 1000, on a late summer evening: the
// three great mounds in a row on the gravel ridge, smaller mounds round them,
// and the long timber hall on its terrace between them, among birches, seen
// from the pasture at the foot of the east mound.
#declare SunAz = 222; #declare SunEl = 10; #declare HazeDist = 3600; #declare HazeAlt = 90;
#declare SkyTop = rgb <0.20, 0.36, 0.62>;
#declare SkyLow = rgb <0.86, 0.82, 0.74>;
#declare SunTint = rgb <1.0, 0.86, 0.66>;
#declare SunPower = 1.6;
#include "atlas.inc"

SunAndSky()
Clouds(1400, 0.42)

// ---------------------------------------------------------------- the land
// x east, z north. The gravel ridge runs along x; the three great mounds
// stand on it, about 80 m apart.
#declare MR = 31; #declare MH = 11;
#declare Mound = function(X, Z, Cx, Cz, R, H) {
  H * pow(max(0, 1 - pow(((X - Cx) * (X - Cx) + (Z - Cz) * (Z - Cz)) / (R * R), 1.15)), 0.9)
}
#declare CX = 102; #declare CZ = -86; #declare CA = 326;
#declare HX = 16; #declare HZ = 44;
#declare Rise = function(X, Z) { 6.5 * exp(-((X - HX) * (X - HX) + (Z - HZ) * (Z - HZ)) / 6400) }
#declare Ridge = function(X, Z) { 5 * exp(-pow((Z - X * 0.06) / 55, 4)) }
#declare Land = function(X, Z) {
  Ridge(X, Z) + Rise(X, Z)
  + Mound(X, Z, -82, -6, MR - 1, MH - 1)
  + Mound(X, Z, 0, 0, MR, MH)
  + Mound(X, Z, 80, 5, MR - 2, MH - 1.5)
  // the flat-topped terrace of the hall
  + max(0, min(3.2, (26 - max(abs(X - HX) * 0.6, abs(Z - HZ))) * 0.5))
}
#declare LN = function { pattern { bozo turbulence 0.6 scale 0.05 } }
#declare T_Meadow = texture {
  pigment {
    bozo turbulence 0.8 octaves 6 scale <0.008, 1, 0.008>
    color_map {
      [0.0 color rgb <0.20, 0.32, 0.09>]
      [0.35 color rgb <0.28, 0.40, 0.12>]
      [0.6 color rgb <0.38, 0.42, 0.17>]
      [0.8 color rgb <0.46, 0.44, 0.22>]
      [1.0 color rgb <0.30, 0.38, 0.13>]
    }
  }
  normal { granite 0.5 scale 0.002 }
  finish { F_Ground }
}
height_field {
  // (the function's y runs from north to south)
  function 900, 900 { (Land(x * 900 - 450, 450 - y * 900) + LN(x, 0, y) * 0.8 + 1) / 24 }
  smooth translate <-0.5, 0, -0.5> scale <900, 24, 900> translate y * -1.3
  texture { T_Meadow }
  // flowers and seed heads in the grass
  texture {
    pigment {
      bozo turbulence 1.2 octaves 6 scale <0.004, 1, 0.004>
      color_map { [0 color rgbt <0.62, 0.58, 0.30, 0.35>] [0.25 color rgbt <0.55, 0.52, 0.28, 0.7>] [0.4 color rgbt 1] [0.85 color rgbt 1] [1 color rgbt <0.10, 0.20, 0.05, 0.4>] }
    }
    finish { F_Ground }
  }
}
// The fields and forest edges of the plain round about.
plane { y, -0.35 texture { T_Meadow scale 900 } }
FarHills(texture { pigment { rgb <0.10, 0.18, 0.07> } normal { bumps 0.5 scale 10 } finish { F_Ground } }, 9000, 60, 0.14, 4)

// Smaller mounds of the cemetery round the great ones.
#declare T_Barrow = texture { T_Meadow scale 900 }
#declare Rnd = seed(31);
#for (I, 0, 110)
  #declare Bx = -200 + rand(Rnd) * 400;
  #declare Bz = -130 + rand(Rnd) * 190;
  #declare Br = 4 + rand(Rnd) * 6;
  #if (abs(Bx + 82) > MR + Br & abs(Bx) > MR + Br & abs(Bx - 80) > MR + Br & !(abs(Bx - HX) < 55 & abs(Bz - HZ) < 35) & vlength(<Bx - CX, 0, Bz - CZ>) > 45 + Br)
    sphere { 0, 1 scale <Br, Br * 0.24, Br> translate <Bx, Land(Bx, Bz) - Br * 0.04, Bz> texture { T_Barrow } }
  #end
#end

camera { location <CX, Land(CX, CZ) + 3.4, CZ> look_at <CX + 180 * Sind(CA), 15, CZ + 180 * Cosd(CA)> angle 74 }

// ---------------------------------------------------------------- the hall
// A boat-shaped hall, about 50 m long: curved long walls of upright planks,
// straight gable ends, a hipped roof of shingles whose ridge falls towards
// the ends, and raking posts against the walls.
#declare HR = 157.25; #declare HW = 6;
#declare HalfW = function(X) { sqrt(HR * HR - X * X) - (HR - HW) }
#declare WallH = 3.2;
#declare T_Planks = texture {
  pigment { gradient x color_map { [0 rgb <0.20, 0.13, 0.08>] [0.1 rgb <0.30, 0.20, 0.12>] [0.9 rgb <0.34, 0.23, 0.14>] [1 rgb <0.20, 0.13, 0.08>] } scale 0.3 }
  normal { gradient x 0.6 scale 0.3 }
  finish { ambient 0.04 diffuse 0.7 }
}
#declare T_Planks2 = texture { T_Planks rotate y * 90 }
#declare T_Shingle = texture {
  pigment {
    gradient y color_map { [0 rgb <0.22, 0.17, 0.12>] [0.2 rgb <0.36, 0.29, 0.21>] [1 rgb <0.42, 0.35, 0.26>] } scale 0.35
    warp { turbulence 0.05 }
  }
  normal { gradient y 0.7 scale 0.35 }
  finish { ambient 0.04 diffuse 0.7 }
}
union {
  // walls
  intersection {
    cylinder { <0, 0, HR - HW>, <0, WallH, HR - HW>, HR scale <1, 1, -1> }
    cylinder { <0, -0.01, HR - HW>, <0, WallH + 0.01, HR - HW>, HR }
    box { <-25, -1, -10>, <25, WallH, 10> }
    texture { T_Planks2 }
  }
  // the roof
  isosurface {
    function { y - WallH - min(HalfW(x) + 0.8 - abs(z), (25.8 - abs(x)) * 1.1) * 1.05 }
    contained_by { box { <-25.8, WallH - 0.01, -HW - 0.8>, <25.8, WallH + 7.6, HW + 0.8> } }
    max_gradient 2.2
    texture { T_Shingle }
  }
  // the raking posts
  #for (I, -5, 5)
    #for (S, -1, 1, 2)
      cylinder { <I * 4.2, 0, S * (HalfW(I * 4.2) + 1.0)>, <I * 4.2, WallH - 0.3, S * (HalfW(I * 4.2) - 0.05)>, 0.18 texture { T_Planks } }
    #end
  #end
  // the door in the long wall, under a porch
  box { <-1.0, 0, -HW - 0.3>, <1.0, 2.4, -HW + 0.5> pigment { rgb <0.06, 0.04, 0.03> } }
  box { <-1.6, 2.5, -HW - 1.6>, <1.6, 2.7, -HW + 0.2> texture { T_Planks } }
  rotate y * -30
  translate <HX, 3.2 + Ridge(HX, HZ) + Rise(HX, HZ) - 0.2, HZ>
}
// A lower byre beside it.
union {
  box { <-9, 0, -3>, <9, 2.4, 3> texture { T_Planks2 } }
  intersection {
    box { <-9.6, 2.4, -3.8>, <9.6, 6.5, 3.8> }
    plane { <0, 1, 1>, 0 translate y * 6.2 }
    plane { <0, 1, -1>, 0 translate y * 6.2 }
    texture { T_Shingle }
  }
  rotate y * 20
  translate <HX - 34, 3.2 + Ridge(HX - 34, HZ + 10) + Rise(HX - 34, HZ + 10) - 0.2, HZ + 10>
}

// ---------------------------------------------------------------- trees
#macro Birch(H, Seed)
  #local Rb = seed(Seed);
  union {
    // the white trunk with black marks, leaning a little
    cone { 0, H * 0.02, y * H * 0.9, H * 0.006
      pigment { bozo scale <0.3, 0.07, 0.3> color_map { [0 rgb 0.10] [0.22 rgb 0.12] [0.3 rgb 0.82] [1 rgb 0.90] } }
      finish { ambient 0.08 diffuse 0.7 }
      rotate z * (rand(Rb) - 0.5) * 6
    }
    // branches rising from the trunk, the twigs hanging
    #for (I, 0, 6)
      #local Yb = H * (0.35 + I * 0.08);
      #local Ab = rand(Rb) * 360;
      cylinder { y * Yb, y * Yb + <H * 0.16, H * 0.12, 0>, H * 0.004 rotate y * Ab pigment { rgb 0.25 } }
    #end
    // a loose, narrow crown of small leaf clusters
    union {
      #for (I, 0, 150)
        #local Yb = 0.32 + rand(Rb) * 0.66;
        #local Wb = H * (0.05 + 0.16 * sin(pi * (Yb - 0.3) / 0.7));
        #local Ab = rand(Rb) * 2 * pi;
        #local Rr = sqrt(rand(Rb)) * Wb;
        sphere { <cos(Ab) * Rr, H * Yb, sin(Ab) * Rr>, H * (0.022 + rand(Rb) * 0.022) scale <1, 1.5, 1> }
      #end
      pigment { granite scale H * 0.04 color_map { [0 rgb <0.22, 0.34, 0.08>] [0.6 rgb <0.36, 0.48, 0.13>] [1 rgb <0.55, 0.56, 0.18>] } }
      normal { bumps 1.2 scale H * 0.008 }
      finish { ambient 0.05 diffuse 0.72 }
    }
  }
#end
#macro Pine(H, Seed)
  #local Rb = seed(Seed);
  union {
    cone { 0, H * 0.02, y * H * 0.95, H * 0.008 pigment { rgb <0.48, 0.26, 0.14> } finish { ambient 0.05 diffuse 0.7 } }
    blob {
      threshold 0.5
      #for (I, 0, 7)
        sphere { <(rand(Rb) - 0.5) * H * 0.22, H * (0.62 + rand(Rb) * 0.32), (rand(Rb) - 0.5) * H * 0.22>, H * 0.12, 1 scale <1, 0.6, 1> }
      #end
      pigment { granite scale H * 0.05 color_map { [0 rgb <0.04, 0.10, 0.04>] [1 rgb <0.10, 0.20, 0.07>] } }
      normal { bumps 1.0 scale H * 0.02 }
      finish { ambient 0.04 diffuse 0.7 }
    }
  }
#end
// Woods beyond the ridge, clear of the hall's terrace.
#for (I, 0, 260)
  #declare Tx = -420 + rand(Rnd) * 840;
  #declare Tz = 150 + rand(Rnd) * 300;
  #if (rand(Rnd) < 0.55)
    object { Pine(14 + rand(Rnd) * 8, I) translate <Tx, Land(Tx, Tz) - 0.4, Tz> }
  #else
    object { Birch(10 + rand(Rnd) * 6, I) translate <Tx, Land(Tx, Tz) - 0.4, Tz> }
  #end
#end
// Birches along the ridge between the mounds and beyond the hall.
#for (I, 0, 7)
  #declare Tx = HX + 40 + I * 9 + rand(Rnd) * 6;
  #declare Tz = HZ + 10 + rand(Rnd) * 20;
  object { Birch(11 + rand(Rnd) * 5, I + 400) translate <Tx, Land(Tx, Tz) - 0.4, Tz> }
#end
#for (I, 0, 9)
  #declare Tx = 205 + rand(Rnd) * 40;
  #declare Tz = -10 + rand(Rnd) * 50;
  object { Birch(11 + rand(Rnd) * 5, I + 600) translate <Tx, Land(Tx, Tz) - 0.4, Tz> }
#end
// A few birches at the foot of the east mound and one near at hand.
object { Birch(13, 1001) translate <96, Land(96, -30) - 0.4, -30> }
object { Birch(11, 1002) translate <104, Land(104, -24) - 0.4, -24> }
object { Birch(12.5, 1003) translate <112, Land(112, -34) - 0.4, -34> }
// Pines behind the hall.
#for (I, 0, 6)
  #declare Tx = HX - 60 + rand(Rnd) * 30;
  #declare Tz = HZ + 20 + rand(Rnd) * 30;
  object { Pine(16 + rand(Rnd) * 6, I + 1100) translate <Tx, Land(Tx, Tz) - 0.4, Tz> }
#end
// Junipers in the pasture.
#for (I, 0, 40)
  #declare Tx = 20 + rand(Rnd) * 120;
  #declare Tz = -110 + rand(Rnd) * 60;
  #declare Sz = 0.6 + rand(Rnd) * 0.8;
  blob { threshold 0.5
    #for (K, 0, 4)
      sphere { <(rand(Rnd) - 0.5) * Sz, Sz * (0.3 + rand(Rnd) * 0.5), (rand(Rnd) - 0.5) * Sz>, Sz * 0.8, 1 }
    #end
    pigment { granite scale 0.5 color_map { [0 rgb <0.06, 0.14, 0.05>] [1 rgb <0.14, 0.24, 0.09>] } }
    normal { bumps 1.0 scale 0.1 }
    finish { ambient 0.04 diffuse 0.7 }
    translate <Tx, Land(Tx, Tz) - 0.3, Tz>
  }
#end
// Grazing sheep below the mounds.
#for (I, 0, 24)
  #declare Sx = 40 + rand(Rnd) * 50;
  #declare Sz = -75 + rand(Rnd) * 30;
  union {
    sphere { 0, 1 scale <0.55, 0.35, 0.3> translate y * 0.6 }
    sphere { 0, 1 scale <0.18, 0.15, 0.13> translate <0.6, 0.75, 0> pigment { rgb 0.15 } }
    pigment { rgb <0.85, 0.82, 0.74> } finish { ambient 0.05 diffuse 0.75 }
    rotate y * rand(Rnd) * 360
    translate <Sx, Land(Sx, Sz) - 0.2, Sz>
  }
#end
