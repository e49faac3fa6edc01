// The message to the phone from the window: when it goes, what it says, what
// a failure leaves, and that its address is written nowhere.

#include <map>

#include "app/plain_letters.h"
#include "native/usage_fixture.h"

namespace dozorik {

const std::string kAddress = "https://ntfy.sh/dozorik-k7q2x9";

class EndMessageTest : public UsageTest {
 protected:
  void store(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) fake.registry.writeString(kKey, name, value);
    usage.FormCreate();
  }
  std::string body(std::size_t post) const { return fake.http.posts.at(post).request.body; }
  // Whether the address, or its secret part, shows anywhere the user or a
  // log could read it.
  bool addressLeaked() {
    std::string seen = usage.StatusBar1.panelText(1) + join(boxes());
    for (const auto& [path, content] : fake.files.files) seen += content;
    return seen.find("k7q2x9") != std::string::npos;
  }
};

TEST_F(EndMessageTest, TheMessageGoesAfterTheRecordsAndBeforeTheEndActionWhichWaitsForIt) {
  store({{"Sprava", " " + kAddress + " "}, {"Logfile", "true"}, {"LogType", "txt"}});
  std::size_t actedWhileSending = 99;
  fake.pump.pending.clear();
  usage.SpeedButton1.click();
  ticks(249, 0.01);
  // Let messages run while it is on its way: the end action has not come yet.
  fake.pump.pending.push_back([&] {
    fake.pump.pending.push_back([&] { actedWhileSending = fake.power.journal.size(); });
  });
  tick(0.01);
  ASSERT_EQ(fake.http.posts.size(), 1u);
  EXPECT_EQ(fake.http.posts[0].request.url, kAddress);
  EXPECT_EQ(body(0), "Dozorik na PC-KUCHYNA: úloha skončila o 09:05 (záťaž pod 10 % 50 s). "
                     "Akcia: pípnutie.");
  EXPECT_EQ(actedWhileSending, 0u);
  EXPECT_EQ(fake.power.journal.size(), 6u);
  EXPECT_TRUE(fake.files.files.count("C:\\Dozorik\\dozorik.log")) << "the records came first";
  EXPECT_FALSE(addressLeaked());
}

TEST_F(EndMessageTest, AServerThatNeverAnswersHoldsTheEndTenSecondsAndIsToldWithoutTheAddress) {
  fake.files.files["C:\\Jobs\\done.cmd"] = "@exit";
  store({{"Sprava", kAddress}, {"SpravaTyp", "json"}, {"Vyber", "1"},
         {"Launchafter", "C:\\Jobs\\done.cmd"}, {"Tikov", "25"}});
  fake.http.neverAnswers = true;
  watchToItsEnd();
  EXPECT_EQ(fake.http.posts.at(0).limit.count(), 10000);
  EXPECT_EQ(fake.shell.opened.size(), 1u) << "the end action came all the same";
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Sprava neodoslana: server neodpovedal do 10 s");
  EXPECT_FALSE(addressLeaked());
  // A refused launch: a second message says so, in the same form. The
  // refusal outweighs a message that failed in the status bar.
  usage.OpenDialog1.setFileName("C:\\Jobs\\gone.cmd");
  watchToItsEnd();
  EXPECT_EQ(usage.StatusBar1.panelText(1),
            "Spustenie zlyhalo: The system cannot find the file specified.");
  ASSERT_EQ(fake.http.posts.size(), 3u);
  EXPECT_EQ(body(2),
            "{\"content\":\"Dozorik na PC-KUCHYNA: akcia spustenie súboru zlyhala o 09:05: The "
            "system cannot find the file specified.\",\"text\":\"Dozorik na PC-KUCHYNA: akcia "
            "spustenie súboru zlyhala o 09:05: The system cannot find the file specified.\"}");
}

TEST_F(EndMessageTest, TheMessageNamesTheChosenActionAndBlanksAloneAreNoAddress) {
  store({{"Sprava", kAddress}, {"Tikov", "25"}});
  const std::pair<ui::RadioButton*, const char*> actions[] = {
      {&usage.RadioButton1, "uspanie počítača."}, {&usage.RadioButton2, "vypnutie počítača."},
      {&usage.RadioButton3, "reštart počítača."}, {&usage.RadioButton4, "pípnutie."}};
  for (auto [action, named] : actions) {
    action->click();
    watchToItsEnd();
    const std::string sent = body(fake.http.posts.size() - 1);
    EXPECT_EQ(sent.substr(sent.find("Akcia: ") + 7), named);
  }
  const std::size_t sent = fake.http.posts.size();
  store({{"Sprava", " \t "}});
  watchToItsEnd();
  EXPECT_EQ(fake.http.posts.size(), sent);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
}

TEST(PlainLetters, EverySlovakLetterLosesItsMarkAndNothingElseChanges) {
  EXPECT_EQ(withoutDiacritics("áäčďéíĺľňóôŕšťúýž ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ ß 03:12 ok"),
            "aacdeillnoorstuyz AACDEILLNOORSTUYZ ß 03:12 ok");
}

TEST_F(EndMessageTest, ThePageStoresOnlyAnAddressThatTakesMessagesAndTriesItAtOnce) {
  usage.FormCreate();
  auto& options = usage.Options;
  forms.whileModal = [&](ui::Form& window) {
    options.Pages.choose(3);
    options.MessageAddress.type("ftp://ntfy.sh/k7q2x9");
    options.Ok.click();  // refused: the window stays, with what was typed
    EXPECT_TRUE(forms.isShown(window));
    EXPECT_EQ(options.MessageAddress.text(), "ftp://ntfy.sh/k7q2x9");
    EXPECT_EQ(options.MessageResult.text().find("k7q2x9"), std::string::npos);
    EXPECT_NE(options.MessageResult.text(), "");
    options.MessageAddress.type(kAddress);
    options.FormTelegram.click();
    options.TestMessage.click();
    EXPECT_EQ(options.MessageResult.text(), "Správa odoslaná (HTTP 200).");
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(body(0), "text=Dozorik%20na%20PC-KUCHYNA%3A%20sk%C3%BA%C5%A1obn%C3%A1%20spr%C3%A1va%20o%2009%3A05.");
  EXPECT_EQ(stored("Sprava") + " " + stored("SpravaTyp"), kAddress + " telegram");
  EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace dozorik
