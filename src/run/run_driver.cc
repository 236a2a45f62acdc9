#include "run/run_driver.h"

#include <array>
#include <exception>
#include <memory>
#include <new>

#include "model/energy_unit.h"
#include "output/layout_pass.h"
#include "output/output_stage.h"
#include "platform/dir_lock.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "rename/rename_session.h"
#include "run/extract_thermo.h"
#include "run/name_prompt.h"
#include "run/name_rules.h"
#include "run/normalise_input.h"
#include "run/summary.h"
#include "run/tag_sections.h"
#include "run/thermo_file.h"
#include "run/working_file_clash.h"
#include "table/auxiliary_lines.h"
#include "table/element_species.h"
#include "table/load_table.h"
#include "table/reaction_passes.h"

namespace kestrelon {
namespace {

constexpr const char* kChooserTitle = "Select the File you have to Clean...";

NumberPattern PatternOrThrow(const std::string& text, const char* which) {
  std::optional<NumberPattern> pattern = ParsePattern(text);
  if (!pattern) {
    throw RunError(std::string("unknown number pattern for ") + which +
                   ": \"" + text + "\"");
  }
  return *pattern;
}

// Reads the main window's settings into the run: the unit, the extensions
// and the patterns are fixed for the run.
void ReadWindowSettings(UiServices& ui, RunRecord& run) {
  WindowSettings s = ui.ReadSettings();
  run.style.unit = s.unit;
  run.outext = MechanismExtension(s.mech_ext, s.mech_ext_text);
  run.thermoext = ThermoExtension(s.thermo_ext, s.thermo_ext_text);
  run.style.patterns.a = PatternOrThrow(s.a_pattern, "A");
  run.style.patterns.n = PatternOrThrow(s.n_pattern, "n");
  run.style.patterns.ea = PatternOrThrow(s.ea_pattern, "Ea");
  run.thermo_file = s.thermo_file;
}

void RemoveWorkingFiles(const RunRecord& run) {
  for (const char* w : kWorkingFiles) RemoveFile(run.WorkPath(w));
}

// A check writes nothing, also when it fails part way: whatever working
// file the run made is removed when the check leaves the locked directory,
// before another run may take the lock and make its own.
class CheckLeavesNothing {
 public:
  CheckLeavesNothing(const RunRecord& run, bool check_only)
      : run_(run), check_only_(check_only) {}
  ~CheckLeavesNothing() {
    // Before the input pass has named the directory there is nothing to
    // remove, and no directory to remove it from.
    if (!check_only_ || run_.vars.tempopath.empty()) return;
    try {
      RemoveWorkingFiles(run_);
    } catch (const FileError&) {
      // The run's own outcome is what the user needs to see.
    }
  }
  CheckLeavesNothing(const CheckLeavesNothing&) = delete;
  CheckLeavesNothing& operator=(const CheckLeavesNothing&) = delete;

