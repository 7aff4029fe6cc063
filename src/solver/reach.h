// Whether the pointer can make an action: the hit test gives a point to the
// last pile in table order whose rectangle holds it, and a card is pressed
// only where no card above it lies. Where fans overlap neighbouring piles a
// card may lie under a later pile, and a pile may be hidden under one, so
// the solver proposes only the presses and drops that some point reaches.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"

namespace tarnik::solver {

// A rectangle of the table in window pixels, right and bottom excluded.
struct Rect {
  int32_t l, t, r, b;
};

inline bool Meets(const Rect& a, const Rect& b) {
  return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

// The most rectangles a test weighs.
constexpr int32_t kMaxCover = 48;

// Whether some point of `area` lies outside every rectangle of `cover`.
bool Uncovered(const Rect& area, const Rect (&cover)[kMaxCover], int32_t n);

// Whether some point of `card` of pile `i` (or, when `card` is null, of the
// card-sized area where the pile begins) lies on no card above it and in no
// later pile that the hit test would take instead.
bool PressReaches(const Pile* table, int32_t pileCount, int32_t i, const Card* card);

// Whether dragged cards can be let go over pile `i`: some point of its
// rectangle lies in no later pile that the hit test would take instead.
bool DropReaches(const Pile* table, int32_t pileCount, int32_t i);

}  // namespace tarnik::solver
