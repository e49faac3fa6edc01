// The native window against the real controls: the model's state reaches the
// controls, the user's input reaches the model, nothing echoes between them.

#include <array>
#include <functional>
#include <string>
#include <memory>

#include "platform/win32/form_host_win32.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/native_window.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

// One control of each kind, laid out as the program's window has them.
class TestForm : public ui::Form {
 public:
  TestForm() : Form("TestForm", 427, 413) {
    addTimer(timer);
    addSystemMenuItem("O programe", [this] { ++aboutChosen; });
  }
  bool closeQuery() override { return ++closeQueries, allowClose; }

  int closeQueries = 0;
  bool allowClose = true;
  int aboutChosen = 0;

  ui::Panel panel{this, "Panel", {8, 8, 201, 57}};
  ui::PictureButton picture{&panel, "Picture", {8, 4, 57, 49}, ui::Picture::Eye};
  ui::ProgressBar progress{&panel, "Progress", {80, 5, 105, 33}, 0, 110};
  ui::TrackBar track{this, "Track", {224, 20, 185, 25}, 1, 8};
  ui::GroupBox group{this, "Group", {8, 76, 409, 305}, "Skupina"};
  ui::CheckBox box{&group, "Box", {8, 23, 17, 18}};
  ui::Label label{&group, "Label", {26, 26, 89, 13}, "Aktivuj"};
  ui::Edit edit{&group, "Edit", {128, 54, 129, 21}, 20};
  ui::SpinEdit spin{&group, "Spin", {264, 54, 41, 22}, 40, 60, 40};
  ui::GroupBox inner{&group, "Inner", {120, 234, 97, 33}};
  ui::RadioButton first{&inner, "First", {8, 10, 17, 17}};
  ui::RadioButton second{&inner, "Second", {56, 10, 17, 17}};
  ui::CheckBox over{this, "Over", {16, 314, 17, 17}};
  ui::StatusBar status{this, "Status", {0, 388, 427, 25}, {65, 220, 40}};
  ui::Timer timer{"Timer", 10};
};

// A further window: typing, a click, a bar and the default button.
class SecondForm : public ui::Form {
 public:
  SecondForm() : Form("SecondForm", 200, 90) {
    addTimer(timer);
    setDefaultButton(ok);
  }
  bool closeQuery() override { return ++closeQueries, allowClose; }

  int closeQueries = 0;
  bool allowClose = false;
  ui::Edit edit{this, "Edit", {8, 8, 120, 21}, 20};
  ui::CheckBox box{this, "Box", {136, 8, 17, 17}};
  ui::ProgressBar bar{this, "Bar", {8, 36, 120, 17}, 0, 10};
  ui::PushButton ok{this, "Ok", {120, 60, 72, 23}, "OK"};
  ui::Timer timer{"Timer", 10};
};

std::wstring classOf(HWND hwnd) {
  wchar_t name[64];
  return {name, static_cast<size_t>(GetClassNameW(hwnd, name, 64))};
}

// Left, top, width and height on the main window's client area.
std::array<long, 4> placeOf(HWND hwnd, HWND main) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool isAbove(HWND upper, HWND lower) {
  for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h == lower) return true;
  }
  return false;
}

class NativeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // One log for every event, so a lost or doubled one shows.
    auto note = [this](const char* event) { return [this, event] { log += event; }; };
    form.box.onClick = note("box ");
    form.second.onClick = note("radio ");
    form.picture.onClick = note("picture ");
    form.label.onClick = note("label ");
    form.edit.onChange = note("edit ");
    form.track.onChange = note("track ");
    form.timer.onTimer = note("tick ");
    window = std::make_unique<NativeWindow>(form, app);
  }
  void TearDown() override {
    window.reset();
    MSG msg;  // not even this test's quit request reaches the next
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) continue;
  }

  HWND main() const { return static_cast<HWND>(window->handle()); }
  HWND owner() const { return static_cast<HWND>(window->ownerHandle()); }
  HWND native(const ui::Control& c) const { return static_cast<HWND>(window->nativeControl(c)); }
  HWND arrows() const { return static_cast<HWND>(window->spinArrows(form.spin)); }
  // What a native control tells its parent when the user acts on it.
  void notify(const ui::Control& c, int code) {
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(native(c)), code), LPARAM(native(c)));
  }
  // The control's own flag, apart from whether the window is shown.
  bool shown(const ui::Control& c) { return GetWindowLongW(native(c), GWL_STYLE) & WS_VISIBLE; }
  bool checked(const ui::Control& c) { return SendMessageW(native(c), BM_GETCHECK, 0, 0); }

  // Runs the pump until the log holds the text, for at most two seconds.
  void pumpUntil(const std::string& text) {
    for (int i = 0; i < 200 && log.find(text) == std::string::npos; ++i) {
      pump.processMessages();
      Sleep(10);
    }
  }

  fakes::FakeMessageBoxes boxes;
  Win32MessagePump pump;
  ui::Application app{boxes, pump};
  TestForm form;
  std::unique_ptr<NativeWindow> window;  // never shown: that costs seconds under Xvfb
  std::string log;
};

