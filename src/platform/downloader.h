#pragma once

#include <string>

namespace dozorik {

// Fetches a URL into a local file.
class Downloader {
 public:
  virtual ~Downloader() = default;
  // True when the whole file arrived; throws Error when the download could
  // not even be attempted.
  virtual bool download(const std::string& url, const std::string& localFile) = 0;
};

}  // namespace dozorik
