#include "platform/win32/http_client_win32.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {

namespace {

struct InternetTraits {
  using Handle = HINTERNET;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { WinHttpCloseHandle(h); }
};
using UniqueInternet = Unique<InternetTraits>;

constexpr wchar_t kUserAgent[] = L"Dozorik/1.7";
constexpr DWORD kMostReplyBytes = 64 * 1024;
constexpr DWORD kPumpEveryMs = 50;
constexpr long long kTimeoutsPastLimitMs = 1000;
constexpr DWORD kSteps = WINHTTP_CALLBACK_FLAG_SENDREQUEST_COMPLETE |
                         WINHTTP_CALLBACK_FLAG_HEADERS_AVAILABLE |
                         WINHTTP_CALLBACK_FLAG_READ_COMPLETE | WINHTTP_CALLBACK_FLAG_REQUEST_ERROR |
                         WINHTTP_CALLBACK_FLAG_SECURE_FAILURE | WINHTTP_CALLBACK_FLAG_HANDLES;

std::atomic<int> liveExchanges{0};

// How one asynchronous step ended: its report (SENDREQUEST_COMPLETE,
// HEADERS_AVAILABLE, READ_COMPLETE or REQUEST_ERROR) and what came with it.
struct Step {
  DWORD status = 0;
  DWORD error = 0;  // with REQUEST_ERROR
  DWORD bytes = 0;  // with READ_COMPLETE
};

// What the calling thread and WinHTTP's threads share for one request.
// WinHTTP may report on a request after it was closed, up to its last
// report, HANDLE_CLOSING; the body and the read buffer must stay valid as
// long. So each side holds a reference, and the last to let go frees it.
class Exchange {
 public:
  Exchange(const std::string& requestBody, const std::wstring& lines)
      : body(requestBody), headers(lines), signal_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    ++liveExchanges;
  }
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  void retain() { ++references_; }
  void release() {
    if (--references_ == 0) delete this;
  }

  // Reports, from any thread, also from inside a WinHTTP call on the caller's.
  void finish(const Step& step) {
    std::lock_guard<std::mutex> hold(mutex_);
    done_ = step;
    SetEvent(signal_.get());
  }
  void noteSecureFailure(DWORD flags) {
    std::lock_guard<std::mutex> hold(mutex_);
    secureFlags_ |= flags;
  }

  std::optional<Step> takeStep() {
    std::lock_guard<std::mutex> hold(mutex_);
    return std::exchange(done_, std::nullopt);
  }
  DWORD secureFlags() {
    std::lock_guard<std::mutex> hold(mutex_);
    return secureFlags_;
  }
  HANDLE signal() const { return signal_.get(); }

  std::string body;
  const std::wstring headers;
  char buffer[8192];

 private:
  ~Exchange() { --liveExchanges; }

  std::atomic<int> references_{1};
  std::mutex mutex_;
  std::optional<Step> done_;
  DWORD secureFlags_ = 0;
  UniqueHandle signal_;
};

struct ExchangeRelease {
  void operator()(Exchange* exchange) const { exchange->release(); }
};
using ExchangeRef = std::unique_ptr<Exchange, ExchangeRelease>;

// Runs on WinHTTP's threads: records, wakes the caller, and nothing more.
void CALLBACK onStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
  auto* exchange = reinterpret_cast<Exchange*>(context);
  if (!exchange) return;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      exchange->finish({status, 0, 0});
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      exchange->finish({status, 0, length});
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      exchange->finish({status, static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError, 0});
      break;
    case WINHTTP_CALLBACK_STATUS_SECURE_FAILURE:
      if (info) exchange->noteSecureFailure(*static_cast<DWORD*>(info));
      break;
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
      exchange->release();  // the last report on this request
      break;
  }
}

// A fault in the server's certificate mostly ends the request as one error,
// ERROR_WINHTTP_SECURE_FAILURE; which fault it was came with the
// SECURE_FAILURE report before it.
HttpFailure certificateFailure(DWORD flags) {
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED) return HttpFailure::CertificateRevoked;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA) return HttpFailure::CertificateUntrusted;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID)
    return HttpFailure::CertificateWrongName;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID)
    return HttpFailure::CertificateExpired;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_SECURITY_CHANNEL_ERROR)
    return HttpFailure::SecureChannel;
  return HttpFailure::CertificateInvalid;
}

