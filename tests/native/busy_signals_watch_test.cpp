// The watch with the signals beyond the processor: any that is on and busy
// keeps it from ending, the status bar names it, and one Windows does not
// provide never holds it.

#include <map>

#include "native/usage_fixture.h"

namespace dozorik {

class BusySignalsWatchTest : public UsageTest {
 protected:
  void armWith(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) fake.registry.writeString(kKey, name, value);
    usage.FormCreate();
    usage.SpeedButton1.click();
  }
};

TEST_F(BusySignalsWatchTest, ANamedProgramHoldsAnIdleWatchUntilItExitsAndIsNamedMeanwhile) {
  auto& processes = fake.processes;
  const std::uint32_t encoder = processes.start("FFmpeg.exe");
  armWith({{"Program", "C:\\Tools\\ffmpeg.exe; other.exe"}, {"Tikov", "25"}});
  ticks(100, 0.01);
  EXPECT_EQ(usage.Gauge1.progress(), 0);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Este pracuje: FFmpeg.exe");
  EXPECT_LE(processes.lists, 3) << "the list once, then its process's handle";
  processes.end(encoder);
  ticks(5, 0.01);  // seen within a second
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
  ticks(19, 0.01);  // 25 quiet ticks from when it was seen at the earliest
  EXPECT_TRUE(usage.Timer1.enabled());
  ticks(5, 0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
  // A busy processor is the processor's: no signal is named then.
  processes.start("ffmpeg.exe");
  usage.SpeedButton1.click();
  ticks(10, 0.5);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
  ticks(10, 0.01);
  usage.SpeedButton2.click();  // stopped while a signal held it: the threshold's line again
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Cakaj na vytazenost CPU pod: 10 %");
}

TEST_F(BusySignalsWatchTest, SignalsAreReadOnceASecondAndOnesWindowsLacksNeverHold) {
  fake.gpuEngines.provided = false;  // before Windows 10 1709, or under Wine
  fake.disks.readings.assign(20, std::vector<CounterInstance>{{"_Total", 52e6}});
  armWith({{"GPU", "10"}, {"Disk", "50"}, {"Tikov", "25"}});
  ticks(50, 0.01);
  EXPECT_EQ(usage.StatusBar1.panelText(1), "Este pracuje: disk 52 MB/s");
  EXPECT_EQ(fake.disks.reads, 10);
  EXPECT_EQ(fake.gpuEngines.reads, 1) << "asked once: it is not there";
  fake.disks.readings.assign(20, std::vector<CounterInstance>{{"_Total", 49.9e6}});
  ticks(30, 0.01);
  EXPECT_FALSE(usage.Timer1.enabled());
}

TEST_F(BusySignalsWatchTest, TheSignalsPageShowsWhatWindowsLacksAndStoresTheChoices) {
  fake.gpuEngines.provided = false;
  fake.disks.provided = false;
  usage.FormCreate();
  auto& options = usage.Options;
  forms.whileModal = [&](ui::Form&) {
    options.Pages.choose(2);
    EXPECT_FALSE(options.Gpu.enabled());
    EXPECT_NE(options.GpuText.text().find("Windows"), std::string::npos) << options.GpuText.text();
    EXPECT_EQ(options.DiskText.text().find("Čítanie"), std::string::npos);
    EXPECT_TRUE(options.Network.enabled());
    EXPECT_EQ(options.NetworkText.text().rfind("Sieťové karty", 0), 0u);
    fake.disks.provided = true;
    options.Disk.type("20000");
    options.Network.type("2100");
    options.Program.type("HandBrakeCLI ; C:\\x\\ffmpeg.exe");
    options.Ok.click();
  };
  usage.systemMenu()[0].onClick();
  EXPECT_EQ(join({stored("GPU"), stored("Disk"), stored("Siet"), stored("Program")}),
            "0, 0, 2100, HandBrakeCLI.exe;ffmpeg.exe");
}

}  // namespace dozorik
