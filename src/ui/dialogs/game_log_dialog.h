// "Select logged game.": the log of the game in play, one line per logged
// seed, with the selected deal's state, high score and comment. A new
// comment is stored at once; a double click on a seed deals it again. No
// close box; Escape does nothing; OK or a double click closes it.
#pragma once

#include <QDialog>

#include "engine/records/game_log.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace tarnik {

class GameLogDialog : public QDialog {
 public:
  GameLogDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowRecord();
  void LineChanged(int line);
  void Replay();

  Game& game_;
  GameLogLines lines_;
  QLineEdit* state_;
  QLineEdit* highScore_;
  QComboBox* comment_;
  QListWidget* seeds_;
};

}  // namespace tarnik
