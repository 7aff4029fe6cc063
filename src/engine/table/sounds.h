// The game's sound effects: a shuffle and five slightly different drops,
// played only while "Enable sounds." is on.
#pragma once

#include <cstdint>

namespace tarnik {

struct Table;

// Plays Sound/<name>.wav without waiting, when sounds are enabled.
void PlaySoundNamed(Table& game, const char* name);
// Plays one of the five drop sounds, chosen by the clock.
void PlayDropSound(Table& game);
// The drop sound for a millisecond tick count: "Drop1" … "Drop5" in turn,
// four milliseconds each.
const char* DropSoundName(uint32_t tickMilliseconds);
// Milliseconds of a steady clock, modulo 2^32.
uint32_t TickCount();

}  // namespace tarnik
