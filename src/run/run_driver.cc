#include "run/run_driver.h"

#include <array>
#include <exception>
#include <new>
#include <span>
#include <vector>

#include "output/output_stage.h"
#include "platform/dir_lock.h"
#include "platform/file_publisher.h"
#include "platform/paths.h"
#include "platform/side_task.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "rename/rename_session.h"
#include "run/extract_thermo.h"
#include "run/file_layouts.h"
#include "run/name_prompt.h"
#include "run/name_rules.h"
#include "run/normalise_input.h"
#include "run/summary.h"
#include "run/tag_sections.h"
#include "run/thermo_file.h"
#include "run/working_file_clash.h"
#include "run/working_files.h"
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
    throw RunError(std::string("unknown number pattern for ") + which + ": \"" +
                   text + "\"");
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

void FinalReset(UiServices& ui) {
  ui.SetStatus("");
  ui.SetProgress(0);
  ui.ShowProgress(false);
  ui.Repaint();
}

// A check names no file: the command line has judged the names it would
// give before the run.
void AskThermoPath(UiServices& ui, RunRecord& run) {
  if (run.check_only) return;
  run.thermoname = AskThermoName(ui, run);
  run.vars.thermopath = ThermoFilePath(run, run.thermoname);
  ui.Repaint();
}

// The input stage: the thermo-less copy of the normalised input, written
// over it (the normalised and the tagged copy are made again only for the
// user to see them), the database text when there is one. Leaves
// "tempo3.int".
void RunInputStage(UiServices& ui, RunRecord& run, std::string_view input,
                   WorkingFiles& work, std::string& thermo_text,
                   std::shared_ptr<const std::string>& table_text,
                   std::vector<std::string_view>& table_lines) {
  const bool permissive = run.permissive;
  const auto normalised = [input, permissive](InputLines& lines) {
    std::string text;
    NormaliseInput(input, text, lines, permissive);
    return text;
  };
  // Held where it is while the table's lines view it.
  auto text = std::make_shared<std::string>(work.Drop(kTempo, [normalised] {
    InputLines lines;
    return normalised(lines);
  }));
  MechanismCopy copy = CopyMechanism(*text, run.input);
  run.vars.has_thermo = copy.has_thermo;
  work.Drop(kTempo2, [normalised] {
    InputLines lines;
    std::string tagged_text;
    TagSections(normalised(lines), tagged_text, lines);
    return tagged_text;
  });
  ui.Repaint();
  ui.SetProgress(20);
  // Two databases would give two files of one name, or one species twice.
  if (run.vars.has_thermo && !run.thermo_file.empty()) {
    throw RunError(
        "the mechanism has a THERMO section of its own; a separate "
        "thermodynamic file cannot be added",
        run.input.file);
  }
  if (run.vars.has_thermo) {
    ui.SetStatus("Thermo Section...");
    if (copy.thermo_failure) throw *copy.thermo_failure;
    AskThermoPath(ui, run);
    thermo_text = std::move(copy.thermo_text);
    ui.Repaint();
  }
  table_text = std::move(text);
  table_lines = std::move(copy.lines);
  work.Drop(kTempo3, [table_text] { return *table_text; });
  if (!run.thermo_file.empty()) {
    thermo_text = CleanThermoText(ReadFile(run.thermo_file));
    AskThermoPath(ui, run);
    ui.Repaint();
    run.vars.has_thermo = true;
  }
  if (run.vars.has_thermo) {
    ui.SetProgress(30);
    ui.SetStatus("In progress...");
  }
  ui.Repaint();
  ui.SetProgress(30);
  ui.Repaint();
}

// Loads the table from the lines of "tempo3.int" and finds the sections;
// the working files are gone then. With `lend`, the reaction rows read their
// lines from the text (for the reaction steps to write each once), and are
// loaded once the sections are found.
void LoadTable(UiServices& ui, WorkingTable& table, RunRecord& run,
               WorkingFiles& work, const std::vector<std::string_view>& lines,
               bool lend) {
  if (lend) {
    CheckTableRoom(table, lines, run.input, run.permissive);
  } else {
    FillTable(table, lines, run.input, run.permissive);
  }
  ui.SetProgress(40);
  work.Remove(kTempo);
  work.Remove(kTempo2);
  run.vars.index = LocateSections(lines, run.input);
  for (RunWarning& w : TextBetweenSections(lines, run.vars.index, run.input)) {
    run.warnings.push_back(std::move(w));
  }
  if (lend) {
    FillTable(table, lines, run.input, run.permissive,
              ReactionRows(run.vars.index));
  }
  work.Remove(kTempo3);
  ui.SetProgress(50);
}

