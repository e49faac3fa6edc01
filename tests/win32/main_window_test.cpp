// The real main window under Wine: native clicks go through the window's
// logic, and what the logic changes shows in the native controls, the
// taskbar title and the registry.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/usage.h"
#include "cpuload/cpu_sampler.h"
#include "fakes/scripted_sampler.h"
#include "platform/win32/native_window.h"
#include "platform/win32/performance_data_win32.h"
#include "platform/win32/wide.h"
#include "win32/real_ports.h"

namespace dozorik {
namespace {

constexpr const wchar_t* kKey = L"SOFTWARE\\RuvoSOFTWARE\\Dozorik";

std::string windowText(void* window) {
  wchar_t text[256] = {};
  GetWindowTextW(static_cast<HWND>(window), text, 256);
  return win32::narrow(text);
}

std::string storedValue(const wchar_t* name) {
  wchar_t value[256] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return "<none>";
  }
  return win32::narrow(value);
}

class MainWindowTest : public ::testing::Test, protected RealPorts {
 protected:
  MainWindowTest() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    app.setTitle("Dozorik");
  }
  ~MainWindowTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

  static void click(win32::NativeWindow& window, const ui::Control& control) {
    SendMessageW(static_cast<HWND>(window.nativeControl(control)), BM_CLICK, 0, 0);
  }
  // Lets the window's messages run until `done` holds or about five seconds
  // have passed.
  template <class Done>
  bool pumpUntil(Done done) {
    for (int i = 0; i < 500 && !done(); ++i) {
      pump.processMessages();
      Sleep(10);
    }
    return done();
  }

  ui::Application app{messages, pump};
};

TEST_F(MainWindowTest, TheEyeArmsAWatchThatShowsTheRealLoadAndStopEndsIt) {
  win32::Win32PerformanceData data;
  CpuSampler sampler(data);
  sampler.StartCpuSampler();
  TUsage usage(ports, app, sampler);
  win32::NativeWindow window(usage, app);
  usage.created();
  window.show();

  EXPECT_EQ(windowText(window.handle()), "Dozorik   =Bystro=");
  EXPECT_EQ(windowText(window.ownerHandle()), "Dozorik");

  click(window, usage.SpeedButton1);
  EXPECT_EQ(windowText(window.handle()), "Dozorik   =Bystro=   Pracujem");
  EXPECT_NE(storedValue(L"Start"), "<none>");
  EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(window.nativeControl(usage.SpeedButton6))));
  EXPECT_FALSE(IsWindowEnabled(static_cast<HWND>(window.nativeControl(usage.RadioButton6))));

  // The timer's own ticks bring the load to the label and the taskbar.
  ASSERT_TRUE(pumpUntil([&] { return windowText(window.nativeControl(usage.Label5)) != ""; }));
  const std::string shown = windowText(window.nativeControl(usage.Label5));
  EXPECT_EQ(shown.rfind("CPU % ", 0), 0u) << shown;
  EXPECT_EQ(windowText(window.ownerHandle()).rfind("CPU % ", 0), 0u);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;

  click(window, usage.SpeedButton2);
  EXPECT_EQ(windowText(window.handle()), "Dozorik   =Bystro=");
  EXPECT_EQ(windowText(window.ownerHandle()), "Dozorik");
  EXPECT_EQ(windowText(window.nativeControl(usage.Label5)), "");
  EXPECT_NE(storedValue(L"End"), "<none>");
  EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(window.nativeControl(usage.SpeedButton6))));
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST_F(MainWindowTest, The250thQuietTickResetsTheNativeWindowAndStoresTheEnd) {
  fakes::ScriptedSampler sampler;
  TUsage usage(ports, app, sampler);
  win32::NativeWindow window(usage, app);
  usage.created();
  click(window, usage.SpeedButton1);

  auto gauge = static_cast<HWND>(window.nativeControl(usage.Gauge1));
  auto bar = static_cast<HWND>(window.nativeControl(usage.Ukazatel1));
  sampler.fractions.assign(249, 0.03);
  for (int i = 0; i < 249; ++i) app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(SendMessageW(gauge, PBM_GETPOS, 0, 0), 249);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 3);
  EXPECT_EQ(windowText(window.ownerHandle()), "CPU % 3");

  sampler.fractions.assign(1, 0.03);
  app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(SendMessageW(gauge, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(windowText(window.handle()), "Dozorik   =Bystro=");
  EXPECT_EQ(windowText(window.ownerHandle()), "Dozorik");
  const std::string end = storedValue(L"End");
  EXPECT_NE(end, "<none>");
  const std::string panel = storedValue(L"Start") + " ==> " + end;
  auto status = static_cast<HWND>(window.nativeControl(usage.StatusBar1));
  wchar_t text[128] = {};
  SendMessageW(status, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_NE(win32::narrow(text).find(panel), std::string::npos) << win32::narrow(text);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, ClosingTheWindowStopsTheWatch) {
  fakes::ScriptedSampler sampler;
  TUsage usage(ports, app, sampler);
  win32::NativeWindow window(usage, app);
  usage.created();
  click(window, usage.SpeedButton1);
  window.close();
  EXPECT_FALSE(window.isOpen());
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_NE(storedValue(L"End"), "<none>");
}

}  // namespace
}  // namespace dozorik
