// One way of searching a table, on a board of its own (the engine's table or
// flat positions): best first by the estimate, depth first with each
// position's moves tried best first, or best first by stock phase, with or
// without taking runs of stock clicks as single moves. The strategies of one search share one
// set of positions, so each position is entered once by whichever strategy
// reaches it first and expanded by that one alone; each move is followed by
// the forced actions it makes possible; strategies run in slices so that
// several may share one budget.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <queue>
#include <vector>

#include "solver/actions.h"
#include "solver/board.h"
#include "solver/bucket_queue.h"
#include "solver/chunked_store.h"
#include "solver/compact_action.h"
#include "solver/heuristic.h"
#include "solver/position_key.h"
#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

struct StrategyKind {
  bool depthFirst = false;
  bool stockRuns = true;  // stock clicks taken with the card they bring up
  int32_t disorder = kDefaultDisorder;  // see Estimate
  // Only moves that make progress (Board::Progressed): finds wins sooner
  // in games with many idle moves between columns, but searches only part
  // of the positions, so it can never prove a deal lost.
  bool progressOnly = false;
  // Best first by stock phase, where the stock deals onto the table and is
  // never gone through again: between two deals the play is a closed
  // puzzle, so positions are queued by the cards dealt, the phase with the
  // most cards dealt is searched first, and each phase gets a share of
  // expansions that grows by one share whenever every phase has spent its
  // own: the search looks for good positions before it deals, and backs
  // up to an earlier phase when a later one runs dry. With progressOnly it
  // also plays the moves that enable progress (Board::Enables).
  bool phased = false;
  // By stock phase: the expansions each phase gets in a round.
  int64_t phaseShare = 2000;
  // By stock phase, most cards dealt first: the share of the phase with
  // every card dealt, in percent of the first phase's; the phases between
  // in proportion.
  int32_t lastShare = 100;
  // By stock phase, fewest cards dealt first: each phase spends its share
  // before the next is searched, so the next starts from the best positions
  // the phase reached (a beam); for a stock dealt once, a card at a time.
  bool fewestDealtFirst = false;
  // Depth first keeping only the keys of the positions entered, and the
  // positions (packed) that wait on the stack: about a sixth of the memory
  // per position a strategy that keeps every position takes, so that a
  // proof of loss reaches several times as many positions.
  bool keysOnly = false;
  // Keys only (lazy or not): up to this many points of estimate (less one)
  // added to each child, drawn from its key (ShakeOf), so that moves of
  // nearly equal estimate are tried in an order of their own rather than
  // the other strategies'.
  int32_t shake = 0;
  // Keys only: depth first making a position's children one at a time, in
  // the order of Board::MoveRank, going down at once into the first new
  // child whose estimate is better than its parent's; when none is, into
  // the best of them, then the next best, each played again when its turn
  // comes: the moves after the first that helps are not played until
  // everything below it is spent.
  bool lazy = false;
  // By stock phase: a position deals from the stock only when none of its
  // other moves stores a position better by the estimate, as a player
  // deals only once the runs can be bettered no more before the deal.
  bool dealAtBest = false;

  // Whether it tries every move (see progressOnly).
  bool Complete() const { return !progressOnly; }
};

// What strategies and key sets hold: their bytes, the largest single block
// among them, and the most any one key set would add as it grows.
struct Held {
  int64_t bytes = 0, largest = 0, growth = 0;
  // Counts a strategy or a key set.
  template <typename Holder>
  void Add(const Holder& h) {
    bytes += h.Bytes();
    largest = std::max(largest, h.LargestBlock());
    growth = std::max(growth, h.GrowthBytes());
  }
  // What the next growth may take at once on top of `bytes`: a store that
  // grows holds its old and its new block together, and a key set adds its
  // larger table.
  int64_t Needed() const { return growth + 2 * largest; }
};

// What two twin strategies share (Strategy::JoinAsTwin): the lock over
// their asking and handing on, and whether both have run out.
struct TwinLink {
  std::mutex lock;
  bool done = false;
};

