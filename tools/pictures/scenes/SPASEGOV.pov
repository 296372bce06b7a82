// The Roman aqueduct of Segovia soon after it was built: dry-laid granite
// blocks, tall slender piers, two tiers of arches where it crosses the low
// ground, one tier as the ground rises, small houses below.
#declare SunAz = 150; #declare SunEl = 48; #declare HazeDist = 3500; #declare HazeAlt = 150;
#declare SkyTop = rgb <0.10, 0.27, 0.64>;
#declare SkyLow = rgb <0.70, 0.74, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-24, 2.6, -50> look_at <22, 13.5, 0> angle 68 }
SunAndSky()
Clouds(2200, 0.3)

// ---------------------------------------------------------------- the valley
// The ground along the line of the aqueduct (x): low in the middle, rising
// gently to the west and more steeply to the east; the valley runs along z.
#declare G = function(X) {
  select(X, 1.6 * pow(max(0, -X - 22) / 10, 1.42), 1.2 * pow(max(0, X - 36) / 10, 1.35))
}
#declare GG = function(X) { min(60, G(X)) }
#declare GN = function { pattern { bozo turbulence 0.5 scale 0.06 } }
height_field {
  function 500, 500 { (min(60, G(x * 900 - 450)) + GN(x, 0, y) * 1.2 + 3) / 66 }
  smooth translate <-0.5, 0, -0.5> scale <900, 66, 900> translate y * -3.6
  texture {
    pigment {
      bozo turbulence 0.9 octaves 6 scale <0.006, 1, 0.006>
      color_map {
        [0.0 color rgb <0.30, 0.31, 0.16>]
        [0.3 color rgb <0.42, 0.40, 0.22>]
        [0.55 color rgb <0.50, 0.45, 0.29>]
        [0.8 color rgb <0.28, 0.30, 0.15>]
        [1.0 color rgb <0.44, 0.36, 0.25>]
      }
    }
    normal { granite 0.7 scale 0.002 }
    finish { F_Ground }
  }
  // tussocks of dry grass and bare earth between them
  texture {
    pigment {
      granite scale <0.0015, 1, 0.0015>
      color_map { [0 color rgbt <0.36, 0.34, 0.18, 0.3>] [0.3 color rgbt 1] [0.8 color rgbt 1] [1 color rgbt <0.62, 0.52, 0.38, 0.4>] }
    }
    finish { F_Ground }
  }
}
// The mountains of the Guadarrama far to the south-east.
FarHills(T_DryGrass, 16000, 900, 0.08, 3)

// ---------------------------------------------------------------- the aqueduct
#declare T_Segovia = StoneTex(rgb <0.56, 0.54, 0.50>, rgb <0.64, 0.62, 0.57>, rgb <0.46, 0.45, 0.42>, 0.4)
#declare Pitch = 5.1;       // pier to pier
#declare PierW = 2.3;       // along the line
#macro GraniteBlocks()
  texture { T_Segovia normal { granite 0.5 scale 0.25 } }
  // big dry-laid blocks, each a little different in tone and roughly
  // dressed, so that their faces bulge ...
  texture {
    pigment { cells color_map { [0 color rgbt <0.32, 0.30, 0.26, 0.55>] [0.5 color rgbt 1] [1 color rgbt <0.92, 0.90, 0.86, 0.65>] } scale <1.275, 0.55, 1.4> translate <0.64, 0.13, 0.3> }
    normal { crackle 0.35 scale <1.275, 0.55, 1.4> translate <0.64, 0.13, 0.3> }
    finish { F_Stone }
  }
  // ... and the joints between them, unmortared, dark and sharp.
  texture {
    pigment { brick color rgbt <0.14, 0.13, 0.12, 0.3>, color rgbt 1 brick_size <1.275, 0.55, 1000> mortar 0.04 translate <0.64, 0.13, 0> }
    normal { brick 0.6 brick_size <1.275, 0.55, 1000> mortar 0.04 translate <0.64, 0.13, 0> }
    finish { F_Stone }
  }
#end

#declare TopY = 28.5;       // the top of the channel
#declare MidY = 17.6;       // the ledge between the tiers
#declare UpCrown = 25.6;
#declare LowCrown = 16.6;
#declare R = (Pitch - PierW) / 2;
#declare DLow = 3.0;        // thickness across, lower tier
#declare DUp = 2.3;         // upper tier

