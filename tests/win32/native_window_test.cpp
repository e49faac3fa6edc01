// The native layer against the real controls, where the end-to-end suite
// can't tell: the layering, each event reaching the model once with nothing
// echoing back, nested boxes and panels, the quit, session end, and further
// windows' keys and modal loop.

#include "platform/win32/native_window.h"

#include <functional>
#include <memory>
#include <string>

#include "platform/win32/form_host_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/page_control.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "win32/wine_test_support.h"

namespace dozorik::win32 {
namespace {

// One control of each kind, laid out as the program's window has them.
class TestForm : public ui::Form {
 public:
  TestForm() : Form("TestForm", 427, 413) {}
  bool closeQuery() override { return ++closeQueries, allowClose; }
  void sessionEnd(bool ending) override { sessionEnds += ending ? "ended " : "cancelled "; }

  int closeQueries = 0;
  bool allowClose = true;
  std::string sessionEnds;

  ui::Panel panel{this, "Panel", {8, 8, 201, 57}};
  ui::PictureButton picture{&panel, "Picture", {8, 4, 57, 49}, ui::Picture::Eye};
  ui::ProgressBar progress{&panel, "Progress", {80, 5, 105, 33}, 0, 110};
  ui::TrackBar track{this, "Track", {224, 20, 185, 25}, 1, 8};
  ui::GroupBox group{this, "Group", {8, 76, 409, 305}, "Skupina"};
  ui::CheckBox box{&group, "Box", {8, 23, 17, 18}};
  ui::Edit edit{&group, "Edit", {128, 54, 129, 21}, 20};
  ui::SpinEdit spin{&group, "Spin", {264, 54, 41, 22}, 40, 60, 40};
  ui::GroupBox inner{&group, "Inner", {120, 234, 97, 33}};
  ui::RadioButton first{&inner, "First", {8, 10, 17, 17}};
  ui::RadioButton second{&inner, "Second", {56, 10, 17, 17}};
  ui::CheckBox over{this, "Over", {16, 314, 17, 17}};
  ui::PageControl pages{this, "Pages", {224, 300, 190, 100}};
  ui::Page pageOne{&pages, "PageOne", "Prvá"}, pageTwo{&pages, "PageTwo", "Druhá"};
  ui::Edit onSecond{&pageTwo, "OnSecond", {4, 4, 100, 21}, 20};
};

// A warning: above other programs, and in sight with the main window minimised.
class WarningForm : public ui::Form {
 public:
  WarningForm() : Form("WarningForm", 200, 90) { setStaysInSight(true); }
};

// A further window: typing, a click and the default button.
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
  ui::PushButton ok{this, "Ok", {120, 60, 72, 23}, "OK"};
  ui::Timer timer{"Timer", 10};
};

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
    form.edit.onChange = note("edit ");
    form.track.onChange = note("track ");
    window = std::make_unique<NativeWindow>(form, app);
  }
  void TearDown() override {
    window.reset();
    MSG msg;  // not even this test's quit request reaches the next
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) continue;
  }

  HWND main() const { return static_cast<HWND>(window->handle()); }
  HWND native(const ui::Control& c) const { return static_cast<HWND>(window->nativeControl(c)); }
  // What a native control tells its parent when the user acts on it.
  void notify(const ui::Control& c, int code) {
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(native(c)), code), LPARAM(native(c)));
  }
  // The control's own flag, apart from whether the window is shown.
  bool shown(const ui::Control& c) { return GetWindowLongW(native(c), GWL_STYLE) & WS_VISIBLE; }

  fakes::FakeMessageBoxes boxes;
  Win32MessagePump pump;
  ui::Application app{boxes, pump};
  TestForm form;
  std::unique_ptr<NativeWindow> window;  // never shown: that costs seconds under Xvfb
  std::string log;
};

