#pragma once

#include "platform/http_client.h"

namespace dozorik::win32 {

// POSTs through WinHTTP in its asynchronous mode, driven from the calling
// thread: every WinHTTP call is made there, WinHTTP's own threads only report
// that a step is done. At the limit the request is closed, which is how
// WinHTTP cancels one, and the call returns.
class Win32HttpClient : public HttpClient {
 public:
  HttpResult post(const HttpRequest& request, std::chrono::milliseconds limit,
                  const std::function<void()>& whileWaiting) override;

  // Requests that WinHTTP still reports on: a closed one may report for a
  // while after its post returned. Zero once all are torn down.
  static int exchangesInFlight();

 private:
  bool posting_ = false;
};

}  // namespace dozorik::win32
