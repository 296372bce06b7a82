// The Vix krater in the grave of the lady of Vix: the great Greek bronze
// volute krater on its foot, the handles with their volutes, gorgons and
// snakes, the frieze of hoplites and four-horse chariots round the neck, the
// lid with the veiled statuette; in the timber chamber with the wheels of the
// wagon against the wall and the lady's gold torc on the wagon box, lit by
// torchlight from the open roof.
#include "atlas.inc"

camera { location <1.15, 1.75, -3.75> look_at <0.5, 0.58, 0.05> angle 52 }

// Torchlight from above and in front, soft, and a faint warm glow filling the chamber.
light_source { <1.5, 3.0, -1.2> color rgb <1.0, 0.64, 0.32> * 2.3
  spotlight point_at <0.3, 0.6, 0.2> radius 22 falloff 45 tightness 3
  area_light x * 0.4, z * 0.4, 3, 3 adaptive 1 jitter circular orient }
light_source { <1.6, 1.2, -2.4> color rgb <0.16, 0.10, 0.06> shadowless }
background { rgb 0 }

// ---------------------------------------------------------------- materials
// Bronze darkened by age, with the golden metal shining through where worn.
#declare T_Bronze = texture {
  pigment {
    granite turbulence 0.6 scale 0.35
    color_map {
      [0.00 color rgb <0.13, 0.09, 0.05>]
      [0.45 color rgb <0.22, 0.15, 0.07>]
      [0.70 color rgb <0.36, 0.25, 0.10>]
      [0.88 color rgb <0.55, 0.40, 0.17>]
      [1.00 color rgb <0.80, 0.60, 0.28>]
    }
  }
  normal { bumps 0.08 scale 0.02 }
  finish { ambient 0.02 diffuse 0.55 specular 0.75 roughness 0.018 metallic brilliance 1.6 reflection { 0.1 metallic } }
}
#declare T_Patina = texture {
  pigment {
    bozo turbulence 0.8 scale 0.12
    color_map { [0.0 color rgbt <0.10, 0.16, 0.10, 0.55>] [0.35 color rgbt 1] [1.0 color rgbt 1] }
  }
  finish { ambient 0.02 diffuse 0.55 specular 0.2 roughness 0.05 }
}
#declare T_Gold = texture {
  pigment { rgb <0.95, 0.70, 0.28> }
  normal { bumps 0.1 scale 0.005 }
  finish { ambient 0.03 diffuse 0.45 specular 0.9 roughness 0.008 metallic brilliance 2 reflection { 0.25 metallic } }
}
// Oak with its grain running along x, turned by Turn for logs and posts.
#macro OakTex(Tint, Turn)
    pigment {
      granite turbulence 0.4
      color_map {
        [0.0 color rgb <0.24, 0.15, 0.08> * Tint]
        [0.5 color rgb <0.33, 0.21, 0.11> * Tint]
        [1.0 color rgb <0.17, 0.10, 0.06> * Tint]
      }
      scale <0.8, 0.015, 0.015> rotate Turn
    }
    normal { granite 0.25 scale <0.8, 0.01, 0.01> rotate Turn }
    finish { ambient 0.03 diffuse 0.72 specular 0.04 roughness 0.1 }
#end

// ---------------------------------------------------------------- the chamber
// Floor of planks running across, each its own shade.
#declare Rnd = seed(517);
#for (I, -13, 5)
  box { <-1.3, -0.06, I * 0.26>, <3.2, 0, I * 0.26 + 0.255>
    texture { OakTex(0.8 + rand(Rnd) * 0.35, 0) } }
#end
// Back wall and left wall of squared logs laid one on another.
#for (I, 0, 9)
  superellipsoid { <1, 0.3> scale <2.3, 0.12, 0.13> translate <0.95, I * 0.24 + 0.12, 1.08>
    texture { OakTex(0.75 + rand(Rnd) * 0.3, 0) } }
  superellipsoid { <1, 0.3> scale <0.13, 0.12, 2.6> translate <-1.43, I * 0.24 + 0.12, -1.3>
    texture { OakTex(0.75 + rand(Rnd) * 0.3, y * 90) } }
