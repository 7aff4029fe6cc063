// "Turn uncovered cards" (off by default): a face-down card that a move
// leaves on top of a pile that turns its cards by a click is turned at once,
// and the turn is stored with the move that uncovered it.
#pragma once

namespace tarnik {

struct Game;
struct Pile;

// Whether a click on the pile's face-down top card would turn it: no stock,
// no pairing pile, and the card is the one a press there takes.
bool TurnsByClick(const Game& game, const Pile& pile);
// Notes that cards were just lifted off `source`.
void NoteUncovered(Game& game, const Pile& source);
// With the help on, turns the noted piles' face-down top cards; forgets the
// notes either way. Runs as the move is recorded.
void TurnUncoveredCards(Game& game);

}  // namespace tarnik