HttpFailure failureKind(DWORD error, DWORD secureFlags) {
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
    case ERROR_WINHTTP_OPERATION_CANCELLED:
      return HttpFailure::TimedOut;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return HttpFailure::NameNotFound;
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return HttpFailure::Refused;
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
      return HttpFailure::ConnectionLost;
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
      return HttpFailure::SecureChannel;
    case ERROR_WINHTTP_SECURE_INVALID_CA:
      return HttpFailure::CertificateUntrusted;
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
      return HttpFailure::CertificateExpired;
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
      return HttpFailure::CertificateWrongName;
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
      return HttpFailure::CertificateRevoked;
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
      return HttpFailure::CertificateInvalid;
    case ERROR_WINHTTP_SECURE_FAILURE:
      return certificateFailure(secureFlags);
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return HttpFailure::RedirectRefused;
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return HttpFailure::BadAddress;
    default:
      return HttpFailure::Other;
  }
}

HttpResult failed(DWORD error, DWORD secureFlags = 0) {
  const HttpFailure kind = failureKind(error, secureFlags);
  return {std::nullopt, kind, kind == HttpFailure::Other ? error : 0};
}

struct Target {
  std::wstring host;
  INTERNET_PORT port = 0;
  bool secure = false;
  std::wstring path;  // with the query; the fragment (#...) is the browser's, never sent
};

std::optional<Target> crack(const std::string& url) {
  const std::wstring wide = widen(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength =
      static_cast<DWORD>(-1);
  if (wide.empty() || !WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
    return std::nullopt;
  }
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
    return std::nullopt;
  }
  if (!parts.lpszHostName || parts.dwHostNameLength == 0) return std::nullopt;
  Target target;
  target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  target.port = parts.nPort;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  if (parts.lpszUrlPath) target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  target.path.erase(std::min(target.path.find(L'#'), target.path.size()));
  if (target.path.empty() || target.path[0] != L'/') target.path.insert(0, L"/");
  return target;
}

// The system's proxy settings. WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, which
// also follows the user's (Internet Options) and fails over between proxies,
// is Windows 8.1's; an older Windows refuses it, and then gets WinHTTP's own
// setting (netsh winhttp).
UniqueInternet openSession() {
  UniqueInternet session(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                     WINHTTP_FLAG_ASYNC));
  if (!session) {
    session.reset(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
  }
  return session;
}

// Windows 7 and 8 speak TLS 1.2 only when asked. A Windows that does not know
// TLS 1.3's flag refuses the pair; Vista, without TLS 1.2, refuses that too
// and keeps its own protocols. The certificate checks are never relaxed.
void askForModernTls(HINTERNET session) {
  DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
  if (!WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
    protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
    WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols);
  }
}

std::wstring headerLines(const HttpRequest& request) {
  std::wstring lines;
  for (const auto& [name, value] : request.headers) lines += widen(name + ": " + value + "\r\n");
  return lines;
}

// Milliseconds since the system started. Not std::chrono's steady clock:
// that would bring the thread runtime's whole clock family into the program
// (SetSystemTime among it), where GetTickCount64 is imported already.
using Deadline = ULONGLONG;

// Lets the caller's messages run until the step in progress reports, or the
// deadline passes (nothing then).
std::optional<Step> awaitStep(Exchange& exchange, Deadline deadline,
                              const std::function<void()>& whileWaiting) {
  for (;;) {
    if (auto step = exchange.takeStep()) return step;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return std::nullopt;
    WaitForSingleObject(exchange.signal(),
                        static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kPumpEveryMs)));
    if (whileWaiting) whileWaiting();
  }
}

