#include "platform/pronouncer.h"

#include <string_view>

#include "generation/pronunciation.h"
#include "platform/gbk_qstring.h"
#include "platform/offline_speech.h"
#include "platform/sound_player.h"
#include "platform/web_client.h"

namespace nuvelo::platform {
namespace {

bool isWebUrl(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == "http" || scheme == "https");
}

}  // namespace

Pronouncer::Pronouncer(QObject* parent) : Pronouncer(serviceFromEnvironment(), parent) {}

Pronouncer::Pronouncer(const QString& serviceBase, QObject* parent)
    : QObject(parent),
      serviceBase_(serviceBase.trimmed()),
      web_(new WebClient(generation::kMaxPageBytes, this)),
      player_(new SoundPlayer(this)),
      speech_(new OfflineSpeech(this)) {}

Pronouncer::~Pronouncer() = default;

QString Pronouncer::serviceFromEnvironment() {
    return qEnvironmentVariable("NUVELO_DICT_SERVICE").trimmed();
}

void Pronouncer::pronounce(const QString& name) {
    const quint64 request = ++latest_;
    if (name.isEmpty()) {
        emit pronounced(name, Path::Skipped, QUrl());
        return;
    }
    const std::string gbkName = toGbk(name);
    const QUrl page(fromGbk(generation::dictionarySearchUrl(toGbk(serviceBase_), gbkName)));
    // Only a web service is asked: a file: or other base would read local
    // files through the network layer.
    if (serviceBase_.isEmpty() || gbkName.empty() || !isWebUrl(page)) {
        speakOffline(name);
        return;
    }
    web_->get(page, [this, name, request](const QByteArray& body) {
        if (request == latest_) onPage(name, body);
    });
}

void Pronouncer::onPage(const QString& name, const QByteArray& body) {
    const std::string address =
        generation::soundAddressFromResponse(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    const std::string url = generation::soundUrl(address);
    const QUrl sound(fromGbk(url));
    if (address.empty() || !generation::isPlayableUrl(url) || !sound.isValid()) {
        speakOffline(name);
        return;
    }
    player_->playUrl(sound);  // plays nothing without an audio device
    emit pronounced(name, Path::Online, sound);
}

void Pronouncer::speakOffline(const QString& name) {
    const quint64 request = latest_;
    emit pronounced(name, Path::Offline, QUrl());
    speech_->synthesize(name, [this, request](const SpeechResult& result) {
        if (request == latest_ && result.status == SpeechResult::Status::Ok) player_->playWav(result.wav);
    });
}

}  // namespace nuvelo::platform
