// The thin Win32 adapters against the real system (under Wine in CI).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "platform/error.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A key of its own for every test, removed with everything under it.
class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    key_ = "SOFTWARE\\DozorikTests\\" + std::string(info->name()) + "-" +
           std::to_string(GetCurrentProcessId());
  }
  ~RegistryTest() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, widen(key_).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\DozorikTests");  // only when empty
  }

  bool keyExists() const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, widen(key_).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(key);
    return true;
  }

  // Stores raw bytes, bypassing the adapter, the way another tool might.
  void setRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widen(key_).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  Win32Registry registry_;
  std::string key_;
};

TEST_F(RegistryTest, FirstReadCreatesTheEmptyKeyAndFindsNothing) {
  ASSERT_FALSE(keyExists());
  EXPECT_EQ(registry_.readString(key_, "colaps"), "");
  EXPECT_TRUE(keyExists());
}

TEST_F(RegistryTest, WrittenStringsReadBackInAnyLetterCase) {
  const std::string warning = "Program nebol naposledy korektne ukončený !";
  ASSERT_TRUE(registry_.writeString(key_, "Telefon", warning));
  ASSERT_TRUE(registry_.writeString(key_, "Logfile", "true"));
  ASSERT_TRUE(registry_.writeString(key_, "Parameter1", ""));
  EXPECT_EQ(registry_.readString(key_, "Telefon"), warning);
  EXPECT_EQ(registry_.readString(key_, "logfile"), "true");
  EXPECT_EQ(registry_.readString(key_, "Parameter1"), "");

  ASSERT_TRUE(registry_.writeString(key_, "LOGFILE", "false"));  // replaces, not adds
  EXPECT_EQ(registry_.readString(key_, "Logfile"), "false");
}

TEST_F(RegistryTest, ValuesStoredByOtherToolsReadSafely) {
  const DWORD number = 5;
  setRaw(L"Sekund", REG_DWORD, &number, sizeof(number));
  setRaw(L"Expand", REG_EXPAND_SZ, L"%TEMP%", 14);
  setRaw(L"NoNul", REG_SZ, L"abc", 6);   // no terminating NUL
  setRaw(L"Odd", REG_SZ, L"abc", 7);     // half a character at the end
  setRaw(L"Empty", REG_SZ, L"", 0);      // no data at all
  setRaw(L"TwoNuls", REG_SZ, L"ab\0cd", 12);

  EXPECT_EQ(registry_.readString(key_, "Sekund"), "");
  EXPECT_EQ(registry_.readString(key_, "Expand"), "");
  EXPECT_EQ(registry_.readString(key_, "NoNul"), "abc");
  EXPECT_EQ(registry_.readString(key_, "Odd"), "abc");
  EXPECT_EQ(registry_.readString(key_, "Empty"), "");
  EXPECT_EQ(registry_.readString(key_, "TwoNuls"), "ab");
}

TEST_F(RegistryTest, WriteFailsWhenTheKeyCannotBeCreated) {
  // A volatile key can't have a lasting subkey, so creating one fails.
  HKEY key = nullptr;
  const std::string parent = key_ + "\\Volatile";
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widen(parent).c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);

  EXPECT_FALSE(registry_.writeString(parent + "\\Dozorik", "colaps", "true"));
  EXPECT_EQ(registry_.readString(parent + "\\Dozorik", "colaps"), std::nullopt);
}

// A fresh directory under the temp directory, current for the test's run;
// the previous current directory comes back afterwards.
class FilesTest : public ::testing::Test {
 protected:
  FilesTest() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, buffer);
    previous_ = buffer;
    GetTempPathW(MAX_PATH + 1, buffer);
    dir_ = narrow(buffer) + "DozorikFilesTest-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(dir_).c_str(), nullptr);
  }
  ~FilesTest() override {
    SetCurrentDirectoryW(previous_.c_str());
    for (const char* name : {"out.bin", "held.log"}) {
      DeleteFileW(widen(dir_ + "\\" + name).c_str());
    }
    RemoveDirectoryW(widen(dir_).c_str());
  }

  std::string contents(const std::string& name) {
    std::string out;
    if (FILE* f = _wfopen(widen(dir_ + "\\" + name).c_str(), L"rb")) {
      char chunk[256];
      std::size_t n;
      while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0) out.append(chunk, n);
      std::fclose(f);
    }
    return out;
  }

  // The error's text, or "" when nothing was thrown.
  std::string createError(const std::string& name) {
    try {
      files_.create(name);
    } catch (const Error& e) {
      return e.what();
    }
    return {};
  }

  Win32FileSystem files_;
  std::wstring previous_;
  std::string dir_;
};

TEST_F(FilesTest, CreateWritesBytesAndEmptiesAnExistingFile) {
  ASSERT_TRUE(files_.setCurrentDirectory(dir_));
  {
    auto file = files_.create("out.bin");  // relative: lands in the current directory
    file->write("ab\0c\r\n", 6);
    file->write("", 0);
  }
  EXPECT_EQ(contents("out.bin"), std::string("ab\0c\r\n", 6));

  files_.create(dir_ + "\\out.bin");
  EXPECT_EQ(contents("out.bin"), "");
}

TEST_F(FilesTest, CreateFailureNamesTheFullPath) {
  ASSERT_TRUE(files_.setCurrentDirectory(dir_));
  const std::string missing = createError("missing\\dozorik.log");
  EXPECT_EQ(missing.rfind("Cannot create file \"", 0), 0u) << missing;
  EXPECT_NE(lower(missing).find(lower(dir_ + "\\missing\\dozorik.log\". ")), std::string::npos)
      << missing;

  // Another program holding the file without sharing it.
  HANDLE held = CreateFileW(widen(dir_ + "\\held.log").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string shared = createError("held.log");
  CloseHandle(held);
  EXPECT_EQ(shared.rfind("Cannot create file \"", 0), 0u) << shared;
  EXPECT_NE(lower(shared).find(lower(dir_ + "\\held.log\". ")), std::string::npos) << shared;
}

TEST(SystemAdapters, LocaleClockAndProcessAnswerSensibly) {
  Win32Locale locale;
  EXPECT_FALSE(locale.timeFormat().separator.empty());
  EXPECT_FALSE(locale.decimalSeparator().empty());
  EXPECT_EQ(locale.toAnsi("Dozorik 1.7 (CPU < 10 %)"), "Dozorik 1.7 (CPU < 10 %)");
  EXPECT_EQ(locale.toAnsi(""), "");

  const LocalTime now = Win32Clock().now();
  EXPECT_GE(now.year, 2000);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);

  Win32Process process;
  const std::string path = lower(process.modulePath());
  ASSERT_GE(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".exe");
  // The program's own name is not one of its arguments.
  for (const std::string& argument : process.arguments()) {
    const std::string arg = lower(argument);
    EXPECT_FALSE(arg.size() >= 4 && arg.substr(arg.size() - 4) == ".exe") << argument;
  }
}

}  // namespace
}  // namespace dozorik::win32
