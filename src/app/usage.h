#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actions/countdown_window.h"
#include "actions/ras_dialer.h"
#include "app/options_window.h"
#include "app/watch_options.h"
#include "app/watch_state.h"
#include "cpuload/load_sampler.h"
#include "message/message_sender.h"
#include "message/message_texts.h"
#include "platform/ports.h"
#include "records/text_log.h"
#include "signals/busy_signals.h"
#include "texts/texts.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/string_list.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace dozorik {

struct Command;

// The program's one window. Its controls are the program's state: a box's
// checked flag is the option, an edit's text is the setting. Members are
// declared parents first, and in the order the window stacks them.
class TUsage : public ui::Form {
  // The texts of the language this run was started in; first, as the
  // controls below take their captions from them.
  const Texts texts_;

 public:
  // The language is chosen once, before the window is made; a change in the
  // options window applies at the next start.
  TUsage(Ports& ports, ui::Application& application, LoadSampler& sampler,
         Language language = Language::Slovak);

  // Window events.
  void created() override { FormCreate(); }
  bool closeQuery() override;
  // A session end asks first and may still be cancelled by another program:
  // only its real end stops the watch and saves, as a close does.
  bool sessionEndQuery() override { return true; }
  void sessionEnd(bool ending) override;

  void FormCreate();
  void FormCloseQuery(bool& canClose);

  // The watch: arming, the tick, the stop and the reset.
  void SpeedButton1Click();
  void SpeedButton2Click();
  void Timer1Timer();
  void Poupratuj();
  void TrackBar1Change();

  // The end action and the choice of the file it launches.
  enum class PowerAction { Sleep, ShutDown, Restart };
  void Koniec();
  void Button1Click();
  void RadioButton0Click();
  void Edit2Change();
  bool ShutDownComputer(bool Reboot, bool Force);
  bool WinExit(std::uint32_t Flags);
  bool SetPrivilege(const std::string& PrivilegeName, bool Enable);
  // The end of a ring-out: hang up, then the end action.
  void Timer2Timer();

  // Switches of a later start, handed over while this one runs: looked at
  // while that start waits for the answer, applied after it
  // (command_line_apply.cpp).
  bool acceptsHandOver(const std::vector<std::string>& message);
  void applyHandOver(const std::vector<std::string>& message);

  // The entries for the next Windows start.
  void CheckBox1Click();
  void CheckBox3Click();
  void Button2Click();
  void Edit3Change();

  // The records: the screenshot, the spreadsheet and their viewers.
  void Screenshot();
  bool SaveAsExcelFile2(const ui::StringGrid& Grid, const std::string& FileName);
  void SpeedButton5Click();
  void SpeedButton6Click();

  // The check for a newer version.
  void SpeedButton4Click();
  // Where the check looks; the maker's server unless a test points it at
  // one of its own.
  void useUpdateServer(const std::string& host) { updateServer_ = host; }

  // Small handlers of the window itself.
  void SpeedButton3Click();

  std::string GetAppPath();
  // The folder the records go to, ending in a backslash: the program's, or
  // the user's own where the program's refuses new files.
  std::string recordsFolder();
  std::string regeditread(const std::string& name);
  void regeditwrite(const std::string& name, const std::string& value);

  const WatchState& watch() const { return watch_; }
  const WatchOptions& options() const { return options_; }
  const signals::BusySignals& busySignals() const { return signals_; }

  // Area A: the start panel.
  ui::Panel Panel1{this, "Panel1", {8, 8, 201, 57}};
  ui::PictureButton SpeedButton1{&Panel1, "SpeedButton1", {8, 4, 57, 49}, ui::Picture::Eye};
  ui::ProgressBar Ukazatel1{&Panel1, "Ukazatel1", {80, 5, 105, 33}, 0, 110};
  ui::Label Label5{&Panel1, "Label5", {80, 40, 105, 13}, "", ui::Alignment::Centre};

  // Area B: the threshold.
  ui::Panel Panel4{this, "Panel4", {216, 8, 201, 57}};
  ui::Label Label2{&Panel4, "Label2", {5, 38, 191, 13}, texts_[Text::ThresholdScale]};
  ui::TrackBar TrackBar1{this, "TrackBar1", {224, 20, 185, 25}, 1, 8};

