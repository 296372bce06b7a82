// The Shore Temple at Mamallapuram about 700, seen from the land side in the
// afternoon: the tall five-storeyed granite tower over the east shrine, that
// faces the sea, the smaller tower over the west shrine and the flat-roofed
// hall between them; each storey a ring of little shrines, square at the
// corners and barrel-roofed between, each tower crowned by an octagonal dome
// and a finial; round them the low enclosure wall with its row of seated
// Nandi bulls; the beach and the Bay of Bengal breaking behind.
#declare SunAz = 238; #declare SunEl = 34; #declare HazeDist = 5000; #declare HazeAlt = 200;
#declare SkyLow = rgb <0.70, 0.76, 0.84>;
#declare SkyTop = rgb <0.12, 0.30, 0.64>;
#include "atlas.inc"
#include "shapes.inc"

// +x is east, towards the sea; the temple's axis runs along x.
#declare Cam = <-44, 6.5, -33>;
camera { location Cam look_at <4, 3.4, 2> angle 44 }
SunAndSky()
Clouds(2200, 0.30)

// The beach: flat round the temple, sloping into the sea east of x = 24.
#declare T_Beach = texture {
  pigment {
    granite scale 3
    color_map {
      [0.0 color rgb <0.80, 0.70, 0.54>]
      [0.5 color rgb <0.86, 0.76, 0.59>]
      [1.0 color rgb <0.76, 0.66, 0.50>]
    }
  }
  normal { bumps 0.3 scale <5, 1, 2> }
  finish { F_Ground }
}
#declare T_WetSand = texture {
  pigment { granite scale 2 color_map { [0 rgb <0.52, 0.44, 0.33>] [1 rgb <0.58, 0.49, 0.37>] } }
  finish { ambient 0.04 diffuse 0.6 specular 0.4 roughness 0.01 }
}
#declare Slope = 0.035;
#declare WaterY = -0.35;
#declare ShoreX = 24 + (-WaterY) / Slope;
intersection {
  plane { y, 0 }
  plane { vnormalize(<Slope, 1, 0>), 24 * Slope / sqrt(1 + Slope * Slope) }
  // Dry sand down to the wet strip the waves wash over.
  texture {
    function { min(1, max(0, (x - 24) / (ShoreX - 24))) }
    turbulence 0.05
    texture_map { [0 T_Beach] [0.55 T_Beach] [0.75 T_WetSand] [1 T_WetSand] }
  }
}
// The sea, its waves breaking in lines of foam towards the beach.
#declare FoamN = function { pattern { bozo turbulence 0.5 scale <3, 1, 9> } }
#declare FoamFine = function { pattern { granite scale 1.6 } }
#declare FoamF = function(x, y, z) {
  min(1, max(0,
    exp(-pow((x - ShoreX - 1.5 - FoamN(x, 0, z) * 3) / 1.6, 2)) * 1.0
  + exp(-pow((x - ShoreX - 14 - FoamN(x, 0, z + 40) * 5) / 1.3, 2)) * 0.95
  + exp(-pow((x - ShoreX - 33 - FoamN(x, 0, z + 90) * 7) / 1.5, 2)) * 0.75
  + exp(-pow((x - ShoreX - 60 - FoamN(x, 0, z + 150) * 9) / 2.0, 2)) * 0.4
  ) * (0.6 + 0.6 * FoamFine(x, 0, z)))
}
plane { y, WaterY
  texture {
    pigment { color rgb <0.07, 0.22, 0.30> }
    normal { waves 0.15 frequency 1.2 turbulence 0.4 scale <5, 1, 12> }
    finish { ambient 0.02 diffuse 0.25 specular 0.6 roughness 0.004 reflection { 0.12, 0.6 fresnel on } conserve_energy }
  }
  texture {
    pigment {
      function { FoamF(x, y, z) }
      color_map { [0.0 color rgbt 1] [0.25 color rgbt <0.95, 0.97, 0.98, 0.8>] [0.7 color rgbt <0.96, 0.97, 0.98, 0.1>] [1.0 color rgb <0.97, 0.98, 1.0>] }
    }
    finish { ambient 0.1 diffuse 0.8 }
  }
  interior { ior 1.33 }
}
// The rolling crests of the breakers, low rounded ridges of white water.
#macro Breaker(X0, Len, Seed)
  #local Rnd = seed(Seed);
  union {
    #for (I, 0, 14)
      #local Z0 = -Len / 2 + I * Len / 15;
      sphere { 0, 1 scale <0.9, 0.45 + rand(Rnd) * 0.2, Len / 15 * 0.85> translate <X0 + rand(Rnd) * 1.5, WaterY + 0.05, Z0 + Len / 30> }
    #end
    texture {
      pigment { granite scale 0.8 color_map { [0 rgb <0.86, 0.90, 0.92>] [1 rgb <0.98, 0.99, 1.0>] } }
      normal { bumps 0.6 scale 0.3 }
      finish { ambient 0.12 diffuse 0.8 }
    }
  }
