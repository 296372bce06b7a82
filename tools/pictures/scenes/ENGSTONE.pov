// Stonehenge at sunrise on midsummer morning about 2000 BC, seen from a
// little above, from just inside the bank by the entrance: the ring of thirty
// sarsen uprights under its continuous ring of lintels, the five trilithons
// of the horseshoe inside it opening towards the sunrise with the tallest at
// the back, the bluestone circle and horseshoe, the bank and ditch round it
// all, on the open chalk down. The sun has just risen over the Heel Stone
// behind the viewer and throws the long shadows of the stones across the
// turf towards the south-west.
#declare SunAz = 50; #declare SunEl = 6.0; #declare HazeDist = 5000; #declare HazeAlt = 60;
#declare SkyTop = rgb <0.22, 0.36, 0.66>;
#declare SkyLow = rgb <0.86, 0.76, 0.72>;
#declare SunTint = rgb <1.0, 0.80, 0.58>;
#declare SunPower = 1.6;
#declare FillPower = 0.45;
#include "atlas.inc"
#include "shapes.inc"

// Everything is built in the frame of the monument's axis: +z runs from the
// centre towards the midsummer sunrise (north-east), +x to the south-east.
#declare Axis = 50;
#macro W(P) vrotate(P, y * Axis) #end
camera { location W(<-9, 7.5, 46>) look_at W(<0, 3.4, 0>) angle 54 }
SunAndSky()
Clouds(1800, 0.30)

// ---------------------------------------------------------------- the down
#declare T_Turf = texture {
  pigment {
    bozo turbulence 0.9 octaves 7 omega 0.7 lambda 2.5 scale 9
    color_map {
      [0.0 color rgb <0.46, 0.52, 0.26>]
      [0.5 color rgb <0.54, 0.58, 0.31>]
      [0.8 color rgb <0.62, 0.62, 0.36>]
      [1.0 color rgb <0.50, 0.55, 0.28>]
    }
  }
  normal { granite 0.3 scale 0.3 }
  finish { ambient 0.10 diffuse 0.85 }
}
#declare T_Chalk = texture {
  pigment { granite scale 0.5 color_map { [0 rgb <0.86, 0.84, 0.76>] [1 rgb <0.76, 0.74, 0.66>] } }
  normal { bumps 0.4 scale 0.2 }
  finish { F_Ground }
}
// Turf worn to the chalk in places: the banks and the ditch sides.
#macro ChalkyTurf(Amount)
  texture { T_Turf }
  texture {
    pigment {
      bozo turbulence 0.9 scale 1.5
      color_map { [0 color rgbt <0.82, 0.80, 0.72, 0.1>] [Amount color rgbt <0.78, 0.76, 0.68, 0.5>] [Amount + 0.08 color rgbt 1] [1 color rgbt 1] }
    }
    finish { F_Ground }
  }
#end

union {
  // The ground, with the ditch of the enclosure, the ditches of the Avenue
  // and the small ring ditch round the Heel Stone cut into it.
  difference {
    plane { y, 0 }
    // the enclosure ditch, about 110 m across, broken at the entrance
    difference {
      torus { 55, 3.2 scale <1, 0.55, 1> }
      intersection {
        plane { x, 0 rotate y * 12 } plane { -x, 0 rotate y * -12 } plane { -z, 0 }
      }
    }
    // the Avenue's ditches, leading away north-east
    #for (S, -1, 1, 2)
      cylinder { <S * 11.5, 0, 54>, <S * 11.5, 0, 900>, 1.6 scale <1, 0.5, 1> }
    #end
    torus { 3.8, 0.7 scale <1, 0.35, 1> translate <2.2, 0, 78> }
    texture { T_Turf }
  }
  // the bank inside the ditch, with the same entrance
  difference {
    torus { 48.5, 4.4 scale <1, 0.32, 1> }
    intersection {
      plane { x, 0 rotate y * 14 } plane { -x, 0 rotate y * -14 } plane { -z, 0 }
    }
    ChalkyTurf(0.22)
  }
  // a low outer bank beyond the ditch
  difference {
    torus { 60.5, 2.2 scale <1, 0.2, 1> }
    intersection {
      plane { x, 0 rotate y * 11 } plane { -x, 0 rotate y * -11 } plane { -z, 0 }
    }
    ChalkyTurf(0.1)
  }
  // the banks of the Avenue, inside its ditches
  #for (S, -1, 1, 2)
    cylinder { <S * 8.6, 0, 57>, <S * 8.6, 0, 900>, 2.6 scale <1, 0.2, 1> ChalkyTurf(0.1) }
  #end
  rotate y * Axis
}
// The rolling chalk down round about, and round barrows on its crests.
FarHills(texture { T_Turf scale 6 }, 7000, 45, 0.11, 9)
#declare Rnd = seed(5);
#for (I, 0, 14)
  #declare Ba = 170 + rand(Rnd) * 120;
  #declare Bd = 300 + rand(Rnd) * 400;
  #declare Br = 9 + rand(Rnd) * 8;
  sphere { 0, 1 scale <Br, Br * 0.3, Br> translate <Bd * Sind(Ba), 0, Bd * Cosd(Ba)> texture { T_Turf scale 3 } }
