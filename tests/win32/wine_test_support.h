#pragma once

// What the Wine tests share: the real platform, a scratch folder, and reads
// past the adapters.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/fake_ports.h"
#include "fakes/scripted_sampler.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/downloader_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/process_token_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/remote_access_win32.h"
#include "platform/win32/screen_win32.h"
#include "platform/win32/string_table_win32.h"
#include "platform/win32/text_measure_win32.h"
#include "platform/win32/wide.h"
#include "support/outside.h"
#include "ui/application.h"

namespace dozorik {

using namespace support;

inline std::string contents(const std::string& path) { return fileBytes(win32::widen(path)); }
inline std::string textOf(void* window) {
  return win32::narrow(windowText(static_cast<HWND>(window)));
}

// A fresh folder under the temp folder, removed with all it holds.
struct TempDir {
  explicit TempDir(const std::string& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path = win32::narrow(temp) + name + " " + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(win32::widen(path).c_str(), nullptr);
  }
  ~TempDir() {
    SetCurrentDirectoryW(L"C:\\");
    std::error_code busy;  // a program the test started may hold a file a moment longer
    for (int i = 0; i < 50; ++i, Sleep(100)) {
      if (std::filesystem::remove_all(win32::widen(path), busy) != std::uintmax_t(-1)) break;
    }
  }
  std::string at(const std::string& name) const { return path + "\\" + name; }
  std::string path;
};

// The real registry, files, clock, locale, token, text measure, screen, remote
// access, string table and downloader. The rest are fakes: no browser starts,
// no box waits for a user, and no exit request ends the Wine session.
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
  win32::Win32RemoteAccess remoteAccess;
  win32::Win32StringTable strings;
  win32::Win32Downloader downloader;
  Ports ports{registry, clock,  locale, files,       shell,  messages,     pump,    process,
              dialogs,  power,  token,  textMeasure, screen, remoteAccess, strings, downloader};
};

// The program over the real platform, installed in a scratch folder, with its
// registry entries wiped before and after.
class ProgramTest : public ::testing::Test, protected RealPorts {
 protected:
  ProgramTest() {
    forgetEverySetting();
    process.path = dir.at("dozorik.exe");
    app.setTitle("Dozorik");
  }
  ~ProgramTest() override { forgetEverySetting(); }

  TempDir dir{"dozorik program"};
  fakes::ScriptedSampler sampler;
  ui::Application app{messages, pump};
};

}  // namespace dozorik
