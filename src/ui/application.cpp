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

std::string Application::errorKind(const std::string& text) {
  std::string kind;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      kind += c;
    } else if (!quoted) {
      kind += c;
    }
  }
  return kind;
}

void Application::showError(const std::string& message) {
  // The box runs its own message loop, so timer ticks keep arriving while it
  // is open. A fault that repeats at each tick, or a folder that refuses one
  // file after another, would pile up boxes in front of a window nobody
  // watches: an error of a kind on screen or waiting is dropped, and only a
  // few others wait their turn until the open box has closed.
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
  const std::string kind = errorKind(text);
  const bool known = kind == errorKind(*shownError_) ||
                     std::any_of(waitingErrors_.begin(), waitingErrors_.end(),
                                 [&](const std::string& waiting) { return errorKind(waiting) == kind; });
  if (!known && waitingErrors_.size() < kMaxWaitingErrors) waitingErrors_.push_back(text);
}

}  // namespace dozorik::ui
