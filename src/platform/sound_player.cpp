#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTemporaryFile>

#include "generation/pronunciation.h"

namespace nuvelo::platform {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    // Stop before the file under the player goes away.
    if (player_) player_->stop();
}

bool SoundPlayer::hasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QMediaPlayer* SoundPlayer::ensurePlayer() {
    if (!hasAudioOutput()) return nullptr;
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
    }
    // Follow the device the user has chosen since the last sound.
    output_->setDevice(QMediaDevices::defaultAudioOutput());
    return player_;
}

bool SoundPlayer::playUrl(const QUrl& url) {
    // The encoded form is plain ASCII, which reads the same as GBK.
    const QByteArray encoded = url.toEncoded();
    if (!url.isValid() || !generation::isPlayableUrl(encoded.toStdString())) return false;
    lastAcceptedUrl_ = url;
    QMediaPlayer* player = ensurePlayer();
    if (!player) return false;
    player->stop();
    player->setSource(url);
    player->play();
    return true;
}

bool SoundPlayer::playWav(const QByteArray& wav) {
    if (wav.isEmpty()) return false;
    QMediaPlayer* player = ensurePlayer();
    if (!player) return false;
    player->stop();
    player->setSource(QUrl());
    auto file = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath("nuvelo-speech-XXXXXX.wav"));
    if (!file->open() || file->write(wav) != wav.size() || !file->flush()) return false;
    speechFile_ = std::move(file);
    player->setSource(QUrl::fromLocalFile(speechFile_->fileName()));
    player->play();
    return true;
}

}  // namespace nuvelo::platform
