#include "engine/table/sounds.h"

#include <chrono>

#include "engine/table/table.h"

namespace tarnik {

void PlaySoundNamed(Table& game, const char* name) {
  if (game.prefs.SoundToggle == 0) return;
  game.display->PlaySoundNamed(name);
}

const char* DropSoundName(uint32_t tickMilliseconds) {
  static const char* const kDrops[5] = {"Drop1", "Drop2", "Drop3", "Drop4", "Drop5"};
  return kDrops[(tickMilliseconds / 4) % 5];
}

void PlayDropSound(Table& game) { PlaySoundNamed(game, DropSoundName(TickCount())); }

uint32_t TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace tarnik
