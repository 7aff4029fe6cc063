// The shell's commands, keys and mouse routing with the window side faked,
// "Back to Previous Game" and the offer of a new deal after a win.
#include "engine/shell/shell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "engine/library/library.h"
#include "engine/play/history.h"
#include "engine/play/pointer.h"
#include "engine/play/start_game.h"
#include "engine/records/favorites.h"
#include "engine/records/game_log.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"
#include "engine/records/saved_game.h"
#include "engine/rules/pointer_targets.h"
#include "engine/shell/command_ids.h"
#include "engine/shell/record_store.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;
namespace cmd = command;
namespace fs = std::filesystem;

constexpr int16_t kEmptyX = 790, kEmptyY = 500;  // below every pile of the fixture's games
constexpr uint32_t kM = 2707050037u;             // a fresh seed is the tick count times kM

// The window side: keeps every request and answers with set values.
class FakeShellHost : public ShellHost {
 public:
  void OpenCommandWindow(int command) override { windows.push_back(command); }
  void OpenEditor(bool pileEditor) override { editors.push_back(pileEditor); }
  void SetShowAllCardsCheck(bool checked) override { checks.push_back(checked); }
  void CloseMainWindow() override { ++closes; }
  void OpenHelp(const std::string& gameName) override { help.push_back(gameName); }
  void ShowAbout() override { ++abouts; }
  std::string ChooseSavedGameToOpen(const std::string&) override { return chosenGame; }
  std::string ChooseSavedGameToSave(const std::string& now) override {
    return saveDialogs.push_back(now), chosenGame;
  }
  std::string ChoosePlayerFile(const std::string&) override { return {}; }
  uint32_t TickCount() override { return ticks; }
  bool OfferNewDeal(const std::string& caption, const std::string& text) override {
    return offers.push_back(caption + "|" + text), newDeal;
  }
  std::vector<int> windows;
  std::vector<bool> editors, checks;
  std::vector<std::string> help, saveDialogs, offers;  // offers as "caption|text"
  std::string chosenGame;                               // the answer of the file dialogs
  int closes = 0, abouts = 0;
  uint32_t ticks = 1;
  bool newDeal = true;  // "New Deal" rather than "Close"
};

// The real player's log, and the fresh seeds of new random deals noted.
struct NotedSeeds : LoggingServices {
  uint32_t NewDealSeed(Game&, uint32_t fresh) override {
    return asked.push_back(fresh), answer ? answer : fresh;
  }
  std::vector<uint32_t> asked;
  uint32_t answer = 0;  // the seed "Deal only winnable games" gives, 0 for the fresh one
};

// A three-game library with the real player's log, and a shell over it.
struct ShellTest : ::testing::Test {
  ShellTest() { t.game->prefs.Neatness = 0, t.game->services = &seeds; }
  // The table a fresh deal of game g with `seed` shows.
  std::string DealtTable(int32_t g, uint32_t seed) {
    RecordsGame other;
    other.Deal(g, seed);
    return other.Table();
  }
  // The record of game g as the library file holds it now.
  GameDef StoredGame(int32_t g) { return testing::StoredGame(t.File("Data/Tarnik.tkl"), g); }
  // A point on pile p: inside its top card, or near its top left corner.
  std::pair<int16_t, int16_t> On(int p, bool corner = false) {
    const Pile& pile = t.P(p);
    if (corner) return {int16_t(pile.Left + 10), int16_t(pile.Top + 10)};
    return {int16_t(pile.TopCard->X + 32), int16_t(pile.TopCard->Y + 40)};
  }

  RecordsGame t;
  NotedSeeds seeds;
  FakeShellHost host;
  Shell shell{*t.game, host};
};

