#include "platform/win32/message_boxes_win32.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace dozorik::win32 {

namespace {

UINT iconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return MB_ICONSTOP;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::None: break;
  }
  return 0;
}

}  // namespace

MessageAnswer Win32MessageBoxes::show(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) {
  // A box whose owner is gone would not open at all; after the window has
  // closed it opens on its own instead.
  HWND owner = static_cast<HWND>(owner_);
  if (owner && !IsWindow(owner)) owner = nullptr;
  UINT flags = iconFlag(icon) | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
  int answer = MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(), flags);
  switch (answer) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default:
      // A box that could not open counts as declined.
      return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
}

}  // namespace dozorik::win32
