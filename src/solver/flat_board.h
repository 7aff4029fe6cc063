// The board on a flat position: the compiled rules list and make every move
// without the engine's table, for the games whose rules compile.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "solver/board.h"
#include "solver/flat_dead_end.h"
#include "solver/flat_moves.h"
#include "solver/flat_position.h"
#include "solver/flat_return.h"
#include "solver/flat_rules.h"
#include "solver/goal_order.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// No estimate asked yet (no strategy's disorder).
constexpr int32_t kNoDisorder = INT32_MIN;

class FlatBoard : public Board {
 public:
  // The rules (and `dead`, the compiled check of dead ends, when given)
  // must outlive the board; without `dead` the board compiles its own.
  FlatBoard(const FlatRules& flat, const TableRules& rules, const DeadEndRules* dead = nullptr);
  void LoadStart(const PositionRecord& start) override;
  void Load(const unsigned char* packed) override;
  void LoadCurrent(const unsigned char* packed) override;
  void ListMoves(std::vector<Choice>& out) override;
  void Play(const Choice& choice, std::vector<SolverAction>& line) override;
  void FollowForced(std::vector<SolverAction>& line) override;
  PositionKey Key() override;
  void Pack(unsigned char* out) override;
  int32_t Estimate(int32_t disorder) override;
  int32_t Score() override;
  bool Won() override;
  bool Progressed(const Choice& choice) override;
  Outlook Foresee(const Choice& choice) override;
  bool ComesBack(const Choice& choice) override {
    return FromGoal(returns_, *flat_, choice) &&
           ComesBackFrom(returns_, *flat_, rules_, base_, choice);
  }
  int32_t UndoCount(const Choice& choice, bool forced) override {
    return tarnik::solver::UndoCount(returns_, *flat_, base_, current_, choice, forced);
  }
  bool Undoes(const Choice& choice, const SolverAction& last, int32_t count) override {
    return tarnik::solver::Undoes(base_, choice, last, count);
  }
  bool Enables(const Choice& choice) override;
  bool DeadEnd() override;
  int32_t MoveRank(const Choice& choice) override;
  int32_t StockCards() override;
  void AllowTransfers() override {
    transfers_ = true;
    idlePiles_ = 0;  // a drag may play through empty piles
    progressProves_ = wasteWaits_ = false;
  }
  bool ProgressProves() const override { return progressProves_; }
  int32_t AwaitedPile(const Choice& choice) override;
  void Await(int32_t pile) override { awaited_ = pile; }
  int64_t Bytes() const override {
    return sizeof(*this) + kRecent * sizeof(Recent) +
           (worthMemo_ ? kWorthMemos * static_cast<int64_t>(sizeof(WorthMemo)) : 0) +
           static_cast<int64_t>(pileDistanceMade_.size() * (53 * sizeof(DistanceRow) + 8)) +
           static_cast<int64_t>(oneTerms_.capacity() * sizeof(PositionKey)) +
           static_cast<int64_t>(turns_.at.capacity() * (sizeof(FlatPosition) + sizeof(uint32_t)));
  }

 private:
  PositionKey PileKeyOf(const FlatPosition& pos, int32_t p) const;
  PositionKey TermOf(const FlatPosition& pos, int32_t p);
  void MakeOneTermTables();
  void Based(const unsigned char* packed, bool anyDown);
  bool Tableau(int32_t p) const;
  // For each card, the cards its goal pile needs home first, where the
  // check of cards shut in worked them out (see kGoalFirstEstimate).
  const CardMask* GoalFirst() const {
    return dead_->buried.goalOrdered ? dead_->buried.goalFirst : nullptr;
  }
  bool LikePiles(int32_t p, int32_t q) const;
  uint64_t PilesHolding(const FlatPosition& pos, CardMask cards) const;
  uint64_t PilesReadingGoals(const FlatPosition& pos, int32_t disorder) const;
  bool SameGoalTops() const;
  int32_t BuildOn(int32_t p, uint8_t below, uint8_t card) const;
  bool BuildsBetter(int32_t from, int32_t to, int32_t below, uint8_t card) const;
  // A pile's top run as Enables reads it (see TopRunOf); bottom -1: none.
  struct TopRun {
    int8_t bottom = -1;
    int8_t card = -1;
    bool partMended = false;
  };
  TopRun TopRunOf(const FlatPosition& pos, int32_t q) const;
  bool MendsOn(int32_t q, const TopRun& run, int32_t under, CardMask builds) const;
  void SeeBaseRuns();
  static bool RunsGoHome(const FlatPile& p);
  int32_t CurrentScore();
  int32_t BaseScore();
  CardMask BaseTakes();
  CardMask BaseOpen();
  bool WasteWaitsFor(int32_t card);
  bool TwinBefore(int32_t from, int32_t to) const;

