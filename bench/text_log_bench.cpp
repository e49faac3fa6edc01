// The cost of one text-log record, for the log writer and for a rewrite of
// the whole file, with an empty log and with an hour of records (18,000
// lines) already in it. Both write to a real file in a temporary directory.
// Prints the two ratios that matter: rewrite / writer at 18,000 lines, and
// the writer at 18,000 against the writer at 0.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "posix_files.h"
#include "records/text_log.h"

namespace dozorik::bench {
namespace {

std::vector<std::string> linesOfAnHour(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "%d:%02d:%02d  %d%%", 10 + i / 18000, i / 300 % 60, i / 5 % 60,
                  i % 101);
    lines.push_back(line);
  }
  return lines;
}

// One record per iteration: a line is added to the list and the file is
// brought in step. The list is cut back now and then, untimed, so that it
// stays near its starting length.
template <bool kRewrite>
void oneRecord(benchmark::State& state) {
  PosixFileSystem files;
  PlainLocale locale;
  const int start = static_cast<int>(state.range(0));
  std::vector<std::string> lines = linesOfAnHour(start);
  TextLogFile log(files, locale, "dozorik.log");
  log.save(lines);
  int added = 0;
  for (auto _ : state) {
    lines.push_back("11:00:00  42%");
    if (kRewrite) {
      writeTextLog(files, locale, "dozorik.log", lines);
    } else {
      log.save(lines);
    }
    if (++added == 1000) {
      state.PauseTiming();
      lines.resize(start);
      log.save(lines);  // not one line more: written whole
      added = 0;
      state.ResumeTiming();
    }
  }
}

BENCHMARK_TEMPLATE(oneRecord, false)->Name("writer")->Arg(0)->Arg(18000);
BENCHMARK_TEMPLATE(oneRecord, true)->Name("rewrite")->Arg(0)->Arg(18000);

// Collects each run's time per record, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> times;
};

}  // namespace
}  // namespace dozorik::bench

int main(int argc, char** argv) {
  char dir[] = "/tmp/dozorik-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  benchmark::Initialize(&argc, argv);
  dozorik::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::remove("dozorik.log");
  rmdir(dir);

  auto& t = reporter.times;
  const double writer0 = t["writer/0"], writer18k = t["writer/18000"],
               rewrite18k = t["rewrite/18000"];
  if (writer0 <= 0 || writer18k <= 0) return 0;  // filtered out
  std::printf("\nrewrite / writer at 18,000 lines: %.1f (goal: at least 50)\n",
              rewrite18k / writer18k);
  std::printf("writer at 18,000 / writer at 0:   %.2f (goal: at most 1.5)\n", writer18k / writer0);
  return 0;
}
