#include "run/run_driver.h"

#include <exception>
#include <memory>
#include <new>

#include "output/ea_convert.h"
#include "output/layout_pass.h"
#include "output/output_stage.h"
#include "platform/dir_lock.h"
#include "platform/text_file.h"
#include "rename/rename_session.h"
#include "run/extract_thermo.h"
#include "run/name_rules.h"
#include "run/normalise_input.h"
#include "run/summary.h"
#include "run/tag_sections.h"
#include "table/auxiliary_lines.h"
#include "table/element_species.h"
#include "table/load_table.h"
#include "table/reaction_passes.h"

namespace kestrelon {
namespace {

constexpr const char* kChooserTitle = "Select the File you have to Clean...";
constexpr const char* kChooserFilter =
    "*.RXN Files (*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All Files "
    "(*.*)|*.*|";

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

NumberPattern PatternOrThrow(const std::string& text, const char* which) {
  std::optional<NumberPattern> pattern = ParsePattern(text);
  if (!pattern) {
    throw RunError(std::string("unknown number pattern for ") + which +
                   ": \"" + text + "\"");
  }
  return *pattern;
}

// Reads the main window's settings into the run: exactly one unit flag
// becomes -1, and the extensions and patterns are fixed for the run.
void ReadWindowSettings(RunContext& ctx) {
  WindowSettings s = ctx.ui.ReadSettings();
  RunVariables& v = ctx.vars;
  v.unitkj = v.unitkcal = v.unitj = v.unitcal = v.unitk = 0;
  switch (s.unit) {
    case EaUnit::kKj: v.unitkj = -1; break;
    case EaUnit::kKcal: v.unitkcal = -1; break;
    case EaUnit::kJ: v.unitj = -1; break;
    case EaUnit::kCal: v.unitcal = -1; break;
    case EaUnit::kKelvin: v.unitk = -1; break;
  }
  ctx.unit = s.unit;
  ctx.outext = MechanismExtension(s.mech_ext, s.mech_ext_text);
  ctx.thermoext = ThermoExtension(s.thermo_ext, s.thermo_ext_text);
  ctx.patterns.a = PatternOrThrow(s.a_pattern, "A");
  ctx.patterns.n = PatternOrThrow(s.n_pattern, "n");
  ctx.patterns.ea = PatternOrThrow(s.ea_pattern, "Ea");
}

bool IsWorkingFileName(const std::string& name) {
  for (const char* w : {kTempo, kTempo2, kTempo3, kTempo4, kTempo5, kTempo6}) {
    if (name == w) return true;
  }
  return false;
}

void RemoveWorkingFiles(const RunContext& ctx) {
  for (const char* w : {kTempo, kTempo2, kTempo3, kTempo4, kTempo5, kTempo6}) {
    RemoveFile(ctx.WorkPath(w));
  }
}

// A check writes nothing, also when it fails part way: whatever working
// file the run made is removed when the check leaves the locked directory,
// before another run may take the lock and make its own.
class CheckLeavesNothing {
 public:
  CheckLeavesNothing(const RunContext& ctx, bool check_only)
      : ctx_(ctx), check_only_(check_only) {}
  ~CheckLeavesNothing() {
    // Before the input pass has named the directory there is nothing to
    // remove, and no directory to remove it from.
    if (!check_only_ || ctx_.vars.tempopath.empty()) return;
    try {
      RemoveWorkingFiles(ctx_);
    } catch (const RunError&) {
      // The run's own outcome is what the user needs to see.
    }
  }
  CheckLeavesNothing(const CheckLeavesNothing&) = delete;
  CheckLeavesNothing& operator=(const CheckLeavesNothing&) = delete;

