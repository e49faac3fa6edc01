#pragma once

#include <windows.h>
#include <objbase.h>

namespace dozorik::win32 {

// COM on the window's thread, a single-threaded apartment, for as long as
// the program runs: the shell's handlers that ShellExecute may call expect
// it there.
class ComApartment {
 public:
  ComApartment()
      : initialised_(SUCCEEDED(
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool initialised() const { return initialised_; }

 private:
  bool initialised_;
};

}  // namespace dozorik::win32
