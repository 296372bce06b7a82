// The Great Stupa at Sanchi about the turn of the era, in the afternoon:
// the stone-cased dome on its raised terrace with the railed walkway and the
// double stair, the harmika and its three umbrellas, the railing round the
// ground path and the southern gateway with its three architraves.
#declare SunAz = 218; #declare SunEl = 36; #declare HazeDist = 2600; #declare HazeAlt = 120;
#declare SkyTop = rgb <0.14, 0.30, 0.62>;
#declare SkyLow = rgb <0.78, 0.76, 0.70>;
#declare SunTint = rgb <1.0, 0.90, 0.76>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <15, 1.6, -51> look_at <0.5, 6.4, -8> angle 60 }
SunAndSky()
Clouds(1800, 0.25)

// Buff-grey sandstone of the casing, the railings and the gateway.
#declare T_Sanchi = StoneTex(rgb <0.80, 0.68, 0.56>, rgb <0.86, 0.75, 0.62>, rgb <0.70, 0.59, 0.48>, 0.7)
#declare T_Relief = texture {
  pigment { rgb <0.76, 0.64, 0.52> }
  normal { granite 0.9 scale 0.12 }
  finish { F_Stone }
}

// ---------------------------------------------------------------- the hill
// The flat top of the hill, falling away beyond the stupa to the plain.
#declare HillN = function { pattern { bozo turbulence 0.5 scale 0.08 } }
height_field {
  function 400, 400 {
    (60 - 60 * pow(min(1, max(0, (sqrt((x - 0.5) * (x - 0.5) + (y - 0.5) * (y - 0.5)) - 0.12) / 0.32)), 1.6)
     + HillN(x, 0, y) * 2.5) / 63
  }
  smooth translate <-0.5, 0, -0.5> scale <1400, 63, 1400> translate <0, -60.6, 250>
  texture {
    pigment {
      bozo turbulence 0.8 scale 6
      color_map {
        [0.0 color rgb <0.52, 0.42, 0.28>]
        [0.4 color rgb <0.60, 0.50, 0.32>]
        [0.7 color rgb <0.48, 0.45, 0.26>]
        [1.0 color rgb <0.56, 0.40, 0.27>]
      }
    }
    normal { granite 0.4 scale 0.5 }
    finish { F_Ground }
  }
  // patches of dry grass
  texture {
    pigment {
      bozo turbulence 1.0 octaves 6 scale <0.012, 1, 0.012>
      color_map {
        [0.0 color rgbt <0.42, 0.40, 0.20, 0.2>]
        [0.35 color rgbt <0.50, 0.46, 0.24, 0.5>]
        [0.55 color rgbt 1]
        [1.0 color rgbt 1]
      }
    }
    normal { granite 0.6 scale 0.005 }
    finish { F_Ground }
  }
}
// The plain of the Betwa far below and the low hills beyond.
plane { y, -60 texture { T_DryGrass scale 8 } }
FarHills(T_DryGrass, 12000, 220, 0.13, 5)

// Paving of the ground path inside the railing.
cylinder { <0, -0.2, 0>, <0, 0.08, 0>, 25.2
  texture {
    pigment { granite scale 1.5 color_map { [0 rgb <0.62, 0.56, 0.47>] [1 rgb <0.70, 0.64, 0.54>] } }
    normal { bumps 0.2 scale 0.4 }
    finish { F_Stone }
  }
  texture {
    pigment { brick color rgbt <0.3, 0.26, 0.2, 0.5>, color rgbt 1 brick_size <1.2, 1.2, 0.8> mortar 0.04 }
    finish { F_Stone }
  }
}

