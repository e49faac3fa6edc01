#pragma once

// The platform as the program meets it under Wine: the real registry,
// files, clock, locale, token, text measure and screen. Message boxes and
// file dialogs are fakes, so nothing modal waits for a user; the process is
// a fake, so tests choose the program's folder and arguments; and so is the
// power port: a real exit request would end the Wine session.

#include "fakes/fake_ports.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/process_token_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/screen_win32.h"
#include "platform/win32/text_measure_win32.h"

namespace dozorik {

struct RealPorts {
  win32::Win32Registry registry;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  win32::Win32FileSystem files;
  fakes::FakeShell shell;
  fakes::FakeMessageBoxes messages;
  win32::Win32MessagePump pump;
  fakes::FakeProcess process;
  fakes::FakeFileDialogs dialogs;
  fakes::FakePowerAndToken power;
  win32::Win32ProcessToken token;
  win32::Win32TextMeasure textMeasure;
  win32::Win32Screen screen;
  Ports ports{registry, clock,   locale, files, shell,       messages, pump,
              process,  dialogs, power,  token, textMeasure, screen};
};

}  // namespace dozorik
