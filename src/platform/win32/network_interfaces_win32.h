#pragma once

#include <vector>

#include "platform/network_interfaces.h"
#include "platform/win32/handles.h"

namespace dozorik::win32 {

// The interface table of IP Helper (GetIfTable2, Vista and later, with
// 64-bit byte counters). iphlpapi.dll is loaded at run time: it is not
// among the DLLs the program may import.
class Win32NetworkInterfaces : public NetworkInterfaces {
 public:
  Win32NetworkInterfaces();
  SourceAnswer read(std::vector<InterfaceRow>& into) override;

 private:
  // Kept as plain function pointers here, cast back to their types where
  // the header that declares those types is included.
  using AnyFunction = void (*)();
  UniqueLibrary library_;
  AnyFunction getTable_ = nullptr;
  AnyFunction freeTable_ = nullptr;
};

}  // namespace dozorik::win32
