// The great seated Buddha of the twentieth cave at Yungang, about 14 m,
// carved from the sandstone cliff under the Northern Wei about 460, open to
// the air since the front of its cave fell: the broad square shoulders, the
// robe over the left shoulder with its ridged folds, a flap over the right,
// the hands joined in the lap in meditation, the long ears and the topknot;
// on the curved back wall the head halo and the body halo with their rings
// and bands of flames and rows of little Buddhas; a worn standing Buddha
// at the side; round the opening the cliff with rows of small niches and
// the doors and windows of the neighbouring caves; morning sun.
#declare SunAz = 198; #declare SunEl = 33; #declare HazeDist = 3000; #declare HazeAlt = 200;
#declare SkyLow = rgb <0.72, 0.76, 0.82>;
#declare SkyTop = rgb <0.13, 0.30, 0.62>;
#include "atlas.inc"
#include "shapes.inc"

// The cliff faces south (-z); x runs east along it. The camera stands on the
// terrace before the cave, a little to the east.
// Close = 1 or 2 (povray Declare=Close=1): near views of the figure and of
// the head halo, for working on them.
#ifndef (Close) #declare Close = 0; #end
#if (Close = 2)
  camera { location <3.5, 12.5, -3> look_at <3.5, 12.5, 6> angle 60 }
#elseif (Close)
  camera { location <8, 1.7, -40> look_at <-0.5, 8, 3> angle 24 }
#else
  camera { location <8, 1.7, -40> look_at <-1, 7.5, 0> angle 56 }
#end
SunAndSky()
Clouds(2200, 0.25)

// Yungang sandstone: buff and grey-yellow, in horizontal beds, weathered.
#declare T_Yungang = texture {
  pigment {
    gradient y turbulence 0.3 octaves 4 scale 2.6
    color_map {
      [0.00 color rgb <0.56, 0.45, 0.32>]
      [0.30 color rgb <0.63, 0.51, 0.36>]
      [0.55 color rgb <0.50, 0.41, 0.30>]
      [0.75 color rgb <0.60, 0.48, 0.34>]
      [1.00 color rgb <0.56, 0.45, 0.32>]
    }
  }
  normal { granite 0.2 scale 0.6 }
  finish { F_Stone }
}
texture {
  pigment {
    bozo turbulence 0.7 octaves 5 scale <2.5, 4, 2.5>
    color_map { [0.0 color rgbt <0.36, 0.32, 0.27, 0.55>] [0.35 color rgbt 1] [1.0 color rgbt 1] }
  }
  finish { F_Stone }
}
// The figure's stone, a little smoother than the raw cliff.
#declare T_Figure = texture {
  pigment {
    bozo turbulence 0.5 scale 1.5
    color_map {
      [0.0 color rgb <0.60, 0.49, 0.35>]
      [0.5 color rgb <0.64, 0.53, 0.38>]
      [1.0 color rgb <0.54, 0.44, 0.32>]
    }
  }
  normal { granite 0.1 scale 0.5 }
  finish { ambient 0.06 diffuse 0.78 specular 0.03 roughness 0.2 }
}
texture {
  pigment {
    bozo turbulence 0.6 scale <1.2, 3, 1.2>
    color_map { [0.0 color rgbt <0.38, 0.33, 0.27, 0.6>] [0.3 color rgbt 1] [1.0 color rgbt 1] }
  }
  finish { ambient 0.06 diffuse 0.78 }
}
#declare T_Dark = texture { pigment { rgb <0.10, 0.08, 0.06> } finish { ambient 0.02 diffuse 0.5 } }

// The cave: an oval dome cut into the cliff, its front gone. Centre, radii.
#declare CvC = <0, 3.6, 0.6>;
#declare CvR = <10.4, 14.4, 7.0>;
// Depth of the back wall at (X, Y).
#declare CvCy = CvC.y; #declare CvCz = CvC.z;
#declare CvRx = CvR.x; #declare CvRy = CvR.y; #declare CvRz = CvR.z;
#declare BackZ = function(X, Y) {
  CvCz + CvRz * sqrt(max(0.0001, 1 - pow(X / CvRx, 2) - pow((Y - CvCy) / CvRy, 2)))
}

