// The end action on the machines people run today: with and without S3
// sleep, with and without hibernation, and when Windows or the shell says no.

#include <map>
#include <utility>

#include "native/usage_fixture.h"

namespace dozorik {

using Machine = std::optional<Power::Capabilities>;
const Machine kS3{{true, false, true}}, kModernStandby{{false, true, true}},
    kModernNoHibernation{{false, true, false}}, kUnknown;

using PowerActionsTest = UsageTest;

TEST_F(PowerActionsTest, SleepHibernationShutDownAndRestartAsTheMachineAllowsAndSayWhyTheyFailed) {
  const std::string waiting = "Cakaj na vytazenost CPU pod: 10 %";
  struct Row {
    Machine machine;
    Power::Refusal refusal;
    std::map<std::string, std::string> values;
    std::string expected;
  } const rows[] = {
      {kS3, {}, {{"Vyber", "2"}}, "suspend | " + waiting},
      {kUnknown, {}, {{"Vyber", "2"}}, "suspend | " + waiting},
      {kModernStandby, {}, {{"Vyber", "2"}}, "displays off | Displej vypnuty: pocitac zaspi sam"},
      {kModernStandby, {}, {{"Vyber", "2"}, {"Hibernacia", "true"}}, "hibernate | " + waiting},
      {kModernNoHibernation, {}, {{"Vyber", "2"}, {"Hibernacia", "true"}},
       "displays off | Displej vypnuty: pocitac zaspi sam"},
      {kUnknown, {}, {{"Vyber", "2"}, {"Hibernacia", "true"}}, "hibernate | " + waiting},
      {kS3, "No.", {{"Vyber", "2"}}, "suspend | Uspanie zlyhalo: No."},
      {kS3, "No.", {{"Vyber", "2"}, {"Hibernacia", "true"}}, "hibernate | Hibernacia zlyhala: No."},
      {kS3, {}, {{"Vyber", "3"}}, "exit 0x19 | " + waiting},
      {kS3, {}, {{"Vyber", "5"}}, "exit 0x12 | " + waiting},
      {kS3, {}, {{"Vyber", "3"}, {"Vynutit", "true"}}, "exit 0x1D | " + waiting},
      {kS3, {}, {{"Vyber", "5"}, {"Vynutit", "True"}}, "exit 0x12 | " + waiting},
      {kS3, "Busy.", {{"Vyber", "3"}}, "exit 0x19 | Vypnutie zlyhalo: Busy."},
      {kS3, "Busy.", {{"Vyber", "5"}, {"Vynutit", "true"}}, "exit 0x16 | Restart zlyhal: Busy."},
  };
  for (const Row& row : rows) {
    fakes::FakePorts other;
    ui::Application otherApp(other.messages, other.pump);
    TUsage window(other.ports, otherApp, sampler);
    other.power.machine = row.machine;
    other.power.refusal = row.refusal;
    for (const auto& [name, value] : row.values) other.registry.writeString(kKey, name, value);
    window.FormCreate();
    window.SpeedButton1.click();
    for (int i = 0; i < 250; ++i) {
      sampler.fractions.push_back(0.01);
      otherApp.dispatch([&] { window.Timer1.fire(); });
    }
    Strings asked;
    for (const std::string& entry : other.power.journal) {
      if (entry.rfind("exit", 0) == 0 || entry == "suspend" || entry == "hibernate" ||
          entry == "displays off") {
        asked.push_back(entry);
      }
    }
    EXPECT_EQ(join(asked) + " | " + window.StatusBar1.panelText(1), row.expected);
    if (!asked.empty() && asked[0].rfind("exit", 0) == 0) {
      EXPECT_EQ(other.power.lastReason, 0x80040000u) << "a planned end";
    }
    EXPECT_TRUE(other.messages.shown.empty()) << "nobody is there to answer a box";
  }
}

TEST_F(PowerActionsTest, ALaunchTheShellRefusesSaysSoAndTheProgramGoesOn) {
  fake.files.files["C:\\Jobs\\done.cmd"] = "@exit";
  usage.OpenDialog1.setFileName("C:\\Jobs\\gone.cmd");
  usage.RadioButton0.click();
  watchToItsEnd();
  EXPECT_EQ(usage.StatusBar1.panelText(1),
            "Spustenie zlyhalo: The system cannot find the file specified.");
  EXPECT_TRUE(fake.messages.shown.empty());
  usage.OpenDialog1.setFileName("C:\\Jobs\\done.cmd");
  watchToItsEnd();  // armed again: the threshold's line is back, and stays
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
}

TEST_F(PowerActionsTest, TheOptionsWindowOffersWhatTheMachineCanAndStoresTheNewChoices) {
  fake.power.machine = kModernNoHibernation;
  usage.FormCreate();
  forms.whileModal = [&](ui::Form&) {
    EXPECT_FALSE(usage.Options.Hibernate.enabled());
    EXPECT_EQ(usage.Options.HibernateText.text(),
              "Hibernácia nie je zapnutá (zapne ju powercfg /hibernate on).");
    usage.Options.KeepAwakeDisplay.click();
    usage.Options.ForceExit.click();  // on a page not chosen: takes no click
    usage.Options.Pages.choose(1);
    usage.Options.ForceExit.click();
    usage.Options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Bdiet") + " " + stored("Vynutit") + " " + stored("Hibernacia"),
            "displej true false");
  usage.SpeedButton1.click();
  EXPECT_EQ(fake.power.level, Power::Awake::Display);
  fake.power.machine = kS3;
  forms.whileModal = [&](ui::Form&) {
    EXPECT_TRUE(usage.Options.Hibernate.enabled() && usage.Options.KeepAwakeDisplay.checked());
    usage.Options.Pages.choose(0);
    usage.Options.KeepAwakeNo.click();
    usage.Options.Pages.choose(1);
    usage.Options.Hibernate.click();
    usage.Options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Bdiet") + " " + stored("Hibernacia"), "false true");
  fake.power.machine = kUnknown;  // the system can't tell: the choice stays open
  forms.whileModal = [&](ui::Form&) {
    EXPECT_TRUE(usage.Options.Hibernate.enabled());
    usage.Options.Cancel.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(fake.power.level, Power::Awake::No) << "from the next tick, during the watch too";
}

}  // namespace dozorik
