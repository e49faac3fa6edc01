#pragma once

// The two ways a message's text travels inside a request body.

#include <string>

namespace dozorik {

// A JSON string literal, quotes included: quotes, backslashes and control
// characters escaped; every other byte, UTF-8 included, as it is.
std::string jsonString(const std::string& utf8);

// The bytes as a value of an application/x-www-form-urlencoded body: letters,
// digits and "-._~" stay, every other byte is %XX.
std::string formEncoded(const std::string& utf8);

}  // namespace dozorik
