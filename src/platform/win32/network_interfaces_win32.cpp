#include "platform/win32/network_interfaces_win32.h"

#include <winsock2.h>
// After <winsock2.h>, which must come first.
#include <windows.h>
// After both, which they need.
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include <memory>

#include "platform/win32/system_library_win32.h"

namespace dozorik::win32 {
namespace {

using GetIfTable2Fn = DWORD(WINAPI*)(MIB_IF_TABLE2** table);
using FreeMibTableFn = VOID(WINAPI*)(PVOID memory);

// The table is IP Helper's memory, given back through FreeMibTable.
struct TableFreer {
  FreeMibTableFn free;
  void operator()(MIB_IF_TABLE2* table) const { free(table); }
};
using Table = std::unique_ptr<MIB_IF_TABLE2, TableFreer>;

}  // namespace

Win32NetworkInterfaces::Win32NetworkInterfaces()
    : library_(loadSystemLibrary(L"iphlpapi.dll")),
      getTable_(entryPoint<AnyFunction>(library_.get(), "GetIfTable2")),
      freeTable_(entryPoint<AnyFunction>(library_.get(), "FreeMibTable")) {}

SourceAnswer Win32NetworkInterfaces::read(std::vector<InterfaceRow>& into) {
  into.clear();
  if (!getTable_ || !freeTable_) return SourceAnswer::NotProvided;
  MIB_IF_TABLE2* raw = nullptr;
  if (reinterpret_cast<GetIfTable2Fn>(getTable_)(&raw) != NO_ERROR || !raw) {
    return SourceAnswer::NoValue;
  }
  const Table table(raw, TableFreer{reinterpret_cast<FreeMibTableFn>(freeTable_)});
  for (ULONG i = 0; i < table->NumEntries; ++i) {
    const MIB_IF_ROW2& row = table->Table[i];
    InterfaceRow out;
    out.luid = row.InterfaceLuid.Value;
    out.type = row.Type;
    out.hardware = row.InterfaceAndOperStatusFlags.HardwareInterface;
    out.filter = row.InterfaceAndOperStatusFlags.FilterInterface;
    out.inOctets = row.InOctets;
    out.outOctets = row.OutOctets;
    into.push_back(out);
  }
  return SourceAnswer::Read;
}

}  // namespace dozorik::win32
