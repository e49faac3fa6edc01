#pragma once

namespace dozorik {

// The end actions, each a radio button of the window.
enum class EndAction { LaunchFile, Sleep, ShutDown, Restart, Beep };

}  // namespace dozorik
