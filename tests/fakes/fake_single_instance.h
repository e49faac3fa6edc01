#pragma once

// The user's session as the real claim and hand-over make it: one Dozorik
// holds the place at a time; a later start reaches it only while it listens,
// and gets no answer from one that hangs or has ended.

#include <string>
#include <utility>
#include <vector>

#include "platform/single_instance.h"

namespace dozorik::fakes {

struct FakeSingleInstance;
struct FakeSession {
  FakeSingleInstance* holder = nullptr;
};

struct FakeSingleInstance : SingleInstance {
  explicit FakeSingleInstance(FakeSession& in) : session(in) {}
  ~FakeSingleInstance() override { end(); }

  FakeSession& session;
  Receiver receiver;
  std::vector<std::vector<std::string>> sent;  // what this start handed over
  bool hangs = false;          // the holder listens, but answers nothing
  bool endsMeanwhile = false;  // the holder ends while a later start waits for it

  bool claim() override {
    if (!session.holder) session.holder = this;
    return session.holder == this;
  }
  Answer handOver(const std::vector<std::string>& message) override {
    sent.push_back(message);
    FakeSingleInstance* running = session.holder;
    if (running && running->endsMeanwhile) running->end();
    if (!running || !running->receiver.accepts || running->hangs) return Answer::NotReached;
    if (!running->receiver.accepts(message)) return Answer::Refused;
    // The real one applies it once the answer is on its way, which the
    // sender can't tell from this.
    running->receiver.apply(message);
    return Answer::Taken;
  }
  void listen(Receiver r) override { receiver = std::move(r); }
  // The program ends: its place is free for the next start.
  void end() {
    if (session.holder == this) session.holder = nullptr;
    receiver = {};
  }
};

}  // namespace dozorik::fakes
