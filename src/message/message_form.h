#pragma once

// The shapes of request the message services take.

#include <string>

#include "platform/http_client.h"

namespace dozorik {

enum class MessageForm {
  Ntfy,      // ntfy: the text as the body, the program's name as its title
  Json,      // Discord's and Slack's webhooks: {"content":...,"text":...}
  Telegram,  // a bot's sendMessage address with its chat_id: text=... as a form
  Text,      // any other service: the text as plain text
};

// The stored value "SpravaTyp" read as a form: "ntfy", "json", "telegram" or
// "text" in any letter case, blanks around allowed. Anything else, an empty
// value included, is ntfy, the default.
MessageForm messageFormNamed(const std::string& name);
// The name a form is stored under: "ntfy", "json", "telegram" or "text".
const char* messageFormName(MessageForm form);

// The POST that carries a UTF-8 text to the address in the given form.
HttpRequest messageRequest(MessageForm form, const std::string& address, const std::string& text);

}  // namespace dozorik
