// One- and two-suit decks: the deal, saved games, counter, rules page and library check.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <memory>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/library/rules_text.h"
#include "engine/library/library.h"
#include "engine/records/card_counter.h"
#include "engine/records/saved_game.h"
#include "engine/shell/library_check.h"
#include "support/records_fixture.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

namespace GF = GameFlags;
using namespace testing;

// One suit: all spades (over two suits); two: clubs spades, diamonds hearts; copies per deck.
TEST(SuitedDeck, ShuffleTurnsTheSuitsOfTheSeedsDealAndHoldsEachCardAsOftenAsTheDeckSays) {
  // The first ten cards, and the copies of the ace of spades, clubs, hearts, diamonds.
  const struct { uint32_t flags; std::vector<int32_t> firstTen, copies; } decks[] = {
      {GF::OneSuit, {20, 24, 4, 0, 12, 40, 24, 24, 8, 48}, {4, 0, 0, 0}},
      {GF::TwoSuits, {20, 24, 4, 0, 12, 42, 24, 26, 8, 48}, {2, 0, 2, 0}},
      {GF::TwoDeck | GF::TwoSuits, {20, 24, 4, 24, 22, 24, 26, 22, 18, 40}, {4, 0, 4, 0}},
      {GF::TwoDeck | GF::OneSuit | GF::TwoSuits, {20, 24, 4, 24, 20, 24, 24, 20, 16, 40},
       {8, 0, 0, 0}},
      {GF::TwoDeck, {20, 25, 4, 25, 23, 24, 26, 23, 19, 40}, {2, 2, 2, 2}}};
  for (const auto& c : decks) {
    SCOPED_TRACE(c.flags);
    auto game = std::make_unique<Game>();
    game->RandomState = 1;
    ShuffleDeck(*game, game->Deck, c.flags);
    std::vector<int32_t> firstTen, seen(52, 0), copies(52), expected(52);
    for (int i = 0; i < DeckSize(c.flags); ++i) ++seen[game->Deck[i].Value];
    for (int i = 0; i < 10; ++i) firstTen.push_back(game->Deck[i].Value);
    for (int32_t v = 0; v < 52; ++v)
      copies[v] = CopiesInDeck(c.flags, v), expected[v] = c.copies[v % 4];
    EXPECT_EQ(std::make_tuple(firstTen, seen, copies),
              std::make_tuple(c.firstTen, expected, expected));
  }
}

// Every copy of a card has its own counter place: the upper band's rows, then the lower.
TEST(SuitedDeck, CardCounterGivesEveryCopyItsOwnPlace) {
  const struct { uint32_t flags; int32_t value; int copies; std::vector<int32_t> panelY; }
  cases[] = {
      {GF::TwoDeck | GF::OneSuit, V(8, Spades), 8, {1, 17, 33, 49, 65, 81, 97, 113}},
      {GF::TwoDeck | GF::TwoSuits, V(8, Hearts), 4, {33, 49, 97, 113}},
      {GF::TwoDeck | GF::TwoSuits, V(8, Spades), 4, {1, 17, 65, 81}}};
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& tableau = table.AddPile(OpenPile(PileFlags::AutoPlay));
    for (int i = 0; i < c.copies; ++i) table.Push(tableau, c.value, FaceDown);
    table.Finish();
    std::vector<int32_t> panelY;
    for (const CounterChip& chip : CounterChips(table.piles(), c.flags, 0, false)) {
      EXPECT_EQ(chip.sheetY, 80 * Suit(c.value) + 2);  // the card's own face
      EXPECT_EQ(chip.panelX, 14 * 8 + 1);
      panelY.push_back(chip.panelY);
    }
    EXPECT_EQ(panelY, c.panelY);
  }
}

// A pile that sends runs home by itself and four goals waiting for runs of `suits`.
GameDef RunsGame(uint32_t flags, const std::array<int32_t, 4>& suits) {
  GameDef g = testing::NamedGame("Runs", flags);
  g.Piles[0] = OpenPile(PileFlags::ManualFillDest | PileFlags::AutoSuite);
  g.Piles[0].InitialSize = 52;
  for (int i = 0; i < 4; ++i) {
    PileDef& goal = g.Piles[1 + i] = OpenPile(PileFlags::WinGoal);
    goal.Column = 4 + 2 * i, goal.Placement = CardPlacement::None;
    goal.Removal = CardRemoval::None, goal.PileStart = static_cast<PileStart>(65 + suits[i]);
  }
  return g;
}

