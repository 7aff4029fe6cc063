// "Tournament manager.": the tour's list and fields, adding and removing
// games with their refusals, stepping between tours with the typed name
// kept, scores, seeds, playing a tour, and how it closes.
#include "ui/dialogs/tournament_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstring>

#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::CountingDisplay;
using testing::GuiGame;

// Keeps every message as "text|caption".
class MessageDisplay : public CountingDisplay {
 public:
  MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon) override {
    messages.push_back(std::string(text) + "|" + caption);
    return MessageAnswer::Ok;
  }
  std::vector<std::string> messages;
};

// Three games; tour 0 "Spring" plays Canfield (score 40) then Klondike
// (score 12) with seed 4000000000; tour 1 is empty.
struct TournamentDialogTest : ::testing::Test {
  // Fills the tour table before the dialog opens on it.
  bool Prepare() {
    t.game->display = &display;
    for (TourRecord& tour : t.game->records.TourTable)
      for (uint32_t& g : tour.Games) g = kTourEnd;
    TourRecord& spring = t.game->records.TourTable[0];
    spring.Games[0] = 2, spring.Games[1] = 0;
    spring.Scores[0] = 40, spring.Scores[1] = 12;
    spring.Seed = 4000000000u;
    std::strcpy(spring.Name, "Spring");
    return true;
  }
  TourRecord& Tour(int n) { return t.game->records.TourTable[n]; }
  // The tour list as "name score" lines.
  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < tour->topLevelItemCount(); ++i)
      lines << tour->topLevelItem(i)->text(0) + " " + tour->topLevelItem(i)->text(1);
    return lines;
  }
  QPushButton* Button(int id) { return Control<QPushButton>(dialog, id); }
  // Double-clicks an entry of a list: a click, then the second click.
  static void DoubleClick(QAbstractItemView* view, const QModelIndex& index) {
    const QPoint middle = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, middle);
  }

  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol"), ColumnsGame("Canfield")}};
  MessageDisplay display;
  bool prepared = Prepare();
  TournamentDialog dialog{*t.game, nullptr};
  QListWidget* library = Control<QListWidget>(dialog, 8001);
  QTreeWidget* tour = Control<QTreeWidget>(dialog, 7000);
  QLineEdit* name = Control<QLineEdit>(dialog, 17043);
  QLabel* seed = Control<QLabel>(dialog, 17038);
};

// Opening lists the library, the tour's games with their scores, its name
// and seed, under the dialog's captions.
TEST_F(TournamentDialogTest, ShowsTheCurrentTour) {
  EXPECT_EQ(dialog.windowTitle(), "Tournament manager.");
  ASSERT_EQ(library->count(), 3);
  EXPECT_EQ(library->item(2)->text(), "Canfield");
  EXPECT_EQ(tour->headerItem()->text(0), "Game Name");
  EXPECT_EQ(tour->headerItem()->text(1), "Score");
  EXPECT_EQ(tour->columnWidth(0), 175);
  EXPECT_EQ(tour->columnWidth(1), 50);
  EXPECT_EQ(Lines(), QStringList({"Canfield 40", "Klondike 12"}));
  EXPECT_EQ(name->text(), "Spring");
  EXPECT_EQ(seed->text(), "4000000000");
  const std::pair<int, const char*> buttons[] = {{17033, "Previous"}, {17034, "Next"},
                                                 {3100, "Play"},      {17036, "Reset Scores"},
                                                 {17044, "New Seed"}, {1, "OK"}};
  for (const auto& [id, text] : buttons) EXPECT_EQ(Button(id)->text(), text);
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Double click games to add to the tour"));
  EXPECT_TRUE(labels.contains("Double click games to remove from the tour"));
  EXPECT_TRUE(labels.contains("Tournament Name"));
}

// A double click adds a library game with score 0; a refusal (the engine's
// tests hold its rules) shows its message and leaves the list as it was.
TEST_F(TournamentDialogTest, DoubleClickAddsAGameAndShowsARefusal) {
  dialog.show();
  DoubleClick(library, library->model()->index(1, 0));
  EXPECT_EQ(Lines(), QStringList({"Canfield 40", "Klondike 12", "Bristol 0"}));
  EXPECT_EQ(Tour(0).Games[2], 1u);
  DoubleClick(library, library->model()->index(0, 0));
  EXPECT_EQ(display.messages,
            std::vector<std::string>{"That game is already in the tour.|Cannot add tour"});
  EXPECT_EQ(tour->topLevelItemCount(), 3);
  for (uint32_t& g : Tour(0).Games) g = 0;  // a full tour, as a missing file leaves it
  dialog.ShowTour();
  EXPECT_EQ(tour->topLevelItemCount(), 32);
}

// Removing the first game moves the next one up with its score.
TEST_F(TournamentDialogTest, RemovingAGameMovesTheRestUp) {
  dialog.show();
  DoubleClick(tour, tour->model()->index(0, 0));
  EXPECT_EQ(Lines(), QStringList({"Klondike 12"}));
  EXPECT_EQ(Tour(0).Games[0], 0u);
  EXPECT_EQ(Tour(0).Scores[0], 12);
  EXPECT_EQ(Tour(0).Games[1], kTourEnd);
}

// "Next" keeps a typed name in the tour shown before; "Previous" goes back.
TEST_F(TournamentDialogTest, StepsBetweenToursKeepingTheTypedName) {
  dialog.show();
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Autumn Cup");
  Button(17034)->click();
  EXPECT_STREQ(Tour(0).Name, "Autumn Cup");
  EXPECT_EQ(t.game->prefs.CurrentTour, 1);
  EXPECT_TRUE(Lines().isEmpty());
  EXPECT_EQ(name->text(), "");
  Button(17033)->click();
  EXPECT_EQ(t.game->prefs.CurrentTour, 0);
  EXPECT_EQ(name->text(), "Autumn Cup");
}

// "Reset Scores" clears every score; "New Seed" changes only the seed.
TEST_F(TournamentDialogTest, ResetsScoresAndGivesANewSeed) {
  dialog.show();
  Button(17036)->click();
  EXPECT_EQ(Lines(), QStringList({"Canfield 0", "Klondike 0"}));
  Tour(0).Scores[1] = 9;
  Button(17044)->click();
  EXPECT_NE(Tour(0).Seed, 4000000000u);
  EXPECT_EQ(seed->text(), QString::number(Tour(0).Seed));
  EXPECT_EQ(Tour(0).Scores[1], 9);
}

// "Play" deals the first game with the tour's seed and stays open.
TEST_F(TournamentDialogTest, PlaysTheTour) {
  dialog.show();
  Tour(0).Position = 1;
  Button(3100)->click();
  EXPECT_EQ(t.game->CurrentGame, 2);
  EXPECT_EQ(t.game->CurrentSeed, 4000000000u);
  EXPECT_EQ(Tour(0).Position, 0u);
  EXPECT_EQ(t.Table(), t.DealtTable(2, 4000000000u));
  EXPECT_TRUE(dialog.isVisible());
}

// Escape does nothing; the close box and OK close the dialog.
TEST_F(TournamentDialogTest, ClosesByOkOrTheCloseBox) {
  dialog.show();
  testing::ExpectClosesByOkOrCloseBox(dialog);
}

}  // namespace
}  // namespace tarnik
