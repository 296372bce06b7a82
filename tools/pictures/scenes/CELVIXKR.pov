// The Vix krater in the grave of the lady of Vix: the great Greek bronze
// volute krater on its foot, the handles with their volutes, gorgons and
// snakes, the frieze of hoplites and four-horse chariots round the neck, the
// lid with the veiled statuette; in the timber chamber with the wheels of the
// wagon against the wall and the lady's gold torc on the wagon box, lit by
// torchlight from the open roof.
#include "atlas.inc"

camera { location <1.2, 1.42, -3.8> look_at <0.55, 0.66, 0.05> angle 52 }

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
  pigment { rgb <0.90, 0.60, 0.16> }
  normal { bumps 0.1 scale 0.005 }
  finish { ambient 0.04 diffuse 0.6 specular 0.6 roughness 0.01 metallic brilliance 1.5 reflection { 0.2 metallic } }
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
  // Body, shoulder and neck: the belly widening steadily from the foot to its
  // greatest breadth two thirds of the way up, then the round shoulder turning
  // in sharply to the short wide neck.
  lathe { cubic_spline 16,
    <0.15, 0.10>, <0.19, 0.165>, <0.33, 0.26>, <0.46, 0.40>, <0.56, 0.56>, <0.62, 0.72>,
    <0.637, 0.86>, <0.625, 0.95>, <0.58, 1.02>, <0.50, 1.08>, <0.42, 1.12>, <0.398, 1.17>,
    <0.397, 1.30>, <0.41, 1.38>, <0.43, 1.44>, <0.44, 1.50> }
  // A bead between foot and body, and a tongue moulding at the shoulder.
  torus { 0.178, 0.02 translate y * 0.168 }
  torus { 0.300, 0.018 translate y * 0.085 }
  torus { 0.42, 0.016 translate y * 1.125 }
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
    sphere { 0, 1 scale <0.024, 0.05, 0.01> rotate x * -52 translate <0, 1.05, -0.555> rotate y * (I * 6) }
  #end
  torus { 0.40, 0.01 translate y * 1.165 }
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

// A handle in the plane z = 0 on the +x side: the broad strap rising from a
// plate on the shoulder, rolling at the top into a great scroll that rests on
// the lip, its spiral faces to front and back; the gorgon at the foot of the
// strap, facing out.
#declare HandleW = 0.085;     // half the breadth of the strap, front to back
#declare StrapS = spline { natural_spline
  0.00, <0.565, 0.94, 0>, 0.22, <0.665, 1.06, 0>, 0.45, <0.735, 1.20, 0>,
  0.70, <0.758, 1.31, 0>, 1.00, <0.742, 1.45, 0> }
#declare StrapN = 24;
#macro StrapPt(T, Side)
  #local Ta = max(T - 0.01, 0); #local Tb = min(T + 0.01, 1);
  #local D = vnormalize(StrapS(Tb) - StrapS(Ta));
  #local P = StrapS(T) + Side * 0.03 * <-D.y, D.x, 0>;
  <P.x, P.y>
#end
#declare Strap = union {
  prism { linear_sweep linear_spline -HandleW, HandleW, 2 * StrapN + 3,
    #for (I, 0, StrapN) StrapPt(I / StrapN, 1), #end
    #for (I, StrapN, 0, -1) StrapPt(I / StrapN, -1), #end
    StrapPt(0, 1)
    rotate x * -90 }
  // Rolled edges, front and back, and a rib down the middle of the outer face.
  #for (S, -1, 1, 2)
    sphere_sweep { cubic_spline 7,
      #for (I, -1, 5) StrapS(min(max(I / 4, 0), 1)) + z * S * HandleW, 0.026 #end }
  #end
}
// The scroll: a band 0.04 thick wound twice, narrowing to the eye.
#declare ScrC = <0.60, 1.50>;
#declare ScrA0 = -20; #declare ScrA1 = 680; #declare ScrStep = 10;
#macro ScrR(A) (0.15 - 0.05 * (A - ScrA0) / 360) #end
#macro ScrPt(A, Off) (ScrC + (ScrR(A) - Off) * <cos(radians(A)), sin(radians(A))>) #end
#declare ScrollN = int((ScrA1 - ScrA0) / ScrStep);
#declare Scroll = union {
  prism { linear_sweep linear_spline -HandleW - 0.01, HandleW + 0.01, 2 * ScrollN + 3,
    #for (I, 0, ScrollN) ScrPt(ScrA0 + I * ScrStep, 0), #end
    #for (I, ScrollN, 0, -1) ScrPt(ScrA0 + I * ScrStep, 0.04), #end
    ScrPt(ScrA0, 0)
    rotate x * -90 }
  // The raised rim along the spiral on each face, and the boss at its eye.
  #for (S, -1, 1, 2)
    sphere_sweep { linear_spline ScrollN + 1,
      #for (I, 0, ScrollN)
        #local Q = ScrPt(ScrA0 + I * ScrStep, 0.02);
        <Q.u, Q.v, S * (HandleW + 0.01)>, 0.014 * (1 - 0.4 * I / ScrollN)
      #end }
    sphere { <ScrC.u, ScrC.v, S * (HandleW + 0.01)>, 1 scale <0.03, 0.03, 0.018> translate 0 }
  #end
  cylinder { <ScrC.u, ScrC.v, -HandleW - 0.01>, <ScrC.u, ScrC.v, HandleW + 0.01>, 0.028 }
}

