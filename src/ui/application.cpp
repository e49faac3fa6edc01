#include "ui/application.h"

#include <algorithm>
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
  // is open. A fault that repeats at each tick would pile up boxes, so a
  // repeat of the error on screen is dropped; any other error waits its turn
  // and is shown once the open box has closed.
  const std::string text = errorText(message);
  if (!shownError_) {
    shownError_ = text;
    while (true) {
      try {
        messages_.show(*shownError_, title_, MessageIcon::Stop, MessageButtons::Ok);
      } catch (...) {
      }
      if (waitingErrors_.empty()) break;
      shownError_ = waitingErrors_.front();
      waitingErrors_.pop_front();
    }
    shownError_.reset();
    return;
  }
  if (text != *shownError_ &&
      std::find(waitingErrors_.begin(), waitingErrors_.end(), text) == waitingErrors_.end()) {
    waitingErrors_.push_back(text);
  }
}

}  // namespace dozorik::ui
