// Tournaments: the manager's operations with their messages, stepping
// through a tour, and the tournament file.
#include "app/tournaments.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/records_fixture.h"
#include "app/tour_file.h"
#include "play/little_endian.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::kTwoPack;
using testing::RecordsGame;

// A game whose current tour (5) is empty and has seed 4040.
struct Tours : ::testing::Test {
  void SetUp() override {
    game.prefs.CurrentTour = 5;
    TourRecord& tour = CurrentTourRecord(game);
    for (uint32_t& g : tour.Games) g = kTourEnd;
    tour.Seed = 4040;
  }
  std::vector<std::string>& Messages() { return t.display.messages; }
  RecordsGame t;
  Game& game = *t.game;
};

TEST_F(Tours, MissingFileLeavesEveryTourFullOfTheFirstGame) {
  RecordsGame fresh;
  EXPECT_EQ(TourGameCount(CurrentTourRecord(*fresh.game)), 32);
  EXPECT_TRUE(TourHasGame(*fresh.game, 0));
  EXPECT_FALSE(AddTourGame(*fresh.game, kTwoPack));
  EXPECT_EQ(fresh.display.messages, std::vector<std::string>{"This tour is full.|Cannot add tour"});
}

TEST_F(Tours, AddingGamesUpToThe32ndWithTheirMessages) {
  EXPECT_TRUE(AddTourGame(game, kTwoPack));
  EXPECT_FALSE(AddTourGame(game, kTwoPack));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"That game is already in the tour.|Cannot add tour"});
  TourRecord& tour = CurrentTourRecord(game);
  EXPECT_EQ(tour.Games[0], uint32_t(kTwoPack));
  EXPECT_EQ(tour.Games[1], kTourEnd);
  for (int i = 1; i < 32; ++i) tour.Games[i] = 100 + i;  // fill the tour by hand
  Messages().clear();
  EXPECT_FALSE(AddTourGame(game, kOnePack));
  EXPECT_EQ(Messages(), std::vector<std::string>{"This tour is full.|Cannot add tour"});
}

TEST_F(Tours, RemovingAPlaceMovesTheLaterGamesAndScoresUp) {
  TourRecord& tour = CurrentTourRecord(game);
  for (int32_t g : {kOnePack, kFourPack, kTwoPack}) AddTourGame(game, g);
  tour.Scores[0] = 10, tour.Scores[1] = 20, tour.Scores[2] = 30;
  tour.Position = 2;
  RemoveTourGame(game, 0);
  EXPECT_EQ(TourGameCount(tour), 2);
  EXPECT_EQ(tour.Games[0], uint32_t(kFourPack));
  EXPECT_EQ(tour.Games[1], uint32_t(kTwoPack));
  EXPECT_EQ(tour.Games[2], kTourEnd);
  EXPECT_EQ(tour.Scores[0], 20);
  EXPECT_EQ(tour.Scores[1], 30);
  EXPECT_EQ(tour.Position, 2u);  // not adjusted
  RemoveTourGame(game, 2);       // no such place
  RemoveTourGame(game, -1);
  EXPECT_EQ(TourGameCount(tour), 2);
}

TEST_F(Tours, PlayingStepsThroughTheTourWithItsSeed) {
  EXPECT_FALSE(PlayTour(game));
  EXPECT_EQ(Messages(), std::vector<std::string>{"This tour is empty.|Cannot play tour"});
  AddTourGame(game, kTwoPack);
  AddTourGame(game, kOnePack);
  CurrentTourRecord(game).Position = 1;
  ASSERT_TRUE(PlayTour(game));
  EXPECT_EQ(CurrentTourRecord(game).Position, 0u);
  EXPECT_EQ(game.CurrentGame, kTwoPack);
  EXPECT_EQ(game.CurrentSeed, 4040u);
  EXPECT_EQ(game.PileTable[0].Count, 104);
  Messages().clear();
  PrevTourGame(game);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Start of tournament reached.|No more games"});
  NextTourGame(game);
  EXPECT_EQ(game.CurrentGame, kOnePack);
  EXPECT_EQ(CurrentTourRecord(game).Position, 1u);
  game.CurrentSeed = 1;  // another deal in between
  Messages().clear();
  NextTourGame(game);
  EXPECT_EQ(Messages(), std::vector<std::string>{"End of tournament reached.|No more games"});
  EXPECT_EQ(game.CurrentSeed, 1u);
  PrevTourGame(game);
  EXPECT_EQ(game.CurrentGame, kTwoPack);
  EXPECT_EQ(game.CurrentSeed, 4040u);
}

