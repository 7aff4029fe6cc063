// What the solver reads from the pile rules: when a card may go home at
// once, which piles are interchangeable in a position's key, and whether
// anything builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "engine/play/history.h"
#include "solver/actions.h"
#include "solver/flat_board.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/position_key.h"
#include "solver/strategy.h"
#include "solver/table_rules.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using solver::TableRules;

constexpr int32_t S = Spades, C = Clubs, H = Hearts, D = Diamonds;

// One Klondike column and four foundations, which may give cards back;
// with `cell`, a free cell beside them.
GameDef ColumnAndFoundations(CardRemoval foundationRemoval, bool cell = false) {
  GameDef g = NamedGame("Column");
  g.Piles[0] = MakePile(0, 2, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                        CardRemoval::AnyInDiffColor, PileStart::AnyKing);
  for (int f = 0; f < 4; ++f) {
    g.Piles[1 + f] = MakePile(4 + 2 * f, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                              foundationRemoval, PileStart::AnyAce);
    g.Piles[1 + f].Direction = PileDirection::NoDirection;
  }
  if (cell) {
    g.Piles[5] = MakePile(12, 0, PileFlags::MustBeEmpty, RankBuild::Any, SuitBuild::Any,
                          CardRemoval::TopCardOnly, PileStart::Any);
    g.Piles[5].SizeLimit = 1;
  }
  return g;
}

std::vector<Placed> Run(int32_t suit, int32_t highest) {
  std::vector<Placed> out;
  for (int r = 0; r <= highest; ++r) out.push_back(Up(V(r, suit)));
  return out;
}

// Whether the five of hearts goes home at once with the diamonds up to
// `diamonds` home and the black cards up to `blacks` (3: every black four),
// with an empty free cell on the table when `cell`.
bool FiveOfHeartsGoesHome(CardRemoval foundationRemoval, int32_t diamonds, int32_t blacks = 3,
                          bool cell = false) {
  PlayTable t(ColumnAndFoundations(foundationRemoval, cell));
  std::vector<std::vector<Placed>> piles = {{Up(V(4, H))}, Run(S, blacks), Run(C, blacks),
                                            Run(H, 3), Run(D, diamonds)};
  if (cell) piles.push_back({});
  t.Arrange(piles);
  TableRules rules;
  solver::AnalyseRules(*t.game, rules);
  EXPECT_FALSE(rules.nothingBuilds);  // the column takes cards
  SolverAction done;
  const bool moved = solver::ApplyForcedAction(*t.game, rules, done);
  if (moved) {
    EXPECT_EQ(ActionLine(done), "drag 0 0 3");
  }
  return moved;
}

TEST(SolverRules, ACardGoesHomeAtOnceOnlyWhenNoCardCanNeedIt) {
  // Foundations that keep their cards: the black fours are home, so nothing
  // can ever be built on the five.
  EXPECT_TRUE(FiveOfHeartsGoesHome(CardRemoval::None, 1));
  // Foundations that give cards back: a black four could come back onto the
  // five to hold the red three that is still out.
  EXPECT_FALSE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 1));
  EXPECT_TRUE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 2));
  // The black fours are out, but could go home in its place, and every red
  // three is home (the opposite colour two below it, its own three below).
  EXPECT_TRUE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 2, 2));
  EXPECT_FALSE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 2, 1));  // a black three is out
  // A free cell holds one card: nothing is ever built on a card there.
  EXPECT_TRUE(FiveOfHeartsGoesHome(CardRemoval::None, 1, 3, true));
  EXPECT_TRUE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 2, 2, true));
  EXPECT_FALSE(FiveOfHeartsGoesHome(CardRemoval::TopCardOnly, 1, 3, true));
}

// Two free cells, two plain columns (dealt one and two cards) and two
// columns the stock deals to.
GameDef CellsAndColumns() {
  GameDef g = NamedGame("Cells");
  for (int i = 0; i < 2; ++i) {
    g.Piles[i] = MakePile(2 * i, 0, PileFlags::MustBeEmpty, RankBuild::Any, SuitBuild::Any,
                          CardRemoval::TopCardOnly, PileStart::Any);
    g.Piles[i].SizeLimit = 1;
    g.Piles[2 + i] = MakePile(2 * i, 3, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::Any,
                              CardRemoval::TopCardOnly, PileStart::Any);
    g.Piles[2 + i].InitialSize = 1 + i;
    g.Piles[4 + i] = MakePile(6 + 2 * i, 3, PileFlags::ManualFillDest, RankBuild::Down,
                              SuitBuild::Any, CardRemoval::TopCardOnly, PileStart::Any);
  }
  return g;
}

