// Plays the game's wave files without waiting. Each sound is loaded once;
// with no audio device the game simply stays silent.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace tarnik {

class SoundPlayer : public QObject {
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;
  // Starts "Sound/<name>.wav"; a sound started while another plays replaces it.
  void Play(const char* name);

 private:
  std::map<QString, QSoundEffect*> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace tarnik
