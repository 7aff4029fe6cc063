#include "solver/search.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "solver/engine_board.h"
#include "solver/flat_board.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/rules_cache.h"
#include "solver/sandbox.h"
#include "solver/second_thread.h"
#include "solver/spare_memory.h"
#include "solver/strategy.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t kSlice = 128;  // expansions a strategy makes in its turn
constexpr int32_t kMostTurns = 8;  // turns in a row for a strategy bringing cards home
constexpr int64_t kProgressMs = 50;
// Near its bound, the search has the allocator hand back its free pages
// each time it has grown by another 1/kTrimStep of its memory.
constexpr int64_t kTrimStep = 32;
// A search of the window (SolveOptions::handBackMemory) that held more
// than this has the allocator hand its free pages back when it ends, so
// that the program does not keep the memory of its longest search (the
// deal check's, up to hundreds of megabytes) until it quits.
constexpr int64_t kTrimAfterBytes = int64_t{32} << 20;
constexpr int64_t kAloneAfter = 2;  // strategies share the first 1/kAloneAfter of the budget
// Where runs are lifted whole (no free cells limit them), the strategy on
// progress moves only takes turns this many times as long: there it wins
// most of the deals that are won at all, and it never holds many positions.
// The proofs of loss a second allows are short: at one second a deal
// (seeds 1-200), turns 4, 8, 16 and 64 times as long prove the same
// Klondike and Yukon deals lost, and from 8 on Yukon seed 162 is won.
constexpr int64_t kProgressSlices = 16;
// The strategy by stock phase takes turns this many slices: where it
// plays, the others seldom bring a run home (Spider, seeds 1-20 at
// 1,000,000 positions: 11 won with turns of 512 expansions, 14 with 2,048).
constexpr int64_t kPhasedSlices = 16;
// Where it plays, two strategies by stock phase side by side, with shares
// of 2,000 and 1,000 expansions a phase and round, the first weighing an
// empty column twice (kRunEstimateOpen): which share and which estimate win
// a deal vary from deal to deal (Spider, seeds 1-20 at 800,000 positions:
// 13 won with the larger share alone, 14 with both; seeds 1-40 at
// 2,000,000 positions: 32 won with one estimate, 34 with both).
struct PhasedKind {
  int64_t share;
  int32_t estimate;
};
constexpr PhasedKind kPhased[] = {{2000, kRunEstimateOpen}, {1000, kRunEstimate}};
// A search by stock phase that has not won by half its budget mostly
// wanders, yet a way of searching a little different wins some of those
// deals. So at half the budget the two are let go and two others start
// afresh: the one with the open estimate deals only where no other move
// betters the position (StrategyKind::dealAtBest: a phase then queues
// only positions at their best before the deal), the other's phases'
// shares grow with the cards dealt, the phase with every card dealt
// getting this many percent of the first's. Each wins deals the other
// never wins (Spider, seeds 1-200 at 2,400,000 positions: 163 won with
// both growing their shares, 166 with both dealing at their best, 167
// so; dealing at its best from the start won 15 deals not won before but
// lost 21 won early).
constexpr int32_t kAfreshLastShare = 300;
// ... but only once the search has stored this many positions: in a
// shorter one many wins come late (Spiderette at one second a deal, seeds
// 1-40: 26 won, 22 when the two started afresh at half a second).
constexpr int64_t kAfreshAfter = 1000000;

// Where a stock is dealt once to a waste, the beam by stock phase gives
// each phase this share of expansions a round and weighs disorder thus
// (Forty Thieves, seeds 1-50 at 100,000 positions: 18% won without it;
// shares of 1,000, 300, 100 and 50 won 12, 18, 20 and 20%, and with the
// share of 100 a disorder of 0, 2 and 6 won 18, 20 and 22%).
constexpr int64_t kBeamShare = 100;
constexpr int32_t kBeamDisorder = 6;

// Where free cells limit the runs lifted, one more depth-first strategy
// adds up to this many points less one to each child's estimate, drawn
// from its key (FreeCell, seeds 1-1000 at 400,000 positions: 1,920,241
// positions expanded without it, 1,511,993 to 1,804,433 with it as the
// key was mixed four ways, see kShakeSeed; with the estimate that minds
// disorder instead, 1,811,966 against 1,656,628 for the mix 19088743).
constexpr int32_t kShake = 10;

