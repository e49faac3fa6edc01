#include "native/usage_fixture.h"

namespace dozorik {

const std::string kVersionUrl = "http://www.ruvosoftware.sk/dozorik.ver";
const std::string kLocalCopy = "C:\\Dozorik\\dozorik.ver";

// The published number: a little-endian double, as this host keeps it too.
static std::string versionFile(double version) { return {reinterpret_cast<char*>(&version), 8}; }

class UpdateCheckTest : public UsageTest {
 protected:
  // The one box a click on the globe shows, with this file published (none: the download fails).
  std::string check(const std::optional<std::string>& published) {
    fake.downloader.published.erase(kVersionUrl);
    if (published) fake.downloader.published[kVersionUrl] = *published;
    fake.messages.shown.clear();
    usage.SpeedButton4.click();
    return boxes().size() == 1 ? boxes()[0] : std::to_string(boxes().size()) + " boxes";
  }
};

TEST_F(UpdateCheckTest, OnlyANewerNumberIsOffered) {
  EXPECT_EQ(check(versionFile(1.71)), "Dozorik: Novsia verzia zatial neexistuje :-)");
  EXPECT_FALSE(fake.files.files.count(kLocalCopy));  // read, then removed
  fake.messages.answer = MessageAnswer::Yes;
  EXPECT_EQ(check(versionFile(12.345678901234)),
            "Confirm: Bola najdena novsia verzia (12,345678901234).  Stiahnut ?");
  EXPECT_EQ(fake.shell.browsed, Strings{"http://www.ruvosoftware.sk/dozorik.rar"});
}

TEST_F(UpdateCheckTest, AnythingButAPlausibleNumberIsAFailedConnection) {
  const std::string failed = "Warning: Neuspesne spojenie so serverom !(www.ruvosoftware.sk)";
  // Too short, an error page read as a tiny number, a text read as 311, too old, absurd.
  for (const std::string& file :
       {std::string("1.72"), std::string("<html>\r\n"), std::string("<p>Oops@ at 404"),
        versionFile(0.99), versionFile(1e300), versionFile(-2.0)}) {
    EXPECT_EQ(check(file), failed);
  }
  fake.files.files[kLocalCopy] = versionFile(9.0);  // left by an earlier check
  EXPECT_EQ(check(std::nullopt), failed);
  fake.downloader.raises = true;
  EXPECT_EQ(check(versionFile(9.0)), "Warning: Kontrola neúspesná !");
}

}  // namespace dozorik
