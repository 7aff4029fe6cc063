// Every saved game the program writes reads back: each game of the shipped
// library after a few actions, and games that deal only part of their deck
// (made in the editors while a deal is in play). A position that holds other
// cards than the first one, or a card more often than the deck, is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine/cards/pile_ops.h"
#include "engine/editor/game_editor.h"
#include "engine/editor/pile_editor.h"
#include "engine/play/action_script.h"
#include "engine/play/start_game.h"
#include "engine/records/saved_game.h"
#include "support/library_files.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// The shipped library, copied so that the editors may write to it.
struct ShippedGame {
  ShippedGame() {
    fs::copy_file(TARNIK_LIBRARY, dir.File("Tarnik.tkl"));
    for (Game* g : {game.get(), back.get()}) {
      g->library.Path = dir.File("Tarnik.tkl");
      CountGames(g->library);
      LoadGameNames(g->library);
      g->display = &display;
    }
  }
  // Deals library game `g` and clicks the top card of every pile once (a
  // stock deals, a face-down card turns), then asks for an automatic step.
  void Play(int32_t g, uint32_t seed) {
    game->CurrentGame = g;
    game->CurrentSeed = seed;
    StartGame(*game, seed);
    PlayOn();
  }
  void PlayOn() {
    for (int32_t p = 0; p < CountPiles(game->PileTable); ++p)
      if (game->PileTable[p].Count > 0) Act("click " + Top(p));
    Act("step");
  }
  // Drags a top card onto the first pile that takes it.
  void MakeAMove() {
    const int32_t before = game->history.PositionCount, n = CountPiles(game->PileTable);
    for (int32_t p = 0; p < n; ++p)
      for (int32_t q = 0; q < n && game->history.PositionCount == before; ++q)
        if (q != p && game->PileTable[p].Count > 0) Act("drag " + Top(p) + " " + std::to_string(q));
  }
  std::string Top(int32_t p) const {
    return std::to_string(p) + " " + std::to_string(game->PileTable[p].Count - 1);
  }
  void Act(const std::string& line) {
    std::string error;
    RunAction(*game, line, error);
  }
  // Writes the game in play and reads it into the second game: 1 when it
  // was taken.
  int RoundTrip() {
    display.messages.clear();
    saved = EncodeSavedGame(*game);
    back->library = game->library;
    return LoadSavedGame(*back, saved.data(), saved.size());
  }
  // Every card of a table, pile by pile.
  static std::string Cards(const Game& g) {
    std::string text;
    for (int32_t p = 0, n = CountPiles(g.PileTable); p < n; ++p) {
      text += "|";
      for (const Card* c = g.PileTable[p].BottomCard; c; c = c->Above)
        text += std::to_string(c->Value) + ":" + std::to_string(c->Face) + " ";
    }
    return text;
  }
  int32_t Find(const char* name) const {
    for (int32_t g = 0; g < game->library.GameCount; ++g)
      if (std::string(game->library.GameNames[g]) == name) return g;
    return -1;
  }
  testing::ScratchDir dir;
  testing::RecordingDisplay display;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  std::unique_ptr<Game> back = std::make_unique<Game>();
  Bytes saved;  // the last game written
};

TEST(SavedGameFit, EveryLibraryGameReadsBackWhatItWrote) {
  ShippedGame t;
  ASSERT_GT(t.game->library.GameCount, 200);
  for (int32_t g = 0; g < t.game->library.GameCount; ++g) {
    t.Play(g, 1000u + uint32_t(g));
    ASSERT_EQ(t.RoundTrip(), 1) << t.game->library.GameNames[g];
    EXPECT_EQ(t.Cards(*t.back), t.Cards(*t.game)) << t.game->library.GameNames[g];
    EXPECT_EQ(t.back->history.PositionCount, t.game->history.PositionCount);
  }
}

// A game edited while a deal is in play so that it deals part of its deck:
// the edit deals afresh, play goes on, and the game is saved and read back.
TEST(SavedGameFit, ShortDealsMadeInTheEditorsReadBack) {
  struct Case {
    const char* game;
    bool twoDecks;  // "Two deck" ticked in the game editor
    int32_t pile;   // else this pile's initial size set to `size` in the pile editor
    int32_t size;
  };
  const Case cases[] = {{"Klondike", false, 11, 20},  // the stock of 24 cut to 20
                        {"Klondike", true, -1, 0},
                        {"FreeCell", true, -1, 0}};
  for (const Case& c : cases) {
    ShippedGame t;
    const int32_t g = t.Find(c.game);
    ASSERT_GE(g, 0) << c.game;
    t.Play(g, 31);
    const int32_t deck = DeckSize(t.game->CurrentFlags);
    if (c.twoDecks) {
      ToggleGameFlag(*t.game, 3);  // "Two deck"
      CloseGameEditor(*t.game, c.game);
    } else {
      t.game->EditPile = &t.game->PileTable[c.pile];
      PileEditor editor(*t.game);
      editor.Scroll(PileBar::InitialSize, ScrollAction::ThumbTrack, c.size);
      editor.Ok();
    }
    int32_t dealt = 0;
    for (int32_t p = 0; p < CountPiles(t.game->PileTable); ++p) dealt += t.game->PileTable[p].Count;
    ASSERT_LT(dealt, DeckSize(t.game->CurrentFlags)) << c.game;  // a short deal indeed
    ASSERT_EQ(dealt, c.twoDecks ? deck : deck - 4);
    t.PlayOn();
    t.MakeAMove();
    ASSERT_EQ(t.RoundTrip(), 1) << c.game << " " << c.twoDecks;
    EXPECT_TRUE(t.display.messages.empty());
    EXPECT_EQ(t.Cards(*t.back), t.Cards(*t.game)) << c.game;
    // The same cards throughout: a last position with another card is refused.
    Bytes bytes = t.saved;
    ASSERT_GE(t.game->history.PositionCount, 2);
    size_t at = bytes.size() - (bytes.size() - 36) / size_t(t.game->history.PositionCount);
    while (bytes[at] == 0) ++at;  // the first pile that holds a card
    bytes[at + 1] = static_cast<unsigned char>((bytes[at + 1] + 1) % 52);
    EXPECT_EQ(LoadSavedGame(*t.back, bytes.data(), bytes.size()), 0) << c.game;
    EXPECT_EQ(t.display.messages.size(), 1u);
  }
}

}  // namespace
}  // namespace tarnik