  // Area C: what to do afterwards.
  ui::GroupBox GroupBox1{this, "GroupBox1", {8, 76, 409, 305}, texts_[Text::WhatThen]};
  ui::Panel Panel9{&GroupBox1, "Panel9", {3, 93, 3, 73}};
  ui::Panel Panel2{&GroupBox1, "Panel2", {401, 93, 3, 73}};
  ui::Panel Panel5{&GroupBox1, "Panel5", {1, 170, 407, 3}};
  ui::Panel Panel7{&GroupBox1, "Panel7", {0, 173, 408, 3}};
  ui::Panel Panel3{&GroupBox1, "Panel3", {360, 6, 3, 47}};
  ui::Panel Panel6{&GroupBox1, "Panel6", {360, 50, 48, 3}};
  ui::Panel Panel12{&GroupBox1, "Panel12", {1, 261, 46, 3}};
  ui::Panel Panel11{&GroupBox1, "Panel11", {44, 263, 3, 41}};
  ui::Panel Panel10{&GroupBox1, "Panel10", {366, 262, 41, 3}};
  ui::Panel Panel8{&GroupBox1, "Panel8", {364, 263, 3, 41}};
  ui::CheckBox CheckBox4{&GroupBox1, "CheckBox4", {8, 23, 17, 18}};
  ui::Label Label7{&GroupBox1, "Label7", {26, 26, 89, 13}, texts_[Text::TakeScreenshot]};
  ui::PictureButton SpeedButton5{&GroupBox1, "SpeedButton5", {128, 16, 30, 30},
                                 ui::Picture::Glasses};
  ui::PictureButton SpeedButton3{&GroupBox1, "SpeedButton3", {368, 13, 33, 33},
                                 ui::Picture::QuestionMark};
  ui::CheckBox CheckBox2{&GroupBox1, "CheckBox2", {8, 56, 17, 17}};
  ui::Label Label8{&GroupBox1, "Label8", {26, 58, 95, 13}, texts_[Text::CallWhenDone]};
  ui::Edit Edit1{&GroupBox1, "Edit1", {128, 54, 129, 21}, 20};
  ui::SpinEdit SpinEdit1{&GroupBox1, "SpinEdit1", {264, 54, 41, 22}, 40, 60, 40};
  ui::Label Label4{&GroupBox1, "Label4", {308, 59, 9, 13}, texts_[Text::SecondsUnit]};
  ui::RadioButton RadioButton0{&GroupBox1, "RadioButton0", {8, 96, 89, 17}};
  ui::PushButton Button1{&GroupBox1, "Button1", {96, 96, 25, 17}, texts_[Text::ChooseButton]};
  ui::Label Label1{&GroupBox1, "Label1", {128, 96, 89, 17}, texts_[Text::ParameterArrows]};
  ui::Edit Edit2{&GroupBox1, "Edit2", {224, 94, 169, 21}, 40};
  ui::RadioButton RadioButton1{&GroupBox1, "RadioButton1", {8, 120, 89, 17}};
  ui::RadioButton RadioButton3{&GroupBox1, "RadioButton3", {128, 120, 121, 17}};
  ui::RadioButton RadioButton2{&GroupBox1, "RadioButton2", {8, 144, 105, 17}};
  ui::RadioButton RadioButton4{&GroupBox1, "RadioButton4", {128, 144, 49, 17}};
  ui::CheckBox CheckBox1{&GroupBox1, "CheckBox1", {8, 178, 17, 17}};
  ui::Label Label14{&GroupBox1, "Label14", {28, 180, 163, 13}, texts_[Text::ArmAtStart]};
  ui::CheckBox CheckBox3{&GroupBox1, "CheckBox3", {8, 202, 17, 17}};
  ui::Label Label15{&GroupBox1, "Label15", {28, 204, 172, 13}, texts_[Text::LaunchAtStart]};
  ui::PushButton Button2{&GroupBox1, "Button2", {200, 202, 25, 17}, texts_[Text::ChooseButton]};
  ui::Label Label6{&GroupBox1, "Label6", {240, 204, 48, 13}, texts_[Text::Parameter]};
  ui::Edit Edit3{&GroupBox1, "Edit3", {296, 199, 105, 21}, 250};
  ui::Label Label3{&GroupBox1, "Label3", {28, 221, 369, 17}, ""};
  ui::Label Label16{&GroupBox1, "Label16", {28, 240, 34, 13}, texts_[Text::LogFile]};
  ui::PictureButton SpeedButton6{&GroupBox1, "SpeedButton6", {72, 234, 30, 30},
                                 ui::Picture::Glasses};
  ui::GroupBox GroupBox2{&GroupBox1, "GroupBox2", {120, 234, 97, 33}};
  ui::RadioButton RadioButton5{&GroupBox2, "RadioButton5", {8, 10, 17, 17}};
  ui::Label Label9{&GroupBox2, "Label9", {24, 11, 17, 13}, texts_[Text::TextLogKind]};
  ui::RadioButton RadioButton6{&GroupBox2, "RadioButton6", {56, 10, 17, 17}};
  ui::Label Label10{&GroupBox2, "Label10", {72, 11, 17, 13}, texts_[Text::SpreadsheetLogKind]};
  ui::StringGrid StringGrid1{&GroupBox1, "StringGrid1", {232, 240, 121, 25}, 2, 5};
  ui::PictureButton SpeedButton4{&GroupBox1, "SpeedButton4", {7, 267, 33, 33},
                                 ui::Picture::Globe};
  ui::Gauge Gauge1{&GroupBox1, "Gauge1", {50, 272, 312, 25}, 250};
  ui::PictureButton SpeedButton2{&GroupBox1, "SpeedButton2", {370, 267, 33, 33},
                                 ui::Picture::Stop};
  // Sits on the window, over the group, beside Label16.
  ui::CheckBox CheckBox5{this, "CheckBox5", {16, 314, 17, 17}};

