#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dozorik {

// One Dozorik for each user's session: the first start claims it, and a later
// start hands its message (the folder it was started in, then its arguments,
// each kept apart) to the one that runs.
class SingleInstance {
 public:
  // What the running Dozorik answered.
  enum class Answer {
    Taken,       // it will act on the message
    Refused,     // it found the message wrong and does nothing
    NotReached,  // no answer: it is not listening (yet), hangs, or has ended
  };

  // How the running Dozorik takes a message. `accepts` runs while the later
  // start waits for the answer, so it only looks; `apply` runs afterwards,
  // once the later start has its answer, and may open boxes and windows.
  struct Receiver {
    std::function<bool(const std::vector<std::string>& message)> accepts;
    std::function<void(const std::vector<std::string>& message)> apply;
  };

  virtual ~SingleInstance() = default;

  // True when this start is the only Dozorik of the session, or has become
  // it; it stays so until the program ends. False while another runs.
  virtual bool claim() = 0;

  // Hands the message to the Dozorik that runs, waiting a while for one that
  // is still starting, and lets it come to the front. When it has ended
  // meanwhile, the answer is NotReached and claim() may now succeed.
  virtual Answer handOver(const std::vector<std::string>& message) = 0;

  // From now on, messages of later starts reach `receiver`.
  virtual void listen(Receiver receiver) = 0;
};

}  // namespace dozorik