// Deals come at once: seeds wrap, Up adds one, the game steps stop at the
// ends; a new random deal asks the services for the tick count × 2707050037.
TEST_F(ShellTest, DealingCommandsAndKeys) {
  const int last = kFixtureGames - 1;
  // A command (or 0 and a key) from a game and seed at `ticks`; the deal made, asked for or not.
  const struct { int32_t game; uint32_t seed, ticks; int command; ShellKey key; int32_t toGame;
                 uint32_t toSeed; bool asks; } cases[] = {
      {0, 4294967295u, 1, cmd::kNextShuffle, {}, 0, 0, false},
      {0, 31, 1, cmd::kRestartGame, {}, 0, 31, false},
      {0, 0, 1, cmd::kPreviousShuffle, {}, 0, 4294967295u, false},
      {0, 100, 1, 0, ShellKey::Up, 0, 101, false},
      {0, 0, 1, 0, ShellKey::Down, 0, 4294967295u, false},
      {0, 77, 1, 0, ShellKey::Left, 0, 77, false}, {0, 77, 1, cmd::kPreviousGame, {}, 0, 77, false},
      {last, 78, 1, 0, ShellKey::Right, last, 78, false},
      {last, 78, 1, cmd::kNextGame, {}, last, 78, false},
      {last, 78, 3, 0, ShellKey::Left, last - 1, 3 * kM, true},
      {last - 1, 9, 3, cmd::kNextGame, {}, last, 3 * kM, true},
      {last, 9, 1, cmd::kRandomShuffle, {}, last, kM, true},
      {0, 9, 7, cmd::kRandomGame, {}, 1, 7 * kM, true}};
  for (const auto& c : cases) {
    t.Deal(c.game, c.seed);
    if (c.command == cmd::kRestartGame) t.Move(5, 1);
    host.ticks = c.ticks;
    seeds.asked.clear();
    c.command ? shell.HandleCommand(c.command) : shell.HandleKey(c.key);
    EXPECT_EQ(std::pair(t.game->CurrentGame, t.game->CurrentSeed), std::pair(c.toGame, c.toSeed))
        << c.command;
    EXPECT_EQ(t.Table(), DealtTable(c.toGame, c.toSeed)) << c.command;
    EXPECT_EQ(seeds.asked, c.asks ? std::vector{c.toSeed} : std::vector<uint32_t>{}) << c.command;
  }
  seeds.answer = 4242;
  shell.HandleCommand(cmd::kRandomShuffle);
  EXPECT_EQ(t.Table(), DealtTable(1, 4242));
}

// While cards are being dragged every command is dropped, not queued; the
// keys that deal wait too, but E still switches edit mode.
TEST_F(ShellTest, CommandsWhileCardsAreDraggedAreDroppedAndShowAllCards) {
  t.Deal(kOnePack, 12);
  PointerDown(*t.game, On(5).first, On(5).second);
  ASSERT_TRUE(IsDragging(*t.game));
  const uint32_t seed = t.game->CurrentSeed;
  for (int id : {cmd::kNextShuffle, cmd::kRandomShuffle, cmd::kNextGame, cmd::kRestartGame,
                 cmd::kShowAllCards, cmd::kExit, cmd::kSelectGame, cmd::kPreferences, cmd::kAbout,
                 cmd::kUndo, cmd::kAutoplay, cmd::kHint, cmd::kCheckDeal})
    shell.HandleCommand(id);
  for (ShellKey key : {ShellKey::Up, ShellKey::Down, ShellKey::Right, ShellKey::Z})
    shell.HandleKey(key);
  EXPECT_EQ(std::pair(t.game->CurrentSeed, t.game->CurrentGame), std::pair(seed, kOnePack));
  EXPECT_EQ(host.windows.size() + host.checks.size() + host.closes + host.abouts, 0u);
  EXPECT_TRUE(IsDragging(*t.game) && !t.game->ShowAllCards);
  shell.HandleKey(ShellKey::E);
  EXPECT_TRUE(t.game->EditMode);
  shell.LeftUp();  // the drag ends; nothing dropped earlier comes back
  EXPECT_EQ(std::pair(t.game->CurrentSeed, host.windows.size()), std::pair(seed, size_t(0)));
  shell.HandleCommand(cmd::kNextShuffle);
  EXPECT_EQ(t.game->CurrentSeed, seed + 1);
  // Show All Cards flips the switch and its check mark and lays the piles out
  // again: face-down cards fan by 16 pixels instead of 4.
  const Pile& column = t.P(5);  // three face down under one face up
  const int redraws = t.display.redraws;
  for (int step : {48, 12}) {
    shell.HandleCommand(cmd::kShowAllCards);
    EXPECT_EQ(std::pair(t.game->ShowAllCards, column.TopCard->Y - column.Top),
              std::pair(step == 48, step));
  }
  EXPECT_EQ(std::pair(host.checks, t.display.redraws),
            std::pair(std::vector<bool>{true, false}, redraws + 2));
}

