// Benchmarks of the cleaning run: the whole run in-process at three sizes,
// the time of each phase within whole runs on the largest mechanism (25,999
// table lines), the pure file I/O of that run, one rename over the four
// files it wrote, and reading and printing single numbers.
//
// The machine may be shared: read the CPU column (and the phase counters,
// which are CPU times of this thread, kernel time included) rather than the
// wall-clock one.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "mechanism_generator.h"
#include "model/energy_unit.h"
#include "output/layout_pass.h"
#include "output/ner_list.h"
#include "model/number_format.h"
#include "output/output_stage.h"
#include "tests/support/scripted_ui.h"
#include "platform/text_file.h"
#include "rename/rename_session.h"
#include "run/extract_thermo.h"
#include "run/normalise_input.h"
#include "run/run_driver.h"
#include "run/tag_sections.h"
#include "table/element_species.h"
#include "table/load_table.h"
#include "table/reaction_passes.h"

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

double ThreadCpuMs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The context a run has after its settings are read (the defaults of the
// window), for driving the phases one by one.
void SetUpContext(RunContext& ctx, const std::string& input) {
  ctx.vars.inputpath = input;
  ctx.input_name = "mech.inp";
  ctx.outext = "rxn";
  ctx.thermoext = "dat";
  ctx.vars.unitcal = -1;
}

// One whole run per iteration, phase by phase in the driver's order; each
// counter is the CPU time of one phase in ms, averaged over the iterations.
// Timing a phase inside whole runs costs one run per sample, where pausing
// the timer around the phases before it would cost one run per sample of
// every phase.
void BM_Phases(benchmark::State& state) {
  Scratch scratch;
  const std::string input = WriteMechanism(scratch, kLargest);
  WorkingTable table;
  enum {
    kNormalise,
    kTag,
    kThermo,
    kLoad,
    kElements,
    kReactions,
    kOutput,
    kLayout,
    kClear,
    kCount
  };
  static const char* kNames[kCount] = {
      "1_normalise", "2_tag",    "3_thermo", "4_load", "5_elements",
      "6_reactions", "7_output", "8_layout", "9_clear"};
  double total[kCount] = {};
  for (auto _ : state) {
    ScriptedUi ui;
    PrepareUi(ui, input);
    RunContext ctx(ui, table);
    SetUpContext(ctx, input);
    double t = ThreadCpuMs();
    auto lap = [&](int phase) {
      const double now = ThreadCpuMs();
      total[phase] += now - t;
      t = now;
    };
    NormaliseInput(ctx);
    lap(kNormalise);
    TagSections(ctx);
    lap(kTag);
    ExtractThermo(ctx);
    lap(kThermo);
    LoadTable(ctx);
    lap(kLoad);
    NormaliseElementsAndSpecies(ctx);
    lap(kElements);
    NormaliseReactions(ctx);
    lap(kReactions);
    RunOutputStage(ctx);
    lap(kOutput);
    LayOutFile(ctx, ctx.vars.outpathj, OutUnit::kJoule);
    LayOutFile(ctx, ctx.vars.outpathcal, OutUnit::kCalorie);
    LayOutFile(ctx, ctx.vars.outpathk, OutUnit::kKelvin);
    lap(kLayout);
    table.Clear();
    lap(kClear);
  }
  for (int p = 0; p < kCount; ++p) {
    state.counters[kNames[p]] =
        benchmark::Counter(total[p], benchmark::Counter::kAvgIterations);
  }
}
BENCHMARK(BM_Phases)->Unit(benchmark::kMillisecond);

// What the run writes and reads, as bytes: the floor of its cost.
struct RunFiles {
  std::string dir;
  std::string input;
  std::string tempo, tempo2, thermo, tempo3;
  std::string lists[3];     // "tempo4.int" to "tempo6.int"
  std::string written[3];   // the cleaned files before the list is appended
  std::string laid_out[3];  // the cleaned files after the layout pass
};

// Runs the phases one by one on `input` and keeps every file as it was
// written.
void CaptureRunFiles(const std::string& input, RunFiles& files) {
  WorkingTable table;
  ScriptedUi ui;
  PrepareUi(ui, input);
  RunContext ctx(ui, table);
  SetUpContext(ctx, input);
  files.dir = input.substr(0, input.rfind('/') + 1);
  files.input = ReadFile(input);
  NormaliseInput(ctx);
  files.tempo = ReadFile(ctx.WorkPath(kTempo));
  TagSections(ctx);
  files.tempo2 = ReadFile(ctx.WorkPath(kTempo2));
  ExtractThermo(ctx);
  files.thermo = ReadFile(ctx.vars.thermopath);
  files.tempo3 = ReadFile(ctx.WorkPath(kTempo3));
  LoadTable(ctx);
  NormaliseElementsAndSpecies(ctx);
  NormaliseReactions(ctx);
  RunOutputStage(ctx);
  const std::string* outputs[] = {&ctx.vars.outpathj, &ctx.vars.outpathcal,
                                  &ctx.vars.outpathk};
  const OutUnit units[] = {OutUnit::kJoule, OutUnit::kCalorie,
                           OutUnit::kKelvin};
  std::string heading = std::string(kNerHeading) + "\r\n";
  for (int u = 0; u < 3; ++u) {
    std::string whole = ReadFile(*outputs[u]);
    size_t at = whole.find(heading);
    if (at == std::string::npos) at = whole.size();
    files.written[u] = whole.substr(0, at);
    files.lists[u] =
        at == whole.size() ? std::string() : whole.substr(at + heading.size());
    LayOutFile(ctx, *outputs[u], units[u]);
    files.laid_out[u] = ReadFile(*outputs[u]);
  }
}

// The file operations of one run, in its order, on the bytes the run writes,
// with no text work: what the run would cost if its passes were free.
void BM_IoFloor(benchmark::State& state) {
  Scratch scratch;
  const std::string input = WriteMechanism(scratch, kLargest);
  RunFiles f;
  CaptureRunFiles(input, f);
  const std::string tempo = f.dir + kTempo;
  const std::string tempo2 = f.dir + kTempo2;
  const std::string tempo3 = f.dir + kTempo3;
  const std::string thermo = f.dir + "floorthermo.dat";
  const char* lists[] = {kTempo4, kTempo5, kTempo6};
  const char* outs[] = {"floorj.rxn", "floorcal.rxn", "floorkelvin.rxn"};
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    auto read = [&bytes](const std::string& path) {
      std::string text = ReadFile(path);
      bytes += text.size();
      benchmark::DoNotOptimize(text.data());
    };
    auto write = [&bytes](const std::string& path, const std::string& text) {
      WriteFile(path, text);
      bytes += text.size();
    };
    read(input);
    write(tempo, f.tempo);
    read(tempo);
    write(tempo2, f.tempo2);
    read(tempo2);
    write(thermo, f.thermo);
    write(tempo3, f.tempo3);
    read(tempo3);
    RemoveFile(tempo);
    RemoveFile(tempo2);
    RemoveFile(tempo3);
    for (int u = 0; u < 3; ++u) write(f.dir + lists[u], f.lists[u]);
    for (int u = 0; u < 3; ++u) write(f.dir + outs[u], f.written[u]);
    for (int u = 0; u < 3; ++u) {
      std::string list = ReadFile(f.dir + lists[u]);
      AppendFile(f.dir + outs[u], list);
      bytes += 2 * list.size();
    }
    for (const char* l : lists) RemoveFile(f.dir + l);
    for (int u = 0; u < 3; ++u) {
      read(f.dir + outs[u]);
      ReplaceThroughWorkingFile(f.dir + outs[u], tempo3, f.laid_out[u]);
      bytes += f.laid_out[u].size();
    }
  }
  state.counters["MB_moved"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_IoFloor)->Unit(benchmark::kMillisecond);

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