  const FlatRules* flat_;
  const TableRules& rules_;
  std::unique_ptr<DeadEndRules> ownDead_;
  const DeadEndRules* dead_;  // where the check of dead ends holds
  BuriedMemo buriedMemo_;     // the sets of cards it found shut in last
  FlatPosition base_;     // the position being expanded
  FlatPosition current_;  // … after the move being played
  FlatPosition clicked_;  // … after some clicks on the stock
  FlatPosition scratch_;  // working room for listing moves
  int32_t clicks_ = -1;   // the clicks `clicked_` holds
  StockTurns turns_;      // the positions the listing's stock turn passed
  bool transfers_ = false;  // runs carried through empty piles are moves
  // What the position being expanded gives each pile, so that a move
  // recomputes only the piles it changed: its digest, and its worth with
  // the goal piles' wants and the disorder of the last estimate.
  PositionKey baseTerms_[kMaxPiles];
  PositionKey baseSum_;
  int32_t baseWorth_[kMaxPiles] = {};
  int32_t baseTotal_ = 0;  // the sum of baseWorth_
  CardMask baseWanted_ = 0;
  GoalDistance baseDistance_{};  // where some pile gives cards only to goal piles
  int32_t baseDisorder_ = kNoDisorder;  // baseWorth_ not yet made
  uint64_t walkedPiles_ = 0;  // piles whose worth may read the goal piles
  uint64_t stockPiles_ = 0;  // piles a click deals from (ManualFillSource)
  uint64_t runsGoHome_ = 0;  // piles whose runs may go home whole (RunsGoHome)
  uint64_t tableauPiles_ = 0;  // piles that are neither goal piles nor stocks (Tableau)
  uint64_t cellPiles_ = 0;  // piles that hold one card at most
  // Tableau piles a drag from which Foresee may judge unplayed: where
  // a drag moves its cards and nothing else (no sorting, filling, runs or
  // automatic play, no runs carried through empty piles), and the pile
  // gives up the card pressed with those above it.
  uint64_t idlePiles_ = 0;
  // Whether the moves Progressed leaves out are never needed for a win
  // (FlatRules::progressProves, unless runs carried through empty piles
  // are moves); and, among them, drags from the waste onto which no open
  // card goes (WasteWaits).
  bool progressProves_ = false;
  bool wasteWaits_ = false;
  int32_t awaited_ = -1;  // the pile whose top base_ waits to have built on (Await)
  // Tableau piles that hold more than one card: a card taken off one
  // leaves the card it lay on (MoveRank).
  uint64_t columnPiles_ = 0;
  // The cards the top runs of base_'s tableau piles could lift onto
  // another pile's card, once made, and for each the piles it lies on.
  CardMask baseLifted_ = 0;
  uint64_t liftedFrom_[64] = {};
  bool baseRunsMade_ = false;
  int32_t baseScore_ = -1;   // FlatScore of base_; -1: not made yet
  CardMask baseTakes_ = 0;   // FlatWanted of base_, once made
  bool baseTakesMade_ = false;
  CardMask baseOpen_ = 0;  // OpenCards of base_, once made
  bool baseOpenMade_ = false;
  std::vector<SolverAction> listing_;
  std::vector<SolverAction> clickRow_;  // clicks on the stock (AddClicks)
  void AddClicks(int32_t count, std::vector<SolverAction>& line);
  GoalMemo goalMemo_;  // what the forced actions last read off the goal piles
  ReturnMemo returns_;  // cards taken off goal piles that came straight back
  // The positions packed last, with what their piles give the key and the
  // estimate: loading one of them again (best first packs a position and
  // loads it at once; depth first next loads the best child it packed)
  // takes these instead of digesting and weighing every pile again.
  struct Recent {
    // The packed bytes; 0: no position, and nothing else of it is read
    // (so a new one sets this alone).
    int32_t size = 0;
    unsigned char packed[kMaxPiles + kMaxCards + 1];
    PositionKey terms[kMaxPiles];
    PositionKey sum;
    int32_t worth[kMaxPiles];
    CardMask wanted;
    GoalDistance distance;  // where the worths read it
    int32_t disorder;  // of the worths; kNoDisorder: none kept
  };
  static constexpr int32_t kRecent = 8;
  void ForgetMade();
  void Remember(const unsigned char* packed, int32_t size);
  const Recent* Recall(const unsigned char* packed, int32_t size) const;
  std::unique_ptr<Recent[]> recent_;
  // The terms of the piles that hold one card at most (free cells), one
  // table of 257 for each of their classes (empty, then by card byte),
  // made as the cards come (a zero entry: not made yet): such a pile's
  // term is then a look-up instead of a digest.
  uint64_t oneTermPiles_ = 0;
  int32_t oneTermTable_[kMaxPiles] = {};
  std::vector<PositionKey> oneTerms_;
  int32_t nextRecent_ = 0;
  // What Key and Estimate made for current_ since it last changed: the
  // terms and worths of the piles they worked out again.
  bool keyed_ = false;
  uint64_t keyedPiles_ = 0;
  PositionKey currentTerms_[kMaxPiles];
  PositionKey currentSum_;
  int32_t weighedDisorder_ = kNoDisorder;
  uint64_t weighedPiles_ = 0;
  int32_t currentWorth_[kMaxPiles];
  CardMask currentWanted_ = 0;
  GoalDistance currentDistance_{};  // where the worths read it
  // What the goal piles' tops give the estimate, made lately, by the tops
  // (GoalContext): the cards they want and, for an estimate that reads
  // them, the goal distances.
  static constexpr int32_t kMemoGoals = 8;
  static constexpr int32_t kTopsMemoBits = 6;  // the top bits of a multiplicative hash
  static constexpr int32_t kTopsMemos = 1 << kTopsMemoBits;
  struct TopsMemo {
    uint64_t context = 0;  // 0: empty
    bool distances = false;  // whether `distance` is made
    CardMask wanted = 0;
    GoalDistance distance;
  };
  const TopsMemo& TopsOf(const FlatPosition& pos, uint64_t context, bool ordered);
  // Each goal pile's own distances by its top card (GoalPileDistances),
  // made when first met, by goal index and top (53 a goal pile), and which
  // are made, a bit a top: goal tops not met together before then cost the
  // least of a few rows instead of a walk of every drop table. A row is
  // padded to 64 bytes so that the least is taken a vector at a time.
  void Distances(const FlatPosition& pos, GoalDistance& out);
  struct DistanceRow {
    uint8_t of[64];
  };
  std::unique_ptr<DistanceRow[]> pileDistance_;
  std::vector<uint64_t> pileDistanceMade_;
  void WeighBase(int32_t disorder, bool ordered);
  TopsMemo topsMemo_[kTopsMemos];
  TopsMemo unmemoed_;  // the tops of a game with too many goal piles for a word
  // Worths of piles weighed lately, by the pile's key term, its place and
  // the goal piles' tops (which fix the cards wanted and the goal
  // distances) with the disorder: a search weighs the same columns under
  // the same goal piles over and over (a card sent home by several
  // siblings, a position rebuilt from its parent and weighed again).
  struct WorthMemo {
    PositionKey term;
    uint64_t context = 0;  // GoalContext with the pile's place; 0: empty
    int32_t disorder = 0;
    int32_t worth = 0;
  };
  static constexpr int32_t kWorthMemos = 1024;
  uint64_t GoalContext(const FlatPosition& pos) const;
  static constexpr uint64_t kContextUnknown = 1;
  uint64_t baseContext_ = kContextUnknown;  // GoalContext(base_) once made
  // What the piles of one position are weighed with: the goal piles' tops
  // (GoalContext), the cards they want, the goal distances, the disorder.
  struct Weighing {
    uint64_t context;
    CardMask wanted;
    const GoalDistance* distance;
    int32_t disorder;
  };
  int32_t PileWorth(const FlatPosition& pos, int32_t p, const PositionKey* term, const Weighing& w);
  int32_t SmallPileWorth(const FlatPosition& pos, int32_t p, const Weighing& w);
  // By pile, the worth of no card, one face-up card and one face-down
  // card, with the disorder it was weighed with (kNoDisorder: not yet).
  struct SmallWorth {
    int32_t disorder = kNoDisorder;
    int32_t worth = 0;
  };
  SmallWorth smallWorth_[kMaxPiles][3];
  int32_t WeighMissed(const FlatPosition& pos, int32_t p, const PositionKey& term,
                      const Weighing& w, uint64_t context, WorthMemo& m);
  int32_t Weigh(const FlatPosition& pos, int32_t p, const Weighing& w) const;
  int32_t WeighGoalFirst(const FlatPosition& pos, int32_t p, const Weighing& w) const;
  std::unique_ptr<WorthMemo[]> worthMemo_;
  uint64_t memoPiles_ = 0;  // piles whose worth the memo keeps
};

// Whether a snapshot can be searched on a flat position: its cards fit.
bool FlatStartFits(const PositionRecord& start, int32_t pileCount);

}  // namespace tarnik::solver
