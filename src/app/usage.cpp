#include "app/usage.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "app/time_of_day.h"
#include "platform/error.h"
#include "update/update_check.h"

namespace dozorik {

namespace {

constexpr const char* kTextLogName = "dozorik.log";
constexpr const char* kSpreadsheetName = "Dozorik.xls";
constexpr int kGridDesignRows = 5;

// The whole percentage of a load, as the integer conversion of its decimal
// text would give it: values beyond a 32-bit integer are an error.
int wholePercent(double loadValue) {
  const double whole = std::trunc(loadValue);
  if (!(whole < 2147483648.0)) {
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", whole);
    throw Error(std::string("'") + digits + "' is not a valid integer value");
  }
  return static_cast<int>(whole);
}

ui::Font navy(int height = -11, bool bold = false) {
  ui::Font font;
  font.height = height;
  font.bold = bold;
  font.colour = ui::Colour::Navy;
  return font;
}

}  // namespace

TUsage::TUsage(Ports& ports, ui::Application& application, LoadSampler& sampler,
               Language language)
    : ui::Form("Usage", 427, 413),
      texts_(language),
      OpenDialog1(ports.dialogs, texts_[Text::LaunchDialogTitle], texts_[Text::LaunchDialogFilter]),
      OpenDialog2(ports.dialogs, texts_[Text::ProgramDialogTitle],
                  texts_[Text::ProgramDialogFilter]),
      OpenPictureDialog1(ports.dialogs, texts_[Text::PictureDialogTitle],
                         texts_[Text::PictureDialogFilter], true),
      OpenDialog3(ports.dialogs, texts_[Text::LogDialogTitle], texts_[Text::LogDialogFilter]),
      ports_(ports),
      application_(application),
      sampler_(sampler),
      // Every record is written by its full name: the current directory is
      // whatever Windows or a file dialog left.
      textLog_(ports.files, ports.locale, kTextLogName),
      updateServer_(kUpdateServer),
      signals_({ports.gpuEngines, ports.disks, ports.network, ports.processes}, texts_),
      nextLanguage_(language) {
  addTimer(Timer1);
  addTimer(Timer2);
  addSystemMenuItem(texts_[Text::MoreSettingsMenu], [this] { showOptions(); });
  design();
  connectEvents();
}

// The window as designed, before any setting is restored.
void TUsage::design() {
  setText(texts_[Text::Caption]);

  SpeedButton1.setHint(texts_[Text::StartHint]);
  SpeedButton1.setCursor(ui::Cursor::Hand);

  GroupBox1.setFont(navy());
  ui::Font black;
  black.colour = ui::Colour::Black;
  Label3.setFont(black);
  Button1.setFont(navy(-13, true));
  Button2.setFont(navy(-13, true));
  CheckBox5.setFont(navy());

  SpeedButton5.setHint(texts_[Text::ViewScreenshots]);
  Edit1.setText("9876543210");
  Edit1.setCursor(ui::Cursor::IBeam);
  RadioButton0.setText(texts_[Text::LaunchFile]);
  RadioButton1.setText(texts_[Text::Sleep]);
  RadioButton3.setText(texts_[Text::Restart]);
  RadioButton2.setText(texts_[Text::ShutDown]);
  RadioButton4.setText(texts_[Text::Beep]);
  RadioButton4.setChecked(true);
  Edit3.setHint(texts_[Text::ParameterHint]);
  SpeedButton6.setHint(texts_[Text::ViewLogFile]);
  RadioButton5.setChecked(true);
  StringGrid1.setVisible(false);
  SpeedButton4.setHint(texts_[Text::CheckForUpdateHint]);
  Gauge1.setHint(texts_[Text::CountdownHint]);
  StatusBar1.setPanelText(0, texts_[Text::VersionUnknown]);
  logo.setVisible(false);
}

void TUsage::connectEvents() {
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  SpeedButton3.onClick = [this] { SpeedButton3Click(); };
  SpeedButton4.onClick = [this] { SpeedButton4Click(); };
  SpeedButton5.onClick = [this] { SpeedButton5Click(); };
  SpeedButton6.onClick = [this] { SpeedButton6Click(); };
  TrackBar1.onChange = [this] { TrackBar1Change(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  Timer2.onTimer = [this] { Timer2Timer(); };
  RadioButton0.onClick = [this] { RadioButton0Click(); };
  Button1.onClick = [this] { Button1Click(); };
  Edit2.onChange = [this] { Edit2Change(); };
  CheckBox1.onClick = [this] { CheckBox1Click(); };
  CheckBox3.onClick = [this] { CheckBox3Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Edit3.onChange = [this] { Edit3Change(); };

  // A caption label toggles its box, which then runs the box's own handler.
  auto toggles = [](ui::CheckBox& box) { return [&box] { box.setChecked(!box.checked()); }; };
  Label7.onClick = toggles(CheckBox4);
  Label8.onClick = toggles(CheckBox2);
  Label14.onClick = toggles(CheckBox1);
  Label15.onClick = toggles(CheckBox3);
  Label16.onClick = toggles(CheckBox5);

  Options.Ok.onClick = [this] { OptionsOkClick(); };
  Options.TestMessage.onClick = [this] { OptionsTestMessageClick(); };
  Options.Cancel.onClick = [this] { application_.closeForm(Options); };
  Countdown.Tick.onTimer = [this] { CountdownTick(); };
  Countdown.Now.onClick = [this] { endCountdown(true); };
  Countdown.Cancel.onClick = [this] { endCountdown(false); };
  Countdown.onClose = [this] { endCountdown(false); };
}

std::string TUsage::GetAppPath() {
  const std::string path = ports_.process.modulePath();
  const std::size_t end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

void TUsage::SpeedButton1Click() {
  if (SpeedButton1.tag() == 1) return;
  SpeedButton1.setTag(1);
  Timer1.setEnabled(true);
  ++watchSerial_;
  setText(texts_[Text::CaptionWatching]);
  watch_.arm(options_);  // QuietTicks and LogRow back to 0
  // A new watch's export must not carry rows of an earlier, longer one.
  StringGrid1.clear(kGridDesignRows);
  regeditwrite("Start", shortTimeOfDay(ports_.clock.now(), ports_.locale.timeFormat()));
  StatusBar1.setPanelText(2, regeditread("Start") + " ==> ???");
  SpeedButton6.setVisible(false);
  GroupBox2.setEnabled(false);
  // The threshold's line (or the busy start's) replaces what the last end
  // left there.
  TrackBar1Change();
  keepAwakeWhileWatching();
}

void TUsage::SpeedButton2Click() {
  // Whoever presses stop is at the computer: a countdown to a power action
  // is cancelled too.
  if (Countdown.Tick.enabled()) endCountdown(false);
  // Unarmed first, so that a tick run by the hang-up's pending messages does
  // not count for the watch being stopped.
  SpeedButton1.setTag(0);
  try {
    // A ringing phone is hung up at once: the end action comes now.
    if (Timer2.enabled()) Timer2Timer();
    if (Timer1.enabled()) {
      if (CheckBox5.checked() && RadioButton6.checked())
        SaveAsExcelFile2(StringGrid1, recordPath(kSpreadsheetName));
      Poupratuj();
    }
  } catch (...) {
    // A stop that failed half-way (the spreadsheet can't be written, the
    // hang-up was refused) is no stop: a watch still armed goes on counting
    // and can end by itself.
    if (Timer1.enabled()) SpeedButton1.setTag(1);
    throw;
  }
}

void TUsage::Poupratuj() {
  SpeedButton1.setTag(0);
  Timer1.setEnabled(false);
  keepAwakeWhileWatching();
  setText(texts_[Text::Caption]);
  application_.setTitle(texts_[Text::ProgramName]);
  regeditwrite("End", shortTimeOfDay(ports_.clock.now(), ports_.locale.timeFormat()));
  regeditwrite("Launchafter", OpenDialog1.fileName());
  StatusBar1.setPanelText(2, regeditread("Start") + " ==> " + regeditread("End"));
  Gauge1.setProgress(0);
  Ukazatel1.setPosition(0);
  Label5.setText("");
  SpeedButton6.setVisible(true);
  GroupBox2.setEnabled(true);
  // No longer waiting for the load to rise, nor held by a signal.
  if (!watch_.Counting || !holdShown_.empty()) TrackBar1Change();
}

void TUsage::TrackBar1Change() {
  holdShown_.clear();  // a signal still holding says so again at the next tick
  const std::string threshold = std::to_string(TrackBar1.position() * 10);
  const Text waiting = Timer1.enabled() && !watch_.Counting ? Text::WaitFirstAbove : Text::WaitBelow;
  StatusBar1.setPanelText(1, texts_.format(waiting, {threshold}));
}

void TUsage::SpeedButton3Click() { ports_.shell.open(GetAppPath() + texts_[Text::HelpPage], ""); }

bool TUsage::pumpAndCheckWatch(int watchSerial, int tickSerial) {
  application_.processMessages();
  return SpeedButton1.tag() == 1 && watchSerial_ == watchSerial && tickSerial_ == tickSerial;
}

void TUsage::report(const std::string& error) {
  if (tickDepth_ > 0) {
    putOffBoxes_.push_back({error, true});
  } else {
    application_.reportError(error);
  }
}

void TUsage::showPutOffBoxes() {
  if (tickDepth_ > 0) return;
  for (const PutOffBox& box : std::exchange(putOffBoxes_, {})) {
    if (box.error) {
      application_.reportError(box.text);
    } else {
      showPlainMessage(box.text);
    }
  }
}

// Nothing the tick raises or reports holds up the watch: its boxes appear
// once it is done, and the ticks go on beneath them.
void TUsage::Timer1Timer() {
  ++tickDepth_;
  try {
    watchTick();
  } catch (...) {
    --tickDepth_;
    showPutOffBoxes();
    throw;
  }
  --tickDepth_;
  showPutOffBoxes();
}

void TUsage::watchTick() {
  // A tick that arrives while this one lets messages run (a window opened
  // meanwhile runs its own loop) takes over: this one's sample is then the
  // older, and it ends at its next look.
  const int serial = ++tickSerial_;
  const int watch = watchSerial_;

  // A failed reading is no sample: nothing is shown, recorded or counted.
  if (!sampler_.TakeCpuSample()) return;
  watch_.LoadValue = sampledFraction() * 100;
  if (!(watch_.LoadValue >= 0)) watch_.LoadValue = 0;
  watch_.LoadPercent = wholePercent(watch_.LoadValue);
  if (watch_.LoadPercent > 100 || watch_.LoadPercent < 0) watch_.LoadPercent = 0;

  const std::string shown = texts_.format(Text::LoadShown, {std::to_string(watch_.LoadPercent)});
  Ukazatel1.setPosition(watch_.LoadPercent);
  Label5.setText(shown);
  application_.setTitle(shown);

  // A record that can't be written (a folder that refuses, a file another
  // program holds) is reported and skipped: the watch counts on.
  if (CheckBox5.checked()) {
    try {
      recordLoad();
    } catch (const std::exception& e) {
      report(e.what());
    }
  }

  // Whatever ran meanwhile may have stopped this watch: a stopped watch must
  // not go on to count, let alone reach its end action.
  if (!pumpAndCheckWatch(watch, serial)) return;

  const bool waited = !watch_.Counting;
  const bool quiet = quietTick(TrackBar1.position() * 10 > watch_.LoadPercent);
  watch_.countTick(quiet, options_);
  if (waited && watch_.Counting) TrackBar1Change();
  Gauge1.setProgress(watch_.QuietTicks);
  // Only a quiet tick ends a watch: not a spike let pass, nor a busy tick
  // after the quiet length was lowered below the count.
  if (!quiet || watch_.QuietTicks < options_.quietTicks) return;

  // The end of the watch. The picture shows the window still watching.
  if (CheckBox4.checked()) {
    if (!pumpAndCheckWatch(watch, serial)) return;
    try {
      Screenshot();
    } catch (const std::exception& e) {
      report(e.what());
    }
  }
  ports_.files.setCurrentDirectory(GetAppPath());
  if (CheckBox5.checked() && RadioButton6.checked()) {
    try {
      SaveAsExcelFile2(StringGrid1, recordPath(kSpreadsheetName));
    } catch (const std::exception& e) {
      report(e.what());
    }
  }
  Poupratuj();
  sendWatchEndedMessage();
  endOfWatch();
}

// The ring-out, then the end action; or the end action at once. A ring-out
// that can't start (a refused dial, no modem) does not cost the end action.
void TUsage::endOfWatch() {
  if (!CheckBox2.checked()) {
    Koniec();
    return;
  }
  try {
    startRingOut();
  } catch (const std::exception& e) {
    report(e.what());
    if (!Timer2.enabled()) Koniec();
  }
}

bool TUsage::quietTick(bool processorQuiet) {
  signals_.update(ports_.clock.milliseconds());
  const signals::Verdict verdict = signals_.judge(processorQuiet);
  // Only while the processor is quiet is a signal what holds the watch up.
  const std::string hold = processorQuiet && verdict.holder ? verdict.status : std::string();
  if (hold != holdShown_) {
    holdShown_ = hold;
    if (hold.empty()) {
      TrackBar1Change();
    } else {
      StatusBar1.setPanelText(1, hold);
    }
  }
  return verdict.quiet;
}

double TUsage::sampledFraction() {
  const int count = sampler_.CpuInstanceCount();
  double fraction = sampler_.CpuLoadFraction(count - 1);
  if (!options_.busiestProcessor) return fraction;
  // One busy processor of many is a low total: the job may still run. The
  // total, where the data lists one, is their average and never the most.
  for (int i = 0; i + 1 < count; ++i) fraction = std::fmax(fraction, sampler_.CpuLoadFraction(i));
  return fraction;
}

void TUsage::keepAwakeWhileWatching() {
  // Held through a countdown too: a short sleep timeout must not put the
  // machine to sleep before the action it counts down to.
  const bool needed = !closing_ && (Timer1.enabled() || Timer2.enabled() || Countdown.Tick.enabled());
  const Power::Awake wanted = needed ? options_.keepAwake : Power::Awake::No;
  if (wanted == keptAwake_) return;
  keptAwake_ = wanted;
  ports_.power.keepAwake(wanted);
}

void TUsage::recordLoad() {
  const std::string time = longTimeOfDay(ports_.clock.now(), ports_.locale.timeFormat());
  const std::string percent = std::to_string(watch_.LoadPercent);
  if (RadioButton5.checked()) {
    logo.add(time + "  " + percent + "%");
    ports_.files.setCurrentDirectory(GetAppPath());
    textLog_.setFileName(recordPath(kTextLogName));
    textLog_.save(logo.items());
  } else {
    StringGrid1.setCell(0, watch_.LogRow, time);
    StringGrid1.setCell(1, watch_.LogRow, percent);
    ++watch_.LogRow;
    StringGrid1.setRowCount(watch_.LogRow + 1);
  }
}

}  // namespace dozorik