// Where free cells limit the runs lifted: beside best first and the eager
// depth-first strategies, a best first minding the cards that must make
// way and the free cells (kBlockerEstimate, "the quick one"), and two
// depth-first strategies that make children lazily (StrategyKind::lazy),
// one minding the same, one disorder. A deal is mostly won early by one of
// them or late by one that wanders less, and which one varies from deal to
// deal; so each takes turns of its own length, and the quick, lazy, shaken
// and progress ones are let go once they have searched some positions
// without a win. The first lazy one searches alone first (see
// kAloneMost): it wins most deals within a few hundred positions, each
// cheaper than a best first's (a best first weighs every child). The
// turns and counts were chosen on each strategy's positions to a win
// searching alone (FreeCell seeds 1-2000), weighing each position by its
// strategy's time, and checked on seeds 2001-3000, FreeCell (Two Cells)
// and Baker's Game (docs/solver.md,
// "FreeCell in fewer positions, second round"). Positions in all at
// 400,000, FreeCell seeds 1-1000, 1001-2000, 2001-3000: without the lazy
// ones 1,536,244 and 1,077,447 (the first two); without the quick one
// 806,131, 700,024, 1,181,517; turns of 128, 256 or 512, the first lazy
// one alone for 300, 657,275, 519,395, 777,221; as below, 601,508,
// 508,387, 718,099.
struct Share {
  int64_t turn;  // expansions a turn
  int64_t most;  // positions searched without a win before it is let go
};
constexpr int64_t kNever = INT64_MAX;
constexpr Share kQuickShare{256, 1200};
constexpr Share kBestShare{512, kNever};
constexpr Share kLeadShare{64, kNever};  // depth first minding disorder
constexpr Share kBuildsShare{256, kNever};  // depth first minding builds only
constexpr Share kProgressShare{128, 800};
constexpr Share kShakenShare{128, 600};
// Minding blockers, disorder, blockers shaken (kLazyShake).
constexpr Share kLazyShares[] = {{64, 600}, {256, 1200}, {64, 600}};
// The first lazy strategy, then the shaken one, search alone first, each
// while it brings cards home: until it has expanded its stall count of
// positions without a card home beyond its best, kAloneMost at most. A
// lazy strategy that wins goes nearly straight down (seeds 1-1000 alone:
// 528 of its wins expanded fewer than 25 positions off the winning path),
// and one that wanders long seldom wins soon; a second way down, its
// estimate shaken by up to 40 points, wins many of the deals the first
// misses. FreeCell seeds 1-8000 at 100,000 positions (docs/solver.md,
// "FreeCell's heavy deals"): 3,161,417 positions expanded with the first
// alone for 384; 3,021,356 alone while it brings cards home; 3,016,871
// with the shaken one after it.
constexpr int64_t kAloneMost = 1024;
constexpr int64_t kFirstStall = 240;
constexpr int64_t kShakenStall = 128;
// While fewer cards than one in kFewHome of the deck are home, each
// lazy strategy searching alone is let go sooner, after kFirstFewStall
// and kShakenFewStall positions without a card home beyond its best: one
// that wanders at a few cards home seldom wins soon (seeds 1-8000 alone:
// of the first's searches past 128 positions with fewer than four cards
// home, one in five won), and the strategies after it win such deals
// cheaper. FreeCell seeds 1-8000 at 100,000 positions (docs/solver.md,
// "FreeCell's heavy deals, second round"): 3,016,871 positions without,
// 2,964,450 with.
constexpr int32_t kFewHome = 13;
constexpr int64_t kFirstFewStall = 96;
constexpr int64_t kShakenFewStall = 48;
constexpr int32_t kLazyShake = 40;
constexpr int64_t kAloneStep = 16;  // expansions between looks at the cards home

