// "Back to Previous Game" and the two helps of the "Play" page, with the
// window side faked: every way a game in progress is replaced keeps it, and
// going back restores its table, history, snapshot and redeals while the
// player's log and the tournaments stay as the replacing command left them.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/play/history.h"
#include "engine/play/start_game.h"
#include "engine/records/favorites.h"
#include "engine/records/game_log.h"
#include "engine/records/previous_game.h"
#include "engine/records/saved_game.h"
#include "engine/records/tournaments.h"
#include "engine/records/win_prompt.h"
#include "engine/shell/command_ids.h"
#include "engine/shell/record_store.h"
#include "engine/shell/shell.h"
#include "support/play_table.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;
namespace cmd = command;

class Host : public ShellHost {
 public:
  void OpenCommandWindow(int) override {}
  void OpenEditor(bool) override {}
  void SetShowAllCardsCheck(bool) override {}
  void CloseMainWindow() override {}
  void OpenHelp(const std::string&) override {}
  void ShowAbout() override {}
  std::string ChooseSavedGameToOpen(const std::string&) override { return chosen; }
  std::string ChooseSavedGameToSave(const std::string&) override { return {}; }
  std::string ChoosePlayerFile(const std::string&) override { return {}; }
  uint32_t TickCount() override { return ++ticks; }
  bool OfferNewDeal(const std::string& caption, const std::string& text) override {
    offers.push_back(caption + "|" + text);
    return newDeal;
  }
  std::string chosen;
  uint32_t ticks = 100;
  std::vector<std::string> offers;
  bool newDeal = true;
};

struct Kept {
  std::string table;
  int32_t game, undo, count, snapshot;
  uint32_t seed;
};

struct PreviousGameTest : ::testing::Test {
  PreviousGameTest() {
    std::strcpy(t.game->records.PreviousGamePath, kPreviousGamePath);
    t.Deal(kOnePack, 5);
  }
  // Three recorded moves, the snapshot at the second, one undone; the first
  // move is stored with one redeal left, the later ones with none.
  Kept Play() {
    t.game->RedealsLeft = 1;
    t.Move(5, 6);
    t.game->RedealsLeft = 0;
    t.Move(7, 8);
    StoreSnapShot(*t.game);
    t.Move(9, 10);
    UndoMove(*t.game);
    const History& h = t.game->history;
    return {t.Table(), t.game->CurrentGame, h.UndoPosition, h.PositionCount, h.SnapshotPosition,
            t.game->CurrentSeed};
  }
  void ExpectBackAt(const Kept& k) {
    EXPECT_EQ(t.Table(), k.table);
    EXPECT_EQ(t.game->CurrentSeed, k.seed);
    EXPECT_EQ(t.game->history.UndoPosition, k.undo);
    EXPECT_EQ(t.game->history.PositionCount, k.count);
    EXPECT_EQ(t.game->history.SnapshotPosition, k.snapshot);
  }
  std::string GameName() const { return t.game->library.GameNames[t.game->CurrentGame]; }

  RecordsGame t;
  Host host;
  Shell shell{*t.game, host};
};

// Every way of replacing the game keeps it; "Back to Previous Game" brings
// it back exactly, with the log and tournaments as the replacement left
// them, and goes forth again to the game it left.
TEST_F(PreviousGameTest, EveryReplacementKeepsTheGameAndBackRestoresIt) {
  WriteSavedGame(*t.game, "Data/Other.tkg");
  const std::vector<std::pair<const char*, std::function<void()>>> replacements = {
      {"Random Shuffle", [&] { shell.HandleCommand(cmd::kRandomShuffle); }},
      {"Next Shuffle", [&] { shell.HandleCommand(cmd::kNextShuffle); }},
      {"Next Game", [&] { shell.HandleCommand(cmd::kNextGame); }},
      {"Random Game", [&] { shell.HandleCommand(cmd::kRandomGame); }},
      {"Restart Game", [&] { shell.HandleCommand(cmd::kRestartGame); }},
      {"favourite", [&] { StartFavorite(*t.game, 0, 7); }},
      {"tournament game", [&] {
         TourRecord& tour = t.game->records.TourTable[0];
         tour.Games[0] = kOnePack, tour.Games[1] = kTwoPack, tour.Games[2] = kTourEnd;
         shell.HandleCommand(cmd::kNextTournamentGame);
       }},
      {"log replay", [&] {
         t.game->records.SelectedLogRecord = t.game->CurrentLogRecord;
         ReplayLogSeed(*t.game);
       }},
      {"Open Saved Game", [&] {
         host.chosen = "Data/Other.tkg";
         shell.HandleCommand(cmd::kOpenSavedGame);
       }},
      {"library sort (Z)", [&] { shell.HandleKey(ShellKey::Z); }},
      {"editor", [&] { RefreshPreview(*t.game); }},
  };
  for (const auto& [name, replace] : replacements) {
    SCOPED_TRACE(name);
    t.Deal(kOnePack, 5);
    const std::string playing = GameName();
    const Kept kept = Play();
    replace();
    ASSERT_TRUE(t.game->records.HasPreviousGame);
    const std::string replaced = t.Table();
    const auto logAfterReplacing = t.game->records;  // log and tours as the command left them
    shell.HandleCommand(cmd::kBackToPreviousGame);
    ExpectBackAt(kept);
    EXPECT_EQ(GameName(), playing);  // found by name after the sort
    EXPECT_EQ(t.game->RedealsLeft, 0);
    UndoMove(*t.game);
    EXPECT_EQ(t.game->RedealsLeft, 1) << "the first move's redeals";
    EXPECT_EQ(std::memcmp(&logAfterReplacing.PlayerFile, &t.game->records.PlayerFile,
                          sizeof logAfterReplacing.PlayerFile),
              0);
    EXPECT_EQ(std::memcmp(&logAfterReplacing.TourTable, &t.game->records.TourTable,
                          sizeof logAfterReplacing.TourTable),
              0);
    RedoMove(*t.game);
    shell.HandleCommand(cmd::kBackToPreviousGame);  // and forth again
    // (an edit deals over the history it leaves in place, so forth is that history)
    if (std::string(name) != "editor") {
      EXPECT_EQ(t.Table(), replaced);
    }
    shell.HandleCommand(cmd::kBackToPreviousGame);
    ExpectBackAt(kept);
    std::filesystem::remove(kPreviousGamePath);
    t.game->records.HasPreviousGame = false;
  }
}

