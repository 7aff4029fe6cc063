#include "support/records_fixture.h"

#include <filesystem>

#include "support/table_builder.h"

namespace fs = std::filesystem;

namespace tarnik::testing {
namespace {

// A pile dealt `size` cards, `down` of them face down, in grid cell (col, 0).
PileDef Dealt(int column, int size, int down, uint32_t flags = PileFlags::ManualFillDest) {
  PileDef pile = OpenPile(flags);
  pile.Column = column * 2, pile.InitialSize = size, pile.InitialFaceDown = down;
  return pile;
}

// The one-, four- and two-pack games, in library order.
std::vector<GameDef> Games() {
  GameDef one = NamedGame("Patience One");
  int p = 0;
  one.Piles[p++] = Dealt(0, 24, 24, PileFlags::ManualFillSource);
  for (int i = 0; i < 4; ++i) one.Piles[p++] = Dealt(1 + i, 0, 0, PileFlags::WinGoal);
  for (int i = 0; i < 7; ++i) one.Piles[p++] = Dealt(5 + i, 4, 3);
  GameDef four = NamedGame("Four Pack", GameFlags::FourDeck);
  four.Piles[0] = Dealt(0, 200, 200, PileFlags::ManualFillSource);
  four.Piles[1] = Dealt(1, 8, 0);
  four.Piles[2] = Dealt(2, 0, 0, PileFlags::WinGoal);
  GameDef two = NamedGame("Two Pack", GameFlags::TwoDeck | GameFlags::RedealTwice);
  two.Piles[0] = Dealt(0, 104, 0);
  return {one, four, two};
}

}  // namespace

RecordsGame::RecordsGame()
    : GameInPlay(Games(), "Data/Tarnik.tkl"), oldFolder_(fs::current_path().string()) {
  fs::current_path(dir.File(""));
  game->services = &services;
}

RecordsGame::~RecordsGame() { fs::current_path(oldFolder_); }

}  // namespace tarnik::testing
