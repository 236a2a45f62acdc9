#include "cli/clean_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include "cli/check_report.h"
#include "cli/clean_batch.h"
#include "cli/end_diagnostics.h"
#include "cli/output_check.h"
#include "cli/rename_check.h"
#include "cli/section_hints.h"
#include "model/cleaned_file.h"
#include "model/run_error.h"
#include "model/run_warning.h"
#include "model/species_name.h"
#include "model/working_table.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_prompt.h"
#include "run/name_rules.h"
#include "run/reactions_unit.h"
#include "run/run_driver.h"
#include "run/thermo_file.h"

namespace kestrelon {
namespace {

constexpr const char* kValueOptions[] = {
    "--name",       "--thermo-name", "--unit",     "--ext",
    "--thermo-ext", "--a-format",    "--n-format", "--ea-format",
    "--rename",     "--thermo",      "--wait",     "--jobs"};

std::string StemOf(const std::string& path) {
  std::string name = BaseName(path);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool ParseUnit(const std::string& text, CleanOptions* o) {
  static const struct {
    const char* word;
    EaUnit unit;
  } kUnits[] = {{"kj", EaUnit::kKj},
                {"kcal", EaUnit::kKcal},
                {"j", EaUnit::kJ},
                {"cal", EaUnit::kCal},
                {"kelvin", EaUnit::kKelvin}};
  if (text == "auto") {
    o->unit_auto = true;
    return true;
  }
  for (const auto& u : kUnits) {
    if (text == u.word) {
      o->settings.unit = u.unit;
      o->unit_auto = false;
      return true;
    }
  }
  return false;
}

// The files a run with these options may write next to the input, named as
// the run names them, each with the options that make its name.
struct PlannedFile {
  std::string name;
  std::string made_by;
};

// The thermo file only when the run will write one.
std::vector<PlannedFile> PlannedFiles(const CleanOptions& o,
                                      bool writes_thermo) {
  const std::string name = CleanTypedName(o.name);
  const std::string ext =
      MechanismExtension(o.settings.mech_ext, o.settings.mech_ext_text);
  const std::string by_name = "--name " + o.name;
  std::vector<PlannedFile> files;
  for (const char* unit : {"j", "cal", "kelvin"}) {
    files.push_back({name + unit + "." + ext, by_name});
  }
  if (writes_thermo) {
    files.push_back(
        {CleanTypedName(o.thermo_name) + "." +
             ThermoExtension(o.settings.thermo_ext, o.settings.thermo_ext_text),
         "--thermo-name " + o.thermo_name});
  }
  return files;
}

// Refuses, before anything is written, names whose files would take the
// place of the input, of a working file of the run (by name, or through a
// link), or of one another.
std::optional<std::string> CheckPlannedNames(const CleanOptions& o,
                                             const std::string& input_path,
                                             bool writes_thermo) {
  const std::string dir = DirectoryOf(input_path);
  const std::string input_name = BaseName(input_path);
  std::vector<PlannedFile> files = PlannedFiles(o, writes_thermo);
  for (const PlannedFile& f : files) {
    if (f.name == input_name || SameFile(dir + f.name, input_path)) {
      return f.made_by + ": " + kOverwritesInput;
    }
    if (IsWorkingFile(dir + f.name, dir)) {
      return f.made_by +
             ": This name would overwrite a working file of the run.";
    }
  }
  if (!writes_thermo) return std::nullopt;
  const PlannedFile& thermo = files.back();
  if (!o.settings.thermo_file.empty() &&
      SameFile(dir + thermo.name, o.settings.thermo_file)) {
    return thermo.made_by + ": This name would overwrite the file of --thermo.";
  }
  for (size_t i = 0; i + 1 < files.size(); ++i) {
    if (files[i].name == thermo.name) {
      return files[i].made_by + " and " + thermo.made_by + " both name " +
             thermo.name;
    }
  }
  return std::nullopt;
}

// 0 for anything but a whole number from 1 to 1024.
int ParseJobs(const std::string& text) {
  if (text.empty() || text.size() > 4 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return 0;
  }
  const int jobs = std::stoi(text);
  return jobs <= 1024 ? jobs : 0;
}

constexpr const char* kUsageHint = "run 'kestrelon --help' for the options\n";

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

}  // namespace

void PrintUsage(std::ostream& out) {
  out << "usage: kestrelon clean MECHANISM... [options]\n"
         "       kestrelon check MECHANISM [--thermo FILE] [--json] ...\n"
         "       kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n"
         "       kestrelon            (opens the window)\n"
         "\n"
         "Cleans CHEMKIN mechanisms, each as its own run: writes NAMEj.EXT,\n"
         "NAMEcal.EXT and NAMEkelvin.EXT (Ea in J/mol, cal/mol and K) and,\n"
         "when the input holds a THERMO section or --thermo is given,\n"
         "THERMONAME.THERMOEXT, next to the input.\n"
         "\n"
         "options (--opt VALUE or --opt=VALUE):\n"
         "  --name NAME          base name of the cleaned files\n"
         "                       (default: the input's name without "
         "extension)\n"
         "  --thermo-name NAME   base name of the thermo file (default: NAME"
         "thermo)\n"
         "  --unit U             unit of Ea in the input: kj, kcal, j, cal,\n"
         "                       kelvin, or auto: the unit its REACTIONS line\n"
         "                       declares (default cal)\n"
         "  --ext E              rxn, mech or a custom extension (default "
         "rxn)\n"
         "  --thermo-ext E       dat, the or a custom extension (default dat)\n"
         "  --thermo FILE        the thermo data of a mechanism without a\n"
         "                       THERMO section, cleaned into the thermo file\n"
         "  --a-format P         0.000E+00 (default), 0.00E+00, 0.0E+00\n"
         "  --n-format P         0.0000 (default), 0.000, 0.00\n"
         "  --ea-format P        0.00, 0.0 (default), 0\n"
         "  --rename OLD=NEW     rename a species in every file (repeatable)\n"
         "  --check              run in full but write no file\n"
         "  --quiet              print nothing on success but warnings\n"
         "  --wait SECONDS       wait at most this long for another run in\n"
         "                       the directory (default: as long as it takes)\n"
         "  --permissive         read keyword and END lines with blanks, TABs\n"
         "                       or comments, close a section without END at\n"
         "                       the next keyword (REACTIONS at the end of\n"
         "                       the file), no limit of 25,999 lines\n"
         "  --jobs N             mechanisms cleaned at the same time "
         "(default:\n"
         "                       the cores); those of one directory one after\n"
         "                       another; then \"N cleaned, M failed, K\n"
         "                       unreadable\"\n"
         "  --help, --version\n"
         "\n"
         "\n"
         "\"--\" ends the options (for a file whose name begins with \"-\").\n"
         "\n"
         "exit status: 0 success, 1 the run failed, 2 unreadable file,\n"
         "64 usage error; with several mechanisms, that of the first one\n"
         "not cleaned\n";
}

std::optional<CleanOptions> ParseCleanOptions(
    const std::vector<std::string>& args, std::ostream& err) {
  CleanOptions o;
  bool have_thermo_name = false;
  auto fail = [&err](const std::string& what) {
    err << "kestrelon: " << what << "\n";
    return std::nullopt;
  };
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    if (!options_end && a == "--") {
      options_end = true;
      continue;
    }
    if (options_end || a.size() < 2 || a[0] != '-') {
      o.mechanisms.push_back(a);
      continue;
    }
    std::optional<std::string> inline_value;
    size_t eq = a.find('=');
    if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
      inline_value = a.substr(eq + 1);
      a.resize(eq);
    }
    if (a == "--quiet" || a == "--check" || a == "--permissive") {
      if (inline_value) return fail("option " + a + " takes no value");
      (a == "--quiet"   ? o.quiet
       : a == "--check" ? o.check
                        : o.permissive) = true;
      continue;
    }
    bool known = false;
    for (const char* name : kValueOptions) known = known || a == name;
    if (!known) return fail("unknown option " + a);
    std::string v;
    if (inline_value) {
      v = *inline_value;
    } else if (i + 1 < args.size()) {
      v = args[++i];
    } else {
      return fail("option " + a + " needs a value");
    }
    if (a == "--name" || a == "--thermo-name") {
      if (v.empty()) return fail(a + " must not be empty");
      (a == "--name" ? o.name : o.thermo_name) = v;
      have_thermo_name = have_thermo_name || a == "--thermo-name";
    } else if (a == "--jobs") {
      const int jobs = ParseJobs(v);
      if (jobs == 0) {
        return fail("--jobs needs a whole number from 1 to 1024, not \"" + v +
                    "\"");
      }
      o.jobs = jobs;
    } else if (a == "--thermo") {
      if (v.empty()) return fail("--thermo must not be empty");
      o.settings.thermo_file = v;
    } else if (a == "--wait") {
      std::optional<double> seconds = ParseNumberText(v);
      if (!seconds || *seconds < 0 || *seconds > 1e6) {
        return fail(
            "--wait needs a number of seconds from 0 to 1000000, not \"" + v +
            "\"");
      }
      o.wait_seconds = seconds;
    } else if (a == "--unit") {
      if (!ParseUnit(v, &o)) {
        return fail("unknown unit \"" + v +
                    "\" for --unit; use kj, kcal, j, cal, kelvin or auto");
      }
    } else if (a == "--ext") {
      if (v.empty()) return fail("--ext must not be empty");
      o.settings.mech_ext = v == "rxn"    ? MechExtChoice::kRxn
                            : v == "mech" ? MechExtChoice::kMech
                                          : MechExtChoice::kCustom;
      o.settings.mech_ext_text = v;
    } else if (a == "--thermo-ext") {
      if (v.empty()) return fail("--thermo-ext must not be empty");
      o.settings.thermo_ext = v == "dat"   ? ThermoExtChoice::kDat
                              : v == "the" ? ThermoExtChoice::kThe
                                           : ThermoExtChoice::kCustom;
      o.settings.thermo_ext_text = v;
    } else if (a == "--a-format" || a == "--n-format" || a == "--ea-format") {
      const std::string_view* allowed = a == "--a-format"   ? kAPatternItems
                                        : a == "--n-format" ? kNPatternItems
                                                            : kEaPatternItems;
      bool ok = false;
      for (int k = 0; k < 3; ++k) ok = ok || v == allowed[k];
      if (!ok) {
        return fail("unknown pattern \"" + v + "\" for " + a + "; use " +
                    std::string(allowed[0]) + ", " + std::string(allowed[1]) +
                    " or " + std::string(allowed[2]));
      }
      std::string& slot = a == "--a-format"   ? o.settings.a_pattern
                          : a == "--n-format" ? o.settings.n_pattern
                                              : o.settings.ea_pattern;
      slot = v;
    } else {  // --rename
      size_t sep = v.find('=');
      if (sep == std::string::npos || sep == 0 || sep + 1 == v.size()) {
        return fail("--rename needs OLD=NEW with both names, not \"" + v +
                    "\"");
      }
      if (v.find_first_of(" \t") < sep) {
        return fail("--rename \"" + v +
                    "\": a species name holds no blank or TAB");
      }
      if (std::optional<std::string> problem =
              NewSpeciesNameProblem(v.substr(sep + 1))) {
        return fail("--rename \"" + v + "\": " + *problem);
      }
      o.renames.emplace_back(v.substr(0, sep), v.substr(sep + 1));
    }
  }
  if (o.mechanisms.empty()) return fail("no mechanism file given");
  if (o.mechanisms.size() > 1) {
    // One name for several mechanisms would give their files one name.
    const std::pair<const char*, bool> single[] = {
        {"--name", !o.name.empty()},
        {"--thermo-name", have_thermo_name},
        {"--thermo", !o.settings.thermo_file.empty()}};
    for (const auto& [option, given] : single) {
      if (given) {
        return fail(std::string(option) + " applies to one mechanism; " +
                    std::to_string(o.mechanisms.size()) + " were given");
      }
    }
  }
  o.mechanism = o.mechanisms.front();
  if (o.name.empty()) o.name = StemOf(o.mechanism);
  if (o.name.empty()) o.name = "mechanism";
  if (!have_thermo_name) o.thermo_name = o.name + "thermo";
  return o;
}