// The gorgon, facing -z: the broad face with great staring eyes, the grin with
// tusks and the tongue hanging out over the chin, the hair in long locks and
// snakes rising from it; arms bent, her body ending in two coiling snakes.
#declare T_Dark = texture { pigment { rgb <0.05, 0.035, 0.02> } finish { ambient 0.0 diffuse 0.4 specular 0.2 } }
#macro Snake(P0, P1, P2, P3, P4, R)
  union {
    sphere_sweep { b_spline 7, P0, R, P0, R, P1, R, P2, R * 0.9, P3, R * 0.75, P4, R * 0.6, P4, R * 0.6 }
    sphere { P4, R * 1.15 scale 1 }
  }
#end
#declare Gorgon = union {
  // Face and the hair mass behind it; the fringe of curls over the brow.
  sphere { 0, 1 scale <0.058, 0.066, 0.034> }
  sphere { 0, 1 scale <0.07, 0.064, 0.03> translate <0, 0.018, 0.014> }
  #for (I, 0, 6)
    #local A = 35 + I * 18.3;
    sphere { <cos(radians(A)) * 0.052, 0.012 + sin(radians(A)) * 0.05, -0.018>, 0.009 }
  #end
  // Locks falling to the shoulders on each side.
  #for (S, -1, 1, 2)
    #for (K, 0, 2)
      sphere_sweep { b_spline 5, <S * (0.045 + K * 0.01), 0.03, -0.002>, 0.007, <S * (0.05 + K * 0.01), 0.03, -0.002>, 0.007,
        <S * (0.064 + K * 0.01), -0.03, -0.004>, 0.007, <S * (0.058 + K * 0.012), -0.075, -0.004>, 0.006,
        <S * (0.07 + K * 0.012), -0.10, -0.002>, 0.005 }
    #end
    // The snakes rising from her head, arching out with their heads lifted.
    Snake(<S * 0.03, 0.06, 0>, <S * 0.06, 0.10, -0.006>, <S * 0.10, 0.095, -0.012>, <S * 0.12, 0.06, -0.016>, <S * 0.135, 0.085, -0.02>, 0.0075)
    // Staring eyes with heavy lids and brows, and the ears.
    sphere { <S * 0.023, 0.016, -0.023>, 0.0145 }
    torus { 0.015, 0.0042 rotate x * 90 translate <S * 0.023, 0.016, -0.034> }
    sphere { <S * 0.023, 0.016, -0.0375>, 0.0055 texture { T_Dark } }
    sphere_sweep { linear_spline 3, <S * 0.006, 0.034, -0.032>, 0.005, <S * 0.024, 0.04, -0.032>, 0.005, <S * 0.043, 0.034, -0.026>, 0.004 }
    sphere { 0, 1 scale <0.008, 0.016, 0.008> translate <S * 0.058, 0.005, -0.004> }
    // Tusks at the corners of the mouth.
    cone { <S * 0.022, -0.028, -0.032>, 0.004, <S * 0.024, -0.048, -0.034>, 0.0005 }
  #end
  // Broad nose, the wide grin, teeth and the tongue.
  sphere { 0, 1 scale <0.016, 0.02, 0.012> translate <0, -0.004, -0.03> }
  difference {
    sphere { 0, 1 scale <0.036, 0.018, 0.01> }
    plane { -y, 0 }
    translate <0, -0.026, -0.029>
    texture { T_Dark }
  }
  difference { torus { 0.036, 0.004 scale <1, 1, 0.5> rotate x * 90 } plane { y, 0 } translate <0, -0.026, -0.032> }
  #for (I, -3, 3)
    box { <-0.0035, -0.007, -0.004>, <0.0035, 0, 0.002> translate <I * 0.0085, -0.026, -0.036> }
  #end
  sphere { 0, 1 scale <0.014, 0.027, 0.009> translate <0, -0.05, -0.037> }
  // Neck, body in a short tunic, arms bent at the elbows with hands on the hips.
  cylinder { <0, -0.06, 0.004>, <0, -0.085, 0.004>, 0.025 }
  cone { <0, -0.08, 0.004>, 0.045, <0, -0.17, 0.004>, 0.035 scale <1, 1, 0.6> }
  #for (S, -1, 1, 2)
    sphere_sweep { linear_spline 3, <S * 0.04, -0.09, -0.002>, 0.011, <S * 0.085, -0.13, -0.006>, 0.01, <S * 0.04, -0.16, -0.014>, 0.009 }
    // Her legs become snakes, coiling out and back over the plate.
    Snake(<0, -0.16, 0>, <S * 0.03, -0.2, -0.004>, <S * 0.08, -0.215, -0.006>, <S * 0.11, -0.18, -0.006>, <S * 0.095, -0.145, -0.012>, 0.014)
  #end
}

