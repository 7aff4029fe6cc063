// "Select Shuffle" and "Select Game": their controls by id with their texts,
// what each button deals, the category filters, the preview, and that
// neither dialog can be closed but by dealing.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/gui_fixture.h"
#include "ui/dialogs/select_game_dialog.h"
#include "ui/dialogs/select_shuffle_dialog.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

struct SelectShuffleTest : ::testing::Test {
  GuiGame t{{ColumnsGame("Columns")}};
  SelectShuffleDialog dialog{*t.game, nullptr};
  QLineEdit* seed = Control<QLineEdit>(dialog, 5000);
  QPushButton* up = Control<QPushButton>(dialog, 3200);
  QPushButton* down = Control<QPushButton>(dialog, 3201);
  QPushButton* ok = Control<QPushButton>(dialog, 1);
};

// The dialog's texts, and the field showing the seed in play.
TEST_F(SelectShuffleTest, ShowsTheSeedInPlayAndItsControlTexts) {
  t.Deal(0, 4000000000u);
  SelectShuffleDialog fresh(*t.game, nullptr);
  EXPECT_EQ(fresh.windowTitle(), "Select Shuffle");
  EXPECT_EQ(Control<QLineEdit>(fresh, 5000)->text(), "4000000000");
  EXPECT_EQ(Control<QPushButton>(fresh, 3200)->text(), "&Up");
  EXPECT_EQ(Control<QPushButton>(fresh, 3201)->text(), "&Down");
  EXPECT_EQ(Control<QPushButton>(fresh, 1)->text(), "&OK");
  QStringList labels;
  for (const QLabel* label : fresh.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Enter number from 0 to 4294967295"));
}

// Up and Down step from the seed in play, not from the typed text, wrap
// round, deal at once and leave the dialog open.
TEST_F(SelectShuffleTest, UpAndDownStepTheSeedInPlayAndDealAtOnce) {
  t.Deal(0, 4294967295u);
  dialog.show();
  seed->setText("17");
  up->click();
  EXPECT_EQ(t.game->CurrentSeed, 0u);
  EXPECT_EQ(seed->text(), "0");
  EXPECT_EQ(t.Table(), t.DealtTable(0, 0));
  seed->setText("500");
  down->click();
  EXPECT_EQ(t.game->CurrentSeed, 4294967295u);
  EXPECT_EQ(seed->text(), "4294967295");
  EXPECT_EQ(t.Table(), t.DealtTable(0, 4294967295u));
  EXPECT_TRUE(dialog.isVisible());
  testing::ExpectOnlyItsButtonsClose(dialog);
}

// OK deals the typed seed; text that is no number from 0 to 4294967295
// deals seed 0.
TEST_F(SelectShuffleTest, OkDealsTheTypedSeedOrZero) {
  struct Case {
    const char* text;
    uint32_t seed;
  };
  for (const Case& c :
       {Case{"4294967295", 4294967295u}, Case{"123", 123}, Case{"abc", 0}, Case{"-1", 0},
        Case{"4294967296", 0}, Case{"99999999999", 0}, Case{"12x", 0}, Case{"", 0}}) {
    SCOPED_TRACE(c.text);
    t.Deal(0, 77);
    SelectShuffleDialog typed(*t.game, nullptr);
    typed.show();
    Control<QLineEdit>(typed, 5000)->setText(QString::fromLatin1(c.text));
    Control<QPushButton>(typed, 1)->click();
    EXPECT_EQ(t.game->CurrentSeed, c.seed);
    EXPECT_EQ(t.Table(), t.DealtTable(0, c.seed));
    EXPECT_FALSE(typed.isVisible());
    EXPECT_EQ(typed.result(), QDialog::Accepted);
  }
}

// A library covering every category rule and its edges.
std::vector<GameDef> CategoryLibrary() {
  using namespace GameFlags;
  std::vector<GameDef> games = {ColumnsGame("Plain"), ColumnsGame("Both Decks", TwoDeck | FourDeck),
                                ColumnsGame("Deal Three", DealThree)};
  for (int bit = 10; bit <= 18; ++bit)
    games.push_back(ColumnsGame(("Pairs " + std::to_string(bit)).c_str(), 1u << bit));
  games.push_back(ColumnsGame("Redeal Once", RedealOnce));
  games.push_back(ColumnsGame("Redeal Twice", RedealTwice));
  games.push_back(ColumnsGame("Redeal Always", RedealUnlimited));
  games.push_back(ColumnsGame("Four Rank", FourRank));
  games.push_back(ColumnsGame("Random Start", RandomStart | AcesHigh));
  games.push_back(ColumnsGame("Spare Bits", (1u << 23) | (1u << 31)));
  games.push_back(ColumnsGame("Two Decks", TwoDeck | RedealOnce));
  games.push_back(ColumnsGame("Four Decks", FourDeck));
  return games;
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

struct SelectGameTest : ::testing::Test {
  GuiGame t{CategoryLibrary()};
};

// The seven category buttons and their texts; each lists, in library
// order, the games its flag rule admits, and leaves no line selected.
TEST_F(SelectGameTest, CategoriesListTheGamesTheirFlagsAdmit) {
  SelectGameDialog dialog(*t.game, testing::SharedArt(), nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Select Game");
  auto* list = Control<QListWidget>(dialog, 8004);
  ASSERT_TRUE(Control<QWidget>(dialog, 17025));
  EXPECT_EQ(Control<QPushButton>(dialog, 1)->text(), "OK");
  const QStringList all = {"Plain",        "Both Decks",   "Deal Three",    "Pairs 10",
                           "Pairs 11",     "Pairs 12",     "Pairs 13",      "Pairs 14",
                           "Pairs 15",     "Pairs 16",     "Pairs 17",      "Pairs 18",
                           "Redeal Once",  "Redeal Twice", "Redeal Always", "Four Rank",
                           "Random Start", "Spare Bits",   "Two Decks",     "Four Decks"};
  EXPECT_EQ(Lines(*list), all);
  QStringList oneDeck = all;
  for (const char* name : {"Both Decks", "Two Decks", "Four Decks"}) oneDeck.removeOne(name);
  const struct {
    const char* text;
    QStringList lines;
  } categories[7] = {
      {"All games", all},
      {"One deck games", oneDeck},
      {"Two deck games", {"Both Decks", "Two Decks"}},
      {"Four deck games", {"Both Decks", "Four Decks"}},
      {"Pairing games", all.mid(3, 9)},
      {"Redealable games", {"Redeal Once", "Redeal Twice", "Redeal Always", "Two Decks"}},
      {"Special games", {"Four Rank"}},
  };
  for (int c = 0; c < 7; ++c) {
    SCOPED_TRACE(categories[c].text);
    QPushButton* button = Control<QPushButton>(dialog, 3700 + c);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), categories[c].text);
    list->setCurrentRow(0);
    button->click();
    EXPECT_EQ(Lines(*list), categories[c].lines);
    EXPECT_TRUE(list->selectedItems().isEmpty());
  }
}

// Opening selects the game in play and deals its preview; every selection
// deals the preview afresh (with the shuffle sound), so the same game twice
// shows two deals, and the game in play is not touched.
TEST_F(SelectGameTest, EverySelectionReshufflesThePreview) {
  t.Deal(2, 5);
  const std::string inPlay = t.Table();
  t.display.sounds.clear();
  SelectGameDialog dialog(*t.game, testing::SharedArt(), nullptr);
  auto* list = Control<QListWidget>(dialog, 8004);
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_EQ(t.game->PreviewFlags, GameFlags::DealThree);
  const std::string first = PreviewCards(*t.game);
  list->setCurrentRow(18);
  EXPECT_TRUE(t.game->PreviewFlags & GameFlags::TwoDeck);
  list->setCurrentRow(2);
  EXPECT_EQ(t.game->PreviewFlags, GameFlags::DealThree);
  EXPECT_NE(PreviewCards(*t.game), first);
  EXPECT_EQ(t.display.sounds, (std::vector<std::string>(3, "Shuffle")));
  EXPECT_EQ(t.Table(), inPlay);
  EXPECT_EQ(t.game->CurrentGame, 2);
  EXPECT_EQ(t.game->CurrentSeed, 5u);
  // A category changes the list only; the preview keeps its deal.
  const std::string shown = PreviewCards(*t.game);
  Control<QPushButton>(dialog, 3706)->click();
  EXPECT_EQ(PreviewCards(*t.game), shown);
}

// OK with no line selected, after a category without the game in play,
// deals that game again with a new seed; OK on a line deals that game; the
// dialog closes only so.
TEST_F(SelectGameTest, OkDealsTheSelectedGameOrTheGameInPlayWithANewSeed) {
  t.Deal(0, 12345);
  SelectGameDialog dialog(*t.game, testing::SharedArt(), nullptr);
  dialog.show();
  testing::ExpectOnlyItsButtonsClose(dialog);
  Control<QPushButton>(dialog, 3702)->click();  // "Two deck games"
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(t.game->CurrentGame, 0);
  EXPECT_NE(t.game->CurrentSeed, 12345u);
  EXPECT_EQ(t.Table(), t.DealtTable(0, t.game->CurrentSeed));

  SelectGameDialog again(*t.game, testing::SharedArt(), nullptr);
  again.show();
  Control<QPushButton>(again, 3705)->click();  // "Redealable games"
  auto* list = Control<QListWidget>(again, 8004);
  list->setCurrentRow(3);  // "Two Decks"
  Control<QPushButton>(again, 1)->click();
  EXPECT_EQ(t.game->CurrentGame, 18);
  EXPECT_EQ(t.Table(), t.DealtTable(18, t.game->CurrentSeed));
}

// A double click on a line deals that game; with two games of one name the
// later one is previewed and dealt.
TEST(SelectGame, DoubleClickDealsTheLastGameOfThatName) {
  GuiGame t{{ColumnsGame("Twin"), ColumnsGame("Other"), ColumnsGame("Twin", GameFlags::TwoDeck)}};
  t.Deal(1, 3);
  SelectGameDialog dialog(*t.game, testing::SharedArt(), nullptr);
  dialog.show();
  auto* list = Control<QListWidget>(dialog, 8004);
  list->setCurrentRow(0);
  EXPECT_EQ(t.game->PreviewFlags, GameFlags::TwoDeck);
  emit list->itemDoubleClicked(list->item(0));  // what the list reports of a double click
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(t.game->CurrentGame, 2);
  EXPECT_EQ(t.Table(), t.DealtTable(2, t.game->CurrentSeed));
}

}  // namespace
}  // namespace tarnik
