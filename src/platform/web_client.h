// Web client: one HTTP GET that hands back the response body as bytes.
//
// The request runs in Qt's network machinery on the calling thread's event
// loop, so the window keeps handling its events while it waits. The answer
// arrives through the callback, on the thread that owns the client. The body
// is empty when the request fails (no connection, an error status), when the
// transfer stalls for longer than the time-out, or when more bytes arrive than
// the limit allows (the transfer is then aborted at once).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <cstddef>
#include <functional>

class QNetworkAccessManager;

namespace nuvelo::platform {

class WebClient : public QObject {
    Q_OBJECT

public:
    using Callback = std::function<void(const QByteArray& body)>;

    static constexpr int kTimeoutMs = 90 * 1000;

    // `maxBytes`: the largest body that is kept.
    explicit WebClient(std::size_t maxBytes, QObject* parent = nullptr);
    ~WebClient() override;

    // Starts the GET and returns at once. `done` runs exactly once, later,
    // unless the client is destroyed first (then it never runs).
    void get(const QUrl& url, Callback done);

private:
    QNetworkAccessManager* network_;
    std::size_t maxBytes_;
};

}  // namespace nuvelo::platform
