// The tomb of Theodoric outside Ravenna, newly built about 526: two storeys
// of ten sides in pale ashlar, deep arched recesses round the lower one, the
// smaller upper storey with its blind arches and carved frieze, and the
// single great stone of the shallow dome with its twelve pierced lugs.
#declare SunAz = 215; #declare SunEl = 38; #declare HazeDist = 5000;
#declare SkyLow = rgb <0.72, 0.76, 0.82>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-17, 2.6, -34> look_at <0.5, 5.0, 0> angle 44 }
SunAndSky()
Clouds(1500, 0.2)
Ground(T_DryGrass)
FarHills(T_Grass, 7000, 30, 0.1, 4)

#declare T_Istrian = texture { T_Limestone }
#macro WallTex() texture { T_Limestone } Courses(0.55, 1.3, 0.02) #end

#declare Deg = 36;
// A ten-sided prism from Y0 to Y1 with circumradius R, a corner on +z.
#macro Decagon(R, Y0, Y1)
  prism { linear_spline Y0, Y1, 11,
    #for (I, 0, 9) <R * sin(radians(I * Deg)), R * cos(radians(I * Deg))>, #end
    <0, R>
  }
#end
// An arched recess W wide, springing at S, D deep, cut into the face at
// apothem A (its mouth on the face, facing -z before rotation).
#macro Recess(W, Y0, S, D, A)
  union {
    box { <-W / 2, Y0, -A - 1>, <W / 2, Y0 + S, -A + D> }
    cylinder { <0, Y0 + S, -A - 1>, <0, Y0 + S, -A + D>, W / 2 }
  }
#end

#declare R1 = 7.2;  #declare A1 = R1 * cos(radians(18));
#declare H1 = 5.4;
#declare R2 = 5.75; #declare A2 = R2 * cos(radians(18));
#declare H2 = 9.6;

// Faces are centred between corners: rotate the recesses by half a side.
// The base: a low plinth under the lower storey.
object { Decagon(R1 + 0.35, 0, 0.45) texture { T_Istrian } }
// The lower storey, with a deep arched recess in each face; the door in the
// recess facing south-west.
difference {
  object { Decagon(R1, 0.4, H1) }
  #for (I, 0, 9)
    object { Recess(3.1, 0.45, 2.9, 1.15, A1) rotate y * (I * Deg + 18) }
  #end
  WallTex()
}
// The door, at the back of the recess facing south-west.
#for (I, 0, 9)
  #if (I = 1)
    box { <-0.75, 0.45, -A1 + 1.1>, <0.75, 2.9, -A1 + 1.3> rotate y * (I * Deg + 18)
      pigment { rgb <0.05, 0.04, 0.03> } finish { ambient 0 diffuse 0.2 } }
  #end
#end
// The cornice over the lower storey and the walk round the upper one.
object { Decagon(R1 + 0.25, H1, H1 + 0.3) texture { T_Istrian } }
// The upper storey: smaller, with a shallow blind arch on every face and a
// small window in some.
difference {
  object { Decagon(R2, H1 + 0.3, H2) }
  #for (I, 0, 9)
    object { Recess(2.5, H1 + 0.9, 1.9, 0.3, A2) rotate y * (I * Deg + 18) }
    #if (mod(I, 2) = 1)
      box { <-0.3, H1 + 1.6, -A2 - 1>, <0.3, H1 + 2.6, -A2 + 1.2> rotate y * (I * Deg + 18) }
    #end
  #end
  WallTex()
}
// The upper door, facing west.
box { <-0.65, H1 + 0.9, -A2 + 0.28>, <0.65, H1 + 2.9, -A2 + 0.34> rotate y * (2 * Deg + 18)
  pigment { rgb <0.06, 0.05, 0.04> } finish { ambient 0 diffuse 0.2 } }
// Above the upper storey the wall turns round: a drum carrying the frieze.
cylinder { <0, H2, 0>, <0, H2 + 0.9, 0>, 5.45 texture { T_Istrian } }
// The frieze: a band of carved "tongs", small blocks standing proud.
#for (I, 0, 59)
  union {
    box { <-0.16, H2 + 0.2, -5.6>, <0.16, H2 + 0.7, -5.4> }
    box { <-0.26, H2 + 0.58, -5.58>, <0.26, H2 + 0.7, -5.4> }
    rotate y * (I * 6)
    texture { T_Istrian }
  }
#end
cylinder { <0, H2 + 0.9, 0>, <0, H2 + 1.05, 0>, 5.6 texture { T_Istrian } }

// The dome: one monolith, 10.8 m across and 2.4 m high, a shallow cap on a
// low ring, with twelve pierced lugs round its rim.
#declare DR = 5.4; #declare DH = 2.4;
#declare DS = (DR * DR + DH * DH) / (2 * DH);
#declare DY = H2 + 1.05;
#declare T_Dome = StoneTex(rgb <0.76, 0.72, 0.63>, rgb <0.83, 0.79, 0.70>, rgb <0.68, 0.64, 0.56>, 1.5)
union {
  cylinder { <0, DY, 0>, <0, DY + 0.45, 0>, DR }
  intersection {
    sphere { <0, DY + 0.45 + DH - DS, 0>, DS }
    plane { -y, -(DY + 0.45) }
  }
  #for (I, 0, 11)
    difference {
      superellipsoid { <0.3, 0.3> scale <0.3, 0.55, 0.55> translate <0, DY + 0.75, -DR + 0.05> }
      box { <-0.4, DY + 0.55, -DR - 0.38>, <0.4, DY + 0.95, -DR - 0.08> }
      rotate y * (I * 30 + 15)
    }
  #end
  texture { T_Dome }
}

// Cypresses and a stone-edged path towards the door.
#for (I, 0, 5)
  object { Cypress(8 + mod(I * 3, 4)) translate <-26 + I * 10.5 + mod(I * 7, 3), 0, 14 + mod(I * 5, 9)> }
#end
object { Cypress(9) translate <17, 0, -8> }
object { Cypress(7.5) translate <20, 0, -4> }
object { Tree(7, 3, 5) translate <-24, 0, -6> }
box { <-1, -0.1, -40>, <1, 0.04, 0> rotate y * (1 * Deg + 18) texture { T_Sand } }
object { Person(rgb <0.55, 0.22, 0.18>) translate <-6.5, 0, -13> }
// Orchards and the trees of the plain round Ravenna, far off.
#for (I, 0, 13)
  object { Tree(8 + mod(I * 5, 4), 4, I + 20) translate <-150 + I * 24 + mod(I * 11, 9), 0, 110 + mod(I * 7, 5) * 14> }
#end
