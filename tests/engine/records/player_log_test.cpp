// The player's log and its file, and what the player sees of it: the
// statistics, the game graph, the game log and the status line.
#include "engine/records/player_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>

#include "engine/files/little_endian.h"
#include "engine/records/deal_scores.h"
#include "engine/records/game_graph.h"
#include "engine/records/game_log.h"
#include "engine/records/player_file.h"
#include "engine/records/statistics.h"
#include "engine/records/status_line.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;
using Bytes = std::vector<unsigned char>;

// A deal counts as played from its first move, once, even when dealt again;
// a won deal is marked (and celebrated) once, and only once it is logged.
TEST(PlayerLog, DealCountsAsPlayedFromItsFirstMoveOnceAndIsWonOnce) {
  RecordsGame t;
  t.Deal(kOnePack, 10);
  EXPECT_FALSE(MarkDealWon(*t.game));  // not yet in the log
  EXPECT_EQ(CountPlayed(*t.game, kOnePack), 0);
  t.Move(5, 1);
  t.Move(6, 1);
  const LogRecord& r = t.game->records.PlayerFile[kOnePack][0];
  EXPECT_EQ(std::tuple(t.game->CurrentLogRecord, r.Seed, r.Status),
            std::tuple(0, 10u, kPlayedRecord));
  EXPECT_TRUE(MarkDealWon(*t.game));
  EXPECT_FALSE(MarkDealWon(*t.game));
  t.Deal(kOnePack, 11);
  t.Move(5, 1);
  t.Deal(kOnePack, 10);  // dealt again: its record is found, not counted twice
  EXPECT_EQ(t.game->CurrentLogRecord, 0);
  t.Move(5, 1);
  EXPECT_FALSE(MarkDealWon(*t.game));
  EXPECT_EQ(std::pair(CountPlayed(*t.game, kOnePack), CountWon(*t.game, kOnePack)),
            std::pair(2, 1));
}

// A game's log holds 100 deals: the 101st drops the oldest, keeping the order.
TEST(PlayerLog, The101stSeedDropsTheOldestAndTheTourScoreRisesWithTheLog) {
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
  EXPECT_EQ((std::array{block[0].Seed, block[98].Seed, block[99].Seed}),
            (std::array{1001u, 1099u, 5u}));
  EXPECT_EQ(block[99].HighScore + block[99].Comment, 0);
  // The tour's score rises only with the logged deal's high score, and only
  // for the tour's seed.
  g.records = Records{};
  TourRecord& tour = g.records.TourTable[0];
  tour.Seed = 31, tour.Position = 4;
  t.Deal(kOnePack, 31);
  RaiseDealScore(g, 7);  // no log record yet: nothing
  EXPECT_EQ(tour.Scores[4], 0);
  t.Move(5, 1);
  RaiseDealScore(g, 7);
  EXPECT_EQ(std::pair(int(g.records.PlayerFile[kOnePack][0].HighScore), int(tour.Scores[4])),
            std::pair(7, 7));
  tour.Scores[4] = 0;  // scores reset, the deal replayed
  RaiseDealScore(g, 7);
  EXPECT_EQ(tour.Scores[4], 0);
  RaiseDealScore(g, 8);
  t.Deal(kOnePack, 32);  // another seed raises the log only
  t.Move(5, 1);
  RaiseDealScore(g, 20);
  EXPECT_EQ(tour.Scores[4], 8);
}

