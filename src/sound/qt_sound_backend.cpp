// The sound module: plays the game's wave files through Qt Multimedia. It is
// loaded by the program the first time a sound is played, never linked to it.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "platform/sound_backend.h"

namespace tarnik {

namespace {

class QtSoundBackend final : public SoundBackend {
 public:
  // Asks once whether there is an output device at all.
  QtSoundBackend() : hasDevice_(!QMediaDevices::audioOutputs().isEmpty()) {}

  bool HasDevice() const override { return hasDevice_; }

  // Each file is loaded the first time it is played and kept for the run.
  void Play(const QString& file) override {
    if (!hasDevice_) return;
    auto it = effects_.find(file);
    if (it == effects_.end()) {
      auto effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl::fromLocalFile(file));
      effect->setVolume(0.8);
      it = effects_.emplace(file, std::move(effect)).first;
    }
    if (playing_ && playing_ != it->second.get()) playing_->stop();
    playing_ = it->second.get();
    playing_->play();
  }

 private:
  bool hasDevice_;
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace

}  // namespace tarnik

extern "C" Q_DECL_EXPORT tarnik::SoundBackend* tarnik_create_sound_backend() {
  return new tarnik::QtSoundBackend();
}
