// Plays the game's wave files without waiting. Nothing of the sound service
// is loaded before the first sound: then, once the window is up, the sound
// module is loaded when a sound server can be reached, and with no server,
// no module or no audio device the game stays silent for the run, without
// a word.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace tarnik {

class SoundBackend;

class SoundPlayer : public QObject {
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;
  // Starts "Sound/<name>.wav"; a sound started while another plays replaces it.
  void Play(const char* name);

 private:
  enum class State { NotStarted, Starting, Playing, Silent };
  // Loads the sound module and plays the sound asked for meanwhile.
  void Start();

  State state_ = State::NotStarted;
  QString pending_;  // the last sound asked for before the service was up
  std::unique_ptr<SoundBackend> backend_;
};

}  // namespace tarnik