// The points of estimate StrategyKind::shake adds to the position whose
// key is `key`: 0 to shake - 1.
int32_t ShakeOf(const PositionKey& key, int32_t shake);

class Strategy {
 public:
  enum class State { Searching, Won, Exhausted };

  // Searches from `start` on `board`, which plays by `rules` (without a
  // simple stock when the kind takes no runs of stock clicks). `seen`
  // holds the positions entered by every strategy of the search.
  Strategy(std::unique_ptr<Board> board, const TableRules& rules, const PositionRecord& start,
           StrategyKind kind, KeySet& seen);
  // Expands up to `count` positions; Won as soon as a won position is
  // stored, Exhausted when every position it entered has been expanded.
  State Step(int64_t count);
  // The actions from the start to the won position, played again on the
  // board from each stored position on the way.
  std::vector<SolverAction> WinningLine();

  // Whether searching every position it entered proves the deal lost: it
  // tries every move, or on progress moves alone, where the rules make the
  // moves it leaves out needless (Board::ProgressProves).
  bool Complete() const {
    return !partial_ &&
           (kind_.Complete() || (kind_.progressOnly && !kind_.phased && board_->ProgressProves()));
  }
  // Makes this strategy, new and of `first`'s kind (depth first keeping
  // keys only, not lazy), `first`'s twin: from now on the two search as
  // one from two threads, entering positions in `first`'s set (shared, see
  // KeySet::Share), and sharing `link`. One whose stack runs empty asks
  // the other, which hands it the bottom of its own stack; both have run
  // out once both ask.
  void JoinAsTwin(Strategy& first, TwinLink& link);
  // Parts this twin from the other once its thread has stopped. Where it
  // leaves positions waiting, the other's running out proves nothing.
  void PartTwins();
  // Whether it searches by stock phase.
  bool Phased() const { return kind_.phased; }
  const StrategyKind& Kind() const { return kind_; }
  // Whether it keeps only the keys of the positions it entered.
  bool KeysOnly() const { return kind_.keysOnly; }
  int64_t Expanded() const { return expanded_; }
  int64_t Stored() const { return kind_.keysOnly ? entered_ : stored_; }
  int32_t BestScore() const { return bestScore_; }
  int32_t DeckSize() const { return deckSize_; }
  // The bytes its own stores hold (not the shared set), and the largest
  // single block among them: growing that block briefly holds it twice over.
  int64_t Bytes() const;
  int64_t LargestBlock() const;
  // What the one of its own key sets that grows most would add
  // (KeySet::GrowthBytes).
  int64_t GrowthBytes() const;
  // A beam (fewestDealtFirst) lets go of its earliest phases, about half
  // the positions waiting, with their keys, and of the nodes and packed
  // positions only they needed: no later move comes back to a phase with
  // fewer cards dealt. With one phase left, it keeps the better half of
  // that phase's waiting positions. False when nothing is left to let go.
  bool Shed();

 private:
  // A stored position: where it came from, the move that led to it and,
  // while a position still needs it, its packed position. A move's outcome
  // depends on the position it is played from alone, so a winning line is
  // played again from the start, clicks and forced actions included, and
  // best first, which stores some twenty positions for each it expands,
  // packs a position only when it expands it, rebuilding it from its
  // parent's packed position by its move (in a deck of four packs a packed
  // position takes 237 bytes, a node 20). Depth first expands nearly every
  // position it stores: it packs each when it stores it and lets the
  // packed position go once it has expanded it.
  // The move in a byte a number: a table holds at most kMaxPiles piles
  // and kMaxCards cards.
  struct StoredMove {
    int16_t card;
    uint8_t clicks, pile, kind;
    int8_t target;
  };
  struct Node {
    int32_t parent;
    int32_t depth;
    int32_t packed;  // its packed position in packed_, or -1
    StoredMove move;
  };
  static StoredMove Store(const Choice& c);
  static Choice Restore(const StoredMove& m);
  using Entry = std::pair<int32_t, int32_t>;  // estimate, node
  static constexpr int32_t kDepthWeight = 5;  // estimate points a move costs
  // By stock phase, a node expanded keeps its packed position only at
  // every kPackEvery-th depth; the others are rebuilt from the nearest
  // such forebear by the moves since. A packed position was over half of
  // what such a search held (four-suit Spider: 125 bytes an expansion, of
  // 220), and the search ends where its memory does. Spider seeds 1-12 at
  // 400,000 positions: at every depth 75 MB and 8.3 s, every fourth 54 MB
  // and 9.0 s, every eighth 51 MB and 10.4 s.
  static constexpr int32_t kPackEvery = 4;
  // A queue by stock phase, with the size of the block under it.
  struct OpenQueue : std::priority_queue<Entry> {
    int64_t Bytes() const { return static_cast<int64_t>(c.capacity() * sizeof(Entry)); }
    std::vector<Entry>& Entries() { return c; }
  };

