// The end of a watch comes, and comes once: whatever fails on the way,
// whatever the user or Windows does meanwhile, and with nobody at the
// computer to answer a box.

#include <map>

#include "native/usage_fixture.h"

namespace dozorik {

class WatchEndTest : public UsageTest {
 protected:
  void store(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) fake.registry.writeString(kKey, name, value);
    usage.FormCreate();
  }
  // Boxes nobody answers: while the first is open, the watch ticks on.
  void nobodyAnswers(int ticksWhileOpen) {
    fake.messages.whileOpen = [this, ticksWhileOpen] {
      ticks(ticksWhileOpen, 0.01);
      actedWhileBoxOpen = fake.power.journal;
    };
  }
  Strings actedWhileBoxOpen;
};

TEST_F(WatchEndTest, AFolderThatRefusesEveryRecordStillLetsTheWatchEndAndShowsOneBox) {
  store({{"Logfile", "true"}, {"LogType", "txt"}, {"screenshot", "true"}, {"Vyber", "3"}});
  fake.files.readOnly = true;
  nobodyAnswers(249);
  usage.SpeedButton1.click();
  tick(0.01);
  // The shut-down was asked for while the first box still waited for an answer.
  EXPECT_EQ(actedWhileBoxOpen.at(4), "exit 0x19");
  EXPECT_EQ(boxes(), Strings{"CPU % 1: Cannot create file \"C:\\Dozorik\\dozorik.log\". "
                             "Access is denied."});
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=");
}

TEST_F(WatchEndTest, WhileABoxIsOpenOnlyThreeErrorsOfNewKindsWait) {
  fake.messages.whileOpen = [&] {
    for (const char* error : {"a", "\"x.bmp\" b", "a", "\"y.bmp\" b", "c", "d", "e"}) {
      app.reportError(error);
    }
  };
  app.reportError("first");
  EXPECT_EQ(boxes(), (Strings{"Dozorik: first.", "Dozorik: a.", "Dozorik: \"x.bmp\" b.",
                              "Dozorik: c."}));
}

