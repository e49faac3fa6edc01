#pragma once

#include <string>

#include "platform/downloader.h"

namespace dozorik::win32 {

// Downloads through the system's URL monikers, always from the server: a
// check must see what is published now, not a copy cached earlier.
class Win32Downloader : public Downloader {
 public:
  bool download(const std::string& url, const std::string& localFile) override;
};

}  // namespace dozorik::win32
