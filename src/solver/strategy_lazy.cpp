// Depth first making children lazily (StrategyKind::lazy): a position's
// moves are listed and ranked (Board::MoveRank) when it is entered, then
// played one at a time; the first that leads to a new position (not
// entered before, nor a dead end) better than its parent by the estimate
// is gone down into at once (estimates shaken by StrategyKind::shake, if
// any). The new children no better wait, with their estimates, until every
// move has been played once; then the best waiting is played again and gone
// down into, and so on. The stack holds each position on the path with its
// moves, and the winning line is that path.
#include <algorithm>
#include <climits>

#include "solver/strategy.h"

namespace tarnik::solver {

namespace {

// The worth of a move that needs no more looking at: tried, or its child
// entered before.
constexpr int32_t kSpent = INT32_MIN;

}  // namespace

// Enters the start, its forced actions in line_, and makes it the first frame.
void Strategy::StartLazy() {
  seen_.Insert(board_->Key());
  ++entered_;
  bestScore_ = std::max(bestScore_, board_->Score());
  PushFrame(0, board_->Estimate(kind_.disorder));
}

// Goes down until `count` positions more have been made frames; Won when a
// move wins, Exhausted when every move of every frame is spent.
Strategy::State Strategy::StepLazy(int64_t count) {
  for (int64_t made = 0; made < count;) {
    if (frames_.empty()) return State::Exhausted;
    if (!topLoaded_) {
      board_->Load(TopFrameBytes());
      topLoaded_ = true;
    }
    int32_t worth = kSpent, clicks = 0;
    const auto next = static_cast<size_t>(frames_.back().nextMove);
    if (next < lazyMoves_.size()) {
      clicks = lazyMoves_[next].clicks;
      if (!TryNextMove(worth)) {
        if (won_ >= 0) return State::Won;
        continue;
      }
    } else {
      const int32_t best = BestLeft();
      if (best < 0) {
        PopFrame();
        continue;
      }
      const auto k = static_cast<size_t>(best);
      worth = lazyWorth_[k];
      lazyWorth_[k] = kSpent;
      clicks = lazyMoves_[k].clicks;
      line_.clear();
      board_->Play(lazyMoves_[k], line_);
      board_->Key();  // Pack packs what the key made
    }
    PushFrame(clicks, worth);
    ++made;
  }
  return State::Searching;
}

// Plays the top frame's next move: true when its child is new and better
// than the frame (`worth` its estimate), to be gone down into now. A new
// child no better waits with its estimate; a win ends the search (won_).
bool Strategy::TryNextMove(int32_t& worth) {
  Frame& top = frames_.back();
  const auto k = static_cast<size_t>(top.nextMove++);
  lazyWorth_[k] = kSpent;
  if (!PlayIfTaken(lazyMoves_[k])) return false;
  const PositionKey key = board_->Key();
  if (!seen_.Insert(key) || board_->DeadEnd()) return false;
  ++entered_;
  bestScore_ = std::max(bestScore_, board_->Score());
  if (board_->Won()) {
    WinAlong(frames_);
    return false;
  }
  worth = board_->Estimate(kind_.disorder) + ShakeOf(key, kind_.shake);
  if (worth > top.estimate) return true;
  lazyWorth_[k] = worth;
  return false;
}

// The waiting move of the top frame whose child is best (the first of
// equals), or -1.
int32_t Strategy::BestLeft() const {
  int32_t best = -1;
  for (size_t k = static_cast<size_t>(frames_.back().firstMove); k < lazyMoves_.size(); ++k)
    if (lazyWorth_[k] != kSpent &&
        (best < 0 || lazyWorth_[k] > lazyWorth_[static_cast<size_t>(best)]))
      best = static_cast<int32_t>(k);
  return best;
}

// Makes the current position (its key made, its move's actions in line_
// after `clicks` clicks on the stock, `estimate` its estimate) the top
// frame: packs it, loads it to expand and lists its moves in order.
void Strategy::PushFrame(int32_t clicks, int32_t estimate) {
  const auto moves = static_cast<int32_t>(lazyMoves_.size());
  frames_.push_back({moves, moves, estimate, static_cast<int32_t>(pathActions_.size()),
                     static_cast<int16_t>(line_.size() - static_cast<size_t>(clicks)),
                     static_cast<int16_t>(clicks)});
  for (size_t k = static_cast<size_t>(clicks); k < line_.size(); ++k)
    pathActions_.push_back(Compact(line_[k]));
  // The bytes of frame i lie at i packed sizes; the list keeps the most it
  // held, so that going down again needs no call to grow it.
  const size_t end = frames_.size() * static_cast<size_t>(packedSize_);
  if (frameBytes_.size() < end) frameBytes_.resize(end);
  board_->Pack(TopFrameBytes());
  board_->LoadCurrent(TopFrameBytes());
  topLoaded_ = true;
  ++expanded_;
  board_->ListMoves(choices_);
  OrderMoves();
}

// The packed position of the top frame.
unsigned char* Strategy::TopFrameBytes() {
  return frameBytes_.data() + (frames_.size() - 1) * static_cast<size_t>(packedSize_);
}

// Lets the top frame go, its moves, actions and bytes with it.
void Strategy::PopFrame() {
  const Frame& f = frames_.back();
  lazyMoves_.resize(static_cast<size_t>(f.firstMove));
  lazyWorth_.resize(static_cast<size_t>(f.firstMove));
  pathActions_.resize(static_cast<size_t>(f.firstAction));
  frames_.pop_back();
  topLoaded_ = false;
}

// Appends the moves just listed (choices_) to the top frame's, in the
// order of their rank; moves of one rank keep the order they were listed in.
// Each move's rank and place in the list make one word, so that words
// differ and sort as the moves should; a position has a few dozen moves at
// most, sorted by insertion.
void Strategy::OrderMoves() {
  const size_t n = choices_.size();
  if (ranks_.size() < n) ranks_.resize(n);  // a scratch list that only grows
  uint64_t* order = ranks_.data();
  for (size_t k = 0; k < n; ++k) {
    const auto rank = static_cast<uint32_t>(board_->MoveRank(choices_[k])) ^ 0x80000000u;
    const uint64_t word = uint64_t{rank} << 32 | k;
    size_t j = k;
    for (; j > 0 && order[j - 1] > word; --j) order[j] = order[j - 1];
    order[j] = word;
  }
  // Appended one by one: a resize to a value is a call that costs more
  // than the few moves it appends.
  for (size_t k = 0; k < n; ++k) {
    lazyMoves_.push_back(choices_[static_cast<uint32_t>(order[k])]);
    lazyWorth_.push_back(kSpent);
  }
}

}  // namespace tarnik::solver
