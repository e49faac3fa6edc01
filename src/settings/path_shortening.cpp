#include "settings/path_shortening.h"

namespace dozorik {

namespace {

// "\a\b\" becomes "\...\b\", and "\...\b\" becomes "\...\".
std::string cutFirstDirectory(std::string directory) {
  if (directory == "\\") return {};
  const bool root = directory.front() == '\\';
  if (root) directory.erase(0, 1);
  if (!directory.empty() && directory.front() == '.') directory.erase(0, 4);
  const std::size_t slash = directory.find('\\');
  directory = slash == std::string::npos ? std::string() : "...\\" + directory.substr(slash + 1);
  return root ? "\\" + directory : directory;
}

}  // namespace

std::string shortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& width) {
  const std::size_t split = path.find_last_of("\\:");
  std::string directory = split == std::string::npos ? std::string() : path.substr(0, split + 1);
  const std::string name = path.substr(directory.size());
  std::string drive;
  if (directory.size() >= 2 && directory[1] == ':') {
    drive = directory.substr(0, 2);
    directory.erase(0, 2);
  }

  std::string result = path;
  while ((!drive.empty() || !directory.empty()) && width(result) > maxWidth) {
    if (directory == "\\...\\") {
      drive.clear();
      directory = "...\\";
    } else if (!directory.empty()) {
      directory = cutFirstDirectory(directory);
    } else {
      drive.clear();
    }
    result = drive + directory + name;
  }
  return result;
}

}  // namespace dozorik