TEST_F(NativeWindowTest, UserInputReachesTheModelOnceAndItsChangesComeBackWithoutAnEcho) {
  RECT client;
  GetClientRect(main(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 427 * 1000 + 413);
  EXPECT_EQ(GetWindowLongW(main(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  // Boxes and panels lie beneath the controls drawn over them.
  EXPECT_TRUE(isAbove(native(form.over), native(form.group)) &&
              isAbove(native(form.track), native(form.panel)) &&
              isAbove(native(form.first), native(form.inner)));

  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  form.first.setChecked(true);
  SendMessageW(native(form.second), BM_CLICK, 0, 0);
  EXPECT_FALSE(SendMessageW(native(form.first), BM_GETCHECK, 0, 0));
  // A first digit of a larger number waits until the box is left, then is clamped.
  SetWindowTextW(native(form.spin), L"7");
  notify(form.spin, EN_KILLFOCUS);
  EXPECT_EQ(textOf(native(form.spin)), "40");
  HWND arrows = static_cast<HWND>(window->spinArrows(form.spin));
  SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));
  SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
  EXPECT_EQ(form.spin.value(), 41);
  // The model's own changes reach the controls, and none runs a handler twice.
  form.box.setChecked(true);
  form.edit.setText(std::string(30, 'x'));  // longer than the user may type
  form.track.setPosition(7);
  EXPECT_EQ(textOf(native(form.edit)), std::string(30, 'x'));
  EXPECT_EQ(log, "box box radio box edit track ");
}

// A tab per page; the user's choice reaches the model, the model's comes back.
TEST_F(NativeWindowTest, ThePageControlsTabsChooseWhichPagesControlsShow) {
  HWND tabs = native(form.pages);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(isAbove(native(form.onSecond), tabs));
  EXPECT_FALSE(shown(form.onSecond));
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR header{tabs, UINT_PTR(GetDlgCtrlID(tabs)), UINT(TCN_SELCHANGE)};
  SendMessageW(main(), WM_NOTIFY, header.idFrom, LPARAM(&header));
  EXPECT_EQ(form.pages.activePage(), 1);
  EXPECT_TRUE(shown(form.onSecond));
  form.pages.setActivePage(0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_FALSE(shown(form.onSecond));
}

TEST_F(NativeWindowTest, NestedBoxesKeepTheirOwnLocksAndHiddenChildrenStayHidden) {
  form.inner.setEnabled(false);
  notify(form.second, BN_CLICKED);
  EXPECT_FALSE(form.second.checked());
  form.group.setEnabled(false);
  form.group.setEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(native(form.box)) && !IsWindowEnabled(native(form.second)));
  form.picture.setVisible(false);
  form.panel.setVisible(false);
  EXPECT_FALSE(shown(form.progress));
  form.panel.setVisible(true);
  EXPECT_TRUE(shown(form.progress) && !shown(form.picture));
}

TEST_F(NativeWindowTest, ThePumpKeepsTheQuitAndCloseAndSessionEndAskTheForm) {
  PostQuitMessage(3);
  pump.processMessages();
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 3);

  form.allowClose = false;
  window->close();
  EXPECT_EQ(SendMessageW(main(), WM_QUERYENDSESSION, 0, 0), FALSE);
  SendMessageW(main(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(window->isOpen());

  // Said yes, then another program cancelled the end: the form hears of it.
  form.allowClose = true;
  HWND closed = main();
  EXPECT_EQ(SendMessageW(closed, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(closed, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(window->isOpen());
  EXPECT_EQ(SendMessageW(closed, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(closed, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(form.closeQueries, 4);  // each session's end asked once
  EXPECT_EQ(form.sessionEnds, "cancelled ended ");
  EXPECT_FALSE(IsWindow(closed));
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  form.edit.setText("x");  // goes nowhere, harmlessly
  app.setTitle("Koniec");
  window->close();
  EXPECT_EQ(log, "edit ");
}

// Each window shown costs two seconds under Xvfb, when it is destroyed.
TEST_F(NativeWindowTest, AFurtherWindowTakesKeysAndAModalOneBlocksTheMainUntilItCloses) {
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
  app.showForm(second);
  HWND shown = control(second);
  EXPECT_EQ(GetWindow(shown, GW_OWNER), main());
  EXPECT_EQ(GetFocus(), control(second.ok)) << "the default button has the focus";
  SetFocus(control(second.edit));
  SendMessageW(control(second.edit), WM_CHAR, L'á', 1);
  EXPECT_EQ(second.edit.text(), "á");
  // Enter presses the default button; Escape asks the form, which first says no.
  press(VK_RETURN);
  press(VK_ESCAPE);
  EXPECT_TRUE(app.formShown(second));
  second.allowClose = true;
  press(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(shown) || app.formShown(second));
  EXPECT_EQ(second.closeQueries, 2);

  // A warning stays in sight as the main window is minimised, unlike the others.
  WarningForm warning;
  app.showForm(warning);
  app.showForm(second);
  HWND warns = static_cast<HWND>(host.window(warning)->handle());
  EXPECT_TRUE(GetWindowLongW(warns, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageW(main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsWindowVisible(warns));
  EXPECT_FALSE(IsWindowVisible(control(second)));
  app.closeForm(warning);
  app.closeForm(second);

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
  EXPECT_EQ(log, "ok blocked blocked ");
}

}  // namespace
}  // namespace dozorik::win32