// The cliff, with the cave, the neighbouring caves and the rows of niches.
#declare CliffTop = 21.8;
#macro NicheCut(X, Y, W, H, D)
  union {
    box { <X - W / 2, Y, -1>, <X + W / 2, Y + H - W / 2, D> }
    cylinder { <X, Y + H - W / 2, -1>, <X, Y + H - W / 2, D>, W / 2 }
  }
#end
// A little seated Buddha, H high, facing -z.
#macro SmallBuddha(H)
  union {
    sphere { 0, 1 scale <H * 0.42, H * 0.2, H * 0.26> translate y * H * 0.18 }
    sphere { 0, 1 scale <H * 0.26, H * 0.30, H * 0.2> translate y * H * 0.48 }
    sphere { 0, 1 scale <H * 0.13, H * 0.15, H * 0.13> translate y * H * 0.86 }
  }
#end
// The small niches, in uneven rows, some lost to the weather: centre, size.
#declare NN = 0;
#declare NP = array[300];
#declare NS = array[300];
#declare Rnd = seed(4);
#macro AddNiche(X, Y, W)
  #declare NP[NN] = <X, Y, 0>; #declare NS[NN] = W; #declare NN = NN + 1;
#end
#for (S, -1, 1, 2)
  #for (R, 0, 6)
    #for (C, 0, 4)
      #local Xn = S * (12.6 + C * 1.8 + (rand(Rnd) - 0.5) * 0.3);
      #local Yn = 1.0 + R * 2.55 + (rand(Rnd) - 0.5) * 0.2;
      #local Keep = rand(Rnd);
      // Leave room for the windows of the next caves.
      #if (Keep > 0.18 & !(abs(Xn) > 19.2))
        AddNiche(Xn, Yn, 1.25 + rand(Rnd) * 0.35)
      #end
    #end
  #end
#end
#for (C, 0, 9)
  #local Keep = rand(Rnd);
  #if (Keep > 0.2)
    AddNiche(-8.6 + C * 1.9, 18.5 + (rand(Rnd) - 0.5) * 0.15, 1.05 + rand(Rnd) * 0.2)
  #end
#end
#macro T_Cliff()
  texture { T_Yungang normal { granite 0.5 scale 2.5 } }
  texture {
    pigment {
      bozo turbulence 0.4 scale <1.2, 9, 1.2>
      color_map { [0.0 color rgbt <0.30, 0.26, 0.22, 0.5>] [0.25 color rgbt 1] [1.0 color rgbt 1] }
    }
    finish { F_Stone }
  }
#end
difference {
  box { <-120, -2, 0>, <120, CliffTop, 60> }
  // The great cave.
  sphere { 0, 1 scale CvR translate CvC }
  box { <-CvR.x * 0.98, -3, -1>, <CvR.x * 0.98, CvC.y, CvC.z + CvR.z * 0.98> }
  // The doors and windows of the caves to the east and west.
  #for (S, -1, 1, 2)
    NicheCut(S * 23.5, 0, 4.2, 6.5, 4)
    NicheCut(S * 23.5, 9.0, 5.0, 6.2, 4)
    NicheCut(S * 38, 0, 3.4, 5.2, 4)
    NicheCut(S * 38, 7.5, 4.0, 5.2, 4)
  #end
  #for (K, 0, NN - 1)
    NicheCut(NP[K].x, NP[K].y, NS[K], NS[K] * 1.3, 0.7)
  #end
  // Holes for the beams of the wooden front that once sheltered the caves.
  #for (K, -12, 12)
    box { <K * 3.6 - 0.3, 20.4, -1>, <K * 3.6 + 0.3, 20.9, 0.8> }
  #end
  T_Cliff()
}
// The little Buddhas in the niches.
union {
  #for (K, 0, NN - 1)
    object { SmallBuddha(NS[K] * 0.9) translate <NP[K].x, NP[K].y + 0.05, 0.5> }
  #end
  texture { T_Yungang }
}
// The dark inside of the neighbouring caves.
#for (S, -1, 1, 2)
  box { <S * 23.5 - 3, -1, 3.9>, <S * 23.5 + 3, 17, 4.1> texture { T_Dark } }
  box { <S * 38 - 2.5, -1, 3.9>, <S * 38 + 2.5, 14, 4.1> texture { T_Dark } }
