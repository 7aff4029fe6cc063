// A second thread searching beside a search, on a machine of two cores or
// more. Either it is the twin of one depth-first strategy
// (Strategy::JoinAsTwin): a proof of loss must enter every position a
// strategy can reach, and the twins share that work out, so the proof
// takes about half the time. Or it searches with strategies of its own,
// taking turns: where deals are won by several ways of searching, each
// of which wins deals the others miss, each then gets the whole budget
// rather than a share of it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "solver/position_key.h"
#include "solver/strategy.h"

namespace tarnik::solver {

class SecondThread {
 public:
  // A strategy of its own and the set it enters its positions in.
  struct Own {
    std::unique_ptr<Strategy> strategy;
    std::unique_ptr<KeySet> set;
  };

  // Makes `twin` (new, of `helped`'s kind) its twin and starts the thread.
  // `helped` must have started, and its set of positions be shared.
  SecondThread(std::unique_ptr<Strategy> twin, Strategy& helped);
  // Starts the thread on `own`, which take turns of `turn` expansions.
  // Past `mostBytes` held, the one holding the most is let go.
  SecondThread(std::vector<Own> own, int64_t turn, int64_t mostBytes);
  // Stops the thread (and parts the twins).
  ~SecondThread();
  SecondThread(const SecondThread&) = delete;
  SecondThread& operator=(const SecondThread&) = delete;

  // Searching; Won once a strategy of it won (its line is then the
  // answer); Exhausted once the twins have expanded every position they
  // entered, or its own strategies all ran out or were let go (which
  // proves nothing: they skip moves).
  Strategy::State State() const { return state_.load(std::memory_order_acquire); }
  // The strategy that won, once the thread has stopped.
  Strategy& Winner();
  // Stops the thread and parts the twins; after this the helped strategy
  // searches on alone.
  void Stop();

  // What it has expanded, entered and brought home, and the bytes it
  // holds, as of its last turn.
  int64_t Expanded() const { return expanded_.load(std::memory_order_relaxed); }
  int64_t Stored() const { return stored_.load(std::memory_order_relaxed); }
  int32_t BestScore() const { return best_.load(std::memory_order_relaxed); }
  int64_t Bytes() const { return bytes_.load(std::memory_order_relaxed); }
  // The bytes a search counts for it: with strategies of its own, all it
  // may hold while it searches, so that the search leaves that much free.
  int64_t Reserved() const;

 private:
  void RunTwin();
  void RunOwn();
  Held OwnHeld() const;
  size_t Largest() const;
  void LetGo(size_t i);
  void Tell();

  std::vector<Own> own_;  // the twin alone, or its own strategies
  int64_t turn_ = 0;
  int64_t mostBytes_ = 0;
  size_t winner_ = 0;
  bool twin_ = false;
  TwinLink link_;
  // What the strategies let go had expanded, entered and brought home.
  int64_t goneExpanded_ = 0, goneStored_ = 0;
  int32_t goneBest_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<Strategy::State> state_{Strategy::State::Searching};
  std::atomic<int64_t> expanded_{0}, stored_{0}, bytes_{0};
  std::atomic<int32_t> best_{0};
  std::thread thread_;
};

}  // namespace tarnik::solver
