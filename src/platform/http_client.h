#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dozorik {

// One POST: where to, the header lines to add, and the body, byte for byte.
struct HttpRequest {
  std::string url;  // http:// or https://
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
};

// Why a POST got no answer. A kind names what went wrong, never where: the
// address may carry a secret, so nothing in a result repeats it.
enum class HttpFailure {
  None,                  // the server answered: see the status
  Busy,                  // called again while an earlier post of the same client waits
  BadAddress,            // the address could not be taken apart
  TimedOut,              // no answer within the limit
  NameNotFound,          // the server's name did not resolve
  Refused,               // no connection to the server could be made
  ConnectionLost,        // the connection broke, or the answer made no sense
  SecureChannel,         // no TLS connection could be agreed
  CertificateUntrusted,  // signed by an authority the system does not trust
  CertificateExpired,
  CertificateWrongName,  // made out to another name than the server's
  CertificateRevoked,
  CertificateInvalid,  // any other fault in the server's certificate
  RedirectRefused,     // a redirect not followed: from https to http, or one too many
  Other,               // anything else: systemCode says what
};

struct HttpResult {
  std::optional<int> status;  // the server's status code, when it answered
  HttpFailure failure = HttpFailure::None;
  unsigned long systemCode = 0;  // the system's error number behind an Other
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Sends a POST and returns within `limit`, however the server behaves.
  // `whileWaiting` runs about every 50 ms meanwhile: the caller's message
  // pump, so its window keeps painting.
  virtual HttpResult post(const HttpRequest& request, std::chrono::milliseconds limit,
                          const std::function<void()>& whileWaiting) = 0;
};

}  // namespace dozorik
