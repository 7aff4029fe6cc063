// The compiled move generator on flat positions against the engine's own
// table: for every library game whose rules compile, random playouts from a
// few deals, comparing at every step every move the two list and the
// position, key, score and estimate after each move and its forced actions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/library/library.h"
#include "engine/table/preferences.h"
#include "solver/engine_board.h"
#include "solver/flat_board.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/sandbox.h"
#include "solver/solver.h"
#include "overlapping_game.h"
#include "support/compiled_deal.h"
#include "support/library_files.h"
#include "support/play_table.h"

namespace tarnik::solver {
namespace {

constexpr uint32_t kSeeds[] = {1, 7, 13};  // the second with "Automatic play"
constexpr int kSteps = 50;

std::string Describe(const Choice& c) {
  return std::to_string(c.clicks) + " clicks, " + ActionLine(c.action);
}

std::string Describe(const std::vector<SolverAction>& line) {
  std::string s;
  for (const SolverAction& a : line) s += ActionLine(a) + "; ";
  return s;
}

// The first difference between the two boards after both played `choice`
// from the same position, or "". The estimates the engine does not make
// (with the cards that must make way, by runs) are checked against
// `fresh`, a flat board that loads the position and weighs every pile.
std::string AfterMove(Board& engine, Board& flat, Board& fresh, const Choice& choice,
                      int32_t stride) {
  std::vector<SolverAction> le, lf;
  engine.Play(choice, le);
  flat.Play(choice, lf);
  const std::string move = Describe(choice) + ": ";
  if (le != lf) return move + "the engine made " + Describe(le) + "the flat path " + Describe(lf);
  if (!(engine.Key() == flat.Key())) return move + "the keys differ";
  std::vector<unsigned char> pe(stride), pf(stride);
  engine.Pack(pe.data());
  flat.Pack(pf.data());
  if (pe != pf) return move + "the positions differ";
  if (engine.Score() != flat.Score() || engine.Won() != flat.Won())
    return move + "the scores differ";
  if (engine.Estimate(2) != flat.Estimate(2) || engine.Estimate(0) != flat.Estimate(0))
    return move + "the estimates differ";
  fresh.Load(pf.data());
  for (int32_t d : {kBlockerEstimate, kRunEstimate})
    if (flat.Estimate(d) != fresh.Estimate(d)) return move + "the flat estimates differ";
  return "";
}

// Whether the flat board's listing onto each pile alone that holds cards
// (where a search waits for a drop onto the card just laid there) holds
// the drags onto it of the whole listing `all` of the position packed in
// `here`, in the same order; the first pile that differs, or "". (Of
// several empty piles alike, a whole listing drops onto the first alone.)
std::string DropsOntoEachPile(FlatBoard& flat, const std::vector<Choice>& all,
                              const unsigned char* here, const TableRules& rules) {
  FlatPosition pos;
  UnpackFlat(here, rules.pileCount, rules.deckSize, pos);
  std::vector<Choice> some;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (pos.Empty(p)) continue;
    const auto onto = [p](const Choice& c) {
      return c.action.kind == SolverAction::Kind::Drag && c.action.target == p;
    };
    std::vector<Choice> want;
    std::copy_if(all.begin(), all.end(), std::back_inserter(want), onto);
    flat.Await(p);
    flat.ListMoves(some);
    flat.Await(-1);
    std::erase_if(some, [&](const Choice& c) { return !onto(c); });
    const bool same = std::equal(want.begin(), want.end(), some.begin(), some.end(),
                                 [](const Choice& x, const Choice& y) {
                                   return x.clicks == y.clicks && x.action == y.action;
                                 });
    if (!same)
      return "onto pile " + std::to_string(p) + " alone " + std::to_string(some.size()) +
             " drags against " + std::to_string(want.size());
  }
  flat.ListMoves(some);  // the board's kept listing is the whole one again
  return "";
}

// The first difference along one random playout of a deal, or "".
std::string Playout(Board& engine, FlatBoard& flat, Board& fresh, const PositionRecord& start,
                    const TableRules& rules, uint32_t seed) {
  const int32_t stride = PackedSize(rules);
  std::mt19937 random(seed);
  std::vector<SolverAction> le, lf;
  engine.LoadStart(start);
  flat.LoadStart(start);
  engine.FollowForced(le);
  flat.FollowForced(lf);
  if (le != lf)
    return "the forced actions of the deal differ: " + Describe(le) + "/ " + Describe(lf);
  if (!(engine.Key() == flat.Key())) return "the keys of the deal differ";
  std::vector<unsigned char> here(stride);
  engine.Pack(here.data());
  std::vector<Choice> ce, cf;
  for (int step = 0; step < kSteps; ++step) {
    engine.Load(here.data());
    flat.Load(here.data());
    engine.ListMoves(ce);
    flat.ListMoves(cf);
    const std::string at = "step " + std::to_string(step) + ": ";
    if (ce.size() != cf.size())
      return at + std::to_string(ce.size()) + " moves against " + std::to_string(cf.size());
    for (size_t k = 0; k < ce.size(); ++k)
      if (ce[k].clicks != cf[k].clicks || !(ce[k].action == cf[k].action))
        return at + "move " + Describe(ce[k]) + " against " + Describe(cf[k]);
    if (std::string d = DropsOntoEachPile(flat, ce, here.data(), rules); !d.empty())
      return at + d;
    for (const Choice& c : ce)
      if (std::string d = AfterMove(engine, flat, fresh, c, stride); !d.empty()) return at + d;
    if (ce.empty()) break;
    le.clear();
    engine.Play(ce[random() % ce.size()], le);
    engine.Key();
    engine.Pack(here.data());
  }
  return "";
}

// Playouts of one deal, with runs of stock clicks as single moves and one
// click at a time, noting each difference; false when the rules do not
// compile.
bool CompareDeal(const SolverTable& table, const std::string& name, uint32_t seed,
                 std::vector<std::string>& failures) {
  auto game = NewQuietGame();
  LoadTable(table, *game);
  TableRules rules;
  AnalyseRules(*game, rules);
  auto flat = std::make_unique<FlatRules>();
  if (!CompileFlatRules(*game, rules, table, *flat) ||
      !FlatStartFits(table.position, rules.pileCount))
    return false;
  for (bool runs : {true, false}) {
    TableRules r = rules;
    if (!runs) r.stock = r.waste = -1;
    auto engine = std::make_unique<EngineBoard>(*game, r);
    auto board = std::make_unique<FlatBoard>(*flat, r),
         fresh = std::make_unique<FlatBoard>(*flat, r);
    const std::string d =
        Playout(*engine, *board, *fresh, table.position, r, seed * 7919 + runs);
    if (!d.empty())
      failures.push_back(name + " seed " + std::to_string(seed) + (runs ? "" : " (single clicks)") +
                         ", " + d);
  }
  return true;
}

TEST(FlatMoves, ListAndPlayEveryMoveAsTheEngineDoes) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  auto table = std::make_unique<SolverTable>();
  std::vector<std::string> compiled, failures;
  for (int g = 0; g < library->GameCount; ++g) {
    bool counted = false;
    for (uint32_t seed : kSeeds) {
      Preferences prefs;
      prefs.AutoToggle = seed == kSeeds[1];  // "Automatic play" on for the second deal
      if (!DealTable(*library, g, seed, prefs, *table)) continue;
      if (!CompareDeal(*table, library->GameNames[g], seed, failures) || counted) continue;
      compiled.push_back(library->GameNames[g]);
      counted = true;
    }
  }
  // Where fans reach over later piles, what the pointer can press and where
  // it can let go changes with every move.
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    testing::PlayTable t(testing::OverlappingGame(true), seed);
    std::string refusal;
    ASSERT_TRUE(CaptureTable(*t.game, *table, refusal)) << refusal;
    EXPECT_TRUE(CompareDeal(*table, "Overlapping", seed, failures));
  }
  std::printf("%zu of %d library games compile to flat positions\n", compiled.size(),
              library->GameCount);
  for (const char* name : {"FreeCell", "Klondike", "Golf", "Yukon", "Spider (One Suit)"})
    EXPECT_NE(std::find(compiled.begin(), compiled.end(), name), compiled.end()) << name;
  EXPECT_GE(compiled.size(), 200u);
  EXPECT_TRUE(failures.empty()) << failures.size() << " playouts differ; the first: "
                                << (failures.empty() ? "" : failures[0]);
}