// The game database windows open only for a played game; Hint and the deal
// check are the window's; Rules opens the current game's page.
TEST_F(ShellTest, GameWindowsOpenOnlyForAPlayedGameAndRulesForItsName) {
  const std::vector<int> ids = {cmd::kGameGraph, cmd::kGameDatabase, cmd::kGameStatistics,
                                cmd::kHint, cmd::kCheckDeal};
  t.Deal(kOnePack, 40);
  for (int id : ids) shell.HandleCommand(id);
  t.Move(5, 1);  // the first move logs the deal
  for (int id : ids) shell.HandleCommand(id);
  t.Deal(kFourPack, 40);  // another game, never played
  for (int id : {cmd::kGameStatistics, cmd::kRules, cmd::kContents}) shell.HandleCommand(id);
  EXPECT_EQ(host.windows,
            (std::vector<int>{cmd::kHint, cmd::kCheckDeal, cmd::kGameGraph, cmd::kGameDatabase,
                              cmd::kGameStatistics, cmd::kHint, cmd::kCheckDeal}));
  EXPECT_EQ(host.help, (std::vector<std::string>{"Four Pack", ""}));
}

// Clear Player Statistics asks, then empties the library games' logs (not
// blocks beyond); Clear Game Statistics the current game's, without asking.
TEST_F(ShellTest, ClearingStatisticsAsksOnlyForThePlayersWholeLog) {
  t.Deal(kTwoPack, 3);
  t.Move(0, 0);
  t.Deal(kOnePack, 3);
  t.Move(5, 1);
  t.game->records.PlayerFile[255][0].Status = kPlayedRecord;
  const auto played = [&] {
    return std::vector{CountPlayed(*t.game, kOnePack), CountPlayed(*t.game, kTwoPack),
                       CountPlayed(*t.game, 255), t.game->CurrentLogRecord};
  };
  t.display.answer = MessageAnswer::No;
  shell.HandleCommand(cmd::kClearPlayerStatistics);
  EXPECT_EQ(played(), (std::vector{1, 1, 1, 0}));
  shell.HandleCommand(cmd::kClearGameStatistics);
  EXPECT_EQ(played(), (std::vector{0, 1, 1, -1}));
  t.Move(6, 1);  // logged again
  t.display.answer = MessageAnswer::Yes;
  shell.HandleCommand(cmd::kClearPlayerStatistics);
  EXPECT_EQ(played(), (std::vector{0, 0, 1, -1}));
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>(2, "Reset all player statistics?|Are you sure?"));
}

// Save Game without a path is Save Game As (nothing written when cancelled);
// with one it asks before writing and writes only on Yes.
TEST_F(ShellTest, SaveGameAsksBeforeWritingAndWithoutAPathIsSaveGameAs) {
  t.Deal(kOnePack, 21);
  t.game->records.SavedGamePath[0] = '\0';
  shell.HandleCommand(cmd::kSaveGame);  // cancelled
  host.chosenGame = "Data/Mine.tkg";
  shell.HandleCommand(cmd::kSaveGame);
  EXPECT_EQ(host.saveDialogs, std::vector<std::string>(2, ""));
  EXPECT_TRUE(fs::exists(t.File("Data/Mine.tkg")) && t.display.messages.empty());
  EXPECT_STREQ(t.game->records.SavedGamePath, "Data/Mine.tkg");
  std::strcpy(t.game->records.SavedGamePath, "Data/Tarnik.tkg");
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    t.display.answer = answer;
    shell.HandleCommand(cmd::kSaveGame);
    EXPECT_EQ(fs::exists(t.File("Data/Tarnik.tkg")), answer == MessageAnswer::Yes);
  }
  EXPECT_EQ(t.display.messages, std::vector<std::string>(2, "Save over this game?|ARE YOU SURE?"));
}

