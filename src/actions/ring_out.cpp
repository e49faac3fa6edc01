// The phone ring-out before the end action: dial, let it ring for the
// chosen seconds, hang up, then act.

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
  // The dialer of an earlier ring-out is released without hanging up.
  Dialer = std::make_unique<TRasDialer>(
      ports_.remoteAccess, ports_.strings,
      [this](const std::exception& e) { application_.reportError(e.what()); });
  Dialer->setPhoneNumber(Edit1.text());
  Dialer->Dial();
  Timer2.setInterval(SpinEdit1.value() * 1000);
  Timer2.setEnabled(true);
  keepAwakeWhileWatching();
}

void TUsage::Timer2Timer() {
  Timer2.setEnabled(false);
  keepAwakeWhileWatching();
  if (Dialer) Dialer->HangUp();
  application_.processMessages();
  Koniec();
}

}  // namespace dozorik
