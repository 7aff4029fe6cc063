// The sound service as the game sees it. Its one implementation lives in a
// module of its own (tarnik-sound), loaded the first time a sound is played,
// so that the multimedia libraries stay out of the program until then.
#pragma once

#include <QString>

namespace tarnik {

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // False when there is no audio device: the game then stays silent.
  virtual bool HasDevice() const = 0;
  // Starts the wave file without waiting; a sound started while another
  // one plays replaces it. The file is read the first time it is played.
  virtual void Play(const QString& file) = 0;
};

// The module's one exported function, by this name.
using CreateSoundBackendFunction = SoundBackend* (*)();
constexpr const char* kCreateSoundBackend = "tarnik_create_sound_backend";

}  // namespace tarnik
