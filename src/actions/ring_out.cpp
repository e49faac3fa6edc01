// The phone ring-out before the end action: dial, let it ring for the
// chosen seconds, hang up, then act.

#include <exception>

#include "app/usage.h"

namespace dozorik {

void TUsage::startRingOut() {
  application_.processMessages();
  // The window closed meanwhile: a call dialled now would never be hung up.
  // The end action comes at once, as a close during the ring brings it
  // forward.
  if (closing_) {
    Koniec();
    return;
  }
  // A ring-out of an earlier watch still runs: it ends first, as the stop
  // button would end it. Its line is hung up and its end action comes now,
  // so that each watch gets its own.
  if (Timer2.enabled()) {
    try {
      Timer2Timer();
    } catch (const std::exception& e) {
      report(e.what());
    }
  }
  // The dialer of an earlier ring-out is released; its call is over.
  Dialer = std::make_unique<TRasDialer>(
      ports_.remoteAccess, ports_.strings,
      [this](const std::exception& e) { application_.reportError(e.what()); }, texts_);
  Dialer->setPhoneNumber(Edit1.text());
  Dialer->Dial();
  Timer2.setInterval(SpinEdit1.value() * 1000);
  Timer2.setEnabled(true);
  keepAwakeWhileWatching();
}

// A hang-up the line refuses does not cost the end action: it runs, and the
// refusal is reported after it.
void TUsage::Timer2Timer() {
  Timer2.setEnabled(false);
  keepAwakeWhileWatching();
  std::exception_ptr refused;
  if (Dialer) {
    try {
      Dialer->HangUp();
    } catch (...) {
      refused = std::current_exception();
    }
  }
  application_.processMessages();
  Koniec();
  if (refused) std::rethrow_exception(refused);
}

}  // namespace dozorik
