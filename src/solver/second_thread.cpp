#include "solver/proof_helper.h"

namespace tarnik::solver {

namespace {

// Expansions the twin makes between looks at whether to stop: some tenths
// of a millisecond, so that a search cancelled stops at once.
constexpr int64_t kHelperTurn = 64;

}  // namespace

ProofHelper::ProofHelper(std::unique_ptr<Strategy> twin, Strategy& helped)
    : twin_(std::move(twin)) {
  twin_->JoinAsTwin(helped, link_);
  thread_ = std::thread([this] { Run(); });
}

ProofHelper::~ProofHelper() { Stop(); }

Strategy& ProofHelper::Twin() {
  Stop();
  return *twin_;
}

void ProofHelper::Stop() {
  stop_.store(true, std::memory_order_relaxed);
  if (thread_.joinable()) thread_.join();
  twin_->PartTwins();
}

// The twin takes turns until it wins, the twins run out or it is stopped;
// after each turn it tells what it has done.
void ProofHelper::Run() {
  while (!stop_.load(std::memory_order_relaxed)) {
    const Strategy::State state = twin_->Step(kHelperTurn);
    expanded_.store(twin_->Expanded(), std::memory_order_relaxed);
    stored_.store(twin_->Stored(), std::memory_order_relaxed);
    best_.store(twin_->BestScore(), std::memory_order_relaxed);
    bytes_.store(twin_->Bytes(), std::memory_order_relaxed);
    if (state != Strategy::State::Searching) {
      state_.store(state, std::memory_order_release);
      return;
    }
  }
}

}  // namespace tarnik::solver
