#pragma once

// Whether an address can take the messages, and if not, why.

#include <optional>
#include <string>

#include "texts/texts.h"

namespace dozorik {

// The text without the blanks (spaces, tabs, line ends) around it, which a
// pasted address or a value edited by hand often brings along.
std::string withoutBlanksAround(const std::string& text);

// Nothing when the address, blanks around it aside, is an http:// or https://
// address with a server name. Otherwise a sentence saying what is wrong, in
// the language of the texts. It never repeats the address: the address may
// carry a token.
std::optional<std::string> addressProblem(const std::string& address,
                                          const Texts& texts = Texts());

}  // namespace dozorik
