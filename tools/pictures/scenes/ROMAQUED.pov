// The Pont du Gard: the aqueduct's three tiers of arches over the Gardon.
#declare SunAz = 160; #declare SunEl = 40; #declare HazeDist = 5000;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-25, 5, -175> look_at <0, 26, 0> angle 62 }
SunAndSky()
Clouds(2000, 0.35)

#declare T_Pont = StoneTex(rgb <0.80, 0.70, 0.52>, rgb <0.86, 0.76, 0.58>, rgb <0.70, 0.60, 0.45>, 0.6)

// An arcade of N arches of span S on piers P thick, from height Y0, H high.
#macro Arcade(N, S, P, Y0, H, D)
  #local Len = N * (S + P) + P;
  difference {
    box { <-Len / 2, Y0, -D / 2>, <Len / 2, Y0 + H, D / 2> }
    #for (I, 0, N - 1)
      #local Cx = -Len / 2 + P + S / 2 + I * (S + P);
      union {
        cylinder { <Cx, Y0 + H - S / 2 - H * 0.12, -D>, <Cx, Y0 + H - S / 2 - H * 0.12, D>, S / 2 }
        box { <Cx - S / 2, Y0 - 1, -D>, <Cx + S / 2, Y0 + H - S / 2 - H * 0.12, D> }
      }
    #end
    texture { T_Pont } Courses(0.9, 1.6, 0)
  }
#end

union {
  object { Arcade(6, 21, 4.5, -4, 26, 6.4) }
  object { Arcade(11, 16, 4, 22, 20, 4.6) }
  object { Arcade(35, 4.6, 1.2, 42, 7.5, 3) }
  box { <-108, 49.5, -1.8>, <108, 51, 1.8> texture { T_Pont } }
}

// River and banks.
Water(T_Water, 0)
#declare BankH = function(U) { 80 * pow(min(1, max(0, (abs(U) - 38) / 100)), 1.3) - 4 }
#declare Bank = function { pattern { bozo turbulence 0.4 scale 0.05 } }
height_field {
  function 400, 400 { (BankH(x * 900 - 450) + 4 + Bank(x, 0, y) * 3) / 90 }
  smooth translate <-0.5, 0, -0.5> scale <900, 90, 900> translate y * -4.5
  texture { T_Grass }
}
#declare Rnd = seed(3);
#for (I, 0, 90)
  #declare Px = -400 + rand(Rnd) * 800;
  #declare Pz = -60 + rand(Rnd) * 400;
  #if (abs(Px) > 60 & abs(Pz) > 8)
    object { Tree(9 + rand(Rnd) * 5, 4, I) translate <Px, BankH(Px) - 0.5, Pz> }
  #end
#end
