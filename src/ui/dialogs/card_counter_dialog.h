// "Card Counter": a modeless window beside the table that shows, as small
// rank chips, the cards still face down in the stock piles or in all other
// piles. The table's redraws repaint it while it is open; OK or the close
// box closes it.
#pragma once

#include <QDialog>
#include <QPointer>

namespace tarnik {

struct Game;
struct TableArt;
class TableWidget;

class CardCounterDialog : public QDialog {
 public:
  CardCounterDialog(Game& game, const TableArt& art, QWidget* parent);
  // Repaints the counter panel at once.
  void RepaintPanel();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowStock(bool stock);

  Game& game_;
  QWidget* panel_;
};

// Command "Card Counter...": opens the counter beside `owner` and keeps it in
// `handle` unless one is open already; the table repaints it on every redraw
// until it closes, which empties `handle` again.
void OpenCardCounter(QPointer<CardCounterDialog>& handle, Game& game, const TableArt& art,
                     TableWidget& table, QWidget* owner);

}  // namespace tarnik
