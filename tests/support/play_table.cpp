#include "support/play_table.h"

#include <filesystem>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/play/history.h"
#include "engine/play/start_game.h"
#include "engine/records/player_log.h"
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

MessageAnswer RecordingDisplay::ShowMessage(const char* text, const char* caption,
                                            MessageIcon icon) {
  messages.push_back(std::string(text) + "|" + caption);
  return icon == MessageIcon::Question ? answer : MessageAnswer::Ok;
}

int RecordingDisplay::DropSounds() const {
  int n = 0;
  for (const std::string& s : sounds) n += s.rfind("Drop", 0) == 0;
  return n;
}

int32_t LoggingServices::FindLogRecord(Game& game) { return tarnik::FindLogRecord(game); }
int32_t LoggingServices::OpenLogRecord(Game& game) { return tarnik::OpenLogRecord(game); }

GameInPlay::GameInPlay(const std::vector<GameDef>& library, const std::string& libraryName)
    : games(library) {
  std::filesystem::create_directories(std::filesystem::path(dir.File(libraryName)).parent_path());
  WriteLibrary(dir.File(libraryName), games);
  game->library.Path = dir.File(libraryName);
  CountGames(game->library);
  LoadGameNames(game->library);
  game->display = &display;
  display.game = game.get();
}

void GameInPlay::Deal(int32_t g, uint32_t seed) {
  game->CurrentGame = g;
  game->CurrentSeed = seed;
  StartGame(*game, seed);
}

void GameInPlay::Arrange(const std::vector<std::vector<Placed>>& piles) {
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

void GameInPlay::Move(int from, int to) {
  Pile &source = game->PileTable[from], &dest = game->PileTable[to];
  Card& card = *source.TopCard;
  UnlinkCard(source, card);
  card.Face = FaceUp;
  InsertCardAbove(dest, dest.TopCard, card);
  LayoutPile(source, game->Style());
  LayoutPile(dest, game->Style());
  RecordPosition(*game);
}

std::string GameInPlay::Table() const {
  std::string text;
  for (int32_t i = 0, n = CountPiles(game->PileTable); i < n; ++i) {
    text += std::to_string(i) + ":";
    for (const Card* c = game->PileTable[i].BottomCard; c; c = c->Above)
      text += " " + std::to_string(c->Value) + "/" + std::to_string(c->Face);
    text += "\n";
  }
  return text + "redeals " + std::to_string(game->RedealsLeft);
}

std::vector<int32_t> GameInPlay::Values(int pile) const {
  return PileValues(game->PileTable[pile]);
}

std::vector<int32_t> PileValues(const Pile& pile) {
  std::vector<int32_t> out;
  for (const Card* c = pile.BottomCard; c; c = c->Above) out.push_back(c->Value);
  return out;
}

PileDef OpenPile(uint32_t flags) {
  PileDef d;
  d.Direction = PileDirection::Vertical, d.Placement = CardPlacement::Any;
  d.RankBuild = RankBuild::Any, d.SuitBuild = SuitBuild::Any;
  d.PileStart = PileStart::Any, d.Removal = CardRemoval::Any, d.Flags = flags;
  return d;
}

PlayTable::PlayTable(const GameDef& def, uint32_t seed) : GameInPlay({def}) {
  game->services = &log;
  display.answer = MessageAnswer::Ok;
  Deal(0, seed);
}

PileDef MakePile(int column, int row, uint32_t flags, RankBuild rank, SuitBuild suit,
                 CardRemoval removal, PileStart start) {
  PileDef p = OpenPile(flags);
  p.Column = column, p.Row = row, p.RankBuild = rank, p.SuitBuild = suit;
  p.Removal = removal, p.PileStart = start;
  return p;
}

}  // namespace tarnik::testing
