// A contact sheet of all artwork, composed exactly as the game composes
// its cards, for people to judge the deck by eye.
#pragma once

#include <QImage>

namespace tarnik::assets {

// Renders the sheet from the two artwork bitmaps: every style's composed
// faces, the 32 appearance combinations of three sample cards, fanned
// piles, the eight backs and every table tile repeated to show its seams.
QImage ContactSheet(const QImage& cardArt, const QImage& backArt);

}  // namespace tarnik::assets
