// The records at start-up, at shut-down and at a change of player.
#include "engine/shell/record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/records/player_log.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;
using Name = std::optional<std::string>;
namespace fs = std::filesystem;

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
  EXPECT_EQ(fresh->CurrentGame, kTwoPack);
  EXPECT_EQ(fresh->CurrentSeed, 64u);
  EXPECT_EQ(fresh->history.PositionCount, 2);
  EXPECT_EQ(fresh->CurrentLogRecord, 0);
  EXPECT_STREQ(fresh->records.TourTable[2].Name, "Cup");
}

TEST(RecordStore, WithoutAGameInProgressTheCurrentGameIsDealtAfresh) {
  RecordsGame t;
  t.game->CurrentGame = 300;  // a stored game index beyond the library
  LoadRecords(*t.game, 1000);
  EXPECT_EQ(t.game->CurrentGame, kTwoPack);
  EXPECT_EQ(t.game->CurrentSeed, FreshSeed(1000));
  EXPECT_TRUE(t.display.messages.empty());
  testing::WriteBytes(t.File("Data/Last.tkg"), {'n', 'o', 'p', 'e'});
  LoadRecords(*t.game, 2000);
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>{"That file is not a saved game.\n\nThe game in progress is "
                                     "kept as \"Data/Last.refused.tkg\"; a new game is "
                                     "dealt.|Not a saved game"});
  EXPECT_EQ(t.game->CurrentSeed, FreshSeed(2000));
}

TEST(RecordStore, OpenPlayerWritesTheOldPlayerAndStartsAnEmptyNewOne) {
  RecordsGame t;
  t.Deal(kOnePack, 8);
  t.Move(5, 1);
  t.game->records.PlayerFile[kOnePack][0].Status = kWonRecord;
  std::string offered;
  OpenPlayer(*t.game, [&](const std::string& current) {
    offered = current;
    return Name("Data/Bea.tkp");
  });
  EXPECT_EQ(offered, "Data/Tarnik.tkp");
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkp")), 307200u);
  EXPECT_STREQ(t.game->prefs.LogFile, "Data/Bea.tkp");
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  EXPECT_EQ(t.game->CurrentLogRecord, -1);
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

}  // namespace
}  // namespace tarnik
