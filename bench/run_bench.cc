// Benchmarks of the cleaning run: the whole run in-process at three sizes,
// each phase on the largest mechanism (25,999 table lines), one rename over
// the four files, and printing one number with each pattern.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "mechanism_generator.h"
#include "output/ea_convert.h"
#include "output/layout_pass.h"
#include "output/number_format.h"
#include "output/output_stage.h"
#include "platform/scripted_ui.h"
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

void BM_WholeRun(benchmark::State& state) {
  Scratch scratch;
  const std::string input = WriteMechanism(scratch, static_cast<int>(state.range(0)));
  WorkingTable table;
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
}
BENCHMARK(BM_WholeRun)->Arg(6500)->Arg(13000)->Arg(kLargest)
    ->Unit(benchmark::kMillisecond);

// Runs the phases before `stop` outside the timing, then times `phase`.
enum class Phase {
  kNormalise, kTag, kThermo, kLoad, kElementsSpecies, kReactions, kOutput,
  kLayout
};

void RunUpTo(RunContext& ctx, Phase stop) {
  const Phase order[] = {Phase::kNormalise, Phase::kTag, Phase::kThermo,
                         Phase::kLoad, Phase::kElementsSpecies,
                         Phase::kReactions, Phase::kOutput, Phase::kLayout};
  for (Phase p : order) {
    if (p == stop) return;
    switch (p) {
      case Phase::kNormalise: NormaliseInput(ctx); break;
      case Phase::kTag: TagSections(ctx); break;
      case Phase::kThermo: ExtractThermo(ctx); break;
      case Phase::kLoad: LoadTable(ctx); break;
      case Phase::kElementsSpecies: NormaliseElementsAndSpecies(ctx); break;
      case Phase::kReactions: NormaliseReactions(ctx); break;
      case Phase::kOutput: RunOutputStage(ctx); break;
      case Phase::kLayout: break;
    }
  }
}

void RunPhase(RunContext& ctx, Phase phase) {
  switch (phase) {
    case Phase::kNormalise: NormaliseInput(ctx); break;
    case Phase::kTag: TagSections(ctx); break;
    case Phase::kThermo: ExtractThermo(ctx); break;
    case Phase::kLoad: LoadTable(ctx); break;
    case Phase::kElementsSpecies: NormaliseElementsAndSpecies(ctx); break;
    case Phase::kReactions: NormaliseReactions(ctx); break;
    case Phase::kOutput: RunOutputStage(ctx); break;
    case Phase::kLayout:
      LayOutFile(ctx, ctx.vars.outpathj, OutUnit::kJoule);
      LayOutFile(ctx, ctx.vars.outpathcal, OutUnit::kCalorie);
      LayOutFile(ctx, ctx.vars.outpathk, OutUnit::kKelvin);
      break;
  }
}

void BM_Phase(benchmark::State& state) {
  const Phase phase = static_cast<Phase>(state.range(0));
  Scratch scratch;
  const std::string input = WriteMechanism(scratch, kLargest);
  WorkingTable table;
  for (auto _ : state) {
    state.PauseTiming();
    table.Clear();
    ScriptedUi ui;
    PrepareUi(ui, input);
    RunContext ctx(ui, table);
    ctx.vars.inputpath = input;
    ctx.input_name = "mech.inp";
    ctx.outext = "rxn";
    ctx.thermoext = "dat";
    ctx.vars.unitcal = -1;
    RunUpTo(ctx, phase);
    state.ResumeTiming();
    RunPhase(ctx, phase);
  }
}
BENCHMARK(BM_Phase)
    ->ArgName("phase")
    ->DenseRange(0, 7)
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
    benchmark::DoNotOptimize(r);
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
