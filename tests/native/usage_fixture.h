#pragma once

#include <gtest/gtest.h>

#include "app/usage.h"
#include "fakes/fake_ports.h"
#include "fakes/scripted_sampler.h"

namespace dozorik {

// A main window over fake platform services and a scripted sampler.
class UsageTest : public ::testing::Test {
 protected:
  UsageTest() { app.setTitle("Dozorik"); }

  // One tick of the watch timer, as the timer would deliver it.
  void tick(double fraction) {
    sampler.fractions.push_back(fraction);
    app.dispatch([&] { usage.Timer1.fire(); });
  }
  void ticks(int count, double fraction) {
    for (int i = 0; i < count; ++i) tick(fraction);
  }
  std::string stored(const std::string& name) {
    return fake.registry.value("SOFTWARE\\RuvoSOFTWARE\\Dozorik", name).value_or("<none>");
  }

  fakes::FakePorts fake;
  fakes::ScriptedSampler sampler;
  ui::Application app{fake.messages, fake.pump};
  TUsage usage{fake.ports, app, sampler};
};

}  // namespace dozorik