// Makes the records game's library the one game `g`.
void UseLibrary(testing::RecordsGame& t, const GameDef& g) {
  testing::WriteLibrary(t.File("suits.tkl"), {g});
  t.game->library.Path = t.File("suits.tkl");
  CountGames(t.game->library);
  LoadGameNames(t.game->library);
}

// The rules page names the deck and the suits of the goal piles' runs in one sentence.
TEST(SuitedDeck, RulesPageNamesTheDeckAndTheSuitsOfTheRuns) {
  const struct { uint32_t flags; std::array<int32_t, 4> goals; const char *deck, *runs; }
  cases[] = {
      {GF::TwoDeck | GF::OneSuit, {0, 0, 0, 0},
       "Two packs (104 cards) of spades alone, eight of every rank.",
       "in one suit come onto them by themselves, all in spades; they take nothing else."},
      {GF::TwoSuits, {0, 2, 0, 2},
       "One pack (52 cards) of spades and hearts alone, two of every card: each club is a spade "
       "and each diamond a heart.",
       "by themselves, two for spades and two for hearts; they take nothing else."},
  };
  for (const auto& c : cases) {
    const std::string html = LayoutAndRulesHtml(RunsGame(c.flags, c.goals));
    EXPECT_NE(html.find(c.deck), std::string::npos) << html;
    EXPECT_NE(html.find("<b>Four foundations</b> (piles 2 to 5"), std::string::npos) << html;
    EXPECT_NE(html.find(c.runs), std::string::npos) << html;
  }
}

// A saved game opens only where the game's deck holds the cards it holds.
TEST(SuitedDeck, SavedGameMustHoldTheCardsOfTheGamesDeck) {
  const struct { uint32_t saved, library; int opens; } cases[] = {
      {GF::OneSuit, GF::OneSuit, 1}, {GF::TwoSuits, GF::TwoSuits, 1}, {GF::OneSuit, 0, 0},
      {0, GF::OneSuit, 0}, {GF::TwoSuits, GF::OneSuit, 0}};
  auto deck = [](uint32_t flags) {
    GameDef g = testing::NamedGame("Suits", GF::TwoDeck | flags);
    g.Piles[0] = OpenPile(PileFlags::ManualFillDest), g.Piles[0].InitialSize = 104;
    return g;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.saved) + " " + std::to_string(c.library));
    testing::RecordsGame t;
    UseLibrary(t, deck(c.saved));
    t.Deal(0, 9);
    const std::string dealt = t.Table();
    ASSERT_TRUE(WriteSavedGame(*t.game, t.File("suits.tkg")));
    UseLibrary(t, deck(c.library));
    EXPECT_EQ(ReadSavedGame(*t.game, t.File("suits.tkg")), c.opens);
    EXPECT_EQ(c.opens ? t.Table() : dealt, dealt);
  }
}

// The library check names each place for runs of a suit the deck lacks (never winnable).
TEST(SuitedDeck, LibraryCheckNamesRunsOfSuitsTheDeckLacks) {
  auto problem = [](int pile, const std::string& suit) {
    return "pile " + std::to_string(pile) + " waits for runs of " + suit +
           ", which the deck does not hold";
  };
  const std::pair<uint32_t, std::vector<std::string>> cases[] = {
      {0, {}}, {GF::TwoSuits, {problem(2, "clubs"), problem(4, "diamonds")}},
      {GF::OneSuit, {problem(2, "clubs"), problem(3, "hearts"), problem(4, "diamonds")}}};
  for (const auto& [flags, problems] : cases) {
    testing::RecordsGame t;
    GameDef g = RunsGame(flags, {0, 1, 2, 3});
    g.Piles[0].Direction = PileDirection::Size;
    UseLibrary(t, g);
    EXPECT_EQ(CheckGame(*t.game, 0), problems);
  }
}

}  // namespace
}  // namespace tarnik
