#include "platform/win32/single_instance_win32.h"

#include <windows.h>
#include <sddl.h>

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/window_class_win32.h"

namespace dozorik::win32 {

namespace {

// Tells a later start's WM_COPYDATA from any other program's.
constexpr ULONG_PTR kHandOverTag = 0x445A4B31;  // "DZK1"
// The running one's answers; anything else (DefWindowProc's 0) is none.
constexpr LRESULT kTaken = 1;
constexpr LRESULT kRefused = 2;
// Posted to itself: a message taken is applied once its sender has the answer.
constexpr UINT kApplyTaken = WM_APP + 1;
constexpr DWORD kPollMilliseconds = 100;

// Each string in UTF-16 followed by its NUL, so that every one, an empty one
// too, arrives apart.
std::wstring encode(const std::vector<std::string>& message) {
  std::wstring data;
  for (const std::string& text : message) data += widen(text) + L'\0';
  return data;
}

// Nothing for data that doesn't end in a NUL.
std::optional<std::vector<std::string>> decode(const COPYDATASTRUCT& data) {
  const std::size_t count = data.cbData / sizeof(wchar_t);
  if (!data.lpData || count == 0 || data.cbData % sizeof(wchar_t) != 0) return std::nullopt;
  const std::wstring text(static_cast<const wchar_t*>(data.lpData), count);
  if (text.back() != L'\0') return std::nullopt;
  std::vector<std::string> message;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(L'\0', start);
    message.push_back(narrow(text.substr(start, end - start)));
    start = end + 1;
  }
  return message;
}

}  // namespace

Win32SingleInstance::Win32SingleInstance(std::wstring name, unsigned waitMilliseconds)
    : name_(std::move(name)), waitMilliseconds_(waitMilliseconds) {}

Win32SingleInstance::~Win32SingleInstance() {
  window_.reset();
  // Released by the thread that owns it, the one that claimed it.
  if (claimed_ && mutex_) ReleaseMutex(mutex_.get());
}

std::wstring Win32SingleInstance::userName() {
  std::wstring name = L"Dozorik";
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return name;
  UniqueHandle token(raw);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> user(size);
  if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) {
    return name;
  }
  wchar_t* text = nullptr;
  if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
    UniqueLocal<wchar_t> sid(text);
    name += L"-" + std::wstring(sid.get());
  }
  return name;
}

bool Win32SingleInstance::claim() {
  if (claimed_) return true;
  if (!mutex_) {
    // In the session's own namespace: another session's user has a Dozorik
    // of their own.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, (L"Local\\" + name_).c_str());
    const DWORD error = GetLastError();
    if (!mutex) {
      // One made by a Dozorik running as administrator can't be opened; any
      // other failure leaves nothing to tell by, and the program runs as it
      // always has.
      claimed_ = error != ERROR_ACCESS_DENIED;
      return claimed_;
    }
    mutex_.reset(mutex);
    if (error != ERROR_ALREADY_EXISTS) return claimed_ = true;
  }
  return takeOver();
}

bool Win32SingleInstance::takeOver() {
  if (!mutex_) return false;
  // Abandoned: the Dozorik that held it ended without letting go.
  const DWORD got = WaitForSingleObject(mutex_.get(), 0);
  claimed_ = got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
  return claimed_;
}

SingleInstance::Answer Win32SingleInstance::handOver(const std::vector<std::string>& message) {
  const std::wstring data = encode(message);
  COPYDATASTRUCT copy{kHandOverTag, static_cast<DWORD>(data.size() * sizeof(wchar_t)),
                      const_cast<wchar_t*>(data.data())};
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    if (takeOver()) return Answer::NotReached;
    if (HWND running = FindWindowExW(HWND_MESSAGE, nullptr, kHandOverClass, name_.c_str())) {
      // This start, just made by the user or a script, may bring a window to
      // the front: the running one may then do so too, when asked to.
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      AllowSetForegroundWindow(process);
      DWORD_PTR answer = 0;
      if (SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                              SMTO_ABORTIFHUNG, kAnswerMilliseconds, &answer)) {
        return answer == kTaken     ? Answer::Taken
               : answer == kRefused ? Answer::Refused
                                    : Answer::NotReached;
      }
      // Hung, or above this start's integrity level, which keeps the message
      // away (ERROR_ACCESS_DENIED); a window closed meanwhile is looked for
      // again.
      if (IsWindow(running)) return Answer::NotReached;
    }
    if (GetTickCount64() - start >= waitMilliseconds_) return Answer::NotReached;
    Sleep(kPollMilliseconds);
  }
}

void Win32SingleInstance::listen(Receiver receiver) {
  receiver_ = std::move(receiver);
  if (!receiver_.accepts || !receiver_.apply) {
    window_.reset();
    taken_.clear();
    return;
  }
  if (window_) return;
  try {
    registerWindowClass(kHandOverClass, &receive, nullptr);
  } catch (const std::exception&) {
    return;  // later starts then find nothing to hand over to, and say so
  }
  // Message-only: never shown, and left out of the walks over windows.
  window_.reset(CreateWindowExW(0, kHandOverClass, name_.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, instance(), this));
}

LRESULT CALLBACK Win32SingleInstance::receive(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32SingleInstance*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    switch (msg) {
      case WM_COPYDATA:
        return self->received(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      case kApplyTaken:
        self->applyNext();
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->window_.release();
        break;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The data is the sender's and lives only while this runs: it is copied.
LRESULT Win32SingleInstance::received(const COPYDATASTRUCT& data) {
  if (data.dwData != kHandOverTag || !receiver_.accepts) return FALSE;
  const auto message = decode(data);
  if (!message) return kRefused;
  bool accepted = false;
  try {
    accepted = receiver_.accepts(*message);
    if (accepted) taken_.push_back(*message);
  } catch (...) {
    // Nothing may unwind through the system's frames.
    accepted = false;
  }
  if (!accepted) return kRefused;
  PostMessageW(window_.get(), kApplyTaken, 0, 0);
  return kTaken;
}

void Win32SingleInstance::applyNext() {
  if (taken_.empty() || !receiver_.apply) return;
  std::vector<std::string> message = std::move(taken_.front());
  taken_.pop_front();
  try {
    receiver_.apply(message);
  } catch (...) {
  }
}

}  // namespace dozorik::win32
