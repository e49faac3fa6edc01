// The switches reach the window as the user's own changes: the same
// controls, the same stored values, the arming last.

#include "native/usage_fixture.h"

namespace dozorik {

using SwitchesTest = UsageTest;

TEST_F(SwitchesTest, StartSwitchesSetWhatTheUserSetsAndAreStoredAsTheUsersChangesAre) {
  fake.process.args = {"/r", "/prah", "30", "/akcia", "spustit", "/subor", "koniec.cmd",
                       "/parameter", "hotovo", "/tikov", "25", "/odpocet", "60", "/program",
                       "ffmpeg; x264.exe"};
  usage.FormCreate();
  EXPECT_TRUE(fake.dialogs.requests.empty()) << "the file came before the launch was chosen";
  // Armed last, with everything in place: 25 quiet ticks end the watch.
  ticks(25, 0.25);
  EXPECT_FALSE(usage.Timer1.enabled());
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].first + " " + fake.shell.opened[0].second,
            "C:\\Skripty\\koniec.cmd hotovo");
  usage.closeQuery();

  // The same made by hand, in another window.
  fakes::FakePorts hand;
  ui::Application handApp(hand.messages, hand.pump);
  fakes::FakeFormHost handForms;
  handApp.setFormHost(&handForms);
  TUsage window(hand.ports, handApp, sampler);
  window.FormCreate();
  window.TrackBar1.setPosition(3);
  hand.dialogs.answer = "C:\\Skripty\\koniec.cmd";
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
  for (const char* name : {"Vytazenost", "Vyber", "Launchafter", "Parameter1", "Tikov", "Odpocet",
                           "Program", "Bdiet", "GPU"}) {
    EXPECT_EQ(fake.registry.readString(kKey, name), hand.registry.readString(kKey, name)) << name;
  }
  EXPECT_EQ(join({stored("Vytazenost"), stored("Tikov"), stored("Program")}),
            "3, 25, ffmpeg.exe;x264.exe");
  EXPECT_EQ(usage.RadioButton0.hint(), window.RadioButton0.hint());
}

// A switch changes only what it names: the other options, the signals and
// the controls keep what was stored; an empty value empties.
TEST_F(SwitchesTest, ASwitchChangesWhatItNamesAndNothingElseAndAnEmptyValueEmpties) {
  for (auto [name, value] : {std::pair{"Tolerancia", "3"}, {"GPU", "10"}, {"Program", "x.exe"},
                             {"Parameter1", "/q"}, {"Vyber", "4"}}) {
    fake.registry.writeString(kKey, name, value);
  }
  fake.process.args = {"/tikov", "30", "/program", "", "/parameter", "", "/akcia", "uspat"};
  usage.FormCreate();
  EXPECT_TRUE(usage.RadioButton1.checked());
  EXPECT_EQ(usage.Edit2.text(), "");
  EXPECT_EQ(join({stored("Tikov"), stored("Tolerancia"), stored("GPU"), stored("Program")}),
            "30, 3, 10, ");
  // Handed over by a later start: a program alone is a switch too.
  usage.applyHandOver({"C:\\", "/program", "ffmpeg"});
  EXPECT_EQ(stored("Program"), "ffmpeg.exe");
}

// Every switch is checked before any is applied.
TEST_F(SwitchesTest, ABadStartSwitchIsNamedInABoxAndNothingIsSetNorArmed) {
  fake.process.args = {"/prah", "30", "/akcia", "uspat", "/odpocet", "60", "/tikov", "10", "/r"};
  usage.FormCreate();
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].rfind("Dozorik: Prepínač /tikov nepozná hodnotu „10“", 0), 0u) << boxes()[0];
  EXPECT_EQ(usage.TrackBar1.position() * 10 + usage.RadioButton1.checked(), 10);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(join(fake.registry.writes), "colaps") << "no option stored";
}

}  // namespace dozorik
