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

Verdict judgeTick(bool processorQuiet, const SignalSettings& settings, const Readings& readings,
                  const Texts& texts) {
  Verdict verdict;
  for (Signal signal : kAllSignals) {
    if (holds(signal, settings, readings[signal])) {
      verdict.holder = signal;
      verdict.status = holdText(signal, readings[signal], texts);
      break;
    }
  }
  verdict.quiet = processorQuiet && !verdict.holder;
  return verdict;
}

std::string holdText(Signal signal, const Reading& reading, const Texts& texts) {
  const bool known = reading.state == Reading::State::Value;
  const std::string value = known ? std::to_string(reading.value) : texts[Text::NoReading];
  switch (signal) {
    case Signal::Gpu:
      return texts.format(Text::HeldByGpu, {known ? value + " %" : value});
    case Signal::Disk:
      return texts.format(Text::HeldByDisk, {known ? value + " MB/s" : value});
    case Signal::Network:
      return texts.format(Text::HeldByNetwork, {known ? value + " kB/s" : value});
    case Signal::Program:
      break;
  }
  return known ? texts.format(Text::HeldByProgram, {reading.name})
               : texts.format(Text::HeldByUnknownProgram, {value});
}

std::string unavailableReason(Signal signal, const Texts& texts) {
  switch (signal) {
    case Signal::Gpu:
      return texts[Text::GpuUnavailable];
    case Signal::Disk:
      return texts[Text::DiskUnavailable];
    case Signal::Network:
      return texts[Text::NetworkUnavailable];
    case Signal::Program:
      break;
  }
  return texts[Text::ProgramsUnavailable];
}

}  // namespace dozorik::signals
