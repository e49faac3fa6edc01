#pragma once

// Move-only owners of the Windows handles the program creates. Each frees its
// handle exactly once; a copy would free it twice, so none can be made.

#include <windows.h>

#include <memory>
#include <utility>

namespace dozorik::win32 {

// Traits name the handle type, its empty value and how to free it.
template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() noexcept = default;
  explicit Unique(Handle handle) noexcept : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::empty(); }

  // Gives up ownership without freeing.
  Handle release() noexcept { return std::exchange(handle_, Traits::empty()); }

  // The old handle is taken out before it is freed: freeing a window runs
  // its window procedure, which may look at (or release) this owner.
  void reset(Handle handle = Traits::empty()) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::empty()) Traits::free(old);
  }

 private:
  Handle handle_ = Traits::empty();
};

struct WindowTraits {
  using Handle = HWND;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { DestroyWindow(h); }
};

template <typename T>
struct GdiTraits {
  using Handle = T;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { DeleteObject(h); }
};

struct KeyTraits {
  using Handle = HKEY;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { RegCloseKey(h); }
};

// Kernel objects: processes, threads, events, tokens.
struct KernelTraits {
  using Handle = HANDLE;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { CloseHandle(h); }
};

// CreateFile reports failure with INVALID_HANDLE_VALUE, not null.
struct FileTraits {
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static void free(Handle h) { CloseHandle(h); }
};

// Icons from LoadImage without LR_SHARED or CreateIcon*; shared icons
// (LoadIcon) belong to the system and must not be wrapped.
struct IconTraits {
  using Handle = HICON;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { DestroyIcon(h); }
};

// Memory device contexts from CreateCompatibleDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { DeleteDC(h); }
};

// DLLs loaded with LoadLibrary, for calls a Windows may lack.
struct LibraryTraits {
  using Handle = HMODULE;
  static Handle empty() { return nullptr; }
  static void free(Handle h) { FreeLibrary(h); }
};

using UniqueWindow = Unique<WindowTraits>;
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniqueKey = Unique<KeyTraits>;
using UniqueHandle = Unique<KernelTraits>;
using UniqueFile = Unique<FileTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
using UniqueLibrary = Unique<LibraryTraits>;
// CreateToolhelp32Snapshot, like CreateFile, fails with INVALID_HANDLE_VALUE.
using UniqueSnapshot = Unique<FileTraits>;

// Memory the system hands out from LocalAlloc for the caller to free
// (CommandLineToArgvW's array, ConvertSidToStringSid's text).
struct LocalFreer {
  void operator()(void* block) const { LocalFree(block); }
};
template <typename T>
using UniqueLocal = std::unique_ptr<T, LocalFreer>;

// A window's device context from GetDC or GetWindowDC. ReleaseDC needs the
// window the context came from, so the two are kept together.
class WindowDc {
 public:
  WindowDc() noexcept = default;
  WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
  // The client area's context.
  static WindowDc client(HWND window) { return {window, GetDC(window)}; }
  // The whole window's context, frame included.
  static WindowDc whole(HWND window) { return {window, GetWindowDC(window)}; }

  ~WindowDc() { reset(); }
  WindowDc(WindowDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

  void reset() noexcept {
    if (dc_) ReleaseDC(window_, dc_);
    window_ = nullptr;
    dc_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint and EndPaint around a WM_PAINT handler.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const noexcept { return paint_.hdc; }
  const PAINTSTRUCT& paint() const noexcept { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// Selects a GDI object into a context and puts the previous one back: a
// context must not be freed, nor its object deleted, while selected.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() { reset(); }
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
      old_ = std::exchange(other.old_, nullptr);
    }
    return *this;
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

  // False when the selection failed, and nothing will be put back.
  explicit operator bool() const noexcept { return dc_ && old_ && old_ != HGDI_ERROR; }

  void reset() noexcept {
    if (dc_ && old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    dc_ = nullptr;
    old_ = nullptr;
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace dozorik::win32
