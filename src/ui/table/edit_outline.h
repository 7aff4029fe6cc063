// Edit mode's mark on the table: a frame round the pile being edited, so the
// player sees which pile the editor, a right-drag or a direction step works
// on.
#pragma once

#include <QColor>

class QPainter;

namespace tarnik {

struct Game;
struct Pile;

constexpr QRgb kEditOutlineColour = 0xFFFFD200;  // bright yellow on any table

// The pile to frame: the edited pile while edit mode is on and the pile
// belongs to the game; otherwise null.
const Pile* OutlinedPile(const Game& game);
// Draws the frame, 3 pixels wide, just outside the pile's rectangle.
void DrawEditOutline(QPainter& painter, const Game& game);

}  // namespace tarnik
