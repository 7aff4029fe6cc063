// The shell's commands, extra keys and mouse routing, with the window side
// faked: what each command deals, what it refuses, and which window it asks
// for.
#include "engine/shell/shell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/library/library.h"
#include "engine/play/pointer.h"
#include "engine/records/player_log.h"
#include "engine/rules/pointer_targets.h"
#include "engine/shell/command_ids.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kFixtureGames;
using testing::kFourPack;
using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;
namespace cmd = command;

// A point of the table below every pile of the fixture's games.
constexpr int16_t kEmptyX = 790, kEmptyY = 500;

// The window side: keeps every request and answers with set values.
class FakeHost : public ShellHost {
 public:
  void OpenCommandWindow(int command) override { windows.push_back(command); }
  void OpenEditor(bool pileEditor) override { editors.push_back(pileEditor); }
  void SetShowAllCardsCheck(bool checked) override { checks.push_back(checked); }
  void CloseMainWindow() override { ++closes; }
  void OpenHelp(const std::string& gameName) override { help.push_back(gameName); }
  void ShowAbout() override { ++abouts; }
  std::string ChooseSavedGameToOpen(const std::string&) override { return chosenGame; }
  std::string ChooseSavedGameToSave(const std::string& current) override {
    saveDialogs.push_back(current);
    return chosenGame;
  }
  std::string ChoosePlayerFile(const std::string&) override { return {}; }
  uint32_t TickCount() override { return ticks; }

  std::vector<int> windows;
  std::vector<bool> editors;
  std::vector<bool> checks;
  std::vector<std::string> help;
  std::vector<std::string> saveDialogs;
  std::string chosenGame;
  int closes = 0, abouts = 0;
  uint32_t ticks = 1;
};

// A three-game library with the real player's log, and a shell over it.
struct ShellTest : ::testing::Test {
  ShellTest() { t.game->prefs.Neatness = 0; }
  // The table a fresh deal of game g with `seed` shows.
  std::string DealtTable(int32_t g, uint32_t seed) {
    RecordsGame other;
    other.Deal(g, seed);
    return other.Table();
  }
  // Lifts the face-up top card of a column of the one-pack game.
  void StartDrag() {
    const Card& top = *t.game->PileTable[5].TopCard;
    PointerDown(*t.game, static_cast<int16_t>(top.X + 32), static_cast<int16_t>(top.Y + 40));
    ASSERT_TRUE(IsDragging(*t.game));
  }
  // The record of game g as the library file holds it now.
  GameDef StoredGame(int32_t g) {
    const std::vector<unsigned char> bytes = testing::ReadBytes(t.File("Data/Tarnik.tkl"));
    GameDef def;
    DecodeGameDef(bytes.data() + g * sizeof(GameDef), def);
    return def;
  }

  RecordsGame t;
  FakeHost host;
  Shell shell{*t.game, host};
};

// Each step of the seed deals at once. The seed is a 32-bit number: a step
// past either end wraps round. The Up arrow key adds one to the seed and
// the Down arrow key subtracts one, although the toolbar's upward arrow is
// Previous Shuffle; Restart deals the same seed again, undoing the moves.
TEST_F(ShellTest, SeedStepsWrapAndDealAtOnce) {
  const struct {
    uint32_t from;
    int command;  // or 0 for the key
    ShellKey key;
    uint32_t to;
  } cases[] = {{4294967295u, cmd::kNextShuffle, {}, 0},
               {0, cmd::kPreviousShuffle, {}, 4294967295u}, {100, 0, ShellKey::Up, 101},
               {100, 0, ShellKey::Down, 99}, {0, 0, ShellKey::Down, 4294967295u},
               {31, cmd::kRestartGame, {}, 31}};
  for (const auto& c : cases) {
    t.Deal(kOnePack, c.from);
    t.Move(5, 1);
    c.command ? shell.HandleCommand(c.command) : shell.HandleKey(c.key);
    EXPECT_EQ(t.game->CurrentSeed, c.to) << c.from << " " << c.command;
    EXPECT_EQ(t.Table(), DealtTable(kOnePack, c.to)) << c.from << " " << c.command;
  }
}