TEST_F(WatchEndTest, AFailedReadingIsNoSampleAndATickThatIsNotQuietNeverEndsAWatch) {
  store({{"Tolerancia", "2"}});
  usage.SpeedButton1.click();
  ticks(40, 0.01);
  sampler.refusals = 3;  // no reading: nothing shown or counted
  for (int i = 0; i < 3; ++i) app.dispatch([&] { usage.Timer1.fire(); });
  EXPECT_EQ(usage.Label5.text() + " " + std::to_string(usage.Gauge1.progress()), "CPU % 1 40");
  // The quiet length lowered below the count: a spike let pass ends nothing, a quiet tick does.
  forms.whileModal = [&](ui::Form&) {
    usage.Options.QuietTicks.type("25");
    usage.Options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  tick(0.5);
  EXPECT_TRUE(usage.Timer1.enabled());
  tick(0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST_F(WatchEndTest, OptionsApplyFromTheNextTickEvenWithTheirWindowOpenedInsideATick) {
  store({{"NajprvZataz", "true"}, {"Tikov", "25"}});
  usage.SpeedButton1.click();
  ticks(5, 0.01);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Najprv cakam na zataz CPU od: 10 %");
  // Chosen from the system menu while a tick lets messages run; the ticks
  // go on while the window is open.
  std::string shownWhileOpen;
  forms.whileModal = [&](ui::Form&) {
    tick(0.5);
    shownWhileOpen = usage.Label5.text();
    usage.Options.BusyFirst.click();
    usage.Options.Ok.click();
    ticks(24, 0.01);
  };
  fake.pump.pending.push_back([&] { usage.systemMenu()[0].onClick(); });
  tick(0.01);
  EXPECT_EQ(shownWhileOpen, "CPU % 50");
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
  EXPECT_EQ(usage.Gauge1.progress(), 24);
  tick(0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST_F(WatchEndTest, WhatStopsAWatchWhileItsEndLetsMessagesRunLeavesNoEndAndBoxesWait) {
  store({{"screenshot", "true"}});
  usage.SpeedButton1.click();
  ticks(249, 0.01);
  // Pressed while the end lets messages run, right before the screenshot.
  fake.pump.pending.push_back(
      [&] { fake.pump.pending.push_back([&] { usage.SpeedButton2.click(); }); });
  tick(0.01);
  EXPECT_TRUE(fake.power.journal.empty());
  EXPECT_EQ(fake.files.files.size(), 0u);
  // A registry write refused at the end waits, as an error does, until the action ran.
  std::size_t actedBeforeBox = 0;
  fake.messages.whileOpen = [&] { actedBeforeBox = fake.power.journal.size(); };
  usage.SpeedButton1.click();
  fake.registry.failWrites = true;
  ticks(250, 0.01);
  EXPECT_EQ(actedBeforeBox, 6u);
  EXPECT_EQ(boxes().at(0), "Dozorik: Chyba pri zápise do registra!!!(End)");
}

TEST_F(WatchEndTest, TheStopCancelsACountdownWhichKeepsTheMachineAwakeUntilThen) {
  store({{"Odpocet", "30"}, {"Vyber", "2"}});
  watchToItsEnd();
  ASSERT_TRUE(forms.isShown(usage.Countdown));
  EXPECT_TRUE(fake.power.awake);
  usage.SpeedButton2.click();
  EXPECT_FALSE(forms.isShown(usage.Countdown) || fake.power.awake);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Uspanie pocitaca zrusene");
  EXPECT_TRUE(fake.power.journal.empty());
  // Acting now: the request to stay up is let go before the machine sleeps.
  watchToItsEnd();
  usage.Countdown.Now.click();
  EXPECT_EQ(fake.power.journal.at(4), "suspend");
  EXPECT_FALSE(fake.power.awakeAtLastRequest);
}

class RingOutEndTest : public WatchEndTest {
 protected:
  RingOutEndTest() {
    usage.Label8.click();  // ring out before the end action
    usage.Edit1.setText("0905123456");
  }
};

TEST_F(RingOutEndTest, ACloseDuringTheRingOrJustBeforeTheDialActsAtOnceDespiteTheCountdown) {
  store({{"Odpocet", "30"}, {"Vyber", "5"}, {"Prezvonit", "true"}, {"Telefon", "1"}});
  watchToItsEnd();
  EXPECT_TRUE(usage.Timer2.enabled());
  usage.closeQuery();
  EXPECT_EQ(join(fake.remoteAccess.journal), "dial 1 to 100, hang up " + std::to_string(0x5000 + 100));
  EXPECT_EQ(fake.power.journal.at(4), "exit 0x12");
  EXPECT_FALSE(forms.isShown(usage.Countdown));
}

TEST_F(RingOutEndTest, ASecondRingOutHangsUpTheFirstAndEachWatchGetsItsOwnAction) {
  watchToItsEnd();
  watchToItsEnd();  // the first still rings
  EXPECT_EQ(join(fake.remoteAccess.journal),
            "dial 0905123456 to 100, hang up " + std::to_string(0x5000 + 100) +
                ", dial 0905123456 to 101");
  EXPECT_EQ(fake.power.journal.size(), 6u);
  app.dispatch([&] { usage.Timer2.fire(); });
  EXPECT_EQ(fake.power.journal.size(), 12u);
}

TEST_F(RingOutEndTest, ASessionEndAnotherProgramCancelsLeavesNoTraceAndARealOneStopsAndSaves) {
  store({{"Telefon", "0905123456"}});
  usage.SpeedButton1.click();
  EXPECT_TRUE(usage.sessionEndQuery());
  usage.sessionEnd(false);
  EXPECT_TRUE(usage.Timer1.enabled() && fake.power.awake);
  EXPECT_EQ(stored("colaps"), "true");
  ticks(250, 0.01);
  EXPECT_EQ(join(fake.remoteAccess.journal), "dial 0905123456 to 100");
  EXPECT_TRUE(fake.power.awake);
  usage.sessionEnd(true);  // the ring-out's action comes now, then everything is saved
  EXPECT_EQ(fake.power.journal.size(), 6u);
  EXPECT_FALSE(fake.power.awake);
  EXPECT_EQ(stored("colaps") + " " + stored("Prezvonit"), "false true");
}

}  // namespace dozorik
