#include "ui/dialogs/game_graph_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/game/game.h"
#include "engine/records/game_graph.h"

namespace tarnik {

namespace {

// The plot: the grid, then a black bar per counted deal.
class GraphPanel : public QWidget {
 public:
  GraphPanel(std::vector<int32_t> heights, QWidget* parent)
      : QWidget(parent), heights_(std::move(heights)) {
    setObjectName(QStringLiteral("graphPanel"));
    setFixedSize(kGraphWidth, kGraphHeight);
  }

 protected:
  // Lines end one pixel short of their far end, as a line drawn to a point
  // leaves that point out.
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (int x = 0; x <= 606; x += 6) painter.drawLine(x, 0, x, 240);
    for (int y = 0; y <= 240; y += 24) painter.drawLine(0, y, 606, y);
    int x = 8;
    for (int32_t h : heights_) {
      painter.fillRect(QRect(x - 4, 240 - h, 4, h + 1), Qt::black);
      x += 6;
    }
  }

 private:
  std::vector<int32_t> heights_;
};

// The plot with "100%" … "0%" at its left, each beside its grid line.
QWidget* PlotWithScale(std::vector<int32_t> heights, QWidget* parent) {
  auto* area = new QWidget(parent);
  const int labelHeight = area->fontMetrics().height();
  const int labelWidth = area->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4;
  const int top = labelHeight / 2;
  for (int i = 0; i <= 10; ++i) {
    auto* label = new QLabel(QStringLiteral("%1%").arg(100 - 10 * i), area);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(0, top + 24 * i - labelHeight / 2, labelWidth, labelHeight);
  }
  auto* panel = new GraphPanel(std::move(heights), area);
  panel->move(labelWidth + 6, top);
  area->setFixedSize(labelWidth + 6 + kGraphWidth, kGraphHeight + 2 * top);
  return area;
}

}  // namespace

GameGraphDialog::GameGraphDialog(const Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("id15008"));
  setWindowTitle(QStringLiteral("Game Graph"));
  auto* name = new QLabel(QString::fromLatin1(game.library.GameNames[game.CurrentGame]), this);
  name->setObjectName(QStringLiteral("id17018"));
  auto* title = new QHBoxLayout;
  title->addWidget(new QLabel(QStringLiteral("Graph for:"), this));
  title->addWidget(name, 1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  auto* column = new QVBoxLayout(this);
  column->addLayout(title);
  column->addWidget(PlotWithScale(GraphBarHeights(game, game.CurrentGame), this));
  column->addWidget(ok, 0, Qt::AlignHCenter);
  column->setSizeConstraint(QLayout::SetFixedSize);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The close box closes like OK.
void GameGraphDialog::closeEvent(QCloseEvent* event) {
  if (isVisible()) accept();
  event->accept();
}

}  // namespace tarnik
