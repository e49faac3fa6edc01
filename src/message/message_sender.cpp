#include "message/message_sender.h"

#include "message/message_address.h"

namespace dozorik {

namespace {

bool successful(int status) { return status >= 200 && status <= 299; }

}  // namespace

SendOutcome sendMessage(HttpClient& client, const MessageSettings& settings,
                        const std::string& text, const std::function<void()>& whileWaiting,
                        std::chrono::milliseconds limit, const Texts& texts) {
  if (addressProblem(settings.address)) {
    return {false, std::nullopt, texts[Text::InvalidAddress]};
  }
  const HttpResult result =
      client.post(messageRequest(settings.form, settings.address, text), limit, whileWaiting);
  const bool delivered = result.status && successful(*result.status);
  return {delivered, result.status,
          delivered ? std::string() : failureReason(result, limit, texts)};
}

std::string failureReason(const HttpResult& result, std::chrono::milliseconds limit,
                          const Texts& texts) {
  if (result.status) {
    return successful(*result.status)
               ? std::string()
               : texts.format(Text::HttpStatus, {std::to_string(*result.status)});
  }
  switch (result.failure) {
    case HttpFailure::None:
    case HttpFailure::TimedOut: {
      const long long seconds = (limit.count() + 999) / 1000;
      return texts.format(Text::NoAnswerWithin, {std::to_string(seconds)});
    }
    case HttpFailure::Busy:
      return texts[Text::StillSending];
    case HttpFailure::BadAddress:
      return texts[Text::InvalidAddress];
    case HttpFailure::NameNotFound:
      return texts[Text::ServerNotFound];
    case HttpFailure::Refused:
      return texts[Text::ConnectionRefused];
    case HttpFailure::ConnectionLost:
      return texts[Text::ConnectionLost];
    case HttpFailure::SecureChannel:
      return texts[Text::SecureChannelFailed];
    case HttpFailure::CertificateUntrusted:
      return texts[Text::CertificateUntrusted];
    case HttpFailure::CertificateExpired:
      return texts[Text::CertificateExpired];
    case HttpFailure::CertificateWrongName:
      return texts[Text::CertificateWrongName];
    case HttpFailure::CertificateRevoked:
      return texts[Text::CertificateRevoked];
    case HttpFailure::CertificateInvalid:
      return texts[Text::CertificateInvalid];
    case HttpFailure::RedirectRefused:
      return texts[Text::RedirectRefused];
    case HttpFailure::Other:
      break;
  }
  return texts.format(Text::ConnectionError, {std::to_string(result.systemCode)});
}

std::string outcomeText(const SendOutcome& outcome, const Texts& texts) {
  if (outcome.delivered) return texts.format(Text::MessageSent, {std::to_string(*outcome.status)});
  return texts.format(Text::MessageNotSent, {outcome.reason});
}

}  // namespace dozorik
