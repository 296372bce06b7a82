// The Holy Crown of Hungary on a cushion of dark red velvet by candlelight:
// the gold band with its enamel plaques of saints and its sapphires, garnets
// and green stones between rows of pearls, the arched and triangular plates
// along its upper edge, the tall plaques of Christ in front and of the
// emperor at the back, the two cross-bands over the top with the apostles,
// the bent cross on top, and the chains of pendants at the sides and back.
#include "atlas.inc"

camera { location <0.05, 0.30, -1.02> look_at <0, 0.047, 0> angle 27 }
background { rgb 0 }
// The warm glow of the room, which the gold mirrors: unseen, casting no shadow.
sphere { <0, 0.6, -0.6>, 0.7 no_image no_shadow
  pigment { rgb <1, 0.7, 0.4> } finish { emission 0.35 diffuse 0 } }

// Candlelight: two candles behind to the sides, and a warm key light above the front.
light_source { <-0.45, 0.62, -0.75> color rgb <1.0, 0.74, 0.45> * 1.1
  area_light x * 0.12, y * 0.12, 3, 3 adaptive 1 jitter circular orient }
light_source { <0.55, 0.30, -0.55> color rgb <1.0, 0.70, 0.40> * 0.45 shadowless }
#declare FlameL = <-0.40, 0.11, 1.0>;
#declare FlameR = <0.42, 0.10, 1.2>;
light_source { FlameL color rgb <1.0, 0.62, 0.30> * 0.5 fade_distance 0.8 fade_power 2 }
light_source { FlameR color rgb <1.0, 0.62, 0.30> * 0.5 fade_distance 0.8 fade_power 2 }

// ---------------------------------------------------------------- materials
#declare T_Gold = texture {
  pigment { granite scale 0.02 color_map { [0 rgb <1.0, 0.72, 0.28>] [1 rgb <0.90, 0.60, 0.20>] } }
  normal { bumps 0.08 scale 0.002 }
  finish { ambient 0.03 diffuse 0.5 specular 0.9 roughness 0.008 metallic brilliance 2.5 reflection { 0.4 metallic } }
}
#declare F_Enamel = finish { ambient 0.04 diffuse 0.7 specular 0.7 roughness 0.004 reflection 0.06 }
#declare T_EnBlue = texture { pigment { rgb <0.06, 0.16, 0.52> } finish { F_Enamel } }
#declare T_EnGreen = texture { pigment { rgb <0.06, 0.38, 0.22> } finish { F_Enamel } }
#declare T_EnRed = texture { pigment { rgb <0.62, 0.08, 0.06> } finish { F_Enamel } }
#declare T_EnWhite = texture { pigment { rgb <0.85, 0.84, 0.78> } finish { F_Enamel } }
// The gold ground of an enamel, a little darker and glassier than the frame.
#declare T_EnGold = texture { pigment { rgb <0.78, 0.55, 0.20> } finish { ambient 0.03 diffuse 0.5 specular 0.8 roughness 0.006 metallic reflection { 0.25 metallic } } }
#declare T_EnFlesh = texture { pigment { rgb <0.86, 0.66, 0.55> } finish { F_Enamel } }
#declare F_Gem = finish { ambient 0.08 diffuse 0.5 specular 1 roughness 0.002 reflection { 0.1, 0.3 } }
#declare T_Sapphire = texture { pigment { rgb <0.08, 0.14, 0.55> } finish { F_Gem } }
#declare T_Garnet = texture { pigment { rgb <0.50, 0.03, 0.06> } finish { F_Gem } }
#declare T_GreenGem = texture { pigment { rgb <0.08, 0.42, 0.20> } finish { F_Gem } }
#declare T_Pearl = texture {
  pigment { rgb <0.93, 0.90, 0.84> }
  finish { ambient 0.08 diffuse 0.7 specular 0.5 roughness 0.03 reflection 0.05 }
}
#declare T_Velvet = texture {
  pigment { granite scale 0.05 color_map { [0 rgb <0.22, 0.02, 0.03>] [1 rgb <0.28, 0.035, 0.035>] } }
  normal { bumps 0.2 scale 0.004 }
  finish { ambient 0.03 diffuse 0.8 specular 0.12 roughness 0.2 }
}

// ---------------------------------------------------------------- parts
#declare R = 0.104;    // radius of the band
#declare HB = 0.052;   // height of the band