// Sends the request and reads the answer's status, then up to 64 kB of its
// body while time is left: the status stands whatever the body does.
HttpResult converse(HINTERNET request, Exchange& exchange, Deadline deadline,
                    const std::function<void()>& whileWaiting) {
  const auto length = static_cast<DWORD>(exchange.body.size());
  const BOOL sending = WinHttpSendRequest(
      request, exchange.headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : exchange.headers.c_str(),
      static_cast<DWORD>(exchange.headers.size()),
      length ? exchange.body.data() : WINHTTP_NO_REQUEST_DATA, length, length,
      reinterpret_cast<DWORD_PTR>(&exchange));
  if (!sending) return failed(GetLastError());
  std::optional<Step> step = awaitStep(exchange, deadline, whileWaiting);
  if (!step) return {std::nullopt, HttpFailure::TimedOut};
  if (step->status == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR) {
    return failed(step->error, exchange.secureFlags());
  }

  if (!WinHttpReceiveResponse(request, nullptr)) return failed(GetLastError());
  step = awaitStep(exchange, deadline, whileWaiting);
  if (!step) return {std::nullopt, HttpFailure::TimedOut};
  if (step->status == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR) {
    return failed(step->error, exchange.secureFlags());
  }
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
    return failed(GetLastError());
  }

  for (DWORD read = 0; read < kMostReplyBytes;) {
    const DWORD want = std::min<DWORD>(sizeof exchange.buffer, kMostReplyBytes - read);
    if (!WinHttpReadData(request, exchange.buffer, want, nullptr)) break;
    step = awaitStep(exchange, deadline, whileWaiting);
    if (!step || step->status != WINHTTP_CALLBACK_STATUS_READ_COMPLETE || step->bytes == 0) break;
    read += step->bytes;
  }
  return {static_cast<int>(status)};
}

}  // namespace

int Win32HttpClient::exchangesInFlight() { return liveExchanges; }

HttpResult Win32HttpClient::post(const HttpRequest& request, std::chrono::milliseconds limit,
                                 const std::function<void()>& whileWaiting) {
  // A post the caller's pump starts while this one waits would hold the
  // first beyond its limit.
  if (posting_) return {std::nullopt, HttpFailure::Busy};
  posting_ = true;
  struct Done {
    bool& posting;
    ~Done() { posting = false; }
  } done{posting_};
  const Deadline deadline = GetTickCount64() + std::max<long long>(limit.count(), 0);

  const std::optional<Target> target = crack(request.url);
  if (!target) return {std::nullopt, HttpFailure::BadAddress};
  // Declared in this order, the request is closed first: that cancels
  // whatever it still has in progress, and then its parents go.
  const UniqueInternet session = openSession();
  if (!session) return failed(GetLastError());
  askForModernTls(session.get());
  // The deadline decides; WinHTTP's own timeouts, a little later, only end
  // what it still does for a closed request (Wine goes on with a request
  // after its close, up to them), or its defaults of 30 to 90 s would.
  const int ms =
      static_cast<int>(std::clamp<long long>(limit.count() + kTimeoutsPastLimitMs, 1, INT_MAX));
  WinHttpSetTimeouts(session.get(), ms, ms, ms, ms);

  const UniqueInternet connection(
      WinHttpConnect(session.get(), target->host.c_str(), target->port, 0));
  if (!connection) return failed(GetLastError());
  const UniqueInternet handle(WinHttpOpenRequest(
      connection.get(), L"POST", target->path.c_str(), nullptr, WINHTTP_NO_REFERER,
      WINHTTP_DEFAULT_ACCEPT_TYPES, target->secure ? WINHTTP_FLAG_SECURE : 0));
  if (!handle) return failed(GetLastError());
  // The wait for the whole of the answer's headers has a timeout of its own.
  DWORD headersWithin = static_cast<DWORD>(ms);
  WinHttpSetOption(handle.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersWithin,
                   sizeof headersWithin);
  // WinHTTP's default, set anyway: a redirect never goes from https to http.
  DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
  WinHttpSetOption(handle.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);

  const ExchangeRef exchange(new Exchange(request.body, headerLines(request)));
  if (!exchange->signal()) return failed(GetLastError());
  DWORD_PTR context = reinterpret_cast<DWORD_PTR>(exchange.get());
  if (!WinHttpSetOption(handle.get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
    return failed(GetLastError());
  }
  exchange->retain();  // WinHTTP's reference, let go at HANDLE_CLOSING
  if (WinHttpSetStatusCallback(handle.get(), onStatus, kSteps, 0) ==
      WINHTTP_INVALID_STATUS_CALLBACK) {
    const DWORD error = GetLastError();
    exchange->release();
    return failed(error);
  }
  return converse(handle.get(), *exchange, deadline, whileWaiting);
}

}  // namespace dozorik::win32
