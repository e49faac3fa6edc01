#include "ui/application.h"

#include <exception>

namespace dozorik::ui {

void Application::setTitle(const std::string& title) {
  if (title == title_) return;
  title_ = title;
  if (view_) view_->titleChanged(title_);
}

std::string Application::errorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void Application::dispatch(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    showError(e.what());
  } catch (...) {
    showError("Unknown error");
  }
}

void Application::showError(const std::string& message) {
  // The box runs its own message loop, so timer ticks keep arriving while it
  // is open; a fault that repeats each tick would otherwise pile up boxes.
  if (showingError_) return;
  showingError_ = true;
  try {
    messages_.show(errorText(message), title_, MessageIcon::Stop, MessageButtons::Ok);
  } catch (...) {
  }
  showingError_ = false;
}

}  // namespace dozorik::ui