TEST_F(NativeWindowTest, BuildsAFixedWindowWithEveryControlInPlaceAndOrder) {
  RECT client;
  GetClientRect(main(), &client);
  EXPECT_EQ((std::array<long, 2>{client.right, client.bottom}), (std::array<long, 2>{427, 413}));
  LONG style = GetWindowLongW(main(), GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), WS_MINIMIZEBOX);

  // The panel's class is the window's own.
  const std::pair<const ui::Control*, const wchar_t*> controls[] = {
      {&form.panel, nullptr},         {&form.picture, L"Button"}, {&form.progress, PROGRESS_CLASSW},
      {&form.track, TRACKBAR_CLASSW}, {&form.group, L"Button"},   {&form.box, L"Button"},
      {&form.label, L"Static"},       {&form.edit, L"Edit"},      {&form.inner, L"Button"},
      {&form.first, L"Button"},       {&form.over, L"Button"},    {&form.status, STATUSCLASSNAMEW}};
  for (auto [c, name] : controls) {
    SCOPED_TRACE(c->name());
    ui::Rect r = c->rectOnForm();
    EXPECT_EQ(placeOf(native(*c), main()), (std::array<long, 4>{r.left, r.top, r.width, r.height}));
    EXPECT_TRUE(shown(*c));
    EXPECT_TRUE(!name || classOf(native(*c)) == name) << classOf(native(*c));
  }
  // The spin box and its arrows share the control's place.
  ui::Rect s = form.spin.rectOnForm();
  auto box = placeOf(native(form.spin), main()), up = placeOf(arrows(), main());
  EXPECT_EQ((std::array<long, 5>{box[0], box[1], box[0] + box[2], up[0] + up[2], up[1] + up[3]}),
            (std::array<long, 5>{s.left, s.top, up[0], s.left + s.width, s.top + s.height}));

  // Boxes and panels lie beneath the controls drawn over them.
  EXPECT_TRUE(isAbove(native(form.over), native(form.group)));
  EXPECT_TRUE(isAbove(native(form.track), native(form.panel)));
  EXPECT_TRUE(isAbove(native(form.first), native(form.inner)));
}

TEST_F(NativeWindowTest, UserInputGoesThroughTheModelOnce) {
  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.box.checked() && checked(form.box));
  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.box.checked() || checked(form.box));
  form.first.setChecked(true);
  SendMessageW(native(form.second), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.second.checked() && !checked(form.first));
  SendMessageW(native(form.picture), BM_CLICK, 0, 0);
  notify(form.label, STN_CLICKED);
  for (wchar_t key : std::wstring(L"žlté")) SendMessageW(native(form.edit), WM_CHAR, key, 1);
  EXPECT_EQ(form.edit.text(), "žlté") << "each key lands after the previous one";
  SendMessageW(native(form.track), TBM_SETPOS, TRUE, 5);
  SendMessageW(main(), WM_HSCROLL, TB_THUMBPOSITION, LPARAM(native(form.track)));
  EXPECT_EQ(form.track.position(), 5);
  EXPECT_EQ(log, "box box radio picture label edit edit edit edit track ");

  // A first digit of a larger number waits until the box is left, then is clamped.
  SetWindowTextW(native(form.spin), L"7");
  notify(form.spin, EN_KILLFOCUS);
  EXPECT_EQ(textOf(native(form.spin)), "40");
  SendMessageW(arrows(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));
  SendMessageW(arrows(), WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
  EXPECT_EQ(form.spin.value(), 41);

  // A handler's error reaches the user; the window stays.
  form.label.onClick = [] { throw Error("Súbor chýba"); };
  notify(form.label, STN_CLICKED);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Súbor chýba.");
  EXPECT_TRUE(window->isOpen());
}

