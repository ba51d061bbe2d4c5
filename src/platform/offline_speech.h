// Offline speech: an English name spoken by the eSpeak NG synthesiser.
//
// Used when the online dictionary gives no sound, so the name is always
// heard. Synthesis makes a WAV file in memory (16-bit mono PCM); it never
// plays anything itself, so the sound player's "no audio device, no sound"
// rule holds for it too. eSpeak keeps global state, so every synthesis in the
// process is serialised behind one lock.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

namespace nuvelo::platform {

struct SpeechResult {
    enum class Status {
        Ok,
        NoVoiceData,  // eSpeak's data files (or the English voice) are not installed
        Failed,       // nothing to say, or synthesis gave no samples
    };
    Status status = Status::Failed;
    QByteArray wav;
    QString message;  // why, when not Ok
};

// Synthesises `text` (English) on the calling thread. Takes tens of
// milliseconds for a name; call it off the window thread.
SpeechResult synthesizeSpeech(const QString& text);

class OfflineSpeech : public QObject {
    Q_OBJECT

public:
    using Callback = std::function<void(const SpeechResult&)>;

    explicit OfflineSpeech(QObject* parent = nullptr);

    // Synthesises on the global thread pool and calls `done` on this
    // object's thread. `done` never runs once this object is destroyed.
    void synthesize(const QString& text, Callback done);
};

}  // namespace nuvelo::platform