// ---------------------------------------------------------------- the stupa
#declare MedhiR = 20.0;
#declare MedhiH = 4.3;
#declare DomeR = 19.4;      // a sphere centred below the terrace: a low dome
#declare DomeC = -2.9;
#declare DomeTop = 15.9;    // the dome is flattened for the harmika
union {
  // The terrace drum.
  cylinder { <0, 0, 0>, <0, MedhiH, 0>, MedhiR }
  // Its coping, a little proud of the drum.
  cylinder { <0, MedhiH - 0.35, 0>, <0, MedhiH, 0>, MedhiR + 0.25 }
  // The dome.
  intersection {
    sphere { <0, DomeC, 0>, DomeR }
    plane { -y, -MedhiH + 0.01 }
    plane { y, DomeTop }
  }
  texture { T_Sanchi }
  texture { pigment { granite scale 3 color_map { [0 rgbt <0.35, 0.32, 0.26, 0.75>] [0.5 rgbt 1] [1 rgbt 1] } } finish { F_Stone } }
}
// Courses of the stone casing on the drum.
cylinder { <0, 0.05, 0>, <0, MedhiH - 0.4, 0>, MedhiR + 0.01
  texture { T_Sanchi }
  texture {
    pigment { gradient y color_map { [0 rgbt <0.2, 0.18, 0.15, 0.45>] [0.08 rgbt 1] [1 rgbt 1] } scale 0.55 }
    finish { F_Stone }
  }
}

// A stone railing (vedika) on a circle of radius R: octagonal posts joined by
// three lens-shaped crossbars, under a round-topped coping. From angle A0 to
// A1 (degrees about the centre, 0 = south), posts about Step degrees apart.
#macro Vedika(R, H, Post, A0, A1, Step)
  #local N = max(1, int((A1 - A0) / Step + 0.5));
  #local DA = (A1 - A0) / N;
  #local L = 2 * R * Sind(DA / 2) + 0.02;
  #local Rc = R * Cosd(DA / 2);
  #local CopH = H * 0.16;
  union {
    #for (I, 0, N)
      intersection {
        box { <-Post / 2, 0, -Post / 2>, <Post / 2, H - CopH * 0.5, Post / 2> }
        box { <-Post / 2, -1, -Post / 2>, <Post / 2, H, Post / 2> rotate y * 45 scale <0.83, 1, 0.83> }
        translate <0, 0, -R> rotate y * (A0 + I * DA)
      }
    #end
    #for (I, 0, N - 1)
      union {
        #for (K, 0, 2)
          cylinder { <-L / 2, 0, 0>, <L / 2, 0, 0>, H * 0.11 scale <1, 1, 0.28> translate y * (H * (0.2 + K * 0.23)) }
        #end
        box { <-L / 2, H - CopH, -Post * 0.42>, <L / 2, H - CopH * 0.35, Post * 0.42> }
        cylinder { <-L / 2, 0, 0>, <L / 2, 0, 0>, Post * 0.42 scale <1, CopH * 0.9 / Post, 1> translate y * (H - CopH * 0.35) }
        translate z * -Rc rotate y * (A0 + (I + 0.5) * DA)
      }
    #end
  }
#end

// A short straight railing from P0 to P1 on the ground (x-z), in the same manner.
#macro VedikaLine(P0, P1, H, Post)
  #local D = P1 - P0;
  #local Len = vlength(D);
  #local N = max(1, int(Len / 1.3 + 0.5));
  #local Ang = degrees(atan2(-D.z, D.x));
  union {
    #for (I, 0, N)
      intersection {
        box { <-Post / 2, 0, -Post / 2>, <Post / 2, H * 0.92, Post / 2> }
        box { <-Post / 2, -1, -Post / 2>, <Post / 2, H, Post / 2> rotate y * 45 scale <0.83, 1, 0.83> }
        translate x * (I * Len / N)
      }
    #end
    #for (K, 0, 2)
      cylinder { <0, 0, 0>, <Len, 0, 0>, H * 0.11 scale <1, 1, 0.28> translate y * (H * (0.2 + K * 0.23)) }
    #end
    box { <-Post * 0.4, H * 0.84, -Post * 0.42>, <Len + Post * 0.4, H * 0.94, Post * 0.42> }
    cylinder { <-Post * 0.4, 0, 0>, <Len + Post * 0.4, 0, 0>, Post * 0.42 scale <1, 0.34, 1> translate y * H * 0.94 }
    rotate y * Ang translate P0
  }
#end

