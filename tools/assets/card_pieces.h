// The card surfaces, the drop shadow, the empty-pile markers and the strip
// behind the card counter.
#pragma once

#include <QImage>

namespace tarnik::assets {

// A 64 × 80 card surface: face 0 ivory, 1 white; plain or highlighted.
QImage CardSurface(int face, bool highlighted);
// The 64 × 80 drop shadow: a half-tone card that darkens what lies below.
QImage DropShadow();
// The five 64 × 80 empty-pile markers side by side (320 × 80): blank space,
// any face card, redeal, any card, none.
QImage EmptyPileMarkers();
// The 14 × 64 background strip of the card counter: four chip slots, one
// per suit.
QImage CounterStrip();

}  // namespace tarnik::assets
