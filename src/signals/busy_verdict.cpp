#include "signals/busy_verdict.h"

namespace dozorik::signals {

Reading& Readings::operator[](Signal signal) {
  return const_cast<Reading&>(static_cast<const Readings&>(*this)[signal]);
}

const Reading& Readings::operator[](Signal signal) const {
  switch (signal) {
    case Signal::Gpu:
      return gpu;
    case Signal::Disk:
      return disk;
    case Signal::Network:
      return network;
    case Signal::Program:
      break;
  }
  return program;
}

bool holds(Signal signal, const SignalSettings& settings, const Reading& reading) {
  if (!settings.on(signal)) return false;
  switch (reading.state) {
    case Reading::State::Unavailable:
      return false;
    case Reading::State::NoValue:
      return true;
    case Reading::State::Value:
      break;
  }
  return reading.value >= settings.threshold(signal);
}

Verdict judgeTick(bool processorQuiet, const SignalSettings& settings, const Readings& readings) {
  Verdict verdict;
  for (Signal signal : kAllSignals) {
    if (holds(signal, settings, readings[signal])) {
      verdict.holder = signal;
      verdict.status = holdText(signal, readings[signal]);
      break;
    }
  }
  verdict.quiet = processorQuiet && !verdict.holder;
  return verdict;
}

std::string holdText(Signal signal, const Reading& reading) {
  const bool known = reading.state == Reading::State::Value;
  const std::string value = known ? std::to_string(reading.value) : "(bez udajov)";
  switch (signal) {
    case Signal::Gpu:
      return "Este pracuje: GPU " + (known ? value + " %" : value);
    case Signal::Disk:
      return "Este pracuje: disk " + (known ? value + " MB/s" : value);
    case Signal::Network:
      return "Este pracuje: siet " + (known ? value + " kB/s" : value);
    case Signal::Program:
      break;
  }
  return "Este pracuje: " + (known ? reading.name : "program " + value);
}

std::string unavailableReason(Signal signal) {
  switch (signal) {
    case Signal::Gpu:
      return "Windows neposkytuje údaje o grafickej karte (až od Windows 10 verzie 1709).";
    case Signal::Disk:
      return "Windows neposkytuje údaje o prenose z diskov.";
    case Signal::Network:
      return "Windows neposkytuje údaje o prenose cez sieťové karty.";
    case Signal::Program:
      break;
  }
  return "Windows neposkytuje zoznam bežiacich programov.";
}

}  // namespace dozorik::signals
