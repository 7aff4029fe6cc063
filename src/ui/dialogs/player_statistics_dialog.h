// "Player Statistics": every library game with its played, won and lost
// counts and its win percentage; a click on a column header sorts by that
// column, ascending and descending by turns across every opening.
#pragma once

#include <QDialog>

class QTreeWidget;

namespace tarnik {

struct Game;

class PlayerStatisticsDialog : public QDialog {
 public:
  // Shows the first `rows` rows of the statistics table, already built.
  PlayerStatisticsDialog(Game& game, int32_t rows, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing; OK and the close box close
  void closeEvent(QCloseEvent* event) override;

 private:
  void SortByColumn(int column);

  Game& game_;
  QTreeWidget* list_;
};

}  // namespace tarnik
