#include "platform/web_client.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>

namespace nuvelo::platform {
namespace {

// What one transfer has gathered so far.
struct Transfer {
    QByteArray body;
    bool overLimit = false;
    WebClient::Callback done;
};

}  // namespace

WebClient::WebClient(std::size_t maxBytes, QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)), maxBytes_(maxBytes) {}

WebClient::~WebClient() {
    // Replies still running go with the manager; their callbacks must not run
    // into a half-destroyed owner.
    for (QNetworkReply* reply : network_->findChildren<QNetworkReply*>()) {
        reply->disconnect(this);
        reply->abort();
    }
}

void WebClient::get(const QUrl& url, Callback done) {
    QNetworkRequest request(url);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = network_->get(request);
    auto transfer = std::make_shared<Transfer>();
    transfer->done = std::move(done);

    // Read as the bytes come, so an oversized body is cut off before it is
    // held in full.
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, transfer] {
        if (transfer->overLimit) return;
        transfer->body += reply->readAll();
        if (static_cast<std::size_t>(transfer->body.size()) > maxBytes_) {
            transfer->overLimit = true;
            transfer->body.clear();
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, transfer] {
        reply->deleteLater();
        if (!transfer->done) return;
        QByteArray body;
        if (!transfer->overLimit && reply->error() == QNetworkReply::NoError) {
            body = transfer->body + reply->readAll();
            if (static_cast<std::size_t>(body.size()) > maxBytes_) body.clear();
        }
        Callback done = std::move(transfer->done);
        transfer->done = nullptr;
        done(body);
    });
}

}  // namespace nuvelo::platform