solver::PositionKey KeyOf(PlayTable& t, const std::vector<std::vector<Placed>>& piles) {
  t.Arrange(piles);
  TableRules rules;
  solver::AnalyseRules(*t.game, rules);
  PositionRecord record;
  SavePosition(*t.game, record);
  return solver::CanonicalKey(record, rules);
}

TEST(SolverRules, PositionsDifferingOnlyByLikePilesShareAKey) {
  PlayTable t(CellsAndColumns());
  const auto ace = Up(V(kAce, S)), two = Up(V(1, H)), king = Up(V(kKing, C));
  const auto base = KeyOf(t, {{ace}, {}, {two}, {king}, {two}, {king}});
  EXPECT_EQ(base, KeyOf(t, {{}, {ace}, {two}, {king}, {two}, {king}}));  // cells exchanged
  EXPECT_EQ(base, KeyOf(t, {{ace}, {}, {king}, {two}, {two}, {king}}));  // columns exchanged
  // The stock deals to its columns in table order: exchanging them matters.
  EXPECT_FALSE(base == KeyOf(t, {{ace}, {}, {two}, {king}, {king}, {two}}));
  // A different card is a different position.
  EXPECT_FALSE(base == KeyOf(t, {{two}, {}, {ace}, {king}, {two}, {king}}));
  // A set of keys takes each key once, and grows by parts: no table of it
  // holds more than a quarter of the whole, so growing never holds it twice.
  // Between two looks at the search's memory, some tens of thousands of
  // keys apart, it grows by no more than it announced at the first.
  solver::KeySet seen;
  constexpr uint64_t kLook = 32'768, kKeys = 1'000'000;
  int64_t announced = seen.Bytes() + seen.GrowthBytes();
  for (uint64_t k = 1; k <= kKeys; ++k) {
    ASSERT_TRUE(seen.Insert({k * 0x9E3779B97F4A7C15ull, k * 0xC2B2AE3D27D4EB4Full}));
    if (k % kLook != 0) continue;
    ASSERT_LE(seen.Bytes(), announced) << k << " keys";
    announced = seen.Bytes() + seen.GrowthBytes();
  }
  EXPECT_FALSE(seen.Insert({0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full}));
  EXPECT_EQ(seen.Size(), int64_t{kKeys});
  EXPECT_LE(seen.LargestBlock() * 4, seen.Bytes());
  // A large set answers keys met lately from a small table of its own:
  // the last key is there, a new key of the same slot there is new, and
  // each is met again once entered.
  const solver::PositionKey last{kKeys * 0x9E3779B97F4A7C15ull, kKeys * 0xC2B2AE3D27D4EB4Full};
  const solver::PositionKey sameSlot{last.a + 1, last.b};
  EXPECT_FALSE(seen.Insert(last));
  EXPECT_TRUE(seen.Insert(sameSlot));
  EXPECT_FALSE(seen.Insert(sameSlot));
  EXPECT_FALSE(seen.Insert(last));
  EXPECT_EQ(seen.Size(), int64_t{kKeys} + 1);
}

// Golf's table in small: a column, one goal pile built up or down in any
// suit, which keeps its cards or gives its top card back, and a column.
GameDef ColumnAndPile(CardRemoval goalRemoval) {
  GameDef g = NamedGame("Pile");
  for (int i = 0; i <= 2; i += 2) {
    g.Piles[i] = MakePile(2 * i, 2, PileFlags::FoundationsOnly, RankBuild::None, SuitBuild::None,
                          CardRemoval::TopCardOnly, PileStart::None);
    g.Piles[i].Placement = CardPlacement::None;
  }
  g.Piles[1] = MakePile(8, 0, PileFlags::WinGoal, RankBuild::UpOrDown, SuitBuild::Any,
                        goalRemoval, PileStart::Any);
  g.Piles[1].Placement = CardPlacement::OneCard;
  return g;
}

