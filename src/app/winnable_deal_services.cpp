#include "app/winnable_deal_services.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent>

#include "model/game_state.h"
#include "play/winnable_deal.h"

namespace tarnik {

uint32_t WinnableDealServices::NewDealSeed(Game& game, uint32_t freshSeed) {
  if (!DealsOnlyWinnable(game.prefs)) return freshSeed;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QFutureWatcher<uint32_t> watcher;
  QEventLoop loop;
  QObject::connect(&watcher, &QFutureWatcher<uint32_t>::finished, &loop, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run(
      [library = game.library, index = game.CurrentGame, prefs = game.prefs, freshSeed] {
        return WinnableDealSeed(library, index, prefs, freshSeed);
      }));
  if (!watcher.isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  QApplication::restoreOverrideCursor();
  return watcher.result();
}

}  // namespace tarnik