#end
object { Breaker(ShoreX + 14.5, 140, 3) translate z * 20 }
object { Breaker(ShoreX + 33.5, 160, 4) translate z * 10 }

// Granite of the temple, golden grey, its carving softened by the salt wind.
#declare T_ShoreGranite = StoneTex(rgb <0.62, 0.55, 0.45>, rgb <0.70, 0.63, 0.52>, rgb <0.52, 0.46, 0.38>, 0.35)
#macro T_Masonry()
  texture { T_ShoreGranite }
  Courses(0.62, 1.5, 0)
  texture {
    pigment { bozo turbulence 0.4 scale <0.8, 4, 0.8> color_map { [0 rgbt <0.28, 0.25, 0.22, 0.6>] [0.3 rgbt 1] [1 rgbt 1] } }
    finish { F_Stone }
  }
  // Dark streaks run down from the cornices where salt spray and rain have
  // worked on the stone for centuries, and patches of grey-green lichen.
  texture {
    pigment { bozo turbulence 0.3 scale <0.25, 3.5, 0.25> color_map { [0 rgbt <0.20, 0.18, 0.16, 0.35>] [0.35 rgbt <0.30, 0.27, 0.24, 0.7>] [0.5 rgbt 1] [1 rgbt 1] } }
    finish { F_Stone }
  }
  texture {
    pigment { granite scale 0.9 color_map { [0 rgbt 1] [0.62 rgbt 1] [0.7 rgbt <0.46, 0.50, 0.38, 0.45>] [1 rgbt <0.40, 0.44, 0.34, 0.3>] } }
    finish { F_Stone }
  }
#end
// The bulls, worn darker than the wall, the weather on their backs.
#declare T_NandiGranite = StoneTex(rgb <0.44, 0.40, 0.35>, rgb <0.50, 0.46, 0.40>, rgb <0.36, 0.33, 0.29>, 0.2)
#declare T_Shadow = texture { pigment { rgb <0.08, 0.07, 0.06> } finish { ambient 0 diffuse 0.4 } }

// A rounded cornice (kapota) around a square of half width S at height Y.
#macro Cornice(S, Y, Th)
  superellipsoid { <0.25, 0.25> scale <S, Th / 2, S> translate y * (Y + Th / 2) }
#end
// A square corner shrine of the parapet: a little body, a cornice and a
// domed roof with a finial pot, S wide, H high.
#macro Kuta(S, H)
  union {
    box { <-S * 0.42, 0, -S * 0.42>, <S * 0.42, H * 0.42, S * 0.42> }
    superellipsoid { <0.3, 0.3> scale <S * 0.55, H * 0.07, S * 0.55> translate y * H * 0.47 }
    intersection {
      sphere { 0, 1 scale <S * 0.48, H * 0.42, S * 0.48> }
      box { <-S, 0, -S>, <S, H, S> }
      box { <-S * 0.5, 0, -S * 0.5>, <S * 0.5, H, S * 0.5> rotate y * 45 scale <0.93, 1, 0.93> }
      translate y * H * 0.52
    }
    sphere { y * H * 0.97, S * 0.09 }
  }
