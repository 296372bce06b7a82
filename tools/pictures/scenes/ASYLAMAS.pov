// A gate of Sargon II's palace at Dur-Sharrukin (Khorsabad) about 710 BCE:
// the arched gateway between two mud-brick towers with stepped crenellations,
// guarded by a pair of human-headed winged bulls in pale stone, on the
// stone-faced terrace of the palace, in the hard light of an Assyrian noon.
#declare SunAz = 218; #declare SunEl = 46; #declare HazeDist = 2600; #declare HazeAlt = 120;
#declare SkyLow = rgb <0.86, 0.80, 0.68>;
#declare SkyTop = rgb <0.16, 0.32, 0.64>;
#declare SunTint = rgb <1.0, 0.93, 0.80>;
#include "atlas.inc"
#include "shapes.inc"
#include "lamassu.inc"

camera { location <-1.9, 3.2, -13.5> look_at <0.9, 3.3, -2.5> angle 60 }
SunAndSky()
Clouds(2500, 0.12)
Ground(T_Sand)
FarHills(T_DryGrass, 7000, 90, 0.12, 5)

// Materials: the pale gypsum-alabaster of the bulls and orthostats, the
// limestone of the terrace, sun-dried mud brick, glazed brick.
#declare T_Alabaster = StoneTex(rgb <0.86, 0.82, 0.72>, rgb <0.92, 0.88, 0.78>, rgb <0.78, 0.74, 0.64>, 0.5)
// The black paint of hair, beard and eyes, worn thin in places.
#declare T_Paint = texture {
  pigment { granite scale 0.3 color_map { [0 rgb <0.13, 0.12, 0.11>] [0.7 rgb <0.18, 0.16, 0.14>] [1 rgb <0.40, 0.37, 0.32>] } }
  finish { ambient 0.04 diffuse 0.65 specular 0.2 roughness 0.04 }
}
#declare T_Terrace = StoneTex(rgb <0.78, 0.70, 0.56>, rgb <0.84, 0.76, 0.62>, rgb <0.70, 0.62, 0.50>, 0.9)
// Joints between blocks, darker than the stone.
#macro Joints(CourseH, BlockW)
  texture {
    pigment { brick color rgbt <0.30, 0.26, 0.22, 0.35>, color rgbt 1 brick_size <BlockW, CourseH, BlockW> mortar CourseH * 0.05 }
    finish { F_Stone }
  }
#end
#declare T_Wall = StoneTex(rgb <0.70, 0.56, 0.40>, rgb <0.75, 0.61, 0.44>, rgb <0.64, 0.51, 0.37>, 0.7)
#macro WallTex()
  texture { T_Wall }
  texture { pigment { brick color rgbt <0.40, 0.30, 0.22, 0.7>, color rgbt 1 brick_size <0.42, 0.13, 0.42> mortar 0.02 } finish { F_Stone } }
  texture { pigment { bozo turbulence 0.8 scale 4 color_map { [0 rgbt <0.45, 0.35, 0.25, 0.75>] [0.5 rgbt 1] [1 rgbt <0.90, 0.82, 0.68, 0.8>] } } finish { F_Stone } }
#end
#declare T_Glaze = texture { pigment { rgb <0.10, 0.24, 0.52> } normal { bumps 0.15 scale 0.1 } finish { ambient 0.05 diffuse 0.65 specular 0.35 roughness 0.02 } }
#declare T_Yellow = texture { pigment { rgb <0.86, 0.70, 0.30> } finish { ambient 0.05 diffuse 0.65 specular 0.35 roughness 0.02 } }
#declare T_WhiteG = texture { pigment { rgb <0.90, 0.88, 0.80> } finish { ambient 0.05 diffuse 0.65 specular 0.3 roughness 0.02 } }
#declare T_Wood = texture {
  pigment { wood turbulence 0.1 scale 0.2 color_map { [0 rgb <0.36, 0.22, 0.12>] [1 rgb <0.48, 0.31, 0.17>] } rotate x * 90 }
  normal { wood 0.3 scale 0.2 rotate x * 90 }
  finish { ambient 0.04 diffuse 0.7 specular 0.05 }
}