// Searches are heavy-tailed: one way of searching wins a deal at once where
// another wanders for long, and which one varies from deal to deal. So
// several strategies take turns on the same budget; the first to win, or
// to search every reachable position (which proves the deal lost), answers.
class Portfolio {
 public:
  // Searches on flat positions when `flat` and the rules compile, else on
  // the engine's table.
  Portfolio(const SolverTable& table, const SolveOptions& options, bool flat)
      : options_(options), start_(Clock::now()), table_(table), compiled_(RulesOf(table)),
        rules_(&compiled_->rules) {
    start_position_ = &table.position;
    flat_ = flat && compiled_->flatCompiles && FlatStartFits(table.position, rules_->pileCount);
    // A redeal reads the random state only to interleave the cards of
    // several piles: only then does a search need rules of its own.
    flatRules_ = &compiled_->flat;
    if (flat_ && rules_->redealGivers > 1 && flatRules_->randomState != table.randomState) {
      ownFlat_ = std::make_unique<FlatRules>(compiled_->flat);
      ownFlat_->randomState = table.randomState;
      flatRules_ = ownFlat_.get();
    }
    if (rules_->stock >= 0) {
      noStock_ = std::make_unique<TableRules>(*rules_);
      noStock_->stock = noStock_->waste = -1;
    }
    shared_ = rules_->nothingBuilds;
    deckSize_ = rules_->deckSize;
    wholeRuns_ = flat_ && !(flatRules_->anyFlags & PileFlags::NeedFreeCells);
    progressProves_ = flat_ && flatRules_->progressProves;
    // Where whole runs go home and no stock is gone through again, the
    // strategies by stock phase win the deals that are won; of the others
    // only the lead (depth first) plays beside them, for proofs of loss,
    // and the rest of the time is theirs.
    const bool byRuns = !shared_ && flat_ && PlaysByRuns();
    // Best first; depth first; depth first that minds only whether cards
    // build on each other, not how far a card lies out of order; and, with
    // a simple stock, best first clicking it one click at a time and also
    // minding only whether cards build on each other. Where free cells
    // limit the runs lifted, first of all the quick best first, and each
    // strategy takes turns of its own length (see kQuickShare).
    const bool freeCells = !shared_ && flat_ && !byRuns &&
                           (flatRules_->anyFlags & PileFlags::NeedFreeCells);
    const auto share = [freeCells](const Share& s) { return freeCells ? s : Share{0, kNever}; };
    if (freeCells) Add(StrategyKind{false, true, kBlockerEstimate}, kQuickShare);
    if (!byRuns) Add(StrategyKind{false, true, kDefaultDisorder}, share(kBestShare));
    Add(StrategyKind{true, true, kDefaultDisorder}, share(kLeadShare));
    if (!byRuns) Add(StrategyKind{true, true, 0}, share(kBuildsShare));
    if (rules_->stock >= 0) Add(StrategyKind{false, false, 0});
    // Where each strategy keeps its own positions, also one that plays only
    // moves that make progress, to find wins sooner; it cannot share a set,
    // since the positions it enters it expands only in part.
    size_t progress = SIZE_MAX;
    if (!shared_ && flat_ && !byRuns) {
      progress = strategies_.size();
      Add(StrategyKind{true, true, ProgressEstimate(), true}, share(kProgressShare));
    }
    // Where free cells limit the runs lifted, one more depth-first
    // strategy minding only builds, its near ties shaken (kShake): there
    // each strategy wanders long on a few deals of its own, and one more
    // way through them cuts the longest searches.
    if (freeCells) {
      StrategyKind shaken{true, true, 0};
      shaken.shake = kShake;
      Add(shaken, kShakenShare);
    }
    // Where free cells limit the runs lifted, the two lazy strategies (see
    // kQuickShare), the first minding, beside builds, the cards that lie
    // above cards needed sooner and the free cells (kBlockerEstimate).
    if (freeCells) {
      const int32_t disorders[] = {kBlockerEstimate, kDefaultDisorder, kBlockerEstimate};
      for (size_t k = 0; k < 3; ++k) {
        StrategyKind lazy{true, true, disorders[k]};
        lazy.lazy = true;
        lazy.shake = k == 2 ? kLazyShake : 0;
        Add(lazy, kLazyShares[k]);
      }
      firstAlone_ = strategies_.size() - 3;
    }
    // Best first by stock phase with the estimate by runs, on progress
    // moves and the moves that enable them.
    if (byRuns) {
      // The first two deal from every position; of the two started afresh
      // for the second half of the budget, the one with the open estimate
      // deals at its best, the other's shares grow (see kAfreshLastShare).
      for (const bool late : {false, true}) {
        for (const PhasedKind& phased : kPhased) {
          StrategyKind kind{false, true, phased.estimate, true, true, phased.share};
          const bool open = phased.estimate == kRunEstimateOpen;
          kind.dealAtBest = late && open;
          if (late && !open) kind.lastShare = kAfreshLastShare;
          Add(kind);
          late_.back() = late;
          hasLate_ = hasLate_ || late;
        }
      }
    }
    // Where one stock is dealt once, a card a click, to a waste, a beam by
    // stock phase: each phase spends its share before the next, which goes
    // on from the best positions it reached; every click is a move of its
    // own, so that each phase holds one more card dealt.
    if (!shared_ && flat_ && DealtOnce()) {
      StrategyKind beam{false, false, kBeamDisorder, true, true, kBeamShare};
      beam.fewestDealtFirst = true;
      Add(beam);
    }
    // The complete strategy that goes on alone late in the budget: where
    // each keeps its own set, the first that keeps keys only, since a proof
    // of loss reaches several times as many positions in its memory.
    for (size_t i = 0; i < kinds_.size() && !shared_ && lead_ == 0; ++i)
      if (kinds_[i].keysOnly && kinds_[i].Complete()) lead_ = i;
    // Where runs are lifted whole, a proof of loss is one search of every
    // position by one strategy: the strategy on progress moves where it
    // proves, else the lead. A second core shares that search (StartHelper).
    static const bool twoCores = std::thread::hardware_concurrency() > 1;
    if (options_.secondThreadAfterMs >= 0 && wholeRuns_ && !shared_ && !byRuns && twoCores)
      helped_ = progressProves_ ? progress : lead_;
    // Where strategies by stock phase play, those kept for the second half
    // of the budget search from the start on a second core instead (see
    // StartSide).
    sideWanted_ = options_.secondThreadAfterMs >= 0 && hasLate_ && twoCores;
  }

  // Hands the quiet game on to the next search on this thread; the
  // strategies that play on it go first.
  ~Portfolio() {
    helper_.reset();
    strategies_.clear();
    sets_.clear();
    GiveQuietGame(std::move(game_));
    if (options_.handBackMemory && mostHeld_ > kTrimAfterBytes) ReturnFreedMemory();
  }