#declare NW = 40; #declare NE = 40;
union {
  #for (I, -NW, NE - 1)
    #declare X0 = I * Pitch;
    #declare Xm = X0 + Pitch / 2;
    #declare Gm = G(Xm);
    #declare G0 = min(G(X0), G(X0 + Pitch));
    #if (Gm < TopY - 3.2)
      #if (Gm < MidY - 5)
        // Two tiers.
        difference {
          union {
            box { <X0, G0 - 4, -DLow / 2>, <X0 + Pitch, MidY, DLow / 2> }
            box { <X0, MidY, -DUp / 2>, <X0 + Pitch, TopY - 1.2, DUp / 2> }
          }
          cylinder { <Xm, LowCrown - R, -3>, <Xm, LowCrown - R, 3>, R }
          box { <Xm - R, G0 - 5, -3>, <Xm + R, LowCrown - R, 3> }
          cylinder { <Xm, UpCrown - R, -3>, <Xm, UpCrown - R, 3>, R }
          box { <Xm - R, MidY + 0.6, -3>, <Xm + R, UpCrown - R, 3> }
        }
        // The moulded ledges on the piers and between the tiers.
        #for (K, 0, 1)
          #declare Ly = 5.8 + K * 5.6;
          #if (Ly > G(X0) + 1)
            box { <X0 - PierW / 2 - 0.12, Ly - 0.35, -DLow / 2 - 0.12>, <X0 + PierW / 2 + 0.12, Ly, DLow / 2 + 0.12> }
          #end
        #end
        box { <X0, MidY - 0.5, -DLow / 2 - 0.15>, <X0 + Pitch, MidY, DLow / 2 + 0.15> }
      #else
        // One tier, its arches shorter as the ground rises.
        difference {
          box { <X0, G0 - 4, -DUp / 2>, <X0 + Pitch, TopY - 1.2, DUp / 2> }
          cylinder { <Xm, UpCrown - R, -3>, <Xm, UpCrown - R, 3>, R }
          box { <Xm - R, G0 - 5, -3>, <Xm + R, UpCrown - R, 3> }
        }
      #end
    #else
      // Where the ground is higher still, a plain wall carries the channel.
      box { <X0, G0 - 3, -DUp / 2>, <X0 + Pitch, TopY - 1.2, DUp / 2> }
    #end
  #end
  // The channel on top, under its cover slabs, with a cornice.
  box { <-NW * Pitch, TopY - 1.4, -DUp / 2 - 0.15>, <NE * Pitch, TopY - 1.1, DUp / 2 + 0.15> }
  box { <-NW * Pitch, TopY - 1.1, -DUp / 2 + 0.1>, <NE * Pitch, TopY, DUp / 2 - 0.1> }
  GraniteBlocks()
}
// The panel of the inscription between the tiers over the highest arches,
// in bronze letters.
#declare PanY = MidY - 0.2;
union {
  box { <-3.2, PanY, -DLow / 2 - 0.2>, <8.3, PanY + 2.4, -DUp / 2> GraniteBlocks() }
  // three lines of letters of uneven width
  #declare RL = seed(4);
  #for (L, 0, 2)
    #declare Lx = -2.6;
    #while (Lx < 7.5)
      #declare Lw = 0.18 + rand(RL) * 0.3;
      box { <Lx, PanY + 0.3 + L * 0.68, -DLow / 2 - 0.29>, <Lx + Lw, PanY + 0.75 + L * 0.68, -DLow / 2 - 0.15>
        pigment { rgb <0.45, 0.32, 0.15> } finish { ambient 0.03 diffuse 0.6 specular 0.4 roughness 0.02 metallic } }
      #declare Lx = Lx + Lw + 0.12 + (rand(RL) < 0.15 ? 0.3 : 0);
    #end
  #end
}

// ---------------------------------------------------------------- houses
// Small houses of rubble stone with tiled roofs on the valley floor.
#declare T_Tile = texture {
  pigment { gradient x color_map { [0 rgb <0.55, 0.26, 0.14>] [0.5 rgb <0.66, 0.34, 0.18>] [1 rgb <0.55, 0.26, 0.14>] } scale 0.4 }
  normal { gradient x 0.5 scale 0.4 }
  finish { ambient 0.05 diffuse 0.7 }
}
#declare T_Rubble = texture {
  pigment { crackle scale 0.35 color_map { [0 rgb <0.40, 0.36, 0.30>] [0.06 rgb <0.66, 0.60, 0.50>] [0.5 rgb <0.74, 0.68, 0.57>] [1 rgb <0.60, 0.55, 0.46>] } }
  normal { crackle 0.6 scale 0.35 }
  finish { F_Stone }
}
#macro House(W, D, H)
  union {
    box { <-W / 2, -0.5, -D / 2>, <W / 2, H, D / 2> texture { T_Rubble } }
    // a hipped roof of curved tiles
    intersection {
      box { <-W / 2 - 0.4, H, -D / 2 - 0.4>, <W / 2 + 0.4, H + D * 0.3, D / 2 + 0.4> }
      plane { <0, 1, 0.6>, 0 translate <0, H + (D / 2 + 0.4) * 0.6, 0> }
      plane { <0, 1, -0.6>, 0 translate <0, H + (D / 2 + 0.4) * 0.6, 0> }
      plane { <0.6, 1, 0>, 0 translate <0, H + (W / 2 + 0.4) * 0.6, 0> }
      plane { <-0.6, 1, 0>, 0 translate <0, H + (W / 2 + 0.4) * 0.6, 0> }
      texture { T_Tile }
    }
    box { <-0.5, 0, -D / 2 - 0.05>, <0.5, 1.9, -D / 2 + 0.2> pigment { rgb <0.25, 0.17, 0.10> } }
  }