#end
// An oblong barrel-roofed shrine of the parapet, L long along x, S deep.
#macro Shala(L, S, H)
  union {
    box { <-L * 0.46, 0, -S * 0.42>, <L * 0.46, H * 0.42, S * 0.42> }
    superellipsoid { <0.3, 0.3> scale <L * 0.52, H * 0.07, S * 0.55> translate y * H * 0.47 }
    intersection {
      cylinder { <-L * 0.47, 0, 0>, <L * 0.47, 0, 0>, 1 scale <1, H * 0.4, S * 0.46> }
      plane { -y, 0 }
      translate y * H * 0.52
    }
    // The horseshoe window in each gable.
    #for (E, -1, 1, 2)
      torus { S * 0.3, S * 0.06 rotate z * 90 scale <1, H * 0.9 / S, 1> translate <E * L * 0.47, H * 0.55, 0> }
    #end
    #for (K, -1, 1)
      sphere { <K * L * 0.3, H * 0.95, 0>, S * 0.08 }
    #end
  }
#end
// The parapet (hara) of one storey on a square of half width S: a shrine at
// each corner and a barrel-roofed one in the middle of each side.
#macro Hara(S, H)
  #local Ks = S * 0.36;
  union {
    #for (R, 0, 3)
      union {
        object { Kuta(Ks, H) translate <S - Ks * 0.5, 0, -S + Ks * 0.5> }
        object { Shala(S * 0.62, Ks * 0.8, H * 0.92) translate <0, 0, -S + Ks * 0.45> }
        // Low linking cloisters between them.
        box { <-S + Ks, 0, -S + 0.05>, <S - Ks, H * 0.3, -S + Ks * 0.7> }
        rotate y * R * 90
      }
    #end
  }
#end
// Pilasters and a niche on each face of a storey's wall, half width S, H high.
#macro Pilasters(S, H, N)
  union {
    #for (R, 0, 3)
      union {
        #for (K, 0, N)
          box { <-S + K * 2 * S / N - S * 0.04, 0, -S - S * 0.05>, <-S + K * 2 * S / N + S * 0.04, H, -S + 0.01> }
        #end
        rotate y * R * 90
      }
    #end
  }
#end
// A tower over a shrine. S0: half width of the ground storey, H0 its
// height, N upper storeys of height Ht, each Shrink times narrower.
#macro Vimana(S0, H0, N, Ht, Shrink)
  #local Ys = array[N + 2];
  #local Ss = array[N + 2];
  union {
    // The moulded plinth.
    box { <-S0 - 0.5, -0.3, -S0 - 0.5>, <S0 + 0.5, 0.45, S0 + 0.5> }
    Cornice(S0 + 0.35, 0.45, 0.35)
    // The ground storey.
    #local Y = 0.8;
    // The walls, with a deep niche for a god's figure in the middle of each face.
    difference {
      box { <-S0, Y, -S0>, <S0, Y + H0, S0> }
      #for (R, 0, 3)
        box { <-S0 * 0.2, Y + H0 * 0.16, -S0 - 1>, <S0 * 0.2, Y + H0 * 0.78, -S0 + 0.45> rotate y * R * 90 }
      #end
    }
    object { Pilasters(S0, H0, 4) translate y * Y }

    #local Y = Y + H0;
    #for (K, 0, N - 1)
      #if (K = 0) #local S = S0; #else #local S = S0 * pow(Shrink, K); #end
      #local Hk = Ht * (1 - 0.06 * K);
      Cornice(S * 1.08, Y, Hk * 0.22)
      #local Y = Y + Hk * 0.22;
      object { Hara(S * 1.02, Hk * 0.62) translate y * Y }
      // The wall of the storey above, set back behind the parapet.
      #local S2 = S0 * pow(Shrink, K + 1);
      box { <-S2, Y - 0.01, -S2>, <S2, Y + Hk * 0.78, S2> }
      #local Y = Y + Hk * 0.78;
    #end
    // The last storey's cornice, the neck and the octagonal dome.
    #local S = S0 * pow(Shrink, N);
    Cornice(S * 1.08, Y, Ht * 0.2)
    #local Y = Y + Ht * 0.2;
    #local G = S * 0.7;
    intersection {
      box { <-G, Y - 0.01, -G>, <G, Y + Ht * 0.45, G> }
      box { <-G, Y - 0.01, -G>, <G, Y + Ht * 0.45, G> rotate y * 45 }
    }
    #local Y = Y + Ht * 0.45;
    #local D = S * 0.86;
    intersection {
      sphere { 0, 1 scale <D, Ht * 0.8, D> }
      plane { -y, 0 }
      box { <-D, 0, -D>, <D, Ht * 2, D> scale <0.95, 1, 0.95> }
      box { <-D, 0, -D>, <D, Ht * 2, D> scale <0.95, 1, 0.95> rotate y * 45 }
      translate y * (Y - Ht * 0.2)
    }
    #local Y = Y - Ht * 0.2 + Ht * 0.8;
    // The finial: a pot and a point.
    cylinder { y * (Y - 0.1), y * (Y + 0.2), S * 0.22 }
    sphere { 0, 1 scale <S * 0.2, S * 0.24, S * 0.2> translate y * (Y + 0.4) }
    cone { y * (Y + 0.55), S * 0.12, y * (Y + 1.1), 0.02 }
  }
