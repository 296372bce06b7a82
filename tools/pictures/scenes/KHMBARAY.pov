// The West Baray of Angkor at evening, seen from a boat on the water: the
// island temple of the West Mebon in the middle of the reservoir, its
// enclosure wall and tower gates mirrored in the water; beyond it the
// straight north dyke under its rows of trees and sugar palms runs away
// eastwards for kilometres to the far corner where the east dyke meets it.
// The Kulen hills lie low on the horizon in the north-east.
#declare SunAz = 254; #declare SunEl = 7; #declare HazeDist = 22000; #declare HazeAlt = 60;
#declare SkyTop = rgb <0.16, 0.28, 0.58>;
#declare SkyLow = rgb <0.92, 0.74, 0.58>;
#declare SunTint = rgb <1.0, 0.74, 0.50>;
#declare SunPower = 1.7;
#include "atlas.inc"
#include "shapes.inc"

// x east, z north, y up; the water is at y = 0. The reservoir runs 8 km from
// west to east and 2.1 km from south to north; the temple is at its middle.
#declare CamX = -330; #declare CamZ = -290;
camera { location <CamX, 3.2, CamZ> look_at <CamX + 1000 * Sind(52), -40, CamZ + 1000 * Cosd(52)> angle 25 }
SunAndSky()
Clouds(2200, 0.38)

// ---------------------------------------------------------------- water and land
#declare T_Baray = texture {
  pigment { color rgb <0.10, 0.17, 0.18> }
  normal { waves 0.10 frequency 1.2 turbulence 0.5 scale <30, 1, 12> }
  finish { ambient 0.02 diffuse 0.2 specular 0.5 roughness 0.004 reflection { 0.2, 0.75 fresnel on } conserve_energy }
}
plane { y, 0 texture { T_Baray } interior { ior 1.33 } }
// The rice fields outside the dykes lie lower than the water.
plane { y, -5 texture { T_Grass scale 8 } }

#declare T_Dyke = texture {
  pigment {
    bozo turbulence 0.7 scale <6, 1, 3>
    color_map {
      [0.0 color rgb <0.30, 0.36, 0.13>]
      [0.5 color rgb <0.38, 0.40, 0.17>]
      [0.8 color rgb <0.48, 0.38, 0.22>]
      [1.0 color rgb <0.55, 0.36, 0.22>]
    }
  }
  normal { granite 0.4 scale 0.5 }
  finish { F_Ground }
}
// The track along the crest: red laterite earth.
#declare T_Track = texture {
  pigment { granite scale <3, 1, 0.6> color_map { [0 rgb <0.56, 0.33, 0.20>] [1 rgb <0.66, 0.42, 0.27>] } }
  normal { bumps 0.3 scale 0.4 }
  finish { F_Ground }
}
// A dyke: crest 7 m above the water, 34 m wide, the slopes down to the fields
// outside and under the water inside. Profile across (distance from the inner
// foot, height), swept along the dyke's length.
#macro Dyke(Len)
  prism { linear_spline -Len / 2, Len / 2, 6,
    <10, 0>, <-7, 26>, <-7, 60>, <5, 86>, <10, 86>, <10, 0>
    rotate z * -90
  }
#end
// South and north dykes (along x), west and east dykes (along z).
object { Dyke(8200) scale <1, 1, -1> translate z * -1047 texture { T_Dyke } }
object { Dyke(8200) translate z * 1047 texture { T_Dyke } }
object { Dyke(2400) rotate y * 90 translate x * 4047 texture { T_Dyke } }
// The track on the south dyke.
box { <-4100, 7.0, -1095>, <4100, 7.06, -1089> texture { T_Track } }

// ---------------------------------------------------------------- trees
#declare Rnd = seed(7);
// A sugar palm: a straight grey trunk and a round head of stiff fan leaves.
#macro SugarPalm(H, Seed)
  #local Rp = seed(Seed);
  union {
    cylinder { 0, y * H, H * 0.018 pigment { rgb <0.36, 0.33, 0.29> } normal { gradient y 0.5 scale 0.4 } finish { ambient 0.05 diffuse 0.7 } }
    #for (I, 0, 36)
      #local Th = rand(Rp) * 360;
      #local Ph = -45 + rand(Rp) * 125;
      #local L = H * (0.18 + rand(Rp) * 0.04);
      #local D = <Cosd(Ph) * Sind(Th), Sind(Ph), Cosd(Ph) * Cosd(Th)>;
      union {
        cylinder { y * H, y * H + D * L * 0.55, H * 0.005 }
        // the fan: a flattened disc, facing outwards
        cylinder { <0, 0, -0.02>, <0, 0, 0.02>, L * 0.55
          #local Rz = vnormalize(D);
          #if (abs(Rz.y) > 0.98) rotate x * 90 #else
            #local Ry = degrees(atan2(Rz.x, Rz.z));
            #local Rx = -degrees(asin(Rz.y));
            rotate x * Rx rotate y * Ry
          #end
          translate y * H + D * L * 0.8
        }
        pigment { granite scale H * 0.05 color_map { [0 rgb <0.10, 0.20, 0.06>] [1 rgb <0.22, 0.32, 0.10>] } }
        normal { bumps 0.6 scale 0.2 }
        finish { ambient 0.05 diffuse 0.7 }
      }
    #end
  }
