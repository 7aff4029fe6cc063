#include "support/hint_fixture.h"

namespace tarnik::testing {

GameDef KingOverQueenGame(bool withSpareColumn) {
  GameDef g = NamedGame("King over queen");
  const int columns = withSpareColumn ? 2 : 1;
  for (int c = 0; c < columns; ++c)
    g.Piles[c] = MakePile(2 * c, 3, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                          CardRemoval::TopCardOnly, PileStart::Any);
  for (int f = 0; f < 4; ++f) {
    PileDef& p = g.Piles[columns + f];
    p = MakePile(6 + 2 * f, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                 CardRemoval::TopCardOnly, PileStart::AnyAce);
    p.Direction = PileDirection::NoDirection;
  }
  return g;
}

std::vector<std::vector<Placed>> KingOverQueen(bool withSpareColumn) {
  const int first = withSpareColumn ? 2 : 1;
  std::vector<std::vector<Placed>> piles(first + 4);
  piles[0] = {Up(kQueen * 4 + Hearts), Up(kKing * 4 + Hearts)};
  for (int suit = 0; suit < 4; ++suit)
    for (int r = 0; r <= (suit == Hearts ? kJack : kKing); ++r)
      piles[first + suit].push_back(Up(r * 4 + suit));
  return piles;
}

}  // namespace tarnik::testing
