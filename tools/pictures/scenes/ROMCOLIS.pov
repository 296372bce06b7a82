// The Flavian Amphitheatre whole: three storeys of arcades and the attic,
// travertine in the afternoon sun.
#declare SunAz = 215; #declare SunEl = 32; #declare HazeDist = 4000;
#declare FillPower = 0.5; #declare BouncePower = 0.3;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-150, 60, -220> look_at <0, 20, 0> angle 50 }
SunAndSky()
Clouds(2000, 0.3)
Ground(T_Earth)
FarHills(T_DryGrass, 8000, 150, 0.12, 2)
// Paved square around it.
cylinder { <0, -1, 0>, <0, 0.05, 0>, 1 scale <125, 1, 110> texture { T_Limestone scale 2 } }

#declare T_Trav = StoneTex(rgb <0.82, 0.76, 0.62>, rgb <0.88, 0.83, 0.70>, rgb <0.74, 0.68, 0.55>, 0.6)
#declare A = 94; #declare B = 78;   // half axes of the outer ellipse
#declare N = 80;
difference {
  union {
    cylinder { 0, y * 48.5, 1 scale <A, 1, B> }
  }
  cylinder { -y, y * 50, 1 scale <A - 14, 1, B - 14> }
  // The arcades: for each arch a barrel cut through the outer ring.
  #for (Level, 0, 2)
    #declare Y0 = Level * 11;
    #for (I, 0, N - 1)
      #declare T = I * 360 / N;
      #declare P = <A * cos(radians(T)), 0, B * sin(radians(T))>;
      union {
        // Deep enough to open into the ambulatory behind.
        box { <-2.1, 0, -5.5>, <2.1, 5.2, 5.5> }
        cylinder { <0, 5.2, -5.5>, <0, 5.2, 5.5>, 2.1 }
        translate y * (Y0 + 1.3)
        rotate y * (90 - degrees(atan2(P.z / (B * B), P.x / (A * A))))
        translate P
      }
    #end
  #end
  // Small windows of the attic.
  #for (I, 0, 39)
    #declare T = (I + 0.5) * 360 / 40;
    #declare P = <A * cos(radians(T)), 0, B * sin(radians(T))>;
    box { <-0.9, 39, -3>, <0.9, 41.5, 3> rotate y * (90 - degrees(atan2(P.z / (B * B), P.x / (A * A)))) translate P }
  #end
  texture { T_Trav }
}
// Engaged half-columns between the arches (Tuscan, Ionic, Corinthian up the
// storeys) and flat pilasters on the attic.
union {
  #for (Level, 0, 3)
    #for (I, 0, N - 1)
      #declare T = (I + 0.5) * 360 / N;
      #declare P = <A * cos(radians(T)), 0, B * sin(radians(T))>;
      #if (Level < 3)
        cylinder { y * (Level * 11 + 0.3), y * (Level * 11 + 10.4), 0.85 translate P }
        box { <-1.1, Level * 11 + 9.6, -1.1>, <1.1, Level * 11 + 10.4, 1.1>
          rotate y * (90 - degrees(atan2(P.z / (B * B), P.x / (A * A)))) translate P }
      #else
        #if (mod(I, 2) = 0)
          box { <-0.8, 33.3, -0.5>, <0.8, 48.2, 0.5>
            rotate y * (90 - degrees(atan2(P.z / (B * B), P.x / (A * A)))) translate P }
        #end
      #end
    #end
  #end
  texture { T_Trav }
}
// Cornices between the storeys.
#for (Level, 1, 4)
  difference {
    cylinder { y * (Level * 11 - 0.6), y * (Level * 11 + 0.3), 1 scale <A + 0.6, 1, B + 0.6> }
    cylinder { -y, y * 50, 1 scale <A - 1, 1, B - 1> }
    texture { T_Trav }
  }
#end
// The seating inside, rising in tiers to the arcade.
#for (I, 0, 9)
  difference {
    cylinder { 0, y * (4 + I * 3.6), 1 scale <A - 14 - I * 5, 1, B - 14 - I * 5> }
    cylinder { -y, y * 60, 1 scale <A - 19 - I * 5, 1, B - 19 - I * 5> }
    texture { T_Trav }
  }
#end
// The arena floor of sand.
cylinder { 0, y * 0.4, 1 scale <44, 1, 28> texture { T_Sand } }
