// The Game Selection and Shuffle dialogs and the favourites.
#include "ui/dialogs/customize_favorites_dialog.h"
#include "ui/dialogs/favorites_dialog.h"
#include "ui/dialogs/select_game_dialog.h"
#include "ui/dialogs/select_shuffle_dialog.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Up and Down step from the seed in play (not the typed one), wrap round and
// deal at once; OK deals the typed seed and closes.
TEST(SelectShuffle, TextsAndButtonsDealFromTheSeedInPlay) {
  GuiGame t{{ColumnsGame("Columns")}};
  t.Deal(0, 4294967295u);
  SelectShuffleDialog dialog(*t.game, nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Select Shuffle"}, {5000, "4294967295"}, {3200, "&Up"}, {3201, "&Down"},
                       {1, "&OK"}, {-1, "Enter number from 0 to 4294967295"}});
  auto* seed = Control<QLineEdit>(dialog, 5000);
  for (const auto& [id, dealt] : {std::pair{3200, 0u}, {3201, 4294967295u}}) {
    seed->setText("17");
    Click(dialog, id);
    EXPECT_EQ(seed->text(), QString::number(dealt));
    EXPECT_EQ(t.Table(), t.DealtTable(0, dealt));
  }
  ExpectOnlyItsButtonsClose(dialog);
  seed->setText("123");
  Click(dialog, 1);
  EXPECT_EQ(t.Table(), t.DealtTable(0, 123));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Text that is no number from 0 to 4294967295 stands for seed 0.
TEST(SelectShuffle, TypedTextIsTheSeedOrZero) {
  const std::pair<const char*, uint32_t> cases[] = {{"4294967295", 4294967295u}, {"123", 123},
                                                    {"abc", 0}, {"-1", 0}, {"4294967296", 0},
                                                    {"12x", 0}, {"", 0}};
  for (const auto& [text, seed] : cases) EXPECT_EQ(SeedFromText(text), seed) << text;
}

// The categories a game's flags admit ("1" per category 0 … 6: all, one
// deck, two decks, four decks, pairing, redealable, special).
TEST(SelectGame, CategoriesAdmitGamesByTheirFlags) {
  using namespace GameFlags;
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "1100000"}, {TwoDeck | FourDeck, "1011000"}, {DealThree, "1100000"},
      {1u << 10, "1100100"}, {1u << 18, "1100100"}, {RedealOnce, "1100010"},
      {RedealTwice, "1100010"}, {RedealUnlimited, "1100010"}, {FourRank, "1100001"},
      {(1u << 23) | (1u << 31), "1100000"}, {TwoDeck | RedealOnce, "1010010"},
      {FourDeck, "1001000"}};
  for (const auto& [flags, in] : cases)
    for (int c = 0; c < 7; ++c) EXPECT_EQ(InCategory(flags, c), in[c] == '1') << flags << " " << c;
}

QStringList Lines(const QListWidget& list) {
  QStringList lines;
  for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
  return lines;
}

// The preview's cards, pile by pile.
std::string PreviewCards(const Game& game) {
  std::string text;
  for (const Pile* p = &game.PreviewPiles[0]; p && p->Flags; p = p->Next) {
    for (const Card* c = p->BottomCard; c; c = c->Above) text += std::to_string(c->Value) + " ";
    text += "|";
  }
  return text;
}

// Opening selects the game in play; each selection deals the preview afresh with
// the shuffle sound; a category lists its games, the preview kept.
TEST(SelectGame, SelectionsReshuffleThePreviewAndCategoriesList) {
  GuiGame t{{ColumnsGame("Plain"),
             ColumnsGame("Two Decks", GameFlags::TwoDeck | GameFlags::RedealOnce),
             ColumnsGame("Pairs", 1u << 12), ColumnsGame("Four Rank", GameFlags::FourRank),
             ColumnsGame("Four Decks", GameFlags::FourDeck)}};
  t.Deal(2, 5);
  const std::string inPlay = t.Table();
  t.display.sounds.clear();
  SelectGameDialog dialog(*t.game, SharedArt(), nullptr);
  ExpectTexts(dialog, {{0, "Select Game"}, {1, "OK"}, {3700, "All games"},
                       {3701, "One deck games"}, {3702, "Two deck games"},
                       {3703, "Four deck games"}, {3704, "Pairing games"},
                       {3705, "Redealable games"}, {3706, "Special games"}});
  auto* list = Control<QListWidget>(dialog, 8004);
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(t.game->PreviewFlags, 1u << 12);
  const std::string first = PreviewCards(*t.game);
  list->setCurrentRow(1);
  EXPECT_TRUE(t.game->PreviewFlags & GameFlags::TwoDeck);
  list->setCurrentRow(2);
  EXPECT_NE(PreviewCards(*t.game), first);
  EXPECT_EQ(t.display.sounds, (std::vector<std::string>(3, "Shuffle")));
  EXPECT_EQ(t.Table(), inPlay);
  const std::string shown = PreviewCards(*t.game);
  Click(dialog, 3701);
  EXPECT_EQ(Lines(*list), QStringList({"Plain", "Pairs", "Four Rank"}));
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(PreviewCards(*t.game), shown);
  Click(dialog, 3700);
  EXPECT_EQ(Lines(*list).size(), 5);
}