// Whether `choice` is among `moves`.
bool Listed(const std::vector<Choice>& moves, const Choice& choice) {
  return std::any_of(moves.begin(), moves.end(), [&](const Choice& m) {
    return m.clicks == choice.clicks && m.action == choice.action;
  });
}

// Each move a board with transfers lists beyond the engine's carries a run
// of n cards in 2n - 1 single drags (n of them to its target), each one the
// engine lists at its turn, and lands where the engine lands. Random
// playouts, one click at a time and without forced moves home.
TEST(FlatMoves, TransfersAreSingleDragsTheEngineAllows) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  auto table = std::make_unique<SolverTable>();
  int32_t transfers = 0;
  for (int32_t g = 0; g < library->GameCount; ++g) {
    if (std::strcmp(library->GameNames[g], "Forty Thieves") != 0 &&
        std::strcmp(library->GameNames[g], "Eighty Thieves") != 0)
      continue;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
      testing::CompiledDeal deal;
      ASSERT_TRUE(testing::CompileDeal(*library, g, seed, *table, deal));
      Game* game = deal.game.get();
      TableRules& rules = deal.rules;
      FlatRules* flat = deal.flat.get();
      rules.stock = rules.waste = -1;
      rules.safeGoalMoves = false;
      EngineBoard engine(*game, rules);
      FlatBoard board(*flat, rules);
      board.AllowTransfers();
      std::mt19937 random(seed);
      std::vector<unsigned char> here(PackedSize(rules)), step(here.size());
      std::vector<Choice> ce, cf, cs;
      std::vector<SolverAction> line, le;
      board.LoadStart(table->position);
      board.Key();
      board.Pack(here.data());
      for (int n = 0; n < 400; ++n) {
        engine.Load(here.data());
        engine.ListMoves(ce);
        board.Load(here.data());
        board.ListMoves(cf);
        for (const Choice& c : cf) {
          if (Listed(ce, c)) continue;
          ++transfers;
          board.Load(here.data());
          line.clear();
          board.Play(c, line);
          const auto landing = std::count_if(line.begin(), line.end(), [&](const SolverAction& a) {
            return a.target == c.action.target;
          });
          EXPECT_EQ(static_cast<size_t>(2 * landing - 1), line.size());
          step = here;
          for (const SolverAction& a : line) {
            engine.Load(step.data());
            engine.ListMoves(cs);
            ASSERT_TRUE(Listed(cs, Choice{0, a})) << seed << ": " << ActionLine(a);
            engine.Play(Choice{0, a}, le);
            engine.Key();
            engine.Pack(step.data());
          }
          EXPECT_TRUE(engine.Key() == board.Key()) << library->GameNames[g] << " " << seed;
        }
        if (cf.empty()) break;
        board.Load(here.data());
        board.Play(cf[random() % cf.size()], line);
        board.Key();
        board.Pack(here.data());
      }
    }
  }
  EXPECT_GT(transfers, 0);
}

