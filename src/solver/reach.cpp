#include "solver/reach.h"

#include <algorithm>

namespace tarnik::solver {

namespace {

bool Holds(const Rect& a, int32_t x, int32_t y) {
  return x >= a.l && x < a.r && y >= a.t && y < a.b;
}

// The rectangles that may take a point away from `area`: the hit areas of
// the piles after pile `i` that meet it.
int32_t LaterPiles(const Pile* table, int32_t pileCount, int32_t i, const Rect& area,
                   Rect (&cover)[kMaxCover], int32_t n) {
  for (int32_t j = i + 1; j < pileCount && n < kMaxCover; ++j) {
    const Pile& p = table[j];
    if (!p.TopCard && p.PileStart == PileStart::BlankSpace) continue;
    const Rect r{p.Left, p.Top, p.Left + p.Width, p.Top + p.Height};
    if (Meets(r, area)) cover[n++] = r;
  }
  return n;
}

}  // namespace

// The edges of the rectangles cut the area into cells that are wholly in or out
// of each rectangle, so testing one corner of each cell decides it.
bool Uncovered(const Rect& area, const Rect (&cover)[kMaxCover], int32_t n) {
  if (n == 0) return true;
  int32_t xs[2 * kMaxCover + 1], ys[2 * kMaxCover + 1];
  int32_t nx = 0, ny = 0;
  xs[nx++] = area.l;
  ys[ny++] = area.t;
  for (int32_t k = 0; k < n; ++k) {
    const Rect& c = cover[k];
    if (c.l <= area.l && c.r >= area.r && c.t <= area.t && c.b >= area.b) return false;
    if (c.r > area.l && c.r < area.r) xs[nx++] = c.r;
    if (c.b > area.t && c.b < area.b) ys[ny++] = c.b;
  }
  for (int32_t a = 0; a < nx; ++a)
    for (int32_t b = 0; b < ny; ++b) {
      bool free = true;
      for (int32_t k = 0; k < n && free; ++k) free = !Holds(cover[k], xs[a], ys[b]);
      if (free) return true;
    }
  return false;
}

bool PressReaches(const Pile* table, int32_t pileCount, int32_t i, const Card* card) {
  const Pile& pile = table[i];
  const int32_t left = card ? card->X : pile.Left, top = card ? card->Y : pile.Top;
  const Rect area{left, top, left + kCardWidth, top + kCardHeight};
  Rect cover[kMaxCover];
  int32_t n = 0;
  for (const Card* a = card ? card->Above : nullptr; a && n < kMaxCover; a = a->Above) {
    const Rect r{a->X, a->Y, a->X + kCardWidth, a->Y + kCardHeight};
    if (Meets(r, area)) cover[n++] = r;
  }
  return Uncovered(area, cover, LaterPiles(table, pileCount, i, area, cover, n));
}

bool DropReaches(const Pile* table, int32_t pileCount, int32_t i) {
  const Pile& pile = table[i];
  const Rect area{pile.Left, pile.Top, pile.Left + pile.Width, pile.Top + pile.Height};
  Rect cover[kMaxCover];
  return Uncovered(area, cover, LaterPiles(table, pileCount, i, area, cover, 0));
}

}  // namespace tarnik::solver
