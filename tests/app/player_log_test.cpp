// The player's log: deals counted from their first move, a full log giving
// up its oldest deal, the clear commands, the score and win bookkeeping of a
// move, and the player file on disk.
#include "app/player_log.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "app/deal_scores.h"
#include "app/player_file.h"
#include "app/records_fixture.h"
#include "play/little_endian.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::ReadBytes;
using testing::RecordsGame;
using testing::WriteBytes;

TEST(PlayerLog, DealCountsAsPlayedFromItsFirstMoveOnly) {
  RecordsGame t;
  t.Deal(kOnePack, 10);
  EXPECT_EQ(t.game->CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  t.Move(5, 1);
  EXPECT_EQ(t.game->CurrentLogRecord, 0);
  t.Move(6, 1);
  const LogRecord& r = t.game->records.PlayerFile[kOnePack][0];
  EXPECT_EQ(r.Seed, 10u);
  EXPECT_EQ(r.Game, uint32_t(kOnePack));
  EXPECT_EQ(r.Status, kPlayedRecord);
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 1);
  // Dealing the seed again finds its record instead of counting it twice.
  t.Deal(kOnePack, 11);
  t.Move(5, 1);
  t.Deal(kOnePack, 10);
  EXPECT_EQ(t.game->CurrentLogRecord, 0);
  t.Move(5, 1);
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 2);
  EXPECT_EQ(CountWon(*t.game, kOnePack), 0);
}

TEST(PlayerLog, The101stSeedDropsTheOldestAndKeepsTheOrder) {
  RecordsGame t;
  Game& g = *t.game;
  for (uint32_t seed = 1000; seed < 1100; ++seed) {
    g.CurrentSeed = seed;
    ASSERT_EQ(OpenLogRecord(g), int32_t(seed - 1000));
    g.records.PlayerFile[kOnePack][seed - 1000].HighScore = 9;
  }
  g.CurrentSeed = 5;
  EXPECT_EQ(OpenLogRecord(g), 99);
  const LogRecord* block = g.records.PlayerFile[kOnePack];
  EXPECT_EQ(block[0].Seed, 1001u);
  EXPECT_EQ(block[98].Seed, 1099u);
  EXPECT_EQ(block[99].Seed, 5u);
  EXPECT_EQ(block[99].HighScore, 0);
  EXPECT_EQ(block[99].Comment, 0);
  EXPECT_EQ(block[99].Status, kPlayedRecord);
  EXPECT_EQ(CountPlayed(g, kOnePack), 100);
}

TEST(PlayerLog, HighScoreAndTourScoreRiseTogether) {
  RecordsGame t;
  Game& g = *t.game;
  TourRecord& tour = g.records.TourTable[0];
  tour.Seed = 31;
  tour.Position = 4;
  t.Deal(kOnePack, 31);
  RaiseDealScore(g, 7);  // no log record yet: nothing
  EXPECT_EQ(tour.Scores[4], 0);
  t.Move(5, 1);
  RaiseDealScore(g, 7);
  EXPECT_EQ(g.records.PlayerFile[kOnePack][0].HighScore, 7);
  EXPECT_EQ(tour.Scores[4], 7);
  // Scores reset and replayed: the tour place only takes what beats the log.
  tour.Scores[4] = 0;
  RaiseDealScore(g, 7);
  EXPECT_EQ(tour.Scores[4], 0);
  RaiseDealScore(g, 8);
  EXPECT_EQ(tour.Scores[4], 8);
  // Another seed raises the log only.
  t.Deal(kOnePack, 32);
  t.Move(5, 1);
  RaiseDealScore(g, 20);
  EXPECT_EQ(tour.Scores[4], 8);
  // A place beyond the tour's 32 never receives a score.
  t.Deal(kOnePack, 31);
  tour.Position = 40;
  RaiseDealScore(g, 30);
  EXPECT_EQ(g.records.PlayerFile[kOnePack][0].HighScore, 30);
}

TEST(PlayerLog, WonDealIsCelebratedOnce) {
  RecordsGame t;
  t.Deal(kOnePack, 3);
  EXPECT_FALSE(MarkDealWon(*t.game));  // not yet in the log
  t.Move(5, 1);
  EXPECT_TRUE(MarkDealWon(*t.game));
  EXPECT_FALSE(MarkDealWon(*t.game));
  t.Deal(kOnePack, 3);
  t.Move(5, 1);
  EXPECT_FALSE(MarkDealWon(*t.game));
  EXPECT_EQ(CountWon(*t.game, kOnePack), 1);
}

