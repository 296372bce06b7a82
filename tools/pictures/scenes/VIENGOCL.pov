// The Ngoc Lu bronze drum of the Dong Son culture, on the plank floor of a
// house on stilts, seen from above: the flat tympanum with its star of 14
// points at the centre and the rings round it (circles and hatching,
// houses and feathered dancers, deer, and a ring of flying herons), the
// bulging upper body, the straight waist and the splayed foot, four pairs
// of braided handles; green patina in the hollows, bronze where worn.
#declare SunAz = 165; #declare SunEl = 38; #declare HazeDist = 1500; #declare HazeAlt = 60;
#declare SkyTop = rgb <0.14, 0.32, 0.64>;
#declare SkyLow = rgb <0.74, 0.78, 0.80>;
#declare SunTint = rgb <1.0, 0.94, 0.82>;
#declare SunPower = 1.35;
#declare FillPower = 0.4;
#include "atlas.inc"
#include "shapes.inc"
#declare fNoise = function { pattern { bozo } }

camera { location <-0.6, 2.05, -1.68> look_at <0.06, -0.05, 0.12> angle 48 }
SunAndSky()

// ---------------------------------------------------------------- the tympanum's design
// The design as a function of the position (X, Z) on the tympanum, in metres
// from its centre: 1 where the relief stands up, 0 in the ground between.
#declare PI2 = 2 * pi;
#declare fR = function(X, Z) { sqrt(X * X + Z * Z) }
#declare fT = function(X, Z) { atan2(Z, X) + pi }
#declare fFr = function(A) { A - floor(A) }
// Within a ring cut into N equal cells: the distance along the ring from
// the middle of the cell (U), and from the ring's middle line outwards (V).
#declare fU = function(X, Z, N) { (fFr(fT(X, Z) * N / PI2) - 0.5) * PI2 * fR(X, Z) / N }
#declare fCell = function(X, Z, N) { floor(fT(X, Z) * N / PI2) }
#declare fIn = function(R, R1, R2) { select(R - R1, 0, select(R - R2, 1, 0)) }
#declare fLine = function(R, R0, W) { select(abs(R - R0) - W, 1, 0) }
#declare fDisc = function(U, V, Ru, Rv) { select(pow(U / Ru, 2) + pow(V / Rv, 2) - 1, 1, 0) }
#declare fBar = function(U, V, U0, U1, V0, V1) { select(U - U0, 0, select(U - U1, select(V - V0, 0, select(V - V1, 1, 0)), 0)) }

