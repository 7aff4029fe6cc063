// "Graphic/Back.bmp": 64 table background tiles of 128 × 128 that repeat
// without seams. Tiles 0 to 62 are the player's choices (baize, wood,
// leather, marble, linen and patterns); tile 63 covers the table of a won
// deal.
#pragma once

#include <QImage>
#include <QString>

namespace tarnik::assets {

// One tile, 128 × 128.
QImage TableTile(int tile);
// All 64 tiles in their 8 × 8 grid, 1024 × 1024.
QImage BuildBackArt();
// A short English name of each tile, for the contact sheet.
QString TileName(int tile);

}  // namespace tarnik::assets
