// "Game Statistics": the name of the game in play and how often the player
// played, won and lost it, with the win percentage. Only OK closes it.
#pragma once

#include <QDialog>

namespace tarnik {

struct Game;

class GameStatisticsDialog : public QDialog {
 public:
  GameStatisticsDialog(const Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tarnik
