#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/usage.h"
#include "fakes/fake_ports.h"
#include "fakes/scripted_sampler.h"

namespace dozorik {

using Strings = std::vector<std::string>;
constexpr const char* kKey = "SOFTWARE\\RuvoSOFTWARE\\Dozorik";
constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

inline std::string join(const Strings& items) {
  std::string all;
  for (const std::string& item : items) all += (all.empty() ? "" : ", ") + item;
  return all;
}

// A main window over fake platform services and a scripted sampler.
class UsageTest : public ::testing::Test {
 protected:
  // A window as started in this language.
  explicit UsageTest(Language language = Language::Slovak) : language_(language) {
    app.setTitle("Dozorik");
    app.setFormHost(&forms);
  }

  // Ticks of the watch timer at one load, delivered as the timer would.
  void ticks(int count, double fraction) {
    for (int i = 0; i < count; ++i) {
      fake.clock.ms += 200;
      sampler.fractions.push_back(fraction);
      app.dispatch([&] { usage.Timer1.fire(); });
    }
  }
  void tick(double fraction) { ticks(1, fraction); }
  void watchToItsEnd() {
    usage.SpeedButton1.click();
    ticks(250, 0.01);
  }
  std::string stored(const std::string& name) { return *fake.registry.readString(kKey, name); }
  // What the window shows of the watch: caption | title | panel 2 | gauge | load | timer.
  std::string shows() {
    return usage.text() + " | " + app.title() + " | " + usage.StatusBar1.panelText(2) + " | " +
           std::to_string(usage.Gauge1.progress()) + " | " + usage.Label5.text() + " | " +
           (usage.Timer1.enabled() ? "on" : "off");
  }
  // The message boxes shown so far, each as "caption: text".
  Strings boxes() {
    Strings out;
    for (auto& m : fake.messages.shown) out.push_back(m.caption + ": " + m.text);
    return out;
  }

  const Language language_;
  fakes::FakePorts fake;
  fakes::FakeFormHost forms;
  fakes::ScriptedSampler sampler;
  ui::Application app{fake.messages, fake.pump};
  TUsage usage{fake.ports, app, sampler, language_};
};

}  // namespace dozorik