// A row of stepped merlons along +x from 0 to L, S tall steps, D deep.
#macro Merlons(L, S, D)
  union {
    #for (I, 0, L / (S * 1.7) - 1)
      union {
        box { <0, 0, -D / 2>, <S * 1.2, S * 0.45, D / 2> }
        box { <S * 0.2, 0, -D / 2>, <S * 1.0, S * 0.9, D / 2> }
        box { <S * 0.4, 0, -D / 2>, <S * 0.8, S * 1.35, D / 2> }
        translate x * (I * S * 1.7 + S * 0.25)
      }
    #end
  }
#end

// The palace terrace: a platform faced with limestone, a broad flight of steps up to the gate.
#declare TY = 1.6;
union {
  box { <-90, -1, -7>, <36, TY, 60> }
  #for (I, 0, 7)
    box { <-6.5, -1, -7 - (8 - I) * 0.45>, <6.5, TY * (I + 1) / 8, -7> }
  #end
  texture { T_Terrace } Joints(0.55, 1.6)
}
// Paving of the terrace in baked brick.
box { <-90, TY - 0.1, -7>, <90, TY + 0.02, 60> BrickTex(rgb <0.70, 0.52, 0.36>, rgb <0.62, 0.50, 0.38>, <0.38, 0.38, 0.38>, 0) }

// The gate front: two towers and the arched passage between them.
#declare PW = 3.6;     // half width of the passage
#declare FZ = -4;      // the front face
#declare BZ = 9;       // the back of the gate
#declare SpringY = TY + 0.25 + 4.25;
#declare TowerH = TY + 11.2;
#declare GateH = TY + 10;
#declare WallH = TY + 9;
#macro Front()
  union {
    // Towers.
    #for (S, -1, 1, 2)
      box { <S * PW, TY - 0.1, FZ>, <S * 11.5, TowerH, BZ> }
    #end
    // The block over the passage.
    difference {
      box { <-PW - 0.1, TY - 0.1, FZ>, <PW + 0.1, GateH, BZ> }
      box { <-PW, TY, FZ - 1>, <PW, SpringY, BZ + 1> }
      cylinder { <0, SpringY, FZ - 1>, <0, SpringY, BZ + 1>, PW }
    }
    // Curtain walls on either side, with the buttresses and recesses of temple and palace fronts.
    #for (S, -1, 1, 2)
      #local XE = (S < 0 ? 90 : 14.5);
      box { <S * 11.4, TY - 0.1, 0>, <S * XE, WallH, BZ> }
      #for (I, 0, (XE - 16) / 3.4)
        box { <S * (14 + I * 3.4), TY - 0.1, -0.5>, <S * (15.6 + I * 3.4), WallH, 0.1> }
      #end
    #end
    // The corner tower at the east end of this front.
    box { <14.5, TY - 0.1, -1.5>, <20, TowerH, BZ> }
    // Vertical grooves down the tower faces.
    #for (S, -1, 1, 2)
      #for (I, 0, 2)
        box { <S * (5.0 + I * 2.5), TY + 3.2, FZ - 0.25>, <S * (6.1 + I * 2.5), TowerH - 1.2, FZ + 0.1> }
      #end
      box { <S * (11.5 + 0.45), TY + 3.2, FZ + 1.2>, <S * (11.4), TowerH - 1.2, FZ + 2.4> }
    #end
    WallTex()
  }
