// One Dozorik at a time: what a start does when another runs, and what the
// running one does with what it is handed.

#include "app/command_line.h"
#include "app/single_start.h"
#include "fakes/fake_single_instance.h"
#include "native/usage_fixture.h"

namespace dozorik {

// `usage` is the Dozorik that runs; each test makes later starts beside it.
class SingleStartTest : public UsageTest {
 protected:
  SingleStartTest() {
    usage.FormCreate();
    EXPECT_TRUE(running.claim());
    listenForLaterStarts(running, usage, app);
  }

  struct Start {
    StartChoice choice;
    Strings boxes;  // "caption: text" of the boxes this start showed
    std::vector<Strings> sent;
  };
  Start start(const Strings& args) {
    fakes::FakeSingleInstance later(session);
    fakes::FakeProcess process;
    process.args = args;
    fakes::FakeMessageBoxes messages;
    // Braces evaluate in order: what was sent is read once the start chose.
    Start made{chooseStart(later, process, messages), {}, later.sent};
    for (const auto& box : messages.shown) made.boxes.push_back(box.caption + ": " + box.text);
    return made;
  }

  fakes::FakeSession session;
  fakes::FakeSingleInstance running{session};
};

TEST_F(SingleStartTest, ALaterStartHandsItsSwitchesOverAndEndsWithoutAWindow) {
  const Start later = start({"/prah", "30", "-r"});
  EXPECT_FALSE(later.choice.openWindow);
  EXPECT_EQ(later.choice.exitCode, kExitDone);
  EXPECT_TRUE(later.boxes.empty());
  EXPECT_EQ(later.sent, (std::vector<Strings>{{"C:\\Skripty", "/prah", "30", "-r"}}));
  EXPECT_TRUE(usage.Timer1.enabled());
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 30 %");

  EXPECT_EQ(start({"/zrus"}).choice.exitCode, kExitDone);
  EXPECT_FALSE(usage.Timer1.enabled());

  // Without switches: the running window comes to the front, nothing else.
  const Start plain = start({});
  EXPECT_FALSE(plain.choice.openWindow);
  EXPECT_EQ(plain.sent, (std::vector<Strings>{{"C:\\Skripty"}}));
  EXPECT_TRUE(forms.isShown(usage));
  EXPECT_TRUE(fake.messages.shown.empty()) << "the running one shows no box";
}

TEST_F(SingleStartTest, ABadSwitchIsShownByTheLaterStartWhichEndsWithOneAndNothingIsHandedOver) {
  const Start later = start({"/r", "/prah", "95"});
  EXPECT_FALSE(later.choice.openWindow);
  EXPECT_EQ(later.choice.exitCode, kExitBadSwitches);
  ASSERT_EQ(later.boxes.size(), 1u);
  EXPECT_EQ(later.boxes[0].rfind("Dozorik: Prepínač /prah nepozná hodnotu „95“", 0), 0u);
  EXPECT_TRUE(later.sent.empty());
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(SingleStartTest, TheUsageIsShownByTheStartThatAskedWhetherOrNotAnotherRuns) {
  for (bool another : {true, false}) {
    if (!another) running.end();
    const Start asked = start({"/akcia", "uspat", "/?"});
    EXPECT_FALSE(asked.choice.openWindow);
    EXPECT_EQ(asked.choice.exitCode, kExitDone);
    ASSERT_EQ(asked.boxes.size(), 1u);
    EXPECT_EQ(asked.boxes[0], "Dozorik: " + commandLineUsage());
    EXPECT_TRUE(asked.sent.empty());
  }
  EXPECT_FALSE(usage.RadioButton1.checked()) << "nothing was applied";
}

// Nothing runs: this start opens its window, which reads the switches and
// shows what is wrong with them itself; only a bare stop has nothing to do.
TEST_F(SingleStartTest, AFirstStartOpensItsWindowUnlessAllItWasAskedIsAStop) {
  running.end();
  for (const Strings& args : {Strings{}, Strings{"/r"}, Strings{"/prah", "95"},
                              Strings{"/zrus", "/prah", "30"}}) {
    const Start first = start(args);
    EXPECT_TRUE(first.choice.openWindow) << join(args);
    EXPECT_TRUE(first.boxes.empty()) << join(args);
  }
  const Start stop = start({"-zrus"});
  EXPECT_FALSE(stop.choice.openWindow);
  EXPECT_EQ(stop.choice.exitCode, kExitDone);
  EXPECT_TRUE(stop.boxes.empty());
}

TEST_F(SingleStartTest, ARunningDozorikThatDoesNotAnswerOrRefusesIsToldAndOneThatEndedIsReplaced) {
  running.hangs = true;
  const Start unanswered = start({"/r"});
  EXPECT_EQ(unanswered.choice.exitCode, kExitNoAnswer);
  EXPECT_FALSE(unanswered.choice.openWindow);
  ASSERT_EQ(unanswered.boxes.size(), 1u);
  EXPECT_EQ(unanswered.boxes[0].rfind("Dozorik: Dozorik už beží, ale neodpovedá", 0), 0u);
  running.hangs = false;

  // One that reads the switches otherwise (another version) takes nothing.
  running.listen({[](const Strings&) { return false; }, [](const Strings&) {}});
  const Start refused = start({"/r"});
  EXPECT_EQ(refused.choice.exitCode, kExitBadSwitches);
  ASSERT_EQ(refused.boxes.size(), 1u);
  EXPECT_EQ(refused.boxes[0].rfind("Dozorik: Dozorik, ktorý už beží, tieto prepínače neprijal.", 0),
            0u);

  running.endsMeanwhile = true;
  const Start replacing = start({"/r"});
  EXPECT_TRUE(replacing.choice.openWindow);
  EXPECT_TRUE(replacing.boxes.empty());
  EXPECT_FALSE(usage.Timer1.enabled());
}

}  // namespace dozorik
