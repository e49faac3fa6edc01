#include "platform/win32/window_class_win32.h"

#include "platform/error.h"

namespace dozorik::win32 {

void registerWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Error("Cannot create the window.");
  }
}

bool isFormWindow(HWND hwnd) {
  wchar_t name[32] = {};
  if (!GetClassNameW(hwnd, name, 32)) return false;
  return lstrcmpW(name, kFormClass) == 0 || lstrcmpW(name, kOwnedFormClass) == 0;
}

}  // namespace dozorik::win32
