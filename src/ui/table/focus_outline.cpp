#include "ui/table/focus_outline.h"

#include <QPainter>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"

namespace tarnik {

void DrawFocusOutline(QPainter& painter, const Game& game) {
  if (!game.FocusShown || game.FocusPile < 0 || game.FocusPile >= CountPiles(game.PileTable))
    return;
  const Pile& pile = game.PileTable[game.FocusPile];
  const QRectF around = QRectF(pile.Left, pile.Top, pile.Width, pile.Height).adjusted(-4, -4, 4, 4);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 190), 5));
  painter.drawRoundedRect(around, 5, 5);
  painter.setPen(QPen(QColor(255, 255, 255), 2, Qt::DashLine));
  painter.drawRoundedRect(around, 5, 5);
  painter.restore();
}

}  // namespace tarnik