// Motifs in cell coordinates.
// A circle with a dot in it (a band of tangent circles).
#declare mCirc = function(U, V, Rc, W) { max(select(abs(sqrt(U * U + V * V) - Rc) - W, 1, 0), select(sqrt(U * U + V * V) - W * 1.6, 1, 0)) }
// A heron in flight, head forward (+U), wings spread out and in.
#declare mHeron = function(U, V) {
  max(
    fDisc(U + 0.004, V, 0.022, 0.0055),
    fBar(U, V - 0.0015 - (U - 0.018) * 0.08, 0.018, 0.052, -0.0012, 0.0012),
    fDisc(U - 0.034, V - 0.0032, 0.0045, 0.0034),
    fBar(U, V + 0.0, -0.046, -0.024, -0.0009, 0.0009),
    fBar(U, V - 0.003, -0.046, -0.024, -0.0008, 0.0008),
    select(V - 0.003, 0, select(V - 0.024, select(abs(U - 0.004 + (V - 0.003) * 0.7) - 0.013 * (1 - (V - 0.003) / 0.024), 1, 0), 0)),
    select(-V - 0.003, 0, select(-V - 0.018, select(abs(U - 0.004 - (V + 0.003) * 0.7) - 0.011 * (1 - (-V - 0.003) / 0.018), 1, 0), 0))
  )
}
// A deer, running: body, legs, neck and head with antlers.
#declare mDeer = function(U, V) {
  max(
    fDisc(U, V, 0.019, 0.0065),
    fBar(U, V, -0.016, -0.013, -0.016, 0), fBar(U, V, -0.010, -0.007, -0.016, 0),
    fBar(U, V, 0.008, 0.011, -0.016, 0), fBar(U, V, 0.013, 0.016, -0.016, 0),
    fBar(U - (V - 0.003) * 0.55, V, 0.012, 0.018, 0.002, 0.014),
    fDisc(U - 0.023, V - 0.015, 0.0055, 0.003),
    fBar(U - (V - 0.017) * -0.3, V, 0.015, 0.017, 0.016, 0.026), fBar(U, V, 0.010, 0.020, 0.023, 0.0245)
  )
}
// A dancer in a tall feathered headdress, and a house on stilts with a
// saddle roof whose ends sweep up like a boat.
#declare mDancer = function(U, V) {
  max(
    fBar(U, V, -0.0025, 0.0025, -0.014, 0.006),
    fBar(U - (V + 0.014) * 0.4, V, -0.003, -0.0012, -0.026, -0.014), fBar(U + (V + 0.014) * 0.4, V, 0.0012, 0.003, -0.026, -0.014),
    fBar(U - V * 0.6, V, 0.0, 0.011, 0.0, 0.002),
    select(V - 0.007, 0, fDisc(U + 0.002, V - 0.016, 0.009, 0.012) * select(abs(fFr((U + 0.03) * 330) - 0.5) - 0.18, 0, 1))
  )
}
#declare mHouse = function(U, V) {
  max(
    select(V - 0.004, 0, select(V - 0.02, select(abs(U) - (0.018 + (V - 0.004) * 0.9), 1, 0), 0)) * (1 - fDisc(U, V - 0.013, 0.008, 0.004)),
    fBar(U, V, -0.022, 0.022, -0.002, 0.001),
    fBar(U, V, -0.014, -0.011, -0.026, 0), fBar(U, V, -0.002, 0.001, -0.026, 0), fBar(U, V, 0.011, 0.014, -0.026, 0),
    fDisc(U, V - 0.013, 0.003, 0.003)
  )
}
// The star at the centre: 14 points, with hatched wedges between them.
#declare mStar = function(R, T) {
  max(
    select(R - (0.022 + 0.076 * pow(1 - 2 * abs(fFr(T * 14 / PI2) - 0.5), 1.4)), 1, 0),
    select(R - 0.098, select(abs(fFr(T * 14 / PI2) - 0.5) - 0.36, 0, select(fFr(R * 260) - 0.3, 1, 0)), 0)
  )
}
// The whole design, ring by ring from the centre out.
#declare Tymp = function(X, Z) {
  max(
    select(fR(X, Z) - 0.1, mStar(fR(X, Z), fT(X, Z)), 0),
    fLine(fR(X, Z), 0.103, 0.0017), fLine(fR(X, Z), 0.108, 0.0017),
    fIn(fR(X, Z), 0.110, 0.124) * mCirc(fU(X, Z, 60), fR(X, Z) - 0.117, 0.0042, 0.0011),
    fLine(fR(X, Z), 0.127, 0.0017),
    fIn(fR(X, Z), 0.129, 0.139) * select(fFr(fT(X, Z) * 120 / PI2) - 0.4, 1, 0),
    fLine(fR(X, Z), 0.141, 0.0017), fLine(fR(X, Z), 0.145, 0.0017),
    fIn(fR(X, Z), 0.147, 0.205) * select(mod(fCell(X, Z, 20), 5) - 0.5,
      mHouse(fU(X, Z, 20), fR(X, Z) - 0.176),
      max(mDancer(fU(X, Z, 80), fR(X, Z) - 0.178), 0)),
    fLine(fR(X, Z), 0.208, 0.0017),
    fIn(fR(X, Z), 0.210, 0.224) * mCirc(fU(X, Z, 110), fR(X, Z) - 0.217, 0.0042, 0.0011),
    fLine(fR(X, Z), 0.227, 0.0017), fLine(fR(X, Z), 0.231, 0.0017),
    fIn(fR(X, Z), 0.233, 0.272) * mDeer(fU(X, Z, 20), fR(X, Z) - 0.255),
    fLine(fR(X, Z), 0.275, 0.0017),
    fIn(fR(X, Z), 0.277, 0.289) * select(fFr(fT(X, Z) * 200 / PI2 + fR(X, Z) * 60) - 0.45, 1, 0),
    fLine(fR(X, Z), 0.292, 0.0017), fLine(fR(X, Z), 0.296, 0.0017),
    fIn(fR(X, Z), 0.298, 0.356) * mHeron(fU(X, Z, 18), fR(X, Z) - 0.326),
    fLine(fR(X, Z), 0.359, 0.0017),
    fIn(fR(X, Z), 0.361, 0.374) * mCirc(fU(X, Z, 190), fR(X, Z) - 0.3675, 0.0042, 0.0011),
    fLine(fR(X, Z), 0.377, 0.0017), fLine(fR(X, Z), 0.381, 0.0017)
  )
}

