// The Great Buddha Hall of Todai-ji: a vast timber hall under a hipped and
// gabled roof of grey tile with golden ridge ornaments, before wooded hills.
#declare SunAz = 160; #declare SunEl = 35; #declare HazeDist = 3000; #declare HazeAlt = 200;
#include "atlas.inc"
#include "shapes.inc"

camera { location <-40, 3, -115> look_at <0, 22, 0> angle 60 }
SunAndSky()
Clouds(2000, 0.3)
Ground(T_Earth)
FarHills(T_Grass, 6000, 220, 0.04, 3)
// The gravel court and the stone path.
box { <-70, -1, -140>, <70, 0.05, -30> texture { pigment { granite scale 0.3 color_map { [0 rgb 0.62] [1 rgb 0.78] } } finish { ambient 0.05 diffuse 0.7 } } }
box { <-3, -1, -140>, <3, 0.12, -30> texture { T_Granite } Courses(0.6, 0.6, 0) }

#declare T_Wood = texture { pigment { rgb <0.42, 0.15, 0.08> } normal { wood 0.2 scale 0.1 } finish { ambient 0.05 diffuse 0.7 } }
#declare T_White = texture { T_Plaster }
#declare T_Tile = texture {
  pigment { gradient x color_map { [0 rgb 0.16] [0.5 rgb 0.26] [1 rgb 0.16] } scale 0.5 }
  normal { gradient x 0.8 scale 0.5 }
  finish { ambient 0.05 diffuse 0.6 specular 0.3 roughness 0.05 }
}
#declare T_Gold = texture { pigment { rgb <0.85, 0.65, 0.25> } finish { ambient 0.05 diffuse 0.5 specular 0.7 metallic } }

// A hipped-and-gabled roof over a W x D plan, eaves at Y, ridge at Y + H.
#macro Roof(W, D, Y, H)
  union {
    intersection {
      prism { linear_sweep linear_spline -D / 2, D / 2, 4, <-W / 2, 0>, <W / 2, 0>, <0, H>, <-W / 2, 0> rotate -x * 90 scale <1, 1, -1> }
      prism { linear_sweep linear_spline -W / 2, W / 2, 4, <-D / 2, 0>, <D / 2, 0>, <0, H * 1.35>, <-D / 2, 0> rotate -x * 90 rotate y * 90 }
      translate y * Y
      texture { T_Tile }
    }
    // The ridge with its golden fish-tail ornaments.
    box { <-W * 0.27, Y + H * 0.9, -0.8>, <W * 0.27, Y + H + 0.6, 0.8> texture { T_Tile } }
    #for (S, -1, 1, 2)
      cone { <S * W * 0.27, Y + H, 0>, 1.2, <S * W * 0.29, Y + H + 4.5, 0>, 0.3 texture { T_Gold } }
    #end
  }
#end

union {
  // Stone podium.
  box { <-31, 0, -27>, <31, 1.5, 27> texture { T_Granite } }
  // Lower storey: white walls between red posts.
  box { <-28, 1.5, -24>, <28, 14, 24> texture { T_White } }
  #for (I, 0, 7)
    box { <-28 + I * 8 - 0.6, 1.5, -24.6>, <-28 + I * 8 + 0.6, 14, -24> texture { T_Wood } }
  #end
  box { <-28, 12, -24.8>, <28, 13.5, 24.8> texture { T_Wood } }
  // The great doors and the window gable over the entrance.
  box { <-6, 1.5, -24.8>, <6, 11, -24.1> texture { T_Wood } }
  // Lower roof.
  object { Roof(66, 58, 14, 13) }
  // Upper storey and its roof.
  box { <-22, 18, -18>, <22, 30, 18> texture { T_White } }
  #for (I, 0, 5)
    box { <-22 + I * 8.8 - 0.6, 18, -18.6>, <-22 + I * 8.8 + 0.6, 30, -18> texture { T_Wood } }
  #end
  box { <-22, 28.5, -18.8>, <22, 30, 18.8> texture { T_Wood } }
  object { Roof(58, 48, 30, 17) }
}
// The octagonal bronze lantern in front of the hall.
union {
  cylinder { <0, 0, 0>, <0, 2.5, 0>, 0.35 }
  cylinder { <0, 2.5, 0>, <0, 4, 0>, 0.8 }
  cone { <0, 4, 0>, 1.2, <0, 5, 0>, 0.2 }
  sphere { <0, 5.2, 0>, 0.3 }
  pigment { rgb <0.20, 0.25, 0.20> } finish { ambient 0.05 diffuse 0.6 specular 0.3 }
  translate z * -50
}
#declare Rnd = seed(4);
#for (I, 0, 30)
  #declare P = <-150 + rand(Rnd) * 300, 0, -40 + rand(Rnd) * 120>;
  #if (abs(P.x) > 45 | P.z > 40)
    object { Tree(14 + rand(Rnd) * 6, 6, I) translate P }
  #end
#end