TEST_F(NativeWindowTest, ModelChangesReachTheNativeWindowWithoutAnEcho) {
  form.box.setChecked(true);
  form.edit.setText(std::string(30, 'x'));  // longer than the user may type
  form.track.setPosition(7);
  form.progress.setPosition(105);
  EXPECT_TRUE(checked(form.box));
  EXPECT_EQ(textOf(native(form.edit)), std::string(30, 'x'));
  EXPECT_EQ(SendMessageW(native(form.track), TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(SendMessageW(native(form.progress), PBM_GETPOS, 0, 0), 105);
  EXPECT_EQ(log, "box edit track ");

  // A disabled box locks its radio buttons; enabling the outer box keeps that lock.
  form.inner.setEnabled(false);
  notify(form.second, BN_CLICKED);
  EXPECT_FALSE(form.second.checked());
  form.group.setEnabled(false);
  form.group.setEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(native(form.box)));
  EXPECT_FALSE(IsWindowEnabled(native(form.second)));
  form.inner.setEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(native(form.second)));

  // Hiding goes down the tree; showing the panel again keeps its hidden child hidden.
  form.picture.setVisible(false);
  form.panel.setVisible(false);
  EXPECT_FALSE(shown(form.progress));
  form.panel.setVisible(true);
  EXPECT_TRUE(shown(form.progress));
  EXPECT_FALSE(shown(form.picture));

  // The taskbar shows the application's title, the caption the form's text.
  app.setTitle("CPU % 12");
  form.setText("Dozorik   =Bystro=   Pracujem");
  EXPECT_EQ(textOf(owner()), "CPU % 12");
  EXPECT_EQ(textOf(main()), "Dozorik   =Bystro=   Pracujem");

  HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  ASSERT_EQ(GetWindow(tips, GW_OWNER), main());
  form.label.setHint("Save To:    C:\\");
  form.picture.setHint("Spusti");
  form.label.setHint("");
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(NativeWindowTest, CloseAndSessionEndAskTheFormAndLaterChangesGoNowhere) {
  form.allowClose = false;
  window->close();
  EXPECT_EQ(SendMessageW(main(), WM_QUERYENDSESSION, 0, 0), FALSE);
  SendMessageW(main(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(window->isOpen());

  form.allowClose = true;
  HWND closed = main();
  EXPECT_EQ(SendMessageW(closed, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(closed, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(form.closeQueries, 3);  // the session's end asked once
  EXPECT_FALSE(IsWindow(closed));
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  form.edit.setText("x");  // goes nowhere, harmlessly
  form.timer.setEnabled(true);
  app.setTitle("Koniec");
  window->close();
  EXPECT_EQ(log, "edit ");
}

// Each window shown costs two seconds under Xvfb, when it is destroyed.
TEST_F(NativeWindowTest, AFurtherWindowAndTheSystemMenuTakeInputThroughTheModel) {
  SecondForm second;
  Win32FormHost host(*window, app);
  app.setFormHost(&host);
  auto control = [&](const ui::Control& c) {
    return static_cast<HWND>(host.window(second)->nativeControl(c));
  };
  auto press = [&](WPARAM key) {
    PostMessageW(control(second.edit), WM_KEYDOWN, key, 0);
    pump.processMessages();
  };
  second.ok.onClick = [&] { log += "ok "; };
  second.timer.onTimer = [&] {
    log += "tick ";
    second.timer.setEnabled(false);
  };
  app.showForm(second);
  ASSERT_TRUE(app.formShown(second));
  HWND shown = control(second);
  RECT client;
  GetClientRect(shown, &client);
  const LONG resizing = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const LONG sizing = GetWindowLongW(shown, GWL_STYLE) & resizing;
  EXPECT_EQ((std::array<long, 3>{client.right, client.bottom, sizing}),
            (std::array<long, 3>{200, 90, 0}));
  EXPECT_EQ(GetWindow(shown, GW_OWNER), main());
  EXPECT_EQ(GetWindowLongW(control(second.ok), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetFocus(), control(second.ok));
  SetFocus(control(second.edit));

  SendMessageW(control(second.edit), WM_CHAR, L'á', 1);
  SendMessageW(control(second.box), BM_CLICK, 0, 0);
  EXPECT_TRUE(second.edit.text() == "á" && second.box.checked());
  second.bar.setRange(0, 50);
  EXPECT_EQ(SendMessageW(control(second.bar), PBM_GETRANGE, FALSE, 0), 50);
  second.timer.setEnabled(true);
  pumpUntil("tick");
  // Keys as the user types them: Enter presses the default button, Escape
  // asks the form, which first says no.
  press(VK_RETURN);
  press(VK_ESCAPE);
  EXPECT_TRUE(app.formShown(second));
  second.allowClose = true;
  press(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(shown) || app.formShown(second));
  EXPECT_EQ(second.closeQueries, 2);
  EXPECT_EQ(log, "tick ok ");

  // Shown again, it is built from the model; the model may close it too.
  second.edit.setText("Znova");
  app.showForm(second);
  EXPECT_EQ(textOf(control(second.edit)), "Znova");
  app.closeForm(second);
  EXPECT_FALSE(app.formShown(second));

  HMENU menu = GetSystemMenu(main(), FALSE);
  const int last = GetMenuItemCount(menu) - 1;
  wchar_t text[32] = {};
  GetMenuStringW(menu, last, text, 32, MF_BYPOSITION);
  EXPECT_EQ(narrow(text), "O programe");
  EXPECT_TRUE(GetMenuState(menu, last - 1, MF_BYPOSITION) & MF_SEPARATOR);
  SendMessageW(main(), WM_SYSCOMMAND, GetMenuItemID(menu, last), 0);
  EXPECT_EQ(form.aboutChosen, 1);
}

TEST_F(NativeWindowTest, AModalWindowBlocksTheMainOneUntilItClosesOrTheProgramEnds) {
  SecondForm second;
  Win32FormHost host(*window, app);
  app.setFormHost(&host);
  // Once the modal window is open, its timer notes whether the main window
  // takes input, then leaves as told.
  std::function<void()> leave;
  second.timer.onTimer = [&] {
    second.timer.setEnabled(false);
    log += IsWindowEnabled(main()) ? "open " : "blocked ";
    leave();
  };
  auto run = [&](std::function<void()> way) {
    leave = std::move(way);
    second.timer.setEnabled(true);
    app.showModal(second);
    EXPECT_FALSE(app.formShown(second));
  };

  // A quit request closes it and still reaches the main loop.
  run([] { PostQuitMessage(4); });
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 4);
  EXPECT_TRUE(IsWindowEnabled(main()));
  // The main window closing takes it along.
  run([&] { PostMessageW(main(), WM_CLOSE, 0, 0); });
  EXPECT_FALSE(window->isOpen());
  EXPECT_EQ(log, "blocked blocked ");
}

// Answers "No" in the box once it is open (found by its caption).
void CALLBACK answerNo(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND box = FindWindowW(L"#32770", L"Otázka")) {
    KillTimer(nullptr, timer);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  }
}

TEST_F(NativeWindowTest, ThePumpRunsTimersAndPutsTheQuitBackAndARealBoxAnswers) {
  form.timer.setEnabled(true);
  for (int i = 0; i < 200 && log.empty(); ++i) {
    pump.processMessages();
    Sleep(10);
  }
  EXPECT_NE(log, "");

  PostQuitMessage(3);
  pump.processMessages();
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);

  Win32MessageBoxes real(window->handle());
  UINT_PTR timer = SetTimer(nullptr, 0, 20, &answerNo);
  EXPECT_EQ(real.show("Stiahnuť?", "Otázka", MessageIcon::Question, MessageButtons::YesNo),
            MessageAnswer::No);
  KillTimer(nullptr, timer);
}

}  // namespace
}  // namespace dozorik::win32
