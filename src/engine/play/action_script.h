// The player's actions as lines of text, carried out through the same
// pointer and command code that the window uses:
//   drag P K Q   press on card K (0 = bottom) of pile P and drop its group so
//                that its first card lies on the top card of pile Q
//   click P K    press and release on card K of pile P, or on the pile when
//                K is "-" or the pile is empty
//   right P      a right click on pile P
//   undo, redo, step, autoplay, snap, restore
// Used by tarnik-tool and by the search for winning moves.
#pragma once

#include <string>

namespace tarnik {

struct Game;

// Carries out one action line. A line that names no such pile or card, or an
// unknown action, returns false with `error` saying why; a legal action that
// changes nothing (an illegal drop) is not an error.
bool RunAction(Game& game, const std::string& line, std::string& error);

}  // namespace tarnik
