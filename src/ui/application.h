#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "ui/form_host.h"

namespace dozorik::ui {

class ApplicationView {
 public:
  virtual ~ApplicationView() = default;
  virtual void titleChanged(const std::string& title) = 0;
};

// The program as a whole: its title (the text of its taskbar button, apart
// from the window's caption), the pump for pending messages, and the one
// place where an error raised by any handler is shown to the user.
class Application {
 public:
  Application(MessageBoxes& messages, MessagePump& pump) : messages_(messages), pump_(pump) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::string& title() const { return title_; }
  void setTitle(const std::string& title);

  // Lets every pending window message run, then returns.
  void processMessages() { pump_.processMessages(); }

  // Runs an event handler. An error it raises ends it and is shown in the
  // error box. One box is open at a time: while it is, an error of a kind
  // already shown or waiting (a tick that fails again and again, the same
  // file refused under another name) is dropped, and up to
  // kMaxWaitingErrors others are shown in turn once it has closed.
  void dispatch(const std::function<void()>& handler) noexcept;

  // Shows an error in the error box, as an error a handler raised would be.
  void reportError(const std::string& message) { showError(message); }

  // The error box's text: a full stop is added after a last character that
  // sorts above ".".
  static std::string errorText(const std::string& message);
  // What tells one kind of error from another: its text with every quoted
  // part (a file's name) left out.
  static std::string errorKind(const std::string& text);
  static constexpr std::size_t kMaxWaitingErrors = 3;

  void setView(ApplicationView* view) { view_ = view; }

  // The program's further windows. Without a host (before the main window
  // exists) none is shown and a modal one returns at once.
  void setFormHost(FormHost* host) { forms_ = host; }
  void showForm(Form& form) {
    if (forms_) forms_->show(form);
  }
  void showModal(Form& form) {
    if (forms_) forms_->showModal(form);
  }
  void closeForm(Form& form) {
    if (forms_) forms_->close(form);
  }
  bool formShown(const Form& form) const { return forms_ && forms_->isShown(form); }

 private:
  void showError(const std::string& message);

  MessageBoxes& messages_;
  MessagePump& pump_;
  std::string title_;
  std::optional<std::string> shownError_;  // the text of the box on screen
  std::deque<std::string> waitingErrors_;
  ApplicationView* view_ = nullptr;
  FormHost* forms_ = nullptr;
};

}  // namespace dozorik::ui
