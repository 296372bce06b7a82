// Borobudur: the square galleried terraces, the three round terraces with
// their pierced stupas and the great stupa on top, volcanoes behind.
#declare SunAz = 205; #declare SunEl = 34;
#declare FillPower = 0.5; #declare BouncePower = 0.25; #declare HazeDist = 3500; #declare HazeAlt = 200;
#declare SkyLow = rgb <0.72, 0.76, 0.80>;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-95, 12, -150> look_at <0, 16, 0> angle 48 }
SunAndSky()
Clouds(2000, 0.4)
Ground(T_Grass)
// The volcanoes Merapi and Merbabu.
cone { <-1500, -10, 6000>, 2600, <-1300, 1000, 6000>, 120 texture { T_Grass scale 20 } }
cone { <2500, -10, 7000>, 2600, <2300, 900, 7000>, 200 texture { T_Grass scale 20 } }
FarHills(T_Grass, 9000, 120, 0.06, 5)

#declare T_Andesite = StoneTex(rgb <0.33, 0.32, 0.30>, rgb <0.40, 0.39, 0.36>, rgb <0.27, 0.27, 0.25>, 0.3)
#macro Stupa(R)
  union {
    cylinder { 0, y * R * 0.3, R * 1.1 }
    sphere { 0, 1 scale <R, R * 1.1, R> translate y * R * 0.3 }
    box { <-R * 0.3, R * 1.3, -R * 0.3>, <R * 0.3, R * 1.6, R * 0.3> }
    cone { y * R * 1.6, R * 0.18, y * R * 2.2, R * 0.05 }
  }
#end
union {
  // Five square galleries with indented corners, each with a parapet of little niches.
  #for (I, 0, 5)
    #declare W = 118 - I * 14;
    #declare Y = I * 4.4;
    box { <-W / 2, Y, -W / 2>, <W / 2, Y + 4.4, W / 2> }
    #if (I > 0)
      #declare N = int(W / 4.5);
      #for (K, 0, N - 1)
        #for (Rot, 0, 3)
          object { Stupa(0.7) translate <-W / 2 + (K + 0.5) * W / N, Y + 4.4, -W / 2 + 0.8> rotate y * Rot * 90 }
        #end
      #end
    #end
  #end
  // Staircases in the middle of each side.
  #for (Rot, 0, 3)
    #for (I, 0, 5)
      box { <-2.5, 0, -59 - 2 + I * 7>, <2.5, (I + 1) * 4.4 + 0.2, -59 + 2 + I * 7> rotate y * Rot * 90 }
    #end
  #end
  // Three round terraces with 32, 24 and 16 lattice stupas.
  #for (I, 0, 2)
    #declare Rr = 26 - I * 6.5;
    #declare Yr = 26.4 + I * 2.6;
    cylinder { y * (Yr - 2.6), y * Yr, Rr + 2 }
    #declare N = 32 - I * 8;
    #for (K, 0, N - 1)
      object { Stupa(1.7) translate <Rr, Yr, 0> rotate y * (K * 360 / N) }
    #end
  #end
  // The crowning stupa.
  object { Stupa(8) translate y * 34.2 }
  texture { T_Andesite }
}
#declare Rnd = seed(8);
// The forest of the Kedu plain round the hill, palms at its edge.
#for (I, 0, 90)
  #declare A = radians(20 + rand(Rnd) * 140); #declare D = 150 + rand(Rnd) * 250;
  object { Tree(14 + rand(Rnd) * 8, 6 + rand(Rnd) * 3, I + 100) translate <D * cos(A), 0, D * sin(A)> }
#end
#for (I, 0, 14)
  object { Palm(13 + rand(Rnd) * 5, rand(Rnd) - 0.5, I + 300) translate <-175 + I * 9 + rand(Rnd) * 4, 0, -10 + rand(Rnd) * 30> }
  object { Palm(13 + rand(Rnd) * 5, rand(Rnd) - 0.5, I + 400) translate <70 + I * 9 + rand(Rnd) * 4, 0, -60 + rand(Rnd) * 30> }
#end
#for (I, 0, 30)
  #declare A = rand(Rnd) * 360; #declare D = 110 + rand(Rnd) * 120;
  #declare H = 12 + rand(Rnd) * 6; #declare Lean = rand(Rnd) - 0.5;
  #declare P = <D * cos(radians(A)), 0, D * sin(radians(A))>;
  // None right before the camera, where a crown would fill the view.
  #if (vlength(P - <-95, 0, -150>) > 110)
    object { Palm(H, Lean, I) translate P }
  #end
#end
