// The switches reach the window as the user's own changes: the same
// controls, the same stored values, the arming last.

#include "native/usage_fixture.h"

namespace dozorik {

class SwitchesTest : public UsageTest {
 protected:
  // The values a close leaves, and those the options window stores at once.
  static std::string settingsOf(fakes::FakePorts& ports) {
    std::string all;
    for (const char* name : {"Vytazenost", "Vyber", "Launchafter", "Parameter1", "Tikov", "Odpocet",
                             "Program", "Bdiet", "Tolerancia", "GPU"}) {
      all += std::string(name) + "=" + ports.registry.readString(kKey, name).value_or("<none>") + " ";
    }
    return all;
  }
  std::string hints() {
    return join({usage.RadioButton0.hint(), usage.Button1.hint(), usage.Label1.hint(),
                 usage.Edit2.hint()});
  }
};

TEST_F(SwitchesTest, StartSwitchesSetWhatTheUserSetsAndAreStoredAsTheUsersChangesAre) {
  fake.process.args = {"/r",     "/prah",    "30",     "/akcia",    "spustit", "/subor",
                       "koniec.cmd", "/parameter", "hotovo", "/tikov",  "25",      "/odpocet",
                       "60",     "/program", "ffmpeg; x264.exe"};
  usage.FormCreate();
  EXPECT_TRUE(fake.dialogs.requests.empty()) << "the file was given before the launch was chosen";
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 30 %");
  EXPECT_TRUE(usage.RadioButton0.checked());
  EXPECT_EQ(hints(), "C:\\Skripty\\koniec.cmd hotovo, C:\\Skripty\\koniec.cmd hotovo, "
                     "C:\\Skripty\\koniec.cmd hotovo, C:\\Skripty\\koniec.cmd hotovo");
  EXPECT_EQ(usage.Gauge1.maxValue(), 25);
  // Armed last, with everything in place: 25 quiet ticks end this watch.
  EXPECT_TRUE(usage.Timer1.enabled());
  ticks(25, 0.25);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(fake.shell.opened.at(0).first + " " + fake.shell.opened.at(0).second,
            "C:\\Skripty\\koniec.cmd hotovo");
  usage.closeQuery();

  // The same made by hand in another window.
  fakes::FakePorts byHand;
  ui::Application handApp(byHand.messages, byHand.pump);
  fakes::FakeFormHost handForms;
  handApp.setFormHost(&handForms);
  TUsage window(byHand.ports, handApp, sampler);
  window.FormCreate();
  window.TrackBar1.setPosition(3);
  byHand.dialogs.answer = "C:\\Skripty\\koniec.cmd";
  window.RadioButton0.click();
  window.Edit2.type("hotovo");
  handForms.whileModal = [&](ui::Form&) {
    window.Options.QuietTicks.type("25");
    window.Options.Pages.choose(1);
    window.Options.Countdown.type("60");
    window.Options.Pages.choose(2);
    window.Options.Program.type("ffmpeg; x264.exe");
    window.Options.Ok.click();
  };
  window.systemMenu()[0].onClick();
  window.closeQuery();
  EXPECT_EQ(settingsOf(fake), settingsOf(byHand));
  EXPECT_EQ(settingsOf(fake),
            "Vytazenost=3 Vyber=1 Launchafter=C:\\Skripty\\koniec.cmd Parameter1=hotovo "
            "Tikov=25 Odpocet=60 Program=ffmpeg.exe;x264.exe Bdiet=true Tolerancia=0 GPU=0 ");
}

// Every switch is checked before any is applied.
TEST_F(SwitchesTest, ABadStartSwitchIsNamedInABoxAndNothingIsSetNorArmed) {
  fake.registry.writeString(kKey, "Vytazenost", "5");
  fake.registry.writes.clear();
  fake.process.args = {"/prah", "30", "/akcia", "uspat", "/odpocet", "60", "/tikov", "10", "/r"};
  usage.FormCreate();
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(boxes().at(0).rfind("Dozorik: Prepínač /tikov nepozná hodnotu „10“", 0), 0u)
      << boxes().at(0);
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Stop);
  EXPECT_NE(boxes().at(0).find("\n\nPoužitie: "), std::string::npos);
  EXPECT_EQ(usage.TrackBar1.position(), 5);
  EXPECT_TRUE(usage.RadioButton4.checked());
  EXPECT_EQ(usage.options().countdownSeconds, 0);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(join(fake.registry.writes), "colaps") << "no option stored";
}

// A later start's message: its own folder first, then its arguments.
TEST_F(SwitchesTest, AHandedOverStopEndsTheWatchOrTheCountdownAndAStartWithoutSwitchesShowsTheWindow) {
  usage.FormCreate();
  usage.SpeedButton1.click();
  ticks(10, 0.01);
  // Stopped, then armed again: a new watch, with the new file from the
  // sender's folder.
  const Strings restart{"D:\\Kodovanie", "/r", "/zrus", "/subor", "hotovo.cmd"};
  ASSERT_TRUE(usage.acceptsHandOver(restart));
  EXPECT_EQ(usage.Gauge1.progress(), 10) << "only looked at while the sender waits";
  usage.applyHandOver(restart);
  EXPECT_EQ(usage.OpenDialog1.fileName(), "D:\\Kodovanie\\hotovo.cmd");
  EXPECT_EQ(usage.Gauge1.progress(), 0);
  EXPECT_TRUE(usage.Timer1.enabled());
  usage.applyHandOver({"D:\\Kodovanie", "/zrus"});
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_NE(usage.StatusBar1.panelText(2).find(" ==> 09:05"), std::string::npos);

  usage.applyHandOver({"C:\\", "/akcia", "restart", "/odpocet", "30"});
  watchToItsEnd();
  ASSERT_TRUE(forms.isShown(usage.Countdown));
  usage.applyHandOver({"C:\\", "-ZRUS"});
  EXPECT_FALSE(forms.isShown(usage.Countdown));
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Restart pocitaca zruseny");
  EXPECT_TRUE(fake.power.journal.empty()) << "nothing restarted";

  EXPECT_FALSE(forms.isShown(usage));
  usage.applyHandOver({"C:\\"});
  EXPECT_TRUE(forms.isShown(usage)) << "brought to the front";
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(SwitchesTest, AWrongHandedOverMessageIsRefusedAndChangesNothing) {
  usage.FormCreate();
  for (const Strings& message : {Strings{}, Strings{"C:\\", "/prah", "95"},
                                 Strings{"C:\\", "/prah", "30", "/prah", "40"}}) {
    EXPECT_FALSE(usage.acceptsHandOver(message)) << join(message);
    usage.applyHandOver(message);
  }
  EXPECT_EQ(usage.TrackBar1.position(), 1);
  EXPECT_TRUE(fake.messages.shown.empty()) << "the sender shows what was wrong";
  EXPECT_FALSE(forms.isShown(usage));
}

}  // namespace dozorik