// An enamel plaque W x H on a gold frame in the plane z = 0, raised towards
// -z: a saint with a halo on a coloured ground. Robe picks the colour.
#macro Saint(W, H, Robe, Ground)
  union {
    box { <-W / 2, 0, -0.0015>, <W / 2, H, 0.001> texture { T_Gold } }
    box { <-W / 2 + 0.003, 0.003, -0.0025>, <W / 2 - 0.003, H - 0.003, 0> texture { Ground } }
    // Halo, head, and the robe widening downwards.
    cylinder { <0, H * 0.74, -0.003>, <0, H * 0.74, -0.002>, W * 0.26 texture { T_Gold } }
    cylinder { <0, H * 0.74, -0.0036>, <0, H * 0.74, -0.0026>, W * 0.15 texture { T_EnFlesh } }
    cone { <0, H * 0.08, 0>, W * 0.34, <0, H * 0.6, 0>, W * 0.16 scale <1, 1, 0.02> translate z * -0.003 texture { Robe } }
    box { <-W * 0.3, H * 0.08, -0.0034>, <W * 0.3, H * 0.58, -0.0026> texture { Robe } }
    box { <-W * 0.06, H * 0.1, -0.0038>, <W * 0.06, H * 0.55, -0.0033> texture { T_EnWhite } }
  }
#end
// An arched-top plaque (round head), used for Christ and the emperor.
#macro Arched(W, H, Robe, Cloak)
  union {
    intersection {
      union { box { <-W / 2, 0, -0.002>, <W / 2, H - W / 2, 0.001> } cylinder { <0, H - W / 2, -0.002>, <0, H - W / 2, 0.001>, W / 2 } }
      plane { y, H }
      texture { T_Gold }
    }
    union { box { <-W / 2 + 0.003, 0.003, -0.003>, <W / 2 - 0.003, H - W / 2, 0> } cylinder { <0, H - W / 2, -0.003>, <0, H - W / 2, 0>, W / 2 - 0.003 } texture { T_EnGold } }
    // The throne's back behind the figure.
    box { <-W * 0.36, H * 0.12, -0.0033>, <W * 0.36, H * 0.66, -0.003> texture { T_EnGreen } }
    cylinder { <0, H * 0.72, -0.0035>, <0, H * 0.72, -0.003>, W * 0.2 texture { T_Gold } }
    cylinder { <0, H * 0.72, -0.0042>, <0, H * 0.72, -0.0034>, W * 0.11 texture { T_EnFlesh } }
    box { <-W * 0.24, H * 0.1, -0.004>, <W * 0.24, H * 0.6, -0.0034> texture { Robe } }
    box { <-W * 0.08, H * 0.1, -0.0046>, <W * 0.24, H * 0.56, -0.0039> rotate z * -8 texture { Cloak } }
    cylinder { <-W * 0.1, H * 0.42, -0.0048>, <-W * 0.1, H * 0.42, -0.004>, W * 0.09 texture { T_EnFlesh } }
    box { <-W * 0.32, H * 0.04, -0.0038>, <W * 0.32, H * 0.1, -0.003> texture { T_EnRed } }
  }
#end
// A cabochon gem in a gold collet, ringed with small pearls.
#macro Gem(Sz, GemT, Pearls)
  union {
    cylinder { <0, 0, 0>, <0, 0, -0.004>, Sz * 1.2 texture { T_Gold } }
    sphere { 0, 1 scale <Sz, Sz * 1.25, Sz * 0.7> translate z * -0.004 texture { GemT } }
    #if (Pearls)
      #for (K, 0, 9)
        sphere { <0, Sz * 1.75, -0.003>, Sz * 0.32 rotate z * (K * 36) texture { T_Pearl } }
      #end
    #end
  }
#end
// Place an object built in the plane z = 0 on the band's surface at angle A
// (0 = front, -z), at height Y, facing outwards.
#macro OnBand(Obj, A, Y)
  object { Obj translate <0, Y, -R - 0.0025> rotate y * A }
#end

