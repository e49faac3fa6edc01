#pragma once

// The window classes the program registers for its own windows.

#include <windows.h>

namespace dozorik::win32 {

// The main window, its further windows, the hidden application window that
// carries the taskbar button, and the raised panel.
inline constexpr wchar_t kFormClass[] = L"DozorikForm";
inline constexpr wchar_t kOwnedFormClass[] = L"DozorikOwnedForm";
inline constexpr wchar_t kOwnerClass[] = L"DozorikApplication";
inline constexpr wchar_t kPanelClass[] = L"DozorikPanel";
// The hidden window through which a later start hands over its switches.
inline constexpr wchar_t kHandOverClass[] = L"DozorikHandOver";

inline HINSTANCE instance() { return GetModuleHandleW(nullptr); }

// Registers a class with the arrow cursor; a class already registered (by an
// earlier window of the same process) is fine.
void registerWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background);

// True for the program's main window and its further windows.
bool isFormWindow(HWND hwnd);

}  // namespace dozorik::win32