#end
// A tall tropical tree: a long bare trunk and a wide, uneven crown.
#macro BigTree(H, Seed)
  #local Rt = seed(Seed);
  union {
    cone { 0, H * 0.016, y * H * 0.72, H * 0.009 pigment { rgb <0.52, 0.46, 0.38> } finish { ambient 0.05 diffuse 0.7 } }
    #for (I, 0, 3)
      #local Ab = rand(Rt) * 360;
      cylinder { y * H * 0.6, <H * 0.18, H * 0.74, 0>, H * 0.006 rotate y * Ab pigment { rgb <0.45, 0.40, 0.33> } }
    #end
    blob {
      threshold 0.5
      #for (I, 0, 16)
        #local Ab = rand(Rt) * 2 * pi;
        #local Rr = sqrt(rand(Rt)) * H * 0.26;
        sphere { <cos(Ab) * Rr, H * (0.72 + rand(Rt) * 0.2), sin(Ab) * Rr>, H * 0.12, 1 scale <1, 0.75, 1> }
      #end
      pigment { granite scale H * 0.04 color_map { [0 rgb <0.10, 0.20, 0.05>] [0.7 rgb <0.20, 0.32, 0.09>] [1 rgb <0.32, 0.40, 0.14>] } }
      normal { bumps 1.0 scale H * 0.01 }
      finish { ambient 0.04 diffuse 0.72 }
    }
  }
#end
// Two rows along the crest of each dyke: big trees and sugar palms.
#macro DykeTree(P, Seed)
  #if (rand(Rnd) < 0.4)
    object { SugarPalm(15 + rand(Rnd) * 6, Seed) translate P }
  #else
    object { BigTree(18 + rand(Rnd) * 10, Seed) translate P }
  #end
#end
#for (Row, 0, 1)
  #for (I, 0, 420)
    DykeTree(<-2000 + I * 14.5 + rand(Rnd) * 6, 6.9, 1079 + Row * 22 + (rand(Rnd) - 0.5) * 3>, I + Row * 1000)
    DykeTree(<-4000 + I * 19 + rand(Rnd) * 8, 6.9, -1079 - Row * 22 + (rand(Rnd) - 0.5) * 3>, I + Row * 1000 + 5000)
  #end
  #for (I, 0, 110)
    DykeTree(<4079 + Row * 22 + (rand(Rnd) - 0.5) * 3, 6.9, -1070 + I * 19.5 + rand(Rnd) * 6>, I + Row * 1000 + 9000)
  #end
#end
// Forest beyond the far dykes.
box { <-6000, -5, 1160>, <6000, 14, 1400> texture { pigment { rgb <0.10, 0.17, 0.07> } normal { bumps 0.6 scale 8 } finish { F_Ground } } }
box { <4150, -5, -1400>, <4500, 14, 1400> texture { pigment { rgb <0.10, 0.17, 0.07> } normal { bumps 0.6 scale 8 } finish { F_Ground } } }

// The Kulen hills, low and long on the north-eastern horizon.
#declare KulenF = function { pattern { bozo turbulence 0.4 octaves 4 scale 0.25 } }
height_field {
  function 400, 100 { max(0, (0.35 + KulenF(x * 2, y, 0) * 0.65) * pow(sin(pi * min(1, max(0, x * 1.1 - 0.05))), 0.6) * sin(pi * y)) }
  smooth
  translate <-0.5, 0, -0.5> scale <30000, 430, 6000> rotate y * -40 translate <14000, -5, 17000>
  texture { pigment { rgb <0.20, 0.26, 0.30> } finish { ambient 0.12 diffuse 0.5 } }
}

