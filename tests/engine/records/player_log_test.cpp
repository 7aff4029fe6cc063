// The player's log: deals counted from their first move, a full log giving
// up its oldest deal, the clear commands, the score and win bookkeeping of a
// move, and the player file on disk.
#include "engine/records/player_log.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

#include "engine/files/little_endian.h"
#include "engine/records/deal_scores.h"
#include "engine/records/player_file.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;

// A deal counts as played from its first move, once, even when dealt again.
TEST(PlayerLog, DealCountsAsPlayedFromItsFirstMoveOnce) {
  RecordsGame t;
  t.Deal(kOnePack, 10);
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  t.Move(5, 1);
  t.Move(6, 1);
  const LogRecord& r = t.game->records.PlayerFile[kOnePack][0];
  EXPECT_EQ(std::make_tuple(t.game->CurrentLogRecord, r.Seed, r.Status),
            std::make_tuple(0, 10u, kPlayedRecord));
  t.Deal(kOnePack, 11);
  t.Move(5, 1);
  t.Deal(kOnePack, 10);  // dealt again: its record is found, not counted twice
  EXPECT_EQ(t.game->CurrentLogRecord, 0);
  t.Move(5, 1);
  EXPECT_EQ(std::make_pair(CountPlayed(*t.game, kOnePack), CountWon(*t.game, kOnePack)),
            std::make_pair(2, 0));
}

// A game's log holds 100 deals: the 101st drops the oldest, keeping the order.
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
  EXPECT_EQ((std::array{block[0].Seed, block[98].Seed, block[99].Seed}), (std::array{1001u, 1099u, 5u}));
  EXPECT_EQ(block[99].HighScore + block[99].Comment, 0);
}

// The tour's score rises only with the logged deal's high score, and only for
// the tour's seed.
TEST(PlayerLog, TourScoreRisesOnlyWithTheDealsHighScore) {
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
  EXPECT_EQ(std::make_pair(int(g.records.PlayerFile[kOnePack][0].HighScore), int(tour.Scores[4])),
            std::make_pair(7, 7));
  tour.Scores[4] = 0;  // scores reset, the deal replayed
  RaiseDealScore(g, 7);
  EXPECT_EQ(tour.Scores[4], 0);
  RaiseDealScore(g, 8);
  EXPECT_EQ(tour.Scores[4], 8);
  t.Deal(kOnePack, 32);  // another seed raises the log only
  t.Move(5, 1);
  RaiseDealScore(g, 20);
  EXPECT_EQ(tour.Scores[4], 8);
}

// A won deal is marked (and celebrated) once, and only once it is logged.
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

// Clear Game Statistics empties the current game's block, Clear Player
// Statistics every block; both forget the deal's record.
TEST(PlayerLog, ClearCommandsEmptyTheirBlocksAndForgetTheRecord) {
  RecordsGame t;
  Game& g = *t.game;
  for (int32_t game : {kOnePack, kTwoPack, 3, 255}) g.records.PlayerFile[game][0].Status = 2;
  g.CurrentGame = kTwoPack;
  g.CurrentLogRecord = 0;
  ClearGameStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(g, kTwoPack) * 10 + CountPlayed(g, kOnePack), 1);
  g.CurrentLogRecord = 0;
  ClearPlayerStatistics(g);
  EXPECT_EQ(g.CurrentLogRecord, -1);
  EXPECT_EQ(CountPlayed(g, kOnePack), 0);
  EXPECT_EQ(CountPlayed(g, 3) + CountPlayed(g, 255), 2);  // beyond the library's three games
}

// The player file is the table byte for byte: 256 games of 100 records of
// 12 bytes, little-endian.
TEST(PlayerFile, RoundTripIsTheTableByteForByte) {
  RecordsGame t;
  Records& records = t.game->records;
  records.PlayerFile[2][7] = {0xA1B2C3D4u, 2, kWonRecord, 12, 208, 0x5A};
  ASSERT_TRUE(WritePlayerFile(records, t.File("p.tkp")));
  const auto bytes = testing::ReadBytes(t.File("p.tkp"));
  ASSERT_EQ(bytes.size(), 307200u);
  const size_t at = (2 * 100 + 7) * 12;
  EXPECT_EQ(std::make_pair(GetLittle32(&bytes[at]), GetLittle32(&bytes[at + 4])),
            std::make_pair(0xA1B2C3D4u, 2u));
  EXPECT_EQ(std::vector<unsigned char>(&bytes[at + 8], &bytes[at + 12]),
            (std::vector<unsigned char>{2, 12, 208, 0x5A}));
  auto other = std::make_unique<Records>();
  ASSERT_TRUE(ReadPlayerFile(*other, t.File("p.tkp")));
  ASSERT_TRUE(WritePlayerFile(*other, t.File("q.tkp")));
  EXPECT_EQ(testing::ReadBytes(t.File("q.tkp")), bytes);
}

// A short, empty or long file fills the front of the table only; a missing
// one is refused.
TEST(PlayerFile, ShortEmptyAndLongRandomFilesFillTheFrontOnly) {
  RecordsGame t;
  Records& records = t.game->records;
  std::vector<unsigned char> bytes(30, 0);  // two records and half of a third
  PutLittle32(&bytes[12], 4321);
  bytes[24] = 0x77;
  records.PlayerFile[0][5].Status = kWonRecord;  // the previous player's
  testing::WriteBytes(t.File("short.tkp"), bytes);
  ASSERT_TRUE(ReadPlayerFile(records, t.File("short.tkp")));
  const LogRecord* block = records.PlayerFile[0];
  EXPECT_EQ(std::make_tuple(block[1].Seed, block[2].Seed, block[5].Status),
            std::make_tuple(4321u, 0x77u, kEmptyRecord));
  testing::WriteBytes(t.File("empty.tkp"), {});
  ASSERT_TRUE(ReadPlayerFile(records, t.File("empty.tkp")));
  EXPECT_EQ(records.PlayerFile[0][1].Seed, 0u);
  std::mt19937 random(7);
  std::vector<unsigned char> noise(400000);
  for (auto& b : noise) b = static_cast<unsigned char>(random());
  testing::WriteBytes(t.File("long.tkp"), noise);
  ASSERT_TRUE(ReadPlayerFile(records, t.File("long.tkp")));
  ASSERT_TRUE(WritePlayerFile(records, t.File("again.tkp")));
  noise.resize(307200);
  EXPECT_EQ(testing::ReadBytes(t.File("again.tkp")), noise);
  EXPECT_FALSE(ReadPlayerFile(records, t.File("missing.tkp")));
}

}  // namespace
}  // namespace tarnik
