#include "support/records_fixture.h"

#include <filesystem>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/history.h"
#include "engine/play/start_game.h"
#include "engine/records/player_log.h"
#include "engine/table/layout.h"
#include "support/table_builder.h"

namespace fs = std::filesystem;

namespace tarnik::testing {

MessageAnswer MessageDisplay::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
  messages.push_back(std::string(text) + "|" + caption);
  return icon == MessageIcon::Question ? answer : MessageAnswer::Ok;
}

int32_t LoggingServices::FindLogRecord(Game& game) {
  return tarnik::FindLogRecord(game);
}
int32_t LoggingServices::OpenLogRecord(Game& game) {
  return tarnik::OpenLogRecord(game);
}

namespace {

// A pile dealt `size` cards, `down` of them face down, in grid cell (col, 0).
PileDef Dealt(int column, int size, int down, uint32_t flags = PileFlags::ManualFillDest) {
  PileDef pile = OpenPile(flags);
  pile.Column = column * 2;
  pile.InitialSize = size;
  pile.InitialFaceDown = down;
  return pile;
}

GameDef OnePack() {
  GameDef g = NamedGame("Patience One");
  int p = 0;
  g.Piles[p++] = Dealt(0, 24, 24, PileFlags::ManualFillSource);
  for (int i = 0; i < 4; ++i) g.Piles[p++] = Dealt(1 + i, 0, 0, PileFlags::WinGoal);
  for (int i = 0; i < 7; ++i) g.Piles[p++] = Dealt(5 + i, 4, 3);
  return g;
}

GameDef FourPack() {
  GameDef g = NamedGame("Four Pack", GameFlags::FourDeck);
  g.Piles[0] = Dealt(0, 200, 200, PileFlags::ManualFillSource);
  g.Piles[1] = Dealt(1, 8, 0);
  g.Piles[2] = Dealt(2, 0, 0, PileFlags::WinGoal);
  return g;
}

GameDef TwoPack() {
  GameDef g = NamedGame("Two Pack", GameFlags::TwoDeck | GameFlags::RedealTwice);
  g.Piles[0] = Dealt(0, 104, 0);
  return g;
}

}  // namespace

RecordsGame::RecordsGame() : oldFolder_(fs::current_path().string()) {
  fs::create_directories(dir.File("Data"));
  fs::current_path(dir.File(""));
  WriteLibrary(dir.File("Data/Tarnik.tkl"), {OnePack(), FourPack(), TwoPack()});
  game->library.Path = dir.File("Data/Tarnik.tkl");
  CountGames(game->library);
  LoadGameNames(game->library);
  game->display = &display;
  game->services = &services;
}

RecordsGame::~RecordsGame() {
  fs::current_path(oldFolder_);
}

void RecordsGame::Deal(int32_t g, uint32_t seed) {
  game->CurrentGame = g;
  game->CurrentSeed = seed;
  StartGame(*game, seed);
}

void RecordsGame::Move(int from, int to) {
  Pile& source = game->PileTable[from];
  Pile& dest = game->PileTable[to];
  Card& card = *source.TopCard;
  UnlinkCard(source, card);
  card.Face = FaceUp;
  InsertCardAbove(dest, dest.TopCard, card);
  LayoutPile(source, game->Style());
  LayoutPile(dest, game->Style());
  RecordPosition(*game);
}

std::string RecordsGame::Table() const {
  std::string text;
  for (int32_t i = 0, n = CountPiles(game->PileTable); i < n; ++i) {
    text += std::to_string(i) + ":";
    for (const Card* c = game->PileTable[i].BottomCard; c; c = c->Above)
      text += " " + std::to_string(c->Value) + "/" + std::to_string(c->Face);
    text += "\n";
  }
  return text + "redeals " + std::to_string(game->RedealsLeft);
}

}  // namespace tarnik::testing
