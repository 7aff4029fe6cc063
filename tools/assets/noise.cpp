// Periodic value and cellular noise.
#include "noise.h"

#include <algorithm>
#include <cmath>

namespace tarnik::assets {

namespace {

// Wraps an integer lattice index into [0, period).
int Wrap(int i, int period) {
  return ((i % period) + period) % period;
}

// Quintic fade curve for smooth interpolation.
double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

double Hash01(uint32_t seed, int32_t a, int32_t b) {
  uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(a) * 0x85EBCA77u ^
               static_cast<uint32_t>(b) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double TileNoise(uint32_t seed, double u, double v, int cellsX, int cellsY) {
  const double x = u * cellsX, y = v * cellsY;
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = Fade(x - x0), fy = Fade(y - y0);
  auto at = [&](int i, int j) { return Hash01(seed, Wrap(i, cellsX), Wrap(j, cellsY)); };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;
}

double TileFbm(uint32_t seed, double u, double v, int cellsX, int cellsY, int octaves) {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * TileNoise(seed + 101 * o, u, v, cellsX << o, cellsY << o);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

void TileWorley(uint32_t seed, double u, double v, int cells, double* f1, double* f2) {
  const double x = u * cells, y = v * cells;
  const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
  double d1 = 9, d2 = 9;
  for (int j = cy - 1; j <= cy + 1; ++j) {
    for (int i = cx - 1; i <= cx + 1; ++i) {
      const int wi = Wrap(i, cells), wj = Wrap(j, cells);
      const double px = i + 0.1 + 0.8 * Hash01(seed, wi, wj);
      const double py = j + 0.1 + 0.8 * Hash01(seed + 7, wi, wj);
      const double d = std::hypot(px - x, py - y);
      if (d < d1) {
        d2 = d1;
        d1 = d;
      } else if (d < d2) {
        d2 = d;
      }
    }
  }
  *f1 = d1;
  *f2 = d2;
}

}  // namespace tarnik::assets
