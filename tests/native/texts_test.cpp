// The program's texts in both its languages: every one there, none left in
// Slovak in the English table, and the places for values alike.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "texts/texts.h"

namespace dozorik {
namespace {

// The texts that are the same words in both languages: names, units, marks,
// and the Slovak language's own name, which a reader of either looks for.
const std::set<Text> kSameInBoth = {
    Text::ProgramName,    Text::Caption,         Text::LoadShown,         Text::ThresholdScale,
    Text::ViewScreenshots, Text::SaveToHint,     Text::SecondsUnit,       Text::ChooseButton,
    Text::ParameterArrows, Text::Beep,           Text::Parameter,         Text::LogFile,
    Text::TextLogKind,    Text::SpreadsheetLogKind, Text::ViewLogFile,    Text::Version,
    Text::PictureDialogFilter, Text::LogDialogFilter, Text::Warning,      Text::Confirm,
    Text::SecondsLeft,    Text::Ok,              Text::LanguageSlovak,    Text::LanguageEnglish,
    Text::FormNtfy,       Text::FormJson,        Text::FormTelegram,      Text::FormText,
    Text::MessageFromNoName, Text::HttpStatus,
};

// "{1}", "{2}", ... as a text holds them, each once however often it comes.
std::set<std::string> places(const std::string& text) {
  std::set<std::string> found;
  for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1)) {
    found.insert(text.substr(at, 3));
  }
  return found;
}

bool plainAscii(const std::string& text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

TEST(Texts, EveryTextIsInBothLanguagesAndNoEnglishOneIsLeftSlovak) {
  const Texts slovak(Language::Slovak), english(Language::English);
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const Text id = static_cast<Text>(i);
    const std::string sk = slovak[id], en = english[id];
    SCOPED_TRACE("text " + std::to_string(i) + ": \"" + sk + "\" / \"" + en + "\"");
    EXPECT_FALSE(sk.empty() || en.empty());
    EXPECT_EQ(places(sk), places(en));
    if (kSameInBoth.count(id)) {
      EXPECT_EQ(en, sk);
    } else {
      EXPECT_NE(en, sk);
      // No č, ž, á, ... nor any other letter beyond ASCII: the main window
      // draws its texts in a font that may lack them.
      EXPECT_TRUE(plainAscii(en));
    }
  }
  EXPECT_EQ(slovak.language(), Language::Slovak);
  EXPECT_EQ(english.language(), Language::English);
  EXPECT_EQ(Texts().language(), Language::Slovak) << "Slovak unless told";
}

// Scripts work in either language: the switches and their values stay the
// program's own words, and the examples are the same commands.
TEST(Texts, TheEnglishUsageNamesTheSwitchesAsTheProgramReadsThem) {
  const std::string sk = Texts(Language::Slovak)[Text::Usage];
  const std::string en = Texts(Language::English)[Text::Usage];
  for (const char* word : {"/prah ", "/akcia ", "/subor ", "/parameter ", "/tikov ", "/odpocet ",
                           "/program ", "/zrus ", "/r ", "/? ", "spustit", "uspat", "vypnut",
                           "    dozorik.exe /akcia vypnut /odpocet 60 /r\n",
                           "    dozorik.exe /program ffmpeg.exe /akcia uspat /r"}) {
    EXPECT_NE(sk.find(word), std::string::npos) << word;
    EXPECT_NE(en.find(word), std::string::npos) << word;
  }
  EXPECT_NE(std::string(Texts(Language::English)[Text::ActionValues])
                .find("spustit, uspat, vypnut, restart"),
            std::string::npos);
}

// The main window and its status bar draw in a bitmap font that has the
// letters of Latin-1 on every Windows, and no č, ť or ľ outside Central
// European ones: their Slovak texts keep to Latin-1, as the window always did.
TEST(Texts, TheMainWindowsSlovakTextsHaveOnlyLettersItsFontHasEverywhere) {
  const Texts slovak(Language::Slovak);
  auto latin1 = [](const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 0x80 && (c > 0xC3 || ++i == text.size())) return false;  // beyond U+00FF
    }
    return true;
  };
  for (auto [first, last] : {std::pair{Text::ProgramName, Text::HelpPage},
                             std::pair{Text::WaitBelow, Text::NoReading}}) {
    for (auto i = static_cast<std::size_t>(first); i <= static_cast<std::size_t>(last); ++i) {
      // A tooltip and the system menu draw in the system's own font.
      if (Text(i) == Text::ParameterHint || Text(i) == Text::MoreSettingsMenu) continue;
      EXPECT_TRUE(latin1(slovak[Text(i)])) << slovak[Text(i)];
    }
  }
}

TEST(Texts, ValuesFillTheirPlacesInTheSentencesOwnOrderOnce) {
  const Texts english(Language::English), slovak;
  EXPECT_EQ(english.format(Text::ActionFailed, {"Dozorik on PC: ", "restarting the computer",
                                                "03:12", ": {1}"}),
            "Dozorik on PC: restarting the computer failed at 03:12: {1}.");
  EXPECT_EQ(slovak.format(Text::ActionFailed, {"Dozorik na PC: ", "reštart počítača", "03:12", ""}),
            "Dozorik na PC: akcia reštart počítača zlyhala o 03:12.");
}

TEST(Language, TheStoredValueIsEnglishOnlyWhenItSaysEn) {
  const std::tuple<const char*, Language> rows[] = {
      {"", Language::Slovak},      {"sk", Language::Slovak},      {"en", Language::English},
      {" EN\t", Language::English}, {"de", Language::Slovak},     {"english", Language::Slovak},
      {"e n", Language::Slovak},   {"en-GB", Language::Slovak},
  };
  for (auto [value, language] : rows) EXPECT_EQ(languageNamed(value), language) << value;
  for (Language language : {Language::Slovak, Language::English}) {
    EXPECT_EQ(languageNamed(languageValue(language)), language);
  }
  EXPECT_STREQ(languageValue(Language::English), "en");
  EXPECT_STREQ(languageValue(Language::Slovak), "sk");
}

}  // namespace
}  // namespace dozorik
