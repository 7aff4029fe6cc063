// Artwork of the program window: the toolbar strip, the cursor shown while
// cards are dragged, and the program icon.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace tarnik::assets {

constexpr int kToolbarImages = 16;

// The toolbar strip: 16 images of 16 × 16 side by side (256 × 16, with
// alpha): blank page, open folder, diskette, page with circling arrows,
// arrows left, right, up and down, curved arrows back and forward,
// footprints, overlapping windows with arrows, dialog form, help book,
// door with arrow, light bulb.
QImage ToolbarStrip();

// The drag cursor: 32 × 32 in two colours, black and white, the rest
// transparent; a hand holding a fan of cards.
QImage DragCursor();

// The program icon as SVG text: two fanned cards on a green table.
QByteArray IconSvg();
// The icon rendered at size × size pixels, with alpha.
QImage IconImage(int size);

}  // namespace tarnik::assets
