#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <thread>

#include "generation/pronunciation.h"

using namespace nuvelo::generation;

namespace {

const std::string kMarker = "<a href=\"#\" url=\"";

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

}  // namespace

TEST(Pronunciation, MarkerIsSeventeenCharacters) {
    EXPECT_EQ(kSoundMarker.size(), 17u);
}

TEST(Pronunciation, AddressIsCutAfterTheFirstMarker) {
    struct Case {
        const char* what;
        std::string page;
        std::string address;
    } cases[] = {
        {"marker and .mp3", "<p>" + kMarker + "http://s.example/en/Alice.mp3\">play</a>", "http://s.example/en/Alice"},
        {"no marker", "<a href=\"#\">Alice</a> http://s.example/en/Alice.mp3", ""},
        {"empty page", "", ""},
        {"marker with single quotes", "<a href='#' url='http://s.example/a.mp3'>", ""},
        {"no .mp3 after the marker", kMarker + "http://s.example/a.wav\">", "http://s.example/a.wav\">"},
        {".mp3 only before the marker", "x.mp3 " + kMarker + "http://s.example/a", "http://s.example/a"},
        {"several markers: the first wins",
         kMarker + "http://s.example/one.mp3\"> " + kMarker + "http://s.example/two.mp3\">", "http://s.example/one"},
        {"the nearest .mp3 ends the address", kMarker + "http://s.example/a.mp3.mp3", "http://s.example/a"},
        {"marker right before .mp3", kMarker + ".mp3", ""},
        {"Chinese text around the marker", "读音：" + kMarker + "http://s.example/读.mp3\">朗读",
         "http://s.example/读"},
    };
    for (const Case& c : cases) EXPECT_EQ(soundAddressFromPage(c.page), c.address) << c.what;
}

TEST(Pronunciation, ResponseIsCutBeforeDecodingAndLimitedInSize) {
    // An emoji (not in GBK) elsewhere in the page does not hide the address.
    std::string withEmoji = utf8(u8"\U0001F600 词典 ") + kMarker + utf8(u8"http://s.example/读音.mp3") + "\">";
    EXPECT_EQ(soundAddressFromResponse(withEmoji), "http://s.example/读音");

    std::string tail = kMarker + "http://s.example/big.mp3";
    std::string exact(kMaxPageBytes - tail.size(), 'x');
    exact += tail;
    ASSERT_EQ(exact.size(), kMaxPageBytes);
    EXPECT_EQ(soundAddressFromResponse(exact), "http://s.example/big");
    EXPECT_EQ(soundAddressFromResponse("y" + exact), "") << "over 2 MiB is dropped";
    EXPECT_EQ(soundAddressFromResponse(""), "");
}