TEST(SolverRules, AGoalPileThatKeepsItsCardsCountsByItsTopCard) {
  const auto two = Up(V(1, H)), three = Up(V(2, S)), four = Up(V(3, C)), king = Up(V(kKing, D));
  const auto other = Up(V(2, D));  // another three
  PlayTable keeps(ColumnAndPile(CardRemoval::None));
  // The same cards in another order below the same top card.
  const auto base = KeyOf(keeps, {{king}, {two, three, four, other}});
  EXPECT_EQ(base, KeyOf(keeps, {{king}, {four, three, two, other}}));
  EXPECT_FALSE(base == KeyOf(keeps, {{king}, {two, three, other, four}}));  // another top card
  // Another three on top takes the same cards on it: the same future.
  EXPECT_EQ(base, KeyOf(keeps, {{king}, {two, four, other, three}}));
  EXPECT_FALSE(base == KeyOf(keeps, {{king}, {two, three, other}}));        // another size
  // A pile that gives its top card back shows the card below: order matters.
  PlayTable gives(ColumnAndPile(CardRemoval::TopCardOnly));
  EXPECT_FALSE(KeyOf(gives, {{king}, {two, three, four, other}}) ==
               KeyOf(gives, {{king}, {four, three, two, other}}));
}

// Where nothing builds the strategies share one set of positions: a win is
// still found down its one branch, and "lost" said only after every branch.
TEST(SolverRules, WhereNothingBuildsTheSearchStillTriesEveryBranch) {
  struct Case {
    std::vector<Placed> a, b;  // the columns, bottom first, under the five of spades
    Verdict verdict;
  } const cases[] = {
      // The six, the five under it, then the four; the four first is a dead end.
      {{Up(V(4, H)), Up(V(5, D))}, {Up(V(3, C))}, Verdict::Won},
      {{Up(V(6, C)), Up(V(5, D))}, {Up(V(3, H))}, Verdict::Lost},  // six, seven, stuck
      {{Up(V(5, D)), Up(V(7, H))}, {Up(V(6, C))}, Verdict::Lost},  // nothing fits
  };
  for (const Case& c : cases) {
    std::vector<Placed> goal;  // every other card
    for (int32_t v = 0; v < 52; ++v)
      if (v != V(4, S) && v != c.a[0].value && v != c.a[1].value && v != c.b[0].value)
        goal.push_back(Up(v));
    goal.push_back(Up(V(4, S)));
    PlayTable t(ColumnAndPile(CardRemoval::None));
    t.Arrange({c.a, goal, c.b});
    TableRules rules;
    solver::AnalyseRules(*t.game, rules);
    EXPECT_TRUE(rules.nothingBuilds);
    SolverTable table;
    std::string error;
    ASSERT_TRUE(CaptureTable(*t.game, table, error));
    const SolveResult r = Solve(table, {});
    EXPECT_EQ(r.verdict, c.verdict);
    // Depth first keeping only keys, and depth first making children one
    // at a time, come to the same verdict by a line that wins: exhausted
    // only where no line wins.
    solver::FlatRules flat;
    ASSERT_TRUE(solver::CompileFlatRules(*t.game, rules, table, flat));
    solver::StrategyKind lazy{true, true, solver::kDefaultDisorder};
    lazy.lazy = true;
    for (const solver::StrategyKind& kind :
         {solver::StrategyKind{true, true, solver::kDefaultDisorder, false, false, true}, lazy}) {
      solver::KeySet seen;
      solver::Strategy dfs(std::make_unique<solver::FlatBoard>(flat, rules), rules, table.position,
                           kind, seen);
      auto state = solver::Strategy::State::Searching;
      while (state == solver::Strategy::State::Searching) state = dfs.Step(1);
      EXPECT_EQ(state == solver::Strategy::State::Won, c.verdict == Verdict::Won) << kind.lazy;
      for (const auto& line : {r.actions, dfs.WinningLine()}) {
        t.Arrange({c.a, goal, c.b});
        for (const SolverAction& a : line) EXPECT_TRUE(RunAction(*t.game, ActionLine(a), error));
        EXPECT_EQ(GameScore(t.game->PileTable, t.game->CurrentFlags) == 52, c.verdict == Verdict::Won);
      }
    }
  }
}