#end
Front()
// Crenellations on the towers, the gate and the walls.
union {
  #for (S, -1, 1, 2)
    object { Merlons(7.9, 0.9, 0.7) translate <min(S * PW, S * 11.5), TowerH, FZ + 0.35> }
    object { Merlons(12.9, 0.9, 0.7) rotate y * -90 translate <S * 11.15, TowerH, FZ> }
    object { Merlons((S < 0 ? 80 : 3), 0.9, 0.7) translate <min(S * 11.5, S * (S < 0 ? 90 : 14.5)), WallH, 0.35> }
  #end
  object { Merlons(7.2, 0.9, 0.7) translate <-PW, GateH, FZ + 0.35> }
  object { Merlons(5.5, 0.9, 0.7) translate <14.5, TowerH, -1.15> }
  object { Merlons(10.5, 0.9, 0.7) rotate y * -90 translate <19.65, TowerH, -1.5> }
  WallTex()
}
// A band of glazed brick round the arch: blue, with yellow rosettes.
difference {
  cylinder { <0, SpringY, FZ - 0.12>, <0, SpringY, FZ + 0.2>, PW + 0.75 }
  cylinder { <0, SpringY, FZ - 1>, <0, SpringY, FZ + 1>, PW + 0.05 }
  plane { y, SpringY }
  texture { T_Glaze }
}
#for (I, 0, 16)
  #local A = radians(5 + I * 170 / 16);
  cylinder { <0, 0, FZ - 0.2>, <0, 0, FZ - 0.1>, 0.22 translate <0, PW + 0.4, 0> rotate z * (85 - I * 170 / 16) translate y * SpringY texture { T_Yellow } }
  sphere { 0, 1 scale <0.09, 0.09, 0.06> translate <0, PW + 0.4, FZ - 0.2> rotate z * (85 - I * 170 / 16) translate y * SpringY texture { T_WhiteG } }
#end
// Glazed bands below the crenellations.
#for (S, -1, 1, 2)
  box { <S * PW, TowerH - 2.2, FZ - 0.08>, <S * 11.5, TowerH - 1.6, FZ + 0.1>
    texture { pigment { gradient x color_map { [0 rgb <0.10, 0.24, 0.52>] [0.6 rgb <0.10, 0.24, 0.52>] [0.6 rgb <0.86, 0.70, 0.30>] [1 rgb <0.86, 0.70, 0.30>] } scale 0.9 }
      finish { ambient 0.05 diffuse 0.65 specular 0.3 roughness 0.02 } } }
#end

// Orthostats: slabs of alabaster lining the foot of the towers and the passage.
#macro Slabs(X0, X1, Z0, Z1)
  box { <X0, TY, Z0>, <X1, TY + 3.0, Z1> texture { T_Alabaster } Joints(3.1, 1.8) }
#end
#for (S, -1, 1, 2)
  Slabs(min(S * (PW + 0.6), S * 11.5), max(S * (PW + 0.6), S * 11.5), FZ - 0.18, FZ + 0.1)
  Slabs(min(S * (PW - 0.12), S * (PW + 0.1)), max(S * (PW - 0.12), S * (PW + 0.1)), 0.6, BZ)
#end
// The two guardians in the gateway, their heads to the front, their bodies
// in profile along the passage; each on a low plinth.
#declare BullZ = FZ + 2.55;
#for (S, -1, 1, 2)
  union {
    object { Lamassu(T_Alabaster, T_Paint) }
    #if (S < 0) scale <1, 1, -1> #end
    rotate y * 90 translate <S * (PW - 0.76), TY + 0.25, BullZ>
  }
#end

// The vault of the passage in shade, and the doors folded back at its inner end.
#for (S, -1, 1, 2)
  box { <S * (PW - 0.2), TY, BZ - 3>, <S * (PW - 0.05), SpringY + 1.5, BZ - 0.2> texture { T_Wood } }
#end
// Beyond the passage, the sunlit inner court and its far wall.
union {
  box { <-40, TY - 0.1, 34>, <40, TY + 11, 40> }
  object { Merlons(80, 0.9, 0.7) translate <-40, TY + 11, 34.35> }
  WallTex()
}
// Date palms on the plain below the terrace.
#declare Rnd = seed(11);
#for (I, 0, 9)
  object { Palm(9 + rand(Rnd) * 5, rand(Rnd) - 0.5, I) translate <48 + rand(Rnd) * 50, 0, -5 + rand(Rnd) * 70> }
#end
// Visitors on the steps and the terrace, for scale.
object { Person(rgb <0.62, 0.22, 0.16>) translate <-6.5, TY, -5.2> }
object { Person(rgb <0.30, 0.32, 0.50>) translate <6.5, TY, -6.0> }
