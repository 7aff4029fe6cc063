// A second thread searching beside one depth-first strategy of a search,
// as its twin (Strategy::JoinAsTwin): a proof of loss must enter every
// position a strategy can reach, and on a machine of two cores or more
// the twins share that work out, so the proof takes about half the time.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "solver/strategy.h"

namespace tarnik::solver {

class ProofHelper {
 public:
  // Makes `twin` (new, of `helped`'s kind) its twin and starts the thread.
  // `helped` must have started, and its set of positions be shared.
  ProofHelper(std::unique_ptr<Strategy> twin, Strategy& helped);
  // Stops the thread and parts the twins.
  ~ProofHelper();
  ProofHelper(const ProofHelper&) = delete;
  ProofHelper& operator=(const ProofHelper&) = delete;

  // Searching while the twin searches; Won once it won (its line is then
  // the answer), Exhausted once the twins have expanded every position
  // they entered.
  Strategy::State State() const { return state_.load(std::memory_order_acquire); }
  // The twin, for its winning line, once the thread has stopped.
  Strategy& Twin();
  // Stops the thread and parts the twins; after this the helped strategy
  // searches on alone.
  void Stop();

  // What the twin has expanded, entered and brought home, and the bytes
  // it holds, as of its last turn.
  int64_t Expanded() const { return expanded_.load(std::memory_order_relaxed); }
  int64_t Stored() const { return stored_.load(std::memory_order_relaxed); }
  int32_t BestScore() const { return best_.load(std::memory_order_relaxed); }
  int64_t Bytes() const { return bytes_.load(std::memory_order_relaxed); }

 private:
  void Run();

  std::unique_ptr<Strategy> twin_;
  TwinLink link_;
  std::atomic<bool> stop_{false};
  std::atomic<Strategy::State> state_{Strategy::State::Searching};
  std::atomic<int64_t> expanded_{0}, stored_{0}, bytes_{0};
  std::atomic<int32_t> best_{0};
  std::thread thread_;
};

}  // namespace tarnik::solver
