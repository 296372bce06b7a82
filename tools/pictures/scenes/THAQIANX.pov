// The Qianxun pagoda of Dali: a square whitewashed brick pagoda of sixteen
// storeys, about 69 m, the tall first storey on a stone terrace, above it
// fifteen close-set corbelled eaves on a gently swelling, spindle-shaped
// outline, the bronze finial on top; behind it the Cangshan range, in the
// soft morning light off Erhai lake.
#declare SunAz = 232; #declare SunEl = 30; #declare HazeDist = 42000; #declare HazeAlt = 500;
#declare SkyLow = rgb <0.74, 0.79, 0.86>;
#declare SkyTop = rgb <0.12, 0.28, 0.62>;
#declare BouncePower = 0.35;
#include "atlas.inc"
#include "shapes.inc"

// The camera looks west (+z here) from the lake side, a little to the south.
camera { location <-34, 1.7, -150> look_at <0, 23, 0> angle 50 }
SunAndSky()
Clouds(2600, 0.30)
// Fields of the plain, green and stubble, in strips.
plane { y, 0
  texture {
    bozo turbulence 0.3 scale <70, 1, 30>
    texture_map { [0.0 T_DryGrass] [0.48 T_DryGrass] [0.52 T_Grass] [1.0 T_Grass] }
  }
}

// The Cangshan range: steep slopes rising from the plain a kilometre behind
// the pagoda to peaks nearly two kilometres above it, cut by stream valleys.
#declare MtN = function { pattern { bozo turbulence 0.4 octaves 6 omega 0.55 lambda 2.1 } }
#declare MtSize = 24000;
#declare MtH = 2300;
#declare MtZ0 = 3000;
#ifndef (NoMt) #declare NoMt = 0; #end
#if (!NoMt)
#declare MtR = function(T) { select(T, 0, select(T - 1, T * T * (3 - 2 * T), 1)) }
height_field {
  function 900, 900 {
    // x: along the range, y: away from the camera (0 near, 1 far).
    min(1, max(0, MtR(((1 - y) * MtSize - MtZ0) / 4600)
      * ((0.62 + 0.38 * MtN(x * 9, (1 - y) * 2, 3.1))
      * (0.58 + 0.42 * abs(MtN(x * 50, (1 - y) * 6, 1.3) * 2 - 1))
      + 0.05 * MtN(x * 110, (1 - y) * 110, 0.5))))
  }
  smooth
  translate <-0.5, 0, 0> scale <MtSize, MtH, MtSize> translate y * -2
  texture {
    gradient y
    turbulence 0.08
    texture_map {
      [0.00 pigment { granite scale 300 color_map { [0 rgb <0.05, 0.10, 0.03>] [0.6 rgb <0.08, 0.14, 0.05>] [1 rgb <0.14, 0.17, 0.08>] } } finish { ambient 0.02 diffuse 0.75 }]
      [0.50 pigment { granite scale 300 color_map { [0 rgb <0.07, 0.11, 0.04>] [0.6 rgb <0.11, 0.15, 0.07>] [1 rgb <0.18, 0.19, 0.12>] } } finish { ambient 0.02 diffuse 0.75 }]
      [0.70 pigment { granite scale 200 color_map { [0 rgb <0.17, 0.18, 0.13>] [1 rgb <0.28, 0.27, 0.23>] } } finish { ambient 0.02 diffuse 0.75 }]
      [0.85 pigment { granite scale 150 color_map { [0 rgb <0.35, 0.34, 0.33>] [1 rgb <0.50, 0.50, 0.50>] } } finish { ambient 0.04 diffuse 0.8 }]
      [0.91 pigment { granite scale 100 color_map { [0 rgb <0.80, 0.82, 0.86>] [1 rgb <0.92, 0.93, 0.96>] } } finish { ambient 0.06 diffuse 0.85 }]
    }
    scale MtH translate y * -30
  }
}
#end

