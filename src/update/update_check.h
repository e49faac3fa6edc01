#pragma once

#include <optional>
#include <string>

namespace dozorik {

// The maker's web server: where the published version number and the
// download of a new version live.
inline constexpr const char* kUpdateServer = "www.ruvosoftware.sk";

// The version the running program compares with the published one.
inline constexpr long double kRunningVersion = 1.71L;

// The published version from the first 8 bytes of the version file (a
// little-endian IEEE double). Nothing when there are fewer bytes, when they
// are text (an error page), or when the number can't be a version (below
// 1.0, or absurdly large): the check then reports a failed connection.
std::optional<double> publishedVersion(const std::string& bytes);

// A number as the general format writes it: at most 15 significant digits,
// with the user's decimal separator.
std::string generalNumber(double value, const std::string& decimalSeparator);

}  // namespace dozorik
