#include "solver/strategy.h"

#include <algorithm>

namespace tarnik::solver {

namespace {

static_assert(kMaxCards < 256 && kMaxPiles < 128);

}  // namespace

Strategy::Strategy(std::unique_ptr<Board> board, const TableRules& rules,
                   const PositionRecord& start, StrategyKind kind, KeySet& seen)
    : kind_(kind),
      board_(std::move(board)),
      deckSize_(rules.deckSize),
      start_(start),
      packed_(PackedSize(rules)),
      click_(StockClickAction(rules)),
      seen_(seen),
      packedSize_(PackedSize(rules)) {
  kind_.keysOnly = kind_.keysOnly || kind_.lazy;  // a lazy search keeps keys only
  awaits_ = kind_.progressOnly && kind_.keysOnly && !kind_.lazy && board_->ProgressProves();
}

Strategy::State Strategy::Step(int64_t count) {
  if (won_ >= 0) return State::Won;
  if (!started_) {
    started_ = true;
    board_->LoadStart(start_);
    line_.clear();
    board_->FollowForced(line_);  // the forced actions of the start
    if (board_->DeadEnd()) return State::Exhausted;  // no line from the start can win
    if (kind_.lazy) StartLazy();
    else if (kind_.keysOnly) StartKeysOnly();
    else AddNode(-1, Choice{}, 0, true);
    if (board_->Won()) {
      if (kind_.keysOnly) winLine_ = line_;
      won_ = 0;
      return State::Won;
    }
  }
  if (kind_.lazy) return StepLazy(count);
  if (kind_.keysOnly) return StepKeysOnly(count);
  int32_t id;
  for (int64_t n = 0; n < count; ++n) {
    if (!PopNext(id)) return State::Exhausted;
    if (Expand(id)) return State::Won;
  }
  return State::Searching;
}

Strategy::StoredMove Strategy::Store(const Choice& c) {
  const SolverAction& a = c.action;
  return {static_cast<int16_t>(a.card), static_cast<uint8_t>(c.clicks),
          static_cast<uint8_t>(a.pile), static_cast<uint8_t>(a.kind),
          static_cast<int8_t>(a.target)};
}

Choice Strategy::Restore(const StoredMove& m) {
  Choice c;
  c.clicks = m.clicks;
  c.action = {static_cast<SolverAction::Kind>(m.kind), m.pile, m.card, m.target};
  return c;
}

std::vector<SolverAction> Strategy::WinningLine() {
  if (kind_.keysOnly) return winLine_;
  std::vector<int32_t> chain;
  for (int32_t id = won_; id > 0; id = nodes_.At(id)->parent) chain.push_back(id);
  std::vector<SolverAction> line;
  std::vector<unsigned char> here(packed_.Width());
  board_->LoadStart(start_);
  board_->FollowForced(line);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    board_->Key();  // the engine's board packs what its key reads
    board_->Pack(here.data());
    board_->LoadCurrent(here.data());
    board_->Play(Restore(nodes_.At(*it)->move), line);
  }
  return line;
}

namespace {

template <typename T>
int64_t BlockBytes(const std::vector<T>& v) {
  return static_cast<int64_t>(v.capacity() * sizeof(T));
}

}  // namespace

int64_t Strategy::Bytes() const {
  int64_t phases = 0;
  for (const OpenQueue& q : phases_) phases += q.Bytes();
  for (const auto& keys : phaseKeys_) phases += keys ? keys->Bytes() : 0;
  return phases + nodes_.Bytes() + packed_.Bytes() + open_.Bytes() + BlockBytes(stack_) +
         BlockBytes(born_) + BlockBytes(freePacked_) + BlockBytes(choices_) + BlockBytes(line_) +
         BlockBytes(waiting_) + BlockBytes(waitingBytes_) + BlockBytes(waitingActions_) +
         BlockBytes(path_) + BlockBytes(pathActions_) + BlockBytes(bornBytes_) +
         BlockBytes(bornActions_) + BlockBytes(frames_) + BlockBytes(lazyMoves_) +
         BlockBytes(lazyWorth_) + BlockBytes(frameBytes_) + BlockBytes(ranks_) +
         (own_ ? own_->Bytes() : 0) + board_->Bytes();
}

int64_t Strategy::LargestBlock() const {
  int64_t phases = 0;
  for (const OpenQueue& q : phases_) phases = std::max(phases, q.Bytes());
  for (const auto& keys : phaseKeys_) phases = std::max(phases, keys ? keys->LargestBlock() : 0);
  return std::max({nodes_.LargestBlock(), packed_.LargestBlock(), open_.LargestBlock(),
                   BlockBytes(stack_), phases, BlockBytes(waiting_), BlockBytes(waitingBytes_),
                   BlockBytes(waitingActions_), BlockBytes(lazyMoves_),
                   BlockBytes(frameBytes_)});
}