// Previous Game on the first game and Next Game on the last do nothing;
// otherwise they move one game and deal it with a fresh seed
// (tick count × 2707050037 mod 2^32).
// Random Shuffle and Random Game take their seed from the clock too; Random
// Game picks the game as the tick count modulo the number of games.
TEST_F(ShellTest, GameStepsStopAtTheEndsAndRandomDealsFollowTheClock) {
  const uint32_t m = 2707050037u;
  const int last = kFixtureGames - 1;
  const struct {
    int32_t game;
    uint32_t seed, ticks;
    int command;  // or 0 for the key
    ShellKey key;
    int32_t toGame;
    uint32_t toSeed;
  } cases[] = {
      {0, 77, 1, 0, ShellKey::Left, 0, 77}, {0, 77, 1, cmd::kPreviousGame, {}, 0, 77},
      {last, 78, 1, 0, ShellKey::Right, last, 78}, {last, 78, 1, cmd::kNextGame, {}, last, 78},
      {last, 78, 3, 0, ShellKey::Left, last - 1, 3 * m},
      {last - 1, 9, 3, cmd::kNextGame, {}, last, 3 * m},
      {last, 9, 1, cmd::kRandomShuffle, {}, last, m}, {0, 9, 7, cmd::kRandomGame, {}, 1, 7 * m},
  };
  for (const auto& c : cases) {
    t.Deal(c.game, c.seed);
    host.ticks = c.ticks;
    c.command ? shell.HandleCommand(c.command) : shell.HandleKey(c.key);
    EXPECT_EQ(std::make_pair(t.game->CurrentGame, t.game->CurrentSeed),
              std::make_pair(c.toGame, c.toSeed)) << c.command;
    EXPECT_EQ(t.Table(), DealtTable(c.toGame, c.toSeed)) << c.command;
  }
}

// New random deals (Random Shuffle, Random Game, Previous and Next Game, Z)
// ask the play services for their seed, which "Deal only winnable games"
// may change; a seed stepped or dealt again is never changed.
TEST_F(ShellTest, OnlyNewRandomDealsAskForTheirSeed) {
  struct FixedSeeds : PlayServices {
    uint32_t NewDealSeed(Game&, uint32_t fresh) override {
      asked.push_back(fresh);
      return 4242;
    }
    std::vector<uint32_t> asked;
  } seeds;
  t.game->services = &seeds;
  t.Deal(kOnePack, 5);
  host.ticks = 2;
  shell.HandleCommand(cmd::kRandomShuffle);
  EXPECT_EQ(seeds.asked, std::vector<uint32_t>{2u * 2707050037u});
  EXPECT_EQ(t.game->CurrentSeed, 4242u);
  EXPECT_EQ(t.Table(), DealtTable(kOnePack, 4242));
  shell.HandleCommand(cmd::kNextShuffle);
  shell.HandleKey(ShellKey::Down);
  shell.HandleCommand(cmd::kRestartGame);
  EXPECT_EQ(seeds.asked.size(), 1u);
  EXPECT_EQ(t.game->CurrentSeed, 4242u);
  shell.HandleCommand(cmd::kRandomGame);
  shell.HandleCommand(cmd::kPreviousGame);
  shell.HandleKey(ShellKey::Right);
  shell.HandleKey(ShellKey::Z);
  EXPECT_EQ(seeds.asked.size(), 5u);
}

// Hint and "Is this deal winnable?" are the window's. While cards are being
// dragged every command is dropped, not queued; the keys that deal wait
// too, but E still switches edit mode.
TEST_F(ShellTest, CommandsWhileCardsAreDraggedAreDropped) {
  t.Deal(kOnePack, 12);
  shell.HandleCommand(cmd::kHint);
  shell.HandleCommand(cmd::kCheckDeal);
  EXPECT_EQ(host.windows, (std::vector<int>{cmd::kHint, cmd::kCheckDeal}));
  host.windows.clear();
  StartDrag();
  const uint32_t seed = t.game->CurrentSeed;
  for (int id : {cmd::kNextShuffle, cmd::kRandomShuffle, cmd::kNextGame, cmd::kRestartGame,
                 cmd::kShowAllCards, cmd::kExit, cmd::kSelectGame, cmd::kPreferences, cmd::kAbout,
                 cmd::kUndo, cmd::kAutoplay, cmd::kHint, cmd::kCheckDeal})
    shell.HandleCommand(id);
  for (ShellKey key : {ShellKey::Up, ShellKey::Down, ShellKey::Right, ShellKey::Z})
    shell.HandleKey(key);
  EXPECT_EQ(std::make_pair(t.game->CurrentSeed, t.game->CurrentGame), std::make_pair(seed, kOnePack));
  EXPECT_EQ(host.windows.size() + host.checks.size() + host.closes + host.abouts, 0u);
  EXPECT_TRUE(IsDragging(*t.game) && !t.game->ShowAllCards);
  shell.HandleKey(ShellKey::E);
  EXPECT_TRUE(t.game->EditMode);

  shell.LeftUp();  // the drag ends; nothing dropped earlier comes back
  EXPECT_EQ(std::make_pair(t.game->CurrentSeed, host.windows.size()), std::make_pair(seed, 0ul));
  shell.HandleCommand(cmd::kNextShuffle);
  EXPECT_EQ(t.game->CurrentSeed, seed + 1);
}