// Ends the table's loans of a text before the text goes, and lets go of
// the memory handed to the table that no row took.
class LoansEnd {
 public:
  explicit LoansEnd(WorkingTable& table) : table_(table) {}
  ~LoansEnd() {
    table_.EndLoans();
    table_.DropDonatedMemory();
  }
  LoansEnd(const LoansEnd&) = delete;
  LoansEnd& operator=(const LoansEnd&) = delete;

 private:
  WorkingTable& table_;
};

// Runs the analysis passes over the sections of the loaded table. Returns
// the rows of the non-elementary reactions when nobody looks at the table
// (none otherwise).
std::vector<int> RunAnalysis(UiServices& ui, WorkingTable& table,
                             RunRecord& run) {
  ui.TableChanged();
  const SectionIndex& index = run.vars.index;
  NormaliseNameRows(table, ElementRows(index));
  ui.SetProgress(60);
  NormaliseNameRows(table, SpeciesRows(index));
  ui.SetProgress(70);
  const RowRange reactions = ReactionRows(index);
  std::vector<int> non_elementary;
  if (ui.ShowsTable()) {
    NormaliseAndFlag(table, reactions, run.input);
    ui.SetProgress(80);
    SplitAndFillSlots(table, reactions, run.style.patterns,
                      ReadDeclaredSpecies(table, index), run.input);
  } else {
    // Nobody looks at the rows a failure leaves.
    non_elementary =
        RunReactionPasses(table, reactions, run.style.patterns,
                          ReadDeclaredSpecies(table, index), run.input);
  }
  for (RunWarning& w : UnknownAuxiliaryLines(table, reactions, run.input)) {
    run.warnings.push_back(std::move(w));
  }
  ui.TableChanged();
  return non_elementary;
}

// Composes the three cleaned files with their keyword lines laid out and,
// unless the run is a check, stages them after the thermodynamic file in
// `publisher`: nothing is published before every file is complete on disk.
void RunOutput(UiServices& ui, WorkingTable& table, RunRecord& run,
               std::span<const int> non_elementary, std::string& thermo_text,
               FilePublisher* publisher) {
  ui.SetStatus("Creating Files...");
  if (!run.check_only) run.cleanname = AskCleanName(ui, run);
  const std::array<std::string, 3> paths = CleanedFilePaths(run, run.cleanname);
  run.vars.outpathj = paths[0];
  run.vars.outpathcal = paths[1];
  run.vars.outpathk = paths[2];
  ui.SetProgress(90);
  ui.Repaint();
  const bool table_shown = ui.ShowsTable();
  OutputResult written = RunOutputStage(table, run.vars.index, run.style,
                                        run.input, table_shown, non_elementary);
  run.nercount = written.nercount;
  if (!table_shown) table.Clear();
  if (publisher != nullptr && run.vars.has_thermo) {
    publisher->Stage(run.vars.thermopath, thermo_text);
  }
  std::string().swap(thermo_text);
  int failed = 0;
  try {
    LayOutFiles(written, run.style, paths, publisher, failed);
  } catch (const FileError&) {
    if (table_shown) ShowFileLinesInTable(table, run.vars.index, failed);
    throw;
  }
}

// The input as the command line read it, or else as the run reads it now.
std::string_view InputText(const RunOptions& options, const std::string& path,
                           std::string& storage) {
  if (options.input == nullptr) {
    storage = ReadFile(path);
    return storage;
  }
  if (options.input->error) throw *options.input->error;
  return options.input->text;
}

