// Screen capture and the file operations added for the records.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/screen_win32.h"
#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(Screen, CaptureCopiesThePrimaryDisplay) {
  // A pure red square on top of everything, where the capture must find it.
  constexpr int kLeft = 40, kTop = 50, kSide = 120;
  UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hbrBackground = red.get();
  cls.lpszClassName = L"DozorikScreenTestRed";
  ASSERT_TRUE(RegisterClassW(&cls));
  UniqueWindow square(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls.lpszClassName, L"",
                                      WS_POPUP, kLeft, kTop, kSide, kSide, nullptr, nullptr,
                                      cls.hInstance, nullptr));
  ASSERT_TRUE(square);
  ShowWindow(square.get(), SW_SHOWNOACTIVATE);
  UpdateWindow(square.get());
  pumpMessages();
  GdiFlush();

  const int x = kLeft + kSide / 2, y = kTop + kSide / 2;
  COLORREF shown = CLR_INVALID;  // what the system itself reads at that point
  if (WindowDc screen = WindowDc::whole(GetDesktopWindow())) shown = GetPixel(screen.get(), x, y);

  const ScreenPicture picture = Win32Screen().capturePrimaryDisplay();
  square.reset();
  UnregisterClassW(cls.lpszClassName, cls.hInstance);

  ASSERT_EQ(picture.width, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(picture.height, GetSystemMetrics(SM_CYSCREEN));
  ASSERT_EQ(picture.pixels.size(),
            static_cast<std::size_t>(picture.width) * picture.height * 3);

  const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 3;
  const std::string pixel(picture.pixels.begin() + at, picture.pixels.begin() + at + 3);
  if (shown != RGB(255, 0, 0)) {
    GTEST_SKIP() << "the display did not show the red square; only the size was checked";
  }
  EXPECT_EQ(pixel, std::string("\x00\x00\xff", 3)) << "blue, green, red expected";
  // The desktop's own pixel at the corner is not red: the capture is no fill.
  EXPECT_NE(std::string(picture.pixels.begin(), picture.pixels.begin() + 3), pixel);
}

class FilesAppendTest : public ::testing::Test {
 protected:
  FilesAppendTest() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buffer);
    dir_ = narrow(buffer) + "DozorikAppendTest-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(dir_).c_str(), nullptr);
  }
  ~FilesAppendTest() override {
    DeleteFileW(widen(path("a.log")).c_str());
    RemoveDirectoryW(widen(dir_).c_str());
  }
  std::string path(const std::string& name) const { return dir_ + "\\" + name; }

  Win32FileSystem files_;
  std::string dir_;
};

TEST_F(FilesAppendTest, SizeAndAppend) {
  EXPECT_EQ(files_.size(path("a.log")), std::nullopt);
  EXPECT_EQ(files_.size(dir_), std::nullopt);  // a directory is no file

  files_.create(path("a.log"))->write("12345", 5);
  EXPECT_EQ(files_.size(path("a.log")), 5u);

  {
    auto file = files_.append(path("a.log"));
    file->write("67", 2);
    file->write("8", 1);
  }
  EXPECT_EQ(files_.size(path("a.log")), 8u);
  files_.append(path("a.log"))->write("9", 1);  // a second opening starts at the end too
  EXPECT_EQ(files_.size(path("a.log")), 9u);

  std::string text(16, '\0');
  DWORD read = 0;
  UniqueFile file(CreateFileW(widen(path("a.log")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(ReadFile(file.get(), text.data(), 16, &read, nullptr));
  EXPECT_EQ(text.substr(0, read), "123456789");
}

TEST_F(FilesAppendTest, AppendToAMissingFileNamesItsFullPath) {
  try {
    files_.append(path("missing.log"));
    FAIL() << "no error";
  } catch (const Error& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Cannot create file \"" + path("missing.log") + "\". ", 0), 0u) << text;
  }
  EXPECT_EQ(files_.size(path("missing.log")), std::nullopt);  // nothing was created
}

}  // namespace
}  // namespace dozorik::win32
