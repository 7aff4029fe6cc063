// Pairing games and the automatic runs: marked top cards that form an
// accepted set go to the goal pile, and a complete run from king down to ace
// goes to an empty goal pile by itself.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;
struct Pile;

constexpr int kMaxMarked = 20;  // marked cards the pairing check looks at

// Whether marked cards form a set the game's `flags` accept: `values` are
// their pairing values (ace 1 … king 13) in table order, the first
// kMaxMarked of `count` marked cards.
bool PairsOff(const int* values, int count, uint32_t flags);
// Whether the marked top cards form a set the game's flags accept.
int PairCheck(const Game& game);
// The click on a pairing pile: marks, unmarks or turns its top card, then
// sends an accepted set to the first WinGoal pile.
void ToggleMark(Game& game, Pile& pile);
// Moves one complete king-to-ace run (any suits) to an empty WinGoal pile.
int AutoStraightStep(Game& game);
// Moves one complete king-to-ace run of one suit to its empty suit pile.
int AutoSuiteStep(Game& game);
// Repeats AutoSuiteStep, then AutoStraightStep, until neither finds a run.
void AutoRuns(Game& game);

}  // namespace tarnik
