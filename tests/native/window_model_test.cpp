#include "app/time_of_day.h"
#include "native/usage_fixture.h"

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
  usage.RadioButton6.setChecked(false);     // unchecking runs nothing
  EXPECT_EQ(events, "box box edit RadioButton1 RadioButton6 ");
  EXPECT_FALSE(usage.CheckBox5.checked() || usage.RadioButton5.checked());

  usage.GroupBox2.setEnabled(false);
  usage.GroupBox1.setEnabled(false);
  usage.RadioButton5.click();
  usage.Edit1.type("typed");
  EXPECT_FALSE(usage.RadioButton5.checked());
  EXPECT_EQ(usage.Edit1.text(), "abc");
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

TEST(TimeOfDay, FollowsTheLocalesTwelveHourClock) {
  TimeFormat format;
  format.twelveHour = true;
  format.hourLeadingZero = false;
  EXPECT_EQ(longTimeOfDay({2027, 1, 3, 14, 3, 27}, format), "2:03:27 PM");
  EXPECT_EQ(shortTimeOfDay({2027, 1, 3, 0, 30}, format), "12:30 AM");
}

}  // namespace dozorik::ui
