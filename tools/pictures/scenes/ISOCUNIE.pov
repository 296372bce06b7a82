// A clay tablet written in cuneiform, propped on a mud-brick bench in the
// sun of a courtyard, the city wall beyond.
#declare SunAz = 210; #declare SunEl = 30; #declare HazeDist = 3000;
#declare SkyLow = rgb <0.84, 0.80, 0.70>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <0.05, 0.86, -0.36> look_at <0, 0.80, 0.04> angle 40 }
SunAndSky()
Ground(T_Sand)
// The bench the tablet lies on.
box { <-1.5, 0, -0.4>, <1.5, 0.7, 0.6> texture { T_Mud scale 0.3 } }
// The city wall far behind.
box { <-200, 0, 60>, <200, 12, 66> texture { T_MudBrick scale 4 } }

#declare T_TabletClay = texture {
  pigment { granite scale 0.02 color_map { [0 rgb <0.40, 0.28, 0.18>] [1 rgb <0.48, 0.34, 0.22>] } }
  normal { bumps 0.15 scale 0.004 }
  finish { ambient 0.05 diffuse 0.8 specular 0.05 }
}
// A wedge pressed into the clay by the stylus: a triangular pit, widest and
// deepest at its head, narrowing into the short trace of the stylus's tail.
// Dir turns it: 0 points the tail down the tablet, -90 to the right.
#macro Wedge(S, Dir)
  union {
    prism { conic_sweep linear_spline 0, 1, 4, <0, -1.0>, <-0.85, 0.55>, <0.85, 0.55>, <0, -1.0> translate y * -1 scale <1, 0.9, 1> }
    prism { linear_sweep linear_spline -0.3, 0.1, 4, <-0.16, -0.6>, <0.16, -0.6>, <0, -2.0>, <-0.16, -0.6> }
    scale S rotate y * Dir
  }
#end
#declare Rnd = seed(19);
// The tablet: a pillow of clay, about 12 x 8 cm, with ruled lines of signs.
difference {
  superellipsoid { <0.25, 0.4> scale <0.065, 0.014, 0.09> }
  #for (Line, 0, 10)
    #declare Zl = 0.075 - Line * 0.0145;
    box { <-0.062, 0.011, Zl - 0.0003>, <0.062, 0.02, Zl + 0.0003> }
    #declare X = -0.055;
    #while (X < 0.055)
      #declare K = int(rand(Rnd) * 4);
      #if (K = 0)
        object { Wedge(0.0035, 0) translate <X, 0.0145, Zl - 0.006> }
        #declare X = X + 0.005;
      #elseif (K = 1)
        object { Wedge(0.0035, -90) translate <X, 0.0145, Zl - 0.004> }
        object { Wedge(0.0025, 0) translate <X + 0.004, 0.0145, Zl - 0.009> }
        #declare X = X + 0.009;
      #elseif (K = 2)
        object { Wedge(0.003, 45) translate <X, 0.0145, Zl - 0.005> }
        object { Wedge(0.003, 45) translate <X + 0.003, 0.0145, Zl - 0.005> }
        object { Wedge(0.003, 0) translate <X + 0.006, 0.0145, Zl - 0.008> }
        #declare X = X + 0.011;
      #else
        object { Wedge(0.004, 0) translate <X, 0.0145, Zl - 0.003> }
        object { Wedge(0.004, 0) translate <X, 0.0145, Zl - 0.009> }
        #declare X = X + 0.007;
      #end
    #end
  #end
  texture { T_TabletClay }
  scale 1.3
  // Propped up against a brick, leaning back.
  rotate x * -62 rotate y * 8
  translate <0, 0.79, 0.04>
}
// The brick it leans on, and a stylus of reed beside it.
box { <-0.09, 0.7, 0.09>, <0.09, 0.78, 0.16> texture { T_MudBrick scale 0.3 } }
cylinder { <0.09, 0.704, -0.05>, <0.16, 0.704, 0.08>, 0.004 pigment { rgb <0.70, 0.62, 0.40> } }
