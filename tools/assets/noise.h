// Seeded noise that repeats exactly every tile, so textures made from it
// tile without seams. Coordinates u, v run over [0, 1) across one tile.
#pragma once

#include <cstdint>

namespace tarnik::assets {

// A hash of integers to [0, 1), the source of all randomness here.
double Hash01(uint32_t seed, int32_t a, int32_t b = 0);

// Smooth value noise in [0, 1) on a lattice of cellsX × cellsY per tile.
double TileNoise(uint32_t seed, double u, double v, int cellsX, int cellsY);

// Sum of `octaves` layers of TileNoise, each twice as fine and half as
// strong, normalised to [0, 1).
double TileFbm(uint32_t seed, double u, double v, int cellsX, int cellsY, int octaves);

// Distances to the nearest and second-nearest of `cells` × `cells` jittered
// points that repeat every tile, in units of one cell.
void TileWorley(uint32_t seed, double u, double v, int cells, double* f1, double* f2);

}  // namespace tarnik::assets
