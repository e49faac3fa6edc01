#pragma once

#include <string>

namespace dozorik {

enum class MessageIcon { None, Stop, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes owned by the main window.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer show(const std::string& text, const std::string& caption,
                             MessageIcon icon, MessageButtons buttons) = 0;
};

}  // namespace dozorik
