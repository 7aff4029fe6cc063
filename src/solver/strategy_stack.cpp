// Depth first keeping only keys (StrategyKind::keysOnly): a position is
// stored as its key in the set of positions entered; its packed bytes and
// the actions that led to it are kept only while it waits on the stack or
// lies on the path from the start, and the winning line is that path.
#include <algorithm>
#include <thread>

#include "solver/strategy.h"

namespace tarnik::solver {

namespace {

// Mixed into the key before StrategyKind::shake draws from it. Which
// deals a shaken search finds quickly changes with it (FreeCell, seeds
// 1-1000 and 1001-2000 at 400,000 positions, positions expanded in all:
// 1,920,241 and 2,234,598 unshaken; shaken with the key's two words mixed,
// 1,804,433 and 1,781,305; with 19088743, 1,656,628 and 1,565,186; with
// 7777, 1,511,993 and 1,446,848; with 99, 1,536,244 and 1,077,447).
constexpr uint64_t kShakeSeed = 99;

}  // namespace

// The points of estimate StrategyKind::shake adds to a position: 0 to
// shake - 1, from the high bits of its key mixed by a multiplication.
int32_t ShakeOf(const PositionKey& key, int32_t shake) {
  if (shake <= 0) return 0;
  const uint64_t mixed = (key.a ^ kShakeSeed) * 0x9E3779B97F4A7C15ull;
  return static_cast<int32_t>((mixed >> 40) % static_cast<uint64_t>(shake));
}

// The key a position waiting for a drop onto pile `pile` is entered by:
// apart from the same position waiting for none, whose moves it makes
// only in part.
PositionKey AwaitingKey(PositionKey key, int32_t pile) {
  if (pile < 0) return key;
  key.a ^= 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(pile + 1);
  key.b ^= 0xC2B2AE3D27D4EB4Full * static_cast<uint64_t>(pile + 1);
  return key;
}

// Leaves in `choices` only the drops onto pile `pile`: a position that
// waits for one (Board::AwaitedPile) is followed by nothing else.
void KeepDropsOnto(std::vector<Choice>& choices, int32_t pile) {
  std::erase_if(choices, [pile](const Choice& c) {
    return c.action.kind != SolverAction::Kind::Drag || c.action.target != pile;
  });
}

// Enters the start, its forced actions in line_, and puts it on the stack.
void Strategy::StartKeysOnly() {
  seen_.Insert(board_->Key());
  ++entered_;
  bestScore_ = std::max(bestScore_, board_->Score());
  here_.resize(static_cast<size_t>(packedSize_));
  board_->Pack(here_.data());
  PushWaiting(0, line_, 0, here_.data());
}

// Expands up to `count` positions from the top of the stack. A twin whose
// stack runs empty asks the other for a position and waits for it, and one
// asked hands on the bottom of its stack before it goes on.
Strategy::State Strategy::StepKeysOnly(int64_t count) {
  for (int64_t n = 0; n < count; ++n) {
    if (waiting_.empty()) {
      if (!twin_) return State::Exhausted;
      const Take take = TakeGift();
      if (take == Take::None) return State::Exhausted;
      if (take == Take::Wait) {
        std::this_thread::yield();
        return State::Searching;
      }
    } else if (twin_ && waiting_.size() > 1 && twin_->wants_.load(std::memory_order_relaxed)) {
      GiveBottom();
    }
    if (ExpandTopOfStack()) return State::Won;
  }
  return State::Searching;
}

void Strategy::JoinAsTwin(Strategy& first, TwinLink& link) {
  started_ = true;
  board_->LoadStart(start_);
  here_.resize(static_cast<size_t>(packedSize_));
  twin_ = &first;
  first.twin_ = this;
  link_ = first.link_ = &link;
  own_ = std::make_unique<KeySet::ThreadKeys>();
  first.own_ = std::make_unique<KeySet::ThreadKeys>();
}

void Strategy::PartTwins() {
  if (!twin_) return;
  if (!waiting_.empty() || hasGift_) twin_->partial_ = true;
  if (twin_->hasGift_) twin_->AcceptGift();
  for (Strategy* s : {twin_, this}) {
    s->twin_ = nullptr;
    s->link_ = nullptr;
    s->seen_.Settle(*s->own_);
    s->own_.reset();
    s->idle_ = false;
    s->wants_.store(false, std::memory_order_relaxed);
  }
}

// With this stack empty: the position handed on, if any; else None once
// both twins have run out (the other idle too: neither holds a position to
// expand, and none is being handed on), or Wait, asking for one.
Strategy::Take Strategy::TakeGift() {
  const std::lock_guard hold(link_->lock);
  if (hasGift_) {
    AcceptGift();
    return Take::Taken;
  }
  if (link_->done || twin_->idle_) {
    link_->done = true;
    return Take::None;
  }
  idle_ = true;
  wants_.store(true, std::memory_order_relaxed);
  return Take::Wait;
}

// Puts the position handed on onto the stack, which is empty, with the
// path to it.
void Strategy::AcceptGift() {
  hasGift_ = false;
  path_.swap(gift_.path);
  pathActions_.swap(gift_.pathActions);
  waiting_.push_back(gift_.waiting);
  waitingActions_.insert(waitingActions_.end(), gift_.actions.begin(), gift_.actions.end());
  waitingBytes_.insert(waitingBytes_.end(), gift_.bytes.begin(), gift_.bytes.end());
}

// Hands the bottom of the stack on to the twin that asks, with the path to
// it: this one's path up to its depth, since a position waits only beside
// the path. The bottom has waited longest and heads the most work still to
// come, so the twins seldom ask.
void Strategy::GiveBottom() {
  const std::lock_guard hold(link_->lock);
  Strategy& o = *twin_;
  if (!o.wants_.load(std::memory_order_relaxed) || o.hasGift_) return;
  Gift& g = o.gift_;
  g.waiting = waiting_.front();
  const auto depth = static_cast<std::ptrdiff_t>(g.waiting.depth);
  g.path.assign(path_.begin(), path_.begin() + depth);
  const int32_t actions = depth == 0 ? 0 : g.path.back().firstAction + g.path.back().actionCount;
  g.pathActions.assign(pathActions_.begin(), pathActions_.begin() + actions);
  g.actions.assign(waitingActions_.begin(), waitingActions_.begin() + g.waiting.actionCount);
  g.bytes.assign(waitingBytes_.begin(), waitingBytes_.begin() + packedSize_);
  waiting_.erase(waiting_.begin());
  waitingActions_.erase(waitingActions_.begin(), waitingActions_.begin() + g.waiting.actionCount);
  waitingBytes_.erase(waitingBytes_.begin(), waitingBytes_.begin() + packedSize_);
  o.hasGift_ = true;
  o.idle_ = false;
  o.wants_.store(false, std::memory_order_relaxed);
}

// Puts a position on the stack: its depth, its actions but the clicks on
// the stock (counted), and its packed bytes.
void Strategy::PushWaiting(int32_t depth, const std::vector<SolverAction>& line, int32_t clicks,
                           const unsigned char* packed) {
  waiting_.push_back(
      {depth, static_cast<int16_t>(line.size() - clicks), static_cast<int16_t>(clicks)});
  for (size_t k = static_cast<size_t>(clicks); k < line.size(); ++k)
    waitingActions_.push_back(Compact(line[k]));
  waitingBytes_.insert(waitingBytes_.end(), packed, packed + packedSize_);
}

// Takes the position on top of the stack onto the path and tries its
// moves: the children not entered before (and not dead ends) go on the
// stack, the best on top. A move the board knows to lead back to this
// position or to the one before is not played: its child was entered. A
// position that waits for a drop (Board::AwaitedPile) makes that drop alone.
// Such a position, a link of a chain of cards from the waste, is not looked
// at for cards shut in: the look seldom cuts one and costs more than it
// saves (Klondike seed 81: 0.5 % more positions, 8 % fewer instructions).
// The drop that ends the chain is looked at.
// True when one wins; the winning line is then the path and the move.
bool Strategy::ExpandTopOfStack() {
  const Waiting w = waiting_.back();
  waiting_.pop_back();
  here_.assign(waitingBytes_.end() - packedSize_, waitingBytes_.end());
  waitingBytes_.resize(waitingBytes_.size() - static_cast<size_t>(packedSize_));
  path_.resize(static_cast<size_t>(w.depth));
  pathActions_.resize(path_.empty() ? 0 : path_.back().firstAction + path_.back().actionCount);
  path_.push_back({static_cast<int32_t>(pathActions_.size()), w.actionCount, w.clicks});
  pathActions_.insert(pathActions_.end(), waitingActions_.end() - w.actionCount,
                      waitingActions_.end());
  waitingActions_.resize(waitingActions_.size() - static_cast<size_t>(w.actionCount));
  ++expanded_;
  // The move that led here, where a move back is known (see Undoes).
  const bool undoable = w.undo > 0 && w.clicks == 0 && w.actionCount == 1;
  const SolverAction last = undoable ? ActionOf(pathActions_.back()) : SolverAction{};
  board_->Load(here_.data());
  if (awaits_) board_->Await(w.awaited);
  board_->ListMoves(choices_);
  if (w.awaited >= 0) KeepDropsOnto(choices_, w.awaited);
  const int32_t depth = w.depth + 1;
  born_.clear();
  bornMoves_.clear();
  bornBytes_.clear();
  bornActions_.clear();
  bornActionAt_.clear();
  for (const Choice& choice : choices_) {
    // A move known to lead straight back here leads to a position entered.
    if (board_->ComesBack(choice)) continue;
    // The move back to the position before leads to a position entered.
    if (undoable && board_->Undoes(choice, last, w.undo)) continue;
    if (!PlayIfTaken(choice)) continue;
    const int32_t awaited = awaits_ ? board_->AwaitedPile(choice) : -1;
    const PositionKey key = board_->Key();
    const PositionKey entered = AwaitingKey(key, awaited);
    if (!seen_.Insert(entered, own_.get()) ||
        (awaited < 0 && board_->DeadEnd()))
      continue;
    ++entered_;
    bestScore_ = std::max(bestScore_, board_->Score());
    if (board_->Won()) {
      WinAlong(path_);
      return true;
    }
    const int32_t index = static_cast<int32_t>(bornMoves_.size());
    born_.push_back({board_->Estimate(kind_.disorder) - kDepthWeight * depth +
                         ShakeOf(key, kind_.shake),
                     index});
    const int32_t actions = static_cast<int32_t>(line_.size()) - choice.clicks;
    bornMoves_.push_back({depth, static_cast<int16_t>(actions), static_cast<int16_t>(choice.clicks),
                          board_->UndoCount(choice, actions > 1), static_cast<int8_t>(awaited)});
    bornActionAt_.push_back(static_cast<int32_t>(bornActions_.size()));
    for (size_t k = static_cast<size_t>(choice.clicks); k < line_.size(); ++k)
      bornActions_.push_back(Compact(line_[k]));
    bornBytes_.resize(bornBytes_.size() + static_cast<size_t>(packedSize_));
    board_->Pack(bornBytes_.data() + static_cast<size_t>(index) * packedSize_);
  }
  // The best child last, on top of the stack.
  std::sort(born_.begin(), born_.end());
  for (const Entry& e : born_) {
    const Waiting& m = bornMoves_[static_cast<size_t>(e.second)];
    waiting_.push_back(m);
    const auto at = bornActions_.begin() + bornActionAt_[static_cast<size_t>(e.second)];
    waitingActions_.insert(waitingActions_.end(), at, at + m.actionCount);
    const unsigned char* bytes = bornBytes_.data() + static_cast<size_t>(e.second) * packedSize_;
    waitingBytes_.insert(waitingBytes_.end(), bytes, bytes + packedSize_);
  }
  return false;
}

}  // namespace tarnik::solver