 private:
  const RunRecord& run_;
  bool check_only_;
};

void FinalReset(UiServices& ui) {
  ui.SetStatus("");
  ui.SetProgress(0);
  ui.ShowProgress(false);
  ui.Repaint();
}

// The input stage: the normalised, tagged and thermo-less copies of the
// input, the database file when there is one. Leaves "tempo3.int".
void RunInputStage(UiServices& ui, RunRecord& run) {
  run.vars.has_thermo =
      TagSections(run.vars.tempopath, run.WorkPath(kTempo2), run.input);
  ui.Repaint();
  ui.SetProgress(20);
  // Two databases would give two files of one name, or one species twice.
  if (run.vars.has_thermo && !run.thermo_file.empty()) {
    throw RunError(
        "the mechanism has a THERMO section of its own; a separate "
        "thermodynamic file cannot be added",
        run.input.file);
  }
  const TaggedCopy tagged(run.WorkPath(kTempo2), run.input);
  std::optional<ThermoRange> thermo;
  if (run.vars.has_thermo) {
    ui.SetStatus("Thermo Section...");
    thermo = FindThermoSection(tagged, run.input);
    if (!run.check_only) {
      run.thermoname = AskThermoName(ui, run);
      run.vars.thermopath = ThermoFilePath(run, run.thermoname);
      ui.Repaint();
      WriteThermoFile(tagged, *thermo, run.vars.thermopath);
      ui.Repaint();
    }
  }
  WriteMechanismCopy(tagged, thermo, run.WorkPath(kTempo3), run.input);
  if (!run.thermo_file.empty()) {
    const std::string text = CleanThermoText(ReadFile(run.thermo_file));
    if (!run.check_only) {
      run.thermoname = AskThermoName(ui, run);
      run.vars.thermopath = ThermoFilePath(run, run.thermoname);
      ui.Repaint();
      WriteFile(run.vars.thermopath, text);
      ui.Repaint();
      run.vars.has_thermo = true;
    }
  }
  if (run.vars.has_thermo) {
    ui.SetProgress(30);
    ui.SetStatus("In progress...");
  }
  ui.Repaint();
  ui.SetProgress(30);
  ui.Repaint();
}

// Loads the table from "tempo3.int", finds the sections and runs the
// analysis passes over them.
void RunAnalysis(UiServices& ui, WorkingTable& table, RunRecord& run) {
  {
    const std::string path = run.WorkPath(kTempo3);
    const std::string content = ReadFile(path);
    const std::vector<std::string_view> lines = LinesOf(content);
    FillTable(table, lines, run.input, run.permissive);
    ui.SetProgress(40);
    RemoveFile(run.WorkPath(kTempo));
    RemoveFile(run.WorkPath(kTempo2));
    run.vars.index = LocateSections(lines, run.input);
    RemoveFile(path);
    ui.SetProgress(50);
  }
  ui.TableChanged();
  const SectionIndex& index = run.vars.index;
  NormaliseNameRows(table, ElementRows(index));
  ui.SetProgress(60);
  NormaliseNameRows(table, SpeciesRows(index));
  ui.SetProgress(70);
  const RowRange reactions = ReactionRows(index);
  NormaliseAndFlag(table, reactions, run.input);
  ui.SetProgress(80);
  SplitAndFillSlots(table, reactions, run.style.patterns,
                    ReadDeclaredSpecies(table, index), run.input);
  for (RunWarning& w : UnknownAuxiliaryLines(table, reactions, run.input)) {
    run.warnings.push_back(std::move(w));
  }
  ui.TableChanged();
}

// Writes the three cleaned files and lays out their keyword lines.
void RunOutput(UiServices& ui, WorkingTable& table, RunRecord& run) {
  ui.SetStatus("Creating Files...");
  run.cleanname = AskCleanName(ui, run);
  const std::array<std::string, 3> paths = CleanedFilePaths(run, run.cleanname);
  run.vars.outpathj = paths[0];
  run.vars.outpathcal = paths[1];
  run.vars.outpathk = paths[2];
  ui.SetProgress(90);
  ui.Repaint();
  const OutputResult written = RunOutputStage(
      table, run.vars.index, run.style, run.input, {paths, run.vars.inputdir});
  run.nercount = written.nercount;
  std::shared_ptr<LayoutMemo> memo;
  for (int f = 0; f < 3; ++f) {
    LayOutFile(paths[f], kOutUnits[f], run.style, memo, run.WorkPath(kTempo3),
               written.lines);
  }
}

// A whole run from the file chooser on. Returns false for the
// unreadable-file branch.
bool RunPhases(UiServices& ui, WorkingTable& table, RunRecord& run,
               const RunOptions& options) {
  ui.SetStatus("In progress...");
  std::optional<std::string> chosen =
      ui.ChooseFile({kChooserTitle, kMechanismChooserFilter, "/"});
  if (!chosen) throw RunError("no file chosen");
  RunVariables& v = run.vars;
  v.inputpath = *chosen;
  run.input.file = BaseName(*chosen);
  if (IsWorkingFileName(run.input.file)) {
    throw RunError(
        "the input file has the name of a working file of the run; "
        "rename or move it first",
        *chosen);
  }

  DirectoryLock lock(
      DirectoryOf(*chosen),
      [&ui] {
        ui.SetStatus(kWaitingForLock);
        ui.Repaint();
      },
      options.lock_wait);
  const CheckLeavesNothing check_cleanup(run, options.check_only);
  v.slashpos = SlashPosition(v.inputpath, run.input.file);
  v.inputdir = v.inputpath.substr(0, static_cast<size_t>(v.slashpos));
  RefuseInputAsWorkingFile(v.inputpath, v.inputdir, *chosen);
  ui.SetLoadedLabel(LoadedLabel(v.inputpath, v.slashpos));
  v.tempopath = run.WorkPath(kTempo);
  v.endcount =
      NormaliseInput(v.inputpath, v.tempopath, run.input, run.permissive);
  if (v.endcount < 3) {
    ui.SetStatus("Error");
    ui.ShowMessage("Your file can not be treated!", "Error !",
                   MessageIcon::kCritical);
    ui.ShowErrorDialog();
    ui.SetStatus("");
    // A check writes nothing; a real run leaves the copy for the user to
    // look at.
    if (options.check_only) RemoveFile(run.WorkPath(kTempo));
    return false;
  }

  ReadWindowSettings(ui, run);
  ui.SetProgress(10);
  ui.SetStatus("");
  ui.SetStatus("In Progress...");
  ui.Repaint();

  RunInputStage(ui, run);
  RunAnalysis(ui, table, run);
  if (options.check_only) {
    RemoveWorkingFiles(run);
    return true;
  }

  RunOutput(ui, table, run);
  RenameSession session({v.has_thermo, v.thermopath, v.outpathj, v.outpathcal,
                         v.outpathk, run.WorkPath(kTempo3)});
  ui.RunRenameDialog(session);

  ui.SetStatus("Successful...");
  table.Clear();
  ui.TableChanged();
  ui.SetProgress(100);
  ShowSummary(ui, run);
  return true;
}

}  // namespace

RunOutcome RunCleaning(UiServices& ui, WorkingTable& table,
                       const RunOptions& options) {
  table.Clear();
  ui.TableChanged();
  ui.ShowProgress(true);
  RunRecord run;
  run.check_only = options.check_only;
  run.permissive = options.permissive;
  ui.SetLoadedLabel("");
  ui.SetOutputLabel("");

  RunOutcome outcome;
  try {
    bool readable = RunPhases(ui, table, run, options);
    outcome.kind =
        readable ? RunOutcome::Kind::kSuccess : RunOutcome::Kind::kUnreadable;
  } catch (const RunError& e) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error = e;
  } catch (const FileError& e) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error = RunError(e);
  } catch (const std::bad_alloc&) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error = RunError("out of memory", run.vars.inputpath);
  } catch (const std::exception& e) {
    outcome.kind = RunOutcome::Kind::kFailed;
    outcome.error =
        RunError(std::string("internal error: ") + e.what(), run.vars.inputpath);
  }
  FinalReset(ui);
  if (outcome.kind == RunOutcome::Kind::kFailed) ui.TableChanged();
  outcome.vars = run.vars;
  outcome.nercount = run.nercount;
  outcome.warnings = std::move(run.warnings);
  return outcome;
}

}  // namespace kestrelon
