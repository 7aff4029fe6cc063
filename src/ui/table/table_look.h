// What the table image shows, pile by pile, so that a redraw composes only
// where the table changed since the last one: after a move, the piles the
// move touched, not the whole window.
#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <vector>

#include "engine/game/game.h"
#include "ui/art/table_art.h"

namespace tarnik {

// One pile as drawn: every cell with its classic position, its texts and
// outlines, and the device pixels that all of it covers.
struct PileLook {
  std::vector<int32_t> items;
  QRect bounds;
};

// The whole table as drawn, and the surface, factor, felt and cells it was
// drawn with.
struct TableLook {
  QSize size;
  double factor = 0;
  int32_t tile = -1;
  qint64 cells = 0;
  std::vector<PileLook> piles;
};

// The look of the game in play drawn on `art`'s table surface.
TableLook LookOf(const TableArt& art, const Game& game);
// The device pixels where `now` differs from `before`: the whole surface
// when the surface, the factor, the felt or the cells changed or the piles
// are others; otherwise what the changed piles covered before and cover now.
QRegion ChangedRegion(const TableLook& before, const TableLook& now);

}  // namespace tarnik
