#include "app/time_of_day.h"
#include "native/usage_fixture.h"
#include "ui/page_control.h"

namespace dozorik::ui {

using WindowModelTest = UsageTest;

// Spin edits and timers keep their rules where the window's tests use them.
TEST_F(WindowModelTest, HandlersRunOnRealChangesOnlyAndOnlyUsableControlsTakeInput) {
  std::string events;
  usage.CheckBox5.onClick = [&] { events += "box "; };
  usage.Edit1.onChange = [&] { events += "edit "; };
  for (RadioButton* b : {&usage.RadioButton1, &usage.RadioButton5, &usage.RadioButton6}) {
    b->onClick = [&events, b] { events += b->name() + " "; };
  }
  usage.CheckBox5.setChecked(true);
  usage.CheckBox5.setChecked(true);
  usage.CheckBox5.click();
  usage.Edit1.setText("abc");
  usage.Edit1.setText("abc");
  usage.Edit1.type("abc");
  usage.RadioButton1.setChecked(true);  // another group: RadioButton5 stays
  EXPECT_TRUE(usage.RadioButton5.checked() && !usage.RadioButton4.checked());
  usage.RadioButton6.click();
  usage.RadioButton6.click();               // already checked: no second event
  EXPECT_TRUE(usage.RadioButton6.checked());
  usage.RadioButton6.setChecked(false);     // unchecking runs nothing
  EXPECT_EQ(events, "box box edit RadioButton1 RadioButton6 ");
  EXPECT_FALSE(usage.CheckBox5.checked() || usage.RadioButton5.checked());

  // A spin edit shows its value clamped, and a half-typed number once left.
  usage.SpinEdit1.setValue(75);
  EXPECT_EQ(usage.SpinEdit1.text(), "60");
  usage.SpinEdit1.type("4");
  usage.SpinEdit1.leave();
  EXPECT_EQ(usage.SpinEdit1.text(), "40");
  // A bar given a narrower range shows its position within it.
  usage.Gauge1.setProgress(200);
  usage.Gauge1.setRange(0, 25);
  EXPECT_EQ(usage.Gauge1.progress(), 25);

  usage.GroupBox2.setEnabled(false);
  usage.GroupBox1.setEnabled(false);
  usage.RadioButton5.click();
  usage.Edit1.type("typed");
  EXPECT_FALSE(usage.RadioButton5.checked());
  EXPECT_EQ(usage.Edit1.text(), "abc");
  // Controls take their box's font unless they have their own.
  EXPECT_EQ(usage.RadioButton0.font().colour, Colour::Navy);
  EXPECT_EQ(usage.Label3.font().colour, Colour::Black);
  EXPECT_EQ(usage.Options.KeepAwakeDisplay.font().face, "Tahoma");
}

TEST(PageControl, OnePageShowsAtATimeChosenByItsTabWhenTheControlTakesInput) {
  Form form("Form", 300, 200);
  PageControl pages(&form, "Pages", {10, 10, 280, 180});
  Page first(&pages, "First", "Prvá"), second(&pages, "Second", "Druhá");
  CheckBox box(&second, "Box", {8, 8, 100, 17});
  int changes = 0;
  pages.onChange = [&] { ++changes; };
  EXPECT_TRUE(first.visible() && !second.visible() && !box.takesInput());
  EXPECT_EQ(box.rectOnForm().left, 10 + PageControl::kFrame + 8);
  EXPECT_EQ(box.rectOnForm().top, 10 + PageControl::kTabsHeight + PageControl::kFrame + 8);
  pages.choose(1);
  pages.choose(1);
  pages.choose(2);  // no such page
  EXPECT_TRUE(!first.visible() && second.visible() && box.takesInput());
  pages.setEnabled(false);
  pages.choose(0);
  EXPECT_EQ(pages.activePage() * 10 + changes, 11);
}

// Its realisation restarts a running timer's count at each change it hears of.
TEST(Timer, TellsItsRealisationOfRealChangesOnly) {
  struct : TimerView {
    int changes = 0;
    void timerChanged(Timer&) override { ++changes; }
  } view;
  Timer timer("Timer2", 15000);
  timer.setView(&view);
  timer.setEnabled(true);
  timer.setEnabled(true);
  timer.setInterval(40000);
  timer.setInterval(40000);
  EXPECT_EQ(view.changes, 2);
}

TEST(TimeOfDay, FollowsTheLocalesClockSeparatorZeroAndMarkers) {
  struct Row {
    int hour;
    bool twelve, zero, before;
    const char *separator, *am, *pm, *expected;
  };
  const Row rows[] = {{14, true, false, false, ":", "AM", "PM", "2:03:27 PM"},
                      {12, true, false, false, ":", "AM", "PM", "12:03:27 PM"},
                      {0, true, true, false, ":", "AM", "PM", "12:03:27 AM"},
                      {11, true, true, true, ".", "dop.", "odp.", "dop. 11.03.27"},
                      {23, true, false, false, ":", "", "", "11:03:27"},
                      {7, false, true, false, ":", "AM", "PM", "07:03:27"},
                      {7, false, false, false, ".", "AM", "PM", "7.03.27"},
                      {23, false, true, false, ":", "AM", "PM", "23:03:27"}};
  for (const Row& r : rows) {
    const TimeFormat format{r.separator, r.zero, r.twelve, r.am, r.pm, r.before};
    EXPECT_EQ(longTimeOfDay({2027, 1, 3, r.hour, 3, 27}, format), r.expected);
  }
  TimeFormat twelve;
  twelve.twelveHour = true;
  EXPECT_EQ(shortTimeOfDay({2027, 1, 3, 0, 30}, twelve), "12:30 AM");
}

}  // namespace dozorik::ui