// The ground railing round the path, 3.2 m high, with the southern opening,
// and the short return wall that turns the entrance aside.
object { Vedika(25.5, 3.2, 0.5, 8, 352, 2.9) texture { T_Sanchi } }
// The railing of the walkway on top of the terrace, with the gap for the stair.
object { Vedika(MedhiR - 0.3, 1.4, 0.32, 5, 355, 2.2) translate y * MedhiH texture { T_Sanchi } }

// The double stair on the south: two flights rising from east and west
// along the drum to a landing in the middle, with their own railings.
#declare StairW = 1.8;
#declare StairL = 10;
#declare Zs = -MedhiR - StairW / 2 - 0.05;
union {
  // the landing
  box { <-2.2, 0, -MedhiR - StairW - 0.1>, <2.2, MedhiH, -MedhiR + 5> }
  #for (S, -1, 1, 2)
    #for (K, 0, 17)
      #declare Hs = MedhiH * (K + 1) / 18;
      box { <S * 2.2, 0, -MedhiR - StairW - 0.1>, <S * (2.2 + StairL * (18 - K) / 18), Hs, -MedhiR + 5> }
    #end
  #end
  texture { T_Sanchi }
}
// Sloping balustrades along the outer edge of the flights.
#declare StairRail = union {
  #for (I, 0, 8)
    #declare Xp = 2.2 + I * StairL / 8;
    #declare Yp = MedhiH * (1 - (I * StairL / 8) / StairL);
    box { <Xp - 0.15, Yp, -0.15>, <Xp + 0.15, Yp + 1.15, 0.15> }
  #end
  #for (K, 0, 1)
    cylinder { <2.2, MedhiH + 0.35 + K * 0.4, 0>, <2.2 + StairL, 0.35 + K * 0.4, 0>, 0.1 scale <1, 1, 0.5> }
  #end
  cylinder { <2.0, MedhiH + 1.2, 0>, <2.2 + StairL + 0.2, 1.2, 0>, 0.17 }
}
object { StairRail translate z * (-MedhiR - StairW) texture { T_Sanchi } }
object { StairRail scale <-1, 1, 1> translate z * (-MedhiR - StairW) texture { T_Sanchi } }
object { VedikaLine(<-2.2, 0, -MedhiR - StairW>, <2.2, 0, -MedhiR - StairW>, 1.2, 0.3) translate y * MedhiH texture { T_Sanchi } }

// The harmika: a square railing on a plinth on the flat top of the dome, and
// the shaft with its three umbrellas.
#declare Hk = 2.3;
union {
  box { <-Hk - 0.3, DomeTop - 1.5, -Hk - 0.3>, <Hk + 0.3, DomeTop + 0.4, Hk + 0.3> }
  #for (S, 0, 3)
    object { VedikaLine(<-Hk, 0, -Hk>, <Hk, 0, -Hk>, 1.6, 0.3) rotate y * (S * 90) translate y * (DomeTop + 0.4) }
  #end
  box { <-Hk + 0.3, DomeTop + 0.4, -Hk + 0.3>, <Hk - 0.3, DomeTop + 1.2, Hk - 0.3> }
  cylinder { y * DomeTop, y * (DomeTop + 7.2), 0.28 }
  #for (K, 0, 2)
    #declare Yc = DomeTop + 3.0 + K * 1.35;
    #declare Rcu = 1.9 - K * 0.42;
    union {
      cone { y * Yc, Rcu, y * (Yc + 0.2), Rcu * 0.85 }
      cylinder { y * (Yc - 0.1), y * Yc, Rcu }
    }
  #end
  texture { T_Sanchi }
}

