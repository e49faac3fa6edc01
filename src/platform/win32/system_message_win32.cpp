#include "platform/win32/system_message_win32.h"

#include <iterator>

#include "platform/win32/wide.h"

namespace dozorik::win32 {

std::string systemMessage(DWORD code) {
  wchar_t text[1024] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, 0, text, static_cast<DWORD>(std::size(text)),
                                nullptr);
  std::wstring message(text, length);
  while (!message.empty() &&
         (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) return "System error " + std::to_string(code) + ".";
  return narrow(message);
}

}  // namespace dozorik::win32
