#include "ui/table/sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

#include "platform/audio_server.h"
#include "platform/sound_backend.h"

namespace tarnik {

namespace {

// Where the sound module may be: beside an installed or built program, then
// where the installation put it.
QStringList ModuleCandidates() {
  const QDir bin(QCoreApplication::applicationDirPath());
  return {bin.filePath(QStringLiteral(TARNIK_SOUND_MODULE_FROM_BIN "/tarnik-sound")),
          QStringLiteral(TARNIK_SOUND_MODULE)};
}

// The module's backend, or none when it cannot be loaded.
std::unique_ptr<SoundBackend> LoadBackend() {
  for (const QString& candidate : ModuleCandidates()) {
    QLibrary module(candidate);
    if (!module.load()) continue;
    const auto create =
        reinterpret_cast<CreateSoundBackendFunction>(module.resolve(kCreateSoundBackend));
    if (create) return std::unique_ptr<SoundBackend>(create());  // stays loaded for the run
    module.unload();
  }
  return nullptr;
}

// The wave file of a sound name, relative to the working folder.
QString SoundFile(const QString& name) {
  return QFileInfo(QStringLiteral("Sound/%1.wav").arg(name)).absoluteFilePath();
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const char* name) {
  const QString key = QString::fromLatin1(name);
  switch (state_) {
    case State::Silent: return;
    case State::Playing: backend_->Play(SoundFile(key)); return;
    case State::Starting: pending_ = key; return;
    case State::NotStarted:
      if (!AudioServerReachable()) {
        state_ = State::Silent;
        return;
      }
      // Started from the event loop, so the first sound never holds up the
      // window, however slow the sound server is to answer.
      state_ = State::Starting;
      pending_ = key;
      QTimer::singleShot(0, this, &SoundPlayer::Start);
      return;
  }
}

void SoundPlayer::Start() {
  backend_ = LoadBackend();
  if (!backend_ || !backend_->HasDevice()) {
    backend_.reset();
    state_ = State::Silent;
    return;
  }
  state_ = State::Playing;
  backend_->Play(SoundFile(pending_));
}

}  // namespace tarnik