#declare Handle = union {
  object { Strap }
  object { Scroll }
  // The block that seats the scroll on the lip.
  box { <0.45, 1.43, -HandleW>, <0.52, 1.50, HandleW> }
  // The plate on the shoulder where the handle is fixed.
  sphere { 0, 1 scale <0.13, 0.075, 0.16> translate <0.57, 0.93, -0.03> }
  // The gorgon on the foot of the strap, turned a little outwards.
  object { Gorgon scale 1.2 rotate y * -30 translate <0.655, 1.14, -0.155> }
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
// The torc of gold, as heavy as a neck ring should be, some 26 cm across: a
// thick round hoop, lion paws at the ends gripping the great globe terminals,
// and on each a small winged horse standing on a fine stand.
union {
  intersection {
    torus { 0.113, 0.019 }
    plane { x, 0.07 }
  }
  #for (S, -1, 1, 2)
    #local A = degrees(asin(0.07 / 0.113));
    #local P = <0.07, 0, S * 0.113 * cos(radians(A))>;
    #local D = vnormalize(<cos(radians(A)), 0, -S * sin(radians(A))>);
    // The lion paw: a swelling with four toes, then the globe.
    sphere { 0, 1 scale <0.026, 0.022, 0.026> translate P }
    #for (K, -1.5, 1.5)
      sphere { P + D * 0.02 + <0, 0.004, 0> + vcross(D, y) * K * 0.009, 0.007 }
    #end
    sphere { P + D * 0.043, 0.029 }
    torus { 0.018, 0.004 rotate z * 90 rotate y * degrees(atan2(-D.z, D.x)) translate P + D * 0.022 }
    // The winged horse on its stand above the globe.
    union {
      cylinder { 0, y * 0.03, 0.0025 }
      sphere { 0, 1 scale <0.011, 0.006, 0.005> translate y * 0.038 }
      cylinder { <0.008, 0.04, 0>, <0.013, 0.052, 0>, 0.003 }
      sphere { 0, 1 scale <0.006, 0.003, 0.003> translate <0.016, 0.053, 0> }
      #for (L, -1, 1, 2)
        cylinder { <L * 0.007, 0.035, 0>, <L * 0.008, 0.028, 0>, 0.0018 }
        box { <-0.006, 0, 0>, <0.006, 0.012, 0.001> rotate x * L * 35 translate <0, 0.042, L * 0.004> }
      #end
      rotate y * degrees(atan2(-D.z, D.x))
      translate P + D * 0.043 + y * 0.025
    }
  #end
  texture { T_Gold }
  rotate z * 2.6
  rotate y * 118 translate <1.8, 0.494, -1.1>
}
#ifdef (CloseUp)
  #if (CloseUp = 1) camera { location <1.35, 1.55, -1.6> look_at <0.75, 1.15, -0.1> angle 35 } #end
  #if (CloseUp = 2) camera { location <1.5, 1.2, -2.3> look_at <1.8, 0.5, -1.1> angle 25 } #end
#end