// ---------------------------------------------------------------- the gateway
// Two square pillars with capitals, three gently curved architraves whose ends
// roll up into volutes, square dies between them in line with the pillars,
// the wheel of the Law on top and the three jewels over the pillars.
#declare Px = 1.65;       // pillar centres
#declare Pw = 0.72;
#declare ShaftH = 4.7;
#declare ArchL = 4.35;    // half length of the architraves
#macro Architrave(Y, Th)
  union {
    intersection {
      difference {
        cylinder { <0, Y + 42, -0.32>, <0, Y + 42, 0.32>, 42 }
        cylinder { <0, Y + 42, -1>, <0, Y + 42, 1>, 42 - Th }
      }
      box { <-ArchL, Y - 0.2, -0.33>, <ArchL, Y + Th + 1, 0.33> }
    }
    // The volutes at the ends: a scroll, its spiral cut as rings on both faces.
    #for (S, -1, 1, 2)
      #local Ey = Y + 42 - sqrt(42 * 42 - ArchL * ArchL) + Th * 0.55;
      union {
        cylinder { <S * ArchL, Ey, -0.36>, <S * ArchL, Ey, 0.36>, Th * 0.62 }
        #for (F, -1, 1, 2)
          torus { Th * 0.42, 0.05 rotate x * 90 translate <S * ArchL, Ey, F * 0.36> }
          torus { Th * 0.22, 0.05 rotate x * 90 translate <S * ArchL, Ey, F * 0.36> }
          sphere { <S * ArchL, Ey, F * 0.36>, 0.08 }
        #end
      }
    #end
  }
#end
#declare Torana = union {
  // Pillars, their carved panels and capitals.
  #for (S, -1, 1, 2)
    box { <S * Px - Pw / 2, 0, -Pw / 2>, <S * Px + Pw / 2, ShaftH, Pw / 2> }
    box { <S * Px - Pw / 2 - 0.03, 0.6, -Pw / 2 - 0.03>, <S * Px + Pw / 2 + 0.03, ShaftH - 0.2, Pw / 2 + 0.03> texture { T_Relief } }
    // bell, abacus and the block of four elephants back to back
    cone { <S * Px, ShaftH, 0>, Pw * 0.45, <S * Px, ShaftH + 0.45, 0>, Pw * 0.72 }
    box { <S * Px - 0.55, ShaftH + 0.45, -0.55>, <S * Px + 0.55, ShaftH + 0.6, 0.55> }
    #for (E, 0, 3)
      union {
        sphere { 0, 1 scale <0.36, 0.32, 0.3> translate <0, 0.32, 0.32> }
        sphere { 0, 1 scale <0.14, 0.25, 0.12> translate <0, 0.16, 0.58> }
        rotate y * (E * 90) translate <S * Px, ShaftH + 0.6, 0>
        texture { T_Relief }
      }
    #end
    // dies between the architraves, in line with the pillars, and at the ends
    box { <S * Px - Pw / 2, ShaftH + 1.2, -0.3>, <S * Px + Pw / 2, ShaftH + 3.7, 0.3> }
    box { <S * (ArchL - 0.9) - 0.28, ShaftH + 1.5, -0.26>, <S * (ArchL - 0.9) + 0.28, ShaftH + 3.5, 0.26> texture { T_Relief } }
    // the bracket figure leaning out from the pillar under the lowest architrave
    sphere { 0, 1 scale <0.16, 0.75, 0.16> rotate z * (S * 35) translate <S * (Px + 0.65), ShaftH + 0.55, 0> texture { T_Relief } }
    // the three jewels above the pillar
    union {
      cylinder { <S * Px, ShaftH + 3.9, 0>, <S * Px, ShaftH + 4.3, 0>, 0.22 }
      torus { 0.28, 0.09 rotate x * 90 translate <S * Px, ShaftH + 4.6, 0> }
      #for (T, -1, 1)
        cone { <S * Px + T * 0.22, ShaftH + 4.8, 0>, 0.09, <S * Px + T * 0.3, ShaftH + 5.25 - abs(T) * 0.15, 0>, 0.02 }
      #end
    }
  #end
  // The three architraves, each a little curved.
  object { Architrave(ShaftH + 1.05, 0.58) }
  object { Architrave(ShaftH + 2.0, 0.55) }
  object { Architrave(ShaftH + 2.95, 0.55) }
  // Upright balusters between the architraves, in the middle.
  #for (B, -2, 2)
    cylinder { <B * 0.42, ShaftH + 1.6, 0>, <B * 0.42, ShaftH + 2.05, 0>, 0.08 }
    cylinder { <B * 0.42, ShaftH + 2.5, 0>, <B * 0.42, ShaftH + 3.0, 0>, 0.08 }
  #end
  // Riders and beasts on the top architrave.
  #for (B, -1, 1, 2)
    sphere { 0, 1 scale <0.42, 0.3, 0.24> translate <B * 2.6, ShaftH + 3.85, 0> texture { T_Relief } }
  #end
  // The wheel of the Law in the middle of the top.
  union {
    cylinder { <0, ShaftH + 3.5, 0>, <0, ShaftH + 3.95, 0>, 0.3 }
    torus { 0.6, 0.1 rotate x * 90 translate y * (ShaftH + 4.55) }
    #for (K, 0, 7)
      cylinder { 0, x * 0.6, 0.045 rotate z * (K * 22.5) translate y * (ShaftH + 4.55) }
    #end
    sphere { y * (ShaftH + 4.55), 0.14 }
  }
}
object { Torana translate z * -27.0 texture { T_Sanchi } }
// The short walls of the bent entrance behind the gateway.
#for (S, -1, 1, 2)
  object { VedikaLine(<S * 3.55, 0, -25.3>, <S * 3.55, 0, -29.0>, 3.2, 0.5) texture { T_Sanchi } }