// The phases from the normalised copy to the published files, inside the
// directory lock. Returns false for the unreadable-file branch.
bool RunLockedPhases(UiServices& ui, WorkingTable& table, RunRecord& run,
                     const RunOptions& options, std::string& storage,
                     WorkingFiles& work) {
  RunVariables& v = run.vars;
  const std::string_view input = InputText(options, v.inputpath, storage);
  v.endcount =
      NormaliseInput(input, work.Create(kTempo), run.input, run.permissive);
  if (v.endcount < 3) {
    ui.SetStatus("Error");
    ui.ShowMessage("Your file can not be treated!", "Error !",
                   MessageIcon::kCritical);
    ui.ShowErrorDialog();
    ui.SetStatus("");
    // A real run leaves the copy for the user to look at; a check writes
    // nothing.
    if (!options.check_only) work.LeaveOnDisk(v.inputdir);
    return false;
  }

  ReadWindowSettings(ui, run);
  ui.SetProgress(10);
  ui.SetStatus("");
  ui.SetStatus("In Progress...");
  ui.Repaint();

  std::string thermo_text;                        // when v.has_thermo
  std::shared_ptr<const std::string> table_text;  // of "tempo3.int"
  std::vector<std::string_view> table_lines;      // its lines
  RunInputStage(ui, run, input, work, thermo_text, table_text, table_lines);
  // A table nobody looks at reads the reaction lines from the text until
  // the reaction steps write each row once.
  const bool lend = !ui.ShowsTable();
  std::vector<int> non_elementary;
  {
    LoansEnd loans_end(table);
    LoadTable(ui, table, run, work, table_lines, lend);
    // The working files are gone: nothing is made from the input again.
    // Its pages hold the reaction rows the steps write.
    if (lend) {
      table.DonateRowMemory(
          std::move(options.input != nullptr ? options.input->text : storage));
    }
    std::string().swap(storage);
    if (options.input != nullptr) std::string().swap(options.input->text);
    std::vector<std::string_view>().swap(table_lines);
    if (!lend) table_text.reset();
    non_elementary = RunAnalysis(ui, table, run);
  }
  table_text.reset();
  if (options.analysed) options.analysed(table, run.vars.index);
  // A check meets every failure a run would meet, and publishes nothing.
  FilePublisher publisher;
  RunOutput(ui, table, run, non_elementary, thermo_text,
            options.check_only ? nullptr : &publisher);
  if (options.check_only) return true;
  publisher.Commit();

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
  v.slashpos = SlashPosition(v.inputpath, run.input.file);
  v.inputdir = v.inputpath.substr(0, static_cast<size_t>(v.slashpos));
  RefuseInputAsWorkingFile(v.inputpath, v.inputdir, *chosen);
  ui.SetLoadedLabel(LoadedLabel(v.inputpath, v.slashpos));
  v.tempopath = run.WorkPath(kTempo);
  // Holding the lock, no other run's temporary files are in the directory:
  // any there were left by a run that was killed.
  if (!options.check_only && lock.held()) {
    RemoveStaleTemporaries(v.inputdir, v.inputpath);
  }

  // The input outlives the working files made from it.
  std::string storage;
  WorkingFiles work;
  try {
    return RunLockedPhases(ui, table, run, options, storage, work);
  } catch (...) {
    if (!options.check_only) {
      try {
        work.LeaveOnDisk(v.inputdir);
      } catch (const FileError&) {
        // The run's own failure is what the user needs to see.
      }
    }
    throw;
  }
}

}  // namespace

RunOutcome RunCleaning(UiServices& ui, WorkingTable& table,
                       const RunOptions& options) {
  table.Clear();
  ui.TableChanged();
  ui.ShowProgress(true);
  // Made now, it is on a core of its own by the time work is handed to it;
  // a small input is cleaned on one thread.
  constexpr size_t kSmallInput = 128 * 1024;
  if (options.input == nullptr || options.input->text.size() >= kSmallInput) {
    PrepareSideThread();
  }
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
    outcome.error = RunError(std::string("internal error: ") + e.what(),
                             run.vars.inputpath);
  }
  FinalReset(ui);
  if (outcome.kind == RunOutcome::Kind::kFailed) ui.TableChanged();
  outcome.vars = run.vars;
  outcome.nercount = run.nercount;
  outcome.warnings = std::move(run.warnings);
  return outcome;
}

}  // namespace kestrelon
