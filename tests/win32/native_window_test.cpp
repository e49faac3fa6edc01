// The native window against the real controls (under Wine in CI): the
// model's state reaches the controls, the user's input reaches the model,
// and nothing echoes between the two.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "fakes/fake_ports.h"
#include "platform/error.h"
#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/native_window.h"
#include "platform/win32/wide.h"
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
#include "ui/string_list.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace dozorik::win32 {
namespace {

// One control of each kind, laid out as the program's window has them.
class TestForm : public ui::Form {
 public:
  TestForm() : Form("TestForm", 427, 413) {
    setText("Skúška");
    addTimer(timer);
  }
  bool closeQuery() override {
    ++closeQueries;
    return allowClose;
  }

  int closeQueries = 0;
  bool allowClose = true;

  ui::Panel panel{this, "Panel", {8, 8, 201, 57}};
  ui::PictureButton picture{&panel, "Picture", {8, 4, 57, 49}, ui::Picture::Eye};
  ui::ProgressBar progress{&panel, "Progress", {80, 5, 105, 33}, 0, 110};
  ui::TrackBar track{this, "Track", {224, 20, 185, 25}, 1, 8};
  ui::GroupBox group{this, "Group", {8, 76, 409, 305}, "Skupina"};
  ui::CheckBox box{&group, "Box", {8, 23, 17, 18}};
  ui::Label label{&group, "Label", {26, 26, 89, 13}, "Aktivuj"};
  ui::Edit edit{&group, "Edit", {128, 54, 129, 21}, 20};
  ui::SpinEdit spin{&group, "Spin", {264, 54, 41, 22}, 40, 60, 40};
  ui::PushButton button{&group, "Button", {96, 96, 25, 17}, "..."};
  ui::GroupBox inner{&group, "Inner", {120, 234, 97, 33}};
  ui::RadioButton first{&inner, "First", {8, 10, 17, 17}};
  ui::RadioButton second{&inner, "Second", {56, 10, 17, 17}};
  ui::Gauge gauge{&group, "Gauge", {50, 272, 312, 25}, 250};
  ui::CheckBox over{this, "Over", {16, 314, 17, 17}};
  ui::StatusBar status{this, "Status", {0, 388, 427, 25}, {65, 220, 40}};
  ui::StringList list{this, "List", {304, 216, 89, 21}};
  ui::Timer timer{"Timer", 10};
};

std::wstring textOf(HWND hwnd) {
  wchar_t buffer[256] = {};
  GetWindowTextW(hwnd, buffer, 256);
  return buffer;
}

std::wstring classOf(HWND hwnd) {
  wchar_t buffer[64] = {};
  GetClassNameW(hwnd, buffer, 64);
  return buffer;
}

RECT rectOnClient(HWND hwnd, HWND main) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
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
    form.box.onClick = [this] { ++boxClicks; };
    form.edit.onChange = [this] { ++editChanges; };
    form.track.onChange = [this] { ++trackChanges; };
    form.label.onClick = [this] { ++labelClicks; };
    form.picture.onClick = [this] { ++pictureClicks; };
    form.button.onClick = [this] { ++buttonClicks; };
    form.second.onClick = [this] { ++secondClicks; };
    form.timer.onTimer = [this] { ++ticks; };
    app.setTitle("Dozorik");
    // Not shown: hiding a shown window at the end costs seconds under a
    // bare X server. The controls' own visibility is what the tests check.
    window = std::make_unique<NativeWindow>(form, app);
  }

  void TearDown() override {
    window.reset();
    // Nothing of this test, not even its quit request, reaches the next.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND main() const { return static_cast<HWND>(window->handle()); }
  HWND native(const ui::Control& control) const {
    return static_cast<HWND>(window->nativeControl(control));
  }
  // What a native control tells its parent when the user acts on it.
  void notify(const ui::Control& control, int code) {
    HWND hwnd = native(control);
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  // The control's own flag, apart from whether the window is shown.
  bool shown(const ui::Control& control) const {
    return GetWindowLongW(native(control), GWL_STYLE) & WS_VISIBLE;
  }
  bool nativeChecked(const ui::Control& control) const {
    return SendMessageW(native(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  fakes::FakeMessageBoxes boxes;
  Win32MessagePump pump;
  ui::Application app{boxes, pump};
  TestForm form;
  std::unique_ptr<NativeWindow> window;
  int boxClicks = 0, editChanges = 0, trackChanges = 0, labelClicks = 0, pictureClicks = 0,
      buttonClicks = 0, secondClicks = 0, ticks = 0;
};

TEST_F(NativeWindowTest, CreatesAFixedWindowWithEveryControlAtItsPlace) {
  RECT client;
  GetClientRect(main(), &client);
  EXPECT_EQ(client.right, 427);
  EXPECT_EQ(client.bottom, 413);
  LONG style = GetWindowLongW(main(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_EQ(GetWindow(main(), GW_OWNER), static_cast<HWND>(window->ownerHandle()));

  const ui::Control* placed[] = {&form.panel, &form.picture, &form.progress, &form.track,
                                 &form.group, &form.box,     &form.label,    &form.edit,
                                 &form.button, &form.inner,  &form.first,    &form.second,
                                 &form.gauge, &form.over,    &form.status};
  for (const ui::Control* control : placed) {
    SCOPED_TRACE(control->name());
    HWND hwnd = native(*control);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(GetParent(hwnd), main());
    EXPECT_TRUE(shown(*control));
    RECT r = rectOnClient(hwnd, main());
    ui::Rect want = control->rectOnForm();
    EXPECT_EQ(r.left, want.left);
    EXPECT_EQ(r.top, want.top);
    EXPECT_EQ(r.right - r.left, want.width);
    EXPECT_EQ(r.bottom - r.top, want.height);
  }
  // The spin box and its arrows share the control's place.
  RECT spinBox = rectOnClient(native(form.spin), main());
  RECT arrows = rectOnClient(static_cast<HWND>(window->spinArrows(form.spin)), main());
  ui::Rect spin = form.spin.rectOnForm();
  EXPECT_EQ(spinBox.left, spin.left);
  EXPECT_EQ(spinBox.top, spin.top);
  EXPECT_EQ(spinBox.right, arrows.left);
  EXPECT_EQ(arrows.right, spin.left + spin.width);
  EXPECT_EQ(arrows.bottom, spin.top + spin.height);

  EXPECT_EQ(classOf(native(form.box)), L"Button");
  EXPECT_EQ(classOf(native(form.edit)), L"Edit");
  EXPECT_EQ(classOf(native(form.label)), L"Static");
  EXPECT_EQ(classOf(native(form.track)), TRACKBAR_CLASSW);
  EXPECT_EQ(classOf(native(form.gauge)), PROGRESS_CLASSW);
  EXPECT_EQ(classOf(native(form.status)), STATUSCLASSNAMEW);
  EXPECT_EQ(native(form.list), nullptr);
  EXPECT_EQ(textOf(native(form.group)), L"Skupina");
  EXPECT_EQ(textOf(main()), L"Skúška");
}

TEST_F(NativeWindowTest, ShowsTheWindowCentredAndTabMovesTheFocus) {
  EXPECT_FALSE(IsWindowVisible(main()));
  window->show();
  EXPECT_TRUE(IsWindowVisible(main()));
  EXPECT_TRUE(IsWindowVisible(native(form.box)));
  RECT area, frame;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(main(), &frame);
  EXPECT_LE(std::abs((frame.left + frame.right) - (area.left + area.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (area.top + area.bottom)), 1);

  // The pump handles Tab as the main loop does: the next control in the
  // order of creation takes the focus, an edit box with its text selected.
  pump.setDialog(main());
  EXPECT_EQ(GetFocus(), native(form.track));
  form.edit.setText("abc");
  SetFocus(native(form.box));
  PostMessageW(native(form.box), WM_KEYDOWN, VK_TAB, 0);
  pump.processMessages();
  EXPECT_EQ(GetFocus(), native(form.edit));
  DWORD start = 1, end = 0;
  SendMessageW(native(form.edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);

  // Minimising goes through the application window, which keeps the
  // taskbar button; restoring it brings the main window back.
  HWND owner = static_cast<HWND>(window->ownerHandle());
  SendMessageW(main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(owner));
  EXPECT_FALSE(IsWindowVisible(main()));
  SendMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(owner));
  EXPECT_TRUE(IsWindowVisible(main()));
}

TEST_F(NativeWindowTest, StacksBoxesAndPanelsBeneathTheControlsOverThem) {
  EXPECT_TRUE(isAbove(native(form.over), native(form.group)));
  EXPECT_TRUE(isAbove(native(form.track), native(form.panel)));
  EXPECT_TRUE(isAbove(native(form.inner), native(form.group)));
  EXPECT_TRUE(isAbove(native(form.first), native(form.inner)));
}

TEST_F(NativeWindowTest, ClicksOnTheNativeControlsGoThroughTheModel) {
  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.box.checked());
  EXPECT_EQ(boxClicks, 1);
  EXPECT_TRUE(nativeChecked(form.box));
  SendMessageW(native(form.box), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.box.checked());
  EXPECT_EQ(boxClicks, 2);
  EXPECT_FALSE(nativeChecked(form.box));

  form.first.setChecked(true);
  SendMessageW(native(form.second), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.second.checked());
  EXPECT_EQ(secondClicks, 1);
  EXPECT_TRUE(nativeChecked(form.second));
  EXPECT_FALSE(nativeChecked(form.first));

  SendMessageW(native(form.picture), BM_CLICK, 0, 0);
  SendMessageW(native(form.button), BM_CLICK, 0, 0);
  notify(form.label, STN_CLICKED);
  EXPECT_EQ(pictureClicks, 1);
  EXPECT_EQ(buttonClicks, 1);
  EXPECT_EQ(labelClicks, 1);
}

TEST_F(NativeWindowTest, TypingAndSlidingGoThroughTheModel) {
  SetWindowTextW(native(form.edit), L"žlté");
  EXPECT_EQ(form.edit.text(), "žlté");
  EXPECT_EQ(editChanges, 1);

  SendMessageW(native(form.track), TBM_SETPOS, TRUE, 5);
  SendMessageW(main(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 5),
               reinterpret_cast<LPARAM>(native(form.track)));
  EXPECT_EQ(form.track.position(), 5);
  EXPECT_EQ(trackChanges, 1);

  // Values within the range go to the model at once; a first digit on its
  // way to a larger number waits until the box is left, then is clamped.
  HWND spin = native(form.spin);
  SetWindowTextW(spin, L"45");
  EXPECT_EQ(form.spin.value(), 45);
  SetWindowTextW(spin, L"7");
  EXPECT_EQ(form.spin.value(), 45);
  notify(form.spin, EN_KILLFOCUS);
  EXPECT_EQ(form.spin.value(), 40);
  EXPECT_EQ(textOf(spin), L"40");
  SetWindowTextW(spin, L"");
  notify(form.spin, EN_KILLFOCUS);
  EXPECT_EQ(form.spin.value(), 40);
  EXPECT_EQ(textOf(spin), L"40");

  // A press on the upper arrow counts one up, through the box's text.
  HWND arrows = static_cast<HWND>(window->spinArrows(form.spin));
  SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));
  SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
  EXPECT_EQ(form.spin.value(), 41);
  EXPECT_EQ(textOf(spin), L"41");
}

TEST_F(NativeWindowTest, HandCursorShowsOverItsControl) {
  form.picture.setCursor(ui::Cursor::Hand);
  LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  EXPECT_TRUE(SendMessageW(main(), WM_SETCURSOR,
                           reinterpret_cast<WPARAM>(native(form.picture)), hit));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  EXPECT_FALSE(SendMessageW(main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(native(form.box)),
                            hit));
}

TEST_F(NativeWindowTest, CodeChangesReachTheNativeControlsWithoutAnEcho) {
  form.box.setChecked(true);
  EXPECT_TRUE(nativeChecked(form.box));
  EXPECT_EQ(boxClicks, 1);

  form.edit.setText("9876543210");
  EXPECT_EQ(textOf(native(form.edit)), L"9876543210");
  EXPECT_EQ(editChanges, 1);
  // Code may set a text longer than the user may type.
  form.edit.setText(std::string(30, 'x'));
  EXPECT_EQ(textOf(native(form.edit)), std::wstring(30, L'x'));
  EXPECT_EQ(editChanges, 2);

  form.track.setPosition(7);
  EXPECT_EQ(SendMessageW(native(form.track), TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(trackChanges, 1);

  form.progress.setPosition(105);
  form.gauge.setProgress(200);
  EXPECT_EQ(SendMessageW(native(form.progress), PBM_GETPOS, 0, 0), 105);
  EXPECT_EQ(SendMessageW(native(form.gauge), PBM_GETPOS, 0, 0), 200);

  form.spin.setValue(55);
  EXPECT_EQ(textOf(native(form.spin)), L"55");
  form.label.setText("CPU % 42");
  EXPECT_EQ(textOf(native(form.label)), L"CPU % 42");

  form.status.setPanelText(1, "Čakaj");
  wchar_t panel[64] = {};
  SendMessageW(native(form.status), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panel));
  EXPECT_EQ(std::wstring(panel), L"\tČakaj");
}

TEST_F(NativeWindowTest, ADisabledGroupLocksItsRadioButtons) {
  form.inner.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(native(form.first)));
  EXPECT_FALSE(IsWindowEnabled(native(form.second)));
  notify(form.second, BN_CLICKED);
  EXPECT_FALSE(form.second.checked());
  EXPECT_EQ(secondClicks, 0);
  EXPECT_FALSE(nativeChecked(form.second));

  // The outer box locks them too; enabling it leaves the inner one's lock.
  form.group.setEnabled(false);
  form.group.setEnabled(true);
  EXPECT_FALSE(IsWindowEnabled(native(form.first)));
  EXPECT_TRUE(IsWindowEnabled(native(form.box)));
  form.inner.setEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(native(form.first)));
}

TEST_F(NativeWindowTest, HidingFollowsTheModelDownTheTree) {
  form.picture.setVisible(false);
  EXPECT_FALSE(shown(form.picture));
  form.panel.setVisible(false);
  EXPECT_FALSE(shown(form.progress));
  form.panel.setVisible(true);
  EXPECT_TRUE(shown(form.progress));
  EXPECT_FALSE(shown(form.picture));
  form.picture.setVisible(true);
  EXPECT_TRUE(shown(form.picture));
}

TEST_F(NativeWindowTest, TitleAndCaptionAreSeparate) {
  HWND owner = static_cast<HWND>(window->ownerHandle());
  EXPECT_EQ(textOf(owner), L"Dozorik");
  app.setTitle("CPU % 12");
  form.setText("Dozorik   =Bystro=   Pracujem");
  EXPECT_EQ(textOf(owner), L"CPU % 12");
  EXPECT_EQ(textOf(main()), L"Dozorik   =Bystro=   Pracujem");
}

// The tooltip window of the main window: a popup the main window owns.
struct TipSearch {
  HWND owner;
  HWND tips;
};

BOOL CALLBACK findTips(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TipSearch*>(param);
  if (GetWindow(hwnd, GW_OWNER) != search->owner || classOf(hwnd) != TOOLTIPS_CLASSW) return TRUE;
  search->tips = hwnd;
  return FALSE;
}

TEST_F(NativeWindowTest, HintsBecomeTooltips) {
  TipSearch search{main(), nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &findTips, reinterpret_cast<LPARAM>(&search));
  ASSERT_TRUE(search.tips);
  EXPECT_EQ(SendMessageW(search.tips, TTM_GETTOOLCOUNT, 0, 0), 0);
  form.label.setHint("Save To:    C:\\");
  form.picture.setHint("Spusti");
  EXPECT_EQ(SendMessageW(search.tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  form.label.setHint("");
  EXPECT_EQ(SendMessageW(search.tips, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(NativeWindowTest, AnEnabledTimerFiresThroughTheMessageLoop) {
  form.timer.setEnabled(true);
  for (int i = 0; i < 200 && ticks == 0; ++i) {
    pump.processMessages();
    Sleep(10);
  }
  EXPECT_GT(ticks, 0);
}

TEST_F(NativeWindowTest, ErrorsOfHandlersGoToTheErrorBox) {
  form.label.onClick = [] { throw Error("Súbor chýba"); };
  notify(form.label, STN_CLICKED);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Súbor chýba.");
  EXPECT_EQ(boxes.shown[0].caption, "Dozorik");
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(window->isOpen());
}

TEST_F(NativeWindowTest, ClosingAsksTheFormAndEndsTheLoop) {
  form.allowClose = false;
  window->close();
  EXPECT_EQ(form.closeQueries, 1);
  EXPECT_TRUE(window->isOpen());

  form.allowClose = true;
  HWND closed = main();
  window->close();
  EXPECT_EQ(form.closeQueries, 2);
  EXPECT_FALSE(window->isOpen());
  EXPECT_FALSE(IsWindow(closed));
  EXPECT_EQ(window->nativeControl(form.box), nullptr);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

  // The model outlives the window; its changes go nowhere.
  form.box.setChecked(true);
  form.edit.setText("x");
  form.timer.setEnabled(true);
  form.picture.setVisible(false);
  app.setTitle("Koniec");
  EXPECT_EQ(boxClicks, 1);
}

TEST_F(NativeWindowTest, WindowsEndingTheSessionAsksTheFormOnce) {
  form.allowClose = false;
  EXPECT_EQ(SendMessageW(main(), WM_QUERYENDSESSION, 0, 0), FALSE);
  SendMessageW(main(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(window->isOpen());

  form.allowClose = true;
  EXPECT_EQ(SendMessageW(main(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(main(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(form.closeQueries, 2);
  EXPECT_FALSE(window->isOpen());
}

TEST(Win32MessagePumpTest, RunsPendingMessagesAndPutsTheQuitBack) {
  fakes::FakeMessageBoxes boxes;
  Win32MessagePump pump;
  ui::Application app{boxes, pump};
  TestForm form;
  int clicks = 0;
  form.button.onClick = [&] { ++clicks; };
  NativeWindow window(form, app);
  HWND button = static_cast<HWND>(window.nativeControl(form.button));

  PostMessageW(static_cast<HWND>(window.handle()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  PostQuitMessage(3);
  pump.processMessages();
  EXPECT_EQ(clicks, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

BOOL CALLBACK findMessageBox(HWND hwnd, LPARAM param) {
  if (classOf(hwnd) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(param) = hwnd;
  return FALSE;
}

// Answers "No" in the first message box that opens on this thread.
void CALLBACK answerNo(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &findMessageBox, reinterpret_cast<LPARAM>(&found));
  if (!found) return;
  KillTimer(nullptr, timer);
  EXPECT_EQ(textOf(found), L"Otázka");
  PostMessageW(found, WM_COMMAND, IDNO, 0);
}

TEST(Win32MessageBoxesTest, ShowsAModalBoxOverItsOwnerAndMapsTheAnswer) {
  fakes::FakeMessageBoxes fake;
  Win32MessagePump pump;
  ui::Application app{fake, pump};
  TestForm form;
  NativeWindow window(form, app);
  Win32MessageBoxes boxes(window.handle());
  UINT_PTR timer = SetTimer(nullptr, 0, 20, &answerNo);
  MessageAnswer answer =
      boxes.show("Stiahnuť?", "Otázka", MessageIcon::Question, MessageButtons::YesNo);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, MessageAnswer::No);
}

}  // namespace
}  // namespace dozorik::win32
