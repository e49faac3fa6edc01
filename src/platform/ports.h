#pragma once

#include "platform/clock.h"
#include "platform/counter_instances.h"
#include "platform/downloader.h"
#include "platform/file_dialogs.h"
#include "platform/http_client.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/network_interfaces.h"
#include "platform/power.h"
#include "platform/process.h"
#include "platform/process_token.h"
#include "platform/registry.h"
#include "platform/remote_access.h"
#include "platform/running_processes.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/string_table.h"
#include "platform/text_measure.h"

namespace dozorik {

// The platform services the main window reaches. The sampler has its own
// port (PerformanceData).
struct Ports {
  Registry& registry;
  Clock& clock;
  Locale& locale;
  FileSystem& files;
  Shell& shell;
  MessageBoxes& messages;
  MessagePump& pump;
  Process& process;
  FileDialogs& dialogs;
  Power& power;
  ProcessToken& token;
  TextMeasure& textMeasure;
  Screen& screen;
  RemoteAccess& remoteAccess;
  StringTable& strings;
  Downloader& downloader;
  // The busy signals besides the processor.
  CounterInstances& gpuEngines;
  CounterInstances& disks;
  NetworkInterfaces& network;
  RunningProcesses& processes;
  // The message to the phone at the end of a watch.
  HttpClient& http;
};

}  // namespace dozorik
