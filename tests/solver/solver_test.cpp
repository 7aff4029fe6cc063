// The solver: its three answers, the winning line replayed through the real
// pointer code, the hint, the budget and the cancel flag, and that the game
// in play is left exactly as it was.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "engine/play/history.h"
#include "engine/play/pointer.h"
#include "solver/actions.h"
#include "solver/flat_board.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/sandbox.h"
#include "solver/search.h"
#include "solver/strategy.h"
#include "solver/table_rules.h"
#include "support/compiled_deal.h"
#include "support/library_files.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

constexpr int32_t S = Spades, C = Clubs, H = Hearts, D = Diamonds;

// A column that takes one card at a time, four foundations built up in suit
// and, when asked, one free cell.
GameDef Endgame(bool withCell) {
  GameDef g = NamedGame("Endgame");
  g.Piles[0] = MakePile(0, 2, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                        CardRemoval::TopCardOnly, PileStart::Any);
  for (int f = 0; f < 4; ++f) {
    g.Piles[1 + f] = MakePile(4 + 2 * f, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                              CardRemoval::TopCardOnly, PileStart::AnyAce);
    g.Piles[1 + f].Direction = PileDirection::NoDirection;
  }
  if (withCell) {
    g.Piles[5] = MakePile(0, 8, PileFlags::MustBeEmpty | PileFlags::AutoPlay, RankBuild::Any,
                          SuitBuild::Any, CardRemoval::TopCardOnly, PileStart::Any);
    g.Piles[5].SizeLimit = 1;
    g.Piles[5].Placement = CardPlacement::OneCard;
  }
  return g;
}

// The column holds the queen of spades under the king of spades; the
// foundations hold every other card (spades up to the jack).
std::vector<std::vector<Placed>> QueenUnderKing() {
  std::vector<std::vector<Placed>> piles(6);
  piles[0] = {Up(V(kQueen, S)), Up(V(kKing, S))};
  for (int r = 0; r <= kJack; ++r) piles[1].push_back(Up(V(r, S)));
  for (int r = 0; r <= kKing; ++r) {
    piles[2].push_back(Up(V(r, C)));
    piles[3].push_back(Up(V(r, H)));
    piles[4].push_back(Up(V(r, D)));
  }
  return piles;
}

SolverTable Capture(const Game& game) {
  SolverTable table;
  std::string refusal;
  EXPECT_TRUE(CaptureTable(game, table, refusal)) << refusal;
  return table;
}

// The three answers, the hint, the game in play left exactly as it was, and
// no capture while cards are dragged.
TEST(Solver, AnswersWonOrLostAndTheWinningLineWinsThroughThePointer) {
  PlayTable lost(Endgame(false));
  lost.Arrange(QueenUnderKing());
  const SolveResult noWin = Solve(Capture(*lost.game), {});
  EXPECT_EQ(noWin.verdict, Verdict::Lost);  // the king has nowhere to go
  EXPECT_TRUE(noWin.actions.empty());
  const Hint none = FindHint(Capture(*lost.game), {});
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.verdict, Verdict::Lost);

  PlayTable won(Endgame(true));
  won.Arrange(QueenUnderKing());
  PositionRecord before, after;
  SavePosition(*won.game, before);
  const int32_t undo = won.game->history.UndoPosition, count = won.game->history.PositionCount;
  const int redraws = won.display.redraws, sounds = static_cast<int>(won.display.sounds.size());
  const SolveResult win = Solve(Capture(*won.game), {});
  const Hint hint = FindHint(Capture(*won.game), {});
  SavePosition(*won.game, after);
  EXPECT_EQ(std::memcmp(before.Bytes, after.Bytes, kPositionSize), 0);
  EXPECT_EQ(won.game->history.UndoPosition, undo);
  EXPECT_EQ(won.game->history.PositionCount, count);
  EXPECT_EQ(won.display.redraws, redraws);
  EXPECT_EQ(static_cast<int>(won.display.sounds.size()), sounds);
  EXPECT_FALSE(won.log.logged);
  EXPECT_EQ(won.log.best, 0);
  ASSERT_EQ(win.verdict, Verdict::Won);
  // King to the cell, then queen and king home.
  ASSERT_EQ(win.actions.size(), 3u);
  EXPECT_EQ(ActionLine(win.actions[0]), "drag 0 1 5");
  ASSERT_TRUE(hint.found);
  EXPECT_EQ(hint.action, (SolverAction{SolverAction::Kind::Drag, 0, 1, 5}));
  std::string error;  // the line replays through the action language to a win
  for (const SolverAction& a : win.actions) EXPECT_TRUE(RunAction(*won.game, ActionLine(a), error));
  EXPECT_EQ(GameScore(won.game->PileTable, won.game->CurrentFlags), 52);

  // No capture while cards are dragged: they are on no pile.
  const Card& king = *lost.P(0).TopCard;
  PointerDown(*lost.game, static_cast<int16_t>(king.X + 32), static_cast<int16_t>(king.Y + 40));
  ASSERT_TRUE(IsDragging(*lost.game));
  SolverTable table;
  EXPECT_FALSE(CaptureTable(*lost.game, table, error));
  EXPECT_FALSE(error.empty());
}