#end
// The loess slope above the cliff, with scrub, and the terrace before it.
#declare T_Loess = texture {
  pigment { granite scale 4 color_map { [0 rgb <0.56, 0.44, 0.30>] [1 rgb <0.64, 0.51, 0.35>] } }
  normal { bumps 0.5 scale 1.5 } finish { F_Ground }
}
#declare HillN = function { pattern { bozo turbulence 0.6 octaves 5 scale 0.08 } }
height_field {
  function 300, 300 { min(1, (1 - y) * 4) * (0.4 + 0.6 * HillN(x, 0, y)) }
  smooth translate <-0.5, 0, 0> scale <400, 16, 120> translate <0, CliffTop - 0.05, 0>
  texture { T_Loess }
}
plane { y, 0
  texture { pigment { granite scale 1.5 color_map { [0 rgb <0.58, 0.48, 0.35>] [1 rgb <0.66, 0.55, 0.40>] } } normal { bumps 0.3 scale <2, 1, 1> } finish { F_Ground } } }

// Raised relief on the back wall: the part of a shell of thickness T
// standing out from the back wall inside a ring between radii R0 and R1
// about the point (X, Y).
#macro Band(X, Y, R0, R1, T)
  intersection {
    sphere { 0, 1 scale CvR + 0.3 translate CvC }
    #if (T > 0) #local Inner = CvR - T; #else #local Inner = CvR; #end
    sphere { 0, 1 scale Inner translate CvC inverse }
    plane { -z, -(CvCz + 1) }
    cylinder { <X, Y, -20>, <X, Y, 40>, R1 }
    #if (R0 > 0) cylinder { <X, Y, -21>, <X, Y, 41>, R0 inverse } #end
  }
#end
// A tongue of flame on the back wall at angle A about (X, Y), radius R.
#macro Flame(X, Y, R, A, L, Off)
  // A tongue from a rounded foot, curling to one side to a point; each
  // point of it laid on the curved back wall.
  #local U = array[5] { -0.15, 0.15, 0.5, 0.85, 1.05 }
  #local V = array[5] { 0.0, 0.0, 0.08, 0.32, 0.62 }
  #local W = array[5] { 0.15, 0.17, 0.11, 0.05, 0.01 }
  #local Ca = cos(radians(A - 20)); #local Sa = sin(radians(A - 20));
  #local Bx = X + R * cos(radians(A)); #local By = Y + R * sin(radians(A));
  sphere_sweep { cubic_spline 5,
    #for (K, 0, 4)
      #local Px = Bx + L * (U[K] * Ca - V[K] * Sa);
      #local Py = By + L * (U[K] * Sa + V[K] * Ca);
      <Px, Py, BackZ(Px, Py) - Off>, L * W[K]
    #end
  }
#end

// The head halo and the body halo.
#declare HeadC = <0, 10.9>;
#declare Halos = union {
  // Body halo: a pointed oval round the whole figure, in bands.
  intersection {
    union {
      Band(0, 4.5, 0, 9.4, 0.22)
    }
    box { <-20, 0.5, -20>, <20, 30, 40> }
  }
  // Its outer band of flames.
  #for (K, 0, 69)
    #local A = 6 + K * 2.4;
    Flame(0, 4.5, 8.9, A, 1.3, 0.38)
  #end
  // A band of little Buddhas inside it.
  #for (K, 0, 21)
    #local A = 12 + K * 7.5;
    #local Px = 7.7 * cos(radians(A)); #local Py = 4.5 + 7.7 * sin(radians(A));
    #if (Py > 1.5)
      object { SmallBuddha(0.95) translate <Px, Py - 0.45, BackZ(Px, Py) - 0.35> }
    #end
  #end
  Band(0, 4.5, 6.8, 7.0, 0.42)
  // The head halo: rings and a band of flames.
  Band(HeadC.x, HeadC.y, 0, 4.6, 0.45)
  Band(HeadC.x, HeadC.y, 4.3, 4.6, 0.62)
  Band(HeadC.x, HeadC.y, 2.9, 3.1, 0.62)
  #for (K, 0, 53)
    #local A = K * 360 / 54;
    Flame(HeadC.x, HeadC.y, 3.2, A, 1.05, 0.66)
  #end
  // A lotus of petals round the centre.
  #for (K, 0, 17)
    #local A = K * 20;
    #local Px = HeadC.x + 2.5 * cos(radians(A)); #local Py = HeadC.y + 2.5 * sin(radians(A));
    sphere { 0, 1 scale <0.55, 0.24, 0.2> rotate z * A translate <Px, Py, BackZ(Px, Py) - 0.5> }
  #end
}
object { Halos texture { T_Yungang } }

