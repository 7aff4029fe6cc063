// Assembles "Graphic/Card.bmp": every piece of card artwork at its place.
#pragma once

#include <QImage>
#include <QString>

namespace tarnik::assets {

// The 832 × 640 card artwork, or a null image with a reason in *error.
QImage BuildCardArt(QString* error);

}  // namespace tarnik::assets
