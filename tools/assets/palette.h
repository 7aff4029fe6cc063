// The colours of the deck: inks, card surfaces and the few accents that
// several pictures share, in one place so the deck stays consistent.
#pragma once

#include <QColor>

namespace tarnik::assets {

// Card surfaces: face 0 is warm ivory, face 1 a cool bright white; each has
// a highlighted variant for the drop target and the rank markers.
inline const QColor kIvory(252, 250, 242);
inline const QColor kIvoryHighlight(255, 238, 170);
inline const QColor kWhiteFace(246, 248, 251);
inline const QColor kWhiteFaceHighlight(190, 218, 255);
inline const QColor kCardEdge(96, 96, 96);
inline const QColor kBackEdge(168, 164, 154);

// Inks of the two colours of suits and letters.
inline const QColor kBlackInk(22, 22, 26);
inline const QColor kRedInk(206, 16, 32);

// Accents of the pictures.
inline const QColor kGold(206, 160, 40);
inline const QColor kDarkGold(150, 108, 20);
inline const QColor kRoyalBlue(40, 70, 160);
inline const QColor kFrameLine(120, 110, 96);

// The plain surface all smooth edges are laid over.
inline QColor SurfaceBase() {
  return kIvory;
}

// The ink of suit s (0 spades, 1 clubs black; 2 hearts, 3 diamonds red).
inline QColor SuitInk(int s) {
  return s >= 2 ? kRedInk : kBlackInk;
}

}  // namespace tarnik::assets