#end
// An upright post in the corner and a beam of the roof frame.
box { <-1.3, 0, 0.75>, <-1.1, 2.4, 0.95> texture { OakTex(0.9, z * 90) } }
box { <-1.3, 2.2, 0.75>, <3.2, 2.42, 0.95> texture { OakTex(0.8, 0) } }

// ---------------------------------------------------------------- the krater
// The vessel: foot, body, neck and overhanging rim as one turned shape.
#declare KraterBody = union {
  // The stepped and moulded foot.
  lathe { linear_spline 12,
    <0, 0>, <0.355, 0>, <0.36, 0.02>, <0.335, 0.035>, <0.31, 0.04>, <0.315, 0.065>,
    <0.29, 0.085>, <0.24, 0.095>, <0.19, 0.11>, <0.165, 0.14>, <0.175, 0.17>, <0, 0.17> }
  // Body, shoulder and neck.
  lathe { cubic_spline 13,
    <0.10, 0.10>, <0.17, 0.165>, <0.33, 0.25>, <0.51, 0.41>, <0.615, 0.60>, <0.635, 0.77>,
    <0.585, 0.95>, <0.48, 1.065>, <0.405, 1.12>, <0.395, 1.25>, <0.41, 1.38>, <0.43, 1.44>, <0.44, 1.50> }
  // A bead between foot and body, and a tongue moulding at the shoulder.
  torus { 0.175, 0.018 translate y * 0.168 }
  torus { 0.43, 0.016 translate y * 1.10 }
  // The rim: a broad lip with egg-and-dart below it.
  difference {
    cylinder { y * 1.455, y * 1.51, 0.49 }
    cylinder { y * 1.40, y * 1.6, 0.41 }
  }
  torus { 0.485, 0.02 translate y * 1.49 }
  #for (I, 0, 79)
    sphere { 0, 1 scale <0.016, 0.02, 0.012> translate <0, 1.44, -0.455> rotate y * (I * 4.5) }
  #end
  // The band of tongues over the shoulder.
  #for (I, 0, 59)
    sphere { 0, 1 scale <0.022, 0.05, 0.01> rotate x * -42 translate <0, 1.02, -0.525> rotate y * (I * 6) }
  #end
  torus { 0.40, 0.01 translate y * 1.15 }
  torus { 0.415, 0.01 translate y * 1.385 }
}

// The figures of the neck frieze, cast in relief: Z = 0 is the neck, -Z outwards.
#declare RD = 0.014;   // depth of the relief
#macro Horse(Lift)
  union {
    sphere { 0, 1 scale <0.034, 0.017, RD> translate <0, 0.075, 0> }
    sphere { 0, 1 scale <0.008, 0.022, RD * 0.8> rotate z * -35 translate <0.036, 0.097, 0> }
    sphere { 0, 1 scale <0.014, 0.007, RD * 0.8> rotate z * 30 translate <0.05, 0.118, 0> }
    cylinder { <-0.024, 0.07, 0>, <-0.03, 0.0, 0>, 0.0045 scale <1, 1, 1> }
    cylinder { <-0.016, 0.07, 0>, <-0.004, 0.0, 0>, 0.0045 }
    cylinder { <0.024, 0.07, 0>, <0.04 + Lift, 0.02 + Lift, 0>, 0.0045 }
    cylinder { <0.028, 0.07, 0>, <0.03, 0.0, 0>, 0.0045 }
    cylinder { <-0.032, 0.08, 0>, <-0.045, 0.05, 0>, 0.004 }
    scale <1, 1, 0.9>
  }
#end
#macro Chariot()
  union {
    // Four horses, one behind the other, the front one rearing a little.
    object { Horse(0.01) translate <0.07, 0.02, 0> }
    object { Horse(0.0) translate <0.062, 0.026, 0.003> }
    object { Horse(0.005) translate <0.054, 0.03, 0.006> }
    object { Horse(0.0) translate <0.046, 0.034, 0.009> }
    // The car with its wheel and the charioteer in a long robe.
    torus { 0.024, 0.004 rotate x * 90 translate <-0.02, 0.045, 0> }
    cylinder { <-0.02, 0.045, 0>, <-0.02, 0.045, -RD>, 0.006 }
    box { <-0.04, 0.055, -RD * 0.8>, <-0.005, 0.09, 0> }
    cone { <-0.025, 0.06, 0>, 0.012, <-0.022, 0.16, 0>, 0.007 scale <1, 1, 0.9> }
    sphere { <-0.021, 0.172, 0>, 0.011 scale <1, 1, 1> }
    cylinder { <-0.015, 0.13, 0>, <0.02, 0.115, 0>, 0.003 }
    scale <1, 1, 1>
  }
