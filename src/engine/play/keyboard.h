// Playing without the mouse. Tab and Shift+Tab move a focus frame through
// the piles a pointer could press, in table order; Space presses the focused
// pile's top card as the pointer would (lifting its group, dealing, turning
// or marking) and, while cards are lifted, drops them on the focused pile
// with the usual glide (a refused drop glides home); Enter makes the right
// click's move; Escape puts lifted cards back.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;
struct Pile;

// Whether a press at the pile's top card (or at an empty pile) reaches it.
bool PilePressable(Game& game, int32_t index);
// The pile with the focus frame, or null while the frame is hidden.
Pile* FocusedPile(Game& game);
// Tab (+1) and Shift+Tab (-1): the next pressable pile, round the table. A
// hidden frame shows again where it was.
void MoveFocus(Game& game, int step);
// Space: lift, drop, or (on the pile the cards came from) take one card more
// where the pointer could, else put them back.
void KeySpace(Game& game);
// Enter: the right click's automatic move from the focused pile.
void KeyEnter(Game& game);
// Escape: lifted cards go home; otherwise the frame hides.
void KeyEscape(Game& game);
// A mouse press hides the frame until the keyboard is used again.
void HideFocus(Game& game);

}  // namespace tarnik