// Whitewash over brick, streaked grey where the rain runs off the eaves.
#declare T_Whitewash = texture {
  pigment { granite scale 1.5 color_map { [0 rgb <0.96, 0.95, 0.91>] [1 rgb <0.90, 0.89, 0.84>] } }
  normal { bumps 0.12 scale 0.15 }
  finish { ambient 0.06 diffuse 0.76 }
}
texture {
  pigment {
    bozo turbulence 0.3 scale <0.35, 5, 0.35>
    color_map { [0.0 rgbt <0.50, 0.47, 0.40, 0.7>] [0.3 rgbt 1] [1.0 rgbt 1] }
  }
  finish { ambient 0.06 diffuse 0.76 }
}
#declare T_Bronze = texture {
  pigment { rgb <0.30, 0.27, 0.18> }
  finish { ambient 0.04 diffuse 0.55 specular 0.5 roughness 0.03 metallic }
}
#macro T_Step() texture { T_Granite } Courses(0.5, 1.6, 0) #end

// The stone terrace and the steps up from the east.
union {
  box { <-13, -0.5, -13>, <13, 1.1, 13> }
  box { <-9.2, 1.1, -9.2>, <9.2, 2.3, 9.2> }
  #for (I, 0, 5)
    box { <-2.5, -0.5, -13 - 2.2 + I * 0.4>, <2.5, 0.2 + I * 0.4, -13> }
  #end
  #for (I, 0, 2)
    box { <-2.2, 1.1, -9.2 - 1.2 + I * 0.4>, <2.2, 1.5 + I * 0.4, -9.2> }
  #end
  T_Step()
}

// The pagoda. Storey I (0 the tall first storey) has body width W(I);
// the outline swells a little above the first storey and draws in to the top.
#declare W = function(N) { 9.9 * (1 + 0.40 * (N / 15) - 0.90 * pow(N / 15, 2)) }
#declare Ey = array[17];
#declare Ey[0] = 3.5;          // top of the plinth
#declare Ey[1] = 16.4;         // the first eave
#for (I, 1, 15)
  #declare Ey[I + 1] = Ey[I] + 3.45 - 0.068 * (I - 1);
#end

// A corbelled eave over a body of half width S: courses stepping out to the
// overhang P, then stepping back in to the half width S2 of the storey above.
#macro Eave(S, P, S2, Y, H)
  union {
    #local Nout = 5;
    #local Nin = 4;
    #local Hc = H * 0.55 / Nout;
    #for (K, 0, Nout - 1)
      #local R = S + P * (K + 1) / Nout;
      box { <-R, Y + K * Hc, -R>, <R, Y + (K + 1) * Hc, R> }
    #end
    #local Y2 = Y + Nout * Hc;
    #local Hi = H * 0.45 / Nin;
    #for (K, 0, Nin - 1)
      #local R = S + P - (S + P - S2) * (K + 1) / (Nin + 0.6);
      box { <-R, Y2 + K * Hi, -R>, <R, Y2 + (K + 1) * Hi, R> }
    #end
  }
#end

// An arched niche cut into a face: width Wd, height Hd, its sill at Y,
// on the face at distance S from the axis, turned by Rot about y.
#macro Niche(Wd, Hd, Y, S, Rot)
  union {
    box { <-Wd / 2, Y, -S - 1>, <Wd / 2, Y + Hd - Wd / 2, -S + 0.35> }
    cylinder { <0, Y + Hd - Wd / 2, -S - 1>, <0, Y + Hd - Wd / 2, -S + 0.35>, Wd / 2 }
    rotate y * Rot
  }
#end