#end
#macro Hoplite()
  union {
    // Helmet with crest, round shield, spear and greaves.
    sphere { <0, 0.168, 0>, 0.012 }
    box { <-0.014, 0.178, -0.006>, <0.012, 0.19, 0> rotate z * 10 }
    cylinder { <0.008, 0.105, -0.004>, <0.008, 0.105, -RD - 0.004>, 0.036 }
    torus { 0.034, 0.004 rotate x * 90 translate <0.008, 0.105, -RD - 0.004> }
    cone { <-0.004, 0.06, 0>, 0.01, <-0.004, 0.155, 0>, 0.012 }
    cylinder { <-0.01, 0.065, 0>, <-0.016, 0.0, 0>, 0.005 }
    cylinder { <0.0, 0.065, 0>, <0.008, 0.0, 0>, 0.005 }
    cylinder { <-0.03, 0.0, -RD>, <-0.02, 0.215, -RD>, 0.0022 }
  }
#end
#declare NeckR = 0.397;
#declare Frieze = union {
  #for (I, 0, 7)
    object { Chariot() translate <0, 1.17, -NeckR> rotate y * (I * 45) }
    object { Hoplite() translate <0, 1.17, -NeckR> rotate y * (I * 45 + 24) }
  #end
}

// A handle in the plane facing -z, on the +x side: the strap rising from the
// shoulder, rolling into a great volute over the rim, the gorgon on the strap
// and her snake legs on the shoulder.
#declare Spiral = sphere_sweep { b_spline 26,
  #for (K, -1, 24)
    #local A = K * 38;
    #local R = 0.13 * (1 - K / 30);
    <cos(radians(A)) * R, sin(radians(A)) * R, 0>, 0.017 * (1 - K / 40)
  #end
}
#declare Volute = union {
  object { Spiral }
  cylinder { <0, 0, 0.012>, <0, 0, 0.03>, 0.13 }
  sphere { 0, 0.03 scale <1, 1, 0.6> }
}
#declare Gorgon = union {
  // The round face with its staring eyes, grin, tusks and tongue, the hair in snaky curls.
  sphere { 0, 1 scale <0.062, 0.068, 0.03> }
  sphere { <-0.024, 0.018, -0.026>, 0.013 }
  sphere { <0.024, 0.018, -0.026>, 0.013 }
  torus { 0.015, 0.004 rotate x * 90 translate <-0.024, 0.018, -0.028> }
  torus { 0.015, 0.004 rotate x * 90 translate <0.024, 0.018, -0.028> }
  sphere { <0, -0.002, -0.03>, 0.01 scale <1, 1.4, 1> }
  difference {
    sphere { 0, 1 scale <0.036, 0.016, 0.012> translate <0, -0.032, -0.022> }
    box { <-0.04, -0.032, -0.05>, <0.04, 0, 0> }
  }
  sphere { 0, 1 scale <0.012, 0.02, 0.008> translate <0, -0.046, -0.03> }
  #for (I, 0, 8)
    torus { 0.012, 0.004 rotate x * 90 translate <0, 0.068, -0.01> rotate z * (I * 22 - 88) }
  #end
  // Her arms, bent at the elbows, and the wings behind.
  sphere_sweep { linear_spline 3, <-0.05, -0.06, 0>, 0.011, <-0.095, -0.1, 0>, 0.01, <-0.07, -0.16, 0>, 0.009 }
  sphere_sweep { linear_spline 3, <0.05, -0.06, 0>, 0.011, <0.095, -0.1, 0>, 0.01, <0.07, -0.16, 0>, 0.009 }
  // Her body, ending in two snakes that coil on the shoulder.
  cone { <0, -0.06, 0.005>, 0.04, <0, -0.16, 0.005>, 0.03 scale <1, 1, 0.6> }
  sphere_sweep { b_spline 7, <0, -0.1, 0>, 0.02, <-0.02, -0.16, 0>, 0.02, <-0.09, -0.19, 0>, 0.016,
    <-0.14, -0.15, 0>, 0.013, <-0.13, -0.11, 0>, 0.011, <-0.1, -0.13, 0>, 0.009, <-0.1, -0.15, 0>, 0.007 }
  sphere_sweep { b_spline 7, <0, -0.1, 0>, 0.02, <0.02, -0.16, 0>, 0.02, <0.09, -0.19, 0>, 0.016,
    <0.14, -0.15, 0>, 0.013, <0.13, -0.11, 0>, 0.011, <0.1, -0.13, 0>, 0.009, <0.1, -0.15, 0>, 0.007 }
}
#declare Handle = union {
  // The strap, a flat ribbed band, springing from the shoulder and bending up outwards.
  sphere_sweep { b_spline 6, <0.46, 0.90, -0.18>, 0.075, <0.52, 0.95, -0.17>, 0.075, <0.64, 1.08, -0.14>, 0.07,
    <0.72, 1.26, -0.12>, 0.065, <0.73, 1.44, -0.12>, 0.055, <0.66, 1.62, -0.12>, 0.045 scale <1, 1, 0.45> translate z * -0.05 }
  // The volute rolled inwards over the rim, and its twin on the back face.
  object { Volute scale 1.3 translate <0.61, 1.52, -0.21> }
  object { Volute scale 1.3 rotate y * 180 translate <0.61, 1.52, 0.21> }
  cylinder { <0.61, 1.52, -0.20>, <0.61, 1.52, 0.20>, 0.055 }
  // The arm that carries the volute onto the lip.
  box { <0.44, 1.45, -0.19>, <0.61, 1.53, 0.19> }
  // The gorgon on the strap, facing out, with a snake rearing on each side.
  object { Gorgon scale 1.45 translate <0.70, 1.25, -0.22> }
  #for (S, -1, 1, 2)
    sphere_sweep { b_spline 6, <0.70 + S * 0.05, 1.02, -0.2>, 0.013, <0.70 + S * 0.12, 1.05, -0.21>, 0.013,
      <0.70 + S * 0.15, 1.14, -0.22>, 0.012, <0.70 + S * 0.12, 1.22, -0.225>, 0.011, <0.70 + S * 0.15, 1.28, -0.225>, 0.012, <0.70 + S * 0.17, 1.27, -0.225>, 0.01 }
    sphere { <0.70 + S * 0.155, 1.285, -0.225>, 0.018 scale <1, 0.8, 1> }
  #end
  // The plate on the shoulder where the handle is fixed, and the lioness
  // rampant on it, forepaws raised against the strap.
  sphere { 0, 1 scale <0.12, 0.085, 0.035> rotate y * -30 translate <0.50, 0.97, -0.24> }
  union {
    sphere { 0, 1 scale <0.085, 0.035, 0.03> rotate z * 60 translate <0, 0.07, 0> }
    sphere { <0.04, 0.15, -0.005>, 0.032 }
    sphere { <0.065, 0.145, -0.01>, 0.015 }
    cylinder { <0.03, 0.11, 0>, <0.07, 0.07, -0.01>, 0.012 }
    cylinder { <0.02, 0.10, 0>, <0.075, 0.10, -0.015>, 0.012 }
    cylinder { <-0.03, 0.02, 0>, <-0.01, -0.04, 0>, 0.014 }
    cylinder { <-0.04, 0.03, 0.01>, <-0.05, -0.04, 0.01>, 0.014 }
    sphere_sweep { b_spline 5, <-0.04, 0.02, 0.01>, 0.007, <-0.1, 0.0, 0.01>, 0.006, <-0.13, 0.06, 0.01>, 0.005, <-0.11, 0.11, 0.01>, 0.005, <-0.09, 0.1, 0.01>, 0.004 }
    rotate y * -25 translate <0.47, 1.04, -0.31>
  }
}

