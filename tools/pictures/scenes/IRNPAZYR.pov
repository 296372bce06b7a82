// The kurgans of Pazyryk, about 300 BCE: a row of low burial mounds
// heaped with boulders on the floor of a high Altai valley, larch forest on
// the slopes, snow on the peaks beyond; a rider beside the mounds, his
// horse under a felt saddle-cloth.
#declare SunAz = 150; #declare SunEl = 34; #declare HazeDist = 14000; #declare HazeAlt = 600;
#declare SkyLow = rgb <0.70, 0.77, 0.88>;
#declare SkyTop = rgb <0.08, 0.22, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

// +z north. The camera stands on the valley floor south of the row of mounds.
camera { location <-26, 4.5, -36> look_at <30, 10, 90> angle 56 }
SunAndSky()
Clouds(3000, 0.35)

// ------------------------------------------------------------ the valley
#declare VN = function { pattern { bozo turbulence 0.4 octaves 5 omega 0.55 } }
// The ground: the floor flat, the slopes rising north from 260 m out.
#declare Land = function(X, Z) {
  max(0, Z - 380) * 0.24 * (0.8 + 0.4 * VN(X * 0.002, 0.5, Z * 0.002))
  + 30 * VN(X * 0.004, 1.5, Z * 0.004) * min(1, max(0, (Z - 330) / 200))
}
height_field {
  function 600, 600 { min(1, Land(x * 4000 - 2000, (1 - y) * 4000 - 1000) / 900) }
  smooth
  translate <-0.5, 0, 0> scale <4000, 900, 4000> translate <0, 0, -1000>
  texture {
    pigment {
      bozo turbulence 0.5 scale 15
      color_map {
        [0.00 color rgb <0.26, 0.34, 0.12>]
        [0.50 color rgb <0.34, 0.40, 0.15>]
        [0.80 color rgb <0.44, 0.42, 0.24>]
        [1.00 color rgb <0.28, 0.36, 0.13>]
      }
    }
    normal { bumps 0.2 scale 0.5 }
    finish { ambient 0.05 diffuse 0.75 }
  }
}
// The snow range behind the valley.
#declare MtTex = texture {
  gradient y turbulence 0.05
  texture_map {
    [0.00 pigment { bozo scale 300 color_map { [0 rgb <0.30, 0.30, 0.26>] [1 rgb <0.42, 0.40, 0.34>] } } finish { ambient 0.03 diffuse 0.75 }]
    [0.45 pigment { bozo scale 300 color_map { [0 rgb <0.36, 0.34, 0.30>] [1 rgb <0.46, 0.44, 0.38>] } } finish { ambient 0.03 diffuse 0.75 }]
    [0.52 pigment { bozo scale 200 color_map { [0 rgb <0.76, 0.78, 0.84>] [1 rgb <0.90, 0.91, 0.95>] } } finish { ambient 0.05 diffuse 0.85 }]
    [1.00 pigment { bozo scale 200 color_map { [0 rgb <0.80, 0.82, 0.87>] [1 rgb <0.93, 0.94, 0.97>] } } finish { ambient 0.05 diffuse 0.85 }]
  }
  scale 2400
}
height_field {
  function 700, 700 {
    min(1, max(0, min(1, max(0, ((1 - y) * 30000 - 2500) / 2500))
      * ((0.45 + 0.55 * VN(x * 10, 2.5, (1 - y) * 5))
      * (0.35 + 0.65 * (1 - abs(VN(x * 45, 3.5, (1 - y) * 15) * 2 - 1))))))
  }
  smooth
  translate <-0.5, 0, 0> scale <30000, 2400, 30000> translate y * -5
  texture {
    slope { y }
    texture_map {
      [0.00 pigment { bozo scale 200 color_map { [0 rgb <0.30, 0.29, 0.26>] [1 rgb <0.42, 0.40, 0.35>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.64 pigment { bozo scale 200 color_map { [0 rgb <0.30, 0.29, 0.26>] [1 rgb <0.42, 0.40, 0.35>] } } finish { ambient 0.03 diffuse 0.75 }]
      [0.70 MtTex]
      [1.00 MtTex]
    }
  }
}

// Larch forest on the slopes: slender cones, the trees thinning out below.
#macro Larch(H, Seed)
  #local Rl = seed(Seed);
  union {
    cylinder { 0, y * H * 0.25, H * 0.02 pigment { rgb <0.35, 0.24, 0.16> } }
    cone { y * H * 0.15, H * 0.17, y * H, 0
      pigment { granite scale H * 0.1 color_map { [0 rgb <0.12, 0.22, 0.08> * (0.8 + rand(Rl) * 0.4)] [1 rgb <0.22, 0.34, 0.12> * (0.8 + rand(Rl) * 0.4)] } }
      normal { bumps 0.8 scale H * 0.04 }
      finish { ambient 0.04 diffuse 0.75 }
    }
  }
#end
#declare Rt = seed(5);
#for (I, 0, 2600)
  #declare Tx = -700 + rand(Rt) * 1700;
  #declare Tz = 360 + rand(Rt) * 800;
  #if (rand(Rt) < min(1, (Tz - 360) / 150))
    object { Larch(18 + rand(Rt) * 12, I) translate <Tx, Land(Tx, Tz) - 0.5, Tz> }
  #end
#end
#for (I, 0, 30)
  #declare Tx = -300 + rand(Rt) * 700;
  #declare Tz = 260 + rand(Rt) * 100;
  object { Larch(14 + rand(Rt) * 8, I + 5000) translate <Tx, Land(Tx, Tz) - 0.5, Tz> }
#end

// ------------------------------------------------------------ the kurgans
// Low domes of piled boulders, grey and lichened, in a row running north.
#declare T_Boulders = texture {
  pigment {
    crackle scale 0.9 turbulence 0.2
    color_map {
      [0.00 color rgb <0.22, 0.21, 0.19>]
      [0.06 color rgb <0.44, 0.42, 0.38>]
      [0.40 color rgb <0.56, 0.54, 0.49>]
      [1.00 color rgb <0.62, 0.59, 0.52>]
    }
  }
  normal { crackle 1.2 scale 0.9 turbulence 0.2 }
  finish { ambient 0.05 diffuse 0.78 }
}
#declare T_Lichen = texture {
  pigment { bozo scale 0.4 color_map { [0 rgbt <0.62, 0.58, 0.30, 0.5>] [0.3 rgbt 1] [1 rgbt 1] } }
  finish { ambient 0.05 diffuse 0.78 }
}
#macro Kurgan(X, Z, R, H, Seed)
  #local Rk = seed(Seed);
  union {
    intersection {
      sphere { 0, 1 scale <R, H, R> }
      plane { -y, 0 }
      texture { T_Boulders } texture { T_Lichen }
    }
    // Boulders lying loose on the cairn and round its foot.
    #for (I, 0, 60)
      #local A = rand(Rk) * 360;
      #local Rr = sqrt(rand(Rk)) * R * 1.02;
      #local Hy = H * sqrt(max(0, 1 - pow(Rr / R, 2)));
      sphere { 0, 1 scale <0.5 + rand(Rk) * 0.5, 0.35 + rand(Rk) * 0.3, 0.5 + rand(Rk) * 0.4> rotate y * rand(Rk) * 180
        translate <Rr, Hy, 0> rotate y * A
        texture { T_Boulders } texture { T_Lichen }
      }
    #end
    translate <X, -0.2, Z>
  }
#end
object { Kurgan(-22, 22, 17, 2.0, 1) }
object { Kurgan(22, 50, 23, 2.6, 2) }
object { Kurgan(66, 84, 22, 2.4, 3) }
object { Kurgan(106, 120, 19, 2.1, 4) }
object { Kurgan(142, 156, 16, 1.9, 5) }
// Smaller cairns of the lesser burials to the west.
object { Kurgan(-48, 60, 8, 1.0, 6) }
object { Kurgan(-12, 95, 7, 0.9, 7) }

// ------------------------------------------------------- horse and rider
#declare T_Horse = texture {
  pigment { rgb <0.40, 0.24, 0.12> }
  normal { bumps 0.05 scale 0.05 }
  finish { ambient 0.05 diffuse 0.7 specular 0.15 roughness 0.05 }
}
#declare T_Dark = texture { pigment { rgb <0.08, 0.06, 0.05> } finish { ambient 0.04 diffuse 0.6 } }
// A felt saddle-cloth in red with an appliqué border of yellow and blue.
#declare T_Felt = texture {
  pigment {
    gradient z scale 1.4 translate z * -0.7
    color_map {
      [0.00 color rgb <0.85, 0.65, 0.18>]
      [0.10 color rgb <0.85, 0.65, 0.18>]
      [0.10 color rgb <0.15, 0.25, 0.50>]
      [0.16 color rgb <0.15, 0.25, 0.50>]
      [0.16 color rgb <0.62, 0.10, 0.08>]
      [0.84 color rgb <0.62, 0.10, 0.08>]
      [0.84 color rgb <0.15, 0.25, 0.50>]
      [0.90 color rgb <0.15, 0.25, 0.50>]
      [0.90 color rgb <0.85, 0.65, 0.18>]
      [1.00 color rgb <0.85, 0.65, 0.18>]
    }
  }
  finish { ambient 0.06 diffuse 0.75 }
}
// The horse stands along x, its head towards +x.
#macro Horse()
  union {
    // Body and chest.
    sphere { 0, 1 scale <0.85, 0.36, 0.30> translate <0, 1.12, 0> }
    sphere { <0.55, 1.15, 0>, 0.33 }
    sphere { <-0.55, 1.12, 0>, 0.32 }
    // Neck and head.
    cone { <0.70, 1.25, 0>, 0.24, <1.05, 1.70, 0>, 0.14 }
    cone { <1.02, 1.78, 0>, 0.13, <1.40, 1.48, 0>, 0.08 }
    // Legs.
    #for (I, -1, 1, 2)
      #for (J, -1, 1, 2)
        cone { <I * 0.55, 1.0, J * 0.15>, 0.10, <I * 0.56 + 0.03, 0.05, J * 0.15>, 0.05 }
      #end
    #end
    // Ears.
    cone { <1.04, 1.86, 0.05>, 0.04, <1.0, 2.0, 0.05>, 0 }
    cone { <1.04, 1.86, -0.05>, 0.04, <1.0, 2.0, -0.05>, 0 }
    texture { T_Horse }
  }
  // Mane and tail.
  cone { <0.72, 1.45, 0>, 0.03, <1.02, 1.88, 0>, 0.03 scale <1, 1, 1> texture { T_Dark } }
  sphere_sweep { linear_spline 3, <-0.86, 1.22, 0>, 0.06, <-1.0, 0.95, 0>, 0.07, <-0.98, 0.45, 0>, 0.05 texture { T_Dark } }
  // Hooves.
  #for (I, -1, 1, 2)
    #for (J, -1, 1, 2)
      cylinder { <I * 0.56 + 0.03, 0, J * 0.15>, <I * 0.56 + 0.03, 0.08, J * 0.15>, 0.06 texture { T_Dark } }
    #end
  #end
  // The saddle-cloth draped over the back, and the saddle on it.
  intersection {
    sphere { 0, 1 scale <0.50, 0.40, 0.35> }
    plane { -y, 0.12 }
    translate <0.05, 1.12, 0>
    texture { T_Felt }
  }
  box { <-0.22, 1.44, -0.16>, <0.30, 1.52, 0.16> pigment { rgb <0.45, 0.30, 0.18> } finish { ambient 0.05 diffuse 0.7 } }