TEST(Pronunciation, OnlyHttpAndHttpsUrlsArePlayed) {
    struct Case {
        std::string url;
        bool playable;
    } cases[] = {
        {"http://s.example/a.mp3", true},
        {"https://s.example/a.mp3", true},
        {"HTTPS://S.EXAMPLE/A.MP3", true},
        {soundUrl(""), false},  // a page without the marker plays nothing
        {"ftp://s.example/a.mp3", false},
        {"file:///tmp/a.mp3", false},
        {"/en/a.mp3", false},
        {"//s.example/a.mp3", false},
        {"http://", false},
        {"http:///a.mp3", false},
        {"httpx://s.example/a.mp3", false},
        {"http://s.example/a b.mp3", false},
        {"http://s.example/a\n.mp3", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isPlayableUrl(c.url), c.playable) << c.url;
    EXPECT_EQ(soundUrl("http://s.example/a"), "http://s.example/a.mp3");
}

TEST(Pronunciation, SearchUrlOfAName) {
    EXPECT_EQ(dictionarySearchUrl("http://dict.example", "Alice"), "http://dict.example/s?wd=Alice");
    EXPECT_EQ(dictionarySearchUrl("https://dict.example/", "Mary Ann"), "https://dict.example/s?wd=Mary Ann");
}

namespace {

// A one-thread HTTP server on 127.0.0.1 that answers each request with the
// page stored for its path. It gives up after a few seconds without a
// connection, so a broken test cannot hang.
class LocalPageServer {
public:
    explicit LocalPageServer(std::map<std::string, std::string> pages) : pages_(std::move(pages)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        socklen_t len = sizeof addr;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(listener_, 4) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            return;
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LocalPageServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) ::close(listener_);
    }
    int port() const { return port_; }

private:
    void serve() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) {
                if (++idleTicks_ > 50) return;
                continue;
            }
            int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0) continue;
            answer(client);
            ::close(client);
        }
    }
    void answer(int client) {
        std::string request;
        char buf[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            pollfd p{client, POLLIN, 0};
            if (::poll(&p, 1, 2000) <= 0) return;
            ssize_t n = ::recv(client, buf, sizeof buf, 0);
            if (n <= 0) return;
            request.append(buf, static_cast<std::size_t>(n));
        }
        // "GET <target> HTTP/1.0"
        std::size_t a = request.find(' ') + 1, b = request.find(' ', a);
        auto it = pages_.find(request.substr(a, b - a));
        std::string body = it == pages_.end() ? std::string("not found") : it->second;
        std::string response =
            std::string(it == pages_.end() ? "HTTP/1.0 404 Not Found" : "HTTP/1.0 200 OK") +
            "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " + std::to_string(body.size()) +
            "\r\nConnection: close\r\n\r\n" + body;
        for (std::size_t sent = 0; sent < response.size();) {
            ssize_t n = ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }
    std::map<std::string, std::string> pages_;
    int listener_ = -1;
    int port_ = 0;
    int idleTicks_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A blocking GET of http://127.0.0.1:<port><target>; the body, "" on failure.
std::string fetchLocal(const std::string& url) {
    const std::string prefix = "http://127.0.0.1:";
    if (url.rfind(prefix, 0) != 0) return {};
    std::size_t slash = url.find('/', prefix.size());
    int port = std::stoi(url.substr(prefix.size(), slash - prefix.size()));
    std::string target = url.substr(slash);

    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return {};
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    std::string response;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        std::string request = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
            char buf[65536];
            for (ssize_t n; (n = ::recv(fd, buf, sizeof buf, 0)) > 0;)
                response.append(buf, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    std::size_t headEnd = response.find("\r\n\r\n");
    if (response.rfind("HTTP/1.0 200", 0) != 0 || headEnd == std::string::npos) return {};
    return response.substr(headEnd + 4);
}

}  // namespace

TEST(Pronunciation, SoundAddressFromALocalDictionaryPage) {
    std::string severalMarkers = utf8(u8"<html><body>\U0001F50A 发音 ") + kMarker +
                                 "http://127.0.0.1/sound/Alice.mp3\">US</a> " + kMarker +
                                 "http://127.0.0.1/sound/Alice-uk.mp3\">UK</a></body></html>";
    std::string huge = kMarker + "http://127.0.0.1/sound/Huge.mp3\">" + std::string(kMaxPageBytes, ' ');
    LocalPageServer server({{"/s?wd=Alice", severalMarkers},
                            {"/s?wd=Bob", "<html><body>no sound here</body></html>"},
                            {"/s?wd=Huge", huge}});
    ASSERT_NE(server.port(), 0);
    const std::string base = "http://127.0.0.1:" + std::to_string(server.port());

    struct Case {
        const char* name;
        std::string address;
        bool playable;
    } cases[] = {
        {"Alice", "http://127.0.0.1/sound/Alice", true},  // the first of several markers
        {"Bob", "", false},                               // no marker: nothing to play
        {"Huge", "", false},                              // over 2 MiB: dropped
    };
    for (const Case& c : cases) {
        std::string body = fetchLocal(dictionarySearchUrl(base, c.name));
        ASSERT_FALSE(body.empty()) << c.name;
        std::string address = soundAddressFromResponse(body);
        EXPECT_EQ(address, c.address) << c.name;
        EXPECT_EQ(isPlayableUrl(soundUrl(address)), c.playable) << c.name;
    }
}