int64_t Strategy::GrowthBytes() const {
  int64_t n = 0;
  for (const auto& keys : phaseKeys_) n = std::max(n, keys ? keys->GrowthBytes() : 0);
  return n;
}

// By stock phase: the best position of the phase with the most cards dealt
// (or, for a beam, the fewest) that has not spent its share; when every
// phase has, each gets one more.
bool Strategy::PopPhased(int32_t& id) {
  for (;;) {
    bool any = false;
    const size_t n = phases_.size();
    for (size_t k = firstPhase_; k < n; ++k) {
      const size_t p = kind_.fewestDealtFirst ? k : n - 1 - k;
      if (phases_[p].empty()) continue;
      any = true;
      if (spent_[p] >= ShareOf(p)) continue;
      ++spent_[p];
      id = phases_[p].top().second;
      popped_ = phases_[p].top().first;
      phases_[p].pop();
      return true;
    }
    if (!any) return false;
    allowance_ += kind_.phaseShare;
  }
}

// What phase `p` may have expanded by now: the allowance, or, where the
// share changes with the cards dealt, its part of it.
int64_t Strategy::ShareOf(size_t p) const {
  if (kind_.lastShare == 100 || kind_.fewestDealtFirst || stockStart_ <= 0) return allowance_;
  const int64_t dealt = std::min<int64_t>(static_cast<int64_t>(p), stockStart_);
  return allowance_ * (100 * stockStart_ + (kind_.lastShare - 100) * dealt) / (100 * stockStart_);
}

// The next position to expand; false when none is left.
bool Strategy::PopNext(int32_t& id) {
  if (kind_.phased) return PopPhased(id);
  if (kind_.depthFirst) {
    if (stack_.empty()) return false;
    id = stack_.back().second;
    stack_.pop_back();
    return true;
  }
  if (open_.empty()) return false;
  id = open_.top().second;
  open_.pop();
  return true;
}

// Stores the position on the table as a new node unless some strategy saw it
// before or it can never be won (the start, `first`, every strategy stores),
// and queues it by its
// estimate (depth first: with its brothers, once they are all known).
// Returns whether it was stored.
bool Strategy::AddNode(int32_t parent, const Choice& move, int32_t depth, bool first) {
  size_t phase = 0;
  if (kind_.phased) {
    if (first) stockStart_ = board_->StockCards();
    phase = static_cast<size_t>(std::max(0, stockStart_ - board_->StockCards()));
    if (phase < firstPhase_) return false;  // never: no move deals cards back
  }
  if (!SetOf(phase).Insert(board_->Key()) && !first) return false;
  if (!first && board_->DeadEnd()) return false;  // its key stays: it is not looked at again
  const int32_t id = static_cast<int32_t>(nodes_.Size());
  const int32_t packed = first || kind_.depthFirst ? PackHere() : -1;
  *nodes_.Add() = {parent, depth, packed, Store(move)};
  ++stored_;
  const int32_t score = board_->Score();
  if (score > bestScore_) bestScore_ = score;
  // By stock phase the phases stand for depth: within one, the best
  // position is the one to go on from however far off it lies.
  const int32_t depthWeight = kind_.phased ? 0 : kDepthWeight;
  const Entry entry{board_->Estimate(kind_.disorder) - depthWeight * depth, id};
  bestChild_ = std::max(bestChild_, entry.first);
  if (kind_.phased) {
    phases_[phase].push(entry);
  } else if (!kind_.depthFirst) {
    open_.push(entry);
  } else {
    (parent < 0 ? stack_ : born_).push_back(entry);
  }
  return true;
}

// The set to enter a position of `phase` in: a beam keeps one per phase,
// so that it can let go of a spent phase's keys; every other strategy the
// search's. Makes the phase's queue and set for its first position.
KeySet& Strategy::SetOf(size_t phase) {
  if (!kind_.phased) return seen_;
  if (phase >= phases_.size()) {
    phases_.resize(phase + 1);
    spent_.resize(phase + 1, 0);
  }
  if (!kind_.fewestDealtFirst) return seen_;
  if (phase >= phaseKeys_.size()) phaseKeys_.resize(phase + 1);
  if (!phaseKeys_[phase]) phaseKeys_[phase] = std::make_unique<KeySet>();
  return *phaseKeys_[phase];
}

