// "Is this deal winnable?": a window that shows the solver's progress on the
// deal in play (positions searched, most cards home, time) while a worker
// thread searches a copy of it, with a "Cancel" button; then the answer.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QTimer>
#include <atomic>
#include <memory>

#include "solver/solver.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarnik {

struct Game;

// What the worker shares with the window: the progress it reports and the
// cancel flag the window raises.
struct DealCheckShared {
  std::atomic<int64_t> nodes{0};
  std::atomic<int64_t> elapsedMs{0};
  std::atomic<int32_t> bestScore{0};
  std::atomic<int32_t> deckSize{0};
  std::atomic<bool> cancel{false};
};

// The worker's outcome: whether the deal could be made, and the search.
struct DealCheckOutcome {
  bool dealt = false;
  SolveResult result;
};

class DealCheckDialog : public QDialog {
 public:
  // Starts searching the deal of `game` (its game and seed, from the start).
  DealCheckDialog(const Game& game, QWidget* parent);
  ~DealCheckDialog() override;

  // The outcome once the dialog has closed; `cancelled` when the player
  // stopped the search.
  const DealCheckOutcome& Outcome() const { return outcome_; }
  // "Cancel", and the close box: stops the search, then closes.
  void reject() override;

 private:
  void ShowProgress();
  void Finished();

  std::shared_ptr<DealCheckShared> shared_ = std::make_shared<DealCheckShared>();
  QFutureWatcher<DealCheckOutcome> watcher_;
  DealCheckOutcome outcome_;
  QTimer refresh_;
  QLabel* progress_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

// Runs the check of the deal in play and tells the player the answer.
void CheckDealWinnable(const Game& game, QWidget* owner);

}  // namespace tarnik