// ---------------------------------------------------------------- the lower crown
#declare Crown = union {
  // The gold band.
  difference {
    cylinder { 0, y * HB, R + 0.002 }
    cylinder { -y, y, R - 0.003 }
    texture { T_Gold }
  }
  // Rows of pearls along both edges.
  #for (I, 0, 71)
    sphere { <0, 0.004, -R - 0.004>, 0.0036 rotate y * (I * 5) texture { T_Pearl } }
    sphere { <0, HB - 0.004, -R - 0.004>, 0.0036 rotate y * (I * 5 + 2.5) texture { T_Pearl } }
  #end
  // Plaques of saints and gems between them round the band; the large
  // sapphires under Christ in front and under the emperor at the back.
  #for (I, 0, 15)
    #local A = I * 22.5;
    #if (mod(I, 2) = 1)
      #if (mod(I, 4) = 1) #local RobeT = T_EnGreen; #else #local RobeT = T_EnRed; #end
      OnBand(Saint(0.022, 0.034, RobeT, T_EnGold), A, 0.009)
    #else
      #local G = mod(I / 2, 3);
      #local Sz = 0.0065;
      #if (G = 1) #local GemT = T_Garnet; #elseif (G = 2) #local GemT = T_GreenGem; #else #local GemT = T_Sapphire; #end
      #if (I = 0 | I = 8) #local Sz = 0.0085; #local GemT = T_Sapphire; #end
      OnBand(Gem(Sz, GemT, 1), A, HB / 2)
    #end
  #end
  // The crest along the upper edge: arched and triangular plates, each with a gem.
  #for (I, -4, 4)
    #if (I != 0)
      #local A = I * 22.5;
      #if (mod(abs(I), 2) = 1)
        OnBand(union {
          prism { linear_spline -0.0012, 0.0012, 4, <-0.011, 0>, <0.011, 0>, <0, 0.026>, <-0.011, 0> rotate x * -90 texture { T_Gold } }
          sphere { 0, 1 scale <0.0035, 0.005, 0.0025> translate <0, 0.009, -0.002> texture { T_GreenGem } }
        }, A, HB - 0.001)
      #else
        OnBand(union {
          intersection { cylinder { <0, 0, -0.0012>, <0, 0, 0.0012>, 0.013 } plane { -y, 0 } texture { T_Gold } }
          sphere { 0, 1 scale <0.004, 0.005, 0.0025> translate <0, 0.006, -0.002> texture { T_Sapphire } }
        }, A, HB - 0.001)
      #end
    #end
  #end
  // Christ enthroned on the tall arched plaque in front, the emperor at the back.
  OnBand(Arched(0.036, 0.062, T_EnRed, T_EnBlue), 0, HB - 0.012)
  OnBand(Arched(0.034, 0.072, T_EnRed, T_EnGreen), 180, HB - 0.014)

  // ------------------------------------------------------------ the upper crown
  // Two bands crossing over the top, with pearls along their edges.
  #for (Turn, 0, 90, 90)
    union {
      intersection {
        difference { sphere { y * HB, R + 0.001 } sphere { y * HB, R - 0.003 } }
        box { <-R - 0.01, HB - 0.003, -0.013>, <R + 0.01, HB + R + 0.01, 0.013> }
        texture { T_Gold }
      }
      #for (K, 4, 176, 4)
        sphere { <cos(radians(K)) * (R + 0.002), HB + sin(radians(K)) * (R + 0.002), -0.0135>, 0.0026 texture { T_Pearl } }
        sphere { <cos(radians(K)) * (R + 0.002), HB + sin(radians(K)) * (R + 0.002), 0.0135>, 0.0026 texture { T_Pearl } }
      #end
      // Apostles on each half, gems between them.
      // Apostles standing with their heads towards the top, gems between them.
      #for (M, -1, 1, 2)
        union {
          #for (K, 0, 1)
            #local T = 33 + K * 28;
            #if (mod(K + Turn / 90 + (M + 1) / 2, 2) = 0) #local RobeT = T_EnRed; #else #local RobeT = T_EnGreen; #end
            object { Saint(0.020, 0.028, RobeT, T_EnGold)
              translate y * -0.014 rotate y * -90 rotate z * T
              translate <cos(radians(T)) * (R + 0.003), HB + sin(radians(T)) * (R + 0.003), 0> }
          #end
          #for (T, 17, 77, 30)
            #if (T != 47)
              #if (T = 17) #local GemT = T_Garnet; #else #local GemT = T_GreenGem; #end
              object { Gem(0.0042, GemT, 0) rotate y * -90 rotate z * T
                translate <cos(radians(T)) * (R + 0.0035), HB + sin(radians(T)) * (R + 0.0035), 0> }
            #end
          #end
          scale <M, 1, 1>
        }
      #end
      rotate y * (Turn + 90)
    }
  #end
  // The square plaque of Christ where the bands cross.
  union {
    box { <-0.016, -0.0015, -0.016>, <0.016, 0.001, 0.016> texture { T_Gold } }
    box { <-0.013, 0, -0.013>, <0.013, 0.0025, 0.013> texture { T_EnBlue } }
    cylinder { <0, 0.0025, 0.004>, <0, 0.003, 0.004>, 0.006 texture { T_Gold } }
    cylinder { <0, 0.003, 0.004>, <0, 0.0036, 0.004>, 0.0035 texture { T_EnFlesh } }
    box { <-0.006, 0.0025, -0.011>, <0.006, 0.0034, 0.0> texture { T_EnWhite } }
    translate y * (HB + R + 0.001)
  }
  // The cross on its little globe, bent to one side.
  union {
    sphere { 0, 0.007 }
    cylinder { 0, y * 0.058, 0.0032 }
    cylinder { <-0.019, 0.038, 0>, <0.019, 0.038, 0>, 0.003 }
    #for (P, 0, 2)
      sphere { <0, 0.038, 0> + <cos(radians(P * 90)), sin(radians(P * 90)), 0> * 0.021, 0.0042 }
    #end
    sphere { <0, 0.038, 0>, 0.0045 }
    texture { T_Gold }
    rotate z * -13 translate y * (HB + R + 0.006)
  }
  // Chains of pendants: four on each side and one at the back, hanging from
  // the lower edge and lying out over the cushion (-z is outwards here).
  #macro Pendant(GemT)
    union {
      #for (L, 0, 7)
        torus { 0.0028, 0.0009 rotate (mod(L, 2) = 0 ? z * 90 : x * 0) translate <0, -L * 0.0011, -0.0025 - L * 0.0040> texture { T_Gold } }
      #end
      // A trefoil of gold with a stone, lying flat.
      union {
        sphere { <-0.0036, 0, 0>, 0.0031 } sphere { <0.0036, 0, 0>, 0.0031 } sphere { <0, 0, -0.0052>, 0.0034 }
        scale <1, 0.6, 1> texture { T_Gold }
        translate <0, -0.0085, -0.036>
      }
      sphere { 0, 1 scale <0.0028, 0.002, 0.0035> translate <0, -0.0068, -0.0375> texture { GemT } }
    }
  #end
  #for (I, 0, 3)
    #if (mod(I, 2) = 0) #local GemT = T_Garnet; #else #local GemT = T_Sapphire; #end
    object { Pendant(GemT) translate <0, 0.014, -R - 0.003> rotate y * (68 + I * 12) }
    object { Pendant(GemT) translate <0, 0.014, -R - 0.003> rotate y * (-68 - I * 12) }
  #end
  object { Pendant(T_Sapphire) translate <0, 0.014, -R - 0.003> rotate y * 180 }
}

