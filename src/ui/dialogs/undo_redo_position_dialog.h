// "Undo/Redo position": a slider over every stored position of the deal; the
// table follows the slider at once, and a button returns to the snap shot.
// No close box; Escape does nothing; OK closes.
#pragma once

#include <QDialog>

class QLineEdit;
class QSlider;

namespace tarnik {

struct Game;
struct PositionDialogView;

class UndoRedoPositionDialog : public QDialog {
 public:
  UndoRedoPositionDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  void Show(const PositionDialogView& view);
  void Slide(int position);
  void ReturnToSnapShotClicked();

  Game& game_;
  QSlider* slider_;
  QLineEdit* undo_;
  QLineEdit* redo_;
};

}  // namespace tarnik