TEST_F(Tours, PlaceBeyondTheListStepsBackToTheLastGame) {
  AddTourGame(game, kFourPack);
  AddTourGame(game, kTwoPack);
  CurrentTourRecord(game).Position = 0xFFFFFFFFu;  // from a damaged file
  NextTourGame(game);
  EXPECT_EQ(Messages(), std::vector<std::string>{"End of tournament reached.|No more games"});
  PrevTourGame(game);
  EXPECT_EQ(CurrentTourRecord(game).Position, 1u);
  EXPECT_EQ(game.CurrentGame, kTwoPack);
}

TEST_F(Tours, ManagerButtonsChangeTheShownTour) {
  SetTourName(game, "A name that is longer than thirty-one letters");
  EXPECT_STREQ(CurrentTourRecord(game).Name, "A name that is longer than thir");
  NextTour(game);
  EXPECT_EQ(game.prefs.CurrentTour, 6);
  EXPECT_STREQ(game.records.TourTable[5].Name, "A name that is longer than thir");
  game.prefs.CurrentTour = 15;
  NextTour(game);
  EXPECT_EQ(game.prefs.CurrentTour, 15);
  game.prefs.CurrentTour = 0;
  PreviousTour(game);
  EXPECT_EQ(game.prefs.CurrentTour, 0);
  game.prefs.CurrentTour = 5;
  TourRecord& tour = CurrentTourRecord(game);
  tour.Scores[3] = 9, tour.Scores[31] = 1;
  NewTourSeed(game, 500);
  EXPECT_EQ(tour.Seed, 500u * 2707050037u);
  EXPECT_EQ(tour.Scores[3], 9);
  ResetTourScores(game);
  for (uint8_t s : tour.Scores) EXPECT_EQ(s, 0);
}

TEST_F(Tours, FileRoundTripAndShortFiles) {
  TourRecord& tour = game.records.TourTable[15];
  tour.Games[0] = 7;
  tour.Position = 3;
  tour.Seed = 0xDEADBEEF;
  tour.Scores[31] = 208;
  std::strcpy(tour.Name, "Last");
  ASSERT_TRUE(WriteTourFile(game.records, t.File("t.tkt")));
  const auto bytes = testing::ReadBytes(t.File("t.tkt"));
  ASSERT_EQ(bytes.size(), 3200u);
  EXPECT_EQ(GetLittle32(&bytes[3000]), 7u);
  EXPECT_EQ(GetLittle32(&bytes[3000 + 128]), 3u);
  EXPECT_EQ(GetLittle32(&bytes[3000 + 132]), 0xDEADBEEFu);
  EXPECT_EQ(bytes[3000 + 136 + 31], 208);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[3000 + 168])), "Last");
  RecordsGame other;
  ASSERT_TRUE(ReadTourFile(other.game->records, t.File("t.tkt")));
  ASSERT_TRUE(WriteTourFile(other.game->records, t.File("u.tkt")));
  EXPECT_EQ(testing::ReadBytes(t.File("u.tkt")), bytes);
  // A short file fills the front; a long one gives its first 3200 bytes.
  testing::WriteBytes(t.File("short.tkt"), std::vector<unsigned char>(130, 0xFF));
  ASSERT_TRUE(ReadTourFile(other.game->records, t.File("short.tkt")));
  EXPECT_EQ(other.game->records.TourTable[0].Position, 0xFFFFu);
  EXPECT_EQ(other.game->records.TourTable[15].Seed, 0u);
  std::vector<unsigned char> longer = bytes;
  longer.resize(5000, 0x11);
  testing::WriteBytes(t.File("long.tkt"), longer);
  ASSERT_TRUE(ReadTourFile(other.game->records, t.File("long.tkt")));
  EXPECT_EQ(other.game->records.TourTable[15].Seed, 0xDEADBEEFu);
  EXPECT_FALSE(ReadTourFile(other.game->records, t.File("missing.tkt")));
}

TEST_F(Tours, NameWithoutTerminatorIsCutTo31Characters) {
  TourRecord& tour = CurrentTourRecord(game);
  std::memset(tour.Name, 'z', sizeof tour.Name);
  char text[kNameSize];
  TourNameText(tour, text);
  EXPECT_EQ(std::string(text), std::string(31, 'z'));
}

}  // namespace
}  // namespace tarnik