// Deals of the shipped library: FreeCell's first is won, a game that is not
// there is refused, Spider, far too big to decide in a few nodes, stops
// at its budget, its memory or the cancel flag, and Forty Thieves's beam
// goes on past its memory to the end of its time.
TEST(Solver, ChecksLibraryDealsAndStopsAtItsBudgetOrWhenCancelled) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  const int spider = testing::GameIndex(*library, "Spider"),
            freecell = testing::GameIndex(*library, "FreeCell"),
            forty = testing::GameIndex(*library, "Forty Thieves");
  ASSERT_GE(spider, 0);
  ASSERT_GE(freecell, 0);
  EXPECT_EQ(CheckDeal(*library, freecell, 1, Preferences{}, 5000), Verdict::Won);
  EXPECT_EQ(CheckDeal(*library, library->GameCount, 1, Preferences{}, 100), Verdict::Unknown);
  EXPECT_EQ(CheckDeal(*library, -1, 1, Preferences{}, 100), Verdict::Unknown);
  auto table = std::make_unique<SolverTable>();
  ASSERT_TRUE(DealTable(*library, spider, 1, Preferences{}, *table));

  SolveOptions few;
  few.maxNodes = 500;
  const SolveResult small = Solve(*table, few);
  EXPECT_EQ(small.verdict, Verdict::Unknown);
  EXPECT_FALSE(small.cancelled);

  // Allowed 4 MiB, the search stops long before its minute: every position
  // it stores takes at least the 16 bytes of its key.
  SolveOptions tight;
  tight.maxNodes = INT64_MAX;
  tight.maxMilliseconds = 60'000;
  tight.maxBytes = int64_t{4} << 20;
  const SolveResult capped = Solve(*table, tight);
  EXPECT_EQ(capped.verdict, Verdict::Unknown);
  EXPECT_LT(capped.nodes, tight.maxBytes / 16);

  // Forty Thieves (a stock dealt once, a card a click) in 16 MiB: the beam
  // lets go of the phases it has left behind and goes on until it has
  // nothing left to expand, at about 240,000 positions expanded, long
  // before its minute. Without letting go, 16 MiB holds this deal's beam
  // for fewer than 100,000 expansions, and the search stops there.
  auto deal = std::make_unique<SolverTable>();
  ASSERT_TRUE(DealTable(*library, forty, 1, Preferences{}, *deal));
  tight.maxBytes = int64_t{16} << 20;
  const SolveResult beam = Solve(*deal, tight);
  EXPECT_EQ(beam.verdict, Verdict::Unknown);
  EXPECT_GE(beam.nodes, 150'000);
  EXPECT_LT(beam.elapsedMs, tight.maxMilliseconds);

  std::atomic<bool> cancel{false};
  int reports = 0;
  SolveOptions options;
  options.maxMilliseconds = 60'000;
  options.cancel = &cancel;
  options.progress = [&](const SolveProgress& p) {
    EXPECT_EQ(p.deckSize, 104);
    if (++reports == 3) cancel = true;
  };
  const SolveResult stopped = Solve(*table, options);
  EXPECT_EQ(stopped.verdict, Verdict::Unknown);
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(reports, 3);
  EXPECT_LT(stopped.elapsedMs, 10'000);
}

// Depth first making children one at a time wins the first FreeCell deals
// (each has a win) on its own, by lines the engine carries out to a win.
TEST(Solver, DepthFirstMakingChildrenLazilyWinsFreeCellDealsAlone) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  const int freecell = testing::GameIndex(*library, "FreeCell");
  ASSERT_GE(freecell, 0);
  auto table = std::make_unique<SolverTable>();
  for (const uint32_t seed : {1u, 2u, 3u}) {
    CompiledDeal deal;
    ASSERT_TRUE(CompileDeal(*library, freecell, seed, *table, deal));
    Game* game = deal.game.get();
    const solver::TableRules& rules = deal.rules;
    const solver::FlatRules* flat = deal.flat.get();
    solver::StrategyKind lazy{true, true, 0};
    lazy.lazy = true;
    solver::KeySet seen;
    solver::Strategy search(std::make_unique<solver::FlatBoard>(*flat, rules), rules,
                            table->position, lazy, seen);
    ASSERT_EQ(search.Step(1'000'000), solver::Strategy::State::Won) << seed;
    LoadPosition(*game, table->position);
    for (const SolverAction& a : search.WinningLine()) solver::ApplyAction(*game, a);
    EXPECT_TRUE(solver::IsWon(*game, rules)) << seed;
    EXPECT_EQ(GameScore(game->PileTable, game->CurrentFlags), 52) << seed;
  }
}

// Where whole runs go home in suit but columns build across suits (Spider
// in four and two suits), the play is mending runs between deals: two
// strategies by stock phase search, and two more afresh late in a long
// search, with only the depth-first lead beside them for proofs of loss.
// Where every build is a run that goes home (Spider in one suit) or a
// simple stock is gone through again (Klondike), none plays and the others
// all do: best first, two depth first, the one on progress moves and, with
// a simple stock, the one clicking it a click at a time.
TEST(Solver, TheStrategiesByStockPhaseSearchBesideTheLeadAloneWhereRunsAreMended) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  struct Case {
    const char* game;
    int phased, others;
  } const cases[] = {
      {"Spider", 4, 1},
      {"Spider (Two Suits)", 4, 1},
      {"Spider (One Suit)", 0, 4},
      {"Klondike", 0, 5}};
  for (const Case& c : cases) {
    const int index = testing::GameIndex(*library, c.game);
    ASSERT_GE(index, 0) << c.game;
    auto table = std::make_unique<SolverTable>();
    ASSERT_TRUE(DealTable(*library, index, 1, Preferences{}, *table)) << c.game;
    int phased = 0, others = 0;
    for (const solver::StrategyKind& kind : solver::SearchKinds(*table)) {
      if (kind.phased) {
        ++phased;
        continue;
      }
      ++others;
      if (c.phased > 0) {
        EXPECT_TRUE(kind.depthFirst && !kind.progressOnly) << c.game;
      }
    }
    EXPECT_EQ(phased, c.phased) << c.game;
    EXPECT_EQ(others, c.others) << c.game;
  }
}

}  // namespace
}  // namespace tarnik
