#include "app/plain_letters.h"

#include <cstring>

namespace dozorik {

namespace {

struct Plain {
  const char* marked;  // one letter in UTF-8
  char plain;
};
constexpr Plain kLetters[] = {
    {"á", 'a'}, {"ä", 'a'}, {"č", 'c'}, {"ď", 'd'}, {"é", 'e'}, {"í", 'i'}, {"ĺ", 'l'},
    {"ľ", 'l'}, {"ň", 'n'}, {"ó", 'o'}, {"ô", 'o'}, {"ŕ", 'r'}, {"š", 's'}, {"ť", 't'},
    {"ú", 'u'}, {"ý", 'y'}, {"ž", 'z'}, {"Á", 'A'}, {"Ä", 'A'}, {"Č", 'C'}, {"Ď", 'D'},
    {"É", 'E'}, {"Í", 'I'}, {"Ĺ", 'L'}, {"Ľ", 'L'}, {"Ň", 'N'}, {"Ó", 'O'}, {"Ô", 'O'},
    {"Ŕ", 'R'}, {"Š", 'S'}, {"Ť", 'T'}, {"Ú", 'U'}, {"Ý", 'Y'}, {"Ž", 'Z'}};

}  // namespace

std::string withoutDiacritics(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const Plain& letter : kLetters) {
      const std::size_t length = std::strlen(letter.marked);
      if (text.compare(i, length, letter.marked) == 0) {
        out += letter.plain;
        i += length;
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

}  // namespace dozorik
