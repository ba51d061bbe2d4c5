// Says an English name aloud: the double click on the English name list.
//
// With a dictionary service set, its search page for the name is fetched
// (base + "/s?wd=" + name) and the sound address is cut out of it; an http or
// https sound is then played. When no service is set, the request fails, the
// page is over the size limit, has no sound marker or names anything but an
// http(s) sound, the name is spoken offline by eSpeak NG instead, so it is
// always heard (given an audio device; without one nothing plays).
//
// The service is the environment variable NUVELO_DICT_SERVICE, e.g.
// "https://dict.example.com"; unset or blank means no service.
//
// Everything runs on the window thread without blocking it: the request and
// the synthesis happen in the background and their results come back as
// events. A newer name supersedes a request still under way.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace nuvelo::platform {

class OfflineSpeech;
class SoundPlayer;
class WebClient;

class Pronouncer : public QObject {
    Q_OBJECT

public:
    enum class Path {
        Online,   // the dictionary's sound was handed to the player
        Offline,  // the name goes to the offline synthesiser
        Skipped,  // empty name: nothing requested, nothing said
    };
    Q_ENUM(Path)

    // The service named by NUVELO_DICT_SERVICE.
    explicit Pronouncer(QObject* parent = nullptr);
    // An explicit service base; empty means none.
    Pronouncer(const QString& serviceBase, QObject* parent);
    ~Pronouncer() override;

    static QString serviceFromEnvironment();
    const QString& serviceBase() const { return serviceBase_; }

    // Starts saying `englishName` (exactly as listed) and returns at once.
    void pronounce(const QString& englishName);

    SoundPlayer* player() const { return player_; }

signals:
    // The way `name` is being said; `soundUrl` is the dictionary's sound on
    // the online path and empty otherwise.
    void pronounced(const QString& name, nuvelo::platform::Pronouncer::Path path, const QUrl& soundUrl);

private:
    void speakOffline(const QString& name);
    void onPage(const QString& name, const QByteArray& body);

    QString serviceBase_;
    WebClient* web_;
    SoundPlayer* player_;
    OfflineSpeech* speech_;
    quint64 latest_ = 0;  // the request whose answer may still be used
};

}  // namespace nuvelo::platform
