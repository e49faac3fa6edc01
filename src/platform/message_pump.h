#pragma once

namespace dozorik {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every window message waiting in the queue, then returns.
  virtual void processMessages() = 0;
};

}  // namespace dozorik
