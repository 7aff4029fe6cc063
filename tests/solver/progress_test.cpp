// Which moves between columns the strategy that plays only progress counts
// as progress: turning or uncovering a card, building where nothing was
// built, building in suit where the build was out of suit, freeing a card
// nothing was built on; not moving a built card onto another card it
// merely builds on, nor out of its suit, nor a whole pile to a like place;
// and of the moves that are no progress, those that uncover a card another
// pile's run, or a top card lifted with one of another suit, would continue
// in suit (the first move of a swap), where runs go home only in suit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "solver/flat_board.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/position_key.h"
#include "solver/progress_proof.h"
#include "solver/sandbox.h"
#include "solver/solver.h"
#include "support/library_files.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik::solver {
namespace {

using namespace testing;

constexpr int32_t S = Spades, C = Clubs, H = Hearts, D = Diamonds;

// Four columns built down (`suit`), giving cards by `removal` (runs tied
// to their places as a stock's deal ties them; runs of any suit, whole or
// in part, going home from them in suit), and four foundations.
GameDef Columns(SuitBuild suit, CardRemoval removal) {
  GameDef g = NamedGame("Columns");
  const bool runs = removal != CardRemoval::TopCardOnly;
  const uint32_t flags = PileFlags::AutoPlay | (runs ? PileFlags::ManualFillDest : 0u) |
                         (removal == CardRemoval::Any || removal == CardRemoval::AnyInAnySuit
                              ? PileFlags::AutoSuite
                              : 0u);
  for (int i = 0; i < 4; ++i)
    g.Piles[i] = MakePile(2 * i, 2, flags, RankBuild::Down, suit, removal, PileStart::Any);
  for (int f = 0; f < 4; ++f) {
    g.Piles[4 + f] = MakePile(2 * f, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                              CardRemoval::None, PileStart::AnyAce);
    g.Piles[4 + f].Direction = PileDirection::NoDirection;
  }
  return g;
}

// The flat board of Columns(`suit`, `removal`) with `columns` laid out,
// loaded as the position to expand.
struct ColumnsBoard {
  ColumnsBoard(SuitBuild suit, CardRemoval removal, std::vector<std::vector<Placed>> columns) {
    PlayTable t(Columns(suit, removal));
    columns.resize(8);
    t.Arrange(columns);
    SolverTable table;
    std::string refusal;
    EXPECT_TRUE(CaptureTable(*t.game, table, refusal)) << refusal;
    std::unique_ptr<Game> game = NewQuietGame();
    LoadTable(table, *game);
    AnalyseRules(*game, rules);
    EXPECT_TRUE(CompileFlatRules(*game, rules, table, *flat));
    board = std::make_unique<FlatBoard>(*flat, rules);
    board->LoadStart(table.position);
    std::vector<unsigned char> packed(PackedSize(rules));
    board->Pack(packed.data());
    board->Load(packed.data());
  }
  TableRules rules;
  std::unique_ptr<FlatRules> flat = std::make_unique<FlatRules>();
  std::unique_ptr<FlatBoard> board;
};

TEST(SolverProgress, OnlyMovesThatChangeWhatMattersAreProgress) {
  struct Case {
    SuitBuild suit;
    CardRemoval removal;
    std::vector<std::vector<Placed>> columns;
    std::vector<std::string> progress, idle;  // the moves, by kind
    std::vector<std::string> enabling;        // idle, but uncovering a card to build on
  } const cases[] = {
      // The nine of hearts uncovers a face-down card; the nine of diamonds
      // goes from one ten it builds on to another.
      {SuitBuild::DiffColor,
       CardRemoval::TopCardOnly,
       {{Down(V(1, H)), Up(V(8, H))}, {Up(V(9, S)), Up(V(8, D))}, {Up(V(9, C))}, {Up(V(kKing, D))}},
       {"drag 0 1 2"},
       {"drag 1 1 2"},
       {}},
      // The nine of hearts comes onto the ten of hearts off the ten of
      // spades; the eight of diamonds comes onto a nine from a five; the
      // nine of clubs leaves its own suit for a ten of hearts.
      {SuitBuild::Any,
       CardRemoval::TopCardOnly,
       {{Up(V(9, S)), Up(V(8, H))},
        {Up(V(9, H))},
        {Up(V(4, C)), Up(V(7, D))},
        {Up(V(9, C)), Up(V(8, C))}},
       {"drag 0 1 1", "drag 2 1 0", "drag 2 1 3"},
       {"drag 3 1 1"},
       {}},
      // Runs: the nine and eight of diamonds leave a five they did not
      // build on, for a ten or the empty pile; the lone ten of spades
      // would only change places; the hearts' run and its parts leave a
      // card they build on in suit.
      {SuitBuild::Any,
       CardRemoval::AnyInSameSuit,
       {{Up(V(9, S))},
        {Up(V(4, C)), Up(V(8, D)), Up(V(7, D))},
        {Up(V(9, H)), Up(V(8, H)), Up(V(7, H))}},
       {"drag 1 1 0", "drag 1 1 3"},
       {"drag 0 0 3", "drag 1 2 3", "drag 2 2 3", "drag 2 1 0", "drag 2 1 3", "drag 2 0 3"},
       {}},
      // Runs: the eight of hearts, parked on either empty place, uncovers
      // the nine of spades that the eight of spades would continue, and
      // the other way round.
      {SuitBuild::Any,
       CardRemoval::AnyInSameSuit,
       {{Up(V(9, S)), Up(V(8, H))}, {Up(V(9, H)), Up(V(8, S))}},
       {},
       {},
       {"drag 0 1 2", "drag 0 1 3", "drag 1 1 2", "drag 1 1 3"}},
      // Whole runs of any suit: the eights of hearts and spades, lifted
      // with nines of other suits, uncover nines the other would continue
      // in suit; the eight of diamonds uncovers its own nine, which they
      // would continue only out of suit. No whole pile gains by a move.
      {SuitBuild::Any,
       CardRemoval::Any,
       {{Up(V(9, S)), Up(V(8, H))}, {Up(V(9, H)), Up(V(8, S))}, {Up(V(9, D)), Up(V(8, D))}},
       {},
       {"drag 0 0 3", "drag 1 0 3", "drag 2 1 3", "drag 2 0 3"},
       {"drag 0 1 3", "drag 1 1 3"}},
      // Any part of a run of any suits: the eight of diamonds, parked on
      // either empty place, uncovers the nine of spades that the part in
      // suit lying on the nine of hearts (eight and seven of spades) would
      // continue; nothing else gains.
      {SuitBuild::Any,
       CardRemoval::AnyInAnySuit,
       {{Up(V(9, H)), Up(V(8, S)), Up(V(7, S))}, {Up(V(9, S)), Up(V(8, D))}},
       {},
       {"drag 0 2 1", "drag 0 2 2", "drag 0 2 3", "drag 0 1 2", "drag 0 1 3", "drag 0 0 2",
        "drag 0 0 3", "drag 1 0 2", "drag 1 0 3"},
       {"drag 1 1 2", "drag 1 1 3"}},
  };
  for (const Case& c : cases) {
    ColumnsBoard b(c.suit, c.removal, c.columns);
    FlatBoard& board = *b.board;
    std::vector<Choice> choices;
    board.ListMoves(choices);
    std::vector<std::string> progress, idle, enabling;
    for (const Choice& choice : choices) {
      std::vector<SolverAction> line;
      board.Play(choice, line);
      (board.Progressed(choice)  ? progress
       : board.Enables(choice) ? enabling
                               : idle)
          .push_back(ActionLine(choice.action));
    }
    EXPECT_EQ(progress, c.progress);
    EXPECT_EQ(idle, c.idle);
    EXPECT_EQ(enabling, c.enabling);
  }
}

// The estimate by runs that the first strategy by stock phase plays with
// weighs an empty column more than the plain one: it gains more when the
// eight of diamonds joins the other cards and leaves its column empty.
TEST(SolverProgress, TheOpenEstimateWeighsAnEmptyColumnMore) {
  const auto worth = [](bool joined, int32_t estimate) {
    std::vector<std::vector<Placed>> columns = {{Down(V(2, C)), Up(V(10, S)), Up(V(9, S))}, {}};
    columns[joined ? 0 : 1].push_back(Up(V(8, D)));
    return ColumnsBoard(SuitBuild::Any, CardRemoval::AnyInSameSuit, columns).board->Estimate(estimate);
  };
  EXPECT_GT(worth(true, kRunEstimateOpen) - worth(false, kRunEstimateOpen),
            worth(true, kRunEstimate) - worth(false, kRunEstimate));
}

// What the library's game `name` lets the search on progress moves alone
// do: prove its deals lost (ProgressProves), and leave cards of the waste
// waiting in the stock's cycle (WasteWaits).
struct ProgressPowers {
  bool proves = false, waits = false;
};
ProgressPowers PowersOf(const Library& library, const char* name) {
  auto table = std::make_unique<SolverTable>();
  EXPECT_TRUE(DealTable(library, testing::GameIndex(library, name), 1, Preferences{}, *table));
  std::unique_ptr<Game> game = NewQuietGame();
  LoadTable(*table, *game);
  TableRules rules;
  AnalyseRules(*game, rules);
  auto flat = std::make_unique<FlatRules>();
  EXPECT_TRUE(CompileFlatRules(*game, rules, *table, *flat));
  return {flat->progressProves, WasteWaits(*flat, rules)};
}

// A search of every position that progress moves reach proves a deal lost
// only where a move between columns that is no progress merely trades
// what lies on one card for what lies on its twin: Klondike and its kin
// (one pack, runs falling a rank a card in alternate colours, any part of
// a run lifted, kings alone to an empty column). Not where a press lifts
// any group (Yukon), free cells limit the runs (FreeCell), a second pack
// gives a card four places (Double Yukon) or a card builds in its own suit
// (Russian Solitaire, Spider) or colour (Whitehead). Cards of the waste
// wait in the stock only where it deals one card a click and is turned
// over without end (Klondike, not its draw of three).
TEST(SolverProgress, ProvesLossOnlyWhereMovesBetweenColumnsMerelyTrade) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  struct Case {
    const char* name;
    bool proves, waits;
  } const cases[] = {
      {"Klondike", true, true},       {"Klondike (Draw Three)", true, false},
      {"Saratoga", true, false},      {"Northwest Territory", true, false},
      {"Yukon", false, false},        {"FreeCell", false, false},
      {"Double Yukon", false, false}, {"Russian Solitaire", false, false},
      {"Spider", false, false},       {"Whitehead", false, false},
  };
  for (const Case& c : cases) {
    const ProgressPowers powers = PowersOf(*library, c.name);
    EXPECT_EQ(powers.proves, c.proves) << c.name;
    EXPECT_EQ(powers.waits, c.waits) << c.name;
  }
}

