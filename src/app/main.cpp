// The program's entry: the language, one Dozorik at a time, then the
// sampler, then the window, then the message loop until the window closes.

#include "app/single_start.h"
#include "app/usage.h"
#include "cpuload/cpu_sampler.h"
#include "platform/error.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/com_apartment_win32.h"
#include "platform/win32/downloader_win32.h"
#include "platform/win32/file_dialogs_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/form_host_win32.h"
#include "platform/win32/http_client_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/native_window.h"
#include "platform/win32/performance_data_win32.h"
#include "platform/win32/power_win32.h"
#include "platform/win32/process_token_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/remote_access_win32.h"
#include "platform/win32/screen_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/signal_sources_win32.h"
#include "platform/win32/single_instance_win32.h"
#include "platform/win32/string_table_win32.h"
#include "platform/win32/text_measure_win32.h"
#include "settings/program_key.h"
#include "texts/texts.h"
#include "ui/application.h"

using namespace dozorik;

int main() {
  win32::ComApartment com;
  win32::Win32MessageBoxes messages;
  win32::Win32MessagePump pump;
  // Chosen once, for the whole run: every box, this start's own too, speaks
  // it. A change in the options window applies at the next start.
  win32::Win32Registry registry;
  const Language language =
      languageNamed(registry.readString(kProgramKey, kLanguageValue).value_or(""));
  const Texts texts(language);
  ui::Application application(messages, pump);
  application.setTitle(texts[Text::ProgramName]);

  // Read first, before anything can move the current folder.
  win32::Win32Process process;
  // A start while another runs hands it its switches and ends here.
  win32::Win32SingleInstance instance;
  const StartChoice start = chooseStart(instance, process, messages, texts);
  if (!start.openWindow) return start.exitCode;

  win32::Win32PerformanceData performanceData;
  CpuSampler sampler(performanceData);
  try {
    sampler.StartCpuSampler();
  } catch (const Error& e) {
    messages.show(ui::Application::errorText(e.what()), application.title(), MessageIcon::Stop,
                  MessageButtons::Ok);
    return 1;
  }

  win32::Win32Clock clock;
  win32::Win32Locale locale;
  win32::Win32FileSystem files;
  win32::Win32Shell shell;
  win32::Win32FileDialogs dialogs;
  win32::Win32Power power;
  power.setRequestReason(texts[Text::AwakeReason]);
  win32::Win32ProcessToken token;
  win32::Win32TextMeasure textMeasure;
  win32::Win32Screen screen;
  win32::Win32RemoteAccess remoteAccess;
  win32::Win32StringTable strings;
  win32::Win32Downloader downloader;
  win32::Win32SignalSources signals;
  win32::Win32HttpClient http;
  Ports ports{registry,     clock,   locale,     files,             shell,         messages,
              pump,         process, dialogs,    power,             token,         textMeasure,
              screen,       remoteAccess, strings, downloader,      signals.gpuEngines,
              signals.disks, signals.network, signals.processes, http};

  TUsage usage(ports, application, sampler, language);
  win32::NativeWindow window(usage, application);
  win32::Win32FormHost forms(window, application);
  application.setFormHost(&forms);
  messages.setOwner(window.handle());
  dialogs.setOwner(window.handle());
  power.setWindow(window.handle());

  // The settings come back before the window is first shown; any box they
  // raise appears on its own.
  application.dispatch([&] { usage.created(); });
  window.show();
  listenForLaterStarts(instance, usage, application);
  const int exitCode = window.runMessageLoop();
  // Later starts no longer reach the window, which is gone.
  instance.listen({});
  // The host goes before the forms and the application; nothing may reach it
  // from then on.
  application.setFormHost(nullptr);
  sampler.StopCpuSampling();
  return exitCode;
}