  // Lets the strategies take turns until one wins, one has searched every
  // reachable position (with one set of positions each) or all have
  // expanded every position they entered (with one set for all): the deal
  // is lost; or until the budget is spent. Late in the budget only the
  // lead (see lead_) and those that skip moves go on (see OutOfBudget). A
  // strategy that brought a card nearer home than ever in its turn is on
  // its way to a win and takes its next turn at once, up to kMostTurns in
  // a row; it then passes over as many of its later turns, so that over a
  // long search every strategy still gets its share of the budget.
  SolveResult Run() {
    std::vector<bool> done(strategies_.size(), false);
    std::vector<int32_t> ahead(strategies_.size(), 0);  // turns taken early
    // Whether strategy `i` sits the end of the budget out, or, kept for
    // the second half, waits for it.
    const auto resting = [&](size_t i) {
      return (late_[i] && !afresh_) ||
             (alone_ && !done[lead_] && i != lead_ && !letGo_[i] && kinds_[i].Complete());
    };
    if (firstAlone_ < strategies_.size()) {
      if (const auto answer = FirstAlone()) return *answer;
    }
    for (size_t left = strategies_.size();;) {
      for (size_t i = 0; i < strategies_.size(); ++i) {
        if (letGo_[i] && !done[i]) {  // let go for lack of memory
          done[i] = true;
          if (--left == 0) return Finish(Verdict::Unknown, nullptr);
        }
        if (done[i] || resting(i)) continue;
        if (ahead[i] > 0 && !alone_) {
          --ahead[i];
          continue;
        }
        Strategy& s = Built(i);
        const int64_t slice = SliceOf(i);
        for (int32_t turn = 0; turn < kMostTurns && !done[i] && !resting(i); ++turn) {
          const int32_t before = s.BestScore();
          const Strategy::State state = s.Step(slice);
          if (state == Strategy::State::Won) return Finish(Verdict::Won, &s);
          if (state == Strategy::State::Exhausted) {
            done[i] = true;
            --left;
            // A strategy that skips moves a win may need proves nothing by
            // running out.
            if (!s.Complete()) {
              if (EarlyDry(done)) DropKept();
              if (left == 0) return Finish(Verdict::Unknown, nullptr);
              if (!alone_ && RunDry(done)) GoAlone();
            } else if (left == 0 || !shared_) {
              return Finish(Verdict::Lost, nullptr);
            }
          }
          if (OutOfBudget()) return Finish(Verdict::Unknown, nullptr);
          if (const auto answer = HelperAnswer()) return *answer;
          // Let go while the budget was looked at (GoAlone, Afresh, or
          // memory short), it is freed: `s` is gone.
          if (letGo_[i]) break;
          if (s.Expanded() >= most_[i]) {
            LetGo(i);
            break;
          }
          if (letGo_[i] || s.BestScore() <= before) break;
          if (turn + 1 < kMostTurns) ++ahead[i];
        }
      }
    }
  }

  // Whether, where no free cells limit the runs lifted, every strategy
  // that skips moves has run dry (`done`: the strategies finished) without
  // a win: the deal is then mostly lost, and a proof of loss is one search
  // of every position, which the lead should make alone from now on, not
  // each complete strategy once (Yukon seeds 20, 29 and 51 at twenty
  // seconds: proven lost after 1,763,827, 2,288,183 and 2,874,627
  // expansions with every strategy searching, 692,467, 772,919 and
  // 1,040,899 with the lead alone once the progress strategy ran dry).
  bool RunDry(const std::vector<bool>& done) const {
    if (shared_ || !wholeRuns_) return false;
    for (size_t i = 0; i < kinds_.size(); ++i)
      if (!done[i] && !letGo_[i] && !kinds_[i].Complete()) return false;
    return true;
  }

  // The first lazy strategy, then the shaken one, search alone while they
  // bring cards home (see kAloneMost): an answer when one wins, proves the
  // deal lost (it keeps its own set and tries every move) or the budget
  // runs out, else none.
  std::optional<SolveResult> FirstAlone() {
    if (auto answer = Alone(firstAlone_, kFirstStall, kFirstFewStall)) return answer;
    return Alone(firstAlone_ + 2, kShakenStall, kShakenFewStall);
  }

  // Strategy `i` searches alone until it has expanded `stall` positions
  // without a card home beyond its best (`fewStall` while few are home, see
  // kFewHome), or kAloneMost in all; as FirstAlone.
  std::optional<SolveResult> Alone(size_t i, int64_t stall, int64_t fewStall) {
    const int32_t few = deckSize_ / kFewHome;
    int64_t gained = 0;  // positions expanded when it last brought a card home
    int32_t best = -1;
    for (int64_t spent = 0; spent < kAloneMost && !letGo_[i]; spent += kAloneStep) {
      Strategy& s = Built(i);
      if (s.BestScore() > best) {
        best = s.BestScore();
        gained = spent;
      }
      if (spent - gained >= (best < few ? fewStall : stall)) break;
      const Strategy::State state = s.Step(kAloneStep);
      if (state == Strategy::State::Won) return Finish(Verdict::Won, &s);
      if (state == Strategy::State::Exhausted) return Finish(Verdict::Lost, nullptr);
      if ((spent + kAloneStep) % kSlice == 0 && OutOfBudget())
        return Finish(Verdict::Unknown, nullptr);
    }
    return std::nullopt;
  }

  // The expansions strategy `i` makes in a turn.
  int64_t SliceOf(size_t i) const {
    if (turns_[i] > 0) return turns_[i];
    const StrategyKind& kind = kinds_[i];
    if (!kind.Complete())
      return kSlice * (kind.phased ? kPhasedSlices : wholeRuns_ ? kProgressSlices : 1);
    return kSlice;
  }

  // The kinds of the strategies, in the order they take turns.
  const std::vector<StrategyKind>& Kinds() const { return kinds_; }

  // Whether a won answer's line came from the flat positions and does not
  // win when the engine replays it: the search must be made again on the
  // engine's table. Never expected; the flat generator's tests guard it.
  bool Disowned() const { return disowned_; }

 private:
  // Adds a strategy that searches from the start position, with a set of
  // positions of its own unless the strategies share one; it takes turns
  // of `share.turn` expansions (0: as SliceOf says) and is let go once it
  // has expanded `share.most` positions without a win. The strategy itself
  // is made on its first turn (Built).
  void Add(StrategyKind kind, Share share = {0, kNever}) {
    turns_.push_back(share.turn);
    most_.push_back(share.most);
    // Depth first needs no position back but those on its stack.
    kind.keysOnly = kind.depthFirst && !kind.phased;
    kinds_.push_back(kind);
    strategies_.emplace_back();
    letGo_.push_back(false);
    late_.push_back(false);
    if (sets_.empty() || !shared_) sets_.emplace_back();
  }

