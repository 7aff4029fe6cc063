#include "support/play_table.h"

#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/play/history.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"

namespace tarnik::testing {

void RecordingDisplay::DrawFloatPile(int left, int top, int width, int height) {
  floatRects.push_back({left, top, width, height});
  if (game) floatCorners.push_back({game->FloatPile.Left, game->FloatPile.Top});
}

void RecordingDisplay::DrawTopCard(const Pile& pile, bool highlighted) {
  const int index = game ? static_cast<int>(&pile - game->PileTable) : -1;
  highlights.push_back((highlighted ? "+" : "-") + std::to_string(index));
}

int RecordingDisplay::DropSounds() const {
  int n = 0;
  for (const std::string& s : sounds) n += s.rfind("Drop", 0) == 0;
  return n;
}

PlayTable::PlayTable(const GameDef& def, uint32_t seed) {
  WriteLibrary(dir.File("Tarnik.tkl"), {def});
  game->library.Path = dir.File("Tarnik.tkl");
  CountGames(game->library);
  LoadGameNames(game->library);
  game->display = &display;
  game->services = &log;
  display.game = game.get();
  game->CurrentSeed = seed;
  StartGame(*game, seed);
}

void PlayTable::Arrange(const std::vector<std::vector<Placed>>& piles) {
  ResetTable(game->PileTable, game->client);
  int k = 0;
  for (size_t p = 0; p < piles.size(); ++p)
    for (const Placed& c : piles[p]) {
      Card& card = game->Deck[k++];
      card = Card{};
      card.Value = c.value;
      card.Face = c.face;
      InsertCardAbove(game->PileTable[p], game->PileTable[p].TopCard, card);
    }
  LayoutAllPiles(FirstPile(game->PileTable), game->Style());
  ResetHistory(*game);
  RecordPosition(*game);
}

std::vector<int32_t> PlayTable::Values(int pile) const {
  std::vector<int32_t> out;
  for (const Card* c = game->PileTable[pile].BottomCard; c; c = c->Above) out.push_back(c->Value);
  return out;
}

PileDef MakePile(int column, int row, uint32_t flags, RankBuild rank, SuitBuild suit,
                 CardRemoval removal, PileStart start) {
  PileDef p;
  p.Column = column;
  p.Row = row;
  p.Direction = PileDirection::Vertical;
  p.Placement = CardPlacement::Any;
  p.RankBuild = rank;
  p.SuitBuild = suit;
  p.Removal = removal;
  p.PileStart = start;
  p.Flags = flags;
  return p;
}

}  // namespace tarnik::testing