TEST(PlayerLog, ClearCommandsEmptyTheirBlocksAndForgetTheRecord) {
  RecordsGame t;
  Game& g = *t.game;
  for (int32_t game : {kOnePack, kTwoPack, 3, 255}) g.records.PlayerFile[game][0].Status = 2;
  g.CurrentGame = kTwoPack;
  g.CurrentLogRecord = 0;
  ClearGameStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(g, kTwoPack), 0);
  EXPECT_EQ(CountPlayed(g, kOnePack), 1);
  g.CurrentLogRecord = 0;
  ClearPlayerStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(g, kOnePack), 0);
  // Blocks beyond the library's three games stay.
  EXPECT_EQ(CountPlayed(g, 3), 1);
  EXPECT_EQ(CountPlayed(g, 255), 1);
  g.library.GameCount = 0;
  g.CurrentLogRecord = 2;
  ClearPlayerStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(g, 3), 1);
}

TEST(PlayerLog, RecordOperationsIgnoreAGameOutsideTheTable) {
  RecordsGame t;
  Game& g = *t.game;
  g.CurrentGame = 256;
  EXPECT_EQ(FindLogRecord(g), -1);
  EXPECT_EQ(OpenLogRecord(g), -1);
  EXPECT_EQ(CountPlayed(g, -1), 0);
  g.CurrentGame = -1;
  g.CurrentLogRecord = 3;
  RaiseDealScore(g, 10);
  EXPECT_FALSE(MarkDealWon(g));
  ClearGameStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
}

TEST(PlayerFile, RoundTripIsTheTableByteForByte) {
  RecordsGame t;
  Game& g = *t.game;
  LogRecord& r = g.records.PlayerFile[2][7];
  r = {0xA1B2C3D4u, 2, kWonRecord, 12, 208, 0x5A};
  g.records.PlayerFile[255][99].Seed = 0xFFFFFFFFu;
  ASSERT_TRUE(WritePlayerFile(g.records, t.File("p.tkp")));
  const auto bytes = ReadBytes(t.File("p.tkp"));
  ASSERT_EQ(bytes.size(), 307200u);
  const size_t at = (2 * 100 + 7) * 12;
  EXPECT_EQ(GetLittle32(&bytes[at]), 0xA1B2C3D4u);
  EXPECT_EQ(GetLittle32(&bytes[at + 4]), 2u);
  EXPECT_EQ(bytes[at + 8], 2);
  EXPECT_EQ(bytes[at + 9], 12);
  EXPECT_EQ(bytes[at + 10], 208);
  EXPECT_EQ(bytes[at + 11], 0x5A);
  auto other = std::make_unique<Game>();
  ASSERT_TRUE(ReadPlayerFile(other->records, t.File("p.tkp")));
  ASSERT_TRUE(WritePlayerFile(other->records, t.File("q.tkp")));
  EXPECT_EQ(ReadBytes(t.File("q.tkp")), bytes);
}

TEST(PlayerFile, ShortEmptyLongAndRandomFilesFillTheFrontOnly) {
  RecordsGame t;
  Records& records = t.game->records;
  std::vector<unsigned char> bytes(30, 0);  // two records and half of a third
  PutLittle32(&bytes[12], 4321);
  bytes[20] = kPlayedRecord;
  bytes[24] = 0x77;
  records.PlayerFile[0][5].Status = kWonRecord;  // the previous player's
  WriteBytes(t.File("short.tkp"), bytes);
  ASSERT_TRUE(ReadPlayerFile(records, t.File("short.tkp")));
  EXPECT_EQ(records.PlayerFile[0][1].Seed, 4321u);
  EXPECT_EQ(records.PlayerFile[0][1].Status, kPlayedRecord);
  EXPECT_EQ(records.PlayerFile[0][2].Seed, 0x77u);
  EXPECT_EQ(records.PlayerFile[0][5].Status, kEmptyRecord);
  WriteBytes(t.File("empty.tkp"), {});
  ASSERT_TRUE(ReadPlayerFile(records, t.File("empty.tkp")));
  EXPECT_EQ(records.PlayerFile[0][1].Seed, 0u);
  // A longer file gives its first 307200 bytes.
  std::mt19937 random(7);
  std::vector<unsigned char> noise(400000);
  for (auto& b : noise) b = static_cast<unsigned char>(random());
  WriteBytes(t.File("long.tkp"), noise);
  ASSERT_TRUE(ReadPlayerFile(records, t.File("long.tkp")));
  ASSERT_TRUE(WritePlayerFile(records, t.File("again.tkp")));
  EXPECT_EQ(ReadBytes(t.File("again.tkp")),
            std::vector<unsigned char>(noise.begin(), noise.begin() + 307200));
  // Whatever the records hold, counting and finding stay inside the table.
  t.game->CurrentGame = 7;
  EXPECT_LE(CountPlayed(*t.game, 7), 100);
  EXPECT_LE(CountWon(*t.game, 7), CountPlayed(*t.game, 7));
  EXPECT_LT(FindLogRecord(*t.game), 100);
  EXPECT_FALSE(ReadPlayerFile(records, t.File("missing.tkp")));
}

}  // namespace
}  // namespace tarnik