// Only dealing closes it: OK with no line selected deals the game in play anew; a
// double click deals that line's game, of two games of one name the later.
TEST(SelectGame, OkAndDoubleClickDeal) {
  GuiGame t{{ColumnsGame("Twin"), ColumnsGame("Other"), ColumnsGame("Twin", GameFlags::TwoDeck)}};
  t.Deal(1, 3);
  SelectGameDialog first(*t.game, SharedArt(), nullptr);
  first.show();
  ExpectOnlyItsButtonsClose(first);
  Click(first, 3702);  // "Two deck games", without the game in play
  Click(first, 1);
  EXPECT_TRUE(!first.isVisible() && t.game->CurrentSeed != 3u);
  EXPECT_EQ(t.Table(), t.DealtTable(1, t.game->CurrentSeed));
  SelectGameDialog dialog(*t.game, SharedArt(), nullptr);
  dialog.show();
  auto* list = Control<QListWidget>(dialog, 8004);
  list->setCurrentRow(0);
  emit list->itemDoubleClicked(list->item(0));  // what the list reports of a double click
  EXPECT_TRUE(!dialog.isVisible() && t.game->CurrentGame == 2);
  EXPECT_EQ(t.Table(), t.DealtTable(2, t.game->CurrentSeed));
}

// Three games; favourites 1 and 2 bound to Bristol and Canfield, favourite
// 20 beyond the library, the others to Klondike.
struct FavoritesDialogsTest : ::testing::Test {
  bool Bind() {
    for (int32_t& f : t.game->prefs.Favorites) f = 0;
    t.game->prefs.Favorites[0] = 1;
    t.game->prefs.Favorites[1] = 2;
    t.game->prefs.Favorites[19] = 200;
    return true;
  }
  QPushButton* Button(const QDialog& d, int slot) { return Control<QPushButton>(d, 3501 + slot); }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol"), ColumnsGame("Canfield")}};
  bool bound = Bind();
  FavoritesDialog dialog{*t.game, nullptr};
};

// Each button names its game (beyond the library none), ten to a column; a
// favourite deals its game and closes.
TEST_F(FavoritesDialogsTest, ButtonsShowAndDealTheirGames) {
  dialog.show();
  ExpectTexts(dialog, {{0, "Favorite games"}, {3500, "Customize"}, {3501, "Bristol"},
                       {3502, "Canfield"}, {3503, "Klondike"}, {3520, ""}});
  EXPECT_EQ(Button(dialog, 9)->x(), Button(dialog, 0)->x());
  EXPECT_GT(Button(dialog, 10)->x(), Button(dialog, 9)->x());
  EXPECT_EQ(Button(dialog, 10)->y(), Button(dialog, 0)->y());
  ExpectOnlyItsButtonsClose(dialog);
  Button(dialog, 1)->click();
  EXPECT_TRUE(!dialog.isVisible() && t.game->CurrentGame == 2);
  EXPECT_EQ(t.Table(), t.DealtTable(2, t.game->CurrentSeed));
}

// "Customize Favorites" binds the chosen button to the game picked in the list;
// after its OK the favourites are labelled afresh.
TEST_F(FavoritesDialogsTest, CustomizeBindsTheChosenButtonAndRelabels) {
  dialog.show();
  QTimer::singleShot(0, [this] {
    auto* customize = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(customize && customize->objectName() == "id10002");
    ExpectTexts(*customize,
                {{0, "Customize Favorites"},
                 {-1,
                  "Select a button to change.  Then click on a game from the list "
                  "on the left to change the game the selected button starts."}});
    QListWidget* list = Control<QListWidget>(*customize, 8000);
    EXPECT_EQ(Lines(*list), QStringList({"Klondike", "Bristol", "Canfield"}));
    Button(*customize, 14)->click();
    list->setCurrentRow(1);
    EXPECT_EQ(t.game->prefs.Favorites[14], 1);
    EXPECT_EQ(Button(*customize, 14)->text(), "Bristol");
    Click(*customize, 1);
    EXPECT_FALSE(customize->isVisible());
  });
  Click(dialog, 3500);
  EXPECT_EQ(Button(dialog, 14)->text(), "Bristol");
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace tarnik::testing