#end
#declare Rnd = seed(23);
#for (I, 0, 60)
  #declare Hx = -130 + rand(Rnd) * 230;
  #declare Hz = -60 + rand(Rnd) * 150;
  #declare Hw = 4 + rand(Rnd) * 4;
  #declare Hd = 4 + rand(Rnd) * 3;
  // clear of the aqueduct and of the view of its highest arches
  #if (abs(Hz) > 9 & !(Hz < -8 & Hz > -40 & Hx > -20 & Hx < 25))
    object { House(Hw, Hd, 2.6 + rand(Rnd) * 1.0) rotate y * (rand(Rnd) * 20 - 10 + (rand(Rnd) < 0.5 ? 90 : 0)) translate <Hx, GG(Hx) - 0.1, Hz> }
  #end
#end
// A few houses close by, at the foot of the arches.
object { House(6, 4.5, 3.2) rotate y * 8 translate <-36, G(-36), -22> }
object { House(5, 4, 2.9) rotate y * -5 translate <26, G(26), -16> }
object { House(5.5, 4.2, 3.0) rotate y * 95 translate <36, G(36), -26> }
// Holm oaks and poplars.
#for (I, 0, 40)
  #declare Tx = -200 + rand(Rnd) * 400;
  #declare Tz = -60 + rand(Rnd) * 250;
  #if (abs(Tz) > 8 & !(Tz < 20 & Tz > -110 & Tx > -30 & Tx < 30))
    #if (rand(Rnd) < 0.6)
      object { Tree(5 + rand(Rnd) * 3, 2.6, I) translate <Tx, GG(Tx) - 0.3, Tz> }
    #else
      object { Cypress(12 + rand(Rnd) * 5) scale <1.3, 1, 1.3> translate <Tx, GG(Tx) - 0.3, Tz> }
    #end
  #end
#end
// People and a laden mule on the road under the arches.
object { Person(rgb <0.55, 0.45, 0.32>) translate <-6, G(-6), -6> }
object { Person(rgb <0.70, 0.64, 0.52>) translate <-4.6, G(-4.6), -5.2> }
union {
  sphere { 0, 1 scale <0.8, 0.45, 0.35> translate y * 1.2 }
  #for (L, 0, 3)
    cylinder { <-0.5 + (L > 1) * 1.0, 0, -0.2 + mod(L, 2) * 0.4>, <-0.5 + (L > 1) * 1.0, 1.1, -0.2 + mod(L, 2) * 0.4>, 0.07 }
  #end
  sphere { 0, 1 scale <0.35, 0.2, 0.15> rotate z * 40 translate <1.0, 1.5, 0> }
  box { <-0.5, 1.3, -0.5>, <0.4, 1.8, 0.5> pigment { rgb <0.50, 0.40, 0.25> } }
  pigment { rgb <0.32, 0.26, 0.20> } finish { ambient 0.04 diffuse 0.7 }
  translate <-3, G(-3), -5.5>
}
// Thyme and broom on the dry slope, and loose stones.
#declare T_Broom = texture {
  pigment { granite scale 0.5 color_map { [0 rgb <0.20, 0.22, 0.09>] [0.6 rgb <0.30, 0.32, 0.14>] [1 rgb <0.45, 0.42, 0.22>] } }
  normal { bumps 1.0 scale 0.08 }
  finish { ambient 0.04 diffuse 0.7 }
}
#for (I, 0, 260)
  #declare Bx = -45 + rand(Rnd) * 170;
  #declare Bz = -44 + rand(Rnd) * 38;
  #declare Sz = 0.3 + rand(Rnd) * 0.5;
  #if (rand(Rnd) < 0.75)
    blob { threshold 0.5
      #for (K, 0, 3)
        sphere { <(rand(Rnd) - 0.5) * Sz * 1.4, Sz * 0.2 + rand(Rnd) * Sz * 0.4, (rand(Rnd) - 0.5) * Sz * 1.4>, Sz * 0.8, 1 }
      #end
      translate <Bx, GG(Bx) - 0.2, Bz> texture { T_Broom }
    }
  #else
    superellipsoid { <0.5, 0.5> scale <Sz, Sz * 0.5, Sz * 0.8> rotate y * rand(Rnd) * 180 translate <Bx, GG(Bx) - 0.05, Bz> texture { T_Segovia } }
  #end
#end