// A free place of packed_, taken.
int32_t Strategy::PackedSlot() {
  if (freePacked_.empty()) {
    packed_.Add();
    return static_cast<int32_t>(packed_.Size()) - 1;
  }
  const int32_t at = freePacked_.back();
  freePacked_.pop_back();
  return at;
}

// Packs the current position (its key made) into a free place of packed_.
int32_t Strategy::PackHere() {
  const int32_t at = PackedSlot();
  board_->Pack(packed_.At(at));
  return at;
}

// Makes node `id` the position to expand: best first rebuilds it from the
// position of its nearest forebear kept packed and the moves since, and
// packs it for its children to come back to (by stock phase, only at every
// kPackEvery-th depth); depth first lets its packed position go, its
// children being packed as they are stored.
void Strategy::LoadNode(int32_t id) {
  Node& n = *nodes_.At(id);
  if (n.packed < 0) {
    chain_.clear();
    int32_t from = n.parent;
    for (; nodes_.At(from)->packed < 0; from = nodes_.At(from)->parent) chain_.push_back(from);
    board_->Load(packed_.At(nodes_.At(from)->packed));
    replay_.resize(static_cast<size_t>(packedSize_));
    for (auto it = chain_.rbegin(); it != chain_.rend(); ++it) PlayStored(*it, replay_.data());
    const bool kept = !kind_.phased || kind_.fewestDealtFirst || n.depth % kPackEvery == 0;
    if (kept) n.packed = PackedSlot();
    PlayStored(id, kept ? packed_.At(n.packed) : replay_.data());
  } else {
    board_->Load(packed_.At(n.packed));
  }
  if (kind_.depthFirst) {
    freePacked_.push_back(n.packed);
    n.packed = -1;
  }
}

// Plays the move of node `id` on the position loaded, packs the position it
// leads to into `out` and makes it the current one, as when it is loaded.
void Strategy::PlayStored(int32_t id, unsigned char* out) {
  line_.clear();
  board_->Play(Restore(nodes_.At(id)->move), line_);
  board_->Key();  // the engine's board packs what its key reads
  board_->Pack(out);
  board_->LoadCurrent(out);
}

// Plays `choice` on the board, its actions in line_; false when this
// strategy leaves the move out (one that makes no progress, nor enables
// any by stock phase, where only progress counts).
bool Strategy::PlayIfTaken(const Choice& choice) {
  // What the board tells before playing spares playing a move that makes
  // no progress (the phased strategies may yet take it for what it
  // enables) and asking after one that surely does.
  using Outlook = Board::Outlook;
  const Outlook outlook = kind_.progressOnly ? board_->Foresee(choice) : Outlook::Unknown;
  if (outlook == Outlook::Idle && !kind_.phased) return false;
  line_.clear();
  board_->Play(choice, line_);
  return !kind_.progressOnly || outlook == Outlook::Progress || board_->Progressed(choice) ||
         (kind_.phased && board_->Enables(choice));
}

// Plays `choice` from the position loaded and stores its child of depth
// `depth` under node `id`, unless `noDeal` and the move deals cards from
// the stock (it held `stock` cards); true when the child is won.
bool Strategy::TryChild(int32_t id, const Choice& choice, int32_t depth, bool noDeal,
                        int32_t stock) {
  if (!PlayIfTaken(choice) || (noDeal && board_->StockCards() < stock) ||
      !AddNode(id, choice, depth) || !board_->Won())
    return false;
  won_ = static_cast<int32_t>(nodes_.Size()) - 1;
  return true;
}

// Tries every move from node `id`; true when one wins. With dealAtBest the
// clicks come last, and a deal only where no other move stored a child
// better than the position by the estimate: that child deals in its turn.
bool Strategy::Expand(int32_t id) {
  ++expanded_;
  LoadNode(id);
  board_->ListMoves(choices_);
  const int32_t depth = nodes_.At(id)->depth + 1;
  born_.clear();
  const bool clicksLast = kind_.dealAtBest;
  const int32_t stock = clicksLast ? board_->StockCards() : 0;
  bestChild_ = INT32_MIN;
  size_t clicks = 0;  // the clicks put off, moved to the front of choices_
  for (const Choice& choice : choices_) {
    if (clicksLast && choice.action.kind == SolverAction::Kind::Click)
      choices_[clicks++] = choice;
    else if (TryChild(id, choice, depth, false, stock))
      return true;
  }
  const bool better = bestChild_ > popped_;
  for (size_t k = 0; k < clicks; ++k)
    if (TryChild(id, choices_[k], depth, better, stock)) return true;
  // Depth first: the best child on top of the stack.
  std::sort(born_.begin(), born_.end());
  stack_.insert(stack_.end(), born_.begin(), born_.end());
  return false;
}

}  // namespace tarnik::solver
