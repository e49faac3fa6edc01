// The program over the real platform: its own window, settings, records,
// ring-out and update check.

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <regex>
#include <vector>

#include "app/usage.h"
#include "cpuload/cpu_sampler.h"
#include "platform/win32/handles.h"
#include "platform/win32/native_window.h"
#include "platform/win32/performance_data_win32.h"
#include "win32/wine_test_support.h"

namespace dozorik {
namespace {

void click(win32::NativeWindow& window, const ui::Control& control) {
  SendMessageW(static_cast<HWND>(window.nativeControl(control)), BM_CLICK, 0, 0);
}

TEST_F(ProgramTest, TheEyeWatchesTheRealLoadStopEndsItAndClosingStopsIt) {
  win32::Win32PerformanceData data;
  CpuSampler real(data);
  real.StartCpuSampler();
  TUsage usage(ports, app, real);
  win32::NativeWindow window(usage, app);
  usage.created();
  window.show();
  click(window, usage.SpeedButton1);
  EXPECT_EQ(textOf(window.handle()), "Dozorik   =Bystro=   Pracujem");
  EXPECT_NE(regRead(kProgramKey, L"Start"), "<none>");
  // The timer's own ticks bring the load to the label and the taskbar.
  for (int i = 0; i < 500 && textOf(window.nativeControl(usage.Label5)).empty(); ++i) {
    pump.processMessages();
    Sleep(10);
  }
  EXPECT_EQ(textOf(window.nativeControl(usage.Label5)).rfind("CPU % ", 0), 0u);
  EXPECT_EQ(textOf(window.ownerHandle()).rfind("CPU % ", 0), 0u);

  click(window, usage.SpeedButton2);
  EXPECT_EQ(textOf(window.handle()), "Dozorik   =Bystro=");
  EXPECT_EQ(textOf(window.ownerHandle()), "Dozorik");
  EXPECT_NE(regRead(kProgramKey, L"End"), "<none>");

  RegDeleteKeyValueW(HKEY_CURRENT_USER, kProgramKey, L"End");
  click(window, usage.SpeedButton1);
  window.close();
  EXPECT_FALSE(window.isOpen() || usage.Timer1.enabled());
  EXPECT_NE(regRead(kProgramKey, L"End"), "<none>");
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
}

// The layout was made with the widths of "MS Sans Serif" 8 pt, the bitmap font
// of Windows. In a wider face (as in a Wine prefix without Wine's own fonts),
// or grown longer, a caption is cut short. Each is drawn in its control's font
// and must ink no column past the room the control gives its text.
TEST_F(ProgramTest, EveryCaptionFitsItsControlInTheWindowsFont) {
  TUsage usage(ports, app, sampler);
  win32::NativeWindow window(usage, app);
  win32::NativeWindow options(usage.Options, app, window), countdown(usage.Countdown, app, window);
  usage.Countdown.Action.setText("Počítač sa reštartuje o");  // the longest it shows
  std::vector<const ui::Control*> all{&usage, &usage.Options, &usage.Countdown};
  for (std::size_t i = 0; i < all.size(); ++i) {
    all.insert(all.end(), all[i]->children().begin(), all[i]->children().end());
  }
  constexpr int kWidth = 500, kHeight = 24;
  win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  win32::UniqueBitmap canvas(CreateBitmap(kWidth, kHeight, 1, 1, nullptr));
  win32::SelectedObject drawn(dc.get(), canvas.get());
  for (const ui::Control* c : all) {
    const bool box = c->kind() == ui::Kind::CheckBox || c->kind() == ui::Kind::RadioButton;
    // Label14 is 5 px short of its caption, on Windows too: every other label
    // is exactly as wide as its caption in this font.
    if (c->text().empty() || !(box || c->kind() == ui::Kind::Label) || c->name() == "Label14") {
      continue;
    }
    HWND native = nullptr;
    for (const win32::NativeWindow* w : {&window, &options, &countdown}) {
      if (!native) native = static_cast<HWND>(w->nativeControl(*c));
    }
    win32::SelectedObject font(dc.get(), HFONT(SendMessageW(native, WM_GETFONT, 0, 0)));
    const std::wstring text = win32::widen(c->text());
    PatBlt(dc.get(), 0, 0, kWidth, kHeight, WHITENESS);
    TextOutW(dc.get(), 0, 0, text.c_str(), int(text.size()));
    int inked = kWidth;
    auto blank = [&](int x) {
      for (int y = 0; y < kHeight; ++y) {
        if (GetPixel(dc.get(), x, y) != RGB(255, 255, 255)) return false;
      }
      return true;
    };
    while (inked > 0 && blank(inked - 1)) --inked;
    // A box comes first, then half a digit's width before the text.
    int room = c->rect().width;
    if (int digit = 0; box && GetCharWidth32W(dc.get(), '0', '0', &digit)) {
      room -= GetSystemMetrics(SM_CXMENUCHECK) + digit / 2;
    }
    EXPECT_LE(inked, room) << c->name() << " \"" << c->text() << "\"";
  }
}

TEST_F(ProgramTest, The250thQuietTickResetsTheNativeWindowAndStoresTheEnd) {
  TUsage usage(ports, app, sampler);
  win32::NativeWindow window(usage, app);
  usage.created();
  click(window, usage.SpeedButton1);
  auto position = [&](const ui::Control& bar) {
    return SendMessageW(static_cast<HWND>(window.nativeControl(bar)), PBM_GETPOS, 0, 0);
  };
  sampler.fractions.assign(250, 0.03);
  for (int i = 0; i < 249; ++i) app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(position(usage.Gauge1), 249);
  EXPECT_EQ(position(usage.Ukazatel1), 3);
  EXPECT_EQ(textOf(window.ownerHandle()), "CPU % 3");
  EXPECT_EQ(regRead(kProgramKey, L"End"), "<none>");
  app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(position(usage.Gauge1) + position(usage.Ukazatel1), 0);
  EXPECT_EQ(textOf(window.handle()), "Dozorik   =Bystro=");
  EXPECT_EQ(textOf(window.ownerHandle()), "Dozorik");
  EXPECT_NE(regRead(kProgramKey, L"End"), "<none>");
}

TEST_F(ProgramTest, SettingsAndStartEntriesSurviveRestarts) {
  auto start = [&] {
    auto usage = std::make_unique<TUsage>(ports, app, sampler);
    usage->FormCreate();
    return usage;
  };
  process.path = "C:\\Program Files\\Dozorik\\dozorik.exe";
  auto first = start();
  EXPECT_EQ(regRead(kProgramKey, L"colaps"), "true");
  first->CheckBox1.click();
  EXPECT_EQ(regRead(kRunOnce, L"Dozorik"), "\"C:\\Program Files\\Dozorik\\dozorik.exe\" /r");
  first->CheckBox1.click();
  EXPECT_EQ(regRead(kRunOnce, L"Dozorik"), "");
  first->closeQuery();
  for (auto [name, value] : {std::pair{L"Vyber", "4"}, {L"LogType", "xls"}, {L"Logfile", "false"},
                             {L"Prezvonit", "false"}, {L"screenshot", "false"}, {L"Telefon", ""},
                             {L"Parameter1", ""}, {L"Parameter2", ""}, {L"Sekund", "40"},
                             {L"colaps", "false"}, {L"Vytazenost", "1"}, {L"Launchafter", ""},
                             {L"App", ""}}) {
    EXPECT_EQ(regRead(kProgramKey, name), value) << win32::narrow(name);
  }

  auto second = start();
  second->TrackBar1.slide(5);
  second->RadioButton2.click();
  second->Label16.click();
  second->Edit2.type("/ľahko");
  second->SpinEdit1.type("55");
  dialogs.answer = "C:\\Tools\\VirtualDub.exe";
  second->CheckBox3.click();
  second->Edit3.type("/r");
  second->closeQuery();
  EXPECT_EQ(regRead(kRunOnce, L"AppDozorik"), "\"C:\\Tools\\VirtualDub.exe\" /r");

  auto third = start();  // never closed, as if the process had been killed
  EXPECT_TRUE(third->RadioButton2.checked() && third->CheckBox5.checked());
  EXPECT_EQ(third->TrackBar1.position(), 5);
  EXPECT_EQ(third->Edit2.text(), "/ľahko");
  EXPECT_EQ(third->SpinEdit1.value(), 60 - 5);
  EXPECT_TRUE(messages.shown.empty());

  registry.writeString("SOFTWARE\\RuvoSOFTWARE\\Dozorik", "Vytazenost", "12");
  process.args = {"/r"};
  auto fourth = start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Program nebol naposledy korektne ukončený !");
  EXPECT_EQ(fourth->TrackBar1.position(), 8);
  EXPECT_TRUE(fourth->Timer1.enabled());
}

TEST_F(ProgramTest, RecordsLandInTheProgramsFolder) {
  TUsage usage(ports, app, sampler);
  usage.CheckBox5.setChecked(true);
  usage.SpeedButton1.click();
  sampler.fractions = {0.07, 0.42, 1.0};
  for (int i = 0; i < 3; ++i) usage.Timer1.fire();
  const std::regex lines("[^\r\n]+  7%\r\n[^\r\n]+  42%\r\n[^\r\n]+  100%\r\n");
  EXPECT_TRUE(std::regex_match(contents(dir.at("dozorik.log")), lines));
  usage.SpeedButton2.click();

  usage.RadioButton6.setChecked(true);  // the spreadsheet log
  usage.CheckBox4.setChecked(true);     // and a screenshot
  SetCurrentDirectoryW(L"C:\\");
  usage.SpeedButton1.click();
  sampler.fractions.assign(250, 0.02);
  for (int i = 0; i < 250; ++i) usage.Timer1.fire();
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;

  // BOF, a label for each of the 2 x 251 cells, EOF.
  const std::string xls = contents(dir.at("Dozorik.xls"));
  auto field16 = [](const std::string& data, std::size_t i) {
    return static_cast<unsigned char>(data[i]) | static_cast<unsigned char>(data[i + 1]) << 8;
  };
  int labels = 0;
  std::size_t at = 12;
  for (; at + 4 <= xls.size() && field16(xls, at) == 0x0204; ++labels) {
    at += 4 + field16(xls, at + 2);
  }
  EXPECT_EQ(field16(xls, 0), 0x0809);
  EXPECT_EQ(labels, 2 * 251);
  EXPECT_EQ(xls.substr(at), std::string("\x0A\0\0\0", 4));

  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win32::widen(dir.at("20??_??_??__??????.bmp")).c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  const std::string bmp = contents(dir.at(win32::narrow(found.cFileName)));
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(field16(bmp, 18), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(field16(bmp, 22), GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(ProgramTest, AScreenThatRefusesTheCopyStillLeavesABlackPicture) {
  HWND gone = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr);
  DestroyWindow(gone);  // its context is refused, as a locked workstation's is
  win32::Win32Screen locked(gone);
  Ports lockedPorts{registry, clock, locale, files,       shell,  messages,     pump,    process,
                    dialogs,  power, token,  textMeasure, locked, remoteAccess, strings, downloader};
  TUsage usage(lockedPorts, app, sampler);
  usage.Screenshot();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win32::widen(dir.at("20??_??_??__??????.bmp")).c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  const std::string bmp = contents(dir.at(win32::narrow(found.cFileName)));
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(bmp.size(), 54u + ((width * 3 + 3) & ~3) * height);
  EXPECT_EQ(bmp.find_first_not_of('\0', 54), std::string::npos) << "black throughout";
}

TEST_F(ProgramTest, ARefusedDialEndsTheWatchWithTheRasErrorAndNoEndAction) {
  TUsage usage(ports, app, sampler);
  usage.CheckBox2.setChecked(true);
  usage.Edit1.setText("123");
  ASSERT_TRUE(usage.RadioButton4.checked());  // the beeps would be the end action
  app.dispatch([&] {
    usage.SpeedButton1.click();
    sampler.fractions.assign(250, 0.02);
    for (int i = 0; i < 250; ++i) usage.Timer1.fire();
  });
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::regex twoLines("RAS Error code: [1-9][0-9]*\\.\n\"[^\n]+\"");
  EXPECT_TRUE(std::regex_match(messages.shown[0].text, twoLines)) << messages.shown[0].text;
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
  EXPECT_FALSE(usage.Timer2.enabled() || usage.Timer1.enabled());
  EXPECT_TRUE(power.journal.empty()) << power.journal[0];
}

// Against the web server on 127.0.0.1 that CTest starts for the run (http_server.sh).
TEST_F(ProgramTest, TheUpdateCheckOffersOnlyANewerVersion) {
  const char* state = std::getenv("DOZORIK_HTTP_STATE");
  if (!state) GTEST_SKIP() << "run through ctest, which starts the web server";
  std::string served = "Z:" + std::string(state);  // Wine shows the Unix root as Z:
  std::replace(served.begin(), served.end(), '/', '\\');
  std::string port;
  ASSERT_TRUE(std::ifstream(served + "\\port") >> port);
  const std::string server = "127.0.0.1:" + port, file = served + "\\root\\dozorik.ver";
  // Publishes the bytes (none: a 404) and answers the caption and text of the one box shown.
  auto check = [&](const std::string& published) {
    DeleteFileW(win32::widen(file).c_str());
    if (!published.empty()) std::ofstream(file, std::ios::binary) << published;
    messages.shown.clear();
    TUsage usage(ports, app, sampler);
    usage.useUpdateServer(server);
    app.dispatch([&] { usage.SpeedButton4Click(); });
    EXPECT_EQ(messages.shown.size(), 1u);
    return messages.shown.empty() ? "" : messages.shown[0].caption + ": " + messages.shown[0].text;
  };
  auto version = [](double v) { return std::string(reinterpret_cast<const char*>(&v), 8); };
  auto copyLeft = [&] { return std::filesystem::exists(win32::widen(dir.at("dozorik.ver"))); };

  const std::string notNewer = "Dozorik: Novsia verzia zatial neexistuje :-)";
  EXPECT_EQ(check(version(1.71)), notNewer);
  EXPECT_EQ(check(version(1.5)), notNewer);
  EXPECT_FALSE(copyLeft());
  // The file changes within the same second as like as not: no cached copy may answer.
  const std::string offer =
      "Confirm: Bola najdena novsia verzia (1" + locale.decimalSeparator() + "72).  Stiahnut ?";
  messages.answer = MessageAnswer::No;
  EXPECT_EQ(check(version(1.72)), offer);
  EXPECT_TRUE(shell.browsed.empty() && !copyLeft());
  messages.answer = MessageAnswer::Yes;
  EXPECT_EQ(check(version(1.72)), offer);
  EXPECT_EQ(shell.browsed, std::vector<std::string>{"http://" + server + "/dozorik.rar"});
  EXPECT_EQ(check(version(1.71)), notNewer);

  const std::string failed = "Warning: Neuspesne spojenie so serverom !(" + server + ")";
  EXPECT_EQ(check(std::string("\x00\x00\xF0\x3F", 4)), failed);
  EXPECT_EQ(check(""), failed);
}

}  // namespace
}  // namespace dozorik