// Aces Up in small: two columns that take any card while empty, and a
// goal pile that takes a king, or a card while a higher card of its suit
// shows on the other column.
GameDef ColumnsAndDiscards() {
  GameDef g = ColumnAndPile(CardRemoval::None);
  for (int i = 0; i <= 2; i += 2) {
    g.Piles[i].Flags = PileFlags::AutoPlay;  // not FoundationsOnly
    g.Piles[i].PileStart = PileStart::Any;
  }
  g.Piles[1].Flags |= PileFlags::LowAndKing;
  g.Piles[1].RankBuild = RankBuild::Any;
  return g;
}

// Whether the board finds the table `piles` (in table order, bottom first)
// dead, and whether the search wins it; `estimate`, when given, takes the
// board's with `disorder`.
std::pair<bool, Verdict> DeadAndVerdictOf(const GameDef& def,
                                          const std::vector<std::vector<Placed>>& piles,
                                          int32_t* estimate = nullptr,
                                          int32_t disorder = solver::kDefaultDisorder) {
  PlayTable t(def);
  t.Arrange(piles);
  SolverTable table;
  std::string error;
  EXPECT_TRUE(CaptureTable(*t.game, table, error));
  TableRules rules;
  solver::AnalyseRules(*t.game, rules);
  solver::FlatRules flat;
  EXPECT_TRUE(solver::CompileFlatRules(*t.game, rules, table, flat));
  solver::FlatBoard board(flat, rules);
  board.LoadStart(table.position);
  if (estimate) *estimate = board.Estimate(disorder);
  return {board.DeadEnd(), Solve(table, {}).verdict};
}

// The same for the columns `a` and `b`, every other card on the goal pile
// with `top` above them.
std::pair<bool, Verdict> DeadAndVerdict(const GameDef& def, const std::vector<Placed>& a,
                                        const std::vector<Placed>& b, int32_t top,
                                        int32_t* estimate = nullptr) {
  std::vector<Placed> goal;
  const auto out = [](const std::vector<Placed>& pile, int32_t v) {
    return std::any_of(pile.begin(), pile.end(), [v](const Placed& p) { return p.value == v; });
  };
  for (int32_t v = 0; v < 52; ++v)
    if (v != top && !out(a, v) && !out(b, v)) goal.push_back(Up(v));
  goal.push_back(Up(top));
  return DeadAndVerdictOf(def, {a, goal, b}, estimate);
}

// Calculation's by-twos foundation in small: columns that take any card
// and give cards only to the goal pile, built by twos in any suit, king to
// ace to three.
GameDef WastesAndByTwos() {
  GameDef g = ColumnAndPile(CardRemoval::None);
  for (int i = 0; i <= 2; i += 2) {
    g.Piles[i].Placement = CardPlacement::Any;
    g.Piles[i].RankBuild = RankBuild::Any;
    g.Piles[i].SuitBuild = SuitBuild::Any;
    g.Piles[i].PileStart = PileStart::Any;
  }
  g.Piles[1].RankBuild = RankBuild::UpByTwoWrapping;
  return g;
}

