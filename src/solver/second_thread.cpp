#include "solver/second_thread.h"

#include <algorithm>

#include "solver/spare_memory.h"

namespace tarnik::solver {

namespace {

// Expansions a strategy makes between looks at whether to stop: some
// tenths of a millisecond, so that a search cancelled stops at once.
constexpr int64_t kPiece = 64;

}  // namespace

SecondThread::SecondThread(std::unique_ptr<Strategy> twin, Strategy& helped) : twin_(true) {
  twin->JoinAsTwin(helped, link_);
  own_.push_back({std::move(twin), nullptr});
  thread_ = std::thread([this] { RunTwin(); });
}

SecondThread::SecondThread(std::vector<Own> own, int64_t turn, int64_t mostBytes)
    : own_(std::move(own)), turn_(std::max(turn, kPiece)), mostBytes_(mostBytes) {
  thread_ = std::thread([this] { RunOwn(); });
}

SecondThread::~SecondThread() { Stop(); }

Strategy& SecondThread::Winner() {
  Stop();
  return *own_[winner_].strategy;
}

void SecondThread::Stop() {
  stop_.store(true, std::memory_order_relaxed);
  if (thread_.joinable()) thread_.join();
  if (twin_) own_[0].strategy->PartTwins();
}

int64_t SecondThread::Reserved() const {
  if (twin_) return Bytes() + 2 * static_cast<int64_t>(kMostSpareBytes);
  return State() == Strategy::State::Searching ? std::max(mostBytes_, Bytes()) : Bytes();
}

// The twin takes turns until it wins, the twins run out or it is stopped;
// after each turn it tells what it has done.
void SecondThread::RunTwin() {
  while (!stop_.load(std::memory_order_relaxed)) {
    const Strategy::State state = own_[0].strategy->Step(kPiece);
    Tell();
    if (state != Strategy::State::Searching) {
      state_.store(state, std::memory_order_release);
      return;
    }
  }
}

// Its own strategies take turns of turn_ expansions until one wins, all
// are gone or it is stopped. One that runs out is let go, and past its
// memory so is the one holding the most.
void SecondThread::RunOwn() {
  size_t left = own_.size();
  for (size_t i = 0; left > 0 && !stop_.load(std::memory_order_relaxed);
       i = (i + 1) % own_.size()) {
    Strategy* s = own_[i].strategy.get();
    if (!s) continue;
    for (int64_t spent = 0; spent < turn_ && !stop_.load(std::memory_order_relaxed);
         spent += kPiece) {
      const Strategy::State state = s->Step(kPiece);
      if (state == Strategy::State::Won) {
        winner_ = i;
        Tell();
        state_.store(state, std::memory_order_release);
        return;
      }
      if (state == Strategy::State::Exhausted) {
        LetGo(i);
        break;
      }
    }
    const Held held = OwnHeld();
    if (held.bytes + held.Needed() > mostBytes_) LetGo(Largest());
    left = static_cast<size_t>(
        std::count_if(own_.begin(), own_.end(), [](const Own& o) { return o.strategy != nullptr; }));
    Tell();
  }
  if (left == 0) state_.store(Strategy::State::Exhausted, std::memory_order_release);
}

// What its strategies, their sets and this thread's spares hold.
Held SecondThread::OwnHeld() const {
  Held held;
  held.bytes = SpareBytes();
  for (const Own& o : own_) {
    if (o.strategy) held.Add(*o.strategy);
    if (o.set) held.Add(*o.set);
  }
  return held;
}

// The strategy of its own that holds the most, with its set.
size_t SecondThread::Largest() const {
  size_t most = 0;
  int64_t mostBytes = -1;
  for (size_t i = 0; i < own_.size(); ++i) {
    if (!own_[i].strategy) continue;
    const int64_t bytes = own_[i].strategy->Bytes() + (own_[i].set ? own_[i].set->Bytes() : 0);
    if (bytes > mostBytes) most = i, mostBytes = bytes;
  }
  return most;
}

// Frees strategy `i` of its own and its set, keeping what it counted.
void SecondThread::LetGo(size_t i) {
  Own& o = own_[i];
  if (!o.strategy) return;
  goneExpanded_ += o.strategy->Expanded();
  goneStored_ += o.strategy->Stored();
  goneBest_ = std::max(goneBest_, o.strategy->BestScore());
  o.strategy.reset();
  o.set.reset();
}

// Tells the searching thread what it has done so far.
void SecondThread::Tell() {
  int64_t expanded = goneExpanded_, stored = goneStored_;
  int32_t best = goneBest_;
  for (const Own& o : own_) {
    if (!o.strategy) continue;
    expanded += o.strategy->Expanded();
    stored += o.strategy->Stored();
    best = std::max(best, o.strategy->BestScore());
  }
  const int64_t bytes = twin_ ? own_[0].strategy->Bytes() : OwnHeld().bytes;
  expanded_.store(expanded, std::memory_order_relaxed);
  stored_.store(stored, std::memory_order_relaxed);
  best_.store(best, std::memory_order_relaxed);
  bytes_.store(bytes, std::memory_order_relaxed);
}

}  // namespace tarnik::solver
