// The WinHTTP client against a web server on 127.0.0.1 that CTest starts for
// the run (message_server.py): what arrives, and what a server that never
// answers, trickles, speaks no TLS or is not there costs the caller.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "message/message_form.h"
#include "message/message_sender.h"
#include "platform/win32/http_client_win32.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class HttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* state = std::getenv("DOZORIK_MESSAGE_STATE");
    if (!state) GTEST_SKIP() << "run through ctest, which starts the message server";
    folder_ = "Z:" + std::string(state);  // Wine shows the Unix root as Z:
    std::replace(folder_.begin(), folder_.end(), '/', '\\');
    port_ = contents(folder_ + "\\port");
    closedPort_ = contents(folder_ + "\\closed-port");
    ASSERT_FALSE(port_.empty() || closedPort_.empty());
    DeleteFileW(widen(folder_ + "\\last").c_str());
  }

  // However a post ended, WinHTTP lets go of its request soon after: nothing
  // of it lingers.
  void TearDown() override {
    for (int i = 0; i < 100 && Win32HttpClient::exchangesInFlight() > 0; ++i) Sleep(50);
    EXPECT_EQ(Win32HttpClient::exchangesInFlight(), 0);
  }

  std::string url(const std::string& path, const std::string& scheme = "http") const {
    return scheme + "://127.0.0.1:" + port_ + path;
  }
  std::string closedUrl() const { return "http://127.0.0.1:" + closedPort_ + "/x"; }
  // The last POST the server read, as it arrived.
  std::string lastRequest() const { return contents(folder_ + "\\last"); }

  // Posts, timing the caller's wait and counting the pumps meanwhile.
  HttpResult post(const HttpRequest& request, std::chrono::milliseconds limit,
                  const std::function<void()>& alsoWhileWaiting = nullptr) {
    pumps = 0;
    const auto start = Clock::now();
    const HttpResult result = client.post(request, limit, [&] {
      ++pumps;
      if (alsoWhileWaiting) alsoWhileWaiting();
    });
    waited = Clock::now() - start;
    return result;
  }

  Win32HttpClient client;
  int pumps = 0;
  Clock::duration waited{};

 private:
  std::string folder_, port_, closedPort_;
};

const std::string kText = "Dozorik na PC-KUCHYŇA: \"úloha\" C:\\Temp\nďalší záťaž";

TEST_F(HttpClientTest, EachFormArrivesWithItsShape) {
  for (const char* form : {"ntfy", "json", "telegram", "text"}) {
    const std::string path = "/f/" + std::string(form) + "?chat_id=-42";
    const HttpRequest request = messageRequest(messageFormNamed(form), url(path + "#kotva"), kText);
    const HttpResult result = post(request, 10s);
    EXPECT_EQ(result.status, 200) << form;
    EXPECT_EQ(result.failure, HttpFailure::None) << form;

    const std::string arrived = lastRequest();
    const std::size_t end = arrived.find("\r\n\r\n");
    ASSERT_NE(end, std::string::npos) << form;
    const std::string head = arrived.substr(0, end + 2);
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "POST " + path + " HTTP/1.1") << form;
    for (const auto& [name, value] : request.headers) {
      EXPECT_NE(head.find("\r\n" + name + ": " + value + "\r\n"), std::string::npos)
          << form << name;
    }
    EXPECT_NE(head.find("\r\nContent-Length: " + std::to_string(request.body.size()) + "\r\n"),
              std::string::npos)
        << form;
    EXPECT_EQ(arrived.substr(end + 4), request.body) << form;
  }
}

TEST_F(HttpClientTest, AServerThatNeverAnswersCostsTheLimitWhileTheWindowRuns) {
  EXPECT_EQ(kMessageSendLimit, 10s);  // what the program waits; 2 s here to keep the run short
  HttpResult second;
  Clock::duration secondWaited{};
  const HttpResult result = post({url("/hang/x"), {}, "ahoj"}, 2s, [&] {
    if (pumps != 1) return;
    // A click the pump delivers meanwhile starts no second wait.
    const auto start = Clock::now();
    second = client.post({url("/f/second"), {}, "druhá"}, 10s, nullptr);
    secondWaited = Clock::now() - start;
  });
  EXPECT_EQ(result.status, std::nullopt);
  EXPECT_EQ(result.failure, HttpFailure::TimedOut);
  EXPECT_GE(waited, 1900ms);  // the system's tick is coarse
  EXPECT_LT(waited, 2500ms);
  EXPECT_GE(pumps, 30);                                    // about every 50 ms
  EXPECT_EQ(lastRequest().rfind("POST /hang/x ", 0), 0u);  // it did arrive
  EXPECT_EQ(second.failure, HttpFailure::Busy);
  EXPECT_LT(secondWaited, 100ms);
}

TEST_F(HttpClientTest, ATricklingAnswerIsCutAtTheLimit) {
  const HttpResult result = post({url("/trickle/x"), {}, "ahoj"}, 2s);
  EXPECT_EQ(result.failure, HttpFailure::TimedOut);
  EXPECT_GE(waited, 1900ms);  // the system's tick is coarse
  EXPECT_LT(waited, 2500ms);
}

TEST_F(HttpClientTest, WithoutAServerItFailsFastWithAReason) {
  HttpResult result = post({closedUrl(), {}, "ahoj"}, 10s);
  EXPECT_EQ(result.failure, HttpFailure::Refused);
  EXPECT_LT(waited, 3s);
  result = post({"ftp://127.0.0.1/x", {}, "ahoj"}, 10s);
  EXPECT_EQ(result.failure, HttpFailure::BadAddress);
}

TEST_F(HttpClientTest, AnyStatusComesBackAsTheServerSentIt) {
  const HttpResult result = post({url("/status/403/x"), {}, "ahoj"}, 10s);
  EXPECT_EQ(result.status, 403);
  EXPECT_EQ(result.failure, HttpFailure::None);
}

// A plain web server answers the TLS greeting with an error page: the
// connection fails as TLS, and the body never travels unencrypted.
TEST_F(HttpClientTest, HttpsNeverFallsBackToPlainText) {
  const HttpResult result = post({url("/f/tajne", "https"), {}, "tajne"}, 10s);
  EXPECT_EQ(result.status, std::nullopt);
  EXPECT_TRUE(result.failure == HttpFailure::SecureChannel ||
              result.failure == HttpFailure::ConnectionLost)
      << static_cast<int>(result.failure);
  EXPECT_EQ(lastRequest(), "");
}

}  // namespace
}  // namespace dozorik::win32
