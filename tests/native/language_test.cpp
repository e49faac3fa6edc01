// A run in English: the window, its boxes and further windows speak it, and
// everything the program keeps (records, registry values) stays as in a
// Slovak run. The language is chosen in the options window for the next start.

#include <functional>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "native/usage_fixture.h"
#include "support/control_tree.h"

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
    usage.Label7.click();   // a screenshot
    usage.Label16.click();  // and the log, as text
    usage.RadioButton5.click();
    usage.Label8.click();   // and a ring-out
    usage.Edit1.setText("0905123456");
    watchToItsEnd();
    usage.RadioButton6.click();  // then a spreadsheet, written at a stop
    usage.SpeedButton1.click();
    ticks(3, 0.5);
    usage.SpeedButton2.click();
    fake.files.files.erase("C:\\Dozorik\\Dozorik.xls");
    watchToItsEnd();  // and at a watch's own end
    usage.closeQuery();
    std::map<std::string, std::string> kept = fake.files.files;
    // Every value, read ones too (which read as empty), under its own name.
    for (const auto& [name, value] : fake.registry.values()) kept["registry " + name] = value;
    return kept;
  }
};

TEST(Language, TheFilesAndValuesKeptAreTheSameInEitherLanguage) {
  const auto slovak = KeptRun(Language::Slovak).keep();
  EXPECT_EQ(slovak.count("C:\\Dozorik\\dozorik.log") + slovak.count("C:\\Dozorik\\Dozorik.xls"), 2u);
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

// Every control's caption and hint, in all three windows, as the same
// control shows it in a Slovak run: the English of that text, or the same
// where it is no text of the tables (a number, a path).
std::vector<std::string> shownTexts(TUsage& usage, bool furtherWindows = true) {
  std::vector<const ui::Control*> windows{&usage};
  if (furtherWindows) windows.insert(windows.end(), {&usage.Options, &usage.Countdown});
  const auto all = controlsOf(windows);
  std::vector<std::string> shown;
  for (const ui::Control* c : all) shown.insert(shown.end(), {c->text(), c->hint()});
  for (const auto& item : usage.systemMenu()) shown.push_back(item.text);
  return shown;
}

TEST(Language, EveryCaptionAndHintOfAnEnglishRunIsTheEnglishOfTheSlovakOne) {
  std::map<std::string, Text> slovakIds;
  const Texts slovak(Language::Slovak), english(Language::English);
  for (std::size_t i = 0; i < kTextCount; ++i) slovakIds.emplace(slovak[Text(i)], Text(i));
  fakes::FakePorts fake[2];
  fakes::ScriptedSampler sampler;
  ui::Application skApp{fake[0].messages, fake[0].pump}, enApp{fake[1].messages, fake[1].pump};
  TUsage skWindow(fake[0].ports, skApp, sampler, Language::Slovak);
  TUsage enWindow(fake[1].ports, enApp, sampler, Language::English);
  const auto sk = shownTexts(skWindow), en = shownTexts(enWindow);
  ASSERT_EQ(sk.size(), en.size());
  int translated = 0;
  for (std::size_t i = 0; i < sk.size(); ++i) {
    auto id = slovakIds.find(sk[i]);
    const bool isText = id != slovakIds.end() && !sk[i].empty();
    EXPECT_EQ(en[i], isText ? english[id->second] : sk[i]) << "shown in Slovak as \"" << sk[i] << "\"";
    translated += isText && en[i] != sk[i];
  }
  EXPECT_GT(translated, 50);
  EXPECT_EQ(enWindow.Options.LanguageSlovak.text() + " " + enWindow.Options.LanguageEnglish.text(),
            "slovenčina English");
  EXPECT_EQ(skWindow.Options.LanguageSlovak.text() + " " + skWindow.Options.LanguageEnglish.text(),
            "slovenčina English");
}

TEST_F(EnglishTest, EachFileDialogHasItsEnglishTitleAndFilter) {
  usage.FormCreate();
  fake.dialogs.answer.reset();
  const std::tuple<std::function<void()>, const char*, const char*> dialogs[] = {
      {[&] { usage.Button1.click(); }, "Choose the file to launch when the job is done...", "All files|*.*|"},
      {[&] { usage.Label15.click(); }, "Programs to launch...", "Programs|*.exe;*.com;*.bat;*.cmd"},
      {[&] { usage.SpeedButton5.click(); }, "Choose a picture to view...", "Bitmaps (*.bmp)|*.bmp"},
      {[&] { usage.SpeedButton6.click(); }, "Open a log file...", "txt-log;  xls-log|dozorik.log;dozorik.xls|"},
  };
  for (auto [opener, title, filter] : dialogs) {
    const std::size_t asked = fake.dialogs.requests.size();
    opener();
    ASSERT_EQ(fake.dialogs.requests.size(), asked + 1) << title;
    const auto& request = fake.dialogs.requests.back();
    EXPECT_EQ(request.title, title);
    EXPECT_EQ(request.filter.substr(0, std::string(filter).size()), filter) << request.filter;
  }
}

TEST_F(EnglishTest, TheMessageToThePhoneAndAWrongStartSwitchAreInEnglish) {
  fake.registry.writeString(kKey, "Sprava", "https://ntfy.sh/dozorik-k7q2x9");
  fake.registry.writeString(kKey, "Vyber", "3");  // shut down
  fake.power.refusal = "Access is denied.";
  usage.FormCreate();
  watchToItsEnd();
  ASSERT_EQ(fake.http.posts.size(), 2u);
  EXPECT_EQ(fake.http.posts[0].request.body,
            "Dozorik on PC-KUCHYNA: the job finished at 09:05 (load below 10 % for 50 s). "
            "Action: shutting down the computer.");
  EXPECT_EQ(fake.http.posts[1].request.body,
            "Dozorik on PC-KUCHYNA: shutting down the computer failed at 09:05: "
            "Access is denied.");
  fake.process.args = {"/prah", "30", "/tikov", "10", "/r"};
  usage.FormCreate();
  ASSERT_FALSE(boxes().empty());
  const std::string box = boxes().back();
  const std::string usageText = Texts(Language::English)[Text::Usage];
  EXPECT_EQ(box.rfind("Dozorik: The switch /tikov does not take the value \"10\"", 0), 0u) << box;
  EXPECT_EQ(box.substr(box.size() - usageText.size()), usageText);
}

// A refused OK stores nothing, the language neither; an OK leaves every text
// of this run as it was.
TEST_F(UsageTest, ARefusedOkStoresNoLanguageAndAnOkChangesNoTextOfThisRun) {
  usage.FormCreate();
  auto& options = usage.Options;
  forms.whileModal = [&](ui::Form&) {
    options.LanguageEnglish.click();
    options.Pages.choose(3);
    options.MessageAddress.type("ftp://example.com");
    options.Ok.click();
    options.MessageAddress.type("");
    options.Cancel.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Jazyk"), "");
  usage.SpeedButton1.click();
  tick(0.5);
  const auto before = shownTexts(usage, false);
  const std::string status = usage.StatusBar1.panelText(1);
  forms.whileModal = [&](ui::Form&) {
    options.Pages.choose(0);
    options.LanguageEnglish.click();
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(stored("Jazyk"), "en");
  EXPECT_EQ(shownTexts(usage, false), before);
  EXPECT_EQ(usage.StatusBar1.panelText(1), status);
}

// The paths that end in a status line, a box or a message, in an English run.
TEST_F(EnglishTest, EveryPathsStatusLineBoxAndMessageIsEnglish) {
  const std::string local = std::string(fakes::FakeFileSystem::kLocalAppData) + "Dozorik\\";
  fake.files.refusingFolder = "C:\\Dozorik\\";
  fake.files.folderRefusals = 1;
  fake.gpuEngines.provided = false;
  const auto encoder = fake.processes.start("FFmpeg.exe");
  for (auto [name, value] : {std::pair{"Program", "ffmpeg.exe"}, {"Tikov", "25"}, {"Vyber", "2"},
                             {"Logfile", "true"}, {"LogType", "txt"}, {"Sprava", "https://n.sh/x"}}) {
    fake.registry.writeString(kKey, name, value);
  }
  fake.power.machine = Power::Capabilities{false, true, true};  // Modern Standby
  fake.http.neverAnswers = true;
  usage.FormCreate();
  usage.RadioButton4.click();  // a beep first, then the sleep
  usage.SpeedButton1.click();
  tick(0.01);
  Strings seen{usage.StatusBar1.panelText(1)};
  ticks(10, 0.01);
  seen.push_back(usage.StatusBar1.panelText(1));
  fake.processes.end(encoder);
  ticks(30, 0.01);
  seen.push_back(usage.StatusBar1.panelText(1));
  fake.http.neverAnswers = false;
  usage.RadioButton1.click();
  usage.SpeedButton1.click();
  ticks(25, 0.01);
  seen.push_back(usage.StatusBar1.panelText(1));
  EXPECT_EQ(seen, (Strings{"Still working: FFmpeg.exe", "Records are in %LOCALAPPDATA%\\Dozorik",
                           "Message not sent: the server did not answer within 10 s",
                           "Display off: the computer sleeps by itself"}));
  EXPECT_TRUE(fake.files.files.count(local + "dozorik.log"));

  // The options window: a signal Windows lacks, a wrong address, a test message.
  auto& options = usage.Options;
  forms.whileModal = [&](ui::Form&) {
    EXPECT_EQ(options.GpuText.text(),
              "Windows gives no figures of graphics cards (only from Windows 10 version 1709).");
    options.Pages.choose(3);
    options.MessageAddress.type("n.sh/x");
    options.TestMessage.click();
    EXPECT_EQ(options.MessageResult.text(),
              "The address for messages must begin with http:// or https://.");
    options.MessageAddress.type("https://n.sh/x");
    options.TestMessage.click();
    EXPECT_EQ(options.MessageResult.text(), "Message sent (HTTP 200).");
    options.Cancel.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(fake.http.posts.back().request.body, "Dozorik on PC-KUCHYNA: a test message at 09:05.");

  // Boxes: a phone number too long to dial, and no newer version.
  usage.Label8.click();
  usage.Edit1.setText(std::string(129, '5'));
  watchToItsEnd();
  const double published = 1.5;
  fake.downloader.published["http://www.ruvosoftware.sk/dozorik.ver"] = {
      reinterpret_cast<const char*>(&published), sizeof published};
  usage.SpeedButton4.click();
  EXPECT_EQ(boxes().at(0).rfind("CPU % 1: Cannot create file", 0), 0u) << "Windows' own words";
  fake.messages.shown.erase(fake.messages.shown.begin());
  EXPECT_EQ(boxes(), (Strings{"Dozorik: The phone number is too long: at most 128 characters.",
                              "Dozorik: There is no newer version yet :-)"}));
  // And the next Windows start is armed with the switch every start reads.
  usage.Label14.click();
  EXPECT_EQ(fake.registry.readString(kRunOnce, "Dozorik").value_or("").substr(
                fake.process.path.size() + 2),
            " /r");
}

}  // namespace
}  // namespace dozorik
