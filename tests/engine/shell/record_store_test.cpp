// The records at start-up, at shut-down and at a change of player. They
// never lose what the player has: a game in progress that the game refuses
// at start-up is kept aside before the next exit could write over it, and
// "Open/Create Player..." never takes a file that holds something else for
// the player file.
#include "engine/shell/record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include <sys/stat.h>

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/records/memory_preferences.h"
#include "engine/records/player_log.h"
#include "engine/records/saved_game.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;
using Name = std::optional<std::string>;
namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

TEST(RecordStore, ShutDownFilesBringBackTheGameTheToursAndTheLog) {
  RecordsGame t;
  t.Deal(kTwoPack, 64);
  t.Move(0, 0);
  std::strcpy(t.game->records.TourTable[2].Name, "Cup");
  SaveRecords(*t.game);
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkp")), 307200u);
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkt")), 3200u);
  auto fresh = std::make_unique<Game>();
  fresh->library = t.game->library;
  fresh->services = &t.services;
  LoadRecords(*fresh, 123);
  EXPECT_EQ(std::tuple(fresh->CurrentGame, fresh->CurrentSeed, fresh->history.PositionCount, fresh->CurrentLogRecord),
            std::tuple(kTwoPack, 64u, 2, 0));
  EXPECT_STREQ(fresh->records.TourTable[2].Name, "Cup");
}

TEST(RecordStore, WithoutAGameInProgressTheCurrentGameIsDealtAfresh) {
  RecordsGame t;
  t.game->CurrentGame = 300;  // a stored game index beyond the library
  LoadRecords(*t.game, 1000);
  EXPECT_EQ(std::pair(t.game->CurrentGame, t.game->CurrentSeed), std::pair(kTwoPack, FreshSeed(1000)));
  EXPECT_TRUE(t.display.messages.empty());
  testing::WriteBytes(t.File("Data/Last.tkg"), {'n', 'o', 'p', 'e'});  // refused: see below
  LoadRecords(*t.game, 2000);
  EXPECT_EQ(t.game->CurrentSeed, FreshSeed(2000));
}

