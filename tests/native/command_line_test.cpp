#include <sstream>

#include "app/command_line.h"
#include "native/usage_fixture.h"

namespace dozorik {
namespace {

constexpr const char* kFolder = "C:\\Skripty";
constexpr const char* kProgram = "C:\\Dozorik\\dozorik.exe";

const char* word(EndAction action) {
  switch (action) {
    case EndAction::Launch: return "spustit";
    case EndAction::Sleep: return "uspat";
    case EndAction::ShutDown: return "vypnut";
    case EndAction::Restart: return "restart";
    case EndAction::Beep: return "beep";
  }
  return "?";
}

// What the arguments ask for, as "prah=3 r"; or the error, as "! ...".
std::string read(const Strings& args, const std::string& folder = kFolder,
                 const std::string& program = kProgram) {
  const ParsedCommandLine parsed = parseCommandLine(args, folder, program);
  if (!parsed.ok()) {
    EXPECT_EQ(parsed.command, Command{}) << "a bad command line asks for nothing";
    return "! " + parsed.error;
  }
  const Command& c = parsed.command;
  std::string out;
  auto add = [&](const std::string& part) { out += (out.empty() ? "" : " ") + part; };
  if (c.thresholdPosition) add("prah=" + std::to_string(*c.thresholdPosition));
  if (c.action) add(std::string("akcia=") + word(*c.action));
  if (c.file) add("subor=" + *c.file);
  if (c.parameter) add("parameter=" + *c.parameter);
  if (c.quietTicks) add("tikov=" + std::to_string(*c.quietTicks));
  if (c.countdownSeconds) add("odpocet=" + std::to_string(*c.countdownSeconds));
  if (c.programs) add("program=" + *c.programs);
  if (c.stop) add("zrus");
  if (c.arm) add("r");
  if (c.help) add("?");
  return out;
}

// Values with blanks arrive as Windows splits a command line: one argument
// each, their quotes gone.
TEST(CommandLine, EverySwitchInAnyCaseWithASlashOrADash) {
  const std::pair<Strings, const char*> rows[] = {
      {{}, ""},
      {{"/r"}, "r"},
      {{"-R"}, "r"},
      {{"/r", "/PRAH", "30"}, "prah=3 r"},
      {{"-Prah", " 80 "}, "prah=8"},
      {{"/prah", "10", "/akcia", "SPUSTIT"}, "prah=1 akcia=spustit"},
      {{"/akcia", "uspat", "/tikov", "25"}, "akcia=uspat tikov=25"},
      {{"/akcia", "vypnut", "/odpocet", "600"}, "akcia=vypnut odpocet=600"},
      {{"/akcia", "Restart", "/odpocet", "0"}, "akcia=restart odpocet=0"},
      {{"/akcia", "beep", "/tikov", "3000"}, "akcia=beep tikov=3000"},
      {{"/subor", "D:\\Video Hotové\\koniec.cmd", "/parameter", "/ľahko 2"},
       "subor=D:\\Video Hotové\\koniec.cmd parameter=/ľahko 2"},
      {{"/parameter", "/r"}, "parameter=/r"},
      {{"/parameter", ""}, "parameter="},
      {{"/program", "ffmpeg.exe; HandBrakeCLI"}, "program=ffmpeg.exe; HandBrakeCLI"},
      {{"/program", ""}, "program="},
      {{"/zrus"}, "zrus"},
      {{"-ZRUS", "-r"}, "zrus r"},
      {{"/?"}, "?"},
      {{"/prah", "95", "-?"}, "?"},
  };
  for (const auto& [args, asked] : rows) EXPECT_EQ(read(args), asked) << join(args);
}

TEST(CommandLine, AWrongSwitchOrValueIsNamedAndAsksForNothing) {
  const std::string fortyOne(41, 'x');
  const std::pair<Strings, std::string> rows[] = {
      {{"/x"}, "! Neznámy prepínač „/x“."},
      {{"prah", "30"}, "! Neznámy prepínač „prah“."},
      {{"/r", "more"}, "! Neznámy prepínač „more“."},
      {{"/", "/r"}, "! Neznámy prepínač „/“."},
      {{"/prah"}, "! Prepínaču /prah chýba hodnota."},
      {{"/r", "/subor"}, "! Prepínaču /subor chýba hodnota."},
      {{"/prah", "95"}, "! Prepínač /prah nepozná hodnotu „95“: môže byť 10, 20, 30 … 80."},
      {{"/prah", "35"}, "! Prepínač /prah nepozná hodnotu „35“: môže byť 10, 20, 30 … 80."},
      {{"/prah", "0"}, "! Prepínač /prah nepozná hodnotu „0“: môže byť 10, 20, 30 … 80."},
      {{"/prah", "30 %"}, "! Prepínač /prah nepozná hodnotu „30 %“: môže byť 10, 20, 30 … 80."},
      {{"/prah", "/r"}, "! Prepínač /prah nepozná hodnotu „/r“: môže byť 10, 20, 30 … 80."},
      {{"/tikov", "24"}, "! Prepínač /tikov nepozná hodnotu „24“: môže byť 25 až 3000."},
      {{"/tikov", "99999999999"},
       "! Prepínač /tikov nepozná hodnotu „99999999999“: môže byť 25 až 3000."},
      {{"/odpocet", "-1"}, "! Prepínač /odpocet nepozná hodnotu „-1“: môže byť 0 až 600."},
      {{"/odpocet", "601"}, "! Prepínač /odpocet nepozná hodnotu „601“: môže byť 0 až 600."},
      {{"/akcia", "vypnúť"},
       "! Prepínač /akcia nepozná hodnotu „vypnúť“: môže byť spustit, uspat, vypnut, restart "
       "alebo beep."},
      {{"/parameter", fortyOne},
       "! Prepínač /parameter nepozná hodnotu „" + fortyOne + "“: môže mať najviac 40 znakov."},
      {{"/prah", "30", "/r", "/PRAH", "40"}, "! Prepínač /PRAH je zadaný dvakrát."},
      {{"/r", "-r"}, "! Prepínač -r je zadaný dvakrát."},
  };
  for (const auto& [args, error] : rows) EXPECT_EQ(read(args), error) << join(args);
  // Forty letters fill the box, whatever their bytes.
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += "ľ";
  EXPECT_EQ(read({"/parameter", forty}), "parameter=" + forty);
}

TEST(CommandLine, ARelativeFileIsTakenFromTheFolderTheStartWasMadeIn) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"C:\\Skripty", "koniec.cmd", "C:\\Skripty\\koniec.cmd"},
      {"C:\\", "koniec.cmd", "C:\\koniec.cmd"},
      {"C:\\Skripty", "..\\koniec.cmd", "C:\\Skripty\\..\\koniec.cmd"},
      {"C:\\Skripty", "\\koniec.cmd", "C:\\koniec.cmd"},
      {"\\\\nas\\video\\dnes", "\\koniec.cmd", "\\\\nas\\video\\koniec.cmd"},
      {"\\\\nas\\video\\dnes", "koniec.cmd", "\\\\nas\\video\\dnes\\koniec.cmd"},
      {"C:\\Skripty", "D:\\koniec.cmd", "D:\\koniec.cmd"},
      {"C:\\Skripty", "D:koniec.cmd", "D:koniec.cmd"},
      {"C:\\Skripty", "\\\\nas\\video\\koniec.cmd", "\\\\nas\\video\\koniec.cmd"},
      {"C:\\Skripty", "", ""},
  };
  for (auto [folder, file, full] : rows) {
    EXPECT_EQ(read({"/subor", file}, folder), std::string("subor=") + full) << folder << " " << file;
  }
}