// Where nothing but goal piles take cards, or the piles that take cards
// give them only to goal piles, a position in which some card can never go
// home is dead; the search agrees that such a deal is lost.
TEST(SolverRules, APositionIsDeadWhenSomeCardCanNeverGoHome) {
  const auto kingH = Up(V(kKing, H)), kingD = Up(V(kKing, D)), queenH = Up(V(11, H));
  const auto fiveH = Up(V(4, H)), nineH = Up(V(8, H));
  const auto aceH = Up(V(kAce, H)), threeH = Up(V(2, H)), sixH = Up(V(5, H)), sevenH = Up(V(6, H));
  const auto eightH = Up(V(7, H));
  const GameDef golf = ColumnAndPile(CardRemoval::None), aces = ColumnsAndDiscards();
  const GameDef byTwos = WastesAndByTwos();
  struct Case {
    const GameDef& def;
    std::vector<Placed> a, b;  // the columns, bottom first
    int32_t top;               // the goal's top card, above every other card
    bool dead;
  } const cases[] = {
      {golf, {kingH}, {}, V(5, S), true},                 // every queen is home, below the top
      {golf, {queenH, kingH}, {}, V(5, S), true},         // the one queen out lies under the king
      {golf, {kingH}, {queenH}, V(10, S), false},         // queen on the jack, king on the queen
      {golf, {kingH}, {kingD}, V(11, S), true},           // two kings, one queen to go on
      {golf, {kingH}, {kingD, queenH}, V(11, S), false},  // K♥ on Q♠, Q♥ on K♥, K♦ on Q♥
      {aces, {fiveH}, {nineH}, V(1, C), true},            // no heart above the nine is out
      {aces, {fiveH}, {kingH}, V(1, C), false},           // the five, then the king
      {aces, {kingH, fiveH}, {}, V(1, C), false},         // the five moves over, then goes
      // The eight needs the seven home, which needs the six under the eight.
      {golf, {sixH, eightH}, {sevenH}, V(4, S), true},
      {golf, {eightH, sixH}, {sevenH}, V(4, S), false},
      // On the queen by twos: the ace, the three, the five; the ace lies under the five.
      {byTwos, {aceH, fiveH}, {threeH}, V(11, S), true},
      {byTwos, {fiveH, aceH}, {threeH}, V(11, S), false},
  };
  for (const Case& c : cases) {
    const auto [dead, verdict] = DeadAndVerdict(c.def, c.a, c.b, c.top);
    EXPECT_EQ(dead, c.dead) << c.top;
    EXPECT_EQ(verdict, c.dead ? Verdict::Lost : Verdict::Won) << c.top;
  }
}

// Klondike in small (two columns): a card is shut in for good when its
// lower card of the suit and every card it could go on lie below it, and
// no run lifted from below it could go anywhere. Home: the spades and
// clubs to the six (or seven), the hearts to the four, every diamond; the
// second column holds the eights to kings of spades and clubs, then the
// hearts from the king down to `b`.
TEST(SolverRules, ACardShutInBelowItsWaysOutIsADeadEnd) {
  GameDef gives = ColumnAndFoundations(CardRemoval::TopCardOnly);
  for (int f = 1; f <= 4; ++f) gives.Piles[f].Placement = CardPlacement::OneCard;
  gives.Piles[5] = gives.Piles[0];
  gives.Piles[5].Column = 2;
  GameDef keeps = gives;  // foundations that keep their cards
  for (int f = 1; f <= 4; ++f) keeps.Piles[f].Removal = CardRemoval::None;
  const auto sevenS = Up(V(6, S)), sevenC = Up(V(6, C)), sevenH = Up(V(6, H));
  const auto fiveH = Up(V(4, H)), sixH = Up(V(5, H)), eightH = Up(V(7, H));
  struct Case {
    const GameDef& def;
    std::vector<Placed> a;
    int32_t b;      // the lowest heart of the second column
    bool dead;
    int32_t clubs;  // the highest club home
    std::vector<Placed> more = {};  // on top of the second column
  } const cases[] = {
      // The six of hearts needs its five or a black seven, all below it …
      {gives, {sevenS, sevenC, fiveH, sixH}, 6, true, 5},
      {gives, {sevenS, fiveH, sixH}, 6, false, 5, {sevenC}},  // … but one shows
      // … or it lies on the seven of clubs, which takes it to the eight of hearts.
      {gives, {sevenH, sevenS, fiveH, sevenC, sixH}, 7, false, 5},
      // The seven could go home alone, but the eight of diamonds is home for good.
      {keeps, {eightH, sevenH, sevenS, fiveH, sevenC, sixH}, 8, true, 5},
      // The seven of clubs is home and may come back, but no red eight shows …
      {gives, {sevenS, fiveH, sixH}, 6, true, 6},
      {gives, {sevenH, sevenS, fiveH, sixH}, 7, false, 6},  // … or one does
  };
  // One board looks at every table of `gives` in turn: a set it found shut
  // in before and keeps must not make a later table dead.
  solver::FlatRules flat;
  TableRules rules;
  std::unique_ptr<solver::FlatBoard> board;
  for (const Case& c : cases) {
    std::vector<Placed> b;
    for (const auto& [suit, lowest] : {std::pair{S, 7}, {C, 7}, {H, c.b}})
      for (int32_t r = kKing; r >= lowest; --r) b.push_back(Up(V(r, suit)));
    b.insert(b.end(), c.more.begin(), c.more.end());
    const std::vector<std::vector<Placed>> piles = {c.a, tarnik::Run(S, 5), tarnik::Run(C, c.clubs),
                                                    tarnik::Run(H, 3), tarnik::Run(D, kKing), b};
    const auto [dead, verdict] = DeadAndVerdictOf(c.def, piles);
    EXPECT_EQ(dead, c.dead) << c.a.size();
    EXPECT_EQ(verdict, c.dead ? Verdict::Lost : Verdict::Won) << c.a.size();
    if (&c.def != &gives) continue;
    PlayTable t(gives);
    t.Arrange(piles);
    SolverTable table;
    std::string error;
    ASSERT_TRUE(CaptureTable(*t.game, table, error));
    if (!board) {
      solver::AnalyseRules(*t.game, rules);
      ASSERT_TRUE(solver::CompileFlatRules(*t.game, rules, table, flat));
      board = std::make_unique<solver::FlatBoard>(flat, rules);
    }
    board->LoadStart(table.position);
    EXPECT_EQ(board->DeadEnd(), c.dead) << c.a.size();
  }
}

