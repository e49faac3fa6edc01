// The power, token, text-measuring and shell adapters against the real
// system (under Wine in CI). The suspend and exit requests are never made
// here: either would end the session the tests run in.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/power_win32.h"
#include "platform/win32/process_token_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_measure_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

constexpr std::uint32_t kTokenAccess = ProcessToken::kAdjustPrivileges | ProcessToken::kQuery;

// The attributes the token itself reports for a privilege, read past the
// adapter; nothing when the token doesn't hold it.
std::optional<DWORD> attributesInToken(ProcessToken::Handle token, std::uint64_t privilege) {
  HANDLE h = reinterpret_cast<HANDLE>(token);
  DWORD bytes = 0;
  GetTokenInformation(h, TokenPrivileges, nullptr, 0, &bytes);
  if (bytes == 0) return std::nullopt;
  std::vector<unsigned char> buffer(bytes);
  if (!GetTokenInformation(h, TokenPrivileges, buffer.data(), bytes, &bytes)) return std::nullopt;
  const auto* list = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; i < list->PrivilegeCount; ++i) {
    const LUID& luid = list->Privileges[i].Luid;
    const std::uint64_t packed =
        luid.LowPart | (static_cast<std::uint64_t>(static_cast<std::uint32_t>(luid.HighPart)) << 32);
    if (packed == privilege) return list->Privileges[i].Attributes;
  }
  return std::nullopt;
}

TEST(ProcessToken, ShutdownPrivilegeIsSwitchedOnAndOff) {
  Win32ProcessToken tokens;
  const auto token = tokens.open(kTokenAccess);
  ASSERT_TRUE(token.has_value());
  ASSERT_NE(*token, 0u);

  const auto shutdown = tokens.lookupPrivilege("SeShutdownPrivilege");
  ASSERT_TRUE(shutdown.has_value());

  // The packed identifier names the same privilege when unpacked again.
  LUID luid{};
  luid.LowPart = static_cast<DWORD>(*shutdown & 0xFFFFFFFFu);
  luid.HighPart = static_cast<LONG>(*shutdown >> 32);
  wchar_t name[64] = {};
  DWORD length = 64;
  ASSERT_TRUE(LookupPrivilegeNameW(nullptr, &luid, name, &length));
  EXPECT_EQ(narrow(name), "SeShutdownPrivilege");

  EXPECT_TRUE(tokens.adjustPrivilege(*token, *shutdown, ProcessToken::kEnabled));
  if (const auto held = attributesInToken(*token, *shutdown)) {
    EXPECT_NE(*held & SE_PRIVILEGE_ENABLED, 0u);
  }
  EXPECT_TRUE(tokens.adjustPrivilege(*token, *shutdown, 0));
  if (const auto held = attributesInToken(*token, *shutdown)) {
    EXPECT_EQ(*held & SE_PRIVILEGE_ENABLED, 0u);
  }
  tokens.close(*token);
}

TEST(ProcessToken, UnknownPrivilegeHasNoIdentifier) {
  Win32ProcessToken tokens;
  EXPECT_FALSE(tokens.lookupPrivilege("NoSuchPrivilege").has_value());
  EXPECT_FALSE(tokens.lookupPrivilege("").has_value());
}

TEST(Power, BeepReturnsAfterTheTone) { Win32Power().beep(1000, 10); }

// The window's own font: "MS Sans Serif", 8 points at 96 dots per inch.
constexpr const char* kFace = "MS Sans Serif";
constexpr int kHeight = -11;

TEST(TextMeasure, WidthFollowsTheGlyphsTheLengthAndTheWeight) {
  Win32TextMeasure measure;
  EXPECT_EQ(measure.width("", kFace, kHeight, false), 0);
  EXPECT_EQ(measure.width("", kFace, kHeight, true), 0);

  const int wide = measure.width("W", kFace, kHeight, false);
  const int narrowGlyph = measure.width("i", kFace, kHeight, false);
  EXPECT_GT(narrowGlyph, 0);
  EXPECT_GT(wide, narrowGlyph);

  // Slovak letters are widened from UTF-8, not measured as byte pairs.
  const int word = measure.width("Spustiť", kFace, kHeight, false);
  const int longer = measure.width("Spustiť súbor", kFace, kHeight, false);
  EXPECT_GT(word, 0);
  EXPECT_GT(longer, word);
  EXPECT_GE(measure.width("Spustiť súbor", kFace, kHeight, true), longer);

  // A bigger font draws wider; the same call measures the same twice.
  EXPECT_GT(measure.width("Spustiť súbor", kFace, 2 * kHeight, false), longer);
  EXPECT_EQ(measure.width("Spustiť súbor", kFace, kHeight, false), longer);
}

// A folder of its own with a blank in its name, removed afterwards.
class ShellTest : public ::testing::Test {
 protected:
  ShellTest() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    dir_ = narrow(temp) + "dozorik shell " + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(dir_).c_str(), nullptr);
  }
  ~ShellTest() override {
    // The script's interpreter may still hold the output for a moment.
    for (int attempt = 0; attempt < 50; ++attempt) {
      DeleteFileW(widen(path("out.txt")).c_str());
      DeleteFileW(widen(path("echo.cmd")).c_str());
      if (RemoveDirectoryW(widen(dir_).c_str())) break;
      Sleep(100);
    }
  }

  std::string path(const std::string& name) const { return dir_ + "\\" + name; }

  std::string dir_;
};

std::optional<std::string> readFile(const std::string& file) {
  std::ifstream in(widen(file).c_str(), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ShellTest, LaunchesAScriptInAFolderWithABlankWithItsParameter) {
  const std::string script = path("echo.cmd");
  const std::string out = path("out.txt");
  {
    std::ofstream file(widen(script).c_str(), std::ios::binary);
    file << "@echo %1> \"" << out << "\"\r\n";
  }
  ASSERT_TRUE(readFile(script).has_value());

  Win32Shell().open(script, "hello");

  // The script runs in a process of its own; wait for what it writes.
  std::string written;
  for (int attempt = 0; attempt < 150; ++attempt) {
    if (const auto text = readFile(out)) {
      written = *text;
      if (written.find("hello") != std::string::npos) break;
    }
    Sleep(100);
  }
  EXPECT_NE(written.find("hello"), std::string::npos) << "the script wrote: " << written;
}

}  // namespace
}  // namespace dozorik::win32