// A move the board skips as leading straight back (Board::ComesBack) or
// back to the position before the last move (Board::Undoes) leads there
// when played: random playouts, every move played at every step, in games
// where cards come back from the goal piles and columns build.
TEST(FlatMoves, MovesKnownToLeadBackLeadBack) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  auto table = std::make_unique<SolverTable>();
  int32_t back = 0, undone = 0;
  for (int32_t g = 0; g < library->GameCount; ++g) {
    const std::string name = library->GameNames[g];
    if (name != "Yukon" && name != "Double Yukon" && name != "Klondike") continue;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
      testing::CompiledDeal deal;
      ASSERT_TRUE(testing::CompileDeal(*library, g, seed, *table, deal));
      const TableRules& rules = deal.rules;
      FlatBoard board(*deal.flat, rules);
      std::mt19937 random(seed);
      std::vector<unsigned char> here(PackedSize(rules));
      std::vector<Choice> moves;
      std::vector<SolverAction> line;
      board.LoadStart(table->position);
      board.FollowForced(line);
      PositionKey before{}, now = board.Key();
      board.Pack(here.data());
      Choice last;
      int32_t count = 0;  // UndoCount of `last`
      for (int n = 0; n < 300; ++n) {
        board.Load(here.data());
        board.ListMoves(moves);
        if (moves.empty()) break;
        for (const Choice& c : moves) {
          const bool comes = board.ComesBack(c);
          const bool undoes = n > 0 && board.Undoes(c, last.action, count);
          line.clear();
          board.Play(c, line);
          const PositionKey key = board.Key();
          EXPECT_TRUE(!comes || key == now) << name << " " << seed << ": " << Describe(c);
          EXPECT_TRUE(!undoes || key == before) << name << " " << seed << ": " << Describe(c);
          back += comes;
          undone += undoes;
        }
        last = moves[random() % moves.size()];
        line.clear();
        board.Play(last, line);
        count = board.UndoCount(last, line.size() > static_cast<size_t>(last.clicks) + 1);
        before = now;
        now = board.Key();
        board.Pack(here.data());
      }
    }
  }
  EXPECT_GT(back, 0);
  EXPECT_GT(undone, 0);
}

}  // namespace
}  // namespace tarnik::solver
