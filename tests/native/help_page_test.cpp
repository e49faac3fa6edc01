#include <fstream>
#include <iterator>

#include "native/usage_fixture.h"

namespace dozorik {

// The help page names the further options window and every option in it, as
// the window writes them, so that a user who presses "?" can find them.
TEST_F(UsageTest, TheHelpPageNamesEveryFurtherOptionAsItsWindowDoes) {
  std::ifstream file(DOZORIK_HELP_PAGE, std::ios::binary);
  if (!file) GTEST_SKIP() << "the help page is not where the build put it";
  const std::string page{std::istreambuf_iterator<char>(file), {}};
  Strings missing;
  std::vector<const ui::Control*> all{&usage.Options};
  for (std::size_t i = 0; i < all.size(); ++i) {
    all.insert(all.end(), all[i]->children().begin(), all[i]->children().end());
  }
  for (const ui::Control* c : all) {
    std::string caption = c->text();
    const bool named = c->kind() == ui::Kind::CheckBox || c->kind() == ui::Kind::Page ||
                       (c->kind() == ui::Kind::Label && caption.size() > 1 &&
                        c->name().find("Text") == std::string::npos);
    if (!named) continue;
    if (caption.back() == ':') caption.pop_back();
    if (page.find(caption) == std::string::npos) missing.push_back(caption);
  }
  if (page.find(usage.Options.text()) == std::string::npos) missing.push_back(usage.Options.text());
  EXPECT_EQ(missing, Strings{});
}

}  // namespace dozorik
