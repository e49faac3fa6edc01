#include "texts/texts.h"

#include <cctype>

namespace dozorik {

// Each in a file of its own, one per language.
const TextEntry* slovakTable();
const TextEntry* englishTable();

namespace {

constexpr const char* kBlanks = " \t\r\n";

}  // namespace

Language languageNamed(const std::string& value) {
  const std::size_t first = value.find_first_not_of(kBlanks);
  if (first == std::string::npos) return Language::Slovak;
  std::string word = value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word == "en" ? Language::English : Language::Slovak;
}

const char* languageValue(Language language) { return language == Language::English ? "en" : "sk"; }

Texts::Texts(Language language)
    : language_(language), table_(language == Language::English ? englishTable() : slovakTable()) {}

std::string Texts::format(Text id, std::initializer_list<std::string> values) const {
  const std::string text = (*this)[id];
  std::string out;
  out.reserve(text.size());
  // One pass: a value that itself holds "{2}" stays as it is.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '1' &&
        text[i + 1] <= '9') {
      const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < values.size()) {
        out += values.begin()[index];
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace dozorik
