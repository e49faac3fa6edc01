// The thin Win32 adapters against the real system, where the end-to-end
// suite does not reach. The suspend and exit requests are never made:
// either would end the session the tests run in.

#include <windows.h>
#include <winperf.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <vector>

#include "cpuload/perf_data_walker.h"
#include "fakes/fake_performance_data.h"
#include "platform/win32/downloader_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/performance_data_win32.h"
#include "platform/win32/power_win32.h"
#include "platform/win32/process_token_win32.h"
#include "update/update_check.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/remote_access_win32.h"
#include "platform/win32/screen_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/string_table_win32.h"
#include "platform/win32/text_measure_win32.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

TEST(Registry, ReadsAndWritesTheCurrentUsersKeys) {
  const std::wstring root = L"SOFTWARE\\DozorikTests";
  const std::string key = "SOFTWARE\\DozorikTests\\Dozorik";
  RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str());
  Win32Registry registry;
  EXPECT_EQ(registry.readString(key, "colaps"), "");
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, widen(key).c_str()), 0);  // the read left it there

  const std::string warning = "Program nebol naposledy korektne ukončený !";
  ASSERT_TRUE(registry.writeString(key, "Telefon", warning) &&
              registry.writeString(key, "LOGFILE", "true") &&
              registry.writeString(key, "Logfile", "false"));  // replaces, not adds
  EXPECT_EQ(registry.readString(key, "telefon"), warning);
  EXPECT_EQ(registry.readString(key, "LogFile"), "false");

  // Text another tool stored without its NUL is read no further.
  RegSetKeyValueW(HKEY_CURRENT_USER, widen(key).c_str(), L"NoNul", REG_SZ, L"abc", 6);
  EXPECT_EQ(registry.readString(key, "NoNul"), "abc");

  HKEY parent = nullptr;  // a volatile key can't hold a lasting subkey: this one never opens
  RegCreateKeyExW(HKEY_CURRENT_USER, (root + L"\\Volatile").c_str(), 0, nullptr,
                  REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &parent, nullptr);
  RegCloseKey(parent);
  const std::string locked = "SOFTWARE\\DozorikTests\\Volatile\\Dozorik";
  EXPECT_FALSE(registry.writeString(locked, "colaps", "true"));
  EXPECT_EQ(registry.readString(locked, "colaps"), std::nullopt);
  RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str());
}

TEST(Files, WriteAppendReadAndRemoveOnARealDisk) {
  TempDir dir("dozorik files");
  Win32FileSystem files;
  ASSERT_TRUE(files.setCurrentDirectory(dir.path));
  files.create("a.log")->write("ab\0c\r\n", 6);  // a bare name lands in the current folder
  files.append(dir.at("a.log"))->write("78", 2);
  files.append("a.log")->write("9", 1);  // a second opening starts at the end too
  EXPECT_EQ(contents(dir.at("a.log")), std::string("ab\0c\r\n789", 9));
  EXPECT_EQ(files.read("a.log", 2), "ab");
  // The stamp the name gives is the open file's; another write of the same
  // length changes it.
  const auto left = files.stamp("a.log");
  ASSERT_TRUE(left);
  EXPECT_EQ(left->size, 9u);
  EXPECT_EQ(files.append("a.log")->stamp(), left);
  Sleep(50);
  std::ofstream(dir.at("a.log"), std::ios::binary).write("ab\0d\r\n789", 9);
  EXPECT_NE(files.stamp("a.log"), left);
  EXPECT_TRUE(files.remove("a.log"));
  EXPECT_FALSE(files.remove("a.log"));
  EXPECT_EQ(files.stamp("a.log"), std::nullopt);
  EXPECT_EQ(files.read("a.log", 10), std::nullopt);
  EXPECT_EQ(files.stamp(dir.path), std::nullopt);  // a folder is no file

  for (auto [name, append] : {std::pair{"missing\\dozorik.log", false}, {"none.log", true}}) {
    std::string error = "no error";
    try {
      append ? files.append(name) : files.create(name);
    } catch (const Error& e) {
      error = e.what();
    }
    EXPECT_EQ(error.rfind("Cannot create file \"" + dir.at(name) + "\". ", 0), 0u) << error;
  }
}