TEST(RecordStore, OpenPlayerWritesTheOldPlayerAndStartsAnEmptyNewOne) {
  RecordsGame t;
  t.Deal(kOnePack, 8);
  t.Move(5, 1);
  t.game->records.PlayerFile[kOnePack][0].Status = kWonRecord;
  std::string offered;
  OpenPlayer(*t.game, [&](const std::string& current) { return offered = current, Name("Data/Bea.tkp"); });
  EXPECT_EQ(offered, "Data/Tarnik.tkp");
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkp")), 307200u);
  EXPECT_STREQ(t.game->prefs.LogFile, "Data/Bea.tkp");
  EXPECT_EQ(std::pair(CountPlayed(*t.game, kOnePack), t.game->CurrentLogRecord), std::pair(0, -1));
  const int redraws = t.display.redraws;
  OpenPlayer(*t.game, [](const std::string&) { return Name("Data/Tarnik.tkp"); });
  EXPECT_EQ(t.game->CurrentLogRecord, 0);  // the deal in play, won in this log
  EXPECT_EQ(t.game->records.PlayerFile[kOnePack][0].Status, kWonRecord);
  EXPECT_EQ(t.display.redraws, redraws + 1);
  // Cancelled, empty or too long: the player stays.
  for (const Name& name : {Name(), Name(""), Name(std::string(256, 'x'))}) {
    OpenPlayer(*t.game, [&](const std::string&) { return name; });
    EXPECT_STREQ(t.game->prefs.LogFile, "Data/Tarnik.tkp");
    EXPECT_EQ(CountPlayed(*t.game, kOnePack), 1);
  }
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(RecordSafety, RefusedGameInProgressIsKeptAsideNoMoreThanThree) {
  RecordsGame t;
  Bytes damaged = Text("<TARNIK>");  // the magic, then a header naming no game
  damaged.resize(36, 0xFF);
  const Bytes files[] = {Text("first"), damaged, Text("third"), Text("fourth")};
  const std::string kept =
      "\n\nThe game in progress is kept as \"Data/Last.refused.tkg\"; a new game is dealt.|";
  for (int run = 0; run < 4; ++run) {
    testing::WriteBytes(t.File("Data/Last.tkg"), files[run]);
    t.display.messages.clear();
    LoadRecords(*t.game, 1000 + run);
    const bool damaged = run == 1;
    const std::string text = (damaged ? kDamagedSavedGameText : "That file is not a saved game.") + kept +
                             (damaged ? kDamagedSavedGameCaption : "Not a saved game");
    EXPECT_EQ(t.display.messages, std::vector<std::string>{text}) << run;
    EXPECT_EQ(t.game->history.PositionCount, 1);  // a new deal
    SaveRecords(*t.game);                         // the exit writes a game in progress again
    EXPECT_EQ(testing::ReadBytes(t.File("Data/Last.refused.tkg")), files[run]);
  }
  EXPECT_EQ(testing::ReadBytes(t.File("Data/Last.refused-2.tkg")), files[2]);
  EXPECT_EQ(testing::ReadBytes(t.File("Data/Last.refused-3.tkg")), files[1]);
  int refused = 0;
  for (const auto& entry : fs::directory_iterator(t.File("Data"))) refused += entry.path().string().find("refused") != std::string::npos;
  EXPECT_EQ(refused, 3);
  // The game in progress written at the exit opens at the next start.
  t.display.messages.clear();
  LoadRecords(*t.game, 9);
  EXPECT_TRUE(t.display.messages.empty());
}

TEST(RecordSafety, OpenPlayerNeverTakesAFileThatHoldsSomethingElse) {
  RecordsGame t;
  t.Deal(kOnePack, 8);
  t.Move(5, 1);
  SaveRecords(*t.game);  // the player, tournament and game in progress files
  fs::create_symlink("Tarnik.tkl", t.File("Data/Link.tkp"));
  ASSERT_EQ(mkfifo(t.File("Data/Pipe.tkp").c_str(), 0600), 0);
  testing::WriteBytes(t.File("Data/Copy.sav"), testing::ReadBytes(t.File("Data/Last.tkg")));
  testing::WriteBytes(t.File("Data/Notes.txt"), Text("shopping list"));
  testing::WriteBytes(t.File("Data/Empty.tkp"), {});
  const Bytes library = testing::ReadBytes(t.File("Data/Tarnik.tkl"));
  const std::string refused = std::string(kNotPlayerFileText) + "|" + kNotPlayerFileCaption;
  const std::string asked = std::string(kOtherFileQuestion) + "|ARE YOU SURE?";
  // The message is "" when the file is taken without a word.
  const struct { std::string name; MessageAnswer answer; std::string message; bool taken; } cases[] = {
      // Refused: the library, the tournament file, the game in progress, a
      // saved game by its magic, a link to the library, a folder, a pipe.
      {"Data/Tarnik.tkl", MessageAnswer::Yes, refused, false}, {"Data/Tarnik.tkt", MessageAnswer::Yes, refused, false},
      {"Data/Last.tkg", MessageAnswer::Yes, refused, false}, {"Data/Copy.sav", MessageAnswer::Yes, refused, false},
      {"Data/Link.tkp", MessageAnswer::Yes, refused, false}, {"Data", MessageAnswer::Yes, refused, false},
      {"Data/Pipe.tkp", MessageAnswer::Yes, refused, false},
      {"Data/Notes.txt", MessageAnswer::No, asked, false}, {"Data/Notes.txt", MessageAnswer::Yes, asked, true},
      {"Data/Empty.tkp", MessageAnswer::No, "", true}, {"Data/Bea.tkp", MessageAnswer::No, "", true},  // a new player
      {"Data/Tarnik.tkp", MessageAnswer::No, "", true},
  };
  for (const auto& c : cases) {
    t.display.messages.clear();
    t.display.answer = c.answer;
    OpenPlayer(*t.game, [&](const std::string&) { return Name(c.name); });
    EXPECT_EQ(t.display.messages, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message}) << c.name;
    EXPECT_EQ(t.game->prefs.LogFile == c.name, c.taken) << c.name;
  }
  EXPECT_EQ(fs::file_size(t.File("Data/Notes.txt")), 307200u);  // written over, as agreed
  // A player path that names the library, left by an earlier version, gives
  // way to the default player file, and no exit writes over the library.
  std::strcpy(t.game->prefs.LogFile, "Data/Tarnik.tkl");
  LoadRecords(*t.game, 5);
  EXPECT_STREQ(t.game->prefs.LogFile, "Data/Tarnik.tkp");
  std::strcpy(t.game->prefs.LogFile, "Data/Link.tkp");
  SaveRecords(*t.game);
  EXPECT_EQ(testing::ReadBytes(t.File("Data/Tarnik.tkl")), library);
}

// A store that notes which record files are on disk when it is first
// written to.
class WatchingStore : public MemoryPreferenceStore {
 public:
  void WriteNumber(const char* name, uint32_t value) override {
    if (seen.empty())
      for (const char* file : {"Data/Last.tkg", "Data/Tarnik.tkt", "Data/Tarnik.tkp"})
        seen += fs::exists(file) ? std::string(file) + " " : "";
    MemoryPreferenceStore::WriteNumber(name, value);
  }
  std::string seen;
};

TEST(RecordSafety, ExitWritesTheRecordsBeforeThePreferences) {
  RecordsGame t;
  t.Deal(kOnePack, 3);
  KeepWindowRect(*t.game, {20, 30, 840, 650});  // the window as it closed
  WatchingStore store;
  SaveAtExit(*t.game, store);
  EXPECT_EQ(store.seen, "Data/Last.tkg Data/Tarnik.tkt Data/Tarnik.tkp ");
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("WindowBottom")), 650u);
  EXPECT_EQ(store.Values().size(), 43u);  // every value, the rectangle included
}

}  // namespace
}  // namespace tarnik