#declare Lid = union {
  // A shallow lid set down inside the mouth, and the veiled woman on its knob.
  intersection { sphere { 0, 1 scale <0.415, 0.065, 0.415> } plane { -y, 0 } translate y * 1.47 }
  cylinder { y * 1.52, y * 1.56, 0.05 }
  cylinder { y * 1.56, y * 1.575, 0.07 }
  union {
    cone { 0, 0.05, y * 0.13, 0.03 }
    cone { y * 0.12, 0.035, y * 0.15, 0.02 }
    sphere { y * 0.165, 0.022 scale <1, 1.05, 1> }
    // The veil over the head and down the back.
    difference { sphere { y * 0.168, 0.028 } plane { -z, 0.0 } plane { y, 0.15 } }
    cone { <0, 0.04, 0.015>, 0.045, <0, 0.165, 0.015>, 0.03 scale <1, 1, 0.6> }
    // An arm drawn across, holding the veil.
    sphere_sweep { linear_spline 3, <0.03, 0.14, 0>, 0.008, <0.032, 0.1, -0.025>, 0.007, <-0.005, 0.12, -0.035>, 0.007 }
    translate y * 1.575
  }
}

#declare Krater = union {
  object { KraterBody }
  object { Frieze }
  object { Handle }
  object { Handle scale <-1, 1, 1> }
  object { Lid }
  texture { T_Bronze }
  texture { T_Patina }
}
object { Krater rotate y * 14 translate <0.02, 0, 0.1> }