// Z sorts the library by name, reloads the names, deals the first game afresh.
TEST_F(ShellTest, ZSortsTheLibraryAndDealsItsFirstGame) {
  t.Deal(kTwoPack, 9);
  host.ticks = 2;
  shell.HandleKey(ShellKey::Z);
  const auto& names = t.game->library.GameNames;
  EXPECT_EQ((std::vector<std::string>{names[0], names[1], names[2], StoredGame(0).Name}),
            (std::vector<std::string>{"Four Pack", "Patience One", "Two Pack", "Four Pack"}));
  EXPECT_EQ(std::tuple(t.game->CurrentGame, t.game->CurrentSeed, seeds.asked, t.P(0).Count),
            std::tuple(0, 2u * kM, std::vector{2u * kM}, 200));  // the four-pack stock
}

// In play a right drag moves no pile; in edit mode it does, a left press
// opens an editor or steps the dragged pile's direction, the release saves.
TEST_F(ShellTest, RightDragMovesAPileInEditModeOnly) {
  t.Deal(kOnePack, 6);
  const std::vector<unsigned char> library = ReadBytes(t.File("Data/Tarnik.tkl"));
  const std::string table = t.Table();
  Pile& column = t.P(11);  // grid column 22, row 0, vertical
  const Pile& origin = t.P(0);  // grid cell (0, 0)
  shell.RightDown(kEmptyX, kEmptyY);
  EXPECT_TRUE(t.game->RightButtonDown);
  shell.RightUp();
  shell.RightDown(On(11, true).first, On(11, true).second);
  shell.PointerMoved(int16_t(origin.Left + 65), int16_t(origin.Top + 117));
  shell.RightUp();
  EXPECT_EQ(std::tuple(column.Column, column.Row, t.game->EditPile, t.Table()),
            std::tuple(22, 0, nullptr, table));
  EXPECT_EQ(ReadBytes(t.File("Data/Tarnik.tkl")), library);

  shell.HandleKey(ShellKey::E);
  shell.LeftDown(On(5).first, On(5).second);
  EXPECT_EQ(std::pair(IsDragging(*t.game), t.game->EditPile), std::pair(false, &t.P(5)));
  shell.LeftUp();
  ASSERT_EQ(PileAtPoint(*t.game, kEmptyX, kEmptyY), nullptr);
  shell.LeftDown(kEmptyX, kEmptyY);
  EXPECT_EQ(t.game->EditPile, nullptr);
  shell.RightDown(On(11, true).first, On(11, true).second);
  EXPECT_EQ(std::pair(t.game->EditPile, t.Table()),
            std::pair(&column, table));  // no automatic move
  // The grid starts 4 pixels left of and 8 above the first cell's card; the
  // pointer is the centre of the card being placed, in steps of 32 × 40.
  shell.PointerMoved(int16_t(origin.Left - 4 + 32 + 32 + 5),
                     int16_t(origin.Top - 8 + 40 + 2 * 40 + 5));
  shell.LeftDown(0, 0);
  EXPECT_EQ(std::tuple(column.Column, column.Row, column.Direction),
            std::tuple(1, 2, PileDirection::Size));
  EXPECT_EQ(StoredGame(kOnePack).Piles[11].Column, 22);  // not yet written
  shell.RightUp();
  const PileDef stored = StoredGame(kOnePack).Piles[11];
  EXPECT_EQ(std::tuple(stored.Column, stored.Row, t.game->RightButtonDown),
            std::tuple(1, 2, false));
  EXPECT_EQ(host.editors, (std::vector<bool>{true, false}));
  shell.HandleKey(ShellKey::E);
  EXPECT_FALSE(t.game->EditMode);
}

