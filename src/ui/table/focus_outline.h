// Keyboard play's mark on the table: a frame round the pile with the focus,
// drawn with the table so that every redraw keeps it.
#pragma once

class QPainter;

namespace tarnik {

struct Game;

// Draws the focus frame, a bright dashed line on a dark halo just outside
// the pile, while the frame shows.
void DrawFocusOutline(QPainter& painter, const Game& game);

}  // namespace tarnik
