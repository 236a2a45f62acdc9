// In-process benchmarks of the cleaning run, for finding where time goes:
// the whole run at three sizes, one rename over the four files it wrote,
// and reading and printing single numbers. The figures that count are taken
// on whole processes against the `cat` floor (bench/floor_ratio.sh).
//
// The machine may be shared: read the CPU column (and the phase counters,
// which are CPU times of this thread, kernel time included) rather than the
// wall-clock one.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "mechanism_generator.h"
#include "model/number_format.h"
#include "platform/text_file.h"
#include "rename/rename_session.h"
#include "run/run_driver.h"
#include "tests/support/scripted_ui.h"

namespace kestrelon {
namespace {

constexpr int kLargest = 25999;

class Scratch {
 public:
  Scratch() {
    std::string tmpl =
        (std::filesystem::temp_directory_path() / "kbenchXXXXXX").string();
    dir_ = mkdtemp(tmpl.data());
  }
  ~Scratch() { std::filesystem::remove_all(dir_); }
  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
};

std::string WriteMechanism(const Scratch& scratch, int lines) {
  std::string path = scratch.dir() + "/mech.inp";
  WriteFile(path, GenerateMechanism(lines));
  return path;
}

void PrepareUi(ScriptedUi& ui, const std::string& input) {
  ui.chosen_file = input;
  ui.answers = {"thermo", "clean"};
}

long MinorFaults() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

void BM_WholeRun(benchmark::State& state) {
  Scratch scratch;
  const std::string input =
      WriteMechanism(scratch, static_cast<int>(state.range(0)));
  WorkingTable table;
  const long faults_before = MinorFaults();
  for (auto _ : state) {
    ScriptedUi ui;
    PrepareUi(ui, input);
    RunOutcome outcome = RunCleaning(ui, table);
    if (outcome.kind != RunOutcome::Kind::kSuccess) {
      state.SkipWithError(outcome.error ? outcome.error->Describe().c_str()
                                        : "unreadable");
      break;
    }
  }
  state.counters["page_faults"] =
      benchmark::Counter(static_cast<double>(MinorFaults() - faults_before),
                         benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeRun)
    ->Arg(6500)
    ->Arg(13000)
    ->Arg(kLargest)
    ->Unit(benchmark::kMillisecond);

void BM_RenameFourFiles(benchmark::State& state) {
  Scratch scratch;
  const std::string input = WriteMechanism(scratch, kLargest);
  WorkingTable table;
  ScriptedUi ui;
  PrepareUi(ui, input);
  RunOutcome outcome = RunCleaning(ui, table);
  if (outcome.kind != RunOutcome::Kind::kSuccess) {
    state.SkipWithError("run failed");
    return;
  }
  const RunVariables& v = outcome.vars;
  RenameSession session({true, v.thermopath, v.outpathj, v.outpathcal,
                         v.outpathk, v.inputdir + kTempo3});
  bool forth = true;
  for (auto _ : state) {
    // Back and forth, so every iteration renames the same number of names.
    RenameResult r = forth ? session.Rename("C7H15-3", "C7H15-3X")
                           : session.Rename("C7H15-3X", "C7H15-3");
    forth = !forth;
    if (r.status != RenameResult::Status::kRenamed) {
      state.SkipWithError(r.label.c_str());
      break;
    }
  }
}
BENCHMARK(BM_RenameFourFiles)->Unit(benchmark::kMillisecond);

void BM_FormatNumber(benchmark::State& state) {
  static const char* kPatterns[] = {"0.000E+00", "0.00E+00", "0.0E+00",
                                    "0.0000",    "0.000",    "0.00",
                                    "0.0",       "0"};
  const NumberPattern pattern = *ParsePattern(kPatterns[state.range(0)]);
  state.SetLabel(kPatterns[state.range(0)]);
  double v = 12345.6789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatNumber(v, pattern));
  }
}
BENCHMARK(BM_FormatNumber)->DenseRange(0, 7);

void BM_LeadingNumber(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LeadingNumber("3.547E+15"));
  }
}
BENCHMARK(BM_LeadingNumber);

}  // namespace
}  // namespace kestrelon
