#include "solver/flat_reach.h"

#include "solver/reach.h"

namespace tarnik::solver {

namespace {

// How far the card after `card` lies from it (LayoutPile, neat placement).
void Step(PileDirection direction, uint8_t card, int32_t& dx, int32_t& dy) {
  const int32_t step = CardFace(card) == FaceDown ? 4 : 16;
  if (direction == PileDirection::Horizontal)
    dx += step;
  else if (direction == PileDirection::Vertical)
    dy += step;
  else if (direction == PileDirection::Size)
    dx += 1;
}

// The rectangle of card `k` of pile `i`.
Rect CardRect(const FlatRules& rules, const FlatPosition& pos, int32_t i, int32_t k) {
  const FlatPile& p = rules.piles[i];
  int32_t dx = 0, dy = 0;
  for (int32_t m = 0; m < k; ++m) Step(p.direction, pos.At(i, m), dx, dy);
  return {p.left + dx, p.top + dy, p.left + dx + kCardWidth, p.top + dy + kCardHeight};
}

// The hit area of pile `i`: its first card's place to its top card's end.
Rect PileRect(const FlatRules& rules, const FlatPosition& pos, int32_t i) {
  const FlatPile& p = rules.piles[i];
  if (pos.Empty(i)) return {p.left, p.top, p.left + kCardWidth, p.top + kCardHeight};
  const Rect top = CardRect(rules, pos, i, pos.count[i] - 1);
  return {p.left, p.top, top.r, top.b};
}

// Adds the hit areas of the piles after pile `i` that meet `area`.
int32_t LaterPiles(const FlatRules& rules, const FlatPosition& pos, int32_t i, const Rect& area,
                   Rect (&cover)[kMaxCover], int32_t n) {
  for (int32_t j = i + 1; j < rules.pileCount && n < kMaxCover; ++j) {
    if (pos.Empty(j) && rules.piles[j].start == PileStart::BlankSpace) continue;
    const Rect r = PileRect(rules, pos, j);
    if (Meets(r, area)) cover[n++] = r;
  }
  return n;
}

}  // namespace

bool FlatPressReaches(const FlatRules& rules, const FlatPosition& pos, int32_t i, int32_t k) {
  const FlatPile& p = rules.piles[i];
  const Rect area = k < 0 ? Rect{p.left, p.top, p.left + kCardWidth, p.top + kCardHeight}
                          : CardRect(rules, pos, i, k);
  Rect cover[kMaxCover];
  int32_t n = 0;
  if (k >= 0) {
    Rect above = area;
    for (int32_t m = k + 1; m < pos.count[i] && n < kMaxCover; ++m) {
      int32_t dx = 0, dy = 0;
      Step(p.direction, pos.At(i, m - 1), dx, dy);
      above = {above.l + dx, above.t + dy, above.r + dx, above.b + dy};
      if (Meets(above, area)) cover[n++] = above;
    }
  }
  if (!p.overlaid) return Uncovered(area, cover, n);
  return Uncovered(area, cover, LaterPiles(rules, pos, i, area, cover, n));
}

bool FlatDropReaches(const FlatRules& rules, const FlatPosition& pos, int32_t i) {
  const Rect area = PileRect(rules, pos, i);
  Rect cover[kMaxCover];
  return Uncovered(area, cover, LaterPiles(rules, pos, i, area, cover, 0));
}

}  // namespace tarnik::solver
