// "Game Graph": the running share of won deals of the game in play, one bar
// per logged deal over a grid of ten percent steps. OK or the close box
// closes it; Escape does nothing.
#pragma once

#include <QDialog>

namespace tarnik {

struct Game;

class GameGraphDialog : public QDialog {
 public:
  GameGraphDialog(const Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tarnik
