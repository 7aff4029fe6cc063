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

struct Collect : StatusSink {
  void SetStatusText(int part, const char* text) override {
    parts.push_back(std::to_string(part) + "=" + text);
  }
  std::vector<std::string> parts;
};

// Part `part` of the status line, without its "N=" tag.
std::string Part(const testing::RecordsGame& t, int part) {
  Collect sink;
  UpdateStatusLine(*t.game, sink);
  const std::string tagged = sink.parts.at(size_t(part));
  EXPECT_EQ(tagged.substr(0, 2), std::to_string(part) + "=");
  return tagged.substr(2);
}

// A fresh deal of the largest seed shows every part; a move scores; a win
// and an unknown game change the deal state; redeals count down.
TEST(StatusLine, EveryPartLetterForLetter) {
  testing::RecordsGame t;
  t.Deal(kOnePack, 4294967295u);
  Collect sink;
  UpdateStatusLine(*t.game, sink);
  EXPECT_EQ(sink.parts, (std::vector<std::string>{"0=#1 Patience One", "1=Score: 0   $-52", "2=Play: 0",
                                                  "3=New game", "4=Seed: 4294967295", "5=No redeal",
                                                  "6="}));
  t.Deal(kOnePack, 12);
  t.Move(5, 1);
  EXPECT_EQ(Part(t, 1) + "|" + Part(t, 2) + "|" + Part(t, 3), "Score: 1   $-47|Play: 1|Not finished");
  MarkDealWon(*t.game);
  EXPECT_EQ(Part(t, 3), "Game won");
  t.Deal(testing::kTwoPack, 1);
  EXPECT_EQ(Part(t, 0) + "|" + Part(t, 5), "#3 Two Pack|Redeals: 2");
  const std::pair<int32_t, const char*> redeals[] = {
      {1, "Redeals: 1"}, {0, "No redeal"}, {3, "Unlimited redeal"}, {99, "Unlimited redeal"}};
  for (const auto& [left, text] : redeals) {
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
  testing::RecordsGame t;
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