// Klondike seed 64 is lost: progress moves alone prove it within 7,000
// positions, with the cards of the waste waiting, a card of the waste
// dragged onto a column followed by a drop onto it alone, and a drop made
// onto the first of two twin tops only (without that drop alone the proof
// needs 8,000 positions; progress moves that drop onto both twins 13,326
// expansions; that also play a card of the waste wherever some face-up
// card or card of the stock builds on it, 556,174). Yukon seed
// 927 is won, but only by a trade: the nine of spades goes from the ten of
// hearts onto the ten of diamonds, and the eight of diamonds then follows
// it with the ten of hearts that lay on it; progress moves alone reach no
// win.
TEST(SolverProgress, ProofsOnProgressMovesAreShorterAndLoseNoWin) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  const auto verdict = [&](const char* name, uint32_t seed, int64_t nodes) {
    auto table = std::make_unique<SolverTable>();
    EXPECT_TRUE(
        DealTable(*library, testing::GameIndex(*library, name), seed, Preferences{}, *table));
    SolveOptions options;
    options.maxNodes = nodes;
    options.maxMilliseconds = 60'000;
    return Solve(*table, options).verdict;
  };
  EXPECT_EQ(verdict("Klondike", 64, 7'000), Verdict::Lost);
  EXPECT_EQ(verdict("Yukon", 927, 1'000'000), Verdict::Won);
}

}  // namespace
}  // namespace tarnik::solver
