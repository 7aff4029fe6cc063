// "Tournament manager."; the tours' rules are the engine's.
#include "ui/dialogs/tournament_dialog.h"

#include <algorithm>
#include <cstring>

#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Three games; tour 0 "Spring" plays Canfield (score 40) then Klondike
// (score 12) with seed 4000000000; tour 1 is empty.
struct TournamentDialogTest : ::testing::Test {
  bool Prepare() {
    for (TourRecord& tour : t.game->records.TourTable)
      std::fill_n(tour.Games, kTourGames, kTourEnd);
    Tour(0).Games[0] = 2, Tour(0).Games[1] = 0, Tour(0).Scores[0] = 40, Tour(0).Scores[1] = 12;
    Tour(0).Seed = 4000000000u;
    std::strcpy(Tour(0).Name, "Spring");
    return true;
  }
  TourRecord& Tour(int n) { return t.game->records.TourTable[n]; }
  QStringList Lines() { return TreeRows(*tour).mid(1); }  // "name,score"
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol"), ColumnsGame("Canfield")}};
  bool prepared = Prepare();
  TournamentDialog dialog{*t.game, nullptr};
  QListWidget* library = Control<QListWidget>(dialog, 8001);
  QTreeWidget* tour = Control<QTreeWidget>(dialog, 7000);
  QLineEdit* name = Control<QLineEdit>(dialog, 17043);
};

// Double clicks add a game with score 0 (or show the refusal) and remove one; a full
// tour, as a missing file leaves it, lists all 32 games.
TEST_F(TournamentDialogTest, ShowsTheTourAndDoubleClicksChangeIt) {
  dialog.show();
  ExpectTexts(dialog, {{0, "Tournament manager."}, {17033, "Previous"}, {17034, "Next"},
                       {3100, "Play"}, {17036, "Reset Scores"}, {17044, "New Seed"}, {1, "OK"},
                       {-1, "Double click games to add to the tour"},
                       {-1, "Double click games to remove from the tour"},
                       {-1, "Tournament Name"}, {17043, "Spring"}, {17038, "4000000000"}});
  EXPECT_EQ(library->count() == 3 ? library->item(2)->text() : "", "Canfield");
  EXPECT_EQ(TreeRows(*tour).first(), "Game Name,Score");
  EXPECT_EQ(QSize(tour->columnWidth(0), tour->columnWidth(1)), QSize(175, 50));
  DoubleClick(library, 1);
  EXPECT_EQ(Lines(), QStringList({"Canfield,40", "Klondike,12", "Bristol,0"}));
  DoubleClick(library, 0);
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>{"That game is already in the tour.|Cannot add tour"});
  DoubleClick(tour, 0);
  EXPECT_EQ(Lines(), QStringList({"Klondike,12", "Bristol,0"}));
  for (uint32_t& g : Tour(0).Games) g = 0;
  dialog.ShowTour();
  EXPECT_EQ(tour->topLevelItemCount(), 32);
}

// "Next" keeps the typed name in the tour left; "Reset Scores", "New Seed"
// (only the seed), "Play" (the first game, staying open); OK or close box.
TEST_F(TournamentDialogTest, ButtonsReachTheTour) {
  dialog.show();
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Autumn Cup");
  Click(dialog, 17034);
  EXPECT_TRUE(t.game->prefs.CurrentTour == 1 && Lines().isEmpty() && name->text().isEmpty());
  Click(dialog, 17033);
  EXPECT_EQ(name->text(), "Autumn Cup");
  Click(dialog, 17036);
  EXPECT_EQ(Lines(), QStringList({"Canfield,0", "Klondike,0"}));
  Tour(0).Scores[1] = 9;
  Click(dialog, 17044);
  EXPECT_NE(Tour(0).Seed, 4000000000u);
  EXPECT_EQ(TextOf(dialog, 17038), QString::number(Tour(0).Seed));
  EXPECT_EQ(Tour(0).Scores[1], 9);
  Tour(0).Position = 1;
  Click(dialog, 3100);
  EXPECT_EQ(std::pair(t.game->CurrentGame, Tour(0).Position), std::pair(2, 0u));
  EXPECT_EQ(t.Table(), t.DealtTable(2, Tour(0).Seed));
  ExpectClosesByOkOrCloseBox(dialog);
}

}  // namespace
}  // namespace tarnik::testing