CleanOptions ForMechanism(const CleanOptions& options,
                          const std::string& mechanism) {
  CleanOptions o = options;
  o.mechanism = mechanism;
  o.mechanisms = {mechanism};
  o.name = StemOf(mechanism);
  if (o.name.empty()) o.name = "mechanism";
  o.thermo_name = o.name + "thermo";
  return o;
}

namespace {

int RunClean(const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err) {
  std::optional<CleanOptions> options = ParseCleanOptions(args, err);
  if (!options) {
    err << kUsageHint;
    return kExitUsage;
  }
  if (options->mechanisms.size() == 1) {
    return CleanOneMechanism(*options, out, err);
  }
  // Only a terminal is shown a line that is redrawn in place.
  const bool progress = &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
  return RunCleanBatch(*options, out, err, progress);
}

}  // namespace

int CleanOneMechanism(CleanOptions options, std::ostream& out,
                      std::ostream& err, WorkingTable* table) {
  auto usage_error = [&err]() {
    err << kUsageHint;
    return kExitUsage;
  };
  const std::string& given = options.mechanism;
  const std::string input_path = AbsolutePath(given);

  // Read once: the run cleans the bytes the unit is taken from, and a file
  // that cannot be read ends the run with the reason where the run would
  // have read it.
  InputRead input;
  const std::string* text = nullptr;
  int warnings = 0;
  try {
    input.text = ReadFile(input_path);
    if (WithoutByteOrderMark(input.text).size() < input.text.size()) {
      input.text.erase(0, 3);
    }
    text = &input.text;
  } catch (const FileError& e) {
    input.error = e;
  }

  const bool writes_thermo =
      !options.check && (!options.settings.thermo_file.empty() || !text ||
                         HasThermoSection(*text));
  if (std::optional<std::string> clash =
          CheckPlannedNames(options, input_path, writes_thermo)) {
    err << "kestrelon: " << *clash << "\n";
    return usage_error();
  }
  if (text && !options.check) {
    if (std::optional<std::string> refused =
            RefusedRename(InputSpecies(*text), options.renames)) {
      err << "kestrelon: " << *refused << "\n";
      return usage_error();
    }
  }
  if (text && !options.settings.thermo_file.empty() &&
      HasThermoSection(*text)) {
    err << "kestrelon: --thermo " << options.settings.thermo_file << ": "
        << given << " has a THERMO section of its own\n";
    return usage_error();
  }
  if (text) {
    UnitDecision decision =
        DecideUnit(ReadReactionsLine(*text), options.unit_auto,
                   options.settings.unit, given);
    if (decision.error) {
      err << *decision.error << "\n";
      return usage_error();
    }
    for (const std::string& w : decision.warnings) err << w << "\n";
    warnings = static_cast<int>(decision.warnings.size());
    options.settings.unit = decision.unit;
  }

  // What a refusal that --permissive lifts adds to its message.
  const std::string_view advice = options.permissive ? "" : kPermissiveAdvice;
  CliServices services(options, out, err);
  // Kept to the end of the process: freeing the cells one by one would be
  // work the exit does anyway.
  if (table == nullptr) {
    static WorkingTable* const kept = new WorkingTable;
    table = kept;
  }
  RunOptions run_options;
  run_options.check_only = options.check;
  if (options.wait_seconds) {
    run_options.lock_wait = std::chrono::milliseconds(
        static_cast<long long>(*options.wait_seconds * 1000));
  }
  run_options.permissive = options.permissive;
  run_options.input = &input;
  std::optional<MechanismCounts> counts;
  if (options.check && !options.quiet) {
    const int lines = text ? static_cast<int>(LinesOf(*text).size()) : 0;
    run_options.analysed = [&counts, lines](const WorkingTable& t,
                                            const SectionIndex& i) {
      counts = CountMechanism(t, i, lines);
    };
  }
  RunOutcome outcome = RunCleaning(services, *table, run_options);
  // The run names the input by its bare name; the user named it as given.
  auto as_given = [&](const std::string& file) {
    return file == BaseName(input_path) || file == input_path ? given : file;
  };
  for (const RunWarning& w : outcome.warnings) {
    err << FormatWarning(as_given(w.file), w.line, w.text) << "\n";
  }
  warnings += static_cast<int>(outcome.warnings.size());
  switch (outcome.kind) {
    case RunOutcome::Kind::kSuccess:
      if (counts) out << CheckReport(given, *counts, warnings) << "\n";
      return kExitOk;
    case RunOutcome::Kind::kUnreadable:
      for (const std::string& line :
           UnreadableDiagnostics(given, outcome.vars.endcount,
                                 text ? *text : std::string(), advice)) {
        err << line << "\n";
      }
      if (text) {
        for (const std::string& line : SectionHints(given, *text, advice)) {
          err << line << "\n";
        }
      }
      return kExitUnreadable;
    case RunOutcome::Kind::kFailed:
      break;
  }
  const RunError& e = *outcome.error;
  err << "kestrelon: "
      << RunError(e.reason(), as_given(e.file()), e.line()).Describe()
      << (e.permissive_cleans() ? advice : "") << "\n";
  // The sections were not all found: say which lines look like what the
  // search missed.
  if (text && outcome.vars.index.reacend == 0) {
    for (const NearEnd& near : FindNearEnds(*text)) {
      err << DescribeNearEnd(given, near, advice) << "\n";
    }
    for (const std::string& line : SectionHints(given, *text, advice)) {
      err << line << "\n";
    }
  }
  return kExitFailed;
}

int RunCleanCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
  const int status = RunClean(args, out, err);
  return OutputWritten(out, err) || status != kExitOk ? status : kExitFailed;
}

}  // namespace kestrelon
