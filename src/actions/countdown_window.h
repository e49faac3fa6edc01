#pragma once

#include <functional>

#include "texts/texts.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/timer.h"

namespace dozorik {

// The small window that counts down before the computer sleeps, shuts down
// or restarts, so that whoever sits at it can still say no. Its handlers
// are the main window's.
class CountdownWindow : public ui::Form {
  // The texts of the language this run was started in; first, as the
  // controls below take their captions from them.
  const Texts texts_;

 public:
  explicit CountdownWindow(const Texts& texts = Texts())
      : ui::Form("Countdown", 260, 104), texts_(texts) {
    setText(texts_[Text::ProgramName]);
    setFont(ui::dialogFont());
    ui::Font bold = ui::dialogFont();
    bold.height = -16;
    bold.bold = true;
    SecondsLeft.setFont(bold);
    setDefaultButton(Cancel);
    // Above other programs and in sight with the main window minimised:
    // whoever sits at the computer must see what is about to happen.
    setStaysInSight(true);
    addTimer(Tick);
  }

  // Closing the window is cancelling.
  bool closeQuery() override {
    if (onClose) onClose();
    return true;
  }
  std::function<void()> onClose;

  ui::Label Action{this, "Action", {16, 14, 228, 13}, "", ui::Alignment::Centre};
  ui::Label SecondsLeft{this, "SecondsLeft", {16, 32, 228, 20}, "", ui::Alignment::Centre};
  ui::PushButton Cancel{this, "Cancel", {44, 66, 80, 25}, texts_[Text::Cancel]};
  ui::PushButton Now{this, "Now", {136, 66, 80, 25}, texts_[Text::Now]};
  ui::Timer Tick{"Tick", 1000};
};

}  // namespace dozorik