// Game Graph, Game Database and Game Statistics open only for a game that
// has been played at least once.
TEST_F(ShellTest, GameDatabaseWindowsOpenOnlyForAPlayedGame) {
  const std::vector<int> ids = {cmd::kGameGraph, cmd::kGameDatabase, cmd::kGameStatistics};
  t.Deal(kOnePack, 40);
  for (int id : ids) shell.HandleCommand(id);
  EXPECT_TRUE(host.windows.empty());
  t.Move(5, 1);  // the first move logs the deal
  for (int id : ids) shell.HandleCommand(id);
  t.Deal(kTwoPack, 40);  // another game, never played
  shell.HandleCommand(cmd::kGameStatistics);
  EXPECT_EQ(host.windows, ids);
}

// Show All Cards flips the switch and its check mark, and lays the piles out
// again: face-down cards then fan by 16 pixels instead of 4.
TEST_F(ShellTest, ShowAllCardsTogglesTheCheckMarkAndTheFan) {
  t.Deal(kOnePack, 8);
  const Pile& column = t.game->PileTable[5];  // three face down under one face up
  ASSERT_EQ(column.TopCard->Y - column.Top, 12);
  const int redraws = t.display.redraws;
  for (int step : {48, 12}) {
    shell.HandleCommand(cmd::kShowAllCards);
    EXPECT_EQ(std::make_pair(t.game->ShowAllCards, column.TopCard->Y - column.Top),
              std::make_pair(step == 48, step));
  }
  EXPECT_EQ(host.checks, (std::vector<bool>{true, false}));
  EXPECT_EQ(t.display.redraws, redraws + 2);
}

// Clear Player Statistics asks first and clears every game's log only on
// Yes; Clear Game Statistics clears the current game's log without asking.
TEST_F(ShellTest, ClearingStatisticsAsksOnlyForThePlayersWholeLog) {
  t.Deal(kTwoPack, 3);
  t.Move(0, 0);
  t.Deal(kOnePack, 3);
  t.Move(5, 1);
  t.display.answer = MessageAnswer::No;
  shell.HandleCommand(cmd::kClearPlayerStatistics);
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>{"Reset all player statistics?|Are you sure?"});
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 1);
  EXPECT_EQ(CountPlayed(*t.game, kTwoPack), 1);

  shell.HandleCommand(cmd::kClearGameStatistics);
  EXPECT_EQ(t.display.messages.size(), 1u);
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  EXPECT_EQ(CountPlayed(*t.game, kTwoPack), 1);

  t.display.answer = MessageAnswer::Yes;
  shell.HandleCommand(cmd::kClearPlayerStatistics);
  EXPECT_EQ(t.display.messages.size(), 2u);
  EXPECT_EQ(CountPlayed(*t.game, kTwoPack), 0);
  EXPECT_EQ(t.game->CurrentLogRecord, -1);
}

// Save Game with no path yet is Save Game As: the save dialog, and nothing
// written when it is cancelled.
TEST_F(ShellTest, SaveGameWithoutAPathAsksForOne) {
  t.Deal(kOnePack, 21);
  t.game->records.SavedGamePath[0] = '\0';
  shell.HandleCommand(cmd::kSaveGame);
  EXPECT_EQ(host.saveDialogs, std::vector<std::string>{""});
  EXPECT_FALSE(std::filesystem::exists(t.File("Data/Tarnik.tkg")));
  host.chosenGame = "Data/Mine.tkg";
  shell.HandleCommand(cmd::kSaveGame);
  EXPECT_TRUE(std::filesystem::exists(t.File("Data/Mine.tkg")));
  EXPECT_STREQ(t.game->records.SavedGamePath, "Data/Mine.tkg");
  EXPECT_TRUE(t.display.messages.empty());
}

// Rules opens the page named after the current game; Contents the contents.
TEST_F(ShellTest, RulesLooksUpTheCurrentGamesName) {
  t.Deal(kFourPack, 2);
  shell.HandleCommand(cmd::kRules);
  shell.HandleCommand(cmd::kContents);
  EXPECT_EQ(host.help, (std::vector<std::string>{"Four Pack", ""}));
}

// Z sorts the library by name, reloads the names and deals the first game
// with a fresh seed.
TEST_F(ShellTest, ZSortsTheLibraryAndDealsItsFirstGame) {
  t.Deal(kTwoPack, 9);
  host.ticks = 2;
  shell.HandleKey(ShellKey::Z);
  const auto& names = t.game->library.GameNames;
  EXPECT_EQ((std::vector<std::string>{names[0], names[1], names[2], StoredGame(0).Name}),
            (std::vector<std::string>{"Four Pack", "Patience One", "Two Pack", "Four Pack"}));
  EXPECT_EQ(std::make_pair(t.game->CurrentGame, t.game->CurrentSeed), std::make_pair(0, 2u * 2707050037u));
  EXPECT_EQ(t.game->PileTable[0].Count, 200);  // the four-pack stock
}

