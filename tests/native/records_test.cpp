#include "native/usage_fixture.h"
#include "records/screen_capture.h"
#include "records/spreadsheet_export.h"

namespace dozorik {
namespace {

const std::string kLog = "C:\\Dozorik\\dozorik.log";
const std::string kXls = "C:\\Dozorik\\Dozorik.xls";

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

class TextLogTest : public ::testing::Test {
 protected:
  std::string expected() {
    std::string all;
    for (auto& line : lines) all += line + "\r\n";
    return all;
  }
  void record(const std::string& line) {
    lines.push_back(line);
    log.save(lines);
  }
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  TextLogFile log{files, locale, "dozorik.log"};
  std::vector<std::string> lines;
};

TEST_F(TextLogTest, AppendsWhileTheFileIsAsLeftAndStaysAnExactCopy) {
  files.files[kLog] = "an older run\r\n";
  record("10:00:00  5%");  // the run's first record replaces the old file
  record("10:00:01  6%");
  record("10:00:02  7%");
  EXPECT_EQ(*files.content(kLog), expected());
  EXPECT_EQ(files.creates, 1);
  EXPECT_EQ(files.appends, 2);

  files.files[kLog] += "edited";  // changed behind our back: written whole again
  record("10:00:03  8%");
  files.files.erase(kLog);  // removed: likewise
  record("10:00:04  9%");
  EXPECT_EQ(*files.content(kLog), expected());
  EXPECT_EQ(files.creates, 3);
}

TEST_F(TextLogTest, AFailedWriteKeepsTheLineAndTheNextRecordRewritesTheFile) {
  record("a");
  files.writeLimit = 1;  // the disk fills up
  EXPECT_THROW(record("b"), Error);
  files.writeLimit.reset();
  files.readOnlyDirectories.insert("C:\\Dozorik\\");
  EXPECT_THROW(record("c"), Error);
  files.readOnlyDirectories.clear();
  record("d");
  EXPECT_EQ(*files.content(kLog), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(files.creates, 2);
}

TEST(Spreadsheet, TheWorkedExampleByteForByte) {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  ui::StringGrid grid(nullptr, "grid", {}, 2, 2);
  grid.setCell(0, 0, "12:00:01");
  grid.setCell(1, 0, "7");
  writeSpreadsheet(files, locale, grid, "Dozorik.xls");
  const std::string bof = bytes({9, 8, 8, 0, 0, 0, 0x10, 0, 0, 0, 0, 0});
  EXPECT_EQ(*files.content(kXls),
            bof + bytes({4, 2, 0x10, 0, 0, 0, 0, 0, 0, 0, 8, 0}) + "12:00:01" +
                bytes({4, 2, 8, 0, 1, 0, 0, 0, 0, 0, 0, 0}) +
                bytes({4, 2, 9, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0x37}) +
                bytes({4, 2, 8, 0, 1, 0, 1, 0, 0, 0, 0, 0}) + bytes({0x0A, 0, 0, 0}));
  EXPECT_EQ(files.content(kXls)->size(), 73u);

  // An untouched grid of 2 x 5; then a load of 100 as a three-letter label.
  ui::StringGrid fresh(nullptr, "grid", {}, 2, 5);
  writeSpreadsheet(files, locale, fresh, "Dozorik.xls");
  EXPECT_EQ(files.content(kXls)->size(), 136u);
  fresh.setCell(1, 4, "100");
  writeSpreadsheet(files, locale, fresh, "Dozorik.xls");
  EXPECT_EQ(files.content(kXls)->substr(12 + 9 * 12, 15),
            bytes({4, 2, 11, 0, 4, 0, 1, 0, 0, 0, 3, 0}) + "100");
}

TEST(Spreadsheet, FailuresLeaveTheOldFileOrATruncatedOneAndRowsStopAt65536) {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  ui::StringGrid grid(nullptr, "grid", {}, 2, 5);
  files.files[kXls] = "old";
  files.readOnlyDirectories.insert("C:\\Dozorik\\");
  try {
    writeSpreadsheet(files, locale, grid, "Dozorik.xls");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + kXls + "\". Access is denied");
  }
  EXPECT_EQ(*files.content(kXls), "old");

  files.readOnlyDirectories.clear();
  files.writeLimit = 40;
  EXPECT_THROW(writeSpreadsheet(files, locale, grid, "Dozorik.xls"), Error);
  EXPECT_EQ(files.content(kXls)->size(), 40u);  // what fitted, and no EOF

  files.writeLimit.reset();
  ui::StringGrid big(nullptr, "grid", {}, 1, 65537);
  big.setCell(0, 65536, "wraps onto row 0");
  writeSpreadsheet(files, locale, big, "Dozorik.xls");
  EXPECT_EQ(files.content(kXls)->size(), 16u + 12u * 65536u);
}

TEST(ScreenCapture, NamesSortInTimeAndTheBitmapIsStandard) {
  EXPECT_EQ(screenshotName({2027, 1, 3, 9, 5, 7, 0}), "2027_01_03__090507.bmp");
  EXPECT_EQ(screenshotName({2026, 12, 5, 21, 15, 0, 0}), "2026_12_05__211500.bmp");

  ScreenPicture picture{3, 2, {}};
  for (int i = 0; i < 18; ++i) picture.pixels.push_back(static_cast<std::uint8_t>(i));
  const std::string bmp = encodeBmp(picture);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // rows padded to 4 bytes
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(bmp[18], 3);  // width
  EXPECT_EQ(bmp[22], 2);  // height, bottom row first
  EXPECT_EQ(bmp[28], 24);
  EXPECT_EQ(bmp.substr(54, 9), bytes({9, 10, 11, 12, 13, 14, 15, 16, 17}));
  EXPECT_EQ(bmp.substr(66, 9), bytes({0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

using WatchRecordsTest = UsageTest;

TEST_F(WatchRecordsTest, TheEndCapturesThenExportsIntoTheProgramsDirectory) {
  usage.CheckBox4.setChecked(true);
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.setChecked(true);
  fake.files.currentDirectory = "D:\\work\\";
  usage.StringGrid1.setCell(0, 7, "an earlier, longer watch");
  usage.SpeedButton1.click();
  EXPECT_EQ(usage.StringGrid1.rowCount(), 5);
  for (int i = 0; i < 250; ++i) tick(0.01);
  EXPECT_EQ(fake.screen.captures, 1);
  EXPECT_NE(fake.files.content("C:\\Dozorik\\2027_01_03__090507.bmp"), nullptr);
  ASSERT_NE(fake.files.content(kXls), nullptr);
  EXPECT_EQ(fake.files.content(kXls)->size(), 16u + 2 * 251 * 12 + 250 * (8 + 1));
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST_F(WatchRecordsTest, AFailedCaptureKeepsTheWatchArmedToTryAgain) {
  usage.CheckBox4.setChecked(true);
  usage.SpeedButton1.click();
  fake.files.readOnlyDirectories.insert("C:\\Dozorik\\");
  for (int i = 0; i < 250; ++i) tick(0.01);
  EXPECT_TRUE(usage.Timer1.enabled());
  EXPECT_TRUE(fake.power.journal.empty());  // no end action yet
  fake.files.readOnlyDirectories.clear();
  tick(0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
  EXPECT_EQ(fake.power.journal.size(), 6u);  // the beeps
}

TEST_F(WatchRecordsTest, StopExportsIntoTheCurrentDirectoryAndRunsNoEndAction) {
  usage.CheckBox5.setChecked(true);
  usage.RadioButton6.setChecked(true);
  fake.files.currentDirectory = "D:\\work\\";
  usage.SpeedButton1.click();
  tick(0.5);
  usage.SpeedButton2.click();
  EXPECT_NE(fake.files.content("D:\\work\\Dozorik.xls"), nullptr);
  EXPECT_TRUE(fake.power.journal.empty());
}

TEST_F(WatchRecordsTest, TheViewersOpenWhatTheUserPicks) {
  usage.SpeedButton6.click();  // cancelled
  usage.SpeedButton5.click();
  EXPECT_TRUE(fake.shell.opened.empty());
  ASSERT_EQ(fake.dialogs.requests.size(), 2u);
  EXPECT_EQ(fake.dialogs.requests[0].title, "Otvor logovací súbor...");
  EXPECT_EQ(fake.dialogs.requests[1].initialDirectory, "C:\\Dozorik\\");
  EXPECT_EQ(fake.dialogs.requests[1].filter, "Bitmaps (*.bmp)|*.bmp");

  fake.dialogs.answer = "C:\\Dozorik\\dozorik.log";
  usage.SpeedButton6.click();
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, "C:\\Dozorik\\dozorik.log");
}

}  // namespace
}  // namespace dozorik