// ---------------------------------------------------------------- wheels and bier
// A wheel of the wagon: iron tyre, felloe, ten spokes, a hub sheathed in bronze.
#macro Wheel()
  union {
    difference { cylinder { <0, 0, -0.035>, <0, 0, 0.035>, 0.44 } cylinder { <0, 0, -0.1>, <0, 0, 0.1>, 0.385 }
      texture { OakTex(0.9, z * 90) } }
    difference { cylinder { <0, 0, -0.04>, <0, 0, 0.04>, 0.45 } cylinder { <0, 0, -0.1>, <0, 0, 0.1>, 0.436 }
      pigment { rgb <0.16, 0.12, 0.10> } finish { ambient 0.02 diffuse 0.5 specular 0.2 roughness 0.05 } }
    #for (I, 0, 9)
      cylinder { 0, y * 0.39, 0.016 rotate z * (I * 36) texture { OakTex(0.95, z * 90) } }
    #end
    cylinder { <0, 0, -0.14>, <0, 0, 0.14>, 0.07 texture { T_Bronze } }
    torus { 0.072, 0.012 rotate x * 90 translate z * -0.1 texture { T_Bronze } }
    torus { 0.072, 0.012 rotate x * 90 translate z * 0.1 texture { T_Bronze } }
  }
#end
// Leaning one behind another against the back wall.
#for (I, 0, 2)
  object { Wheel() rotate x * -12 translate <1.35 + I * 0.35, 0.45, 0.78 - I * 0.03> }
#end
// The box of the wagon, on which the lady lay, with a cloth and her torc.
union {
  box { <1.35, 0, -1.6>, <2.55, 0.42, -0.25> texture { OakTex(0.85, 0) } }
  box { <1.33, 0.4, -1.62>, <2.57, 0.45, -0.23> texture { OakTex(0.7, 0) } }
  box { <1.37, 0.45, -1.55>, <2.53, 0.47, -0.3>
    pigment { bozo scale 0.05 color_map { [0 rgb <0.35, 0.12, 0.07>] [1 rgb <0.45, 0.2, 0.1>] } }
    normal { wrinkles 0.3 scale 0.03 } finish { ambient 0.03 diffuse 0.7 } }
}
// The torc of gold: a thick ring, lion-paw ends and knobbed terminals with winged horses.
union {
  intersection {
    torus { 0.11, 0.011 }
    plane { x, 0.085 }
  }
  #for (S, -1, 1, 2)
    #local P = <0.085, 0, S * 0.068>;
    sphere { P, 0.02 }
    sphere { P + <0.022, 0, -S * 0.01>, 0.024 }
    cylinder { P + <0.022, 0.01, -S * 0.01>, P + <0.022, 0.05, -S * 0.01>, 0.006 }
    sphere { P + <0.022, 0.055, -S * 0.01>, 0.01 }
    box { <-0.002, -0.008, -0.018>, <0.002, 0.008, 0.018> rotate x * 30 translate P + <0.02, 0.045, -S * 0.01> }
  #end
  texture { T_Gold }
  rotate y * 150 translate <1.75, 0.481, -0.74>
}