// ---------------------------------------------------------------- bronze
#declare C_Bronze = rgb <0.48, 0.30, 0.11>;     // bright, where hands and cloths wore it
#declare C_OldBronze = rgb <0.17, 0.11, 0.055>;  // dark brown skin of old bronze
#declare C_Patina = rgb <0.10, 0.18, 0.13>;     // green in the hollows
#declare C_Crust = rgb <0.22, 0.34, 0.25>;      // pale green crust
#declare F_Bronze = finish { ambient 0.05 diffuse 0.72 specular 0.35 roughness 0.015 metallic 0.7 reflection 0.03 }
#declare F_Patina = finish { ambient 0.05 diffuse 0.78 specular 0.02 roughness 0.3 }
// Patches of pale crust over everything, thickest in the hollows.
#macro Crust(Amount)
  texture {
    pigment {
      bozo turbulence 0.8 octaves 6 scale 0.05
      color_map { [0 color rgbt 1] [1 - Amount color rgbt 1] [1 - Amount + 0.1 color rgbt <0.20, 0.32, 0.23, 0.45>] [1 color rgbt <0.24, 0.37, 0.27, 0.2>] }
    }
    finish { F_Patina }
  }
#end
// The tympanum: raised relief worn to bronze, the ground between green.
#declare N_Tymp = normal { function { Tymp(x, z) } 0.6 accuracy 0.0008 }
#declare T_Tymp = texture {
  function { Tymp(x, z) * (0.75 + 0.25 * fNoise(x * 60, 0, z * 60)) }
  texture_map {
    // the ground between the figures: matte green patina
    [0.0 pigment { granite scale 0.02 color_map { [0 color C_Patina] [1 color C_Patina * 0.6 + C_OldBronze * 0.4] } }
         normal { N_Tymp } finish { F_Patina }]
    [0.45 pigment { color C_OldBronze * 0.6 + C_Patina * 0.4 } normal { N_Tymp } finish { F_Patina }]
    // the relief: dark bronze, polished bright where most worn
    [0.55 pigment { color C_Bronze * 0.55 + C_OldBronze * 0.45 } normal { N_Tymp } finish { F_Bronze }]
    [1.0 pigment { color C_Bronze * 1.2 } normal { N_Tymp } finish { F_Bronze }]
  }
}
// Bands round the body: raised lines, hatching and circles, by height.
// The upper body: bands of hatching between raised lines. The waist:
// upright panels between grooved dividers. The foot: a few plain rings.
#declare fBand = function(X, Y, Z) {
  max(
    select(fFr(Y * 55) - 0.16, 1, 0),
    select(abs(fFr(Y * 55) - 0.58) - 0.22, select(fFr(fT(X, Z) * 180 / PI2) - 0.4, 1, 0), 0)
  )
}
#declare fPanel = function(X, Y, Z) {
  max(
    select(abs(fFr(fT(X, Z) * 8 / PI2) - 0.5) - 0.47, 0, select(fFr(fT(X, Z) * 240 / PI2) - 0.45, 1, 0)),
    fLine(Y, 0.34, 0.0025), fLine(Y, 0.33, 0.0025), fLine(Y, 0.18, 0.0025), fLine(Y, 0.19, 0.0025)
  )
}
#declare fBody = function(X, Y, Z) {
  select(Y - 0.155, max(fLine(Y, 0.05, 0.002), fLine(Y, 0.1, 0.002)),
    select(Y - 0.36, fPanel(X, Y, Z), fBand(X, Y, Z)))
}
#declare T_Body = texture {
  pigment {
    function { fBody(x, y, z) * (0.6 + 0.4 * fNoise(x * 20, y * 20, z * 20)) }
    color_map { [0 color C_OldBronze * 0.6 + C_Patina * 0.4] [0.5 color C_OldBronze] [1 color C_OldBronze * 0.7 + C_Bronze * 0.3] }
  }
  normal { function { fBody(x, y, z) } 0.4 accuracy 0.001 }
  finish { F_Bronze }
}
#declare T_Plain = texture {
  pigment { granite scale 0.1 color_map { [0 color C_OldBronze * 0.9] [1 color C_OldBronze * 0.7 + C_Patina * 0.3] } }
  normal { bumps 0.15 scale 0.01 }
  finish { F_Bronze }
}