// The seated Buddha. Its components are given by the radii they show: at
// threshold 0.5 a blob component of strength 4 shows 0.80 of its radius.
#declare Bk = 1 / 0.804;
#macro BE(C, R)
  sphere { 0, Bk, 4 scale R translate C }
#end
#macro BC(P0, P1, R)
  cylinder { P0, P1, R * Bk, 4 }
#end
#declare Fz = 3.0;   // depth of the figure's axis
#declare BuddhaBody = blob {
  threshold 0.5
  // The crossed legs under the robe, the knees spread wide.
  BE(<0, 1.35, Fz - 2.0>, <5.8, 1.35, 2.4>)
  BE(<-5.6, 1.3, Fz - 2.4>, <1.5, 1.3, 1.6>)
  BE(< 5.6, 1.3, Fz - 2.4>, <1.5, 1.3, 1.6>)
  BC(<-5.4, 1.9, Fz - 3.2>, < 2.8, 2.3, Fz - 2.9>, 0.95)
  BC(< 5.4, 1.9, Fz - 3.2>, <-2.8, 2.4, Fz - 2.4>, 0.9)
  // Waist, chest and the broad, square shoulders.
  BE(<0, 3.6, Fz>, <3.0, 1.6, 1.9>)
  BE(<0, 6.0, Fz + 0.1>, <3.5, 2.3, 1.8>)
  BE(<0, 7.45, Fz + 0.3>, <4.4, 1.05, 1.6>)
  BE(<-4.1, 7.05, Fz + 0.3>, <1.35, 1.4, 1.5>)
  BE(< 4.1, 7.05, Fz + 0.3>, <1.35, 1.4, 1.5>)
  // The arms, down to the elbows and in to the lap.
  BC(<-4.4, 6.8, Fz + 0.3>, <-5.3, 4.5, Fz - 0.3>, 1.15)
  BC(< 4.4, 6.8, Fz + 0.3>, < 5.3, 4.5, Fz - 0.3>, 1.15)
  BE(<-5.4, 4.4, Fz - 0.4>, <1.1, 1.0, 1.1>)
  BE(< 5.4, 4.4, Fz - 0.4>, <1.1, 1.0, 1.1>)
  BC(<-5.3, 4.2, Fz - 0.8>, <-1.4, 3.0, Fz - 2.7>, 0.85)
  BC(< 5.3, 4.2, Fz - 0.8>, < 1.4, 3.0, Fz - 2.7>, 0.85)
  // The hands, one upon the other in the lap, the thumbs touching.
  BE(<0, 3.0, Fz - 2.8>, <1.9, 0.5, 0.9>)
  // The neck.
  BC(<0, 7.8, Fz + 0.4>, <0, 9.2, Fz + 0.5>, 1.1)
}
// Ridged folds of the robe: raised lines running from the left shoulder
// across the chest under the right arm, and round the arms and legs.
#declare FoldN = normal {
  gradient <0.64, -0.77, 0> 1.4 triangle_wave scale 0.55 turbulence 0.04
}
object { BuddhaBody texture { T_Figure normal { FoldN } } }

