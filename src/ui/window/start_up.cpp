#include "ui/window/start_up.h"

#include "engine/shell/record_store.h"
#include "ui/window/main_window.h"

namespace tarnik {

void ShowAndLoadRecords(MainWindow& window, Game& game, uint32_t tickMilliseconds) {
  // Showing sends the pending resize events at once, so the table knows its
  // size before the first deal is laid out; nothing is painted until the
  // event loop runs.
  window.show();
  LoadRecords(game, tickMilliseconds);
}

}  // namespace tarnik
