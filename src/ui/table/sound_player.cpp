#include "ui/table/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace tarnik {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const char* name) {
  const QString key = QString::fromLatin1(name);
  auto it = effects_.find(key);
  if (it == effects_.end()) {
    auto* effect = new QSoundEffect(this);
    const QString path = QStringLiteral("Sound/%1.wav").arg(key);
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect->setVolume(0.8);
    it = effects_.emplace(key, effect).first;
  }
  if (playing_ && playing_ != it->second) playing_->stop();
  playing_ = it->second;
  playing_->play();
}

}  // namespace tarnik
