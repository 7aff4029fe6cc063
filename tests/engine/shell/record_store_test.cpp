// The records at start-up, shut-down and a change of player never lose what
// the player has.
#include "engine/shell/record_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "engine/deal/deal.h"
#include "engine/records/memory_preferences.h"
#include "engine/records/player_log.h"
#include "engine/records/saved_game.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;
using Name = std::optional<std::string>;
namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Without a game in progress the current game (one beyond the library is
// the last) is dealt afresh; a refused one is kept aside, three at most.
TEST(RecordSafety, RefusedGameInProgressIsKeptAsideNoMoreThanThree) {
  RecordsGame t;
  t.game->CurrentGame = 300;
  LoadRecords(*t.game, 999);
  EXPECT_EQ(std::pair(t.game->CurrentGame, t.game->CurrentSeed),
            std::pair(kTwoPack, FreshSeed(999)));
  EXPECT_TRUE(t.display.messages.empty());
  Bytes damaged = Text("<TARNIK>");  // the magic, then a header naming no game
  damaged.resize(36, 0xFF);
  const Bytes files[] = {Text("first"), damaged, Text("third"), Text("fourth")};
  const std::string kept =
      "\n\nThe game in progress is kept as \"Data/Last.refused.tkg\"; a new game is dealt.|";
  for (int run = 0; run < 4; ++run) {
    WriteBytes(t.File("Data/Last.tkg"), files[run]);
    t.display.messages.clear();
    LoadRecords(*t.game, 1000 + run);
    const bool damaged = run == 1;
    const std::string text = (damaged ? kDamagedSavedGameText : "That file is not a saved game.") +
                             kept + (damaged ? kDamagedSavedGameCaption : "Not a saved game");
    EXPECT_EQ(t.display.messages, std::vector<std::string>{text}) << run;
    EXPECT_EQ(std::pair(t.game->CurrentSeed, t.game->history.PositionCount),
              std::pair(FreshSeed(1000 + run), 1));
    SaveRecords(*t.game);  // the exit writes a game in progress again
    EXPECT_EQ(ReadBytes(t.File("Data/Last.refused.tkg")), files[run]);
  }
  EXPECT_EQ(ReadBytes(t.File("Data/Last.refused-2.tkg")), files[2]);
  EXPECT_EQ(ReadBytes(t.File("Data/Last.refused-3.tkg")), files[1]);
  EXPECT_FALSE(fs::exists(t.File("Data/Last.refused-4.tkg")));
}

// "Open/Create Player..." writes the old player, reads the new; refuses the
// game's files, links, folders, pipes; asks before writing over another file.
TEST(RecordSafety, OpenPlayerNeverTakesAFileThatHoldsSomethingElse) {
  RecordsGame t;
  t.Deal(kOnePack, 8);
  t.Move(5, 1);
  t.game->records.PlayerFile[kOnePack][0].Status = kWonRecord;
  std::string offered;
  OpenPlayer(*t.game,
             [&](const std::string& current) { return offered = current, Name("Data/Bea.tkp"); });
  EXPECT_EQ(std::tuple(offered, CountPlayed(*t.game, kOnePack), t.game->CurrentLogRecord),
            std::tuple(std::string("Data/Tarnik.tkp"), 0, -1));
  const int redraws = t.display.redraws;
  OpenPlayer(*t.game, [](const std::string&) { return Name("Data/Tarnik.tkp"); });
  EXPECT_EQ(std::pair(t.game->CurrentLogRecord, t.game->records.PlayerFile[kOnePack][0].Status),
            std::pair(0, kWonRecord));  // the deal in play, won in this log
  EXPECT_EQ(t.display.redraws, redraws + 1);

  SaveRecords(*t.game);  // the player, tournament and game in progress files
  fs::create_symlink("Tarnik.tkl", t.File("Data/Link.tkp"));
  ASSERT_EQ(mkfifo(t.File("Data/Pipe.tkp").c_str(), 0600), 0);
  WriteBytes(t.File("Data/Copy.sav"), ReadBytes(t.File("Data/Last.tkg")));
  WriteBytes(t.File("Data/Notes.txt"), Text("shopping list"));
  WriteBytes(t.File("Data/Empty.tkp"), {});
  const Bytes library = ReadBytes(t.File("Data/Tarnik.tkl"));
  const std::string refused = std::string(kNotPlayerFileText) + "|" + kNotPlayerFileCaption;
  const std::string asked = std::string(kOtherFileQuestion) + "|ARE YOU SURE?";
  const auto yes = MessageAnswer::Yes, no = MessageAnswer::No;
  // The message is "" when the file is taken, or left, without a word.
  const struct { Name name; MessageAnswer answer; std::string message; bool taken; } cases[] = {
      {"Data/Tarnik.tkl", yes, refused, false}, {"Data/Tarnik.tkt", yes, refused, false},
      {"Data/Last.tkg", yes, refused, false},   {"Data/Copy.sav", yes, refused, false},
      {"Data/Link.tkp", yes, refused, false},   {"Data", yes, refused, false},
      {"Data/Pipe.tkp", yes, refused, false},   {Name(), yes, "", false},
      {"", yes, "", false},                     {std::string(256, 'x'), yes, "", false},
      {"Data/Notes.txt", no, asked, false},     {"Data/Notes.txt", yes, asked, true},
      {"Data/Empty.tkp", no, "", true},         {"Data/Tarnik.tkp", no, "", true},
  };
  for (const auto& c : cases) {
    const std::string name = c.name.value_or("(cancelled)");
    const std::string before = t.game->prefs.LogFile;
    t.display.messages.clear();
    t.display.answer = c.answer;
    OpenPlayer(*t.game, [&](const std::string&) { return c.name; });
    EXPECT_EQ(t.display.messages,
              c.message.empty() ? std::vector<std::string>{} : std::vector{c.message})
        << name;
    EXPECT_EQ(t.game->prefs.LogFile, c.taken ? name : before);
  }
  EXPECT_EQ(fs::file_size(t.File("Data/Notes.txt")), 307200u);  // written over, as agreed
  // A player path naming the library (an earlier version's) gives way to the
  // default, and no exit writes over the library.
  std::strcpy(t.game->prefs.LogFile, "Data/Tarnik.tkl");
  LoadRecords(*t.game, 5);
  EXPECT_STREQ(t.game->prefs.LogFile, "Data/Tarnik.tkp");
  std::strcpy(t.game->prefs.LogFile, "Data/Link.tkp");
  SaveRecords(*t.game);
  EXPECT_EQ(ReadBytes(t.File("Data/Tarnik.tkl")), library);
}

// A store that notes which record files are on disk at its first write.
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

// The exit writes the records, then the preferences with the kept window rectangle.
TEST(RecordSafety, ExitWritesTheRecordsBeforeThePreferences) {
  RecordsGame t;
  t.Deal(kOnePack, 3);
  KeepWindowRect(*t.game, {20, 30, 840, 650});  // the window as it closed
  WatchingStore store;
  SaveAtExit(*t.game, store);
  EXPECT_EQ(store.seen, "Data/Last.tkg Data/Tarnik.tkt Data/Tarnik.tkp ");
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("WindowBottom")), 650u);
}

}  // namespace
}  // namespace tarnik
