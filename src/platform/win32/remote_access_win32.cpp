#include "platform/win32/remote_access_win32.h"

#include <windows.h>

#include <map>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

constexpr DWORD kNotImplemented = ERROR_CALL_NOT_IMPLEMENTED;
// Declares the notifier of RasDialA to be a window.
constexpr DWORD kNotifierIsWindow = 0xFFFFFFFF;
constexpr DWORD kTextChars = 256;
constexpr char kWindowClass[] = "DozorikRasNotify";

// The records in the form RAS first published them, which every later RAS
// still accepts: it tells the forms apart by the size field. They are laid
// out here rather than taken from <ras.h>, whose records grow with the
// Windows version a build targets. Only characters and 32-bit fields, so the
// sizes are the same for 32- and 64-bit programs.
struct DialParamsV1 {
  DWORD dwSize;
  CHAR szEntryName[256 + 1];
  CHAR szPhoneNumber[RemoteAccess::kMaxPhoneNumber + 1];
  CHAR szCallbackNumber[128 + 1];
  CHAR szUserName[256 + 1];
  CHAR szPassword[256 + 1];
  CHAR szDomain[15 + 1];
};
static_assert(sizeof(DialParamsV1) == 1052, "RASDIALPARAMSA as first published");

struct ConnStatusV1 {
  DWORD dwSize;
  DWORD rasconnstate;  // RASCONNSTATE, an enum of 32 bits
  DWORD dwError;
  CHAR szDeviceType[16 + 1];
  CHAR szDeviceName[128 + 1];
};
static_assert(sizeof(ConnStatusV1) == 160, "RASCONNSTATUSA as first published");

using RasDialFn = DWORD(WINAPI*)(void* extensions, LPCSTR phoneBook, DialParamsV1* params,
                                 DWORD notifierType, void* notifier, HANDLE* connection);
using RasHangUpFn = DWORD(WINAPI*)(HANDLE connection);
using RasGetConnectStatusFn = DWORD(WINAPI*)(HANDLE connection, ConnStatusV1* status);
using RasGetErrorStringFn = DWORD(WINAPI*)(UINT code, LPSTR text, DWORD size);

// An export of the module, or null when the module or the export is missing.
template <typename Fn>
Fn entry(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through a generic function pointer: GetProcAddress's own type says
  // nothing of the export's real signature.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The ANSI code page's text, which the A functions of RAS speak, from UTF-8
// and back.
std::string toAnsi(const std::string& utf8) {
  const std::wstring wide = widen(utf8);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string fromAnsi(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                    nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return narrow(wide);
}

// Each notify window finds its handler through GWLP_USERDATA, set from the
// creation parameter before any message the handler could care about.
LRESULT CALLBACK notifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* handler =
      reinterpret_cast<RemoteAccess::MessageHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (handler && *handler &&
      (*handler)(message, static_cast<std::uintptr_t>(wParam),
                 static_cast<std::intptr_t>(lParam))) {
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

struct Win32RemoteAccess::Impl {
  struct NotifyWindow {
    std::unique_ptr<MessageHandler> handler;
    UniqueWindow window;  // declared last, so destroyed before its handler
  };

  Impl() = default;
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
  ~Impl() {
    while (!windows.empty()) close(windows.begin());
  }

  // The handler is cut off first: the dialer that owns it may already be on
  // its way out.
  void close(std::map<HWND, NotifyWindow>::iterator at) {
    SetWindowLongPtrA(at->first, GWLP_USERDATA, 0);
    windows.erase(at);
  }

  // The class is the process's, shared by every adapter: registered by the
  // first window, and found registered by the rest.
  bool registerClass() {
    if (classReady) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = notifyProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    classReady = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return classReady;
  }

  UniqueLibrary module{LoadLibraryW(L"rasapi32.dll")};
  RasDialFn dial = entry<RasDialFn>(module.get(), "RasDialA");
  RasHangUpFn hangUp = entry<RasHangUpFn>(module.get(), "RasHangUpA");
  RasGetConnectStatusFn connectStatus =
      entry<RasGetConnectStatusFn>(module.get(), "RasGetConnectStatusA");
  RasGetErrorStringFn errorString = entry<RasGetErrorStringFn>(module.get(), "RasGetErrorStringA");
  HINSTANCE instance = GetModuleHandleW(nullptr);
  bool classReady = false;
  std::map<HWND, NotifyWindow> windows;
};

Win32RemoteAccess::Win32RemoteAccess() : impl_(std::make_unique<Impl>()) {}

Win32RemoteAccess::~Win32RemoteAccess() = default;

std::uint32_t Win32RemoteAccess::registerDialEventMessage() {
  return RegisterWindowMessageA("RasDialEvent");
}

RemoteAccess::Window Win32RemoteAccess::createNotifyWindow(MessageHandler handler) {
  if (!impl_->registerClass()) return 0;
  auto stored = std::make_unique<MessageHandler>(std::move(handler));
  // A message-only window: never shown, never enumerated, but it receives
  // posted messages like any other.
  UniqueWindow window(CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      impl_->instance, stored.get()));
  if (!window) return 0;
  const HWND handle = window.get();
  impl_->windows.emplace(handle, Impl::NotifyWindow{std::move(stored), std::move(window)});
  return reinterpret_cast<Window>(handle);
}

void Win32RemoteAccess::destroyNotifyWindow(Window window) {
  const auto at = impl_->windows.find(reinterpret_cast<HWND>(window));
  if (at != impl_->windows.end()) impl_->close(at);
}

std::uint32_t Win32RemoteAccess::dial(const std::string& phoneNumber, Window notifier,
                                      Connection& connection) {
  if (!impl_->dial) return kNotImplemented;
  DialParamsV1 params{};
  params.dwSize = sizeof params;
  // Never past the field, whatever the caller let through; the zeroed rest
  // ends the text.
  toAnsi(phoneNumber).copy(params.szPhoneNumber, RemoteAccess::kMaxPhoneNumber);
  HANDLE handle = nullptr;
  const DWORD result = impl_->dial(nullptr, nullptr, &params, kNotifierIsWindow,
                                   reinterpret_cast<void*>(notifier), &handle);
  connection = reinterpret_cast<Connection>(handle);
  return result;
}

std::uint32_t Win32RemoteAccess::hangUp(Connection connection) {
  if (!impl_->hangUp) return kNotImplemented;
  return impl_->hangUp(reinterpret_cast<HANDLE>(connection));
}

std::uint32_t Win32RemoteAccess::connectStatus(Connection connection) {
  if (!impl_->connectStatus) return kNotImplemented;
  ConnStatusV1 status{};
  status.dwSize = sizeof status;
  return impl_->connectStatus(reinterpret_cast<HANDLE>(connection), &status);
}

std::optional<std::string> Win32RemoteAccess::errorString(std::uint32_t code) {
  if (!impl_->errorString) return std::nullopt;
  char text[kTextChars] = {};
  if (impl_->errorString(code, text, kTextChars) != 0) return std::nullopt;
  text[kTextChars - 1] = '\0';
  return fromAnsi(text);
}

std::string Win32RemoteAccess::systemMessage(std::uint32_t code) {
  wchar_t text[kTextChars] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, kTextChars, nullptr);
  return narrow(std::wstring(text, length));
}

void Win32RemoteAccess::sleep(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace dozorik::win32