// Whether the token itself reports the privilege switched on.
bool enabledInToken(ProcessToken::Handle token, std::uint64_t privilege) {
  alignas(TOKEN_PRIVILEGES) unsigned char buffer[4096];
  DWORD bytes = 0;
  const auto& list = *reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
  if (!GetTokenInformation(HANDLE(token), TokenPrivileges, buffer, sizeof buffer, &bytes)) return 0;
  for (DWORD i = 0; i < list.PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& held = list.Privileges[i];
    if ((held.Luid.LowPart | std::uint64_t(std::uint32_t(held.Luid.HighPart)) << 32) == privilege) {
      return held.Attributes & SE_PRIVILEGE_ENABLED;
    }
  }
  return false;
}

TEST(PowerAndToken, ShutdownPrivilegeIsSwitchedOnAndOff) {
  Win32ProcessToken tokens;
  const auto token = tokens.open(ProcessToken::kAdjustPrivileges | ProcessToken::kQuery);
  const auto shutdown = tokens.lookupPrivilege("SeShutdownPrivilege");
  ASSERT_TRUE(token && shutdown);
  EXPECT_TRUE(tokens.adjustPrivilege(*token, *shutdown, ProcessToken::kEnabled));
  EXPECT_TRUE(enabledInToken(*token, *shutdown));
  EXPECT_TRUE(tokens.adjustPrivilege(*token, *shutdown, 0));
  EXPECT_FALSE(enabledInToken(*token, *shutdown));
  // A privilege the token does not hold: the call succeeds, yet nothing was assigned.
  EXPECT_FALSE(tokens.adjustPrivilege(*token, 0x7FFF, ProcessToken::kEnabled));
  tokens.close(*token);
  EXPECT_FALSE(tokens.lookupPrivilege("NoSuchPrivilege"));
}

// What the machine offers and the request to stay up, all looked up at run
// time: Wine has them, as Windows 7 and later do. A request changes its kind
// and is let go, each step taken by the system.
TEST(PowerAndToken, CapabilitiesBeepAndTheRequestToStayUp) {
  Win32Power power;
  EXPECT_TRUE(power.capabilities());
  EXPECT_TRUE(power.beep(1000, 10));
  EXPECT_TRUE(power.usesPowerRequests());
  for (Power::Awake level : {Power::Awake::System, Power::Awake::Display, Power::Awake::System,
                             Power::Awake::No}) {
    EXPECT_TRUE(power.keepAwake(level)) << static_cast<int>(level);
  }
}

TEST(Shell, ARefusedLaunchGivesTheSystemsReason) {
  Win32Shell shell;
  TempDir dir("dozorik shell");
  const auto refused = shell.open(dir.at("missing.cmd"), "x");
  ASSERT_TRUE(refused);
  EXPECT_NE(*refused, "");
  EXPECT_EQ(refused->find("System error"), std::string::npos) << *refused;
}

TEST(Files, ARecordsFolderIsProbedMadeAndTheUsersOwnFound) {
  Win32FileSystem files;
  TempDir dir("dozorik folders");
  EXPECT_TRUE(files.canCreateIn(dir.path + "\\"));
  EXPECT_TRUE(std::filesystem::is_empty(widen(dir.path))) << "the probe is removed";
  EXPECT_FALSE(files.canCreateIn(dir.at("none\\")));
  EXPECT_TRUE(files.createFolder(dir.at("made")) && files.createFolder(dir.at("made")));
  EXPECT_TRUE(std::filesystem::is_directory(widen(dir.at("made"))));
  EXPECT_FALSE(files.createFolder(dir.at("none\\deeper")));
  const auto local = files.localAppData();
  ASSERT_TRUE(local);
  EXPECT_EQ(local->back(), '\\');
  EXPECT_TRUE(std::filesystem::is_directory(widen(*local)));
}