  // Strategy `i`, built when its first turn comes: most deals are won by
  // the first strategy to play, and the boards and key sets of the others
  // would be made and cleared for nothing.
  Strategy& Built(size_t i) {
    if (!strategies_[i]) strategies_[i] = Made(i);
    return *strategies_[i];
  }

  // A new strategy of kind `i` on a board of its own, entering positions
  // in the set of strategy `i`.
  std::unique_ptr<Strategy> Made(size_t i) {
    const StrategyKind& kind = kinds_[i];
    std::unique_ptr<KeySet>& set = sets_[shared_ ? 0 : i];
    if (!set) set = std::make_unique<KeySet>();
    const TableRules& rules = kind.stockRuns || !noStock_ ? *rules_ : *noStock_;
    std::unique_ptr<Board> board;
    if (flat_) board = std::make_unique<FlatBoard>(*flatRules_, rules, &compiled_->dead);
    else board = std::make_unique<EngineBoard>(EngineGame(), rules);
    if (kind.fewestDealtFirst) board->AllowTransfers();
    return std::make_unique<Strategy>(std::move(board), rules, *start_position_, kind, *set);
  }

  // Gives the strategy that proves a deal lost (helped_) a twin on a second
  // thread, once it has started and the search has gone on for
  // SolveOptions::secondThreadAfterMs: the two then share its search
  // (Strategy::JoinAsTwin). The twin keeps its own stack and board; the
  // set of positions is the helped one's, shared from now on.
  void StartHelper() {
    Strategy* helped = strategies_[helped_].get();
    if (!helped || helped->Expanded() == 0) return;
    sets_[helped_]->Share();
    helper_ = std::make_unique<SecondThread>(Made(helped_), *helped);
  }

  // Hands the strategies by stock phase kept for the second half of the
  // budget to a second thread, where they search from now on beside those
  // that play first, with half the search's memory: each pair wins deals
  // the other misses, and each now has the whole budget (four-suit Spider,
  // the deals left unknown at ten seconds: eight of 21 won at twenty).
  void StartSide() {
    sideWanted_ = false;
    std::vector<SecondThread::Own> own;
    for (size_t i = 0; i < strategies_.size(); ++i) {
      if (!late_[i] || letGo_[i]) continue;
      std::unique_ptr<Strategy> made = Made(i);
      own.push_back({std::move(made), std::move(sets_[i])});
      letGo_[i] = true;
    }
    afresh_ = true;  // nothing is kept for later now
    if (own.empty()) return;
    helper_ = std::make_unique<SecondThread>(std::move(own), kSlice * kPhasedSlices,
                                             MostBytes() / 2);
  }

