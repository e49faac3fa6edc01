#include "native/usage_fixture.h"
#include "settings/path_shortening.h"

namespace dozorik {
namespace {

constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

class AutostartTest : public UsageTest {
 protected:
  std::string runOnce(const std::string& name) {
    return fake.registry.value(kRunOnce, name).value_or("<none>");
  }
};

TEST_F(AutostartTest, TheSelfEntryFollowsTheBoxAtOnceQuotedAndIsEmptiedNotDeleted) {
  fake.process.path = "C:\\Program Files\\Dozorik\\dozorik.exe";
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "\"C:\\Program Files\\Dozorik\\dozorik.exe\" /r");
  usage.Label14.click();
  EXPECT_EQ(runOnce("Dozorik"), "");

  fake.registry.lockedKeys.insert(fakes::lower(kRunOnce));
  usage.CheckBox1.setChecked(true);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Chyba pri zápise do registra(146)!!!");
}

TEST_F(AutostartTest, TheProgramEntryIsWrittenAtCloseAndRestoredNextTime) {
  fake.dialogs.answer = "C:\\Video Tools\\VirtualDub.exe";
  usage.Label15.click();  // no program yet: the dialog opens
  EXPECT_EQ(fake.dialogs.requests.at(0).title, "Spustitelné súbory...");
  usage.Edit3.setText("/r");
  usage.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), "\"C:\\Video Tools\\VirtualDub.exe\" /r");

  // Checked with nothing chosen: a blank and the parameter, so that the next
  // start checks the box again and asks for the program.
  TUsage second(fake.ports, app, sampler);
  fake.dialogs.answer.reset();
  second.CheckBox3.setChecked(true);
  second.closeQuery();
  EXPECT_EQ(runOnce("AppDozorik"), " ");
  fake.dialogs.requests.clear();
  TUsage third(fake.ports, app, sampler);
  third.FormCreate();
  EXPECT_TRUE(third.CheckBox3.checked());
  EXPECT_EQ(fake.dialogs.requests.size(), 1u);
}

TEST_F(AutostartTest, AStartWithTheSelfEntryRewritesItForThisProgram) {
  fake.registry.writeString(kRunOnce, "Dozorik", "\"D:\\old\\dozorik.exe\" /r");
  usage.FormCreate();
  EXPECT_TRUE(usage.CheckBox1.checked());
  EXPECT_EQ(runOnce("Dozorik"), "\"C:\\Dozorik\\dozorik.exe\" /r");
  EXPECT_FALSE(usage.Timer1.enabled());  // started by hand: no watch

  fake.registry.lockedKeys.insert(fakes::lower(kRunOnce));
  TUsage other(fake.ports, app, sampler);
  other.FormCreate();
  EXPECT_EQ(fake.messages.shown.back().text, "Chyba pri citani z registra(142)!!!");
}

TEST(PathShortening, DropsLeadingDirectoriesThenTheDriveUntilItFits) {
  const auto chars = [](const std::string& s) { return static_cast<int>(s.size()); };
  const std::string path = "C:\\Video\\Jobs\\VirtualDub.exe /r";
  EXPECT_EQ(shortenPath(path, 100, chars), path);
  EXPECT_EQ(shortenPath(path, 30, chars), "C:\\...\\Jobs\\VirtualDub.exe /r");
  EXPECT_EQ(shortenPath(path, 25, chars), "C:\\...\\VirtualDub.exe /r");
  EXPECT_EQ(shortenPath(path, 23, chars), "...\\VirtualDub.exe /r");
  EXPECT_EQ(shortenPath(path, 5, chars), "VirtualDub.exe /r");
  // A backslash in the parameter is where the name part starts.
  EXPECT_EQ(shortenPath("C:\\a\\job.exe D:\\list.jobs", 10, chars), "list.jobs");
  EXPECT_EQ(shortenPath("", 0, chars), "");
}

TEST_F(AutostartTest, Label3ShowsTheCommandShortenedInItsOwnWidth) {
  usage.OpenDialog2.setFileName("C:\\" + std::string(70, 'd') + "\\job.exe");
  usage.Edit3.setText("/r");
  // 369 pixels at 6 per character: 61 characters at most.
  EXPECT_EQ(usage.Label3.text(), "C:\\...\\job.exe /r");
}

}  // namespace
}  // namespace dozorik