// ---------------------------------------------------------------- cushion and room
// The cushion, plump and a little sunk under the crown, tassels at its corners.
#declare CushTop = 0.0;
union {
  superellipsoid { <0.35, 0.35> scale <0.25, 0.045, 0.25> translate y * -0.04 }
  texture { T_Velvet }
}
#for (Sx, -1, 1, 2)
  #for (Sz, -1, 1, 2)
    union {
      sphere { 0, 0.012 }
      cone { <0, -0.008, 0>, 0.006, <0, -0.05, 0>, 0.014 }
      texture { T_Gold }
      translate <Sx * 0.235, -0.02, Sz * 0.235>
    }
  #end
#end
object { Crown rotate y * -8 translate y * -0.006 }
// A table under a dark cloth, and a wall hung with dark red cloth far behind.
box { <-3, -0.1, -2>, <3, -0.085, 2>
  pigment { granite scale 0.2 color_map { [0 rgb <0.10, 0.05, 0.04>] [1 rgb <0.14, 0.07, 0.05>] } }
  normal { bumps 0.2 scale 0.01 } finish { ambient 0.02 diffuse 0.7 } }
plane { z, 3.0
  pigment { gradient x color_map { [0 rgb <0.04, 0.012, 0.01>] [0.5 rgb <0.07, 0.02, 0.015>] [1 rgb <0.04, 0.012, 0.01>] } scale 0.35 }
  normal { gradient x 0.6 scale 0.35 } finish { ambient 0.02 diffuse 0.6 } }
// The two candles on their stands.
#macro Candle(F)
  union {
    cylinder { F - y * (F.y + 0.03), F - y * 0.015, 0.018 pigment { rgb <0.80, 0.72, 0.56> } finish { ambient 0.06 diffuse 0.6 } no_shadow }
    cylinder { F - y * (F.y + 0.035), F - y * (F.y + 0.025), 0.03 texture { T_Gold } }
    cone { F - y * (F.y + 0.035), 0.01, F - y * (F.y + 0.085), 0.05 texture { T_Gold } }
    sphere { 0, 1 scale <0.008, 0.022, 0.008> translate F + y * 0.008
      pigment { rgbt <1, 0.8, 0.4, 0.2> } finish { emission 2 diffuse 0 } no_shadow }
  }
#end
Candle(FlameL)
Candle(FlameR)