TEST(TextMeasure, WidthFollowsTheGlyphsTheLengthAndTheFont) {
  Win32TextMeasure measure;
  auto width = [&](const char* text, int height = -11, bool bold = false) {
    return measure.width(text, "MS Sans Serif", height, bold);  // the window's font
  };
  EXPECT_EQ(width(""), 0);
  EXPECT_GT(width("W"), width("i"));
  EXPECT_LT(width("ť"), width("tt"));  // widened from UTF-8, not measured as two bytes
  EXPECT_GT(width("Spustiť súbor", -22, true), width("Spustiť súbor"));
}

TEST(Screen, CaptureHasTheDisplaysSizeAndSeesARedSquare) {
  constexpr int kX = 100, kY = 110;
  const RECT square{kX - 60, kY - 60, kX + 60, kY + 60};
  UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
  if (WindowDc desktop = WindowDc::whole(GetDesktopWindow())) {
    FillRect(desktop.get(), &square, red.get());
  }
  ScreenPicture picture;
  // Newer than the Windows the build targets: looked up, as the adapter does.
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  auto threadContext = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto awareness = reinterpret_cast<int(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  auto setContext = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  ASSERT_TRUE(threadContext && awareness && setContext) << "Wine has them";
  // Not DPI aware, as the program runs.
  const DPI_AWARENESS_CONTEXT test = setContext(DPI_AWARENESS_CONTEXT_UNAWARE);
  ASSERT_TRUE(Win32Screen().capturePrimaryDisplay(picture));
  // Real pixels around the copy only: the window keeps its own scaling.
  EXPECT_EQ(awareness(threadContext()), 0);
  setContext(test);
  InvalidateRect(nullptr, nullptr, TRUE);
  ASSERT_EQ(picture.width, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(picture.height, GetSystemMetrics(SM_CYSCREEN));
  ASSERT_EQ(picture.pixels.size(), std::size_t(picture.width) * picture.height * 3);
  auto pixel = [&](int x, int y) {
    const auto at = picture.pixels.begin() + (std::size_t(y) * picture.width + x) * 3;
    return std::string(at, at + 3);
  };
  EXPECT_EQ(pixel(kX, kY), std::string("\x00\x00\xff", 3)) << "blue, green, red expected";
  EXPECT_NE(pixel(0, 0), pixel(kX, kY));  // no fill: the desktop's corner is not red

  // A context the system refuses, as a locked workstation's is: a black
  // picture of the display's size, which the program still saves.
  HWND gone =
      CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  ScreenPicture refused;
  EXPECT_FALSE(Win32Screen(gone).capturePrimaryDisplay(refused));
  EXPECT_EQ(refused.width * refused.height, picture.width * picture.height);
  EXPECT_EQ(refused.pixels, std::vector<std::uint8_t>(picture.pixels.size(), 0));
}

// The logic tests' performance data must have the layout this system hands out.
using B = PerfDataBuilder;
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == B::kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == B::kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == B::kBlockSystemTime);
static_assert(sizeof(PERF_DATA_BLOCK) == B::kBlockSize);
static_assert(sizeof(SYSTEMTIME) == sizeof(CalendarTime));
static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == B::kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == B::kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == B::kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == B::kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == B::kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == B::kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == B::kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, ByteLength) == B::kCounterByteLength);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) ==
              B::kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == B::kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == B::kCounterDefinitionSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, ByteLength) == B::kInstanceByteLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == B::kInstanceSize);
static_assert(PERF_NO_INSTANCES == B::kNoInstances);

TEST(PerformanceData, TheSystemsTimesGrow) {
  Win32PerformanceData data;
  EXPECT_EQ(data.platformId(), std::optional<std::uint32_t>(PerformanceData::kPlatformNt));
  const auto first = data.systemTimes();
  ASSERT_TRUE(first);
  EXPECT_GE(first->kernel, first->idle);  // kernel time includes idle time
  auto later = first;  // the system counts in clock ticks; wait until one has passed
  for (int i = 0; i < 200 && later->kernel + later->user == first->kernel + first->user; ++i) {
    Sleep(20), later = data.systemTimes();
  }
  EXPECT_GT(later->kernel + later->user, first->kernel + first->user);
  // One processor group here, as on most machines; Wine's PDH knows no
  // processor information, which the sampler then does without.
  const auto count = data.processorCount();
  ASSERT_TRUE(count);
  EXPECT_EQ(count->all, count->ownGroup);
  EXPECT_EQ(count->all, static_cast<int>(std::thread::hardware_concurrency()));
  EXPECT_FALSE(data.processorInformation());
}

