#include "ui/window/hint_command.h"

#include <QApplication>
#include <QMessageBox>
#include <QtConcurrent>

#include "engine/game/game.h"
#include "ui/table/table_widget.h"

namespace tarnik {

namespace {

QRect ToQRect(const TableRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

}  // namespace

HintCommand::HintCommand(Game& game, TableWidget& table, QWidget* owner)
    : QObject(owner), game_(game), table_(table), owner_(owner) {
  connect(&watcher_, &QFutureWatcher<Hint>::finished, this, [this] { Finished(); });
}

HintCommand::~HintCommand() {
  cancel_->store(true);
  watcher_.waitForFinished();
}

void HintCommand::Run() {
  if (Searching() || !CaptureHint(game_, *request_)) return;
  cancel_->store(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  watcher_.setFuture(QtConcurrent::run([table = request_->table, cancel = cancel_] {
    return FindHint(table, HintOptions(cancel.get()));
  }));
}

void HintCommand::Finished() {
  QApplication::restoreOverrideCursor();
  if (watcher_.future().resultCount() == 0 || !HintIsCurrent(game_, *request_)) return;
  const Hint hint = watcher_.result();
  const HintMarks marks = hint.found ? MarkHint(game_, hint.action) : HintMarks();
  if (marks.valid) {
    table_.FlashHint(ToQRect(marks.cards), marks.hasTarget ? ToQRect(marks.target) : QRect(),
                     kHintShowMilliseconds);
    return;
  }
  // The exclamation icon, as every message of the program has.
  QMessageBox::warning(owner_, QStringLiteral("Hint"),
                           QStringLiteral("No winning move found."));
}

}  // namespace tarnik