#end

// A recumbent Nandi bull facing +x, about 1.2 m long, on its pedestal:
// the heavy body resting on its folded legs, the hump over the shoulders,
// the dewlap hanging under the neck, the head held up with short horns.
#macro Nandi()
  union {
    box { <-0.62, 0, -0.34>, <0.66, 0.14, 0.34> }
    blob {
      threshold 0.4
      // Barrel and haunch, low on the pedestal.
      sphere { 0, 1, 1 scale <0.58, 0.27, 0.30> translate <-0.08, 0.40, 0> }
      sphere { 0, 1, 0.8 scale <0.26, 0.26, 0.30> translate <-0.42, 0.42, 0> }
      // Shoulders and the hump.
      sphere { 0, 1, 0.9 scale <0.26, 0.28, 0.28> translate <0.26, 0.48, 0> }
      sphere { 0, 1, 1 scale <0.20, 0.20, 0.17> translate <0.20, 0.66, 0> }
      // The neck rising to the head, and the dewlap below it.
      sphere { 0, 1, 0.9 scale <0.24, 0.16, 0.15> rotate z * 30 translate <0.44, 0.58, 0> }
      sphere { 0, 1, 0.7 scale <0.10, 0.20, 0.06> rotate z * 15 translate <0.50, 0.44, 0> }
      // Folded legs: the forelegs tucked under the chest, the hind legs along the flank.
      sphere { 0, 1, 0.8 scale <0.20, 0.07, 0.07> translate <0.46, 0.20, 0.12> }
      sphere { 0, 1, 0.8 scale <0.20, 0.07, 0.07> translate <0.46, 0.20, -0.12> }
      sphere { 0, 1, 0.8 scale <0.30, 0.09, 0.10> rotate y * -10 translate <-0.20, 0.22, 0.27> }
      sphere { 0, 1, 0.8 scale <0.30, 0.09, 0.10> rotate y * 10 translate <-0.20, 0.22, -0.27> }
    }
    // The head, up and forward, with its long muzzle.
    sphere { 0, 1 scale <0.10, 0.16, 0.10> rotate z * -40 translate <0.60, 0.70, 0> }
    sphere { 0, 1 scale <0.07, 0.10, 0.08> rotate z * -60 translate <0.69, 0.61, 0> }
    // Short horns and the ears.
    #for (T, -1, 1, 2)
      cone { <0.55, 0.82, T * 0.05>, 0.028, <0.52, 0.89, T * 0.11>, 0.008 }
      sphere { 0, 1 scale <0.03, 0.04, 0.08> rotate x * T * 20 translate <0.54, 0.77, T * 0.12> }
    #end
    // The tail curled along the haunch.
    torus { 0.12, 0.02 rotate x * 90 scale <1, 0.6, 1> translate <-0.48, 0.32, -0.31> }
  }
#end

