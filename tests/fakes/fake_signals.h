#pragma once

// Stand-ins for the sources of the busy signals, answering as Windows does:
// PDH's first reading of a rate has no value and a counter it lacks stays
// lacking; the interface table lists what is there now; processes end and
// start, and one that has ended can't be opened.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/counter_instances.h"
#include "platform/network_interfaces.h"
#include "platform/running_processes.h"

namespace dozorik::fakes {

// One PDH counter. The first reading only collects (NoValue); every later
// one takes the front of `readings` (nothing there: the collection failed).
// Without the counter (`provided` false) every reading is NotProvided.
struct FakeCounterInstances : CounterInstances {
  bool provided = true;
  std::deque<std::optional<std::vector<CounterInstance>>> readings;
  int reads = 0;

  SourceAnswer read(std::vector<CounterInstance>& into) override {
    ++reads;
    if (!provided) return SourceAnswer::NotProvided;
    if (!collected_ || readings.empty()) {
      collected_ = true;
      return SourceAnswer::NoValue;
    }
    const auto next = readings.front();
    readings.pop_front();
    if (!next) return SourceAnswer::NoValue;
    into = *next;
    return SourceAnswer::Read;
  }

 private:
  bool collected_ = false;
};

// The interface table: each reading takes the front of `tables` (nothing
// there, or an empty entry: the call failed).
struct FakeNetworkInterfaces : NetworkInterfaces {
  std::deque<std::optional<std::vector<InterfaceRow>>> tables;
  int reads = 0;

  SourceAnswer read(std::vector<InterfaceRow>& into) override {
    ++reads;
    if (tables.empty() || !tables.front()) {
      if (!tables.empty()) tables.pop_front();
      return SourceAnswer::NoValue;
    }
    into = *tables.front();
    tables.pop_front();
    return SourceAnswer::Read;
  }
};

// Processes that start and end. Identifiers are never reused while a watch
// holds one open, as on Windows.
struct FakeRunningProcesses : RunningProcesses {
  std::map<std::uint32_t, std::string> running;  // id -> image name
  std::set<std::uint32_t> refused;               // open, but not to us
  bool listFails = false;
  int lists = 0;
  int openWatches = 0;

  std::uint32_t start(const std::string& name) {
    running[nextId_] = name;
    return std::exchange(nextId_, nextId_ + 4);
  }
  void end(std::uint32_t id) { running.erase(id); }

  std::optional<std::vector<Entry>> list() override {
    ++lists;
    if (listFails) return std::nullopt;
    std::vector<Entry> entries;
    for (const auto& [id, name] : running) entries.push_back({id, name});
    return entries;
  }

  std::unique_ptr<ExitWatch> watchExit(std::uint32_t id) override {
    if (!running.count(id) || refused.count(id)) return nullptr;
    return std::make_unique<Watch>(*this, id);
  }

 private:
  struct Watch : ExitWatch {
    Watch(FakeRunningProcesses& owner, std::uint32_t id) : owner_(owner), id_(id) {
      ++owner_.openWatches;
    }
    ~Watch() override { --owner_.openWatches; }
    bool ended() override { return !owner_.running.count(id_); }
    FakeRunningProcesses& owner_;
    std::uint32_t id_;
  };

  std::uint32_t nextId_ = 1000;
};

}  // namespace dozorik::fakes
