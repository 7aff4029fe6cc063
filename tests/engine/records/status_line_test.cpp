// The seven texts of the status line, letter for letter.
#include "engine/records/status_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/records/deal_scores.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;
using testing::kTwoPack;

struct Collect : StatusSink {
  void SetStatusText(int part, const char* text) override {
    parts.push_back(std::to_string(part) + "=" + text);
  }
  std::vector<std::string> parts;
};

std::vector<std::string> Line(const Game& game) {
  Collect sink;
  UpdateStatusLine(game, sink);
  return sink.parts;
}

TEST(StatusLine, FreshDealOfTheLargestSeed) {
  testing::RecordsGame t;
  t.Deal(kOnePack, 4294967295u);
  EXPECT_EQ(Line(*t.game),
            (std::vector<std::string>{"0=#1 Patience One", "1=Score: 0   $-52", "2=Play: 0",
                                      "3=New game", "4=Seed: 4294967295", "5=No redeal", "6="}));
}

TEST(StatusLine, MovesScoreAndTheDealState) {
  testing::RecordsGame t;
  t.Deal(kOnePack, 12);
  t.Move(5, 1);
  std::vector<std::string> line = Line(*t.game);
  EXPECT_EQ(line[1], "1=Score: 1   $-47");
  EXPECT_EQ(line[2], "2=Play: 1");
  EXPECT_EQ(line[3], "3=Not finished");
  MarkDealWon(*t.game);
  EXPECT_EQ(Line(*t.game)[3], "3=Game won");
}

TEST(StatusLine, RedealTexts) {
  testing::RecordsGame t;
  t.Deal(kTwoPack, 1);
  EXPECT_EQ(Line(*t.game)[0], "0=#3 Two Pack");
  EXPECT_EQ(Line(*t.game)[5], "5=Redeals: 2");
  const std::pair<int32_t, const char*> cases[] = {{1, "5=Redeals: 1"},
                                                   {0, "5=No redeal"},
                                                   {3, "5=Unlimited redeal"},
                                                   {99, "5=Unlimited redeal"}};
  for (const auto& [left, text] : cases) {
    t.game->RedealsLeft = left;
    EXPECT_EQ(Line(*t.game)[5], text);
  }
}

TEST(StatusLine, TourPartShowsWhileTheTourSeedIsDealt) {
  testing::RecordsGame t;
  TourRecord& tour = t.game->records.TourTable[3];
  tour.Seed = 555;
  tour.Position = 2;
  std::strcpy(tour.Name, "Sunday");
  t.game->prefs.CurrentTour = 3;
  t.Deal(kOnePack, 555);
  EXPECT_EQ(Line(*t.game)[6], "6=Tour: Sunday  Game: 3");
  t.Deal(kOnePack, 556);
  EXPECT_EQ(Line(*t.game)[6], "6=");
  // A tour number beyond the table stands for the last tour.
  t.game->records.TourTable[15] = tour;
  t.game->prefs.CurrentTour = 99;
  t.Deal(kOnePack, 555);
  EXPECT_EQ(Line(*t.game)[6], "6=Tour: Sunday  Game: 3");
}

TEST(StatusLine, GameOutsideTheLibraryHasNoName) {
  testing::RecordsGame t;
  t.Deal(kOnePack, 1);
  t.game->CurrentGame = 300;
  t.game->CurrentLogRecord = 5;
  EXPECT_EQ(Line(*t.game)[0], "0=#301 ");
  EXPECT_EQ(Line(*t.game)[3], "3=New game");
}

}  // namespace
}  // namespace tarnik
