#include <gtest/gtest.h>

#include "fakes/fake_ports.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace dozorik::ui {
namespace {

struct RecordingView : ControlView {
  std::vector<std::pair<std::string, Property>> changes;
  void changed(Control& control, Property property) override {
    changes.emplace_back(control.name(), property);
  }
};

struct TestForm : Form {
  TestForm() : Form("Form", 200, 100) {}
  GroupBox group{this, "group", {10, 10, 100, 50}};
  RadioButton first{&group, "first", {5, 5, 20, 20}};
  RadioButton second{&group, "second", {30, 5, 20, 20}};
  RadioButton elsewhere{this, "elsewhere", {120, 10, 20, 20}};
  CheckBox box{this, "box", {120, 40, 20, 20}};
  Edit edit{this, "edit", {120, 60, 60, 20}, 5};
  TrackBar bar{this, "bar", {0, 80, 100, 20}, 1, 8};
  SpinEdit spin{this, "spin", {120, 80, 40, 20}, 40, 60, 40};
};

TEST(WindowModel, CodeAndUserChangesRunHandlersOnlyOnRealChanges) {
  TestForm form;
  RecordingView view;
  form.box.setView(&view);
  form.edit.setView(&view);
  int clicks = 0, edits = 0, moves = 0;
  form.box.onClick = [&] { ++clicks; };
  form.edit.onChange = [&] { ++edits; };
  form.bar.onChange = [&] { ++moves; };

  form.box.setChecked(true);
  form.box.setChecked(true);
  form.box.click();
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(form.box.checked());

  form.edit.setText("abc");
  form.edit.setText("abc");
  form.edit.type("abc");
  EXPECT_EQ(edits, 1);
  // Code may set more than the user may type.
  form.edit.setText("longer than five");
  EXPECT_EQ(form.edit.text(), "longer than five");

  form.bar.setPosition(20);
  form.bar.setPosition(8);
  form.bar.slide(0);
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(form.bar.position(), 1);

  // Each real change reaches the view once, and nothing else does.
  EXPECT_EQ(view.changes.size(), 4u);
}

TEST(WindowModel, RadioButtonsOfOneParentFormAGroup) {
  TestForm form;
  std::vector<std::string> clicked;
  for (RadioButton* b : {&form.first, &form.second, &form.elsewhere}) {
    b->onClick = [&clicked, b] { clicked.push_back(b->name()); };
  }
  form.first.setChecked(true);
  form.elsewhere.setChecked(true);  // another group: the first stays
  form.second.click();
  form.second.click();  // already checked: no second event
  form.first.setChecked(false);  // unchecking runs nothing
  EXPECT_EQ(clicked, (std::vector<std::string>{"first", "elsewhere", "second"}));
  EXPECT_FALSE(form.first.checked());
  EXPECT_TRUE(form.second.checked());
  EXPECT_TRUE(form.elsewhere.checked());
}

TEST(WindowModel, ADisabledOrHiddenControlTakesNoInput) {
  TestForm form;
  form.group.setEnabled(false);
  form.second.click();
  EXPECT_FALSE(form.second.checked());
  form.second.setChecked(true);  // code still may
  EXPECT_TRUE(form.second.checked());

  form.box.setVisible(false);
  form.box.click();
  EXPECT_FALSE(form.box.checked());
  form.spin.setEnabled(false);
  form.spin.type(50);
  EXPECT_EQ(form.spin.value(), 40);
}

TEST(WindowModel, SpinEditAndTimerKeepTheirRules) {
  TestForm form;
  form.spin.setValue(90);
  EXPECT_EQ(form.spin.value(), 60);
  form.spin.setValue(5);
  EXPECT_EQ(form.spin.text(), "40");

  Timer timer("t", 200);
  int fired = 0;
  timer.onTimer = [&] { ++fired; };
  timer.fire();
  timer.setEnabled(true);
  timer.fire();
  EXPECT_EQ(fired, 1);
}

TEST(WindowModel, TheApplicationShowsAHandlersErrorAsAStopBox) {
  fakes::FakeMessageBoxes boxes;
  fakes::FakePump pump;
  Application app(boxes, pump);
  app.setTitle("Dozorik");
  bool after = false;
  app.dispatch([&] {
    throw Error("Unable to locate the \"Processor\" performance object");
    after = true;
  });
  app.dispatch([&] { throw Error("Chyba!!!"); });
  app.dispatch([&] { throw Error(""); });
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_FALSE(after);
  EXPECT_EQ(boxes.shown[0].text, "Unable to locate the \"Processor\" performance object.");
  EXPECT_EQ(boxes.shown[0].caption, "Dozorik");
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(boxes.shown[1].text, "Chyba!!!");  // "!" sorts below "."
  EXPECT_EQ(boxes.shown[2].text, "");
}

}  // namespace
}  // namespace dozorik::ui