// On piles that give cards only to the goal pile, a card above a card the
// goal needs sooner blocks it: from the queen by twos the goal needs the
// three, then the five, the seven, the nine, and the estimate prefers that
// order (the same cards, only their order differs).
TEST(SolverRules, TheEstimatePrefersPilesInTheOrderTheGoalNeedsTheirCards) {
  const auto threeH = Up(V(2, H)), fiveH = Up(V(4, H)), sevenH = Up(V(6, H)), nineH = Up(V(8, H));
  const std::vector<Placed> cases[][4] = {
      {{sevenH, threeH}, {}, {threeH, sevenH}, {}},          // not the seven above the three
      {{nineH, sevenH}, {fiveH}, {nineH}, {fiveH, sevenH}},  // the seven on the nine, not the five
  };
  for (const auto& c : cases) {
    int32_t better = 0, worse = 0;
    DeadAndVerdict(WastesAndByTwos(), c[0], c[1], V(11, S), &better);
    DeadAndVerdict(WastesAndByTwos(), c[2], c[3], V(11, S), &worse);
    EXPECT_GT(better, worse) << c[0].size();
  }
}

// Where the estimate minds the cards that must make way, each card lying
// above a card its goal piles take sooner costs kBlocker once, however many
// such cards lie below it (spades home to the two: the three of spades and
// every ace go next, a two of another suit after its ace). Where it minds
// the cards their goal pile needs first, each card lying above a lower card
// of its suit costs kGoalFirstCover.
TEST(SolverRules, TheEstimateCountsCardsAboveCardsNeededSooner) {
  struct Case {
    std::vector<Placed> column;  // bottom first
    int32_t blockers, aboveLowerOfSuit;
  };
  const Case cases[] = {
      {{}, 0, 0},
      {{Up(V(12, D)), Up(V(11, C)), Up(V(10, H))}, 0, 0},  // each needed before the one below
      {{Up(V(0, H)), Up(V(1, H)), Up(V(2, H))}, 2, 2},     // two and three above their ace
      {{Up(V(4, H)), Up(V(2, S)), Up(V(8, C)), Up(V(3, S)), Up(V(1, D))}, 3, 1},
      {{Up(V(2, S)), Up(V(7, C)), Up(V(6, C)), Up(V(5, C))}, 3, 0},  // all above the three
  };
  for (const Case& c : cases) {
    const std::vector<std::vector<Placed>> piles = {
        c.column, {Up(V(0, S)), Up(V(1, S))}, {}, {}, {}};
    int32_t plain = 0, minded = 0;
    DeadAndVerdictOf(ColumnAndFoundations(CardRemoval::None), piles, &plain, 0);
    DeadAndVerdictOf(ColumnAndFoundations(CardRemoval::None), piles, &minded,
                     solver::kBlockerEstimate);
    EXPECT_EQ(plain - minded, solver::kBlocker * c.blockers) << c.column.size();
    GameDef pressed = ColumnAndFoundations(CardRemoval::None);  // Yukon's column, its goals
    pressed.Piles[0].Removal = CardRemoval::GroupInAnySuit;
    for (int f = 1; f <= 4; ++f) pressed.Piles[f].Placement = CardPlacement::OneCard;
    DeadAndVerdictOf(pressed, piles, &plain);
    DeadAndVerdictOf(pressed, piles, &minded, solver::kGoalFirstEstimate);
    EXPECT_EQ(plain - minded, solver::kGoalFirstCover * c.aboveLowerOfSuit) << c.column.size();
  }
}

