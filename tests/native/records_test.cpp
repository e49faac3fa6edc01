#include "native/usage_fixture.h"
#include "records/screen_capture.h"
#include "records/spreadsheet_export.h"

namespace dozorik {

using RecordsTest = UsageTest;
const std::string kLog = "C:\\Dozorik\\dozorik.log", kXls = "C:\\Dozorik\\Dozorik.xls";

static std::string bytes(std::initializer_list<int> list) { return {list.begin(), list.end()}; }

TEST_F(RecordsTest, TheTextLogAppendsWhileTheFileIsAsLeftElseRewritesAnExactCopy) {
  auto& files = fake.files;
  TextLogFile log{files, fake.locale, "dozorik.log"};
  Strings lines;
  std::string all;
  const auto record = [&](const std::string& line) {
    lines.push_back(line);
    all += line + "\r\n";
    log.save(lines);
  };
  files.files[kLog] = "an older run\r\n";
  for (const char* line : {"a", "b", "c"}) record(line);  // the first replaces the old file
  EXPECT_EQ(files.files[kLog], all);
  // In the system's code page, appended or written whole: what it lacks is lost.
  record("é ľ");
  EXPECT_EQ(files.files[kLog], "a\r\nb\r\nc\r\n\xE9 ?\r\n");
  all = files.files[kLog];
  EXPECT_EQ(std::pair(files.creates, files.appends), std::pair(1, 3));
  // Changed behind our back, though the same length, or removed: written whole again.
  files.files[kLog][0] = 'x';
  record("d");
  EXPECT_EQ(files.files[kLog], all);
  files.files.erase(kLog);
  record("e");
  EXPECT_EQ(files.files[kLog], all);
}

TEST_F(RecordsTest, TheSpreadsheetIsExactUpTo65536Rows) {
  auto& files = fake.files;
  ui::StringGrid grid(nullptr, "grid", {}, 2, 2);
  grid.setCell(0, 0, "12:00:01");
  grid.setCell(1, 0, "7");
  writeSpreadsheet(files, fake.locale, grid, "Dozorik.xls");
  EXPECT_EQ(files.files[kXls], bytes({9, 8, 8, 0, 0, 0, 0x10, 0, 0, 0, 0, 0}) +
                                   bytes({4, 2, 0x10, 0, 0, 0, 0, 0, 0, 0, 8, 0}) + "12:00:01" +
                                   bytes({4, 2, 8, 0, 1, 0, 0, 0, 0, 0, 0, 0}) +
                                   bytes({4, 2, 9, 0, 0, 0, 1, 0, 0, 0, 1, 0, '7'}) +
                                   bytes({4, 2, 8, 0, 1, 0, 1, 0, 0, 0, 0, 0, 10, 0, 0, 0}));
  ui::StringGrid big(nullptr, "grid", {}, 1, 65537);
  big.setCell(0, 65536, "wraps onto row 0");
  writeSpreadsheet(files, fake.locale, big, "Dozorik.xls");
  EXPECT_EQ(files.files[kXls].size(), 16u + 12u * 65536u);
}

// A file dialog, or Windows starting the program from a run-once entry,
// leaves another directory current.
TEST_F(RecordsTest, TheStopsSpreadsheetAndTheHelpPageAreInTheProgramsFolderWhateverIsCurrent) {
  usage.Label16.click();
  usage.RadioButton6.click();
  fake.dialogs.answer = "D:\\Video\\film.avi";
  usage.Button1.click();
  ASSERT_EQ(fake.files.currentDirectory, "D:\\Video\\");
  usage.SpeedButton1.click();
  ticks(3, 0.5);
  EXPECT_EQ(usage.StringGrid1.cell(0, 0) + " " + usage.StringGrid1.cell(1, 0), "09:05:07 50");
  usage.SpeedButton2.click();
  usage.SpeedButton3.click();
  EXPECT_EQ(fake.files.files.at(kXls).size(), 16u + 2 * 4 * 12 + 3 * (8 + 2));
  EXPECT_EQ(fake.shell.opened.back().first, "C:\\Dozorik\\navodhtm.htm");
  usage.SpeedButton5.click();  // the pictures' viewer opens where they are
  EXPECT_EQ(fake.dialogs.requests.back().initialDirectory, "C:\\Dozorik\\");
  // A shorter watch after it: no row of the longer one is left in the export.
  usage.SpeedButton1.click();
  ticks(1, 0.5);
  usage.SpeedButton2.click();
  EXPECT_EQ(fake.files.files.at(kXls).size(), 16u + 2 * 2 * 12 + 1 * (8 + 2));
}

// Under Program Files, or guarded, the program's folder refuses new files:
// every record goes to the user's own folder, made when first needed.
TEST_F(RecordsTest, WhereTheProgramsFolderRefusesRecordsGoToTheUsersOwnFolder) {
  const std::string local = std::string(fakes::FakeFileSystem::kLocalAppData) + "Dozorik\\";
  fake.files.refusingFolder = "C:\\Dozorik\\";
  fake.files.folderRefusals = 1;  // made at the second try
  usage.FormCreate();
  EXPECT_EQ(usage.CheckBox4.hint(), "Save To:    " + local);
  EXPECT_TRUE(fake.files.madeFolders.empty());
  for (ui::Label* label : {&usage.Label7, &usage.Label16}) label->click();  // screenshot, log
  usage.RadioButton5.click();  // as text
  usage.SpeedButton1.click();
  tick(0.01);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Zaznamy su v %LOCALAPPDATA%\\Dozorik");
  ticks(249, 0.01);
  EXPECT_EQ(fake.files.madeFolders, Strings{local});
  EXPECT_EQ(fake.files.files.at(local + "dozorik.log").size(), 250u * 14);
  EXPECT_EQ(boxes().size(), 1u) << "the first record, before the folder was there";
  EXPECT_TRUE(fake.files.files.count(local + "2027_01_03__090507.bmp"));
  fake.dialogs.answer.reset();
  usage.SpeedButton5.click();
  usage.SpeedButton6.click();
  EXPECT_EQ(fake.dialogs.requests.at(0).initialDirectory + "|" +
                fake.dialogs.requests.at(1).initialDirectory,
            local + "|" + local);
  EXPECT_EQ(boxes().size(), 1u) << "the viewers showed none";
}

TEST(ScreenCapture, NamesSortInTimeAndTheBitmapIsStandard) {
  EXPECT_EQ(screenshotName({2026, 12, 5, 21, 15, 0, 0}), "2026_12_05__211500.bmp");
  ScreenPicture picture{3, 2, {}};
  for (int i = 0; i < 18; ++i) picture.pixels.push_back(static_cast<std::uint8_t>(i));
  const std::string bmp = encodeBmp(picture);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  // Every header byte: file size, pixel offset, 3 x 2, one plane, 24 bits,
  // uncompressed, the pixels' size, 96 dots per inch.
  EXPECT_EQ(bmp.substr(0, 54),
            bytes({'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0,
                   2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0xC4, 0x0E, 0, 0,
                   0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // The rows bottom first, padded to 4 bytes.
  EXPECT_EQ(bmp.substr(54), bytes({9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 0, 0,  //
                                   0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0}));
}

TEST_F(RecordsTest, TheEndCapturesThenExportsIntoTheProgramsDirectory) {
  usage.Label7.click();        // the screenshot
  usage.Label16.click();       // the log,
  usage.RadioButton6.click();  // as a grid
  fake.files.currentDirectory = "D:\\work\\";
  watchToItsEnd();
  EXPECT_TRUE(fake.files.files.count("C:\\Dozorik\\2027_01_03__090507.bmp"));
  // Two columns of one row a tick and a spare row.
  EXPECT_EQ(fake.files.files.at(kXls).size(), 16u + 2 * 251 * 12 + 250 * (8 + 1));
  EXPECT_EQ(fake.power.journal.size(), 6u);
  // A locked workstation refuses the copy: the picture is black, the end goes on.
  fake.screen.refuses = true;
  fake.clock.time.second = 8;
  watchToItsEnd();
  EXPECT_EQ(fake.files.files.at("C:\\Dozorik\\2027_01_03__090508.bmp").substr(54),
            std::string(8, '\0'));
  EXPECT_EQ(fake.power.journal.size(), 12u);
}

}  // namespace dozorik
