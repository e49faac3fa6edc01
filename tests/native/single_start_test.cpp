// One Dozorik at a time: what a start does when another runs, and what the
// running one does with what it is handed.

#include "app/single_start.h"
#include "fakes/fake_single_instance.h"
#include "native/usage_fixture.h"

namespace dozorik {

// `usage` is the Dozorik that runs; each test makes later starts beside it.
class SingleStartTest : public UsageTest {
 protected:
  SingleStartTest() {
    fake.process.folder = "C:\\Dozorik";
    usage.FormCreate();
    EXPECT_TRUE(running.claim());
    listenForLaterStarts(running, usage, app);
  }

  // "window", or "exit <code>", then the first line of the start's own box.
  std::string start(const Strings& args, Language language = Language::Slovak) {
    fakes::FakeSingleInstance later(session);
    fakes::FakeProcess process;
    process.args = args;
    fakes::FakeMessageBoxes messages;
    const StartChoice choice = chooseStart(later, process, messages, Texts(language));
    sent.insert(sent.end(), later.sent.begin(), later.sent.end());
    std::string made = choice.openWindow ? "window" : "exit " + std::to_string(choice.exitCode);
    for (const auto& box : messages.shown) {
      made += " | " + box.text.substr(0, box.text.find('\n'));
      lastBox = box.caption + ": " + box.text;
    }
    return made;
  }

  fakes::FakeSession session;
  fakes::FakeSingleInstance running{session};
  std::vector<Strings> sent;  // by every later start, each message its folder and arguments
  std::string lastBox;        // the whole of the last box a start showed, "caption: text"
};

TEST_F(SingleStartTest, ALaterStartHandsItsSwitchesOverAndEndsWithoutAWindow) {
  EXPECT_EQ(start({"/prah", "30", "-r"}), "exit 0");
  EXPECT_EQ(usage.StatusBar1.panelText(1) + " " + usage.text(),
            "Cakaj na vytazenost CPU pod: 30 % Dozorik   =Bystro=   Pracujem");
  ticks(10, 0.01);
  // Stopped, then armed afresh; the file is taken from the later start's folder.
  EXPECT_EQ(start({"/r", "/zrus", "/subor", "hotovo.cmd"}), "exit 0");
  EXPECT_EQ(usage.Gauge1.progress(), 0);
  EXPECT_TRUE(usage.Timer1.enabled());
  EXPECT_EQ(usage.OpenDialog1.fileName(), "C:\\Skripty\\hotovo.cmd");
  EXPECT_EQ(sent.at(1), (Strings{"C:\\Skripty", "/r", "/zrus", "/subor", "hotovo.cmd"}));

  EXPECT_EQ(start({"/akcia", "restart", "/odpocet", "30", "/zrus"}), "exit 0");
  watchToItsEnd();
  ASSERT_TRUE(forms.isShown(usage.Countdown));
  EXPECT_EQ(start({"/ZRUS"}), "exit 0");
  EXPECT_FALSE(forms.isShown(usage.Countdown) || !fake.power.journal.empty());

  // Without switches: the running window comes to the front, nothing else.
  EXPECT_FALSE(forms.isShown(usage));
  EXPECT_EQ(start({}), "exit 0");
  EXPECT_TRUE(forms.isShown(usage));
  EXPECT_TRUE(fake.messages.shown.empty()) << "the running one showed no box";
}

TEST_F(SingleStartTest, ABadSwitchOrTheUsageIsShownByTheStartThatGotItAndNothingIsHandedOver) {
  EXPECT_EQ(start({"/r", "/prah", "95"}),
            "exit 1 | Prepínač /prah nepozná hodnotu „95“: môže byť 10, 20, 30 … 80.");
  EXPECT_EQ(start({"/akcia", "uspat", "/?"}), "exit 0 | Použitie: dozorik.exe [prepínače]");
  running.end();
  EXPECT_EQ(start({"/?"}), "exit 0 | Použitie: dozorik.exe [prepínače]");
  EXPECT_TRUE(sent.empty());
  EXPECT_FALSE(usage.Timer1.enabled() || usage.RadioButton1.checked());
  // Nor would the running one take a message that is not right.
  EXPECT_FALSE(usage.acceptsHandOver({}) || usage.acceptsHandOver({"C:\\", "/prah", "95"}));
}

// Nothing runs: this start opens its window, which reads the switches and
// shows what is wrong with them itself; only a bare stop has nothing to do.
TEST_F(SingleStartTest, AFirstStartOpensItsWindowUnlessAllItWasAskedIsAStop) {
  running.end();
  for (const Strings& args : {Strings{}, {"/prah", "95"}, {"/zrus", "/prah", "30"}}) {
    EXPECT_EQ(start(args), "window") << join(args);
  }
  EXPECT_EQ(start({"-zrus"}), "exit 0");
}

TEST_F(SingleStartTest, ARunningDozorikThatDoesNotAnswerOrRefusesIsToldAndOneThatEndedIsReplaced) {
  running.hangs = true;
  EXPECT_EQ(start({"/r"}).rfind("exit 2 | Dozorik už beží, ale neodpovedá", 0), 0u);
  running.hangs = false;
  // One that reads the switches otherwise (another version) takes nothing.
  running.listen({[](const Strings&) { return false; }, [](const Strings&) {}});
  EXPECT_EQ(start({"/r"}), "exit 1 | Dozorik, ktorý už beží, tieto prepínače neprijal.");
  running.endsMeanwhile = true;
  EXPECT_EQ(start({"/r"}), "window");
}

// A start in English tells every refusal, and the usage under it, in English.
TEST_F(SingleStartTest, AnEnglishStartSpeaksEnglishInEveryBox) {
  const Language en = Language::English;
  const std::string usageText = Texts(en)[Text::Usage];
  EXPECT_EQ(start({"/?"}, en), "exit 0 | Usage: dozorik.exe [switches]");
  EXPECT_EQ(lastBox, "Dozorik: " + usageText);
  EXPECT_EQ(start({"/r", "/prah", "95"}, en),
            "exit 1 | The switch /prah does not take the value \"95\": it may be 10, 20, 30 ... 80.");
  EXPECT_EQ(lastBox.substr(lastBox.size() - usageText.size()), usageText);
  EXPECT_EQ(start({"/dnes"}, en), "exit 1 | Unknown switch \"/dnes\".");
  running.listen({[](const Strings&) { return false; }, [](const Strings&) {}});
  EXPECT_EQ(start({"/r"}, en), "exit 1 | The Dozorik that already runs did not take these switches.");
  EXPECT_EQ(lastBox.substr(lastBox.size() - usageText.size()), usageText);
  running.hangs = true;
  EXPECT_EQ(start({"/r"}, en).rfind("exit 2 | Dozorik already runs, but does not answer", 0), 0u);
}

}  // namespace dozorik