  // A position waiting on the stack of a strategy that keeps only keys:
  // its depth and the actions that led to it (the last on the stack of
  // actions), and how the move that led to it may be undone (see
  // Board::UndoCount); its packed bytes are the last on the stack of bytes.
  struct Waiting {
    int32_t depth;
    int16_t actionCount;
    int16_t clicks;
    int32_t undo = 0;
    // The pile whose top card the position waits to have built on
    // (Board::AwaitedPile), or -1.
    int8_t awaited = -1;
  };
  // A move on the path from the start to the position being expanded.
  struct PathStep {
    int32_t firstAction;
    int16_t actionCount;
    int16_t clicks;
  };
  // A position on the lazy stack: its moves in lazyMoves_ (to the next
  // frame's, or the end) with their children's estimates in lazyWorth_,
  // the next to try, its own estimate, and the actions that led to it (on
  // pathActions_) and the stock clicks before them.
  struct Frame {
    int32_t firstMove;
    int32_t nextMove;
    int32_t estimate;
    int32_t firstAction;
    int16_t actionCount;
    int16_t clicks;
  };
  // Ends the search won: the winning line is the actions of each step on
  // `path` (a PathStep or a Frame: its clicks on the stock, then its
  // actions on pathActions_), then the move just played (in line_).
  template <typename Step>
  void WinAlong(const std::vector<Step>& path) {
    for (const Step& s : path) {
      winLine_.insert(winLine_.end(), s.clicks, click_);
      for (int32_t k = 0; k < s.actionCount; ++k)
        winLine_.push_back(ActionOf(pathActions_[static_cast<size_t>(s.firstAction + k)]));
    }
    winLine_.insert(winLine_.end(), line_.begin(), line_.end());
    won_ = 0;
  }
  void StartLazy();
  State StepLazy(int64_t count);
  void PushFrame(int32_t clicks, int32_t estimate);
  bool TryNextMove(int32_t& worth);
  int32_t BestLeft() const;
  void PopFrame();
  unsigned char* TopFrameBytes();
  void OrderMoves();
  void StartKeysOnly();
  State StepKeysOnly(int64_t count);
  bool ExpandTopOfStack();
  enum class Take { Taken, Wait, None };
  Take TakeGift();
  void AcceptGift();
  void GiveBottom();
  void PushWaiting(int32_t depth, const std::vector<SolverAction>& line, int32_t clicks,
                   const unsigned char* packed);

  bool AddNode(int32_t parent, const Choice& move, int32_t depth, bool first = false);
  bool PlayIfTaken(const Choice& choice);
  bool TryChild(int32_t id, const Choice& choice, int32_t depth, bool noDeal, int32_t stock);
  bool Expand(int32_t id);
  void LoadNode(int32_t id);
  int32_t PackedSlot();
  int32_t PackHere();
  void PlayStored(int32_t id, unsigned char* out);
  void KeepNeeded();
  KeySet& SetOf(size_t phase);
  bool PopNext(int32_t& id);
  bool PopPhased(int32_t& id);
  int64_t ShareOf(size_t p) const;