// A game with no move is not kept: nothing to go back to, and the command
// changes nothing.
TEST_F(PreviousGameTest, NothingIsKeptAfterAGameWithNoMove) {
  shell.HandleCommand(cmd::kRandomShuffle);
  shell.HandleCommand(cmd::kNextGame);
  EXPECT_FALSE(t.game->records.HasPreviousGame);
  EXPECT_FALSE(std::filesystem::exists(kPreviousGamePath));
  const std::string table = t.Table();
  shell.HandleCommand(cmd::kBackToPreviousGame);
  EXPECT_EQ(t.Table(), table);
}

// The kept game lasts between runs: the next start finds it and goes back
// to it; a kept file the library no longer fits is refused and dropped.
TEST_F(PreviousGameTest, TheKeptGameSurvivesARestart) {
  const Kept kept = Play();
  shell.HandleCommand(cmd::kRandomShuffle);
  SaveRecords(*t.game);

  Game next;
  next.library = t.game->library;
  next.display = &t.display;
  next.services = &t.services;
  std::strcpy(next.records.PreviousGamePath, kPreviousGamePath);
  LoadRecords(next, 9);
  EXPECT_TRUE(next.records.HasPreviousGame);
  ASSERT_EQ(BackToPreviousGame(next), 1);
  EXPECT_EQ(next.CurrentSeed, kept.seed);
  EXPECT_EQ(next.history.UndoPosition, kept.undo);
  EXPECT_EQ(next.history.SnapshotPosition, kept.snapshot);

  testing::WriteBytes(kPreviousGamePath, {'<', 'T', 'A', 'R', 'N', 'I', 'K', '>', 1});
  EXPECT_EQ(BackToPreviousGame(next), 0);
  EXPECT_FALSE(next.records.HasPreviousGame);
  EXPECT_FALSE(std::filesystem::exists(kPreviousGamePath));
}

// The box after a win names the game with its Played and Won figures from
// the player's log.
TEST(WinPrompt, NamesTheGameAndItsFigures) {
  RecordsGame t;
  t.Deal(kOnePack, 5);
  LogRecord* log = t.game->records.PlayerFile[kOnePack];
  log[0] = {1, kOnePack, kWonRecord, 0, 52, 0};
  log[1] = {2, kOnePack, kPlayedRecord, 0, 10, 0};
  log[2] = {3, kOnePack, kWonRecord, 0, 52, 0};
  EXPECT_EQ(WinPromptText(*t.game), "You won this deal of Patience One.\n\nPlayed: 3\nWon: 2");
}

// "Offer a new deal after a win": off, a win offers nothing; on, the box
// comes once after the celebration, and "New Deal" deals the game anew while
// "Close" leaves the won table.
TEST(WinPrompt, OfferedOnceAfterTheWinWhenOn) {
  using testing::Up;
  GameDef def = testing::NamedGame("Home");
  def.Piles[0] = testing::MakePile(0, 0, PileFlags::AutoPlay);
  def.Piles[1] = testing::MakePile(4, 0, PileFlags::AutoPlay);
  def.Piles[2] = testing::MakePile(8, 0, PileFlags::WinGoal);
  for (int on : {0, 1}) {
    for (bool deal : {true, false}) {
      testing::PlayTable t{def};
      std::vector<testing::Placed> home;
      for (int v = 2; v < 52; ++v) home.push_back(Up(v));
      t.Arrange({{Up(0)}, {Up(1)}, home});
      t.game->prefs.WinPrompt = on;
      Host host;
      host.newDeal = deal;
      Shell shell(*t.game, host);
      for (int pile : {0, 1}) {
        const Pile& p = t.P(pile);
        shell.RightDown(static_cast<int16_t>(p.Left + 5), static_cast<int16_t>(p.Top + 5));
        shell.RightUp();
      }
      EXPECT_GT(t.display.winFrames, 0);
      ASSERT_EQ(host.offers.size(), on ? 1u : 0u);
      if (on) {
        EXPECT_EQ(host.offers[0].rfind("Game won|You won this deal of Home.", 0), 0u);
      }
      EXPECT_EQ(t.P(2).Count, on && deal ? 0 : 52) << "a new deal empties the goal";
    }
  }
}

}  // namespace
}  // namespace tarnik