// The robe's edges: a broad hem from the left shoulder down across the
// chest, and the flap hanging over the right shoulder.
#declare ChestZ = function(U, V) {
  min(Fz + 0.1 - 1.8 * sqrt(max(0.0001, 1 - pow(U / 3.5, 2) - pow((V - 6.0) / 2.3, 2))),
      Fz - 1.9 * sqrt(max(0.0001, 1 - pow(U / 3.0, 2) - pow((V - 3.6) / 1.6, 2))))
}
#declare LapZ = function(U, V) {
  min(Fz - 2.0 - 2.4 * sqrt(max(0.0001, 1 - pow(U / 5.8, 2) - pow((V - 1.35) / 1.35, 2))),
  min(Fz - 2.4 - 1.6 * sqrt(max(0.0001, 1 - pow((U + 5.6) / 1.5, 2) - pow((V - 1.3) / 1.3, 2))),
      Fz - 2.4 - 1.6 * sqrt(max(0.0001, 1 - pow((U - 5.6) / 1.5, 2) - pow((V - 1.3) / 1.3, 2)))))
}
#declare Hem = array[6] { <1.5, 8.2>, <1.1, 7.3>, <-0.2, 6.0>, <-1.5, 5.0>, <-2.5, 4.2>, <-3.0, 3.5> }
union {
  sphere_sweep { cubic_spline 6,
    #for (K, 0, 5)
      <Hem[K].x, Hem[K].y, ChestZ(Hem[K].x, Hem[K].y) - 0.08>, 0.17
    #end
  }
  // The ridged folds below it, over the left breast and down to the waist.
  #for (F, 1, 6)
    #local D = F * 0.62;
    sphere_sweep { cubic_spline 6,
      #for (K, 0, 5)
        #local Px = Hem[K].x + D * 0.72; #local Py = Hem[K].y - D * 0.69 + F * 0.12;
        <Px, Py, ChestZ(Px, Py) - 0.1>, 0.09
      #end
    }
  #end
  // Folds of the robe over the shins, sagging between the knees.
  #for (F, 0, 3)
    sphere_sweep { cubic_spline 7,
      #for (K, 0, 6)
        #local Px = (K - 3) * 2.0 * (1 - F * 0.06);
        #local Py = 2.3 - F * 0.42 - 0.35 * (1 - pow(Px / 6.2, 2));
        <Px, Py, LapZ(Px, Py) - 0.08>, 0.085
      #end
    }
  #end
  // The flap over the right shoulder.
  intersection {
    sphere { 0, 1 scale <1.55, 1.57, 1.67> translate <-4.1, 7.1, Fz + 0.3> }
    plane { -y, -6.1 }
  }
  torus { 1.42, 0.08 translate <-4.1, 6.12, Fz + 0.3> }
  texture { T_Figure }
}
// The head, large and broad-faced, drawn from the chin up.
#macro HeadScale() translate <0, -8.7, -Hz> scale 1.2 translate <0, 8.7, Hz> #end
#declare Hz = Fz + 0.5;
union {
// The full face, the long ears, the smooth hair and the topknot.
blob {
  threshold 0.5
  BE(<0, 10.45, Hz>, <1.75, 1.95, 1.75>)
  BE(<0, 9.6, Hz - 0.3>, <1.45, 1.15, 1.4>)
  // The chin and the nose: a high straight bridge, a broad tip.
  BE(<0, 8.85, Hz - 1.3>, <0.55, 0.35, 0.3>)
  BE(<0, 10.55, Hz - 1.72>, <0.2, 0.5, 0.22>)
  BE(<0, 10.02, Hz - 1.8>, <0.3, 0.22, 0.25>)
  BE(<-0.26, 9.98, Hz - 1.62>, <0.16, 0.14, 0.16>)
  BE(< 0.26, 9.98, Hz - 1.62>, <0.16, 0.14, 0.16>)
  // The full lips.
  BE(<0, 9.43, Hz - 1.66>, <0.42, 0.1, 0.14>)
  BE(<0, 9.25, Hz - 1.64>, <0.34, 0.1, 0.14>)
  // Ears with the long lobes.
  #for (S, -1, 1, 2)
    BE(<S * 1.75, 9.9, Hz + 0.3>, <0.28, 1.3, 0.5>)
  #end
  texture { T_Figure }
}
// The hair, a smooth cap with a clear line over the brow, and the broad,
// low topknot.
intersection {
  sphere { 0, 1 scale <1.86, 2.02, 1.86> translate <0, 10.5, Hz + 0.02> }
  plane { -y, 0 rotate x * 20 translate <0, 11.0, Hz> }
  texture { T_Figure }
}
sphere { 0, 1 scale <1.12, 0.82, 1.12> translate <0, 12.45, Hz + 0.15> texture { T_Figure } }
union {
  // The brows, in long arcs.
  #for (S, -1, 1, 2)
    intersection {
      torus { 0.62, 0.06 rotate x * 90 }
      plane { -y, -0.25 }
      translate <S * 0.68, 10.55, Hz - 1.55>
    }
    // The upper lids, heavy over the long, lowered eyes.
    sphere { 0, 1 scale <0.46, 0.1, 0.09> rotate z * S * 7 translate <S * 0.68, 10.58, Hz - 1.56> }
  #end
  texture { T_Figure }
}
// The eye slits and the line of the mouth, in shadow.
union {
  #for (S, -1, 1, 2)
    sphere { 0, 1 scale <0.42, 0.045, 0.08> rotate z * S * 7 translate <S * 0.68, 10.47, Hz - 1.6> }
  #end
  // The mouth, its corners turned up a little.
  sphere_sweep { cubic_spline 5, <-0.5, 9.42, Hz - 1.66>, 0.01, <-0.38, 9.37, Hz - 1.76>, 0.022,
    <0, 9.34, Hz - 1.8>, 0.026, <0.38, 9.37, Hz - 1.76>, 0.022, <0.5, 9.42, Hz - 1.66>, 0.01 }
  texture { pigment { rgb <0.26, 0.21, 0.16> } finish { ambient 0.02 diffuse 0.5 } }
}