  StrategyKind kind_;
  std::unique_ptr<Board> board_;
  int32_t deckSize_;
  const PositionRecord& start_;
  ChunkedStore<Node> nodes_;
  ChunkedStore<unsigned char> packed_;  // the packed positions still needed
  std::vector<int32_t> freePacked_;    // the places in packed_ let go
  SolverAction click_;  // the click on the stock that moves count, keys only
  BucketQueue open_;  // best first
  std::vector<Entry> stack_, born_;  // depth first, and the children of one expansion
  // By stock phase: a queue per count of cards dealt, what each phase has
  // expanded, and the share every phase may expand.
  std::vector<OpenQueue> phases_;
  std::vector<int64_t> spent_;
  int64_t allowance_ = 0;
  int32_t stockStart_ = 0;  // the cards in the stock at the start
  // A beam: the keys entered in each phase, and the first phase not let go.
  std::vector<std::unique_ptr<KeySet>> phaseKeys_;
  size_t firstPhase_ = 0;
  KeySet& seen_;  // shared by the strategies of the search
  std::vector<Choice> choices_;     // the moves of the position being expanded
  std::vector<SolverAction> line_;  // one move and its forced actions
  // Keys only: the stack of positions waiting, their bytes and actions, the
  // path to the position being expanded, its bytes, and the children of
  // one expansion (their bytes and actions in born order).
  std::vector<Waiting> waiting_;
  std::vector<unsigned char> waitingBytes_;
  std::vector<CompactAction> waitingActions_;
  std::vector<PathStep> path_;
  std::vector<CompactAction> pathActions_;
  std::vector<unsigned char> here_, bornBytes_;
  // Best first: the nodes between one to load and its nearest forebear
  // kept packed, and the positions on the way.
  std::vector<int32_t> chain_;
  std::vector<unsigned char> replay_;
  std::vector<Waiting> bornMoves_;
  std::vector<CompactAction> bornActions_;
  std::vector<int32_t> bornActionAt_;
  // Lazy: the stack of frames, their moves and packed bytes, and whether
  // the board's position to expand is the top frame's.
  std::vector<Frame> frames_;
  std::vector<Choice> lazyMoves_;
  std::vector<int32_t> lazyWorth_;
  std::vector<unsigned char> frameBytes_;
  std::vector<uint64_t> ranks_;  // the top frame's moves by rank, while ordering
  bool topLoaded_ = false;
  std::vector<SolverAction> winLine_;
  int32_t packedSize_ = 0;
  int64_t entered_ = 0;  // positions entered, keys only
  int64_t stored_ = 0;   // nodes stored, those let go included
  int64_t expanded_ = 0;
  int32_t bestScore_ = 0;
  int32_t won_ = -1;
  int32_t popped_ = 0;  // the estimate of the position last taken from a phase's queue
  int32_t bestChild_ = 0;  // the best estimate among the children of one expansion
  bool started_ = false;
  // Whether a child that waits for a drop (Board::AwaitedPile) is followed
  // by that drop alone: depth first on progress moves, where they prove a
  // deal lost.
  bool awaits_ = false;
  // Twins (JoinAsTwin): the other and what they share; whether this one
  // asks the other for a position, is idle (asks with its stack empty) and
  // has been handed one (gift_, with the path to it), all under the link's
  // lock, though the other reads `wants_` without it, at every position,
  // so it lies on a cache line apart from the counts this one writes as
  // often; its own keys (KeySet::ThreadKeys); and whether a twin parted
  // leaving positions unexpanded.
  struct Gift {
    Waiting waiting;
    std::vector<PathStep> path;
    std::vector<CompactAction> pathActions, actions;
    std::vector<unsigned char> bytes;
  };
  Strategy* twin_ = nullptr;
  TwinLink* link_ = nullptr;
  alignas(64) std::atomic<bool> wants_{false};
  bool idle_ = false;
  bool hasGift_ = false;
  Gift gift_;
  std::unique_ptr<KeySet::ThreadKeys> own_;
  bool partial_ = false;
};

}  // namespace tarnik::solver