// A column, four foundations, a stock and its waste, laid out like Klondike.
GameDef StockAndWaste() {
  GameDef g = ColumnAndFoundations(CardRemoval::None);
  g.Piles[0].Row = 3;
  g.Piles[5] = MakePile(0, 0, PileFlags::ManualFillSource | PileFlags::Redeal, RankBuild::None,
                        SuitBuild::None, CardRemoval::None, PileStart::None);
  g.Piles[5].Placement = CardPlacement::None;
  g.Piles[5].Direction = PileDirection::NoDirection;  // no fan reaches the column
  g.Piles[6] = MakePile(2, 0, PileFlags::ManualFillDest | PileFlags::RedealDest, RankBuild::None,
                        SuitBuild::None, CardRemoval::TopCardOnly, PileStart::None);
  g.Piles[6].Placement = CardPlacement::None;
  return g;
}

std::vector<std::string> ChoiceLines(Game& game, const TableRules& rules) {
  std::vector<solver::Choice> choices;
  std::vector<SolverAction> scratch;
  solver::ListChoices(game, rules, choices, scratch);
  std::vector<std::string> lines;
  for (const auto& c : choices)
    lines.push_back(std::to_string(c.clicks) + " " + ActionLine(c.action));
  return lines;
}

TEST(SolverRules, StockClicksCountOnlyWithTheCardTheyBringUp) {
  PlayTable t(StockAndWaste());
  // The stock deals the ace of spades, then the nine of clubs, then the
  // five of hearts; only the first two have somewhere to go.
  t.Arrange({{Up(V(9, H))}, {}, {}, {}, {}, {Down(V(4, H)), Down(V(8, C)), Down(V(kAce, S))}, {}});
  TableRules rules;
  solver::AnalyseRules(*t.game, rules);
  ASSERT_EQ(rules.stock, 5);
  ASSERT_EQ(rules.waste, 6);
  EXPECT_EQ(ChoiceLines(*t.game, rules),
            (std::vector<std::string>{"1 drag 6 0 1", "2 drag 6 1 0"}));

  // A waste that takes dropped cards is no simple waste: clicks stay moves.
  GameDef open = StockAndWaste();
  open.Piles[6].Placement = CardPlacement::Any;
  PlayTable u(open);
  u.Arrange({{Up(V(9, H))}, {}, {}, {}, {}, {Down(V(4, H)), Down(V(8, C)), Down(V(kAce, S))}, {}});
  solver::AnalyseRules(*u.game, rules = TableRules{});
  EXPECT_EQ(rules.stock, -1);
  const auto lines = ChoiceLines(*u.game, rules);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "0 click 5 -"), lines.end());
}

// A stock that deals one card a click and turns over without end: where
// its cycle of cards is cut (which card lies on the waste) is one
// position; the order of the cycle, or a stock that does not turn over
// without end, makes another.
TEST(SolverRules, WhereTheStockCyclesOnlyTheOrderOfItsCardsCounts) {
  const auto ace = V(kAce, S), eight = V(8, C), four = V(4, H);
  const auto key = [&](uint32_t flags, std::vector<Placed> stock, std::vector<Placed> waste) {
    GameDef g = StockAndWaste();
    g.Flags = flags;
    PlayTable t(g);
    return KeyOf(t, {{Up(V(9, H))}, {}, {}, {}, {}, stock, waste});
  };
  const uint32_t endless = GameFlags::RedealUnlimited;
  const auto dealt = key(endless, {Down(four), Down(eight), Down(ace)}, {});
  EXPECT_EQ(dealt, key(endless, {Down(four), Down(eight)}, {Up(ace)}));
  EXPECT_EQ(dealt, key(endless, {}, {Up(ace), Up(eight), Up(four)}));
  EXPECT_FALSE(dealt == key(endless, {Down(eight), Down(four)}, {Up(ace)}));
  EXPECT_FALSE(key(0, {Down(four), Down(eight), Down(ace)}, {}) ==
               key(0, {Down(four), Down(eight)}, {Up(ace)}));
}

}  // namespace
}  // namespace tarnik