// ---------------------------------------------------------------- the drum
#declare DH = 0.63;     // height
#declare DR = 0.395;    // radius of the tympanum
union {
  // upper body, waist and foot
  lathe {
    cubic_spline 14,
    <0.43, -0.03>,
    <0.392, 0.0>, <0.366, 0.022>, <0.332, 0.06>, <0.312, 0.11>, <0.304, 0.16>,
    <0.302, 0.24>, <0.307, 0.31>, <0.318, 0.36>,
    <0.365, 0.43>, <0.398, 0.50>, <0.392, 0.56>, <0.374, DH - 0.012>,
    <0.36, DH + 0.02>
    texture { T_Body } Crust(0.18)
  }
  // ridges: between the waist and the foot, and at the tympanum's rim
  torus { 0.305, 0.004 translate y * 0.155 texture { T_Plain } }
  torus { 0.318, 0.004 translate y * 0.36 texture { T_Plain } }
  // the tympanum, a little overhanging the body
  cylinder { y * (DH - 0.016), y * DH, DR texture { T_Tymp } }
  torus { DR - 0.002, 0.003 translate y * (DH - 0.003) texture { T_Plain } }
  // four pairs of braided handles where the upper body meets the waist
  #for (K, 0, 3)
    #for (S, -1, 1, 2)
      sphere_sweep {
        cubic_spline 6,
        <0.36, 0.52, 0>, 0.007,
        <0.388, 0.485, 0>, 0.007,
        <0.428, 0.455, 0>, 0.007,
        <0.43, 0.395, 0>, 0.007,
        <0.326, 0.362, 0>, 0.007,
        <0.29, 0.36, 0>, 0.007
        scale <1, 1, 2.4>
        texture {
          pigment { gradient y turbulence 0.0 scale 0.012 color_map { [0 color C_OldBronze * 0.6 + C_Patina * 0.4] [0.5 color C_OldBronze * 0.8 + C_Bronze * 0.2] [1 color C_OldBronze * 0.6 + C_Patina * 0.4] } }
          normal { gradient y 0.8 scale 0.012 rotate x * 35 }
          finish { F_Bronze }
        }
        rotate y * (45 + K * 90 + S * 6.5)
      }
    #end
  #end
}