// The game in play is kept for "Back to Previous Game".
struct PreviousGameTest : ShellTest {
  PreviousGameTest() {
    std::strcpy(t.game->records.PreviousGamePath, kPreviousGamePath);
    t.Deal(kOnePack, 5);
  }
  // Three moves (the first with one redeal left, the later ones with none),
  // the snapshot at the second, one undone; returns the state reached.
  std::string Play() {
    t.game->RedealsLeft = 1;
    t.Move(5, 6);
    t.game->RedealsLeft = 0;
    t.Move(7, 8);
    StoreSnapShot(*t.game);
    t.Move(9, 10);
    UndoMove(*t.game);
    return State();
  }
  // The game's name, table and seed and the history's positions.
  std::string State() const {
    const History& h = t.game->history;
    return std::string(t.game->library.GameNames[t.game->CurrentGame]) + "\n" + t.Table() +
           "\nseed " + std::to_string(t.game->CurrentSeed) + " positions " +
           std::to_string(h.UndoPosition) + " " + std::to_string(h.PositionCount) + " " +
           std::to_string(h.SnapshotPosition);
  }
};

// Every replacement keeps a played game (not an unplayed one); Back brings it
// back exactly, the log and tours as they were left, and goes forth again.
TEST_F(PreviousGameTest, EveryReplacementKeepsTheGameAndBackRestoresIt) {
  shell.HandleCommand(cmd::kRandomShuffle);
  const std::string fresh = State();
  shell.HandleCommand(cmd::kBackToPreviousGame);
  EXPECT_EQ(State(), fresh);
  EXPECT_FALSE(t.game->records.HasPreviousGame || fs::exists(kPreviousGamePath));
  WriteSavedGame(*t.game, "Data/Other.tkg");
  const auto command = [&](int id) { return [&, id] { shell.HandleCommand(id); }; };
  const std::vector<std::pair<const char*, std::function<void()>>> replacements = {
      {"Random Shuffle", command(cmd::kRandomShuffle)},
      {"Next Shuffle", command(cmd::kNextShuffle)}, {"Next Game", command(cmd::kNextGame)},
      {"Random Game", command(cmd::kRandomGame)}, {"Restart Game", command(cmd::kRestartGame)},
      {"favourite", [&] { StartFavorite(*t.game, 0, 7); }},
      {"tournament game", [&] {
         uint32_t* games = t.game->records.TourTable[0].Games;
         games[0] = kOnePack, games[1] = kTwoPack, games[2] = kTourEnd,
         shell.HandleCommand(cmd::kNextTournamentGame);
       }},
      {"log replay", [&] {
         t.game->records.SelectedLogRecord = t.game->CurrentLogRecord, ReplayLogSeed(*t.game);
       }},
      {"Open Saved Game",
       [&] { host.chosenGame = "Data/Other.tkg", shell.HandleCommand(cmd::kOpenSavedGame); }},
      {"library sort (Z)", [&] { shell.HandleKey(ShellKey::Z); }},
      {"editor", [&] { RefreshPreview(*t.game); }}};
  for (const auto& [name, replace] : replacements) {
    SCOPED_TRACE(name);
    t.Deal(kOnePack, 5);
    const std::string kept = Play();
    replace();
    ASSERT_TRUE(t.game->records.HasPreviousGame);
    const std::string replaced = t.Table();
    const auto records = t.game->records;  // log and tours as the command left them
    shell.HandleCommand(cmd::kBackToPreviousGame);
    EXPECT_EQ(State(), kept);
    UndoMove(*t.game);
    EXPECT_EQ(t.game->RedealsLeft, 1) << "the first move's redeals";
    EXPECT_EQ(
        std::memcmp(&records.PlayerFile, &t.game->records.PlayerFile, sizeof records.PlayerFile),
        0);
    EXPECT_EQ(std::memcmp(&records.TourTable, &t.game->records.TourTable, sizeof records.TourTable),
              0);
    RedoMove(*t.game);
    shell.HandleCommand(cmd::kBackToPreviousGame);  // and forth again
    // (an edit deals over the history it leaves in place, so forth is that history)
    EXPECT_TRUE(std::string(name) == "editor" || t.Table() == replaced);
    shell.HandleCommand(cmd::kBackToPreviousGame);
    EXPECT_EQ(State(), kept);
    fs::remove(kPreviousGamePath);
    t.game->records.HasPreviousGame = false;
  }
}

