// Tournaments: the manager's operations with their messages, stepping
// through a tour, and the tournament file.
#include "engine/records/tournaments.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>

#include "engine/files/little_endian.h"
#include "engine/records/tour_file.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::kTwoPack;
using Messages = std::vector<std::string>;

// The current tour is tour 5, empty, with seed 4040.
struct Tours : ::testing::Test {
  void SetUp() override {
    game.prefs.CurrentTour = 5;
    for (uint32_t& g : tour.Games) g = kTourEnd;
    tour.Seed = 4040;
  }
  Messages Shown() { return std::exchange(t.display.messages, {}); }
  testing::RecordsGame t;
  Game& game = *t.game;
  TourRecord& tour = game.records.TourTable[5];
};

// A game goes into a tour once; a tour of 32 games is full; a missing
// tournament file leaves every tour full of game 0.
TEST_F(Tours, AddingGamesWithTheirMessages) {
  EXPECT_TRUE(AddTourGame(game, kTwoPack));
  EXPECT_FALSE(AddTourGame(game, kTwoPack));
  EXPECT_EQ(Shown(), Messages{"That game is already in the tour.|Cannot add tour"});
  EXPECT_EQ(std::make_pair(tour.Games[0], tour.Games[1]), std::make_pair(uint32_t(kTwoPack), kTourEnd));
  tour = TourRecord{};
  EXPECT_EQ(TourGameCount(tour), 32);
  EXPECT_FALSE(AddTourGame(game, kOnePack));
  EXPECT_EQ(Shown(), Messages{"This tour is full.|Cannot add tour"});
}

// Removing a place moves the later games and scores up; the place in play
// stays.
TEST_F(Tours, RemovingAPlaceMovesTheLaterGamesAndScoresUp) {
  for (int32_t g : {kOnePack, kFourPack, kTwoPack}) AddTourGame(game, g);
  tour.Scores[0] = 10, tour.Scores[1] = 20, tour.Scores[2] = 30;
  tour.Position = 2;
  RemoveTourGame(game, 0);
  RemoveTourGame(game, 2);  // no such place
  EXPECT_EQ(std::vector<uint32_t>(tour.Games, tour.Games + 3),
            (std::vector<uint32_t>{kFourPack, kTwoPack, kTourEnd}));
  EXPECT_EQ(tour.Scores[0] * 100 + tour.Scores[1], 2030);
  EXPECT_EQ(tour.Position, 2u);  // not adjusted
}

// Playing deals the tour's games with its seed from the start; the steps
// stop at both ends with their messages; a place beyond the list (a damaged
// file) steps back to the last game.
TEST_F(Tours, PlayingStepsThroughTheTourWithItsSeed) {
  EXPECT_FALSE(PlayTour(game));
  EXPECT_EQ(Shown(), Messages{"This tour is empty.|Cannot play tour"});
  AddTourGame(game, kTwoPack);
  AddTourGame(game, kOnePack);
  tour.Position = 1;
  ASSERT_TRUE(PlayTour(game));
  EXPECT_EQ(std::make_tuple(tour.Position, game.CurrentGame, game.CurrentSeed, game.PileTable[0].Count),
            std::make_tuple(0u, kTwoPack, 4040u, 104));
  PrevTourGame(game);
  EXPECT_EQ(Shown(), Messages{"Start of tournament reached.|No more games"});
  NextTourGame(game);
  EXPECT_EQ(game.CurrentGame, kOnePack);
  game.CurrentSeed = 1;  // another deal in between
  NextTourGame(game);
  EXPECT_EQ(Shown(), Messages{"End of tournament reached.|No more games"});
  EXPECT_EQ(game.CurrentSeed, 1u);
  tour.Position = 0xFFFFFFFFu;
  PrevTourGame(game);
  EXPECT_EQ(std::make_pair(tour.Position, game.CurrentSeed), std::make_pair(1u, 4040u));
}

// The manager's buttons: the name cut to 31 letters, the tours stepping
// within 0 to 15, a new seed from the clock keeping the scores, the reset.
TEST_F(Tours, ManagerButtonsChangeTheShownTour) {
  SetTourName(game, "A name that is longer than thirty-one letters");
  NextTour(game);
  EXPECT_EQ(game.prefs.CurrentTour, 6);
  EXPECT_STREQ(tour.Name, "A name that is longer than thir");
  for (int end : {15, 0}) {
    game.prefs.CurrentTour = end;
    end ? NextTour(game) : PreviousTour(game);
    EXPECT_EQ(game.prefs.CurrentTour, end);
  }
  game.prefs.CurrentTour = 5;
  tour.Scores[3] = 9;
  NewTourSeed(game, 500);
  EXPECT_EQ(std::make_pair(tour.Seed, int(tour.Scores[3])), std::make_pair(500u * 2707050037u, 9));
  ResetTourScores(game);
  EXPECT_EQ(tour.Scores[3], 0);
  std::memset(tour.Name, 'z', sizeof tour.Name);  // no terminator
  char text[kNameSize];
  TourNameText(tour, text);
  EXPECT_EQ(std::string(text), std::string(31, 'z'));
}

// The tournament file: 16 tours of 200 bytes byte for byte; a longer file
// reads its front, a short one fills the front only, a missing one is refused.
TEST_F(Tours, FileRoundTripAndShortAndLongFiles) {
  TourRecord& last = game.records.TourTable[15];
  last = {{7}, 3, 0xDEADBEEF, {}, "Last"};
  last.Scores[31] = 208;
  ASSERT_TRUE(WriteTourFile(game.records, t.File("t.tkt")));
  const auto bytes = testing::ReadBytes(t.File("t.tkt"));
  ASSERT_EQ(bytes.size(), 3200u);
  EXPECT_EQ((std::array{GetLittle32(&bytes[3000]), GetLittle32(&bytes[3000 + 128]),
                        GetLittle32(&bytes[3000 + 132])}),
            (std::array{7u, 3u, 0xDEADBEEFu}));
  EXPECT_EQ(bytes[3000 + 136 + 31], 208);
  EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[3000 + 168]), "Last");
  auto other = std::make_unique<Records>();
  auto longer = bytes;
  longer.resize(5000, 0x11);
  testing::WriteBytes(t.File("long.tkt"), longer);
  ASSERT_TRUE(ReadTourFile(*other, t.File("long.tkt")));
  ASSERT_TRUE(WriteTourFile(*other, t.File("u.tkt")));
  EXPECT_EQ(testing::ReadBytes(t.File("u.tkt")), bytes);
  testing::WriteBytes(t.File("short.tkt"), std::vector<unsigned char>(130, 0xFF));
  ASSERT_TRUE(ReadTourFile(*other, t.File("short.tkt")));
  EXPECT_EQ(std::make_pair(other->TourTable[0].Position, other->TourTable[15].Seed),
            std::make_pair(0xFFFFu, 0u));
  EXPECT_FALSE(ReadTourFile(*other, t.File("missing.tkt")));
}

}  // namespace
}  // namespace tarnik