#end

// ---------------------------------------------------------------- the stones
// Sarsen: a pale grey-buff sandstone, patched with yellow and grey lichens.
#macro SarsenTex()
  texture {
    pigment {
      granite turbulence 0.4 scale 1.4
      color_map {
        [0.0 color rgb <0.50, 0.47, 0.40>]
        [0.5 color rgb <0.60, 0.56, 0.47>]
        [1.0 color rgb <0.44, 0.42, 0.36>]
      }
    }
    normal { granite 0.6 scale 0.35 }
    finish { ambient 0.06 diffuse 0.72 specular 0.03 roughness 0.2 }
  }
  texture {
    pigment {
      bozo turbulence 1.0 octaves 5 scale 0.28
      color_map {
        [0.00 color rgbt <0.72, 0.68, 0.34, 0.15>]
        [0.14 color rgbt <0.66, 0.64, 0.36, 0.45>]
        [0.20 color rgbt 1] [1 color rgbt 1]
      }
    }
    finish { ambient 0.06 diffuse 0.8 }
  }
  texture {
    pigment {
      bozo turbulence 0.8 octaves 5 scale 0.4 translate 7
      color_map {
        [0.00 color rgbt 1] [0.80 color rgbt 1]
        [0.86 color rgbt <0.82, 0.82, 0.78, 0.4>]
        [1.00 color rgbt <0.86, 0.86, 0.82, 0.1>]
      }
    }
    finish { ambient 0.06 diffuse 0.8 }
  }
  texture {
    pigment {
      bozo turbulence 0.6 scale <0.6, 2.5, 0.6>
      color_map { [0 color rgbt <0.30, 0.30, 0.24, 0.55>] [0.25 color rgbt 1] [1 color rgbt 1] }
    }
    finish { ambient 0.06 diffuse 0.8 }
  }
#end
#declare Rs = seed(17);
// A dressed upright, W wide, D thick and H above the turf, tapering a little
// towards its top, with softly rounded edges.
#macro Upright(Wd, D, H)
  intersection {
    superellipsoid { <0.25, 0.25> scale <Wd / 2, (H + 0.5) / 2, D / 2> translate y * ((H + 0.5) / 2 - 0.5) }
    plane { x, Wd / 2 rotate z * 3 }
    plane { -x, Wd / 2 rotate z * -3 }
    plane { -z, D / 2 rotate x * 2 }
    plane { z, D / 2 rotate x * -2 }
    SarsenTex()
    translate <(rand(Rs) - 0.5) * 0.15, 0, (rand(Rs) - 0.5) * 0.15>
    rotate y * (rand(Rs) - 0.5) * 3
  }
#end

union {
  // The sarsen circle: thirty uprights, 4.1 m high, on a ring 30 m across
  // inside; the axis runs through the gap between the first and the last.
  #declare R = 15.3;
  #for (I, 0, 29)
    object { Upright((I = 15 ? 1.4 : 2.1), 1.1, 4.1) translate z * R rotate y * (6 + I * 12) }
    // the lintels, curved to the ring and joined end to end over the uprights
    intersection {
      cylinder { <0, 4.1, 0>, <0, 4.9, 0>, R + 0.5 }
      cylinder { <0, 4.0, 0>, <0, 5.0, 0>, R - 0.5 inverse }
      plane { x, 0 rotate y * 5.9 }
      plane { -x, 0 rotate y * -5.9 }
      SarsenTex()
      rotate y * (I * 12)
    }
  #end

