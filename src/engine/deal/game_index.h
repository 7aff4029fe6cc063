// Indices that come from outside the program's own tables (preferences,
// tournaments, favourites, files) are checked here before they index a table.
#pragma once

#include <cstdint>

#include "engine/library/library.h"

namespace tarnik {

// The nearest index of a table of `count` entries: below 0 gives 0, beyond
// the end gives the last entry (0 for an empty table).
int32_t IndexInRange(int64_t value, int32_t count);
// A library game to deal for a stored game index, by the rule above.
int32_t GameInRange(const Library& library, int64_t index);
// The name of library game `index`, or "" when there is no such game.
const char* NameOfGame(const Library& library, int64_t index);
// A fresh random seed from the tick count that differs from `previous`, so
// that a "new deal" never repeats the deal just played.
uint32_t FreshSeedOtherThan(uint32_t tickMilliseconds, uint32_t previous);

}  // namespace tarnik
