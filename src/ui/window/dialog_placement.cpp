#include "ui/window/dialog_placement.h"

#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <array>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "ui/window/main_window.h"

namespace tarnik {

namespace {

// The part of `a` that `b` covers, in pixels.
qint64 Overlap(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : qint64{both.width()} * both.height();
}

// `r` moved (never resized) so that it lies on `screen` as far as it can.
QRect KeptOn(QRect r, const QRect& screen) {
  r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() - r.width() + 1)));
  r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() - r.height() + 1)));
  return r;
}

// Whether a dialog of `size` fits on `screen` beside `window` on some side.
bool RoomBeside(const QRect& screen, const QRect& window, QSize size) {
  return screen.right() - window.right() >= size.width() ||
         window.left() - screen.left() >= size.width() ||
         screen.bottom() - window.bottom() >= size.height() ||
         window.top() - screen.top() >= size.height();
}

// The bounding box of the piles in play, in the table widget's coordinates.
QRect PileBox(const Game& game) {
  QRect box;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    const Pile& p = game.PileTable[i];
    box |= QRect(p.Left, p.Top, std::max(p.Width, kCardWidth), std::max(p.Height, kCardHeight));
  }
  return box;
}

}  // namespace

QRect PlaceDialog(const QRect& screen, const QRect& window, const QRect& piles, QSize size) {
  const int w = size.width(), h = size.height();
  // In order of preference: beside the window, then the screen's corners.
  const std::array<QRect, 8> candidates = {
      QRect(window.right() + 1, window.top(), w, h),
      QRect(window.left() - w, window.top(), w, h),
      QRect(window.left(), window.bottom() + 1, w, h),
      QRect(window.left(), window.top() - h, w, h),
      QRect(screen.right() - w + 1, screen.bottom() - h + 1, w, h),
      QRect(screen.left(), screen.bottom() - h + 1, w, h),
      QRect(screen.right() - w + 1, screen.top(), w, h),
      QRect(screen.topLeft(), size)};
  QRect best;
  qint64 least = -1;
  for (const QRect& c : candidates) {
    const QRect on = KeptOn(c, screen);
    const qint64 covered = Overlap(on, piles);
    if (least < 0 || covered < least) least = covered, best = on;
  }
  return best;
}

QSize EditorSize(const QRect& screen, const QRect& window, QSize natural) {
  if (RoomBeside(screen, window, natural)) return natural;
  const QSize cut(std::max(400, screen.width() * 3 / 5), std::max(300, screen.height() * 3 / 5));
  return natural.boundedTo(cut).boundedTo(screen.size());
}

void PlaceEditor(QDialog& dialog, MainWindow& window, const Game& game) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  const QRect frame = window.frameGeometry();
  // The natural size is what the controls ask for, without scroll bars; the
  // frame adds the same margin round any size the dialog takes.
  const auto* area = dialog.findChild<QScrollArea*>();
  const QSize natural = area && area->widget() ? area->widget()->sizeHint() : dialog.sizeHint();
  const QSize margin = dialog.frameGeometry().size() - dialog.geometry().size();
  const QSize size = EditorSize(free, frame, natural + margin) - margin;
  dialog.resize(size);
  const QRect local = PileBox(game);
  const QRect piles = local.isNull() ? QRect(window.Table().mapToGlobal(QPoint(0, 0)), window.Table().size())
                                     : QRect(window.Table().mapToGlobal(local.topLeft()), local.size());
  dialog.move(PlaceDialog(free, frame, piles, size + margin).topLeft());
}

}  // namespace tarnik