// The temple.
#declare Temple = union {
  // The east shrine's tower, facing the sea, with its porch.
  object { Vimana(3.3, 5.4, 4, 2.4, 0.86) translate x * 10 }
  box { <13.4, -0.3, -2.0>, <15.8, 3.8, 2.0> }
  // The flat-roofed hall between the shrines, with its parapet.
  union {
    box { <-0.6, -0.3, -3.0>, <6.7, 0.8, 3.0> }
    box { <-0.4, 0.8, -2.7>, <6.5, 4.6, 2.7> }
    object { Pilasters(2.7, 3.8, 4) translate <3.05, 0.8, 0> }
    superellipsoid { <0.25, 0.25> scale <3.7, 0.2, 3.0> translate <3.05, 4.8, 0> }
    #for (K, 0, 3)
      object { Shala(1.6, 0.6, 1.0) translate <0.4 + K * 1.8, 5.0, -2.6> }
      object { Shala(1.6, 0.6, 1.0) translate <0.4 + K * 1.8, 5.0, 2.6> }
    #end
  }
  // The west shrine's smaller tower, facing the land.
  object { Vimana(2.2, 4.0, 3, 1.8, 0.87) rotate y * 180 translate x * -4.2 }
}
// The doorway of the west shrine, deep in the wall, and the dim cell behind it.
difference {
  object { Temple }
  box { <-7.2, 0.8, -0.75>, <-6.15, 3.5, 0.75> }
  box { <-6.2, 0.8, -1.45>, <-3.4, 3.8, 1.45> }
  T_Masonry()
}
// In the cell: the relief panel on its back wall and the linga on its pedestal.
union {
  box { <-3.55, 0.8, -1.1>, <-3.4, 3.4, 1.1> }
  cylinder { <-4.6, 0.8, 0>, <-4.6, 1.25, 0>, 0.42 }
  cylinder { <-4.6, 1.25, 0>, <-4.6, 1.85, 0>, 0.17 }
  sphere { <-4.6, 1.85, 0>, 0.17 }
  box { <-5.1, 1.1, -0.08>, <-4.6, 1.2, 0.08> }
  texture { T_ShoreGranite }
}

// The enclosure wall with its coping and the row of Nandi bulls.
#declare WallX0 = -16; #declare WallX1 = 22; #declare WallZ = 11;
#declare WallH = 1.7;
#macro WallRun(P0, P1, Face)
  #local L = vlength(P1 - P0);
  #local Dir = (P1 - P0) / L;
  #local Ang = degrees(atan2(Dir.z, Dir.x));
  union {
    box { <0, -0.3, -0.45>, <L, WallH, 0.45> }
    superellipsoid { <0.3, 0.3> scale <L / 2 + 0.1, 0.12, 0.55> translate <L / 2, WallH + 0.1, 0> }
    #local N = int(L / 2.5);
    #for (K, 0, N - 1)
      object { Nandi() scale 1.15 texture { T_NandiGranite } texture { pigment { bozo scale 0.15 color_map { [0 rgbt <0.22, 0.20, 0.18, 0.4>] [0.5 rgbt 1] [1 rgbt 1] } } finish { F_Stone } } rotate y * Face translate <(K + 0.5) * L / N, WallH + 0.2, 0> }
    #end
    rotate y * -Ang translate P0
  }
#end
union {
  // The south wall, with the gap of the west gate at its end.
  WallRun(<WallX0, 0, -WallZ>, <WallX1, 0, -WallZ>, -90)
  WallRun(<WallX1, 0, WallZ>, <WallX0, 0, WallZ>, -90)
  WallRun(<WallX1, 0, -WallZ>, <WallX1, 0, WallZ>, -90)
  WallRun(<WallX0, 0, WallZ>, <WallX0, 0, 2.2>, -90)
  WallRun(<WallX0, 0, -2.2>, <WallX0, 0, -WallZ>, -90)
  // The west gate: two jambs and a lintel.
  box { <WallX0 - 0.6, -0.3, -2.2>, <WallX0 + 0.6, 3.2, -1.4> }
  box { <WallX0 - 0.6, -0.3, 1.4>, <WallX0 + 0.6, 3.2, 2.2> }
  box { <WallX0 - 0.8, 3.2, -2.4>, <WallX0 + 0.8, 3.8, 2.4> }
  T_Masonry()
}

