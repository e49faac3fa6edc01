#pragma once

#include "platform/win32/counter_instances_win32.h"
#include "platform/win32/network_interfaces_win32.h"
#include "platform/win32/running_processes_win32.h"
#include "signals/busy_signals.h"

namespace dozorik::win32 {

// The running Windows' sources of the busy signals, for BusySignals.
struct Win32SignalSources {
  // Every engine of every graphics adapter, per process (Windows 10 1709
  // and later).
  Win32CounterInstances gpuEngines{L"\\GPU Engine(*)\\Utilization Percentage"};
  // Bytes read and written per second, per physical disk and "_Total".
  Win32CounterInstances disks{L"\\PhysicalDisk(*)\\Disk Bytes/sec"};
  Win32NetworkInterfaces network;
  Win32RunningProcesses processes;

  signals::SignalSources sources() { return {gpuEngines, disks, network, processes}; }
};

}  // namespace dozorik::win32
