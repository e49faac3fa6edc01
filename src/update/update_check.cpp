// The check for a newer version: the window's globe button.

#include "update/update_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/usage.h"

namespace dozorik {

std::optional<double> publishedVersion(const std::string& bytes) {
  if (bytes.size() < 8) return std::nullopt;
  // An error page, or any text the server sends in place of the file, is no
  // version: read as a number it would mostly be a tiny one ("<html>\r\n"
  // is 2.97e-260) and pass for "no newer version".
  const bool text = std::all_of(bytes.begin(), bytes.begin() + 8, [](char c) {
    return (c >= ' ' && c <= '~') || c == '\t' || c == '\r' || c == '\n';
  });
  if (text) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(bytes[i]);
  double version = 0;
  std::memcpy(&version, &bits, sizeof version);
  // Every version this program has had is 1.0 or more.
  if (!std::isfinite(version) || version < 1.0 || version >= 1000) return std::nullopt;
  return version;
}

std::string generalNumber(double value, const std::string& decimalSeparator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  std::string out = text;
  const std::size_t point = out.find('.');
  if (point != std::string::npos) out.replace(point, 1, decimalSeparator);
  return out;
}

void TUsage::SpeedButton4Click() {
  const std::string server = "http://" + updateServer_;
  const std::string localCopy = recordPath("dozorik.ver");
  bool downloaded = false;
  try {
    downloaded = ports_.downloader.download(server + "/dozorik.ver", localCopy);
  } catch (const std::exception&) {
    ports_.messages.show(texts_[Text::UpdateCheckFailed], texts_[Text::Warning],
                         MessageIcon::Warning, MessageButtons::Ok);
    return;
  }
  // A failed download must not read a copy an earlier check left behind.
  std::optional<double> published;
  if (downloaded) {
    if (auto bytes = ports_.files.read(localCopy, 8)) published = publishedVersion(*bytes);
  }
  if (!published) {
    ports_.messages.show(texts_.format(Text::UpdateServerUnreachable, {updateServer_}),
                         texts_[Text::Warning], MessageIcon::Warning, MessageButtons::Ok);
    return;
  }
  ports_.files.remove(localCopy);

  if (kRunningVersion >= static_cast<long double>(*published)) {
    ports_.messages.show(texts_[Text::NoNewerVersion], application_.title(), MessageIcon::None,
                         MessageButtons::Ok);
    return;
  }
  const std::string question = texts_.format(
      Text::NewerVersionFound, {generalNumber(*published, ports_.locale.decimalSeparator())});
  if (ports_.messages.show(question, texts_[Text::Confirm], MessageIcon::Question,
                           MessageButtons::YesNo) != MessageAnswer::No) {
    ports_.shell.browse(server + "/dozorik.rar");
  }
}

}  // namespace dozorik