 private:
  const RunContext& ctx_;
  bool check_only_;
};

void FinalReset(UiServices& ui) {
  ui.SetStatus("");
  ui.SetProgress(0);
  ui.ShowProgress(false);
  ui.Repaint();
}

// Steps 7 to 27 of a run. Returns false for the unreadable-file branch.
bool RunPhases(RunContext& ctx, const RunOptions& options) {
  UiServices& ui = ctx.ui;
  ui.SetStatus("In progress...");
  std::optional<std::string> chosen =
      ui.ChooseFile({kChooserTitle, kChooserFilter, "/"});
  if (!chosen) throw RunError("no file chosen");
  ctx.vars.inputpath = *chosen;
  ctx.input_name = BaseName(*chosen);
  if (IsWorkingFileName(ctx.input_name)) {
    throw RunError(
        "the input file has the name of a working file of the run; "
        "rename or move it first",
        *chosen);
  }

  DirectoryLock lock(DirectoryOf(*chosen), [&ui] {
    ui.SetStatus(kWaitingForLock);
    ui.Repaint();
  });
  const CheckLeavesNothing check_cleanup(ctx, options.check_only);
  NormaliseInput(ctx);
  if (ctx.vars.endcount < 3) {
    ui.SetStatus("Error");
    ui.ShowMessage("Your file can not be treated!", "Error !",
                   MessageIcon::kCritical);
    ui.ShowErrorDialog();
    ui.SetStatus("");
    // A check writes nothing; a real run leaves the copy for the user to
    // look at.
    if (options.check_only) RemoveFile(ctx.WorkPath(kTempo));
    return false;
  }

  ReadWindowSettings(ctx);
  ui.SetProgress(10);
  ui.SetStatus("");
  ui.SetStatus("In Progress...");
  ui.Repaint();

  TagSections(ctx);
  ui.Repaint();
  ui.SetProgress(20);
  if (ctx.vars.nothermo == 0) ExtractThermo(ctx);
  ui.Repaint();
  if (ctx.vars.nothermo == 1) CopyWithoutThermo(ctx);
  ui.SetProgress(30);
  ui.Repaint();

  LoadTable(ctx);
  ui.TableChanged();
  NormaliseElementsAndSpecies(ctx);
  NormaliseReactions(ctx);
  for (RunWarning& w :
       UnknownAuxiliaryLines(ctx.table, ReactionRows(ctx.vars.index),
                             ctx.origin, ctx.input_name)) {
    ctx.warnings.push_back(std::move(w));
  }
  ui.TableChanged();
  if (options.check_only) {
    RemoveWorkingFiles(ctx);
    return true;
  }

  RunOutputStage(ctx);
  LayOutFile(ctx, ctx.vars.outpathj, OutUnit::kJoule);
  LayOutFile(ctx, ctx.vars.outpathcal, OutUnit::kCalorie);
  LayOutFile(ctx, ctx.vars.outpathk, OutUnit::kKelvin);

  RenameSession session({ctx.vars.nothermo == 0, ctx.vars.thermopath,
                         ctx.vars.outpathj, ctx.vars.outpathcal,
                         ctx.vars.outpathk, ctx.WorkPath(kTempo3)});
  ui.RunRenameDialog(session);

  ui.SetStatus("Successful...");
  ctx.table.Clear();
  ui.TableChanged();
  ui.SetProgress(100);
  ShowSummary(ctx);
  return true;
}

}  // namespace

RunOutcome RunCleaning(UiServices& ui, WorkingTable& table,
                       const RunOptions& options) {
  table.Clear();
  ui.TableChanged();
  ui.ShowProgress(true);
  RunContext ctx(ui, table);
  ctx.check_only = options.check_only;
  ui.SetLoadedLabel("");
  ui.SetOutputLabel("");

  RunOutcome outcome;
  try {
    bool readable = RunPhases(ctx, options);
    outcome.kind =
        readable ? RunOutcome::Kind::kSuccess : RunOutcome::Kind::kUnreadable;
  } catch (const RunError& e) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error = e;
  } catch (const std::bad_alloc&) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error = RunError("out of memory", ctx.vars.inputpath);
  } catch (const std::exception& e) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error =
        RunError(std::string("internal error: ") + e.what(), ctx.vars.inputpath);
  }
  FinalReset(ui);
  if (outcome.kind == RunOutcome::Kind::kFailed) ui.TableChanged();
  outcome.vars = ctx.vars;
  outcome.nercount = ctx.nercount;
  outcome.warnings = std::move(ctx.warnings);
  return outcome;
}

}  // namespace kestrelon
