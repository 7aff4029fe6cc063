// Headgear emblems that stand for the court ranks where no figure is
// drawn: a crown for the king, a diadem for the queen, a feathered cap for
// the jack.
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace tarnik::assets {

// The emblem of rank index 10 (jack), 11 (queen) or 12 (king) filling `box`.
QPainterPath CourtEmblem(int k, const QRectF& box);

}  // namespace tarnik::assets