// ---------------------------------------------------------------- the West Mebon
#declare T_MSand = StoneTex(rgb <0.58, 0.50, 0.39>, rgb <0.65, 0.56, 0.44>, rgb <0.50, 0.43, 0.34>, 0.5)
#declare T_Later = StoneTex(rgb <0.58, 0.36, 0.25>, rgb <0.65, 0.42, 0.30>, rgb <0.50, 0.31, 0.22>, 0.4)
// A Khmer tower: a square body with a door on each face, a roof of four
// diminishing storeys, each a smaller copy of the body, and a lotus-bud top.
#macro Prasat(W, H)
  union {
    box { <-W / 2, 0, -W / 2>, <W / 2, H * 0.42, W / 2> }
    // the porches of the doors
    box { <-W * 0.22, 0, -W * 0.62>, <W * 0.22, H * 0.34, W * 0.62> }
    box { <-W * 0.62, 0, -W * 0.22>, <W * 0.62, H * 0.34, W * 0.22> }
    box { <-W * 0.56, H * 0.40, -W * 0.56>, <W * 0.56, H * 0.44, W * 0.56> }
    #for (I, 0, 3)
      #local S = W * (0.47 - I * 0.07);
      #local Y0 = H * (0.44 + I * 0.105);
      box { <-S, Y0, -S>, <S, Y0 + H * 0.08, S> }
      box { <-S * 1.1, Y0 + H * 0.08, -S * 1.1>, <S * 1.1, Y0 + H * 0.105, S * 1.1> }
    #end
    // the lotus-bud crown
    sphere { 0, 1 scale <W * 0.2, H * 0.09, W * 0.2> translate y * H * 0.9 }
  }
#end
union {
  // the island: a laterite platform with steps down into the water
  box { <-70, -3, -70>, <70, 1.4, 70> texture { T_Later } }
  box { <-72, -3, -72>, <72, 0.5, 72> texture { T_Later } }
  // the enclosure wall, 100 m square, with a cornice
  difference {
    box { <-50, 1.4, -50>, <50, 5.6, 50> }
    box { <-48.8, 1.0, -48.8>, <48.8, 6, 48.8> }
    texture { T_MSand } Courses(0.5, 1.2, 0)
  }
  difference {
    box { <-50.4, 5.6, -50.4>, <50.4, 6.1, 50.4> }
    box { <-48.4, 5, -48.4>, <48.4, 7, 48.4> }
    texture { T_MSand }
  }
  // the tower gates: one tall gate in the middle of each side, smaller towers
  // between it and the corners, and towers at the corners
  #for (Side, 0, 3)
    union {
      object { Prasat(7.5, 17) translate z * -50 }
      #for (K, -1, 1, 2)
        object { Prasat(5.2, 11.5) translate <K * 25, 0, -50> }
      #end
      translate y * 1.4
      rotate y * Side * 90
      texture { T_MSand }
    }
  #end
  // the windows of the wall between the towers
  #for (Side, 0, 3)
    #for (K, -45, 45, 3)
      #if (abs(K) > 5 & abs(abs(K) - 25) > 4)
        box { <K - 0.6, 2.6, -50.1>, <K + 0.6, 4.4, -49.6> pigment { rgb 0.06 } rotate y * Side * 90 }
      #end
    #end
  #end
  // the dark doorways of the gates, facing out
  #for (Side, 0, 3)
    box { <-1.2, 1.4, -54.8>, <1.2, 5.0, -54.6> pigment { rgb 0.05 } rotate y * Side * 90 }
  #end
  // in the middle, the basin and the platform of the shrine
  box { <-12, 1.4, -12>, <12, 3.2, 12> texture { T_MSand } Courses(0.45, 1.2, 0) }
  object { Prasat(5, 10) translate y * 3.2 texture { T_MSand } }
}
// A fisherman poling his dugout across the water.
union {
  intersection {
    sphere { 0, 1 scale <3.4, 0.55, 0.42> }
    box { <-4, -1, -1>, <4, 0.18, 1> }
    pigment { granite scale 0.5 color_map { [0 rgb <0.24, 0.16, 0.10>] [1 rgb <0.32, 0.22, 0.14>] } }
    finish { ambient 0.05 diffuse 0.7 }
  }
  box { <-2.9, 0.1, -0.3>, <2.9, 0.2, 0.3> pigment { rgb <0.12, 0.08, 0.05> } }
  object { Person(rgb <0.42, 0.22, 0.14>) translate <-1.8, 0.15, 0> }
  // a head cloth
  sphere { <-1.8, 1.62, 0>, 0.13 pigment { rgb <0.75, 0.70, 0.60> } }
  cylinder { <-1.6, 1.5, 0.1>, <-3.6, -2, 0.5>, 0.03 pigment { rgb <0.45, 0.36, 0.22> } }
  // a basket and a net in the bow
  cylinder { <1.6, 0.15, 0>, <1.6, 0.55, 0>, 0.3 pigment { rgb <0.55, 0.45, 0.28> } }
  rotate y * 20
  translate <-330 + 62 * Sind(64), 0.05, -290 + 62 * Cosd(64)>
}
