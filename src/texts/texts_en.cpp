// The texts in English. Those of the main window and its status bar are
// plain ASCII: the window draws them in its bitmap font. The switches of the
// command line and their values are the program's interface, the same in
// every language, so the usage names them as they are.

#include "texts/texts.h"

namespace dozorik {

namespace {

constexpr TextEntry kEnglish[] = {
    // The main window.
    {Text::ProgramName, "Dozorik"},
    {Text::Caption, "Dozorik   =Bystro="},
    {Text::CaptionWatching, "Dozorik   =Bystro=   Working"},
    {Text::LoadShown, "CPU % {1}"},
    {Text::StartHint, "Start"},
    {Text::ThresholdScale, "<10    20   30    40    50    60   70    80 %"},
    {Text::WhatThen, "  What to do then ...  "},
    {Text::TakeScreenshot, "Take a screenshot"},
    {Text::ViewScreenshots, "View Screenshots"},
    {Text::SaveToHint, "Save To:    {1}"},
    {Text::CallWhenDone, "When done, call :"},
    {Text::SecondsUnit, "s"},
    {Text::LaunchFile, "Launch file"},
    {Text::ChooseButton, "..."},
    {Text::ParameterArrows, "==> Parameter ==>"},
    {Text::Sleep, "Sleep"},
    {Text::Restart, "Restart"},
    {Text::ShutDown, "Shut down"},
    {Text::Beep, "Beep"},
    {Text::ArmAtStart, "Arm Dozorik when Windows starts"},
    {Text::LaunchAtStart, "When Windows starts, launch..."},
    {Text::Parameter, "Parameter"},
    {Text::ParameterHint, "For a VirtualDub(Mod) JOBLIST use   /r"},
    {Text::LogFile, "LogFile"},
    {Text::TextLogKind, "txt"},
    {Text::SpreadsheetLogKind, "xls"},
    {Text::ViewLogFile, "View LogFile"},
    {Text::CheckForUpdateHint, "Check for a new version..."},
    {Text::CountdownHint, "Counting down..."},
    {Text::VersionUnknown, "undef"},
    {Text::Version, "Ruvo ({1})"},
    {Text::MoreSettingsMenu, "More settings..."},
    {Text::HelpPage, "navodhtm-en.htm"},

    // The file dialogs.
    {Text::LaunchDialogTitle, "Choose the file to launch when the job is done..."},
    {Text::LaunchDialogFilter,
     "All files|*.*|MPEG, AVI,MP?|*.m2p;*.avi;*.mp?;*.m2v|WAV|*.wav|"
     "EXE,COM,BAT,CMD |*.exe;*.com;*.bat;*.cmd"},
    {Text::ProgramDialogTitle, "Programs to launch..."},
    {Text::ProgramDialogFilter, "Programs|*.exe;*.com;*.bat;*.cmd"},
    {Text::PictureDialogTitle, "Choose a picture to view..."},
    {Text::PictureDialogFilter, "Bitmaps (*.bmp)|*.bmp"},
    {Text::LogDialogTitle, "Open a log file..."},
    {Text::LogDialogFilter,
     "txt-log;  xls-log|dozorik.log;dozorik.xls|Excel|dozorik.xls|Text|dozorik.log"},

    // The status bar.
    {Text::WaitBelow, "Wait for CPU load below: {1} %"},
    {Text::WaitFirstAbove, "First waiting for CPU load above: {1} %"},
    {Text::RecordsElsewhere, "Records are in %LOCALAPPDATA%\\Dozorik"},
    {Text::MessageNotSentStatus, "Message not sent: {1}"},
    {Text::SleepCancelled, "Sleep cancelled"},
    {Text::ShutDownCancelled, "Shutdown cancelled"},
    {Text::RestartCancelled, "Restart cancelled"},
    {Text::LaunchFailed, "Launch failed: {1}"},
    {Text::SleepFailed, "Sleep failed: {1}"},
    {Text::HibernationFailed, "Hibernation failed: {1}"},
    {Text::ShutDownFailed, "Shutdown failed: {1}"},
    {Text::RestartFailed, "Restart failed: {1}"},
    {Text::DisplayOff, "Display off: the computer sleeps by itself"},
    {Text::HeldByGpu, "Still working: GPU {1}"},
    {Text::HeldByDisk, "Still working: disk {1}"},
    {Text::HeldByNetwork, "Still working: network {1}"},
    {Text::HeldByProgram, "Still working: {1}"},
    {Text::HeldByUnknownProgram, "Still working: program {1}"},
    {Text::NoReading, "(no reading)"},

    // Message boxes.
    {Text::Warning, "Warning"},
    {Text::Confirm, "Confirm"},
    {Text::RegistryWriteFailed, "Error writing to the registry!!!({1})"},
    {Text::RunOnceWriteFailed, "Error writing to the registry({1})!!!"},
    {Text::RunOnceReadFailed, "Error reading from the registry(142)!!!"},
    {Text::ProgramPathTooLong,
     "The path to Dozorik is longer than Windows runs at its start (at most 260 characters). "
     "Dozorik will not be armed when Windows starts; move it to a folder with a shorter path."},
    {Text::StartCommandTooLong,
     "The command for the Windows start is longer than 260 characters, and Windows would not run "
     "it, so it was not stored. Shorten the program's path or its parameter."},
    {Text::UncleanEnd, "The program was not closed properly last time!"},
    {Text::UpdateCheckFailed, "The check failed!"},
    {Text::UpdateServerUnreachable, "Could not connect to the server!({1})"},
    {Text::NoNewerVersion, "There is no newer version yet :-)"},
    {Text::NewerVersionFound, "A newer version was found ({1}).  Download it?"},
    {Text::PhoneNumberTooLong, "The phone number is too long: at most {1} characters."},

    // The countdown window.
    {Text::SleepsIn, "The computer sleeps in"},
    {Text::ShutsDownIn, "The computer shuts down in"},
    {Text::RestartsIn, "The computer restarts in"},
    {Text::SecondsLeft, "{1} s"},
    {Text::Now, "Now"},

    // The options window.
    {Text::Ok, "OK"},
    {Text::Cancel, "Cancel"},
    {Text::OptionsCaption, "More settings"},
    {Text::WatchPage, "Watch"},
    {Text::KeepAwakeLabel, "Keep the computer from sleeping:"},
    {Text::KeepAwakeNo, "no"},
    {Text::KeepAwakeSystem, "yes"},
    {Text::KeepAwakeDisplay, "yes, the display too"},
    {Text::KeepAwakeText, "While it watches, rings or counts down, Windows will not sleep."},
    {Text::DisplayText, "A Modern Standby laptop on battery needs \"the display too\"."},
    {Text::QuietTicksLabel, "Quiet ticks that end the watch:"},
    {Text::QuietTicksText, "25 to 3000 ticks of 200 ms; 250 ticks are 50 seconds."},
    {Text::SpikesLabel, "Spikes let pass:"},
    {Text::SpikesText, "Ticks in a row above the threshold that keep the quiet (0 to 50)."},
    {Text::BusyFirst, "Load first"},
    {Text::BusyFirstText, "Quiet ticks count only after 10 ticks in a row above the threshold."},
    {Text::BusiestProcessor, "Busiest processor"},
    {Text::BusiestProcessorText, "The load of the busiest processor instead of the total."},
    {Text::LanguageGroup, "Language"},
    {Text::LanguageSlovak, "slovenčina"},
    {Text::LanguageEnglish, "English"},
    {Text::LanguageText, "The language changes when Dozorik next starts."},
    {Text::EndPage, "End"},
    {Text::CountdownLabel, "Countdown before sleep, shutdown and restart:"},
    {Text::CountdownText, "0 to 600 seconds in which it can be cancelled; 0 acts at once."},
    {Text::Hibernate, "Hibernate instead of sleep"},
    {Text::HibernateText, "Sleep saves the work to disk and turns the computer off."},
    {Text::HibernationOff, "Hibernation is off (powercfg /hibernate on turns it on)."},
    {Text::ForceExit, "Force shutdown and restart"},
    {Text::ForceExitText, "Programs close even with unsaved work, which is lost."},
    {Text::SignalsPage, "Signals"},
    {Text::SignalsText, "The watch goes on while the processor or a signal that is on is busy."},
    {Text::GpuLabel, "Graphics card (%, 0 = off):"},
    {Text::GpuText, "The card's busiest engine, video encoding too (NVENC, Quick Sync)."},
    {Text::DiskLabel, "Disks (MB/s, 0 = off):"},
    {Text::DiskText, "Reads and writes of all disks; Windows writes on its own too."},
    {Text::NetworkLabel, "Network (kB/s, 0 = off):"},
    {Text::NetworkText, "Network cards, not virtual ones; Windows Update downloads too."},
    {Text::ProgramLabel, "Programs, while one of them runs (names separated by ;):"},
    {Text::ProgramText, "For example ffmpeg.exe;HandBrakeCLI.exe; the name alone, no path."},
    {Text::GpuUnavailable,
     "Windows gives no figures of graphics cards (only from Windows 10 version 1709)."},
    {Text::DiskUnavailable, "Windows gives no figures of disk transfers."},
    {Text::NetworkUnavailable, "Windows gives no figures of network card transfers."},
    {Text::ProgramsUnavailable, "Windows gives no list of running programs."},
    {Text::MessagePage, "Message"},
    {Text::MessageLabel, "Message to the phone, an http:// or https:// address (empty = none):"},
    {Text::MessageFormLabel, "Type:"},
    {Text::FormNtfy, "ntfy"},
    {Text::FormJson, "JSON (Discord, Slack)"},
    {Text::FormTelegram, "Telegram"},
    {Text::FormText, "text"},
    {Text::MessageText, "Sent before the end action, which waits for it at most 10 s."},
    {Text::SecretText,
     "The address is written nowhere: not in the records, nor in the status bar."},
    {Text::TestMessage, "Send a test message"},
    {Text::Sending, "Sending..."},

    // The message to the phone.
    {Text::MessageFrom, "Dozorik on {1}: "},
    {Text::MessageFromNoName, "Dozorik: "},
    {Text::WatchEnded, "{1}the job finished at {2} (load below {3} % for {4}). Action: {5}."},
    {Text::ActionFailed, "{1}{2} failed at {3}{4}."},
    {Text::TestMessageText, "{1}a test message at {2}."},
    {Text::DecimalMark, "."},
    {Text::LaunchingTheFile, "launching the file"},
    {Text::PuttingToSleep, "putting the computer to sleep"},
    {Text::ShuttingDown, "shutting down the computer"},
    {Text::Restarting, "restarting the computer"},
    {Text::Beeping, "beeping"},
    {Text::MessageSent, "Message sent (HTTP {1})."},
    {Text::MessageNotSent, "Message not sent: {1}."},
    {Text::HttpStatus, "HTTP {1}"},
    {Text::NoAnswerWithin, "the server did not answer within {1} s"},
    {Text::StillSending, "another message is still being sent"},
    {Text::InvalidAddress, "invalid address"},
    {Text::ServerNotFound, "server not found"},
    {Text::ConnectionRefused, "connection refused"},
    {Text::ConnectionLost, "connection lost"},
    {Text::SecureChannelFailed, "the secure connection (TLS) failed"},
    {Text::CertificateUntrusted, "the server's certificate is not trusted"},
    {Text::CertificateExpired, "the server's certificate is out of its validity"},
    {Text::CertificateWrongName, "the certificate belongs to another server"},
    {Text::CertificateRevoked, "the server's certificate was revoked"},
    {Text::CertificateInvalid, "the server's certificate is invalid"},
    {Text::RedirectRefused, "redirect refused"},
    {Text::ConnectionError, "connection error (code {1})"},
    {Text::AddressMissing, "No address for messages is given."},
    {Text::AddressNotHttp, "The address for messages must begin with http:// or https://."},
    {Text::AddressBlanks,
     "The address for messages must not contain blanks or control characters."},
    {Text::AddressLogin,
     "The address for messages must not contain a name or password (the part before @)."},
    {Text::AddressNoServer, "The address for messages lacks the server's name."},
    {Text::AddressBadServer,
     "The server's name in the address for messages has characters not allowed."},
    {Text::AddressBadPort,
     "The port in the address for messages must be a number from 1 to 65535."},

    // The command line.
    {Text::Usage,
     "Usage: dozorik.exe [switches]\n"
     "\n"
     "/prah N - the processor load threshold in %: 10, 20, 30 ... 80\n"
     "/akcia A - what to do at the end: spustit (launch the file), uspat (sleep), vypnut (shut "
     "down), restart or beep\n"
     "/subor PATH - the file that the action spustit opens\n"
     "/parameter TEXT - its parameter, at most 40 characters\n"
     "/tikov N - quiet ticks that end the watch: 25 to 3000 (a tick is 200 ms)\n"
     "/odpocet N - seconds of countdown before sleep, shutdown and restart: 0 to 600\n"
     "/program NAMES - watch while one of these programs runs (names separated by ;)\n"
     "/zrus - stops the watch or cancels the countdown\n"
     "/r - starts the watch once the other switches are set\n"
     "/? - this help\n"
     "\n"
     "A dash may stand for the slash, and letter case does not matter. Put a value with blanks "
     "in quotes. The settings show in the window and are stored like any other change. If "
     "Dozorik already runs, it takes the switches and no second one opens.\n"
     "\n"
     "After an encode in a batch file:\n"
     "    ffmpeg -i film.avi film.mp4\n"
     "    dozorik.exe /akcia vypnut /odpocet 60 /r\n"
     "\n"
     "Waiting while a program runs:\n"
     "    start \"\" ffmpeg -i film.avi film.mp4\n"
     "    dozorik.exe /program ffmpeg.exe /akcia uspat /r"},
    {Text::UnknownSwitch, "Unknown switch \"{1}\"."},
    {Text::SwitchTwice, "The switch {1} is given twice."},
    {Text::SwitchWithoutValue, "The switch {1} lacks its value."},
    {Text::SwitchBadValue, "The switch {1} does not take the value \"{2}\": {3}."},
    {Text::ThresholdValues, "it may be 10, 20, 30 ... 80"},
    {Text::ActionValues, "it may be spustit, uspat, vypnut, restart or beep"},
    {Text::ParameterValues, "it may have at most 40 characters"},
    {Text::QuietTicksValues, "it may be 25 to 3000"},
    {Text::CountdownValues, "it may be 0 to 600"},
    {Text::ProgramValues, "it may have at most 1000 characters"},
    {Text::SwitchesRefused, "The Dozorik that already runs did not take these switches."},
    {Text::RunningDoesNotAnswer,
     "Dozorik already runs, but does not answer, and did not take the switches. If it shows a "
     "message box, close it; if it runs as administrator, run this command as administrator too."},

    {Text::AwakeReason, "Dozorik: watching a long job and keeping the computer up until it ends."},
};
static_assert(inIdOrder(kEnglish), "every text once, in the order of the ids");

}  // namespace

const TextEntry* englishTable() { return kEnglish; }

}  // namespace dozorik
