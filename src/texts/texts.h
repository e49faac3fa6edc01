#pragma once

// Every text the program shows, in each of its languages: one table per
// language (texts_sk.cpp, texts_en.cpp), looked up by the text's id. The
// language is chosen once at start, from the value "Jazyk" of the program's
// key, and handed to whatever shows a text.
//
// A text may hold places for values, {1}, {2}, ..., which the same text in
// the other language holds too, in whatever order its sentence needs them.
// The main window's texts are drawn in its bitmap font: its English texts
// are plain ASCII, its Slovak ones have no marks where the window never had.
// The files the program writes, its registry values and its switches are no
// texts: they stay the same in every language.

#include <cstddef>
#include <initializer_list>
#include <string>

namespace dozorik {

enum class Language { Slovak, English };

// The registry value that holds the language, and what it holds: "sk" or
// "en", in any letter case and with blanks around; anything else, or none,
// is Slovak.
inline constexpr const char* kLanguageValue = "Jazyk";
Language languageNamed(const std::string& value);
const char* languageValue(Language language);

enum class Text {
  // The main window.
  ProgramName,  // the taskbar title and the boxes' caption
  Caption,
  CaptionWatching,
  LoadShown,
  StartHint,
  ThresholdScale,
  WhatThen,
  TakeScreenshot,
  ViewScreenshots,
  SaveToHint,
  CallWhenDone,
  SecondsUnit,
  LaunchFile,
  ChooseButton,
  ParameterArrows,
  Sleep,
  Restart,
  ShutDown,
  Beep,
  ArmAtStart,
  LaunchAtStart,
  Parameter,
  ParameterHint,
  LogFile,
  TextLogKind,
  SpreadsheetLogKind,
  ViewLogFile,
  CheckForUpdateHint,
  CountdownHint,
  VersionUnknown,
  Version,
  MoreSettingsMenu,
  HelpPage,  // the help page's file name, beside the program

  // The file dialogs.
  LaunchDialogTitle,
  LaunchDialogFilter,
  ProgramDialogTitle,
  ProgramDialogFilter,
  PictureDialogTitle,
  PictureDialogFilter,
  LogDialogTitle,
  LogDialogFilter,

  // The status bar.
  WaitBelow,
  WaitFirstAbove,
  RecordsElsewhere,
  MessageNotSentStatus,
  SleepCancelled,
  ShutDownCancelled,
  RestartCancelled,
  LaunchFailed,
  SleepFailed,
  HibernationFailed,
  ShutDownFailed,
  RestartFailed,
  DisplayOff,
  HeldByGpu,
  HeldByDisk,
  HeldByNetwork,
  HeldByProgram,
  HeldByUnknownProgram,
  NoReading,

  // Message boxes.
  Warning,
  Confirm,
  RegistryWriteFailed,
  RunOnceWriteFailed,
  RunOnceReadFailed,
  ProgramPathTooLong,
  StartCommandTooLong,
  UncleanEnd,
  UpdateCheckFailed,
  UpdateServerUnreachable,
  NoNewerVersion,
  NewerVersionFound,
  PhoneNumberTooLong,

  // The countdown window.
  SleepsIn,
  ShutsDownIn,
  RestartsIn,
  SecondsLeft,
  Now,

  // The options window; Cancel is the countdown's too.
  Ok,
  Cancel,
  OptionsCaption,
  WatchPage,
  KeepAwakeLabel,
  KeepAwakeNo,
  KeepAwakeSystem,
  KeepAwakeDisplay,
  KeepAwakeText,
  DisplayText,
  QuietTicksLabel,
  QuietTicksText,
  SpikesLabel,
  SpikesText,
  BusyFirst,
  BusyFirstText,
  BusiestProcessor,
  BusiestProcessorText,
  LanguageGroup,
  LanguageSlovak,
  LanguageEnglish,
  LanguageText,
  EndPage,
  CountdownLabel,
  CountdownText,
  Hibernate,
  HibernateText,
  HibernationOff,
  ForceExit,
  ForceExitText,
  SignalsPage,
  SignalsText,
  GpuLabel,
  GpuText,
  DiskLabel,
  DiskText,
  NetworkLabel,
  NetworkText,
  ProgramLabel,
  ProgramText,
  GpuUnavailable,
  DiskUnavailable,
  NetworkUnavailable,
  ProgramsUnavailable,
  MessagePage,
  MessageLabel,
  MessageFormLabel,
  FormNtfy,
  FormJson,
  FormTelegram,
  FormText,
  MessageText,
  SecretText,
  TestMessage,
  Sending,

  // The message to the phone.
  MessageFrom,
  MessageFromNoName,
  WatchEnded,
  ActionFailed,
  TestMessageText,
  DecimalMark,
  LaunchingTheFile,
  PuttingToSleep,
  ShuttingDown,
  Restarting,
  Beeping,
  MessageSent,
  MessageNotSent,
  HttpStatus,
  NoAnswerWithin,
  StillSending,
  InvalidAddress,
  ServerNotFound,
  ConnectionRefused,
  ConnectionLost,
  SecureChannelFailed,
  CertificateUntrusted,
  CertificateExpired,
  CertificateWrongName,
  CertificateRevoked,
  CertificateInvalid,
  RedirectRefused,
  ConnectionError,
  AddressMissing,
  AddressNotHttp,
  AddressBlanks,
  AddressLogin,
  AddressNoServer,
  AddressBadServer,
  AddressBadPort,

  // The command line.
  Usage,
  UnknownSwitch,
  SwitchTwice,
  SwitchWithoutValue,
  SwitchBadValue,
  ThresholdValues,
  ActionValues,
  ParameterValues,
  QuietTicksValues,
  CountdownValues,
  ProgramValues,
  SwitchesRefused,
  RunningDoesNotAnswer,

  // The system's record of why the machine stays up (powercfg /requests).
  AwakeReason,

  Count
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(Text::Count);

// One entry of a language's table. Each table lists every text once, in the
// order of the ids, which the compiler checks (inIdOrder).
struct TextEntry {
  Text id;
  const char* text;
};

template <std::size_t N>
constexpr bool inIdOrder(const TextEntry (&table)[N]) {
  if (N != kTextCount) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i].id != static_cast<Text>(i)) return false;
  }
  return true;
}

// The texts of one language. Small and immutable: handed around by value.
class Texts {
 public:
  Texts() : Texts(Language::Slovak) {}
  explicit Texts(Language language);

  Language language() const { return language_; }
  // The text as its table has it, places for values included.
  const char* operator[](Text id) const { return table_[static_cast<std::size_t>(id)].text; }
  // The text with {1} replaced by the first value, {2} by the second, ...
  std::string format(Text id, std::initializer_list<std::string> values) const;

 private:
  Language language_;
  const TextEntry* table_;
};

}  // namespace dozorik