#end

// ---------------------------------------------------------------- scrub
#declare T_Scrub = texture {
  pigment { granite scale 0.6 color_map { [0 rgb <0.16, 0.19, 0.07>] [0.5 rgb <0.27, 0.29, 0.12>] [1 rgb <0.42, 0.38, 0.20>] } }
  normal { bumps 1.2 scale 0.07 }
  finish { ambient 0.04 diffuse 0.7 }
}
#declare Rnd = seed(17);
#for (I, 0, 150)
  #declare A = rand(Rnd) * 360;
  #declare Rr = 30 + rand(Rnd) * 90;
  #declare Bx = Rr * Sind(A); #declare Bz = Rr * Cosd(A);
  #declare Sz = 0.5 + rand(Rnd) * 1.1;
  // keep the view of the gateway and the stair clear
  #if (!(Bz < -20 & Bz > -60 & Bx > -8 & Bx < 22))
    blob { threshold 0.5
      #for (K, 0, 3)
        sphere { <(rand(Rnd) - 0.5) * Sz, Sz * 0.3 + rand(Rnd) * Sz * 0.4, (rand(Rnd) - 0.5) * Sz>, Sz * 0.8, 1 }
      #end
      translate <Bx, -0.2, Bz> texture { T_Scrub }
    }
  #end
#end
// Bushes near the edges of the view, in front of the railing.
#declare Cam = <15, 0, -51>;
#declare Dir = vnormalize(<0.5, 0, -8> - Cam);
#for (I, 0, 22)
  #declare Th = (rand(Rnd) < 0.5 ? -1 : 1) * (17 + rand(Rnd) * 14);
  #declare D = 11 + rand(Rnd) * 20;
  #declare P = Cam + vrotate(Dir, y * Th) * D;
  #declare Sz = 0.25 + rand(Rnd) * 0.4;
  blob { threshold 0.5
    #for (K, 0, 4)
      sphere { <(rand(Rnd) - 0.5) * Sz * 1.5, Sz * 0.2 + rand(Rnd) * Sz * 0.4, (rand(Rnd) - 0.5) * Sz * 1.5>, Sz * 0.8, 1 }
    #end
    translate P + y * -0.15 texture { T_Scrub }
  }
#end
#for (I, 0, 9)
  #declare A = 250 + rand(Rnd) * 190;
  #declare Rr = 45 + rand(Rnd) * 50;
  object { Tree(6 + rand(Rnd) * 4, 3.2, I + 40) translate <Rr * Sind(A), -0.3, Rr * Cosd(A)> }
#end

// Monks in ochre robes on the path, for scale.
object { Person(rgb <0.70, 0.38, 0.12>) translate <2.6, 0.08, -31> }
object { Person(rgb <0.62, 0.32, 0.10>) translate <-4.5, 0.08, -23.4> }