  // Once the search itself has nothing left to try, the answer of the
  // second thread searching with strategies of its own: it goes on until
  // it wins or gives up, the budget is spent or the caller cancels.
  Verdict AwaitSide(Strategy*& winner) {
    if (!helper_ || helped_ < strategies_.size()) return Verdict::Unknown;
    for (size_t i = 0; i < strategies_.size(); ++i)
      if (!letGo_[i]) LetGo(i);
    while (helper_->State() == Strategy::State::Searching) {
      if (OutOfBudget()) return Verdict::Unknown;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (helper_->State() != Strategy::State::Won) return Verdict::Unknown;
    winner = &helper_->Winner();
    return Verdict::Won;
  }

  // The answer once the twin has won, or the twins have expanded every
  // position they entered (a proof of loss: the helped strategy is
  // complete), else none.
  std::optional<SolveResult> HelperAnswer() {
    if (!helper_) return std::nullopt;
    const Strategy::State state = helper_->State();
    if (state == Strategy::State::Won) return Finish(Verdict::Won, &helper_->Winner());
    if (state == Strategy::State::Exhausted && helped_ < strategies_.size() &&
        strategies_[helped_]->Complete())
      return Finish(Verdict::Lost, nullptr);
    return std::nullopt;
  }

  // Whether complete runs go home (AutoSuite, AutoStraight), a stock, if
  // there is one, deals onto the table and no redeal gathers it again (not
  // a simple stock dealing to one waste pile), and some pile lifts runs
  // but lets a card of the deal build on one it does not lift with, or
  // lifts with it across suits where only runs in suit go home: the play
  // is mending runs between deals. Where every build is a run that may go
  // home (Spider in one suit) the progress strategy wins nearly every deal
  // on its own.
  bool PlaysByRuns() const {
    if (!(flatRules_->anyFlags & (PileFlags::AutoSuite | PileFlags::AutoStraight))) return false;
    if (rules_->stock >= 0) return false;
    FlatPosition start;
    FromRecord(*start_position_, flatRules_->pileCount, start);
    CardMask dealt = 0;  // the cards on the table
    for (int32_t k = 0; k < start.start[start.pileCount]; ++k)
      dealt |= CardMask{1} << CardValue(start.cards[k]);
    bool breaks = false;
    for (int32_t p = 0; p < flatRules_->pileCount; ++p) {
      const FlatPile& pile = flatRules_->piles[p];
      if (pile.Has(PileFlags::Redeal) || pile.Has(PileFlags::RedealShow)) return false;
      if (pile.take != FlatTake::Whole && pile.take != FlatTake::Limited) continue;
      for (int32_t b = 0; b < 52 && !breaks; ++b)
        for (int32_t v = 0; v < 52 && !breaks; ++v)
          breaks = InMask(rules_->buildsOn[p][b] & dealt, v) && InMask(dealt, b) &&
                   !MendsRun(pile, v, b);
    }
    return breaks;
  }

  // The estimate of the strategy on progress moves: where a press on any
  // face-up card lifts the cards above it, one that also counts each card
  // lying above a card its goal pile needs home first (kGoalFirstEstimate):
  // such a card must be lifted off before the one below goes home, and
  // wherever a card lies, a group can be made to start from it. Yukon
  // seeds 1-200 at 400,000 positions: 5 more deals won, in two thirds of
  // the expansions; in Klondike, whose columns lift runs only, the same
  // deals won in two fifths more.
  int32_t ProgressEstimate() const {
    if (!compiled_->dead.buried.active) return kDefaultDisorder;
    for (int32_t p = 0; p < flatRules_->pileCount; ++p)
      if (flatRules_->piles[p].take == FlatTake::Pressed) return kGoalFirstEstimate;
    return kDefaultDisorder;
  }

  // Whether one stock deals its cards once, a card a click, to one waste
  // pile that takes no drops: each click is a step that cannot be undone.
  bool DealtOnce() const {
    if (start_position_->Bytes[kRedealsOffset] != 0) return false;
    int32_t stocks = 0, wastes = 0;
    for (int32_t p = 0; p < flatRules_->pileCount; ++p) {
      const FlatPile& pile = flatRules_->piles[p];
      if (pile.Has(PileFlags::Redeal) || pile.Has(PileFlags::RedealShow)) return false;
      stocks += pile.Has(PileFlags::ManualFillSource);
      if (!pile.Has(PileFlags::ManualFillDest)) continue;
      if (!pile.placementNone || pile.cardsPerClick != 1) return false;
      ++wastes;
    }
    return stocks == 1 && wastes == 1;
  }

  // The quiet game the engine plays on, laid out when first needed: a
  // search on flat positions needs it only to check its winning line.
  Game& EngineGame() {
    if (!game_) {
      game_ = TakeQuietGame();
      LoadTable(table_, *game_);
    }
    return *game_;
  }

  // Whether the engine, carrying out `line` from the start, wins.
  bool EngineWins(const std::vector<SolverAction>& line) {
    const bool laidOut = !game_;  // a game laid out now stands at the start
    Game& game = EngineGame();
    if (!laidOut) LoadPosition(game, *start_position_);
    const uint32_t anyFlags = AnyPileFlags(game);
    for (const SolverAction& a : line) ApplyAction(game, a, anyFlags);
    return IsWon(game, *rules_);
  }

  // Whether the budget is spent or the caller cancelled; reports progress
  // on the way, and sends the lead on alone late in the budget.
  bool OutOfBudget() {
    if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
      cancelled_ = true;
      return true;
    }
    int64_t stored = helper_ ? helper_->Stored() : 0;
    for (const auto& s : strategies_) stored += s ? s->Stored() : 0;
    stored += gone_.stored;
    if (stored >= options_.maxNodes) return true;
    // What the search holds is added up once a turn, and again only after
    // something was freed.
    Held held = HeldNow();
    TrimWhenGrown(held.bytes);
    // Short of memory, the spares kept for later searches go first.
    while (OutOfMemory(held)) {
      if (!FreeSpares() && !LetOthersGo()) return true;
      ReturnFreedMemory();
      held = HeldNow();
    }
    const int64_t ms = ElapsedMs();
    if (helped_ < strategies_.size() && !helper_ && ms >= options_.secondThreadAfterMs)
      StartHelper();
    if (sideWanted_ && ms >= options_.secondThreadAfterMs) StartSide();
    // Late in the budget, what is left to decide is mostly deals that only
    // a search of every position can prove lost: of the complete strategies
    // the lead goes on alone, so that such a proof costs one search, not
    // one per strategy, and the others free their memory; the strategy on
    // progress moves goes on beside it, since deep wins in games of long
    // runs are mostly its own.
    const bool half =
        stored * kAloneAfter >= options_.maxNodes || ms * kAloneAfter >= options_.maxMilliseconds;
    if (!alone_ && half) GoAlone();
    // The strategies by stock phase kept for then start afresh, in a
    // search long enough (see kAfreshAfter).
    if (half && stored >= kAfreshAfter) Afresh();
    if (options_.progress && ms - lastProgress_ >= kProgressMs) {
      lastProgress_ = ms;
      options_.progress({Expanded(), ms, BestScore(), deckSize_});
    }
    return ms >= options_.maxMilliseconds;
  }

  // What the search holds: its strategies and key sets, the thread's spare
  // blocks and tables, and what the second thread may hold.
  Held HeldNow() const {
    Held h;
    h.bytes = SpareBytes() + (ownFlat_ ? static_cast<int64_t>(sizeof(FlatRules)) : 0);
    if (helper_) h.bytes += helper_->Reserved();
    for (const auto& set : sets_)
      if (set) h.Add(*set);
    for (const auto& s : strategies_)
      if (s) h.Add(*s);
    return h;
  }

