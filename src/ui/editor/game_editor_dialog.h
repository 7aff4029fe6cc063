// "Game Editor": the name and the game flags of the game in play, each flag
// dealt at once, and "Add game" for a new "<empty>" game in the library.
// Modal, with no cancel: only OK closes it; the close box is absent and
// Escape does nothing.
#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;

namespace tarnik {

struct Game;

class GameEditorDialog : public QDialog {
 public:
  GameEditorDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  QGroupBox* FlagGroup(const QString& title, int firstBit, int lastBit, int columns);
  void Ok();

  Game& game_;
  QLineEdit* name_;
};

}  // namespace tarnik
