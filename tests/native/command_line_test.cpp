#include <iterator>
#include <sstream>

#include "app/command_line.h"
#include "native/usage_fixture.h"

namespace dozorik {
namespace {

// What the arguments ask for, as "prah=3 r "; or what is wrong, as "! ...".
std::string read(const Strings& args, const std::string& folder = "C:\\Skripty",
                 const std::string& program = "C:\\Dozorik\\dozorik.exe") {
  const ParsedCommandLine parsed = parseCommandLine(args, folder, program);
  if (!parsed.ok()) return parsed.command == Command{} ? "! " + parsed.error : "half read";
  const Command& c = parsed.command;
  const char* actions[] = {"spustit", "uspat", "vypnut", "restart", "beep"};
  std::ostringstream out;
  if (c.thresholdPosition) out << "prah=" << *c.thresholdPosition << " ";
  if (c.action) out << "akcia=" << actions[static_cast<int>(*c.action)] << " ";
  if (c.file) out << "subor=" << *c.file << " ";
  if (c.parameter) out << "parameter=" << *c.parameter << " ";
  if (c.quietTicks) out << "tikov=" << *c.quietTicks << " ";
  if (c.countdownSeconds) out << "odpocet=" << *c.countdownSeconds << " ";
  if (c.programs) out << "program=" << *c.programs << " ";
  out << (c.stop ? "zrus " : "") << (c.arm ? "r " : "") << (c.help ? "? " : "");
  return out.str();
}

// Values with blanks arrive as Windows splits a command line: one argument
// each, without their quotes.
TEST(CommandLine, SwitchesInAnyCaseWithASlashOrADashEachValueTheNextArgument) {
  const std::pair<Strings, const char*> rows[] = {
      {{"-R"}, "r "},
      {{"/r", "/PRAH", "30"}, "prah=3 r "},
      {{"-Prah", " 80 ", "/akcia", "SPUSTIT"}, "prah=8 akcia=spustit "},
      {{"/akcia", "restart", "/tikov", "3000", "/odpocet", "0"},
       "akcia=restart tikov=3000 odpocet=0 "},
      {{"/subor", "D:\\Hotové\\koniec.cmd", "/parameter", "/r"},
       "subor=D:\\Hotové\\koniec.cmd parameter=/r "},
      {{"/parameter", "", "/program", "ffmpeg; x264"}, "parameter= program=ffmpeg; x264 "},
      {{"-ZRUS", "/r"}, "zrus r "},
      {{"/prah", "95", "-?"}, "? "},
      {{"/odpocet", "600", "/akcia", "vypnut"}, "akcia=vypnut odpocet=600 "},
      {{"/akcia", "uspat"}, "akcia=uspat "},
  };
  for (const auto& [args, asked] : rows) EXPECT_EQ(read(args), asked) << join(args);
}

TEST(CommandLine, AWrongSwitchOrValueIsNamedAndAsksForNothing) {
  const std::string tooLong(41, 'x');
  const std::pair<Strings, std::string> rows[] = {
      {{"/r", "more"}, "! Neznámy prepínač „more“."},
      {{"/r", "/subor"}, "! Prepínaču /subor chýba hodnota."},
      {{"/prah", "35"}, "! Prepínač /prah nepozná hodnotu „35“: môže byť 10, 20, 30 … 80."},
      {{"/tikov", "24"}, "! Prepínač /tikov nepozná hodnotu „24“: môže byť 25 až 3000."},
      {{"/odpocet", "601"}, "! Prepínač /odpocet nepozná hodnotu „601“: môže byť 0 až 600."},
      {{"/akcia", "vypnúť"},
       "! Prepínač /akcia nepozná hodnotu „vypnúť“: môže byť spustit, uspat, vypnut, restart "
       "alebo beep."},
      {{"/parameter", tooLong},
       "! Prepínač /parameter nepozná hodnotu „" + tooLong + "“: môže mať najviac 40 znakov."},
      {{"/prah", "30", "/PRAH", "40"}, "! Prepínač /PRAH je zadaný dvakrát."},
      {{"/prah", "90"}, "! Prepínač /prah nepozná hodnotu „90“: môže byť 10, 20, 30 … 80."},
      {{"/tikov", "3001"}, "! Prepínač /tikov nepozná hodnotu „3001“: môže byť 25 až 3000."},
      {{"/r", "/R"}, "! Prepínač /R je zadaný dvakrát."},
      {{"/rr"}, "! Neznámy prepínač „/rr“."},
  };
  for (const auto& [args, error] : rows) EXPECT_EQ(read(args), error) << join(args);
  // A list of programs up to 1000 characters.
  EXPECT_EQ(read({"/program", std::string(1000, 'p')}), "program=" + std::string(1000, 'p') + " ");
  EXPECT_EQ(read({"/program", std::string(1001, 'p')}).substr(0, 2), "! ");
  std::string forty;  // letters, as the box counts them, not bytes
  for (int i = 0; i < 40; ++i) forty += "ľ";
  EXPECT_EQ(read({"/parameter", forty}), "parameter=" + forty + " ");
}

TEST(CommandLine, ARelativeFileIsTakenFromTheFolderTheStartWasMadeIn) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"C:\\Skripty", "koniec.cmd", "C:\\Skripty\\koniec.cmd"},
      {"C:\\", "koniec.cmd", "C:\\koniec.cmd"},
      {"\\\\nas\\video\\dnes", "\\koniec.cmd", "\\\\nas\\video\\koniec.cmd"},
      {"C:\\Skripty", "D:koniec.cmd", "D:koniec.cmd"},
      {"C:\\Skripty", "\\\\nas\\video\\koniec.cmd", "\\\\nas\\video\\koniec.cmd"},
      {"C:\\Skripty", "", ""},
  };
  for (auto [folder, file, full] : rows) {
    EXPECT_EQ(read({"/subor", file}, folder), "subor=" + std::string(full) + " ") << file;
  }
}

// An older version's run-once command, its path unquoted, reaches the
// program split at the path's blanks. It never armed; it still does nothing.
TEST(CommandLine, PiecesOfTheProgramsOwnUnquotedPathMeanNothingAsBefore) {
  const std::string program = "C:\\Program Files\\Moje Nástroje\\dozorik.exe";
  EXPECT_EQ(read({"files\\moje", "Nástroje\\DOZORIK.exe", "/r"}, "C:\\", program), "");
  EXPECT_EQ(read({"oje", "Nástroje\\dozorik.exe"}, "C:\\", program), "! Neznámy prepínač „oje“.");
}

TEST(CommandLine, TheUsagesExamplesAreGoodCommandLines) {
  std::istringstream usage(commandLineUsage());
  int examples = 0;
  for (std::string line; std::getline(usage, line);) {
    if (line.rfind("    dozorik.exe ", 0) != 0) continue;
    ++examples;
    std::istringstream words(line.substr(16));
    const Strings args{std::istream_iterator<std::string>(words), {}};
    EXPECT_EQ(read(args).substr(read(args).size() - 2), "r ") << line;
  }
  EXPECT_EQ(examples, 2);
}

}  // namespace
}  // namespace dozorik
