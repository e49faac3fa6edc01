#pragma once

#include <functional>
#include <string>

namespace dozorik {

// Shortens a path to fit a width by replacing its leading directories, one
// at a time, with "...\", then dropping the drive and the "...\" too; the
// name part always stays. `width` measures a text in pixels.
std::string shortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& width);

}  // namespace dozorik
