// The player's picks of games: tournaments with their manager, steps and
// file, and the favourite buttons.
#include "engine/records/tournaments.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "engine/files/little_endian.h"
#include "engine/records/favorites.h"
#include "engine/records/tour_file.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;
using Messages = std::vector<std::string>;

// The current tour is tour 5, empty, with seed 4040.
struct Tours : ::testing::Test {
  void SetUp() override {
    game.prefs.CurrentTour = 5;
    for (uint32_t& g : tour.Games) g = kTourEnd;
    tour.Seed = 4040;
  }
  Messages Shown() { return std::exchange(t.display.messages, {}); }
  RecordsGame t;
  Game& game = *t.game;
  TourRecord& tour = game.records.TourTable[5];
};

// A tour deals its games with its seed from the start, steps stop at both
// ends, and a place beyond the list (a damaged file) steps back to the last.
// A game goes into a tour once, at most 32 (a missing file leaves every tour
// full of game 0); removing a place moves the later ones up, not the place.
TEST_F(Tours, PlayingAddingAndRemovingGamesWithTheirMessages) {
  EXPECT_FALSE(PlayTour(game));
  EXPECT_EQ(Shown(), Messages{"This tour is empty.|Cannot play tour"});
  AddTourGame(game, kTwoPack);
  AddTourGame(game, kOnePack);
  tour.Position = 1;
  ASSERT_TRUE(PlayTour(game));
  EXPECT_EQ(std::tuple(tour.Position, game.CurrentGame, game.CurrentSeed, game.PileTable[0].Count),
            std::tuple(0u, kTwoPack, 4040u, 104));
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
  EXPECT_EQ(std::pair(tour.Position, game.CurrentSeed), std::pair(1u, 4040u));

  EXPECT_TRUE(AddTourGame(game, kFourPack));
  EXPECT_FALSE(AddTourGame(game, kTwoPack));
  EXPECT_EQ(Shown(), Messages{"That game is already in the tour.|Cannot add tour"});
  tour.Scores[0] = 10, tour.Scores[1] = 20, tour.Scores[2] = 30;
  tour.Position = 2;
  RemoveTourGame(game, 0);
  RemoveTourGame(game, 2);  // no such place
  EXPECT_EQ(std::vector<uint32_t>(tour.Games, tour.Games + 3),
            (std::vector<uint32_t>{kOnePack, kFourPack, kTourEnd}));
  EXPECT_EQ(std::tuple(int(tour.Scores[0]), int(tour.Scores[1]), tour.Position),
            std::tuple(20, 30, 2u));
  tour = TourRecord{};
  EXPECT_EQ(TourGameCount(tour), 32);
  EXPECT_FALSE(AddTourGame(game, kOnePack));
  EXPECT_EQ(Shown(), Messages{"This tour is full.|Cannot add tour"});
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
  EXPECT_EQ(std::pair(tour.Seed, int(tour.Scores[3])), std::pair(500u * 2707050037u, 9));
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
  game.records.TourTable[15] = {{7}, 3, 0xDEADBEEF, {}, "Last"};
  game.records.TourTable[15].Scores[31] = 208;
  ASSERT_TRUE(WriteTourFile(game.records, t.File("t.tkt")));
  const auto bytes = ReadBytes(t.File("t.tkt"));
  ASSERT_EQ(bytes.size(), 3200u);
  std::vector<unsigned char> last(200);  // games, place, seed, scores, name
  last[0] = 7, last[128] = 3, last[136 + 31] = 208;
  PutLittle32(&last[132], 0xDEADBEEF);
  std::memcpy(&last[168], "Last", 4);
  EXPECT_EQ(std::vector(bytes.begin() + 3000, bytes.end()), last);
  auto other = std::make_unique<Records>();
  auto longer = bytes;
  longer.resize(5000, 0x11);
  WriteBytes(t.File("long.tkt"), longer);
  ASSERT_TRUE(ReadTourFile(*other, t.File("long.tkt")));
  ASSERT_TRUE(WriteTourFile(*other, t.File("u.tkt")));
  EXPECT_EQ(ReadBytes(t.File("u.tkt")), bytes);
  WriteBytes(t.File("short.tkt"), std::vector<unsigned char>(130, 0xFF));
  ASSERT_TRUE(ReadTourFile(*other, t.File("short.tkt")));
  EXPECT_EQ(std::pair(other->TourTable[0].Position, other->TourTable[15].Seed),
            std::pair(0xFFFFu, 0u));
  EXPECT_FALSE(ReadTourFile(*other, t.File("missing.tkt")));
}

// Labels name their games (none beyond the library); a favourite deals its
// game with a new seed each time, the last library game for one beyond.
TEST(Favorites, LabelsFreshDealsAndCustomising) {
  RecordsGame t;
  Game& g = *t.game;
  g.prefs.Favorites[2] = -3, g.prefs.Favorites[3] = 256;
  for (int slot : {0, 1, 2, 3, 20})
    EXPECT_STREQ(FavoriteLabel(g, slot), slot ? "" : "Patience One");
  g.prefs.Favorites[5] = kTwoPack;
  StartFavorite(g, 5, 1000);
  EXPECT_EQ(std::tuple(g.CurrentGame, g.CurrentSeed, g.PileTable[0].Count),
            std::tuple(kTwoPack, 1000u * 2707050037u, 104));
  StartFavorite(g, 5, 1000);  // the same tick must not repeat the deal just played
  EXPECT_NE(g.CurrentSeed, 1000u * 2707050037u);
  g.prefs.Favorites[6] = 200;
  StartFavorite(g, 6, 7);
  EXPECT_EQ(g.CurrentGame, kTwoPack);
  // Customising changes the button chosen last (else the first); two buttons
  // may start one game; a line that is no library game changes nothing.
  const std::pair<int32_t, int32_t> steps[] = {  // slot chosen (-1 none), game chosen
      {-1, kFourPack}, {7, kTwoPack}, {-1, kOnePack}, {8, kOnePack}, {20, kFourPack}, {-1, 3}};
  for (const auto& [slot, game] : steps) {
    if (slot >= 0) ChooseFavoriteSlot(g, slot);
    ChooseFavoriteGame(g, game);
  }
  EXPECT_EQ(std::vector<int32_t>(g.prefs.Favorites, g.prefs.Favorites + 9),
            (std::vector<int32_t>{kFourPack, 8, -3, 256, 32, kTwoPack, 200, kOnePack, kFourPack}));
}

}  // namespace
}  // namespace tarnik
