#pragma once

namespace dozorik {

// The program's own key under HKEY_CURRENT_USER, where every setting lives.
inline constexpr const char* kProgramKey = "SOFTWARE\\RuvoSOFTWARE\\Dozorik";

}  // namespace dozorik