TEST(RemoteAccess, StringTableRefusalsAndNotifyWindows) {
  EXPECT_EQ(Win32StringTable().load(65280), "RAS Error code: %d.\n\"%s\"");
  EXPECT_EQ(Win32StringTable().load(65279), "");

  // A number longer than the dial record's field is cut, never written past.
  Win32RemoteAccess ras;
  RemoteAccess::Connection connection = 1;
  const std::uint32_t refused = ras.dial(std::string(300, '5'), 0, connection);
  EXPECT_NE(refused, 0u);  // Wine never dials
  EXPECT_EQ(connection, 0u);
  EXPECT_TRUE(ras.errorString(refused) || !ras.systemMessage(refused).empty());

  const std::uint32_t dialEvent = ras.registerDialEventMessage();
  EXPECT_EQ(dialEvent, RegisterWindowMessageA("RasDialEvent"));
  std::vector<std::pair<std::uintptr_t, std::intptr_t>> seen;
  const auto window = ras.createNotifyWindow([&](std::uint32_t message, auto state, auto error) {
    return message == dialEvent && (seen.emplace_back(state, error), true);
  });
  const HWND handle = reinterpret_cast<HWND>(window);
  ASSERT_TRUE(PostMessageA(handle, dialEvent, RemoteAccess::kDisconnected, 633));
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(seen, (decltype(seen){{RemoteAccess::kDisconnected, 633}}));
  ras.destroyNotifyWindow(window);
  EXPECT_FALSE(IsWindow(handle));
  {
    Win32RemoteAccess other;  // windows left open go with the adapter
    msg.hwnd = reinterpret_cast<HWND>(other.createNotifyWindow([](auto...) { return false; }));
    ASSERT_TRUE(IsWindow(msg.hwnd));
  }
  EXPECT_FALSE(IsWindow(msg.hwnd));
}

// From the web server on 127.0.0.1 that CTest starts for the run (http_server.sh).
TEST(Downloader, FetchesTheServersCopyAfreshEachTime) {
  const char* state = std::getenv("DOZORIK_HTTP_STATE");
  if (!state) GTEST_SKIP() << "run through ctest, which starts the web server";
  std::string served = "Z:" + std::string(state);  // Wine shows the Unix root as Z:
  std::replace(served.begin(), served.end(), '/', '\\');
  std::string port;
  ASSERT_TRUE(std::ifstream(served + "\\port") >> port);
  const std::string url = "http://127.0.0.1:" + port + "/dozorik.ver";
  const std::string published = served + "\\root\\dozorik.ver";
  TempDir dir("dozorik download");
  Win32Downloader downloader;
  // The file changes within the same second as like as not: no cached copy may answer.
  for (const std::string& bytes : {std::string("\0\0\0\0\0\0\xFC?", 8), std::string("x")}) {
    writeFile(widen(published), bytes);
    EXPECT_TRUE(downloader.download(url, dir.at("dozorik.ver")));
    EXPECT_EQ(contents(dir.at("dozorik.ver")), fileBytes(widen(published)));
  }
  // Gone from the server: Wine, like Windows at times, saves the server's
  // error page rather than failing. Either way no version is read from what
  // is left, and never the last copy.
  DeleteFileW(widen(published).c_str());
  const bool got = downloader.download(url, dir.at("dozorik.ver"));
  const std::string left = contents(dir.at("dozorik.ver"));
  EXPECT_FALSE(got && left == "x") << "the last copy is no answer";
  EXPECT_FALSE(got && publishedVersion(left)) << left;
}

}  // namespace
}  // namespace dozorik::win32