  // Area D: the status bar.
  ui::StatusBar StatusBar1{this, "StatusBar1", {0, 388, 427, 25}, {65, 220, 40}};

  // Area E: the text log's lines, never shown.
  ui::StringList logo{this, "logo", {304, 216, 89, 21}};

  // Area F: components without a place on the window.
  ui::Timer Timer1{"Timer1", 200};
  ui::Timer Timer2{"Timer2", 15000};
  ui::OpenDialog OpenDialog1;
  ui::OpenDialog OpenDialog2;
  ui::OpenDialog OpenPictureDialog1;
  ui::OpenDialog OpenDialog3;

  // The dialer of the latest ring-out; none before the first.
  std::unique_ptr<TRasDialer> Dialer;

  // Further windows: the watch's further options, from the system menu,
  // and the countdown before a sleep, shut-down or restart.
  OptionsWindow Options{texts_};
  CountdownWindow Countdown{texts_};

 private:
  void design();
  void connectEvents();
  // The tick itself; Timer1Timer shows what it put off.
  void watchTick();
  // Lets pending messages run; false when the watch this tick belongs to was
  // stopped (or replaced) meanwhile, or a later tick took over.
  bool pumpAndCheckWatch(int watchSerial, int tickSerial);
  void recordLoad();
  void endOfWatch();
  void startRingOut();
  // A box that would hold up the end of a watch waits until the tick is
  // done: an error of a record, a refused dial, a registry write.
  void report(const std::string& error);
  void showPutOffBoxes();
  void setLaunchHints(const std::string& hint);
  void showAfterStartCommand(const std::string& command);
  void restoreRunOnceEntries();
  // The switches: this start's own, or a later start's, set as the user sets
  // the controls and options.
  void applyStartSwitches();
  void applyCommand(const Command& command);
  void storeFurtherOptions(const WatchOptions& options, const signals::SignalSettings& signals);
  void saveSettings();
  void saveLaunchAfterStart();
  void showPlainMessage(const std::string& text);
  // A record's full name, its folder made when first needed.
  std::string recordPath(const std::string& name);

  // The further options.
  void useOptions(const WatchOptions& options);
  void showOptions();
  void OptionsOkClick();
  // The load the tick looks at: the last instance (the total), or the
  // busiest processor.
  double sampledFraction();
  // The tick's verdict over the processor and the signals that are on; the
  // status bar names a signal that holds a quiet processor's run.
  bool quietTick(bool processorQuiet);
  void keepAwakeWhileWatching();

  // The power actions, and the countdown before them.
  void powerAction(PowerAction action);
  void runPowerAction(PowerAction action);
  void sleepComputer();
  // `what` names the action that failed, with a place for the reason.
  void actionFailed(EndAction action, Text what, const std::string& reason);

  // The message to the phone.
  EndAction chosenEndAction() const;
  std::string messageTime();
  void sendEndMessage(const std::string& text);
  void sendWatchEndedMessage();
  void OptionsTestMessageClick();
  void CountdownTick();
  void endCountdown(bool act);

  Ports& ports_;
  ui::Application& application_;
  LoadSampler& sampler_;
  WatchState watch_;
  TextLogFile textLog_;
  std::string updateServer_;
  int tickSerial_ = 0;    // counts the ticks: a later one supersedes a tick that let messages run
  int tickDepth_ = 0;     // ticks under way, a nested one counted too
  struct PutOffBox {
    std::string text;
    bool error;  // an error box; else a plain message
  };
  std::vector<PutOffBox> putOffBoxes_;
  bool closing_ = false;  // the close query has run: the window is going away
  WatchOptions options_;
  signals::BusySignals signals_;
  MessageSettings message_;  // where the message goes; no address: none is sent
  std::string holdShown_;  // the status bar's text of the signal that holds, if any
  Power::Awake keptAwake_ = Power::Awake::No;  // what the system is asked to keep up
  PowerAction countdownAction_ = PowerAction::Sleep;
  std::optional<std::string> recordsFolder_;  // decided at the first need
  bool recordsFolderMade_ = false;            // the per-user folder, when used
  std::string exitRefusal_;  // the system's reason when it refused the last exit request
  int secondsLeft_ = 0;
  int watchSerial_ = 0;
  // The language chosen for the next start, as the options window shows it.
  Language nextLanguage_;
};

}  // namespace dozorik
