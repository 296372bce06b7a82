// The Great Bath of Aquae Sulis under its barrel vault, about 300 CE: the
// warm green spring water in its lead-lined pool with steps down on every
// side, steam over the water, the arcade of piers round it opening into the
// aisles, sunlight falling through the lunette windows of the vault.
#declare SunAz = 215; #declare SunEl = 38; #declare FillPower = 0.25;
#include "atlas.inc"

camera { location <-2.6, 3.4, -16.8> look_at <0.2, 1.6, 6> angle 70 }
SunAndSky()
// Daylight bouncing off the water and the pale stone round the hall.
light_source { <0, 11, -4> color rgb <0.50, 0.45, 0.36> shadowless }
light_source { <0, 3, -16> color rgb <0.26, 0.24, 0.20> shadowless }
light_source { <0, 0.2, 0> color rgb <0.10, 0.16, 0.12> shadowless }

// Bath stone: the warm cream oolitic limestone of the hills round the spring.
#declare T_BathStone = StoneTex(rgb <0.76, 0.66, 0.48>, rgb <0.82, 0.72, 0.54>, rgb <0.68, 0.58, 0.42>, 0.5)
#macro Ashlar() texture { T_BathStone } Courses(0.42, 0.9, 0) #end
#declare T_Lead = texture { pigment { rgb <0.30, 0.31, 0.32> } finish { ambient 0.04 diffuse 0.5 specular 0.2 roughness 0.05 } }
#declare T_Spring = texture {
  pigment { rgbf <0.22, 0.50, 0.32, 0.72> }
  normal { ripples 0.06 frequency 1.5 scale 1.6 }
  finish { ambient 0.02 diffuse 0.08 specular 0.6 roughness 0.006 reflection { 0.15, 0.7 fresnel on } conserve_energy }
}

#declare PoolW = 6;     // half width of the pool
#declare PoolL = 12.5;  // half length
#declare StepW = 0.45;
// The paving of the hall, with the pool cut into it.
difference {
  box { <-15, -3, -22>, <15, 0, 20> }
  box { <-PoolW, -1.6, -PoolL>, <PoolW, 1, PoolL> }
  Ashlar()
}
// Four steps down into the water along every side.
#for (K, 1, 3)
  difference {
    box { <-PoolW + (K - 1) * StepW, -1.6, -PoolL + (K - 1) * StepW>, <PoolW - (K - 1) * StepW, -0.40 * K, PoolL - (K - 1) * StepW> }
    box { <-PoolW + K * StepW, -2, -PoolL + K * StepW>, <PoolW - K * StepW, 0, PoolL - K * StepW> }
    Ashlar()
  }
#end
// The lead sheets that line the floor of the pool.
box { <-PoolW + 3 * StepW, -1.7, -PoolL + 3 * StepW>, <PoolW - 3 * StepW, -1.6, PoolL - 3 * StepW> texture { T_Lead } }
box { <-PoolW, -1.6, -PoolL>, <PoolW, -0.25, PoolL> texture { T_Spring } interior { ior 1.33 fade_distance 1.2 fade_power 2 fade_color rgb <0.10, 0.32, 0.18> } }

// The arcade: a wall on each side of the pool pierced by round arches
// between square piers, carrying the vault.
#declare ArcX = 8.2;
#declare Bay = 4.2;
#declare SpringY = 9.5;
#for (S, -1, 1, 2)
  difference {
    box { <S * ArcX - 0.7, 0, -18>, <S * ArcX + 0.7, SpringY, 16> }
    #for (I, -4, 3)
      union {
        box { <-1, 0.01, -Bay / 2 + 0.65>, <1, 4.6, Bay / 2 - 0.65> }
        cylinder { <-1, 4.6, 0>, <1, 4.6, 0>, Bay / 2 - 0.65 }
        translate <S * ArcX, 0, (I + 0.5) * Bay>
      }
    #end
    Ashlar()
  }
  // A moulded impost band and a cornice where the vault springs.
  box { <S * ArcX - 0.85, SpringY - 0.35, -18>, <S * ArcX + 0.85, SpringY, 16> Ashlar() }
  // The outer walls of the aisles and their lower ceilings.
  box { <S * 14, 0, -22>, <S * 15, 8, 20> Ashlar() }
  box { <S * ArcX, 6.8, -22>, <S * 15, 7.4, 20> texture { T_Plaster } }
#end

// The barrel vault, of hollow box tiles rendered smooth, with a plain
// transverse rib over each pier. (Windows cut through its curve came out as
// bright ovals floating on the vault.)
difference {
  cylinder { <0, SpringY, -18>, <0, SpringY, 16>, ArcX + 0.7 }
  cylinder { <0, SpringY, -19>, <0, SpringY, 17>, ArcX - 0.7 }
  plane { y, SpringY }
  texture { T_Plaster }
}
#for (I, -4, 4)
  difference {
    cylinder { <0, SpringY, I * Bay - 0.35>, <0, SpringY, I * Bay + 0.35>, ArcX - 0.6 }
    cylinder { <0, SpringY, I * Bay - 0.4>, <0, SpringY, I * Bay + 0.4>, ArcX - 1.1 }
    plane { y, SpringY }
    Ashlar()
  }
#end
// The end walls: the north one with its great semicircular window.
difference {
  box { <-15, 0, 15.5>, <15, SpringY + ArcX + 1, 16.5> }
  box { <-2.2, 0.01, 15>, <2.2, 4.8, 17> }
  difference {
    cylinder { <0, SpringY + 0.4, 15>, <0, SpringY + 0.4, 17>, 5.4 }
    plane { y, SpringY + 0.4 }
  }
  Ashlar()
}
// Mullions across the window.
#for (A, 45, 135, 45)
  box { <-0.12, 0, -0.12>, <0.12, 5.4, 0.12> rotate z * (90 - A) translate <0, SpringY + 0.4, 16> Ashlar() }
#end
box { <-15, 0, -18.5>, <15, SpringY + ArcX + 1, -17.5> Ashlar() }

// Beyond the north door and window: the precinct of the temple of Sulis Minerva.
plane { y, 0 clipped_by { box { <-200, -1, 16.6>, <200, 1, 300> } } texture { T_Grass } }
box { <-4, 0, 40>, <4, 12, 50> texture { T_Limestone } }

// Steam rising off the warm water, thickest just above it.
fog {
  fog_type 2
  distance 70
  color rgbt <0.92, 0.92, 0.90, 0.3>
  fog_offset -0.3
  fog_alt 0.9
  turbulence <0.5, 0.2, 0.5>
  turb_depth 0.4
}

// Bathers' things on the edge: an altar and a pair of statues' plinths.
#for (S, -1, 1, 2)
  box { <S * 6.8 - 0.5, 0, 13>, <S * 6.8 + 0.5, 1.2, 14> Ashlar() }
  cylinder { <S * 6.8, 1.2, 13.5>, <S * 6.8, 2.9, 13.5>, 0.32 texture { T_Limestone } }
  sphere { <S * 6.8, 3.15, 13.5>, 0.26 texture { T_Limestone } }
#end