  // The horseshoe of five trilithons, open to the north-east; the Great
  // Trilithon at the back is the tallest, the pairs lower towards the mouth.
  #macro Trilithon(H)
    union {
      object { Upright(2.2, 1.2, H) translate x * -1.25 }
      object { Upright(2.2, 1.2, H) translate x * 1.25 }
      superellipsoid { <0.3, 0.3> scale <2.55, 0.5, 0.55> translate y * (H + 0.5) SarsenTex() }
    }
  #end
  object { Trilithon(7.3) translate z * 8.6 rotate y * 180 }
  #for (S, -1, 1, 2)
    object { Trilithon(6.5) translate z * 8.4 rotate y * (180 + S * 56) }
    object { Trilithon(6.0) translate z * 8.0 rotate y * (180 + S * 108) }
  #end

  // Bluestones: slender pillars of blue-grey spotted dolerite, a circle of
  // them inside the sarsens and a horseshoe inside the trilithons.
  #declare T_Blue = texture {
    pigment {
      granite scale 0.25
      color_map {
        [0.0 color rgb <0.40, 0.44, 0.48>]
        [0.7 color rgb <0.47, 0.50, 0.54>]
        [0.9 color rgb <0.56, 0.58, 0.60>]
        [1.0 color rgb <0.80, 0.80, 0.78>]
      }
    }
    normal { granite 0.3 scale 0.2 }
    finish { ambient 0.06 diffuse 0.8 specular 0.05 }
  }
  #macro Bluestone(Wd, H)
    superellipsoid { <0.35, 0.4> scale <Wd / 2, (H + 0.4) / 2, Wd * 0.32> translate y * ((H + 0.4) / 2 - 0.4)
      texture { T_Blue }
      rotate y * (rand(Rs) - 0.5) * 14
    }
  #end
  #for (I, 0, 57)
    #if (I != 0 & I != 57 & rand(Rs) > 0.08)
      object { Bluestone(0.75 + rand(Rs) * 0.3, 1.6 + rand(Rs) * 0.6) translate z * 11.8 rotate y * (I * 360 / 58 + 3) }
    #end
  #end
  #for (I, 0, 18)
    #declare Ph = 45 + I * 270 / 18;
    object { Bluestone(0.7, 1.9 + 0.6 * (1 - abs(Ph - 180) / 135)) translate z * 6.0 scale <1, 1, 1.15> rotate y * Ph }
  #end
  // the Altar Stone, lying before the Great Trilithon
  box { <-2.4, 0, -0.5>, <2.4, 0.5, 0.5> translate z * -6.4 StoneTex(rgb <0.50, 0.52, 0.42>, rgb <0.56, 0.57, 0.46>, rgb <0.44, 0.46, 0.37>, 0.4) }

  // The four Station Stones at the inner edge of the bank.
  #for (SX, -1, 1, 2) #for (SZ, -1, 1, 2)
    object { Upright(1.2, 0.8, 1.4 + (SX * SZ > 0) * 1.2) translate <SX * 40.5, 0, SZ * 16.5> }
  #end #end
  // The Slaughter Stone, standing in the entrance.
  object { Upright(2.0, 1.0, 3.6) translate <5.5, 0, 47> }
  // The Heel Stone: a great unworked block, leaning towards the circle.
  intersection {
    blob {
      threshold 0.6
      sphere { <0.1, -0.2, 0>, 1.9, 1 }
      sphere { <-0.2, 1.1, 0.1>, 1.9, 1 }
      sphere { <0.2, 2.3, -0.1>, 1.8, 1 }
      sphere { <-0.1, 3.3, 0.1>, 1.6, 1 }
      sphere { <0.15, 4.0, 0>, 1.3, 1 }
      scale <1, 1, 0.8>
    }
    box { <-3, -1.2, -3>, <3, 6, 3> }
    // rough natural faces
    plane { x, 1.05 rotate z * 7 rotate y * 12 }
    plane { -x, 1.1 rotate z * -5 rotate y * -6 }
    plane { z, 0.85 rotate x * -6 rotate y * 20 }
    plane { -z, 0.9 rotate x * 8 }
    plane { y, 4.5 rotate x * 14 rotate y * 30 }
    plane { <1, 1, 0.3>, 3.5 }
    normal { wrinkles 0.9 scale 0.4 }
    SarsenTex()
    translate y * -0.3
    rotate x * -16 rotate y * 8
    translate <2.2, 0, 78>
  }
  rotate y * Axis
}
