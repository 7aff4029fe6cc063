// The centre pictures of the four card styles: number-card frame, aces,
// jacks, queens and kings, each 48 × 64 with pure white as transparency.
//   style 0  classic: traditional court figures, ornate ace of spades
//   style 1  modern: flat-coloured double-headed court busts
//   style 2  large index: big court letters under their emblems
//   style 3  minimalist: line emblems, outlined aces
#pragma once

#include <QImage>
#include <QString>

namespace tarnik::assets {

// Fills `out` with the 17 pictures of `style` (numbered as in the artwork
// file). Returns false, with a reason, when a deck it draws on is missing.
bool CentrePictures(int style, QImage out[17], QString* error);

}  // namespace tarnik::assets
