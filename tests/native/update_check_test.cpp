#include "native/usage_fixture.h"

namespace dozorik {

const std::string kVersionUrl = "http://www.ruvosoftware.sk/dozorik.ver";
const std::string kLocalCopy = "C:\\Dozorik\\dozorik.ver";

// The published number: a little-endian double, as this host keeps it too.
static std::string versionFile(double version) { return {reinterpret_cast<char*>(&version), 8}; }

class UpdateCheckTest : public UsageTest {
 protected:
  // The one box a click on the globe shows, with this file published (none:
  // the download fails): "caption [icon buttons]: text".
  std::string check(const std::optional<std::string>& published) {
    fake.downloader.published.erase(kVersionUrl);
    if (published) fake.downloader.published[kVersionUrl] = *published;
    fake.messages.shown.clear();
    fake.files.currentDirectory = "D:\\elsewhere\\";  // the local copy is the program's all the same
    usage.SpeedButton4.click();
    if (fake.messages.shown.size() != 1) return std::to_string(fake.messages.shown.size()) + " boxes";
    const fakes::ShownMessage& box = fake.messages.shown[0];
    const char* icons[] = {"none", "stop", "warning", "question", "information"};
    return box.caption + " [" + icons[static_cast<int>(box.icon)] +
           (box.buttons == MessageButtons::YesNo ? " yes/no" : " ok") + "]: " + box.text;
  }
};

TEST_F(UpdateCheckTest, OnlyANewerNumberIsOfferedAndOnlyYesOpensTheBrowser) {
  EXPECT_EQ(check(versionFile(1.71)), "Dozorik [none ok]: Novsia verzia zatial neexistuje :-)");
  EXPECT_EQ(check(versionFile(1.5)), "Dozorik [none ok]: Novsia verzia zatial neexistuje :-)");
  EXPECT_TRUE(fake.files.files.empty());  // read from the program's folder, then removed
  fake.messages.answer = MessageAnswer::No;
  EXPECT_EQ(check(versionFile(1.72)),
            "Confirm [question yes/no]: Bola najdena novsia verzia (1,72).  Stiahnut ?");
  EXPECT_TRUE(fake.shell.browsed.empty());
  fake.messages.answer = MessageAnswer::Yes;
  fake.locale.decimal = ".";
  EXPECT_EQ(check(versionFile(12.345678901234)),
            "Confirm [question yes/no]: Bola najdena novsia verzia (12.345678901234).  Stiahnut ?");
  EXPECT_EQ(fake.shell.browsed, Strings{"http://www.ruvosoftware.sk/dozorik.rar"});
}

TEST_F(UpdateCheckTest, AnythingButAPlausibleNumberIsAFailedConnectionAndLeavesTheCopy) {
  const std::string failed =
      "Warning [warning ok]: Neuspesne spojenie so serverom !(www.ruvosoftware.sk)";
  // Too short, an error page read as a tiny number, a text read as 311, too old, absurd.
  for (const std::string& file :
       {std::string("1.72"), std::string("<html>\r\n"), std::string("<p>Oops@ at 404"),
        versionFile(0.99), versionFile(1e300), versionFile(-2.0)}) {
    EXPECT_EQ(check(file), failed);
    EXPECT_EQ(fake.files.files.at(kLocalCopy), file) << "left for a look";
  }
  fake.files.files[kLocalCopy] = versionFile(9.0);  // left by an earlier check
  EXPECT_EQ(check(std::nullopt), failed);
  fake.downloader.raises = true;
  EXPECT_EQ(check(versionFile(9.0)), "Warning [warning ok]: Kontrola neúspesná !");
}

}  // namespace dozorik
