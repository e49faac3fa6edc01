#pragma once

// Sending one message: the address and form from the settings, the text, and
// a bound on how long the caller waits.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "message/message_form.h"
#include "platform/http_client.h"
#include "texts/texts.h"

namespace dozorik {

// The registry values that hold the settings, beside the program's others.
inline constexpr const char* kMessageAddressValue = "Sprava";  // empty: no messages
inline constexpr const char* kMessageFormValue = "SpravaTyp";

// However the server behaves, a message costs the caller at most this long.
inline constexpr std::chrono::milliseconds kMessageSendLimit{10000};

struct MessageSettings {
  std::string address;
  MessageForm form = MessageForm::Ntfy;
};

struct SendOutcome {
  bool delivered = false;     // the server answered with a 2xx status
  std::optional<int> status;  // the status it answered with, if it did
  std::string reason;         // why not delivered: "spojenie odmietnuté", "HTTP 403", ...
};

// Sends the text in the settings' form, waiting at most `limit`, with
// `whileWaiting` (the window's message pump) run about every 50 ms meanwhile.
// An address that is no usable address is not tried. The reason is in the
// language of the texts.
SendOutcome sendMessage(HttpClient& client, const MessageSettings& settings,
                        const std::string& text, const std::function<void()>& whileWaiting,
                        std::chrono::milliseconds limit = kMessageSendLimit,
                        const Texts& texts = Texts());

// Why a result is no delivery, short and never naming the address:
// "server neodpovedal do 10 s", "HTTP 403", ...; empty for a 2xx answer.
std::string failureReason(const HttpResult& result, std::chrono::milliseconds limit,
                          const Texts& texts = Texts());

// For the options window: "Správa odoslaná (HTTP 200)." or "Správa
// neodoslaná: spojenie odmietnuté."
std::string outcomeText(const SendOutcome& outcome, const Texts& texts = Texts());

}  // namespace dozorik
