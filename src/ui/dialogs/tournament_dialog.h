// "Tournament manager.": edits the current tour (its games, name, seed and
// scores), steps between the sixteen tours and starts one. Every change goes
// straight into the tour table. OK or the close box closes it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace tarnik {

struct Game;

class TournamentDialog : public QDialog {
 public:
  TournamentDialog(Game& game, QWidget* parent);
  // Fills the controls from the current tour.
  void ShowTour();

  void done(int result) override;

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* ButtonColumn();
  void StoreName();
  void Step(void (*step)(Game&));

  Game& game_;
  QListWidget* library_;
  QTreeWidget* tour_;
  QLineEdit* name_;
  QLabel* seed_;
};

}  // namespace tarnik