  HeadScale()
}
// The standing Buddha at the west side of the cave, worn by the weather:
// the robe falling in a bell to the feet, the hands broken away.
#declare SbX = -8.5; #declare SbZ = 3.6;
union {
  blob {
    threshold 0.5
    // The robe from the shoulders to the hem, flaring a little at the feet.
    BC(<SbX, 1.3, SbZ>, <SbX, 5.8, SbZ>, 1.15)
    BE(<SbX, 1.0, SbZ - 0.1>, <1.45, 0.95, 0.95>)
    BE(<SbX, 6.4, SbZ>, <1.7, 0.95, 0.85>)
    // Shoulders and the arms: the right raised before the chest, the left
    // hanging, holding the hem of the robe.
    BE(<SbX - 1.55, 6.6, SbZ>, <0.6, 0.6, 0.62>)
    BE(<SbX + 1.55, 6.6, SbZ>, <0.6, 0.6, 0.62>)
    BC(<SbX - 1.7, 6.4, SbZ>, <SbX - 1.7, 4.6, SbZ - 0.1>, 0.45)
    BC(<SbX - 1.7, 4.6, SbZ - 0.1>, <SbX - 1.2, 5.6, SbZ - 0.9>, 0.38)
    BC(<SbX + 1.7, 6.4, SbZ>, <SbX + 1.6, 3.6, SbZ - 0.3>, 0.45)
    BC(<SbX, 7.0, SbZ + 0.1>, <SbX, 7.7, SbZ + 0.1>, 0.5)
  }
  // The head and its topknot.
  sphere { 0, 1 scale <0.82, 0.98, 0.82> translate <SbX, 8.5, SbZ> }
  sphere { 0, 1 scale <0.48, 0.4, 0.48> translate <SbX, 9.45, SbZ + 0.05> }
  // The feet and the lotus under them.
  cylinder { <SbX, 0.2, SbZ>, <SbX, 0.55, SbZ>, 1.5 }
  texture { T_Figure normal { gradient y 0.6 triangle_wave scale 0.55 } }
}
object { Band(SbX, 8.5, 0, 2.1, 0.3) texture { T_Yungang } }
object { Band(SbX, 8.5, 1.9, 2.1, 0.5) texture { T_Yungang } }

// A low base under the seated figure.
box { <-8.4, -0.5, -1.6>, <8.4, 0.4, 7> texture { T_Yungang } }

// Monks and pilgrims on the terrace, for the size of it.
object { Person(rgb <0.62, 0.32, 0.16>) translate <-2.5, 0, -3.2> }
object { Person(rgb <0.55, 0.45, 0.30>) translate <-1.7, 0, -3.6> }
object { Person(rgb <0.30, 0.28, 0.26>) translate <6.0, 0, -5> }