#declare Pagoda = union {
  // The plinth.
  box { <-6.2, 2.3, -6.2>, <6.2, 2.9, 6.2> texture { T_Granite } }
  box { <-5.6, 2.9, -5.6>, <5.6, 3.5, 5.6> texture { T_Granite } }
  // The first storey, with the arched doorway in the east face.
  difference {
    box { <-W(0) / 2, Ey[0], -W(0) / 2>, <W(0) / 2, Ey[1], W(0) / 2> }
    Niche(1.9, 3.6, Ey[0] + 5.8, W(0) / 2, 0)
    texture { T_Whitewash }
  }
  box { <-0.95, Ey[0] + 5.8, -W(0) / 2 + 0.3>, <0.95, Ey[0] + 9.4, -W(0) / 2 + 0.34> pigment { rgb 0.04 } }
  // A band of brick cornice under the first eave.
  box { <-W(0) / 2 - 0.12, Ey[1] - 0.9, -W(0) / 2 - 0.12>, <W(0) / 2 + 0.12, Ey[1] - 0.7, W(0) / 2 + 0.12> texture { T_Whitewash } }
  // The fifteen eaves and the short storeys between them.
  #for (I, 1, 16)
    #local S = W(I - 1) / 2;
    #local S2 = W(min(15, I)) / 2;
    #local H = Ey[min(16, I + 1)] - Ey[I];
    #if (I = 16) #local H = 2.6; #local S2 = S * 0.75; #end
    #local Eh = H * 0.62;
    object { Eave(S, 1.15 + 0.45 * S / 5, S2, Ey[I], Eh) texture { T_Whitewash } }
    #if (I < 16)
      // The body of the next storey, with a niche on alternating faces.
      difference {
        box { <-S2, Ey[I] + Eh - 0.01, -S2>, <S2, Ey[I + 1], S2> }
        #if (mod(I, 2) = 0)
          Niche(0.55, H * 0.34, Ey[I] + Eh + 0.05, S2, 0)
          Niche(0.55, H * 0.34, Ey[I] + Eh + 0.05, S2, 180)
        #else
          Niche(0.55, H * 0.34, Ey[I] + Eh + 0.05, S2, 90)
          Niche(0.55, H * 0.34, Ey[I] + Eh + 0.05, S2, 270)
        #end
        texture { T_Whitewash }
      }
      #if (mod(I, 2) = 0)
        box { <-0.28, Ey[I] + Eh + 0.05, -S2 + 0.3>, <0.28, Ey[I] + Eh + H * 0.34, -S2 + 0.33> pigment { rgb 0.05 } }
      #else
        box { <-S2 + 0.3, Ey[I] + Eh + 0.05, -0.28>, <-S2 + 0.33, Ey[I] + Eh + H * 0.34, 0.28> pigment { rgb 0.05 } }
      #end
    #end
  #end
  // The finial: a lotus seat, a bronze mast with rings, a canopy and a gourd.
  #local Yt = Ey[16] + 2.6;
  union {
    cylinder { <0, Yt - 0.1, 0>, <0, Yt + 0.6, 0>, 1.8 texture { T_Whitewash } }
    sphere { 0, 1 scale <1.7, 0.7, 1.7> translate y * (Yt + 0.9) }
    cylinder { <0, Yt + 1, 0>, <0, Yt + 6.2, 0>, 0.22 }
    #for (K, 0, 4)
      torus { 0.75 - K * 0.08, 0.14 translate y * (Yt + 1.9 + K * 0.55) }
    #end
    cone { <0, Yt + 4.9, 0>, 1.4, <0, Yt + 5.4, 0>, 0.5 }
    sphere { 0, 1 scale <0.55, 0.5, 0.55> translate y * (Yt + 5.8) }
    sphere { 0, 1 scale <0.36, 0.42, 0.36> translate y * (Yt + 6.6) }
    cone { <0, Yt + 6.9, 0>, 0.16, <0, Yt + 7.6, 0>, 0 }
    texture { T_Bronze }
  }
}
object { Pagoda }

// The plain: fields and paths, a few trees, people on the terrace.
box { <-3, -1, -260>, <3, 0.06, -15> texture { pigment { granite scale 0.4 color_map { [0 rgb <0.55, 0.50, 0.42>] [1 rgb <0.66, 0.60, 0.50>] } } finish { ambient 0.05 diffuse 0.7 } } }
#declare Rnd = seed(21);
#for (I, 0, 160)
  #declare P = <-900 + rand(Rnd) * 1800, 0, -60 + pow(rand(Rnd), 1.5) * 2400>;
  #if ((abs(P.x) > 30 | P.z > 60) & vlength(P - <-34, 0, -150>) > 120)
    object { Tree(9 + rand(Rnd) * 6, 4.5, I) translate P }
  #end
#end
object { Person(rgb <0.35, 0.30, 0.45>) translate <-3, 0, -18> }
object { Person(rgb <0.80, 0.70, 0.45>) translate <-1.5, 0, -20> }
object { Person(rgb <0.55, 0.25, 0.15>) translate <6, 1.1, -11> }
