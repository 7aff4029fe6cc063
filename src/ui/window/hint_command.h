// "Hint": the solver looks for the next move of a winning line on a worker
// thread while the window goes on; the move is then outlined on the table
// for a moment, or the player is told that none was found. An answer to a
// table the player has changed meanwhile is dropped.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>

#include "solver/hint.h"

class QWidget;

namespace tarnik {

struct Game;
class TableWidget;

class HintCommand : public QObject {
 public:
  HintCommand(Game& game, TableWidget& table, QWidget* owner);
  ~HintCommand() override;

  // Starts a search of the table in play; nothing while one runs or while
  // cards are being dragged.
  void Run();
  bool Searching() const { return watcher_.isRunning(); }

 private:
  // Shows the answer, when it still fits the table.
  void Finished();

  Game& game_;
  TableWidget& table_;
  QWidget* owner_;
  std::unique_ptr<HintRequest> request_ = std::make_unique<HintRequest>();
  std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
  QFutureWatcher<Hint> watcher_;
};

}  // namespace tarnik
