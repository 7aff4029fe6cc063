// Starting a deal: the game's piles from the library, the redeals and the
// rank drawn highest from its flags, the shuffle and deal, a fresh history
// and the log record of the deal, then automatic play.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

// Starts game CurrentGame of the library with the given seed (the caller has
// set CurrentSeed to the same seed).
void StartGame(Game& game, uint32_t seed);
// Deals the current game afresh in memory after an edit of its rules,
// continuing the generator rather than reseeding it. The new deal starts the
// history again, so that no stored position belongs to the rules before the
// edit (and a saved game holds the cards of one deal throughout).
void RefreshPreview(Game& game);

}  // namespace tarnik
