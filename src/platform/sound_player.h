// The media player: plays one sound at a time through Qt Multimedia.
//
// Nothing is played, and no player is even made, while the machine has no
// audio output: Qt's GStreamer back end is only touched when there is a
// device to play on. Sounds from the network must be http or https URLs;
// anything else (file://, data:, a bare path) is refused. Speech made by the
// program itself is handed over as WAV bytes and played from a private
// temporary file.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QTemporaryFile;

namespace nuvelo::platform {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // True when Qt reports at least one audio output device.
    static bool hasAudioOutput();

    // Plays the sound at `url`. False when the URL is refused or there is no
    // audio output; true when playback was started.
    bool playUrl(const QUrl& url);

    // Plays a complete WAV file held in memory. False when there is nothing
    // to play, no audio output, or the temporary file cannot be written.
    bool playWav(const QByteArray& wav);

    // The last network URL that passed the check, whether or not a device
    // was there to play it. Empty until one passes.
    const QUrl& lastAcceptedUrl() const { return lastAcceptedUrl_; }

private:
    QMediaPlayer* ensurePlayer();

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    std::unique_ptr<QTemporaryFile> speechFile_;
    QUrl lastAcceptedUrl_;
};

}  // namespace nuvelo::platform
