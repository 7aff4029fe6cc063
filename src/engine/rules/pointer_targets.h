// What lies under the pointer: the pile and the group of cards a press would
// take, and the pile on which dragged cards would land.
#pragma once

#include <cstdint>

namespace tarnik {

struct Table;
struct Pile;

// The pile under a point of the table, or null. Sets that pile's GrabCard to
// the group a press there would lift, and GrabBelow when the point lies on a
// card deeper than that group.
Pile* PileAtPoint(Table& game, int32_t x, int32_t y);
// While cards are dragged: highlights the pile under the middle of their
// first card when it accepts them, and remembers it as the drop target.
void TrackDropTarget(Table& game);

}  // namespace tarnik
