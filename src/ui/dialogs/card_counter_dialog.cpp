#include "ui/dialogs/card_counter_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/game/game.h"
#include "engine/records/card_counter.h"
#include "ui/art/card_images.h"
#include "ui/art/table_art.h"
#include "ui/table/table_widget.h"

namespace tarnik {

namespace {

// The counter panel: the strip background and a chip per face-down card.
class CounterPanel : public QWidget {
 public:
  CounterPanel(const Game& game, const TableArt& art, QWidget* parent)
      : QWidget(parent), game_(game), art_(art) {
    setObjectName(QStringLiteral("id17019"));
    setFixedSize(kCounterPanelWidth, kCounterPanelHeight);
  }

 protected:
  // Plain copies: 13 × 2 strips, then the chips of the piles asked for.
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect strip(CounterStripPos(), QSize(kCounterStripWidth, kCounterStripHeight));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 13; ++x)
        painter.drawImage(QPoint(kCounterStripWidth * x, kCounterStripHeight * y), art_.cardArt,
                          strip);
    for (const CounterChip& chip :
         CounterChips(game_.PileTable, game_.CurrentFlags, game_.RankOffset,
                      game_.records.CounterShowsStock == 1))
      painter.drawImage(QPoint(chip.panelX, chip.panelY), art_.cardSheet,
                        QRect(chip.sheetX, chip.sheetY, kChipWidth, kChipHeight));
  }

 private:
  const Game& game_;
  const TableArt& art_;
};

// A push button named by its id.
QPushButton* Button(QWidget* parent, const char* text, int id) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(QStringLiteral("id%1").arg(id));
  return button;
}

}  // namespace

CardCounterDialog::CardCounterDialog(Game& game, const TableArt& art, QWidget* parent)
    : QDialog(parent), game_(game), panel_(new CounterPanel(game, art, this)) {
  setObjectName(QStringLiteral("id15010"));
  setWindowTitle(QStringLiteral("Card Counter"));
  auto* stock = Button(this, "Show Stock", 17020);
  auto* tableau = Button(this, "Show Tableau", 17021);
  auto* ok = Button(this, "OK", 1);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(stock);
  buttons->addWidget(tableau);
  buttons->addWidget(ok);
  auto* column = new QVBoxLayout(this);
  column->addWidget(panel_, 0, Qt::AlignHCenter);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
  connect(stock, &QPushButton::clicked, this, [this] { ShowStock(true); });
  connect(tableau, &QPushButton::clicked, this, [this] { ShowStock(false); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CardCounterDialog::RepaintPanel() {
  panel_->repaint();
}

// Escape does nothing: only OK and the close box close the counter.
void CardCounterDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

// "Show Stock" and "Show Tableau": which piles the panel lists, kept for the
// whole run.
void CardCounterDialog::ShowStock(bool stock) {
  game_.records.CounterShowsStock = stock ? 1 : 0;
  RepaintPanel();
}

void OpenCardCounter(QPointer<CardCounterDialog>& handle, Game& game, const TableArt& art,
                     TableWidget& table, QWidget* owner) {
  if (handle) return;
  auto* dialog = new CardCounterDialog(game, art, owner);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  handle = dialog;
  table.SetRedrawListener([dialog] { dialog->RepaintPanel(); });
  QObject::connect(dialog, &QDialog::finished, dialog, [&handle, &table] {
    handle = nullptr;
    table.SetRedrawListener(nullptr);
  });
  dialog->show();
}

}  // namespace tarnik