// ---------------------------------------------------------------- the house
// A floor of broad hewn planks on the joists of the stilt house.
#declare T_Plank = texture {
  pigment {
    wood turbulence 0.06 octaves 4
    color_map { [0 rgb <0.34, 0.21, 0.11>] [0.6 rgb <0.42, 0.27, 0.15>] [1 rgb <0.30, 0.18, 0.10>] }
    scale <0.02, 0.02, 1> rotate y * 90
  }
  normal { wood 0.25 scale <0.02, 0.02, 1> rotate y * 90 }
  finish { ambient 0.05 diffuse 0.72 specular 0.06 roughness 0.08 }
}
#declare Rnd = seed(21);
#for (I, -12, 14)
  box { <-4, -0.06, I * 0.26 + 0.006>, <4, 0, (I + 1) * 0.26 - 0.006>
    texture { T_Plank translate <rand(Rnd) * 5, rand(Rnd) * 3, rand(Rnd) * 2> } }
#end
// the dark of the space under the house between the planks
box { <-4, -0.5, -4>, <4, -0.07, 4> pigment { rgb <0.08, 0.07, 0.05> } }
// A mat of plaited rush under the drum.
box { <-0.62, 0, -0.58>, <0.62, 0.006, 0.62>
  texture {
    pigment { checker color rgb <0.66, 0.55, 0.34>, color rgb <0.56, 0.44, 0.26> scale 0.018 rotate y * 45 }
    normal { quilted 0.5 scale 0.018 rotate y * 45 }
    finish { ambient 0.05 diffuse 0.72 }
  }
}
// The back wall of split bamboo, woven, on a timber sill; a window on the right.
#declare T_Weave = texture {
  pigment { checker color rgb <0.62, 0.52, 0.32>, color rgb <0.52, 0.42, 0.24> scale 0.05 }
  normal { quilted 0.7 scale 0.05 }
  finish { ambient 0.05 diffuse 0.7 }
}
difference {
  box { <-4, 0, 1.6>, <4, 3, 1.64> }
  box { <0.7, 0.8, 1.5>, <1.9, 1.7, 1.8> }
  texture { T_Weave }
}
box { <-4, 0, 1.56>, <4, 0.12, 1.66> texture { T_Plank } }
#for (X, -1.8, 2.4, 1.4)
  cylinder { <X, 0, 1.54>, <X, 3, 1.54>, 0.08 texture { T_Plank rotate z * 90 } }
#end
// Outside the window: bamboo and banana leaves in the sun.
#for (I, 0, 8)
  cylinder { <0.7 + I * 0.17, -1, 3.2 + mod(I, 3) * 0.4>, <0.8 + I * 0.16, 4, 3.5 + mod(I, 3) * 0.4>, 0.035
    pigment { rgb <0.36, 0.46, 0.16> } finish { ambient 0.1 diffuse 0.7 } }
#end
box { <-5, -3, 6>, <6, 8, 6.1> pigment { bozo scale 0.3 color_map { [0 rgb <0.20, 0.34, 0.10>] [1 rgb <0.36, 0.50, 0.16>] } } finish { ambient 0.1 diffuse 0.7 } }
// The side wall on the left, and the roof over all; the front, behind us,
// is open to a veranda where the sun comes in.
box { <-2.4, 0, -4>, <-2.36, 3, 1.6> texture { T_Weave rotate y * 90 } }
box { <-4, 2.4, -1.8>, <4, 2.6, 1.7> pigment { rgb <0.36, 0.28, 0.18> } }

// A pot of rice wine and a basket against the wall.
union {
  lathe { cubic_spline 7, <0, 0>, <0.12, 0>, <0.2, 0.12>, <0.17, 0.28>, <0.08, 0.36>, <0.09, 0.41>, <0.1, 0.43> }
  texture {
    pigment { granite scale 0.1 color_map { [0 rgb <0.52, 0.32, 0.20>] [1 rgb <0.62, 0.40, 0.25>] } }
    normal { bumps 0.2 scale 0.02 }
    finish { ambient 0.05 diffuse 0.72 specular 0.1 }
  }
  translate <-0.8, 0, 1.25>
}
difference {
  cone { 0, 0.15, y * 0.3, 0.2 }
  cone { y * 0.01, 0.14, y * 0.31, 0.19 }
  texture { T_Weave scale 0.3 }
  translate <0.9, 0, 1.2>
}
