// A hand-made game whose fans overlap: column A fans down into column B
// below it and column C right into column D, so that cards lie under later
// piles and drops fall inside them; four foundations stand apart. Columns
// build down in any suit, take any face-up card with the cards above it and
// start with anything. `dealt` gives the columns 14, 13, 13 and 12 cards,
// a third of them face down; otherwise a test lays the cards out itself.
#pragma once

#include "support/table_builder.h"

namespace tarnik::testing {

inline GameDef OverlappingGame(bool dealt) {
  GameDef g = NamedGame("Overlapping");
  const auto column = [dealt](int col, int row, PileDirection dir, int32_t size) {
    PileDef p = MakePile(col, row, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::Any,
                         CardRemoval::GroupInAnySuit, PileStart::Any);
    p.Direction = dir;
    if (dealt) p.InitialSize = size, p.InitialFaceDown = size / 3;
    return p;
  };
  g.Piles[0] = column(0, 0, PileDirection::Vertical, 14);    // A: its cards 8 on lie under B
  g.Piles[1] = column(0, 3, PileDirection::Vertical, 13);    // B
  g.Piles[2] = column(2, 0, PileDirection::Horizontal, 13);  // C: its top card reaches into D
  g.Piles[3] = column(5, 0, PileDirection::Vertical, 12);    // D
  for (int f = 0; f < 4; ++f) {
    g.Piles[4 + f] = MakePile(8 + 2 * f, 6, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                              CardRemoval::TopCardOnly, PileStart::AnyAce);
    g.Piles[4 + f].Direction = PileDirection::NoDirection;
  }
  return g;
}

}  // namespace tarnik::testing