  // Whether the next growth of a store could take the search past its
  // memory: a store that grows holds its old and its new block at once,
  // so room is kept for the largest block twice over, and for what a key
  // set would add as it grows: between two looks one strategy takes one
  // turn, entering its keys in one set (by stock phase, mostly one).
  bool OutOfMemory(const Held& held) const {
    return held.bytes + held.Needed() > MostBytes();
  }

  // Past half its memory, each time the search has grown by another
  // 1/kTrimStep of it, has the allocator hand back its free pages (see
  // ReturnFreedMemory): the holes it keeps would otherwise come on top of
  // what the search counts. `held`: the bytes it holds now.
  void TrimWhenGrown(int64_t held) {
    const int64_t most = MostBytes();
    mostHeld_ = std::max(mostHeld_, held);
    trimmedAt_ = std::min(trimmedAt_, held);
    if (held * 2 > most && (held - trimmedAt_) * kTrimStep >= most) {
      ReturnFreedMemory();
      trimmedAt_ = held;
    }
  }

  int64_t MostBytes() const { return std::min(options_.maxBytes, kMostSearchBytes); }

  // When memory runs short, strategies are let go, their positions freed,
  // and the others go on with the rest of the budget. Where the strategy
  // by stock phase plays, the others seldom win: they all go, and when
  // memory runs short again a beam lets go of its earliest phases. Elsewhere
  // the lead goes on alone first (GoAlone); if it already does, the one
  // holding the most goes, while another is left: in a deck of four packs
  // best first fills the memory within seconds, storing some twenty
  // positions for each it expands, while depth first holds few. A
  // strategy let go proves nothing, but those left still may. False when
  // there is none to let go.
  bool LetOthersGo() {
    if (shared_) return false;
    bool byPhase = false;
    for (size_t i = 0; i < kinds_.size(); ++i)
      byPhase = byPhase || (!letGo_[i] && kinds_[i].phased);
    if (!byPhase && !alone_ && GoAlone()) return true;
    if (!byPhase) return LetLargestGo(false);
    size_t freed = 0;
    for (size_t i = 0; i < strategies_.size(); ++i)
      if (!letGo_[i] && !kinds_[i].phased) LetGo(i), ++freed;
    // The strategies by phase go on together (those kept for the second
    // half start early); once they alone are left, a beam lets go of its
    // earliest phases, and of two or more the one holding the most goes.
    if (Afresh()) return true;  // the first ones go, those kept start
    for (size_t i = 0; i < strategies_.size() && freed == 0; ++i)
      if (strategies_[i] && strategies_[i]->Shed()) ++freed;
    return freed > 0 || LetLargestGo(true);
  }

  // Of two or more strategies still playing (with `phasedOnly`, by stock
  // phase and built), lets the one holding the most go, so that the others
  // go on in its memory; false when one or none is left.
  bool LetLargestGo(bool phasedOnly) {
    size_t most = strategies_.size(), alive = 0;
    for (size_t i = 0; i < strategies_.size(); ++i) {
      if (letGo_[i] || (phasedOnly && (!kinds_[i].phased || !strategies_[i]))) continue;
      ++alive;
      if (most == strategies_.size() || BytesOf(i) > BytesOf(most)) most = i;
    }
    if (alive < 2) return false;
    LetGo(most);
    return true;
  }

  // The bytes strategy `i` and its own key set hold (none before it is built).
  int64_t BytesOf(size_t i) const {
    return (strategies_[i] ? strategies_[i]->Bytes() : 0) + (sets_[i] ? sets_[i]->Bytes() : 0);
  }

  // Frees strategy `i` and its positions, keeping what it counted; its
  // twin, if it has one, goes first, and no other is made for it.
  void LetGo(size_t i) {
    if (i == helped_) {
      if (helper_) KeepCounts(*helper_);
      helper_.reset();
      helped_ = SIZE_MAX;
    }
    if (strategies_[i]) KeepCounts(*strategies_[i]);
    strategies_[i].reset();
    sets_[i].reset();
    letGo_[i] = true;
  }

  // Sends the lead on alone; the complete strategies that sit the rest of
  // the budget out free their positions and keys (unless the strategies
  // share one set, where every one of them must finish for a proof).
  // Where progress moves alone prove a deal lost (ProgressProves), the
  // lead goes too: the strategy on progress moves makes the proof.
  // Whether any was let go.
  bool GoAlone() {
    alone_ = true;
    if (shared_) return false;
    bool freed = false;
    for (size_t i = 0; i < strategies_.size(); ++i) {
      if ((i == lead_ && !progressProves_) || letGo_[i] || !kinds_[i].Complete()) continue;
      LetGo(i);
      freed = true;
    }
    return freed;
  }

  // Adds what a strategy (or a twin's helper) let go had stored, expanded
  // and brought home to gone_.
  template <typename Searcher>
  void KeepCounts(const Searcher& s) {
    gone_.stored += s.Stored();
    gone_.expanded += s.Expanded();
    gone_.best = std::max(gone_.best, s.BestScore());
  }

  // Lets the strategies by stock phase that played so far go and starts
  // those kept for the rest of the budget. False when there are none, or
  // they have started already.
  bool Afresh() {
    if (!hasLate_ || afresh_) return false;
    afresh_ = true;
    for (size_t i = 0; i < strategies_.size(); ++i)
      if (kinds_[i].phased && !late_[i] && !letGo_[i]) LetGo(i);
    return true;
  }

