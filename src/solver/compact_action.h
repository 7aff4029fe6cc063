// An action as a search stores it: four bytes instead of sixteen, since
// piles, cards in a pile and targets are all small. Stores of a long search
// hold millions of actions.
#pragma once

#include <cstdint>

#include "solver/solver.h"

namespace tarnik::solver {

using CompactAction = uint32_t;

// Packs `a`: the kind in bit 0, the pile in bits 1-8, the card plus one in
// bits 9-20, the target plus one in bits 21-28.
inline CompactAction Compact(const SolverAction& a) {
  return static_cast<uint32_t>(a.kind == SolverAction::Kind::Drag) |
         static_cast<uint32_t>(a.pile & 0xff) << 1 |
         static_cast<uint32_t>((a.card + 1) & 0xfff) << 9 |
         static_cast<uint32_t>((a.target + 1) & 0xff) << 21;
}

// The action `c` packs.
inline SolverAction ActionOf(CompactAction c) {
  SolverAction a;
  a.kind = c & 1 ? SolverAction::Kind::Drag : SolverAction::Kind::Click;
  a.pile = static_cast<int32_t>(c >> 1 & 0xff);
  a.card = static_cast<int32_t>(c >> 9 & 0xfff) - 1;
  a.target = static_cast<int32_t>(c >> 21 & 0xff) - 1;
  return a;
}

}  // namespace tarnik::solver
