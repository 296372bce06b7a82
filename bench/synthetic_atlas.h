// A synthetic atlas of the real one's size for the benchmarks: 60 wavy
// land outlines, 40 rivers, nation territories from 3000 BC to 1000 AD up to
// the last paintable slot (solid, hatched, ACTION 103 and 104 among them) and
// a relief raster of broad ranges. The same every run.
#pragma once

// Fills borderTable and terrainMap with the synthetic atlas.
void makeSyntheticAtlas();

// Writes the synthetic atlas into a fresh folder as borders.dat and
// terrain.dat, so that start-up reads real files, and enters the folder.
// Later calls only stay there.
void enterSyntheticAtlasFolder();