  // Lets the strategies by stock phase kept for the second half go before
  // they start: those that played first ran dry, and the same moves from
  // the same start reach the same positions in any order.
  void DropKept() {
    afresh_ = true;
    for (size_t i = 0; i < strategies_.size(); ++i)
      if (late_[i] && !letGo_[i]) LetGo(i);
  }

  // Whether every strategy by stock phase that plays first has run dry.
  bool EarlyDry(const std::vector<bool>& done) const {
    if (!hasLate_ || afresh_) return false;
    for (size_t i = 0; i < kinds_.size(); ++i)
      if (kinds_[i].phased && !late_[i] && !done[i] && !letGo_[i]) return false;
    return true;
  }

  // Positions expanded by all strategies together.
  int64_t Expanded() const {
    int64_t n = gone_.expanded + (helper_ ? helper_->Expanded() : 0);
    for (const auto& s : strategies_) n += s ? s->Expanded() : 0;
    return n;
  }

  // The most cards on the goal piles any strategy has seen.
  int32_t BestScore() const {
    int32_t best = std::max(gone_.best, helper_ ? helper_->BestScore() : 0);
    for (const auto& s : strategies_) best = s ? std::max(best, s->BestScore()) : best;
    return best;
  }

  // Milliseconds since the search began.
  int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  // The answer, with the winner's line when there is one.
  SolveResult Finish(Verdict verdict, Strategy* winner) {
    if (verdict == Verdict::Unknown && !cancelled_) verdict = AwaitSide(winner);
    if (helper_) helper_->Stop();
    SolveResult result;
    result.verdict = verdict;
    result.nodes = Expanded();
    result.elapsedMs = ElapsedMs();
    result.cancelled = cancelled_;
    if (winner) result.actions = winner->WinningLine();
    if (winner && flat_ && !EngineWins(result.actions)) disowned_ = true;
    return result;
  }

  const SolveOptions& options_;
  Clock::time_point start_;
  const SolverTable& table_;
  std::unique_ptr<Game> game_;  // shared by the strategies; made when first needed
  std::shared_ptr<const CompiledRules> compiled_;
  const TableRules* rules_;
  // The rules without the simple stock, for the strategies that click it
  // one click at a time.
  std::unique_ptr<TableRules> noStock_;
  // Where no card is ever built on another, the positions are few and
  // every way of searching soon meets the others' positions: the
  // strategies share one set, so that each position is expanded once and
  // a proof of loss costs one search. Elsewhere each keeps its own, since
  // a strategy that finds a position another entered but has not yet
  // expanded would lose its own way through it.
  bool shared_ = false;
  const FlatRules* flatRules_ = nullptr;
  std::unique_ptr<FlatRules> ownFlat_;  // the rules with this table's random state
  bool flat_ = false;  // the strategies search on flat positions
  bool disowned_ = false;
  std::vector<std::unique_ptr<KeySet>> sets_;  // made with the first strategy that uses each
  std::vector<StrategyKind> kinds_;
  std::vector<std::unique_ptr<Strategy>> strategies_;  // null until built, or once let go
  std::vector<bool> letGo_;
  std::vector<int64_t> most_;  // the positions each strategy may expand without a win
  std::vector<int64_t> turns_;  // each strategy's turn in expansions, or 0 for kSlice's multiple
  const PositionRecord* start_position_ = nullptr;
  int64_t lastProgress_ = 0;
  int64_t trimmedAt_ = 0;  // the bytes held when the allocator last trimmed
  int64_t mostHeld_ = 0;   // the most bytes held at a look (TrimWhenGrown)
  bool alone_ = false;  // of the complete strategies only the lead goes on
  // The strategies by stock phase kept for the second half of the budget
  // (see kAfreshAfter), whether there are any, and whether they play.
  std::vector<bool> late_;
  bool hasLate_ = false, afresh_ = false;
  size_t firstAlone_ = SIZE_MAX;  // the lazy strategy that goes first alone, if any
  size_t lead_ = 0;  // the complete strategy that goes on alone late in the budget
  // What the strategies let go had stored, expanded and brought home.
  struct {
    int64_t stored = 0, expanded = 0;
    int32_t best = 0;
  } gone_;
  int32_t deckSize_ = 52;
  bool wholeRuns_ = false;  // on flat positions, and no free cells limit the runs lifted
  // Whether the strategy on progress moves proves a deal lost by running
  // out of positions (ProgressProves).
  bool progressProves_ = false;
  bool cancelled_ = false;
  // The strategy that gets a twin on a second thread, if any; whether the
  // strategies kept for the second half go to a second thread instead
  // (StartSide); and that thread.
  size_t helped_ = SIZE_MAX;
  bool sideWanted_ = false;
  std::unique_ptr<SecondThread> helper_;
};

}  // namespace

std::vector<StrategyKind> SearchKinds(const SolverTable& table) {
  const SolveOptions options;
  return Portfolio(table, options, true).Kinds();
}

SolveResult Search(const SolverTable& table, const SolveOptions& options) {
  auto search = std::make_unique<Portfolio>(table, options, true);
  SolveResult result = search->Run();
  if (!search->Disowned()) return result;
  // The engine is the judge: search again on its table, with what is left
  // of the time.
  SolveOptions rest = options;
  rest.maxMilliseconds = std::max<int64_t>(0, options.maxMilliseconds - result.elapsedMs);
  search = std::make_unique<Portfolio>(table, rest, false);
  return search->Run();
}

}  // namespace tarnik::solver
