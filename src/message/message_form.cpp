#include "message/message_form.h"

#include <cctype>

#include "message/message_address.h"
#include "message/web_encoding.h"

namespace dozorik {

namespace {

constexpr const char* kPlainText = "text/plain; charset=utf-8";

}  // namespace

MessageForm messageFormNamed(const std::string& name) {
  std::string lower = withoutBlanksAround(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "json") return MessageForm::Json;
  if (lower == "telegram") return MessageForm::Telegram;
  if (lower == "text") return MessageForm::Text;
  return MessageForm::Ntfy;
}

const char* messageFormName(MessageForm form) {
  switch (form) {
    case MessageForm::Json: return "json";
    case MessageForm::Telegram: return "telegram";
    case MessageForm::Text: return "text";
    case MessageForm::Ntfy: break;
  }
  return "ntfy";
}

HttpRequest messageRequest(MessageForm form, const std::string& address, const std::string& text) {
  HttpRequest request{withoutBlanksAround(address), {}, {}};
  switch (form) {
    case MessageForm::Ntfy:
      request.headers = {{"Content-Type", kPlainText}, {"Title", "Dozorik"}};
      request.body = text;
      break;
    case MessageForm::Json: {
      // Discord reads "content", Slack reads "text"; each ignores the other.
      const std::string value = jsonString(text);
      request.headers = {{"Content-Type", "application/json"}};
      request.body = "{\"content\":" + value + ",\"text\":" + value + "}";
      break;
    }
    case MessageForm::Telegram:
      request.headers = {{"Content-Type", "application/x-www-form-urlencoded"}};
      request.body = "text=" + formEncoded(text);
      break;
    case MessageForm::Text:
      request.headers = {{"Content-Type", kPlainText}};
      request.body = text;
      break;
  }
  return request;
}

}  // namespace dozorik
