#include <fstream>
#include <iterator>

#include "native/usage_fixture.h"
#include "support/control_tree.h"
#include "texts/texts.h"

namespace dozorik {

// Each language's help page as the build keeps it, to be opened by "?" in a
// window of that language.
struct HelpPage {
  Language language;
  std::string path;
};
const HelpPage kHelpPages[] = {{Language::Slovak, DOZORIK_HELP_PAGE},
                               {Language::English, DOZORIK_HELP_PAGE_EN}};

// "?" opens the page of the window's language, and the page names the
// further options window and every option in it as that window writes them,
// so that a user who presses "?" can find them.
TEST_F(UsageTest, EachHelpPageNamesEveryFurtherOptionAsItsWindowDoes) {
  if (!std::ifstream(kHelpPages[0].path))
    GTEST_SKIP() << "the help pages are not where the build put them";
  for (const HelpPage& help : kHelpPages) {
    SCOPED_TRACE(help.path);
    std::ifstream file(help.path, std::ios::binary);
    ASSERT_TRUE(file);
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    TUsage window{fake.ports, app, sampler, help.language};
    window.SpeedButton3.click();
    EXPECT_EQ(fake.shell.opened.back().first,
              "C:\\Dozorik\\" + help.path.substr(help.path.rfind('/') + 1));

    Strings missing;
    for (const ui::Control* c : controlsOf({&window.Options})) {
      std::string caption = c->text();
      const bool named = c->kind() == ui::Kind::Form || c->kind() == ui::Kind::Page ||
                         c->kind() == ui::Kind::GroupBox || c->kind() == ui::Kind::CheckBox ||
                         (c->kind() == ui::Kind::Label && caption.size() > 1 &&
                          c->name().find("Text") == std::string::npos);
      if (!named) continue;
      if (caption.back() == ':') caption.pop_back();
      if (page.find(caption) == std::string::npos) missing.push_back(caption);
    }
    EXPECT_EQ(missing, Strings{});
  }
}

}  // namespace dozorik
