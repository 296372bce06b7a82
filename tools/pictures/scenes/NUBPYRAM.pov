// The steep pyramids of Meroe with their chapels, on a ridge above the desert.
#declare SunAz = 230; #declare SunEl = 28; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.88, 0.78, 0.66>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-36, 4, -60> look_at <8, 12, 30> angle 58 }
SunAndSky()

height_field {
  function 300, 300 { pattern { bozo turbulence 0.5 octaves 4 scale <0.2, 1, 0.2> } }
  smooth translate <-0.5, 0, -0.5> scale <1500, 6, 1500> translate y * -2
  texture { T_Sand }
}
#declare T_Meroe = StoneTex(rgb <0.62, 0.42, 0.30>, rgb <0.70, 0.49, 0.34>, rgb <0.52, 0.35, 0.26>, 0.4)

#macro MeroePyramid(B)
  union {
    object { Pyramid(B, B * 1.55) }
    // Stepped courses on the faces.
    intersection {
      object { Pyramid(B * 1.02, B * 1.58) }
      union { #for (I, 0, 30) box { <-B, I * B * 0.05, -B>, <B, I * B * 0.05 + B * 0.01, B> } #end }
    }
    // A small pylon-fronted chapel on the east.
    union {
      box { <-B * 0.22, 0, -B * 0.95>, <B * 0.22, B * 0.35, -B * 0.5> }
      box { <-B * 0.36, 0, -B * 1.02>, <B * 0.36, B * 0.5, -B * 0.88> }
      box { <-B * 0.07, 0, -B * 1.05>, <B * 0.07, B * 0.3, -B * 0.85> pigment { rgb 0.05 } }
    }
    texture { T_Meroe }
  }
#end

#declare Rnd = seed(7);
#for (I, 0, 9)
  #declare B = 7 + rand(Rnd) * 6;
  object { MeroePyramid(B) translate <-30 + I * 11 + rand(Rnd) * 3, 0, 15 + rand(Rnd) * 35 + I * 3> }
#end
#for (I, 0, 5)
  object { MeroePyramid(5 + rand(Rnd) * 3) translate <-20 + I * 15, 0, 70 + rand(Rnd) * 20> }
#end
