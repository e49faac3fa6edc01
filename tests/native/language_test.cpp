// A run in English: the window, its boxes and further windows speak it, and
// everything the program keeps (records, registry values) stays as in a
// Slovak run. The language is chosen in the options window for the next start.

#include <map>

#include "native/usage_fixture.h"

namespace dozorik {
namespace {

class EnglishTest : public UsageTest {
 protected:
  EnglishTest() : UsageTest(Language::English) {}
};

TEST_F(EnglishTest, TheMainWindowAndItsArmedTitleSpeakEnglish) {
  fake.registry.writeString(kKey, "colaps", "true");
  usage.FormCreate();
  EXPECT_EQ(boxes(), Strings{"Warning: The program was not closed properly last time!"});
  EXPECT_EQ(join({usage.RadioButton0.text(), usage.RadioButton1.text(), usage.RadioButton2.text(),
                  usage.RadioButton3.text(), usage.RadioButton4.text()}),
            "Launch file, Sleep, Shut down, Restart, Beep");
  EXPECT_EQ(join({usage.GroupBox1.text(), usage.Label7.text(), usage.Label8.text(),
                  usage.Label14.text(), usage.Label15.text()}),
            "  What to do then ...  , Take a screenshot, When done, call :, "
            "Arm Dozorik when Windows starts, When Windows starts, launch...");
  EXPECT_EQ(usage.systemMenu()[0].text, "More settings...");
  usage.TrackBar1.setPosition(3);
  usage.SpeedButton1.click();
  tick(0.01);
  EXPECT_EQ(usage.text(), "Dozorik   =Bystro=   Working");
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Wait for CPU load below: 30 %");
  // The file dialog and the help page.
  fake.dialogs.answer.reset();
  usage.Button1.click();
  EXPECT_EQ(fake.dialogs.requests.back().title, "Choose the file to launch when the job is done...");
  usage.SpeedButton3.click();
  EXPECT_EQ(fake.shell.opened.back().first, "C:\\Dozorik\\navodhtm-en.htm");
}

TEST_F(EnglishTest, TheCountdownAndWhatTheSystemRefusesSpeakEnglish) {
  fake.registry.writeString(kKey, "Odpocet", "5");
  usage.FormCreate();
  usage.RadioButton2.click();
  watchToItsEnd();
  EXPECT_EQ(usage.Countdown.Action.text() + " " + usage.Countdown.SecondsLeft.text(),
            "The computer shuts down in 5 s");
  EXPECT_EQ(usage.Countdown.Now.text(), "Now");
  forms.closeBox(usage.Countdown);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Shutdown cancelled");
  fake.power.refusal = "Access is denied.";
  fake.registry.writeString(kKey, "Odpocet", "0");
  usage.FormCreate();
  watchToItsEnd();
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Shutdown failed: Access is denied.");
}

// Two runs alike but for their language keep the same records and values.
class KeptRun : public UsageTest {
 public:
  explicit KeptRun(Language language) : UsageTest(language) {}
  void TestBody() override {}
  std::map<std::string, std::string> keep() {
    usage.FormCreate();
    usage.Label7.click();        // a screenshot
    usage.Label16.click();       // and the log
    usage.RadioButton6.click();  // as a spreadsheet
    usage.Label8.click();        // and a ring-out
    watchToItsEnd();
    usage.closeQuery();
    std::map<std::string, std::string> kept = fake.files.files;
    for (const char* name : {"Vyber", "Vytazenost", "screenshot", "Logfile", "LogType", "Telefon",
                             "Prezvonit", "Sekund", "colaps"}) {
      kept[std::string("registry ") + name] = fake.registry.readString(kKey, name).value_or("-");
    }
    return kept;
  }
};

TEST(Language, TheFilesAndValuesKeptAreTheSameInEitherLanguage) {
  const auto slovak = KeptRun(Language::Slovak).keep();
  EXPECT_GT(slovak.size(), 10u);
  EXPECT_EQ(KeptRun(Language::English).keep(), slovak);
}

// The options window shows the language of this run; OK stores the one
// chosen, for the next start, and the window keeps its own until then.
TEST_F(UsageTest, TheLanguageIsChosenInTheOptionsWindowForTheNextStart) {
  usage.FormCreate();
  auto& options = usage.Options;
  auto choose = [&](ui::RadioButton& language, bool ok) {
    forms.whileModal = [&, ok](ui::Form&) {
      language.click();
      (ok ? options.Ok : options.Cancel).click();
    };
    usage.systemMenu()[0].onClick();
  };
  choose(options.LanguageEnglish, false);
  EXPECT_EQ(stored("Jazyk"), "");
  forms.whileModal = [&](ui::Form&) {
    EXPECT_TRUE(options.LanguageSlovak.checked()) << "shown anew as this run's";
    options.LanguageEnglish.click();
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Jazyk"), "en");
  EXPECT_EQ(usage.RadioButton2.text(), "Vypnut pocitac") << "until the next start";
  forms.whileModal = [&](ui::Form&) {
    EXPECT_TRUE(options.LanguageEnglish.checked()) << "as chosen, not as this run speaks";
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Jazyk"), "en");
  choose(options.LanguageSlovak, true);
  EXPECT_EQ(stored("Jazyk"), "sk");
}

TEST_F(EnglishTest, AnEnglishRunShowsEnglishChosenInItsOptionsWindow) {
  usage.FormCreate();
  forms.whileModal = [&](ui::Form& window) {
    EXPECT_EQ(window.text(), "More settings");
    EXPECT_TRUE(usage.Options.LanguageEnglish.checked());
    EXPECT_FALSE(usage.Options.LanguageSlovak.checked());
    usage.Options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Jazyk"), "en");
}

}  // namespace
}  // namespace dozorik
