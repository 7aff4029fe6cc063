#include "ui/window/winnable_deal_services.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent>
#include <memory>

#include "engine/game/game.h"
#include "solver/winnable_deal.h"

namespace tarnik {

namespace {

// How long the search runs with only the busy cursor before its window shows.
constexpr int kQuietMilliseconds = 800;

// Waits for the search in a modal window with its count of deals tried and
// "Cancel"; returns once the search has ended.
void WaitWithProgress(QFutureWatcher<uint32_t>& watcher, WinnableSearch& search) {
  QProgressDialog dialog(QString(), QStringLiteral("Cancel"), 0, kWinnableDealTries,
                         QApplication::activeWindow());
  dialog.setWindowTitle(QStringLiteral("Deal only winnable games"));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setMinimumDuration(0);
  dialog.setAutoReset(false);
  const auto show = [&] {
    const int asked = search.asked;
    dialog.setLabelText(QStringLiteral("Looking for a deal the solver can win: deal %1 of %2.")
                            .arg(asked)
                            .arg(kWinnableDealTries));
    dialog.setValue(asked > 0 ? asked - 1 : 0);  // the deals already turned down
  };
  show();
  QTimer refresh;
  QObject::connect(&refresh, &QTimer::timeout, &dialog, show);
  refresh.start(100);
  QObject::connect(&watcher, &QFutureWatcher<uint32_t>::finished, &dialog, &QDialog::accept);
  QApplication::setOverrideCursor(Qt::ArrowCursor);  // over the busy cursor, for "Cancel"
  if (!watcher.isFinished()) dialog.exec();
  QApplication::restoreOverrideCursor();
  search.cancel = true;       // closed by "Cancel", Escape or the close box, unless done
  watcher.waitForFinished();  // a cancelled search ends within moments
}

}  // namespace

uint32_t WinnableDealServices::NewDealSeed(Game& game, uint32_t freshSeed) {
  if (!DealsOnlyWinnable(game.prefs)) return freshSeed;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto search = std::make_shared<WinnableSearch>();
  QFutureWatcher<uint32_t> watcher;
  QEventLoop loop;
  QObject::connect(&watcher, &QFutureWatcher<uint32_t>::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(kQuietMilliseconds, &loop, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run(
      [library = game.library, index = game.CurrentGame, prefs = game.prefs, freshSeed, search] {
        return WinnableDealSeed(library, index, prefs, freshSeed, search.get());
      }));
  if (!watcher.isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  if (!watcher.isFinished()) WaitWithProgress(watcher, *search);
  QApplication::restoreOverrideCursor();
  return watcher.result();
}

}  // namespace tarnik
