// The eight card backs, each 64 × 80: a white border round a printed
// pattern, as on a real deck.
#pragma once

#include <QImage>

namespace tarnik::assets {

constexpr int kBackDesigns = 8;

// Back b: 0 blue lattice, 1 red lattice, 2 green rosette, 3 navy stars,
// 4 tartan, 5 burgundy trellis, 6 teal fans, 7 purple scales.
QImage CardBack(int b);

}  // namespace tarnik::assets