// In edit mode a left press opens the pile editor over a pile and the game
// editor elsewhere, instead of playing.
TEST_F(ShellTest, EditModeLeftPressOpensThePileOrTheGameEditor) {
  t.Deal(kOnePack, 6);
  shell.HandleKey(ShellKey::E);
  const Pile& column = t.game->PileTable[5];
  shell.LeftDown(static_cast<int16_t>(column.TopCard->X + 32),
                 static_cast<int16_t>(column.TopCard->Y + 40));
  EXPECT_FALSE(IsDragging(*t.game));
  EXPECT_EQ(t.game->EditPile, &column);
  shell.LeftUp();
  ASSERT_EQ(PileAtPoint(*t.game, kEmptyX, kEmptyY), nullptr);
  shell.LeftDown(kEmptyX, kEmptyY);
  EXPECT_EQ(t.game->EditPile, nullptr);
  EXPECT_EQ(host.editors, (std::vector<bool>{true, false}));
  shell.HandleKey(ShellKey::E);
  EXPECT_FALSE(t.game->EditMode);
}

// In edit mode the right button picks a pile, dragging moves it to the grid
// cell under the pointer, a left press meanwhile steps its direction, and
// the release writes the game back into the library.
TEST_F(ShellTest, EditModeRightDragMovesAPileAndTheReleaseSavesTheGame) {
  t.Deal(kOnePack, 6);
  shell.HandleKey(ShellKey::E);
  Pile& column = t.game->PileTable[11];  // grid column 22, row 0, vertical
  const std::string table = t.Table();
  shell.RightDown(static_cast<int16_t>(column.Left + 10), static_cast<int16_t>(column.Top + 10));
  EXPECT_EQ(t.game->EditPile, &column);
  EXPECT_EQ(t.Table(), table);  // no automatic move in edit mode

  const Pile& origin = t.game->PileTable[0];  // grid cell (0, 0)
  // The grid starts 4 pixels left of and 8 above the first cell's card; the
  // pointer is taken as the centre of the card being placed, in steps of
  // 32 × 40 pixels.
  shell.PointerMoved(static_cast<int16_t>(origin.Left - 4 + 32 + 32 + 5),
                     static_cast<int16_t>(origin.Top - 8 + 40 + 2 * 40 + 5));
  EXPECT_EQ(std::make_pair(column.Column, column.Row), std::make_pair(1, 2));
  std::vector<PileDirection> steps;
  for (int i = 0; i < 4; ++i) {
    shell.LeftDown(0, 0);
    steps.push_back(column.Direction);
  }
  EXPECT_EQ(steps,
            (std::vector<PileDirection>{PileDirection::Size, PileDirection::NoDirection,
                                        PileDirection::Horizontal, PileDirection::Vertical}));
  EXPECT_TRUE(host.editors.empty());
  EXPECT_EQ(StoredGame(kOnePack).Piles[11].Column, 22);  // not yet written

  shell.RightUp();
  EXPECT_FALSE(t.game->RightButtonDown);
  const PileDef stored = StoredGame(kOnePack).Piles[11];
  EXPECT_EQ(std::make_pair(stored.Column, stored.Row), std::make_pair(1, 2));
}

// Out of edit mode the right button asks for an automatic move only: a
// right click on an empty place does nothing, and a right drag from a pile
// moves no pile and writes nothing into the library.
TEST_F(ShellTest, RightDragInPlayMovesNoPile) {
  t.Deal(kOnePack, 6);
  const std::vector<unsigned char> library = testing::ReadBytes(t.File("Data/Tarnik.tkl"));
  const std::string table = t.Table();
  ASSERT_EQ(PileAtPoint(*t.game, kEmptyX, kEmptyY), nullptr);
  shell.RightDown(kEmptyX, kEmptyY);
  EXPECT_TRUE(t.game->RightButtonDown);
  shell.RightUp();
  EXPECT_EQ(t.Table(), table);

  Pile& column = t.game->PileTable[11];
  const Pile& origin = t.game->PileTable[0];
  shell.RightDown(static_cast<int16_t>(column.Left + 10), static_cast<int16_t>(column.Top + 10));
  shell.PointerMoved(static_cast<int16_t>(origin.Left + 65),
                     static_cast<int16_t>(origin.Top + 117));
  shell.RightUp();
  EXPECT_EQ(std::make_pair(column.Column, column.Row), std::make_pair(22, 0));
  EXPECT_EQ(testing::ReadBytes(t.File("Data/Tarnik.tkl")), library);
  EXPECT_EQ(t.game->EditPile, nullptr);
}

}  // namespace
}  // namespace tarnik
