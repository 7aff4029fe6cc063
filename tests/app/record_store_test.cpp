// The records at start-up, at shut-down and at a change of player.
#include "app/record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "app/player_file.h"
#include "app/player_log.h"
#include "app/records_fixture.h"
#include "model/deal.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;

namespace fs = std::filesystem;

TEST(RecordStore, ShutDownFilesBringBackTheGameTheToursAndTheLog) {
  RecordsGame t;
  t.Deal(kTwoPack, 64);
  t.Move(0, 0);
  t.game->records.TourTable[2].Seed = 99;
  std::strcpy(t.game->records.TourTable[2].Name, "Cup");
  SaveRecords(*t.game);
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkp")), 307200u);
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkt")), 3200u);
  ASSERT_TRUE(fs::exists(t.File("Data/Last.tkg")));

  auto fresh = std::make_unique<Game>();
  fresh->library = t.game->library;
  fresh->display = &t.display;
  fresh->services = &t.services;
  LoadRecords(*fresh, 123);
  EXPECT_EQ(fresh->CurrentGame, kTwoPack);
  EXPECT_EQ(fresh->CurrentSeed, 64u);
  EXPECT_EQ(fresh->history.PositionCount, 2);
  EXPECT_EQ(fresh->CurrentLogRecord, 0);
  EXPECT_EQ(fresh->records.TourTable[2].Seed, 99u);
  EXPECT_STREQ(fresh->records.TourTable[2].Name, "Cup");
  EXPECT_EQ(CountPlayed(*fresh, kTwoPack), 1);
}

TEST(RecordStore, WithoutFilesTheCurrentGameIsDealtWithAFreshSeed) {
  RecordsGame t;
  t.game->CurrentGame = 300;  // a stored game index beyond the library
  LoadRecords(*t.game, 1000);
  EXPECT_EQ(t.game->CurrentGame, kTwoPack);
  EXPECT_EQ(t.game->CurrentSeed, FreshSeed(1000));
  EXPECT_EQ(t.game->PileTable[0].Count, 104);
  EXPECT_TRUE(t.display.messages.empty());
  // A last game that is not a saved game says so, then a new deal follows.
  testing::WriteBytes(t.File("Data/Last.tkg"), {'n', 'o', 'p', 'e'});
  LoadRecords(*t.game, 2000);
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>{"That file is not a saved game.|Not a saved game"});
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
    return std::optional<std::string>("Data/Bea.tkp");
  });
  EXPECT_EQ(offered, "Data/Tarnik.tkp");
  EXPECT_EQ(fs::file_size(t.File("Data/Tarnik.tkp")), 307200u);
  EXPECT_STREQ(t.game->prefs.LogFile, "Data/Bea.tkp");
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  EXPECT_EQ(t.game->CurrentLogRecord, -1);
  // Back to the first player: the deal in play is found won in its log.
  const int redraws = t.display.redraws;
  OpenPlayer(*t.game,
             [](const std::string&) { return std::optional<std::string>("Data/Tarnik.tkp"); });
  EXPECT_EQ(t.game->CurrentLogRecord, 0);
  EXPECT_EQ(t.game->records.PlayerFile[kOnePack][0].Status, kWonRecord);
  EXPECT_EQ(t.display.redraws, redraws + 1);
  EXPECT_TRUE(fs::exists(t.File("Data/Bea.tkp")));
}

TEST(RecordStore, CancelledOrUnusableNameKeepsThePlayer) {
  RecordsGame t;
  t.Deal(kOnePack, 8);
  t.Move(5, 1);
  for (const std::optional<std::string>& name :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>(std::string(256, 'x'))}) {
    OpenPlayer(*t.game, [&](const std::string&) { return name; });
    EXPECT_STREQ(t.game->prefs.LogFile, "Data/Tarnik.tkp");
    EXPECT_EQ(CountPlayed(*t.game, kOnePack), 1);
  }
  EXPECT_TRUE(fs::exists(t.File("Data/Tarnik.tkp")));  // written before the dialog
}

}  // namespace
}  // namespace tarnik
