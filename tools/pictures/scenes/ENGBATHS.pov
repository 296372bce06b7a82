// The Great Bath of Aquae Sulis: the warm green spring water in its lead-
// lined pool, piers and columns round it under the tall barrel vault, light
// falling through the lunette windows.
#declare SunAz = 270; #declare SunEl = 30;
#include "atlas.inc"

camera { location <-3, 4.2, -19> look_at <0, 1.5, 4> angle 66 }
SunAndSky()
// Indirect light bouncing round the hall.
light_source { <0, 12, 0> color rgb <0.42, 0.40, 0.36> shadowless }
light_source { <0, 4, -14> color rgb <0.20, 0.19, 0.17> shadowless }

#declare T_Bath = StoneTex(rgb <0.62, 0.54, 0.40>, rgb <0.68, 0.60, 0.45>, rgb <0.55, 0.47, 0.35>, 0.4)
#declare T_Green = texture {
  pigment { rgb <0.10, 0.28, 0.18> }
  normal { ripples 0.12 frequency 2 scale 2 }
  finish { ambient 0.03 diffuse 0.03 specular 0.5 roughness 0.01 reflection { 0.08, 0.5 fresnel on } conserve_energy }
}
// The pool and the paving round it.
difference {
  box { <-12, -3, -24>, <12, 0, 24> }
  box { <-6, -1.6, -12>, <6, 1, 12> }
  texture { T_Bath } Courses(0.5, 1.0, 0)
}
// Steps down into the water along the sides.
#for (I, 0, 3)
  box { <-6, -1.6, -12>, <-5.7 + I * -0.0, -0.4 * I, 12> texture { T_Bath } }
#end
box { <-6, -1.6, -12>, <6, -0.35, 12> texture { T_Green } interior { ior 1.33 } }
// The piers and columns round the pool.
#for (I, 0, 5)
  #for (S, -1, 1, 2)
    box { <S * 6.6 - 0.5, 0, -10 + I * 4 - 0.5>, <S * 6.6 + 0.5, 6.5, -10 + I * 4 + 0.5> texture { T_Bath } }
    cylinder { <S * 6.0, 0, -10 + I * 4>, <S * 6.0, 6, -10 + I * 4>, 0.3 texture { T_Bath } }
  #end
#end
// The hall: side walls with arches, and the barrel vault with lunettes.
#declare VaultY = 8;
difference {
  union {
    box { <-12, 0, -24>, <12, VaultY, 24> }
    cylinder { <0, VaultY, -24>, <0, VaultY, 24>, 12 }
  }
  box { <-7, 0, -23>, <7, VaultY, 23> }
  cylinder { <0, VaultY, -23>, <0, VaultY, 23>, 7 }
  // Arches from the pool into the aisles.
  #for (I, 0, 4)
    #for (S, -1, 1, 2)
      box { <S * 12, 0, -8 + I * 4>, <0, 5.5, -6 + I * 4> }
    #end
  #end
  // Lunette windows in the vault.
  #for (I, 0, 4)
    cylinder { <-13, VaultY, -8 + I * 4 + 1>, <13, VaultY, -8 + I * 4 + 1>, 1.3 }
  #end
  // The tall window at the far end.
  box { <-3, 1, 20>, <3, 11, 26> }
  texture { T_Plaster }
}
// The sky and a colonnade beyond the end window.
plane { y, -3 texture { T_Grass } }