// The player file is the table byte for byte; a short file fills its front
// and empties the rest, a long one gives its first 307200 bytes.
TEST(PlayerFile, TheTableByteForByteWhateverTheFilesLength) {
  RecordsGame t;
  Records& records = t.game->records;
  records.PlayerFile[2][7] = {0xA1B2C3D4u, 2, kWonRecord, 12, 208, 0x5A};
  ASSERT_TRUE(WritePlayerFile(records, t.File("p.tkp")));
  const Bytes bytes = testing::ReadBytes(t.File("p.tkp"));
  ASSERT_EQ(bytes.size(), 307200u);
  const size_t at = (2 * 100 + 7) * 12;
  EXPECT_EQ(Bytes(&bytes[at], &bytes[at + 12]),
            (Bytes{0xD4, 0xC3, 0xB2, 0xA1, 2, 0, 0, 0, 2, 12, 208, 0x5A}));
  auto other = std::make_unique<Records>();
  ASSERT_TRUE(ReadPlayerFile(*other, t.File("p.tkp")));  // the previous player's
  Bytes shortFile(30, 0);  // two records and half of a third
  PutLittle32(&shortFile[12], 4321);
  shortFile[24] = 0x77;
  testing::WriteBytes(t.File("short.tkp"), shortFile);
  ASSERT_TRUE(ReadPlayerFile(*other, t.File("short.tkp")));
  const LogRecord* block = other->PlayerFile[0];
  EXPECT_EQ(std::tuple(block[1].Seed, block[2].Seed, other->PlayerFile[2][7].Status),
            std::tuple(4321u, 0x77u, kEmptyRecord));  // the previous player's record is gone
  Bytes noise(400000);
  for (size_t i = 0; i < noise.size(); ++i)
    noise[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
  testing::WriteBytes(t.File("long.tkp"), noise);
  ASSERT_TRUE(ReadPlayerFile(*other, t.File("long.tkp")));
  ASSERT_TRUE(WritePlayerFile(*other, t.File("again.tkp")));
  noise.resize(307200);
  EXPECT_EQ(testing::ReadBytes(t.File("again.tkp")), noise);
  EXPECT_FALSE(ReadPlayerFile(*other, t.File("missing.tkp")));
}

// A row's name and figures: played, won, lost, percent.
std::string Figures(const StatsRow& r) {
  return std::string(r.Name) + " " + std::to_string(r.Played) + " " + std::to_string(r.Won) + " " +
         std::to_string(r.Lost) + " " + std::to_string(r.Percent);
}

// One won of three is 33 percent, a record of another status counting as
// lost; one row per library game; the alternating sort of the columns.
TEST(Statistics, OneWonOfThreeIs33PercentAndHeaderClicksSortAlternately) {
  RecordsGame t;
  LogRecord* block = t.game->records.PlayerFile[kFourPack];
  block[0].Status = kWonRecord, block[1].Status = kPlayedRecord, block[2].Status = 7;
  EXPECT_EQ(Figures(GameStatistics(*t.game, kFourPack)), "Four Pack 3 1 2 33");
  EXPECT_EQ(BuildPlayerStatistics(*t.game), 3);
  const StatsRow* table = t.game->records.StatsTable;
  EXPECT_EQ(Figures(table[kOnePack]) + "|" + Figures(table[kTwoPack]) + "|" +
                Figures(table[kFourPack]) + "|" + table[3].Name,
            "Patience One 0 0 0 0|Two Pack 0 0 0 0|Four Pack 3 1 2 33|");
  // Header clicks sort ascending, then descending, alternately over
  // columns; names sort without regard to letter case.
  std::vector<StatsRow> rows = {{4, 1, 3, 25, "b"}, {2, 2, 0, 100, "C"}, {9, 0, 9, 0, "a"}};
  const auto sortBy = [&](int32_t column) {
    ClickStatsColumn(*t.game);
    std::stable_sort(rows.begin(), rows.end(), [&](const StatsRow& a, const StatsRow& b) {
      return CompareStatsRows(a, b, column, t.game->records.SortToggle) < 0;
    });
    std::string names;
    for (const StatsRow& r : rows) names += r.Name;
    return names;
  };
  EXPECT_EQ(sortBy(1), "Cba");  // first click after start-up: ascending
  EXPECT_EQ(sortBy(1), "abC");  // second: descending
  EXPECT_EQ(sortBy(0), "abC");  // third, another column: ascending
  EXPECT_EQ(sortBy(4), "Cba");  // percent 100, 25, 0: descending
  EXPECT_EQ(CompareStatsRows(rows[0], rows[1], 5, 1), 0);  // no such column
}

// The graph's bars are the running share of won deals (240 pixels for all)
// over the records made for the game; one of seven rounds down to 34.
TEST(GameGraphTest, RunningWinShareInRecordOrder) {
  auto game = std::make_unique<Game>();
  LogRecord* log = game->records.PlayerFile[3];
  log[0] = {0, 3, kWonRecord}, log[2] = {0, 3, kPlayedRecord}, log[99] = {0, 3, kWonRecord};
  log[3] = {0, 7, kWonRecord};  // made for another game
  EXPECT_EQ(GraphBarHeights(*game, 3), (std::vector<int32_t>{240, 120, 160}));
  log = game->records.PlayerFile[0];
  for (int k = 0; k < 7; ++k) log[k] = {0, 0, k == 1 ? kWonRecord : kPlayedRecord};
  EXPECT_EQ(GraphBarHeights(*game, 0), (std::vector<int32_t>{0, 120, 80, 60, 48, 40, 34}));
}

// Three logged deals of the one-pack game: seeds 300 (won, 12, comment 9), 301, 302.
struct Log : ::testing::Test {
  void SetUp() override {
    for (uint32_t seed : {300u, 301u, 302u}) t.Deal(kOnePack, seed), t.Move(5, 1);
    block[0].Status = kWonRecord, block[0].HighScore = 12, block[0].Comment = 9;
  }
  std::string Line(const GameLogLines& lines, int32_t line) {
    char text[16];
    LogLineText(game, lines, line, text);
    return text;
  }
  RecordsGame t;
  Game& game = *t.game;
  LogRecord* block = game.records.PlayerFile[kOnePack];
};

// The comments in order; the log opens on the deal in play, stores a comment
// at once (a damaged one shows as none), and a double click deals the seed.
TEST_F(Log, OpensOnTheDealInPlayStoresCommentsAndDealsALoggedSeed) {
  std::string all;
  for (int i = 0; i < kCommentCount; ++i) all += std::string(kComments[i]) + "|";
  EXPECT_EQ(all, "No comment.|Extremely easy!|Very easy.|Easy.|Hard.|Very hard.|Extremely hard!|"
                 "Cannot complete!|Last second comeback!|Took HOURS to finish!|My first win!|"
                 "My first try at this game.|My first loss.|");
  GameLogLines lines = OpenGameLog(game);  // the deal in play is 302
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  ChangeLogComment(game, 11);
  ChangeLogComment(game, 13);  // no such comment
  EXPECT_EQ(block[2].Comment, 11);
  block[2].Comment = 200;  // from a damaged file
  EXPECT_EQ(ShowLogRecord(game).Comment, 0);
  t.Deal(kOnePack, 300);
  ASSERT_TRUE(CanOpenGameLog(game));
  lines = OpenGameLog(game);
  EXPECT_EQ(std::pair(lines.Count, Line(lines, 2)), std::pair(3, std::string("302")));
  const LogRecordView view = ShowLogRecord(game);
  EXPECT_EQ(
      std::tuple(std::string(view.GameName), std::string(view.State), view.HighScore, view.Comment),
      std::tuple(std::string("Patience One"), std::string("Completed"), 12u, 9));
  SelectLogLine(game, lines, 1);
  EXPECT_STREQ(ShowLogRecord(game).State, "Not completed");
  ReplayLogSeed(game);
  EXPECT_EQ(std::tuple(game.CurrentSeed, game.CurrentLogRecord, game.history.PositionCount),
            std::tuple(301u, 1, 1));
  t.Deal(kOnePack, 999);  // not in the log
  lines = OpenGameLog(game);
  EXPECT_EQ(std::pair(SelectedLogLine(game, lines), game.records.SelectedLogRecord),
            std::pair(0, 0));
}

// A damaged log with gaps still lists only the logged seeds.
TEST_F(Log, GapsInADamagedLogStillListOnlyLoggedSeeds) {
  block[1].Status = kEmptyRecord;
  block[99] = {4000000000u, 0, kPlayedRecord};
  t.Deal(kOnePack, 4000000000u);
  const GameLogLines lines = OpenGameLog(game);
  EXPECT_EQ(std::tuple(lines.Count, Line(lines, 2), SelectedLogLine(game, lines)),
            std::tuple(3, std::string("4000000000"), 2));
  SelectLogLine(game, lines, 1);
  EXPECT_EQ(game.records.SelectedLogRecord, 2);
}

struct Collect : StatusSink {
  void SetStatusText(int part, const char* text) override {
    parts.push_back(std::to_string(part) + "=" + text);
  }
  std::vector<std::string> parts;
};

// Part `part` of the status line.
std::string Part(const RecordsGame& t, int part) {
  char text[kStatusTextSize];
  ComposeStatusText(*t.game, part, text);
  return text;
}

// A fresh deal of the largest seed shows every part; a move scores; a win
// and an unknown game change the deal state; redeals count down.
TEST(StatusLine, EveryPartLetterForLetter) {
  RecordsGame t;
  t.Deal(kOnePack, 4294967295u);
  Collect sink;
  UpdateStatusLine(*t.game, sink);
  EXPECT_EQ(sink.parts,
            (std::vector<std::string>{"0=#1 Patience One", "1=Score: 0   $-52", "2=Play: 0",
                                      "3=New game", "4=Seed: 4294967295", "5=No redeal", "6="}));
  t.Deal(kOnePack, 12);
  t.Move(5, 1);
  EXPECT_EQ(Part(t, 1) + "|" + Part(t, 2) + "|" + Part(t, 3),
            "Score: 1   $-47|Play: 1|Not finished");
  MarkDealWon(*t.game);
  EXPECT_EQ(Part(t, 3), "Game won");
  t.Deal(kTwoPack, 1);
  EXPECT_EQ(Part(t, 0) + "|" + Part(t, 5), "#3 Two Pack|Redeals: 2");
  for (const auto& [left, text] :
       std::vector<std::pair<int32_t, std::string>>{{1, "Redeals: 1"},
                                                    {0, "No redeal"},
                                                    {3, "Unlimited redeal"},
                                                    {99, "Unlimited redeal"}}) {
    t.game->RedealsLeft = left;
    EXPECT_EQ(Part(t, 5), text);
  }
  t.game->CurrentGame = 300;  // a game outside the library has no name
  t.game->CurrentLogRecord = 5;
  EXPECT_EQ(Part(t, 0) + "|" + Part(t, 3), "#301 |New game");
}

// The tour part shows while the tour's seed is dealt; a tour number beyond
// the table stands for the last tour.
TEST(StatusLine, TourPartShowsWhileTheTourSeedIsDealt) {
  RecordsGame t;
  TourRecord& tour = t.game->records.TourTable[3];
  tour.Seed = 555, tour.Position = 2;
  std::strcpy(tour.Name, "Sunday");
  const std::pair<int32_t, uint32_t> cases[] = {{3, 555}, {3, 556}, {99, 555}};
  for (const auto& [current, seed] : cases) {
    t.game->records.TourTable[15] = current == 99 ? tour : TourRecord{};
    t.game->prefs.CurrentTour = current;
    t.Deal(kOnePack, seed);
    EXPECT_EQ(Part(t, 6), seed == 555 ? "Tour: Sunday  Game: 3" : "") << current << " " << seed;
  }
}

}  // namespace
}  // namespace tarnik
