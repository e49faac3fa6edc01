#include "message/message_address.h"

#include <algorithm>
#include <cctype>

namespace dozorik {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

bool nameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_';
}

// Inside the brackets of an IPv6 literal: hex digits, colons and (for an
// embedded IPv4 part) dots.
bool ipv6Character(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
}

bool validPort(const std::string& port) {
  if (port.empty() || port.size() > 5) return false;
  if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const long number = std::stol(port);
  return number >= 1 && number <= 65535;
}

}  // namespace

std::string withoutBlanksAround(const std::string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::optional<std::string> addressProblem(const std::string& address, const Texts& texts) {
  const std::string url = withoutBlanksAround(address);
  if (url.empty()) return texts[Text::AddressMissing];
  std::size_t start = 0;
  if (startsWithNoCase(url, "https://")) {
    start = 8;
  } else if (startsWithNoCase(url, "http://")) {
    start = 7;
  } else {
    return texts[Text::AddressNotHttp];
  }
  const bool controlOrBlank = std::any_of(url.begin(), url.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
  if (controlOrBlank) return texts[Text::AddressBlanks];

  const std::size_t end = std::min(url.find_first_of("/?#", start), url.size());
  const std::string authority = url.substr(start, end - start);
  // A name and password in the address would not be sent as a login, only
  // dropped: better to say so than to fail at the server.
  if (authority.find('@') != std::string::npos) {
    return texts[Text::AddressLogin];
  }

  std::string host = authority;
  std::optional<std::string> port;
  bool hostValid = false;
  if (!authority.empty() && authority[0] == '[') {
    const std::size_t close = authority.find(']');
    host = authority.substr(0, close == std::string::npos ? authority.size() : close + 1);
    const std::string after = authority.substr(host.size());
    if (!after.empty() && after[0] == ':') port = after.substr(1);
    hostValid = close != std::string::npos && close > 1 && (after.empty() || port) &&
                std::all_of(host.begin() + 1, host.end() - 1, ipv6Character);
  } else {
    const std::size_t colon = authority.find(':');
    if (colon != std::string::npos) {
      host = authority.substr(0, colon);
      port = authority.substr(colon + 1);
    }
    hostValid = std::all_of(host.begin(), host.end(), nameCharacter);
  }
  if (host.empty()) return texts[Text::AddressNoServer];
  if (!hostValid) return texts[Text::AddressBadServer];
  if (port && !validPort(*port)) {
    return texts[Text::AddressBadPort];
  }
  return std::nullopt;
}

}  // namespace dozorik