// An older version's run-once command, its path unquoted, reaches the
// program split at the path's blanks. It never armed; it still does nothing.
TEST(CommandLine, ThePiecesOfTheProgramsOwnUnquotedPathMeanNothingAsBefore) {
  const std::string program = "C:\\Program Files\\Moje Nástroje\\dozorik.exe";
  EXPECT_EQ(read({"Files\\Moje", "Nástroje\\dozorik.exe", "/r"}, kFolder, program), "");
  EXPECT_EQ(read({"files\\moje", "nástroje\\DOZORIK.EXE", "/r"}, kFolder, program), "");
  EXPECT_EQ(read({"Nástroje\\dozorik.exe", "/r"}, kFolder, program), "")
      << "a shorter tail, after a blank, is still the path's";
  EXPECT_EQ(read({"Files\\Ine\\dozorik.exe", "/r"}, kFolder, program),
            "! Neznámy prepínač „Files\\Ine\\dozorik.exe“.");
  EXPECT_EQ(read({"oje", "Nástroje\\dozorik.exe"}, kFolder, program),
            "! Neznámy prepínač „oje“.") << "pieces start after a blank";
}

// The box lists every switch the program takes, and its examples work.
TEST(CommandLine, TheUsageNamesEverySwitchAndItsExamplesAreGoodCommandLines) {
  const std::string usage = commandLineUsage();
  for (const char* word : {"r", "prah", "akcia", "subor", "parameter", "tikov", "odpocet",
                           "program", "zrus", "?"}) {
    EXPECT_NE(usage.find(std::string("\n/") + word + " "), std::string::npos) << word;
    const std::string named = std::string("/") + word;
    EXPECT_NE(read({named}), "! Neznámy prepínač „" + named + "“.");
  }
  std::istringstream lines(usage);
  int examples = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("    dozorik.exe ", 0) != 0) continue;
    ++examples;
    Strings args;
    std::istringstream words(line.substr(16));
    for (std::string w; words >> w;) args.push_back(w);
    EXPECT_EQ(read(args).rfind("!", 0), std::string::npos) << line;
    EXPECT_TRUE(parseCommandLine(args, kFolder, kProgram).command.arm) << line;
  }
  EXPECT_EQ(examples, 2);
  EXPECT_EQ(commandLineErrorText("Chyba.").rfind("Chyba.\n\nPoužitie: ", 0), 0u);
}

}  // namespace
}  // namespace dozorik
