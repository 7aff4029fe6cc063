// The window's part of start-up: the window is shown before the records are
// loaded, so the deal at start is laid out in the client area the window
// really has (its pile drifts for the win animation included).
#pragma once

#include <cstdint>

namespace tarnik {

class MainWindow;
struct Game;

// Shows the window, which gives the table its real size, then loads the
// player's records and starts the game in progress or a fresh deal.
void ShowAndLoadRecords(MainWindow& window, Game& game, uint32_t tickMilliseconds);

}  // namespace tarnik
