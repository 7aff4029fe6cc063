// "Favorite games" and "Customize Favorites": the buttons' labels, a
// favourite dealing its game with a new seed, and rebinding a button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/gui_fixture.h"
#include "ui/dialogs/customize_favorites_dialog.h"
#include "ui/dialogs/favorites_dialog.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

// Three games; favourites 1 and 2 bound to Bristol and Canfield, favourite
// 20 beyond the library, the others to Klondike.
struct FavoritesDialogsTest : ::testing::Test {
  FavoritesDialogsTest() {
    for (int32_t& f : t.game->prefs.Favorites) f = 0;
    t.game->prefs.Favorites[0] = 1;
    t.game->prefs.Favorites[1] = 2;
    t.game->prefs.Favorites[19] = 200;
  }
  QPushButton* Button(const QDialog& dialog, int slot) {
    return Control<QPushButton>(dialog, 3501 + slot);
  }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol"), ColumnsGame("Canfield")}};
};

// Each button shows its game's name, one beyond the library none; the
// first ten stand in the left column.
TEST_F(FavoritesDialogsTest, ButtonsShowTheirGames) {
  FavoritesDialog dialog(*t.game, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Favorite games");
  EXPECT_EQ(Button(dialog, 0)->text(), "Bristol");
  EXPECT_EQ(Button(dialog, 1)->text(), "Canfield");
  EXPECT_EQ(Button(dialog, 2)->text(), "Klondike");
  EXPECT_EQ(Button(dialog, 19)->text(), "");
  EXPECT_EQ(Button(dialog, 9)->x(), Button(dialog, 0)->x());
  EXPECT_GT(Button(dialog, 10)->x(), Button(dialog, 9)->x());
  EXPECT_EQ(Button(dialog, 10)->y(), Button(dialog, 0)->y());
  EXPECT_EQ(Control<QPushButton>(dialog, 3500)->text(), "Customize");
  testing::ExpectOnlyItsButtonsClose(dialog);
}

// A favourite deals its game with a new seed each time and closes.
TEST_F(FavoritesDialogsTest, AFavoriteDealsItsGameWithANewSeed) {
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    const uint32_t before = t.game->CurrentSeed;
    FavoritesDialog dialog(*t.game, nullptr);
    dialog.show();
    Button(dialog, 1)->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(t.game->CurrentGame, 2);
    EXPECT_NE(t.game->CurrentSeed, before);
    EXPECT_EQ(t.Table(), t.DealtTable(2, t.game->CurrentSeed));
  }
}

// Without choosing a button a game binds favourite 1; a chosen button is
// bound and relabelled; the chosen button is kept for the next opening,
// and one game may go to two buttons.
TEST_F(FavoritesDialogsTest, CustomizeBindsTheChosenButton) {
  {
    CustomizeFavoritesDialog dialog(*t.game, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Customize Favorites");
    QListWidget* list = Control<QListWidget>(dialog, 8000);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Canfield");
    list->setCurrentRow(2);
    EXPECT_EQ(t.game->prefs.Favorites[0], 2);
    EXPECT_EQ(Button(dialog, 0)->text(), "Canfield");
    Button(dialog, 14)->click();
    list->setCurrentRow(1);
    EXPECT_EQ(t.game->prefs.Favorites[14], 1);
    EXPECT_EQ(Button(dialog, 14)->text(), "Bristol");
    EXPECT_EQ(t.game->prefs.Favorites[0], 2);
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(
        labels.contains("Select a button to change.  Then click on a game from the list "
                        "on the left to change the game the selected button starts."));
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_FALSE(dialog.isVisible());
  }
  CustomizeFavoritesDialog again(*t.game, nullptr);
  again.show();
  QListWidget* list = Control<QListWidget>(again, 8000);
  list->setCurrentRow(2);
  EXPECT_EQ(t.game->prefs.Favorites[14], 2);
  Button(again, 5)->click();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(t.game->prefs.Favorites[5], 2);
  EXPECT_EQ(Button(again, 5)->text(), "Canfield");
}

// "Customize" opens the customize dialog and relabels the buttons after it.
TEST_F(FavoritesDialogsTest, CustomizeRelabelsTheFavorites) {
  FavoritesDialog dialog(*t.game, nullptr);
  dialog.show();
  QTimer::singleShot(0, [] {
    auto* customize = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(customize, nullptr);
    EXPECT_EQ(customize->objectName(), "id10002");
    Control<QListWidget>(*customize, 8000)->setCurrentRow(0);
    Control<QPushButton>(*customize, 1)->click();
  });
  Control<QPushButton>(dialog, 3500)->click();
  EXPECT_EQ(Button(dialog, 0)->text(), "Klondike");
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace tarnik
