#include "platform/offline_speech.h"

#include <espeak-ng/speak_lib.h>

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace nuvelo::platform {
namespace {

std::mutex& speechLock() {
    static std::mutex lock;
    return lock;
}

// Where the synthesis callback puts its samples; set only under speechLock().
std::vector<short>* gSamples = nullptr;

int collectSamples(short* wav, int count, espeak_EVENT*) {
    if (wav && count > 0 && gSamples) gSamples->insert(gSamples->end(), wav, wav + count);
    return 0;  // go on
}

// eSpeak is set up once per process; the answer is its sample rate, or
// 0 when its data files are missing.
int sampleRate() {
    static const int rate = [] {
        // Without DONT_EXIT a missing data folder ends the whole program.
        int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r <= 0) return 0;
        espeak_SetSynthCallback(collectSamples);
        return r;
    }();
    return rate;
}

void appendLe(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical 44-byte RIFF header followed by the samples (mono, 16-bit).
QByteArray wavFile(const std::vector<short>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    appendLe(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);                                    // fmt chunk size
    appendLe(out, 1, 2);                                     // PCM
    appendLe(out, 1, 2);                                     // one channel
    appendLe(out, static_cast<std::uint32_t>(rate), 4);      // samples per second
    appendLe(out, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
    appendLe(out, 2, 2);                                     // bytes per frame
    appendLe(out, 16, 2);                                    // bits per sample
    out.append("data");
    appendLe(out, dataBytes, 4);
    for (short s : samples) appendLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace

SpeechResult synthesizeSpeech(const QString& text) {
    SpeechResult result;
    const QByteArray utf8 = text.trimmed().toUtf8();
    if (utf8.isEmpty()) {
        result.message = QStringLiteral("nothing to say");
        return result;
    }
    std::lock_guard<std::mutex> hold(speechLock());
    const int rate = sampleRate();
    if (rate == 0) {
        result.status = SpeechResult::Status::NoVoiceData;
        result.message = QStringLiteral("eSpeak NG data files are not installed");
        return result;
    }
    if (espeak_SetVoiceByName("en") != EE_OK) {
        result.status = SpeechResult::Status::NoVoiceData;
        result.message = QStringLiteral("eSpeak NG has no English voice");
        return result;
    }
    std::vector<short> samples;
    gSamples = &samples;
    const espeak_ERROR error = espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                            espeakCHARS_UTF8, nullptr, nullptr);
    gSamples = nullptr;
    if (error != EE_OK || samples.empty()) {
        result.message = QStringLiteral("eSpeak NG produced no sound");
        return result;
    }
    result.status = SpeechResult::Status::Ok;
    result.wav = wavFile(samples, rate);
    return result;
}

OfflineSpeech::OfflineSpeech(QObject* parent) : QObject(parent) {}

void OfflineSpeech::synthesize(const QString& text, Callback done) {
    // The watcher is this object's child: destroying it stops the hand-back,
    // while the pool task only ever touches the shared promise.
    auto promise = std::make_shared<QPromise<SpeechResult>>();
    auto* watcher = new QFutureWatcher<SpeechResult>(this);
    connect(watcher, &QFutureWatcher<SpeechResult>::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0) done(watcher->future().result());
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, text] {
        promise->start();
        promise->addResult(synthesizeSpeech(text));
        promise->finish();
    });
}

}  // namespace nuvelo::platform
