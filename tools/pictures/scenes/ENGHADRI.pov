// Hadrian's Wall along the crags of the Whin Sill, about 130 CE: the wall
// on the crest with its walkway and parapet, a milecastle against its south
// face and a turret beyond, the crags falling to a lough on the north side.
#declare SunAz = 320; #declare SunEl = 16; #declare SunTint = rgb <1.0, 0.88, 0.72>; #declare HazeDist = 5000; #declare HazeAlt = 220;
#declare SkyTop = rgb <0.20, 0.33, 0.60>;
#declare SkyLow = rgb <0.70, 0.75, 0.80>;
#include "atlas.inc"
#declare RidgeZ = function(X) { 30 * sin(X / 150) + 9 * sin(X / 47 + 1) }
#declare RidgeH = function(X) { 34 + 12 * sin(X / 70 + 2) + 7 * sin(X / 23) }
#declare RidgeW = 70;
#declare Noise = function { pattern { bozo turbulence 0.5 octaves 4 scale 60 } }
// North of the crest the dolerite breaks off in crags down to the lough.
#declare TerrainBase = function(X, Z) {
  Noise(X, 0, Z) * 5 - min(16, max(0, Z - RidgeZ(X) - 4) * 4) - min(18, max(0, Z - RidgeZ(X) - 8) * 0.55)
  + (max(0, Z - RidgeZ(X) - 190) * 0.3 + max(0, abs(X + 40) - 280) * 0.3) * min(1, max(0, (Z - RidgeZ(X) - 40) / 40))
}
#include "ridgewall.inc"

camera { location <430, 75, 95> look_at <0, 20, 15> angle 56 }
SunAndSky()
Clouds(1800, 0.6)

// Rough moor grass with patches of heather and bracken.
#declare T_Moor = texture {
  pigment {
    bozo turbulence 0.8 octaves 5 scale 25
    color_map {
      [0.00 rgb <0.26, 0.36, 0.13>]
      [0.45 rgb <0.32, 0.42, 0.16>]
      [0.60 rgb <0.40, 0.40, 0.20>]
      [0.75 rgb <0.38, 0.28, 0.20>]
      [1.00 rgb <0.30, 0.38, 0.15>]
    }
  }
  normal { granite 0.4 scale 0.4 }
  finish { F_Ground }
}
// The dark dolerite of the Whin Sill breaks in upright columns.
#declare T_Dolerite = texture {
  pigment {
    granite turbulence 0.3 scale <2, 14, 2>
    color_map {
      [0.0 rgb <0.18, 0.19, 0.20>]
      [0.5 rgb <0.27, 0.28, 0.29>]
      [1.0 rgb <0.14, 0.15, 0.16>]
    }
  }
  normal { granite 0.8 scale <2, 10, 2> }
  finish { ambient 0.06 diffuse 0.75 }
}
// Moor on the slopes, bare rock where the ground is steep.
#declare T_Crag = texture {
  slope { y }
  texture_map {
    [0.00 T_Dolerite]
    [0.68 T_Dolerite]
    [0.76 T_Moor]
    [1.00 T_Moor]
  }
}
plane { y, -30 texture { T_Moor } }
height_field {
  function 900, 900 { min(1, max(0, (Terrain(x * 1100 - 550, (1 - y) * 1100 - 550) + 40) / 130)) }
  smooth
  translate <-0.5, 0, -0.5> scale <1100, 130, 1100> translate y * -40
  texture { T_Crag }
}
object { FarHills(T_Moor, 12000, 300, 0.1, 3) translate y * -30 }
// Crag Lough below the cliffs, held in by the rising moor to the north.
plane { y, -12 clipped_by { box { <-550, -20, 20>, <550, 0, 550> } } texture { T_Water } }

#macro WallTex() texture { T_Greystone } Courses(0.30, 0.45, 0) #end
#declare WallW = 3.0;
#declare WallH = 4.6;
// The wall in short straight lengths, each sheared to follow the rise and
// fall of the crest, with a walkway behind a crenellated north parapet.
#macro WallLength(X0, X1, Step)
  #local X = X0;
  #while (X < X1)
    #local Za = RidgeZ(X);
    #local Zb = RidgeZ(X + Step);
    #local Ya = Terrain(X, Za);
    #local Yb = Terrain(X + Step, Zb);
    #local Len = vlength(<Step, 0, Zb - Za>);
    #local Yaw = degrees(atan2(Zb - Za, Step));
    union {
      box { <-0.15, -5, -WallW / 2>, <Len + 0.15, WallH, WallW / 2> }
      box { <-0.15, WallH, WallW / 2 - 0.6>, <Len + 0.15, WallH + 1.0, WallW / 2> }
      box { <0.2, WallH + 1.0, WallW / 2 - 0.6>, <Len * 0.5 - 0.2, WallH + 1.7, WallW / 2> }
      box { <Len * 0.5 + 0.2, WallH + 1.0, WallW / 2 - 0.6>, <Len - 0.2, WallH + 1.7, WallW / 2> }
      matrix <1, (Yb - Ya) / Len, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0>
      rotate y * -Yaw
      translate <X, Ya, Za>
    }
    #local X = X + Step;
  #end
#end
union { WallLength(-560, 560, 2.4) WallTex() }

// Milecastle: a walled yard against the south face of the wall, with a gate
// in its south side and another through the wall to the north.
#declare Mx = -95;
#declare Mz = RidgeZ(Mx);
#declare My = Terrain(Mx, Mz);
#declare MYaw = degrees(atan2(RidgeZ(Mx + 2) - RidgeZ(Mx - 2), 4));
union {
  difference {
    box { <-9, -6, -19>, <9, 4.2, 0> }
    box { <-7.8, -5, -17.8>, <7.8, 6, 0.5> }
    box { <-1.6, -5, -20>, <1.6, 3.2, -17> }
  }
  // Barracks inside, roofed with slate.
  box { <-7.6, -5, -9>, <-2.5, 2.4, -1.6> texture { T_Plaster } }
  prism { linear_sweep linear_spline -9, -1.6, 4, <-7.8, 2.4>, <-2.3, 2.4>, <-5.05, 4.2>, <-7.8, 2.4>
    rotate x * -90 translate <0, 0, 0> scale <1, 1, 1>
    texture { pigment { rgb <0.30, 0.30, 0.33> } finish { ambient 0.05 diffuse 0.7 } }
  }
  // The gate towers over the two gates.
  box { <-2.6, -5, -19.4>, <2.6, 7.6, -16.6> }
  box { <-2.6, 3, -1.2>, <2.6, 8.0, 1.6> }
  WallTex()
  rotate y * -MYaw
  translate <Mx, My - 0.3, Mz>
}
// Turrets a third of a mile along the wall either side.
#for (Tx, -95 + 490, -95 + 490, 1)
  #local Tz = RidgeZ(Tx);
  #local Ty = Terrain(Tx, Tz);
  box { <-3, -5, -3.9>, <3, WallH + 4.2, 1.6> rotate y * -degrees(atan2(RidgeZ(Tx + 2) - RidgeZ(Tx - 2), 4)) translate <Tx, Ty, Tz> WallTex() }
#end
