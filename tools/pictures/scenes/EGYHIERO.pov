// A temple wall carved in sunk relief, still bright with its paint: the
// king offering, his name in a cartouche, columns of hieroglyphs, in the
// raking light of the afternoon.
#declare SunAz = 230; #declare SunEl = 30; #declare HazeDist = 4000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"
#include "glyphs.inc"

camera { location <-2.6, 1.7, -8.2> look_at <-0.4, 3.1, 0> angle 64 }
SunAndSky()
Ground(T_Sand)
FarHills(T_Sand, 6000, 60, 0.1, 2)
#declare T_Wall = StoneTex(rgb <0.80, 0.66, 0.48>, rgb <0.86, 0.72, 0.54>, rgb <0.72, 0.58, 0.42>, 0.15)
#declare Paints = array[4] { rgb <0.10, 0.22, 0.55>, rgb <0.62, 0.15, 0.08>, rgb <0.85, 0.62, 0.15>, rgb <0.10, 0.40, 0.30> }
#declare Rnd = seed(31);
#declare Cols = 10;
#declare Rows = 11;
#declare X0 = -1.3;
#declare CW = 0.59;
// The king offering, in profile as the carvers drew him: striding, the
// shoulders turned to the front, the White Crown, a broad collar and a
// pleated kilt, his arms held out with a bowl. Parts are cut 3 cm deep.
#declare Skin = pigment { rgb <0.58, 0.26, 0.13> }
#declare Linen = pigment { rgb <0.90, 0.87, 0.78> }
#declare Collar = pigment { rgb <0.10, 0.40, 0.35> }
#macro King(D)
  union {
    // Legs, the far one stepping forward.
    prism { linear_sweep linear_spline 0, D, 5, <-0.12, 0>, <0.18, 0>, <0.12, 1.5>, <-0.12, 1.5>, <-0.12, 0> rotate -x * 90 translate <-0.35, 0, 0> pigment { Skin } }
    prism { linear_sweep linear_spline 0, D, 5, <0.05, 0>, <0.35, 0>, <0.05, 1.5>, <-0.2, 1.5>, <0.05, 0> rotate -x * 90 translate <0.35, 0, 0> pigment { Skin } }
    // The kilt, flaring to the front.
    prism { linear_sweep linear_spline 0, D, 5, <-0.45, 1.35>, <0.62, 1.35>, <0.3, 2.05>, <-0.42, 2.05>, <-0.45, 1.35> rotate -x * 90 pigment { Linen } }
    // Torso, the shoulders square to the viewer, narrowing to the waist.
    prism { linear_sweep linear_spline 0, D, 5, <-0.3, 2.05>, <0.3, 2.05>, <0.45, 3.05>, <-0.45, 3.05>, <-0.3, 2.05> rotate -x * 90 pigment { Skin } }
    prism { linear_sweep linear_spline 0, D, 5, <-0.42, 2.8>, <0.46, 2.8>, <0.46, 3.05>, <-0.42, 3.05>, <-0.42, 2.8> rotate -x * 90 pigment { Collar } }
    // Arms held forward, the bowl in the hands.
    box { <0.3, 2.72, -D>, <1.05, 2.86, 0> rotate z * -8 pigment { Skin } }
    box { <0.25, 2.5, -D>, <1.0, 2.64, 0> rotate z * -4 pigment { Skin } }
    intersection { cylinder { <1.12, 2.72, -D>, <1.12, 2.72, 0>, 0.22 } plane { y, 2.72 } pigment { rgb <0.85, 0.62, 0.15> } }
    // Neck, head in profile with the nose, the beard, the White Crown.
    box { <-0.1, 3.0, -D>, <0.12, 3.2, 0> pigment { Skin } }
    cylinder { <0.02, 3.38, -D>, <0.02, 3.38, 0>, 0.21 pigment { Skin } }
    prism { linear_sweep linear_spline 0, D, 4, <0.2, 3.42>, <0.33, 3.3>, <0.2, 3.28>, <0.2, 3.42> rotate -x * 90 pigment { Skin } }
    box { <0.12, 2.98, -D>, <0.2, 3.2, 0> pigment { rgb <0.12, 0.1, 0.1> } }
    prism { linear_sweep linear_spline 0, D, 5, <-0.2, 3.45>, <0.2, 3.45>, <0.1, 4.1>, <-0.02, 4.2>, <-0.2, 3.45> rotate -x * 90 pigment { Linen } }
    sphere { <0.05, 4.2, 0>, 0.07 scale <1, 1, D / 0.07> pigment { Linen } }
  }
#end
// The signs are cut 4 cm into the wall and painted: columns of text, and
// the king with his name in a cartouche before his face.
difference {
  box { <-5, 0, 0>, <5, 6.5, 1.5> }
  object { King(0.03) translate <-3.6, 0.45, 0.03> }
  // His cartouche: an oval ring with signs inside.
  difference {
    cylinder { <0, 0, -0.1>, <0, 0, 0.025>, 1 scale <0.22, 0.55, 1> }
    cylinder { <0, 0, -0.2>, <0, 0, 0.2>, 1 scale <0.17, 0.5, 1> }
    translate <-2.2, 4.6, 0.01>
    pigment { rgb <0.62, 0.15, 0.08> }
  }
  #for (R, 0, 2)
    object { Glyph(int(rand(Rnd) * 10), 0.1) scale 0.26 translate <-2.2, 4.2 + R * 0.27, 0.02> pigment { Paints[int(rand(Rnd) * 4)] } }
  #end
  // A band of stars along the top, for the sky.
  #for (I, 0, 30)
    cylinder { <-4.8 + I * 0.32, 6.25, -0.1>, <-4.8 + I * 0.32, 6.25, 0.03>, 0.07 pigment { rgb <0.85, 0.62, 0.15> } }
  #end
  #for (C, 0, Cols - 1)
    // Column dividers.
    box { <X0 + C * CW - 0.012, 0.4, -0.1>, <X0 + C * CW + 0.012, 6.05, 0.02> }
    #for (R, 0, Rows - 1)
      object { Glyph(int(rand(Rnd) * 10), 0.1) scale 0.42 translate <X0 + C * CW + CW / 2, 5.5 - R * 0.5, 0.04> pigment { Paints[int(rand(Rnd) * 4)] } }
    #end
  #end
  texture { T_Wall }
}
// The cornice with its cavetto and the torus moulding.
box { <-5.3, 6.5, -0.5>, <5.3, 7.2, 1.5> texture { T_Wall } }
cylinder { <-5.1, 6.45, -0.05>, <5.1, 6.45, -0.05>, 0.1 texture { T_Wall } }
box { <-5.2, -1, -1.5>, <5.2, 0.12, 0> texture { T_Limestone } Courses(0.5, 0.8, 0) }
// A column of the next hall, beyond the end of the wall.
cylinder { <7, 0, 3>, <7, 8, 3>, 0.9 texture { T_Wall } }
