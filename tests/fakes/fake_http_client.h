#pragma once

// A web server in memory: records every POST byte for byte and answers what
// the test sets, including never, as WinHTTP reports that: a timeout once the
// limit has passed, with the caller's pump run every 50 ms until then. No
// time really passes.

#include <algorithm>
#include <cctype>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/http_client.h"

namespace dozorik::fakes {

struct FakeHttpClient : HttpClient {
  struct Post {
    HttpRequest request;
    std::chrono::milliseconds limit;
  };
  std::vector<Post> posts;
  HttpResult answer{200};               // what the server answers
  bool neverAnswers = false;            // accepts the connection and holds it
  std::chrono::milliseconds waited{0};  // how long the last post kept its caller
  int pumps = 0;                        // how often the caller's pump ran, in all

  HttpResult post(const HttpRequest& request, std::chrono::milliseconds limit,
                  const std::function<void()>& whileWaiting) override {
    posts.push_back({request, limit});
    if (posting_) return {std::nullopt, HttpFailure::Busy};
    if (!takesApart(request.url)) return {std::nullopt, HttpFailure::BadAddress};
    posting_ = true;
    waited = std::chrono::milliseconds(0);
    const auto tick = std::chrono::milliseconds(50);
    const auto answersAfter = neverAnswers ? limit : tick;
    while (waited < answersAfter) {
      waited += std::min(tick, answersAfter - waited);
      ++pumps;
      if (whileWaiting) whileWaiting();
    }
    posting_ = false;
    if (neverAnswers) return {std::nullopt, HttpFailure::TimedOut};
    return answer;
  }

 private:
  // WinHTTP takes apart only http:// and https:// addresses (in any letter
  // case) with a server name.
  static bool takesApart(std::string url) {
    for (char& c : url) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string scheme : {"http://", "https://"}) {
      if (url.rfind(scheme, 0) == 0) {
        return url.size() > scheme.size() &&
               url.find_first_of("/?#:", scheme.size()) != scheme.size();
      }
    }
    return false;
  }

  bool posting_ = false;
};

}  // namespace dozorik::fakes