// The next start reads the game in progress, tours, log and the kept game;
// a kept file the library no longer fits is refused and dropped.
TEST_F(PreviousGameTest, TheGamesToursAndLogSurviveARestart) {
  const std::string kept = Play();
  shell.HandleCommand(cmd::kNextGame);
  t.Move(0, 0);
  std::strcpy(t.game->records.TourTable[2].Name, "Cup");
  const std::string inProgress = State();
  SaveRecords(*t.game);
  const auto ended = std::move(t.game);  // the run that ended
  t.game = std::make_unique<Game>();
  t.game->library = ended->library, t.game->display = &t.display, t.game->services = &t.services;
  std::strcpy(t.game->records.PreviousGamePath, kPreviousGamePath);
  LoadRecords(*t.game, 9);
  EXPECT_EQ(
      std::tuple(State(), t.game->CurrentLogRecord, std::string(t.game->records.TourTable[2].Name)),
      std::tuple(inProgress, 0, std::string("Cup")));
  ASSERT_EQ(BackToPreviousGame(*t.game), 1);
  EXPECT_EQ(std::pair(State(), t.game->CurrentLogRecord), std::pair(kept, 0));
  WriteBytes(kPreviousGamePath, {'<', 'T', 'A', 'R', 'N', 'I', 'K', '>', 1});
  EXPECT_EQ(BackToPreviousGame(*t.game), 0);
  EXPECT_FALSE(t.game->records.HasPreviousGame || fs::exists(kPreviousGamePath));
}

// "Offer a new deal after a win": on, the box with the log's figures comes
// once after the win; "New Deal" deals anew, "Close" leaves the won table.
TEST(WinPrompt, OfferedOnceAfterTheWinWhenOn) {
  GameDef def = NamedGame("Home");
  for (int i : {0, 1, 2})
    def.Piles[i] = MakePile(4 * i, 0, i < 2 ? PileFlags::AutoPlay : PileFlags::WinGoal);
  std::vector<Placed> home;
  for (int v = 2; v < 52; ++v) home.push_back(Up(v));
  const std::pair<int, bool> cases[] = {{0, true}, {1, true}, {1, false}};  // WinPrompt, "New Deal"
  for (const auto& [on, newDeal] : cases) {
    PlayTable t{def};
    t.Arrange({{Up(0)}, {Up(1)}, home});
    t.game->prefs.WinPrompt = on;
    t.game->records.PlayerFile[0][0] = {1, 0, kWonRecord},
    t.game->records.PlayerFile[0][1] = {2, 0, kPlayedRecord};
    FakeShellHost host;
    host.newDeal = newDeal;
    Shell shell(*t.game, host);
    for (int pile : {0, 1}) {
      shell.RightDown(int16_t(t.P(pile).Left + 5), int16_t(t.P(pile).Top + 5));
      shell.RightUp();
    }
    EXPECT_GT(t.display.winFrames, 0);
    EXPECT_EQ(host.offers, std::vector<std::string>(
                               on, "Game won|You won this deal of Home.\n\nPlayed: 2\nWon: 1"));
    EXPECT_EQ(t.P(2).Count, on && newDeal ? 0 : 52) << "a new deal empties the goal";
  }
}

}  // namespace
}  // namespace tarnik
