#include "message/message_sender.h"

#include "message/message_address.h"

namespace dozorik {

namespace {

bool successful(int status) { return status >= 200 && status <= 299; }

}  // namespace

SendOutcome sendMessage(HttpClient& client, const MessageSettings& settings,
                        const std::string& text, const std::function<void()>& whileWaiting,
                        std::chrono::milliseconds limit) {
  if (addressProblem(settings.address)) return {false, std::nullopt, "neplatná adresa"};
  const HttpResult result =
      client.post(messageRequest(settings.form, settings.address, text), limit, whileWaiting);
  const bool delivered = result.status && successful(*result.status);
  return {delivered, result.status, delivered ? std::string() : failureReason(result, limit)};
}

std::string failureReason(const HttpResult& result, std::chrono::milliseconds limit) {
  if (result.status) {
    return successful(*result.status) ? std::string() : "HTTP " + std::to_string(*result.status);
  }
  switch (result.failure) {
    case HttpFailure::None:
    case HttpFailure::TimedOut: {
      const long long seconds = (limit.count() + 999) / 1000;
      return "server neodpovedal do " + std::to_string(seconds) + " s";
    }
    case HttpFailure::Busy:
      return "iná správa sa ešte odosiela";
    case HttpFailure::BadAddress:
      return "neplatná adresa";
    case HttpFailure::NameNotFound:
      return "server sa nenašiel";
    case HttpFailure::Refused:
      return "spojenie odmietnuté";
    case HttpFailure::ConnectionLost:
      return "spojenie sa prerušilo";
    case HttpFailure::SecureChannel:
      return "zabezpečené spojenie (TLS) zlyhalo";
    case HttpFailure::CertificateUntrusted:
      return "certifikát servera nie je dôveryhodný";
    case HttpFailure::CertificateExpired:
      return "certifikát servera nie je v platnosti";
    case HttpFailure::CertificateWrongName:
      return "certifikát patrí inému serveru";
    case HttpFailure::CertificateRevoked:
      return "certifikát servera bol odvolaný";
    case HttpFailure::CertificateInvalid:
      return "certifikát servera je neplatný";
    case HttpFailure::RedirectRefused:
      return "presmerovanie odmietnuté";
    case HttpFailure::Other:
      break;
  }
  return "chyba spojenia (kód " + std::to_string(result.systemCode) + ")";
}

std::string outcomeText(const SendOutcome& outcome) {
  if (outcome.delivered) return "Správa odoslaná (HTTP " + std::to_string(*outcome.status) + ").";
  return "Správa neodoslaná: " + outcome.reason + ".";
}

}  // namespace dozorik
