// The program over the real platform where the end-to-end suite can't look:
// its captions in the window's own font, and the update check against a
// web server.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/usage.h"
#include "platform/win32/handles.h"
#include "platform/win32/native_window.h"
#include "win32/wine_test_support.h"

namespace dozorik {
namespace {

TEST_F(ProgramTest, EveryCaptionFitsItsControlInTheWindowsFont) {
  TUsage usage(real, app, sampler);
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
    TUsage usage(real, app, sampler);
    usage.useUpdateServer(server);
    app.dispatch([&] { usage.SpeedButton4Click(); });
    EXPECT_EQ(messages.shown.size(), 1u);
    return messages.shown.empty() ? "" : messages.shown[0].caption + ": " + messages.shown[0].text;
  };
  auto version = [](double v) { return std::string(reinterpret_cast<const char*>(&v), 8); };
  // The file changes within the same second as like as not: no cached copy may answer.
  const std::string notNewer = "Dozorik: Novsia verzia zatial neexistuje :-)";
  const std::string offer =
      "Confirm: Bola najdena novsia verzia (1" + realLocale.decimalSeparator() + "72).  Stiahnut ?";
  const std::string failed = "Warning: Neuspesne spojenie so serverom !(" + server + ")";
  // A short file is left in place, and a failed download (a 404) must not read it.
  const std::pair<std::string, std::string> cases[] = {{std::string("\x00\x00\xF0\x3F", 4), failed},
                                                       {"", failed},
                                                       {version(1.71), notNewer},
                                                       {version(1.5), notNewer},
                                                       {version(1.72), offer},
                                                       {version(1.71), notNewer}};
  messages.answer = MessageAnswer::Yes;
  for (const auto& [published, box] : cases) EXPECT_EQ(check(published), box);
  EXPECT_EQ(shell.browsed, std::vector<std::string>{"http://" + server + "/dozorik.rar"});
  EXPECT_FALSE(std::filesystem::exists(win32::widen(dir.at("dozorik.ver"))));
}

}  // namespace
}  // namespace dozorik
