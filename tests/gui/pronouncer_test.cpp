// Saying English names: the web client, the choice between the dictionary's
// sound and offline speech, and the offline synthesiser.
//
// A small HTTP server on 127.0.0.1 plays the dictionary service. Without an
// audio device nothing is really played; the tests read which way was taken
// and which URL reached the player.
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>
#include <QtTest>
#include <optional>

#include "generation/pronunciation.h"
#include "platform/offline_speech.h"
#include "platform/pronouncer.h"
#include "platform/sound_player.h"
#include "platform/web_client.h"

using nuvelo::platform::OfflineSpeech;
using nuvelo::platform::Pronouncer;
using nuvelo::platform::SpeechResult;
using nuvelo::platform::WebClient;

namespace {

// Answers every request with one fixed response and keeps the request lines.
class PageServer : public QObject {
public:
    PageServer() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) answer(socket);
        });
    }
    bool start() { return server_.listen(QHostAddress::LocalHost, 0); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    void serve(int status, const QByteArray& body) {
        status_ = status;
        body_ = body;
    }
    const QList<QByteArray>& requests() const { return requests_; }

private:
    void answer(QTcpSocket* socket) {
        auto* head = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, [socket, head] {
            delete head;
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
            *head += socket->readAll();
            if (!head->contains("\r\n\r\n")) return;
            requests_ << head->left(head->indexOf("\r\n"));
            head->clear();
            const QByteArray reason = status_ == 200 ? "OK" : "Not Found";
            socket->write("HTTP/1.1 " + QByteArray::number(status_) + " " + reason +
                          "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                          QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n");
            socket->write(body_);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    int status_ = 200;
    QByteArray body_;
    QList<QByteArray> requests_;
};

// A dictionary page with `soundLink` placed the way the service marks it.
QByteArray pageWithLink(const QByteArray& address) {
    return "<html><head><meta charset=\"utf-8\"></head><body><h1>Mary 玛丽</h1>"
           "<a href=\"#\" url=\"" +
           address + ".mp3\">▶</a> 英 [ˈmeəri]</body></html>";
}

// A page with the link whose total size is exactly `size` bytes.
QByteArray pageOfSize(qsizetype size) {
    QByteArray page = pageWithLink("http://127.0.0.1:9/mary");
    page += QByteArray(size - page.size(), ' ');
    return page;
}

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

enum class Service { Server, None, Unreachable };

constexpr int kWaitMs = 20000;

}  // namespace

Q_DECLARE_METATYPE(Service)

class PronouncerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(server_.start()); }

    void webClientReturnsTheBodyOrNothing_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray binary("a\0b\xff\r\n", 6);
        QTest::newRow("body byte for byte") << 200 << binary << true << binary;
        QTest::newRow("error status") << 404 << QByteArray("missing") << true << QByteArray();
        QTest::newRow("at the limit") << 200 << QByteArray(64, 'x') << true << QByteArray(64, 'x');
        QTest::newRow("over the limit") << 200 << QByteArray(65, 'x') << true << QByteArray();
        QTest::newRow("no server") << 200 << QByteArray("x") << false << QByteArray();
    }
    void webClientReturnsTheBodyOrNothing() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, reachable);
        QFETCH(QByteArray, expected);
        server_.serve(status, body);
        WebClient client(64);
        const QUrl url(reachable ? server_.base() + "/page"
                                 : QStringLiteral("http://127.0.0.1:%1/page").arg(closedPort()));
        std::optional<QByteArray> got;
        int calls = 0;
        client.get(url, [&](const QByteArray& answer) {
            got = answer;
            ++calls;
        });
        QVERIFY(!got);  // never answers before returning
        QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), kWaitMs);
        QCOMPARE(*got, expected);
        QTest::qWait(50);  // a late second answer would show here
        QCOMPARE(calls, 1);
    }

    void theOnlineSoundOrOfflineSpeechIsChosen_data() {
        QTest::addColumn<Service>("service");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<Pronouncer::Path>("path");
        QTest::addColumn<QUrl>("sound");
        const auto online = Pronouncer::Path::Online;
        const auto offline = Pronouncer::Path::Offline;
        const QUrl mary("http://127.0.0.1:9/mary.mp3");
        const auto limit = static_cast<qsizetype>(nuvelo::generation::kMaxPageBytes);

        QTest::newRow("marked http sound")
            << Service::Server << 200 << pageWithLink("http://127.0.0.1:9/mary") << online << mary;
        QTest::newRow("marked https sound") << Service::Server << 200 << pageWithLink("HTTPS://127.0.0.1:9/a/mary")
                                            << online << QUrl("https://127.0.0.1:9/a/mary.mp3");
        QTest::newRow("page exactly at the limit") << Service::Server << 200 << pageOfSize(limit) << online << mary;
        QTest::newRow("page over the limit") << Service::Server << 200 << pageOfSize(limit + 1) << offline << QUrl();
        QTest::newRow("no marker") << Service::Server << 200
                                   << QByteArray("<html><a href=\"/mary.mp3\">Mary</a></html>") << offline << QUrl();
        QTest::newRow("empty page") << Service::Server << 200 << QByteArray() << offline << QUrl();
        QTest::newRow("local file in the marker")
            << Service::Server << 200 << pageWithLink("file:///etc/passwd") << offline << QUrl();
        QTest::newRow("script in the marker")
            << Service::Server << 200 << pageWithLink("javascript:alert(1)//") << offline << QUrl();
        QTest::newRow("error status with a marker")
            << Service::Server << 404 << pageWithLink("http://127.0.0.1:9/mary") << offline << QUrl();
        QTest::newRow("no service set") << Service::None << 200 << pageWithLink("http://127.0.0.1:9/mary") << offline
                                        << QUrl();
        QTest::newRow("service unreachable")
            << Service::Unreachable << 200 << pageWithLink("http://127.0.0.1:9/mary") << offline << QUrl();
    }
    void theOnlineSoundOrOfflineSpeechIsChosen() {
        QFETCH(Service, service);
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        QFETCH(Pronouncer::Path, path);
        QFETCH(QUrl, sound);
        server_.serve(status, page);
        const qsizetype requestsBefore = server_.requests().size();
        QString base;
        if (service == Service::Server) base = server_.base();
        if (service == Service::Unreachable) base = QStringLiteral("http://127.0.0.1:%1").arg(closedPort());

        Pronouncer pronouncer(base, nullptr);
        QSignalSpy spy(&pronouncer, &Pronouncer::pronounced);
        pronouncer.pronounce("Mary");
        QVERIFY(spy.count() == 1 || spy.wait(kWaitMs));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("Mary"));
        QCOMPARE(spy.at(0).at(1).value<Pronouncer::Path>(), path);
        QCOMPARE(spy.at(0).at(2).toUrl(), sound);
        // The player never saw any other address (a refused one least of all).
        QCOMPARE(pronouncer.player()->lastAcceptedUrl(), sound);

        const QList<QByteArray> seen = server_.requests().mid(requestsBefore);
        if (service == Service::Server) {
            QCOMPARE(seen, QList<QByteArray>{"GET /s?wd=Mary HTTP/1.1"});
        } else {
            QVERIFY(seen.isEmpty());
        }
    }

    void anEmptyNameAsksNothing() {
        const qsizetype requestsBefore = server_.requests().size();
        Pronouncer pronouncer(server_.base(), nullptr);
        QSignalSpy spy(&pronouncer, &Pronouncer::pronounced);
        pronouncer.pronounce(QString());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).value<Pronouncer::Path>(), Pronouncer::Path::Skipped);
        QTest::qWait(50);
        QCOMPARE(server_.requests().size(), requestsBefore);
    }

    void theServiceMustBeAWebAddress() {
        // A file: base would let the network layer read local files.
        Pronouncer pronouncer(QStringLiteral("file:///etc"), nullptr);
        QSignalSpy spy(&pronouncer, &Pronouncer::pronounced);
        pronouncer.pronounce("Mary");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).value<Pronouncer::Path>(), Pronouncer::Path::Offline);
    }

    void offlineSpeechMakesAWavFile() {
        const SpeechResult result = nuvelo::platform::synthesizeSpeech("Mary");
        if (result.status == SpeechResult::Status::NoVoiceData) QSKIP(qPrintable(result.message));
        QCOMPARE(result.status, SpeechResult::Status::Ok);
        const QByteArray& wav = result.wav;
        QVERIFY(wav.size() > 44 + 1000);  // well over a header: a spoken name
        QVERIFY(wav.startsWith("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const auto le32 = [&wav](int at) {
            return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(wav.constData() + at));
        };
        QCOMPARE(le32(4), quint32(wav.size() - 8));
        QCOMPARE(le32(40), quint32(wav.size() - 44));
    }

    void offlineSpeechRefusesBlankText() {
        const SpeechResult result = nuvelo::platform::synthesizeSpeech("  ");
        QCOMPARE(result.status, SpeechResult::Status::Failed);
        QVERIFY(result.wav.isEmpty());
    }

    void offlineSpeechAnswersOnTheWindowThread() {
        OfflineSpeech speech;
        std::optional<SpeechResult> got;
        QThread* answeredOn = nullptr;
        speech.synthesize("Mary", [&](const SpeechResult& result) {
            got = result;
            answeredOn = QThread::currentThread();
        });
        QVERIFY(!got);
        QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), kWaitMs);
        QCOMPARE(answeredOn, QThread::currentThread());
        if (got->status == SpeechResult::Status::NoVoiceData) QSKIP(qPrintable(got->message));
        QVERIFY(!got->wav.isEmpty());
    }

private:
    PageServer server_;
};

QTEST_MAIN(PronouncerTest)
#include "pronouncer_test.moc"