// Coconut palms on the land side.
#macro Coconut(H, Lean, Seed)
  #local Rnd = seed(Seed);
  #local Top = <Lean * H * 0.22, H, 0>;
  union {
    sphere_sweep { b_spline 5, <0, -1, 0>, 0.2, <0, 0, 0>, 0.19, <Lean * H * 0.06, H * 0.55, 0>, 0.15, Top, 0.12, Top + <Lean * H * 0.05, H * 0.2, 0>, 0.11
      texture {
        pigment { gradient y color_map { [0 rgb <0.36, 0.31, 0.25>] [0.5 rgb <0.46, 0.40, 0.32>] [1 rgb <0.36, 0.31, 0.25>] } scale 0.3 }
        normal { gradient y 0.5 scale 0.3 }
        finish { ambient 0.05 diffuse 0.72 }
      }
    }
    sphere { Top, 0.35 pigment { rgb <0.30, 0.34, 0.12> } }
    #for (I, 0, 12)
      #local Ang = I * 360 / 13 + rand(Rnd) * 18;
      #local L = H * (0.26 + rand(Rnd) * 0.06);
      #local Droop = 0.3 + rand(Rnd) * 0.5;
      union {
        // The midrib, arching out and down.
        sphere_sweep { cubic_spline 5,
          <-0.3, -0.1, 0>, 0.03, <0, 0, 0>, 0.05, <L * 0.45, L * 0.18, 0>, 0.04,
          <L * 0.85, -L * 0.2 * Droop * 2, 0>, 0.02, <L * 1.1, -L * 0.7 * Droop, 0>, 0.01 }
        // The leaflets along it, in two combs.
        #for (J, 1, 14)
          #local T = J / 15;
          #local Pm = <L * 0.9 * T, L * (0.35 * T - (0.35 + Droop) * T * T), 0>;
          #for (Sd, -1, 1, 2)
            cone { Pm, 0.035, Pm + <L * 0.10, -L * 0.16, Sd * L * 0.26 * (1 - T * 0.5)>, 0.004 }
          #end
        #end
        rotate y * Ang translate Top
      }
    #end
    pigment { rgb <0.20, 0.33, 0.10> } finish { ambient 0.05 diffuse 0.7 }
  }
#end
object { Coconut(15, 0.8, 1) rotate y * 20 translate <-10.6, 0, 14.9> }
object { Coconut(17, 0.5, 2) rotate y * -40 translate <6, 0, 30> }
object { Coconut(17, 0.6, 3) rotate y * 60 translate <-36, 0, 26> }
object { Coconut(14, 0.7, 4) rotate y * 100 translate <-30, 0, 34> }
object { Coconut(12, 0.9, 5) rotate y * -80 translate <-48, 0, 16> }
#declare Rnd = seed(9);
#for (I, 0, 30)
  #declare P = <-60 - rand(Rnd) * 300, 0, -150 + rand(Rnd) * 400>;
  object { Coconut(11 + rand(Rnd) * 6, rand(Rnd), 20 + I) rotate y * rand(Rnd) * 360 translate P }
#end
// Boulders of the granite outcrop on the beach.
#declare Rnd = seed(12);
#for (I, 0, 6)
  blob { threshold 0.5
    sphere { 0, 1.2, 1 } sphere { <0.6, 0.2, 0.3>, 1.0, 1 } sphere { <-0.4, 0.1, -0.5>, 0.9, 1 }
    scale <1, 0.6, 1> * (0.8 + rand(Rnd) * 1.2) rotate y * rand(Rnd) * 360
    translate <24 + rand(Rnd) * 10, -0.2, -34 + rand(Rnd) * 18>
    texture { T_ShoreGranite scale 2 }
  }
#end
// People at the gate: a priest in white, pilgrims.
object { Person(rgb <0.90, 0.88, 0.82>) translate <-15.5, 0, -0.4> }
object { Person(rgb <0.75, 0.40, 0.15>) translate <-17.5, 0, -3.5> }
object { Person(rgb <0.60, 0.15, 0.12>) translate <-18.2, 0, -2.8> }