#end
// The rider: a tunic, trousers and a tall felt hat.
#declare T_Coat = texture { pigment { rgb <0.55, 0.42, 0.26> } finish { ambient 0.05 diffuse 0.72 } }
union {
  union { Horse() }
  cone { <0.05, 1.50, 0>, 0.20, <0.08, 2.12, 0>, 0.15 texture { T_Coat } }
  sphere { <0.09, 2.26, 0>, 0.11 pigment { rgb <0.62, 0.45, 0.32> } finish { ambient 0.05 diffuse 0.7 } }
  cone { <0.09, 2.30, 0>, 0.12, <0.07, 2.60, 0>, 0.02 pigment { rgb <0.70, 0.62, 0.48> } finish { ambient 0.05 diffuse 0.7 } }
  #for (J, -1, 1, 2)
    sphere_sweep { linear_spline 3, <0.05, 1.52, J * 0.14>, 0.08, <0.22, 1.22, J * 0.30>, 0.07, <0.15, 0.88, J * 0.30>, 0.06 pigment { rgb <0.25, 0.20, 0.16> } finish { ambient 0.05 diffuse 0.7 } }
  #end
  // Arms to the reins.
  sphere_sweep { linear_spline 3, <0.08, 2.02, 0.16>, 0.05, <0.30, 1.78, 0.16>, 0.05, <0.55, 1.62, 0.06>, 0.04 texture { T_Coat } }
  rotate y * 69
  translate <-9, 0, -8>
}
